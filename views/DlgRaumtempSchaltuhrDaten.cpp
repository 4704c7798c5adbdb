#include "views/DlgRaumtempSchaltuhrDaten.h"

#include "app/Spredit.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"

#include <QComboBox>
#include <QGroupBox>

using platform::ToQString;
using namespace schaltzeit;

namespace {

TDlgSchaltzeitenBasis::TPlaetze Plaetze()
{
    TDlgSchaltzeitenBasis::TPlaetze plaetze;
    plaetze.Client = {572, 389};
    plaetze.GrpBoxSchaltzeiten = {0, 0, 569, 305};
    plaetze.ListeBreite = 353;
    plaetze.ListenKnoepfeLinks = {208, 336, 464};
    plaetze.ListenKnoepfeBreite = 97;
    plaetze.GrpBoxDownload = {0, 312, 569, 41};
    plaetze.OkCancelHelp = {QRect{312, 360, 75, 25}, QRect{398, 360, 75, 25}, QRect{484, 360, 85, 25}};
    return plaetze;
}

} // namespace

TDlgRaumtempSchaltuhrDaten::TDlgRaumtempSchaltuhrDaten(QWidget* owner, TEts2Cdi* ets2Cdi, TDeviceInstanz* device,
                                                       std::map<int, tagSchaltDaten>* mapSchaltDaten,
                                                       bool zwoelfStunden)
    : TDlgSchaltzeitenBasis(
          owner,
          std::make_unique<TRaumtempSchaltuhrKern>(device, mapSchaltDaten, TZeitEingabe(zwoelfStunden, ZeitTrenner())),
          Plaetze(), {1, 40, 120, 160}),
      Ets2Cdi(ets2Cdi)
{
    LOG_FKT_START("TDlgRaumtempSchaltuhrDaten::FormCreate");
    setObjectName(QStringLiteral("DlgRaumtempSchaltuhrDaten"));
    auto* grpBoxBetriebsmodus = new QGroupBox(ToQString(Spredit::Text9155), Schaltzeiten());
    grpBoxBetriebsmodus->setObjectName(QStringLiteral("GrpBoxBetriebsmodus"));
    grpBoxBetriebsmodus->setGeometry(8, 216, 193, 49);
    CbxBetriebsmodus = new QComboBox(grpBoxBetriebsmodus);
    CbxBetriebsmodus->setObjectName(QStringLiteral("CbxBetriebsmodus"));
    CbxBetriebsmodus->setGeometry(8, 20, 121, 21);
    connect(CbxBetriebsmodus, &QComboBox::activated, this,
            [this](int index) { Aktion([this, index] { Raumtemp().SetModusIndex(index); }); });
    Aktualisieren();
}

TRaumtempSchaltuhrKern& TDlgRaumtempSchaltuhrDaten::Raumtemp()
{
    return static_cast<TRaumtempSchaltuhrKern&>(Kern);
}

void TDlgRaumtempSchaltuhrDaten::AktualisiereEigene()
{
    const TRaumtempSchaltuhrKern& kern = Raumtemp();
    const std::vector<int>& modi = kern.Modi();
    if (CbxBetriebsmodus->count() != static_cast<int>(modi.size())) {
        CbxBetriebsmodus->clear();
        for (const int modus : modi)
            CbxBetriebsmodus->addItem(ToQString(TRaumtempSchaltuhrKern::GetBetriebsmodusStringFromEnum(modus)));
    }
    CbxBetriebsmodus->setCurrentIndex(kern.ModusIndex());
}
