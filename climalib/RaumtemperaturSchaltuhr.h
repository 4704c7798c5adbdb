#pragma once

#include "climalib/ClimaDataObject.h"
#include "climalib/SchaltDaten.h"
#include "outside/datacore/EnumDataBasis.h"

#include <cstdint>
#include <string>

// The room-temperature time switch: whether it works, whether and with which polarity it can be
// locked through a communication object, and 28 switching times. The switching times live in
// the map MapSchaltDaten (keys 1 to 28, always all of them), which the program's switching-time
// editor changes in place; the record keeps the settings, two additional records the packed
// switching times (keys 1-14 and 15-28 in Param1…Param14).
class TRaumtemperaturSchaltuhr final : public TClimaDataObject {
public:
    static constexpr int Typ = 6581; // DT_RAUMTEMPERATUR_SCHALTUHR
    enum TTag : int { tagRaumtempSchaltuhrAktiv = 0, tagSperrenUeberObjekt = 1, tagPolaritaetSperrobjekt = 2 };
    // The lock object and the position base of its data object.
    static constexpr int ObjektSperre = 3600;
    static constexpr int PositionBaseSperre = -100;
    static constexpr int AnzahlSchaltDaten = 28;
    static constexpr int SchaltDatenJeDatensatz = 14;

    TRaumtemperaturSchaltuhr(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                             const std::string& name, std::int32_t handle);
    ~TRaumtemperaturSchaltuhr() override;

    bool GlobalParameterEnabled() const override { return true; }
    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    // Copies the lock polarity into another device's record when it is marked and the target's
    // time switch is active: 4 written (or nothing marked), -9 no table or target, or an
    // inactive target (message: "Raumtemperatur-Schaltuhr nicht aktiv!").
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;

    T_DB_EnumDataBasis::TEnumBool GetValueOfRaumtempSchaltuhrAktiv() const;
    // The map itself; the caller may change the entries in place and replace the whole content.
    TMapSchaltDaten* GetPointerMapSchaltDaten();
    // Hour, minute, day and mode of the slot into out (first set to 0; out's Reserve stays);
    // false for a key that is not a slot.
    bool GetSchaltDatenStructFromMap(int key, tagSchaltDaten& out) const;
    // The packed slot, -1 for a key that is not a slot.
    int GetSchaltDatenIntFromMap(int key) const;
    // Sets hour, minute, day and mode of an existing slot from the packed value; false (nothing
    // changed or added) for a key that is not a slot or a negative value.
    bool InsertSchaltDatenIntToMap(int key, int packed);
    static tagSchaltDaten IntToSchaltDaten(int packed);
    static int SchaltDatenToInt(const tagSchaltDaten& schaltDaten);

    // The lock object 3600 exists while the switch is active and lockable.
    bool ModifyRaumtempSchaltuhrSperrObjekt(bool remove, bool ask);
    bool CreateObjects();
    bool DeleteObjects();
    // The device adapts the key and rocker functions to the time switch (asking the user).
    bool CallModifyTastenWippenFunktion();
    // The device takes over whether the time switch is active.
    bool CallModifyRaumtempSchaltuhrAktivValue();
    void SetGlobalParameter();

    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void GridEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditOverflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridSpinEditUnderflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridExit(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridEllipseClick(TObject* sender, TCell& cell, int column, int row);

    // Shared with the program, which reads RaumtempSchaltuhrAktiv and edits MapSchaltDaten.
    T_DB_EnumDataBasis::TEnumBool RaumtempSchaltuhrAktiv = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool SperrenUeberObjekt = T_DB_EnumDataBasis::Nein;
    std::int8_t PolaritaetSperrobjekt = 1; // 0 locks with 0, 1 locks with 1
    TMapSchaltDaten MapSchaltDaten;

private:
    // Keys 1 to 28, all free.
    void ClearMapSchaltDaten();
    bool SperrObjektVorhanden() const;
};
