// The configuration window: making it, filling its tree and the node operations, which its
// controls' wrappers carry out.

#include "views/FormVerw.h"

#include "app/DataModule.h"
#include "app/Spredit.h"
#include "device/DeviceInstanz.h"
#include "outside/addrlink/GrpAdrOrdner.h"
#include "outside/datacore/DataBasis.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "views/CtrlGrid.h"
#include "views/CtrlListView.h"
#include "views/DrawGridSEView.h"
#include "views/FDockMeld.h"
#include "views/FormVerwRules.h"
#include "views/ListView.h"
#include "views/TreeWidthFit.h"
#include "views/ViewMessages.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>
#include <QTextEdit>
#include <QTimer>

TFormVerw::TFormVerw(QWidget* owner, int windowNumber) : TFormVerwBase(owner), WindowNumber(windowNumber)
{
    LOG_FKT_START("TFormVerw::TFormVerw");
    setObjectName(QStringLiteral("FormVerw"));
    registration_ = std::make_unique<platform::TWindowRegistration>(
        [this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
            return Dispatch(message, wParam, lParam);
        });
    FormCreate();
}

TFormVerw::~TFormVerw()
{
    LOG_FKT_START("TFormVerw::FormDestroy");
    qApp->removeEventFilter(this);
    // The controls go with the window; their wrappers first, so that no event reaches them.
    Tree->OnChange = nullptr;
    Tree->OnExpanding = nullptr;
    Tree->OnExpanded = nullptr;
    CtrlTree.reset();
    CtrlGrid.reset();
    CtrlListView.reset();
    if (DM)
        platform::SendMessage(DM->MainWindowHandle, WM_USER_FORMVERWDESTROYED, 0,
                              reinterpret_cast<platform::LPARAM>(static_cast<TFormVerwBase*>(this)));
}

void TFormVerw::FormCreate()
{
    building_ = false;
    quickHelpIndex_ = false;
    dragScrollDirection_ = 0;
    lastHelpNumber_ = 0;
    Init();
    InitTexte();
    BindControls();
    GetRegData();
    if (DM)
        LoadColor(DM->GridColorCommon, DM->GridColorCell, DM->GridColorTitle, DM->GridColorCellReadOnly,
                  DM->GridLineWidth);
    // The main window announces the window when it has taken it into its area.
    if (DM) {
        const bool globalParameter = DM->fEnableGlobalParameter;
        DM->AGlobalParameter->setVisible(globalParameter);
        PopupMenu1->actions().at(4)->setVisible(globalParameter); // MGlobalParamSeparator
    }
    qApp->installEventFilter(this);
}

void TFormVerw::Init()
{
    LOG_FKT_START("TFormVerw::Init");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    layout->addWidget(panel1);
    auto* panelLayout = new QHBoxLayout(panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    panelLayout->addWidget(Splitter1);

    Tree = new TTreeView(Splitter1);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setMinimumWidth(50);
    Tree->setIndentation(21);
    PanelInfoSeite = new QMainWindow(Splitter1);
    PanelInfoSeite->setObjectName(QStringLiteral("PanelInfoSeite"));
    // A main window only for its dock area: a plain child of the splitter.
    PanelInfoSeite->setWindowFlags(Qt::Widget);
    PanelInfoSeite->show();
    PanelInfoSeite->setDockOptions(QMainWindow::AnimatedDocks);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    treeWidthFit_ = new TTreeWidthFit(*Splitter1, *Tree);

    auto* pane = new QWidget(PanelInfoSeite);
    auto* paneLayout = new QHBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    ListView = new TListView(pane);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setMinimumWidth(50);
    GridView = new TDrawGridSEView(pane);
    GridView->setObjectName(QStringLiteral("Grid"));
    paneLayout->addWidget(ListView);
    paneLayout->addWidget(GridView);
    PanelInfoSeite->setCentralWidget(pane);

    if (DM) {
        Tree->SetImages(&DM->ImageList1);
        ListView->SetSmallImages(&DM->ImageList1);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    if (DM) {
        PopupMenu1->addAction(DM->AExpand);
        PopupMenu1->addAction(DM->ACollapse);
        PopupMenu1->addSeparator();
        PopupMenu1->addAction(DM->ALinkObjToGrpAddr);
        PopupMenu1->addSeparator()->setObjectName(QStringLiteral("MGlobalParamSeparator"));
        PopupMenu1->addAction(DM->AGlobalParameter);
    }

    TimerTreeScroll = new QTimer(this);
    TimerTreeScroll->setInterval(50);

    CtrlTree = std::make_unique<TCtrlTree>(Tree);
    CtrlListView = std::make_unique<TCtrlListView>(ListView);
    CtrlGrid = std::make_unique<TCtrlGrid>(GridView);
    GridView->Grid().OnEnterCell.Bind(
        [this](TObject* sender, TCell* cell, int column, int row) { GridEnterCell(sender, cell, column, row); });
    Tree->SetSortType(stData);
    ListView->hide();
    resize(620, 300);
}

void TFormVerw::InitTexte()
{
    LOG_FKT_START("TFormVerw::InitTexte");
    setWindowTitle(platform::ToQString(Spredit::Text9246 + ":" + std::to_string(WindowNumber)));
}

void TFormVerw::BindControls()
{
    Tree->OnChange = [this](TTreeNode* node) { TreeChange(node); };
    Tree->OnCompare = [this](QObject* sender, TTreeNode* node1, TTreeNode* node2, int data, int& compare) {
        CtrlTree->Compare(sender, node1, node2, data, compare);
    };
    Tree->OnExpanding = [this](TTreeNode* node, bool& allow) { TreeExpanding(node, allow); };
    Tree->OnExpanded = [this](TTreeNode* node) { TreeExpanded(node); };
    Tree->OnStartDrag = [this] {
        dragScrollDirection_ = 0;
        TimerTreeScroll->start();
    };
    Tree->OnEndDrag = [this] {
        dragScrollDirection_ = 0;
        TimerTreeScroll->stop();
    };
    Tree->OnDragOver = [this](QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept) {
        dragScrollDirection_ = 0;
        if (!TimerTreeScroll->isActive())
            TimerTreeScroll->start();
        CtrlTree->DragOver(sender, source, x, y, state, accept);
    };
    Tree->OnDragDrop = [this](QObject* sender, QObject* source, int x, int y) {
        CtrlTree->DragDrop(sender, source, x, y);
    };
    Tree->viewport()->installEventFilter(this);
    ListView->OnDragOver = [this](QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept) {
        CtrlListView->DragOver(sender, source, x, y, state, accept);
    };
    ListView->OnDragDrop = [this](QObject* sender, QObject* source, int x, int y) {
        CtrlListView->DragDrop(sender, source, x, y);
    };
    connect(ListView, &QListWidget::itemDoubleClicked, this, [this] { ListViewDblClick(); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] {
        if (GridHasFocus())
            Tree->setFocus();
        if (GridView->isVisible())
            DeleteZellenKomponente();
    });
    connect(TimerTreeScroll, &QTimer::timeout, this, [this] { TimerTreeScrollTimer(); });
}

QMdiSubWindow* TFormVerw::SubWindow() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

platform::HWND TFormVerw::GetHandle() const
{
    return registration_ ? registration_->Handle() : 0;
}

platform::HWND TFormVerw::MainWindow() const
{
    if (mainWindow_ != 0)
        return mainWindow_;
    return DM ? DM->MainWindowHandle : 0;
}

platform::LRESULT TFormVerw::Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM)
{
    switch (message) {
    case WM_USER_DELETEZELLENKOMPONENTE:
        GridView->DeleteZellenKomponente();
        return 0;
    case views::WM_KEYDOWN:
        FormKeyDown(static_cast<int>(wParam), Qt::NoModifier);
        return 0;
    default:
        return 0;
    }
}

void TFormVerw::SetDeviceInstanz(TDeviceInstanz* device)
{
    LOG_FKT_START("TFormVerw::SetDeviceInstanz");
    device_ = device;
    CtrlTree->SetDeviceInstanz(device);
}

void TFormVerw::InitData(const std::map<std::int32_t, TDataBasis*>& map, platform::HWND mainWindow)
{
    LOG_FKT_START("TFormVerw::InitData");
    mainWindow_ = mainWindow;
    building_ = true;
    CtrlTree->InitTree(map);
    building_ = false;
    treeWidthFit_->Fit();
    AktualisiereAnsicht(nullptr, -1, -1);
}

void TFormVerw::InitGrpAdr(platform::HWND, TGrpAdrOrdner* folder, const TGrpAdrNodes& mainGroups,
                           const TGrpAdrNodes& midSubGroups)
{
    LOG_FKT_START("TFormVerw::InitGrpAdr");
    grpAdrFolder_ = folder;
    mainGroupNodes_ = &mainGroups;
    grpAdrNodes_ = &midSubGroups;
    CtrlTree->MakeGrpAdrFolder(mainGroups.Map(), grpAdrFolder_);
}

TTreeNode* TFormVerw::NodeOf(const TDataBasis* object) const
{
    return object ? CtrlTree->GetNodeFromData(object) : nullptr;
}

TTreeNode* TFormVerw::AddChildNode2Data(TDataBasis* parent, TDataBasis* object, bool makeVisible)
{
    LOG_FKT_START("TFormVerw::AddChildNode2Data");
    if (!NodeOf(parent))
        return nullptr;
    TTreeNode* node = CtrlTree->AddChildNode(parent, object);
    if (node && makeVisible)
        node->MakeVisible();
    return node;
}

void TFormVerw::DeleteNode(TTreeNode*, TDataBasis* object)
{
    LOG_FKT_START("TFormVerw::DeleteNode");
    CtrlTree->DeleteNode(nullptr, object);
}

TTreeNode* TFormVerw::GetNodeFromData(TDataBasis* object) const
{
    return NodeOf(object);
}

TDataBasis* TFormVerw::GetSelData() const
{
    return CtrlTree->GetSelData();
}

TTreeNode* TFormVerw::GetSelectedNode() const
{
    return Tree->Selected();
}

void TFormVerw::SelectNode(TDataBasis* object)
{
    LOG_FKT_START("TFormVerw::SelectNode");
    if (object)
        CtrlTree->SelectNode(object);
}

void TFormVerw::SetNodeImageIndex(TDataBasis* object, int imageIndex)
{
    if (TTreeNode* node = NodeOf(object)) {
        node->SetImageIndex(imageIndex);
        node->SetStateIndex(imageIndex);
        node->SetSelectedIndex(imageIndex);
    }
}

void TFormVerw::UpdateTreeNamesAndIcon()
{
    LOG_FKT_START("TFormVerw::UpdateTreeNamesAndIcon");
    CtrlTree->UpdateNamesAndIcon();
}

void TFormVerw::UpdateIcon(TDataBasis* object)
{
    LOG_FKT_START("TFormVerw::UpdateIcon");
    if (TTreeNode* node = NodeOf(object))
        CtrlTree->UpdateIcon(node, object);
}

void TFormVerw::UpdateSystemNode()
{
    LOG_FKT_START("TFormVerw::UpdateSystemNode");
    if (!device_)
        return;
    building_ = true;
    CtrlTree->UpdateSystemNode(device_->GetDataPointerMap());
    building_ = false;
    AktualisiereAnsicht(nullptr, 1, 0);
}

void TFormVerw::TreeBeginUpdate()
{
    Tree->BeginUpdate();
}

void TFormVerw::TreeEndUpdate()
{
    Tree->EndUpdate();
}

void TFormVerw::SetTreeSorted(bool sorted)
{
    Tree->SetSortType(sorted ? stData : stNone);
}

void TFormVerw::SortTreeByText()
{
    Tree->SetSortType(stText);
}

void TFormVerw::TreeClear()
{
    Tree->Clear();
}

void TFormVerw::DeleteTreeViewNodes()
{
    LOG_FKT_START("TFormVerw::DeleteTreeViewNodes");
    building_ = true;
    Tree->Clear();
    building_ = false;
}

void TFormVerw::TreeExpandAll()
{
    CtrlTree->ExpandAll();
}

void TFormVerw::TreeCollapseAll()
{
    CtrlTree->CollapseAll();
}

void TFormVerw::TreeExpand()
{
    CtrlTree->Expand();
}

void TFormVerw::TreeCollapse()
{
    CtrlTree->Collapse();
}

void TFormVerw::LoadColor(std::int32_t common, std::int32_t cell, std::int32_t title, std::int32_t readOnly,
                          int lineWidth)
{
    CtrlGrid->LoadColor(common, cell, title, readOnly, lineWidth);
}

void TFormVerw::LoadSize(bool autoSize, int defaultColumnWidth)
{
    CtrlGrid->LoadSize(autoSize, defaultColumnWidth);
}

TDrawGridSE* TFormVerw::GetGrid() const
{
    return &GridView->Grid();
}

bool TFormVerw::GridHasFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == GridView || GridView->isAncestorOf(focus));
}

void TFormVerw::DeleteZellenKomponente()
{
    GridView->DeleteZellenKomponente();
}

void TFormVerw::ClearGrid()
{
    GridView->Grid().Clear();
}

void TFormVerw::Assign(TFormVerwBase* other)
{
    LOG_FKT_START("TFormVerw::Assign");
    auto* source = dynamic_cast<TFormVerw*>(other);
    if (!source || source == this)
        return;
    grpAdrNodes_ = source->grpAdrNodes_;
    mainGroupNodes_ = source->mainGroupNodes_;
    grpAdrFolder_ = source->grpAdrFolder_;
    mainWindow_ = source->mainWindow_;
    CtrlTree->Abgleich(source->Tree, true);
    treeWidthFit_->Fit();
    AktualisiereAnsicht(nullptr, 0, 0);
}

void TFormVerw::Abgleich(TFormVerwBase* other)
{
    LOG_FKT_START("TFormVerw::Abgleich");
    auto* source = dynamic_cast<TFormVerw*>(other);
    if (!source || source == this || !CtrlTree)
        return;
    CtrlTree->Abgleich(source->Tree, false);
    AktualisiereAnsicht(nullptr, -1, -1);
}

std::vector<TConfigWindowServices::TTreeNodeState> TFormVerw::GetTreeNodeStates() const
{
    std::vector<TTreeNodeState> states;
    const TTreeNode* selected = Tree->Selected();
    for (TTreeNode* node : Tree->Nodes())
        states.push_back({node->Data(), node->isExpanded(), node == selected});
    return states;
}

TFormVerwBase* TFormVerwWindows::Create(QWidget* owner, int windowNumber) const
{
    return new TFormVerw(owner, windowNumber);
}
