#include "views/DlgRaumtempSchaltuhrDaten.h"
#include "views/DlgSchaltuhrDaten.h"
#include "platform/Cp1252.h"
#include "tests/support/ScriptedUi.h"
#include "tests/views/SchaltuhrTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <string>

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

std::string Text(const QString& text)
{
    return platform::FromQString(text);
}

std::string Label(QWidget& dialog)
{
    return Text(Kind<QLabel>(dialog, "LblFreieSpeicherplaetze")->text());
}

std::vector<std::string> Spalte(QWidget& dialog, int spalte)
{
    const QAbstractItemModel* modell = Kind<QTreeView>(dialog, "LvSchaltzeiten")->model();
    std::vector<std::string> texte;
    for (int zeile = 0; zeile < modell->rowCount(); ++zeile)
        texte.push_back(Text(modell->index(zeile, spalte).data().toString()));
    return texte;
}

void Klick(QWidget& dialog, const char* name)
{
    QAbstractButton* knopf = Kind<QAbstractButton>(dialog, name);
    // A radio item answers on its circle and text only.
    const bool radio = qobject_cast<QRadioButton*>(knopf) != nullptr;
    QTest::mouseClick(knopf, Qt::LeftButton, {}, radio ? QPoint(8, knopf->height() / 2) : knopf->rect().center());
}

void Speichere(QWidget& dialog, const char* name)
{
    const QString ordner = QStringLiteral(VIEWS_SCHALTUHR_SCREENSHOT_DIR);
    QDir().mkpath(ordner);
    // The client area under a plain caption bar, so that the picture shows the window caption.
    const QPixmap inhalt = dialog.grab();
    constexpr int titel = 22;
    QPixmap bild(inhalt.width(), inhalt.height() + titel);
    bild.fill(dialog.palette().color(QPalette::Highlight));
    QPainter maler(&bild);
    maler.setPen(dialog.palette().color(QPalette::HighlightedText));
    maler.setFont(dialog.font());
    maler.drawText(QRect(6, 0, inhalt.width() - 12, titel), Qt::AlignVCenter | Qt::AlignLeft, dialog.windowTitle());
    maler.drawPixmap(0, titel, inhalt);
    maler.end();
    EXPECT_TRUE(bild.save(ordner + QLatin1Char('/') + QLatin1String(name)));
}

class SchaltuhrDialog : public ::testing::Test {
protected:
    SchaltuhrDialog()
    {
        Schaltuhr1 = MachSchaltuhr(1, dfSzenenabruf, wtyByte);
        Schaltuhr2 = MachSchaltuhr(2, dfWert, wtyProzent);
    }

    std::unique_ptr<TDlgSchaltuhrDaten> Oeffne()
    {
        auto dialog = std::make_unique<TDlgSchaltuhrDaten>(
            nullptr, nullptr, nullptr, std::map<int, TSchaltuhr*>{{1, Schaltuhr1.get()}, {2, Schaltuhr2.get()}},
            std::map<int, std::map<int, tagSchaltuhrDaten>*>{{1, Schaltuhr1->GetPointerMapSchaltDaten()},
                                                             {2, Schaltuhr2->GetPointerMapSchaltDaten()}},
            false);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    TMapSchaltuhrDaten& Map1() { return *Schaltuhr1->GetPointerMapSchaltDaten(); }

    testsupport::ScriptedUi Ui;
    std::unique_ptr<TSchaltuhr> Schaltuhr1;
    std::unique_ptr<TSchaltuhr> Schaltuhr2;
};

TEST_F(SchaltuhrDialog, OpensWithThePartsTextsAndSize)
{
    auto dialog = Oeffne();
    EXPECT_EQ(dialog->size(), QSize(518, 455));
    EXPECT_EQ(Text(dialog->windowTitle()), "Schaltuhr-Schaltzeiten");
    EXPECT_EQ(Text(Kind<QLineEdit>(*dialog, "EdtUhrzeit")->text()), "07:00");
    EXPECT_EQ(Text(Kind<QGroupBox>(*dialog, "GrpBoxWert")->title()), "Szene [1..8]");
    EXPECT_EQ(Text(Kind<QLineEdit>(*dialog, "EdtWert")->text()), "1");
    EXPECT_EQ(Label(*dialog), "Freie Speicherpl\xe4tze: 14/0");
    EXPECT_FALSE(Kind<QPushButton>(*dialog, "BtnAdd")->isEnabled());
    EXPECT_FALSE(Kind<QPushButton>(*dialog, "BtnHelp")->isEnabled());
    EXPECT_EQ(Kind<QComboBox>(*dialog, "CbxSchaltuhr")->count(), 2);
}

TEST_F(SchaltuhrDialog, TickedDaysAreAddedAsCompressedRows)
{
    auto dialog = Oeffne();
    for (const char* tag : {"ChkBoxMontag", "ChkBoxDienstag", "ChkBoxSamstag", "ChkBoxSonntag"})
        Klick(*dialog, tag);
    EXPECT_EQ(Label(*dialog), "Freie Speicherpl\xe4tze: 14/3");
    Klick(*dialog, "BtnAdd");
    EXPECT_EQ(Spalte(*dialog, 2), (std::vector<std::string>{"Mo ", "Di ", "Sa So "}));
    EXPECT_EQ(Label(*dialog), "Freie Speicherpl\xe4tze: 11/3");
    Klick(*dialog, "RdGrpTage1"); // "&Täglich"
    EXPECT_FALSE(Kind<QCheckBox>(*dialog, "ChkBoxMittwoch")->isEnabled());
    EXPECT_TRUE(Kind<QCheckBox>(*dialog, "ChkBoxMittwoch")->isChecked());
}

TEST_F(SchaltuhrDialog, AnInvalidTimeIsReportedWhenTheFieldIsLeft)
{
    auto dialog = Oeffne();
    auto* zeit = Kind<QLineEdit>(*dialog, "EdtUhrzeit");
    zeit->setFocus();
    zeit->setCursorPosition(0);
    QTest::keyClicks(zeit, "9999");
    EXPECT_EQ(Text(zeit->text()), "99:99");
    QTest::keyClick(zeit, Qt::Key_Tab);
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "99:99 ist keine g\xfcltige Zeitangabe!");
    EXPECT_EQ(Ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(Text(zeit->text()), "00:00");
}

TEST_F(SchaltuhrDialog, KeysAndArrowsStepTheTime)
{
    auto dialog = Oeffne();
    auto* zeit = Kind<QLineEdit>(*dialog, "EdtUhrzeit");
    zeit->setFocus();
    zeit->setCursorPosition(5);
    QTest::keyClick(zeit, Qt::Key_Down);
    EXPECT_EQ(Text(zeit->text()), "07:59");
    QTest::keyClick(zeit, Qt::Key_Delete);
    QTest::keyClick(zeit, Qt::Key_End);
    EXPECT_EQ(Text(zeit->text()), "07:59");
    // Typed digits count for the arrows.
    zeit->setCursorPosition(0);
    QTest::keyClicks(zeit, "09");
    Klick(*dialog, "UpDownZeitHoch");
    EXPECT_EQ(Text(zeit->text()), "10:59");
    EXPECT_EQ(zeit->selectedText(), QStringLiteral("10"));
}

TEST_F(SchaltuhrDialog, TheValueIsClampedWhenLeft)
{
    auto dialog = Oeffne();
    auto* wert = Kind<QLineEdit>(*dialog, "EdtWert");
    wert->setFocus();
    wert->selectAll();
    QTest::keyClicks(wert, "1x2");
    EXPECT_EQ(Text(wert->text()), "12");
    Kind<QLineEdit>(*dialog, "EdtUhrzeit")->setFocus();
    EXPECT_EQ(Text(wert->text()), "8");
}

TEST_F(SchaltuhrDialog, OkWritesTheMapsCancelLeavesThem)
{
    Map1()[1] = Zeit(9, 0, 1, dfSzenenabruf, 3);
    Map1()[2] = Zeit(8, 0, 2, dfSzenenabruf, 4);
    {
        auto dialog = Oeffne();
        Klick(*dialog, "ChkBoxFreitag");
        Klick(*dialog, "BtnAdd");
        Klick(*dialog, "BtnCancel");
        EXPECT_EQ(dialog->result(), 2);
    }
    EXPECT_EQ(Map1()[1], Zeit(9, 0, 1, dfSzenenabruf, 3));
    EXPECT_EQ(Map1()[3], tagSchaltuhrDaten{});

    auto dialog = Oeffne();
    Klick(*dialog, "ChkBoxFreitag");
    Klick(*dialog, "BtnAdd");
    Klick(*dialog, "BtnOk");
    EXPECT_EQ(dialog->result(), 1);
    EXPECT_EQ(Map1()[1], Zeit(8, 0, 2, dfSzenenabruf, 4)); // opened sorted by time
    EXPECT_EQ(Map1()[2], Zeit(9, 0, 1, dfSzenenabruf, 3));
    EXPECT_EQ(Map1()[3], Zeit(7, 0, 5, dfSzenenabruf, 1));
}

TEST_F(SchaltuhrDialog, ScreenshotsOfBrowseAndEditMode)
{
    Map1()[1] = Zeit(6, 30, 8, dfSzenenabruf, 2);
    Map1()[2] = Zeit(22, 0, 10, dfSzenenabruf, 8);
    Map1()[3] = Zeit(8, 15, 9, dfSzenenabruf, 3);
    Map1()[4] = Zeit(12, 0, 3, dfSzenenabruf, 5);
    auto dialog = Oeffne();
    QHeaderView* kopf = Kind<QTreeView>(*dialog, "LvSchaltzeiten")->header();
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionViewportPosition(1) + 10, 5));
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionViewportPosition(1) + 10, 5));
    EXPECT_EQ(Text(kopf->model()->headerData(1, Qt::Horizontal).toString()), "Zeit *");
    EXPECT_EQ(Spalte(*dialog, 1), (std::vector<std::string>{"06:30", "08:15", "12:00", "22:00"}));
    Speichere(*dialog, "schaltuhr_browse.png");

    auto* liste = Kind<QTreeView>(*dialog, "LvSchaltzeiten");
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(liste->model()->index(1, 2)).center());
    Klick(*dialog, "BtnEdit");
    EXPECT_EQ(Text(dialog->windowTitle()), "Schaltuhr-Schaltzeiten [Bearbeiten-Modus]");
    EXPECT_EQ(Text(Kind<QPushButton>(*dialog, "BtnEdit")->text()), "\xdc&bernehmen");
    EXPECT_FALSE(Kind<QPushButton>(*dialog, "BtnAdd")->isVisible());
    EXPECT_TRUE(Kind<QRadioButton>(*dialog, "RdGrpTage3")->isChecked()); // "Wochen&ende"
    Speichere(*dialog, "schaltuhr_edit.png");
}

TEST_F(SchaltuhrDialog, DeletingSelectsTheNextRowAndADoubleClickEdits)
{
    for (int slot = 1; slot <= 3; ++slot)
        Map1()[slot] = Zeit(slot, 0, slot, dfSzenenabruf, slot);
    auto dialog = Oeffne();
    auto* liste = Kind<QTreeView>(*dialog, "LvSchaltzeiten");
    const auto zelle = [liste](int zeile) { return liste->visualRect(liste->model()->index(zeile, 2)).center(); };
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zelle(1));
    EXPECT_TRUE(Kind<QPushButton>(*dialog, "BtnEdit")->isEnabled());
    Klick(*dialog, "BtnDelete");
    EXPECT_EQ(Spalte(*dialog, 1), (std::vector<std::string>{"01:00", "03:00"}));
    const QModelIndexList gewaehlt = liste->selectionModel()->selectedRows();
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(gewaehlt.front().row(), 1);

    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zelle(0));
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zelle(0));
    EXPECT_EQ(Text(dialog->windowTitle()), "Schaltuhr-Schaltzeiten [Bearbeiten-Modus]");
    EXPECT_EQ(Text(Kind<QLineEdit>(*dialog, "EdtUhrzeit")->text()), "01:00");
    EXPECT_TRUE(Kind<QCheckBox>(*dialog, "ChkBoxMontag")->isChecked());
    EXPECT_FALSE(liste->isEnabled());
    EXPECT_FALSE(Kind<QComboBox>(*dialog, "CbxSchaltuhr")->isEnabled());
}

TEST(RaumtempDialog, ScreenshotWithAProtectionRow)
{
    testsupport::ScriptedUi ui;
    TMapSchaltDaten map;
    for (int slot = 1; slot <= 28; ++slot)
        map[slot] = tagSchaltDaten{};
    map[1] = {6, 0, 8, 0, 1};
    map[2] = {22, 0, 8, 0, 3};
    map[3] = {8, 0, 9, 0, 2};
    map[4] = {0, 30, 10, 0, 4};
    TDlgRaumtempSchaltuhrDaten dialog(nullptr, nullptr, nullptr, &map, false);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(572, 389));
    EXPECT_EQ(Text(dialog.windowTitle()), "Raumtemperatur-Schaltuhr-Schaltzeiten");
    EXPECT_EQ(Spalte(dialog, 3),
              (std::vector<std::string>{"Frost-/Hitzeschutz", "Komfort-Betrieb", "Standby-Betrieb", "Nacht-Betrieb"}));
    EXPECT_EQ(Kind<QComboBox>(dialog, "CbxBetriebsmodus")->count(), 3);
    EXPECT_EQ(Label(dialog), "Freie Speicherpl\xe4tze: 24/0");
    Speichere(dialog, "raumtemp_browse.png");
}

} // namespace
} // namespace schaltzeit
