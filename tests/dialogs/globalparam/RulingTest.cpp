#include "climalib/ReglernebenstellenRaumtemperaturMessung.h"
#include "dialogs/project/GlobalParameterReport.h"
#include "platform/Cp1252.h"
#include "tests/dialogs/globalparam/RunFixture.h"

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
