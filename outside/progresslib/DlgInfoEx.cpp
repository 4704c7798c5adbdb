#include "outside/progresslib/DlgInfoEx.h"

#include "platform/Cp1252.h"
#include "platform/UiService.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using platform::ToQString;

std::string ShortVersion(const std::string& version, int digits)
{
    std::string shown;
    std::string::size_type start = 0;
    for (int part = 0; part < digits && start <= version.size(); ++part) {
        const auto dot = version.find('.', start);
        if (part > 0)
            shown += '.';
        shown += version.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return shown;
}

TDlgInfoEx::TDlgInfoEx(const RecDlgInfoEx& info, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQString(info.Caption));
    auto* layout = new QVBoxLayout(this);

    auto* head = new QHBoxLayout;
    QPixmap image(ToQString(info.ImageFile));
    if (!image.isNull()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(image);
        head->addWidget(picture);
    }
    auto* texts = new QVBoxLayout;
    auto* title = new QLabel(ToQString(info.Title), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    title->setFont(bold);
    texts->addWidget(title);
    if (info.ShowVersion)
        texts->addWidget(
            new QLabel(ToQString(info.VersionLabel + " " + ShortVersion(info.ProgramVersion, info.VersionDigits)), this));
    for (const std::string* line : {&info.Text1, &info.Text2, &info.Text3, &info.Text4})
        if (!line->empty())
            texts->addWidget(new QLabel(ToQString(*line), this));
    texts->addStretch();
    head->addLayout(texts, 1);
    layout->addLayout(head);

    if (info.ShowModules) {
        layout->addWidget(new QLabel(ToQString(info.ModulesCaption), this));
        auto* modules = new QListWidget(this);
        for (const QString& module : ToQString(info.Modules).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            modules->addItem(module);
        modules->setMinimumHeight(80);
        layout->addWidget(modules);
    }

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(ToQString(info.OkButton), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(platform::IDOK); });
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void StartDlgInfoEx(int /*owner*/, RecDlgInfoEx info)
{
    TDlgInfoEx dialog(info);
    platform::Ui().ShowModal(dialog);
}
