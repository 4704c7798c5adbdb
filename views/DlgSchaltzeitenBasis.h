#pragma once

#include "views/SchaltzeitenKern.h"

#include <QDialog>
#include <QRect>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeView;
class TSchaltzeitenModell;

// Holds the editor of a dialog; a base of the dialog so that the editor outlives the widgets,
// which still ask it while they are torn down.
struct TSchaltzeitenKernHalter {
    std::unique_ptr<schaltzeit::TSchaltzeitenKern> KernBesitz;
};

// The Qt shell the two switching-time editors share: a dialog with the time field
// and its arrows, the day group and boxes, the list, the slot label, the three list buttons,
// the download box and OK, Cancel and Help, at the places each editor gives. It shows the
// editor's state and hands every user action to it; the editor decides. It opens at the size the
// editor gives, wider when the list's columns need it, and can be made larger: the list grows,
// the controls below it move along. Results: 1 after OK, 2 after Cancel or the close box.
class TDlgSchaltzeitenBasis : private TSchaltzeitenKernHalter, public QDialog {
public:
    // Places (left, top, width, height) that differ between the editors.
    struct TPlaetze {
        QSize Client;
        QRect GrpBoxSchaltzeiten;
        int ListeBreite = 295;
        std::array<int, 3> ListenKnoepfeLinks{};
        int ListenKnoepfeBreite = 90;
        QRect GrpBoxDownload;
        std::array<QRect, 3> OkCancelHelp;
    };

    ~TDlgSchaltzeitenBasis() override;

    // Closing by the close box or Escape answers 2, as Cancel does.
    void reject() override;

protected:
    TDlgSchaltzeitenBasis(QWidget* owner, std::unique_ptr<schaltzeit::TSchaltzeitenKern> kern,
                          const TPlaetze& plaetze, const std::vector<int>& spaltenBreiten);

    // The group box that holds the input and the list; editors add their own input to it.
    QGroupBox* Schaltzeiten() const { return GrpBoxSchaltzeiten; }
    // Runs a user action on the editor (with the time field as the widget shows it) and shows
    // the editor's state afterwards.
    void Aktion(const std::function<void()>& aktion);
    // Shows the editor's state in every control.
    void Aktualisieren();
    // The editor's own controls.
    virtual void AktualisiereEigene() = 0;
    // The locale's time separator.
    static char ZeitTrenner();
    // An auto-repeating arrow button that takes no focus.
    static QToolButton* Pfeil(QWidget* parent, const char* name, Qt::ArrowType richtung, const QRect& platz);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    schaltzeit::TSchaltzeitenKern& Kern;

private:
    void BaueEingabe();
    void BaueListe(const TPlaetze& plaetze, const std::vector<int>& spaltenBreiten);
    void BaueKnoepfe(const TPlaetze& plaetze);
    bool ZeitTaste(QKeyEvent* event);
    void LeseZeitFeld();
    void ZeigeZeitFeld();
    void LeseAuswahl();
    // The list's columns as wide as their captions and entries ("Nr." stays as it is); the
    // dialog widens when they need more room than the list has.
    void PasseSpaltenAn();
    // The places of the list and of everything below it for the dialog's size.
    void Anordnen();

    QGroupBox* GrpBoxSchaltzeiten = nullptr;
    QLineEdit* EdtUhrzeit = nullptr;
    QToolButton* ZeitHoch = nullptr;
    QToolButton* ZeitRunter = nullptr;
    QGroupBox* RdGrpTage = nullptr;
    std::array<QRadioButton*, 4> TagesGruppen{};
    std::array<QCheckBox*, 7> ChkBoxTage{};
    QTreeView* LvSchaltzeiten = nullptr;
    TSchaltzeitenModell* Modell = nullptr;
    QLabel* LblFreieSpeicherplaetze = nullptr;
    QPushButton* BtnAdd = nullptr;
    QPushButton* BtnDelete = nullptr;
    QPushButton* BtnEdit = nullptr;
    QCheckBox* ChkBoxSchaltzeitenUeberschreiben = nullptr;
    QGroupBox* GrpBoxDownload = nullptr;
    std::array<QPushButton*, 3> OkCancelHelp{};
    TPlaetze Orte; // the places at the size the editor gives
    std::vector<int> SpaltenBreiten; // the least width of each column
    bool Zeigt = false; // the state is being shown: the controls' signals are not user actions
};
