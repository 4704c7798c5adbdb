#pragma once

#include "climalib/RaumtemperaturMessungBasis.h"

#include <cstdint>

class TReglerFunktion;

namespace T_DB_EnumReglerRaumtemperaturMessung {
enum TEnumTemperaturErfassung : std::int8_t {
    InternerFuehler = 0,
    ExternerFuehler = 1,
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
} // namespace T_DB_EnumReglerRaumtemperaturMessung

// "Raumtemperaturmessung" of the room-temperature controller. With two control circuits the
// second circuit measures with the external sensor: the sensor choice is hidden and the external
// sensor's object exists whatever the choice. The controller function is asked on every use.
class TReglerRaumtemperaturMessung final : public TRaumtemperaturMessungBasis {
public:
    static constexpr int Typ = 6579; // DT_REGLER_RAUMTEMPERATUR_MESSUNG
    static constexpr int Icon = 41;
    static constexpr int QuickHelpOffset = 990;

    TReglerRaumtemperaturMessung(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                 const std::string& name, std::int32_t handle);
    ~TReglerRaumtemperaturMessung() override;

    // The device creates and deletes the object's communication objects.
    bool CreateObjects();
    bool DeleteObjects();
    // The external sensor's object after a change of the controller.
    bool ModifyValueExternerTempFuehler(bool ask);
    // The sensor choice falls back to the internal sensor.
    bool ModifyValueTemperaturErfassung(bool unused);

protected:
    // False without a controller function.
    bool GetRegelkreise(std::uint8_t& circuits) const override;
    std::vector<TComboWert> TemperaturErfassungItems() const override;
    // -9 without own controller or without the target's controller record; 0 when the two
    // controllers differ in circuits or operating type.
    int CheckGlobalParameterTarget(const TRecordTable& table, const TDatenStruktur& target,
                                           std::string& message) const override;

private:
    TReglerFunktion* GetReglerFunktion() const;
};
