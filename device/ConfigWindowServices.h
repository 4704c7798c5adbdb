#pragma once

#include "platform/WindowMessages.h"

#include <string>
#include <vector>

class TDataBasis;
class TDeviceInstanz;
class TGrpAdrNodes;
class TGrpAdrOrdner;
class TTreeNode;

// A configuration window as the device model sees it. The model keeps the active one but
// never owns it; the operations it calls are added here with the code that calls them. Each
// does nothing unless the window says otherwise.
class TConfigWindowServices {
public:
    // Removes the group-address nodes from the tree.
    virtual void DeleteGrpAdr() {}
    // Removes every node of the tree.
    virtual void ClearTree() {}
    // Rebuilds the tree from the device model's data objects.
    virtual void InitData(platform::HWND /*mainWindow*/) {}
    // Shows this device model from now on.
    virtual void SetDeviceInstanz(TDeviceInstanz* /*device*/) {}
    // Creates the group-address folder node with the main groups below it; the middle and sub
    // groups are filled in when they are opened.
    virtual void InitGrpAdr(platform::HWND /*mainWindow*/, TGrpAdrOrdner* /*folder*/, const TGrpAdrNodes& /*mainGroups*/,
                            const TGrpAdrNodes& /*midSubGroups*/)
    {
    }
    // Sets the image, state and selected index of the object's node; nothing without a node.
    virtual void SetNodeImageIndex(TDataBasis* /*object*/, int /*imageIndex*/) {}
    // Removes the object's node from the tree (looked up from the object when no node is given).
    virtual void DeleteNode(TTreeNode* /*node*/, TDataBasis* /*object*/) {}
    // Adds the object's node below the node of its parent object; with makeVisible the new node
    // is made visible. The node, or none when the parent has no node.
    virtual TTreeNode* AddChildNode2Data(TDataBasis* /*parent*/, TDataBasis* /*object*/, bool /*makeVisible*/)
    {
        return nullptr;
    }
    // Brackets changes of the function tree's nodes: the tree is redrawn when as many
    // EndUpdate as BeginUpdate calls came (TUpdateGuard).
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
    // The window's number: how many configuration windows were made before it in this run. It
    // names the window's section of expanded tree nodes in the data block.
    virtual int GetWindowNumber() const { return 0; }
    // Replaces the lines with the handles (decimal) of the expanded nodes to store, the selected
    // node's first.
    virtual void GetListExpandedTreeNodes(std::vector<std::string>& lines) { lines.clear(); }
    // Takes the stored handles (decimal) of the expanded nodes; the first names the node to
    // select. No lines change nothing.
    virtual void SetListExpandedTreeNodes(const std::vector<std::string>& /*lines*/) {}

protected:
    TConfigWindowServices() = default;
    TConfigWindowServices(const TConfigWindowServices&) = default;
    TConfigWindowServices& operator=(const TConfigWindowServices&) = default;
    ~TConfigWindowServices() = default;
};
