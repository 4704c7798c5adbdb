#include "device/DatenManager.h"

#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include "platform/FileIo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Table = TDatenManager<TDatenStruktur>;

TDatenStruktur Record(std::int32_t handle, std::int16_t typ, const std::string& name = "R")
{
    TDatenStruktur r;
    r.Handle = handle;
    r.Typ = typ;
    r.Name = name;
    return r;
}

std::string Text(const std::vector<TDatenStruktur>& records, const std::string& eol = "\r\n")
{
    const TDatenStruktur any;
    std::string text = any.GetHeaderLine() + eol + any.GetCommentLine() + eol;
    for (const auto& r : records)
        text += r.ToString() + eol;
    return text;
}

std::vector<std::int32_t> KeysOf(const Table& table)
{
    std::vector<std::int32_t> keys;
    for (const auto& [key, record] : table.GetRecords())
        keys.push_back(key);
    return keys;
}

std::vector<std::int32_t> Walk(Table& table)
{
    std::vector<std::int32_t> handles;
    for (const TDatenStruktur* r = table.First(); r; r = table.Next())
        handles.push_back(r->Handle);
    return handles;
}

std::unique_ptr<Table> Load(const std::string& text)
{
    return std::make_unique<Table>(text.data(), text.size());
}

TEST(DatenManagerTest, LoadsLinesUnderKeysFromOneSkippingCommentsAndBlanks)
{
    std::string text = Text({Record(10, 1)});
    text += "\r\n# a comment\r\n" + Record(20, 2).ToString() + "\r\n\r\n" + Record(30, 3).ToString() + "\r\n";
    const auto table = Load(text);
    EXPECT_EQ(KeysOf(*table), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(table->GetRecords().at(3).Handle, 30);
}

class LineEndTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LineEndTest, LoadsTheSame)
{
    const auto table = Load(Text({Record(1, 5), Record(2, 6), Record(3, 7)}, GetParam()));
    EXPECT_EQ(Walk(*table), (std::vector<std::int32_t>{1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(Ends, LineEndTest, ::testing::Values("\r\n", "\n", "\r"));

TEST(DatenManagerTest, LastLineWithoutBreakAndTextCutAtNul)
{
    std::string text = Text({Record(1, 5)}) + Record(2, 5).ToString();
    EXPECT_EQ(Load(text)->Count(), 2u);
    text = Text({Record(1, 5)}) + std::string(1, '\0') + Record(2, 5).ToString();
    EXPECT_EQ(Load(text)->Count(), 1u);
}

TEST(DatenManagerTest, EmptyAndMissingSources)
{
    const platform::TMemoryStream empty;
    EXPECT_EQ(Table(&empty).Count(), 0u);
    EXPECT_THROW(Table(nullptr), E_DatenManager);
    EXPECT_THROW(Table(nullptr, 0), E_DatenManager);
}

TEST(DatenManagerTest, StreamIsReadWholeWhateverItsPosition)
{
    platform::TMemoryStream stream(Text({Record(1, 5), Record(2, 5)}));
    stream.Seek(0, platform::TMemoryStream::Origin::End);
    EXPECT_EQ(Table(&stream).Count(), 2u);
}

TEST(DatenManagerTest, BrokenLineFailsTheLoadWithTheRecordMessage)
{
    const std::string text = Text({Record(1, 5)}) + "77,Kurz,1\r\n";
    try {
        Load(text);
        FAIL() << "no exception";
    } catch (const E_DatenManager& e) {
        EXPECT_EQ(e.Message, "TDatenStruktur::Fill(String Datensatz)\nHandle: 77\nName  : Kurz");
    }
}

TEST(DatenManagerTest, AddNumbersFromZeroOrAfterTheLastKey)
{
    const platform::TMemoryStream empty;
    Table fresh(&empty);
    for (int i = 0; i < 3; ++i)
        fresh.Add(Record(i, 1));
    EXPECT_EQ(KeysOf(fresh), (std::vector<std::int32_t>{0, 1, 2}));

    const auto loaded = Load(Text({Record(1, 5), Record(2, 5), Record(3, 5)}));
    loaded->Add(Record(4, 5));
    EXPECT_EQ(KeysOf(*loaded).back(), 4);
}

TEST(DatenManagerTest, PointersStayValidWhileRecordsAreAdded)
{
    const auto table = Load(Text({Record(1, 5)}));
    TDatenStruktur* first = table->First();
    for (int i = 0; i < 100; ++i)
        table->Add(Record(100 + i, 5));
    first->Param1 = 42;
    EXPECT_EQ(table->GetRecords().at(1).Param1, 42);
}

TEST(DatenManagerTest, FindByHandleOrByField)
{
    auto withParam = Record(8, 806);
    withParam.Param4 = 12;
    const auto table = Load(Text({Record(7, 1, "a"), withParam, Record(8, 2, "later")}));

    TDatenStruktur found;
    ASSERT_TRUE(table->Find("Handle", 8, found));
    EXPECT_EQ(found.Typ, 806);
    TDatenStruktur standard;
    ASSERT_TRUE(table->Find("0", 8, standard));
    EXPECT_EQ(standard.ToString(), found.ToString());
    ASSERT_TRUE(table->Find("", 8, standard));
    EXPECT_EQ(standard.Typ, 806);
    ASSERT_TRUE(table->Find("Param4", 12, found));
    EXPECT_EQ(found.Handle, 8);

    TDatenStruktur untouched = Record(55, 55, "mine");
    EXPECT_FALSE(table->Find("Handle", 99, untouched));
    EXPECT_EQ(untouched.Name, "mine");
    EXPECT_THROW(table->Find("Bool1", 1, untouched), E_DatenStruktur);
}

TEST(DatenManagerTest, FilterGivesChildTablesUnderTheParentKeys)
{
    const auto table = Load(Text({Record(1, 806), Record(2, 5), Record(3, 806)}));
    Table* objects = table->Filter("Typ", std::int16_t{806});
    ASSERT_NE(objects, nullptr);
    EXPECT_EQ(KeysOf(*objects), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(objects->Parent(), table.get());

    Table* none = table->Filter("Typ", std::int32_t{4711});
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->Count(), 0u);

    try {
        table->Filter("Parent", std::int16_t{1});
        FAIL() << "no exception";
    } catch (const E_DatenStruktur& e) {
        EXPECT_EQ(e.Message, "Feld nicht vorhanden: Parent");
    }
}

TEST(DatenManagerTest, StandardFilterIsRefusedWithItsMessage)
{
    testsupport::ScriptedUi ui;
    const auto table = Load(Text({Record(1, 5)}));
    EXPECT_EQ(table->Filter("0", std::int32_t{1}), nullptr);
    EXPECT_EQ(table->Filter("", std::int16_t{1}), nullptr);
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].text,
              "Bitte Funktion TDatenManager<T>::FilterFeldName benutzen, bnis diese hier repariert ist.\nDanke!");
    EXPECT_EQ(ui.boxes()[0].caption, "TDatenManager<T>::FilterStandard");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_OK);
}

TEST(DatenManagerTest, DeletedChildCarriesItsChangesBack)
{
    const auto table = Load(Text({Record(1, 806), Record(2, 5), Record(3, 806)}));
    Table* objects = table->FilterFeldName("Typ", std::int32_t{806});
    objects->First()->Param1 = 11;
    objects->Add(Record(99, 806)); // a key the parent does not hold is dropped
    delete objects;
    EXPECT_EQ(table->GetRecords().at(1).Param1, 11);
    EXPECT_EQ(table->Count(), 3u);
}

TEST(DatenManagerTest, ParentDeletesKeptChildrenDeepestFirst)
{
    const auto table = Load(Text({Record(1, 806), Record(2, 806)}));
    Table* objects = table->FilterFeldName("Typ", std::int32_t{806});
    Table* second = objects->FilterFeldName("Handle", 2);
    second->First()->Param2 = 22;
    objects->First()->Param1 = 11;
    // Deleting the middle table first carries the grandchild into it, then it into the top.
    delete objects;
    EXPECT_EQ(table->GetRecords().at(1).Param1, 11);
    EXPECT_EQ(table->GetRecords().at(2).Param2, 22);
}

TEST(DatenManagerTest, SortIsStableAndWalksCopies)
{
    const auto table = Load(Text({Record(1, 6581), Record(2, 111), Record(3, 6581)}));
    table->Sort("Typ");
    EXPECT_EQ(Walk(*table), (std::vector<std::int32_t>{2, 1, 3}));

    table->First()->Param1 = 5; // a copy: the table does not change
    EXPECT_EQ(table->GetRecords().at(2).Param1, 0);

    table->Add(Record(4, 1)); // not seen until the next Sort
    EXPECT_EQ(Walk(*table).size(), 3u);
    table->Sort("Typ");
    EXPECT_EQ(Walk(*table), (std::vector<std::int32_t>{4, 2, 1, 3}));
}

TEST(DatenManagerTest, SortByUnknownFieldThrowsOnlyWithTwoRecords)
{
    const auto one = Load(Text({Record(1, 5)}));
    EXPECT_NO_THROW(one->Sort("Bool1"));
    const auto two = Load(Text({Record(1, 5), Record(2, 5)}));
    EXPECT_THROW(two->Sort("Bool1"), E_DatenStruktur);
    EXPECT_FALSE(two->IsSorted());
}

TEST(DatenManagerTest, ClearEmptiesTheSortListToo)
{
    const auto table = Load(Text({Record(1, 5), Record(2, 5)}));
    table->Sort("Handle");
    table->Clear();
    EXPECT_EQ(table->First(), nullptr);
    EXPECT_EQ(table->Next(), nullptr);
}

TEST(DatenManagerTest, EmptyTableWalksNothing)
{
    const platform::TMemoryStream empty;
    Table table(&empty);
    EXPECT_EQ(table.First(), nullptr);
    EXPECT_EQ(table.Next(), nullptr);
    const auto one = Load(Text({Record(1, 5)}));
    ASSERT_NE(one->First(), nullptr);
    EXPECT_EQ(one->Next(), nullptr);
}

TEST(DatenManagerTest, SaveToStreamReplacesWhatTheStreamHeld)
{
    const auto table = Load(Text({Record(3, 5), Record(1, 6)}));
    table->Sort("Handle"); // the sort order plays no part in saving
    platform::TMemoryStream stream(std::string(5000, 'x'));
    stream.Seek(0, platform::TMemoryStream::Origin::End);
    const std::vector<std::string> lead = {"[Lead]"}, trail = {"[Trail]"};
    table->SaveToStream(stream, &lead, &trail);

    EXPECT_EQ(stream.Position(), 0u);
    const TDatenStruktur any;
    EXPECT_EQ(stream.Bytes(), any.GetHeaderLine() + "\r\n" + any.GetCommentLine() + "\r\n[Lead]\r\n" +
                                  Record(3, 5).ToString() + "\r\n" + Record(1, 6).ToString() + "\r\n[Trail]\r\n");
}

TEST(DatenManagerTest, SavedTextLoadsBackToTheSameRecords)
{
    auto odd = Record(5, -3, "");
    odd.String1 = "a, \"b\"";
    const auto table = Load(Text({Record(1, 6581, "Raum 1"), odd}));
    platform::TMemoryStream stream;
    table->SaveToStream(stream);
    const Table again(&stream);
    ASSERT_EQ(again.Count(), 2u);
    EXPECT_EQ(again.GetRecords().at(1).ToString(), table->GetRecords().at(1).ToString());
    EXPECT_EQ(again.GetRecords().at(2).String1, "a, \"b\"");
}

TEST(DatenManagerTest, SaveToFileWritesTheSameText)
{
    testsupport::TempDir dir;
    const auto table = Load(Text({Record(1, 6581, "Raum 1")}));
    table->SaveToFile(dir.file("records.txt"));
    platform::TMemoryStream stream;
    table->SaveToStream(stream);
    EXPECT_EQ(platform::ReadWholeFile(dir.file("records.txt")), stream.Bytes());
    EXPECT_THROW(table->SaveToFile(dir.file("missing/records.txt")), std::system_error);
}

} // namespace

namespace {

// Lines that are not quite records: read as far as they go, each named once with its handle and
// start; valid lines give no finding.
struct FindingCase {
    const char* name;
    std::string line;
    std::vector<std::string> findings;
    std::size_t records;
};

class DatenManagerFindings : public ::testing::TestWithParam<FindingCase> {};

TEST_P(DatenManagerFindings, NameEachDamagedLineOnce)
{
    const FindingCase& c = GetParam();
    const auto table = Load(Text({Record(1, 111)}) + c.line + "\r\n" + Record(2, 6585).ToString() + "\r\n");
    EXPECT_EQ(table->LoadFindings(), c.findings);
    EXPECT_EQ(table->Count(), c.records);
}

std::string Damaged(std::string line, const std::string& from, const std::string& to)
{
    line.replace(line.find(from), from.size(), to);
    return line;
}

const std::string Valid = Record(37, 806, "Objekt").ToString();

INSTANTIATE_TEST_SUITE_P(
    Lines, DatenManagerFindings,
    ::testing::Values(
        FindingCase{"Valid", Valid, {}, 3},
        FindingCase{"FortyFields", Valid.substr(0, Valid.rfind(',')), {}, 3},
        FindingCase{"Comment", "# Kommentar, mit Komma", {}, 2},
        FindingCase{"ColumnLineAgain", Record(0, 0).GetHeaderLine(), {}, 2},
        FindingCase{"TypWithExponent",
                    Damaged(Valid, ",806,", ",1e9,"),
                    {"Handle 37: keine Zahl in Typ (als 0 gelesen)\n    " + Damaged(Valid, ",806,", ",1e9,").substr(0, 60) +
                     "..."},
                    3},
        FindingCase{"HandleAndParentOutOfRange",
                    Damaged(Valid, "37,Objekt,806,0,", "99999999999,Objekt,806,+1,"),
                    {"Handle 0: keine Zahl in Handle, Parent (als 0 gelesen)\n    " +
                     Damaged(Valid, "37,Objekt,806,0,", "99999999999,Objekt,806,+1,").substr(0, 60) + "..."},
                    3},
        FindingCase{"MadeAComment",
                    Damaged(Valid, "37,", "#7,"),
                    {"Handle 7: Datensatz als Kommentar (#) nicht gelesen\n    " +
                     Damaged(Valid, "37,", "#7,").substr(0, 60) + "..."},
                    2},
        FindingCase{"TwoRecordsMerged",
                    Valid + "\xFF\xFF" + Record(38, 806, "Objekt").ToString(),
                    {"Handle 37: 81 Felder statt 41 (mehr als ein Datensatz in der Zeile?), nur die ersten gelesen\n    " +
                     Valid.substr(0, 60) + "..."},
                    3}),
    [](const ::testing::TestParamInfo<FindingCase>& info) { return std::string(info.param.name); });

TEST(DatenManagerFindings, ARecordWithANumberThatIsNoneKeepsItsOtherFields)
{
    TDatenStruktur record = Record(37, 806, "Objekt");
    record.Param2 = 5;
    record.Bool3 = true;
    record.String1 = "Text";
    const std::string line = Damaged(record.ToString(), ",806,", ",8x6,");
    const auto table = Load(Text({}) + line + "\r\n");
    ASSERT_EQ(table->Count(), 1u);
    const TDatenStruktur& read = table->GetRecords().begin()->second;
    EXPECT_EQ(read.Handle, 37);
    EXPECT_EQ(read.Typ, 0);
    EXPECT_EQ(read.Name, "Objekt");
    EXPECT_EQ(read.Param2, 5);
    EXPECT_TRUE(read.Bool3);
    EXPECT_EQ(read.String1, "Text");
}

} // namespace
