#pragma once

#include <QLocale>
#include <QTranslator>

namespace platform {

// The program speaks German in what Qt draws too: while it lives, Qt's own German texts are
// installed ("Ja", "Nein", "Abbrechen", the file and print dialogs) and the default locale is
// German, so that dates and numbers read as in Germany; both are put back when it ends.
// Loaded tells whether Qt's translation was found (the package qt6-translations-l10n).
class TGermanLanguage {
public:
    TGermanLanguage();
    ~TGermanLanguage();
    TGermanLanguage(const TGermanLanguage&) = delete;
    TGermanLanguage& operator=(const TGermanLanguage&) = delete;

    bool Loaded() const { return loaded_; }

private:
    const QLocale previous_;
    QTranslator translator_;
    bool loaded_ = false;
};

} // namespace platform
