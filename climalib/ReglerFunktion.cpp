#include "climalib/ReglerFunktion.h"

#include "app/Sprclimalib.h"
#include "climalib/GlobalParameterTarget.h"
#include "climalib/RecordChainReader.h"
#include "climalib/RecordChainWriter.h"
#include "climalib/ReglerFunktionAuswahl.h"
#include "climalib/ReglerFunktionZeilen.h"
#include "climalib/DatenSicherung.h"
#include "climalib/ReglerSollwerte.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <array>
#include <list>
#include <tuple>
#include <type_traits>

using namespace T_DB_EnumReglerFunktion;
using namespace Sprclimalib;
using T_DB_EnumDataBasis::TEnumBool;

namespace {

using F = TReglerFunktion;
using A = TReglerFunktionAuswahl;
using TChangeMarks = TClimaDataObject::TChangeMarks;
using TAnlage = TReglerFunktionZeilen::TAnlage;
using TZeilen = TReglerFunktionZeilen;

const TClimaDataObject::TClassInfo ReglerFunktionInfo{"TReglerFunktion", F::Typ, F::Icon, F::QuickHelpOffset};

// The object operations in the order CreateObjects and DeleteObjects run them.
constexpr std::array Objektoperationen{&F::ModifyBetriebsmodusUmschaltungObjekte,
                                       &F::ModifyArtHeizregelungObjekte,
                                       &F::ModifyArtZusatzstufeHeizenObjekte,
                                       &F::ModifyArtHeizregelungRk2Objekte,
                                       &F::ModifyArtKuehlregelungObjekte,
                                       &F::ModifyArtZusatzstufeKuehlenObjekte,
                                       &F::ModifyArtKuehlregelungRk2Objekte,
                                       &F::ModifyReglerBedienungSperrObjekte,
                                       &F::ModifyReglerSperrObjekte,
                                       &F::ModifyFensterstatusObjekte,
                                       &F::ModifyHeizenKuehlenUmschaltungObjekte,
                                       &F::ModifyReglerStandardObjekte,
                                       &F::ModifySperrobjektZusatzstufe,
                                       &F::ModifyLuefterstufenAnzeigeObjekte};

bool Ja(TEnumBool wert)
{
    return wert != T_DB_EnumDataBasis::Nein;
}

// Object lists of the questions before objects go.
std::list<int> Objektnummern(const TReglerObjektwerte::TObjekte& objekte)
{
    std::list<int> nummern;
    for (const TReglerObjekt& objekt : objekte)
        nummern.push_back(objekt.Objektnummer);
    return nummern;
}

std::list<int> StellgroessenObjekte()
{
    std::list<int> nummern = Objektnummern(TReglerObjektwerte::Heizobjekte);
    nummern.splice(nummern.end(), Objektnummern(TReglerObjektwerte::Kuehlobjekte));
    nummern.push_back(TReglerObjektwerte::HeizenKuehlenUmschaltung.Objektnummer);
    nummern.push_back(TReglerObjektwerte::StatusHeizen);
    nummern.push_back(TReglerObjektwerte::StatusKuehlen);
    return nummern;
}

std::list<int> BetriebsartObjekte()
{
    std::list<int> nummern = StellgroessenObjekte();
    nummern.push_front(TReglerObjektwerte::SperrobjektZusatzstufe.Objektnummer);
    return nummern;
}

std::list<int> RegelkreisObjekte()
{
    std::list<int> nummern = BetriebsartObjekte();
    nummern.push_back(TReglerObjektwerte::SollwertRk2);
    nummern.push_back(TReglerObjektwerte::SollwertVerschiebungRk2);
    nummern.push_back(TReglerObjektwerte::Raumtemperatur);
    return nummern;
}

// Record fields of a control parameter set: proportional band, reset time, upper and lower
// hysteresis limit.
using TSatzFelder = std::array<int, 4>;

void SchreibeSatz(TDatenStruktur& record, const TSatzFelder& felder, const TRegelparameter& satz)
{
    record.ParamAt(felder[0]) = satz.Proportionalbereich;
    record.ParamAt(felder[1]) = satz.Nachstellzeit;
    record.ParamAt(felder[2]) = satz.ObereHysteresegrenze;
    record.ParamAt(felder[3]) = satz.UntereHysteresegrenze;
}

void LeseSatz(const TDatenStruktur& record, const TSatzFelder& felder, TRegelparameter& satz)
{
    satz.Proportionalbereich = record.ParamAt(felder[0]);
    satz.Nachstellzeit = record.ParamAt(felder[1]);
    satz.ObereHysteresegrenze = record.ParamAt(felder[2]);
    satz.UntereHysteresegrenze = record.ParamAt(felder[3]);
}

// The marked control parameters of a system into another device's record; each goes by the tag
// of its row.
void SchreibeSatzGlobal(const F& regler, TDatenStruktur& record, const TSatzFelder& felder, const TAnlage& anlage)
{
    regler.WriteParameter(record.ParamAt(felder[0]), anlage.Satz.Proportionalbereich, anlage.TagProportionalbereich);
    regler.WriteParameter(record.ParamAt(felder[1]), anlage.Satz.Nachstellzeit, anlage.TagNachstellzeit);
    regler.WriteParameter(record.ParamAt(felder[2]), anlage.Satz.ObereHysteresegrenze, anlage.TagOben);
    regler.WriteParameter(record.ParamAt(felder[3]), anlage.Satz.UntereHysteresegrenze, anlage.TagUnten);
}

constexpr TSatzFelder FelderHeizen{2, 3, 4, 8};
constexpr TSatzFelder FelderKuehlen{5, 6, 7, 9};
constexpr TSatzFelder FelderZusatzheizen{2, 3, 4, 5};
constexpr TSatzFelder FelderZusatzkuehlen{6, 7, 8, 9};
constexpr TSatzFelder FelderHeizenRk2{6, 7, 8, 9};
constexpr TSatzFelder FelderKuehlenRk2{10, 11, 12, 13};

template <typename TEnum>
TEnum AlsWahl(std::int32_t wert)
{
    return static_cast<TEnum>(static_cast<std::underlying_type_t<TEnum>>(wert));
}

// Hands every value of the saved copy to kopie(member, saved value).
template <typename TKopie>
void BetriebsartWerte(F& regler, TReglerBetriebsartWerte& werte, TKopie kopie)
{
    kopie(regler.StellgrHeizenKuehlenGemObjekt, werte.StellgrHeizenKuehlenGemObjekt);
    kopie(regler.ArtHeizregelung, werte.ArtHeizregelung);
    kopie(regler.ArtHeizung, werte.ArtHeizung);
    kopie(regler.RegelparameterHeizen.Proportionalbereich, werte.ProportionalbereichHeizen);
    kopie(regler.RegelparameterHeizen.Nachstellzeit, werte.NachstellzeitHeizen);
    kopie(regler.ArtZusatzstufeHeizen, werte.ArtZusatzstufeHeizen);
    kopie(regler.ArtZusatzheizung, werte.ArtZusatzheizung);
    kopie(regler.RegelparameterZusatzheizen.Proportionalbereich, werte.ProportionalbereichZusatzheizen);
    kopie(regler.RegelparameterZusatzheizen.Nachstellzeit, werte.NachstellzeitZusatzheizen);
    kopie(regler.ArtHeizregelungRk2, werte.ArtHeizregelungRk2);
    kopie(regler.ArtHeizungRk2, werte.ArtHeizungRk2);
    kopie(regler.RegelparameterHeizenRk2.Proportionalbereich, werte.ProportionalbereichHeizenRk2);
    kopie(regler.RegelparameterHeizenRk2.Nachstellzeit, werte.NachstellzeitHeizenRk2);
    kopie(regler.ArtKuehlregelung, werte.ArtKuehlregelung);
    kopie(regler.ArtKuehlung, werte.ArtKuehlung);
    kopie(regler.RegelparameterKuehlen.Proportionalbereich, werte.ProportionalbereichKuehlen);
    kopie(regler.RegelparameterKuehlen.Nachstellzeit, werte.NachstellzeitKuehlen);
    kopie(regler.ArtZusatzstufeKuehlen, werte.ArtZusatzstufeKuehlen);
    kopie(regler.ArtZusatzkuehlung, werte.ArtZusatzkuehlung);
    kopie(regler.RegelparameterZusatzkuehlen.Proportionalbereich, werte.ProportionalbereichZusatzkuehlen);
    kopie(regler.RegelparameterZusatzkuehlen.Nachstellzeit, werte.NachstellzeitZusatzkuehlen);
    kopie(regler.ArtKuehlregelungRk2, werte.ArtKuehlregelungRk2);
    kopie(regler.ArtKuehlungRk2, werte.ArtKuehlungRk2);
    kopie(regler.RegelparameterKuehlenRk2.Proportionalbereich, werte.ProportionalbereichKuehlenRk2);
    kopie(regler.RegelparameterKuehlenRk2.Nachstellzeit, werte.NachstellzeitKuehlenRk2);
    kopie(regler.ArtRegelung, werte.ArtRegelung);
    kopie(regler.ArtRegelungZusatzstufe, werte.ArtRegelungZusatzstufe);
    kopie(regler.UmschaltungHeizenKuehlen, werte.UmschaltungHeizenKuehlen);
    kopie(regler.BetriebsartNachReset, werte.BetriebsartNachReset);
}

void SetzeBandUndZeit(TRegelparameter& satz, std::int32_t proportionalbereich, std::int32_t nachstellzeit)
{
    satz.Proportionalbereich = proportionalbereich;
    satz.Nachstellzeit = nachstellzeit;
}

// The system rows of each stage: its tags, captions, system and control parameters.
TAnlage Heizen(const F& r)
{
    return {false, F::tagArtHeizung, Text14042, r.ArtHeizung, r.RegelparameterHeizen,
            F::tagProportionalbereichHeizen, Text14123, F::tagNachstellzeitHeizen, Text14124,
            F::tagObereHysteresegrenzeHeizen, Text14125, F::tagUntereHysteresegrenzeHeizen, Text14126};
}

TAnlage Kuehlen(const F& r)
{
    return {true, F::tagArtKuehlung, Text14122, r.ArtKuehlung, r.RegelparameterKuehlen,
            F::tagProportionalbereichKuehlen, Text14127, F::tagNachstellzeitKuehlen, Text14128,
            F::tagObereHysteresegrenzeKuehlen, Text14129, F::tagUntereHysteresegrenzeKuehlen, Text14130};
}

TAnlage Grundheizen(const F& r)
{
    return {false, F::tagArtGrundheizung, Text14135, r.ArtHeizung, r.RegelparameterHeizen,
            F::tagProportionalbereichGrundheizen, Text14136, F::tagNachstellzeitGrundheizen, Text14137,
            F::tagObereHysteresegrenzeGrundheizen, Text14138, F::tagUntereHysteresegrenzeGrundheizen, Text14139};
}

TAnlage Zusatzheizen(const F& r)
{
    return {false, F::tagArtZusatzheizung, Text14141, r.ArtZusatzheizung, r.RegelparameterZusatzheizen,
            F::tagProportionalbereichZusatzheizen, Text14142, F::tagNachstellzeitZusatzheizen, Text14143,
            F::tagObereHysteresegrenzeZusatzheizen, Text14144, F::tagUntereHysteresegrenzeZusatzheizen, Text14145};
}

TAnlage Grundkuehlen(const F& r)
{
    return {true, F::tagArtGrundkuehlung, Text14147, r.ArtKuehlung, r.RegelparameterKuehlen,
            F::tagProportionalbereichGrundkuehlen, Text14148, F::tagNachstellzeitGrundkuehlen, Text14149,
            F::tagObereHysteresegrenzeGrundkuehlen, Text14150, F::tagUntereHysteresegrenzeGrundkuehlen, Text14151};
}

TAnlage Zusatzkuehlen(const F& r)
{
    return {true, F::tagArtZusatzkuehlung, Text14153, r.ArtZusatzkuehlung, r.RegelparameterZusatzkuehlen,
            F::tagProportionalbereichZusatzkuehlen, Text14154, F::tagNachstellzeitZusatzkuehlen, Text14155,
            F::tagObereHysteresegrenzeZusatzkuehlen, Text14156, F::tagUntereHysteresegrenzeZusatzkuehlen, Text14157};
}

TAnlage HeizenRk2(const F& r)
{
    return {false, F::tagArtHeizungRk2, Text14042, r.ArtHeizungRk2, r.RegelparameterHeizenRk2,
            F::tagProportionalbereichHeizenRk2, Text14123, F::tagNachstellzeitHeizenRk2, Text14124,
            F::tagObereHysteresegrenzeHeizenRk2, Text14125, F::tagUntereHysteresegrenzeHeizenRk2, Text14126};
}

TAnlage KuehlenRk2(const F& r)
{
    return {true, F::tagArtKuehlungRk2, Text14122, r.ArtKuehlungRk2, r.RegelparameterKuehlenRk2,
            F::tagProportionalbereichKuehlenRk2, Text14127, F::tagNachstellzeitKuehlenRk2, Text14128,
            F::tagObereHysteresegrenzeKuehlenRk2, Text14129, F::tagUntereHysteresegrenzeKuehlenRk2, Text14130};
}

} // namespace

TReglerFunktion::TReglerFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                 const std::string& name, std::int32_t handle)
    : TClimaDataObject(windowHandle, system, parent, name, handle, ReglerFunktionInfo)
{
    LOG_FKT_START("TReglerFunktion::TReglerFunktion");
    SetGlobalParameter();
}

TReglerFunktion::~TReglerFunktion() = default;

// Queries.

bool TReglerFunktion::ZweiRegelkreise() const
{
    return Regelkreise == rkZweiRegelkreise;
}

bool TReglerFunktion::HeizenUndKuehlen() const
{
    return ReglerBetriebsart == rbaHeizenUndKuehlen || ReglerBetriebsart == rbaGrundZusatzHeizenKuehlen;
}

TReglerStufenWahl TReglerFunktion::StufenWahl() const
{
    TReglerStufenWahl wahl;
    wahl.Regelkreise = Regelkreise;
    wahl.Betriebsart = ReglerBetriebsart;
    wahl.GemeinsamesObjekt = StellgrHeizenKuehlenGemObjekt;
    wahl.ArtHeizregelung = ArtHeizregelung;
    wahl.ArtHeizregelungRk2 = ArtHeizregelungRk2;
    wahl.ArtZusatzstufeHeizen = ArtZusatzstufeHeizen;
    wahl.ArtKuehlregelung = ArtKuehlregelung;
    wahl.ArtKuehlregelungRk2 = ArtKuehlregelungRk2;
    wahl.ArtZusatzstufeKuehlen = ArtZusatzstufeKuehlen;
    wahl.ArtRegelung = ArtRegelung;
    wahl.ArtRegelungZusatzstufe = ArtRegelungZusatzstufe;
    return wahl;
}

std::vector<TEnumArtRegelung> TReglerFunktion::StufenInBetrieb() const
{
    if (ZweiRegelkreise()) {
        switch (ReglerBetriebsart) {
        case rbaHeizen:
            return {ArtHeizregelung, ArtHeizregelungRk2};
        case rbaKuehlen:
            return {ArtKuehlregelung, ArtKuehlregelungRk2};
        default:
            return {};
        }
    }
    switch (ReglerBetriebsart) {
    case rbaHeizen:
        return {ArtHeizregelung};
    case rbaKuehlen:
        return {ArtKuehlregelung};
    case rbaHeizenUndKuehlen:
        return {ArtHeizregelung, ArtKuehlregelung};
    case rbaGrundZusatzHeizen:
        return {ArtHeizregelung, ArtZusatzstufeHeizen};
    case rbaGrundZusatzKuehlen:
        return {ArtKuehlregelung, ArtZusatzstufeKuehlen};
    case rbaGrundZusatzHeizenKuehlen:
        return {ArtHeizregelung, ArtKuehlregelung, ArtZusatzstufeHeizen, ArtZusatzstufeKuehlen};
    }
    return {};
}

std::uint8_t TReglerFunktion::GetValueOfRegelkreise() const
{
    LOG_FKT_START("TReglerFunktion::GetValueOfRegelkreise");
    return Regelkreise;
}

std::uint8_t TReglerFunktion::GetValueOfReglerBetriebsart() const
{
    LOG_FKT_START("TReglerFunktion::GetValueOfReglerBetriebsart");
    return ReglerBetriebsart;
}

std::uint8_t TReglerFunktion::GetValueOfReglerBedienungSperrbar() const
{
    LOG_FKT_START("TReglerFunktion::GetValueOfReglerBedienungSperrbar");
    return ReglerBedienungSperrbar;
}

std::uint8_t TReglerFunktion::GetValueOfStellgrHeizenKuehlenGemObjekt() const
{
    LOG_FKT_START("TReglerFunktion::GetValueOfStellgrHeizenKuehlenGemObjekt");
    return StellgrHeizenKuehlenGemObjekt;
}

std::uint8_t TReglerFunktion::GetArtZykluszeit() const
{
    LOG_FKT_START("TReglerFunktion::GetArtZykluszeit");
    const std::vector<TEnumArtRegelung> stufen = StufenInBetrieb();
    const auto pwm = std::count(stufen.begin(), stufen.end(), arSchaltendePWM);
    if (pwm == 0)
        return 2;
    return pwm == static_cast<std::ptrdiff_t>(stufen.size()) ? 1 : 3;
}

std::uint8_t TReglerFunktion::GetAutomatischesSenden() const
{
    LOG_FKT_START("TReglerFunktion::GetAutomatischesSenden");
    const std::vector<TEnumArtRegelung> stufen = StufenInBetrieb();
    return std::find(stufen.begin(), stufen.end(), arStetigePI) != stufen.end() ? 1 : 0;
}

// Requests to the device.

void TReglerFunktion::ZuruecksetzenAnpassungen(const TDatenSicherung& vorher)
{
    LOG_FKT_START("TReglerFunktion::ZuruecksetzenAnpassungen");
    if (vorher.IsEmpty())
        return;
    for (TDataBasis* object : vorher.Zuruecksetzen(MainWindow())) {
        // The set points' communication objects follow their values again.
        if (auto* sollwerte = dynamic_cast<TReglerSollwerte*>(object))
            sollwerte->CreateObjects();
    }
    MainWindow().PostAbgleichFormVerw(-1, -1);
}

bool TReglerFunktion::CallModifyTastenWippenFunktion()
{
    LOG_FKT_START("TReglerFunktion::CallModifyTastenWippenFunktion");
    return CallDevice(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION, 0);
}

bool TReglerFunktion::CallModifyReglerSollwerteAenderung()
{
    LOG_FKT_START("TReglerFunktion::CallModifyReglerSollwerteAenderung");
    return CallDevice(UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG, 0);
}

bool TReglerFunktion::CallModifySystemZugriffBedienebenen()
{
    LOG_FKT_START("TReglerFunktion::CallModifySystemZugriffBedienebenen");
    return CallDevice(UDM_MODIFY_SYSTEM_ZUGRIFF_BEDIENEBENEN, 0);
}

bool TReglerFunktion::CallGetValueOfZugriffAufBedienebenen(T_DB_EnumTalvoSystem::TEnumZugriffBedienebenen& level)
{
    LOG_FKT_START("TReglerFunktion::CallGetValueOfZugriffAufBedienebenen");
    std::int32_t antwort = 0;
    const bool done = CallDevice(UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN, 0, 0, &antwort);
    level = static_cast<T_DB_EnumTalvoSystem::TEnumZugriffBedienebenen>(static_cast<std::uint8_t>(antwort));
    return done;
}

bool TReglerFunktion::CallUpdateTableSollwerte(bool ask)
{
    LOG_FKT_START("TReglerFunktion::CallUpdateTableSollwerte");
    return CallDevice(UDM_UPDATE_TABLE_SOLLWERTE, ask ? 1 : 0);
}

bool TReglerFunktion::CallUpdateTableRaumtemperaturMessung(bool ask)
{
    LOG_FKT_START("TReglerFunktion::CallUpdateTableRaumtemperaturMessung");
    return CallDevice(UDM_UPDATE_TABLE_RAUMTEMPERATUR_MESSUNG, ask ? 1 : 0);
}

bool TReglerFunktion::CallUpdateTableStellgroessenStatusAusgabe(bool ask)
{
    LOG_FKT_START("TReglerFunktion::CallUpdateTableStellgroessenStatusAusgabe");
    return CallDevice(UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE, ask ? 1 : 0);
}

// Communication objects.

bool TReglerFunktion::SetzeObjekt(const TReglerObjekt& objekt, int wert, bool ask)
{
    return ModifyObject(wert, objekt.Objektnummer, objekt.Positionsbasis, ask);
}

bool TReglerFunktion::SetzeObjekte(const TReglerObjektwerte::TObjekte& objekte, const TReglerObjektwerte::TWerte& werte)
{
    for (std::size_t i = 0; i < objekte.size(); ++i) {
        if (!SetzeObjekt(objekte[i], werte[i], false))
            return false;
    }
    return true;
}

bool TReglerFunktion::CreateObjects()
{
    LOG_FKT_START("TReglerFunktion::CreateObjects");
    return ModifyAllObjects(*this, Objektoperationen, false);
}

bool TReglerFunktion::DeleteObjects()
{
    LOG_FKT_START("TReglerFunktion::DeleteObjects");
    return ModifyAllObjects(*this, Objektoperationen, true);
}

bool TReglerFunktion::ModifyBetriebsmodusUmschaltungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyBetriebsmodusUmschaltungObjekte");
    int umschaltung = 0;
    if (!remove && BetriebsmodusUmschaltung == bmuUeberWert)
        umschaltung = 1;
    else if (!remove && BetriebsmodusUmschaltung == bmuUeberSchalten)
        umschaltung = 2;
    const int wert = umschaltung == 1 ? 1 : 0;
    if (ask
        && !CheckIfDeleteObjectsAllowed({TReglerObjektwerte::BetriebsmodusUmschaltung.Objektnummer,
                                         TReglerObjektwerte::BetriebsmodusWert.Objektnummer}))
        return false;
    return SetzeObjekt(TReglerObjektwerte::BetriebsmodusUmschaltung, umschaltung, false)
        && SetzeObjekt(TReglerObjektwerte::BetriebsmodusWert, wert, false);
}

bool TReglerFunktion::ModifyArtHeizregelungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtHeizregelungObjekte");
    if (ask && !CheckIfDeleteObjectsAllowed(Objektnummern(TReglerObjektwerte::Heizobjekte)))
        return false;
    const TReglerObjektwerte::TWerte werte =
        remove ? TReglerObjektwerte::TWerte{} : TReglerObjektwerte::Heizen(StufenWahl());
    return SetzeObjekte(TReglerObjektwerte::Heizobjekte, werte);
}

bool TReglerFunktion::ModifyArtKuehlregelungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtKuehlregelungObjekte");
    if (ask && !CheckIfDeleteObjectsAllowed(Objektnummern(TReglerObjektwerte::Kuehlobjekte)))
        return false;
    const TReglerObjektwerte::TWerte werte =
        remove ? TReglerObjektwerte::TWerte{} : TReglerObjektwerte::Kuehlen(StufenWahl());
    return SetzeObjekte(TReglerObjektwerte::Kuehlobjekte, werte);
}

bool TReglerFunktion::ModifyArtHeizregelungRk2Objekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtHeizregelungRk2Objekte");
    return ModifyArtHeizregelungObjekte(remove, ask);
}

bool TReglerFunktion::ModifyArtZusatzstufeHeizenObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtZusatzstufeHeizenObjekte");
    return ModifyArtHeizregelungObjekte(remove, ask);
}

bool TReglerFunktion::ModifyArtRegelungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtRegelungObjekte");
    return ModifyArtHeizregelungObjekte(remove, ask);
}

bool TReglerFunktion::ModifyArtRegelungZusatzstufeObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtRegelungZusatzstufeObjekte");
    return ModifyArtHeizregelungObjekte(remove, ask);
}

bool TReglerFunktion::ModifyArtKuehlregelungRk2Objekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtKuehlregelungRk2Objekte");
    return ModifyArtKuehlregelungObjekte(remove, ask);
}

bool TReglerFunktion::ModifyArtZusatzstufeKuehlenObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyArtZusatzstufeKuehlenObjekte");
    return ModifyArtKuehlregelungObjekte(remove, ask);
}

bool TReglerFunktion::ModifyReglerBedienungSperrObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyReglerBedienungSperrObjekte");
    const int wert = !remove && ReglerBedienungSperrbar == rbsUeberObjekt ? 1 : 0;
    return SetzeObjekt(TReglerObjektwerte::BedienungSperre, wert, ask);
}

bool TReglerFunktion::ModifyReglerSperrObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyReglerSperrObjekte");
    const int wert = !remove && ReglerAbschalten == raUeberObjekt ? 1 : 0;
    return SetzeObjekt(TReglerObjektwerte::ReglerSperre, wert, ask);
}

bool TReglerFunktion::ModifyFensterstatusObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyFensterstatusObjekte");
    const int wert = !remove && FrostHitzeschutz == fhsUeberFensterstatus ? 1 : 0;
    return SetzeObjekt(TReglerObjektwerte::Fensterstatus, wert, ask);
}

bool TReglerFunktion::ModifyHeizenKuehlenUmschaltungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyHeizenKuehlenUmschaltungObjekte");
    int wert = 0;
    if (!remove && HeizenUndKuehlen()) {
        if (UmschaltungHeizenKuehlen == uhkAutomatisch)
            wert = 1;
        else if (UmschaltungHeizenKuehlen == uhkUeberObjekt)
            wert = 2;
    }
    return SetzeObjekt(TReglerObjektwerte::HeizenKuehlenUmschaltung, wert, ask);
}

bool TReglerFunktion::ModifyReglerStandardObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyReglerStandardObjekte");
    if (remove && ask && !CheckIfDeleteObjectsAllowed({TReglerObjektwerte::Standard.Objektnummer}))
        return false;
    return SetzeObjekt(TReglerObjektwerte::Standard, remove ? 0 : 1, false);
}

bool TReglerFunktion::ModifySperrobjektZusatzstufe(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifySperrobjektZusatzstufe");
    int wert = 0;
    if (!remove && ZweiRegelkreise())
        wert = 2;
    else if (!remove && Ja(SperrobjektZusatzstufe)
             && (ReglerBetriebsart == rbaGrundZusatzHeizen || ReglerBetriebsart == rbaGrundZusatzKuehlen
                 || ReglerBetriebsart == rbaGrundZusatzHeizenKuehlen))
        wert = 1;
    return SetzeObjekt(TReglerObjektwerte::SperrobjektZusatzstufe, wert, ask);
}

bool TReglerFunktion::ModifyLuefterstufenAnzeigeObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyLuefterstufenAnzeigeObjekte");
    int wert = 0;
    if (!remove && Ja(LuefterstufenAnzeige)) {
        if (ObjekttypLuefterstufen == olDreiMalEinBit)
            wert = 1;
        else if (ObjekttypLuefterstufen == olEinByte)
            wert = 2;
    }
    return SetzeObjekt(TReglerObjektwerte::Luefterstufen, wert, ask);
}

// Structure changes. A step that fails makes the answer false, also when later steps succeed.

bool TReglerFunktion::ModifyStellgrHeizenKuehlenGemObjekt(bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyStellgrHeizenKuehlenGemObjekt");
    if (ask && !CheckIfDeleteObjectsAllowed(StellgroessenObjekte()))
        return false;
    if (!CallUpdateTableStellgroessenStatusAusgabe(false))
        return false;
    if (!HeizenUndKuehlen())
        return true;
    if (!Ja(StellgrHeizenKuehlenGemObjekt))
        return ModifyArtHeizregelungObjekte(false, false) && ModifyArtKuehlregelungObjekte(false, false);
    return ModifyArtKuehlregelungObjekte(true, false) && ModifyArtHeizregelungObjekte(false, false);
}

void TReglerFunktion::GemeinsameArtenVonHeizen()
{
    ArtRegelung = ArtHeizregelung;
    ArtKuehlregelung = ArtHeizregelung;
    if (ReglerBetriebsart == rbaGrundZusatzHeizenKuehlen) {
        ArtRegelungZusatzstufe = ArtZusatzstufeHeizen;
        ArtZusatzstufeKuehlen = ArtZusatzstufeHeizen;
    }
}

bool TReglerFunktion::FrageBetriebsartObjekte()
{
    return CheckIfDeleteObjectsAllowed(BetriebsartObjekte());
}

bool TReglerFunktion::ModifyReglerBetriebsart(bool ask)
{
    LOG_FKT_START("TReglerFunktion::ModifyReglerBetriebsart");
    if (ask && !FrageBetriebsartObjekte())
        return false;
    if (!CallUpdateTableStellgroessenStatusAusgabe(false))
        return false;
    const bool sperrobjekt = ModifySperrobjektZusatzstufe(false, false);
    bool stufen = true;
    switch (ReglerBetriebsart) {
    case rbaHeizen:
    case rbaGrundZusatzHeizen:
        stufen = ModifyArtKuehlregelungObjekte(true, false) && ModifyArtHeizregelungObjekte(false, false);
        break;
    case rbaKuehlen:
    case rbaGrundZusatzKuehlen:
        stufen = ModifyArtHeizregelungObjekte(true, false) && ModifyArtKuehlregelungObjekte(false, false);
        break;
    case rbaHeizenUndKuehlen:
    case rbaGrundZusatzHeizenKuehlen:
        stufen = ModifyArtHeizregelungObjekte(false, false) && ModifyArtKuehlregelungObjekte(false, false);
        break;
    }
    if (!sperrobjekt || !stufen)
        return false;
    return ModifyHeizenKuehlenUmschaltungObjekte(!HeizenUndKuehlen(), false);
}

bool TReglerFunktion::ModifyRegelkreise()
{
    LOG_FKT_START("TReglerFunktion::ModifyRegelkreise");
    if (!CheckIfDeleteObjectsAllowed(RegelkreisObjekte()))
        return false;
    ModifySperrobjektZusatzstufe(false, false); // switched again below
    return ModifyReglerBetriebsart(false) && CallUpdateTableSollwerte(false)
        && CallUpdateTableRaumtemperaturMessung(false);
}

// Operating-type values.

void TReglerFunktion::SaveValuesBetriebsart()
{
    LOG_FKT_START("TReglerFunktion::SaveValuesBetriebsart");
    BetriebsartWerte(*this, GespeicherteWerte, [](const auto& member, auto& kopie) { kopie = member; });
}

void TReglerFunktion::RestoreValuesBetriebsart()
{
    LOG_FKT_START("TReglerFunktion::RestoreValuesBetriebsart");
    BetriebsartWerte(*this, GespeicherteWerte, [](auto& member, const auto& kopie) { member = kopie; });
}

void TReglerFunktion::SetDefaultValuesBetriebsart()
{
    LOG_FKT_START("TReglerFunktion::SetDefaultValuesBetriebsart");
    StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Nein;
    switch (ReglerBetriebsart) {
    case rbaHeizen:
        ArtHeizregelung = arStetigePI;
        ArtHeizung = ahWarmwasserheizung;
        SetzeBandUndZeit(RegelparameterHeizen, 50, 150);
        ArtHeizregelungRk2 = arStetigePI;
        ArtHeizungRk2 = ahWarmwasserheizung;
        SetzeBandUndZeit(RegelparameterHeizenRk2, 50, 150);
        UmschaltungHeizenKuehlen = uhkAutomatisch;
        BetriebsartNachReset = bnrHeizen;
        break;
    case rbaKuehlen:
        ArtKuehlregelung = arStetigePI;
        ArtKuehlung = akKuehldecke;
        SetzeBandUndZeit(RegelparameterKuehlen, 50, 240);
        ArtKuehlregelungRk2 = arStetigePI;
        ArtKuehlungRk2 = akKuehldecke;
        SetzeBandUndZeit(RegelparameterKuehlenRk2, 50, 240);
        UmschaltungHeizenKuehlen = uhkAutomatisch;
        BetriebsartNachReset = bnrKuehlen;
        break;
    case rbaHeizenUndKuehlen:
        ArtRegelung = arStetigePI;
        ArtHeizregelung = ArtRegelung;
        ArtKuehlregelung = ArtRegelung;
        ArtHeizung = ahWarmwasserheizung;
        ArtKuehlung = akKuehldecke;
        SetzeBandUndZeit(RegelparameterHeizen, 50, 150);
        SetzeBandUndZeit(RegelparameterKuehlen, 50, 240);
        BetriebsartNachReset = bnrHeizen;
        break;
    case rbaGrundZusatzHeizen:
        ArtHeizregelung = arStetigePI;
        ArtHeizung = ahFussbodenheizung;
        SetzeBandUndZeit(RegelparameterHeizen, 50, 240);
        ArtZusatzstufeHeizen = arStetigePI;
        ArtZusatzheizung = ahWarmwasserheizung;
        SetzeBandUndZeit(RegelparameterZusatzheizen, 50, 150);
        UmschaltungHeizenKuehlen = uhkAutomatisch;
        BetriebsartNachReset = bnrHeizen;
        break;
    case rbaGrundZusatzKuehlen:
        ArtKuehlregelung = arZweiPunkt;
        ArtKuehlung = akKuehldecke;
        ArtZusatzstufeKuehlen = arZweiPunkt;
        ArtZusatzkuehlung = akKuehldecke;
        UmschaltungHeizenKuehlen = uhkAutomatisch;
        BetriebsartNachReset = bnrKuehlen;
        break;
    case rbaGrundZusatzHeizenKuehlen:
        ArtRegelung = arStetigePI;
        ArtHeizregelung = ArtRegelung;
        ArtKuehlregelung = ArtRegelung;
        ArtHeizung = ahWarmwasserheizung;
        SetzeBandUndZeit(RegelparameterHeizen, 50, 150);
        ArtKuehlung = akKuehldecke;
        SetzeBandUndZeit(RegelparameterKuehlen, 50, 240);
        ArtRegelungZusatzstufe = arStetigePI;
        ArtZusatzstufeHeizen = ArtRegelungZusatzstufe;
        ArtZusatzstufeKuehlen = ArtRegelungZusatzstufe;
        ArtZusatzheizung = ahWarmwasserheizung;
        SetzeBandUndZeit(RegelparameterZusatzheizen, 50, 150);
        ArtZusatzkuehlung = akKuehldecke;
        SetzeBandUndZeit(RegelparameterZusatzkuehlen, 50, 240);
        BetriebsartNachReset = bnrHeizen;
        break;
    }
}

// Record.

void TReglerFunktion::Write(TDatenStruktur& record)
{
    LOG_FKT_START("TReglerFunktion::Write");
    const std::int32_t oldNext = record.Next;
    TDataBasis::Write(record);
    record.Param3 = BetriebsmodusUmschaltung;
    record.Param4 = ReglerBetriebsart;
    record.Param5 = ReglerBedienungSperrbar;
    record.Param6 = ReglerAbschalten;
    record.Param8 = UmschaltungHeizenKuehlen;
    record.Param9 = BetriebsartNachReset;
    record.Param10 = AutomatischesSendenUmschaltung;
    record.Param11 = FrostschutzAutomatik;
    record.Param12 = VerzoegerungFensterstatus;
    record.Param13 = FrostschutzdauerAutomatik;
    record.Param14 = ZyklischesSendenUmschaltung;
    record.Param15 = Regelkreise;
    record.Param16 = ArtHeizregelung;
    record.Param17 = ArtHeizung;
    record.Param18 = ArtKuehlregelung;
    record.Param19 = ArtKuehlung;
    record.Bool3 = Ja(Ventilschutz);
    record.Bool4 = Ja(StellgrHeizenKuehlenGemObjekt);
    record.Bool5 = Ja(SperrobjektZusatzstufe);

    TRecordChainWriter kette(*this, MainWindow(), record, oldNext);
    TDatenStruktur* erster = kette.Next();
    if (!erster)
        return;
    SchreibeSatz(*erster, FelderHeizen, RegelparameterHeizen);
    SchreibeSatz(*erster, FelderKuehlen, RegelparameterKuehlen);
    erster->Param10 = ArtZusatzstufeHeizen;
    erster->Param11 = ArtZusatzstufeKuehlen;
    erster->Param12 = ArtZusatzheizung;
    erster->Param13 = ArtZusatzkuehlung;
    erster->Param14 = FrostHitzeschutz;

    TDatenStruktur* zweiter = kette.Next();
    if (!zweiter)
        return;
    SchreibeSatz(*zweiter, FelderZusatzheizen, RegelparameterZusatzheizen);
    SchreibeSatz(*zweiter, FelderZusatzkuehlen, RegelparameterZusatzkuehlen);

    TDatenStruktur* dritter = kette.Next();
    if (!dritter)
        return;
    dritter->Param2 = ArtHeizregelungRk2;
    dritter->Param3 = ArtKuehlregelungRk2;
    dritter->Param4 = ArtHeizungRk2;
    dritter->Param5 = ArtKuehlungRk2;
    SchreibeSatz(*dritter, FelderHeizenRk2, RegelparameterHeizenRk2);
    SchreibeSatz(*dritter, FelderKuehlenRk2, RegelparameterKuehlenRk2);
    dritter->Param15 = ObjekttypLuefterstufen;
    dritter->Bool1 = Ja(LuefterstufenAnzeige);
}

void TReglerFunktion::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START("TReglerFunktion::InitFromDB");
    TDataBasis::InitFromDB(record);
    BetriebsmodusUmschaltung = AlsWahl<TEnumBetriebsmodusUmschaltung>(record.Param3);
    ReglerBetriebsart = AlsWahl<TEnumReglerBetriebsart>(record.Param4);
    ReglerBedienungSperrbar = AlsWahl<TEnumReglerBedienungSperrbar>(record.Param5);
    ReglerAbschalten = AlsWahl<TEnumReglerAbschalten>(record.Param6);
    UmschaltungHeizenKuehlen = AlsWahl<TEnumUmschaltungHeizenKuehlen>(record.Param8);
    BetriebsartNachReset = AlsWahl<TEnumBetriebsartNachReset>(record.Param9);
    AutomatischesSendenUmschaltung = AlsWahl<TEnumAutomatischesSendenUmschaltung>(record.Param10);
    FrostschutzAutomatik = AlsWahl<TEnumFrostschutzAutomatik>(record.Param11);
    VerzoegerungFensterstatus = record.Param12;
    FrostschutzdauerAutomatik = record.Param13;
    ZyklischesSendenUmschaltung = record.Param14;
    Regelkreise = AlsWahl<TEnumRegelkreise>(record.Param15);
    ArtHeizregelung = AlsWahl<TEnumArtRegelung>(record.Param16);
    ArtHeizung = AlsWahl<TEnumArtHeizung>(record.Param17);
    ArtKuehlregelung = AlsWahl<TEnumArtRegelung>(record.Param18);
    ArtKuehlung = AlsWahl<TEnumArtKuehlung>(record.Param19);
    Ventilschutz = ToEnumBool(record.Bool3);
    StellgrHeizenKuehlenGemObjekt = ToEnumBool(record.Bool4);
    SperrobjektZusatzstufe = ToEnumBool(record.Bool5);
    ArtRegelung = ArtHeizregelung;

    TRecordChainReader kette(*this, record);
    const TDatenStruktur* erster = kette.Next();
    if (!erster)
        return;
    LeseSatz(*erster, FelderHeizen, RegelparameterHeizen);
    LeseSatz(*erster, FelderKuehlen, RegelparameterKuehlen);
    ArtZusatzstufeHeizen = AlsWahl<TEnumArtRegelung>(erster->Param10);
    ArtZusatzstufeKuehlen = AlsWahl<TEnumArtRegelung>(erster->Param11);
    ArtZusatzheizung = AlsWahl<TEnumArtHeizung>(erster->Param12);
    ArtZusatzkuehlung = AlsWahl<TEnumArtKuehlung>(erster->Param13);
    FrostHitzeschutz = AlsWahl<TEnumFrostHitzeschutz>(erster->Param14);
    ArtRegelungZusatzstufe = ArtZusatzstufeHeizen;

    const TDatenStruktur* zweiter = kette.Next();
    if (!zweiter)
        return;
    LeseSatz(*zweiter, FelderZusatzheizen, RegelparameterZusatzheizen);
    LeseSatz(*zweiter, FelderZusatzkuehlen, RegelparameterZusatzkuehlen);

    const TDatenStruktur* dritter = kette.Next();
    if (!dritter)
        return;
    ArtHeizregelungRk2 = AlsWahl<TEnumArtRegelung>(dritter->Param2);
    ArtKuehlregelungRk2 = AlsWahl<TEnumArtRegelung>(dritter->Param3);
    ArtHeizungRk2 = AlsWahl<TEnumArtHeizung>(dritter->Param4);
    ArtKuehlungRk2 = AlsWahl<TEnumArtKuehlung>(dritter->Param5);
    LeseSatz(*dritter, FelderHeizenRk2, RegelparameterHeizenRk2);
    LeseSatz(*dritter, FelderKuehlenRk2, RegelparameterKuehlenRk2);
    ObjekttypLuefterstufen = AlsWahl<TEnumObjekttypLuefterstufen>(dritter->Param15);
    LuefterstufenAnzeige = ToEnumBool(dritter->Bool1);
}

// Global parameters.

void TReglerFunktion::SetGlobalParameter()
{
    LOG_FKT_START("TReglerFunktion::SetGlobalParameter");
    ClearGlobalParameterMap();
    // The declaration stops at the first parameter that cannot be had.
    [[maybe_unused]] const bool alle = DeclareGlobalParameter(4, {5, 6}) && DeclareGlobalParameter(5, {4, 6})
        && DeclareGlobalParameter(6, {4, 5}) && DeclareGlobalParameter(7) && DeclareGlobalParameter(8)
        && DeclareGlobalParameter(10, {11, 12}) && DeclareGlobalParameter(11, {10, 12})
        && DeclareGlobalParameter(12, {10, 11}) && DeclareGlobalParameter(13) && DeclareGlobalParameter(14)
        && DeclareGlobalParameter(19, {4, 5, 6, 21, 20}) && DeclareGlobalParameter(20, {4, 5, 6, 19, 21})
        && DeclareGlobalParameter(21, {4, 5, 6, 19, 20}) && DeclareGlobalParameter(22, {7})
        && DeclareGlobalParameter(23, {8}) && DeclareGlobalParameter(25, {26, 27})
        && DeclareGlobalParameter(26, {25, 27}) && DeclareGlobalParameter(27, {25, 26}) && DeclareGlobalParameter(28)
        && DeclareGlobalParameter(29) && DeclareGlobalParameter(30, {10, 11, 12, 48, 49})
        && DeclareGlobalParameter(48, {10, 11, 12, 30, 49}) && DeclareGlobalParameter(49, {10, 11, 12, 30, 48})
        && DeclareGlobalParameter(31, {13}) && DeclareGlobalParameter(32, {14}) && DeclareGlobalParameter(33, {51, 52})
        && DeclareGlobalParameter(51, {33, 52}) && DeclareGlobalParameter(52, {33, 51}) && DeclareGlobalParameter(34)
        && DeclareGlobalParameter(35) && DeclareGlobalParameter(61, {62, 63}) && DeclareGlobalParameter(62, {61, 63})
        && DeclareGlobalParameter(63, {61, 62}) && DeclareGlobalParameter(64) && DeclareGlobalParameter(65)
        && DeclareGlobalParameter(67, {68, 69}) && DeclareGlobalParameter(68, {67, 69})
        && DeclareGlobalParameter(69, {67, 68}) && DeclareGlobalParameter(70) && DeclareGlobalParameter(71)
        && DeclareGlobalParameter(39) && DeclareGlobalParameter(40) && DeclareGlobalParameter(42)
        && DeclareGlobalParameter(43) && DeclareGlobalParameter(44) && DeclareGlobalParameter(45)
        && DeclareGlobalParameter(46);
}

int TReglerFunktion::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message)
{
    LOG_FKT_START("TReglerFunktion::WriteGlobalParameter");
    if (!table || !target)
        return -9;
    // A device with another controller structure is left alone.
    if (target->Param15 != Regelkreise || target->Param4 != ReglerBetriebsart)
        return 0;

    WriteParameter(target->Param17, ArtHeizung, tagArtHeizung);
    WriteParameter(target->Param19, ArtKuehlung, tagArtKuehlung);
    WriteParameter(target->Param11, FrostschutzAutomatik, tagFrostschutzAutomatik);
    WriteParameter(target->Param13, FrostschutzdauerAutomatik, tagFrostschutzdauerAutomatik);
    WriteParameter(target->Param12, VerzoegerungFensterstatus, tagVerzoegerungFensterstatus);
    WriteParameter(target->Param9, BetriebsartNachReset, tagBetriebsartNachReset);
    WriteParameter(target->Param10, AutomatischesSendenUmschaltung, tagAutomatischesSendenUmschaltung);
    WriteParameter(target->Param14, ZyklischesSendenUmschaltung, tagZyklischesSendenUmschaltung);
    WriteParameter(target->Bool3, Ja(Ventilschutz), tagVentilschutz);

    const TGlobalParameterTarget kette(table, target);
    if (!kette.IsValid())
        return -9;

    TDatenStruktur* erster = kette.Record(1, message);
    if (!erster)
        return 0;
    SchreibeSatzGlobal(*this, *erster, FelderHeizen, Heizen(*this));
    SchreibeSatzGlobal(*this, *erster, FelderKuehlen, Kuehlen(*this));
    WriteParameter(erster->Param12, ArtZusatzheizung, tagArtZusatzheizung);
    WriteParameter(erster->Param13, ArtZusatzkuehlung, tagArtZusatzkuehlung);

    TDatenStruktur* zweiter = kette.Record(2, message);
    if (!zweiter)
        return 0;
    SchreibeSatzGlobal(*this, *zweiter, FelderZusatzheizen, Zusatzheizen(*this));
    SchreibeSatzGlobal(*this, *zweiter, FelderZusatzkuehlen, Zusatzkuehlen(*this));

    TDatenStruktur* dritter = kette.Record(3, message);
    if (!dritter)
        return 0;
    WriteParameter(dritter->Param4, ArtHeizungRk2, tagArtHeizungRk2);
    SchreibeSatzGlobal(*this, *dritter, FelderHeizenRk2, HeizenRk2(*this));
    WriteParameter(dritter->Param5, ArtKuehlungRk2, tagArtKuehlungRk2);
    SchreibeSatzGlobal(*this, *dritter, FelderKuehlenRk2, KuehlenRk2(*this));

    message.clear();
    return 4;
}

// Grid.

void TReglerFunktion::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag, int column, int row)
{
    LOG_FKT_START("TReglerFunktion::BuildInfoWindow");
    if (!BeginInfoWindow(grid))
        return;
    const bool vollzugriff = GetAccessMode();
    BindGridEvents(grid, this);
    BindGroupTitleEvent(grid, this);

    TZeilen zeilen(*this, grid);
    AddRowCaption(grid, tagGruppeAllgemein, Text14161, std::string(), GruppeAllgemein, flag);
    if (IsGroupOpen(GruppeAllgemein)) {
        zeilen.Combo(Text14038, tagBetriebsmodusUmschaltung, A::BetriebsmodusUmschaltung(), BetriebsmodusUmschaltung);
        zeilen.JaNein(Text14222, tagLuefterstufenAnzeige, LuefterstufenAnzeige);
        if (Ja(LuefterstufenAnzeige))
            zeilen.Combo(Text14223, tagObjekttypLuefterstufen, A::ObjekttypLuefterstufen(), ObjekttypLuefterstufen);
        if (vollzugriff)
            AddRowsRegelkreise(grid);
    }
    AddRowCaption(grid, tagGruppeWeitereEinstellungen, Text14037, std::string(), GruppeWeitereEinstellungen, true);
    if (IsGroupOpen(GruppeWeitereEinstellungen))
        AddRowsWeitereEinstellungen(grid);
    EndInfoWindow(column, row);
}

void TReglerFunktion::AddRowsRegelkreise(TDrawGridSE* grid)
{
    TZeilen(*this, grid).Combo(Text14039, tagRegelkreise, A::Regelkreise(), Regelkreise);
    if (ZweiRegelkreise())
        AddRowsZweiRegelkreise(grid);
    else
        AddRowsEinRegelkreis(grid);
}

void TReglerFunktion::AddRowsEinRegelkreis(TDrawGridSE* grid)
{
    TZeilen zeilen(*this, grid);
    zeilen.Combo(Text14040, tagBetriebsart, A::Betriebsart(), ReglerBetriebsart);
    const bool ueberObjekt = UmschaltungHeizenKuehlen == uhkUeberObjekt;
    switch (ReglerBetriebsart) {
    case rbaHeizen:
        zeilen.Stufe(tagArtHeizregelung, Text14041, ArtHeizregelung, Heizen(*this), true, true);
        break;
    case rbaKuehlen:
        zeilen.Stufe(tagArtKuehlregelung, Text14101, ArtKuehlregelung, Kuehlen(*this), true, true);
        break;
    case rbaHeizenUndKuehlen:
        zeilen.JaNein(Text14131, tagStellgrHeizenKuehlenGemObjekt, StellgrHeizenKuehlenGemObjekt);
        if (!Ja(StellgrHeizenKuehlenGemObjekt)) {
            zeilen.Stufe(tagArtHeizregelung, Text14041, ArtHeizregelung, Heizen(*this), ueberObjekt, true);
            zeilen.Stufe(tagArtKuehlregelung, Text14101, ArtKuehlregelung, Kuehlen(*this), true, ueberObjekt);
        } else {
            zeilen.Gemeinsam(tagArtRegelung, Text14132, ArtRegelung, Heizen(*this), Kuehlen(*this), ueberObjekt);
        }
        break;
    case rbaGrundZusatzHeizen:
        zeilen.JaNein(Text14133, tagSperrobjektZusatzstufe, SperrobjektZusatzstufe);
        zeilen.Stufe(tagArtRegelungGrundstufeHeizen, Text14134, ArtHeizregelung, Grundheizen(*this), true, true);
        zeilen.Stufe(tagArtRegelungZusatzstufeHeizen, Text14140, ArtZusatzstufeHeizen, Zusatzheizen(*this), true,
                     true);
        break;
    case rbaGrundZusatzKuehlen:
        zeilen.JaNein(Text14133, tagSperrobjektZusatzstufe, SperrobjektZusatzstufe);
        zeilen.Stufe(tagArtRegelungGrundstufeKuehlen, Text14146, ArtKuehlregelung, Grundkuehlen(*this), true, true);
        zeilen.Stufe(tagArtRegelungZusatzstufeKuehlen, Text14152, ArtZusatzstufeKuehlen, Zusatzkuehlen(*this), true,
                     true);
        break;
    case rbaGrundZusatzHeizenKuehlen:
        zeilen.JaNein(Text14133, tagSperrobjektZusatzstufe, SperrobjektZusatzstufe);
        zeilen.JaNein(Text14131, tagStellgrHeizenKuehlenGemObjekt, StellgrHeizenKuehlenGemObjekt);
        if (!Ja(StellgrHeizenKuehlenGemObjekt)) {
            zeilen.Stufe(tagArtRegelungGrundstufeHeizen, Text14134, ArtHeizregelung, Grundheizen(*this), ueberObjekt,
                         true);
            zeilen.Stufe(tagArtRegelungZusatzstufeHeizen, Text14140, ArtZusatzstufeHeizen, Zusatzheizen(*this),
                         ueberObjekt, true);
            zeilen.Stufe(tagArtRegelungGrundstufeKuehlen, Text14146, ArtKuehlregelung, Grundkuehlen(*this), true,
                         ueberObjekt);
            zeilen.Stufe(tagArtRegelungZusatzstufeKuehlen, Text14152, ArtZusatzstufeKuehlen, Zusatzkuehlen(*this),
                         true, ueberObjekt);
        } else {
            zeilen.Gemeinsam(tagArtRegelungGrundstufe, Text14158, ArtRegelung, Grundheizen(*this),
                             Grundkuehlen(*this), ueberObjekt);
            zeilen.Gemeinsam(tagArtRegelungZusatzstufe, Text14159, ArtRegelungZusatzstufe, Zusatzheizen(*this),
                             Zusatzkuehlen(*this), ueberObjekt);
        }
        break;
    }
}

void TReglerFunktion::AddRowsZweiRegelkreise(TDrawGridSE* grid)
{
    TZeilen zeilen(*this, grid);
    zeilen.Combo(Text14160, tagBetriebsartRegelkreise, A::BetriebsartRegelkreise(), ReglerBetriebsart);
    if (ReglerBetriebsart != rbaHeizen && ReglerBetriebsart != rbaKuehlen)
        return;
    const bool heizen = ReglerBetriebsart == rbaHeizen;
    AddRowCaption(grid, tagGruppeRegelkreis1, Text14035, std::string(), GruppeRegelkreis1, true);
    if (IsGroupOpen(GruppeRegelkreis1)) {
        if (heizen)
            zeilen.Stufe(tagArtHeizregelung, Text14041, ArtHeizregelung, Heizen(*this), true, true);
        else
            zeilen.Stufe(tagArtKuehlregelung, Text14101, ArtKuehlregelung, Kuehlen(*this), true, true);
    }
    AddRowCaption(grid, tagGruppeRegelkreis2, Text14036, std::string(), GruppeRegelkreis2, true);
    if (IsGroupOpen(GruppeRegelkreis2)) {
        if (heizen)
            zeilen.Stufe(tagArtHeizregelungRk2, Text14041, ArtHeizregelungRk2, HeizenRk2(*this), true, true);
        else
            zeilen.Stufe(tagArtKuehlregelungRk2, Text14101, ArtKuehlregelungRk2, KuehlenRk2(*this), true, true);
    }
}

void TReglerFunktion::AddRowsWeitereEinstellungen(TDrawGridSE* grid)
{
    TZeilen zeilen(*this, grid);
    zeilen.Combo(Text14162, tagReglerBedienungSperrbar, A::ReglerBedienungSperrbar(), ReglerBedienungSperrbar);
    zeilen.Combo(Text14163, tagReglerAbschalten, A::ReglerAbschalten(), ReglerAbschalten);
    zeilen.Combo(Text14164, tagFrostHitzeschutz, A::FrostHitzeschutz(), FrostHitzeschutz);
    if (FrostHitzeschutz == fhsFrostschutzAutomatik) {
        zeilen.Combo(Text14165, tagFrostschutzAutomatik, A::FrostschutzAutomatik(), FrostschutzAutomatik);
        if (FrostschutzAutomatik != fsaAus)
            zeilen.Spin(Text14166, tagFrostschutzdauerAutomatik, 255, 1, FrostschutzdauerAutomatik);
    } else if (FrostHitzeschutz == fhsUeberFensterstatus) {
        zeilen.Spin(Text14167, tagVerzoegerungFensterstatus, 255, 0, VerzoegerungFensterstatus);
    }
    if (!ZweiRegelkreise() && HeizenUndKuehlen()) {
        zeilen.Combo(Text14168, tagUmschaltungHeizenKuehlen, A::UmschaltungHeizenKuehlen(), UmschaltungHeizenKuehlen);
        if (UmschaltungHeizenKuehlen == uhkAutomatisch) {
            zeilen.Combo(Text14169, tagAutomatischesSendenUmschaltung, A::AutomatischesSendenUmschaltung(),
                         AutomatischesSendenUmschaltung);
            zeilen.Spin(Text14170, tagZyklischesSendenUmschaltung, 255, 0, ZyklischesSendenUmschaltung);
        } else if (UmschaltungHeizenKuehlen == uhkUeberObjekt) {
            zeilen.Combo(Text14171, tagBetriebsartNachReset, A::BetriebsartNachReset(), BetriebsartNachReset);
        }
    }
    zeilen.JaNein(Text14189, tagVentilschutz, Ventilschutz);
}

// Grid events.

void TReglerFunktion::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglerFunktion::GridComboBoxChange");
    int wert = 0;
    if (!ReadComboValue(sender, wert))
        return;
    const auto aendern = [&](auto& member, auto regel) {
        using TMember = std::remove_reference_t<decltype(member)>;
        ChangeMember<TMember>(member, AlsWahl<TMember>(wert), regel, column, row);
    };
    // A heating or cooling system brings the control parameters of its kind.
    const auto heizung = [&aendern](TEnumArtHeizung& art, TRegelparameter& satz) {
        aendern(art, [&art, &satz](auto, TChangeMarks& marks) {
            satz.VorgabeHeizung(art);
            marks = TChangeMarks::StoreAll();
            return true;
        });
    };
    const auto kuehlung = [&aendern](TEnumArtKuehlung& art, TRegelparameter& satz) {
        aendern(art, [&art, &satz](auto, TChangeMarks& marks) {
            satz.VorgabeKuehlung(art);
            marks = TChangeMarks::StoreAll();
            return true;
        });
    };

    switch (cell.Tag) {
    case tagBetriebsmodusUmschaltung:
        aendern(BetriebsmodusUmschaltung, SwitchObjectsRule(this, &F::ModifyBetriebsmodusUmschaltungObjekte));
        break;
    case tagLuefterstufenAnzeige:
        aendern(LuefterstufenAnzeige, SwitchObjectsRule(this, &F::ModifyLuefterstufenAnzeigeObjekte));
        break;
    case tagObjekttypLuefterstufen:
        aendern(ObjekttypLuefterstufen, SwitchObjectsRule(this, &F::ModifyLuefterstufenAnzeigeObjekte));
        break;
    case tagRegelkreise:
        aendern(Regelkreise, [this](auto, TChangeMarks& marks) {
            const TEnumReglerBetriebsart alteBetriebsart = ReglerBetriebsart;
            if (ZweiRegelkreise() && ReglerBetriebsart != rbaHeizen && ReglerBetriebsart != rbaKuehlen)
                ReglerBetriebsart = rbaHeizen;
            SaveValuesBetriebsart();
            SetDefaultValuesBetriebsart();
            if (!ModifyRegelkreise()) {
                ReglerBetriebsart = alteBetriebsart;
                RestoreValuesBetriebsart();
                return false;
            }
            marks = TChangeMarks::StoreAll();
            return true;
        });
        break;
    case tagBetriebsart:
    case tagBetriebsartRegelkreise:
        aendern(ReglerBetriebsart, [this](auto, TChangeMarks& marks) {
            SaveValuesBetriebsart();
            SetDefaultValuesBetriebsart();
            // The question comes before the device adapts the set-point page, so that a refusal
            // leaves the page as it was.
            if (!FrageBetriebsartObjekte() || !CallModifyReglerSollwerteAenderung() || !ModifyReglerBetriebsart(false)) {
                RestoreValuesBetriebsart();
                return false;
            }
            marks = TChangeMarks::StoreObjects();
            return true;
        });
        break;
    case tagArtHeizregelung:
    case tagArtRegelungGrundstufeHeizen:
        aendern(ArtHeizregelung, SwitchObjectsRule(this, &F::ModifyArtHeizregelungObjekte));
        break;
    case tagArtKuehlregelung:
    case tagArtRegelungGrundstufeKuehlen:
        aendern(ArtKuehlregelung, SwitchObjectsRule(this, &F::ModifyArtKuehlregelungObjekte));
        break;
    case tagArtHeizregelungRk2:
        aendern(ArtHeizregelungRk2, SwitchObjectsRule(this, &F::ModifyArtHeizregelungRk2Objekte));
        break;
    case tagArtKuehlregelungRk2:
        aendern(ArtKuehlregelungRk2, SwitchObjectsRule(this, &F::ModifyArtKuehlregelungRk2Objekte));
        break;
    case tagArtRegelung:
    case tagArtRegelungGrundstufe:
        aendern(ArtRegelung, [this](auto, TChangeMarks& marks) {
            if (!ModifyArtRegelungObjekte(false, true))
                return false;
            ArtHeizregelung = ArtRegelung;
            ArtKuehlregelung = ArtRegelung;
            marks = TChangeMarks::StoreObjects();
            return true;
        });
        break;
    case tagArtRegelungZusatzstufe:
        aendern(ArtRegelungZusatzstufe, [this](auto, TChangeMarks& marks) {
            if (!ModifyArtRegelungZusatzstufeObjekte(false, true))
                return false;
            ArtZusatzstufeHeizen = ArtRegelungZusatzstufe;
            ArtZusatzstufeKuehlen = ArtRegelungZusatzstufe;
            marks = TChangeMarks::StoreObjects();
            return true;
        });
        break;
    case tagArtRegelungZusatzstufeHeizen:
        aendern(ArtZusatzstufeHeizen, SwitchObjectsRule(this, &F::ModifyArtZusatzstufeHeizenObjekte));
        break;
    case tagArtRegelungZusatzstufeKuehlen:
        aendern(ArtZusatzstufeKuehlen, SwitchObjectsRule(this, &F::ModifyArtZusatzstufeKuehlenObjekte));
        break;
    case tagArtHeizung:
    case tagArtGrundheizung:
        heizung(ArtHeizung, RegelparameterHeizen);
        break;
    case tagArtZusatzheizung:
        heizung(ArtZusatzheizung, RegelparameterZusatzheizen);
        break;
    case tagArtHeizungRk2:
        heizung(ArtHeizungRk2, RegelparameterHeizenRk2);
        break;
    case tagArtKuehlung:
    case tagArtGrundkuehlung:
        kuehlung(ArtKuehlung, RegelparameterKuehlen);
        break;
    case tagArtZusatzkuehlung:
        kuehlung(ArtZusatzkuehlung, RegelparameterZusatzkuehlen);
        break;
    case tagArtKuehlungRk2:
        kuehlung(ArtKuehlungRk2, RegelparameterKuehlenRk2);
        break;
    case tagStellgrHeizenKuehlenGemObjekt:
        aendern(StellgrHeizenKuehlenGemObjekt, [this](auto, TChangeMarks& marks) {
            auto gemeinsam = std::tie(ArtRegelung, ArtKuehlregelung, ArtRegelungZusatzstufe, ArtZusatzstufeKuehlen);
            const std::tuple<TEnumArtRegelung, TEnumArtRegelung, TEnumArtRegelung, TEnumArtRegelung> vorher = gemeinsam;
            if (Ja(StellgrHeizenKuehlenGemObjekt))
                GemeinsameArtenVonHeizen();
            if (!ModifyStellgrHeizenKuehlenGemObjekt(true)) {
                gemeinsam = vorher; // refused: the control types as they were
                return false;
            }
            marks = TChangeMarks::StoreObjects();
            return true;
        });
        break;
    case tagSperrobjektZusatzstufe:
        aendern(SperrobjektZusatzstufe, SwitchObjectsRule(this, &F::ModifySperrobjektZusatzstufe));
        break;
    case tagReglerBedienungSperrbar:
        aendern(ReglerBedienungSperrbar, [this](auto, TChangeMarks& marks) {
            // The device keeps the records of the system object and of the set points before it
            // adapts them, so that a refusal further on leaves both as they were.
            TDatenSicherung vorher;
            if (ReglerBedienungSperrbar == rbsImmerGesperrt) {
                // Both go out before the push-button functions are asked, which read the level
                // access the system object is left with.
                const bool system = CallDevice(UDM_MODIFY_SYSTEM_ZUGRIFF_BEDIENEBENEN, 0, 0, nullptr, &vorher);
                const bool sollwerte = CallDevice(UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG, 0, 0, nullptr, &vorher);
                if (!system || !sollwerte) {
                    ZuruecksetzenAnpassungen(vorher);
                    return false;
                }
            }
            if (!CallModifyTastenWippenFunktion() || !ModifyReglerBedienungSperrObjekte(false, true)) {
                ZuruecksetzenAnpassungen(vorher);
                return false;
            }
            marks = TChangeMarks::StoreObjects();
            return true;
        });
        break;
    case tagReglerAbschalten:
        aendern(ReglerAbschalten, SwitchObjectsRule(this, &F::ModifyReglerSperrObjekte));
        break;
    case tagFrostHitzeschutz:
        aendern(FrostHitzeschutz, [this](auto, TChangeMarks& marks) {
            if (!ModifyFensterstatusObjekte(false, true))
                return false;
            if (FrostHitzeschutz == fhsUeberFensterstatus)
                FrostschutzAutomatik = fsaAus;
            marks = TChangeMarks::StoreObjects();
            return true;
        });
        break;
    case tagUmschaltungHeizenKuehlen:
        aendern(UmschaltungHeizenKuehlen, [this](auto, TChangeMarks& marks) {
            if (!ModifyHeizenKuehlenUmschaltungObjekte(false, true))
                return false;
            if (UmschaltungHeizenKuehlen == uhkAutomatisch)
                BetriebsartNachReset = bnrHeizen;
            marks = TChangeMarks::StoreObjects();
            return true;
        });
        break;
    case tagFrostschutzAutomatik:
        aendern(FrostschutzAutomatik, TChangeMarks::StoreAll());
        break;
    case tagBetriebsartNachReset:
        aendern(BetriebsartNachReset, TChangeMarks::StoreOthers());
        break;
    case tagAutomatischesSendenUmschaltung:
        aendern(AutomatischesSendenUmschaltung, TChangeMarks::StoreOthers());
        break;
    case tagVentilschutz:
        aendern(Ventilschutz, TChangeMarks::StoreOthers());
        break;
    default:
        break;
    }
}

std::int32_t* TReglerFunktion::SpinMember(int tag)
{
    switch (tag) {
    case tagProportionalbereichHeizen:
    case tagProportionalbereichGrundheizen:
        return &RegelparameterHeizen.Proportionalbereich;
    case tagNachstellzeitHeizen:
    case tagNachstellzeitGrundheizen:
        return &RegelparameterHeizen.Nachstellzeit;
    case tagObereHysteresegrenzeHeizen:
    case tagObereHysteresegrenzeGrundheizen:
        return &RegelparameterHeizen.ObereHysteresegrenze;
    case tagUntereHysteresegrenzeHeizen:
    case tagUntereHysteresegrenzeGrundheizen:
        return &RegelparameterHeizen.UntereHysteresegrenze;
    case tagProportionalbereichKuehlen:
    case tagProportionalbereichGrundkuehlen:
        return &RegelparameterKuehlen.Proportionalbereich;
    case tagNachstellzeitKuehlen:
    case tagNachstellzeitGrundkuehlen:
        return &RegelparameterKuehlen.Nachstellzeit;
    case tagObereHysteresegrenzeKuehlen:
    case tagObereHysteresegrenzeGrundkuehlen:
        return &RegelparameterKuehlen.ObereHysteresegrenze;
    case tagUntereHysteresegrenzeKuehlen:
    case tagUntereHysteresegrenzeGrundkuehlen:
        return &RegelparameterKuehlen.UntereHysteresegrenze;
    case tagProportionalbereichZusatzheizen:
        return &RegelparameterZusatzheizen.Proportionalbereich;
    case tagNachstellzeitZusatzheizen:
        return &RegelparameterZusatzheizen.Nachstellzeit;
    case tagObereHysteresegrenzeZusatzheizen:
        return &RegelparameterZusatzheizen.ObereHysteresegrenze;
    case tagUntereHysteresegrenzeZusatzheizen:
        return &RegelparameterZusatzheizen.UntereHysteresegrenze;
    case tagProportionalbereichZusatzkuehlen:
        return &RegelparameterZusatzkuehlen.Proportionalbereich;
    case tagNachstellzeitZusatzkuehlen:
        return &RegelparameterZusatzkuehlen.Nachstellzeit;
    case tagObereHysteresegrenzeZusatzkuehlen:
        return &RegelparameterZusatzkuehlen.ObereHysteresegrenze;
    case tagUntereHysteresegrenzeZusatzkuehlen:
        return &RegelparameterZusatzkuehlen.UntereHysteresegrenze;
    case tagProportionalbereichHeizenRk2:
        return &RegelparameterHeizenRk2.Proportionalbereich;
    case tagNachstellzeitHeizenRk2:
        return &RegelparameterHeizenRk2.Nachstellzeit;
    case tagObereHysteresegrenzeHeizenRk2:
        return &RegelparameterHeizenRk2.ObereHysteresegrenze;
    case tagUntereHysteresegrenzeHeizenRk2:
        return &RegelparameterHeizenRk2.UntereHysteresegrenze;
    case tagProportionalbereichKuehlenRk2:
        return &RegelparameterKuehlenRk2.Proportionalbereich;
    case tagNachstellzeitKuehlenRk2:
        return &RegelparameterKuehlenRk2.Nachstellzeit;
    case tagObereHysteresegrenzeKuehlenRk2:
        return &RegelparameterKuehlenRk2.ObereHysteresegrenze;
    case tagUntereHysteresegrenzeKuehlenRk2:
        return &RegelparameterKuehlenRk2.UntereHysteresegrenze;
    case tagFrostschutzdauerAutomatik:
        return &FrostschutzdauerAutomatik;
    case tagVerzoegerungFensterstatus:
        return &VerzoegerungFensterstatus;
    case tagZyklischesSendenUmschaltung:
        return &ZyklischesSendenUmschaltung;
    default:
        return nullptr;
    }
}

void TReglerFunktion::GridExitCell(TDrawGridSE* /*grid*/, TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglerFunktion::GridExitCell");
    // Only spin rows change on leaving the cell; combo rows change on selection, text rows
    // there are none.
    std::int16_t wert = 0;
    if (!ReadSpinValue(sender, wert))
        return;
    std::int32_t* member = SpinMember(cell.Tag);
    if (!member)
        return;
    ChangeMember<std::int32_t>(*member, wert, TChangeMarks::StoreOthers(), column, row);
}

void TReglerFunktion::GridGroupTitleClick(TObject* /*sender*/, TCell& cell, int column, int row, int /*phase*/)
{
    LOG_FKT_START("TReglerFunktion::GridGroupTitleClick");
    TCell::TEnumGroupTitleState* state = nullptr;
    switch (cell.Tag) {
    case tagGruppeAllgemein:
        state = &GruppeAllgemein;
        break;
    case tagGruppeRegelkreis1:
        state = &GruppeRegelkreis1;
        break;
    case tagGruppeRegelkreis2:
        state = &GruppeRegelkreis2;
        break;
    case tagGruppeWeitereEinstellungen:
        state = &GruppeWeitereEinstellungen;
        break;
    default:
        break;
    }
    ToggleGroupTitle(GroupTitleToggle, state, column, row);
}

void TReglerFunktion::GridEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerFunktion::GridEditChange");
}

void TReglerFunktion::GridSpinEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerFunktion::GridSpinEditChange");
}

void TReglerFunktion::GridSpinEditOverflow(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                           int /*column*/, int /*row*/, double /*value*/)
{
    LOG_FKT_START("TReglerFunktion::GridSpinEditOverflow");
}

void TReglerFunktion::GridSpinEditUnderflow(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                            int /*column*/, int /*row*/, double /*value*/)
{
    LOG_FKT_START("TReglerFunktion::GridSpinEditUnderflow");
}

void TReglerFunktion::GridExit(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/, int /*column*/,
                               int /*row*/)
{
    LOG_FKT_START("TReglerFunktion::GridExit");
}

void TReglerFunktion::GridEllipseClick(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerFunktion::GridEllipseClick");
}
