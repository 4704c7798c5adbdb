#include "dialogs/options/OptionWidgets.h"

#include <QMouseEvent>

TColorPanel::TColorPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setFixedSize(48, 20);
}

void TColorPanel::SetColor(const QColor& color)
{
    QPalette look = palette();
    look.setColor(QPalette::Window, color);
    setPalette(look);
}

void TColorPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QFrame::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
