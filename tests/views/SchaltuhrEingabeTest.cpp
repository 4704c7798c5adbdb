// The time field as a person types into it: every command that adds or changes a row takes
// the time the field shows at that moment.
#include "views/DlgRaumtempSchaltuhrDaten.h"
#include "views/DlgSchaltuhrDaten.h"
#include "platform/Cp1252.h"
#include "tests/support/ScriptedUi.h"
#include "tests/views/SchaltuhrTestSupport.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace schaltzeit {
namespace {

using namespace T_DB_EnumSchaltuhr;

template <class T>
T* Kind(QWidget& dialog, const char* name)
{
    T* kind = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
}

std::vector<std::string> Zeiten(QWidget& dialog)
{
    const QAbstractItemModel* modell = Kind<QTreeView>(dialog, "LvSchaltzeiten")->model();
    std::vector<std::string> texte;
    for (int zeile = 0; zeile < modell->rowCount(); ++zeile)
        texte.push_back(platform::FromQString(modell->index(zeile, 1).data().toString()));
    return texte;
}

// How the caret gets into the field before typing.
enum class TWeg { KlickAufStelle1, KlickAufStelle4, Tab };
// The command that takes the input.
enum class TBefehl { AltH, KlickHinzufuegen, EnterDannAltH };

struct TFall {
    const char* name;
    TWeg weg;
    const char* getippt;
    TBefehl befehl;
    const char* zeile; // the time of the row added
};

class SchaltuhrFeld : public ::testing::Test {
protected:
    SchaltuhrFeld()
    {
        Schaltuhr1 = MachSchaltuhr(1, dfSzenenabruf, wtyByte);
        Dialog = std::make_unique<TDlgSchaltuhrDaten>(
            nullptr, nullptr, nullptr, std::map<int, TSchaltuhr*>{{1, Schaltuhr1.get()}},
            std::map<int, std::map<int, tagSchaltuhrDaten>*>{{1, Schaltuhr1->GetPointerMapSchaltDaten()}}, false);
        Dialog->show();
        Dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Dialog.get())) << "the editor did not become active";
        Klick("ChkBoxMontag");
        Feld = Kind<QLineEdit>(*Dialog, "EdtUhrzeit");
    }

    void Klick(const char* name) const
    {
        auto* knopf = Kind<QAbstractButton>(*Dialog, name);
        QTest::mouseClick(knopf, Qt::LeftButton, {}, knopf->rect().center());
    }

    // A click into the field that puts the caret before the character at that place.
    void KlickInsFeld(int stelle) const
    {
        for (int x = 0; x < Feld->width(); ++x) {
            const QPoint punkt(x, Feld->height() / 2);
            if (Feld->cursorPositionAt(punkt) == stelle) {
                QTest::mouseClick(Feld, Qt::LeftButton, {}, punkt);
                ASSERT_TRUE(Feld->hasFocus());
                ASSERT_EQ(Feld->cursorPosition(), stelle) << "the click put the caret elsewhere";
                return;
            }
        }
        FAIL() << "no place of the field gives caret " << stelle;
    }

    void Betrete(TWeg weg) const
    {
        switch (weg) {
        case TWeg::KlickAufStelle1:
            KlickInsFeld(1);
            break;
        case TWeg::KlickAufStelle4:
            KlickInsFeld(4);
            break;
        case TWeg::Tab:
            // Tab from the day box just clicked, round the dialog to the field.
            for (int schritt = 0; schritt < 40 && !Feld->hasFocus(); ++schritt)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_TRUE(Feld->hasFocus()) << "Tab did not reach the field";
            break;
        }
    }

    // Alt+H as typed: the mnemonic clicks the button a moment later, the field keeping the focus.
    void AltH() const
    {
        const std::size_t vorher = Zeiten(*Dialog).size();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Zeiten(*Dialog).size() > vorher || !Ui.boxes().empty(); }, 5000))
            << "Alt+H added no row";
    }

    testsupport::ScriptedUi Ui;
    std::unique_ptr<TSchaltuhr> Schaltuhr1;
    std::unique_ptr<TDlgSchaltuhrDaten> Dialog;
    QLineEdit* Feld = nullptr;
};

class SchaltuhrEingabe : public SchaltuhrFeld, public ::testing::WithParamInterface<TFall> {};

TEST_P(SchaltuhrEingabe, TheRowTakesTheTimeTheFieldShows)
{
    Betrete(GetParam().weg);
    QTest::keyClicks(Feld, GetParam().getippt);
    EXPECT_EQ(platform::FromQString(Feld->text()), GetParam().zeile);
    switch (GetParam().befehl) {
    case TBefehl::AltH:
        AltH();
        break;
    case TBefehl::KlickHinzufuegen:
        Klick("BtnAdd");
        break;
    case TBefehl::EnterDannAltH:
        QTest::keyClick(Feld, Qt::Key_Return);
        EXPECT_EQ(platform::FromQString(Feld->text()), GetParam().zeile);
        AltH();
        break;
    }
    EXPECT_TRUE(Ui.boxes().empty());
    EXPECT_EQ(Zeiten(*Dialog), std::vector<std::string>{GetParam().zeile});
}

INSTANTIATE_TEST_SUITE_P(
    Wege, SchaltuhrEingabe,
    ::testing::Values(TFall{"FourDigitsAfterAClickThenAltH", TWeg::KlickAufStelle1, "0930", TBefehl::AltH, "09:30"},
                      TFall{"TimeWithSeparatorAfterAClick", TWeg::KlickAufStelle1, "06:30", TBefehl::AltH, "06:30"},
                      TFall{"ClickInTheMinutesTypesMinutes", TWeg::KlickAufStelle4, "45", TBefehl::AltH, "07:45"},
                      TFall{"FourDigitsThenTheButton", TWeg::KlickAufStelle1, "2215", TBefehl::KlickHinzufuegen, "22:15"},
                      TFall{"TabThenEnterThenAltH", TWeg::Tab, "1545", TBefehl::EnterDannAltH, "15:45"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SchaltuhrFeld, NoTimeInTheFieldIsReportedAndAddsNothing)
{
    KlickInsFeld(0);
    QTest::keyClicks(Feld, "9999");
    AltH();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "99:99 ist keine g\xfcltige Zeitangabe!");
    EXPECT_TRUE(Zeiten(*Dialog).empty());
}

TEST_F(SchaltuhrFeld, TakingAnEditedRowTakesTheTimeTyped)
{
    Klick("BtnAdd");
    ASSERT_EQ(Zeiten(*Dialog), std::vector<std::string>{"07:00"});
    auto* liste = Kind<QTreeView>(*Dialog, "LvSchaltzeiten");
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(liste->model()->index(0, 2)).center());
    Klick("BtnEdit"); // "B&earbeiten"
    KlickInsFeld(1);
    QTest::keyClicks(Feld, "1215");
    Klick("BtnEdit"); // "Ü&bernehmen" (its Alt+B also names "&Benutzerdefiniert")
    EXPECT_EQ(Zeiten(*Dialog), std::vector<std::string>{"12:15"});
}

TEST_F(SchaltuhrFeld, ColumnsShowTheirTextsAndTheListGrowsWithTheDialog)
{
    for (const char* tag : {"ChkBoxMittwoch", "ChkBoxFreitag", "ChkBoxSonntag"})
        Klick(tag);
    Klick("BtnAdd");
    auto* liste = Kind<QTreeView>(*Dialog, "LvSchaltzeiten");
    const QFontMetrics metrics(liste->font());
    for (int spalte = 1; spalte < liste->model()->columnCount(); ++spalte) {
        EXPECT_GE(liste->columnWidth(spalte), liste->header()->sectionSizeHint(spalte)) << "caption of " << spalte;
        for (int zeile = 0; zeile < liste->model()->rowCount(); ++zeile) {
            const QString text = liste->model()->index(zeile, spalte).data().toString();
            EXPECT_GE(liste->columnWidth(spalte), metrics.horizontalAdvance(text)) << text.toStdString();
        }
    }
    const QSize vorher = Dialog->size();
    const QRect listeVorher = liste->geometry();
    const QRect okVorher = Kind<QPushButton>(*Dialog, "BtnOk")->geometry();
    Dialog->resize(vorher + QSize(120, 80));
    EXPECT_TRUE(QTest::qWaitFor([this, vorher] { return Dialog->size() == vorher + QSize(120, 80); }, 5000))
        << "the editor cannot be made larger";
    EXPECT_EQ(liste->geometry().size(), listeVorher.size() + QSize(120, 80));
    EXPECT_EQ(Kind<QPushButton>(*Dialog, "BtnOk")->geometry(), okVorher.translated(120, 80));
}

TEST(RaumtempEingabe, AltHTakesTheTimeTyped)
{
    testsupport::ScriptedUi ui;
    TMapSchaltDaten map;
    TDlgRaumtempSchaltuhrDaten dialog(nullptr, nullptr, nullptr, &map, false);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << "the editor did not become active";
    auto* montag = Kind<QCheckBox>(dialog, "ChkBoxMontag");
    QTest::mouseClick(montag, Qt::LeftButton, {}, montag->rect().center());
    auto* feld = Kind<QLineEdit>(dialog, "EdtUhrzeit");
    feld->setFocus(Qt::MouseFocusReason);
    feld->setCursorPosition(2);
    QTest::keyClicks(feld, "0630");
    QTest::keyClick(feld, Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return Zeiten(dialog).size() == 1; }, 5000)) << "Alt+H added no row";
    EXPECT_EQ(Zeiten(dialog), std::vector<std::string>{"06:30"});
}

} // namespace
} // namespace schaltzeit
