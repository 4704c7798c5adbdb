// The compiled-in string table and the named text constants of its units.
#include "app/ProgramStringTable.h"
#include "app/Spraddrlink.h"
#include "app/Sprcheckga.h"
#include "app/Sprclimalib.h"
#include "app/Sprclockfunc.h"
#include "app/Sprdatacore.h"
#include "app/Spredit.h"
#include "app/Sprfaultbox.h"
#include "app/Sprlkextmodults.h"
#include "app/Sprremotefunc.h"
#include "app/Sprscenefunc.h"
#include "app/Sprsysfunc.h"
#include "app/StringBlocks.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct QuotedText {
    std::int32_t id;
    const std::string* constant;
    const char* utf8;
};

void PrintTo(const QuotedText& quoted, std::ostream* out)
{
    *out << quoted.id;
}

class QuotedTextTest : public ::testing::TestWithParam<QuotedText> {};

// Texts as the system quotes them: accelerators, placeholders, blanks and line breaks kept.
TEST_P(QuotedTextTest, ConstantAndTableHoldTheTextInCodePage1252)
{
    const QuotedText& quoted = GetParam();
    const std::string expected = platform::Utf8ToCp1252(quoted.utf8);
    EXPECT_EQ(*quoted.constant, expected);
    EXPECT_EQ(LoadStr(quoted.id), expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllBlocks, QuotedTextTest,
    ::testing::Values(
        QuotedText{9179, &Spredit::Text9179, "&Zurück zur Ets"},
        QuotedText{16000, &Sprscenefunc::Text16000, "Ausgang %d"},
        QuotedText{9043, &Spredit::Text9043, "Bestätigen"},
        QuotedText{9048, &Spredit::Text9048, "Fehler"},
        QuotedText{9044, &Spredit::Text9044, "Dieser Vorgang wird Assoziationen löschen.\nFortfahren?"},
        QuotedText{9150, &Spredit::Text9150,
                   "Beim Import des Gerätes sind Fehler aufgetreten.\nDas Gerät konnte nicht vollständig "
                   "wiederhergestellt werden. \nBitte überprüfen Sie die Parameter oder erstellen Sie das "
                   "Gerät neu."},
        QuotedText{9256, &Spredit::Text9256,
                   "Die gewünschte Gerätesprache (%s) kann aufgrund \neines internen Fehlers nicht "
                   "eingestellt werden!"},
        QuotedText{9319, &Spredit::Text9319, "Talvo %sTastsensor %dfach%s%s%s"},
        QuotedText{9321, &Spredit::Text9321, " + Display"},
        QuotedText{9327, &Spredit::Text9327, " mit RTR"},
        QuotedText{9000, &Spredit::Text9000, "&Schließen"},
        QuotedText{1, &Sprfaultbox::Text1, "&Ok"},
        QuotedText{2, &Sprfaultbox::Text2, "&Details >>"},
        QuotedText{3, &Sprfaultbox::Text3, "<< &Details"},
        QuotedText{10, &Sprfaultbox::Text10, "Fehlermeldung"},
        QuotedText{12, &Sprfaultbox::Text12, "Textdatei (*.txt)"},
        QuotedText{11001, &Sprsysfunc::Text11001, "Außentemperatur"},
        QuotedText{11040, &Sprsysfunc::Text11040, "Vantu_Deu.hlp"},
        QuotedText{11049, &Sprsysfunc::Text11049, "Kleine Ansicht"},
        QuotedText{11071, &Sprsysfunc::Text11071, "Alle Dateien (*.*)|*.*"},
        QuotedText{11098, &Sprsysfunc::Text11098, "Talvo-Display"},
        QuotedText{12000, &Sprlkextmodults::Text12000, "Lang-Kurz"},
        QuotedText{12300, &Sprlkextmodults::Text12300, "Status Taste"},
        QuotedText{14000, &Sprclimalib::Text14000, "Heizen"},
        QuotedText{14098, &Sprclimalib::Text14098,
                   "Automatisches Senden bei Änderung um  (0..100) * 1%; 0 = inaktiv"},
        QuotedText{14199, &Sprclimalib::Text14199, "Änderung der Sollwerte \"Kühlen\""},
        QuotedText{14213, &Sprclimalib::Text14213,
                   "Der untere ist größer als der obere Temperaturwert!\n\nKorrigieren Sie erst den "
                   "oberen Wert!"},
        QuotedText{14225, &Sprclimalib::Text14225, "1 Byte"},
        QuotedText{16016, &Sprscenefunc::Text16016,
                   "Die Datentypänderung des Ausgangs %d hat in den folgenden\n\rSzenen eine "
                   "Deaktivierung des Ausgangs zur Folge.\n\r\n\r"},
        QuotedText{16028, &Sprscenefunc::Text16028, "Szenen-Funktion"},
        QuotedText{16202, &Sprclockfunc::Text16202, "Datenformat"},
        QuotedText{16224, &Sprclockfunc::Text16224, "Schaltuhr-Funktion"},
        QuotedText{16500, &Sprremotefunc::Text16500, "Taste"},
        QuotedText{16559, &Sprremotefunc::Text16559, "IR-Fernbedienung"},
        QuotedText{1000, &Spraddrlink::Text1000, "unsichtbar"},
        QuotedText{1001, &Spraddrlink::Text1001, "1 Bit"},
        QuotedText{1017, &Spraddrlink::Text1017, "VARDATA"},
        QuotedText{1025, &Spraddrlink::Text1025, "K"},
        QuotedText{1047, &Spraddrlink::Text1047, "%s [%s]"},
        QuotedText{8000, &Sprcheckga::Text8000, "Ist-Adresse"},
        QuotedText{8021, &Sprcheckga::Text8021, "Fehlende GA erzeugen"}));

TEST(UserTexts, UmlautsAndSignsAreSingleBytesOfCodePage1252)
{
    EXPECT_EQ(Spredit::Text9043, "Best\xE4tigen");
    EXPECT_EQ(Spredit::Text9214, "\xDC&berlappend");
    EXPECT_EQ(Spredit::Text9277, "Gr\xF6\xDF" "e");
    EXPECT_EQ(Sprclimalib::Text14083, "Solltemperatur Frostschutz (7..40) * 1 \xB0" "C");
    EXPECT_EQ(Sprsysfunc::Text11001, "Au\xDF" "entemperatur");
}

// Ids outside the ten blocks, the gap 16223 and climalib's own block are not in the table.
TEST(UserTexts, AnIdTheProgramTableLacksGivesTheEmptyText)
{
    for (const std::int32_t id : {16223, 0, 13, 999, 1048, 7999, 8022, 8999, 9328, 11000, 11198, 12305,
                                  13999, 14226, 16029, 16201, 16225, 16499, 16560, 208, -1, 70000})
        EXPECT_EQ(LoadStr(id), "") << id;
}

TEST(UserTexts, ProgramTableHoldsEveryIdOfTheTenBlocksWithAText)
{
    const TStringTable& table = ProgramStringTable();
    EXPECT_TRUE(table.Problems().empty()) << table.Problems().front();
    struct Range {
        std::int32_t first;
        std::int32_t last;
    };
    std::vector<std::int32_t> expected;
    for (const Range range : {Range{1, 12}, Range{1000, 1047}, Range{8000, 8021}, Range{9000, 9327},
                              Range{11001, 11197}, Range{12000, 12304}, Range{14000, 14225},
                              Range{16000, 16028}, Range{16202, 16224}, Range{16500, 16559}}) {
        for (std::int32_t id = range.first; id <= range.last; ++id) {
            if (id != 16223)
                expected.push_back(id);
        }
    }
    EXPECT_EQ(expected.size(), 1249u);
    EXPECT_EQ(table.Ids(), expected);
    for (const std::int32_t id : expected)
        EXPECT_NE(table.Load(id), "") << id;
}

// climalib's block: loaded by its own unit, apart from the program's table.
TEST(UserTexts, ClimalibBlockLoadsOnItsOwn)
{
    TStringTable table;
    table.AddBlock(StringBlocks::Sprdatacore());
    EXPECT_TRUE(table.Problems().empty());
    EXPECT_EQ(table.Count(), 15u);
    EXPECT_EQ(Sprdatacore::Text208, "Datenquelle f\xFCr den Import wurde nicht gefunden.");
    EXPECT_EQ(Sprdatacore::Text210, "Gesuchter Datensatz nicht gefunden.\nHandle:");
    EXPECT_EQ(Sprdatacore::Text212, "\xC4ndern");
    EXPECT_TRUE(table.Contains(213));
    EXPECT_EQ(Sprdatacore::Text213, "");
    EXPECT_EQ(Sprdatacore::Text214, "* ");
}

// The units are loaded at static initialisation; further calls are counted, not reloaded.
TEST(UserTexts, OnlyTheFinalisationThatBalancesTheFirstInitialisationFreesAUnit)
{
    const std::string loaded = Spredit::Text9048;
    ASSERT_FALSE(loaded.empty());
    Spredit::Init();
    Spredit::Fin();
    EXPECT_EQ(Spredit::Text9048, loaded);
    Spredit::Fin();
    EXPECT_EQ(Spredit::Text9048, "");
    EXPECT_EQ(Spredit::Text9327, "");
    Spredit::Init();
    EXPECT_EQ(Spredit::Text9048, loaded);
}

} // namespace
