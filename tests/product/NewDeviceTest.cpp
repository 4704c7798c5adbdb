// A new device on the demo project: its default objects, the written block read back, the
// fallback after a failed import and the reset.
#include "app/Spraddrlink.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "device/product/DatenTyp.h"
#include "host/ProjectDatabase.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/datacore/DataBasis.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/Clock.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

using testsupport::DeviceProject;

// handle -> (type, parent, name) of every registered object.
std::map<std::int32_t, std::tuple<int, std::int32_t, std::string>> Objects(const TDeviceInstanz& device)
{
    std::map<std::int32_t, std::tuple<int, std::int32_t, std::string>> out;
    for (const auto& [handle, object] : device.GetDataPointerMap())
        out[handle] = {object->GetTyp(), object->GetParentHandle(), object->GetName(false)};
    return out;
}

int CountOfTyp(const TDeviceInstanz& device, int typ)
{
    int count = 0;
    for (const auto& [handle, object] : device.GetDataPointerMap())
        count += object->GetTyp() == typ ? 1 : 0;
    return count;
}

class NewDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::AddProductTemplate(project_.ProjectPath()); }

    platform::TScopedClock clock_{QDateTime(QDate(2026, 12, 10), QTime(12, 0))};
    DeviceProject project_;
};

TEST_F(NewDeviceTest, MakesTheSystemObjectWithDisplayAndCommunicationObjects)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    auto* system = dynamic_cast<TTalvoSystem*>(device->GetDevice());
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(CountOfTyp(*device, DT_TALVO_SYSTEM), 1);
    EXPECT_EQ(CountOfTyp(*device, DT_TALVO_DISPLAY), 1);
    EXPECT_GT(CountOfTyp(*device, DT_ETS_OBJEKT), 0);
    EXPECT_EQ(project_.Boxes(), 0u) << project_.LastBox();
}

TEST_F(NewDeviceTest, ASecondDisplayIsRefusedAndTheFirstKept)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    const auto before = Objects(*device);
    EXPECT_FALSE(device->CreateDisplay(project_.Window(), device->GetDevice(), false));
    EXPECT_EQ(Objects(*device), before);
}

TEST_F(NewDeviceTest, AFailedImportWarnsOnceAndBuildsTheDefaults)
{
    auto device = project_.MakeDevice();
    device->SetInitModus(INIT_MODUS_DATEN_IMPORT);
    device->SetInitFileCreate(project_.Folder() + "missing.txt");
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    EXPECT_EQ(project_.Boxes(), 1u);
    EXPECT_EQ(project_.LastBox(), Spredit::Text9047 + ": " + Spredit::Text9152);
    EXPECT_EQ(device->GetInitModus(), INIT_MODUS_DEFAULT);
    EXPECT_EQ(CountOfTyp(*device, DT_TALVO_DISPLAY), 1);
}

TEST_F(NewDeviceTest, AnUnknownModeBuildsTheDefaults)
{
    auto device = project_.MakeDevice();
    device->SetInitModus(7);
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    EXPECT_EQ(CountOfTyp(*device, DT_TALVO_DISPLAY), 1);
    EXPECT_EQ(project_.Boxes(), 0u);
}

TEST_F(NewDeviceTest, WrittenAndReopenedGivesTheSameObjects)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    ASSERT_TRUE(device->WriteBlob());
    const auto written = Objects(*device);
    device.reset();

    auto reopened = project_.MakeDevice();
    ASSERT_TRUE(reopened->GetDataFromServer(project_.Window(), false));
    EXPECT_EQ(Objects(*reopened), written);
}

TEST_F(NewDeviceTest, NoKeysMakeNoDevice)
{
    {
        host::TProjectDatabase db(project_.ProjectPath());
        db.Sql().Execute("UPDATE device_parameter SET value = 0 WHERE device_id = 1 AND parameter_id IN "
                         "(SELECT id FROM parameter WHERE display_order = 61)");
    }
    auto device = project_.MakeDevice();
    EXPECT_FALSE(device->CreateNewDevice(project_.Window()));
    EXPECT_EQ(device->GetDevice(), nullptr);
    EXPECT_EQ(CountOfTyp(*device, DT_TALVO_SYSTEM), 0);
}

// The demo devices: the default configuration follows the type number's clock and infrared bits.
struct DemoDevice {
    const char* Name;
    std::int32_t Id;
    bool Clock;
    bool Infrared;
};

class DefaultConfigurationTest : public NewDeviceTest, public ::testing::WithParamInterface<DemoDevice> {};

TEST_P(DefaultConfigurationTest, SwitchesTheFixedObjectsAndMakesTheHardwaresFunctions)
{
    const DemoDevice& demo = GetParam();
    auto device = project_.MakeDevice(demo.Id);
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    std::map<int, int> positions; // type -> position id of the objects below the system object
    for (const auto& [handle, object] : device->GetDataPointerMap())
        if (object->GetParentHandle() == device->GetDevice()->GetHandle() && object->GetTyp() != DT_ETS_OBJEKT)
            positions[object->GetTyp()] = object->GetPosId();
    EXPECT_EQ(positions[DT_TALVO_DISPLAY], 2);
    EXPECT_EQ(positions.contains(DT_TALVO_DATUM_UHRZEIT_SENDEN), demo.Clock);
    if (demo.Clock) {
        EXPECT_EQ(positions[DT_TALVO_DATUM_UHRZEIT_SENDEN], 9);
    }
    EXPECT_EQ(positions.contains(DT_IR_FERNBEDIENUNG), demo.Infrared);

    const TEtsDeviceParam parameters(project_.MainWindow().GetEts2Cdi(), demo.Id);
    const std::int32_t fixed = demo.Clock ? 2 : 1;
    for (const auto& [order, expected] : {std::pair{3300, fixed}, {3305, fixed}, {4100, 1}}) {
        std::int32_t value = -1;
        EXPECT_FALSE(parameters.GetDeviceParamData(static_cast<std::int16_t>(order), value)) << order;
        EXPECT_EQ(value, expected) << order;
    }
    if (!demo.Clock) {
        for (const int number : {57, 58}) {
            const TEtsObjekt* object = device->GetObjectFromObjectNr(number);
            ASSERT_NE(object, nullptr) << number;
            EXPECT_EQ(object->GetObjektWert(), 0);
            EXPECT_TRUE(object->GetEnableCellFlagStatus());
        }
    }
    EXPECT_EQ(project_.Boxes(), 0u) << project_.LastBox();
}

INSTANTIATE_TEST_SUITE_P(Demo, DefaultConfigurationTest,
                         ::testing::Values(DemoDevice{"Flur", 1, false, false}, DemoDevice{"Wohnen", 2, false, true},
                                           DemoDevice{"Kueche", 3, true, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

class ResetTest : public NewDeviceTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ResetTest, GivesANewDeviceAgainAndKeepsTheQuestionSwitch)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    const auto types = [](const auto& objects) {
        std::multiset<int> out;
        for (const auto& [handle, object] : objects)
            out.insert(std::get<0>(object));
        return out;
    };
    const auto before = types(Objects(*device));
    device->NoDeleteQuestion = false;
    EXPECT_TRUE(device->Reset(GetParam()));
    EXPECT_FALSE(device->NoDeleteQuestion);
    EXPECT_EQ(types(Objects(*device)), before);
    EXPECT_EQ(project_.Boxes(), 0u) << project_.LastBox();
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutProgress, ResetTest, ::testing::Bool());

TEST_F(NewDeviceTest, ResetToldOfAnObjectItCannotSwitchOffAndGoesOnWithThePhysicalAddress)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    // A communication object of a display order the project does not have.
    TDatenStruktur* broken = device->GetDatenSatz(0, device->GetDevice()->GetHandle(), 999);
    broken->Typ = DT_ETS_OBJEKT;
    broken->Name = "Kaputt";
    broken->Param4 = 77;
    broken->Param16 = 9999;

    const testsupport::ScriptedUi ui;
    EXPECT_TRUE(device->Reset(false));
    // The host's refusal as the model reports it, then the reset's own warning.
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_NE(ui.boxes()[0].text.find("DisplayOrder: 9999"), std::string::npos);
    EXPECT_EQ(ui.boxes()[1].text, Sprsysfunc::Text11055 + "\n" + Spraddrlink::Text1020 + ": Kaputt\n" +
                                      Spraddrlink::Text1019 + ": 77");
    EXPECT_EQ(ui.boxes()[1].caption, Spredit::Text9018);
    EXPECT_EQ(ui.boxes()[1].style, static_cast<unsigned>(platform::MB_ICONWARNING));
    auto* system = dynamic_cast<TTalvoSystem*>(device->GetDevice());
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->GetPhysAdr(), device->GetPhysAdr(DeviceProject::DeviceId));
    EXPECT_FALSE(system->GetPhysAdr().empty());
    EXPECT_EQ(CountOfTyp(*device, DT_TALVO_DISPLAY), 1);
}

} // namespace
