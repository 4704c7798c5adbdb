#include "tests/tour/TourStops.h"

#include "tests/tour/ModalWatch.h"

#include "app/DataModule.h"
#include "app/DlgJumpToObj.h"
#include "app/DlgMyInputQuery.h"
#include "app/FDlgImport.h"
#include "app/FormMain.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "dialogs/project/DlgGlobalParameter.h"
#include "dialogs/project/DlgGlobalParameterStatus.h"
#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "dialogs/project/DlgSelGrpAddr.h"
#include "dialogs/project/DlgSelectDevice.h"
#include "dialogs/project/FDlgGaCheck.h"
#include "dialogs/project/FDlgGrpAddrChange.h"
#include "host/ProjectDatabase.h"
#include "host/SqlDatabase.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "outside/tablebox/DrawGridSE.h"
#include "outside/viewkit/Zeichentabelle.h"
#include "platform/UiService.h"
#include "views/DrawGridSEView.h"
#include "views/FDockMeld.h"
#include "views/FormVerw.h"
#include "views/TreeNode.h"
#include "views/TreeView.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace tour {
namespace {

// Names of the demo devices' data objects, as the tree shows them (Windows-1252).
const char* const SystemDevice3 = "Talvo IR-Tastsensor 5fach mit RTR + Display + Uhr";
const char* const TimeObject = "Uhrzeit [Empfangen]";

TTourStart OnDevice(std::int32_t device)
{
    TTourStart start;
    start.Device = device;
    return start;
}

TTourStart WithSettings(std::vector<TTourStart::TSetting> settings)
{
    TTourStart start;
    start.Settings = std::move(settings);
    return start;
}

// A stop that opens one menu of the main menu.
TTourStop Menu(const char* name, const char* menu, const char* caption, TTourStart start = {})
{
    return {name, caption, std::move(start), [menu](TTour& tour) { tour.GrabMenu(menu); }};
}

// A stop that runs a command and grabs the first window it shows modally.
TTourStop Modal(const char* name, const char* action, const char* caption,
                std::function<void(TTour&)> before = {}, std::function<void(QWidget&)> prepare = {},
                TTourStart start = {})
{
    return {name, caption, std::move(start), [=](TTour& tour) {
                if (before)
                    before(tour);
                tour.GrabModal(action, prepare);
            }};
}

// A page of the options dialog.
TTourStop OptionsPage(const char* name, int page, const char* caption)
{
    return Modal(name, "AOption", caption, {}, [page](QWidget& dialog) {
        auto* pages = dialog.findChild<QTabWidget*>();
        ASSERT_NE(pages, nullptr);
        pages->setCurrentIndex(page);
    });
}

// Makes the value cell of the grid row with the caption the active one, as a click on it does.
void ActivateRow(TTour& tour, const std::string& caption)
{
    TDrawGridSE& grid = tour.Window().GridView->Grid();
    for (int row = 0; row < grid.GetRowCount(); ++row)
        if (const TCell* cell = grid.GetCell(0, row); cell != nullptr && cell->Text == caption) {
            tour.Window().GridView->setFocus();
            grid.SetActiveCell(1, row);
            TTour::Pump();
            return;
        }
    std::string rows;
    for (int row = 0; row < grid.GetRowCount(); ++row)
        if (const TCell* cell = grid.GetCell(0, row))
            rows += " '" + cell->Text + "'";
    ADD_FAILURE() << "no grid row " << caption << " among" << rows;
}

// The places of a session in which the user made the main window smaller, moved the
// configuration window, widened the tree and dragged the preview to the bottom left.
const std::vector<TTourStart::TSetting> MovedWindows = {
    {"Window", "MainLeft", "60"},     {"Window", "MainTop", "40"},     {"Window", "MainWidth", "1300"},
    {"Window", "MainHeight", "860"},  {"Window", "VerwLeft", "330"},   {"Window", "VerwTop", "0"},
    {"Window", "VerwWidth", "960"},   {"Window", "VerwHeight", "780"}, {"Window", "TreeWidth", "330"},
    {"Window", "PreviewPosLeft", "0"}, {"Window", "PreviewPosTop", "380"},
};

// Waits for the preview that opens after the device was handed over.
void WaitForPreview(TTour& tour)
{
    EXPECT_TRUE(QTest::qWaitFor([&tour] {
        const auto windows = tour.Main().GetMdiArea()->subWindowList();
        return std::any_of(windows.begin(), windows.end(), [](const QMdiSubWindow* sub) {
            return sub->objectName() == QLatin1String("FDlgPreviewSensitive") && sub->isVisible();
        });
    })) << "the preview did not open";
    TTour::Pump();
}

// The first configuration window drawn larger by the user, as far as the main window allows.
void Enlarge(TTour& tour)
{
    tour.Window().parentWidget()->setGeometry(0, 0, 1000, 620);
    TTour::Pump();
}

// The first configuration window with the quick help docked below the grid, showing the help
// of the controller's switching of operating modes.
void QuickHelpOnTheModeSwitching(TTour& tour)
{
    Enlarge(tour);
    tour.Select("Raumtemperaturregler-Funktion");
    tour.Trigger("AQuickHelp");
    ActivateRow(tour, "Betriebsmodus-Umschaltung");
}

// Switches the time switch of the first demo device's controller on, as the user does in its grid.
void RoomTimeSwitchOn(TTour& tour)
{
    tour.Select("Raumtemperatur-Schaltuhr");
    tour.SetCell("Raumtemperatur-Schaltuhr=Ein");
    tour.Trigger("ASchaltuhrEditoren"); // what opening the menu does
}

void TimeSwitchesOn(TTour& tour)
{
    tour.Select(SystemDevice3);
    tour.SetCell("Schaltuhr 1=Ja");
    tour.SetCell("Schaltuhr 2=Ja");
    tour.Trigger("ASchaltuhrEditoren");
}

// The selection of a communication object's group addresses: its grid row's ellipsis.
void OpenGroupAddressSelection(TTour& tour)
{
    tour.Select(TimeObject);
    ActivateRow(tour, "Gruppenadressen");
    tour.Window().GridView->Grid().ClickEllipsis();
    TTour::Pump();
}

// The backup copy of device 1 restored (Gerät > Sicherungskopie wiederherstellen) after the group
// address its time object is linked to has gone from the project: the check of the group
// addresses opens. The host raises its events in its own order: between two edits it links the
// time object and exports the device (the editor reads the group addresses afresh at its next
// need); the backup copy of the next edit holds the link. The handler gets every window the
// restore shows after its question.
void RestoreWithAMissingGroupAddress(TTour& tour, TTourUi::TModalHandler handler)
{
    constexpr std::int32_t subGroup = 2;
    ASSERT_TRUE(tour.Trigger("ABeenden"));
    const QJsonObject linked = tour.Raise("LinkObjToSubGroup", {1, 57, subGroup});
    ASSERT_EQ(linked.value("result").toInt(), 1);
    tour.Raise("EditParameters", {1});
    tour.Trigger("AAutoSave");
    tour.Trigger("ABeenden");
    tour.Raise("ExportDevice", {1});
    tour.Raise("EditParameters", {1});
    {
        host::TProjectDatabase project(tour.Project());
        project.Sql().Execute("DELETE FROM sub_group WHERE id = " + std::to_string(subGroup));
    }
    tour.Ui().OnModal([handler = std::move(handler)](QWidget& shown) {
        if (auto* box = dynamic_cast<QMessageBox*>(&shown); box != nullptr && box->standardButtons().testFlag(QMessageBox::Yes))
            return static_cast<int>(platform::IDYES);
        return handler(shown);
    });
    tour.Trigger("ARestoreSaveCopy");
}

// The global-parameter wizard on the controller's set points: step 1 with all parameters
// marked; "Weiter" goes to step 2, where "Alle" and "Weiter" copy into every device and show the
// status report. The handler gets each step and what else the wizard shows.
// A wizard step with everything marked, then on to the next.
template <class Step>
void AllThenNext(Step& step)
{
    step.BtnAll->click();
    TTour::Pump();
    step.BtnNext->click();
}

void GlobalParameterWizard(TTour& tour, TTourUi::TModalHandler handler)
{
    tour.Select("Sollwerte");
    tour.Ui().OnModal(std::move(handler));
    tour.Trigger("AGlobalParameter");
}

const std::vector<TTourStart::TSetting> GlobalParameters = {{"Options", "EnableGlobalParameter", "1"}};

const std::vector<TTourStart::TSetting> Tools = {
    {"Options", "ToolAccess", "1"},
    {"Tools", "ToolName0", "Texteditor"},
    {"Tools", "ToolName1", "Projektordner"},
};
const std::vector<TTourStart::TSetting> Rebuild = {
    {"Options", "EnableReconstruction", "1"},
    {"Reconstruction", "MenueReadAndReconstructDeviceImage", "1"},
};
const std::vector<TTourStart::TSetting> Languages = {
    {"Sprache", "Count", "2"},      {"Sprache", "Sprache0", "Deutsch"}, {"Sprache", "SprachExt0", "DEU"},
    {"Sprache", "Sprache1", "English"}, {"Sprache", "SprachExt1", "ENU"},
};

// The first page of the PDF file drawn as a picture, as a person sees it on paper (100 dpi).
QPixmap FirstPageOf(const std::string& pdf)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    EXPECT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is missing: run scripts/setup";
    const QString page = QString::fromStdString(pdf + "-1");
    QProcess process;
    process.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                             QStringLiteral("-singlefile"), QString::fromStdString(pdf), page});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QPixmap(page + QStringLiteral(".png"));
}

// The serial download as Ctrl+Alt+F12 in the configuration window starts it: its options, the
// request to connect the device, the transfer's progress and its result. The serial-download
// library runs these dialogs itself; the handler gets each of them.
void SerialDownload(TTour& tour, TTourUi::TModalHandler handler)
{
    const TModalWatch watch(std::move(handler));
    QWidget* tree = tour.Window().Tree;
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier);
    TTour::Pump();
}

// A serial-download stop: every dialog before the one of that class is confirmed, that one is
// grabbed (the progress beside the result, since it stays open until the result is confirmed).
TTourStop SerialDialog(const char* name, const char* dialogClass, const char* caption)
{
    return {name, caption, {}, [dialogClass](TTour& tour) {
                SerialDownload(tour, [&tour, dialogClass](QWidget& shown) {
                    if (std::string_view(dialogClass) == "TDlgDownloadRs232Progress"
                        && TModalWatch::IsA(shown, "TDlgDownloadRs232Status")) {
                        QWidget* progress = TModalWatch::ShownWindow(dialogClass);
                        EXPECT_NE(progress, nullptr) << "no progress beside the result";
                        if (progress != nullptr)
                            tour.Grab(*progress);
                    } else if (TModalWatch::IsA(shown, dialogClass)) {
                        tour.Grab(shown);
                        return TTourUi::Escape;
                    }
                    return static_cast<int>(QDialog::Accepted);
                });
                EXPECT_TRUE(tour.Grabbed()) << "the serial download showed no " << dialogClass;
            }};
}

} // namespace

const std::vector<TTourStop>& TourStops()
{
    static const std::vector<TTourStop> stops = {
        {"main_window",
         "Erster Start: Hauptfenster, nachdem der Host Gerät 1.1.1 (Tastsensor Flur) zum Bearbeiten übergeben "
         "hat, ohne gespeicherte Fensterplätze: Projektierungsfenster mit dem Gerät gewählt, rechts daneben die "
         "Vorschau",
         {},
         [](TTour& tour) {
             WaitForPreview(tour);
             tour.Grab(tour.Main());
         }},
        {"second_start",
         "Zweiter Start nach einer Sitzung, in der das Hauptfenster verkleinert, das Projektierungsfenster "
         "verschoben, der Baum verbreitert und die Vorschau nach links unten gezogen wurde: alles wieder dort",
         WithSettings(MovedWindows),
         [](TTour& tour) {
             WaitForPreview(tour);
             tour.Grab(tour.Main());
         }},
        {"restore_question",
         "Frage vor dem Wiederherstellen der Sicherungskopie (Gerät > Sicherungskopie wiederherstellen, nach "
         "Gerät > Sichern) mit dem Datum der Sicherung, Antworten Ja und Nein",
         {},
         [](TTour& tour) {
             ASSERT_TRUE(tour.Trigger("AAutoSave"));
             tour.Ui().OnModal([&tour](QWidget& shown) {
                 if (auto* box = dynamic_cast<QMessageBox*>(&shown); box != nullptr && !tour.Grabbed()) {
                     EXPECT_EQ(box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->text() : QString(),
                               QStringLiteral("&Ja"));
                     EXPECT_EQ(box->button(QMessageBox::No) ? box->button(QMessageBox::No)->text() : QString(),
                               QStringLiteral("&Nein"));
                     tour.Grab(shown);
                 }
                 return TTourUi::Escape;
             });
             tour.Trigger("ARestoreSaveCopy");
         }},
        Menu("menu_geraet", "MDatei", "Hauptfenster, Menü Gerät geöffnet"),
        Menu("menu_projektierung", "MProjektierung", "Hauptfenster, Menü Projektierung geöffnet"),
        Menu("menu_schaltuhr_editoren", "MSchaltuhrEditoren",
             "Hauptfenster, Menü Schaltuhr-Editoren geöffnet (keine Schaltuhr eingeschaltet: beide Einträge gesperrt)"),
        Menu("menu_einstellung", "MEinstellung", "Hauptfenster, Menü Einstellung geöffnet"),
        Menu("menu_tool", "MTool", "Hauptfenster, Menü Tool geöffnet (zwei Werkzeuge in den Einstellungen eingetragen)",
             WithSettings(Tools)),
        Menu("menu_rekonstruktion", "MRekonstruktion",
             "Hauptfenster, Menü Rekonstruktion geöffnet (in den Einstellungen freigeschaltet)", WithSettings(Rebuild)),
        Menu("menu_fenster", "MFenster", "Hauptfenster, Menü Fenster geöffnet, mit dem einen Projektierungsfenster"),
        Menu("menu_hilfe", "MHilfe", "Hauptfenster, Menü Hilfe geöffnet"),
        {"config_tree_grid",
         "Projektierungsfenster: Funktionsbaum aufgeklappt, die Sollwerte des Raumtemperaturreglers gewählt, "
         "ihr Parameterraster rechts",
         {},
         [](TTour& tour) {
             Enlarge(tour);
             tour.Trigger("AExpandAll");
             tour.Select("Sollwerte");
             tour.Grab(*tour.Window().parentWidget());
         }},
        {"config_child_list",
         "Projektierungsfenster: der Ordner Gruppenadressen gewählt, rechts die Liste seiner Hauptgruppen",
         {},
         [](TTour& tour) {
             Enlarge(tour);
             TDeviceInstanzTalvo* device = tour.Main().AktDevInst;
             ASSERT_NE(device, nullptr);
             tour.Window().SelectNode(device->GrpAdrOrdner.get());
             TTour::Pump();
             tour.Grab(*tour.Window().parentWidget());
         }},
        {"config_quickhelp_docked",
         "Projektierungsfenster mit angedockter Schnellhilfe (Hilfe > Schnellhilfe): Zeile Betriebsmodus-Umschaltung "
         "des Raumtemperaturreglers aktiv, ihre Hilfe unten",
         {},
         [](TTour& tour) {
             QuickHelpOnTheModeSwitching(tour);
             tour.Grab(*tour.Window().parentWidget());
         }},
        {"config_quickhelp_floating",
         "Hauptfenster mit schwebender Schnellhilfe (vom Projektierungsfenster gelöst), Zeile Betriebsmodus-Umschaltung aktiv",
         {},
         [](TTour& tour) {
             QuickHelpOnTheModeSwitching(tour);
             TFDockMeld* help = tour.Window().DockMeld;
             ASSERT_NE(help, nullptr);
             help->setFloating(true);
             help->resize(420, 200);
             help->move(tour.Main().mapToGlobal(QPoint(560, 380)));
             TTour::Pump();
             tour.GrabWith(tour.Main(), *help);
         }},
        {"config_two_cascaded",
         "Zwei Projektierungsfenster (Projektierung > Neues Fenster), überlappend angeordnet (Fenster > "
         "Überlappend); im vorderen der Raumtemperaturregler gewählt",
         {},
         [](TTour& tour) {
             tour.Trigger("AProjektierungsfenster");
             tour.Trigger("AUeberlappend");
             auto* front = dynamic_cast<TFormVerw*>(tour.Main().GetFormVerwList().back());
             ASSERT_NE(front, nullptr);
             front->SelectNode(tour.Object("Raumtemperaturregler-Funktion"));
             TTour::Pump();
             tour.Grab(tour.Main());
         }},
        {"config_popup",
         "Projektierungsfenster: Kontextmenü des Funktionsbaums, mit der rechten Maustaste auf dem Objekt Uhrzeit "
         "geöffnet",
         {},
         [](TTour& tour) {
             TFormVerw& window = tour.Window();
             TTreeNode* node = window.GetNodeFromData(tour.Object(TimeObject));
             ASSERT_NE(node, nullptr);
             const QPoint at = window.Tree->visualItemRect(node).center();
             QTest::mousePress(window.Tree->viewport(), Qt::RightButton, {}, at);
             TTour::Pump();
             ASSERT_TRUE(window.PopupMenu1->isVisible());
             window.PopupMenu1->move(window.Tree->viewport()->mapToGlobal(at));
             TTour::Pump();
             tour.GrabWith(tour.Main(), *window.PopupMenu1);
             window.PopupMenu1->hide();
         }},
        {"preview_full",
         "Vorschau (Projektierung > Vorschau): Bild des Geräts mit Anzeige und Tasten, im Hauptfenster",
         {},
         [](TTour& tour) {
             tour.Trigger("APreview");
             tour.Grab(tour.Main());
         }},
        {"preview_display_only", "Vorschau nur mit der Anzeige (Vorschau-Menü: nur Anzeige), im Hauptfenster",
         {},
         [](TTour& tour) {
             tour.Trigger("APreview");
             tour.Trigger("APreviewShowDisplayOnly");
             tour.Grab(tour.Main());
         }},
        Modal("schaltuhr_editor", "ASchaltuhrEditor",
              "Schaltuhr-Editor (Schaltuhr-Editoren > Schaltuhr) von Gerät 1.1.3 mit Uhr, nachdem im Raster des "
              "Geräts Schaltuhr 1 und 2 eingeschaltet wurden",
              TimeSwitchesOn, {}, OnDevice(3)),
        Modal("raumtemp_schaltuhr_editor", "ARaumtempSchaltuhrEditor",
              "Editor der Raumtemperatur-Schaltuhr (Schaltuhr-Editoren > Raumtemperatur-Schaltuhr), nachdem sie im "
              "Raster des Reglers eingeschaltet wurde",
              RoomTimeSwitchOn),
        OptionsPage("options_tabelle", 0, "Optionen (Einstellung > Optionen), Seite Tabelle"),
        OptionsPage("options_optionen", 1, "Optionen, Seite Optionen"),
        OptionsPage("options_hardware", 2, "Optionen, Seite Hardware"),
        Modal("grpaddr_link", "ALinkObjToGrpAddr",
              "Objekt mit neuer Gruppenadresse verknüpfen (Kontextmenü des Baums) für das Objekt Uhrzeit, mit der "
              "vorgeschlagenen nächsten freien Adresse",
              [](TTour& tour) { tour.Select(TimeObject); }),
        {"grpaddr_link_result",
         "Nach OK im Dialog Objekt mit neuer Gruppenadresse verkn\u00fcpfen: die Rasterzeile Gruppenadressen des "
         "Objekts Uhrzeit zeigt die neue Adresse, der Baum bleibt auf dem Objekt",
         {},
         [](TTour& tour) {
             tour.Select(TimeObject);
             tour.Ui().OnModal([](QWidget& shown) {
                 auto* dialog = dynamic_cast<TDlgLinkToGrpAddr*>(&shown);
                 EXPECT_NE(dialog, nullptr) << "not the link dialog";
                 if (dialog == nullptr)
                     return 2;
                 QTest::keyClicks(dialog->EditGrpAddrName, QStringLiteral("Uhrzeit Flur"));
                 QTest::mouseClick(dialog->BtnOk, Qt::LeftButton);
                 return dialog->result();
             });
             tour.Trigger("ALinkObjToGrpAddr");
             TTour::Pump();
             ActivateRow(tour, "Gruppenadressen");
             tour.Grab(tour.Main());
         }},
        {"grpaddr_select",
         "Gruppenadressen des Objekts Uhrzeit wählen (Schaltfläche der Rasterzeile Gruppenadressen): links die "
         "passenden Adressen des Projekts, rechts die verknüpften (noch keine)",
         {},
         [](TTour& tour) {
             tour.Ui().OnModal([&tour](QWidget& shown) {
                 tour.Grab(shown);
                 return TTourUi::Escape;
             });
             OpenGroupAddressSelection(tour);
         }},
        {"input_query",
         "Eingabeabfrage: Name einer neuen Gruppenadresse, nachdem in der Gruppenadressen-Auswahl eine Adresse "
         "eingegeben wurde, die das Projekt nicht hat",
         {},
         [](TTour& tour) {
             tour.Ui().OnModal([&tour](QWidget& shown) {
                 if (auto* selection = dynamic_cast<TDlgSelGrpAddr*>(&shown)) {
                     selection->edtGrpAddr->setText(QStringLiteral("3/7/99"));
                     selection->btnSearchAdd->click();
                     return TTourUi::Escape;
                 }
                 if (dynamic_cast<QMessageBox*>(&shown) != nullptr)
                     return static_cast<int>(platform::IDYES);
                 if (auto* query = dynamic_cast<TDlgMyInputQuery*>(&shown)) {
                     QTest::keyClicks(query->EditText, "Heizung Bad");
                     tour.Grab(shown);
                 }
                 return TTourUi::Escape;
             });
             OpenGroupAddressSelection(tour);
         }},
        {"wizard_step1",
         "Globale Parameter, Schritt 1 (Kontextmenü des Baums > Globale Parameter, in den Einstellungen "
         "freigeschaltet): die Sollwerte des Reglers, alle Parameter markiert (Alle)",
         WithSettings(GlobalParameters),
         [](TTour& tour) {
             GlobalParameterWizard(tour, [&tour](QWidget& shown) {
                 if (auto* step1 = dynamic_cast<TDlgGlobalParameter*>(&shown)) {
                     step1->BtnAll->click();
                     TTour::Pump();
                     tour.Grab(shown);
                 }
                 return TTourUi::Escape;
             });
         }},
        {"wizard_step2",
         "Globale Parameter, Schritt 2 (Weiter): die Geräte des Projekts, in die die markierten Parameter "
         "kopiert werden können",
         WithSettings(GlobalParameters),
         [](TTour& tour) {
             GlobalParameterWizard(tour, [&tour](QWidget& shown) {
                 if (auto* step1 = dynamic_cast<TDlgGlobalParameter*>(&shown)) {
                     AllThenNext(*step1);
                 } else if (dynamic_cast<TDlgSelectDevice*>(&shown) != nullptr) {
                     tour.Grab(shown);
                 }
                 return TTourUi::Escape;
             });
         }},
        {"wizard_step3",
         "Globale Parameter, Schritt 3: Statusbericht nach dem Kopieren in alle Geräte (Alle, Weiter); die "
         "beiden anderen Geräte des frischen Demo-Projekts, noch nie bearbeitet, stehen unter nicht geändert",
         WithSettings(GlobalParameters),
         [](TTour& tour) {
             GlobalParameterWizard(tour, [&tour](QWidget& shown) {
                 if (auto* step1 = dynamic_cast<TDlgGlobalParameter*>(&shown)) {
                     AllThenNext(*step1);
                 } else if (auto* step2 = dynamic_cast<TDlgSelectDevice*>(&shown)) {
                     AllThenNext(*step2);
                 } else if (dynamic_cast<TDlgGlobalParameterStatus*>(&shown) != nullptr) {
                     tour.Grab(shown);
                     return static_cast<int>(platform::IDOK);
                 } else if (auto* box = dynamic_cast<QMessageBox*>(&shown);
                            box != nullptr && box->standardButtons().testFlag(QMessageBox::Yes)) {
                     return static_cast<int>(platform::IDYES);
                 }
                 return TTourUi::Escape;
             });
         }},
        {"grpaddr_import_check",
         "Prüfung der Gruppenadressen beim Wiederherstellen der Sicherungskopie (Gerät > Sicherungskopie "
         "wiederherstellen): die Adresse 1/0/2 des Objekts Uhrzeit fehlt inzwischen im Projekt",
         {},
         [](TTour& tour) {
             RestoreWithAMissingGroupAddress(tour, [&tour](QWidget& shown) {
                 if (dynamic_cast<TFDlgGaCheck*>(&shown) != nullptr)
                     tour.Grab(shown);
                 return TTourUi::Escape;
             });
         }},
        {"grpaddr_change",
         "Gruppenadresse ändern: aus der Prüfung der Gruppenadressen für die fehlende Adresse 1/0/2 geöffnet "
         "(Schaltfläche Adresse ändern)",
         {},
         [](TTour& tour) {
             RestoreWithAMissingGroupAddress(tour, [&tour](QWidget& shown) {
                 if (auto* check = dynamic_cast<TFDlgGaCheck*>(&shown)) {
                     QTreeWidgetItem* first = check->ListView->topLevelItem(0);
                     if (first != nullptr) {
                         check->ListView->setCurrentItem(first);
                         first->setSelected(true);
                         check->ButtonChange->click();
                     }
                 } else if (dynamic_cast<TFDlgGrpAddrChange*>(&shown) != nullptr) {
                     tour.Grab(shown);
                 }
                 return TTourUi::Escape;
             });
         }},
        Modal("goto_object", "ASearchCommObject",
              "Gehe zu Kommunikationsobjekt (Projektierung > Objekt suchen), Nummer 57 eingegeben", {},
              [](QWidget& dialog) {
                  if (auto* goTo = dynamic_cast<TDlgJumpToObj*>(&dialog))
                      QTest::keyClicks(goTo->EditObjNr, "57");
              }),
        {"char_table",
         "Zeichentabelle des Zeichensatzes des Geräts (Projektierung > Zeichensatz)",
         {},
         [](TTour& tour) {
             ASSERT_TRUE(tour.Trigger("AZeichensatz"));
             TTour::Pump();
             const auto windows = QApplication::topLevelWidgets();
             const auto table = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
                 return qobject_cast<const TZeichentabelle*>(window) != nullptr && window->isVisible();
             });
             ASSERT_NE(table, windows.end());
             tour.Grab(**table);
             (*table)->close();
             TTour::Pump();
         }},
        {"print_preview",
         "Seitenansicht (Gerät > Seitenansicht): der Bericht des Geräts mit seinen Funktionen und der "
         "Zeichentabelle",
         {},
         [](TTour& tour) {
             bool shown = false;
             tour.Ui().OnModal([&tour, &shown](QWidget& window) {
                 window.resize(900, 700);
                 TTour::Pump();
                 tour.Grab(window);
                 shown = true;
                 return TTourUi::Escape;
             });
             ASSERT_TRUE(tour.Trigger("APrintPreview"));
             EXPECT_TRUE(shown);
         }},
        {"printed_page",
         "Gedruckte Seite (Gerät > Drucken, im Druckdialog in eine PDF-Datei gedruckt): die erste Seite des Berichts "
         "von Gerät 1.1.1, als Bild mit 100 dpi",
         {},
         [](TTour& tour) {
             const std::string pdf = tour.File("printed.pdf");
             tour.Ui().AnswerPrintToFile(pdf);
             ASSERT_TRUE(tour.Trigger("APrint"));
             ASSERT_TRUE(QFile::exists(QString::fromStdString(pdf))) << "nothing printed";
             tour.Grab(FirstPageOf(pdf));
         }},
        {"import_choice",
         "Import von Gerätedaten (Gerät > Vorlage-Importieren..., Frage bejaht, Datei gewählt): die Wahl mit oder ohne "
         "ETS-Gruppenadressen, wie sie sich öffnet",
         {},
         [](TTour& tour) {
             bool chosen = false;
             tour.Ui().AnswerOpenFile("Import.bup");
             tour.Ui().OnModal([&tour, &chosen](QWidget& shown) {
                 if (dynamic_cast<QMessageBox*>(&shown) != nullptr)
                     return static_cast<int>(platform::IDYES);
                 if (dynamic_cast<TFDlgImport*>(&shown) != nullptr) {
                     tour.Grab(shown);
                     chosen = true;
                 }
                 return TTourUi::Escape;
             });
             ASSERT_TRUE(tour.Trigger("AImport"));
             EXPECT_TRUE(chosen);
         }},
        {"message_box",
         "Meldung: das gesuchte Kommunikationsobjekt (Nummer 999) hat das Gerät nicht",
         {},
         [](TTour& tour) {
             tour.Ui().OnModal([&tour](QWidget& shown) {
                 if (auto* goTo = dynamic_cast<TDlgJumpToObj*>(&shown)) {
                     goTo->EditObjNr->setText(QStringLiteral("999"));
                     return static_cast<int>(platform::IDOK);
                 }
                 tour.Grab(shown);
                 return TTourUi::Escape;
             });
             tour.Trigger("ASearchCommObject");
         }},
        Modal("about", "AAbout", "Info (Hilfe > Info): Version des Programms und seiner Module"),
        Modal("language", "ASprache",
              "Spracheinstellung (Einstellung > Sprache) mit zwei Sprachen in den Einstellungen", {}, {},
              WithSettings(Languages)),
        {"progress",
         "Fortschrittsanzeige beim Beenden der Bearbeitung (Gerät > Beenden), Schritt 3 von 9",
         {},
         [](TTour& tour) {
             tour.Ui().OnProgress([&tour](QWidget& progress, std::int32_t step) {
                 if (step == 3)
                     tour.Grab(progress);
             });
             tour.Trigger("ABeenden");
         }},
        SerialDialog("serial_options", "TDlgDownloadRs232Options",
                     "Serieller Download, Optionen (Strg+Alt+F12 im Projektierungsfenster, Bibliothek seriallink.dll "
                     "neben dem Programm): Schnittstelle, Übertragung und Ablauf, wie serialsetup.ini sie hält"),
        SerialDialog("serial_connect", "TDlgDownloadRs232ConnectDevice",
                     "Serieller Download: Aufforderung, das Gerät 1.1.1 anzuschließen (nach OK in den Optionen)"),
        SerialDialog("serial_progress", "TDlgDownloadRs232Progress",
                     "Serieller Download: Fortschritt der Übertragung an Gerät 1.1.1 (nach OK beim Anschließen)"),
        SerialDialog("serial_status", "TDlgDownloadRs232Status",
                     "Serieller Download: Ergebnis der Übertragung an Gerät 1.1.1 (auf den simulierten Bus)"),
    };
    return stops;
}

std::string PictureName(std::size_t index, const TTourStop& stop)
{
    char number[8];
    std::snprintf(number, sizeof number, "%02zu", index + 1);
    return std::string(number) + "_" + stop.Name + ".png";
}

} // namespace tour
