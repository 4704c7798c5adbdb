// The configuration window's group-address levels: loaded when the folder opens, filled one
// level ahead when a node opens, and the nodes of a new group address.

#include "views/FormVerw.h"

#include "app/DataModule.h"
#include "device/DeviceInstanz.h"
#include "device/product/UpdateGuard.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/SorvGrpAdrBasis.h"
#include "outside/datacore/DataBasis.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwRules.h"
#include "views/ViewMessages.h"

void TFormVerw::TreeExpanding(TTreeNode* node, bool& allow)
{
    LOG_FKT_START("TFormVerw::TreeExpanding");
    TDataBasis* object = node ? node->Data() : nullptr;
    if (object && object->GetTyp() == DT_GRP_ADR_ORDNER)
        allow = platform::SendMessage(MainWindow(), WM_USER_LOADGRPADR, 0, 0) != 0;
}

void TFormVerw::TreeExpanded(TTreeNode* node)
{
    LOG_FKT_START("TFormVerw::TreeExpanded");
    if (!node)
        return;
    std::vector<TTreeNode*> children;
    for (int i = 0; i < node->Count(); ++i)
        children.push_back(node->Item(i));
    const TUpdateGuard<TTreeView*> guard(Tree);
    const platform::TCursorHourGlass hourGlass;
    const TSortType sortType = Tree->SortType();
    bool sortChanged = false;
    const bool threeLevels = !DM || DM->GrpAdrLevels == 3;
    for (TTreeNode* child : children) {
        TDataBasis* object = child->Data();
        const int typ = object ? object->GetTyp() : 0;
        if (typ < DT_SORV_GRP_ADR_MAIN || typ > 5006)
            continue;
        Tree->SetSortType(stNone);
        sortChanged = true;
        if (typ > DT_SORV_GRP_ADR_SUB)
            continue;
        if (!grpAdrNodes_) {
            platform::MessageBox("Group address map not found.\nAbort function", "TFormVerw::TreeExpanding",
                                 platform::MB_OK);
            break;
        }
        if (typ == DT_SORV_GRP_ADR_SUB || !device_ || !device_->EtsGruppenAdressen)
            continue;
        TCtrlTree::TGrpAdrMap below =
            views::GroupsBelow(object, *device_->EtsGruppenAdressen, grpAdrNodes_->Map(), threeLevels);
        CtrlTree->MakeGrpAdrNode(&below, child);
    }
    if (sortChanged)
        Tree->SetSortType(sortType);
}

void TFormVerw::CreateGroupAddressNodes(TSorvGrpAdrBasis* main, TSorvGrpAdrBasis* middle, TSorvGrpAdrBasis* sub,
                                        bool makeVisible)
{
    LOG_FKT_START("TFormVerw::CreateGroupAddressNodes");
    if (!grpAdrFolder_) {
        platform::MessageBox("Can't find Groupaddress folder.", "error (TDeviceInstanz::InsertGrpAdr)",
                             platform::MB_OK);
        return;
    }
    TDataBasis* mainObject = main;
    TDataBasis* middleObject = middle;
    TDataBasis* subObject = sub;
    TDataBasis* reported = nullptr;
    const auto add = [&](TDataBasis* parent, TDataBasis* object) {
        if (!object || NodeOf(object))
            return;
        AddChildNode2Data(parent, object, makeVisible);
        if (!reported)
            reported = parent;
    };
    add(grpAdrFolder_, mainObject);
    if (!DM || DM->GrpAdrLevels == 3) {
        add(mainObject, middleObject);
        add(middleObject, subObject);
    } else {
        add(mainObject, subObject);
    }
    if (reported)
        platform::PostMessage(MainWindow(), WM_USER_GRPADRNODESCREATED, 1, reinterpret_cast<platform::LPARAM>(reported));
}
