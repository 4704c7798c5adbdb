// An edit whose data could not be stored is never reported to the host as kept, and what the user
// did is still in the backup copy for the next opening.
#include "tests/app/FrameFixture.h"

#include "app/Spredit.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "outside/datacore/DataBasis.h"
#include "platform/FileIo.h"
#include "tests/support/DeviceProject.h"

#include <QAction>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include <sys/mount.h>

namespace {

constexpr std::int32_t EditedId = 3;
const std::string EditedName = "Flur links";

class EditDurabilityFixture : public frametest::FrameFixture {
protected:
    // The host's edit event for the device: it is opened and shown, and the host takes returns.
    void Open()
    {
        if (!Templated) {
            testsupport::AddProductTemplate(ProjectPath);
            Templated = true;
        }
        if (!Main)
            Start();
        platform::WriteFileAtomically(Dm->CharSetFileName, testsupport::DeviceProject::CharSet());
        platform::WriteFileAtomically(Dm->DeviceTextFileName, testsupport::DeviceProject::DeviceText());
        Link->AnswerReturnToEts(true);
        FirstBox = Ui.boxes().size();
        ASSERT_TRUE(Main->OpenSorvVisible(EditedId));
        ASSERT_NE(Main->AktDevInst, nullptr);
        Backup = Main->AktDevInst->AutoSaveFile;
    }
    // The editor ends without a word: nothing more is stored, the list stays as it is.
    void Crash()
    {
        Main.reset();
        Link = nullptr;
    }
    // A change the user made: the device's name, which every written block carries.
    void Change(const std::string& name = EditedName) { Main->AktDevInst->GetDevice()->SetName(name); }
    // Whether the latest opening offered the restore of the backup.
    bool Offered() const
    {
        return std::any_of(Ui.boxes().begin() + static_cast<std::ptrdiff_t>(FirstBox), Ui.boxes().end(),
                           [](const auto& box) { return box.text == Spredit::Text9042; });
    }

    std::string StoredBlock()
    {
        host::TProjectDatabase project(ProjectPath);
        return host::ReadDeviceBlob(project.Sql(), EditedId).value_or("");
    }
    std::string BackupBytes() const { return platform::ReadWholeFile(Backup); }

    std::string Backup;
    bool Templated = false;
    std::size_t FirstBox = 0;
};

// The ways a write of the block into the project fails; each arms itself and gives back what
// must live until the edit has ended.
struct FailedStore {
    const char* name;
    std::function<std::shared_ptr<void>(EditDurabilityFixture&, TEts2CdiFaults&, const std::string& project)> arm;
};

class FailedStoreTest : public EditDurabilityFixture, public ::testing::WithParamInterface<FailedStore> {};

TEST_P(FailedStoreTest, IsReturnedAsNotKeptAndTheBackupHoldsTheEdit)
{
    Open();
    const std::string before = StoredBlock();
    Change();
    std::shared_ptr<void> held = GetParam().arm(*this, *Link, ProjectPath);
    Dm->ABeenden->trigger();

    EXPECT_EQ(Link->ReturnsToEts(), std::vector<int>{0});
    EXPECT_FALSE(Main->isVisible());
    EXPECT_NE(BackupBytes().find("DeviceName=" + EditedName), std::string::npos);
    EXPECT_EQ(StoredBlock(), before);

    // The next edit of the device offers what the user did.
    held.reset();
    Link->Heal();
    EXPECT_FALSE(Offered());
    Ui.Answer({platform::IDNO});
    Open();
    EXPECT_TRUE(Offered());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedStoreTest,
    ::testing::Values(
        FailedStore{"WriteFailed",
                    [](EditDurabilityFixture&, TEts2CdiFaults& link, const std::string&) {
                        link.FailBlobWrite();
                        return std::shared_ptr<void>();
                    }},
        // Another process holds the project's write lock for longer than the link waits.
        FailedStore{"ProjectLocked",
                    [](EditDurabilityFixture&, TEts2CdiFaults&, const std::string& project) {
                        auto other = std::make_shared<host::TProjectDatabase>(project);
                        other->Sql().Execute("BEGIN IMMEDIATE");
                        other->Sql().Execute("UPDATE project SET name = name");
                        return std::shared_ptr<void>(other, other.get());
                    }}),
    [](const ::testing::TestParamInfo<FailedStore>& info) { return std::string(info.param.name); });

// A small file system of its own, unmounted (lazily, whatever still holds it) with the object.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& folder) : folder_(folder)
    {
        std::filesystem::create_directories(folder);
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16m") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    // Takes every byte that is left.
    void Fill() const
    {
        std::FILE* filler = std::fopen((folder_ + "/filler").c_str(), "wb");
        if (filler == nullptr)
            return;
        const std::string chunk(64 * 1024, 'f');
        while (std::fwrite(chunk.data(), 1, chunk.size(), filler) == chunk.size() && std::fflush(filler) == 0) {
        }
        for (std::size_t n = 512; n > 0; n /= 2)
            while (std::fwrite(chunk.data(), 1, n, filler) == n && std::fflush(filler) == 0) {
            }
        std::fclose(filler);
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

using FullDiskTest = EditDurabilityFixture;

// The project lies on a disk that is full by the end of the edit; the program's own folder does not.
TEST_F(FullDiskTest, IsReturnedAsNotKeptAndTheBackupHoldsTheEdit)
{
    const SmallDisk disk(Folder + "disk");
    if (!disk.Mounted())
        GTEST_SKIP() << "no file system of its own can be mounted here (needs root); the injected write "
                        "failure of FailedStoreTest takes the same road";
    const std::string project = Folder + "disk/demo.ets";
    std::filesystem::copy_file(ProjectPath, project);
    ProjectPath = project;
    Open();
    const std::string before = StoredBlock();
    Change();
    disk.Fill();
    Dm->ABeenden->trigger();

    EXPECT_EQ(Link->ReturnsToEts(), std::vector<int>{0});
    EXPECT_NE(BackupBytes().find("DeviceName=" + EditedName), std::string::npos);
    Main.reset();
    EXPECT_EQ(StoredBlock(), before);
}

using StoredEditTest = EditDurabilityFixture;
using RestoreOfferTest = EditDurabilityFixture;

// Cut off after the block was stored and before the backup was: the backup holds less.
TEST_F(RestoreOfferTest, ABackupOlderThanTheStoredBlockIsNotOffered)
{
    Open();
    Change("Flur alt");
    ASSERT_TRUE(Main->SaveToFile("0"));
    Change("Flur neu");
    ASSERT_TRUE(Main->AktDevInst->WriteBlob());
    Crash();

    Ui.Answer({platform::IDYES});
    Open();
    EXPECT_FALSE(Offered());
    EXPECT_NE(StoredBlock().find("DeviceName=Flur neu"), std::string::npos);
}

TEST_F(RestoreOfferTest, ABackupNewerThanTheStoredBlockIsOffered)
{
    Open();
    Change();
    ASSERT_TRUE(Main->SaveToFile("0"));
    Crash();

    Ui.Answer({platform::IDNO});
    Open();
    EXPECT_TRUE(Offered());
}

// Nothing changed since the last store: the backup written with it holds nothing more.
TEST_F(RestoreOfferTest, ABackupWrittenWithTheStoredBlockIsNotOffered)
{
    Open();
    Change();
    Dm->ABeenden->trigger();
    ASSERT_EQ(Link->ReturnsToEts(), std::vector<int>{1});
    Open();
    Crash();

    Open();
    EXPECT_FALSE(Offered());
}

TEST_F(StoredEditTest, IsReturnedAsKept)
{
    Open();
    Change();
    Dm->ABeenden->trigger();
    EXPECT_EQ(Link->ReturnsToEts(), std::vector<int>{1});
    EXPECT_NE(StoredBlock().find("DeviceName=" + EditedName), std::string::npos);
}

} // namespace
