#include "climalib/ReglernebenstellenRaumtemperaturMessung.h"
#include "dialogs/project/DlgGlobalParameter.h"
#include "dialogs/project/GlobalParameterReport.h"
#include "dialogs/project/GlobalParameterTable.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/support/RecordingWindow.h"
#include "views/DrawGridSEView.h"
#include "views/TreeNode.h"
#include "platform/Cp1252.h"
#include "tests/dialogs/globalparam/RunFixture.h"

#include <QPushButton>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace globalparamtest;
using Messung = TReglernebenstellenRaumtemperaturMessung;

using MeasurementCopy = RunFixture;

// A lower alarm limit copied alone must not reach the target's upper one: that device keeps its
// block and is reported as not changed, with the reason.
TEST_F(MeasurementCopy, ALowerLimitAboveTheTargetsUpperOneIsRefusedAndReported)
{
    Messung messung(0, 1, 0, "Raumtemperaturmessung", 10);
    messung.SetPosId(1);
    messung.UntererTemperaturwert = 34.0;
    messung.SetGlobalParameterValue(Messung::tagUntererTemperaturwert, gpvAendern);
    TGlobalParameterRun run(&link_, &messung, &main_, 1, 0);
    ASSERT_TRUE(run.InitData());

    auto record = [](std::int32_t upper) {
        TDatenStruktur target;
        target.Handle = 100;
        target.Typ = Messung::Typ;
        target.Param1 = 1;
        target.Param10 = 70;
        target.Param11 = upper;
        return target;
    };
    const std::string refused = Block({record(300)});
    Store(2, refused);
    Store(3, Block({record(380)}));
    std::vector<SDeviceData*> chosen;
    for (const auto& device : run.Devices()) {
        if (device->DeviceId == 2 || device->DeviceId == 3)
            chosen.push_back(device.get());
    }
    run.EditDevicesFromList(chosen);

    const std::string reason = "Unterer Temperaturwert 34,0 nicht unter oberem 30,0: nicht \xFC""bernommen";
    EXPECT_EQ(chosen[0]->Status, gpsFehler);
    EXPECT_EQ(chosen[0]->Message, reason);
    EXPECT_EQ(Stored(2), refused);
    EXPECT_EQ(chosen[1]->Status, gpsOk);
    EXPECT_EQ(StoredRecords(3).at(0).Param10, 340);

    QTextDocument document;
    TGlobalParameterReport(document).Fill({}, messung.GetName(false), {}, chosen);
    const std::string text = platform::FromQString(document.toPlainText());
    const std::size_t others = text.find("Nicht ge\xE4nderte Produkte:\n");
    ASSERT_NE(others, std::string::npos);
    EXPECT_NE(text.find("01.01.002 Tastsensor Wohnen     Fehler  " + reason, others), std::string::npos);
}

} // namespace

namespace {

using namespace globalparamtest;
using Messung = TReglernebenstellenRaumtemperaturMessung;

// Step 1 over the extension unit's measurement as the program shows it.
TEST(MeasurementMarking, TheRealPageShowsItsMarksAndAllMarksThem)
{
    testsupport::ScriptedUi ui;
    FakeMainWindow main;
    Messung messung(0, 1, 0, "Raumtemperaturmessung", 10);
    TTreeNode node;
    node.SetData(&messung);
    TDlgGlobalParameter dialog(nullptr, &main, &node, 1, nullptr, TGlobalParameterGridLook{},
                               [](TDlgGlobalParameter&, const std::vector<std::string>&) { return 2; });
    main.Dialog = &dialog;
    const TDrawGridSE& grid = dialog.Grid->Grid();
    EXPECT_EQ(grid.GetColCount(), 3);
    ASSERT_GT(grid.GetRowCount(), 0);
    int marks = 0;
    for (int row = 0; row < grid.GetRowCount(); ++row)
        marks += grid.GetCell(2, row) != nullptr;
    EXPECT_GT(marks, 0);
    EXPECT_FALSE(dialog.BtnNext->isEnabled());

    dialog.BtnAll->click();
    testsupport::DeliverPostedMessages();
    EXPECT_TRUE(messung.ChangeGlobalParameter());
    EXPECT_TRUE(dialog.BtnNext->isEnabled());
    std::vector<std::string> table;
    ASSERT_TRUE(ParamTableToStringList(&grid, &table));
    EXPECT_EQ(table.size(), static_cast<std::size_t>(2 * grid.GetRowCount() + 1));
}

} // namespace
