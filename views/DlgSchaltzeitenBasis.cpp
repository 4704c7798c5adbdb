#include "views/DlgSchaltzeitenBasis.h"

#include "app/Spredit.h"
#include "platform/Cp1252.h"
#include "views/SchaltzeitenModell.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

using platform::ToQString;
using namespace schaltzeit;

namespace {

QPushButton* Knopf(QWidget* parent, const char* name, const QRect& platz)
{
    auto* knopf = new QPushButton(parent);
    knopf->setObjectName(QLatin1String(name));
    knopf->setGeometry(platz);
    knopf->setAutoDefault(false);
    return knopf;
}

} // namespace

TDlgSchaltzeitenBasis::TDlgSchaltzeitenBasis(QWidget* owner, std::unique_ptr<TSchaltzeitenKern> kern,
                                             const TPlaetze& plaetze, const std::vector<int>& spaltenBreiten)
    : TSchaltzeitenKernHalter{std::move(kern)},
      QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      Kern(*KernBesitz),
      Orte(plaetze),
      SpaltenBreiten(spaltenBreiten)
{
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);
    setMinimumSize(plaetze.Client);
    resize(plaetze.Client);

    GrpBoxSchaltzeiten = new QGroupBox(this);
    GrpBoxSchaltzeiten->setObjectName(QStringLiteral("GrpBoxSchaltzeiten"));
    GrpBoxSchaltzeiten->setGeometry(plaetze.GrpBoxSchaltzeiten);
    BaueEingabe();
    BaueListe(plaetze, spaltenBreiten);
    BaueKnoepfe(plaetze);
}

QToolButton* TDlgSchaltzeitenBasis::Pfeil(QWidget* parent, const char* name, Qt::ArrowType richtung,
                                          const QRect& platz)
{
    auto* pfeil = new QToolButton(parent);
    pfeil->setObjectName(QLatin1String(name));
    pfeil->setArrowType(richtung);
    pfeil->setGeometry(platz);
    pfeil->setFocusPolicy(Qt::NoFocus);
    pfeil->setAutoRepeat(true);
    return pfeil;
}

TDlgSchaltzeitenBasis::~TDlgSchaltzeitenBasis()
{
    Zeigt = true; // what the widgets do while they go is no user action
}

void TDlgSchaltzeitenBasis::BaueEingabe()
{
    using namespace Spredit;
    auto* uhrzeit = new QGroupBox(ToQString(Text9168), GrpBoxSchaltzeiten);
    uhrzeit->setObjectName(QStringLiteral("GrpBoxUhrzeit"));
    uhrzeit->setGeometry(8, 16, 193, 49);
    EdtUhrzeit = new QLineEdit(uhrzeit);
    EdtUhrzeit->setObjectName(QStringLiteral("EdtUhrzeit"));
    EdtUhrzeit->setGeometry(8, 20, 49, 21);
    EdtUhrzeit->setContextMenuPolicy(Qt::NoContextMenu);
    EdtUhrzeit->setDragEnabled(false);
    EdtUhrzeit->setAcceptDrops(false);
    EdtUhrzeit->installEventFilter(this);
    ZeitHoch = Pfeil(uhrzeit, "UpDownZeitHoch", Qt::UpArrow, {57, 20, 16, 11});
    ZeitRunter = Pfeil(uhrzeit, "UpDownZeitRunter", Qt::DownArrow, {57, 31, 16, 10});
    const auto pfeil = [this](bool hoch) {
        return [this, hoch] {
            const bool fokus = EdtUhrzeit->hasFocus();
            Aktion([this, hoch, fokus] { Kern.ZeitPfeil(hoch, fokus); });
            EdtUhrzeit->setFocus(Qt::OtherFocusReason);
            ZeigeZeitFeld();
        };
    };
    connect(ZeitHoch, &QToolButton::clicked, this, pfeil(true));
    connect(ZeitRunter, &QToolButton::clicked, this, pfeil(false));

    RdGrpTage = new QGroupBox(ToQString(Text9167), GrpBoxSchaltzeiten);
    RdGrpTage->setObjectName(QStringLiteral("RdGrpTage"));
    RdGrpTage->setGeometry(8, 72, 193, 137);
    const std::array<const std::string*, 4> gruppen{&Text9154, &Text9166, &Text9169, &Text9171};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(ToQString(*gruppen[static_cast<std::size_t>(i)]), RdGrpTage);
        radio->setObjectName(QStringLiteral("RdGrpTage%1").arg(i));
        radio->setGeometry(8, 18 + 29 * i, 128, 20);
        connect(radio, &QRadioButton::clicked, this, [this, i] { Aktion([this, i] { Kern.RdGrpTageClick(i); }); });
        TagesGruppen[static_cast<std::size_t>(i)] = radio;
    }
    const std::array<const std::string*, 7> tage{&Text9162, &Text9157, &Text9161, &Text9158,
                                                 &Text9160, &Text9163, &Text9164};
    const std::array<const char*, 7> namen{"ChkBoxMontag",  "ChkBoxDienstag", "ChkBoxMittwoch", "ChkBoxDonnerstag",
                                           "ChkBoxFreitag", "ChkBoxSamstag",  "ChkBoxSonntag"};
    for (int i = 0; i < 7; ++i) {
        auto* box = new QCheckBox(ToQString(*tage[static_cast<std::size_t>(i)]), GrpBoxSchaltzeiten);
        box->setObjectName(QLatin1String(namen[static_cast<std::size_t>(i)]));
        box->setLayoutDirection(Qt::RightToLeft); // the text left of the box
        box->setGeometry(144, 88 + 16 * i, 41, 17);
        connect(box, &QCheckBox::clicked, this,
                [this, i](bool angehakt) { Aktion([this, i, angehakt] { Kern.ChkBoxClick(i, angehakt); }); });
        ChkBoxTage[static_cast<std::size_t>(i)] = box;
    }

    LblFreieSpeicherplaetze = new QLabel(GrpBoxSchaltzeiten);
    LblFreieSpeicherplaetze->setObjectName(QStringLiteral("LblFreieSpeicherplaetze"));
    LblFreieSpeicherplaetze->move(8, 280);
}

void TDlgSchaltzeitenBasis::BaueListe(const TPlaetze& plaetze, const std::vector<int>& spaltenBreiten)
{
    LvSchaltzeiten = new QTreeView(GrpBoxSchaltzeiten);
    LvSchaltzeiten->setObjectName(QStringLiteral("LvSchaltzeiten"));
    LvSchaltzeiten->setGeometry(208, 16, plaetze.ListeBreite, 249);
    LvSchaltzeiten->setRootIsDecorated(false);
    LvSchaltzeiten->setItemsExpandable(false);
    LvSchaltzeiten->setUniformRowHeights(true);
    LvSchaltzeiten->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LvSchaltzeiten->setSelectionBehavior(QAbstractItemView::SelectRows);
    LvSchaltzeiten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LvSchaltzeiten->setSortingEnabled(false);
    Modell = new TSchaltzeitenModell(Kern, this);
    LvSchaltzeiten->setModel(Modell);
    QHeaderView* kopf = LvSchaltzeiten->header();
    kopf->setSectionsClickable(true);
    kopf->setSortIndicatorShown(false);
    kopf->setStretchLastSection(false);
    kopf->setMinimumSectionSize(1);
    for (std::size_t spalte = 0; spalte < spaltenBreiten.size(); ++spalte)
        kopf->resizeSection(static_cast<int>(spalte), spaltenBreiten[spalte]);
    kopf->setSectionResizeMode(0, QHeaderView::Fixed); // "Nr." stays one pixel wide
    connect(kopf, &QHeaderView::sectionClicked, this,
            [this](int spalte) { Aktion([this, spalte] { Kern.LvSchaltzeitenColumnClick(spalte); }); });
    connect(LvSchaltzeiten->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!Zeigt)
            Aktion([this] { LeseAuswahl(); });
    });
    connect(LvSchaltzeiten, &QTreeView::doubleClicked, this,
            [this] { Aktion([this] { Kern.LvSchaltzeitenDblClick(); }); });
}

void TDlgSchaltzeitenBasis::BaueKnoepfe(const TPlaetze& plaetze)
{
    using namespace Spredit;
    const int breite = plaetze.ListenKnoepfeBreite;
    BtnAdd = Knopf(GrpBoxSchaltzeiten, "BtnAdd", {plaetze.ListenKnoepfeLinks[0], 272, breite, 25});
    BtnDelete = Knopf(GrpBoxSchaltzeiten, "BtnDelete", {plaetze.ListenKnoepfeLinks[1], 272, breite, 25});
    BtnEdit = Knopf(GrpBoxSchaltzeiten, "BtnEdit", {plaetze.ListenKnoepfeLinks[2], 272, breite, 25});
    connect(BtnAdd, &QPushButton::clicked, this, [this] { Aktion([this] { Kern.BtnAddClick(); }); });
    connect(BtnDelete, &QPushButton::clicked, this, [this] {
        Aktion([this] { Kern.BtnDeleteClick(); });
        LvSchaltzeiten->setFocus(Qt::OtherFocusReason);
    });
    connect(BtnEdit, &QPushButton::clicked, this, [this] { Aktion([this] { Kern.BtnEditClick(); }); });

    auto* download = new QGroupBox(this);
    download->setObjectName(QStringLiteral("GrpBoxDownload"));
    download->setGeometry(plaetze.GrpBoxDownload);
    GrpBoxDownload = download;
    ChkBoxSchaltzeitenUeberschreiben = new QCheckBox(ToQString(Text9021), download);
    ChkBoxSchaltzeitenUeberschreiben->setObjectName(QStringLiteral("ChkBoxSchaltzeitenUeberschreiben"));
    ChkBoxSchaltzeitenUeberschreiben->setGeometry(8, 16, 353, 17);
    connect(ChkBoxSchaltzeitenUeberschreiben, &QCheckBox::clicked, this,
            [this](bool angehakt) { Kern.SetUeberschreiben(angehakt); });

    QPushButton* ok = Knopf(this, "BtnOk", plaetze.OkCancelHelp[0]);
    ok->setText(ToQString(Text9011));
    QPushButton* abbrechen = Knopf(this, "BtnCancel", plaetze.OkCancelHelp[1]);
    abbrechen->setText(ToQString(Text9008));
    QPushButton* hilfe = Knopf(this, "BtnHelp", plaetze.OkCancelHelp[2]);
    hilfe->setText(ToQString(Text9012));
    hilfe->setEnabled(false);
    OkCancelHelp = {ok, abbrechen, hilfe};
    connect(ok, &QPushButton::clicked, this, [this] {
        bool genommen = false;
        Aktion([this, &genommen] { genommen = Kern.BtnOkClick(); });
        if (genommen)
            done(1);
    });
    connect(abbrechen, &QPushButton::clicked, this, [this] { done(2); });
}

void TDlgSchaltzeitenBasis::reject()
{
    done(2);
}

char TDlgSchaltzeitenBasis::ZeitTrenner()
{
    for (const QChar zeichen : QLocale().timeFormat(QLocale::ShortFormat))
        if (!zeichen.isLetter() && zeichen.unicode() < 0x80)
            return static_cast<char>(zeichen.unicode());
    return ':';
}

void TDlgSchaltzeitenBasis::LeseZeitFeld()
{
    const QString text = EdtUhrzeit->text();
    const int start = EdtUhrzeit->hasSelectedText() ? EdtUhrzeit->selectionStart() : EdtUhrzeit->cursorPosition();
    const int laenge = EdtUhrzeit->hasSelectedText() ? static_cast<int>(EdtUhrzeit->selectedText().size()) : 0;
    Kern.SetZeitFeld({platform::FromQString(text), start, laenge});
}

void TDlgSchaltzeitenBasis::ZeigeZeitFeld()
{
    const TZeitFeld& feld = Kern.ZeitFeld();
    const QString text = ToQString(feld.Text);
    if (EdtUhrzeit->text() != text)
        EdtUhrzeit->setText(text);
    if (feld.SelLength > 0)
        EdtUhrzeit->setSelection(feld.SelStart, feld.SelLength);
    else
        EdtUhrzeit->setCursorPosition(feld.SelStart);
}

void TDlgSchaltzeitenBasis::LeseAuswahl()
{
    std::vector<int> zeilen;
    for (const QModelIndex& index : LvSchaltzeiten->selectionModel()->selectedRows())
        zeilen.push_back(index.row());
    Kern.SetAuswahl(std::move(zeilen));
}

void TDlgSchaltzeitenBasis::Aktion(const std::function<void()>& aktion)
{
    if (Zeigt)
        return;
    LeseZeitFeld();
    aktion();
    Aktualisieren();
}

void TDlgSchaltzeitenBasis::Aktualisieren()
{
    Zeigt = true;
    setWindowTitle(ToQString(Kern.Fenstertitel()));
    ZeigeZeitFeld();

    for (int i = 0; i < 4; ++i)
        TagesGruppen[static_cast<std::size_t>(i)]->setChecked(Kern.TagesGruppe() == i);
    for (int i = 0; i < 7; ++i) {
        QCheckBox* box = ChkBoxTage[static_cast<std::size_t>(i)];
        box->setChecked(Kern.Tage()[static_cast<std::size_t>(i)]);
        box->setEnabled(Kern.TageAktiv());
    }

    Modell->Neu();
    PasseSpaltenAn();
    // The view's selection follows the editor's where they differ (after deleting or sorting).
    QItemSelectionModel* gewaehlt = LvSchaltzeiten->selectionModel();
    std::vector<int> gezeigt;
    for (const QModelIndex& index : gewaehlt->selectedRows())
        gezeigt.push_back(index.row());
    std::sort(gezeigt.begin(), gezeigt.end());
    if (gezeigt != Kern.Auswahl()) {
        QItemSelection auswahl;
        for (const int zeile : Kern.Auswahl())
            auswahl.select(Modell->index(zeile, 0), Modell->index(zeile, Modell->columnCount() - 1));
        gewaehlt->select(auswahl, QItemSelectionModel::ClearAndSelect);
        if (!Kern.Auswahl().empty())
            gewaehlt->setCurrentIndex(Modell->index(Kern.Auswahl().front(), 0), QItemSelectionModel::NoUpdate);
    }
    LvSchaltzeiten->setEnabled(Kern.ListeAktiv());

    LblFreieSpeicherplaetze->setText(ToQString(Kern.FreieSpeicherplaetze()));
    LblFreieSpeicherplaetze->adjustSize();
    BtnAdd->setText(ToQString(Kern.HinzufuegenText()));
    BtnAdd->setVisible(Kern.HinzufuegenSichtbar());
    BtnAdd->setEnabled(Kern.HinzufuegenAktiv());
    BtnDelete->setText(ToQString(Kern.LoeschenText()));
    BtnDelete->setEnabled(Kern.LoeschenAktiv());
    BtnEdit->setText(ToQString(Kern.BearbeitenText()));
    BtnEdit->setEnabled(Kern.BearbeitenAktiv());
    ChkBoxSchaltzeitenUeberschreiben->setChecked(Kern.Ueberschreiben());
    AktualisiereEigene();
    Zeigt = false;
}

void TDlgSchaltzeitenBasis::PasseSpaltenAn()
{
    QHeaderView* kopf = LvSchaltzeiten->header();
    QScrollBar* senkrecht = LvSchaltzeiten->verticalScrollBar();
    int noetig = 2 * LvSchaltzeiten->frameWidth() + (senkrecht->isVisible() ? senkrecht->width() : 0);
    for (int spalte = 0; spalte < Modell->columnCount(); ++spalte) {
        if (spalte > 0) {
            LvSchaltzeiten->resizeColumnToContents(spalte);
            const std::size_t index = static_cast<std::size_t>(spalte);
            if (index < SpaltenBreiten.size() && kopf->sectionSize(spalte) < SpaltenBreiten[index])
                kopf->resizeSection(spalte, SpaltenBreiten[index]);
        }
        noetig += kopf->sectionSize(spalte);
    }
    if (noetig > LvSchaltzeiten->width())
        resize(width() + noetig - LvSchaltzeiten->width(), height());
}

void TDlgSchaltzeitenBasis::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Anordnen();
}

void TDlgSchaltzeitenBasis::Anordnen()
{
    if (!LvSchaltzeiten || !GrpBoxDownload)
        return;
    const int dx = std::max(0, width() - Orte.Client.width());
    const int dy = std::max(0, height() - Orte.Client.height());
    GrpBoxSchaltzeiten->setGeometry(Orte.GrpBoxSchaltzeiten.adjusted(0, 0, dx, dy));
    LvSchaltzeiten->setGeometry(208, 16, Orte.ListeBreite + dx, 249 + dy);
    for (QPushButton* knopf : {BtnAdd, BtnDelete, BtnEdit})
        knopf->move(knopf->x(), 272 + dy);
    LblFreieSpeicherplaetze->move(8, 280 + dy);
    GrpBoxDownload->setGeometry(Orte.GrpBoxDownload.translated(0, dy).adjusted(0, 0, dx, 0));
    for (std::size_t i = 0; i < OkCancelHelp.size(); ++i)
        OkCancelHelp[i]->setGeometry(Orte.OkCancelHelp[i].translated(dx, dy));
}

bool TDlgSchaltzeitenBasis::ZeitTaste(QKeyEvent* event)
{
    TZeitTaste taste = TZeitTaste::Andere;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter takes the time typed, then goes on to the dialog.
        Aktion([this] { Kern.ZeitVerlassen(); });
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false; // focus and the dialog's own keys
    case Qt::Key_Up:
        taste = TZeitTaste::Hoch;
        break;
    case Qt::Key_Down:
        taste = TZeitTaste::Runter;
        break;
    case Qt::Key_Backspace:
        taste = TZeitTaste::Rueckschritt;
        break;
    case Qt::Key_Left:
        taste = TZeitTaste::Links;
        break;
    case Qt::Key_Right:
        taste = TZeitTaste::Rechts;
        break;
    case Qt::Key_Delete:
        taste = TZeitTaste::Entfernen;
        break;
    case Qt::Key_Home:
        taste = TZeitTaste::Pos1;
        break;
    case Qt::Key_End:
        taste = TZeitTaste::Ende;
        break;
    default: {
        const QString text = event->text();
        if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x80 &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const char zeichen = static_cast<char>(text[0].unicode());
            Aktion([this, zeichen] { Kern.ZeitZeichen(zeichen); });
        }
        return true;
    }
    }
    bool weiter = false;
    Aktion([this, taste, &weiter] { weiter = Kern.ZeitTaste(taste); });
    return !weiter;
}

bool TDlgSchaltzeitenBasis::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EdtUhrzeit) {
        if (event->type() == QEvent::KeyPress)
            return ZeitTaste(static_cast<QKeyEvent*>(event));
        const bool betreten = event->type() == QEvent::FocusIn
            && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        if (betreten || event->type() == QEvent::MouseButtonPress)
            Kern.ZeitBetreten();
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason grund = static_cast<QFocusEvent*>(event)->reason();
            if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
                Aktion([this] { Kern.ZeitVerlassen(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}
