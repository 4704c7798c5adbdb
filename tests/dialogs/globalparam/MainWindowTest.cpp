#include "app/HubMessages.h"
#include "dialogs/project/DlgGlobalParameter.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/app/FrameFixture.h"
#include "tests/dialogs/globalparam/MarkedObject.h"
#include "views/DrawGridSEView.h"
#include "platform/FileIo.h"
#include "platform/MemoryStream.h"
#include "views/TreeNode.h"

#include <QAction>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using globalparamtest::TMarkedObject;

// The wizard as the running program reaches it: the configuration window's popup command, and
// the main window handing the dialog its rebuilds.
class MainWindowGlobalParameter : public frametest::FrameFixture {
protected:
    MainWindowGlobalParameter()
    {
        Start();
        AddDevice(1);
        node.SetData(&object);
        Windows.Made.front()->Selected = &object;
        Windows.Made.front()->SelectedTreeNode = &node;
    }

    TMarkedObject object{10, 1};
    TTreeNode node;
};

TEST_F(MainWindowGlobalParameter, TheCommandOpensStepOneAndTheMainWindowRebuildsIt)
{
    bool opened = false;
    bool enabledAfterRebuild = false;
    Ui.OnModal([&](QDialog& dialog) {
        auto* step1 = dynamic_cast<TDlgGlobalParameter*>(&dialog);
        if (!step1)
            return 2;
        opened = true;
        EXPECT_TRUE(object.GetGlobalParameterMode());
        object.SetGlobalParameterValue(TMarkedObject::tagBetrieb, gpvAendern);
        platform::SendMessage(Main->GetHandle(), WM_USER_GLOBALPARAMETERINITDATA, 2, 0);
        enabledAfterRebuild = step1->BtnNext->isEnabled();
        step1->BtnCancel->click();
        return step1->result();
    });
    DM->AGlobalParameter->setEnabled(true);
    DM->AGlobalParameter->trigger();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(enabledAfterRebuild);
    EXPECT_FALSE(object.GetGlobalParameterMode()) << "two columns again afterwards";
    // The dialog is gone: the message is ignored.
    EXPECT_EQ(platform::SendMessage(Main->GetHandle(), WM_USER_GLOBALPARAMETERINITDATA, 2, 0), 0);
}

TEST_F(MainWindowGlobalParameter, NothingWithoutASelectedNode)
{
    Windows.Made.front()->SelectedTreeNode = nullptr;
    int shown = 0;
    Ui.OnModal([&shown](QDialog&) { return ++shown, 2; });
    Main->CreateDlgGlobalParameter();
    EXPECT_EQ(shown, 0);
}

} // namespace

namespace {

using SaveBackup = MainWindowGlobalParameter;

TEST_F(SaveBackup, WritesTheStreamCreatingTheFolders)
{
    platform::TMemoryStream stream;
    stream.Write(std::string_view("<DB>\r\n</DB>\r\n"));
    const std::string file = Folder + "Vantu/GlobalParameter/01_01_002_2.gps";
    EXPECT_TRUE(Main->SaveGlobalParameterToFile(stream, file));
    EXPECT_EQ(platform::ReadWholeFile(file), stream.Bytes());
    EXPECT_FALSE(Main->SaveGlobalParameterToFile(stream, "")) << "no name";
}

TEST_F(SaveBackup, AFolderThatCannotBeMadeIsTold)
{
    platform::WriteFileAtomically(Folder + "Sperre", "x");
    platform::TMemoryStream stream;
    const std::string file = Folder + "Sperre/01_01_002_2.gps";
    EXPECT_FALSE(Main->SaveGlobalParameterToFile(stream, file));
    ASSERT_EQ(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[0].text, "Cannot create save file:\n" + file);
    EXPECT_EQ(Ui.boxes()[0].caption, "Error Autosave");
    EXPECT_EQ(Ui.boxes()[1].text, "Fehler beim Schreiben der Datei.\n" + file);
    EXPECT_EQ(Ui.boxes()[1].caption, "Hinweis");
}

TEST_F(SaveBackup, AFileThatCannotBeWrittenIsTold)
{
    const std::string file = Folder + "Ordner";
    std::filesystem::create_directories(file + "/darin");
    platform::TMemoryStream stream;
    EXPECT_FALSE(Main->SaveGlobalParameterToFile(stream, file));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Fehler beim Schreiben der Datei.\n" + file);
    EXPECT_EQ(Ui.boxes()[0].caption, "Hinweis");
    EXPECT_TRUE(std::filesystem::is_directory(file + "/darin")) << "nothing stored is lost";
}

} // namespace
