#include "tests/dialogs/options/OptionsFixture.h"

#include "dialogs/options/OptionsMessages.h"
#include "outside/datacore/MainWindowMessages.h"
#include "platform/Cp1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QApplication>

#include <fstream>

namespace optionstest {
namespace {

using Msg = testsupport::RecordingWindow::Message;

class DlgOptionenTest : public OptionsFixture {};

TEST_F(DlgOptionenTest, EmptySettingsFileShowsTheDefaults)
{
    const auto dialog = Open();
    EXPECT_TRUE(dialog->CBGridAutoSize->isChecked());
    EXPECT_FALSE(dialog->EditGridColDefSize->isEnabled());
    EXPECT_EQ(dialog->EditGridColDefSize->text(), "150");
    EXPECT_TRUE(dialog->CheckBoxAutoCell->isChecked());
    EXPECT_EQ(dialog->EditAutoCellRow->text(), "1");
    EXPECT_TRUE(dialog->CBAutoSave->isChecked());
    EXPECT_EQ(dialog->UpDownAutoSave->value(), 10);
    EXPECT_TRUE(dialog->RBInitNone->isChecked());
    EXPECT_TRUE(dialog->EditInitFile->text().isEmpty());
    EXPECT_FALSE(dialog->CBShowGlobalParameterTag->isChecked());
    EXPECT_EQ(dialog->PageControl->currentIndex(), 0);
    EXPECT_EQ(dialog->PageControl->tabText(0), "Tabelle");
    EXPECT_EQ(dialog->windowTitle(), "Optionen");
    EXPECT_EQ(dialog->KeySuffix(), "bu18");
    EXPECT_FALSE(dialog->BtnHelp->isEnabled());
}

struct StoredCase {
    const char* key;
    const char* stored;
    const char* shown;  // the control's text after opening
    const char* typed;  // typed into the field and left; nullptr: nothing typed
    const char* saved;  // the key after OK
};

class StoredValueTest : public OptionsFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValueTest, ShownAndStoredWithinTheirLimits)
{
    Setting("Options", GetParam().key, GetParam().stored);
    const auto dialog = Open();
    const std::string key = GetParam().key;
    QLineEdit* field = key == "AutoSaveMinuten" ? nullptr : dialog->EditAutoCellRow;
    if (field == nullptr)
        EXPECT_EQ(QString::number(dialog->UpDownAutoSave->value()), GetParam().shown);
    else
        EXPECT_EQ(field->text(), GetParam().shown);
    if (GetParam().typed != nullptr) {
        field->setText(GetParam().typed);
        dialog->EditAutoCellRowExit();
        EXPECT_EQ(field->text(), "1");
    }
    dialog->BtnOk->click();
    EXPECT_EQ(ReadSetting("Options", key), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Clamps, StoredValueTest,
                         ::testing::Values(StoredCase{"AutoSaveMinuten", "90", "60", nullptr, "60"},
                                           StoredCase{"AutoSaveMinuten", "0", "1", nullptr, "1"},
                                           StoredCase{"TabelAutoCellActivateRowNumber", "4", "5", nullptr, "4"},
                                           StoredCase{"TabelAutoCellActivateRowNumber", "4", "5", "0", "0"},
                                           StoredCase{"TabelAutoCellActivateRowNumber", "4", "5", "-3", "0"},
                                           StoredCase{"TabelAutoCellActivateRowNumber", "4", "5", "x", "0"}));

class ColumnWidthTest : public OptionsFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(ColumnWidthTest, WidthThatIsNoPositiveNumberKeepsTheOldOne)
{
    Setting("Options", "GridAutoSize", "0");
    Setting("Options", "GridColDefSize", "120");
    const auto dialog = Open();
    dialog->EditGridColDefSizeEnter();
    dialog->EditGridColDefSize->setText(GetParam());
    dialog->EditGridColDefSizeExit();
    EXPECT_EQ(Dm->GridColDefWidth, 120);
    EXPECT_EQ(dialog->EditGridColDefSize->text(), GetParam());
    dialog->EditGridColDefSize->setText("90");
    dialog->EditGridColDefSizeExit();
    EXPECT_EQ(Dm->GridColDefWidth, 90);
}

INSTANTIATE_TEST_SUITE_P(Texts, ColumnWidthTest, ::testing::Values("0", "-1", "ab"));

TEST_F(DlgOptionenTest, PageAndGridLines)
{
    Setting("Options", "DlgOptRegKarte", "7");
    Setting("Options", "Gitternetzlinien", "2");
    Dm->GridLineWidth = 2;
    const auto dialog = Open();
    EXPECT_EQ(dialog->PageControl->currentIndex(), 0);
    EXPECT_TRUE(dialog->CBGridLine->isChecked());
    EXPECT_EQ(Dm->GridLineWidth, 1);
    dialog->PageControl->setCurrentIndex(2);
    dialog->BtnOk->click();
    EXPECT_EQ(ReadSetting("Options", "DlgOptRegKarte"), "2");
    EXPECT_EQ(ReadSetting("Options", "Gitternetzlinien"), "1");
}

TEST_F(DlgOptionenTest, OkSendsColoursThenSizesAndStoresColoursAsSignedDecimals)
{
    Dm->GridColorCommon = clBtnFace;
    Dm->GridColorCell = 0x00E1FFFF;
    const auto dialog = Open();
    Ui.AnswerColor(QColor(0x10, 0x20, 0x30));
    dialog->PnlColorDblClick(2);
    EXPECT_EQ(Dm->GridColorTitle, 0x00302010);
    ASSERT_EQ(Ui.customColors().size(), 2u);
    EXPECT_EQ(Ui.customColors()[0], QColor(0xFF, 0xFF, 0xE1));
    dialog->BtnOk->click();
    const std::vector<Msg> sent = Messages();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0], (Msg{options::WM_USER_LOADCOLOR, 0, 0}));
    EXPECT_EQ(sent[1], (Msg{options::WM_USER_LOADSIZE, 0, 0}));
    EXPECT_EQ(Count(WM_USER_UPDATEALLVIEWS), 0);
    EXPECT_EQ(ReadSetting("Options", "ColorGridCommmon"), "-2147483633");
    EXPECT_EQ(ReadSetting("Options", "ColorGridCell"), std::to_string(0x00E1FFFF));
    EXPECT_EQ(ReadSetting("Options", "ColorGridTitle"), std::to_string(0x00302010));
    EXPECT_EQ(dialog->result(), platform::IDOK);
}

TEST_F(DlgOptionenTest, OkRestartsTheAutoSaveTimerWithTheNewInterval)
{
    const auto dialog = Open();
    dialog->UpDownAutoSave->setValue(25);
    dialog->BtnOk->click();
    EXPECT_TRUE(Dm->fAutoSave);
    EXPECT_EQ(Dm->AutoSaveMinutes, 25);
    EXPECT_EQ(Dm->GetTimerAutoSave().Interval(), 25 * 60000);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
    EXPECT_EQ(ReadSetting("Options", "AutoSaveMinuten"), "25");
}

TEST_F(DlgOptionenTest, ChangedMarkPostsOneRefreshOfAllViews)
{
    Dm->fEnableGlobalParameter = true;
    Dm->fShowGlobalParameterTag = false;
    const auto dialog = Open();
    EXPECT_TRUE(dialog->CBShowGlobalParameterTag->isVisibleTo(dialog.get()));
    dialog->CBShowGlobalParameterTag->setChecked(true);
    dialog->BtnOk->click();
    EXPECT_EQ(Count(WM_USER_UPDATEALLVIEWS), 1);
    EXPECT_EQ(Target.messages().back(),
              (Msg{WM_USER_UPDATEALLVIEWS, static_cast<platform::WPARAM>(-1), static_cast<platform::LPARAM>(-1)}));
    EXPECT_TRUE(Dm->fShowGlobalParameterTag);
}

TEST_F(DlgOptionenTest, MissingInitialisationFileStoresModeZeroAndKeepsTheFileKey)
{
    Setting("Initialisierung", "InitFileCreate_bu18", "/old/file.bu18");
    Setting("Initialisierung", "Modus_bu18", "2");
    const auto dialog = Open();
    dialog->RBInitFile->setChecked(true);
    EXPECT_TRUE(dialog->EditInitFile->isEnabled());
    dialog->EditInitFile->setText(QString::fromStdString(Folder + "missing.bu18"));
    dialog->BtnOk->click();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Fehler: InitialisierungsdateiDatei nicht gefunden.\n" + Folder
                                      + "missing.bu18\nData wurde nicht gespeichert.");
    EXPECT_EQ(Ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(ReadSetting("Initialisierung", "Modus_bu18"), "0");
    EXPECT_EQ(ReadSetting("Initialisierung", "InitFileCreate_bu18"), "/old/file.bu18");
    EXPECT_EQ(dialog->result(), platform::IDOK);
}

TEST_F(DlgOptionenTest, ExistingInitialisationFileIsStoredUnderTheWholeTypeNumber)
{
    Main->AktDevInst = nullptr;
    Device = AddDevice(3);
    Setting("Initialisierung", "Modus_bu17", "1");
    const std::string file = Folder + "chosen.bu117";
    std::ofstream(file) << "x";
    const auto dialog = Open();
    EXPECT_EQ(dialog->KeySuffix(), "bu117");
    EXPECT_TRUE(dialog->RBInitAsk->isChecked());
    Ui.AnswerFile(file);
    dialog->RBInitFile->setChecked(true);
    dialog->BtnInitFile->click();
    ASSERT_EQ(Ui.fileDialogs().size(), 1u);
    EXPECT_EQ(Ui.fileDialogs()[0].Filter,
              Device->GetDeviceName() + " (*.bu117)|*.bu117|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(Ui.fileDialogs()[0].Title, "117:Initialisierungsdatei ausw\xE4hlen");
    EXPECT_EQ(Ui.fileDialogs()[0].DefaultExt, "bu117");
    dialog->BtnOk->click();
    EXPECT_EQ(ReadSetting("Initialisierung", "Modus_bu117"), "2");
    EXPECT_EQ(ReadSetting("Initialisierung", "InitFileCreate_bu117"), file);
}

TEST_F(DlgOptionenTest, FlagsOneToThreeFromTheBoxesTheOthersKept)
{
    Device->SetSystemFlags(false, false, true, true, false, true);
    const auto dialog = Open();
    EXPECT_FALSE(dialog->CheckBoxKeepUserParameter->isEnabled());
    EXPECT_TRUE(dialog->CheckBoxKeepUserParameter->isChecked());
    EXPECT_FALSE(dialog->CheckBoxKeepScenesParameter->isChecked());
    dialog->CheckBoxAllTransfer->setChecked(true);
    dialog->CheckBoxKeepUserParameter->setChecked(false);
    dialog->CheckBoxKeepScenesParameter->setChecked(true);
    dialog->BtnOk->click();
    bool flags[6] = {};
    Device->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    EXPECT_TRUE(flags[0]);
    EXPECT_TRUE(flags[1]);
    EXPECT_FALSE(flags[2]);
    EXPECT_TRUE(flags[3]);
    EXPECT_FALSE(flags[4]);
    EXPECT_TRUE(flags[5]);
}

enum class Ending { CancelButton, CloseBox, Escape };

class CancelTest : public OptionsFixture, public ::testing::WithParamInterface<Ending> {};

TEST_P(CancelTest, TakesBackColoursLinesAndColumnWidth)
{
    Setting("Options", "GridAutoSize", "1");
    Setting("Options", "GridColDefSize", "150");
    Dm->GridColorCell = clWhite;
    Dm->GridLineWidth = 1;
    const auto dialog = Open();
    Ui.AnswerColor(QColor(Qt::red));
    dialog->PnlColorDblClick(1);
    dialog->CBGridLine->setChecked(false);
    dialog->CBGridAutoSize->setChecked(false);
    dialog->EditGridColDefSizeEnter();
    dialog->EditGridColDefSize->setText("80");
    dialog->EditGridColDefSizeExit();
    EXPECT_EQ(Dm->GridColorCell, 0x000000FF);
    switch (GetParam()) {
    case Ending::CancelButton: dialog->BtnCancel->click(); break;
    case Ending::CloseBox: dialog->reject(); break;
    case Ending::Escape: {
        dialog->show();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &escape);
        break;
    }
    }
    EXPECT_EQ(dialog->result(), platform::IDCANCEL);
    EXPECT_EQ(Dm->GridColorCell, clWhite);
    EXPECT_EQ(Dm->GridLineWidth, 1);
    EXPECT_TRUE(Dm->fGridAutoSize);
    EXPECT_EQ(Dm->GridColDefWidth, 150);
    EXPECT_EQ(Target.messages().back(), (Msg{options::WM_USER_LOADCOLOR, 0, 0}));
    EXPECT_FALSE(ReadSetting("Options", "ColorGridCell"));
}

INSTANTIATE_TEST_SUITE_P(Endings, CancelTest,
                         ::testing::Values(Ending::CancelButton, Ending::CloseBox, Ending::Escape));

} // namespace
} // namespace optionstest
