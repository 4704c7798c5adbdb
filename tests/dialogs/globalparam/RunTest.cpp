#include "dialogs/project/GlobalParameterDevice.h"
#include "platform/FileIo.h"
#include "tests/dialogs/globalparam/RunFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace globalparamtest;
namespace fs = std::filesystem;

using CopyRun = RunFixture;

TEST_F(CopyRun, OffersTheOtherDevicesOfTheSameProgramWithTheirAddresses)
{
    ASSERT_TRUE(run_->InitData());
    std::vector<std::int32_t> ids;
    for (const auto& device : run_->Devices())
        ids.push_back(device->DeviceId);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{2, 3, 4, 5, 7})) << "not the own device 1, not device 6";
    std::string address;
    PhysAddressToString(address, Device(4)->PhysAddress, '.');
    EXPECT_EQ(address, "01.02.017");
    EXPECT_EQ(Device(4)->Status, gpsNichtBearbeitet);
    EXPECT_EQ(Device(3)->Description.find('\r'), std::string::npos) << "line breaks become blanks";
}

TEST_F(CopyRun, WithoutTheOwnDeviceTheListStaysEmpty)
{
    TGlobalParameterRun run(&link_, &object_, &main_, 4242, 0);
    EXPECT_FALSE(run.InitData());
    EXPECT_TRUE(run.Devices().empty());
}

// How each device's block is prepared before the run.
enum class Prepared {
    Good,
    Empty,
    Version003,
    Version102,
    VersionUnreadable,
    NoMatchingRecord,
    RejectedLine,
    ObjectRefuses,
    WriteBackFails,
    NoDeviceIdParameter,
    BackupFails,
    Unreadable,
};

struct StatusCase {
    const char* name;
    std::vector<Prepared> devices; // into 2, 3, 4, 5, 7 in that order
    std::vector<int> status;
    std::vector<std::string> message;
    std::vector<bool> backup;
    std::vector<bool> changed;
};

class Statuses : public RunFixture, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(Statuses, OfEachDevice)
{
    const StatusCase& c = GetParam();
    ASSERT_TRUE(run_->InitData());
    const std::vector<std::int32_t> ids{2, 3, 4, 5, 7};
    std::vector<SDeviceData*> chosen;
    std::vector<std::string> before;
    for (std::size_t i = 0; i < c.devices.size(); ++i) {
        const std::int32_t id = ids[i];
        std::string block = Block(Records());
        switch (c.devices[i]) {
        case Prepared::Empty: block.clear(); break;
        case Prepared::Version003: block = Block("SX Version:0.03 Typ:SORV/Vantu_18", Records()); break;
        case Prepared::Version102: block = Block("SX Version:1.02 Typ:SORV/Vantu_18", Records()); break;
        case Prepared::VersionUnreadable: block = Block("kaputt", Records()); break;
        case Prepared::NoMatchingRecord: block = Block(Records(5)); break;
        case Prepared::RejectedLine: block = Block({}); block.insert(block.find("</DB>"), "kein;Datensatz\r\n"); break;
        case Prepared::ObjectRefuses: object_.Answer = -9; object_.Message = "nicht \xFC""bernommen"; break;
        case Prepared::WriteBackFails: link_.FailWrites.insert(id); break;
        case Prepared::NoDeviceIdParameter:
            Execute("DELETE FROM device_parameter WHERE device_id = " + std::to_string(id) +
                    " AND parameter_id = (SELECT id FROM parameter WHERE name = 'DeviceId')");
            break;
        case Prepared::BackupFails: main_.FailBackups = true; break;
        default: break;
        }
        if (c.devices[i] == Prepared::Unreadable) {
            Execute("DELETE FROM device WHERE id = " + std::to_string(id));
        } else {
            Store(id, block);
        }
        before.push_back(Stored(id));
        chosen.push_back(Device(id));
    }

    std::vector<std::string> backups;
    for (const SDeviceData* device : chosen)
        backups.push_back(run_->BackupFileName(*device));

    run_->EditDevicesFromList(chosen);

    for (std::size_t i = 0; i < chosen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(chosen[i]->Status, c.status[i]);
        const std::string& message = c.message[i];
        if (!message.empty() && message[0] == '*') { // a message that starts so
            EXPECT_FALSE(chosen[i]->Message.empty());
            EXPECT_EQ(chosen[i]->Message.substr(0, message.size() - 1), message.substr(1));
        } else {
            EXPECT_EQ(chosen[i]->Message, message);
        }
        EXPECT_EQ(fs::exists(backups[i]), c.backup[i]);
        if (c.backup[i]) {
            EXPECT_EQ(platform::ReadWholeFile(backups[i]), before[i]) << "the block as it was read";
        }
        EXPECT_EQ(Stored(ids[i]) != before[i], c.changed[i]);
    }
}

const std::string ResetFailed =
    " Clear Par-Flag Fehler: Paramater wurde nicht in der ETS-Datenbank gefunden. [DeviceId]";

INSTANTIATE_TEST_SUITE_P(
    GlobalParam, Statuses,
    ::testing::Values(
        StatusCase{"TheSecondUnreadable", {Prepared::Good, Prepared::Unreadable}, {3, 247},
                   {"", "Datenblock nicht lesbar"}, {true, false},
                   {true, false}},
        StatusCase{"AnEmptyBlock", {Prepared::Empty}, {2}, {"Ger\xE4t wurde noch nie bearbeitet (keine Daten)"}, {false},
                   {false}},
        StatusCase{"Versions",
                   {Prepared::Version003, Prepared::Version102, Prepared::VersionUnreadable},
                   {248, 3, 248},
                   {"", "", ""},
                   {true, true, true},
                   {false, true, false}},
        StatusCase{"NoMatchingRecord", {Prepared::NoMatchingRecord}, {0}, {"*Funktion nicht im Ger\xE4t: "}, {true},
                   {false}},
        StatusCase{"ARejectedLine", {Prepared::RejectedLine}, {247}, {"*"}, {true}, {false}},
        StatusCase{"TheObjectRefuses", {Prepared::ObjectRefuses}, {247}, {"nicht \xFC""bernommen"}, {true}, {false}},
        StatusCase{"TheWriteBackFails", {Prepared::WriteBackFails, Prepared::Good}, {247, 3},
                   {"Datenblock nicht zur\xFC""ckgeschrieben", ""}, {true, true},
                   {false, true}},
        StatusCase{"TheResetFails", {Prepared::NoDeviceIdParameter}, {3}, {ResetFailed}, {true}, {true}},
        StatusCase{"TheBackupFails", {Prepared::BackupFails}, {247}, {"*Sicherung nicht geschrieben: "}, {false},
                   {false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyRun, CancelledAtTheSecondOfFiveDevices)
{
    ASSERT_TRUE(run_->InitData());
    std::vector<SDeviceData*> chosen;
    for (const auto& device : run_->Devices()) {
        Store(device->DeviceId, Block(Records()));
        chosen.push_back(device.get());
    }
    ASSERT_EQ(chosen.size(), 5u);
    ui_.CancelProgressAtStep(2);
    run_->EditDevicesFromList(chosen);
    std::vector<int> statuses;
    for (const SDeviceData* device : chosen)
        statuses.push_back(device->Status);
    EXPECT_EQ(statuses, (std::vector<int>{3, 3, 246, 246, 246})) << "the device being processed is finished";
}

TEST_F(CopyRun, TheCopiedBlockCarriesTheValuesAndTheGlobalParamSection)
{
    ASSERT_TRUE(run_->InitData());
    Store(4, Block(Records()));
    object_.Sollwert = 23;
    run_->EditDevicesFromList({Device(4)});
    ASSERT_EQ(Device(4)->Status, gpsOk);
    const std::vector<TDatenStruktur> records = StoredRecords(4);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].Param2, 23) << "the target";
    EXPECT_EQ(records[1].Param3, 1) << "its chained record";
    EXPECT_EQ(records[2].Param2, 7) << "another position stays";
    EXPECT_NE(Stored(4).find("<GlobalParam>"), std::string::npos);
    EXPECT_EQ(Device(4)->Message, "");
}

TEST_F(CopyRun, ASecondCopyKeepsTheFirstBackup)
{
    ASSERT_TRUE(run_->InitData());
    const std::string original = Block(Records());
    Store(4, original);
    run_->EditDevicesFromList({Device(4)});
    const std::string copied = Stored(4);
    run_->EditDevicesFromList({Device(4)});
    EXPECT_EQ(platform::ReadWholeFile(BackupFolder() + "01_02_017_4.gps"), original);
    EXPECT_EQ(platform::ReadWholeFile(BackupFolder() + "01_02_017_4_1.gps"), copied);
}

TEST_F(CopyRun, AnUnreadableStoredVersionIsShown)
{
    ASSERT_TRUE(run_->InitData());
    Store(2, Block("kaputt", Records()));
    run_->EditDevicesFromList({Device(2)});
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].caption, "Versions-\xDC""berpr\xFC""fung");
    EXPECT_EQ(ui_.boxes()[0].text, "Unbekannte Version\nkaputt\nErwartete Version:\n" + device_->GetVersion());
}

// The order of two devices in the list.
struct CompareCase {
    const char* name;
    std::uint16_t addressA, addressB;
    const char *nameA, *nameB;
    int column;
    bool ascending;
    int sign;
};

class Compare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Compare, Devices)
{
    const CompareCase& c = GetParam();
    SDeviceData a;
    a.PhysAddress = c.addressA;
    a.Name = c.nameA;
    a.Description = c.nameA;
    SDeviceData b;
    b.PhysAddress = c.addressB;
    b.Name = c.nameB;
    b.Description = c.nameB;
    const int result = CompareDevices(a, b, c.column, c.ascending);
    EXPECT_EQ((result > 0) - (result < 0), c.sign);
}

INSTANTIATE_TEST_SUITE_P(GlobalParam, Compare,
                         ::testing::Values(CompareCase{"EqualAddresses", 0x1102, 0x1102, "a", "b", 0, true, 0},
                                           CompareCase{"LowerAddress", 0x1102, 0x1201, "a", "b", 0, true, -1},
                                           CompareCase{"LowerAddressDescending", 0x1102, 0x1201, "a", "b", 0, false, 1},
                                           CompareCase{"NamesWithoutCase", 0, 0, "flur", "Flur", 1, true, 0},
                                           CompareCase{"Names", 0, 0, "Bad", "flur", 1, true, -1},
                                           CompareCase{"Descriptions", 0, 0, "Bad", "flur", 2, false, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AddressCase {
    std::uint16_t address;
    char separator;
    const char* text;
};

class AddressText : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressText, Written)
{
    std::string text;
    EXPECT_TRUE(PhysAddressToString(text, GetParam().address, GetParam().separator));
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(GlobalParam, AddressText,
                         ::testing::Values(AddressCase{0x1211, '.', "01.02.017"}, AddressCase{0x1211, '_', "01_02_017"},
                                           AddressCase{0, '.', "-.-.-"}, AddressCase{0xFFFF, '.', "15.15.255"}));

} // namespace
