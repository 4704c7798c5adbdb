#pragma once

#include <QTreeWidgetItem>

#include <string>

class TDataBasis;
class TTreeView;

// One node of a tree view: the data object it carries (never owned), its text and its three
// image indexes. A node with the has-children mark shows an expand button before it has any
// child.
class TTreeNode : public QTreeWidgetItem {
public:
    static constexpr int NodeType = QTreeWidgetItem::UserType + 1;

    TTreeNode();

    // The node behind an item of a tree view, or none.
    static TTreeNode* From(QTreeWidgetItem* item);

    TDataBasis* Data() const { return data_; }
    // Re-sorts the node among its siblings when the tree sorts by data.
    void SetData(TDataBasis* data);
    // Text in the Windows code page; a new text re-sorts the node when the tree sorts by text.
    std::string Text() const;
    void SetText(const std::string& text);

    int ImageIndex() const { return imageIndex_; }
    int StateIndex() const { return stateIndex_; }
    int SelectedIndex() const { return selectedIndex_; }
    void SetImageIndex(int index);
    void SetStateIndex(int index);
    void SetSelectedIndex(int index);

    bool HasChildren() const;
    void SetHasChildren(bool on);

    TTreeNode* Parent() const { return From(parent()); }
    int Count() const { return childCount(); }
    TTreeNode* Item(int index) const { return From(child(index)); }
    TTreeView* TreeView() const;

    // True when every ancestor is expanded.
    bool IsVisible() const;
    // Expands every ancestor and scrolls the node into view.
    void MakeVisible();
    void Expand(bool recursive);
    void Collapse(bool recursive);

    // Takes over text, data object, image indexes and the has-children mark of the source.
    void Assign(const TTreeNode& source);

    // The image of the node comes from its tree's image list.
    QVariant data(int column, int role) const override;
    // The tree's compare event decides the order; without one the texts do.
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    void Repaint();

    TDataBasis* data_ = nullptr;
    int imageIndex_ = -1;
    int stateIndex_ = -1;
    int selectedIndex_ = -1;
};
