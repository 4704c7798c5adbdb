#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

// The key-sensor function: the root of the device's keys. It keeps the key help.
//
// Record: Param2 key help shown, Param3 how long it is shown (seconds).
class TTastsensorFunktion : public TParameterObjekt {
public:
    static constexpr int Typ = 6552; // DT_TASTSENSOR_FUNKTION
    enum TTag : int { tagTastenHilfe = 1, tagAnzeigedauer };

    TTastsensorFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                        const std::string& name, std::int32_t handle);
    ~TTastsensorFunktion() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    std::int32_t GetTastenHilfe() const { return TastenHilfe; }
    std::int32_t GetAnzeigedauer() const { return Anzeigedauer; }

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::int32_t TastenHilfe = 0;
    std::int32_t Anzeigedauer = 5;
};
