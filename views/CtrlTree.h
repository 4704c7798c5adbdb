#pragma once

#include "device/GrpAdrNodeMap.h"
#include "views/TreeView.h"

#include <QCollator>

#include <map>
#include <memory_resource>
#include <string>

class QObject;
class TDataBasis;
class TDeviceInstanz;
class TSorvGrpAdrBasis;

// Works on the function tree of a configuration window: builds the device's branch from the
// data objects and the group-address folder with its lazily filled levels, keeps the tree in
// its order (position id, then a natural order of the texts), refreshes texts and icons,
// rebuilds the device's branch keeping what is expanded and selected, passes drops to the data
// objects, copies another window's tree, expands and collapses, and finds the node of a data
// object. Every node carries one data object, which stays the device model's.
class TCtrlTree {
public:
    using TDataPointerMap = std::map<int, TDataBasis*>;
    // Group-address nodes by host id that a node of the tree is to show below it.
    using TGrpAdrMap = std::pmr::map<int, TSorvGrpAdrBasis*>;

    explicit TCtrlTree(TTreeView* treeView);
    // The tree view and its nodes stay.
    ~TCtrlTree();
    TCtrlTree(const TCtrlTree&) = delete;
    TCtrlTree& operator=(const TCtrlTree&) = delete;

    void SetDeviceInstanz(TDeviceInstanz* device);

    void InitTree(const TDataPointerMap& map);
    void InitChildNode(int parentHandle, const TDataPointerMap& map, TTreeNode* parentNode);
    TTreeNode* MakeNode(TTreeNode* parentNode, TDataBasis* object);
    TTreeNode* AddChildNode(TDataBasis* parent, TDataBasis* object);
    // The node argument is not used: the first node carrying the object goes.
    void DeleteNode(TTreeNode* node, TDataBasis* object);

    void Compare(QObject* sender, TTreeNode* node1, TTreeNode* node2, int data, int& compare);
    // Splits a text into a prefix and the number its trailing run of digits and commas stands
    // for (-1 when the run is no valid 32-bit number); false, and nothing set, when the text
    // does not end in a digit or a comma.
    static bool TrenneZahlenUndString(const std::string& text, std::string& prefix, int& number);

    void UpdateNamesAndIcon();
    void UpdateIcon(TTreeNode* node, TDataBasis* object);
    void UpdateSystemNode(const TDataPointerMap& map);

    void MakeGrpAdrFolder(const TGrpAdrNodeMap& mainGroups, TDataBasis* folder);
    // Adds the groups of the map that the node does not show yet; the ones it shows are taken
    // out of the map.
    void MakeGrpAdrNode(TGrpAdrMap* groups, TTreeNode* node);

    void DragOver(QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept);
    void DragDrop(QObject* sender, QObject* source, int x, int y);

    void Abgleich(TTreeView* other, bool fromOther);
    void CopyNodes(TTreeNode* source, TTreeNode* destination);

    void CollapseAll();
    void ExpandAll();
    void Collapse();
    void Expand();

    TDataBasis* GetSelData() const;
    TTreeNode* GetNodeFromData(const TDataBasis* object) const;
    void SelectNode(const TDataBasis* object);

private:
    // Whether each data object's node is visible; the first node of an object counts.
    using TVisibilityMap = std::map<const TDataBasis*, bool>;

    static TVisibilityMap CollectVisibility(const TTreeView& tree);
    // Makes the nodes of the objects that were visible visible again; answers the node of the
    // object that was selected (the last such node), or none.
    TTreeNode* RestoreVisibility(const TVisibilityMap& visible, const TDataBasis* selected);
    // The dragged object and the object of the node under (x, y) for a drag from a tree or a
    // list onto a tree; false when one of them is missing.
    static bool DropPair(QObject* sender, QObject* source, int x, int y, TDataBasis*& target, TDataBasis*& dragged);
    int CompareText(const std::string& text1, const std::string& text2) const;

    TTreeView* treeView_;
    TDeviceInstanz* device_ = nullptr;
    QCollator collator_;
};
