#include "climalib/GlobalParameterTarget.h"
#include "tests/climalib/support/ProbeFixture.h"

#include <memory>

namespace climatest {
namespace {

using P = TProbeDataObject;

TEST_F(ProbeFixture, TheClassDeclaresItsParametersOnceInTheConstructor)
{
    for (const int tag : {P::tagAuswahl, P::tagTemperatur, P::tagExtra}) {
        const TGlobalParameter* parameter = probe->GetGlobalParameter(tag);
        ASSERT_NE(parameter, nullptr) << tag;
        EXPECT_EQ(parameter->Flag, 1);
        EXPECT_EQ(parameter->Tag, tag);
        EXPECT_EQ(parameter->Value, gpvNichtAendern);
    }
    EXPECT_EQ(probe->GetGlobalParameter(P::tagAuswahl)->DependentCellTags, std::vector<int>{P::tagZeit});
    for (const int tag : {P::tagFreigabe, P::tagZeit, P::tagGruppe})
        EXPECT_EQ(probe->GetGlobalParameter(tag), nullptr) << tag;
    EXPECT_TRUE(window.Messages().empty());
}

// A table of another device: the target (Handle 77) and its two additional records.
class WriteGlobalParameter : public ProbeFixture {
protected:
    void Load(int additionalRecords, int targetTyp = P::Typ)
    {
        TDatenStruktur target;
        target.Handle = 77;
        target.Typ = static_cast<std::int16_t>(targetTyp);
        target.Param2 = 1;
        target.Param3 = 10;
        TDatenStruktur added;
        added.Param1 = 215;
        table = RecordTable(RecordWithChain(target, additionalRecords, added));
    }

    TDatenStruktur* Stored(int handle) { return TableRecord(*table, handle); }

    std::unique_ptr<TDatenManager<TDatenStruktur>> table;
};

TEST_F(WriteGlobalParameter, WritesTheMarkedParametersAndTheirDependentRowsOnly)
{
    Load(2);
    probe->Auswahl = 5;
    probe->Zeit = 99;
    probe->Temperatur = 30.0;
    probe->Extra = 1;
    probe->SetGlobalParameterValue(P::tagAuswahl, gpvAendern);
    probe->SetGlobalParameterValue(P::tagExtra, gpvAendern);
    std::string message = "alt";

    EXPECT_EQ(probe->WriteGlobalParameter(table.get(), Stored(77), message), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(Stored(77)->Param2, 5);
    EXPECT_EQ(Stored(77)->Param3, 99) << "Zeit belongs to Auswahl";
    EXPECT_EQ(Stored(78)->Param1, 215) << "Temperatur is not marked";
    EXPECT_TRUE(Stored(79)->Bool1) << "written into the table";
}

TEST_F(WriteGlobalParameter, AShortChainNamesTheTargetAndTheMissingPlace)
{
    Load(1);
    std::string message;
    EXPECT_EQ(probe->WriteGlobalParameter(table.get(), Stored(77), message), 0);
    EXPECT_EQ(message, "Handle: 77; Index: 2");
}

TEST_F(WriteGlobalParameter, ATargetThatDoesNotFitIsLeftAlone)
{
    Load(2, 6577);
    probe->SetGlobalParameterValue(P::tagAuswahl, gpvAendern);
    probe->Auswahl = 5;
    std::string message;
    EXPECT_EQ(probe->WriteGlobalParameter(table.get(), Stored(77), message), 0);
    EXPECT_EQ(Stored(77)->Param2, 1);
}

TEST_F(WriteGlobalParameter, AMissingTableOrTargetAnswersMinusNine)
{
    Load(2);
    std::string message;
    EXPECT_EQ(probe->WriteGlobalParameter(nullptr, Stored(77), message), -9);
    EXPECT_EQ(probe->WriteGlobalParameter(table.get(), nullptr, message), -9);
}

TEST_F(WriteGlobalParameter, ADamagedChainEndsAtTheFirstRepeat)
{
    Load(2);
    Stored(79)->Next = 78; // a loop
    const TGlobalParameterTarget target(table.get(), Stored(77));
    EXPECT_EQ(target.Size(), 3u);
}

} // namespace
} // namespace climatest
