#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionalitaet.h"
#include "climalib/ReglerRaumtemperaturMessung.h"
#include "climalib/ReglerSollwerte.h"
#include "climalib/ReglerStellgroessenStatusAusgabe.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/keyplan/TastsensorFunktion.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "tests/climalib/support/FakeMainWindow.h"
#include "tests/device/GrpAdrFixture.h"
#include "tests/views/GridTestSupport.h"
#include "tests/views/GrpAdrExpansion.h"
#include "tests/views/TreeTestSupport.h"
#include "tests/views/support/TestImages.h"
#include "views/CtrlGrid.h"
#include "views/CtrlTree.h"
#include "views/DrawGridSEView.h"
#include "views/ImageList.h"
#include "views/TreeView.h"

#include <QDir>
#include <QHBoxLayout>
#include <QSplitter>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr std::int32_t System = 1;
constexpr std::int32_t SystemHandle = 1;
constexpr std::int32_t ReglerHandle = 10;

// A device of the libraries' real data objects, made here as the function managers will make
// them, in a configuration window's two panes: the sorted function tree with the project's
// group addresses, and the grid the selected controller function fills.
class Screenshot : public grpadrtest::GrpAdrTest {
protected:
    template <class T, class... Args>
    T& Make(Args&&... args)
    {
        auto object = std::make_unique<T>(hub.Handle(), System, std::forward<Args>(args)...);
        T& made = *object;
        hub.Device().Register(object.get());
        map[made.GetHandle()] = object.get();
        objects.push_back(std::move(object));
        return made;
    }

    TEtsObjekt& Objekt(std::int32_t handle, const std::string& name, int number)
    {
        return Make<TEtsObjekt>(ReglerHandle, name, 0, 0, number, 0, 3000 + number, 1, 0, 10, 2, 0, handle);
    }

    void BuildDevice()
    {
        Make<TTalvoSystem>(0, "Talvo Tastsensor 4fach mit RTR + Display", 2, 0, SystemHandle, false);
        Make<TTalvoDisplay>(SystemHandle, "Display", 2).SetPosId(1);
        Make<TTalvoDatumUhrzeitSenden>(SystemHandle, "Datum und Uhrzeit senden", 3).SetPosId(2);
        Make<TTastsensorFunktion>(SystemHandle, "Tastsensor", 4).SetPosId(3);
        Make<TTsBetaetigung>(4, "Bet\xE4tigung", 4, 5);
        for (const int key : {4, 3, 10, 2, 1})
            Make<TTsTaste>(5, "Taste " + std::to_string(key), key, 20 + key);
        Make<TReglerFunktion>(SystemHandle, "Raumtemperaturregler", ReglerHandle).SetPosId(4);
        Make<TReglerFunktionalitaet>(ReglerHandle, "Funktionalit\xE4t", 11).SetPosId(1);
        Make<TReglerSollwerte>(ReglerHandle, "Sollwerte", 12).SetPosId(2);
        Make<TReglerRaumtemperaturMessung>(ReglerHandle, "Raumtemperaturmessung", 13).SetPosId(3);
        Make<TReglerStellgroessenStatusAusgabe>(ReglerHandle, "Stellgr\xF6\xDF" "en- und Statusausgabe", 14)
            .SetPosId(4);
        Objekt(40, "Istwert", 1).AddSubGroupLink(SubGroupId(2, 0, 1), 2 * 2048 + 1, true);
        Objekt(41, "Sollwert Basis", 2).AddSubGroupLink(SubGroupId(2, 1, 1), 2 * 2048 + 256 + 1, true);
        Objekt(42, "Stellgr\xF6\xDF" "e Heizen", 3);
        Objekt(43, "Betriebsart", 4).AddSubGroupLink(SubGroupId(2, 2, 1), 2 * 2048 + 512 + 1, true);
        for (auto& object : objects)
            object->SetPosId(object->GetPosId() == 0 ? 50 : object->GetPosId());
    }

    climatest::FakeMainWindow hub;
    std::vector<std::unique_ptr<TDataBasis>> objects;
    std::map<int, TDataBasis*> map;
};

TEST_F(Screenshot, TreeAndGrid)
{
    BuildDevice();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Projektierung:0"));
    window.resize(1180, 700);
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(&window);
    splitter->setHandleWidth(3);
    layout->addWidget(splitter);
    auto* tree = new TTreeView(splitter);
    auto* pane = new QWidget(splitter);
    auto* view = new TDrawGridSEView(pane);
    splitter->setSizes({330, 850});
    TImageList images;
    viewstest::FillTestImages(images);
    tree->SetImages(&images);

    TCtrlTree ctrlTree(tree);
    viewstest::BindCompare(*tree, ctrlTree);
    tree->SetSortType(stData);
    TCtrlGrid ctrlGrid(view);
    ctrlGrid.LoadColor(static_cast<int>(0x80000010u), static_cast<int>(0x80000018u), static_cast<int>(0x8000000Fu),
                       static_cast<int>(0x8000000Fu), 1);
    ctrlGrid.LoadSize(true, 0);

    ctrlTree.InitTree(map);
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

    auto* regler = static_cast<TReglerFunktion*>(map.at(ReglerHandle));
    viewstest::PrepareForDataObject(view->Grid());
    regler->BuildInfoWindow(&view->Grid(), nullptr, false, -1, -1);
    window.show();
    view->setFocus();
    view->SetActiveCell(1, view->Grid().FindRow(TReglerFunktion::tagBetriebsart));
    ASSERT_NE(view->EditorWidget(), nullptr);
    QApplication::processEvents();

    EXPECT_EQ(viewstest::Outline(*ctrlTree.GetNodeFromData(map.at(5))),
              "Bet\xE4tigung+[Taste 1, Taste 2, Taste 3, Taste 4, Taste 10]");

    const QString folder = QStringLiteral(VIEWS_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/tree_and_grid.png")));
}

} // namespace
