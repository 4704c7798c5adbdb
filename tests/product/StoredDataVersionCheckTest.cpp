#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "tests/product/StoredDataFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

namespace storeddatatest {
namespace {

constexpr unsigned Warning = 48; // MB_OK | MB_ICONWARNING

struct VersionCase {
    const char* label;
    std::string stored;
    bool usable;
    std::string message; // empty: none
    bool converted = false;
};

void PrintTo(const VersionCase& c, std::ostream* os)
{
    *os << c.label;
}

const std::string Expected = std::string(VersionFlur);

const VersionCase VersionCases[] = {
    {"CurrentTypeAndVersion", VersionFlur, true, ""},
    {"MinorWithOneDigit", "SX Version:0.5 Typ:SORV/Vantu_18", true, ""},
    {"AnotherVersion", "SX Version:0.04 Typ:SORV/Vantu_18", false,
     "Falsche Versionsnummer: 0.4\nErwartete Version:\n" + Expected},
    {"PredecessorType", "SX Version:0.01 Typ:sorv/Talvo_18", true, "", true},
    {"PredecessorWithMinorOne", "SX Version:2.01 Typ:sorv/Talvo_18", true, "", true},
    {"PredecessorNotConvertible", "SX Version:2.00 Typ:sorv/Talvo_18", false,
     "Falsche Versionsnummer: 2.0\nErwartete Version:" + Expected},
    {"AnotherDeviceType", "SX Version:0.05 Typ:SORV/Vantu_52", false,
     "Unbekannter Versionstyp.\nErwartete Version:\n" + Expected},
    {"TypeInAnotherCase", "SX Version:0.05 Typ:SORV/VANTU_18", false,
     "Unbekannter Versionstyp.\nErwartete Version:\n" + Expected},
    {"PredecessorOfAnotherDevice", "SX Version:0.01 Typ:sorv/Talvo_52", false,
     "Unbekannter Versionstyp.\nErwartete Version:\n" + Expected},
    {"TooFewFields", "SX Version:0.05", false,
     "Unbekannte Version\nSX Version:0.05\nErwartete Version:\n" + Expected},
    {"MinorWithThreeDigits", "SX Version:0.050 Typ:SORV/Vantu_18", false,
     "Unbekannte Version\nSX Version:0.050 Typ:SORV/Vantu_18\nErwartete Version:\n" + Expected},
    {"Zero", "0", false, "Versionsinformation nicht gefunden.\nErwartete Version:\n" + Expected},
    {"Empty", "", false, "Versionsinformation nicht gefunden.\nErwartete Version:\n" + Expected},
};

class VersionCheckTest : public StoredDataTest, public ::testing::WithParamInterface<std::tuple<VersionCase, bool>> {};

TEST_P(VersionCheckTest, AnswersAndTellsOnlyWhenAsked)
{
    const auto& [c, withMessages] = GetParam();
    auto device = MakeDevice(DeviceFlur);
    TDeviceInstanz::TRecordTable records("", 0);

    EXPECT_EQ(device->VersionCheck(&records, c.stored, withMessages) != 0, c.usable);

    EXPECT_EQ(dataModule_.fDatenKonvertiert, c.converted);
    if (c.message.empty() || !withMessages) {
        EXPECT_TRUE(ui_.boxes().empty());
    } else {
        ASSERT_EQ(ui_.boxes().size(), 1u);
        EXPECT_EQ(ui_.boxes()[0].text, c.message);
        EXPECT_EQ(ui_.boxes()[0].caption, Cp("Versions-Überprüfung"));
        EXPECT_EQ(ui_.boxes()[0].style, Warning);
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionCheckTest,
                         ::testing::Combine(::testing::ValuesIn(VersionCases), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label) +
                                    (std::get<1>(info.param) ? "_Shown" : "_Silent");
                         });

TEST_F(StoredDataTest, VersionCheckConvertsTheRecordsOfThePredecessor)
{
    auto device = MakeDevice(DeviceFlur);
    TDeviceInstanz::TRecordTable records("", 0);
    records.Add(Record(1, DT_TALVO_SYSTEM, 0, "Talvo"));
    TDatenStruktur object = Record(2, DT_ETS_OBJEKT, 1, "Uhrzeit");
    object.Param16 = 3300;
    object.Param4 = 52;
    records.Add(object);

    ASSERT_TRUE(device->VersionCheck(&records, "SX Version:0.01 Typ:sorv/Talvo_18", true));
    TDatenStruktur converted;
    ASSERT_TRUE(records.Find("Handle", 2, converted));
    EXPECT_EQ(converted.Param4, 57);
}

// --- The device-text header ---

struct HeaderCase {
    const char* label;
    std::string text;
    bool usable;
    std::string message; // empty: none
    std::string caption;
    bool emptied = false;
};

void PrintTo(const HeaderCase& c, std::ostream* os)
{
    *os << c.label;
}

const std::string Header = "SX Version: 1. 0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407 CPID: 1252";

const HeaderCase HeaderCases[] = {
    {"Accepted", Header + "\r\nText\r\n", true, "", ""},
    {"AcceptedWithoutBlanks", "SX Version:1.0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407 CPID:1252", true, "", ""},
    {"PredecessorDevice", "SX Version: 1. 0 Typ:SORV/DeviceText Device:Talvo LCID:0x0407 CPID: 1252\r\nText\r\n",
     false, "", "", true},
    {"FiveFields", "SX Version: 1. 0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407\r\nText", false,
     "Unbekannte Version\nSX Version: 1. 0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407", "Versions-Überprüfung"},
    {"AnotherDevice", "SX Version: 1. 0 Typ:SORV/DeviceText Device:Lumo LCID:0x0407 CPID: 1252", false,
     "Unbekannter Gerätetyp.\n", "Versions-Überprüfung"},
    {"AnotherType", "SX Version: 1. 0 Typ:SORV/CharSet Device:Vantu LCID:0x0407 CPID: 1252", false,
     "Unbekannter Versionstyp.\nErwartete Version:\n" + Expected, "Versions-Überprüfung"},
    {"AnotherVersion", "SX Version: 1. 1 Typ:SORV/DeviceText Device:Vantu LCID:0x0407 CPID: 1252", false,
     "Falsche Versionsnummer: 1.1\nErwartete Version:\n" + Expected, "Versions-Überprüfung"},
    {"Empty", "", false, "", ""},
    {"EmptyFirstLine", "\r\n" + Header, false, "", ""},
};

class DeviceTextCheckTest : public StoredDataTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(DeviceTextCheckTest, AcceptsOnlyTheCurrentHeader)
{
    const HeaderCase& c = GetParam();
    auto device = MakeDevice(DeviceFlur);
    dataModule_.DeviceTextLcid = 7;
    platform::TMemoryStream stream(c.text);

    EXPECT_EQ(device->VersionCheckDeviceText(&stream), c.usable);

    EXPECT_EQ(dataModule_.DeviceTextLcid, c.usable ? 0x0407 : 7);
    EXPECT_EQ(stream.Bytes(), c.emptied ? "" : c.text);
    if (c.message.empty()) {
        EXPECT_TRUE(ui_.boxes().empty());
    } else {
        ASSERT_EQ(ui_.boxes().size(), 1u);
        EXPECT_EQ(ui_.boxes()[0].text, Cp(c.message));
        EXPECT_EQ(ui_.boxes()[0].caption, Cp(c.caption));
        EXPECT_EQ(ui_.boxes()[0].style, Warning);
    }
}

INSTANTIATE_TEST_SUITE_P(Headers, DeviceTextCheckTest, ::testing::ValuesIn(HeaderCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(StoredDataTest, DeviceTextCheckWithoutStream)
{
    auto device = MakeDevice(DeviceFlur);
    EXPECT_FALSE(device->VersionCheckDeviceText(nullptr));
    EXPECT_TRUE(ui_.boxes().empty());
}

// --- The character set ---

TEST_F(StoredDataTest, CharacterSetCheckFillsTheCharacterTable)
{
    auto device = MakeDevice(DeviceFlur);
    platform::TMemoryStream stream(ValidCharSet());

    ASSERT_TRUE(device->VersionCheckCharData(&stream));

    ASSERT_EQ(device->CharTable.count(0x41), 1u);
    EXPECT_EQ(RowsOf(device->CharTable.at(0x41)), (std::vector<std::uint32_t>{0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x00}));
    EXPECT_TRUE(ui_.detailBoxes().empty());
}

TEST_F(StoredDataTest, CharacterSetThatCannotBeLoadedIsReportedInDetail)
{
    auto device = MakeDevice(DeviceFlur);
    std::string damaged = ValidCharSet();
    damaged[damaged.find("S1") + 6] ^= 1; // a changed address: the checksum no longer fits
    platform::TMemoryStream stream(damaged);

    EXPECT_FALSE(device->VersionCheckCharData(&stream));
    EXPECT_FALSE(device->VersionCheckCharData(nullptr));

    ASSERT_EQ(ui_.detailBoxes().size(), 1u);
    const auto& box = ui_.detailBoxes()[0];
    EXPECT_EQ(box.text, "Zeichensatz konnte nicht geladen werden!");
    EXPECT_EQ(box.caption, "Talvo Tastsensor 2fach mit RTR + Display");
    EXPECT_EQ(box.detail, Cp("Importieren Sie im Zeichensatz-Editor einen gültigen Zeichensatz!"));
    EXPECT_EQ(box.function, "TDeviceInstanzTalvo::VersionCheckCharData");
    EXPECT_EQ(box.style, 48u);
}

} // namespace
} // namespace storeddatatest
