#include "app/MdiFirstLayout.h"

#include "app/WindowLayout.h"
#include "app/WindowTiler.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

TMdiFirstLayout::TMdiFirstLayout(QMdiArea& area) : QObject(&area), area_(area), viewport_(area.viewport())
{
    area_.viewport()->installEventFilter(this);
}

void TMdiFirstLayout::TrackConfigWindow(QMdiSubWindow* window)
{
    config_ = window;
    configPlaced_ = QRect();
}

void TMdiFirstLayout::SetPreview(QMdiSubWindow* window, bool tracked)
{
    preview_ = window;
    previewTracked_ = tracked;
    previewPlaced_ = QRect();
}

void TMdiFirstLayout::Fit()
{
    const QRect area = area_.viewport()->rect();
    if (area.isEmpty())
        return;
    // A window the user placed since is his.
    if (preview_ && previewPlaced_.isValid() && preview_->geometry() != previewPlaced_)
        previewTracked_ = false;
    if (config_ && configPlaced_.isValid() && config_->geometry() != configPlaced_)
        config_ = nullptr;
    if (preview_ && previewTracked_) {
        previewPlaced_ = PreviewPlace(area, preview_->size());
        preview_->setGeometry(previewPlaced_);
    }
    if (config_ && !config_->isMaximized() && !config_->isMinimized()) {
        configPlaced_ = preview_ && preview_->isVisible() && !preview_->isMinimized()
                            ? AreaBeside(area, preview_->geometry())
                            : area;
        config_->setGeometry(configPlaced_);
    }
}

bool TMdiFirstLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport_ && event->type() == QEvent::Resize)
        Fit();
    return QObject::eventFilter(watched, event);
}
