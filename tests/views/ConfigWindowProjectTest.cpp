#include "app/DataModule.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/TempDir.h"
#include "tests/views/TreeTestSupport.h"
#include "views/FormVerw.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <memory>
#include <string>

namespace {

// Two configuration windows on a device of the stand-in host's demo project, filled by the
// product's device model from the device's data block.
class ConfigWindowsOnTheProject : public ::testing::Test {
protected:
    ConfigWindowsOnTheProject()
    {
        EXPECT_TRUE(project_.StoreDevice(9));
        ::setenv("PANELCONF_HOME", home_.path().c_str(), 1);
        dm_ = std::make_unique<TDM>(nullptr);
        project_.MainWindow().Windows = {&first_, &second_};
    }
    ~ConfigWindowsOnTheProject() override
    {
        project_.MainWindow().Windows.clear();
        ::unsetenv("PANELCONF_HOME");
    }

    std::unique_ptr<testsupport::ProjectDevice> Load()
    {
        auto device = project_.MakeDevice();
        EXPECT_TRUE(device->GetDataFromServer(project_.Window(), true));
        return device;
    }

    testsupport::DeviceProject project_;
    testsupport::TempDir home_;
    std::unique_ptr<TDM> dm_;
    TFormVerw first_{nullptr, 0};
    TFormVerw second_{nullptr, 1};
};

TEST_F(ConfigWindowsOnTheProject, TheDeviceModelFillsBothWindowsAndTheFolderOpensThroughTheLoad)
{
    const auto device = Load();
    for (const TFormVerw* window : {&first_, &second_}) {
        ASSERT_EQ(window->Tree->TopLevelNodes().size(), 2u);
        EXPECT_EQ(window->Tree->TopLevelNodes().front()->Data(), device->GetDevice());
        EXPECT_EQ(window->Tree->TopLevelNodes().front()->Count(), 5); // display, date sending, three objects
        EXPECT_EQ(window->GetSelData(), device->GetDevice());
    }
    TTreeNode* folder = first_.GetNodeFromData(device->GrpAdrOrdner.get());
    ASSERT_NE(folder, nullptr);
    EXPECT_FALSE(device->GrpAdrLoaded);
    folder->Expand(false);
    EXPECT_TRUE(device->GrpAdrLoaded);
    EXPECT_TRUE(folder->isExpanded());
    ASSERT_GT(folder->Count(), 0);
    EXPECT_GT(folder->Item(0)->Count(), 0) << "each main group shows what lies below it";
}

TEST_F(ConfigWindowsOnTheProject, ExpandedNodesGoIntoTheBlockPerWindowAndComeBack)
{
    auto device = Load();
    TDataBasis* system = device->GetDevice();
    TDataBasis* display = first_.GetNodeFromData(system)->Item(0)->Data();
    first_.GetNodeFromData(system)->Expand(false);
    first_.GetNodeFromData(device->GrpAdrOrdner.get())->Expand(false);
    second_.GetNodeFromData(system)->Expand(false);
    second_.SelectNode(display);

    ASSERT_TRUE(device->GetStatusFormAllFormVerw());
    EXPECT_EQ(first_.ExpandedTreeNodes(), std::list<int>{system->GetHandle()}) << "no group-address node";
    EXPECT_EQ(second_.ExpandedTreeNodes(), std::list<int>{system->GetHandle()});
    ASSERT_TRUE(device->WriteBlob());
    const std::string block = project_.StoredBlock();
    const std::string handle = std::to_string(system->GetHandle());
    EXPECT_NE(block.find("<ExpandedTreeNodes 0>\r\n" + handle + "\r\n</ExpandedTreeNodes 0>"), std::string::npos);
    EXPECT_NE(block.find("<ExpandedTreeNodes 1>\r\n" + std::to_string(display->GetHandle()) + "\r\n" + handle +
                         "\r\n</ExpandedTreeNodes 1>"),
              std::string::npos);

    // Editing ends as the frame ends it; the next hand-over reads the lists back.
    const int systemHandle = system->GetHandle();
    const int displayHandle = display->GetHandle();
    for (TFormVerw* window : {&first_, &second_}) {
        window->SetListExpandedTreeNodes(std::list<int>{});
        window->DeleteTreeViewNodes();
    }
    device.reset();
    const auto reloaded = Load();
    EXPECT_EQ(first_.ExpandedTreeNodes(), std::list<int>{systemHandle});
    EXPECT_EQ(second_.ExpandedTreeNodes(), (std::list<int>{displayHandle, systemHandle}));
}

// An import replaces every data object: the windows show the new ones only, none of the old.
TEST_F(ConfigWindowsOnTheProject, AnImportRebuildsBothWindowsOnTheNewObjectsOnly)
{
    testsupport::AddProductTemplate(project_.ProjectPath());
    // The new device's character set and device text: the project's files.
    dm_->CharSetFileName = project_.Folder() + "Cs01252.ezs";
    dm_->DeviceTextFileName = project_.Folder() + "Dl0407.dlg";
    {
        const auto made = project_.MakeDevice(3);
        ASSERT_TRUE(made->CreateNewDevice(project_.Window())) << project_.LastBox();
        ASSERT_TRUE(made->WriteBlob());
    }
    const auto device = project_.MakeDevice(3);
    ASSERT_TRUE(device->GetDataFromServer(project_.Window(), true));
    ASSERT_FALSE(first_.Tree->TopLevelNodes().empty());
    const std::size_t topLevel = first_.Tree->TopLevelNodes().size();
    const int functions = first_.Tree->TopLevelNodes().front()->Count();
    ASSERT_GT(functions, 0);
    platform::TMemoryStream exported;
    {
        TDeviceInstanz::TRecordTable records("", 0);
        device->CopyStrukturDatenToDB(&records, &exported);
    }
    exported.SetPosition(0);
    ASSERT_TRUE(device->SorvImport(&exported, false)) << project_.LastBox();
    for (const TFormVerw* window : {&first_, &second_}) {
        ASSERT_EQ(window->Tree->TopLevelNodes().size(), topLevel);
        EXPECT_EQ(window->Tree->TopLevelNodes().front()->Data(), device->GetDevice());
        EXPECT_EQ(window->Tree->TopLevelNodes().front()->Count(), functions);
    }
}

} // namespace
