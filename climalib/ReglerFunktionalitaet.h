#pragma once

#include "climalib/ClimaDataObject.h"

#include <cstdint>

namespace T_DB_EnumReglerFunktionalitaet {
enum TEnumBetriebsmodusNachReset : std::int8_t {
    BetriebsmodusVorReset = 0,
    Komfortbetrieb = 1,
    StandbyBetrieb = 2,
    Nachtbetrieb = 3,
    FrostHitzeschutzbetrieb = 4,
};
enum TEnumAnwesenheitsErfassung : std::int8_t { Keine = 0, UeberObjekt = 1 };
enum TEnumArtPraesenzErfassung : std::int8_t { Praesenztaste = 0, Praesenzmelder = 1 };
} // namespace T_DB_EnumReglerFunktionalitaet

// "Funktionalität" of the room-temperature controller: the operating mode after a reset and the
// presence detection with its object. Changes of the presence settings first have the device
// adapt the key and rocker functions of the push-button sensor.
class TReglerFunktionalitaet final : public TClimaDataObject {
public:
    static constexpr int Typ = 6578; // DT_REGLER_FUNKTIONALITAET
    static constexpr int Icon = 40;
    static constexpr int QuickHelpOffset = 980;
    enum TTag : int {
        tagBetriebsmodusNachReset = 0,
        tagAnwesenheitsErfassung = 1,
        tagArtPraesenzErfassung = 2,
        tagDauerKomfortverlaengerung = 3,
    };
    static constexpr int ObjektPraesenz = 3070;
    static constexpr int PositionPraesenz = -100;

    TReglerFunktionalitaet(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                           const std::string& name, std::int32_t handle);
    ~TReglerFunktionalitaet() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    bool Paste(TRecordTable* table, std::string& message) override;
    bool GlobalParameterEnabled() const override { return true; }
    // 4 written; 0 the target's controller differs; -9 no table, target or controller, or the
    // duration is marked but the target uses a presence detector (message 14215).
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;

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
    bool ModifyPraesenzObjekt(bool remove, bool ask);
    // Has the device adapt the key and rocker functions to the presence settings; false when the
    // user declined or a key failed.
    bool CallModifyTastenWippenFunktionValues();
    std::int8_t GetValueOfAnwesenheitsErfassung() const;
    std::int8_t GetValueOfArtPraesenzErfassung() const;
    void SetGlobalParameter();

    std::int8_t BetriebsmodusNachReset = T_DB_EnumReglerFunktionalitaet::Komfortbetrieb;
    std::int8_t AnwesenheitsErfassung = T_DB_EnumReglerFunktionalitaet::Keine;
    std::int8_t ArtPraesenzErfassung = T_DB_EnumReglerFunktionalitaet::Praesenztaste;
    std::int32_t DauerKomfortverlaengerung = 30; // min, 0 = off

private:
    void ReadSettings(const TDatenStruktur& record);
    // The presence detection changed: ask about the object first when it is about to go, then
    // the key functions, then switch the object.
    bool ChangeAnwesenheitsErfassung(TChangeMarks& marks);
};
