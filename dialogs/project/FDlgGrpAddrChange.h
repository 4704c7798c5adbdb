#pragma once

#include "device/GrpAdrNodes.h"
#include "dialogs/project/GaTree.h"
#include "dialogs/project/GrpAddrNameQuery.h"
#include "device/RecGroupAddrInfo.h"

#include <QDialog>
#include <QPixmap>

#include <map>
#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TGrpAddrEdit;

// "Gruppenadresse wechseln": the target of one row of the group-address check, chosen in a tree
// of the project's groups and the addresses queued for creation, typed (a missing one can be
// added to the tree and queued), or none. Result 1: the result variable holds the address
// (0 = none); Cancel (3) or closing (2): the caller ignores it. Addresses queued stay queued
// whatever the result.
class TFDlgGrpAddrChange : public QDialog {
    Q_OBJECT

public:
    // Throws std::runtime_error without an entry.
    TFDlgGrpAddrChange(QWidget* owner, const TRecGroupAddrInfo* entry, const TGrpAdrNodes::TMap& mainNodes,
                       const TGrpAdrNodes::TMap& midSubNodes, bool threeLevels, TNewGroupAddrList& toCreate,
                       int& result, TGrpAddrNameQuery nameQuery = AskGrpAddrName);

    int ShowModal();

    void btnSearchAddClick();
    void btnNoGroupAddrClick();
    void ButtonOkClick();
    void ButtonCancelClick();
    void reject() override;

    // The tree's node of an item; none for an item of another tree.
    const TGaNode* NodeOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemOf(const TGaNode* node) const;
    // Builds the tree; once only, whatever activates the window again.
    void InitTreeView();

    QGroupBox* gbIstGroupAddr;
    QLabel* lblIstGa;
    QLabel* lblSatusIstGa;
    QGroupBox* gbSollGroupAddr;
    QLabel* lblGrpAddrEditText;
    TGrpAddrEdit* EditSollGa;
    QPushButton* btnSearchAdd;
    QPushButton* btnNoGroupAddr;
    QTreeWidget* TreeView;
    QPushButton* ButtonOk;
    QPushButton* ButtonCancel;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool Suits(const TGaNode& node) const;
    QTreeWidgetItem* MakeItem(const TGaNode& node);
    void AddItems(QTreeWidgetItem* parent, const TGaNode& node);
    void TreeViewChange(QTreeWidgetItem* item);
    void SelectItem(QTreeWidgetItem* item);

    TRecGroupAddrInfo entry_;
    const TGrpAdrNodes::TMap& mainNodes_;
    const TGrpAdrNodes::TMap& midSubNodes_;
    bool threeLevels_;
    TNewGroupAddrList& toCreate_;
    int& result_;
    TGrpAddrNameQuery nameQuery_;
    std::int32_t requiredTyp_;
    std::uint32_t startTarget_;
    std::vector<QPixmap> images_;
    std::unique_ptr<TGaNode> root_;
    std::map<const TGaNode*, QTreeWidgetItem*> items_;
    bool treeBuilt_ = false;
};
