#include "platform/QtUiService.h"

#include "platform/CursorHourGlass.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Presses a button of the message box as soon as it runs its own loop.
void PressWhenShown(QMessageBox::StandardButton button, QString* shownText = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            PressWhenShown(button, shownText); // not up yet: try again on the next turn
            return;
        }
        if (shownText != nullptr)
            *shownText = box->windowTitle() + "|" + box->text();
        box->button(button)->click();
    });
}

TEST(QtUiService, MessageBoxAnswersWithTheWindowsCodes)
{
    platform::TQtUiService service;
    platform::TScopedUiService scope(service);

    QString shown;
    PressWhenShown(QMessageBox::No, &shown);
    EXPECT_EQ(platform::MessageBox("Gruppenadresse anlegen?", "Hinweis", platform::MB_YESNO), platform::IDNO);
    EXPECT_EQ(shown, "Hinweis|Gruppenadresse anlegen?");

    PressWhenShown(QMessageBox::Yes);
    EXPECT_EQ(platform::MessageBox("?", "Best\xE4tigen", platform::MB_YESNOCANCEL), platform::IDYES);

    PressWhenShown(QMessageBox::Ok, &shown);
    EXPECT_EQ(platform::ShowDetailMessageBox("Zeichensatz konnte nicht geladen werden!", "Talvo", "detail", "f.cpp", 3,
                                             "TDeviceInstanz::LoadCharSetData", platform::MB_ICONERROR),
              platform::IDOK);
    EXPECT_EQ(shown, "Talvo|Zeichensatz konnte nicht geladen werden!");
}

TEST(QtUiService, HourglassSetsTheOverrideCursorOnceAndTakesItBack)
{
    platform::TQtUiService service;
    platform::TScopedUiService scope(service);
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        platform::TCursorHourGlass outer;
        platform::TCursorHourGlass inner;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtUiService, ProgressDialogShowsStepsAndReportsCancel)
{
    platform::TQtUiService service{std::chrono::milliseconds{0}};
    int cancelled = 0;
    service.StartProgress({"Anwendung schliessen", "Bitte warten.", 9}, [&] {
        ++cancelled;
        service.StopProgress(); // the cancel handler may close the dialog at once
    });
    auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    service.SetProgress(3, {"Anwendung schliessen", "Schritt", 9});
    EXPECT_EQ(dialog->value(), 3);
    EXPECT_EQ(dialog->maximum(), 9);
    EXPECT_EQ(dialog->labelText(), "Schritt");

    const auto buttons = dialog->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    buttons.front()->click(); // the user cancels
    EXPECT_EQ(cancelled, 1);
    service.SetProgress(4, {}); // closed now: ignored
    service.StopProgress();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtUiService, QuickWorkShowsNoProgressAndRunsNoEvents)
{
    platform::TQtUiService service{std::chrono::seconds{30}}; // far longer than the steps, even under load
    QWidget behind;
    behind.show();
    bool ranDuringSteps = false;
    QTimer::singleShot(0, &behind, [&] { ranDuringSteps = true; });
    service.StartProgress({"Anwendung schliessen", "Bitte warten.", 9}, [] {});
    for (int step = 1; step <= 9; ++step)
        service.SetProgress(step, {"Anwendung schliessen", "Schritt", 9});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    service.StopProgress();
    EXPECT_FALSE(ranDuringSteps) << "the steps let pending events run";
}

TEST(QtUiService, LongWorkShowsTheProgressDialog)
{
    platform::TQtUiService service{std::chrono::milliseconds{50}};
    service.StartProgress({"Anwendung schliessen", "Bitte warten.", 9}, [] {});
    QProgressDialog* dialog = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        service.SetProgress(1, {"Anwendung schliessen", "Schritt", 9});
        dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr;
    });
    ASSERT_TRUE(shown) << "the progress dialog did not show after its delay";
    EXPECT_EQ(dialog->labelText(), "Schritt");
    service.StopProgress();
}

} // namespace
