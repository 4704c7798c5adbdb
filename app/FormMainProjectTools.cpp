#include "app/FormMain.h"

#include "app/DataModule.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "app/ProgramPath.h"
#include "app/Spredit.h"
#include "dialogs/project/DlgGlobalParameter.h"
#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "dialogs/project/DlgSelGrpAddr.h"
#include "dialogs/project/FDlgGaCheck.h"
#include "dialogs/project/GrpAddrNameQuery.h"
#include "dialogs/project/LinkToGrpAddr.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/FileIo.h"
#include "platform/MemoryStream.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"
#include "views/TreeView.h"

#include <filesystem>
#include <system_error>

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
    if (!Ets2Cdi || !AktDevInst || !FormVerw || !DM)
        return;
    TTreeNode* node = FormVerw->GetSelectedNode();
    if (!node)
        return;
    const TGlobalParameterGridLook look{DM->GridColorCommon,       DM->GridColorCell, DM->GridColorTitle,
                                        DM->GridColorCellReadOnly, DM->GridLineWidth, DM->fGridAutoSize,
                                        DM->GridColDefWidth};
    TDlgGlobalParameter dialog(this, this, node, HostDeviceIdOf(AktDevInst), Ets2Cdi.get(), look,
                               TSelectDeviceOpener{});
    DlgGlobalParameter = &dialog;
    struct TForget {
        TGlobalParameterDialogServices*& pointer;
        ~TForget() { pointer = nullptr; }
    } forget{DlgGlobalParameter};
    dialog.ShowModal();
}

TDeviceInstanz* TFormMain::GlobalParameterDevice() const
{
    return AktDevInst;
}

std::string TFormMain::GlobalParameterProgramFolder() const
{
    const std::string folder = std::filesystem::path(ProgramModulePath()).parent_path().string();
    return folder.empty() ? std::string() : folder + "/";
}

bool TFormMain::SaveGlobalParameterToFile(const platform::TMemoryStream& stream, const std::string& fileName)
{
    static constexpr const char* Name = "TFormMain::SaveGlobalParameterToFile";
    static constexpr std::int32_t TraceLevel = 1536;
    LOG_FKT_START(Name);
    if (!AktDevInst || fileName.empty())
        return false;
    LOG_FKT_START_TEXT(Name, TraceLevel, "!!SaveGlobalParameterFile:" + AktDevInst->AutoSaveFile);
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    LOG_FKT_START_TEXT(Name, TraceLevel, "!!Path:" + folder.string());
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        LOG_FKT_START_TEXT(Name, TraceLevel, "!!Directory not found");
        std::filesystem::create_directories(folder, error);
        if (error || !std::filesystem::is_directory(folder, error)) {
            LOG_FKT_START_TEXT(Name, TraceLevel, "!!Can't Create Directory" + folder.string());
            platform::MessageBox("Cannot create save file:\n" + fileName, "Error Autosave", platform::MB_OK);
            platform::MessageBox(Spredit::Text9130 + "\n" + fileName, Spredit::Text9017, platform::MB_OK);
            return false;
        }
    }
    try {
        platform::WriteFileAtomically(fileName, stream.Bytes());
    } catch (const std::exception& failure) {
        LOG_FKT_START_TEXT(Name, TraceLevel, std::string("!!") + failure.what());
        platform::MessageBox(Spredit::Text9130 + "\n" + fileName, Spredit::Text9017, platform::MB_OK);
        return false;
    }
    LOG_FKT_START_TEXT(Name, TraceLevel, "!!Saved to file: " + fileName);
    return true;
}
