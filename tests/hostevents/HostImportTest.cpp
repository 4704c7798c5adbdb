#include "tests/hostevents/HostEventFixture.h"

#include "app/Spredit.h"
#include "host/HostDeviceRows.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"

#include <filesystem>

namespace hosttest {
namespace {

namespace fs = std::filesystem;

class HostImport : public HostEventFixture {
protected:
    // A new device like device 1 (type 18) whose "DeviceId" parameter names the old id.
    std::int32_t NewDevice(std::int32_t oldId, bool copy = false) const
    {
        host::TProjectDatabase project(ProjectPath);
        const auto id = host::AddDevice(project.Sql(), 1, copy);
        host::SetDeviceIdParameter(project.Sql(), *id, oldId);
        return *id;
    }
    std::int32_t DeviceIdParameter(std::int32_t device) const
    {
        host::TProjectDatabase project(ProjectPath);
        host::TSqlStatement query(project.Sql(), "SELECT dp.value FROM device_parameter dp JOIN parameter p ON "
                                                 "p.id = dp.parameter_id WHERE p.name = 'DeviceId' AND dp.device_id = ?1");
        query.Bind(1, device);
        return query.Step() ? query.Int(0) : -1;
    }
    std::string ImportFolder() const { return Folder + "Import/"; }
    // Device 1 exported as the host does, under the old id in the import folder.
    std::string ExportedFile(std::int32_t oldId)
    {
        fs::create_directories(ImportFolder());
        const std::string file = ImportFolder() + std::to_string(oldId) + ".bup";
        EXPECT_TRUE(Main->SetDevice(1, false));
        EXPECT_TRUE(Main->SaveToFile(file));
        Link->Writes.clear();
        return file;
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : Ui.boxes())
            texts.push_back(box.text);
        return texts;
    }
};

TEST_F(HostImport, FileUnderTheOldIdImportsWithoutAQuestionAndGoes)
{
    Start();
    const std::string file = ExportedFile(4711);
    const std::int32_t device = NewDevice(4711);
    const std::string before = Block(device);
    const std::size_t boxes = Ui.boxes().size();
    EXPECT_TRUE(Main->ImportDevice(device));
    EXPECT_EQ(Ui.boxes().size(), boxes);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_NE(Block(device), before);
    ASSERT_GE(Link->Writes.size(), 2u);
    EXPECT_EQ(Link->Writes[0], "blob " + std::to_string(device));
    EXPECT_EQ(Link->Writes[1], "parameter " + std::to_string(device));
    EXPECT_EQ(DeviceIdParameter(device), device);
    EXPECT_FALSE(Link->MeterOpen());
    EXPECT_FALSE(Ui.progressOpen());
}

TEST_F(HostImport, MissingFileNamesTheOldIdAndOffersTheImportFolder)
{
    Start();
    const std::int32_t device = NewDevice(4711);
    Ui.AnswerFile(std::nullopt);
    EXPECT_FALSE(Main->ImportDevice(device));
    ASSERT_EQ(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[0].text, Spredit::Text9112 + "\nDeviceId = 4711");
    EXPECT_EQ(Ui.boxes()[0].caption, Spredit::Text9222);
    EXPECT_EQ(Ui.boxes()[0].style, 0u);
    EXPECT_EQ(Ui.boxes()[1].text.rfind(Spredit::Text9101 + "\n", 0), 0u);
    EXPECT_EQ(Ui.boxes()[1].style, platform::MB_ICONERROR);
    ASSERT_EQ(Ui.fileDialogs().size(), 1u);
    EXPECT_EQ(Ui.fileDialogs()[0].InitialDir, ImportFolder());
    EXPECT_NE(Ui.fileDialogs()[0].Filter.find("(*.bu18)|*.bu18|"), std::string::npos);
    EXPECT_FALSE(Link->MeterOpen());
}

TEST_F(HostImport, CancelOnTheMeterLeavesTheBlockAsItWas)
{
    Start();
    ExportedFile(4711);
    const std::int32_t device = NewDevice(4711);
    const std::string before = Block(device);
    Ui.CancelProgressAtStep(2);
    EXPECT_FALSE(Main->ImportDevice(device));
    EXPECT_EQ(Block(device), before);
    EXPECT_FALSE(Link->MeterOpen());
}

TEST_F(HostImport, UnreadableHostRecordDoesNothing)
{
    Start();
    const std::int32_t device = NewDevice(4711);
    Link->FailDeviceRecord = true;
    EXPECT_FALSE(Main->ImportDevice(device));
    EXPECT_TRUE(Ui.boxes().empty());
    EXPECT_TRUE(Main->MapDevInst.empty());
    EXPECT_TRUE(Link->Writes.empty());
    EXPECT_FALSE(Link->MeterOpen());
}

class HostCopy : public HostImport {};

TEST_F(HostCopy, WritesTheParameterBeforeTheBlockAndNamesItself)
{
    Start();
    const std::int32_t device = NewDevice(0, true);
    EXPECT_TRUE(Main->CopyDevice(device, 1, false));
    ASSERT_GE(Link->Writes.size(), 2u);
    EXPECT_EQ(Link->Writes[0], "parameter " + std::to_string(device));
    EXPECT_EQ(Link->Writes[1], "blob " + std::to_string(device));
    EXPECT_EQ(DeviceIdParameter(device), device);
    EXPECT_NE(Block(device), "");
    EXPECT_FALSE(Link->MeterOpen());
}

TEST_F(HostCopy, UnreadableSourceShowsTheCopyErrorAndWritesNothing)
{
    Start();
    const std::int32_t device = NewDevice(0, true);
    Link->FailBlobRead = true;
    EXPECT_FALSE(Main->CopyDevice(device, 1, false));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, Spredit::Text9100);
    EXPECT_EQ(Ui.boxes()[0].caption, Spredit::Text9220);
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_ICONERROR);
    EXPECT_TRUE(Link->Writes.empty());
    EXPECT_FALSE(Link->MeterOpen());
    EXPECT_FALSE(Ui.progressOpen());
}

} // namespace
} // namespace hosttest
