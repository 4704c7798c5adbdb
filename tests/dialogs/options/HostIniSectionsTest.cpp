#include "dialogs/options/HostIniSections.h"

#include "host/DemoProject.h"
#include "host/ProjectDatabase.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "platform/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

TEST(HostIniLinesTest, FirstLineOfANumberWinsAndTheValueEndsAtABlank)
{
    TIntTextMap map{{99, "old"}};
    ParseSectionLines({"2613=a.dat", "2613=b.dat", "7=  c.dat trailing words", " -4=neg.dat"}, map);
    EXPECT_EQ(map, (TIntTextMap{{-4, "neg.dat"}, {7, "c.dat"}, {2613, "a.dat"}}));
}

TEST(HostIniLinesTest, LinesThatDoNotParseWholeAreSkipped)
{
    TIntTextMap texts;
    ParseSectionLines({"x=a.dat", "12", "5=", "6=   ", "=b.dat", "3a=c.dat", "8=" + std::string(260, 'v'),
                       "9=" + std::string(259, 'w')},
                      texts);
    EXPECT_EQ(texts, (TIntTextMap{{9, std::string(259, 'w')}}));

    TIntIntMap numbers;
    ParseSectionLines({"1031=1252", "1049=1251x", "1036=", "x=1252", "1033= 1252 ", "1031=1250"}, numbers);
    EXPECT_EQ(numbers, (TIntIntMap{{1031, 1252}, {1033, 1252}}));
}

class HostIniSectionsTest : public ::testing::Test {
protected:
    HostIniSectionsTest()
        : Folder(Dir.path().string() + "/"), Project(Folder + "demo.ets"), Ini(Folder + "Ets20.ini")
    {
        host::TProjectDatabase::CreateFile(Project, [&](host::TSqlDatabase& db) { host::FillDemoProject(db, Folder); });
        Link = std::make_unique<TEts2CdiFaults>(Project);
    }

    void WriteIni(const std::string& text) const { std::ofstream(Ini) << text; }

    testsupport::TempDir Dir;
    std::string Folder;
    std::string Project;
    std::string Ini;
    std::unique_ptr<TEts2CdiFaults> Link;
};

TEST_F(HostIniSectionsTest, ReadsTheSectionOfTheHostsIni)
{
    WriteIni("[UserFirmware]\n2613=Firmware\\user_a35.dat\n[LocaleId_2_CodePageId]\n1031=1252\n");
    TIntTextMap firmware;
    TIntIntMap codePages;
    ASSERT_TRUE(ReadHostIniSection(Link.get(), SECTION_USERFIRMWARE, firmware));
    ASSERT_TRUE(ReadHostIniSection(Link.get(), SECTION_LOCALEID_2_CODEPAGEID, codePages));
    EXPECT_EQ(firmware, (TIntTextMap{{2613, "Firmware\\user_a35.dat"}}));
    EXPECT_EQ(codePages, (TIntIntMap{{1031, 1252}}));
}

TEST_F(HostIniSectionsTest, MissingEmptyOrTooLongSectionLeavesTheMap)
{
    std::string longSection = "[DeviceText]\n";
    for (int i = 0; i < 2000; ++i)
        longSection += std::to_string(i) + "=device_text_file_" + std::to_string(i) + ".dlg\n";
    WriteIni("[CharacterSet]\n" + longSection);
    const TIntTextMap before{{1, "kept"}};
    for (const char* section : {SECTION_USERFIRMWARE, SECTION_CHARACTERSET, SECTION_DEVICETEXT}) {
        TIntTextMap map = before;
        EXPECT_FALSE(ReadHostIniSection(Link.get(), section, map)) << section;
        EXPECT_EQ(map, before) << section;
    }
}

TEST_F(HostIniSectionsTest, NoHostInformationOrNoLinkGivesFalse)
{
    WriteIni("[UserFirmware]\n1=a.dat\n");
    TIntTextMap map;
    EXPECT_FALSE(ReadHostIniSection(nullptr, SECTION_USERFIRMWARE, map));
    Link->FailEtsInfo();
    EXPECT_FALSE(ReadHostIniSection(Link.get(), SECTION_USERFIRMWARE, map));
    EXPECT_TRUE(map.empty());
}

} // namespace
