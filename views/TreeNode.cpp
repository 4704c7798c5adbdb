#include "views/TreeNode.h"

#include "platform/Cp1252.h"
#include "views/ImageList.h"
#include "views/TreeView.h"

TTreeNode::TTreeNode() : QTreeWidgetItem(NodeType) {}

TTreeNode* TTreeNode::From(QTreeWidgetItem* item)
{
    return item && item->type() == NodeType ? static_cast<TTreeNode*>(item) : nullptr;
}

void TTreeNode::SetData(TDataBasis* data)
{
    data_ = data;
    if (TTreeView* tree = TreeView(); tree && (tree->SortType() == stData || tree->SortType() == stBoth))
        tree->SortChildren(Parent());
}

std::string TTreeNode::Text() const
{
    return platform::FromQString(text(0));
}

void TTreeNode::SetText(const std::string& text)
{
    setText(0, platform::ToQString(text));
    if (TTreeView* tree = TreeView(); tree && (tree->SortType() == stText || tree->SortType() == stBoth))
        tree->SortChildren(Parent());
}

void TTreeNode::SetImageIndex(int index)
{
    imageIndex_ = index;
    Repaint();
}

void TTreeNode::SetStateIndex(int index)
{
    stateIndex_ = index;
    Repaint();
}

void TTreeNode::SetSelectedIndex(int index)
{
    selectedIndex_ = index;
    Repaint();
}

bool TTreeNode::HasChildren() const
{
    return childCount() > 0 || childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

void TTreeNode::SetHasChildren(bool on)
{
    setChildIndicatorPolicy(on ? QTreeWidgetItem::ShowIndicator : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

TTreeView* TTreeNode::TreeView() const
{
    return qobject_cast<TTreeView*>(treeWidget());
}

bool TTreeNode::IsVisible() const
{
    for (const QTreeWidgetItem* ancestor = parent(); ancestor; ancestor = ancestor->parent()) {
        if (!ancestor->isExpanded())
            return false;
    }
    return true;
}

void TTreeNode::MakeVisible()
{
    for (QTreeWidgetItem* ancestor = parent(); ancestor; ancestor = ancestor->parent())
        ancestor->setExpanded(true);
    if (QTreeWidget* tree = treeWidget())
        tree->scrollToItem(this);
}

void TTreeNode::Expand(bool recursive)
{
    if (HasChildren())
        setExpanded(true);
    if (!recursive)
        return;
    for (int i = 0; i < childCount(); ++i) {
        if (TTreeNode* node = Item(i))
            node->Expand(true);
    }
}

void TTreeNode::Collapse(bool recursive)
{
    setExpanded(false);
    if (!recursive)
        return;
    for (int i = 0; i < childCount(); ++i) {
        if (TTreeNode* node = Item(i))
            node->Collapse(true);
    }
}

void TTreeNode::Assign(const TTreeNode& source)
{
    setText(0, source.text(0));
    data_ = source.data_;
    imageIndex_ = source.imageIndex_;
    stateIndex_ = source.stateIndex_;
    selectedIndex_ = source.selectedIndex_;
    SetHasChildren(source.HasChildren());
    Repaint();
}

QVariant TTreeNode::data(int column, int role) const
{
    if (role == Qt::DecorationRole && column == 0) {
        const TTreeView* tree = TreeView();
        const TImageList* images = tree ? tree->Images() : nullptr;
        if (!images)
            return {};
        const QIcon image = images->Image(isSelected() ? selectedIndex_ : imageIndex_);
        return image.isNull() ? QVariant() : QVariant(image);
    }
    return QTreeWidgetItem::data(column, role);
}

bool TTreeNode::operator<(const QTreeWidgetItem& other) const
{
    TTreeView* tree = TreeView();
    const TTreeNode* node = other.type() == NodeType ? static_cast<const TTreeNode*>(&other) : nullptr;
    if (!tree || !node || !tree->OnCompare)
        return QTreeWidgetItem::operator<(other);
    int result = 0;
    tree->OnCompare(tree, const_cast<TTreeNode*>(this), const_cast<TTreeNode*>(node), 0, result);
    return result < 0;
}

void TTreeNode::Repaint()
{
    emitDataChanged();
}
