// Damaged and unusual data blocks on the whole road of a device: read from the project, rebuilt,
// written back and read again. A refused block is told with one clear message and stays in the
// project byte for byte; a block that opens is written back with all its records, which the
// next read finds again.
#include "app/Spredit.h"
#include "device/BlobSection.h"
#include "device/DatenManager.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "outside/datacore/DataBasis.h"
#include "platform/FileIo.h"
#include "tests/support/DeviceProject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using testsupport::DeviceProject;
using testsupport::ProjectDevice;

// A block as the program writes it: the system object, date/time sending, the display and one
// communication object (handles 1, 3, 2, 6).
std::string WrittenBlock()
{
    return platform::ReadWholeFile(PANELCONF_CORPUS "data_block/written");
}

std::string Replaced(std::string block, std::string_view from, std::string_view to)
{
    const auto at = block.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        block.replace(at, from.size(), to);
    return block;
}

// A record line of the given fields; the rest of the line as the writer ends it.
std::string Line(const std::string& handle, const std::string& name, int typ, int parent, int system, int next)
{
    std::string line = handle + "," + name + "," + std::to_string(typ) + "," + std::to_string(parent) + "," +
                       std::to_string(system) + "," + std::to_string(next);
    for (int i = 0; i < 19; ++i)
        line += ",0";
    for (int i = 0; i < 10; ++i)
        line += ",false";
    return line + ",,,,,,Ende\r\n";
}

// The block with every CR LF replaced.
std::string LineEnds(const std::string& lineEnd)
{
    std::string block = WrittenBlock();
    for (auto at = block.find("\r\n"); at != std::string::npos; at = block.find("\r\n", at + lineEnd.size()))
        block.replace(at, 2, lineEnd);
    return block;
}

// The block with lines added at the end of its record section.
std::string WithRecords(const std::string& lines)
{
    return Replaced(WrittenBlock(), "</DB>\r\n", lines + "</DB>\r\n");
}

std::string RecordSection(std::string_view block)
{
    const auto section = TBlobSection::Find(block, "DB");
    return section ? std::string(block.substr(section->ContentBegin, section->ContentSize())) : std::string();
}

std::size_t RecordsIn(std::string_view block)
{
    const std::string section = RecordSection(block);
    return TDatenManager<TDatenStruktur>(section.data(), section.size()).Count();
}


struct BlockCase {
    const char* label;
    std::function<std::string()> block;
    bool opens;
    std::vector<std::string> boxes; // a part of each box's text, in order
    bool warnsAgain = true;         // false: the write-back leaves nothing to warn of
};

void PrintTo(const BlockCase& c, std::ostream* os)
{
    *os << c.label;
}

// The device's road on one project for a whole suite: store a block, read it as the editor does.
class DeviceRoad : public ::testing::Test {
protected:
    static void SetUpTestSuite() { project_ = new DeviceProject; }
    static void TearDownTestSuite()
    {
        delete project_;
        project_ = nullptr;
    }

    void Store(const std::string& block)
    {
        host::TProjectDatabase db(project_->ProjectPath());
        ASSERT_TRUE(host::WriteDeviceBlob(db.Sql(), DeviceProject::DeviceId, block));
    }
    // A device model read from the project, or none when the block was refused.
    std::unique_ptr<ProjectDevice> Open()
    {
        auto device = project_->MakeDevice();
        if (!device->GetDataFromServer(project_->Window(), false))
            return nullptr;
        return device;
    }

    static DeviceProject* project_;
};

DeviceProject* DeviceRoad::project_ = nullptr;

class DamagedBlockTest : public DeviceRoad, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(DamagedBlockTest, IsRefusedAndKeptOrOpensAndIsWrittenBackWhole)
{
    const BlockCase& c = GetParam();
    const std::string block = c.block();
    Store(block);
    const std::size_t boxesBefore = project_->Boxes();

    std::unique_ptr<ProjectDevice> device = Open();
    ASSERT_EQ(c.opens, device != nullptr);
    EXPECT_EQ(c.boxes.size(), project_->Boxes() - boxesBefore) << project_->LastBox();
    if (!c.boxes.empty()) {
        EXPECT_NE(std::string::npos, project_->LastBox().find(c.boxes.back())) << project_->LastBox();
    }
    if (!device) {
        EXPECT_EQ(block, project_->StoredBlock()) << "a refused block was changed";
        return;
    }

    EXPECT_EQ(RecordsIn(block), device->RecordCount());
    ASSERT_TRUE(device->WriteBlob());
    const std::string written = project_->StoredBlock();
    EXPECT_EQ(RecordsIn(block), RecordsIn(written));
    const std::vector<std::string> records = device->RecordLines();
    device.reset();

    const std::size_t boxesBeforeAgain = project_->Boxes();
    std::unique_ptr<ProjectDevice> again = Open();
    ASSERT_NE(nullptr, again) << project_->LastBox();
    EXPECT_EQ(records, again->RecordLines());
    EXPECT_EQ(c.warnsAgain ? c.boxes.size() : 0u, project_->Boxes() - boxesBeforeAgain) << project_->LastBox();
}

const std::string Unreadable = "Fehler beim Lesen der Datei:";

INSTANTIATE_TEST_SUITE_P(
    Blocks, DamagedBlockTest,
    ::testing::Values(
        BlockCase{"AsWritten", [] { return WrittenBlock(); }, true, {}},
        BlockCase{"LfLineEnds", [] { return LineEnds("\n"); }, true, {}},
        BlockCase{"LoneCrLineEndsHoldNoSection", [] { return LineEnds("\r"); }, false, {Spredit::Text9129}},
        BlockCase{"CutInsideTheRecordSection",
                  [] {
                      const std::string block = WrittenBlock();
                      return block.substr(0, block.find("6,\"Objekt"));
                  },
                  false,
                  {Unreadable + "0\n<DB>"}},
        BlockCase{"NoVersionSection",
                  [] {
                      std::string block = WrittenBlock();
                      const auto from = block.find("<Version>");
                      block.erase(from, block.find("</Version>\r\n") + 12 - from);
                      return block;
                  },
                  false,
                  {Spredit::Text9129}},
        BlockCase{"EmptyVersion",
                  [] { return Replaced(WrittenBlock(), "Version=SX Version:0.05 Typ:SORV/Vantu_18", "Version="); },
                  false,
                  {Spredit::Text9129}},
        BlockCase{"OnlyTheRecordTagsOnOneLine",
                  [] { return Replaced(WrittenBlock(), "</DB>\r\n", "x</DB>\r\n"); }, false, {Unreadable}},
        BlockCase{"BadRecordLine", [] { return WithRecords("9,kurz,806\r\n"); }, false, {Unreadable}},
        BlockCase{"AnotherDeviceType",
                  [] { return Replaced(WrittenBlock(), "Typ:SORV/Vantu_18", "Typ:SORV/Vantu_99"); },
                  false,
                  {Spredit::Text9139, Spredit::Text9114}},
        BlockCase{"HandleZero", [] { return WithRecords(Line("0", "Null", 0, 6, 0, 0)); }, false, {"Handle: 0"}},
        BlockCase{"ByteBeforeTheFirstHandle",
                  [] { return Replaced(WrittenBlock(), "6,\"Objekt", "\xFF" "6,\"Objekt"); },
                  false,
                  {"Handle: 0"}},
        BlockCase{"HandleBeyondSixteenBits", [] { return WithRecords(Line("65535", "Gross", 0, 6, 0, 0)); }, false,
                  {"Handle: 65535"}},
        BlockCase{"UnknownType", [] { return WithRecords(Line("7", "Fremd", 4321, 1, 0, 0)); }, true,
                  {"Unbekannter Typ: 4321"}},
        BlockCase{"DuplicateHandle", [] { return WithRecords(Line("6", "Zweites", 0, 1, 0, 0)); }, true,
                  {"Doppelter Handle: 6"}},
        BlockCase{"NextCycle",
                  [] {
                      return WithRecords(Line("8", "Kette", 0, 6, 0, 9) + Line("9", "Kette", 0, 6, 0, 8) +
                                         Line("10", "Objekt", 806, 1, 0, 8));
                  },
                  true,
                  {}},
        BlockCase{"SelfNext", [] { return WithRecords(Line("11", "Selbst", 806, 1, 0, 11)); }, true, {}},
        BlockCase{"NextIntoAnotherSystem",
                  [] { return WithRecords(Line("12", "Objekt", 806, 1, 0, 13) + Line("13", "Fremd", 0, 12, 5, 0)); },
                  true,
                  {}},
        BlockCase{"TagsInTheDeviceNameAndInRecordNames",
                  [] {
                      std::string block = Replaced(WrittenBlock(), "DeviceName=Talvo Tastsensor", "DeviceName=</Version>");
                      block = Replaced(block, "1,\"Talvo Tastsensor\"", "1,\"</DB>\"");
                      return Replaced(block, "3,Datum/Uhrzeit", "3,\"a</DB> <DB>b\"");
                  },
                  true,
                  {}},
        BlockCase{"TypTooBigForANumber",
                  [] { return Replaced(WrittenBlock(), "6,\"Objekt, 1\",806,", "6,\"Objekt, 1\",99999999999999999999,"); },
                  true,
                  {"Handle 6: keine Zahl in Typ (als 0 gelesen)\n    6,\"Objekt, 1\",99999999999999999999,5,"},
                  false},
        BlockCase{"NumbersNoIntegers",
                  [] {
                      return WithRecords(Replaced(Line("7", "Zahlen", 0, 1, 0, 0), "7,Zahlen,0,1,0,0,0,0,0,",
                                                  "7,Zahlen,1e9,1,0,0,0,0,4.5,"));
                  },
                  true,
                  {"Handle 7: keine Zahl in Typ, Param3 (als 0 gelesen)\n    7,Zahlen,1e9,"},
                  false},
        BlockCase{"RecordMadeAComment", [] { return WithRecords("#" + Line("7", "Kommentar", 0, 1, 0, 0)); }, true,
                  {"Handle 7: Datensatz als Kommentar (#) nicht gelesen\n    #7,Kommentar,0,1,"}, false},
        BlockCase{"CommentsAreNoRecords", [] { return WithRecords("# Kommentar, kein Datensatz\r\n#\r\n"); }, true, {}},
        BlockCase{"TwoRecordsOnOneLine",
                  [] {
                      std::string first = Line("7", "Erster", 0, 1, 0, 0);
                      first.replace(first.size() - 2, 2, "\xFF\xFF");
                      return WithRecords(first + Line("8", "Zweiter", 0, 1, 0, 0));
                  },
                  true,
                  {"Handle 7: 81 Felder statt 41"},
                  false},
        BlockCase{"EveryByteFromBlankOn",
                  [] {
                      std::string name = "\"";
                      for (int c = 0x20; c <= 0xFF; ++c)
                          name += c == '"' ? std::string("\"\"") : std::string(1, static_cast<char>(c));
                      return Replaced(WrittenBlock(), "3,Datum/Uhrzeit", "3," + name + "\"");
                  },
                  true,
                  {}}),
    [](const auto& info) { return std::string(info.param.label); });

// A chain that loops or leaves its System: deleting the object takes its own records, as far
// as the chain goes in the object's System, and no walk hangs or makes a record.
struct ChainCase {
    const char* label;
    std::string records;
    std::int32_t object;
    std::vector<std::int32_t> gone;
};

void PrintTo(const ChainCase& c, std::ostream* os)
{
    *os << c.label;
}

class DamagedChainTest : public DeviceRoad, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(DamagedChainTest, DeletingTheObjectTakesItsChainAndTheRestIsWrittenBack)
{
    const ChainCase& c = GetParam();
    Store(WithRecords(c.records));
    std::unique_ptr<ProjectDevice> device = Open();
    ASSERT_NE(nullptr, device) << project_->LastBox();
    std::vector<std::string> expected;
    for (const std::string& line : device->RecordLines()) {
        const std::int32_t handle = std::stoi(line);
        if (std::find(c.gone.begin(), c.gone.end(), handle) == c.gone.end())
            expected.push_back(line);
    }

    TDataBasis* object = device->FindHandle(c.object);
    ASSERT_NE(nullptr, object);
    device->DeleteDatenSatzAndNext(object);
    ASSERT_TRUE(device->DeletePointerFromList(object));
    EXPECT_EQ(expected, device->RecordLines());
    ASSERT_TRUE(device->WriteBlob());
    // The system object's record is written anew by WriteBlob; compare what came back.
    const std::vector<std::string> written = device->RecordLines();
    device.reset();

    std::unique_ptr<ProjectDevice> again = Open();
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(written, again->RecordLines());
}

INSTANTIATE_TEST_SUITE_P(
    Chains, DamagedChainTest,
    ::testing::Values(ChainCase{"Cycle",
                                Line("8", "Kette", 0, 10, 0, 9) + Line("9", "Kette", 0, 10, 0, 8) +
                                    Line("10", "Objekt", 806, 1, 0, 8),
                                10,
                                {10, 8, 9}},
                      ChainCase{"SelfNext", Line("11", "Selbst", 806, 1, 0, 11), 11, {11}},
                      ChainCase{"IntoAnotherSystem",
                                Line("12", "Objekt", 806, 1, 0, 13) + Line("13", "Fremd", 0, 12, 5, 0), 12, {12}}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
