#include "dialogs/project/DlgGlobalParameter.h"

#include "app/HubMessages.h"
#include "app/Spredit.h"
#include "device/product/UpdateGuard.h"
#include "dialogs/project/DlgSelectDevice.h"
#include "dialogs/project/GlobalParameterMainWindow.h"
#include "dialogs/project/GlobalParameterTable.h"
#include "outside/datacore/DataBasis.h"
#include "outside/tablebox/ComboBox.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/CtrlGrid.h"
#include "views/CtrlListView.h"
#include "views/DrawGridSEView.h"
#include "views/ListView.h"
#include "views/TreeNode.h"
#include "views/ViewMessages.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MarkColumn = 2;
// The smallest caption width the child list's column is measured from.
constexpr int MinCaptionWidth = 60;

} // namespace

TDlgGlobalParameter::TDlgGlobalParameter(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TTreeNode* node,
                                         std::int32_t deviceId, TEts2Cdi* link, const TGlobalParameterGridLook& look,
                                         TSelectDeviceOpener openSelectDevice)
    : QDialog(owner),
      mainWindow_(mainWindow),
      node_(node),
      object_(node ? node->Data() : nullptr),
      deviceId_(deviceId),
      link_(link),
      look_(look),
      openSelectDevice_(std::move(openSelectDevice)),
      mode_(object_),
      registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Dispatch(message, wParam, lParam);
      })
{
    LOG_FKT_START("TDlgGlobalParameter::TDlgGlobalParameter");
    setObjectName("DlgGlobalParameter");
    resize(610, 373);
    setMinimumSize(300, 300);

    // The grid fills its parent (alClient): both views share one client area above the buttons.
    auto* client = new QWidget(this);
    ListView = new TListView(client);
    Grid = new TDrawGridSEView(client);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(ListView);
    PanelButton = new QWidget(this);
    PanelButton->setFixedHeight(42);
    BtnAll = new QPushButton(PanelButton);
    BtnNext = new QPushButton(PanelButton);
    BtnCancel = new QPushButton(PanelButton);
    for (QPushButton* button : {BtnAll, BtnNext, BtnCancel}) {
        button->setFixedSize(82, 25);
        button->setAutoDefault(false);
    }
    BtnNext->setEnabled(false);
    auto* buttons = new QHBoxLayout(PanelButton);
    buttons->setContentsMargins(8, 8, 8, 9);
    buttons->addWidget(BtnAll);
    buttons->addStretch();
    buttons->addWidget(BtnNext);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client);
    layout->addWidget(PanelButton);

    connect(BtnAll, &QPushButton::clicked, this, [this] { BtnAllClick(); });
    connect(BtnNext, &QPushButton::clicked, this, [this] {
        setResult(1);
        BtnNextClick();
    });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { done(2); });

    // FormCreate
    LadeTexte();
    Init();
    InitData(1, 0);
    LoadColor(look_.Common, look_.Cell, look_.Title, look_.ReadOnly, look_.LineWidth);
}

TDlgGlobalParameter::~TDlgGlobalParameter()
{
    LOG_FKT_START("TDlgGlobalParameter::~TDlgGlobalParameter");
    // The grid's events must not reach this dialog while the form goes.
    Grid->Grid().ClearCellEvents();
    Grid->Grid().OnEnterCell.Unbind();
}

int TDlgGlobalParameter::ShowModal()
{
    // Hiding a running modal dialog ends its loop: coming back from step 2 runs it again.
    int result = 0;
    do {
        reopen_ = false;
        result = platform::Ui().ShowModal(*this);
    } while (reopen_);
    return result;
}

void TDlgGlobalParameter::LadeTexte()
{
    setWindowTitle(platform::ToQString(Spredit::Text9290));
    BtnNext->setText(platform::ToQString(Spredit::Text9262));
    BtnCancel->setText(platform::ToQString(Spredit::Text9008));
    BtnAll->setText(platform::ToQString(Spredit::Text9260));
}

void TDlgGlobalParameter::Init()
{
    ctrlListView_ = std::make_unique<TCtrlListView>(ListView);
    ctrlGrid_ = std::make_unique<TCtrlGrid>(Grid);
    ctrlGrid_->Init();
    // Entering a cell does nothing here.
    Grid->Grid().OnEnterCell.Bind([](TObject*, TCell*, int, int) {}, life_);
}

void TDlgGlobalParameter::InitData(platform::WPARAM column, platform::LPARAM row)
{
    InitData(static_cast<int>(column), static_cast<int>(row));
}

void TDlgGlobalParameter::InitData(int column, int row)
{
    LOG_FKT_START("TDlgGlobalParameter::InitData");
    if (!node_)
        return;
    AktualisiereAnsicht(node_, column, row);
    // The form grows to show every column of the grid whole (the grid's columns fit their texts).
    if (Grid->isHidden())
        return;
    int wanted = 2 * Grid->frameWidth() + Grid->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < Grid->Grid().GetColCount(); ++column)
        wanted += Grid->ColWidth(column);
    FitWidth(wanted);
}

void TDlgGlobalParameter::FitWidth(int wanted)
{
    const QScreen* shown = screen();
    const int room = shown ? shown->availableGeometry().width() : wanted;
    if (width() < wanted)
        resize(std::min(wanted, room), height());
}

void TDlgGlobalParameter::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (!Grid->isHidden() && Grid->horizontalScrollBar()->maximum() > 0)
            FitWidth(width() + Grid->horizontalScrollBar()->maximum());
    });
}

void TDlgGlobalParameter::LoadColor(std::int32_t common, std::int32_t cell, std::int32_t title,
                                    std::int32_t readOnly, int lineWidth)
{
    ctrlGrid_->LoadColor(common, cell, title, readOnly, lineWidth);
}

platform::LRESULT TDlgGlobalParameter::Dispatch(platform::UINT message, platform::WPARAM, platform::LPARAM)
{
    if (message == WM_USER_DELETEZELLENKOMPONENTE)
        Grid->DeleteZellenKomponente();
    return 0;
}

void TDlgGlobalParameter::AktualisiereAnsicht(TTreeNode* node, int column, int row)
{
    LOG_FKT_START("TDlgGlobalParameter::AktualisiereAnsicht");
    if (!node)
        return;
    TDrawGridSE& grid = Grid->Grid();
    grid.Clear();
    grid.ClearCellEvents();
    const int style = object_ ? object_->ListStyle() : 0;
    if (style == 0)
        ShowChildList(node);
    else if (style == 1)
        ShowGrid(column, row);
}

void TDlgGlobalParameter::ShowChildList(TTreeNode* node)
{
    const TUpdateGuard<TListView*> guard(ListView);
    ListView->Clear();
    ListView->show();
    ListView->setDragEnabled(true);
    Grid->Grid().Clear();
    Grid->hide();
    const QFontMetrics metrics(ListView->font());
    int widest = MinCaptionWidth;
    for (int i = 0; i < node->Count(); ++i) {
        TTreeNode* child = node->Item(i);
        TListItem* item = ListView->Add(child->Text());
        item->SetImageIndex(child->ImageIndex());
        item->SetData(child->Data());
        widest = std::max(widest, metrics.horizontalAdvance(platform::ToQString(child->Text())));
    }
    ListView->SetColumnWidth(widest + 50);
}

void TDlgGlobalParameter::ShowGrid(int column, int row)
{
    TDrawGridSE& grid = Grid->Grid();
    {
        const TUpdateGuard<TDrawGridSE*> guard(&grid);
        grid.Clear();
        grid.SetAutoSizeColumns(look_.AutoSize);
        grid.DefaultColWidth = look_.AutoSize ? 1 : look_.ColDefWidth;
        Grid->show();
        ListView->hide();
        ListView->setDragEnabled(false);
        grid.Clear();
        grid.SetFixedRows(0);
        grid.SetRowCount(0);
        grid.SetColCount(2);
        grid.SetFixedCols(0);
    }
    object_->BuildInfoWindow(&grid, ListView, false, column, row);
    ReplaceCellHandlers();
    BtnNext->setEnabled(object_->ChangeGlobalParameter());
}

void TDlgGlobalParameter::ReplaceCellHandlers()
{
    // Only the marks are edited here: every handler of the data object goes but the spin
    // editor's limit handlers.
    TDrawGridSE& grid = Grid->Grid();
    const TDrawGridSE::TSpinLimitEvent overflow = grid.OnSpinEditOverflow;
    const TDrawGridSE::TSpinLimitEvent underflow = grid.OnSpinEditUnderflow;
    grid.ClearCellEvents();
    grid.OnSpinEditOverflow = overflow;
    grid.OnSpinEditUnderflow = underflow;
    grid.OnComboBoxChange.Bind(
        [this](TObject* sender, TCell& cell, int column, int row) { GridComboBoxChange(sender, cell, column, row); },
        life_);
}

void TDlgGlobalParameter::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TDlgGlobalParameter::GridComboBoxChange");
    if (sender && object_)
        object_->SetGlobalParameterValue(cell.Tag, dynamic_cast<TComboBox*>(sender));
    // The whole view is rebuilt once the grid's event has returned.
    PostInitData(column, row);
}

void TDlgGlobalParameter::PostInitData(int column, int row)
{
    if (mainWindow_)
        platform::PostMessage(mainWindow_->GlobalParameterWindow(), WM_USER_GLOBALPARAMETERINITDATA,
                              static_cast<platform::WPARAM>(column), static_cast<platform::LPARAM>(row));
}

void TDlgGlobalParameter::BtnAllClick()
{
    LOG_FKT_START("TDlgGlobalParameter::BtnAllClick");
    if (!object_)
        return;
    const TDrawGridSE& grid = Grid->Grid();
    bool marked = false;
    for (int row = 0; row < grid.GetRowCount() && !marked; ++row) {
        if (const TCell* cell = grid.GetCell(MarkColumn, row))
            marked = object_->ChangeParameter(cell->Tag);
    }
    const tagEnumGlobalParameterValue value = marked ? gpvNichtAendern : gpvAendern;
    bool set = false;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        if (const TCell* cell = grid.GetCell(MarkColumn, row)) {
            const int tag = cell->Tag;
            object_->SetGlobalParameterValue(tag, value);
            object_->SetGlobalParameterDependenciesToValue(tag, value);
            set = true;
        }
    }
    if (set)
        PostInitData(MarkColumn, 0);
}

void TDlgGlobalParameter::BtnNextClick()
{
    LOG_FKT_START("TDlgGlobalParameter::BtnNextClick");
    const bool wasShown = isVisible();
    hide();
    std::vector<std::string> table;
    if (!ParamTableToStringList(&Grid->Grid(), &table)) {
        done(1);
        return;
    }
    if (CreateDlgSelectDevice(table) == 1) {
        done(1);
        return;
    }
    show();
    setResult(0);
    reopen_ = wasShown;
}

int TDlgGlobalParameter::CreateDlgSelectDevice(const std::vector<std::string>& table)
{
    if (openSelectDevice_)
        return openSelectDevice_(*this, table);
    return ShowDlgSelectDevice(this, mainWindow_, link_, object_, deviceId_, table);
}
