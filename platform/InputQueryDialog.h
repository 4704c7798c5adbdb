#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

namespace platform {

// The one-line input query: a prompt above an edit field, OK and Cancel. Done with 1 on OK and
// 2 on Cancel.
class TInputQueryDialog final : public QDialog {
public:
    TInputQueryDialog(const std::string& caption, const std::string& prompt, const std::string& value,
                      QWidget* parent = nullptr);

    std::string Value() const;
    QLineEdit* Edit() const { return edit_; }

private:
    QLineEdit* edit_;
};

} // namespace platform
