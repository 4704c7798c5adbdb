#include "platform/GermanLanguage.h"
#include "platform/QtUiService.h"

#include <QAbstractButton>
#include <QDate>
#include <QLocale>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

TEST(GermanLanguageTest, QuestionsAnswerJaAndNein)
{
    const platform::TGermanLanguage german;
    ASSERT_TRUE(german.Loaded()) << "Qt's German translation is missing (qt6-translations-l10n)";
    QMessageBox box;
    platform::SetUpMessageBox(box, "Fortfahren?", "Bestätigen", platform::MB_YESNOCANCEL);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

TEST(GermanLanguageTest, DatesAndNumbersReadAsInGermany)
{
    const platform::TGermanLanguage german;
    const QLocale locale;
    EXPECT_EQ(locale.toString(QDate(2026, 12, 11), QStringLiteral("d. MMMM yyyy")), QStringLiteral("11. Dezember 2026"));
    EXPECT_EQ(locale.toString(QDate(2026, 12, 11), QLocale::ShortFormat), QStringLiteral("11.12.26"));
    EXPECT_EQ(locale.toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
}

TEST(GermanLanguageTest, TheLocaleBeforeIsBackWhenItEnds)
{
    const QLocale before;
    {
        const platform::TGermanLanguage german;
        EXPECT_EQ(QLocale().language(), QLocale::German);
    }
    EXPECT_EQ(QLocale(), before);
}

} // namespace
