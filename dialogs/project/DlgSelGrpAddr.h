#pragma once

#include "device/DlgSelGrpAddrServices.h"
#include "device/GrpAdrNodes.h"
#include "dialogs/project/GrpAddrNameQuery.h"
#include "dialogs/project/SelGrpAddrModel.h"
#include "dialogs/project/SelGrpAddrSearch.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class TDataBasis;
class TDeviceInstanz;
class TEtsGruppenAdressen;
class TGrpAddrEdit;

// The group addresses of one communication object: those of the project that suit it on the
// left, those assigned to it on the right, moved between them with four buttons; a typed
// address is looked for and, when the project lacks it, created. OK (1) hands the assigned set
// back in the links; Cancel or closing (2) leaves them alone. A thin view on TSelGrpAddrModel
// and TSelGrpAddrSearch.
class TDlgSelGrpAddr : public QDialog, public TDlgSelGrpAddrServices {
    Q_OBJECT

public:
    // nameQuery asks for the name of an address to create; create makes it in the project (none
    // while the main window has no device model).
    TDlgSelGrpAddr(QWidget* owner, TEtsGruppenAdressen* groups, const TGrpAdrNodes::TMap* nodes,
                   TObjektBasis::TGrpAdrIdList& links, TDataBasis* object, int level, TGrpAddrNameQuery nameQuery,
                   TCreateGrpAddr create);

    int ShowModal() override;

    void btnIncludeClick();
    void btnIncludeAllClick();
    void btnExcludeClick();
    void btnExcludeAllClick();
    void btnSearchAddClick();
    void BtnOkClick();
    void reject() override;

    const TSelGrpAddrModel& Model() const { return model_; }

    QGroupBox* grpbxSourceGrpAddr;
    QLabel* lblGrpAddrEditText;
    TGrpAddrEdit* edtGrpAddr;
    QPushButton* btnSearchAdd;
    QTreeWidget* lvGrpAddrSource;
    QPushButton* btnInclude;
    QPushButton* btnIncludeAll;
    QPushButton* btnExclude;
    QPushButton* btnExcludeAll;
    QGroupBox* grpbxDestGrpAddr;
    QTreeWidget* lvGrpAddrDest;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
    QPushButton* BtnHelp;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTreeWidget* MakeList(QWidget* parent, const std::string& hint);
    QTreeWidget* View(TSelSide side) const { return side == TSelSide::Source ? lvGrpAddrSource : lvGrpAddrDest; }
    // Shows the model's list: items, selection, focus and column captions.
    void FillListView(TSelSide side);
    // Takes the list's selection and focus over into the model.
    void ReadSelection(TSelSide side);
    void SetButtons();
    void ColumnClick(TSelSide side, int column);
    void DoubleClick(TSelSide side);
    void ShowFocused(TSelSide side);

    TEtsGruppenAdressen* groups_;
    const TGrpAdrNodes::TMap* nodes_;
    TObjektBasis::TGrpAdrIdList& links_;
    TSelGrpAddrModel model_;
    TSelGrpAddrSearch search_;
    bool filling_ = false;
};

// The creation of the selection dialog's search: CreateGrpAddr of the device model current at
// the time of the call (none: nothing is created), as the host's groups report the new one.
TCreateGrpAddr CreateGrpAddrThrough(std::function<TDeviceInstanz*()> currentDevice, TEtsGruppenAdressen* groups);
