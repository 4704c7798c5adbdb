#include "outside/progresslib/DlgSpracheinstellung.h"

#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "platform/UiService.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using platform::ToQString;

namespace {
constexpr char SectionSprache[] = "Sprache";
constexpr char KeyCurrent[] = "Current";
} // namespace

TDlgSpracheinstellung::TDlgSpracheinstellung(const RecDlgDprache& record, const std::string& current,
                                             QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(ToQString(record.Caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(record.Prompt), this));
    for (const auto& [extension, name] : record.Languages) {
        auto* item = new QListWidgetItem(ToQString(name.empty() ? extension : name), list_);
        item->setData(Qt::UserRole, ToQString(extension));
        if (extension == current)
            list_->setCurrentItem(item);
    }
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(ToQString(record.OkButton), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(ToQString(record.CancelButton), QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, [this] { done(platform::IDOK); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(platform::IDCANCEL); });
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

std::string TDlgSpracheinstellung::Selected() const
{
    const QListWidgetItem* item = list_->currentItem();
    return item == nullptr ? std::string() : platform::FromQString(item->data(Qt::UserRole).toString());
}

bool StartDlgSpracheinstellung(RecDlgDprache record)
{
    const std::string current = platform::GetPrivateProfileString(SectionSprache, KeyCurrent, "", 1024, record.SettingsFile);
    TDlgSpracheinstellung dialog(record, current);
    if (platform::Ui().ShowModal(dialog) != platform::IDOK)
        return false;
    const std::string chosen = dialog.Selected();
    if (chosen.empty() || chosen == current)
        return false;
    if (!platform::WritePrivateProfileString(SectionSprache, KeyCurrent, chosen, record.SettingsFile)) {
        platform::MessageBox(record.WriteFailedText, record.ErrorCaption, platform::MB_ICONERROR);
        return false;
    }
    platform::MessageBox(record.ChangedText + "\n" + record.RestartText, record.Caption, platform::MB_ICONINFORMATION);
    return true;
}
