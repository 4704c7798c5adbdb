#include "platform/FileFilter.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char* name;
    const char* filter;
    const char* converted;
};

class FileFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, BecomesAQtNameFilter)
{
    EXPECT_EQ(platform::ConvertFileFilter(GetParam().filter), GetParam().converted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileFilterTest,
    ::testing::Values(
        FilterCase{"ShownPatterns", "Text-Dateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*",
                   "Text-Dateien (*.txt);;Alle Dateien (*.*)"},
        FilterCase{"PatternsAdded", "Gerätedaten|*.bu244", "Gerätedaten (*.bu244)"},
        FilterCase{"SeveralPatterns", "Vorlagen (*.bu244;*.bd244)|*.bu244;*.bd244",
                   "Vorlagen (*.bu244 *.bd244)"},
        FilterCase{"ParenthesesThatAreNoPatterns", "Text (deutsch)|*.txt", "Text (deutsch) (*.txt)"},
        FilterCase{"DescriptionWithoutPatterns", "Alles", "Alles (*)"},
        FilterCase{"Empty", "", ""},
        FilterCase{"EmptyPairsDropped", "||Text|*.txt", "Text (*.txt)"}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

TEST(FileFilterParseTest, PairsKeepTheirOrder)
{
    const auto entries = platform::ParseFileFilter("A|*.a|B|*.b");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].Description, "B");
    EXPECT_EQ(entries[1].Patterns, "*.b");
}

struct TypeChangeCase {
    const char* name;
    const char* typed;
    const char* filter;
    const char* result;
};

class SaveDialogTypeChange : public ::testing::TestWithParam<TypeChangeCase> {};

TEST_P(SaveDialogTypeChange, TheNameTakesTheTypesExtension)
{
    EXPECT_EQ(platform::NameWithFilterExtension(GetParam().typed, GetParam().filter), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveDialogTypeChange,
    ::testing::Values(TypeChangeCase{"RtfToText", "Status.rtf", "Text-Dateien (*.txt)", "Status.txt"},
                      TypeChangeCase{"TextToRtf", "Status.txt", "RTF-Dateien (*.rtf)", "Status.rtf"},
                      TypeChangeCase{"NoExtensionYet", "Status", "RTF-Dateien (*.rtf)", "Status.rtf"},
                      TypeChangeCase{"AllFilesLeaveIt", "Status.rtf", "Alle Dateien (*.*)", "Status.rtf"},
                      TypeChangeCase{"FirstOfSeveral", "Vorlage.x", "Vorlagen (*.bu244 *.bd244)", "Vorlage.bu244"},
                      TypeChangeCase{"DotsInTheName", "Bericht.v2.rtf", "Text-Dateien (*.txt)", "Bericht.v2.txt"},
                      TypeChangeCase{"NothingTyped", "", "Text-Dateien (*.txt)", ""}),
    [](const ::testing::TestParamInfo<TypeChangeCase>& info) { return std::string(info.param.name); });

} // namespace
