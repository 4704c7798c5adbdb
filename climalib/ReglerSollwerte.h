#pragma once

#include "climalib/ClimaDataObject.h"
#include "outside/datacore/EnumDataBasis.h"

#include <cstdint>

class TReglerFunktion;

namespace T_DB_EnumReglerSollwerte {
// How a set-point may be changed in operation.
enum TEnumAenderung : std::int8_t {
    Deaktiviert = 0,
    UeberAnzeigetasten = 1,
    UeberObjekt = 2,
    UeberAnzeigetastenUndObjekt = 3,
};
enum TEnumTotzonenposition : std::int8_t { Symmetrisch = 0, Asymmetrisch = 1 };
// Weight of one step of the set-point shift.
enum TEnumWertigkeitStufeSollwertverschiebung : std::uint8_t { Stufe01K = 0, Stufe05K = 1 };
} // namespace T_DB_EnumReglerSollwerte

// "Sollwerte" of the room-temperature controller: base temperatures after a reset (circuit 1 and,
// optionally, its own for circuit 2), frost and heat protection, dead zone, stage distance, the
// lowering and raising in standby and night operation, sending of the set temperature, the weight
// of a set-point shift step and who may change the set-points. Which rows, choices and objects
// apply follows the controller function, asked on every use. Two records: the main record and
// one additional record.
class TReglerSollwerte final : public TClimaDataObject {
public:
    static constexpr int Typ = 6577; // DT_REGLER_SOLLWERTE
    static constexpr int Icon = 39;
    static constexpr int QuickHelpOffset = 950;
    // Grid rows; a tag is also the index of its global parameter.
    enum TTag : int {
        tagBasistemperaturNachReset = 0,
        tagBasisSollwertverschiebungDauerhaft = 1,
        tagAenderungBasisSollwert = 2,
        tagBasisSollwertDauerhaft = 3,
        tagAenderungSollwerteKuehlen = 4,
        tagAenderungStandbyTemperaturRk1 = 5,
        tagAenderungNachtTemperaturRk1 = 6,
        tagSolltemperaturFrostschutz = 7,
        tagSolltemperaturHitzeschutz = 8,
        tagTotzonenposition = 9,
        tagTotzone = 10,
        tagTotzonenverschiebung = 11,
        tagSendenBeiAenderung = 12,
        tagZyklischesSenden = 13,
        tagEinstellungNachOben = 14,
        tagEinstellungNachUnten = 15,
        tagAbsenkenStandbyHeizen = 16,
        tagAbsenkenNachtHeizen = 17,
        tagAnhebenStandbyKuehlen = 18,
        tagAnhebenNachtKuehlen = 19,
        tagEigeneSollwerteRk2 = 20,
        tagBasistemperaturRk2NachReset = 21,
        tagAenderungBasisSollwertRk2 = 22,
        tagStufenabstand = 23,
        tagAbsenkenStandbyHeizenRk2 = 24,
        tagAbsenkenNachtHeizenRk2 = 25,
        tagAnhebenStandbyKuehlenRk2 = 26,
        tagAnhebenNachtKuehlenRk2 = 27,
        tagWertigkeitStufeSollwertverschiebung = 28,
    };
    // Communication objects (display orders) and their position bases.
    static constexpr int ObjektBasisSollwert = 3030;
    static constexpr int PositionBasisSollwert = -200;
    static constexpr int ObjektBasisSollwertRk2 = 3040;
    static constexpr int PositionBasisSollwertRk2 = -100;
    static constexpr int ObjektSollTemperatur = 3240;
    static constexpr int PositionSollTemperatur = -400;
    static constexpr int ObjektSollTempRk2 = 3250;
    static constexpr int PositionSollTempRk2 = -300;
    static constexpr int ObjektAktuelleSollwertverschiebung = 3260;
    static constexpr int PositionAktuelleSollwertverschiebung = -60;
    static constexpr int ObjektSollwertverschiebung = 3270;
    static constexpr int PositionSollwertverschiebung = -50;

    TReglerSollwerte(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                     std::int32_t handle);
    ~TReglerSollwerte() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    bool Paste(TRecordTable* table, std::string& message) override;
    bool GlobalParameterEnabled() const override { return true; }
    // 4 written; 0 the target's controller differs, or the target has no additional record
    // (message "Handle: %d; Index: 1"); -9 no table, target or controller.
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;
    // After a template import: the weight goes back to "0,1 K"; nothing else changes.
    virtual bool ConvertDBDataAfterTemplateImport();

    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void GridEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditOverflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridSpinEditUnderflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridExit(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridEllipseClick(TObject* sender, TCell& cell, int column, int row);

    bool CreateObjects();
    bool DeleteObjects();
    bool ModifyBasisSollwertObjekt(bool remove, bool ask);
    bool ModifyBasisSollwertRk2Objekt(bool remove, bool ask);
    bool ModifySollTemperaturObjekt(bool remove, bool ask);
    bool ModifySollTempRk2Objekt(bool remove, bool ask);
    bool ModifyAktuelleSollwertverschiebungObjekte(bool remove, bool ask);
    bool ModifySollwertverschiebungObjekte(bool remove, bool ask);

    // Circuit 2's own set-points on or off with their objects; asks first when ask is set.
    // A refusal or failure puts the old value back.
    bool ModifyValueEigeneSollwerteRk2(T_DB_EnumDataBasis::TEnumBool value, bool ask);
    // The change options after the controller's mode, its lock or the level access changed.
    bool ModifyValueAenderungSollwerte(bool ask);
    // With weight "0,5 K": base temperatures to whole half degrees, dead zone and lowering and
    // raising to multiples of 5 within ±125.
    bool ModifyWertigkeitStufeSollwertverschiebung();
    bool CallModifyWertigkeitStufeSollwertverschiebungValue(
        T_DB_EnumReglerSollwerte::TEnumWertigkeitStufeSollwertverschiebung value);
    void SetGlobalParameter();

    std::int8_t AenderungSollwerteKuehlen = T_DB_EnumReglerSollwerte::Deaktiviert;
    std::int8_t AenderungStandbyTemperaturRk1 = T_DB_EnumReglerSollwerte::Deaktiviert;
    std::int8_t AenderungNachtTemperaturRk1 = T_DB_EnumReglerSollwerte::Deaktiviert;
    std::int8_t Totzonenverschiebung = T_DB_EnumReglerSollwerte::Deaktiviert;
    std::int8_t Totzonenposition = T_DB_EnumReglerSollwerte::Symmetrisch;
    std::int8_t AenderungBasisSollwert = T_DB_EnumReglerSollwerte::UeberObjekt;
    std::int8_t AenderungBasisSollwertRk2 = T_DB_EnumReglerSollwerte::UeberObjekt;
    T_DB_EnumReglerSollwerte::TEnumWertigkeitStufeSollwertverschiebung WertigkeitStufeSollwertverschiebung =
        T_DB_EnumReglerSollwerte::Stufe01K;
    T_DB_EnumDataBasis::TEnumBool EigeneSollwerteRk2 = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool BasisSollwertverschiebungDauerhaft = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool BasisSollwertDauerhaft = T_DB_EnumDataBasis::Nein;
    double BasistemperaturNachReset = 21.0;    // °C
    double BasistemperaturRk2NachReset = 21.0; // °C
    std::int32_t SolltemperaturFrostschutz = 7;  // °C
    std::int32_t SolltemperaturHitzeschutz = 35; // °C
    std::int32_t Totzone = 20;                   // 0.1 K
    std::int32_t Stufenabstand = 20;             // 0.1 K
    std::int32_t SendenBeiAenderung = 1;         // 0.1 K, 0 = no automatic sending
    std::int32_t ZyklischesSenden = 0;           // min, 0 = inactive
    std::int32_t EinstellungNachOben = 3;        // K
    std::int32_t EinstellungNachUnten = -3;      // K
    std::int32_t AbsenkenStandbyHeizen = -20;    // 0.1 K
    std::int32_t AbsenkenNachtHeizen = -40;
    std::int32_t AnhebenStandbyKuehlen = 20;
    std::int32_t AnhebenNachtKuehlen = 40;
    std::int32_t AbsenkenStandbyHeizenRk2 = -20;
    std::int32_t AbsenkenNachtHeizenRk2 = -40;
    std::int32_t AnhebenStandbyKuehlenRk2 = 20;
    std::int32_t AnhebenNachtKuehlenRk2 = 40;

private:
    // What the controller function says about the page, read anew for each use.
    struct TReglerStand {
        bool zweiRegelkreise = false;
        int betriebsart = 0;
        bool anzeigetastenNutzbar = false; // level access not 0 and operation not always locked
    };

    TReglerFunktion* GetReglerFunktion() const;
    // False without controller function or when the question for the level access fails.
    bool ReadReglerStand(TReglerStand& stand) const;
    void ReadMainRecord(const TDatenStruktur& record);
    void ReadAdditionalRecord(const TDatenStruktur& record);
    void AddRows(TDrawGridSE* grid, const TReglerStand& stand, bool flag);
    // A spin value that goes through the step rounding afterwards.
    template <typename TMember>
    void ChangeSteppedValue(TMember& member, TMember value, int column, int row);
};
