#include "platform/FixedLook.h"

#include "platform/SystemColors.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

namespace platform {

void ApplyFixedLook(QApplication& application)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion); // the application takes it over
    QApplication::setPalette(FixedPalette());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    font.setStyleHint(QFont::SansSerif);
    application.setFont(font);
}

} // namespace platform
