// A new device on the demo project: its objects by type number, key count and init mode, the
// written block read back, and the reset.
#include "app/Spraddrlink.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "device/ConfigWindowServices.h"
#include "device/product/DatenTyp.h"
#include "host/ProjectDatabase.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/datacore/DataBasis.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/Clock.h"
#include "platform/FileIo.h"
#include "tests/product/support/ManagerFixture.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

using testsupport::DeviceProject;
using testsupport::ProjectMainWindow;
using Call = testsupport::ScriptedUi::CallKind;

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

    // Sets the device's parameter of that display order in the project.
    void SetParameter(std::int32_t device, int displayOrder, std::int32_t value)
    {
        host::TProjectDatabase db(project_.ProjectPath());
        db.Sql().Execute("UPDATE device_parameter SET value = " + std::to_string(value) +
                         " WHERE device_id = " + std::to_string(device) +
                         " AND parameter_id IN (SELECT id FROM parameter WHERE display_order = " +
                         std::to_string(displayOrder) + ")");
    }

    platform::TScopedClock clock_{QDateTime(QDate(2026, 12, 10), QTime(12, 0))};
    DeviceProject project_;
};

TEST_F(NewDeviceTest, ASecondDisplayIsRefusedAndTheFirstKept)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    const auto before = Objects(*device);
    EXPECT_FALSE(device->CreateDisplay(project_.Window(), device->GetDevice(), false));
    EXPECT_EQ(Objects(*device), before);
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
    // The treatment of the fixed objects of a device without clock is kept.
    for (const int number : {57, 58}) {
        const TEtsObjekt* object = reopened->GetObjectFromObjectNr(number);
        ASSERT_NE(object, nullptr) << number;
        EXPECT_EQ(object->GetObjektWert(), 0);
        EXPECT_TRUE(object->GetEnableCellFlagStatus());
    }
}

// Where the fixed initialisation file of init mode 2 is.
enum class InitFile { None, Missing, Existing };

// One new device: the device of the project with its type number and key count, whether the new
// system object has every function switched on, the init mode, the fixed initialisation file and
// what the main window's scripted import answers.
struct NewDeviceCase {
    const char* Name;
    std::int32_t Id;
    std::int32_t TypeNumber;
    std::int32_t Keys;
    bool AllFunctions;
    std::uint8_t Mode;
    InitFile File;
    bool ImportAnswer;
};

class CreateNewDeviceTest : public NewDeviceTest, public ::testing::WithParamInterface<NewDeviceCase> {};

TEST_P(CreateNewDeviceTest, BuildsWhatTheModeAndTheHardwareAsk)
{
    const NewDeviceCase& c = GetParam();
    SetParameter(c.Id, 60, c.TypeNumber);
    SetParameter(c.Id, 61, c.Keys);
    managertest::SwitchSysfunc sysfunc;
    if (c.AllFunctions)
        sysfunc.NewFunctions = std::array<bool, 6>{true, true, true, true, true, true};
    TObjectFactories factories;
    factories.Sysfunc = &sysfunc;
    auto device = project_.MakeDevice(c.Id, factories);
    device->SetInitModus(c.Mode);
    const std::string initFile = project_.Folder() + "init.bu" + std::to_string(c.TypeNumber);
    if (c.File == InitFile::Existing)
        platform::WriteFileAtomically(initFile, "data");
    if (c.File != InitFile::None)
        device->SetInitFileCreate(initFile);
    ProjectMainWindow& window = project_.MainWindow();
    window.OnImportUserDaten = [&c] { return c.ImportAnswer; };
    window.OnDatenImport = [&c](const std::string&) { return c.ImportAnswer; };

    const bool made = c.Keys != 0;
    const bool tried = made && (c.Mode == INIT_MODUS_USER_DATEN || c.Mode == INIT_MODUS_DATEN_IMPORT);
    const bool clock = (c.TypeNumber & 0x40) != 0;
    const bool infrared = (c.TypeNumber & 0x20) != 0;

    const testsupport::ScriptedUi ui;
    EXPECT_EQ(device->CreateNewDevice(project_.Window()) != 0, made);
    std::vector<std::string> imports;
    if (tried)
        imports.push_back(c.File == InitFile::Existing ? initFile : "user");
    EXPECT_EQ(window.Imports, imports);
    if (tried && !c.ImportAnswer) {
        ASSERT_EQ(ui.boxes().size(), 1u);
        EXPECT_EQ(ui.boxes()[0].text, Spredit::Text9152);
        EXPECT_EQ(ui.boxes()[0].caption, Spredit::Text9047);
        EXPECT_EQ(ui.boxes()[0].style, static_cast<unsigned>(platform::MB_ICONWARNING));
        EXPECT_EQ(device->GetInitModus(), INIT_MODUS_DEFAULT);
    } else {
        EXPECT_TRUE(ui.boxes().empty()) << ui.boxes().front().text;
        EXPECT_EQ(device->GetInitModus(), c.Mode);
    }

    auto* system = dynamic_cast<TTalvoSystem*>(device->GetDevice());
    if (!made) {
        EXPECT_EQ(system, nullptr);
        EXPECT_EQ(CountOfTyp(*device, DT_TALVO_SYSTEM), 0);
        return;
    }
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->GetAnzahlTasten(), c.Keys);
    EXPECT_EQ(system->GetName(false), device->GetDeviceName());
    if (tried && c.ImportAnswer) {
        EXPECT_EQ(device->GetDataPointerMap().size(), 1u); // the import brings the rest
        return;
    }

    std::map<int, int> positions; // type -> position id of the objects below the system object
    for (const auto& [handle, object] : device->GetDataPointerMap())
        if (object->GetParentHandle() == system->GetHandle() && object->GetTyp() != DT_ETS_OBJEKT)
            positions[object->GetTyp()] = object->GetPosId();
    EXPECT_EQ(positions[DT_TALVO_DISPLAY], 2);
    EXPECT_EQ(positions.contains(DT_TALVO_DATUM_UHRZEIT_SENDEN), clock);
    if (clock) {
        EXPECT_EQ(positions[DT_TALVO_DATUM_UHRZEIT_SENDEN], 9);
    }
    EXPECT_EQ(positions.contains(DT_IR_FERNBEDIENUNG), infrared);
    EXPECT_TRUE(positions.contains(DT_TASTSENSOR_FUNKTION));
    EXPECT_EQ(CountOfTyp(*device, DT_TS_TASTE), c.Keys);
    EXPECT_EQ(CountOfTyp(*device, DT_REGLER_FUNKTION), 1);
    EXPECT_EQ(CountOfTyp(*device, DT_SZENEN_FUNKTION), c.AllFunctions ? 1 : 0);
    // Time switches and the extension unit are the user's to switch on.
    EXPECT_EQ(CountOfTyp(*device, DT_SCHALTUHR), 0);
    EXPECT_EQ(CountOfTyp(*device, DT_REGLERNEBENSTELLEN_FUNKTION), 0);

    const TEtsDeviceParam parameters(window.GetEts2Cdi(), c.Id);
    const std::int32_t fixed = clock ? 2 : 1;
    for (const auto& [order, expected] : {std::pair{3300, fixed}, {3305, fixed}, {4100, 1}}) {
        std::int32_t value = -1;
        EXPECT_FALSE(parameters.GetDeviceParamData(static_cast<std::int16_t>(order), value)) << order;
        EXPECT_EQ(value, expected) << order;
    }
    if (!clock) {
        for (const int number : {57, 58}) {
            const TEtsObjekt* object = device->GetObjectFromObjectNr(number);
            ASSERT_NE(object, nullptr) << number;
            EXPECT_EQ(object->GetObjektWert(), 0);
            EXPECT_TRUE(object->GetEnableCellFlagStatus());
        }
    }
}

constexpr std::uint8_t Defaults = INIT_MODUS_DEFAULT;
constexpr std::uint8_t UserFile = INIT_MODUS_USER_DATEN;
constexpr std::uint8_t FixedFile = INIT_MODUS_DATEN_IMPORT;

INSTANTIATE_TEST_SUITE_P(
    Table, CreateNewDeviceTest,
    ::testing::Values(
        NewDeviceCase{"Flur", 1, 0x12, 4, false, Defaults, InitFile::None, false},
        NewDeviceCase{"Wohnen", 2, 0x34, 8, false, Defaults, InitFile::None, false},
        NewDeviceCase{"Kueche", 3, 0x75, 10, false, Defaults, InitFile::None, false},
        NewDeviceCase{"EveryFunctionNoInfrared", 2, 0x14, 8, true, Defaults, InitFile::None, false},
        NewDeviceCase{"NoKeys", 1, 0x12, 0, false, Defaults, InitFile::None, false},
        NewDeviceCase{"NoKeysEveryFunction", 2, 0x14, 0, true, UserFile, InitFile::None, true},
        NewDeviceCase{"UserFileFails", 1, 0x12, 4, false, UserFile, InitFile::None, false},
        NewDeviceCase{"UserFileImported", 1, 0x12, 4, false, UserFile, InitFile::None, true},
        NewDeviceCase{"MissingFileThenUserFileFails", 1, 0x12, 4, false, FixedFile, InitFile::Missing, false},
        NewDeviceCase{"MissingFileThenUserFileImported", 3, 0x75, 10, false, FixedFile, InitFile::Missing, true},
        NewDeviceCase{"FixedFileImported", 3, 0x75, 10, false, FixedFile, InitFile::Existing, true},
        NewDeviceCase{"FixedFileFailsEveryFunction", 2, 0x14, 8, true, FixedFile, InitFile::Existing, false},
        NewDeviceCase{"UnknownModeBuildsTheDefaults", 3, 0x75, 10, false, 7, InitFile::None, false}),
    [](const auto& info) { return std::string(info.param.Name); });

// A configuration window that counts how often the device rebuilds it.
class CountingWindow final : public TConfigWindowServices {
public:
    void DeleteGrpAdr() override { ++Dropped; }
    void InitData(const std::map<std::int32_t, TDataBasis*>& /*map*/, platform::HWND /*mainWindow*/) override
    {
        ++Rebuilt;
    }

    int Dropped = 0;
    int Rebuilt = 0;
};

// The reset with (true) and without (false) its progress dialog.
class ResetTest : public NewDeviceTest, public ::testing::WithParamInterface<bool> {
protected:
    // The progress texts shown, or none without the dialog; the dialog is closed.
    void ExpectProgress(const testsupport::ScriptedUi& ui, std::vector<std::string> texts)
    {
        EXPECT_FALSE(ui.progressOpen());
        if (!GetParam())
            texts.clear();
        std::vector<std::string> shown;
        for (const auto& call : ui.calls(Call::ProgressStep))
            shown.push_back(call.text);
        EXPECT_EQ(shown, texts);
        EXPECT_EQ(ui.calls(Call::ProgressStart).size(), GetParam() ? 1u : 0u);
        EXPECT_EQ(ui.calls(Call::ProgressStop).size(), GetParam() ? 1u : 0u);
    }

    const std::vector<std::string> allSteps_{Spredit::Text9148 + "\n" + Sprsysfunc::Text11054, Spredit::Text9173,
                                             Spredit::Text9242};
};

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
    const testsupport::ScriptedUi ui;
    EXPECT_TRUE(device->Reset(GetParam()));
    EXPECT_FALSE(device->NoDeleteQuestion);
    EXPECT_EQ(types(Objects(*device)), before);
    EXPECT_TRUE(ui.boxes().empty()) << ui.boxes().front().text;
    ExpectProgress(ui, allSteps_);
}

TEST_P(ResetTest, ToldOfAnObjectItCannotSwitchOffAndGoesOnWithThePhysicalAddress)
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
    EXPECT_TRUE(device->Reset(GetParam()));
    // The host's refusal as the model reports it, then the reset's own warning: the same with and
    // without the progress dialog.
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
    ExpectProgress(ui, allSteps_);
}

TEST_P(ResetTest, AnExceptionLeavesWithTheDialogClosedAndTheSwitchRestored)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    device->NoDeleteQuestion = false;
    device->SetInitModus(INIT_MODUS_USER_DATEN);
    project_.MainWindow().OnImportUserDaten = []() -> bool { throw std::runtime_error("import broke"); };

    const testsupport::ScriptedUi ui;
    EXPECT_THROW(device->Reset(GetParam()), std::runtime_error);
    EXPECT_FALSE(device->NoDeleteQuestion);
    ExpectProgress(ui, {allSteps_[0], allSteps_[1]});
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutProgress, ResetTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithProgress" : "WithoutProgress"; });

// A reset by the init mode of that moment: an import builds its own views, every other way the
// device rebuilds the configuration windows.
struct ResetModeCase {
    const char* Name;
    std::uint8_t Mode;
    bool ImportAnswer;
    bool Rebuilt;
    std::size_t Boxes;
};

class ResetModeTest : public NewDeviceTest, public ::testing::WithParamInterface<ResetModeCase> {};

TEST_P(ResetModeTest, RebuildsTheWindowsUnlessAnImportDidTheWork)
{
    const ResetModeCase& c = GetParam();
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    CountingWindow first;
    CountingWindow second;
    ProjectMainWindow& window = project_.MainWindow();
    window.Windows = {&first, nullptr, &second};
    window.OnImportUserDaten = [&c] { return c.ImportAnswer; };
    device->SetInitModus(c.Mode);
    device->SetInitFileCreate(project_.Folder() + "missing.bu12");

    const testsupport::ScriptedUi ui;
    EXPECT_TRUE(device->Reset(true));
    window.Windows.clear();
    const int expected = c.Rebuilt ? 1 : 0;
    for (const CountingWindow* counted : {&first, &second}) {
        EXPECT_EQ(counted->Rebuilt, expected);
        EXPECT_EQ(counted->Dropped, expected);
    }
    EXPECT_EQ(ui.boxes().size(), c.Boxes);
    EXPECT_FALSE(ui.progressOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ResetModeTest,
    ::testing::Values(ResetModeCase{"Defaults", INIT_MODUS_DEFAULT, false, true, 0},
                      ResetModeCase{"UserFileImported", INIT_MODUS_USER_DATEN, true, false, 0},
                      ResetModeCase{"UserFileFails", INIT_MODUS_USER_DATEN, false, true, 1},
                      ResetModeCase{"MissingFixedFileThenUserFileImported", INIT_MODUS_DATEN_IMPORT, true, false, 0},
                      ResetModeCase{"Unknown", 7, false, true, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(NewDeviceTest, AResetWhoseCreationFailsAnswersFalseAndKeepsWhatItDid)
{
    auto device = project_.MakeDevice();
    ASSERT_TRUE(device->CreateNewDevice(project_.Window())) << project_.LastBox();
    CountingWindow window;
    project_.MainWindow().Windows = {&window};
    SetParameter(DeviceProject::DeviceId, 61, 0);

    const testsupport::ScriptedUi ui;
    EXPECT_FALSE(device->Reset(true));
    project_.MainWindow().Windows.clear();
    // The old objects are gone and switched off in the project; no new ones were made.
    EXPECT_EQ(device->GetDevice(), nullptr);
    EXPECT_TRUE(device->GetDataPointerMap().empty());
    const TEtsDeviceParam parameters(project_.MainWindow().GetEts2Cdi(), DeviceProject::DeviceId);
    for (const int order : {3300, 3305, 4100}) {
        std::int32_t value = -1;
        EXPECT_FALSE(parameters.GetDeviceParamData(static_cast<std::int16_t>(order), value)) << order;
        EXPECT_EQ(value, 0) << order;
    }
    EXPECT_EQ(window.Rebuilt, 1);
    EXPECT_TRUE(ui.boxes().empty()) << ui.boxes().front().text;
    EXPECT_FALSE(ui.progressOpen());
}

} // namespace
