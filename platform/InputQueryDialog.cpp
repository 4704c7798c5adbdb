#include "platform/InputQueryDialog.h"

#include "platform/Cp1252.h"
#include "platform/UiService.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace platform {

TInputQueryDialog::TInputQueryDialog(const std::string& caption, const std::string& prompt,
                                     const std::string& value, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(ToQString(value), this))
{
    setWindowTitle(ToQString(caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(prompt), this));
    layout->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { done(IDOK); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(IDCANCEL); });
    edit_->selectAll();
    setMinimumWidth(300);
}

std::string TInputQueryDialog::Value() const
{
    return FromQString(edit_->text());
}

} // namespace platform
