#include "app/SettingKeys.h"
#include "outside/datacore/EibHandle.h"
#include "platform/Cp1252.h"
#include "tests/device/DataBlockFixture.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using datablocktest::Cp;
using datablocktest::DataBlockTest;
using datablocktest::FileBytes;
using datablocktest::TestConfigWindow;
using datablocktest::TestObject;
using datablocktest::TestProductDevice;
using testsupport::ScriptedUi;

constexpr std::int32_t Flur = 1; // area 1, line 1, device 1 of the demo project
constexpr platform::HWND MainWindowHandle = 77;

const std::string InfoBlockOf1 = "<BlobInfo>\r\nfBlobDatenExtern=0\r\nBlobFile=Vantu1.blob\r\n</BlobInfo>\r\n";

TDatenStruktur Record(std::int32_t handle, std::int16_t typ, std::int32_t parent, std::int32_t system,
                      const std::string& name)
{
    TDatenStruktur record;
    record.Handle = handle;
    record.Typ = typ;
    record.Parent = parent;
    record.System = system;
    record.Name = name;
    record.Param1 = handle * 10;
    record.Param19 = -handle;
    record.Bool3 = true;
    record.String2 = "Text, mit Komma";
    return record;
}

// Two parts of the device below the system object, one with a chained additional record.
std::vector<TDatenStruktur> SomeRecords()
{
    TDatenStruktur display = Record(2, 6551, 1, 0, Cp("Anzeige für Flur"));
    TDatenStruktur chained = Record(3, 6584, 1, 0, "Schaltuhr 1");
    chained.Next = 4;
    const TDatenStruktur additional = Record(4, 0, 3, 0, "");
    const TDatenStruktur otherSystem = Record(5, 806, 0, 2, "Objekt 57");
    return {display, chained, additional, otherSystem};
}

void ExpectBox(const ScriptedUi::Box& box, const std::string& text, const std::string& caption, unsigned style)
{
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.style, style);
}

// A device stored in the project by a first device model: created new on its first hand-over,
// given more records and written back.
class StoredDeviceTest : public DataBlockTest {
protected:
    std::vector<std::string> StoreDevice()
    {
        auto first = MakeDevice(Flur);
        first->NewDeviceRecords = SomeRecords();
        EXPECT_TRUE(first->GetDataFromServer(MainWindowHandle, false));
        EXPECT_TRUE(first->WriteBlob());
        mainWindow_.ObjectCounts.clear();
        return first->RecordLines();
    }
};

TEST_F(StoredDeviceTest, ReadBackGivesTheSameRecords)
{
    const std::vector<std::string> stored = StoreDevice();
    ASSERT_EQ(stored.size(), 5u);

    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));

    EXPECT_EQ(device->RecordLines(), stored);
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_FALSE(device->BlobFromBackup);
    EXPECT_EQ(device->CreateNewDeviceCalls, 0);
    EXPECT_EQ(device->GetDataPointerMap().size(), 5u);
    ASSERT_NE(device->GetDevice(), nullptr);
    EXPECT_EQ(device->GetDevice()->GetHandle(), 1);
    EXPECT_EQ(device->DatenAbgleichCalls, (std::vector<std::pair<bool, bool>>{{true, false}}));

    // BlobStream holds the block as read, information block included.
    EXPECT_EQ(device->BlobStream.Bytes(), StoredBlock(Flur));
    EXPECT_TRUE(device->BlobStream.Bytes().starts_with(InfoBlockOf1));
}

TEST_F(StoredDeviceTest, StoredBlockIsTheInformationBlockFollowedByTheSections)
{
    StoreDevice();
    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));
    ASSERT_TRUE(device->WriteBlob());

    const std::string stored = StoredBlock(Flur);
    EXPECT_EQ(stored, InfoBlockOf1 + device->BlobStream.Bytes()) << "BlobStream keeps the sections only";
    EXPECT_TRUE(device->BlobStream.Bytes().starts_with("<Version>\r\n"));
}

TEST_F(StoredDeviceTest, ReadOkSetsThePhysicalAddressAndShowsTheObjectCount)
{
    StoreDevice();
    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));

    const auto* system = dynamic_cast<const TSorvEtsDevice*>(device->GetDevice());
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->GetPhysAdr(), "01.01.001");
    const TDatenStruktur* record = device->GetDatenSatz(0, 0, 1);
    EXPECT_EQ(record->String1, "01.01.001") << "the device data object wrote its record again";
    EXPECT_EQ(record->Param4, Flur);
    EXPECT_EQ(mainWindow_.ObjectCounts, (std::vector<std::pair<int, int>>{{3, 40}}));
}

TEST_F(StoredDeviceTest, ReinitialisesEveryConfigurationWindowInListOrder)
{
    StoreDevice();
    std::vector<std::string> journal;
    TestConfigWindow first("first", journal);
    TestConfigWindow second("second", journal);
    mainWindow_.Windows = {&first, nullptr, &second};

    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, true));

    // Loading the group addresses may have the windows drop their nodes before.
    const std::vector<std::string> reinit = {
        "first DeleteGrpAdr",  "first InitData 77",  "first SetDeviceInstanz",  "first InitGrpAdr 77",
        "second DeleteGrpAdr", "second InitData 77", "second SetDeviceInstanz", "second InitGrpAdr 77"};
    ASSERT_GE(journal.size(), reinit.size());
    EXPECT_EQ(std::vector<std::string>(journal.end() - reinit.size(), journal.end()), reinit);
    for (const TestConfigWindow* window : {&first, &second}) {
        EXPECT_EQ(window->Device, device.get());
        EXPECT_NE(window->Folder, nullptr);
        EXPECT_EQ(window->Folder, device->GrpAdrOrdner.get());
        EXPECT_EQ(window->MainGroups, &device->MainGroupNodes);
        EXPECT_EQ(window->MidSubGroups, &device->GrpAdrNodes);
    }

    journal.clear();
    auto again = MakeDevice(Flur);
    ASSERT_TRUE(again->GetDataFromServer(MainWindowHandle, false));
    for (const std::string& call : journal)
        EXPECT_NE(call.find("DeleteGrpAdr"), std::string::npos) << "windows are not rebuilt unless asked: " << call;
}

TEST_F(StoredDeviceTest, HandleTableKnowsEveryLoadedHandle)
{
    StoreDevice();
    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));

    ASSERT_NE(device->EibHandle, nullptr);
    for (const std::int32_t handle : {1, 2, 3, 4, 5})
        EXPECT_TRUE(device->EibHandle->IsInUse(handle)) << handle;
    EXPECT_EQ(device->EibHandle->GetNewHandle(), 6);
}

TEST_F(StoredDeviceTest, AlignmentFailureLeavesTheWindowsAndTheAddressAlone)
{
    StoreDevice();
    std::vector<std::string> journal;
    TestConfigWindow window("window", journal);
    mainWindow_.Windows = {&window};

    auto device = MakeDevice(Flur);
    device->DatenAbgleichAnswer = false;
    EXPECT_FALSE(device->GetDataFromServer(MainWindowHandle, true));

    ASSERT_EQ(ui_.boxes().size(), 1u);
    ExpectBox(ui_.boxes()[0],
              Cp("Die Daten konnten nicht vollständig abgeglichen werden.\nBitte überprüfen Sie die Projektierung."),
              "Fehler", platform::MB_OK | platform::MB_ICONWARNING);
    EXPECT_EQ(device->GetDataPointerMap().size(), 5u) << "the data objects exist";
    for (const std::string& call : journal)
        EXPECT_NE(call.find("DeleteGrpAdr"), std::string::npos) << "the windows are not rebuilt: " << call;
    const auto* system = dynamic_cast<const TSorvEtsDevice*>(device->GetDevice());
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->GetPhysAdr(), "") << "the address is not set";
    EXPECT_TRUE(mainWindow_.ObjectCounts.empty());
}

TEST_F(DataBlockTest, BlockThatTheProductCannotUseAnswersFalseWithoutAMessageOfItsOwn)
{
    StoreBlock(Flur, "<Version>\r\nv\r\n</Version>\r\n");
    auto device = MakeDevice(Flur);
    EXPECT_FALSE(device->GetDataFromServer(MainWindowHandle, false));
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_TRUE(device->DatenAbgleichCalls.empty());
    EXPECT_EQ(device->EibHandle, nullptr);
}

// --- An unreadable block ---

TEST_F(DataBlockTest, ReadFailsWithoutBackupCopy)
{
    link_->FailBlobRead();
    auto device = MakeDevice(Flur);
    EXPECT_FALSE(device->GetDataFromServer(MainWindowHandle, true));

    ASSERT_EQ(ui_.boxes().size(), 2u);
    ExpectBox(ui_.boxes()[0],
              "Die ETS-Daten konnten nicht erreicht werden.\nEs wird versucht einen neuen Datenbereich anzulegen.",
              "Achtung", platform::MB_OK | platform::MB_ICONINFORMATION);
    ExpectBox(ui_.boxes()[1], "Datei nicht gefunden.:\n" + device->AutoSaveFile, "Wiederherstellen",
              platform::MB_OK | platform::MB_ICONWARNING);
    EXPECT_TRUE(device->BlobFromBackup);
    EXPECT_EQ(dataModule_.TimerStarts, std::vector<bool>{true});
    EXPECT_TRUE(device->GetDataPointerMap().empty()) << "the model stays empty";
    EXPECT_EQ(device->BlobStream.Size(), 0u);
    EXPECT_TRUE(device->DatenAbgleichCalls.empty());
}

TEST_F(DataBlockTest, WithoutHostLinkTheBlockIsUnreadable)
{
    mainWindow_.Link = nullptr;
    auto device = MakeDevice(Flur);
    EXPECT_FALSE(device->GetDataFromServer(MainWindowHandle, false));
    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].caption, "Achtung");
    EXPECT_TRUE(device->BlobFromBackup);
}

TEST_F(StoredDeviceTest, ReadFailsAndTheBackupCopyIsUsed)
{
    StoreDevice();
    auto device = MakeDevice(Flur);
    // The backup copy holds the sections as the auto-save writes them: without information block.
    const std::string sections = StoredBlock(Flur).substr(InfoBlockOf1.size());
    std::filesystem::create_directories(device->AutoSaveDir);
    WriteFile(device->AutoSaveFile.substr(folder_.size()), sections);
    const QDateTime changed(QDate(2021, 3, 5), QTime(14, 7));
    QFile backup(QString::fromStdString(device->AutoSaveFile));
    ASSERT_TRUE(backup.open(QIODevice::ReadWrite));
    ASSERT_TRUE(backup.setFileTime(changed, QFileDevice::FileModificationTime));
    backup.close();
    StoreBlock(Flur, "<DB>\r\nnot this one\r\n</DB>\r\n");
    link_->FailBlobRead();

    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));

    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].caption, "Achtung");
    const std::string month = platform::FromQString(QLocale().monthName(3));
    ExpectBox(ui_.boxes()[1], "Letzte Datensicherung: " + month + " 5, 2021 , 14:07", Cp("Bestätigen"),
              platform::MB_OK | platform::MB_ICONINFORMATION);
    EXPECT_TRUE(device->BlobFromBackup);
    EXPECT_EQ(device->BlobStream.Bytes(), sections);
    EXPECT_EQ(device->GetDataPointerMap().size(), 5u);
    EXPECT_TRUE(dataModule_.TimerStarts.empty());
}

TEST_F(DataBlockTest, FolderInPlaceOfTheBackupCopyCountsAsMissing)
{
    auto device = MakeDevice(Flur);
    std::filesystem::create_directories(device->AutoSaveFile); // a folder where the file should be
    link_->FailBlobRead();

    EXPECT_FALSE(device->GetDataFromServer(MainWindowHandle, false));
    ASSERT_EQ(ui_.boxes().size(), 2u);
    ExpectBox(ui_.boxes()[1], "Datei nicht gefunden.:\n" + device->AutoSaveFile, "Wiederherstellen",
              platform::MB_OK | platform::MB_ICONWARNING);
    EXPECT_EQ(dataModule_.TimerStarts, std::vector<bool>{true});
}

// --- A device without data block ---

TEST_F(DataBlockTest, EmptyBlockCreatesTheNewDeviceAndStoresItAtOnce)
{
    auto device = MakeDevice(Flur);
    device->NewDeviceRecords = SomeRecords();
    ASSERT_EQ(StoredBlock(Flur), "");

    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));

    EXPECT_EQ(device->CreateNewDeviceCalls, 1);
    EXPECT_EQ(link_->BlobWrites(), 1);
    EXPECT_EQ(link_->BlobReads(), 2);
    const std::string stored = StoredBlock(Flur);
    EXPECT_TRUE(stored.starts_with(InfoBlockOf1));
    EXPECT_EQ(device->BlobStream.Bytes(), stored) << "the block read back is the one loaded";
    EXPECT_EQ(device->GetDataPointerMap().size(), 5u);
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(DataBlockTest, NewDeviceThatCannotBeCreatedWritesNothing)
{
    auto refused = MakeDevice(Flur);
    refused->CreateNewDeviceAnswer = false;
    EXPECT_FALSE(refused->GetDataFromServer(MainWindowHandle, false));

    auto withoutSystem = MakeDevice(Flur);
    withoutSystem->CreateNewDeviceMakesSystem = false; // answers true, but leaves no device data object
    EXPECT_FALSE(withoutSystem->GetDataFromServer(MainWindowHandle, false));

    EXPECT_EQ(link_->BlobWrites(), 0);
    EXPECT_EQ(StoredBlock(Flur), "");
    ASSERT_EQ(ui_.boxes().size(), 2u);
    for (const auto& box : ui_.boxes())
        ExpectBox(box, "Beim Erzeugen des Objektes ist ein Fehler aufgetreten.", Cp("Gerät erzeugen"),
                  platform::MB_OK | platform::MB_ICONWARNING);
}

TEST_F(DataBlockTest, NewDeviceWhoseBlockCannotBeReadBack)
{
    auto device = MakeDevice(Flur);
    device->OnCreateNewDevice = [this] { link_->FailBlobRead(); };
    EXPECT_FALSE(device->GetDataFromServer(MainWindowHandle, false));

    ASSERT_EQ(ui_.boxes().size(), 1u);
    ExpectBox(ui_.boxes()[0], "Can't read data (BLOB): 2", "Error: TDeviceInstanz::GetDataFromServer", platform::MB_OK);
    EXPECT_EQ(link_->BlobWrites(), 1) << "the new device's block was written";
    EXPECT_NE(device->GetDevice(), nullptr) << "its data objects exist";
}

TEST_F(DataBlockTest, NewDeviceWhoseBlockReadsBackEmpty)
{
    link_->FailBlobWrite();
    auto device = MakeDevice(Flur);
    EXPECT_FALSE(device->GetDataFromServer(MainWindowHandle, false));

    // Only the failed write tells; the empty read-back answers false silently.
    ASSERT_EQ(ui_.boxes().size(), 1u);
    ExpectBox(ui_.boxes()[0], "Beim Speichern der Daten ist ein Fehler aufgetreten.", "Fehler",
              platform::MB_OK | platform::MB_ICONWARNING);
    EXPECT_EQ(link_->BlobReads(), 2);
    EXPECT_TRUE(device->DatenAbgleichCalls.empty());
}

// --- Writing ---

TEST_F(StoredDeviceTest, FailedWriteIsToldAndAnswered)
{
    StoreDevice();
    const std::string before = StoredBlock(Flur);
    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));
    link_->FailBlobWrite();

    EXPECT_FALSE(device->WriteBlob());
    ASSERT_EQ(ui_.boxes().size(), 1u);
    ExpectBox(ui_.boxes()[0], "Beim Speichern der Daten ist ein Fehler aufgetreten.", "Fehler",
              platform::MB_OK | platform::MB_ICONWARNING);
    EXPECT_EQ(StoredBlock(Flur), before);
    EXPECT_TRUE(device->BlobStream.Bytes().starts_with("<Version>")) << "BlobStream holds the sections";
}

TEST_F(DataBlockTest, WriteBlobWithoutDeviceDataObjectStoresNothing)
{
    auto device = MakeDevice(Flur);
    EXPECT_FALSE(device->WriteBlob());
    EXPECT_EQ(link_->BlobWrites(), 0);
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, "Beim Speichern der Daten ist ein Fehler aufgetreten.");
}

TEST_F(DataBlockTest, WriteAllRewritesEveryRecordInHandleOrder)
{
    auto device = MakeDevice(Flur);
    EXPECT_FALSE(device->WriteAll()) << "nothing registered";
    EXPECT_TRUE(device->RecordLines().empty()) << "and nothing written";

    for (const TDatenStruktur& record : SomeRecords())
        device->AddObject(record);
    TDatenStruktur* display = device->GetDatenSatz(0, 1, 2);
    display->Param1 = 999;
    const TDatenStruktur stray = Record(9, 7, 1, 0, "no object writes me");
    *device->GetDatenSatz(0, 1, 9) = stray;

    EXPECT_FALSE(device->CleanUpBlob(false));
    EXPECT_EQ(device->GetDatenSatz(0, 1, 2)->Param1, 999) << "nothing done without clean";

    EXPECT_TRUE(device->WriteAll());
    EXPECT_EQ(device->GetDatenSatz(0, 1, 2)->Param1, 20) << "the object wrote its record";
    EXPECT_EQ(device->RecordLines().size(), 5u) << "the stray record stays";

    EXPECT_TRUE(device->CleanUpBlob(true));
    const std::vector<std::string> lines = device->RecordLines();
    ASSERT_EQ(lines.size(), 4u) << "records that no object writes are gone";
    for (const TDatenStruktur& record : SomeRecords())
        EXPECT_NE(std::find(lines.begin(), lines.end(), record.ToString()), lines.end()) << record.Handle;
}

// --- Debug dumps ---

TEST_F(StoredDeviceTest, ReadDumpOverwritesAnExistingFileOnly)
{
    StoreDevice();
    const std::string dump = WriteFile("read.txt", "old");
    std::filesystem::create_hard_link(dump, folder_ + "read-before.txt");
    WriteDebugSetting(KEY_WRITEREADBLOB, "1");
    WriteDebugSetting(KEY_READBLOB, dump);

    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));

    EXPECT_EQ(FileBytes(dump), StoredBlock(Flur));
    EXPECT_EQ(FileBytes(folder_ + "read-before.txt"), "old") << "written through a new file and a rename";

    std::filesystem::remove(dump);
    auto again = MakeDevice(Flur);
    ASSERT_TRUE(again->GetDataFromServer(MainWindowHandle, false));
    EXPECT_FALSE(std::filesystem::exists(dump)) << "a dump never creates a file";
}

TEST_F(StoredDeviceTest, DumpsAreOffUnlessSwitchedOn)
{
    StoreDevice();
    const std::string dump = WriteFile("ReadBlob.txt", "old");
    WriteDebugSetting(KEY_READBLOB, dump);
    WriteDebugSetting(KEY_SAVEBLOB, dump);

    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));
    ASSERT_TRUE(device->WriteBlob());
    EXPECT_EQ(FileBytes(dump), "old");
}

TEST_F(StoredDeviceTest, SaveDumpHoldsTheSectionsWithoutTheInformationBlock)
{
    StoreDevice();
    const std::string dump = WriteFile("save.txt", "old");
    WriteDebugSetting(KEY_WRITESAVEBLOB, "1");
    WriteDebugSetting(KEY_SAVEBLOB, dump);

    auto device = MakeDevice(Flur);
    ASSERT_TRUE(device->GetDataFromServer(MainWindowHandle, false));
    EXPECT_EQ(FileBytes(dump), "old") << "reading does not write the save dump";

    link_->FailBlobWrite();
    EXPECT_FALSE(device->WriteBlob());
    EXPECT_EQ(FileBytes(dump), device->BlobStream.Bytes()) << "also after a failed write";
    EXPECT_TRUE(device->BlobStream.Bytes().starts_with("<Version>"));
}

} // namespace
