// Damaged files on the roads of the main window: the backup restore and the host's ImportDevice
// event refuse them with one message that names the file, and the device stays as it was in the
// model and in the project.
#include "tests/hostevents/HostEventFixture.h"

#include "app/Spredit.h"
#include "host/DeviceDump.h"
#include "host/HostDeviceRows.h"
#include "host/ProjectDatabase.h"
#include "platform/FileIo.h"
#include "tests/support/DamagedBlocks.h"
#include "tests/support/DeviceProject.h"

#include <filesystem>
#include <sstream>

namespace hosttest {
namespace {

namespace fs = std::filesystem;
using testsupport::Damage;

constexpr std::int32_t Kueche = 3;

class DamagedFile : public HostEventFixture, public ::testing::WithParamInterface<Damage> {
protected:
    void StartWithProduct()
    {
        Start();
        platform::WriteFileAtomically(Dm->CharSetFileName, testsupport::DeviceProject::CharSet());
        platform::WriteFileAtomically(Dm->DeviceTextFileName, testsupport::DeviceProject::DeviceText());
    }
    // The device as the project holds it: its dump and its block.
    std::string Dump(std::int32_t id) const
    {
        host::TProjectDatabase db(ProjectPath);
        std::ostringstream out;
        host::DumpDevice(db.Sql(), id, out);
        return out.str() + Block(id);
    }
    // The model's records, each as its line.
    std::vector<std::string> Records() const
    {
        TDeviceInstanz::TRecordTable table("", 0);
        const std::uint8_t source = Main->AktDevInst->DataSrc;
        Main->AktDevInst->DataSrc = TDeviceInstanz::dsDatabase;
        Main->AktDevInst->CopyStrukturDatenToDB(&table, nullptr);
        Main->AktDevInst->DataSrc = source;
        std::vector<std::string> lines;
        for (const auto& [key, record] : table.GetRecords())
            lines.push_back(record.ToString());
        return lines;
    }
    static std::string Read(const std::string& path)
    {
        platform::TMemoryStream stream;
        stream.LoadFromFile(path);
        return stream.Bytes();
    }
    // The box of the refusal, and that it is the only one of its kind.
    void ExpectRefusal(std::size_t from, const std::string& file, const std::string& caption) const
    {
        std::size_t refusals = 0;
        for (std::size_t i = from; i < Ui.boxes().size(); ++i) {
            const auto& box = Ui.boxes()[i];
            if (box.text.rfind(Spredit::Text9125, 0) != 0)
                continue;
            ++refusals;
            EXPECT_EQ(box.text.rfind(Spredit::Text9125 + file + "\n", 0), 0u) << box.text;
            EXPECT_NE(box.text.find(GetParam().Reason), std::string::npos) << box.text;
            EXPECT_EQ(box.caption, caption);
        }
        EXPECT_EQ(refusals, 1u);
    }
};

TEST_P(DamagedFile, TheRestoreRefusesItAndChangesNothing)
{
    StartWithProduct();
    ASSERT_TRUE(Main->SetDevice(Kueche, false));
    ASSERT_TRUE(Main->SaveToFile("0"));
    const std::string backup = Main->AktDevInst->AutoSaveFile;
    platform::WriteFileAtomically(backup, GetParam().Make(Read(backup)));
    const std::string dump = Dump(Kueche);
    const std::vector<std::string> records = Records();
    const std::size_t objects = Main->AktDevInst->GetDataPointerMap().size();
    const std::size_t boxes = Ui.boxes().size();

    Main->RestoreSaveCopy();

    ExpectRefusal(boxes, backup, Spredit::Text9018);
    bool failureTold = false;
    for (std::size_t i = boxes; i < Ui.boxes().size(); ++i)
        failureTold = failureTold || Ui.boxes()[i].text == Spredit::Text9150;
    EXPECT_TRUE(failureTold);
    EXPECT_EQ(Dump(Kueche), dump);
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(Main->AktDevInst->GetDataPointerMap().size(), objects);
}

TEST_P(DamagedFile, TheHostsImportAnswersZeroAndChangesNothing)
{
    StartWithProduct();
    ASSERT_TRUE(Main->SetDevice(1, false));
    // The host's import folder, where it puts the device's export under the old id.
    fs::create_directories(Folder + "Import/");
    const std::string file = Folder + "Import/4711.bup";
    ASSERT_TRUE(Main->SaveToFile(file));
    platform::WriteFileAtomically(file, GetParam().Make(Read(file)));
    std::int32_t device = 0;
    {
        host::TProjectDatabase project(ProjectPath);
        device = *host::AddDevice(project.Sql(), 1, false);
        host::SetDeviceIdParameter(project.Sql(), device, 4711);
    }
    const std::string dump = Dump(device);
    const std::size_t boxes = Ui.boxes().size();

    bool returnNow = false;
    std::int32_t result = -1;
    Main->OnCdiImportDevice(returnNow, result, device);

    EXPECT_TRUE(returnNow);
    EXPECT_EQ(result, 0);
    ExpectRefusal(boxes, file, Spredit::Text9222);
    EXPECT_EQ(Dump(device), dump);
    EXPECT_TRUE(fs::exists(file));
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFile, ::testing::ValuesIn(testsupport::DamagedBlocks()),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.Name); });

} // namespace
} // namespace hosttest
