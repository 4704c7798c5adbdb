#include "tests/device/DataBlockFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using datablocktest::Cp;
using datablocktest::DataBlockTest;
using datablocktest::TestProductDevice;

// What tells the two loaders apart.
struct Loader {
    const char* label;
    bool (TDeviceInstanz::*load)(platform::TMemoryStream*, platform::TMemoryStream*);
    std::string section;
    std::string datablocktest::TestDataModule::*file;
    std::vector<std::string> TestProductDevice::*checks;
    std::string heading;
    std::string caption;
    std::string invalidDetail;
    std::string function;
};

void PrintTo(const Loader& c, std::ostream* os)
{
    *os << c.label;
}


const Loader CharSet{
    "CharSet",
    &TDeviceInstanz::LoadCharSetData,
    "CharSet",
    &datablocktest::TestDataModule::CharSetFile,
    &TestProductDevice::CharSetChecks,
    Cp("Talvo-Display:\n\nZeichensatz konnte nicht geladen werden!:\n\n"
       "Importieren Sie im Zeichensatz-Editor einen gültigen Zeichensatz!"),
    "Zeichensatz laden",
    "Zeichensatz konnte nicht geladen werden!",
    "TDeviceInstanz::LoadCharSetData",
};

const Loader DeviceText{
    "DeviceText",
    &TDeviceInstanz::LoadDeviceText,
    "DeviceText",
    &datablocktest::TestDataModule::DeviceTextFile,
    &TestProductDevice::DeviceTextChecks,
    Cp("Talvo-Display:\n\nGerätespezifische Texte konnten nicht geladen werden!:\n\n"
       "Wenden Sie sich an den Hersteller!"),
    Cp("Gerätespezifische Texte laden"),
    Cp("Geräte-Texte konnten nicht geladen werden!"),
    "TDeviceInstanz::LoadDeviceText",
};

const std::string Valid = "SX Version: 1. 2 valid";
const std::string ValidFile = "SX Version: 3. 4 from the file";
const std::string Invalid = "garbage";

class LoaderTest : public DataBlockTest, public ::testing::WithParamInterface<Loader> {
protected:
    LoaderTest() : device_(MakeDevice(1)), path_(folder_ + "loader-file") { dataModule_.*GetParam().file = path_; }

    platform::TMemoryStream Block(const std::string& content) const
    {
        const std::string& name = GetParam().section;
        return platform::TMemoryStream("<Version>\r\nv\r\n</Version>\r\n<" + name + ">\r\n" + content + "\r\n</" +
                                       name + ">\r\n");
    }
    bool Load(platform::TMemoryStream& block, platform::TMemoryStream& target)
    {
        return (device_.get()->*GetParam().load)(&block, &target);
    }
    const std::vector<std::string>& Checks() const { return device_.get()->*GetParam().checks; }
    void ExpectOneDetailBox(const std::string& detail)
    {
        ASSERT_EQ(ui_.detailBoxes().size(), 1u);
        const auto& box = ui_.detailBoxes()[0];
        EXPECT_EQ(box.text, GetParam().heading);
        EXPECT_EQ(box.caption, GetParam().caption);
        EXPECT_EQ(box.detail, detail);
        EXPECT_EQ(box.function, GetParam().function);
        EXPECT_EQ(box.style, platform::MB_ICONERROR);
        EXPECT_TRUE(ui_.boxes().empty());
    }

    std::unique_ptr<TestProductDevice> device_;
    std::string path_;
};

TEST_P(LoaderTest, ValidSectionNeverTouchesTheFile)
{
    platform::TMemoryStream block = Block(Valid);
    platform::TMemoryStream target(std::string("old content"));

    EXPECT_TRUE(Load(block, target));
    EXPECT_EQ(target.Bytes(), Valid);
    EXPECT_EQ(target.Position(), 0u);
    EXPECT_EQ(Checks(), std::vector<std::string>{Valid});
    EXPECT_TRUE(ui_.detailBoxes().empty());
}

TEST_P(LoaderTest, MissingSectionTakesTheFileAndChecksIt)
{
    WriteFile("loader-file", ValidFile);
    platform::TMemoryStream block(std::string("<DB>\r\nx\r\n</DB>\r\n"));
    platform::TMemoryStream target;

    EXPECT_TRUE(Load(block, target));
    EXPECT_EQ(target.Bytes(), ValidFile);
    EXPECT_EQ(Checks(), std::vector<std::string>{ValidFile});
}

TEST_P(LoaderTest, InvalidSectionIsReplacedByTheFile)
{
    WriteFile("loader-file", ValidFile);
    platform::TMemoryStream block = Block(Invalid);
    platform::TMemoryStream target;

    EXPECT_TRUE(Load(block, target));
    EXPECT_EQ(target.Bytes(), ValidFile);
    EXPECT_EQ(Checks(), (std::vector<std::string>{Invalid, ValidFile}));
    EXPECT_TRUE(ui_.detailBoxes().empty());
}

TEST_P(LoaderTest, ContentHoldingASectionTagLineIsInvalidAndTheFileHoldingOneToo)
{
    // The check would pass: the tag line alone makes the text invalid, it never reaches the check.
    WriteFile("loader-file", ValidFile);
    platform::TMemoryStream block = Block(Valid + "\r\n</DB>\r\nmore");
    platform::TMemoryStream target;
    EXPECT_TRUE(Load(block, target));
    EXPECT_EQ(target.Bytes(), ValidFile);
    EXPECT_EQ(Checks(), std::vector<std::string>{ValidFile});

    WriteFile("loader-file", ValidFile + "\n<ExpandedTreeNodes 0>");
    platform::TMemoryStream again = Block(Valid + "\r\n<CharSet>");
    EXPECT_FALSE(Load(again, target));
    EXPECT_EQ(target.Size(), 0u);
    ExpectOneDetailBox(GetParam().invalidDetail + "\n" + path_);
}

TEST_P(LoaderTest, ATagInsideALineIsText)
{
    platform::TMemoryStream block = Block(Valid + " <DB></DB>");
    platform::TMemoryStream target;
    EXPECT_TRUE(Load(block, target));
    EXPECT_EQ(target.Bytes(), Valid + " <DB></DB>");
}

TEST_P(LoaderTest, InvalidSectionWithoutFile)
{
    platform::TMemoryStream block = Block(Invalid);
    platform::TMemoryStream target;

    EXPECT_FALSE(Load(block, target));
    EXPECT_EQ(target.Size(), 0u);
    ExpectOneDetailBox("Fehler beim Lesen der Datei:\n" + path_);
}

TEST_P(LoaderTest, EmptySectionWithoutFile)
{
    platform::TMemoryStream block = Block("");
    platform::TMemoryStream target;

    EXPECT_FALSE(Load(block, target));
    EXPECT_EQ(target.Size(), 0u);
    EXPECT_TRUE(Checks().empty());
    ExpectOneDetailBox("Fehler beim Lesen der Datei:\n" + path_);
}

TEST_P(LoaderTest, NothingValidAnywhere)
{
    WriteFile("loader-file", Invalid + " too");
    platform::TMemoryStream block = Block(Invalid);
    platform::TMemoryStream target;

    EXPECT_FALSE(Load(block, target));
    EXPECT_EQ(target.Size(), 0u) << "invalid file content is dropped";
    ExpectOneDetailBox(GetParam().invalidDetail + "\n" + path_);
}

TEST_P(LoaderTest, InvalidFileWithoutSectionIsCheckedOnceAndDropped)
{
    WriteFile("loader-file", Invalid);
    platform::TMemoryStream block(std::string("<DB>\r\nx\r\n</DB>\r\n"));
    platform::TMemoryStream target;

    EXPECT_FALSE(Load(block, target));
    EXPECT_EQ(target.Size(), 0u);
    EXPECT_EQ(Checks(), std::vector<std::string>{Invalid});
    ExpectOneDetailBox(GetParam().invalidDetail + "\n" + path_);
}

TEST_P(LoaderTest, WithoutBlockOrTarget)
{
    platform::TMemoryStream stream(std::string("old content"));
    EXPECT_FALSE((device_.get()->*GetParam().load)(nullptr, &stream));
    EXPECT_EQ(stream.Size(), 0u) << "a loader that answers false leaves its target empty";
    EXPECT_FALSE((device_.get()->*GetParam().load)(&stream, nullptr));
    EXPECT_TRUE(ui_.detailBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Loaders, LoaderTest, ::testing::Values(CharSet, DeviceText),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(DataBlockTest, ReadingTheBlockLoadsTheCharacterSetAndTheDeviceTexts)
{
    auto first = MakeDevice(1);
    first->CharSetStream.Write(Valid + " charset\r\nline 2");
    first->DeviceTextStream.Write(Valid + " texts");
    ASSERT_TRUE(first->GetDataFromServer(0, false));
    ASSERT_TRUE(first->WriteBlob());

    auto device = MakeDevice(1);
    device->LoadStreams = true;
    ASSERT_TRUE(device->GetDataFromServer(0, false));
    EXPECT_EQ(device->CharSetStream.Bytes(), Valid + " charset\r\nline 2");
    EXPECT_EQ(device->DeviceTextStream.Bytes(), Valid + " texts");
}

// --- Character-set version line ---

struct VersionCase {
    const char* label;
    std::string stream;
    bool ok;
    RecCharSetVersion version;
};

void PrintTo(const VersionCase& c, std::ostream* os)
{
    *os << c.label;
}


class CharSetVersionTest : public DataBlockTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(CharSetVersionTest, ReadsTheFirstLine)
{
    const VersionCase& c = GetParam();
    auto device = MakeDevice(1);
    device->CharSetStream.Write(c.stream);
    RecCharSetVersion version{-1, -1, -1, true};

    EXPECT_EQ(device->GetCharSetVersion(version), c.ok);
    const RecCharSetVersion expected = c.ok ? c.version : RecCharSetVersion{-1, -1, -1, true};
    EXPECT_EQ(version.Major, expected.Major);
    EXPECT_EQ(version.Minor, expected.Minor);
    EXPECT_EQ(version.CodePage, expected.CodePage);
    EXPECT_EQ(version.Cbu, expected.Cbu);
    EXPECT_TRUE(ui_.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CharSetVersionTest,
    ::testing::Values(
        VersionCase{"Complete", "SX Version: 1. 2 Typ:Latin Device:Panel CPID: 1252 CBU:1\r\nrest", true, {1, 2, 1252, true}},
        VersionCase{"CbuZero", "SX Version:10.20 Typ:Latin Device:Panel CPID:  850 CBU:0", true, {10, 20, 850, false}},
        VersionCase{"LfEndsTheLine", "SX Version: 0. 5 Typ:A Device:B CPID:65001 CBU:2\nCBU:0", true, {0, 5, 65001, true}},
        VersionCase{"EmptyStream", "", false, {}},
        VersionCase{"EmptyFirstLine", "\r\nSX Version: 1. 2 Typ:Latin Device:Panel CPID: 1252 CBU:1", false, {}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DataBlockTest, CharSetVersionLineThatDoesNotMatchIsReported)
{
    auto device = MakeDevice(1);
    const std::string line = "SX Version: 1. 2 Typ:Latin Device:Panel CPID: 1252";
    device->CharSetStream.Write(line + "\r\nCBU:1");
    RecCharSetVersion version{7, 8, 9, false};

    EXPECT_FALSE(device->GetCharSetVersion(version));
    EXPECT_EQ(version.Major, 7);
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, "Unbekannte Version\n" + line);
    EXPECT_EQ(ui_.boxes()[0].caption, Cp("Versions-Überprüfung"));
    EXPECT_EQ(ui_.boxes()[0].style, 48u);
}

} // namespace
