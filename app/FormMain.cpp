#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/DeviceModelFactory.h"
#include "app/FailureText.h"
#include "app/FormVerwPlaceholder.h"
#include "app/MdiFirstLayout.h"
#include "app/MyRegistry.h"
#include "app/ProgramPath.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "device/SharedTextConstants.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/printout/SorvReport.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"
#include "views/PreviewManagerServices.h"
#include "views/ViewMessages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <cerrno>
#include <cstring>

TFormMain* FormMain = nullptr;
TFormVerwBase* FormVerw = nullptr;

namespace {

constexpr int StatusPanelWidth = 50;

std::string ModuleNameOf(const std::vector<std::string>& arguments)
{
    return arguments.size() > 1 ? arguments[1] : std::string();
}

} // namespace

TFormMain::TFormMain(QWidget* owner, const std::vector<std::string>& arguments, TFactories factories)
    : QMainWindow(owner),
      MinEtsVersion{1, 2, 0, 101},
      TimeOutDefault(10000),
      ModulName(ModuleNameOf(arguments)),
      Factories(std::move(factories)),
      Registration([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          platform::LRESULT result = 0;
          RunGuarded("TFormMain", [&] { result = Dispatch(message, wParam, lParam); });
          return result;
      })
{
    FormMain = this;
    setObjectName(QStringLiteral("FormMain"));
    resize(577, 379);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    MdiArea = new QMdiArea(this);
    MdiArea->installEventFilter(this);
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Activating a window (a click on the preview) leaves a maximised one as it is.
    MdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    FirstLayout = new TMdiFirstLayout(*MdiArea);
    setCentralWidget(MdiArea);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub == nullptr)
            return;
        if (auto* window = dynamic_cast<TFormVerwBase*>(sub->widget()))
            platform::PostMessage(GetHandle(), WM_USER_FORMVERWACTIVATED, 0, reinterpret_cast<platform::LPARAM>(window));
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        RunGuarded("TApplicationEvents", [this, state] {
            if (state == Qt::ApplicationActive)
                ApplicationEventsActivate();
            else
                ApplicationEventsDeactivate();
        });
    });
    if (DM != nullptr)
        connect(DM, &TDM::AutoSaveDue, this, [this] { RunGuarded("TTimer", [this] { SaveToFile("0"); }); });
    TimerOpenPreview.OnTimer = [this] { RunGuarded("TTimer", [this] { TimerOpenPreviewTimer(); }); };
    TimerStartEdit.OnTimer = [this] { RunGuarded("TTimer", [this] { TimerStartEditTimer(); }); };
    TimerTimeoutClose.OnTimer = [this] { RunGuarded("TTimer", [this] { TimerTimeoutCloseTimer(); }); };
    FormCreate();
}

TFormMain::~TFormMain()
{
    // The configuration windows go first, while everything they may ask for is still there.
    delete MdiArea;
    MdiArea = nullptr;
    FirstLayout = nullptr; // went with the area
    FormDestroy();
    if (FormMain == this)
        FormMain = nullptr;
}

void TFormMain::FormCreate()
{
    LOG_FKT_START("TFormMain::FormCreate");
    AktDevInst = nullptr;
    ExportExt = EXT_BUP;
    DeleteDeviceId = -1;
    fSkipPreviewUpdate = false;
    // The module query is the program's first window: it needs nothing of the hidden main
    // window, whose menus, status bar and settings follow it.
    if (ModulName.empty())
        platform::Ui().InputQuery("Devicetype", "Set module name, e.g. 244_ID", ModulName);
    BuildMenus();
    BuildStatusBar();
    GetRegData();
    if (DM != nullptr)
        DM->MainWindowHandle = GetHandle();
    LadeTexte();
    Ets2Cdi = Factories.HostLink ? Factories.HostLink(ModulName) : std::make_unique<TEts2Cdi_Extended1>(this, ModulName, false);
    BindHostEvents();
    TimeoutCloseInterval = 1800000;
    HideMainWindow();
    TimerStartEdit.SetEnabled(true);
    SetUpRebuildMenu();
    PreviewManager.reset();
    const std::string program = DM != nullptr ? DM->LongExeName : ProgramModulePath();
    std::string folder = program.substr(0, program.find_last_of('/') + 1) + DIR_PRODUCT;
    if (folder.back() != '/')
        folder += '/';
    DatenPfad = folder;
    TimerTimeoutCloseStart(-1);
}

void TFormMain::FormDestroy()
{
    LOG_FKT_START("TFormMain::FormDestroy");
    PreviewManager.reset();
    AktDevInst = nullptr;
    MapDevInst.clear();
    Ets2Cdi.reset();
    ListFormVerw.clear();
    FormVerw = nullptr;
    platform::CloseLogFkt();
}

void TFormMain::BuildMenus()
{
    QMenuBar* bar = menuBar();
    auto menu = [this, bar](const char* name) {
        auto* created = bar->addMenu(QString::fromLatin1(name));
        created->setObjectName(QString::fromLatin1(name));
        Menus[name] = created;
        return created;
    };
    auto add = [](QMenu* target, std::initializer_list<QAction*> actions) {
        for (QAction* action : actions) {
            if (action == nullptr)
                target->addSeparator();
            else
                target->addAction(action);
        }
    };
    QMenu* datei = menu("MDatei");
    QMenu* projektierung = menu("MProjektierung");
    QMenu* schaltuhr = menu("MSchaltuhrEditoren");
    QMenu* einstellung = menu("MEinstellung");
    menu("MTool");
    QMenu* rekonstruktion = menu("MRekonstruktion");
    QMenu* fenster = menu("MFenster");
    QMenu* hilfe = menu("MHilfe");
    if (DM == nullptr)
        return;
    add(datei, {DM->AExport, DM->AImport, nullptr, DM->APrint, DM->APrintFile, DM->APrintPreview, nullptr,
                DM->ARestoreSaveCopy, DM->AAutoSave, nullptr, DM->AVerwerfen, DM->ABeenden});
    add(projektierung, {DM->ACopy, DM->APaste, nullptr, DM->AProjektierungsfenster, DM->APreview, DM->AZeichensatz,
                        nullptr, DM->AVollzugriff, nullptr, DM->AExpandAll, DM->ACollapseAll, nullptr,
                        DM->ASearchCommObject, nullptr, DM->ADefault});
    t1 = projektierung->addAction(QStringLiteral("t"));
    t1->setObjectName(QStringLiteral("t1"));
    t1->setVisible(false);
    t1->setEnabled(false);
    connect(t1, &QAction::triggered, this, [this] { RunGuarded("QAction", [this] { t1Click(); }); });
    add(schaltuhr, {DM->ARaumtempSchaltuhrEditor, DM->ASchaltuhrEditor});
    connect(schaltuhr, &QMenu::aboutToShow, DM, [] { DM->ASchaltuhrEditoren->trigger(); });
    add(einstellung, {DM->AOption, DM->ASprache});
    add(rekonstruktion, {DM->AReconstructDevice, nullptr, DM->AReadDeviceImage, DM->AReconstructDeviceImage, nullptr,
                         DM->ARecoDataPrintToFile});
    connect(fenster, &QMenu::aboutToShow, this, [this, fenster] {
        // The fixed entries, then one per configuration window.
        const auto entries = fenster->actions();
        for (qsizetype i = 4; i < entries.size(); ++i) {
            fenster->removeAction(entries[i]);
            if (entries[i]->parent() == fenster)
                entries[i]->deleteLater();
        }
        const auto windows = MdiArea->subWindowList();
        if (!windows.isEmpty())
            fenster->addSeparator();
        int number = 1;
        for (QMdiSubWindow* sub : windows) {
            auto* entry = new QAction(QStringLiteral("&%1 %2").arg(number++).arg(sub->windowTitle()), fenster);
            entry->setCheckable(true);
            entry->setChecked(sub == MdiArea->activeSubWindow());
            connect(entry, &QAction::triggered, MdiArea, [this, sub] { MdiArea->setActiveSubWindow(sub); });
            fenster->addAction(entry);
        }
    });
    add(fenster, {DM->AUeberlappend, DM->ANebeneinander, DM->AUebereinander, DM->ASymbole});
    add(hilfe, {DM->AQuickHelp, DM->ADeviceHelp, nullptr, DM->AAbout});
    // Every command's shortcut works from anywhere in the main window and its children.
    addActions(QList<QAction*>(DM->ActionList1.Actions().begin(), DM->ActionList1.Actions().end()));
}

void TFormMain::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i] = new QLabel(bar);
        StatusPanels[i]->setFixedWidth(StatusPanelWidth);
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(StatusPanels[i]);
    }
}

void TFormMain::SetUpRebuildMenu()
{
    QMenu* rebuild = Menus["MRekonstruktion"];
    rebuild->menuAction()->setVisible(false);
    if (DM == nullptr)
        return;
    DM->AReconstructDevice->setEnabled(false);
    if (!DM->fEnableRebuild)
        return;
    rebuild->menuAction()->setEnabled(true);
    rebuild->menuAction()->setVisible(true);
    DM->AReconstructDevice->setEnabled(true);
    for (QAction* action : {DM->AReadDeviceImage, DM->AReconstructDeviceImage, DM->ARecoDataPrintToFile})
        action->setVisible(DM->fMenuRebuildDeviceImage);
}

void TFormMain::LadeTexte()
{
    LOG_FKT_START("TFormMain::LadeTexte");
    using namespace Spredit;
    Menus["MDatei"]->setTitle(platform::ToQString(Text9182));
    Menus["MProjektierung"]->setTitle(platform::ToQString(Text9201));
    if (DM != nullptr) {
        DM->ASchaltuhrEditor->setText(platform::ToQString(Text9206));
        Menus["MSchaltuhrEditoren"]->setTitle(DM->ASchaltuhrEditoren->text());
    }
    Menus["MEinstellung"]->setTitle(platform::ToQString(Text9184));
    Menus["MFenster"]->setTitle(platform::ToQString(Text9190));
    if (DM != nullptr)
        DM->AAbout->setText(platform::ToQString(Text9176));
    Menus["MTool"]->setTitle(platform::ToQString(Text9212));
    Menus["MHilfe"]->setTitle(platform::ToQString(Text9192));
    Menus["MRekonstruktion"]->setTitle(QStringLiteral("&Rekonstruktion"));
    setWindowTitle(QString());
    SetApplicationTitle("");
}

void SetApplicationTitle(const std::string& title)
{
    qApp->setProperty("applicationTitle", platform::ToQString(title));
}

std::string ApplicationTitle()
{
    return platform::FromQString(qApp->property("applicationTitle").toString());
}

QMenu* TFormMain::GetMenu(const std::string& name) const
{
    const auto found = Menus.find(name);
    return found == Menus.end() ? nullptr : found->second;
}

QAction* TFormMain::GetToolEntry(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < ToolEntries.size() ? ToolEntries[index] : nullptr;
}

std::string TFormMain::GetStatusText(int panel) const
{
    if (panel < 0 || static_cast<std::size_t>(panel) >= StatusPanels.size())
        return {};
    return platform::FromQString(StatusPanels[panel]->text());
}

int TFormMain::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    LOG_FKT_START("TFormMain::ShowMessageBox");
    return platform::MessageBox(text, caption, flags);
}

void TFormMain::DisplayLastError(const std::string& caption)
{
    LOG_FKT_START("TFormMain::DisplayLastError");
    const int code = errno;
    if (code == 0)
        return;
    platform::MessageBox(std::strerror(code), caption, platform::MB_ICONINFORMATION);
}

void TFormMain::ClickMenuTool(int index)
{
    LOG_FKT_START("TFormMain::ClickMenuTool");
    if (DM == nullptr)
        return;
    const TMyRegistry settings;
    std::string file;
    settings.ReadIniString(DM->IniFileName, SECTION_TOOLS, IndexedKey(KEY_TOOLFILE, index), "", file);
    if (file.empty())
        return;
    std::string parameters;
    settings.ReadIniString(DM->IniFileName, SECTION_TOOLS, IndexedKey(KEY_TOOLPARAM, index), "", parameters);
    platform::Ui().ShellOpen(file, parameters);
}

void TFormMain::UpdateObjektAnzahl(int count, int maximum)
{
    LOG_FKT_START("TFormMain::UpdateObjektAnzahl");
    if (maximum > 0)
        StatusPanels[2]->setText(QStringLiteral("%1/%2").arg(count).arg(maximum));
}

void TFormMain::SetStatusText(int panel, const std::string& text)
{
    if (panel >= 0 && static_cast<std::size_t>(panel) < StatusPanels.size())
        StatusPanels[panel]->setText(platform::ToQString(text));
}

void TFormMain::ProcessMessages()
{
    QCoreApplication::processEvents();
}

std::uint8_t TFormMain::WindowStateNumber() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

// --- Failures ---

void TFormMain::RunGuarded(const char* sender, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        ApplicationEventsException(sender, &failure);
    } catch (...) {
        ApplicationEventsException(sender, nullptr);
    }
}

void TFormMain::ApplicationEventsException(const std::string& sender, const std::exception* failure)
{
    const std::string message = failure != nullptr ? failure->what() : "Unknown exception";
    const std::string type = failure != nullptr ? ExceptionClassName(*failure) : "unknown";
    platform::MessageBox(HandlerFailureText(message, type, sender, platform::Now()),
                         ApplicationTitle(), platform::MB_ICONERROR);
    CloseProgram();
}

void TFormMain::CloseProgram()
{
    fClosing = true;
    if (Ets2Cdi)
        Ets2Cdi->AnnounceEnd();
    close();
}

// --- Window and application events ---

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (fClosing) {
        // FormCloseQuery allows it; FormClose frees the form: the program ends.
        event->accept();
        emit Ended();
        return;
    }
    // The user closes the main window: store, hide and return to the host.
    event->ignore();
    RunGuarded("TFormMain", [this] { ApplCloseOrHide(false, false, true, true, true); });
}

void TFormMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
    RunGuarded("TApplicationEvents", [this, change] {
        if (isMinimized())
            ApplicationEventsMinimize();
        else if (change->oldState() & Qt::WindowMinimized)
            ApplicationEventsRestore();
    });
}

bool TFormMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        RunGuarded("TFormMain", [this] { FormActivate(); });
    return QMainWindow::event(event);
}

namespace {

QWidget* ActiveQuickHelpHost()
{
    return FormVerw != nullptr && FormVerw->HasMeldeFenster() ? FormVerw->MeldeFensterHost() : nullptr;
}

} // namespace

void TFormMain::ApplicationEventsMinimize()
{
    LOG_FKT_START("TFormMain::ApplicationEventsMinimize");
    if (QWidget* host = ActiveQuickHelpHost())
        host->hide();
}

void TFormMain::ApplicationEventsRestore()
{
    LOG_FKT_START("TFormMain::ApplicationEventsRestore");
    if (QWidget* host = ActiveQuickHelpHost()) {
        host->show();
        host->raise();
    }
}

void TFormMain::ApplicationEventsActivate()
{
    LOG_FKT_START("TFormMain::ApplicationEventsActivate");
    if (QWidget* host = ActiveQuickHelpHost(); host != nullptr && isVisible())
        host->show();
}

void TFormMain::ApplicationEventsDeactivate()
{
    LOG_FKT_START("TFormMain::ApplicationEventsDeactivate");
    if (QWidget* host = ActiveQuickHelpHost(); host != nullptr && isVisible())
        host->show();
}

void TFormMain::FormActivate()
{
    LOG_FKT_START("TFormMain::FormActivate");
    if (fApplySavedState && WindowStateNumber() != SavedWindowState) {
        if (SavedWindowState == 2)
            setWindowState(Qt::WindowMaximized);
        else if (SavedWindowState == 1)
            setWindowState(Qt::WindowMinimized);
        else
            setWindowState(Qt::WindowNoState);
    }
    fApplySavedState = false;
    if (QWidget* host = ActiveQuickHelpHost())
        host->show();
}
