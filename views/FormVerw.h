#pragma once

#include "platform/WindowMessages.h"
#include "views/CtrlTree.h"
#include "views/FormVerwBase.h"
#include "views/FormVerwFactory.h"

#include <QPointer>
#include <QRect>

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

class QKeyEvent;
class QMainWindow;
class QMenu;
class QMdiSubWindow;
class QSplitter;
class QTextEdit;
class QTimer;
class TCell;
class TCtrlGrid;
class TCtrlListView;
class TTreeWidthFit;
class TDrawGridSEView;
class TFDockMeld;
class TListView;
class TObject;

// The configuration window of the device being edited: the function tree on the left and, on
// the right, the child list of the selected node or the parameter grid its data object fills,
// with the quick-help pane below. Any number of them show the same device, each with its own
// tree state, selection and right pane. The window wires its controls to TCtrlTree, TCtrlGrid
// and TCtrlListView, decides what the right pane shows, turns keys into commands, fills the
// group-address levels of the tree when they are opened, keeps its geometry in the settings file
// and tells the main window when it is activated.
//
// Its operations are split into files by concern: FormVerw.cpp (making, filling, node
// operations), FormVerwView.cpp (right pane, commands), FormVerwKeys.cpp (keys, popup, drag
// scrolling), FormVerwGrpAdr.cpp (group-address levels and nodes), FormVerwSettings.cpp
// (geometry, expanded nodes) and FormVerwQuickHelp.cpp (the quick-help pane).
class TFormVerw final : public TFormVerwBase {
    Q_OBJECT

public:
    TFormVerw(QWidget* owner, int windowNumber);
    ~TFormVerw() override;

    // --- Filling and node operations (FormVerw.cpp) ---

    platform::HWND GetHandle() const override;
    int GetWindowNumber() const override { return WindowNumber; }
    void SetDeviceInstanz(TDeviceInstanz* device) override;
    void InitData(const std::map<std::int32_t, TDataBasis*>& map, platform::HWND mainWindow) override;
    void InitGrpAdr(platform::HWND mainWindow, TGrpAdrOrdner* folder, const TGrpAdrNodes& mainGroups,
                    const TGrpAdrNodes& midSubGroups) override;
    void DeleteGrpAdr() override {}
    TTreeNode* AddChildNode2Data(TDataBasis* parent, TDataBasis* object, bool makeVisible) override;
    void DeleteNode(TTreeNode* node, TDataBasis* object) override;
    TTreeNode* GetNodeFromData(TDataBasis* object) const override;
    TTreeView* GetTree() const override { return Tree; }
    TDataBasis* GetSelData() const override;
    TTreeNode* GetSelectedNode() const override;
    void SelectNode(TDataBasis* object) override;
    void SetNodeImageIndex(TDataBasis* object, int imageIndex) override;
    void UpdateTreeNamesAndIcon() override;
    void UpdateIcon(TDataBasis* object) override;
    void UpdateSystemNode() override;
    void TreeBeginUpdate() override;
    void TreeEndUpdate() override;
    void BeginUpdate() override { TreeBeginUpdate(); }
    void EndUpdate() override { TreeEndUpdate(); }
    void SetTreeSorted(bool sorted) override;
    void SortTreeByText() override;
    void TreeClear() override;
    void DeleteTreeViewNodes() override;
    void TreeExpandAll() override;
    void TreeCollapseAll() override;
    void TreeExpand() override;
    void TreeCollapse() override;
    void LoadColor(std::int32_t common, std::int32_t cell, std::int32_t title, std::int32_t readOnly,
                   int lineWidth) override;
    void LoadSize(bool autoSize, int defaultColumnWidth) override;
    TDrawGridSE* GetGrid() const override;
    TDrawGridSEView* GetGridView() const override { return GridView; }
    bool GridHasFocus() const override;
    void DeleteZellenKomponente() override;
    void ClearGrid() override;
    void Assign(TFormVerwBase* other) override;
    void Abgleich(TFormVerwBase* other) override;
    void BindResize(bool bound) override { resizeBound_ = bound; }
    std::vector<TTreeNodeState> GetTreeNodeStates() const override;
    // The message map: WM_USER_DELETEZELLENKOMPONENTE removes the grid's cell editor, a posted
    // key-down runs the key handler again.
    platform::LRESULT Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

    // --- Right pane and commands (FormVerwView.cpp) ---

    void AktualisiereAnsicht(TTreeNode* node, int column, int row) override;
    void TreeChange(TTreeNode* node);
    void CheckActionList(TTreeNode* node);
    void ListViewDblClick();

    // --- Keys, popup and drag scrolling (FormVerwKeys.cpp) ---

    // The key-down stage: sees every key of the window before the focused control, which
    // still gets it.
    void FormKeyDown(int virtualKey, Qt::KeyboardModifiers shift);
    void TreeMouseDown(Qt::MouseButton button, const QPoint& at);
    void TimerTreeScrollTimer();

    // --- Group addresses (FormVerwGrpAdr.cpp) ---

    void TreeExpanding(TTreeNode* node, bool& allow);
    void TreeExpanded(TTreeNode* node);
    void CreateGroupAddressNodes(TSorvGrpAdrBasis* main, TSorvGrpAdrBasis* middle, TSorvGrpAdrBasis* sub,
                                 bool makeVisible) override;

    // --- Settings and expanded nodes (FormVerwSettings.cpp) ---

    void GetRegData();
    void SetRegData() override;
    void GetListExpandedTreeNodes(std::vector<std::string>& lines) override;
    void SetListExpandedTreeNodes(const std::vector<std::string>& lines) override;
    void SetListExpandedTreeNodes(const std::list<int>& handles) override;
    const std::list<int>& ExpandedTreeNodes() const { return expandedNodes_; }

    // --- Quick help (FormVerwQuickHelp.cpp) ---

    void CreateMeldeFenster() override;
    bool HasMeldeFenster() const override { return RichEditMeld != nullptr; }
    QWidget* MeldeFensterHost() const override;
    void GridEnterCell(TObject* sender, TCell* cell, int column, int row);
    void ShowOnlineHilfe(int helpNumber);
    int LastHelpNumber() const { return lastHelpNumber_; }

    // The controls, for the main window's handlers and for tests.
    TTreeView* Tree = nullptr;
    QSplitter* Splitter1 = nullptr;
    QMainWindow* PanelInfoSeite = nullptr;
    TListView* ListView = nullptr;
    TDrawGridSEView* GridView = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QTimer* TimerTreeScroll = nullptr;
    TFDockMeld* DockMeld = nullptr;
    QTextEdit* RichEditMeld = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void Init();
    void InitTexte();
    void BindControls();
    // Takes the MDI frame the main window put the window in: its geometry from the settings, its
    // close rule and its deactivation.
    void AdoptSubWindow();
    void ApplyStoredGeometry();
    void FormResize();
    // The MDI frame around the window, once it has one.
    QMdiSubWindow* SubWindow() const;
    // Finds the data object's node; none for none.
    TTreeNode* NodeOf(const TDataBasis* object) const;
    void ShowChildList(TTreeNode* node);
    void ShowGrid(TDataBasis* object, int column, int row);
    void RunKey(const QKeyEvent& key);
    void SwitchFocus();
    void QuickHelpEndDock(bool floating);
    void QuickHelpClosed();
    platform::HWND MainWindow() const;

    const int WindowNumber;
    std::unique_ptr<TCtrlTree> CtrlTree;
    std::unique_ptr<TCtrlGrid> CtrlGrid;
    std::unique_ptr<TCtrlListView> CtrlListView;
    platform::HWND mainWindow_ = 0;
    bool building_ = false;
    TDeviceInstanz* device_ = nullptr;
    const TGrpAdrNodes* grpAdrNodes_ = nullptr;
    const TGrpAdrNodes* mainGroupNodes_ = nullptr;
    TDataBasis* grpAdrFolder_ = nullptr;
    std::uint8_t dragScrollDirection_ = 0;
    std::list<int> expandedNodes_;
    std::string quickHelpFile_;
    int lastHelpNumber_ = 0;
    bool quickHelpIndex_ = false;
    int quickHelpHeight_ = 100;
    bool resizeBound_ = false;
    // The frame as a QObject: the application-wide key filter compares it with every watched
    // object, also while the frame is being destroyed, when it is a QMdiSubWindow no more.
    QPointer<QObject> subWindow_;
    // The frame while it is one.
    QMdiSubWindow* LiveSubWindow() const;
    // The stored geometry, applied once the window has its frame.
    QRect storedGeometry_;
    int storedState_ = 0;
    int storedTreeWidth_ = 200;
    // Owned by the splitter.
    TTreeWidthFit* treeWidthFit_ = nullptr;
    bool placed_ = false;
    std::unique_ptr<platform::TWindowRegistration> registration_;
};

// Makes the program's configuration windows.
class TFormVerwWindows final : public TFormVerwFactory {
public:
    TFormVerwBase* Create(QWidget* owner, int windowNumber) const override;
};
