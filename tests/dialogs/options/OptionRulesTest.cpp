#include "dialogs/options/HardwareLookups.h"
#include "dialogs/options/LanguageNames.h"
#include "dialogs/options/OptionRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(OptionRulesTest, StoredPageOutsideTheThreeOpensTheTable)
{
    EXPECT_EQ(PageFromStored(0), PageTabelle);
    EXPECT_EQ(PageFromStored(1), PageOptionen);
    EXPECT_EQ(PageFromStored(2), PageHardware);
    EXPECT_EQ(PageFromStored(7), PageTabelle);
    EXPECT_EQ(PageFromStored(-1), PageTabelle);
}

TEST(OptionRulesTest, AutoSaveIntervalHeldWithinOneToSixty)
{
    EXPECT_EQ(ClampAutoSaveMinutes(90), 60);
    EXPECT_EQ(ClampAutoSaveMinutes(0), 1);
    EXPECT_EQ(ClampAutoSaveMinutes(-4), 1);
    EXPECT_EQ(ClampAutoSaveMinutes(25), 25);
}

struct FieldCase {
    std::string text;
    std::int32_t row;
    std::optional<std::int32_t> width;
};

class FieldTextTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTextTest, RowAndColumnWidthFromTheTypedText)
{
    EXPECT_EQ(AutoCellRowFromText(GetParam().text), GetParam().row);
    EXPECT_EQ(ColumnWidthFromText(GetParam().text), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldTextTest,
                         ::testing::Values(FieldCase{"0", 1, std::nullopt}, FieldCase{"-3", 1, std::nullopt},
                                           FieldCase{"x", 1, std::nullopt}, FieldCase{"ab", 1, std::nullopt},
                                           FieldCase{"", 1, std::nullopt}, FieldCase{"-1", 1, std::nullopt},
                                           FieldCase{"5", 5, 5}, FieldCase{"120", 120, 120},
                                           FieldCase{"12ab", 1, std::nullopt}));

TEST(OptionRulesTest, KeepBoxesShowTheirFlagsInverted)
{
    EXPECT_EQ(BoxesFromFlags({true, true, false}), (TFlagBoxes{true, false, true}));
    EXPECT_EQ(FlagsFromBoxes({false, true, false}), (TShownFlags{false, false, true}));
    const TShownFlags all{true, false, true};
    EXPECT_EQ(FlagsFromBoxes(BoxesFromFlags(all)), all);
}

TEST(OptionRulesTest, MissingInitialisationFileStoresModeZeroAndKeepsTheFileKey)
{
    EXPECT_EQ(DecideInitFile(imDatei, true), (TInitDecision{imDatei, true, false}));
    EXPECT_EQ(DecideInitFile(imDatei, false), (TInitDecision{imKeine, false, true}));
    EXPECT_EQ(DecideInitFile(imBenutzerFragen, false), (TInitDecision{imBenutzerFragen, false, false}));
    EXPECT_EQ(DecideInitFile(imKeine, true), (TInitDecision{imKeine, false, false}));
    EXPECT_EQ(DecideInitFile(5, true), (TInitDecision{5, false, false}));
}

struct VersionCase {
    std::int64_t id;
    std::string version;
    std::string entry;
};

class VersionTextTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTextTest, UpperByteAndUpperNibbleOfTheLowerByte)
{
    EXPECT_EQ(GetVersionTextFromId(GetParam().id), GetParam().version);
    EXPECT_EQ(FirmwareEntryText(GetParam().id), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Ids, VersionTextTest,
                         ::testing::Values(VersionCase{2613, "vA.3", "vA.3 [2613]"}, VersionCase{0, "v0.0", "v0.0 [0]"},
                                           VersionCase{0x1F0F, "v1F.0", "v1F.0 [7951]"},
                                           VersionCase{65535, "vFF.F", "vFF.F [65535]"},
                                           VersionCase{65536, "", " [65536]"}, VersionCase{-1, "", " [-1]"}));

TEST(HardwareLookupsTest, FileMatchesTheFileNamePartIgnoringCaseNotASubstring)
{
    const TIntTextMap map{{5, "C:\\Firm\\user_a.dat"}, {3, "x\\USER_A.DAT"}, {1, "old_user_a.dat"}};
    EXPECT_EQ(GetIdUserFirmFromMap("user_a.dat", map), 3);
    EXPECT_EQ(GetLCIDFromMap("user_b.dat", map), -1);
    EXPECT_EQ(GetIdUserFirmFromMap("", map), -1);
    EXPECT_EQ(GetIdUserFirmFromMap("a.dat", map), -1);
}

TEST(HardwareLookupsTest, KeyLookupsAndTheGreatestKey)
{
    const TIntTextMap map{{2613, "a.dat"}, {100, "b.dat"}};
    EXPECT_EQ(GetFileUserFirmFromMap(100, map), "b.dat");
    EXPECT_EQ(GetFileUserFirmFromMap(-100, TIntTextMap{{-100, "neg"}}), "");
    EXPECT_EQ(GetFileDeviceTextFromMap(-100, TIntTextMap{{-100, "neg"}}), "neg");
    EXPECT_EQ(GetFileCharacterSetFromMap(7, map), "");
    EXPECT_EQ(GetLastValidIdUserFirmFromMap(map), 2613);
    EXPECT_EQ(GetLastValidLCIDDeviceTextFromMap({}), -1);
    EXPECT_EQ(GetCPIDFromLCID(1031, TIntIntMap{{1031, 1252}}), 1252);
    EXPECT_EQ(GetCPIDFromLCID(1049, TIntIntMap{{1031, 1252}}), -1);
    EXPECT_EQ(GetLCIDFromLanguage("Deutsch", TIntTextMap{{1031, "Deutsch"}}), 1031);
    EXPECT_EQ(GetLCIDFromLanguage("deutsch", TIntTextMap{{1031, "Deutsch"}}), 0);
    EXPECT_EQ(GetLCIDFromLanguage("", TIntTextMap{{1031, ""}}), 0);
}

TEST(LanguageNamesTest, NameWithoutItsBracketedPart)
{
    EXPECT_EQ(GetLanguageFromLCID(0x0407), "Deutsch");
    EXPECT_EQ(GetLanguageFromLCID(0x0409), "Englisch");
    EXPECT_EQ(GetLanguageFromLCID(0x040C), "Franz\xF6sisch");
    EXPECT_EQ(GetLanguageFromLCID(0), GetLanguageFromLCID(0x0800));
    EXPECT_FALSE(GetLanguageFromLCID(0).empty());
    EXPECT_EQ(GetLanguageFromLCID(0x7FFF), "");
}

} // namespace
