#include "device/SharedTextConstants.h"
#include "tests/device/DataBlockFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace {

using datablocktest::DataBlockTest;
using datablocktest::TestProductDevice;

struct ParseCase {
    const char* label;
    std::string block;
    std::string name;
    bool found;
    std::string content;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.label;
}


class ParseDataTest : public DataBlockTest, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParseDataTest, TakesTheContentBetweenTheTagsWithoutTheirLineBreaks)
{
    const ParseCase& c = GetParam();
    auto device = MakeDevice(7);
    platform::TMemoryStream source(c.block);
    platform::TMemoryStream target(std::string("kept"));
    target.Seek(0, platform::TMemoryStream::Origin::End);

    EXPECT_EQ(device->ParseData(&source, &target, c.name), c.found);
    EXPECT_EQ(target.Bytes(), "kept" + c.content) << "appended at the target's position";
    EXPECT_EQ(source.Bytes(), c.block);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ParseDataTest,
    ::testing::Values(
        ParseCase{"CrLfOnBothSides", "<Version>\r\nv1\r\n</Version>\r\n<DB>\r\nline1\r\nline2\r\n</DB>\r\n", "DB", true,
                  "line1\r\nline2"},
        ParseCase{"OneLineIsNoSection", "<DB>a</DB>", "DB", false, ""},
        ParseCase{"LfAloneAfterTheOpeningTagIsContent", "<DB>\nab\r\n</DB>", "DB", true, "\nab"},
        ParseCase{"CrAloneAfterTheOpeningTagIsDropped", "<DB>\rab\n</DB>", "DB", true, "ab"},
        ParseCase{"LfAloneBeforeTheClosingTagIsDropped", "<DB>\r\nab\n</DB>", "DB", true, "ab"},
        ParseCase{"LfLineEnds", "<Version>\nv\n</Version>\n<DB>\nab\n</DB>\n", "DB", true, "\nab"},
        ParseCase{"ACrAloneEndsNoLineBeforeATag", "<DB>\r\nab\r</DB>\r\n", "DB", false, ""},
        ParseCase{"LoneCrLineEndsHoldNoTags", "<Version>\rv\r</Version>\r<DB>\rab\r</DB>\r", "DB", false, ""},
        ParseCase{"NoFinalLineBreak", "<DB>\r\nab\r\n</DB>", "DB", true, "ab"},
        ParseCase{"OnlyOneLineBreakIsDropped", "<DB>\r\n\r\nab\r\n\r\n</DB>", "DB", true, "\r\nab\r\n"},
        ParseCase{"FirstOpeningTagToTheFirstClosingTag", "x\r\n<DB>\r\none\r\n</DB>\r\n<DB>\r\ntwo\r\n</DB>", "DB",
                  true, "one"},
        ParseCase{"SecondOpeningTagInsideTheFirst", "<DB>\r\na\r\n<DB>\r\nb\r\n</DB>\r\nc\r\n</DB>", "DB", true,
                  "a\r\n<DB>\r\nb"},
        ParseCase{"TagInsideALineIsText", "<DB>\r\n1,a</DB>b,2\r\n3,\"<DB>\"\r\n</DB>\r\n", "DB", true,
                  "1,a</DB>b,2\r\n3,\"<DB>\""},
        ParseCase{"TagAtTheStartOfALongerLineIsText", "<DB>x\r\n<DB>\r\n</DB>y\r\nab\r\n</DB>", "DB", true,
                  "</DB>y\r\nab"},
        ParseCase{"TagAfterTheAppendedGlobalParam",
                  "<DB>\r\nab\r\n</DB>\r\n\r\n<GlobalParam>\r\n</GlobalParam>\r\n", "GlobalParam", true, ""},
        ParseCase{"EmptySection", "<DB>\r\n</DB>", "DB", true, ""},
        ParseCase{"TagsAreComparedInFull", "<DBX>\r\nno\r\n</DBX>\r\n<DB>\r\nyes\r\n</DB>", "DB", true, "yes"},
        ParseCase{"NamesWithABlank", "<ExpandedTreeNodes 2>\r\n12\r\n</ExpandedTreeNodes 2>", "ExpandedTreeNodes 2",
                  true, "12"},
        ParseCase{"MissingSection", "<Version>\r\nv1\r\n</Version>\r\n", "DB", false, ""},
        ParseCase{"OpeningTagWithoutClosingTag", "<DB>\r\nline1\r\n", "DB", false, ""},
        ParseCase{"ClosingTagOnlyBeforeTheOpeningTag", "</DB><DB>\r\nline1\r\n", "DB", false, ""},
        ParseCase{"EmptyBlock", "", "DB", false, ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DataBlockTest, ParseDataIntoItsOwnSourceAppendsTheContent)
{
    auto device = MakeDevice(7);
    platform::TMemoryStream block(std::string("<DB>\r\nab\r\n</DB>"));
    block.Seek(0, platform::TMemoryStream::Origin::End);
    EXPECT_TRUE(device->ParseData(&block, &block, "DB"));
    EXPECT_EQ(block.Bytes(), "<DB>\r\nab\r\n</DB>ab");
}

struct ReplaceCase {
    const char* label;
    std::string block;
    std::string content;
    bool replaced;
    std::string result;
};

void PrintTo(const ReplaceCase& c, std::ostream* os)
{
    *os << c.label;
}


class ReplaceDataTest : public DataBlockTest, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceDataTest, ReplacesOnlyTheContent)
{
    const ReplaceCase& c = GetParam();
    auto device = MakeDevice(7);
    platform::TMemoryStream block(c.block);
    platform::TMemoryStream content(c.content);

    EXPECT_EQ(device->ReplaceData(&block, &content, "DB"), c.replaced);
    EXPECT_EQ(block.Bytes(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ReplaceDataTest,
    ::testing::Values(
        ReplaceCase{"KeepsTheLineBreaksAroundTheContent", "<DB>\r\nx\r\n</DB>\r\n", "y\r\n", true,
                    "<DB>\r\ny\r\n\r\n</DB>\r\n"},
        ReplaceCase{"KeepsEverythingAround", "<Version>\r\nv\r\n</Version>\r\n<DB>\r\nold\r\n</DB>\r\n<CharSet>\r\nc\r\n</CharSet>",
                    "new", true, "<Version>\r\nv\r\n</Version>\r\n<DB>\r\nnew\r\n</DB>\r\n<CharSet>\r\nc\r\n</CharSet>"},
        ReplaceCase{"OneLineIsNoSection", "<DB>x</DB>", "yz", false, "<DB>x</DB>"},
        ReplaceCase{"EmptyNewContent", "<DB>\r\nx\r\n</DB>", "", true, "<DB>\r\n\r\n</DB>"},
        ReplaceCase{"TagInsideALineStaysContent", "<DB>\r\na</DB>b\r\n</DB>\r\n", "c", true, "<DB>\r\nc\r\n</DB>\r\n"},
        ReplaceCase{"EmptyOldContentIsLeftAlone", "<DB>\r\n</DB>\r\n", "y", false, "<DB>\r\n</DB>\r\n"},
        ReplaceCase{"MissingSection", "<CharSet>x</CharSet>", "y", false, "<CharSet>x</CharSet>"},
        ReplaceCase{"MissingClosingTag", "<DB>\r\nx\r\n", "y", false, "<DB>\r\nx\r\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DataBlockTest, ReplaceDataWithoutBlockContentOrName)
{
    auto device = MakeDevice(7);
    platform::TMemoryStream block(std::string("<DB>x</DB>"));
    platform::TMemoryStream content(std::string("y"));
    EXPECT_FALSE(device->ReplaceData(nullptr, &content, "DB"));
    EXPECT_FALSE(device->ReplaceData(&block, nullptr, "DB"));
    EXPECT_FALSE(device->ReplaceData(&block, &content, ""));
    EXPECT_EQ(block.Bytes(), "<DB>x</DB>");
}

TEST_F(DataBlockTest, AddGlobalParamTagAppendsAnEmptySection)
{
    auto device = MakeDevice(7);
    platform::TMemoryStream block(std::string("<DB>\r\nx\r\n</DB>\r\n"));
    block.SetPosition(3);

    EXPECT_TRUE(device->AddGlobalParamTagToBlob(&block));
    // Appended behind the block's last byte, which stays.
    EXPECT_EQ(block.Bytes(), "<DB>\r\nx\r\n</DB>\r\n\r\n<GlobalParam>\r\n</GlobalParam>\r\n");

    platform::TMemoryStream found;
    EXPECT_TRUE(device->ParseData(&block, &found, "DB"));
    EXPECT_EQ(found.Bytes(), "x");
}

TEST_F(DataBlockTest, AddGlobalParamTagKeepsAnExistingSectionAndAppendsToABlockWithoutLineBreak)
{
    auto device = MakeDevice(7);
    const std::string marked = "<DB>x</DB>\r\n<GlobalParam>\r\n</GlobalParam>\r\n<CharSet>c</CharSet>";
    platform::TMemoryStream block(marked);
    EXPECT_TRUE(device->AddGlobalParamTagToBlob(&block));
    EXPECT_EQ(block.Bytes(), marked);

    platform::TMemoryStream bare(std::string("<DB>x</DB>"));
    EXPECT_TRUE(device->AddGlobalParamTagToBlob(&bare));
    EXPECT_EQ(bare.Bytes(), "<DB>x</DB>\r\n<GlobalParam>\r\n</GlobalParam>\r\n");

    EXPECT_FALSE(device->AddGlobalParamTagToBlob(nullptr));
}

// --- Files ---

TEST_F(DataBlockTest, InformationBlockCarriesTheBlobFileName)
{
    auto device = MakeDevice(7);
    device->CreateNewDevice(0);
    EXPECT_EQ(device->GetBlobInfoString(), "<BlobInfo>\r\nfBlobDatenExtern=0\r\nBlobFile=Vantu7.blob\r\n</BlobInfo>\r\n");
}

TEST_F(DataBlockTest, BlobFileNameIsFormedOnceAndTheFolderMade)
{
    auto device = MakeDevice(7);
    device->CreateNewDevice(0);
    const std::string blobFolder = dataModule_.GetBlobFileDir();
    ASSERT_FALSE(std::filesystem::exists(blobFolder));

    EXPECT_EQ(device->GetBlobFileName(true), "Vantu7.blob");
    EXPECT_TRUE(std::filesystem::is_directory(blobFolder));
    EXPECT_EQ(device->GetBlobFileName(false), blobFolder + "Vantu7.blob");
    EXPECT_FALSE(std::filesystem::exists(blobFolder + "Vantu7.blob")) << "no file is written under the name";

    std::ofstream(blobFolder + "Vantu7.blob") << "x";
    EXPECT_EQ(device->GetBlobFileName(true), "Vantu7.blob") << "kept once formed";
}

TEST_F(DataBlockTest, BlobFileNameTakesTheFirstNumberWithoutAFileInTheBlobFolder)
{
    const std::string blobFolder = dataModule_.GetBlobFileDir();
    std::filesystem::create_directories(blobFolder);
    std::ofstream(blobFolder + "Vantu7.blob") << "x";
    std::ofstream(blobFolder + "Vantu7_1.blob") << "x";
    std::ofstream(blobFolder + "Vantu7_3.blob") << "x";
    std::ofstream(folder_ + "Vantu7_2.blob") << "beside the blob folder, not in it";

    auto device = MakeDevice(7);
    device->CreateNewDevice(0);
    EXPECT_EQ(device->GetBlobFileName(true), "Vantu7_2.blob");
}

TEST_F(DataBlockTest, BlobFileNameNeedsTheDeviceDataObject)
{
    auto device = MakeDevice(7);
    EXPECT_EQ(device->GetBlobFileName(true), "");
    EXPECT_EQ(device->GetBlobFileName(false), "");
    EXPECT_EQ(device->BlobFileName, "");
    EXPECT_TRUE(std::filesystem::is_directory(dataModule_.GetBlobFileDir()));
}

TEST_F(DataBlockTest, BackupCopyLiesInTheAutoSaveFolder)
{
    auto device = MakeDevice(4711);
    EXPECT_EQ(device->AutoSaveFile, folder_ + "Vantu/AutoSave/" + device->AutoSaveFolderName + "/4711.bus");
    EXPECT_TRUE(std::filesystem::is_directory(device->AutoSaveDir));
}

} // namespace
