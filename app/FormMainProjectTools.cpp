#include "app/FormMain.h"

#include "app/DataModule.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "dialogs/project/DlgSelGrpAddr.h"
#include "dialogs/project/FDlgGaCheck.h"
#include "dialogs/project/GrpAddrNameQuery.h"
#include "dialogs/project/LinkToGrpAddr.h"
#include "platform/TraceLog.h"
#include "views/FormVerwBase.h"

// The project tools opened from the main window: linking an object to a group address, the
// selection of an object's group addresses and the global-parameter wizard.

void TFormMain::CreateDlgLinkToGrpAddr()
{
    LOG_FKT_START("TFormMain::CreateDlgLinkToGrpAddr");
    if (!DM || !AktDevInst)
        return;
    ::CreateDlgLinkToGrpAddr(this, AktDevInst, FormVerw ? FormVerw->GetSelData() : nullptr,
                             [](TDlgLinkToGrpAddr& dialog) { return dialog.ShowModal(); });
}

std::unique_ptr<TDlgSelGrpAddrServices> TFormMain::CreateDlgSelGrpAddr(int grpAdrLevel, TDataBasis* object,
                                                                       TObjektBasis::TGrpAdrIdList& links,
                                                                       const TGrpAdrNodes& nodes,
                                                                       TEtsGruppenAdressen* groups)
{
    LOG_FKT_START("TFormMain::CreateDlgSelGrpAddr");
    return std::make_unique<TDlgSelGrpAddr>(
        this, groups, &nodes.Map(), links, object, grpAdrLevel, AskGrpAddrName,
        CreateGrpAddrThrough([this]() -> TDeviceInstanz* { return AktDevInst; }, groups));
}

std::unique_ptr<TGaCheckServices> TFormMain::CreateGaCheck(const TGrpAdrNodes& mainNodes,
                                                           const TGrpAdrNodes& midSubNodes, bool threeLevels,
                                                           TUsedGroupAddrMap& used, TNewGroupAddrList& toCreate)
{
    LOG_FKT_START("TFormMain::CreateGaCheck");
    // Without owner, as the importer makes it.
    return std::make_unique<TFDlgGaCheck>(nullptr, mainNodes.Map(), midSubNodes.Map(), threeLevels, used, toCreate);
}

void TFormMain::CreateDlgGlobalParameter()
{
    LOG_FKT_START("TFormMain::CreateDlgGlobalParameter");
}
