#pragma once

#include "platform/WindowMessages.h"

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

protected:
    TConfigWindowServices() = default;
    TConfigWindowServices(const TConfigWindowServices&) = default;
    TConfigWindowServices& operator=(const TConfigWindowServices&) = default;
    ~TConfigWindowServices() = default;
};
