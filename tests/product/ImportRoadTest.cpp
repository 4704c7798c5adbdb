// The import of a saved data block into a device of the demo project, the check of its group
// addresses scripted: links taken over, rewritten or dropped, a cancelled check, the version of
// the data, the matching with the project's communication objects, the progress and the block
// written anew.
#include "app/Spredit.h"
#include "device/DataModuleServices.h"
#include "device/product/DatenTyp.h"
#include "host/DeviceBlob.h"
#include "host/DeviceDump.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/datacore/DataBasis.h"
#include "platform/Clock.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

using testsupport::DeviceProject;
using testsupport::ScriptedUi;
using TRecords = TDeviceInstanz::TRecordTable;
using CallKind = ScriptedUi::CallKind;

constexpr std::int32_t Kueche = 3;       // ten keys, type number 0x75
constexpr std::int32_t SecondKueche = 4; // added by the fixture, of the same type
constexpr char KuecheVersion[] = "SX Version:0.05 Typ:SORV/Vantu_117";
constexpr char PredecessorVersion[] = "SX Version:0.01 Typ:sorv/Talvo_117";

// Group addresses of the demo project (three levels).
constexpr std::int32_t FlurLicht = 0x0801;       // 1/0/1, no type yet
constexpr std::int32_t WohnenLicht = 0x0802;     // 1/0/2, no type yet
constexpr std::int32_t FlurLichtStatus = 0x0804; // 1/0/4, 1 bit
constexpr std::int32_t BadLicht = 0x0901;        // 1/1/1, 1 bit
constexpr std::int32_t Unknown = 0x2D05;         // 5/5/5, not in the project

// Records of the new device: the two communication objects of key 1 (numbers 0 and 1), the
// time the device sends, and the two records the fixture chains to the first object.
constexpr std::int32_t ObjectX = 12;
constexpr std::int32_t ObjectY = 13;
constexpr std::int32_t TimeObject = 2;
constexpr std::int32_t ChainedFirst = 900;
constexpr std::int32_t ChainedSecond = 901;

// The user's answer in the check of the group addresses: each address gets its target from the
// script, or keeps itself; the addresses to create are queued.
struct GaScript {
    int Answer = 1;
    std::map<std::uint32_t, std::uint32_t> Targets;
    TNewGroupAddrList ToCreate;
    int Checks = 0;
};

class ScriptedGaCheck final : public TGaCheckServices {
public:
    ScriptedGaCheck(GaScript& script, TUsedGroupAddrMap& used, TNewGroupAddrList& toCreate)
        : script_(script), used_(used), toCreate_(toCreate)
    {
    }

    // Every address of a communication object or of a record below one.
    int CheckGaConsistence(const TDatenManager<TDatenStruktur>* records) override
    {
        ++script_.Checks;
        std::set<std::int32_t> objects;
        for (const auto& [key, r] : records->GetRecords())
            if (r.Typ == DT_ETS_OBJEKT)
                objects.insert(r.Handle);
        for (const auto& [key, r] : records->GetRecords()) {
            if (r.Param15 <= 0 || (r.Typ != DT_ETS_OBJEKT && objects.count(r.Parent) == 0))
                continue;
            const auto address = static_cast<std::uint32_t>(r.Param15);
            const auto target = script_.Targets.find(address);
            used_[address] = TRecGroupAddrInfo{
                address, r.Param8, "", gsOk, "", "", target == script_.Targets.end() ? address : target->second};
        }
        toCreate_ = script_.ToCreate;
        return script_.Answer;
    }

private:
    GaScript& script_;
    TUsedGroupAddrMap& used_;
    TNewGroupAddrList& toCreate_;
};

// A project window whose rebuild from the device's objects throws.
class ThrowingWindow final : public TConfigWindowServices {
public:
    void InitData(const std::map<std::int32_t, TDataBasis*>&, platform::HWND) override
    {
        throw std::runtime_error("tree");
    }
};

TDatenStruktur* RecordOf(TRecords& records, std::int32_t handle)
{
    for (auto& [key, r] : records.GetRecords())
        if (r.Handle == handle)
            return &r;
    return nullptr;
}

// A data block in the sections of a stored device.
struct Block {
    std::vector<std::string> VersionLines;
    const TRecords* Records = nullptr;
    std::string CharSet = DeviceProject::CharSet();
    std::string DeviceText = DeviceProject::DeviceText();
    bool WithVersion = true;

    std::string Text() const
    {
        std::vector<std::string> leading;
        if (WithVersion) {
            leading.emplace_back("<Version>");
            leading.insert(leading.end(), VersionLines.begin(), VersionLines.end());
            leading.emplace_back("</Version>");
        }
        leading.emplace_back("<DB>");
        const std::vector<std::string> trailing{"</DB>"};
        platform::TMemoryStream stream;
        Records->SaveToStream(stream, &leading, &trailing);
        return stream.Bytes() + "<CharSet>\r\n" + CharSet + "\r\n</CharSet>\r\n<DeviceText>\r\n" + DeviceText +
               "\r\n</DeviceText>\r\n";
    }
};

// The Kueche device made new on the demo project (with the product's parameters and objects),
// its key 1 linked in its records: object X to three addresses (its record and two chained),
// object Y to one. The block to import is its export.
class ImportRoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddSecondKueche();
        testsupport::AddProductTemplate(project_.ProjectPath());
        project_.MainWindow().GaCheck = [this](TUsedGroupAddrMap& used, TNewGroupAddrList& toCreate) {
            return std::make_unique<ScriptedGaCheck>(script_, used, toCreate);
        };
        device_ = project_.MakeDevice(Kueche);
        ASSERT_TRUE(device_->CreateNewDevice(project_.Window())) << project_.LastBox();
        ASSERT_TRUE(device_->WriteBlob());
        imported_ = ExportRecords(*device_);
        system_ = RecordOf(*imported_, ObjectX)->System;
        Link(*RecordOf(*imported_, ObjectX), FlurLicht);
        AddChained(ObjectX, ChainedFirst, FlurLichtStatus);
        AddChained(ChainedFirst, ChainedSecond, BadLicht);
        Link(*RecordOf(*imported_, ObjectY), WohnenLicht);
        block_.Records = imported_.get();
        block_.VersionLines = {"Version=" + std::string(KuecheVersion), "SW-Created-Version=1.1.0.3",
                               "SW-Created-Date=02.03.2007"};
    }

    // The device's own records, as its export holds them.
    static std::unique_ptr<TRecords> ExportRecords(TDeviceInstanzTalvo& device)
    {
        auto records = std::make_unique<TRecords>("", 0);
        const std::uint8_t source = device.DataSrc;
        device.DataSrc = TDeviceInstanz::dsDatabase;
        device.CopyStrukturDatenToDB(records.get(), nullptr);
        device.DataSrc = source;
        return records;
    }
    static std::string Export(TDeviceInstanzTalvo& device)
    {
        TRecords records("", 0);
        platform::TMemoryStream stream;
        const std::uint8_t source = device.DataSrc;
        device.DataSrc = TDeviceInstanz::dsDatabase;
        device.CopyStrukturDatenToDB(&records, &stream);
        device.DataSrc = source;
        return stream.Bytes();
    }

    void Link(TDatenStruktur& record, std::int32_t address)
    {
        record.Param15 = address;
        record.Param14 = 7000 + address; // the group's id in the project the block came from
    }
    void AddChained(std::int32_t previous, std::int32_t handle, std::int32_t address)
    {
        TDatenStruktur chained;
        chained.Handle = handle;
        chained.Parent = ObjectX;
        chained.System = system_;
        Link(chained, address);
        RecordOf(*imported_, previous)->Next = handle;
        imported_->Add(chained);
    }

    bool Import(const std::string& block, bool withGroupAddresses)
    {
        platform::TMemoryStream stream;
        stream.Write(block);
        stream.SetPosition(0);
        return device_->SorvImport(&stream, withGroupAddresses);
    }
    bool Import(bool withGroupAddresses) { return Import(block_.Text(), withGroupAddresses); }

    // The device's record of the handle, or an empty one.
    TDatenStruktur Record(std::int32_t handle) const
    {
        const TDatenStruktur* record = device_->FindDatenSatz(system_, handle);
        return record ? *record : TDatenStruktur{};
    }
    // Param15 of the record and of those chained to it, in chain order.
    std::vector<std::int32_t> ChainAddresses(std::int32_t handle) const
    {
        std::vector<std::int32_t> addresses;
        std::set<std::int32_t> visited;
        for (const TDatenStruktur* r = device_->FindDatenSatz(system_, handle); r && visited.insert(r->Handle).second;
             r = r->Next > 0 ? device_->FindDatenSatz(system_, r->Next) : nullptr)
            addresses.push_back(r->Param15);
        return addresses;
    }
    // Next, Param14 and Param15 of a record of the device.
    std::tuple<std::int32_t, std::int32_t, std::int32_t> LinkFields(std::int32_t handle) const
    {
        const TDatenStruktur r = Record(handle);
        return {r.Next, r.Param14, r.Param15};
    }

    // The links of the device's communication object in the project, in the order made: its
    // device-object id and the address.
    std::vector<std::pair<std::int64_t, std::int32_t>> HostLinks(std::int32_t device, int number) const
    {
        host::TProjectDatabase db(project_.ProjectPath());
        host::TSqlStatement query(db.Sql(), R"sql(
            SELECT s.device_object_id, (m.number << 11) | (mi.number << 8) | g.number
            FROM sub_to_object s
            JOIN device_object o ON o.id = s.device_object_id
            JOIN sub_group g ON g.id = s.sub_group_id
            JOIN middle_group mi ON mi.id = g.middle_group_id
            JOIN main_group m ON m.id = mi.main_group_id
            WHERE o.device_id = ?1 AND o.number = ?2
            ORDER BY s.id)sql");
        query.Bind(1, std::int64_t{device}).Bind(2, std::int64_t{number});
        std::vector<std::pair<std::int64_t, std::int32_t>> links;
        while (query.Step())
            links.emplace_back(query.Int64(0), static_cast<std::int32_t>(query.Int64(1)));
        return links;
    }
    std::vector<std::int32_t> LinkedAddresses(int number) const
    {
        std::vector<std::int32_t> addresses;
        for (const auto& [object, address] : HostLinks(Kueche, number))
            addresses.push_back(address);
        return addresses;
    }
    std::int64_t Count(const std::string& table) const
    {
        host::TProjectDatabase db(project_.ProjectPath());
        host::TSqlStatement query(db.Sql(), "SELECT COUNT(*) FROM " + table);
        return query.Step() ? query.Int64(0) : -1;
    }
    std::string StoredBlock(std::int32_t device) const
    {
        host::TProjectDatabase db(project_.ProjectPath());
        return host::ReadDeviceBlob(db.Sql(), device).value_or("");
    }

    // handle -> type and name of every registered object.
    std::map<std::int32_t, std::pair<int, std::string>> Objects(const TDeviceInstanz& device) const
    {
        std::map<std::int32_t, std::pair<int, std::string>> out;
        for (const auto& [handle, object] : device.GetDataPointerMap())
            out[handle] = {object->GetTyp(), object->GetName(false)};
        return out;
    }

    std::vector<std::int32_t> ProgressSteps() const
    {
        std::vector<std::int32_t> steps;
        for (const ScriptedUi::Call& call : ui_.calls(CallKind::ProgressStep))
            if (call.caption == Spredit::Text9018)
                steps.push_back(call.value);
        return steps;
    }

    TDataModuleServices& DataModule() const { return *TDataModuleServices::Current(); }

    platform::TScopedClock clock_{QDateTime(QDate(2026, 12, 10), QTime(12, 0))};
    DeviceProject project_;
    ScriptedUi ui_;
    GaScript script_;
    std::unique_ptr<testsupport::ProjectDevice> device_;
    std::unique_ptr<TRecords> imported_;
    Block block_;
    std::int32_t system_ = 0; // of the device's records

private:
    // A device of the Kueche's type on the same line, before the product's parameters are
    // given to the devices.
    void AddSecondKueche() const
    {
        host::TProjectDatabase db(project_.ProjectPath());
        db.Sql().Execute(R"sql(
            INSERT INTO device (project_id, line_id, product_id, program_id, device_number, name)
                SELECT project_id, line_id, product_id, program_id, 4, 'Tastsensor Küche 2' FROM device WHERE id = 3;
            INSERT INTO device_parameter (device_id, parameter_id, value)
                SELECT 4, parameter_id, value FROM device_parameter WHERE device_id = 3;
        )sql");
    }
};

// --- The links of the imported records ---

struct LinkCase {
    const char* Name;
    bool WithGroupAddresses;
    std::map<std::uint32_t, std::uint32_t> Targets;
    // The addresses of objects 0 and 1 in the project, in the order linked.
    std::vector<std::int32_t> LinksX;
    std::vector<std::int32_t> LinksY;
    // Param15 of object X's record and of its two chained records afterwards.
    std::vector<std::int32_t> AddressesX;
};

class ImportLinksTest : public ImportRoadTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(ImportLinksTest, FollowTheCheck)
{
    const LinkCase& c = GetParam();
    script_.Targets = c.Targets;
    const std::int64_t groups = Count("sub_group");
    ASSERT_TRUE(Import(c.WithGroupAddresses)) << ui_.boxes().size();

    EXPECT_EQ(script_.Checks, c.WithGroupAddresses ? 1 : 0);
    EXPECT_EQ(Count("sub_group"), groups);
    EXPECT_EQ(LinkedAddresses(0), c.LinksX);
    EXPECT_EQ(LinkedAddresses(1), c.LinksY);
    if (c.WithGroupAddresses) {
        EXPECT_EQ(ChainAddresses(ObjectX), c.AddressesX);
    } else {
        // The matched records keep no link; the chained ones are no longer reached.
        EXPECT_EQ(LinkFields(ObjectX), std::make_tuple(0, 0, 0));
        EXPECT_EQ(LinkFields(ObjectY), std::make_tuple(0, 0, 0));
    }
    EXPECT_TRUE(ui_.boxes().empty()) << ui_.boxes().front().caption << ": " << ui_.boxes().front().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportLinksTest,
    ::testing::Values(
        LinkCase{"WithoutGroupAddresses", false, {}, {}, {}, {}},
        LinkCase{"AllInOrder",
                 true,
                 {},
                 {FlurLicht, FlurLichtStatus, BadLicht},
                 {WohnenLicht},
                 {FlurLicht, FlurLichtStatus, BadLicht}},
        LinkCase{"NoTargetOnTheRecordAndBelowIt",
                 true,
                 {{FlurLicht, 0}, {BadLicht, 0}},
                 {FlurLichtStatus},
                 {WohnenLicht},
                 {FlurLichtStatus}},
        LinkCase{"ChainedTargets",
                 true,
                 {{FlurLicht, FlurLichtStatus}, {FlurLichtStatus, BadLicht}, {BadLicht, FlurLicht}},
                 {FlurLichtStatus, BadLicht, FlurLicht},
                 {WohnenLicht},
                 {FlurLichtStatus, BadLicht, FlurLicht}}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.Name); });

TEST_F(ImportRoadTest, ThreeLinksAreMadeInChainOrderWithTheFirstRecordsObjectId)
{
    ASSERT_TRUE(Import(true));
    const auto links = HostLinks(Kueche, 0);
    ASSERT_EQ(links.size(), 3u);
    const std::int32_t objectId = Record(ObjectX).Param10;
    for (const auto& [object, address] : links)
        EXPECT_EQ(object, objectId);
    EXPECT_EQ(LinkedAddresses(0), (std::vector<std::int32_t>{FlurLicht, FlurLichtStatus, BadLicht}));
}

TEST_F(ImportRoadTest, AnUnknownAddressIsDroppedAndNamedWhileTheRestIsDone)
{
    Link(*RecordOf(*imported_, ChainedFirst), Unknown);
    EXPECT_FALSE(Import(true));
    EXPECT_EQ(LinkFields(ChainedFirst), std::make_tuple(ChainedSecond, 0, 0));
    EXPECT_EQ(ChainAddresses(ObjectX), (std::vector<std::int32_t>{FlurLicht, 0, BadLicht}));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].caption, Spredit::Text9018);
    EXPECT_NE(ui_.boxes()[0].text.find("5/5/5"), std::string::npos) << ui_.boxes()[0].text;
    EXPECT_EQ(LinkedAddresses(0), (std::vector<std::int32_t>{FlurLicht, BadLicht}));
    EXPECT_EQ(LinkedAddresses(1), (std::vector<std::int32_t>{WohnenLicht}));
    EXPECT_EQ(ProgressSteps().back(), 6);
}

TEST_F(ImportRoadTest, AnObjectNumberTheHostDoesNotReportLeavesTheRecordAsItWas)
{
    TDatenStruktur& y = *RecordOf(*imported_, ObjectY);
    y.Param4 = 19; // switched by key 10, not by key 1's parameter
    const TDatenStruktur before = y;
    Import(true);
    const TDatenStruktur after = Record(ObjectY);
    EXPECT_EQ(std::make_tuple(after.Param3, after.Param5, after.Param10, after.Param14, after.Param15),
              std::make_tuple(before.Param3, before.Param5, before.Param10, before.Param14, before.Param15));
    EXPECT_TRUE(LinkedAddresses(19).empty());
    EXPECT_EQ(LinkedAddresses(0), (std::vector<std::int32_t>{FlurLicht, FlurLichtStatus, BadLicht}));
}

TEST_F(ImportRoadTest, WithoutCommunicationObjectsTheBlockIsStillRebuiltWithItsStamps)
{
    // The communication objects go with their chained records.
    std::set<std::int32_t> objects;
    for (const auto& [key, r] : imported_->GetRecords())
        if (r.Typ == DT_ETS_OBJEKT)
            objects.insert(r.Handle);
    std::erase_if(imported_->GetRecords(), [&objects](const auto& entry) {
        const TDatenStruktur& r = entry.second;
        return objects.count(r.Handle) > 0 || (r.Typ == 0 && objects.count(r.Parent) > 0);
    });
    EXPECT_TRUE(Import(true));
    EXPECT_EQ(script_.Checks, 1);
    const std::vector<std::int32_t> steps = ProgressSteps();
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 3), 0);
    EXPECT_EQ(steps.back(), 6);
    // The block read back carried the stamps of the imported data.
    EXPECT_EQ(DataModule().SwCreatedVersion, "1.1.0.3");
    EXPECT_EQ(DataModule().SwCreatedDate, "02.03.2007");
}

// --- A cancelled check and data refused by their version ---

class UnchangedDeviceTest : public ImportRoadTest {
protected:
    void TakeSnapshot()
    {
        records_ = device_->RecordLines();
        objects_ = Objects(*device_);
        charSet_ = device_->CharSetStream.Bytes();
        deviceText_ = device_->DeviceTextStream.Bytes();
        stored_ = StoredBlock(Kueche);
        stamps_ = {DataModule().SwCreatedVersion, DataModule().SwCreatedDate};
        boxesBefore_ = ui_.boxes().size();
    }
    void ExpectUnchanged() const
    {
        EXPECT_EQ(device_->RecordLines(), records_);
        EXPECT_EQ(Objects(*device_), objects_);
        EXPECT_EQ(device_->CharSetStream.Bytes(), charSet_);
        EXPECT_EQ(device_->DeviceTextStream.Bytes(), deviceText_);
        EXPECT_EQ(StoredBlock(Kueche), stored_);
        EXPECT_EQ(LinkedAddresses(0), std::vector<std::int32_t>{});
    }

    std::vector<std::string> records_;
    std::map<std::int32_t, std::pair<int, std::string>> objects_;
    std::string charSet_;
    std::string deviceText_;
    std::string stored_;
    std::pair<std::string, std::string> stamps_;
    std::size_t boxesBefore_ = 0;
};

// A character set and a device text other than the device's.
void OtherTexts(Block& block)
{
    block.DeviceText = "SX Version: 1. 0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407 CPID: 1252\r\nTor zu\r\n";
    const std::string charSet = DeviceProject::CharSet();
    // Without its last record of characters.
    const std::size_t end = charSet.find("S9");
    block.CharSet = charSet.substr(0, charSet.rfind("S1", end)) + charSet.substr(end);
    ASSERT_NE(block.CharSet, charSet);
}

TEST_F(UnchangedDeviceTest, ACancelledCheckAnswersFalseAsACancelAndChangesNothing)
{
    OtherTexts(block_);
    script_.Answer = 2;
    script_.ToCreate.push_back({Unknown, "Neu", 0});
    TakeSnapshot();
    const std::int64_t groups = Count("sub_group");

    const auto table = device_->CharTable;
    EXPECT_FALSE(Import(true));
    EXPECT_TRUE(device_->ImportCancelled);
    EXPECT_EQ(script_.Checks, 1);
    ExpectUnchanged();
    EXPECT_TRUE(device_->CharTable == table);
    EXPECT_EQ(std::make_pair(DataModule().SwCreatedVersion, DataModule().SwCreatedDate), stamps_);
    EXPECT_EQ(Count("sub_group"), groups);
    EXPECT_EQ(ui_.boxes().size(), boxesBefore_);
    EXPECT_TRUE(ProgressSteps().empty());
}

TEST_F(UnchangedDeviceTest, TheOtherTextsAreTakenWhenTheCheckPasses)
{
    OtherTexts(block_);
    ASSERT_TRUE(Import(true));
    EXPECT_FALSE(device_->ImportCancelled);
    EXPECT_EQ(device_->DeviceTextStream.Bytes(), block_.DeviceText);
    EXPECT_EQ(device_->CharSetStream.Bytes(), block_.CharSet);
}

TEST_F(UnchangedDeviceTest, DataWithoutVersionAreRefusedAsAFailure)
{
    // Refused by the check of the whole file, before the device's stamps change.
    block_.WithVersion = false;
    TakeSnapshot();
    EXPECT_FALSE(Import(true));
    EXPECT_FALSE(device_->ImportCancelled);
    EXPECT_EQ(std::make_pair(DataModule().SwCreatedVersion, DataModule().SwCreatedDate), stamps_);
    ASSERT_EQ(ui_.boxes().size(), boxesBefore_ + 1);
    EXPECT_EQ(ui_.boxes().back().text, Spredit::Text9125 + "\n<Version>") << ui_.boxes().back().text;
    EXPECT_EQ(ui_.boxes().back().caption, Spredit::Text9018);
    EXPECT_EQ(script_.Checks, 0);
    ExpectUnchanged();
}

TEST_F(UnchangedDeviceTest, AVersionTheDeviceCannotTakeLeavesItsStampsAndCharacterTable)
{
    block_.VersionLines[0] = "Version=SX Version:9.99 Typ:SORV/Vantu_117";
    OtherTexts(block_);
    TakeSnapshot();
    const auto table = device_->CharTable;
    EXPECT_FALSE(Import(true));
    EXPECT_EQ(std::make_pair(DataModule().SwCreatedVersion, DataModule().SwCreatedDate), stamps_);
    EXPECT_TRUE(device_->CharTable == table);
    ExpectUnchanged();
}

// --- Data of the predecessor program ---

TEST_F(ImportRoadTest, PredecessorDataAreConvertedAndStampedAsImportedFromTemplate)
{
    block_.VersionLines[0] = "Version=" + std::string(PredecessorVersion);
    RecordOf(*imported_, TimeObject)->Param4 = 52; // the time's former object number
    ASSERT_TRUE(Import(true)) << ui_.boxes().size();
    EXPECT_EQ(Record(TimeObject).Param4, 57);
    EXPECT_EQ(DataModule().SwCreatedVersion, "1.1.0.3 (imported from Template)");
    EXPECT_EQ(DataModule().SwCreatedDate, "02.03.2007");
    EXPECT_FALSE(DataModule().fDatenKonvertiert);
}

TEST_F(ImportRoadTest, AFlagLeftByAnEarlierReadRunsNoConversion)
{
    DataModule().fDatenKonvertiert = true;
    ASSERT_TRUE(Import(true));
    EXPECT_EQ(DataModule().SwCreatedVersion, "1.1.0.3");
    EXPECT_FALSE(DataModule().fDatenKonvertiert);
}

// --- The global-parameter mark ---

TEST_F(ImportRoadTest, TheGlobalParameterMarkOfTheDevicesOwnExportSurvivesItsImport)
{
    DataModule().fGlobalParamSection = true;
    const std::string exported = Export(*device_);
    ASSERT_NE(exported.find("<GlobalParam>"), std::string::npos);
    ASSERT_TRUE(Import(exported, true));
    EXPECT_TRUE(DataModule().fGlobalParamSection);
    EXPECT_NE(StoredBlock(Kueche).find("<GlobalParam>"), std::string::npos);
}

// --- The progress ---

TEST_F(ImportRoadTest, ProgressGoesThroughTheSixStepsAndCloses)
{
    ASSERT_TRUE(Import(true));
    std::vector<std::int32_t> steps = ProgressSteps();
    // Step 3 is shown again for each object linked.
    EXPECT_GT(std::count(steps.begin(), steps.end(), 3), 1);
    steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
    EXPECT_EQ(steps, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(ui_.progressOpen());
}

TEST_F(ImportRoadTest, AnExceptionLeavesWithTheProgressClosed)
{
    ThrowingWindow window;
    project_.MainWindow().Windows = {&window};
    EXPECT_FALSE(Import(true));
    project_.MainWindow().Windows.clear();
    EXPECT_EQ(ProgressSteps().back(), 6);
    EXPECT_FALSE(ui_.progressOpen());
    EXPECT_FALSE(device_->ImportCancelled);
}

// --- An exported device imported into another device of its type ---

TEST_F(ImportRoadTest, AnExportImportedIntoASecondDeviceIsWrittenWithItsLinks)
{
    // The Kueche takes its links first, so that its export carries them.
    ASSERT_TRUE(Import(true));
    const std::string exported = Export(*device_);
    device_.reset();

    device_ = project_.MakeDevice(SecondKueche);
    ASSERT_TRUE(device_->CreateNewDevice(project_.Window())) << project_.LastBox();
    ASSERT_TRUE(Import(exported, true));
    const auto objects = Objects(*device_);
    EXPECT_FALSE(StoredBlock(SecondKueche).empty());

    const std::size_t boxes = ui_.boxes().size();
    EXPECT_TRUE(device_->EtsObjektCheck());
    ASSERT_EQ(ui_.boxes().size(), boxes + 1) << ui_.boxes().back().text;
    EXPECT_EQ(ui_.boxes().back().text, Spredit::Text9033);
    EXPECT_EQ(ui_.boxes().back().caption, Spredit::Text9051);
    device_.reset();

    device_ = project_.MakeDevice(SecondKueche);
    ASSERT_TRUE(device_->GetDataFromServer(project_.Window(), false));
    EXPECT_EQ(Objects(*device_), objects);

    host::TProjectDatabase db(project_.ProjectPath());
    std::ostringstream dump;
    ASSERT_TRUE(host::DumpDevice(db.Sql(), SecondKueche, dump));
    for (const char* link : {"object 0 -> 1/0/1 Flur Licht", "object 0 -> 1/0/4 Flur Licht Status",
                             "object 0 -> 1/1/1 Bad Licht", "object 1 -> 1/0/2 Wohnen Licht"})
        EXPECT_NE(dump.str().find(link), std::string::npos) << link << "\n" << dump.str();
}

} // namespace
