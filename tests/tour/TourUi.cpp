#include "tests/tour/TourUi.h"

#include "platform/Cp1252.h"
#include "platform/InputQueryDialog.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressDialog>
#include <QTest>

namespace tour {
namespace {

// The answer of Escape on a box of the style: its No or Cancel, OK when it has only that.
int EscapeAnswer(unsigned style)
{
    switch (style & 0x0F) {
    case platform::MB_OKCANCEL:
    case platform::MB_YESNOCANCEL:
    case platform::MB_RETRYCANCEL: return platform::IDCANCEL;
    case platform::MB_YESNO: return platform::IDNO;
    case platform::MB_ABORTRETRYIGNORE: return platform::IDABORT;
    default: return platform::IDOK;
    }
}

QProgressDialog* ShownProgress()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(window); progress != nullptr && progress->isVisible())
            return progress;
    return nullptr;
}

} // namespace

void TTourUi::Pump()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

int TTourUi::Present(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return Escape;
    Pump();
    // A nested window gets the same handler; the outer one keeps it.
    const TModalHandler handler = modal_;
    const int answer = handler ? handler(window) : Escape;
    window.hide();
    return answer;
}

int TTourUi::MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    QMessageBox box(QApplication::activeWindow());
    platform::SetUpMessageBox(box, text, caption, style);
    const int answer = Present(box);
    return answer == Escape ? EscapeAnswer(style) : answer;
}

int TTourUi::ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                                  const std::string& /*file*/, std::int32_t /*line*/,
                                  const std::string& /*function*/, unsigned style)
{
    QMessageBox box(QApplication::activeWindow());
    platform::SetUpMessageBox(box, text, caption, style);
    box.setDetailedText(platform::ToQString(detail));
    platform::FitMessageBoxCaption(box);
    const int answer = Present(box);
    return answer == Escape ? EscapeAnswer(style) : answer;
}

int TTourUi::ShowModal(QDialog& dialog)
{
    const int answer = Present(dialog);
    return answer == Escape ? platform::IDCANCEL : answer;
}

bool TTourUi::OpenFileDialog(platform::TFileDialogInfo& info)
{
    if (openFile_.empty())
        return false;
    info.FileName = openFile_;
    return true;
}

bool TTourUi::PrintDialog(QPrinter& printer)
{
    if (printFile_.empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printFile_));
    return true;
}

void TTourUi::ShowWindow(QWidget& window)
{
    window.show();
    Pump();
    if (modal_)
        modal_(window);
}

bool TTourUi::InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    platform::TInputQueryDialog dialog(caption, prompt, value, QApplication::activeWindow());
    if (Present(dialog) != platform::IDOK)
        return false;
    value = dialog.Value();
    return true;
}

void TTourUi::StartProgress(const platform::TProgressInfo& info, std::function<void()> onCancel)
{
    inner_.StartProgress(info, std::move(onCancel));
    HandProgress(0);
}

void TTourUi::SetProgress(std::int32_t step, const platform::TProgressInfo& info)
{
    inner_.SetProgress(step, info);
    HandProgress(step);
}

void TTourUi::HandProgress(std::int32_t step)
{
    QProgressDialog* shown = ShownProgress();
    if (shown == nullptr || !progress_)
        return;
    if (!QTest::qWaitForWindowExposed(shown))
        return;
    Pump();
    const TProgressHandler handler = progress_;
    handler(*shown, step);
}

} // namespace tour
