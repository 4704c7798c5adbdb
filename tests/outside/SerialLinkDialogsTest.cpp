#include "outside/seriallink/DlgDownloadRs232ConnectDevice.h"
#include "outside/seriallink/DlgDownloadRs232Options.h"
#include "outside/seriallink/DlgDownloadRs232Progress.h"
#include "outside/seriallink/DlgDownloadRs232Status.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

tagDownloadRs232Texts Texts()
{
    tagDownloadRs232Texts texts{};
    std::strcpy(texts.PhysAddr, "1.1.12");
    std::strcpy(texts.Text, "Serieller Download");
    std::strcpy(texts.DeviceName, "Tastsensor B\xfc" "ro 2.OG");
    return texts;
}

bool Save(QWidget& dialog, const char* name)
{
    const QString folder = QStringLiteral(PANELCONF_SCREENSHOT_DIR "/serial");
    QDir().mkpath(folder);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return false;
    return dialog.grab().save(folder + QLatin1Char('/') + QLatin1String(name));
}

QPushButton* ButtonWithText(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

TEST(SerialLinkDialogs, TheOptionsComeBackAsTheUserSetThem)
{
    tagDownloadRs232Options given{};
    given.ComPort = 3;
    given.Baud = 38400;
    given.LineSetting = 3;
    given.AskForConnection = true;
    given.DownloadMode = 2;
    TDlgDownloadRs232Options dialog;
    dialog.SetOptions(given);
    const tagDownloadRs232Options unchanged = dialog.Options();
    EXPECT_EQ(0, std::memcmp(&given, &unchanged, sizeof given)) << "unchanged when the user changes nothing";

    dialog.findChildren<QCheckBox*>().at(0)->setChecked(true); // continue mode
    const tagDownloadRs232Options taken = dialog.Options();
    EXPECT_TRUE(taken.ContinueMode);
    EXPECT_EQ(38400u, taken.Baud);
    EXPECT_TRUE(Save(dialog, "options.png"));
}

TEST(SerialLinkDialogs, AValueTheListsDoNotHoldIsKept)
{
    tagDownloadRs232Options given{};
    given.Baud = 4800;
    given.DownloadMode = 0x41;
    TDlgDownloadRs232Options dialog;
    dialog.SetOptions(given);
    EXPECT_EQ(4800u, dialog.Options().Baud);
    EXPECT_EQ(0x41, dialog.Options().DownloadMode);
}

struct StatusCase {
    const char* name;
    bool continueMode;
    const char* button;
    int answer;
};

class SerialLinkStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(SerialLinkStatus, TheButtonGivesTheAnswer)
{
    const StatusCase& c = GetParam();
    TDlgDownloadRs232Status dialog(true, "Download erfolgreich abgeschlossen!", c.continueMode);
    dialog.show();
    QPushButton* button = ButtonWithText(dialog, QString::fromUtf8(c.button));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(c.answer, dialog.Answer(dialog.result()));
}

INSTANTIATE_TEST_SUITE_P(Buttons, SerialLinkStatus,
                         ::testing::Values(StatusCase{"Ok", false, "OK", 1},
                                           StatusCase{"NextDevice", true, "Nächstes Gerät", 6},
                                           StatusCase{"End", true, "Beenden", 7}),
                         [](const ::testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST(SerialLinkDialogs, ClosingTheStatusEndsTheRow)
{
    TDlgDownloadRs232Status dialog(false, "x", true);
    EXPECT_EQ(7, dialog.Answer(0));
    TDlgDownloadRs232Status single(false, "x", false);
    EXPECT_EQ(1, single.Answer(0));
}

TEST(SerialLinkDialogs, Screenshots)
{
    TDlgDownloadRs232ConnectDevice connect(Texts());
    EXPECT_TRUE(Save(connect, "connect_device.png"));
    TDlgDownloadRs232Progress progress(Texts());
    EXPECT_TRUE(Save(progress, "progress.png"));
    TDlgDownloadRs232Status success(true, "Download erfolgreich abgeschlossen!", true);
    EXPECT_TRUE(Save(success, "status.png"));
    TDlgDownloadRs232Status failure(false, "Download fehlerhaft oder durch Benutzer abgebrochen!", false);
    EXPECT_TRUE(Save(failure, "status_failed.png"));
}

} // namespace
