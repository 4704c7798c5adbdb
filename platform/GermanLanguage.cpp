#include "platform/GermanLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace platform {

TGermanLanguage::TGermanLanguage()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    loaded_ = translator_.load(german, QStringLiteral("qt"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))
              && QCoreApplication::installTranslator(&translator_);
}

TGermanLanguage::~TGermanLanguage()
{
    if (loaded_)
        QCoreApplication::removeTranslator(&translator_);
    QLocale::setDefault(previous_);
}

} // namespace platform
