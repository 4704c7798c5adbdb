#pragma once

#include "device/ConfigWindowServices.h"

#include <QWidget>

#include <cstdint>
#include <string>

class TDataBasis;
class TDeviceInstanz;
class TCell;
class TDrawGridSE;
class TDrawGridSEView;
class TListView;
class TSorvGrpAdrBasis;
class TTreeNode;
class TTreeView;

// A configuration window as the main window and the commands see it: an MDI child that shows
// one device model's functions as a tree beside a parameter grid or a child list, with an
// optional quick-help pane. The main window makes every window through a TFormVerwFactory and
// adds it to its MDI area; a window announces itself with WM_USER_FORMVERWCREATED, its
// activation with WM_USER_FORMVERWACTIVATED (posted, lParam the window) and its end with
// WM_USER_FORMVERWDESTROYED (sent). Every operation does nothing (or answers none) unless the
// window says otherwise.
class TFormVerwBase : public QWidget, public TConfigWindowServices {
public:
    // The window's handle in the window registry; it receives WM_USER_DELETEZELLENKOMPONENTE.
    virtual platform::HWND GetHandle() const { return 0; }

    // Rebuilds the tree below the system node from the device model's data objects, keeping
    // the visible and the selected nodes.
    virtual void UpdateSystemNode() {}
    // Brackets changes of many tree items; the tree repaints once at the end.
    virtual void TreeBeginUpdate() {}
    virtual void TreeEndUpdate() {}
    // Sorting of the tree: by data (stData, true) or none (stNone, false).
    virtual void SetTreeSorted(bool /*sorted*/) {}
    // Sorting of the tree by the node texts (stText).
    virtual void SortTreeByText() {}
    // Removes every item of the tree.
    virtual void TreeClear() {}
    // Deletes the window's own tree nodes.
    virtual void DeleteTreeViewNodes() {}
    // The device model empties the tree before it replaces the data objects the nodes show.
    void ClearTree() override { DeleteTreeViewNodes(); }

    virtual void TreeCollapseAll() {}
    virtual void TreeExpandAll() {}
    virtual void TreeCollapse() {}
    virtual void TreeExpand() {}

    // The window's function tree, or none while it has none.
    virtual TTreeView* GetTree() const { return nullptr; }
    // The data object of the selected node, or none.
    virtual TDataBasis* GetSelData() const { return nullptr; }
    // The selected tree node, or none.
    virtual TTreeNode* GetSelectedNode() const { return nullptr; }
    // Selects the object's node and shows it.
    virtual void SelectNode(TDataBasis* /*object*/) {}
    virtual TTreeNode* GetNodeFromData(TDataBasis* /*object*/) const { return nullptr; }
    // Refreshes the right-hand view for the node (none: the selected one) at the grid cell;
    // (-1, -1) is no cell.
    virtual void AktualisiereAnsicht(TTreeNode* /*node*/, int /*column*/, int /*row*/) {}
    virtual void UpdateTreeNamesAndIcon() {}
    virtual void UpdateIcon(TDataBasis* /*object*/) {}
    // Has the window add the nodes of a newly created group address; the middle group is none
    // with two levels.
    virtual void CreateGroupAddressNodes(TSorvGrpAdrBasis* /*main*/, TSorvGrpAdrBasis* /*middle*/,
                                         TSorvGrpAdrBasis* /*sub*/, bool /*isActiveWindow*/)
    {
    }

    // Grid colours (TColor values: 0x00BBGGRR or a system colour 0x80000000 + index) and line
    // width; automatic column width or the default column width.
    virtual void LoadColor(std::int32_t /*common*/, std::int32_t /*cell*/, std::int32_t /*title*/,
                           std::int32_t /*readOnly*/, int /*lineWidth*/)
    {
    }
    virtual void LoadSize(bool /*autoSize*/, int /*defaultColumnWidth*/) {}

    // The parameter grid, or none while the window has none.
    virtual TDrawGridSE* GetGrid() const { return nullptr; }
    // The grid's view, where a person clicks and types; none while the window has no grid.
    virtual TDrawGridSEView* GetGridView() const { return nullptr; }
    // True while the parameter grid is shown (the child list is not in its place).
    virtual bool IsGridVisible() const { return GetGrid() != nullptr; }
    // The child list, or none while the window has none.
    virtual TListView* GetListView() const { return nullptr; }
    // The grid's entering of the cell, as when the user enters it (no sender).
    virtual void GridEnterCell(TCell* /*cell*/, int /*column*/, int /*row*/) {}
    // True while the parameter grid holds the input focus.
    virtual bool GridHasFocus() const { return false; }
    // Removes the grid's in-place cell editor; the value typed into it is taken first.
    virtual void DeleteZellenKomponente() {}
    // Empties the parameter grid.
    virtual void ClearGrid() {}

    // The quick-help pane: made once by CreateMeldeFenster; its host window (a docked panel or
    // a floating tool window) follows the application's activation.
    virtual void CreateMeldeFenster() {}
    virtual bool HasMeldeFenster() const { return false; }
    virtual QWidget* MeldeFensterHost() const { return nullptr; }

    // Takes over the device references and the tree of another window (or none).
    virtual void Assign(TFormVerwBase* /*other*/) {}
    // Copies the other window's tree state into this one and refreshes; nothing for itself or
    // none.
    virtual void Abgleich(TFormVerwBase* /*other*/) {}
    // Binds the window's resize handler (FormResize) or unbinds it.
    virtual void BindResize(bool /*bound*/) {}
    // Writes the window's geometry, state, tree width and quick-help switches to the settings
    // file.
    virtual void SetRegData() {}

protected:
    explicit TFormVerwBase(QWidget* owner = nullptr) : QWidget(owner) {}
};

// The active configuration window, or none; set by the main window.
extern TFormVerwBase* FormVerw;
