#include "views/FDockMeld.h"

#include "app/Color.h"
#include "app/Spredit.h"
#include "platform/Cp1252.h"
#include "platform/SystemColors.h"

#include <QCloseEvent>

TFDockMeld::TFDockMeld(QWidget* owner) : QDockWidget(owner)
{
    setObjectName(QStringLiteral("FDockMeld"));
    setWindowTitle(platform::ToQString(Spredit::Text9223));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, platform::ToQColor(clInfoBk, colours));
    setPalette(colours);
    connect(this, &QDockWidget::topLevelChanged, this, &TFDockMeld::FormEndDock);
}

void TFDockMeld::closeEvent(QCloseEvent* event)
{
    QDockWidget::closeEvent(event);
    if (event->isAccepted() && OnClose)
        OnClose();
}

void TFDockMeld::FormEndDock(bool floating)
{
    if (OnEndDock)
        OnEndDock(floating);
}
