#include "platform/QtUiService.h"

#include "platform/Cp1252.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>

namespace platform {
namespace {

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(unsigned style)
{
    switch (style & 0x0F) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_ABORTRETRYIGNORE: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    case MB_RETRYCANCEL: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::StandardButton FirstButtonOf(unsigned style)
{
    switch (style & 0x0F) {
    case MB_ABORTRETRYIGNORE: return QMessageBox::Abort;
    case MB_YESNOCANCEL:
    case MB_YESNO: return QMessageBox::Yes;
    case MB_RETRYCANCEL: return QMessageBox::Retry;
    default: return QMessageBox::Ok;
    }
}

int AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}

Qt::CursorShape ShapeOf(TCursor cursor)
{
    return cursor == crHourGlass ? Qt::WaitCursor : Qt::ArrowCursor;
}

int Run(QMessageBox& box, unsigned style)
{
    box.setIcon(IconOf(style));
    box.setStandardButtons(ButtonsOf(style));
    box.setDefaultButton(FirstButtonOf(style));
    return AnswerOf(box.exec());
}

} // namespace

TQtUiService::~TQtUiService()
{
    onCancel_ = nullptr;
    delete progress_.data();
    if (cursor_ != crDefault)
        QApplication::restoreOverrideCursor();
}

int TQtUiService::MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(ToQString(caption));
    box.setText(ToQString(text));
    return Run(box, style);
}

int TQtUiService::ShowDetailMessageBox(const std::string& text, const std::string& caption,
                                       const std::string& detail, const std::string& file, std::int32_t line,
                                       const std::string& function, unsigned style)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(ToQString(caption));
    box.setText(ToQString(text));
    box.setDetailedText(ToQString(detail + "\n\n" + function + "\n" + file + ":" + std::to_string(line)));
    return Run(box, style);
}

void TQtUiService::SetScreenCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    if (cursor == crDefault)
        QApplication::restoreOverrideCursor();
    else if (cursor_ == crDefault)
        QApplication::setOverrideCursor(QCursor(ShapeOf(cursor)));
    else
        QApplication::changeOverrideCursor(QCursor(ShapeOf(cursor)));
    cursor_ = cursor;
}

void TQtUiService::StartProgress(const TProgressInfo& info, std::function<void()> onCancel)
{
    onCancel_ = std::move(onCancel);
    if (!progress_) {
        progress_ = new QProgressDialog(QApplication::activeWindow());
        progress_->setWindowModality(Qt::ApplicationModal);
        progress_->setAutoReset(false);
        progress_->setAutoClose(false);
        progress_->setMinimumDuration(0);
        progress_->setMinimum(0);
        QObject::connect(progress_, &QProgressDialog::canceled, progress_, [this] {
            if (const auto cancel = onCancel_)
                cancel();
        });
    }
    ShowProgressTexts(info);
    progress_->setValue(0);
    progress_->show();
}

void TQtUiService::SetProgress(std::int32_t step, const TProgressInfo& info)
{
    if (!progress_)
        return;
    ShowProgressTexts(info);
    progress_->setMaximum(std::max(step, progress_->maximum()));
    progress_->setValue(step); // a modal dialog lets pending events run here
}

void TQtUiService::StopProgress()
{
    onCancel_ = nullptr;
    if (!progress_)
        return;
    // Also called from inside the dialog's own cancel signal.
    progress_->hide();
    progress_->deleteLater();
    progress_ = nullptr;
}

void TQtUiService::ShowProgressTexts(const TProgressInfo& info)
{
    progress_->setWindowTitle(ToQString(info.caption));
    progress_->setLabelText(ToQString(info.text));
    progress_->setMaximum(std::max(info.stepCount, 1));
}

} // namespace platform
