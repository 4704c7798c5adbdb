#pragma once

#include "climalib/ClimaDataObject.h"
#include "outside/datacore/EnumDataBasis.h"

#include <cstdint>
#include <vector>

// What the room-temperature measurement of the controller and that of the controller extension
// unit share: the sensor choice and weighting, the sensor calibrations, polling and sending, the
// temperature alarm with its two limits, the external-sensor and alarm objects, the one record,
// paste and the global parameters. The two classes differ in where the number of control
// circuits comes from, in the sensor choices the grid offers and in the check of a global-
// parameter target.
class TRaumtemperaturMessungBasis : public TClimaDataObject {
public:
    // Grid rows; a tag is also the index of its global parameter.
    enum TTag : int {
        tagTemperaturErfassung = 0,
        tagMesswertbildung = 1,
        tagAbgleichInternerFuehler = 2,
        tagAbgleichExternerFuehler = 3,
        tagAbfragezeitExternerFuehler = 4,
        tagSendenBeiAenderung = 5,
        tagZyklischesSenden = 6,
        tagTemperaturalarmUeberObjekt = 7,
        tagUntererTemperaturwert = 8,
        tagObererTemperaturwert = 9,
    };
    // Communication objects (display orders) and their position bases.
    static constexpr int ObjektExternerTempFuehler = 3010;
    static constexpr int PositionExternerTempFuehler = -300;
    static constexpr int ObjektTemperaturalarmA = 4500;
    static constexpr int PositionTemperaturalarmA = -200;
    static constexpr int ObjektTemperaturalarmB = 4550;
    static constexpr int PositionTemperaturalarmB = -100;

    bool IsVisible() const override { return GetAccessMode(); }
    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    bool Paste(TRecordTable* table, std::string& message) override;
    bool GlobalParameterEnabled() const override { return true; }
    // 4 written; 0 or -9 as the class's target check answers; -9 without table or target.
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;

    // Grid handlers: the combo rows switch objects, the spin rows store numbers and limits.
    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void GridEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditOverflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridSpinEditUnderflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridExit(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridEllipseClick(TObject* sender, TCell& cell, int column, int row);

    bool ModifyExternerTempFuehlerObjekt(bool remove, bool ask);
    // Asks whenever ask is set, also when the objects are being added.
    bool ModifyTemperaturalarmObjekte(bool remove, bool ask);
    void SetGlobalParameter();

    // Sensor choice: 0 internal, 1 external, 2 internal and external.
    std::int8_t TemperaturErfassung = 0;
    // Weighting internal to external, 0 to 8: internal (v + 1) × 10 %.
    std::int8_t Messwertbildung = 4;
    T_DB_EnumDataBasis::TEnumBool TemperaturalarmUeberObjekt = T_DB_EnumDataBasis::Nein;
    std::int32_t AbgleichInternerFuehler = 0;  // 0.1 K
    std::int32_t AbgleichExternerFuehler = 0;  // 0.1 K
    std::int32_t AbfragezeitExternerFuehler = 0; // min, 0 = inactive
    std::int32_t SendenBeiAenderung = 3;       // 0.1 K, 0 = no automatic sending
    std::int32_t ZyklischesSenden = 15;        // min, 0 = inactive
    double UntererTemperaturwert = 7.0;        // °C, kept below the upper limit by the grid
    double ObererTemperaturwert = 35.0;        // °C

protected:
    TRaumtemperaturMessungBasis(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                const std::string& name, std::int32_t handle, const TClassInfo& info);
    ~TRaumtemperaturMessungBasis() override;

    // What each class exports under its own name.
    bool CreateObjects();
    bool DeleteObjects();
    bool ModifyValueExternerTempFuehler(bool ask);
    // The sensor choice falls back to the internal sensor.
    bool ModifyValueTemperaturErfassung(bool unused);

    // The number of control circuits that rows and external sensor follow (0 one, 1 two);
    // false when it cannot be had: the grid stays empty and no sensor object is switched on.
    virtual bool GetRegelkreise(std::uint8_t& circuits) const = 0;
    // The choices of the sensor row.
    virtual std::vector<TComboWert> TemperaturErfassungItems() const = 0;
    // Whether the target record may take this object's global parameters: 1 yes, else the
    // answer of WriteGlobalParameter (0 or -9).
    virtual int CheckGlobalParameterTarget(const TRecordTable& table, const TDatenStruktur& target,
                                           std::string& message) const = 0;

private:
    void ReadSettings(const TDatenStruktur& record);
    bool UsesExternalSensor(std::uint8_t circuits) const;
    // A new lower or upper limit from the spin editor; refused with the warning when it would not
    // keep lower below upper.
    void ChangeLimit(bool lower, double value, int column, int row);
    void RefuseLimit(const std::string& text, int column, int row) const;
};
