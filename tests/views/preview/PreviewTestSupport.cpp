#include "tests/views/preview/PreviewTestSupport.h"

namespace previewtest {

Frame::Frame() : area_(new QMdiArea), alwaysOnTop_(new QAction("Immer im Vordergrund", this))
{
    setCentralWidget(area_);
    alwaysOnTop_->setObjectName("APreviewAlwaysOnTop");
    alwaysOnTop_->setCheckable(true);
    addAction(alwaysOnTop_);
    resize(800, 600);
    show();
}

QImage Picture(int width, int height, unsigned rgb)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    return picture;
}

} // namespace previewtest
