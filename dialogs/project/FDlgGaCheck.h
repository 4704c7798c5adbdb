#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"
#include "device/GaCheckServices.h"
#include "device/GrpAdrNodes.h"
#include "dialogs/project/GrpAddrNameQuery.h"
#include "device/RecGroupAddrInfo.h"

#include <QDialog>
#include <QPixmap>

#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TFDlgGrpAddrChange;

// "Gruppenadressen prüfen": the group addresses the imported communication objects use, checked
// against the project's sub groups. Nothing wrong: no window. Otherwise the list, where an
// address can be changed and the missing ones queued for creation. The dialog fills the map of
// used addresses (current → target) and the list to create; the importer evaluates both.
class TFDlgGaCheck : public QDialog, public TGaCheckServices {
    Q_OBJECT

public:
    TFDlgGaCheck(QWidget* owner, const TGrpAdrNodes::TMap& mainNodes, const TGrpAdrNodes::TMap& midSubNodes,
                 bool threeLevels, TUsedGroupAddrMap& used, TNewGroupAddrList& toCreate);

    // 1 when the import may go on (nothing to check, all in order or OK); 3 for Cancel, 2 when
    // the window was closed.
    int CheckGaConsistence(const TDatenManager<TDatenStruktur>* records) override;

    void ButtonCreateFailedGaClick();
    // "&Adresse ändern" and a double click: the change dialog for the selected row.
    void EditGroupAddress();
    void ButtonOkClick();
    void ButtonCancelClick();
    void reject() override;
    void ColumnClick(int column);

    // The entry a row carries (its own copy; the map is the master).
    const TRecGroupAddrInfo* EntryOf(const QTreeWidgetItem* item) const;
    // The name query the change dialog asks with.
    TGrpAddrNameQuery NameQuery = AskGrpAddrName;

    QTreeWidget* ListView;
    QPushButton* ButtonCreateFailedGa;
    QPushButton* ButtonChange;
    QPushButton* ButtonOk;
    QPushButton* ButtonCancel;

protected:
    // Shows the list modally; its result.
    virtual int ShowModal();
    // Shows the change dialog modally; its result.
    virtual int ShowChangeDialog(TFDlgGrpAddrChange& dialog);
    void showEvent(QShowEvent* event) override;

private:
    void InitListView();
    void FillListView();
    void SetRow(QTreeWidgetItem* item, const TRecGroupAddrInfo& entry);
    void SetFocusListView();
    // The four captions, the marked column's with " *".
    void SetCaptions(int marked);

    const TGrpAdrNodes::TMap& mainNodes_;
    const TGrpAdrNodes::TMap& midSubNodes_;
    bool threeLevels_;
    TUsedGroupAddrMap& used_;
    TNewGroupAddrList& toCreate_;
    std::vector<QPixmap> images_;
    int sortColumn_ = 0;
    bool ascending_ = true;
};
