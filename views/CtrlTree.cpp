#include "views/CtrlTree.h"

#include "device/DeviceInstanz.h"
#include "outside/addrlink/SorvGrpAdrBasis.h"
#include "outside/datacore/DataBasis.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/DragSource.h"
#include "views/ShowException.h"
#include "views/DataObjectDrop.h"

#include <cstdint>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr int DT_SYSTEM_FIRST = 101;
constexpr int DT_SYSTEM_LAST = 115;
constexpr int DT_GRP_ADR_ORDNER = 203;
constexpr int DT_SORV_GRP_ADR_MIDDLE = 5002;
constexpr int DT_SORV_GRP_ADR_SUB = 5003;

int Sign(std::int64_t value)
{
    return (value > 0) - (value < 0);
}

void SetImages(TTreeNode& node, int icon)
{
    node.SetImageIndex(icon);
    node.SetStateIndex(icon);
    node.SetSelectedIndex(icon);
}

// The visible objects of the map by parent handle, each list in the map's order.
using TChildIndex = std::unordered_map<int, std::vector<TDataBasis*>>;

TChildIndex IndexVisibleChildren(const TCtrlTree::TDataPointerMap& map)
{
    TChildIndex index;
    for (const auto& [handle, object] : map) {
        if (object && object->IsVisible())
            index[object->GetParentHandle()].push_back(object);
    }
    return index;
}

// Adds the visible children of the handle below the node; handles on the path from the root are
// not entered again, so that damaged parent handles cannot make the walk endless.
void AddChildren(TCtrlTree& tree, int parentHandle, const TChildIndex& index, TTreeNode* parentNode,
                 std::set<int>& path)
{
    if (!parentNode || !path.insert(parentHandle).second)
        return;
    if (const auto children = index.find(parentHandle); children != index.end()) {
        for (TDataBasis* object : children->second)
            AddChildren(tree, object->GetHandle(), index, tree.MakeNode(parentNode, object), path);
    }
    path.erase(parentHandle);
}

} // namespace

TCtrlTree::TCtrlTree(TTreeView* treeView) : treeView_(treeView)
{
    LOG_FKT_START("TCtrlTree::TCtrlTree");
    // Qt paints every widget double-buffered already.
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

TCtrlTree::~TCtrlTree()
{
    LOG_FKT_START("TCtrlTree::~TCtrlTree");
}

void TCtrlTree::SetDeviceInstanz(TDeviceInstanz* device)
{
    LOG_FKT_START("TCtrlTree::SetDeviceInstanz");
    device_ = device;
}

void TCtrlTree::InitTree(const TDataPointerMap& map)
{
    LOG_FKT_START("TCtrlTree::InitTree");
    if (map.empty())
        return;
    const TSortType sortType = treeView_->SortType();
    treeView_->SetSortType(stNone);
    TDataBasis* root = nullptr;
    for (const auto& [handle, object] : map) {
        if (object && object->GetTyp() >= DT_SYSTEM_FIRST && object->GetTyp() <= DT_SYSTEM_LAST) {
            root = object;
            break;
        }
    }
    // Without a device root there is no device branch.
    if (root) {
        TTreeNode* rootNode = MakeNode(nullptr, root);
        InitChildNode(root->GetHandle(), map, rootNode);
        treeView_->SetSelected(rootNode);
        rootNode->setExpanded(true);
    }
    treeView_->SetSortType(sortType);
}

void TCtrlTree::InitChildNode(int parentHandle, const TDataPointerMap& map, TTreeNode* parentNode)
{
    LOG_FKT_START("TCtrlTree::InitChildNode");
    std::set<int> path;
    AddChildren(*this, parentHandle, IndexVisibleChildren(map), parentNode, path);
}

TTreeNode* TCtrlTree::MakeNode(TTreeNode* parentNode, TDataBasis* object)
{
    LOG_FKT_START("TCtrlTree::MakeNode");
    if (!object)
        return nullptr;
    const std::string text = object->GetName(true);
    TTreeNode* node = parentNode ? treeView_->AddChild(parentNode, text) : treeView_->Add(text);
    SetImages(*node, object->GetIcon());
    node->SetData(object);
    const int count = object->GetNumberOfChildObjects(true);
    for (int i = 0; i < count; ++i) {
        TDataBasis* child = object->GetChildObject(i, true);
        if (!child)
            break;
        MakeNode(node, child);
    }
    return node;
}

TTreeNode* TCtrlTree::AddChildNode(TDataBasis* parent, TDataBasis* object)
{
    LOG_FKT_START("TCtrlTree::AddChildNode");
    TTreeNode* parentNode = GetNodeFromData(parent);
    return parentNode ? MakeNode(parentNode, object) : nullptr;
}

void TCtrlTree::DeleteNode(TTreeNode*, TDataBasis* object)
{
    LOG_FKT_START("TCtrlTree::DeleteNode");
    delete GetNodeFromData(object); // the node takes its subtree along; the objects stay
}

void TCtrlTree::Compare(QObject*, TTreeNode* node1, TTreeNode* node2, int, int& compare)
{
    LOG_FKT_START_LEVEL("TCtrlTree::Compare", 512);
    compare = 0;
    const TDataBasis* object1 = node1 ? node1->Data() : nullptr;
    const TDataBasis* object2 = node2 ? node2->Data() : nullptr;
    if (!object1 || !object2)
        return;
    compare = Sign(static_cast<std::int64_t>(object1->GetPosId()) - object2->GetPosId());
    if (compare != 0)
        return;
    const std::string text1 = node1->Text();
    const std::string text2 = node2->Text();
    std::string prefix1;
    std::string prefix2;
    int number1 = 0;
    int number2 = 0;
    if (TrenneZahlenUndString(text1, prefix1, number1) && TrenneZahlenUndString(text2, prefix2, number2)) {
        compare = CompareText(prefix1, prefix2);
        if (compare == 0)
            compare = Sign(static_cast<std::int64_t>(number1) - number2);
    } else {
        compare = CompareText(text1, text2);
    }
}

int TCtrlTree::CompareText(const std::string& text1, const std::string& text2) const
{
    return Sign(collator_.compare(platform::ToQString(text1), platform::ToQString(text2)));
}

bool TCtrlTree::TrenneZahlenUndString(const std::string& text, std::string& prefix, int& number)
{
    const auto inRun = [](char c) { return (c >= '0' && c <= '9') || c == ','; };
    if (text.empty() || !inRun(text.back()))
        return false;
    std::size_t start = text.size();
    while (start > 0 && inRun(text[start - 1]))
        --start;
    std::int64_t value = 0;
    bool valid = true;
    for (std::size_t i = start; i < text.size() && valid; ++i) {
        if (text[i] == ',') {
            valid = false;
        } else {
            value = value * 10 + (text[i] - '0');
            valid = value <= INT32_MAX;
        }
    }
    number = valid ? static_cast<int>(value) : -1;
    prefix = text.substr(0, start);
    return true;
}

void TCtrlTree::UpdateNamesAndIcon()
{
    LOG_FKT_START("TCtrlTree::UpdateNamesAndIcon");
    try {
        treeView_->SetSortType(stNone);
        for (TTreeNode* node : treeView_->Nodes()) {
            if (const TDataBasis* object = node->Data()) {
                node->SetText(object->GetName(true));
                SetImages(*node, object->GetIcon());
            }
        }
        treeView_->SetSortType(stBoth);
        treeView_->viewport()->update();
    } catch (...) {
        treeView_->SetSortType(stBoth);
    }
}

void TCtrlTree::UpdateIcon(TTreeNode* node, TDataBasis* object)
{
    LOG_FKT_START("TCtrlTree::UpdateIcon");
    if (node && object)
        SetImages(*node, object->GetIcon());
}

TCtrlTree::TVisibilityMap TCtrlTree::CollectVisibility(const TTreeView& tree)
{
    TVisibilityMap visible;
    for (const TTreeNode* node : tree.Nodes())
        visible.emplace(node->Data(), node->IsVisible());
    return visible;
}

TTreeNode* TCtrlTree::RestoreVisibility(const TVisibilityMap& visible, const TDataBasis* selected)
{
    TTreeNode* selectedNode = nullptr;
    for (TTreeNode* node : treeView_->Nodes()) {
        const TDataBasis* object = node->Data();
        if (!object)
            continue;
        if (const auto it = visible.find(object); it != visible.end() && it->second)
            node->MakeVisible();
        if (object == selected)
            selectedNode = node;
    }
    return selectedNode;
}

void TCtrlTree::UpdateSystemNode(const TDataPointerMap& map)
{
    LOG_FKT_START("TCtrlTree::UpdateSystemNode");
    if (!device_)
        return;
    treeView_->BeginUpdate();
    const TDataBasis* selected = GetSelData();
    const TVisibilityMap visible = CollectVisibility(*treeView_);
    TTreeNode* deviceNode = GetNodeFromData(device_->GetDevice());
    if (!deviceNode) {
        treeView_->EndUpdate();
        return;
    }
    delete deviceNode;
    InitTree(map);
    if (TTreeNode* node = RestoreVisibility(visible, selected))
        treeView_->SetSelected(node);
    treeView_->EndUpdate();
}

void TCtrlTree::MakeGrpAdrFolder(const TGrpAdrNodeMap& mainGroups, TDataBasis* folder)
{
    LOG_FKT_START("TCtrlTree::MakeGrpAdrFolder");
    if (!folder)
        return;
    TTreeNode* node = treeView_->Add(folder->GetName(true));
    node->SetData(folder);
    SetImages(*node, folder->GetIcon());
    node->SetHasChildren(true);
    for (const auto& [key, group] : mainGroups) {
        if (group)
            MakeNode(node, group);
    }
}

void TCtrlTree::MakeGrpAdrNode(TGrpAdrMap* groups, TTreeNode* node)
{
    LOG_FKT_START("TCtrlTree::MakeGrpAdrNode");
    if (!groups || !node)
        return;
    for (int i = 0; i < node->Count(); ++i) {
        const TTreeNode* child = node->Item(i);
        if (const auto* group = dynamic_cast<const TSorvGrpAdrBasis*>(child ? child->Data() : nullptr))
            groups->erase(group->GetEtsId());
    }
    for (const auto& [key, group] : *groups) {
        if (group)
            MakeNode(node, group);
    }
}

bool TCtrlTree::DropPair(QObject* sender, QObject* source, int x, int y, TDataBasis*& target, TDataBasis*& dragged)
{
    if (!views::IsClass(sender, "TTreeView"))
        return false;
    if (views::IsClass(source, "TTreeView"))
        dragged = views::SelectedTreeData(source);
    else if (views::IsClass(source, "TListView"))
        dragged = views::SelectedListData(source);
    else
        return false;
    if (!dragged)
        return false;
    const TTreeNode* node = static_cast<TTreeView*>(sender)->GetNodeAt(x, y);
    target = node ? node->Data() : nullptr;
    return target != nullptr;
}

void TCtrlTree::DragOver(QObject* sender, QObject* source, int x, int y, TDragState, bool& accept)
{
    LOG_FKT_START("TCtrlTree::DragOver");
    accept = views::AllowDataObjectDrop(
        [&](TDataBasis*& target, TDataBasis*& dragged) { return DropPair(sender, source, x, y, target, dragged); },
        "TCtrlTree::DragOver");
}

void TCtrlTree::DragDrop(QObject* sender, QObject* source, int x, int y)
{
    LOG_FKT_START("TCtrlTree::DragDrop");
    views::DropDataObject(
        [&](TDataBasis*& target, TDataBasis*& dragged) { return DropPair(sender, source, x, y, target, dragged); },
        "TCtrlTree::DragDrop");
}

void TCtrlTree::Abgleich(TTreeView* other, bool fromOther)
{
    LOG_FKT_START("TCtrlTree::Abgleich");
    if (!other || other == treeView_)
        return;
    other->SetSortType(stNone);
    treeView_->SetSortType(stNone);
    treeView_->BeginUpdate();

    const TTreeView& viewSource = fromOther ? *other : *treeView_;
    const TTreeNode* sourceSelected = viewSource.Selected();
    const TDataBasis* selected = sourceSelected ? sourceSelected->Data() : nullptr;
    const TVisibilityMap visible = CollectVisibility(viewSource);

    bool keptFolder = false;
    for (TTreeNode* node : treeView_->TopLevelNodes()) {
        if (!node->Data())
            continue;
        if (node->Data()->GetTyp() == DT_GRP_ADR_ORDNER)
            keptFolder = true;
        else
            delete node; // with its subtree
    }
    for (TTreeNode* node : other->TopLevelNodes()) {
        if (!node->Data() || (node->Data()->GetTyp() == DT_GRP_ADR_ORDNER && keptFolder))
            continue;
        TTreeNode* copy = treeView_->Add(node->Text());
        copy->Assign(*node);
        CopyNodes(node, copy);
    }

    TTreeNode* const toSelect = RestoreVisibility(visible, selected);
    treeView_->EndUpdate();

    // Selecting here is no change of the user's: the window rebuilds its pane afterwards.
    const TTreeView::TChangeEvent onChange = std::exchange(treeView_->OnChange, nullptr);
    treeView_->SetSelected(toSelect);
    treeView_->OnChange = onChange;

    other->SetSortType(stBoth);
    treeView_->SetSortType(stBoth);
}

void TCtrlTree::CopyNodes(TTreeNode* source, TTreeNode* destination)
{
    LOG_FKT_START("TCtrlTree::CopyNodes");
    if (!source || !destination)
        return;
    for (int i = 0; i < source->Count(); ++i) {
        TTreeNode* child = source->Item(i);
        const TDataBasis* object = child ? child->Data() : nullptr;
        if (!object || object->GetTyp() == DT_SORV_GRP_ADR_MIDDLE || object->GetTyp() == DT_SORV_GRP_ADR_SUB)
            continue;
        TTreeNode* copy = treeView_->AddChild(destination, child->Text());
        copy->Assign(*child);
        CopyNodes(child, copy);
    }
}

void TCtrlTree::CollapseAll()
{
    LOG_FKT_START("TCtrlTree::CollapseAll");
    treeView_->BeginUpdate();
    treeView_->SetSelected(nullptr);
    treeView_->FullCollapse();
    const std::vector<TTreeNode*> top = treeView_->TopLevelNodes();
    if (!top.empty())
        treeView_->SetSelected(top.front());
    treeView_->EndUpdate();
}

void TCtrlTree::ExpandAll()
{
    LOG_FKT_START("TCtrlTree::ExpandAll");
    treeView_->BeginUpdate();
    TTreeNode* selected = treeView_->Selected();
    treeView_->FullExpand();
    treeView_->SetTopItem(selected);
    treeView_->EndUpdate();
}

void TCtrlTree::Collapse()
{
    LOG_FKT_START("TCtrlTree::Collapse");
    treeView_->BeginUpdate();
    if (TTreeNode* selected = treeView_->Selected())
        selected->Collapse(true);
    treeView_->EndUpdate();
}

void TCtrlTree::Expand()
{
    LOG_FKT_START("TCtrlTree::Expand");
    treeView_->BeginUpdate();
    if (TTreeNode* selected = treeView_->Selected())
        selected->Expand(true);
    treeView_->EndUpdate();
}

TDataBasis* TCtrlTree::GetSelData() const
{
    LOG_FKT_START("TCtrlTree::GetSelData");
    const TTreeNode* selected = treeView_->Selected();
    return selected ? selected->Data() : nullptr;
}

TTreeNode* TCtrlTree::GetNodeFromData(const TDataBasis* object) const
{
    LOG_FKT_START("TCtrlTree::GetNodeFromData");
    if (!object)
        return nullptr;
    for (TTreeNode* node : treeView_->Nodes()) {
        if (node->Data() == object)
            return node;
    }
    return nullptr;
}

void TCtrlTree::SelectNode(const TDataBasis* object)
{
    LOG_FKT_START("TCtrlTree::SelectNode");
    if (TTreeNode* node = GetNodeFromData(object))
        treeView_->SetSelected(node);
}
