// The five entries of the serial-download library. Each shows its dialog modally, or, when
// SERIALLINK_ANSWERS names a file, answers from there without showing it and records the call.

#include "outside/seriallink/DlgDownloadRs232ConnectDevice.h"
#include "outside/seriallink/DlgDownloadRs232Options.h"
#include "outside/seriallink/DlgDownloadRs232Progress.h"
#include "outside/seriallink/DlgDownloadRs232Status.h"
#include "outside/seriallink/SerialLinkAnswers.h"
#include "outside/seriallink/SerialLinkRecords.h"
#include "platform/Cp1252.h"

#include <QApplication>
#include <QPointer>

#include <optional>
#include <string>

using seriallink::TSerialLinkAnswers;

namespace {

enum : std::int32_t { AnswerOk = 1, AnswerCancel = 2 };

// The caller hands its main window as the widget the dialogs belong to.
QWidget* ParentOf(void* mainWindow)
{
    return static_cast<QWidget*>(mainWindow);
}

std::string WindowOf(void* mainWindow)
{
    return mainWindow != nullptr ? "window=set" : "window=none";
}

// The one open progress dialog; its owner may delete it first.
QPointer<TDlgDownloadRs232Progress>& OpenProgress()
{
    static QPointer<TDlgDownloadRs232Progress> dialog;
    return dialog;
}

} // namespace

extern "C" {

std::int32_t _ShowDownloadRs232Options(void* mainWindow, tagDownloadRs232Options* options)
{
    if (options == nullptr)
        return AnswerCancel;
    TDlgDownloadRs232Options dialog(ParentOf(mainWindow));
    dialog.SetOptions(*options);
    std::int32_t result = AnswerCancel;
    if (const std::optional<TSerialLinkAnswers> answers = TSerialLinkAnswers::FromEnvironment()) {
        const TSerialLinkAnswers::TAnswer answer = answers->Take("options");
        tagDownloadRs232Options entered = *options;
        seriallink::ApplyOptionValues(answer.Values, entered);
        dialog.SetOptions(entered);
        result = answer.Result;
        answers->Record(std::string(seriallink::EntryShowOptions) + " " + WindowOf(mainWindow) + " " +
                        seriallink::DescribeOptions(*options) + " -> " + std::to_string(result));
    } else {
        result = dialog.exec() == QDialog::Accepted ? AnswerOk : AnswerCancel;
    }
    if (result == AnswerOk)
        *options = dialog.Options();
    return result;
}

std::int32_t _ShowDownloadRs232ConnectDevice(void* mainWindow, tagDownloadRs232Texts texts, std::int32_t flag)
{
    TDlgDownloadRs232ConnectDevice dialog(texts, ParentOf(mainWindow));
    if (const std::optional<TSerialLinkAnswers> answers = TSerialLinkAnswers::FromEnvironment()) {
        const std::int32_t result = answers->Take("connect").Result;
        answers->Record(std::string(seriallink::EntryShowConnectDevice) + " " + WindowOf(mainWindow) + " " +
                        seriallink::DescribeTexts(texts) + " flag=" + std::to_string(flag) + " -> " +
                        std::to_string(result));
        return result;
    }
    return dialog.exec() == QDialog::Accepted ? AnswerOk : AnswerCancel;
}

void* _ShowDownloadRs232ProgressDialog(void* mainWindow, tagDownloadRs232Texts texts)
{
    QPointer<TDlgDownloadRs232Progress>& open = OpenProgress();
    delete open.data();
    open = new TDlgDownloadRs232Progress(texts, ParentOf(mainWindow));
    if (const std::optional<TSerialLinkAnswers> answers = TSerialLinkAnswers::FromEnvironment()) {
        answers->Record(std::string(seriallink::EntryShowProgressDialog) + " " + WindowOf(mainWindow) + " " +
                        seriallink::DescribeTexts(texts));
    } else {
        open->show();
        QApplication::processEvents();
    }
    return open.data();
}

std::int32_t _ShowDownloadRs232StatusMessage(std::int32_t result, const char* text, std::int32_t flag1,
                                             std::int32_t flag2, std::int32_t continueMode, std::int32_t sound)
{
    const std::string message = text != nullptr ? text : "";
    TDlgDownloadRs232Status dialog(result != 0, message, continueMode != 0);
    if (const std::optional<TSerialLinkAnswers> answers = TSerialLinkAnswers::FromEnvironment()) {
        const std::int32_t answer = answers->Take("status").Result;
        answers->Record(std::string(seriallink::EntryShowStatusMessage) + " result=" + std::to_string(result) +
                        " text=\"" + platform::Cp1252ToUtf8(message) + "\" flag1=" + std::to_string(flag1) +
                        " flag2=" + std::to_string(flag2) + " continue=" + std::to_string(continueMode) +
                        " sound=" + std::to_string(sound) + " -> " + std::to_string(answer));
        return answer;
    }
    if (sound != 0)
        QApplication::beep();
    return dialog.Answer(dialog.exec());
}

void _CloseDownloadRs232ProgressDialog()
{
    QPointer<TDlgDownloadRs232Progress>& open = OpenProgress();
    if (const std::optional<TSerialLinkAnswers> answers = TSerialLinkAnswers::FromEnvironment())
        answers->Record(std::string(seriallink::EntryCloseProgressDialog) + (open ? " open" : " none"));
    // Deleted at once: the library may be unloaded right after.
    delete open.data();
}

} // extern "C"
