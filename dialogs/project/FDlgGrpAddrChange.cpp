#include "dialogs/project/FDlgGrpAddrChange.h"

#include "app/Sprcheckga.h"
#include "app/Spredit.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "dialogs/project/GrpAddrImages.h"
#include "dialogs/project/GrpAddrValue.h"
#include "dialogs/project/SelGrpAddrSearch.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <stdexcept>

namespace {

constexpr int NodeRole = Qt::UserRole + 1;

const TRecGroupAddrInfo& Required(const TRecGroupAddrInfo* entry)
{
    if (!entry)
        throw std::runtime_error("TFDlgGrpAddrChange::TFDlgGrpAddrChange: FEHLER, Gruppenadress-Daten sind leer!");
    return *entry;
}

} // namespace

TFDlgGrpAddrChange::TFDlgGrpAddrChange(QWidget* owner, const TRecGroupAddrInfo* entry,
                                       const TGrpAdrNodes::TMap& mainNodes, const TGrpAdrNodes::TMap& midSubNodes,
                                       bool threeLevels, TNewGroupAddrList& toCreate, int& result,
                                       TGrpAddrNameQuery nameQuery)
    : QDialog(owner),
      entry_(Required(entry)),
      mainNodes_(mainNodes),
      midSubNodes_(midSubNodes),
      threeLevels_(threeLevels),
      toCreate_(toCreate),
      result_(result),
      nameQuery_(std::move(nameQuery)),
      requiredTyp_(entry_.Typ - 1),
      startTarget_(entry_.Target),
      images_(MakeGaChangeImages())
{
    LOG_FKT_START("TFDlgGrpAddrChange::TFDlgGrpAddrChange");
    setObjectName("FDlgGrpAddrChange");
    setWindowTitle(platform::ToQString(Sprcheckga::Text8010));
    setFixedSize(469, 478);

    gbIstGroupAddr = new QGroupBox(platform::ToQString(Sprcheckga::Text8011), this);
    gbIstGroupAddr->setGeometry(8, 4, 453, 66);
    lblIstGa = new QLabel(platform::ToQString(FormatText(Sprcheckga::Text8012,
                                                         GrpAddrString(static_cast<std::uint16_t>(entry_.Current),
                                                                       threeLevels_))),
                          gbIstGroupAddr);
    lblIstGa->setGeometry(12, 22, 430, 17);
    lblSatusIstGa = new QLabel(platform::ToQString(FormatText(Sprcheckga::Text8013, entry_.StatusText)),
                               gbIstGroupAddr);
    lblSatusIstGa->setGeometry(12, 42, 430, 17);

    gbSollGroupAddr = new QGroupBox(platform::ToQString(Sprcheckga::Text8014), this);
    gbSollGroupAddr->setGeometry(8, 74, 453, 358);
    lblGrpAddrEditText = new QLabel(platform::ToQString(FormatText(Sprcheckga::Text8015, entry_.TypText)),
                                    gbSollGroupAddr);
    lblGrpAddrEditText->setGeometry(12, 22, 429, 17);
    EditSollGa = new TGrpAddrEdit(false, gbSollGroupAddr);
    EditSollGa->setGeometry(12, 42, 120, 23);
    btnSearchAdd = new QPushButton(platform::ToQString(Sprcheckga::Text8016), gbSollGroupAddr);
    btnSearchAdd->setGeometry(138, 41, 140, 25);
    btnSearchAdd->setEnabled(false);
    btnNoGroupAddr = new QPushButton(platform::ToQString(Sprcheckga::Text8017), gbSollGroupAddr);
    btnNoGroupAddr->setGeometry(284, 41, 157, 25);
    TreeView = new QTreeWidget(gbSollGroupAddr);
    TreeView->setGeometry(12, 74, 429, 272);
    TreeView->setHeaderHidden(true);
    TreeView->setColumnCount(1);
    TreeView->setIndentation(19);
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView->setSelectionMode(QAbstractItemView::SingleSelection);

    ButtonOk = new QPushButton(platform::ToQString(Spredit::Text9011), this);
    ButtonOk->setGeometry(301, 442, 75, 25);
    ButtonCancel = new QPushButton(platform::ToQString(Spredit::Text9008), this);
    ButtonCancel->setGeometry(386, 442, 75, 25);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    ButtonOk->setEnabled(true);

    EditSollGa->OnKeyPress = [this] { ButtonOk->setEnabled(false); };
    EditSollGa->OnAction = [this] { btnSearchAddClick(); };
    connect(EditSollGa, &QLineEdit::textChanged, this,
            [this](const QString& text) { btnSearchAdd->setEnabled(!text.isEmpty()); });
    connect(btnSearchAdd, &QPushButton::clicked, this, [this] { btnSearchAddClick(); });
    connect(btnNoGroupAddr, &QPushButton::clicked, this, [this] { btnNoGroupAddrClick(); });
    connect(ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
    connect(TreeView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { TreeViewChange(item); });
}

int TFDlgGrpAddrChange::ShowModal()
{
    return platform::Ui().ShowModal(*this);
}

bool TFDlgGrpAddrChange::Suits(const TGaNode& node) const
{
    return node.SubAdrTyp == requiredTyp_ || node.SubAdrTyp == -1;
}

const TGaNode* TFDlgGrpAddrChange::NodeOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return nullptr;
    return reinterpret_cast<const TGaNode*>(item->data(0, NodeRole).value<quintptr>());
}

QTreeWidgetItem* TFDlgGrpAddrChange::ItemOf(const TGaNode* node) const
{
    const auto found = items_.find(node);
    return found == items_.end() ? nullptr : found->second;
}

QTreeWidgetItem* TFDlgGrpAddrChange::MakeItem(const TGaNode& node)
{
    auto* item = new QTreeWidgetItem(QStringList{platform::ToQString(node.Text)});
    QPixmap image = images_[static_cast<std::size_t>(node.Image)];
    if (node.IsSub() && !Suits(node))
        image = WithOverlay(image, images_[0]);
    item->setIcon(0, QIcon(image));
    item->setData(0, NodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
    items_[&node] = item;
    return item;
}

void TFDlgGrpAddrChange::AddItems(QTreeWidgetItem* parent, const TGaNode& node)
{
    for (const auto& child : node.Children) {
        QTreeWidgetItem* item = MakeItem(*child);
        parent->addChild(item);
        AddItems(item, *child);
    }
}

void TFDlgGrpAddrChange::InitTreeView()
{
    LOG_FKT_START("TFDlgGrpAddrChange::InitTreeView");
    if (treeBuilt_)
        return;
    treeBuilt_ = true;
    TGaLists lists;
    if (!BuildGaLists(mainNodes_, midSubNodes_, threeLevels_, toCreate_, lists))
        return;
    root_ = BuildGaTree(lists, threeLevels_);
    QTreeWidgetItem* rootItem = MakeItem(*root_);
    TreeView->addTopLevelItem(rootItem);
    AddItems(rootItem, *root_);

    QTreeWidgetItem* selected = startTarget_ != 0 ? ItemOf(FindGaSub(*root_, startTarget_)) : nullptr;
    if (selected)
        for (QTreeWidgetItem* up = selected->parent(); up; up = up->parent())
            up->setExpanded(true);
    rootItem->setExpanded(true);
    if (selected) {
        TreeView->setCurrentItem(selected);
        TreeView->setFocus();
    } else {
        EditSollGa->setFocus();
    }
}

void TFDlgGrpAddrChange::TreeViewChange(QTreeWidgetItem* item)
{
    const TGaNode* node = NodeOf(item);
    if (!node || !node->HasData)
        return;
    if (!node->IsSub()) {
        ButtonOk->setEnabled(false);
        return;
    }
    EditSollGa->setText(platform::ToQString(GrpAddrString(node->Address, threeLevels_)));
    ButtonOk->setEnabled(Suits(*node));
}

void TFDlgGrpAddrChange::SelectItem(QTreeWidgetItem* item)
{
    TreeView->setCurrentItem(item);
    TreeView->scrollToItem(item);
    TreeView->setFocus();
}

void TFDlgGrpAddrChange::btnSearchAddClick()
{
    LOG_FKT_START("TFDlgGrpAddrChange::btnSearchAddClick");
    TGrpAddrParts parts;
    if (!StringToGrpAddr(platform::FromQString(EditSollGa->text()), threeLevels_ ? 3 : 2, true, parts))
        return;
    const std::int32_t subNumber = threeLevels_ ? parts.Sub : parts.Middle * 256 + parts.Sub;
    if (!root_)
        return;
    if (const TGaNode* found = FindGaPath(*root_, parts.Main, parts.Middle, subNumber, threeLevels_)) {
        SelectItem(ItemOf(found));
        ButtonOk->setEnabled(Suits(*found));
        return;
    }
    const std::uint16_t address = GetCompleteGroupAddress(parts.Main, parts.Middle,
                                                          static_cast<std::int16_t>(subNumber), threeLevels_);
    const std::string search = GrpAddrString(address, threeLevels_);
    if (search.empty())
        return;
    if (platform::MessageBox(FormatText(Spredit::Text9064, search), Spredit::Text9017,
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES) {
        ButtonOk->setEnabled(false);
        return;
    }
    std::string name;
    if (!nameQuery_ || !nameQuery_(name)) {
        ButtonOk->setEnabled(false);
        return;
    }
    if (name.empty())
        name = Sprcheckga::Text8018;
    std::vector<TGaNode*> added;
    const TGaNode* sub = AddGaPath(*root_, parts.Main, parts.Middle, subNumber, name, requiredTyp_, address,
                                   threeLevels_, added);
    root_->Sort();
    for (const TGaNode* node : added) {
        QTreeWidgetItem* parent = ItemOf(node->Parent);
        int index = 0;
        while (node->Parent->Children[static_cast<std::size_t>(index)].get() != node)
            ++index;
        parent->insertChild(index, MakeItem(*node));
    }
    SelectItem(ItemOf(sub));
    toCreate_.push_back(RecNewGroupAddr{address, name, requiredTyp_});
}

void TFDlgGrpAddrChange::btnNoGroupAddrClick()
{
    EditSollGa->clear();
    TreeView->setCurrentItem(nullptr);
    TreeView->clearSelection();
    result_ = 0;
    ButtonOk->setEnabled(true);
}

void TFDlgGrpAddrChange::ButtonOkClick()
{
    LOG_FKT_START("TFDlgGrpAddrChange::ButtonOkClick");
    QTreeWidgetItem* item = TreeView->currentItem();
    const TGaNode* node = item && item->isSelected() ? NodeOf(item) : nullptr;
    if (node && !node->HasData)
        return; // the root
    result_ = node ? node->Address : 0;
    done(1);
}

void TFDlgGrpAddrChange::ButtonCancelClick()
{
    done(3);
}

void TFDlgGrpAddrChange::reject()
{
    done(2);
}

void TFDlgGrpAddrChange::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        InitTreeView();
}

void TFDlgGrpAddrChange::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    InitTreeView();
}
