#include "dialogs/project/DlgSelGrpAddr.h"

#include "app/Spredit.h"
#include "device/DeviceInstanz.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "outside/datacore/DataBasis.h"
#include "outside/hostdata/EtsGruppenAdressen.h"
#include "platform/Cp1252.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace {

int ObjTyp(const TObjektBasis* object)
{
    return object ? object->GetObjTyp() : 0;
}

int MaxSelectable(const TObjektBasis* object)
{
    return object ? object->GetNumberSelectableGrpAdr() : 0;
}

} // namespace

TDlgSelGrpAddr::TDlgSelGrpAddr(QWidget* owner, TEtsGruppenAdressen* groups, const TGrpAdrNodes::TMap* nodes,
                               TObjektBasis::TGrpAdrIdList& links, TDataBasis* object, int level,
                               TGrpAddrNameQuery nameQuery, TCreateGrpAddr create)
    : QDialog(owner),
      groups_(groups),
      nodes_(nodes),
      links_(links),
      model_(dynamic_cast<TObjektBasis*>(object) != nullptr, ObjTyp(dynamic_cast<TObjektBasis*>(object)),
             MaxSelectable(dynamic_cast<TObjektBasis*>(object))),
      search_(level, std::move(nameQuery), std::move(create))
{
    LOG_FKT_START("TDlgSelGrpAddr::TDlgSelGrpAddr");
    setObjectName("DlgSelGrpAddr");
    setWindowTitle(platform::ToQString(Spredit::Text9147));
    setFixedSize(706, 421);

    grpbxSourceGrpAddr = new QGroupBox(platform::ToQString(Spredit::Text9057), this);
    grpbxSourceGrpAddr->setGeometry(8, 6, 322, 368);
    lblGrpAddrEditText = new QLabel(platform::ToQString(Spredit::Text9059), grpbxSourceGrpAddr);
    lblGrpAddrEditText->setGeometry(10, 26, 104, 17);
    edtGrpAddr = new TGrpAddrEdit(false, grpbxSourceGrpAddr);
    edtGrpAddr->setGeometry(116, 23, 66, 23);
    btnSearchAdd = new QPushButton(platform::ToQString(Spredit::Text9056), grpbxSourceGrpAddr);
    btnSearchAdd->setGeometry(186, 22, 126, 25);
    btnSearchAdd->setEnabled(false);
    lvGrpAddrSource = MakeList(grpbxSourceGrpAddr, Spredit::Text9060);
    lvGrpAddrSource->setGeometry(10, 54, 302, 304);

    const auto moveButton = [this](const char* text, int top) {
        auto* button = new QPushButton(QString::fromLatin1(text), this);
        button->setGeometry(338, top, 32, 25);
        return button;
    };
    btnInclude = moveButton(">", 130);
    btnIncludeAll = moveButton(">>", 162);
    btnExclude = moveButton("<", 210);
    btnExcludeAll = moveButton("<<", 242);

    grpbxDestGrpAddr = new QGroupBox(platform::ToQString(Spredit::Text9058), this);
    grpbxDestGrpAddr->setGeometry(376, 6, 322, 368);
    lvGrpAddrDest = MakeList(grpbxDestGrpAddr, Spredit::Text9061);
    lvGrpAddrDest->setGeometry(10, 24, 302, 334);

    BtnOk = new QPushButton(platform::ToQString(Spredit::Text9011), this);
    BtnCancel = new QPushButton(platform::ToQString(Spredit::Text9008), this);
    BtnHelp = new QPushButton(platform::ToQString(Spredit::Text9012), this);
    BtnHelp->setEnabled(false);
    // Right-aligned on the bottom panel, 10 pixels apart.
    int right = width() - 10;
    for (QPushButton* button : {BtnHelp, BtnCancel, BtnOk}) {
        button->setGeometry(right - 75, 386, 75, 25);
        right -= 85;
    }
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    edtGrpAddr->OnAction = [this] { btnSearchAddClick(); };
    connect(edtGrpAddr, &QLineEdit::textChanged, this,
            [this](const QString& text) { btnSearchAdd->setEnabled(!text.isEmpty()); });
    connect(btnSearchAdd, &QPushButton::clicked, this, [this] { btnSearchAddClick(); });
    connect(btnInclude, &QPushButton::clicked, this, [this] { btnIncludeClick(); });
    connect(btnIncludeAll, &QPushButton::clicked, this, [this] { btnIncludeAllClick(); });
    connect(btnExclude, &QPushButton::clicked, this, [this] { btnExcludeClick(); });
    connect(btnExcludeAll, &QPushButton::clicked, this, [this] { btnExcludeAllClick(); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { reject(); });
    for (const TSelSide side : {TSelSide::Source, TSelSide::Dest}) {
        QTreeWidget* list = View(side);
        connect(list, &QTreeWidget::itemSelectionChanged, this, [this, side] {
            if (!filling_) {
                ReadSelection(side);
                SetButtons();
            }
        });
        connect(list, &QTreeWidget::itemDoubleClicked, this, [this, side] { DoubleClick(side); });
        connect(list->header(), &QHeaderView::sectionClicked, this,
                [this, side](int column) { ColumnClick(side, column); });
    }

    if (dynamic_cast<TObjektBasis*>(object) && groups_ && nodes_)
        model_.MakeAdrList(CollectSubGroups(*nodes_, *groups_), links_);
    FillListView(TSelSide::Source);
    FillListView(TSelSide::Dest);
    SetButtons();
}

int TDlgSelGrpAddr::ShowModal()
{
    return platform::Ui().ShowModal(*this);
}

QTreeWidget* TDlgSelGrpAddr::MakeList(QWidget* parent, const std::string& hint)
{
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(2);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->setToolTip(platform::ToQString(hint));
    list->header()->setSectionsClickable(true);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(true);
    return list;
}

void TDlgSelGrpAddr::FillListView(TSelSide side)
{
    const TSelGrpAddrList& list = model_.List(side);
    QTreeWidget* view = View(side);
    filling_ = true;
    view->clear();
    // One insertion of all rows; only the selected ones touch the selection model.
    QList<QTreeWidgetItem*> items;
    items.reserve(list.Count());
    for (const TSelGrpAddrList::TItem& entry : list.Items)
        items.append(
            new QTreeWidgetItem({platform::ToQString(entry.Adr->AdrText), platform::ToQString(entry.Adr->Name)}));
    view->addTopLevelItems(items);
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Items[static_cast<std::size_t>(i)].Selected)
            items[i]->setSelected(true);
    }
    if (list.Focused >= 0 && list.Focused < list.Count())
        view->setCurrentItem(items[list.Focused], 0, QItemSelectionModel::NoUpdate);
    const std::array<std::string, 2> captions = model_.Captions(side);
    view->setHeaderLabels({platform::ToQString(captions[0]), platform::ToQString(captions[1])});
    view->resizeColumnToContents(0);
    view->setColumnWidth(0, std::clamp(view->columnWidth(0), 50, 80));
    filling_ = false;
}

void TDlgSelGrpAddr::ReadSelection(TSelSide side)
{
    TSelGrpAddrList& list = model_.List(side);
    QTreeWidget* view = View(side);
    for (int i = 0; i < list.Count() && i < view->topLevelItemCount(); ++i)
        list.Items[static_cast<std::size_t>(i)].Selected = view->topLevelItem(i)->isSelected();
    list.Focused = view->currentItem() ? view->indexOfTopLevelItem(view->currentItem()) : -1;
}

void TDlgSelGrpAddr::SetButtons()
{
    const TMoveButtons buttons = model_.Buttons();
    btnInclude->setEnabled(buttons.Include);
    btnIncludeAll->setEnabled(buttons.IncludeAll);
    btnExclude->setEnabled(buttons.Exclude);
    btnExcludeAll->setEnabled(buttons.ExcludeAll);
}

void TDlgSelGrpAddr::ShowFocused(TSelSide side)
{
    QTreeWidget* view = View(side);
    view->setFocus();
    if (QTreeWidgetItem* item = view->currentItem())
        view->scrollToItem(item);
}

void TDlgSelGrpAddr::btnIncludeClick()
{
    LOG_FKT_START("TDlgSelGrpAddr::btnIncludeClick");
    model_.Include();
    FillListView(TSelSide::Source);
    FillListView(TSelSide::Dest);
    SetButtons();
}

void TDlgSelGrpAddr::btnIncludeAllClick()
{
    LOG_FKT_START("TDlgSelGrpAddr::btnIncludeAllClick");
    model_.IncludeAll();
    FillListView(TSelSide::Source);
    FillListView(TSelSide::Dest);
    SetButtons();
}

void TDlgSelGrpAddr::btnExcludeClick()
{
    LOG_FKT_START("TDlgSelGrpAddr::btnExcludeClick");
    model_.Exclude();
    FillListView(TSelSide::Source);
    FillListView(TSelSide::Dest);
    SetButtons();
}

void TDlgSelGrpAddr::btnExcludeAllClick()
{
    LOG_FKT_START("TDlgSelGrpAddr::btnExcludeAllClick");
    model_.ExcludeAll();
    FillListView(TSelSide::Source);
    FillListView(TSelSide::Dest);
    SetButtons();
}

void TDlgSelGrpAddr::DoubleClick(TSelSide side)
{
    if (!model_.List(side).HasSelection())
        return;
    if (side == TSelSide::Source)
        btnIncludeClick();
    else
        btnExcludeClick();
}

void TDlgSelGrpAddr::ColumnClick(TSelSide side, int column)
{
    platform::TCursorHourGlass hourGlass;
    model_.ClickColumn(side, column);
    FillListView(side);
}

void TDlgSelGrpAddr::btnSearchAddClick()
{
    LOG_FKT_START("TDlgSelGrpAddr::btnSearchAddClick");
    std::vector<TSubGroupEntry> all;
    const bool haveAll = groups_ && nodes_;
    if (haveAll)
        all = CollectSubGroups(*nodes_, *groups_);
    const TSelSearchResult result =
        search_.Run(model_, platform::FromQString(edtGrpAddr->text()), haveAll ? &all : nullptr);
    if (result.EditText)
        edtGrpAddr->setText(platform::ToQString(*result.EditText));
    FillListView(TSelSide::Source);
    FillListView(TSelSide::Dest);
    SetButtons();
    switch (result.Outcome) {
    case TSelSearchOutcome::FoundSource:
    case TSelSearchOutcome::Created:
        ShowFocused(TSelSide::Source);
        break;
    case TSelSearchOutcome::FoundDest:
        ShowFocused(TSelSide::Dest);
        break;
    case TSelSearchOutcome::FocusEdit:
        edtGrpAddr->setFocus();
        break;
    case TSelSearchOutcome::None:
        break;
    }
}

void TDlgSelGrpAddr::BtnOkClick()
{
    LOG_FKT_START("TDlgSelGrpAddr::BtnOkClick");
    links_ = model_.Result();
    done(1);
}

void TDlgSelGrpAddr::reject()
{
    done(2);
}

void TDlgSelGrpAddr::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        edtGrpAddr->setFocus();
}

void TDlgSelGrpAddr::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    edtGrpAddr->setFocus();
}

TCreateGrpAddr CreateGrpAddrThrough(std::function<TDeviceInstanz*()> currentDevice, TEtsGruppenAdressen* groups)
{
    return [currentDevice = std::move(currentDevice), groups](std::int16_t main, std::int16_t middle,
                                                              std::int16_t sub,
                                                              const std::string& name) -> std::optional<TSubGroupEntry> {
        TDeviceInstanz* device = currentDevice ? currentDevice() : nullptr;
        if (!device || !groups)
            return std::nullopt;
        const TSorvGrpAdrSub* created = device->CreateGrpAddr(main, middle, sub, name);
        if (!created)
            return std::nullopt;
        return MakeSubGroupEntry(*created, *groups);
    };
}
