#include "tests/views/GridTestSupport.h"

#include "tests/climalib/ReglerFunktionFixture.h"
#include "tests/climalib/support/ProbeFixture.h"
#include "tests/support/ScriptedUi.h"
#include "views/CtrlGrid.h"
#include "views/DrawGridSEView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using P = climatest::TProbeDataObject;

// A data object of the controller library's frame fills the view's grid; the user works the
// view's editors, and the object's change rules run as in the headless tests of the library.
class GridWithDataObject : public climatest::ProbeFixture {
protected:
    GridWithDataObject()
    {
        pane.resize(420, 260);
        ctrl.LoadSize(true, 0);
        pane.show();
        Fill();
    }

    void Fill()
    {
        viewstest::PrepareForDataObject(view.Grid());
        probe->BuildInfoWindow(&view.Grid(), nullptr, false, -1, -1);
    }
    int ViewRow(int tag) const { return view.Grid().FindRow(tag); }
    QPoint ValueCell(int tag) const { return view.CellRect(1, ViewRow(tag)).center(); }

    testsupport::ScriptedUi ui;
    QWidget pane;
    TDrawGridSEView view{&pane};
    TCtrlGrid ctrl{&view};
};

TEST_F(GridWithDataObject, AChoiceInTheComboReachesTheHandlerAndTheRecord)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, ValueCell(P::tagAuswahl));
    auto* combo = qobject_cast<QComboBox*>(view.EditorWidget());
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->currentText(), QStringLiteral("Eins"));

    QTest::keyClick(combo, Qt::Key_Down);

    EXPECT_EQ(probe->Auswahl, 5);
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param2, 5);
    EXPECT_EQ(window.Received(WM_USER_UPDATEALLVIEWS).size(), 0u) << "posted, not yet delivered";
    window.DeliverPosted();
    EXPECT_EQ(window.Received(WM_USER_UPDATEALLVIEWS).size(), 1u);
    EXPECT_EQ(window.Received(WM_USER_UPDATEALLVIEWS).front().wParam, 1u) << "column first";
    EXPECT_EQ(window.Received(WM_USER_UPDATEALLVIEWS).front().lParam, ViewRow(P::tagAuswahl));
}

TEST_F(GridWithDataObject, ASpinValueIsStoredWhenTheCellIsLeft)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, ValueCell(P::tagZeit));
    auto* spin = qobject_cast<QDoubleSpinBox*>(view.EditorWidget());
    ASSERT_NE(spin, nullptr);
    spin->selectAll();
    QTest::keyClicks(spin, "42");
    EXPECT_EQ(probe->Zeit, 10) << "nothing is taken before the cell is left";

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, ValueCell(P::tagFreigabe));

    EXPECT_EQ(probe->Zeit, 42);
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param3, 42);
}

TEST_F(GridWithDataObject, ADecimalSpinShowsAndTakesTheDecimalComma)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, ValueCell(P::tagTemperatur));
    auto* spin = qobject_cast<QDoubleSpinBox*>(view.EditorWidget());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->text(), QStringLiteral("21,5"));
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("22,0"));

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, ValueCell(P::tagZeit));
    EXPECT_DOUBLE_EQ(probe->Temperatur, 22.0);
}

TEST_F(GridWithDataObject, AGroupTitleClickClosesTheGroupOnceThenTheViewsAreRebuilt)
{
    const int title = ViewRow(P::tagGruppe);
    ASSERT_GE(ViewRow(P::tagExtra), 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.CellRect(0, title).center());

    EXPECT_EQ(probe->GruppeState, TCell::gtsClosed) << "press and release switch it once";
    window.DeliverPosted();
    Fill(); // what the window does on WM_USER_UPDATEALLVIEWS
    EXPECT_EQ(ViewRow(P::tagExtra), -1);
}

TEST_F(GridWithDataObject, TheActiveCellAskedForByTheObjectOpensItsEditor)
{
    const int row = ViewRow(P::tagZeit);
    viewstest::PrepareForDataObject(view.Grid());
    probe->BuildInfoWindow(&view.Grid(), nullptr, false, 1, row);
    window.DeliverPosted();
    const auto asked = window.Received(WM_USER_SETACTIVECELL);
    ASSERT_EQ(asked.size(), 1u);

    view.SetActiveCell(static_cast<int>(asked.front().wParam), static_cast<int>(asked.front().lParam));

    auto* spin = qobject_cast<QDoubleSpinBox*>(view.EditorWidget());
    ASSERT_NE(spin, nullptr);
    EXPECT_DOUBLE_EQ(spin->value(), 10);
    EXPECT_EQ(spin->geometry(), view.CellRect(1, row));
}

// The controller function of the library fills the grid as the configuration window shows it.
class GridWithController : public climatest::ReglerFunktionFixture {
protected:
    GridWithController()
    {
        pane.resize(700, 500);
        ctrl.LoadSize(true, 0);
        pane.show();
        viewstest::PrepareForDataObject(view.Grid());
        regler->BuildInfoWindow(&view.Grid(), nullptr, false, -1, -1);
    }

    testsupport::ScriptedUi ui;
    QWidget pane;
    TDrawGridSEView view{&pane};
    TCtrlGrid ctrl{&view};
};

TEST_F(GridWithController, TheOperatingTypeChosenInTheComboReachesTheControllerAndItsRecord)
{
    using namespace T_DB_EnumReglerFunktion;
    const int row = view.Grid().FindRow(TReglerFunktion::tagBetriebsart);
    ASSERT_GE(row, 0);
    ASSERT_EQ(regler->ReglerBetriebsart, rbaHeizen);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.CellRect(1, row).center());
    auto* combo = qobject_cast<QComboBox*>(view.EditorWidget());
    ASSERT_NE(combo, nullptr);
    const std::vector<TComboWert>& choices = view.Grid().GetCell(1, row)->Choices;
    ASSERT_GE(choices.size(), 2u);
    ASSERT_EQ(choices[static_cast<std::size_t>(combo->currentIndex()) + 1].Value, rbaKuehlen);

    QTest::keyClick(combo, Qt::Key_Down);

    EXPECT_EQ(regler->ReglerBetriebsart, rbaKuehlen);
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param4, rbaKuehlen);
    EXPECT_FALSE(Requests().empty()) << "the change rules asked the device";
}

} // namespace
