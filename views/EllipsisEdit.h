#pragma once

#include <QLineEdit>

class QToolButton;

// The line edit of a grid cell that opens a dialog: a "…" button at its right end, clear of the
// text.
class TEllipsisEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit TEllipsisEdit(QWidget* parent);

    QToolButton* Button() const { return button_; }

signals:
    void EllipsisClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* button_;
};
