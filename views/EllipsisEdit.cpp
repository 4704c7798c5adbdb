#include "views/EllipsisEdit.h"

#include <QToolButton>

TEllipsisEdit::TEllipsisEdit(QWidget* parent) : QLineEdit(parent), button_(new QToolButton(this))
{
    button_->setText(QStringLiteral("\u2026"));
    button_->setCursor(Qt::ArrowCursor);
    button_->setFocusPolicy(Qt::NoFocus);
    connect(button_, &QToolButton::clicked, this, &TEllipsisEdit::EllipsisClicked);
}

void TEllipsisEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    // A square button over the full height at the right; the text stops before it.
    const int side = height();
    button_->setGeometry(width() - side, 0, side, side);
    setTextMargins(0, 0, side, 0);
}
