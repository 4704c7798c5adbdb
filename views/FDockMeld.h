#pragma once

#include <QDockWidget>

#include <functional>

class QCloseEvent;

// The host window of a configuration window's quick help: a dock widget captioned "Parameter
// Hilfe" at the bottom of the window's right pane that the user can drag out into a floating tool
// window and back. What docking and closing mean for the pane is the window's business, told
// through the two events.
class TFDockMeld : public QDockWidget {
    Q_OBJECT

public:
    // floating: where the drag left the host.
    using TEndDockEvent = std::function<void(bool floating)>;
    using TCloseEvent = std::function<void()>;

    explicit TFDockMeld(QWidget* owner);

    // After the host was floated or docked again.
    TEndDockEvent OnEndDock;
    // The user closed the host; it is hidden, and the window takes it down.
    TCloseEvent OnClose;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormEndDock(bool floating);
};
