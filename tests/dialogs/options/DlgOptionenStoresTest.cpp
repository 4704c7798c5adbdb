// What OK stores: only what the user changed, and what the dialog showed.
#include "tests/dialogs/options/OptionsFixture.h"

#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <array>
#include <map>
#include <utility>

namespace optionstest {
namespace {

using TProfileRows = std::map<std::pair<std::string, std::string>, std::string>;

// Everything OK could change, taken before and after.
struct TStoredState {
    std::string SettingsFile;
    TProfileRows Profile;
    std::string DeviceText;
    std::string CharSet;
    std::array<bool, 6> Flags{};
    std::int32_t Lcid = 0;
    std::string DeviceTextFileName;
    bool operator==(const TStoredState&) const = default;
};

class StoresTest : public OptionsFixture {
protected:
    TStoredState State() const
    {
        TStoredState state;
        std::error_code error;
        state.SettingsFile = platform::ReadWholeFile(SettingsFile(), error).value_or("(none)");
        host::TSqlDatabase db(ProjectPath, host::TSqlDatabase::TOpenMode::Existing);
        host::TSqlStatement rows(db, "SELECT section, key, value FROM profile");
        while (rows.Step())
            state.Profile[{rows.Text(0), rows.Text(1)}] = rows.Text(2);
        state.DeviceText = Device->DeviceTextStream.Bytes();
        state.CharSet = Device->CharSetStream.Bytes();
        auto& f = state.Flags;
        Device->GetSystemFlags(f[0], f[1], f[2], f[3], f[4], f[5]);
        state.Lcid = Dm->DeviceTextLcid;
        state.DeviceTextFileName = Dm->DeviceTextFileName;
        return state;
    }

    // The dialog shown and active, as a person meets it.
    std::unique_ptr<TDlgOptionen> Show()
    {
        auto dialog = Open();
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get())) << "the options dialog did not become active";
        return dialog;
    }

    // Focuses the box and moves its choice with the arrow keys.
    static void ChooseWithKeys(QComboBox* combo, Qt::Key key, int times)
    {
        combo->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(QTest::qWaitFor([combo] { return combo->hasFocus(); }, 5000)) << "the box got no focus";
        for (int i = 0; i < times; ++i)
            QTest::keyClick(combo, key);
    }

    static void PressOk(TDlgOptionen& dialog)
    {
        QTest::mouseClick(dialog.BtnOk, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 5000)) << "OK did not close the dialog";
    }
};

struct TUntouchedCase {
    const char* name;
    bool storedMatches; // the profile's firmware and language entries name files the folders hold
};

class UntouchedOkTest : public StoresTest, public ::testing::WithParamInterface<TUntouchedCase> {};

TEST_P(UntouchedOkTest, LeavesSettingsProfileAndDeviceAsStored)
{
    Setting("Options", "AutoSaveMinuten", "25");
    Setting("Options", "GridAutoSize", "0");
    Setting("Options", "DlgOptRegKarte", "2");
    Profile("Download", "MaxRepeat", "5");
    if (!GetParam().storedMatches) {
        // As on a host that never stored them: the page falls back to the greatest listed id.
        Profile("Compiler", "UserFirmwareVersion", "0");
        Profile("UserFirmware", "2613", "Firmware\\gone.dat");
        Profile("DeviceText", "1031", "DeviceLanguage\\gone.dlg");
    }
    Device->SetSystemFlags(true, false, true, false, true, false);
    Device->DeviceTextStream = platform::TMemoryStream(std::string("device text in use"));
    const TStoredState before = State();

    const auto dialog = Show();
    PressOk(*dialog);
    EXPECT_EQ(dialog->result(), platform::IDOK);
    EXPECT_TRUE(Ui.boxes().empty());
    const TStoredState after = State();
    EXPECT_EQ(after.SettingsFile, before.SettingsFile);
    EXPECT_EQ(after.Profile, before.Profile);
    EXPECT_EQ(after.DeviceText, before.DeviceText);
    EXPECT_EQ(after.CharSet, before.CharSet);
    EXPECT_EQ(after.Flags, before.Flags);
    EXPECT_EQ(after.Lcid, before.Lcid);
    EXPECT_EQ(after.DeviceTextFileName, before.DeviceTextFileName);
}

INSTANTIATE_TEST_SUITE_P(Profiles, UntouchedOkTest,
                         ::testing::Values(TUntouchedCase{"Matching", true}, TUntouchedCase{"MatchingNothing", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoresTest, StoredFilesMatchingNothingShowNoEntry)
{
    Profile("UserFirmware", "2613", "Firmware\\gone.dat");
    Profile("DeviceText", "1031", "DeviceLanguage\\gone.dlg");
    const auto dialog = Open();
    EXPECT_EQ(dialog->CbxIdUserFirm->count(), 3);
    EXPECT_EQ(dialog->CbxIdUserFirm->currentIndex(), -1);
    EXPECT_EQ(dialog->CbxIdUserFirm->currentText(), "");
    EXPECT_EQ(dialog->PanelFileUserFirm->text(), "");
    EXPECT_EQ(dialog->CbxDeviceLanguageName->count(), 3);
    EXPECT_EQ(dialog->CbxDeviceLanguageName->currentIndex(), -1);
    EXPECT_EQ(dialog->CbxDeviceLanguageName->currentText(), "");
}

TEST_F(StoresTest, FirmwareChosenWithKeysIsShownAndStored)
{
    const auto dialog = Show();
    ChooseWithKeys(dialog->CbxIdUserFirm, Qt::Key_Down, 1);
    EXPECT_EQ(dialog->CbxIdUserFirm->currentText(), "vB.0 [2816]");
    EXPECT_EQ(dialog->PanelFileUserFirm->text(), " user_b00.dat");
    PressOk(*dialog);
    EXPECT_EQ(ProfileValue("Compiler", "UserFirmwareVersion"), "2816");
    EXPECT_EQ(ProfileValue("UserFirmware", "2816"), "Firmware\\user_b00.dat");
}

TEST_F(StoresTest, FirmwareChosenFromAnEmptyBoxIsStored)
{
    Profile("UserFirmware", "2613", "Firmware\\gone.dat");
    const auto dialog = Show();
    ChooseWithKeys(dialog->CbxIdUserFirm, Qt::Key_Down, 1);
    ASSERT_GE(dialog->CbxIdUserFirm->currentIndex(), 0);
    const std::string shown = platform::FromQString(dialog->PanelFileUserFirm->text());
    PressOk(*dialog);
    const auto id = ProfileValue("Compiler", "UserFirmwareVersion");
    ASSERT_TRUE(id);
    const std::string file = ProfileValue("UserFirmware", *id).value_or("");
    EXPECT_EQ(" " + file.substr(file.find_last_of('\\') + 1), shown);
}

TEST_F(StoresTest, ChosenLanguageIsShownAtTheNextOpening)
{
    {
        const auto dialog = Show();
        ChooseWithKeys(dialog->CbxDeviceLanguageName, Qt::Key_Down, 1);
        EXPECT_EQ(dialog->CbxDeviceLanguageName->currentText(), "Englisch");
        PressOk(*dialog);
    }
    EXPECT_EQ(Device->DeviceTextStream.Bytes(), "device text b_en.dlg");
    EXPECT_EQ(Dm->DeviceTextLcid, 1033);
    EXPECT_EQ(ProfileValue("DeviceText", "1033"), "DeviceLanguage\\b_en.dlg");

    Device->DeviceTextStream = platform::TMemoryStream(std::string("english in use"));
    const TStoredState before = State();
    const auto again = Show();
    EXPECT_EQ(again->CbxDeviceLanguageName->currentText(), "Englisch");
    PressOk(*again);
    EXPECT_EQ(State(), before);
}

} // namespace
} // namespace optionstest
