#include "dialogs/project/FDlgGaCheck.h"

#include "app/Sprcheckga.h"
#include "app/Spredit.h"
#include "dialogs/project/FDlgGrpAddrChange.h"
#include "dialogs/project/GaCheck.h"
#include "dialogs/project/GrpAddrImages.h"
#include "dialogs/project/GrpAddrValue.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int ColumnCount = 4;
constexpr int ImageBlank = 0;

// A row of the list with its own copy of the entry.
class TGaCheckItem final : public QTreeWidgetItem {
public:
    explicit TGaCheckItem(const TRecGroupAddrInfo& entry) : Entry(entry) {}
    TRecGroupAddrInfo Entry;
};

int StatusImage(TEnumGaStatus status)
{
    return 3 + static_cast<int>(status == gsUngueltig ? gsFehlt : status);
}

QString Display(const std::string& text)
{
    QString shown = platform::ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

TFDlgGaCheck::TFDlgGaCheck(QWidget* owner, const TGrpAdrNodes::TMap& mainNodes, const TGrpAdrNodes::TMap& midSubNodes,
                           bool threeLevels, TUsedGroupAddrMap& used, TNewGroupAddrList& toCreate)
    : QDialog(owner),
      mainNodes_(mainNodes),
      midSubNodes_(midSubNodes),
      threeLevels_(threeLevels),
      used_(used),
      toCreate_(toCreate),
      images_(MakeGaCheckImages())
{
    LOG_FKT_START("TFDlgGaCheck::TFDlgGaCheck");
    setObjectName("FDlgGaCheck");
    setWindowTitle(platform::ToQString(Sprcheckga::Text8009));
    setFixedSize(544, 450);

    ListView = new QTreeWidget(this);
    ListView->setGeometry(0, 0, 544, 409);
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setSortingEnabled(false);
    ListView->header()->setSectionsClickable(true);
    ListView->header()->setSectionsMovable(false);
    ListView->header()->setStretchLastSection(false);

    ButtonCreateFailedGa = new QPushButton(platform::ToQString(Sprcheckga::Text8021), this);
    ButtonCreateFailedGa->setGeometry(8, 417, 150, 25);
    ButtonChange = new QPushButton(platform::ToQString(Sprcheckga::Text8008), this);
    ButtonChange->setGeometry(166, 417, 130, 25);
    ButtonOk = new QPushButton(platform::ToQString(Spredit::Text9011), this);
    ButtonOk->setGeometry(378, 417, 75, 25);
    ButtonCancel = new QPushButton(platform::ToQString(Spredit::Text9008), this);
    ButtonCancel->setGeometry(461, 417, 75, 25);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    connect(ButtonCreateFailedGa, &QPushButton::clicked, this, [this] { ButtonCreateFailedGaClick(); });
    connect(ButtonChange, &QPushButton::clicked, this, [this] { EditGroupAddress(); });
    connect(ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] { EditGroupAddress(); });
    connect(ListView->header(), &QHeaderView::sectionClicked, this, [this](int column) { ColumnClick(column); });
}

int TFDlgGaCheck::CheckGaConsistence(const TDatenManager<TDatenStruktur>* records)
{
    LOG_FKT_START("TFDlgGaCheck::CheckGaConsistence");
    if (!CollectUsedGroupAddr(records, used_))
        return 1;
    if (AbgleichStatusUsedGroupAddr(used_, midSubNodes_, true))
        return 1;
    InitListView();
    FillListView();
    return ShowModal();
}

int TFDlgGaCheck::ShowModal()
{
    return platform::Ui().ShowModal(*this);
}

int TFDlgGaCheck::ShowChangeDialog(TFDlgGrpAddrChange& dialog)
{
    return dialog.ShowModal();
}

const TRecGroupAddrInfo* TFDlgGaCheck::EntryOf(const QTreeWidgetItem* item) const
{
    const auto* row = dynamic_cast<const TGaCheckItem*>(item);
    return row ? &row->Entry : nullptr;
}

void TFDlgGaCheck::SetCaptions(int marked)
{
    const std::string* captions[ColumnCount] = {&Sprcheckga::Text8000, &Sprcheckga::Text8001, &Sprcheckga::Text8002,
                                                &Sprcheckga::Text8003};
    QStringList labels;
    for (int column = 0; column < ColumnCount; ++column)
        labels << platform::ToQString(*captions[column] + (column == marked ? " *" : ""));
    ListView->setHeaderLabels(labels);
    for (int column = 0; column < ColumnCount; ++column)
        ListView->headerItem()->setIcon(column, QIcon(images_[ImageBlank]));
}

void TFDlgGaCheck::InitListView()
{
    ListView->clear();
    ListView->setColumnCount(ColumnCount);
    // A new list is in address order, whatever the sort state says.
    SetCaptions(0);
    ListView->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < ColumnCount; ++column)
        ListView->setColumnWidth(column, std::max(100, ListView->header()->sectionSizeHint(column)));
}

void TFDlgGaCheck::SetRow(QTreeWidgetItem* item, const TRecGroupAddrInfo& entry)
{
    item->setText(0, platform::ToQString(GaCurrentText(entry, threeLevels_)));
    item->setText(1, platform::ToQString(GrpAddrString(static_cast<std::uint16_t>(entry.Target), threeLevels_)));
    item->setText(2, platform::ToQString(entry.TypText));
    item->setText(3, platform::ToQString(entry.StatusText));
    item->setIcon(0, QIcon(images_[static_cast<std::size_t>(StatusImage(entry.Status))]));
    for (int column = 0; column < ColumnCount; ++column)
        item->setToolTip(column, Display(entry.ObjectsText));
    static_cast<TGaCheckItem*>(item)->Entry = entry;
}

void TFDlgGaCheck::FillListView()
{
    for (const auto& [address, entry] : used_) {
        auto* item = new TGaCheckItem(entry);
        SetRow(item, entry);
        ListView->addTopLevelItem(item);
    }
}

void TFDlgGaCheck::SetFocusListView()
{
    if (QTreeWidgetItem* first = ListView->topLevelItem(0)) {
        ListView->clearSelection();
        ListView->setCurrentItem(first);
        first->setSelected(true);
    }
    ListView->setFocus();
}

void TFDlgGaCheck::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetFocusListView();
}

void TFDlgGaCheck::ColumnClick(int column)
{
    if (column == sortColumn_) {
        ascending_ = !ascending_;
    } else {
        sortColumn_ = column;
        ascending_ = true;
    }
    std::vector<QTreeWidgetItem*> rows;
    while (ListView->topLevelItemCount() > 0)
        rows.push_back(ListView->takeTopLevelItem(0));
    std::stable_sort(rows.begin(), rows.end(), [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return CompareGaRows(EntryOf(a), EntryOf(b), sortColumn_, ascending_) < 0;
    });
    for (QTreeWidgetItem* row : rows)
        ListView->addTopLevelItem(row);
    SetCaptions(sortColumn_);
}

void TFDlgGaCheck::EditGroupAddress()
{
    LOG_FKT_START("TFDlgGaCheck::EditGroupAddress");
    QTreeWidgetItem* item = ListView->currentItem();
    const TRecGroupAddrInfo* row = item && item->isSelected() ? EntryOf(item) : nullptr;
    if (!row || row->Status == gsUngueltig)
        return;
    int target = static_cast<int>(row->Target);
    TFDlgGrpAddrChange dialog(this, row, mainNodes_, midSubNodes_, threeLevels_, toCreate_, target, NameQuery);
    if (ShowChangeDialog(dialog) != 1 || static_cast<std::uint32_t>(target) == row->Target)
        return;
    const auto entry = used_.find(row->Current);
    if (entry == used_.end())
        return;
    entry->second.Target = static_cast<std::uint32_t>(target);
    AbgleichStatusUsedGroupAddr(used_, midSubNodes_, false);
    SetRow(item, entry->second);
}

void TFDlgGaCheck::ButtonCreateFailedGaClick()
{
    LOG_FKT_START("TFDlgGaCheck::ButtonCreateFailedGaClick");
    CreateFailedGa(used_, midSubNodes_, toCreate_);
    InitListView();
    FillListView();
    SetFocusListView();
}

void TFDlgGaCheck::ButtonOkClick()
{
    done(1);
}

void TFDlgGaCheck::ButtonCancelClick()
{
    done(3);
}

void TFDlgGaCheck::reject()
{
    done(2);
}
