#include "tests/climalib/support/NamedCase.h"
#include "tests/climalib/support/ProbeFixture.h"

#include <memory>

namespace climatest {
namespace {

using climatest::PrintTo;
using P = TProbeDataObject;

TDatenStruktur Record(int typ, int auswahl)
{
    TDatenStruktur record;
    record.Handle = 60 + auswahl;
    record.Typ = static_cast<std::int16_t>(typ);
    record.Param2 = auswahl;
    record.Bool1 = true;
    record.Param3 = 77;
    return record;
}

struct PasteFailure {
    const char* name;
    bool withTable;
    std::vector<TDatenStruktur> records;
    std::string text;
};

class PasteFailures : public ProbeFixture, public ::testing::WithParamInterface<PasteFailure> {};

TEST_P(PasteFailures, ThrowTheObjectNameAndTheReason)
{
    const auto table = RecordTable(GetParam().records);
    std::string message = "unchanged";
    try {
        probe->Paste(GetParam().withTable ? table.get() : nullptr, message);
        FAIL() << "no exception";
    } catch (const E_DataBasis& e) {
        EXPECT_EQ(e.Code, 3);
        EXPECT_EQ(e.Message, "Probe:\n" + GetParam().text);
        EXPECT_EQ(e.ClassName, "E_DataBasis");
        const E_DataBasis copy(e);
        EXPECT_EQ(copy.Message, e.Message);
    }
    EXPECT_EQ(probe->Auswahl, 1);
    EXPECT_EQ(probe->Zeit, 10);
    EXPECT_EQ(message, "unchanged");
    EXPECT_EQ(table->Count(), GetParam().records.size());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, PasteFailures,
    ::testing::Values(
        PasteFailure{"NoTable", false, {}, "Datenquelle f\xFCr den Import wurde nicht gefunden."},
        PasteFailure{"Empty", true, {}, "Es wurden keine g\xFCltigen Daten gefunden."},
        PasteFailure{"OtherTypesOnly", true, {Record(806, 5), Record(6577, 5)}, "Es wurden keine g\xFCltigen Daten gefunden."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProbeFixture, PasteTakesTheMembersOfTheFirstRecordOfTheType)
{
    const auto table = RecordTable({Record(806, 1), Record(P::Typ, 5), Record(P::Typ, 0)});
    std::string message;
    EXPECT_TRUE(probe->Paste(table.get(), message));
    EXPECT_EQ(probe->Auswahl, 5);
    EXPECT_EQ(probe->Freigabe, 1);
    EXPECT_EQ(probe->Zeit, 77);
    EXPECT_EQ(probe->GetHandle(), 1) << "the identity stays";
    EXPECT_EQ(table->Count(), 3u);
}

TEST_F(ProbeFixture, APasteFailureCanBeCaughtAsTheBaseException)
{
    std::string message;
    EXPECT_THROW(probe->Paste(nullptr, message), E_Basis);
}

} // namespace
} // namespace climatest
