#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

namespace T_DB_EnumTsBetaetigung {

// What a key pair is.
enum TEnumTastenpaar : std::uint8_t {
    tpZweiTasten = 1,
    tpWippe = 2,
};

} // namespace T_DB_EnumTsBetaetigung

// The key operation: for each of up to five key pairs whether it is two single keys or one
// rocker. A new mode in its grid asks the device to rebuild the pair (code 6); a refusal puts
// the old mode back.
//
// Record: Param2 key count, Param3 to Param7 the modes of pairs 1 to 5.
class TTsBetaetigung : public TParameterObjekt {
public:
    static constexpr int Typ = 6554; // DT_TS_BETAETIGUNG
    static constexpr int MaxTastenpaare = 5;
    // Tag of pair p: tagTastenpaar + p - 1.
    enum TTag : int { tagTastenpaar = 1 };

    TTsBetaetigung(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t keys, std::int32_t handle);
    ~TTsBetaetigung() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    std::int32_t GetAnzahlTasten() const { return AnzahlTasten; }
    // The mode of pair p (1 to 5); 0 for any other number.
    std::uint8_t GetValueOfTastenpaar(int pair) const;
    std::uint8_t GetValueOfTastenpaar1() const { return GetValueOfTastenpaar(1); }
    std::uint8_t GetValueOfTastenpaar2() const { return GetValueOfTastenpaar(2); }
    std::uint8_t GetValueOfTastenpaar3() const { return GetValueOfTastenpaar(3); }
    std::uint8_t GetValueOfTastenpaar4() const { return GetValueOfTastenpaar(4); }
    std::uint8_t GetValueOfTastenpaar5() const { return GetValueOfTastenpaar(5); }

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::int32_t AnzahlTasten;
    std::uint8_t Tastenpaar[MaxTastenpaare] = {
        T_DB_EnumTsBetaetigung::tpZweiTasten, T_DB_EnumTsBetaetigung::tpZweiTasten,
        T_DB_EnumTsBetaetigung::tpZweiTasten, T_DB_EnumTsBetaetigung::tpZweiTasten,
        T_DB_EnumTsBetaetigung::tpZweiTasten};
};
