#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/Clock.h"
#include "platform/FileIo.h"
#include "tests/product/StoredDataFixture.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <filesystem>
#include <list>
#include <string>
#include <vector>

namespace storeddatatest {
namespace {

const std::string GlobalParamSection = "<GlobalParam>\r\n\r\n</GlobalParam>\r\n";

std::string Golden()
{
    return platform::ReadWholeFile(std::string(PANELCONF_FIXTURES) + "storeddata/WrittenBlock.txt");
}

// Makes the working folder a temporary one for its lifetime.
class ScopedCurrentPath {
public:
    explicit ScopedCurrentPath(const std::filesystem::path& path) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~ScopedCurrentPath() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

// A device of the demo project with the content of the golden block: a system object, the
// records filed out of order, streams, two configuration windows, a fixed clock and German
// formats.
class DataBlock : public StoredDataTest {
protected:
    DataBlock() : device(MakeDevice(DeviceFlur))
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window_.Windows = {&first, &second};
        dataModule_.SwCreatedVersion = "1.1.0.3";
        dataModule_.SwCreatedDate = "02.01.23 09:15";
        dataModule_.fGlobalParamSection = true;

        auto* system = new TTalvoSystem(window_.GetHandle(), 0, 0, "Talvo Tastsensor", 4711, 0, 1, false);
        EXPECT_TRUE(device->SetPointer2List(system));
        device->SetDevice(system);

        TDatenStruktur objekt = Record(6, DT_ETS_OBJEKT, 5, "Objekt, 1");
        objekt.Param4 = 57;
        objekt.Param16 = 3300;
        objekt.Param17 = 1;
        TDatenStruktur talvo = Record(1, DT_TALVO_SYSTEM, 0, "Talvo Tastsensor");
        talvo.Param4 = 4711;
        TDatenStruktur display = Record(2, DT_TALVO_DISPLAY, 1, Cp("Anzeige Küche"));
        display.Param3 = 42;
        for (const TDatenStruktur& record :
             {objekt, Record(3, DT_TALVO_DATUM_UHRZEIT_SENDEN, 1, "Datum/Uhrzeit"), talvo, display})
            *device->GetDatenSatz(record.System, record.Parent, record.Handle) = record;

        device->CharSetStream.Write(ValidCharSet());
        device->DeviceTextStream.Write(ValidDeviceText());
    }
    ~DataBlock() override { QLocale::setDefault(QLocale::system()); }

    std::string Write(TDeviceInstanz& model)
    {
        platform::TMemoryStream target(std::string(4000, 'x')); // an old block, longer than the new one
        model.CopyStrukturDatenToDB(nullptr, &target);
        return target.Bytes();
    }

    platform::TScopedClock clock{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))};
    NodesWindow first{0, {"2", "1"}};
    NodesWindow second{1, {}};
    std::unique_ptr<AlignedDevice> device;
};

// --- Writer ---

TEST_F(DataBlock, WritesTheGoldenBlock)
{
    EXPECT_EQ(Write(*device), Golden());
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(DataBlock, WritesTheGlobalParameterMarkOnlyWhenSet)
{
    dataModule_.fGlobalParamSection = false;
    std::string expected = Golden();
    expected.erase(expected.find(GlobalParamSection));
    EXPECT_EQ(Write(*device), expected);
}

TEST_F(DataBlock, WithATableAndNoTargetOnlyFillsTheTable)
{
    TDeviceInstanz::TRecordTable table("", 0);
    table.Add(Record(99, 1, 0, "alt"));

    device->CopyStrukturDatenToDB(&table, nullptr);

    std::vector<std::pair<std::int32_t, std::int32_t>> keysAndHandles;
    for (const auto& [key, record] : table.GetRecords())
        keysAndHandles.emplace_back(key, record.Handle);
    EXPECT_EQ(keysAndHandles, (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}, {1, 3}, {2, 2}, {3, 6}}));
}

TEST_F(DataBlock, WithoutDeviceDataObjectNothingIsWritten)
{
    auto empty = MakeDevice(DeviceFlur);
    platform::TMemoryStream target(std::string("alt"));
    empty->CopyStrukturDatenToDB(nullptr, &target);
    EXPECT_EQ(target.Bytes(), "alt");
}

TEST_F(DataBlock, OtherDataSources)
{
    const ScopedCurrentPath inTemp(dir_.path());
    device->DataSrc = 7;
    EXPECT_EQ(Write(*device), std::string(4000, 'x'));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Cp("Unbekannte Speicherfläche"));
    EXPECT_EQ(ui_.boxes()[0].caption, "Speichern");

    // The file source writes the records and their version lines as text under the device's file
    // name, nothing else.
    device->DataSrc = TDeviceInstanz::dsFile;
    EXPECT_EQ(Write(*device), std::string(4000, 'x'));
    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[1].text, Cp("DataSrc = dsFile wird z.Zt micht unterstützt --> testen"));
    EXPECT_EQ(ui_.boxes()[1].caption, "TDeviceInstanzTalvo::CopyStrukturDatenToDB");
    const std::string golden = Golden();
    EXPECT_EQ(platform::ReadWholeFile(folder_ + "0"), golden.substr(0, golden.find("<CompData>")));
}

// --- Reader ---

TEST_F(DataBlock, ReadsTheGoldenBlockBackAndWritesItAgain)
{
    auto reader = MakeDevice(DeviceFlur);
    reader->BlobStream.Write(Golden());
    dataModule_.SwCreatedVersion = dataModule_.SwCreatedDate = "";
    dataModule_.fGlobalParamSection = false;
    dataModule_.CharSetFile = folder_ + "missing.ezs"; // the block's own sections are used
    dataModule_.DeviceTextFile = folder_ + "missing.dlg";
    reader->CompDataStream.Write(std::string("alt"));
    std::list<int> handles;

    ASSERT_TRUE(reader->CopyDBDatenToStruktur(handles));

    EXPECT_EQ(handles, (std::list<int>{1, 6, 2, 3})) << "ascending Typ";
    EXPECT_EQ(reader->HandleMap.size(), 4u);
    EXPECT_EQ(reader->CompDataStream.Bytes(), "");
    EXPECT_EQ(reader->CharSetStream.Bytes(), ValidCharSet());
    EXPECT_EQ(reader->DeviceTextStream.Bytes(), ValidDeviceText());
    EXPECT_EQ(reader->CharTable.count(0x41), 1u);
    EXPECT_EQ(dataModule_.DeviceTextLcid, 0x0407);
    EXPECT_EQ(dataModule_.SwCreatedVersion, "1.1.0.3");
    EXPECT_EQ(dataModule_.SwCreatedDate, "02.01.23 09:15");
    EXPECT_TRUE(dataModule_.fGlobalParamSection);
    EXPECT_FALSE(dataModule_.fDatenKonvertiert);
    EXPECT_EQ(first.Restored, (std::vector<std::vector<std::string>>{{"2", "1"}}));
    EXPECT_TRUE(second.Restored.empty()) << "a section without lines changes nothing";
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_TRUE(ui_.detailBoxes().empty());

    // The objects of the records, and the block written from them is the one read, but for the
    // records of one parent, which are filed anew in ascending Typ.
    reader->InitDataMainStruktur();
    ASSERT_NE(reader->GetPointerFromSystem(), nullptr);
    std::string expected = Golden();
    const auto dateTime = expected.find("3,Datum/Uhrzeit,");
    const auto display = expected.find("2,\"Anzeige");
    const auto displayEnd = expected.find("\r\n", display) + 2;
    const std::string displayLine = expected.substr(display, displayEnd - display);
    expected.erase(display, displayLine.size());
    expected.insert(dateTime, displayLine);
    EXPECT_EQ(Write(*reader), expected);
}

TEST_F(DataBlock, ReadsAMinimalBlock)
{
    dataModule_.fGlobalParamSection = true;
    device->BlobStream.Write("<Version>\r\nVersion=" + std::string(VersionFlur) + "\r\n</Version>\r\n<DB>\r\n" +
                             Record(4, DT_TALVO_DISPLAY, 1, "Anzeige").ToString() + "\r\n" +
                             Record(1, DT_TALVO_SYSTEM, 0, "Talvo").ToString() + "\r\n</DB>\r\n");
    device->CharSetStream.Clear();
    device->DeviceTextStream.Clear();
    device->CompDataStream.Write(std::string("alt"));
    std::list<int> handles;

    ASSERT_TRUE(device->CopyDBDatenToStruktur(handles));

    EXPECT_EQ(handles, (std::list<int>{1, 4}));
    EXPECT_EQ(device->GetDevice(), nullptr) << "the objects of the records before are gone";
    EXPECT_EQ(device->GetDataPointerMap().size(), 0u);
    EXPECT_EQ(dataModule_.SwCreatedVersion, "unknown");
    EXPECT_EQ(dataModule_.SwCreatedDate, "unknown");
    EXPECT_FALSE(dataModule_.fGlobalParamSection);
    EXPECT_EQ(device->CompDataStream.Bytes(), "");
    EXPECT_EQ(device->CharSetStream.Bytes(), ValidCharSet()) << "from the default file";
    EXPECT_EQ(device->DeviceTextStream.Bytes(), ValidDeviceText()) << "from the default file";
    EXPECT_TRUE(first.Restored.empty());
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(DataBlock, ReadsAnEmptyBlockAsANewDevice)
{
    std::list<int> handles;
    ASSERT_TRUE(device->CopyDBDatenToStruktur(handles));
    EXPECT_TRUE(handles.empty());
    EXPECT_TRUE(device->HandleMap.empty());
    EXPECT_TRUE(device->SystemMaps.Empty());
    EXPECT_FALSE(dataModule_.fGlobalParamSection);
    EXPECT_EQ(device->DeviceTextStream.Bytes(), ValidDeviceText());
    EXPECT_TRUE(ui_.boxes().empty());
}

class RefusedBlock : public DataBlock {
protected:
    // The records before the read stay when it fails.
    void ExpectUntouched(const std::list<int>& handles)
    {
        EXPECT_TRUE(handles.empty());
        EXPECT_EQ(device->GetDevice()->GetHandle(), 1);
        EXPECT_NE(device->SystemMaps.FindTable(0), nullptr);
        EXPECT_EQ(device->SystemMaps.FindTable(0)->size(), 4u);
    }
};

TEST_F(RefusedBlock, AnEmptyVersionWithTheVersionChecksMessage)
{
    device->BlobStream.Write("<Version>\r\nVersion=\r\nSW-Created-Version=9\r\n</Version>\r\n<DB>\r\n</DB>\r\n");
    std::list<int> handles;
    EXPECT_FALSE(device->CopyDBDatenToStruktur(handles));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text.rfind(Spredit::Text9129, 0), 0u) << ui_.boxes()[0].text;
    EXPECT_EQ(dataModule_.SwCreatedVersion, "9");
    ExpectUntouched(handles);
}

TEST_F(RefusedBlock, AnotherDeviceTypeAfterTheVersionMessages)
{
    const std::string other = "SX Version:0.05 Typ:SORV/Vantu_52";
    device->BlobStream.Write("<Version>\r\nVersion=" + other + "\r\n</Version>\r\n<DB>\r\n</DB>\r\n");
    std::list<int> handles;

    EXPECT_FALSE(device->CopyDBDatenToStruktur(handles));

    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].text, std::string("Unbekannter Versionstyp.\nErwartete Version:\n") + VersionFlur);
    EXPECT_EQ(ui_.boxes()[1].text,
              Cp("Versionskonflikt!\nDie installierte Software kann die Daten nicht lesen.\nBitte installieren Sie die "
                 "benötigte Version.\n\nErwartet: ") +
                  VersionFlur + "\nVorhanden: " + other + "\n\nBitte installieren Sie eine neue Software.");
    EXPECT_EQ(ui_.boxes()[1].caption, "Fehler");
    EXPECT_EQ(ui_.boxes()[1].style, 16u);
    ExpectUntouched(handles);
}

TEST_F(RefusedBlock, ADamagedRecordLine)
{
    std::string reason;
    try {
        TDatenStruktur().Fill("7,Kaputt,6551");
    } catch (const E_DatenStruktur& e) {
        reason = e.Message;
    }
    ASSERT_FALSE(reason.empty());
    device->BlobStream.Write("<Version>\r\nVersion=" + std::string(VersionFlur) + "\r\n</Version>\r\n<DB>\r\n" +
                             Record(4, DT_TALVO_DISPLAY, 1, "Anzeige").ToString() + "\r\n7,Kaputt,6551\r\n</DB>\r\n");
    std::list<int> handles;

    EXPECT_FALSE(device->CopyDBDatenToStruktur(handles));

    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, "Fehler beim Lesen der Datei:0\n" + reason);
    EXPECT_EQ(ui_.boxes()[0].caption, "Fehler");
    EXPECT_EQ(ui_.boxes()[0].style, 0u);
    ExpectUntouched(handles);
}

TEST_F(RefusedBlock, DeviceTextsThatCannotBeHad)
{
    dataModule_.DeviceTextFile = folder_ + "missing.dlg";
    const std::string version = "<Version>\r\nVersion=" + std::string(VersionFlur) + "\r\n</Version>\r\n";
    device->BlobStream.Write(version + "<DB>\r\n</DB>\r\n");
    std::list<int> handles;
    EXPECT_FALSE(device->CopyDBDatenToStruktur(handles));
    EXPECT_EQ(ui_.detailBoxes().size(), 1u) << "the loader's own message";
    ExpectUntouched(handles);
}

TEST_F(RefusedBlock, AnUnknownDataSource)
{
    device->DataSrc = 2;
    device->BlobStream.Write(Golden());
    std::list<int> handles;
    EXPECT_FALSE(device->CopyDBDatenToStruktur(handles));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, "Unbekannte Datenquelle");
    EXPECT_EQ(ui_.boxes()[0].caption, "Initialisierungsfehler");
    ExpectUntouched(handles);
}

TEST_F(DataBlock, TheFileSourceReadsNoRecords)
{
    const ScopedCurrentPath inTemp(dir_.path());
    device->DataSrc = TDeviceInstanz::dsFile;
    device->BlobStream.Write(Golden());
    std::list<int> handles;

    EXPECT_TRUE(device->CopyDBDatenToStruktur(handles));

    EXPECT_TRUE(handles.empty());
    EXPECT_TRUE(device->SystemMaps.Empty());
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, "Import type dsFile is not implemented");
    EXPECT_EQ(ui_.boxes()[0].caption, "TDeviceInstanz::CopyDBDatenToStruktur");
    EXPECT_TRUE(std::filesystem::exists(folder_ + "0.bak"));
}

TEST_F(DataBlock, ReadsPredecessorDataConverted)
{
    TDatenStruktur objekt = Record(2, DT_ETS_OBJEKT, 1, "Uhrzeit");
    objekt.Param16 = 3400;
    objekt.Param17 = 1;
    objekt.Param4 = 68;
    device->BlobStream.Write("<Version>\r\nVersion=SX Version:0.01 Typ:sorv/Talvo_18\r\n</Version>\r\n<DB>\r\n" +
                             Record(1, DT_TALVO_SYSTEM, 0, "Talvo").ToString() + "\r\n" + objekt.ToString() +
                             "\r\n</DB>\r\n");
    std::list<int> handles;

    ASSERT_TRUE(device->CopyDBDatenToStruktur(handles));

    EXPECT_TRUE(dataModule_.fDatenKonvertiert);
    const TDatenStruktur* converted = device->FindRecord(0, 2);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->Param4, 73);
    EXPECT_EQ(converted->Param16, 4100);
}

} // namespace
} // namespace storeddatatest
