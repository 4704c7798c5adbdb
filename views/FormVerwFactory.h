#pragma once

class QWidget;
class TFormVerwBase;

// Makes the configuration windows of the main window. The main window adds each one to its MDI
// area; the first one (number 0) is never freed when it is closed.
class TFormVerwFactory {
public:
    virtual ~TFormVerwFactory() = default;

    // A new window with its number: the count of configuration windows made before it in this
    // run. Owned by owner (the main window) through Qt.
    virtual TFormVerwBase* Create(QWidget* owner, int windowNumber) const = 0;
};
