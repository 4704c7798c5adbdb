#include "app/DataModule.h"

#include "app/FormMain.h"
#include "app/ProgressLibRecords.h"
#include "app/OptionsDialogFactory.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>

namespace {

// The key of a key press as a key sequence: the key with its modifiers.
QKeySequence KeyOf(const QKeyEvent& key)
{
    const auto modifiers = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key.key())));
}

} // namespace

void TDM::CreateActions()
{
    auto add = [this](QAction*& member, const char* name, const char* category, void (TDM::*handler)(),
                      const QKeySequence& shortcut = {}) {
        member = ActionList1.Add(name, category, name, shortcut);
        connect(member, &QAction::triggered, this, [this, handler] {
            if (FormMain != nullptr)
                FormMain->RunGuarded("QAction", [this, handler] { (this->*handler)(); });
            else
                (this->*handler)();
        });
    };
    add(APrint, "APrint", "Datei", &TDM::APrintExecute, QKeySequence(Qt::CTRL | Qt::Key_P));
    add(AImport, "AImport", "Datei", &TDM::AImportExecute);
    add(AExport, "AExport", "Datei", &TDM::AExportExecute);
    add(ABeenden, "ABeenden", "Datei", &TDM::ABeendenExecute);
    add(AVerwerfen, "AVerwerfen", "Datei", &TDM::AVerwerfenExecute);
    add(APrintPreview, "APrintPreview", "Datei", &TDM::APrintPreviewExecute);
    add(ARestoreSaveCopy, "ARestoreSaveCopy", "Datei", &TDM::ARestoreSaveCopyExecute);
    add(AOption, "AOption", "Einstellung", &TDM::AOptionExecute);
    add(ASprache, "ASprache", "Einstellung", &TDM::ASpracheExecute);
    add(ADeviceHelp, "ADeviceHelp", "Hilfe", &TDM::A_DeviceHelpExecute, QKeySequence(Qt::Key_F1));
    add(AQuickHelp, "AQuickHelp", "Hilfe", &TDM::AQuickHelpExecute, QKeySequence(Qt::CTRL | Qt::Key_F1));
    add(AAbout, "AAbout", "Hilfe", &TDM::AAboutExecute);
    add(ACollapseAll, "ACollapseAll", "Projektierung", &TDM::ACollapseAllExecute, QKeySequence(Qt::CTRL | Qt::Key_E));
    add(AExpandAll, "AExpandAll", "Projektierung", &TDM::AExpandAllExecute, QKeySequence(Qt::CTRL | Qt::Key_A));
    add(ACopy, "ACopy", "Projektierung", &TDM::ACopyExecute);
    add(APaste, "APaste", "Projektierung", &TDM::APasteExecute);
    add(AExpand, "AExpand", "Projektierung", &TDM::AExpandExecute, QKeySequence(Qt::Key_Plus));
    add(ADefault, "ADefault", "Projektierung", &TDM::ADefaultExecute);
    add(AProjektierungsfenster, "AProjektierungsfenster", "Projektierung", &TDM::AProjektierungsfensterExecute,
        QKeySequence(Qt::CTRL | Qt::Key_N));
    add(AUeberlappend, "AUeberlappend", "Fenster", &TDM::AUeberlappendExecute);
    add(ANebeneinander, "ANebeneinander", "Fenster", &TDM::ANebeneinanderExecute);
    add(AUebereinander, "AUebereinander", "Fenster", &TDM::AUebereinanderExecute);
    add(ASymbole, "ASymbole", "Fenster", &TDM::ASymboleExecute);
    add(APreview, "APreview", "Projektierung", &TDM::APreviewExecute);
    add(ACollapse, "ACollapse", "Projektierung", &TDM::ACollapseExecute, QKeySequence(Qt::Key_Minus));
    add(AVollzugriff, "AVollzugriff", "Projektierung", &TDM::AVollzugriffExecute);
    add(ALinkObjToGrpAddr, "ALinkObjToGrpAddr", "Projektierung", &TDM::ALinkObjToGrpAddrExecute);
    add(ARaumtempSchaltuhrEditor, "ARaumtempSchaltuhrEditor", "SchaltuhrEditoren",
        &TDM::ARaumtempSchaltuhrEditorExecute);
    add(ASchaltuhrEditoren, "ASchaltuhrEditoren", "SchaltuhrEditoren", &TDM::ASchaltuhrEditorenExecute);
    add(ASchaltuhrEditor, "ASchaltuhrEditor", "SchaltuhrEditoren", &TDM::ASchaltuhrEditorExecute);
    add(AAutoSave, "AAutoSave", "Datei", &TDM::AAutoSaveExecute);
    add(AZeichensatz, "AZeichensatz", "Projektierung", &TDM::AZeichensatzExecute);
    add(ASearchCommObject, "ASearchCommObject", "Projektierung", &TDM::ASearchCommObjectExecute);
    add(APreviewAlwaysOnTop, "APreviewAlwaysOnTop", "Preview", &TDM::APreviewAlwaysOnTopExecute);
    add(APreviewShowDisplayOnly, "APreviewShowDisplayOnly", "Preview", &TDM::APreviewShowDisplayOnlyExecute);
    add(APreviewSmall, "APreviewSmall", "Preview", &TDM::APreviewSmallExecute);
    add(ADownloadRs232Start, "ADownloadRs232Start", "Inbetriebnahme", &TDM::ADownloadRs232StartExecute);
    add(ADownloadRs232Options, "ADownloadRs232Options", "Inbetriebnahme", &TDM::ADownloadRs232OptionsExecute);
    add(ADownloadRs232OptionsStart, "ADownloadRs232OptionsStart", "Inbetriebnahme",
        &TDM::ADownloadRs232OptionsStartExecute);
    add(APrintFile, "APrintFile", "Datei", &TDM::APrintFileExecute);
    add(AGlobalParameter, "AGlobalParameter", "Projektierung", &TDM::AGlobalParameterExecute);
    add(AReconstructDevice, "AReconstructDevice", "Rekonstruktion", &TDM::AReconstructDeviceExecute);
    add(AReadDeviceImage, "AReadDeviceImage", "Rekonstruktion", &TDM::AReadDeviceImageExecute);
    add(AReconstructDeviceImage, "AReconstructDeviceImage", "Rekonstruktion", &TDM::AReconstructDeviceImageExecute);
    add(ARecoDataPrintToFile, "ARecoDataPrintToFile", "Rekonstruktion", &TDM::ARecoDataPrintToFileExecute);

    // The states of the form.
    AVerwerfen->setVisible(false);
    ADeviceHelp->setEnabled(false);
    ADeviceHelp->setVisible(false);
    ACopy->setEnabled(false);
    ACopy->setVisible(false);
    APaste->setEnabled(false);
    APaste->setVisible(false);
    ASymbole->setVisible(false);
    AVollzugriff->setCheckable(true);
    APreviewAlwaysOnTop->setCheckable(true);
    APreviewShowDisplayOnly->setCheckable(true);
    APrintFile->setVisible(false);
    AGlobalParameter->setVisible(false);
    AReconstructDevice->setEnabled(false);
    // The commands act on the main window from wherever the focus is in it.
    for (QAction* action : ActionList1.Actions())
        action->setShortcutContext(Qt::WindowShortcut);
}

void TDM::LadeTexte()
{
    LOG_FKT_START("TDM::LadeTexte");
    using namespace Spredit;
    const std::pair<QAction*, const std::string*> captions[] = {
        {APrint, &Text9200},
        {AImport, &Text9193},
        {AExport, &Text9188},
        {ABeenden, &Text9179},
        {AVerwerfen, &Text9216},
        {APrintPreview, &Text9207},
        {ARestoreSaveCopy, &Text9205},
        {AOption, &Text9196},
        {ASprache, &Text9209},
        {ADeviceHelp, &Text9192},
        {AQuickHelp, &Text9203},
        {AAbout, &Text9176},
        {ACollapseAll, &Text9180},
        {AExpandAll, &Text9187},
        {ACopy, &Text9181},
        {APaste, &Text9197},
        {AExpand, &Text9199},
        {ADefault, &Text9204},
        {AProjektierungsfenster, &Text9202},
        {AUeberlappend, &Text9214},
        {ANebeneinander, &Text9195},
        {AUebereinander, &Text9213},
        {ASymbole, &Text9177},
        {APreview, &Sprsysfunc::Text11041},
        {ACollapse, &Text9198},
        {AVollzugriff, &Text9217},
        {ALinkObjToGrpAddr, &Text9194},
        {ARaumtempSchaltuhrEditor, &Text9191},
        {ASchaltuhrEditoren, &Text9211},
        {ASchaltuhrEditor, &Text9206},
        {AAutoSave, &Text9210},
        {AZeichensatz, &Text9251},
        {ASearchCommObject, &Text9252},
        {APreviewAlwaysOnTop, &Sprsysfunc::Text11048},
        {APreviewShowDisplayOnly, &Sprsysfunc::Text11049},
        {APreviewSmall, &Sprsysfunc::Text11050},
        {APrintFile, &Text9287},
        {AGlobalParameter, &Text9294},
    };
    for (const auto& [action, text] : captions)
        action->setText(platform::ToQString(*text));
}

void TDM::OnShortCut(const QKeyEvent& key, bool& handled)
{
    LOG_FKT_START("TDM::OnShortCut");
    handled = ActionList1.IsShortCut(KeyOf(key));
}

void TDM::SetHighAccess(bool value)
{
    LOG_FKT_START("TDM::SetHighAccess");
    if (FormMain == nullptr || value == fHighAccess)
        return;
    fHighAccess = value;
    AVollzugriff->setChecked(value);
    FormMain->BuildAllProjectForms();
}

void TDM::EnableDruckeInDatei()
{
    LOG_FKT_START("TDM::EnableDruckeInDatei");
    APrintFile->setVisible(true);
}

// --- Handlers that forward to the main window ---

#define FORWARD(handler, call)                                                                                         \
    void TDM::handler()                                                                                                \
    {                                                                                                                  \
        LOG_FKT_START("TDM::" #handler);                                                                               \
        if (FormMain != nullptr)                                                                                       \
            FormMain->call;                                                                                            \
    }

FORWARD(APrintExecute, Drucken())
FORWARD(AImportExecute, Import())
FORWARD(AExportExecute, Export())
FORWARD(ABeendenExecute, ApplCloseOrHide(false, false, true, true, true))
FORWARD(AVerwerfenExecute, ApplCloseOrHide(true, true, true, true, true))
FORWARD(APrintPreviewExecute, SeitenVorschau())
FORWARD(ARestoreSaveCopyExecute, RestoreSaveCopy())
FORWARD(AQuickHelpExecute, StartQuickHelp())
FORWARD(ACollapseAllExecute, TreeCollapseAll())
FORWARD(AExpandAllExecute, TreeExpandAll())
FORWARD(ACopyExecute, Kopieren())
FORWARD(APasteExecute, Einfuegen())
FORWARD(AExpandExecute, TreeExpand())
FORWARD(ADefaultExecute, ResetAktDevInst())
FORWARD(AProjektierungsfensterExecute, CreateFormVerw())
FORWARD(AUeberlappendExecute, Cascade())
FORWARD(ANebeneinanderExecute, TileVertical())
FORWARD(AUebereinanderExecute, TileHorizontal())
FORWARD(ASymboleExecute, ArrangeIcons())
FORWARD(APreviewExecute, OpenPreview(false))
FORWARD(ACollapseExecute, TreeCollapse())
FORWARD(ALinkObjToGrpAddrExecute, CreateDlgLinkToGrpAddr())
FORWARD(ARaumtempSchaltuhrEditorExecute, ShowDlgRaumtempSchaltuhr())
FORWARD(ASchaltuhrEditorExecute, ShowDlgSchaltuhr())
FORWARD(AZeichensatzExecute, OpenCharTab())
FORWARD(ASearchCommObjectExecute, JumpToObject())
FORWARD(ADownloadRs232StartExecute, DownloadRs232Start())
FORWARD(ADownloadRs232OptionsExecute, DownloadRs232Options())
FORWARD(APrintFileExecute, DruckeInDatei())
FORWARD(AGlobalParameterExecute, CreateDlgGlobalParameter())
FORWARD(AReconstructDeviceExecute, ReconstructDevice())
FORWARD(AReadDeviceImageExecute, ReadDeviceImage(true, ""))
FORWARD(AReconstructDeviceImageExecute, ReconstructDeviceImage(true, "", 0))
FORWARD(ARecoDataPrintToFileExecute, RecoDataPrintToFile())

#undef FORWARD

void TDM::AAutoSaveExecute()
{
    LOG_FKT_START("TDM::AAutoSaveExecute");
    if (FormMain == nullptr)
        return;
    FormMain->DeactivateActiveGridCell();
    FormMain->SaveToFile("0");
}

void TDM::ADownloadRs232OptionsStartExecute()
{
    LOG_FKT_START("TDM::ADownloadRs232OptionsStartExecute");
    if (FormMain != nullptr && FormMain->DownloadRs232Options())
        FormMain->DownloadRs232Start();
}

// --- Handlers that do more ---

void TDM::AAboutExecute()
{
    LOG_FKT_START("TDM::AAboutExecute");
    StartDlgInfoEx(0, MakeRecDlgInfoEx(*this));
}

void TDM::AOptionExecute()
{
    LOG_FKT_START("TDM::AOptionExecute");
    if (FormMain == nullptr || FormMain->GetEts2Cdi() == nullptr || FormMain->AktDevInst == nullptr)
        return;
    const TOptionsDialogFactory* factory = FormMain->GetFactories().Options;
    if (factory == nullptr)
        return;
    if (auto dialog = factory->Create(FormMain, FormMain->AktDevInst, FormMain->GetEts2Cdi()))
        platform::Ui().ShowModal(*dialog);
}

void TDM::ASpracheExecute()
{
    LOG_FKT_START("TDM::ASpracheExecute");
    RecDlgDprache record = MakeRecDlgDprache(IniFileName);
    record.Mode = 1;
    if (StartDlgSpracheinstellung(record))
        fLanguageChanged = true;
}

void TDM::A_DeviceHelpExecute()
{
    LOG_FKT_START("TDM::A_DeviceHelpExecute");
    platform::Ui().ShellOpen(HelpFileName, "");
}

void TDM::AVollzugriffExecute()
{
    LOG_FKT_START("TDM::AVollzugriffExecute");
    SetHighAccess(AVollzugriff->isChecked());
}

void TDM::APreviewAlwaysOnTopExecute()
{
    LOG_FKT_START("TDM::APreviewAlwaysOnTopExecute");
    PreviewZOrder = APreviewAlwaysOnTop->isChecked() ? -1 : -2;
    if (FormMain != nullptr)
        FormMain->OpenPreview(false);
}

void TDM::APreviewShowDisplayOnlyExecute()
{
    LOG_FKT_START("TDM::APreviewShowDisplayOnlyExecute");
    if (FormMain != nullptr)
        FormMain->OpenPreview(true);
}

void TDM::APreviewSmallExecute()
{
    LOG_FKT_START("TDM::APreviewSmallExecute");
    APreviewShowDisplayOnly->setChecked(true);
    if (FormMain != nullptr)
        FormMain->OpenPreview(true);
}

void TDM::ASchaltuhrEditorenExecute()
{
    LOG_FKT_START("TDM::ASchaltuhrEditorenExecute");
    if (FormMain == nullptr)
        return;
    ARaumtempSchaltuhrEditor->setEnabled(FormMain->NeedDlgRaumtempSchaltuhr());
    ASchaltuhrEditor->setEnabled(FormMain->NeedDlgSchaltuhr());
}
