#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "dialogs/project/DlgSelGrpAddr.h"
#include "dialogs/project/FDlgGaCheck.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/app/FrameFixture.h"

#include <QAction>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The group-address dialogs as the running program reaches them: the link command of the
// configuration window's popup and the ellipsis of a communication object's grid row.
class MainWindowGrpAddr : public frametest::FrameFixture {
protected:
    MainWindowGrpAddr()
    {
        Start();
        device = AddDevice(2);
        object = new TEtsObjekt(Main->GetHandle(), 1, 10, "Uhrzeit", 0, 0, 57, 0, 3300, 1, 0, 10, 2, 0, 500);
        EXPECT_TRUE(device->SetPointer2List(object));
    }

    TDeviceInstanzTalvo* device = nullptr;
    TEtsObjekt* object = nullptr;
};

TEST_F(MainWindowGrpAddr, TheLinkCommandProposesTheNextFreeAddress)
{
    Windows.Made.front()->Selected = object;
    std::string proposal;
    Ui.OnModal([&proposal](QDialog& dialog) {
        auto* link = dynamic_cast<TDlgLinkToGrpAddr*>(&dialog);
        if (!link)
            return 2;
        proposal = link->EditGrpAddr->text().toStdString();
        link->BtnCancel->click();
        return link->result();
    });
    DM->ALinkObjToGrpAddr->setEnabled(true);
    DM->ALinkObjToGrpAddr->trigger();
    EXPECT_EQ("3/4/21", proposal); // after the demo's highest address
}

TEST_F(MainWindowGrpAddr, TheLinkCommandNeedsACommunicationObject)
{
    Windows.Made.front()->Selected = device->GetDevice();
    int shown = 0;
    Ui.OnModal([&shown](QDialog&) { return ++shown, 2; });
    Main->CreateDlgLinkToGrpAddr();
    EXPECT_EQ(0, shown);
}

TEST_F(MainWindowGrpAddr, TheGridRowsEllipsisOpensTheSelection)
{
    int offered = -1;
    Ui.OnModal([&offered](QDialog& dialog) {
        auto* selection = dynamic_cast<TDlgSelGrpAddr*>(&dialog);
        if (!selection)
            return 2;
        offered = selection->lvGrpAddrSource->topLevelItemCount();
        selection->BtnCancel->click();
        return selection->result();
    });
    TDrawGridSE grid;
    object->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    grid.SetActiveCell(1, 0);
    grid.ClickEllipsis();
    EXPECT_EQ(9, offered); // 3 bytes: the two of host type 9 and the seven of every type
}

TEST_F(MainWindowGrpAddr, TheImportsCheckShowsTheAddressesInQuestion)
{
    device->LoadGrpAdr();
    TUsedGroupAddrMap used;
    TNewGroupAddrList toCreate;
    std::unique_ptr<TGaCheckServices> check =
        Main->CreateGaCheck(device->MainGroupNodes, device->GrpAdrNodes, true, used, toCreate);
    ASSERT_NE(nullptr, check);
    TDatenManager<TDatenStruktur> records("", 0);
    TDatenStruktur record;
    record.Handle = 1;
    record.Typ = 806;
    record.Param8 = 1;
    record.Param15 = 5 * 2048 + 1; // missing in the project
    records.Add(record);
    int rows = -1;
    Ui.OnModal([&rows](QDialog& dialog) {
        auto* shown = dynamic_cast<TFDlgGaCheck*>(&dialog);
        if (!shown)
            return 2;
        rows = shown->ListView->topLevelItemCount();
        shown->ButtonCreateFailedGa->click();
        shown->ButtonCancel->click();
        return shown->result();
    });
    EXPECT_EQ(3, check->CheckGaConsistence(&records));
    EXPECT_EQ(1, rows);
    EXPECT_EQ(1u, toCreate.size()); // kept after Cancel; the importer abandons anyway
}

} // namespace
