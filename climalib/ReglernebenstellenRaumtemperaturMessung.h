#pragma once

#include "climalib/RaumtemperaturMessungBasis.h"

#include <cstdint>

namespace T_DB_EnumReglernebenstellenRaumtemperaturMessung {
enum TEnumTemperaturErfassung : std::int8_t {
    InternerFuehler = 0,
    ExternerFuehler = 1, // not offered; a stored or pasted 1 acts as the external sensor
    InternerUndExternerFuehler = 2,
};
// Weighting internal to external.
enum TEnumMesswertbildung : std::int8_t {
    Intern10Extern90 = 0,
    Intern20Extern80 = 1,
    Intern30Extern70 = 2,
    Intern40Extern60 = 3,
    Intern50Extern50 = 4,
    Intern60Extern40 = 5,
    Intern70Extern30 = 6,
    Intern80Extern20 = 7,
    Intern90Extern10 = 8,
};
} // namespace T_DB_EnumReglernebenstellenRaumtemperaturMessung

// "Raumtemperaturmessung" of the controller extension unit: the twin of the controller's
// measurement that depends on no other data object. Its sensor row offers the internal sensor
// and both sensors; the external sensor's object follows the sensor choice alone.
class TReglernebenstellenRaumtemperaturMessung final : public TRaumtemperaturMessungBasis {
public:
    static constexpr int Typ = 6594; // DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG
    static constexpr int Icon = 41;
    static constexpr int QuickHelpOffset = 1650;

    TReglernebenstellenRaumtemperaturMessung(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                             const std::string& name, std::int32_t handle);
    ~TReglernebenstellenRaumtemperaturMessung() override;

    // The device creates and deletes the object's communication objects.
    bool CreateObjects();
    bool DeleteObjects();
    // The external sensor's object after a change of the controller.
    bool ModifyValueExternerTempFuehler(bool ask);
    // The sensor choice falls back to the internal sensor.
    bool ModifyValueTemperaturErfassung(bool unused);

protected:
    bool GetRegelkreise(std::uint8_t& circuits) const override;
    std::vector<TComboWert> TemperaturErfassungItems() const override;
    int CheckGlobalParameterTarget(const TRecordTable& table, const TDatenStruktur& target,
                                           std::string& message) const override;
};
