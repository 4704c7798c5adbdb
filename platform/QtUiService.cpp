#include "platform/QtUiService.h"

#include "platform/Cp1252.h"
#include "platform/FileFilter.h"
#include "platform/InputQueryDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTreeView>
#include <QUrl>

#include <algorithm>

namespace platform {
namespace {

// Room of a window manager's icon and buttons beside a caption.
constexpr int CaptionRoom = 120;
// The least size of a file dialog, for its list's columns.
constexpr int FileDialogWidth = 820;
constexpr int FileDialogHeight = 480;

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


// The detail columns of the dialog's file list as wide as their contents, the name taking the
// rest of a dialog wide enough for all of them.
void FitFileList(QFileDialog& dialog)
{
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (list == nullptr)
        return;
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    dialog.resize(std::max(dialog.width(), FileDialogWidth), std::max(dialog.height(), FileDialogHeight));
}

// Runs the file dialog set up from info; true, with the choice in info, on OK.
bool RunFileDialog(QFileDialog::AcceptMode mode, TFileDialogInfo& info)
{
    QFileDialog dialog(QApplication::activeWindow(), ToQString(info.Title), ToQString(info.InitialDir));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = ToQString(ConvertFileFilter(info.Filter)).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(info.FilterIndex, 1, static_cast<int>(filters.size())) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    if (!info.DefaultExt.empty())
        dialog.setDefaultSuffix(ToQString(info.DefaultExt));
    if (mode == QFileDialog::AcceptSave) {
        // The name typed so far takes the extension of the chosen file type.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            if (auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                edit->setText(ToQString(NameWithFilterExtension(FromQString(edit->text()), FromQString(filter))));
        });
    }
    if (!info.FileName.empty())
        dialog.selectFile(ToQString(info.FileName));
    if (mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, (info.Options & ofOverwritePrompt) == 0);
    FitFileList(dialog);
    QString chosen;
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        chosen = dialog.selectedFiles().front();
        const QFileInfo file(chosen);
        if ((info.Options & ofNoReadOnlyReturn) == 0 || !file.exists() || file.isWritable())
            break;
        QMessageBox::warning(&dialog, dialog.windowTitle(),
                             chosen + QStringLiteral("\nThe file is write-protected. Choose another name."));
    }
    info.FileName = FromQString(chosen);
    info.FilterIndex = static_cast<std::int32_t>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}

} // namespace

void SetUpMessageBox(QMessageBox& box, const std::string& text, const std::string& caption, unsigned style)
{
    box.setWindowTitle(ToQString(caption));
    box.setText(ToQString(text));
    box.setIcon(IconOf(style));
    box.setStandardButtons(ButtonsOf(style));
    box.setDefaultButton(FirstButtonOf(style));
    FitMessageBoxCaption(box);
}

void FitMessageBoxCaption(QMessageBox& box)
{
    // The caption's text, bold as window managers draw it, with room for their icon and buttons.
    QFont caption = box.font();
    caption.setBold(true);
    const int wanted = QFontMetrics(caption).horizontalAdvance(box.windowTitle()) + CaptionRoom;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

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
    SetUpMessageBox(box, text, caption, style);
    return AnswerOf(box.exec());
}

int TQtUiService::ShowDetailMessageBox(const std::string& text, const std::string& caption,
                                       const std::string& detail, const std::string& file, std::int32_t line,
                                       const std::string& function, unsigned style)
{
    QMessageBox box(QApplication::activeWindow());
    SetUpMessageBox(box, text, caption, style);
    box.setDetailedText(ToQString(detail + "\n\n" + function + "\n" + file + ":" + std::to_string(line)));
    FitMessageBoxCaption(box);
    return AnswerOf(box.exec());
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
        progress_->setMinimumDuration(static_cast<int>(progressDelay_.count()));
        progress_->setMinimum(0);
        QObject::connect(progress_, &QProgressDialog::canceled, progress_, [this] {
            if (const auto cancel = onCancel_)
                cancel();
        });
    }
    ShowProgressTexts(info);
    // Until the dialog shows, steps neither paint it nor run pending events (the window behind
    // would repaint at every step).
    progress_->setValue(0);
    if (progressDelay_.count() == 0)
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

int TQtUiService::ShowModal(QDialog& dialog)
{
    return dialog.exec();
}

void TQtUiService::ShowWindow(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

bool TQtUiService::PrintDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool TQtUiService::InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    TInputQueryDialog dialog(caption, prompt, value, QApplication::activeWindow());
    if (dialog.exec() != IDOK)
        return false;
    value = dialog.Value();
    return true;
}

bool TQtUiService::OpenFileDialog(TFileDialogInfo& info)
{
    return RunFileDialog(QFileDialog::AcceptOpen, info);
}

bool TQtUiService::PrinterSetup(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool TQtUiService::SaveFileDialog(TFileDialogInfo& info)
{
    return RunFileDialog(QFileDialog::AcceptSave, info);
}

bool TQtUiService::ChooseColor(QColor& color, const std::vector<QColor>& customColors)
{
    for (int index = 0; index < QColorDialog::customCount(); ++index)
        QColorDialog::setCustomColor(index, index < static_cast<int>(customColors.size())
                                                ? customColors[static_cast<std::size_t>(index)]
                                                : QColor(Qt::white));
    QColorDialog dialog(color, QApplication::activeWindow());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = dialog.selectedColor();
    return true;
}

bool TQtUiService::ShellOpen(const std::string& file, const std::string& parameters)
{
    const QString program = ToQString(file);
    if (QFileInfo(program).isExecutable()
        && QProcess::startDetached(program, QProcess::splitCommand(ToQString(parameters))))
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(program));
}

void TQtUiService::ShowProgressTexts(const TProgressInfo& info)
{
    progress_->setWindowTitle(ToQString(info.caption));
    progress_->setLabelText(ToQString(info.text));
    progress_->setMaximum(std::max(info.stepCount, 1));
    // Wide enough for the caption beside the window manager's buttons.
    QFont caption = progress_->font();
    caption.setBold(true);
    progress_->setMinimumWidth(QFontMetrics(caption).horizontalAdvance(progress_->windowTitle()) + CaptionRoom);
}

} // namespace platform
