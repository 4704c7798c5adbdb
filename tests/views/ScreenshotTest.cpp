#include "climalib/ReglerFunktion.h"
#include "tests/device/GrpAdrFixture.h"
#include "tests/views/ControllerDeviceObjects.h"
#include "tests/views/GrpAdrExpansion.h"
#include "tests/views/TreeTestSupport.h"
#include "tests/views/support/TreeBesideGrid.h"
#include "views/CtrlTree.h"
#include "views/DrawGridSEView.h"
#include "views/TreeView.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t ReglerHandle = viewstest::ControllerDeviceObjects::ReglerHandle;

// A device of the libraries' real data objects, made here as the function managers will make
// them, in a configuration window's two panes: the sorted function tree with the project's
// group addresses, and the grid the selected controller function fills.
class Screenshot : public grpadrtest::GrpAdrTest {
protected:
    void BuildDevice()
    {
        device.Build([this](int main, int middle, int sub) { return SubGroupId(main, middle, sub); }, true);
    }

    viewstest::ControllerDeviceObjects device;
    climatest::FakeMainWindow& hub = device.hub;
    std::map<int, TDataBasis*>& map = device.map;
};

TEST_F(Screenshot, TreeAndGrid)
{
    BuildDevice();

    viewstest::TreeBesideGrid window(QStringLiteral("Projektierung:0"), 1180, 700, 330);
    TCtrlTree& ctrlTree = window.CtrlTree;
    TTreeView* tree = window.Tree;
    TDrawGridSEView* view = window.View;
    window.Fill(map);
    device_->GetGrpAdrFromServer();
    ctrlTree.MakeGrpAdrFolder(device_->MainGroupNodes.Map(), device_->GrpAdrOrdner.get());
    ASSERT_NE(device_->LoadGrpAdr(), nullptr);
    const auto expand = [&](TDataBasis* object) {
        TTreeNode* node = ctrlTree.GetNodeFromData(object);
        ASSERT_NE(node, nullptr);
        node->setExpanded(true);
        viewstest::FillGroupLevels(ctrlTree, *tree, *node, *device_->EtsGruppenAdressen, device_->GrpAdrNodes.Map(),
                                   true);
    };
    expand(device_->GrpAdrOrdner.get());
    expand(device_->MainGroupNodes.Find(2));
    TTreeNode* heating = ctrlTree.GetNodeFromData(device_->MainGroupNodes.Find(2));
    ASSERT_NE(heating, nullptr);
    heating->Item(1)->setExpanded(true); // the set points, down to their addresses
    ctrlTree.GetNodeFromData(map.at(21))->MakeVisible(); // the keys, in their natural order
    ctrlTree.GetNodeFromData(map.at(ReglerHandle))->setExpanded(true);
    ctrlTree.SelectNode(map.at(ReglerHandle));
    ASSERT_EQ(ctrlTree.GetSelData(), map.at(ReglerHandle));

    window.ShowInGrid(*map.at(ReglerHandle));
    window.Window.show();
    view->setFocus();
    view->SetActiveCell(1, view->Grid().FindRow(TReglerFunktion::tagBetriebsart));
    ASSERT_NE(view->EditorWidget(), nullptr);
    QApplication::processEvents();

    EXPECT_EQ(viewstest::Outline(*ctrlTree.GetNodeFromData(map.at(5))),
              "Bet\xE4tigung+[Taste 1, Taste 2, Taste 3, Taste 4, Taste 10]");

    EXPECT_TRUE(window.Save(QStringLiteral(VIEWS_SCREENSHOT_DIR), QStringLiteral("tree_and_grid.png")));
}

} // namespace
