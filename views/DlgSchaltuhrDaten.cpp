#include "views/DlgSchaltuhrDaten.h"

#include "app/Spredit.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

using platform::ToQString;
using namespace schaltzeit;

namespace {

TDlgSchaltzeitenBasis::TPlaetze Plaetze()
{
    TDlgSchaltzeitenBasis::TPlaetze plaetze;
    plaetze.Client = {518, 455};
    plaetze.GrpBoxSchaltzeiten = {0, 64, 513, 305};
    plaetze.ListeBreite = 295;
    plaetze.ListenKnoepfeLinks = {208, 311, 414};
    plaetze.ListenKnoepfeBreite = 90;
    plaetze.GrpBoxDownload = {0, 376, 513, 41};
    plaetze.OkCancelHelp = {QRect{264, 424, 75, 25}, QRect{352, 424, 75, 25}, QRect{438, 424, 75, 25}};
    return plaetze;
}

} // namespace

TDlgSchaltuhrDaten::TDlgSchaltuhrDaten(QWidget* owner, TEts2Cdi* ets2Cdi, TDeviceInstanz* device,
                                       std::map<int, TSchaltuhr*> schaltuhren,
                                       std::map<int, std::map<int, tagSchaltuhrDaten>*> mapsSchaltDaten,
                                       bool zwoelfStunden)
    : TDlgSchaltzeitenBasis(owner,
                            std::make_unique<TSchaltuhrKern>(device, std::move(schaltuhren),
                                                             std::move(mapsSchaltDaten),
                                                             TZeitEingabe(zwoelfStunden, ZeitTrenner())),
                            Plaetze(), {1, 40, 120, 90, 40}),
      Ets2Cdi(ets2Cdi)
{
    LOG_FKT_START("TDlgSchaltuhrDaten::FormCreate");
    setObjectName(QStringLiteral("DlgSchaltuhrDaten"));
    auto* grpBoxSchaltuhr = new QGroupBox(ToQString(Spredit::Text9165), this);
    grpBoxSchaltuhr->setObjectName(QStringLiteral("GrpBoxSchaltuhr"));
    grpBoxSchaltuhr->setGeometry(0, 8, 513, 49);
    CbxSchaltuhr = new QComboBox(grpBoxSchaltuhr);
    CbxSchaltuhr->setObjectName(QStringLiteral("CbxSchaltuhr"));
    CbxSchaltuhr->setGeometry(8, 20, 153, 21);
    for (const std::string& text : Schaltuhr().SchaltuhrTexte())
        CbxSchaltuhr->addItem(ToQString(text));
    connect(CbxSchaltuhr, &QComboBox::activated, this,
            [this](int index) { Aktion([this, index] { Schaltuhr().CbxSchaltuhrChange(index); }); });

    GrpBoxWert = new QGroupBox(Schaltzeiten());
    GrpBoxWert->setObjectName(QStringLiteral("GrpBoxWert"));
    GrpBoxWert->setGeometry(8, 216, 193, 49);
    EdtWert = new QLineEdit(GrpBoxWert);
    EdtWert->setObjectName(QStringLiteral("EdtWert"));
    EdtWert->setGeometry(8, 20, 49, 21);
    EdtWert->setContextMenuPolicy(Qt::NoContextMenu);
    EdtWert->setAcceptDrops(false);
    EdtWert->installEventFilter(this);
    connect(EdtWert, &QLineEdit::textEdited, this,
            [this](const QString& text) { Schaltuhr().SetWertText(platform::FromQString(text)); });
    QToolButton* hoch = Pfeil(GrpBoxWert, "UpDownWertHoch", Qt::UpArrow, {57, 20, 15, 11});
    QToolButton* runter = Pfeil(GrpBoxWert, "UpDownWertRunter", Qt::DownArrow, {57, 31, 15, 10});
    connect(hoch, &QToolButton::clicked, this, [this] { Aktion([this] { Schaltuhr().WertSchritt(+1); }); });
    connect(runter, &QToolButton::clicked, this, [this] { Aktion([this] { Schaltuhr().WertSchritt(-1); }); });

    Aktualisieren();
}

TSchaltuhrKern& TDlgSchaltuhrDaten::Schaltuhr()
{
    return static_cast<TSchaltuhrKern&>(Kern);
}

void TDlgSchaltuhrDaten::AktualisiereEigene()
{
    TSchaltuhrKern& kern = Schaltuhr();
    if (CbxSchaltuhr->currentIndex() != kern.SchaltuhrIndex())
        CbxSchaltuhr->setCurrentIndex(kern.SchaltuhrIndex());
    CbxSchaltuhr->setEnabled(kern.ListeAktiv());
    GrpBoxWert->setTitle(ToQString(kern.WertTitel()));
    const QString wert = ToQString(kern.WertText());
    if (EdtWert->text() != wert)
        EdtWert->setText(wert);
}

bool TDlgSchaltuhrDaten::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EdtWert) {
        if (event->type() == QEvent::KeyPress) {
            // Only digits and Backspace are typed; the keys that move the caret pass.
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (text.size() == 1 && text[0].unicode() < 0x80 && text[0].unicode() >= 0x20 &&
                !TSchaltuhrKern::WertZeichenErlaubt(static_cast<char>(text[0].unicode())))
                return true;
            if (text.size() == 1 && text[0].unicode() < 0x20 && text[0] != QChar('\b') && text[0] != QChar('\t') &&
                text[0] != QChar('\r') && text[0] != QChar('\x1b'))
                return true; // pasting and the other control characters
        }
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason grund = static_cast<QFocusEvent*>(event)->reason();
            if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
                Aktion([this] { Schaltuhr().EdtWertExit(); });
        }
    }
    return TDlgSchaltzeitenBasis::eventFilter(watched, event);
}
