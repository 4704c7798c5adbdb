#pragma once

#include "climalib/ClimaDataObject.h"
#include "climalib/EnumReglerFunktion.h"
#include "climalib/Regelparameter.h"
#include "climalib/ReglerBetriebsartWerte.h"
#include "climalib/ReglerObjektwerte.h"
#include "outside/datacore/EnumDataBasis.h"
#include "outside/sysfunc/EnumTalvoSystem.h"

#include <cstdint>
#include <string>

class TDatenSicherung;
#include <vector>

// The room-temperature controller function: how the operating mode is switched, the fan-stage
// display, one or two control circuits, the operating type with the control type, heating or
// cooling system and control parameters of each stage, the lock and dew-point options, frost
// and heat protection, the switch-over between heating and cooling and the valve protection.
// Its choices decide which communication objects exist; its pages and the device read them
// through the GetValueOf… queries. The record holds a main record and three additional ones.
class TReglerFunktion final : public TClimaDataObject {
public:
    static constexpr int Typ = 6576; // DT_REGLER_FUNKTION
    static constexpr int Icon = 32;
    static constexpr int QuickHelpOffset = 800;

    // Grid tags: the parameter id of each row.
    enum TTag : int {
        tagBetriebsmodusUmschaltung = 0,
        tagRegelkreise = 1,
        tagBetriebsart = 2,
        tagArtHeizregelung = 3,
        tagArtHeizung = 4,
        tagProportionalbereichHeizen = 5,
        tagNachstellzeitHeizen = 6,
        tagObereHysteresegrenzeHeizen = 7,
        tagUntereHysteresegrenzeHeizen = 8,
        tagArtKuehlregelung = 9,
        tagArtKuehlung = 10,
        tagProportionalbereichKuehlen = 11,
        tagNachstellzeitKuehlen = 12,
        tagObereHysteresegrenzeKuehlen = 13,
        tagUntereHysteresegrenzeKuehlen = 14,
        tagStellgrHeizenKuehlenGemObjekt = 15,
        tagArtRegelung = 16,
        tagSperrobjektZusatzstufe = 17,
        tagArtRegelungGrundstufeHeizen = 18,
        tagArtGrundheizung = 19,
        tagProportionalbereichGrundheizen = 20,
        tagNachstellzeitGrundheizen = 21,
        tagObereHysteresegrenzeGrundheizen = 22,
        tagUntereHysteresegrenzeGrundheizen = 23,
        tagArtRegelungZusatzstufeHeizen = 24,
        tagArtZusatzheizung = 25,
        tagProportionalbereichZusatzheizen = 26,
        tagNachstellzeitZusatzheizen = 27,
        tagObereHysteresegrenzeZusatzheizen = 28,
        tagUntereHysteresegrenzeZusatzheizen = 29,
        tagArtGrundkuehlung = 30,
        tagObereHysteresegrenzeGrundkuehlen = 31,
        tagUntereHysteresegrenzeGrundkuehlen = 32,
        tagArtZusatzkuehlung = 33,
        tagObereHysteresegrenzeZusatzkuehlen = 34,
        tagUntereHysteresegrenzeZusatzkuehlen = 35,
        tagReglerBedienungSperrbar = 37,
        tagReglerAbschalten = 38,
        tagFrostschutzAutomatik = 39,
        tagFrostschutzdauerAutomatik = 40,
        tagUmschaltungHeizenKuehlen = 41,
        tagVerzoegerungFensterstatus = 42,
        tagBetriebsartNachReset = 43,
        tagAutomatischesSendenUmschaltung = 44,
        tagZyklischesSendenUmschaltung = 45,
        tagVentilschutz = 46,
        tagArtRegelungGrundstufeKuehlen = 47,
        tagProportionalbereichGrundkuehlen = 48,
        tagNachstellzeitGrundkuehlen = 49,
        tagArtRegelungZusatzstufeKuehlen = 50,
        tagProportionalbereichZusatzkuehlen = 51,
        tagNachstellzeitZusatzkuehlen = 52,
        tagArtRegelungGrundstufe = 53,
        tagArtRegelungZusatzstufe = 54,
        tagBetriebsartRegelkreise = 55,
        tagGruppeAllgemein = 56,
        tagGruppeRegelkreis1 = 57,
        tagGruppeRegelkreis2 = 58,
        tagGruppeWeitereEinstellungen = 59,
        tagArtHeizregelungRk2 = 60,
        tagArtHeizungRk2 = 61,
        tagProportionalbereichHeizenRk2 = 62,
        tagNachstellzeitHeizenRk2 = 63,
        tagObereHysteresegrenzeHeizenRk2 = 64,
        tagUntereHysteresegrenzeHeizenRk2 = 65,
        tagArtKuehlregelungRk2 = 66,
        tagArtKuehlungRk2 = 67,
        tagProportionalbereichKuehlenRk2 = 68,
        tagNachstellzeitKuehlenRk2 = 69,
        tagObereHysteresegrenzeKuehlenRk2 = 70,
        tagUntereHysteresegrenzeKuehlenRk2 = 71,
        tagFrostHitzeschutz = 72,
        tagLuefterstufenAnzeige = 73,
        tagObjekttypLuefterstufen = 74,
    };

    TReglerFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                    std::int32_t handle);
    ~TReglerFunktion() override;

    bool GlobalParameterEnabled() const override { return true; }
    // The main record and a new chain of three additional records.
    void Write(TDatenStruktur& record) override;
    // The main record, then the additional records as far as the chain reaches; the members of
    // missing records keep their values.
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    // 4 written; 0 when the target has another structure (circuits, operating type) or its chain
    // is short (message "Handle: h; Index: i"); -9 without table or target.
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;

    // Queries of the pages and the device.
    std::uint8_t GetValueOfRegelkreise() const;
    std::uint8_t GetValueOfReglerBetriebsart() const;
    std::uint8_t GetValueOfReglerBedienungSperrbar() const;
    std::uint8_t GetValueOfStellgrHeizenKuehlenGemObjekt() const;
    // Which stages in use are switching PI (PWM): 1 all, 3 some, 2 none.
    std::uint8_t GetArtZykluszeit() const;
    // 1 when a stage in use is continuous PI, else 0.
    std::uint8_t GetAutomatischesSenden() const;

    // Requests to the device; true when the device answered non-zero.
    bool CallModifyTastenWippenFunktion();
    bool CallModifyReglerSollwerteAenderung();
    bool CallModifySystemZugriffBedienebenen();
    // The system object's access to the operating levels goes to level (0 without answer).
    bool CallGetValueOfZugriffAufBedienebenen(T_DB_EnumTalvoSystem::TEnumZugriffBedienebenen& level);
    bool CallUpdateTableSollwerte(bool ask);
    bool CallUpdateTableRaumtemperaturMessung(bool ask);
    bool CallUpdateTableStellgroessenStatusAusgabe(bool ask);

    // Communication objects: all of them, in the fixed order; the first failure ends the call.
    bool CreateObjects();
    bool DeleteObjects();
    bool ModifyBetriebsmodusUmschaltungObjekte(bool remove, bool ask);
    // Heating objects 3160, 3200, 3170, 3210; with ask the question comes first, whatever the values.
    bool ModifyArtHeizregelungObjekte(bool remove, bool ask);
    // Cooling objects 3180, 3220, 3190, 3230; asks as the heating objects do.
    bool ModifyArtKuehlregelungObjekte(bool remove, bool ask);
    bool ModifyArtHeizregelungRk2Objekte(bool remove, bool ask);
    bool ModifyArtZusatzstufeHeizenObjekte(bool remove, bool ask);
    bool ModifyArtRegelungObjekte(bool remove, bool ask);
    bool ModifyArtRegelungZusatzstufeObjekte(bool remove, bool ask);
    bool ModifyArtKuehlregelungRk2Objekte(bool remove, bool ask);
    bool ModifyArtZusatzstufeKuehlenObjekte(bool remove, bool ask);
    bool ModifyReglerBedienungSperrObjekte(bool remove, bool ask);
    bool ModifyReglerSperrObjekte(bool remove, bool ask);
    bool ModifyFensterstatusObjekte(bool remove, bool ask);
    bool ModifyHeizenKuehlenUmschaltungObjekte(bool remove, bool ask);
    // Asks (with ask) only when it removes.
    bool ModifyReglerStandardObjekte(bool remove, bool ask);
    bool ModifySperrobjektZusatzstufe(bool remove, bool ask);
    bool ModifyLuefterstufenAnzeigeObjekte(bool remove, bool ask);

    // Carries a changed common actuating object (already stored in the member) through the
    // output page and the heating and cooling objects; false when a step failed or was refused.
    bool ModifyStellgrHeizenKuehlenGemObjekt(bool ask);
    // Carries a changed operating type through the output page and the objects; false when a
    // step failed or was refused.
    bool ModifyReglerBetriebsart(bool ask);
    // Carries a changed number of circuits through the objects and the pages; always asks.
    bool ModifyRegelkreise();

    void SaveValuesBetriebsart();
    void RestoreValuesBetriebsart();
    // The defaults of the (new) operating type.
    void SetDefaultValuesBetriebsart();

    void SetGlobalParameter();

    // Grid handlers.
    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void GridEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditOverflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridSpinEditUnderflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridExit(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridEllipseClick(TObject* sender, TCell& cell, int column, int row);
    void GridGroupTitleClick(TObject* sender, TCell& cell, int column, int row, int phase);

    T_DB_EnumReglerFunktion::TEnumBetriebsmodusUmschaltung BetriebsmodusUmschaltung =
        T_DB_EnumReglerFunktion::bmuUeberWert;
    T_DB_EnumReglerFunktion::TEnumRegelkreise Regelkreise = T_DB_EnumReglerFunktion::rkEinRegelkreis;
    T_DB_EnumReglerFunktion::TEnumReglerBetriebsart ReglerBetriebsart = T_DB_EnumReglerFunktion::rbaHeizen;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtHeizregelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtHeizregelungRk2 = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtKuehlregelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtKuehlregelungRk2 = T_DB_EnumReglerFunktion::arStetigePI;
    // Stand for both stages they switch (common actuating object); not in the record.
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtRegelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtRegelungZusatzstufe = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtZusatzstufeHeizen = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtZusatzstufeKuehlen = T_DB_EnumReglerFunktion::arZweiPunkt;
    T_DB_EnumReglerFunktion::TEnumArtHeizung ArtHeizung = T_DB_EnumReglerFunktion::ahWarmwasserheizung;
    T_DB_EnumReglerFunktion::TEnumArtHeizung ArtHeizungRk2 = T_DB_EnumReglerFunktion::ahWarmwasserheizung;
    T_DB_EnumReglerFunktion::TEnumArtHeizung ArtZusatzheizung = T_DB_EnumReglerFunktion::ahWarmwasserheizung;
    T_DB_EnumReglerFunktion::TEnumArtKuehlung ArtKuehlung = T_DB_EnumReglerFunktion::akKuehldecke;
    T_DB_EnumReglerFunktion::TEnumArtKuehlung ArtKuehlungRk2 = T_DB_EnumReglerFunktion::akKuehldecke;
    T_DB_EnumReglerFunktion::TEnumArtKuehlung ArtZusatzkuehlung = T_DB_EnumReglerFunktion::akKuehldecke;
    T_DB_EnumReglerFunktion::TEnumReglerBedienungSperrbar ReglerBedienungSperrbar = T_DB_EnumReglerFunktion::rbsNein;
    T_DB_EnumReglerFunktion::TEnumReglerAbschalten ReglerAbschalten = T_DB_EnumReglerFunktion::raNein;
    T_DB_EnumReglerFunktion::TEnumUmschaltungHeizenKuehlen UmschaltungHeizenKuehlen =
        T_DB_EnumReglerFunktion::uhkAutomatisch;
    T_DB_EnumReglerFunktion::TEnumBetriebsartNachReset BetriebsartNachReset = T_DB_EnumReglerFunktion::bnrHeizen;
    T_DB_EnumReglerFunktion::TEnumAutomatischesSendenUmschaltung AutomatischesSendenUmschaltung =
        T_DB_EnumReglerFunktion::asuBeimAendernDerBetriebsart;
    T_DB_EnumReglerFunktion::TEnumFrostHitzeschutz FrostHitzeschutz = T_DB_EnumReglerFunktion::fhsUeberFensterstatus;
    T_DB_EnumReglerFunktion::TEnumFrostschutzAutomatik FrostschutzAutomatik = T_DB_EnumReglerFunktion::fsaAus;
    T_DB_EnumDataBasis::TEnumBool SperrobjektZusatzstufe = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool Ventilschutz = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool LuefterstufenAnzeige = T_DB_EnumDataBasis::Nein;
    T_DB_EnumReglerFunktion::TEnumObjekttypLuefterstufen ObjekttypLuefterstufen =
        T_DB_EnumReglerFunktion::olDreiMalEinBit;
    TRegelparameter RegelparameterHeizen = TRegelparameter::Heizen();
    TRegelparameter RegelparameterKuehlen = TRegelparameter::Kuehlen();
    TRegelparameter RegelparameterZusatzheizen = TRegelparameter::Heizen();
    TRegelparameter RegelparameterZusatzkuehlen = TRegelparameter::Kuehlen();
    TRegelparameter RegelparameterHeizenRk2 = TRegelparameter::Heizen();
    TRegelparameter RegelparameterKuehlenRk2 = TRegelparameter::Kuehlen();
    std::int32_t ZyklischesSendenUmschaltung = 0; // min, 0 = inactive
    std::int32_t VerzoegerungFensterstatus = 0;   // min, 0 = inactive
    std::int32_t FrostschutzdauerAutomatik = 20;  // min
    TReglerBetriebsartWerte GespeicherteWerte;    // the saved copy
    std::uint8_t GroupTitleToggle = 0;
    TCell::TEnumGroupTitleState GruppeAllgemein = TCell::gtsOpen;
    TCell::TEnumGroupTitleState GruppeRegelkreis1 = TCell::gtsOpen;
    TCell::TEnumGroupTitleState GruppeRegelkreis2 = TCell::gtsOpen;
    TCell::TEnumGroupTitleState GruppeWeitereEinstellungen = TCell::gtsOpen;

private:
    // Puts the system object and the set points back as the device kept them before it adapted
    // them (the set points' objects follow), then has the views aligned.
    void ZuruecksetzenAnpassungen(const TDatenSicherung& vorher);
    bool ZweiRegelkreise() const;
    // Operating types 2 and 5, which heat and cool.
    bool HeizenUndKuehlen() const;
    TReglerStufenWahl StufenWahl() const;
    // The control types of the stages in use.
    std::vector<T_DB_EnumReglerFunktion::TEnumArtRegelung> StufenInBetrieb() const;
    // Sets the objects one after the other, without asking; the first failure ends with false.
    bool SetzeObjekte(const TReglerObjektwerte::TObjekte& objekte, const TReglerObjektwerte::TWerte& werte);
    bool SetzeObjekt(const TReglerObjekt& objekt, int wert, bool ask);
    // A common actuating object stands for the heating stages as they are: the common control
    // types and the cooling stages they switch take the heating stages' control types.
    void GemeinsameArtenVonHeizen();
    // The question before the operating type changes its objects; false = refused.
    bool FrageBetriebsartObjekte();
    // The number member of a spin row, or none.
    std::int32_t* SpinMember(int tag);
    // The rows of the group "Allgemein" from "Regelkreise" on.
    void AddRowsRegelkreise(TDrawGridSE* grid);
    void AddRowsEinRegelkreis(TDrawGridSE* grid);
    void AddRowsZweiRegelkreise(TDrawGridSE* grid);
    void AddRowsWeitereEinstellungen(TDrawGridSE* grid);
};
