#pragma once

#include "outside/keyplan/FunktionsContainer.h"

#include <cstdint>
#include <string>

// The rocker of a key pair, with its function. Its communication objects have the display
// order 2100 + 100 × (rocker number − 1).
class TTsWippe : public TFunktionsContainer {
public:
    static constexpr int Typ = 6568; // DT_TS_WIPPE

    TTsWippe(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
             std::int32_t number, std::int32_t handle);
    ~TTsWippe() override;

    int GetDisplayOrder() const override { return 2100 + 100 * (Nummer - 1); }
    std::int32_t GetWippenNummer() const { return Nummer; }
    // What the display shows while the left or the right half of the rocker is chosen.
    std::string GetTastenHilfeText1() const { return "Wippe " + std::to_string(Nummer) + " links"; }
    std::string GetTastenHilfeText2() const { return "Wippe " + std::to_string(Nummer) + " rechts"; }

protected:
    bool IsOwnFunktion(int typ) const override;
    int StandardFunktion() const override;
    int KeineFunktion() const override;
    const std::string& FunktionCaption() const override;
};
