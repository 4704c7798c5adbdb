#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/PrintRules.h"
#include "app/Spraddrlink.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/printout/PrintoutFactory.h"
#include "outside/tablebox/DrawGridSE.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

#include <cstdio>
#include <stdexcept>

// The printed report of the current device: preview, printer and file.

namespace {

// What every print command asks of the report; the callers set preview and output file.
TRecReportInfo ReportInfo(bool preview, const std::string& outputFile)
{
    TRecReportInfo info;
    info.Preview = preview;
    info.ShowHeader = true;
    info.ShowTree = true;
    info.ShowParameters = true;
    info.CharTable = true;
    info.PageNumbers = true;
    info.OutputFile = outputFile;
    return info;
}

// "Zeichensatz, Version 1.0, CPID: 1252", with "*" after it for a character set with the
// flag; empty when the version cannot be read.
std::string CharTableText(TDeviceInstanz& device)
{
    RecCharSetVersion version;
    if (!device.GetCharSetVersion(version))
        return {};
    char text[512];
    std::snprintf(text, sizeof text, "%s, %s %d.%d, CPID: %d", Spredit::Text9283.c_str(), Spredit::Text9243.c_str(),
                  version.Major, version.Minor, version.CodePage);
    return std::string(text) + (version.Cbu ? "*" : "");
}

std::string HeaderText(const tagRecDeviceEtsInfo& host)
{
    std::string header = Spredit::Text9226 + ": " + host.ProjectName + "\n" + Spredit::Text9037 + ": "
        + host.DeviceName + ", " + Spraddrlink::Text1036 + ": " + host.PhysAdrText;
    if (!host.DeviceDescription.empty()) {
        std::string comment = host.DeviceDescription;
        for (std::size_t at = comment.find("\r\n"); at != std::string::npos; at = comment.find("\r\n", at + 1))
            comment.replace(at, 2, " ");
        header += "\n[" + comment + "]";
    }
    return header;
}

} // namespace

void TFormMain::SeitenVorschau()
{
    LOG_FKT_START("TFormMain::SeitenVorschau");
    MakeDrucken(ReportInfo(true, {}));
}

void TFormMain::Drucken()
{
    LOG_FKT_START("TFormMain::Drucken");
    MakeDrucken(ReportInfo(false, {}));
}

void TFormMain::PdfDrucken(const std::string& file)
{
    LOG_FKT_START("TFormMain::PdfDrucken");
    MakeDrucken(ReportInfo(false, file));
}

void TFormMain::VpeDrucken(const std::string& file)
{
    LOG_FKT_START("TFormMain::VpeDrucken");
    MakeDrucken(ReportInfo(false, file));
}

void TFormMain::DruckeInDatei()
{
    LOG_FKT_START("TFormMain::DruckeInDatei");
    if (AktDevInst == nullptr)
        return;
    std::string type;
    try {
        type = AktDevInst->GetDeviceEtsInfo().TypeNumberText;
    } catch (const std::runtime_error&) {
        return; // the device has told why
    }
    platform::TFileDialogInfo dialog;
    dialog.Title = Spredit::Text9286;
    dialog.InitialDir = DatenPfad;
    dialog.DefaultExt = "pdf";
    dialog.Filter = Spredit::Text9280 + " (*.*)|*.*|" + "Vantu" + "_" + type + " (*." + "pdf" + ")|*." + "pdf";
    dialog.FilterIndex = 2;
    if (!platform::Ui().SaveFileDialog(dialog))
        return;
    PdfDrucken(PdfFileName(dialog.FileName));
}

void TFormMain::MakeDrucken(TRecReportInfo info)
{
    LOG_FKT_START("TFormMain::MakeDrucken");
    if (FormVerw == nullptr || FormVerw->GetTree() == nullptr || AktDevInst == nullptr)
        return;
    // A value typed into an open cell editor is printed too.
    DeactivateActiveGridCell();
    const platform::TCursorHourGlass hourGlass;
    TDrawGridSE grid;
    tagRecDeviceEtsInfo host;
    try {
        host = AktDevInst->GetDeviceEtsInfo();
        info.Title = AktDevInst->GetDeviceName();
    } catch (const std::runtime_error&) {
        return; // the device has told why
    }
    TCharBitmaps characters;
    TRecCharTabInfo charTab;
    if (info.CharTable) {
        characters = RenderCharBitmaps(AktDevInst->CharSetStream);
        charTab.Text = CharTableText(*AktDevInst);
        charTab.Columns = 16;
        charTab.CellSize = 16;
        charTab.Left = 0;
        charTab.Top = 0;
        charTab.FirstIndex = 32;
        charTab.LastIndex = 255;
        charTab.ShowGrid = true;
        charTab.ShowIndex = true;
    }
    Report.reset();
    const TPrintoutFactory& reports = Factories.Reports != nullptr ? *Factories.Reports : TPrintoutFactory::Default();
    Report = reports.CreateSorvReport(FormVerw->GetTree(), &grid, GetHandle(), info, DM != nullptr ? &DM->ImageList1 : nullptr,
                                      &characters, charTab, this);
    Report->SetHeader(HeaderText(host));
    Report->Start();
}
