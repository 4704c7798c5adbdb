#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>
#include <vector>

// The infrared remote control: whether the receiver works, the address of the remote control
// and, for each of the device's keys, what its infrared key does. It has no communication
// objects of its own.
//
// Record: Param2 key count, Param3 address, Param4 to Param13 the functions of keys 1 to 10,
// Bool1 receiver active.
class TIrFernbedienung : public TParameterObjekt {
public:
    static constexpr int Typ = 6586; // DT_IR_FERNBEDIENUNG
    static constexpr int MaxTasten = 10;
    // Tag of key k: tagTaste + k - 1.
    enum TTag : int { tagEmpfaengerAktiv = 1, tagAdresse, tagTaste = 10 };
    // What an infrared key does.
    enum TEnumFunktion : std::int32_t {
        fnKeine = 0,
        fnSchalten = 1,
        fnDimmen = 2,
        fnJalousie = 3,
        fnSzenenabruf = 4,
        fnWertgeber = 5,
    };

    // The settings of one key.
    struct tagRecParamTastsensorTaste {
        std::int32_t Funktion = fnKeine;
        bool operator==(const tagRecParamTastsensorTaste&) const = default;
    };

    // keys: the device's key count; the remote control serves at most ten of them.
    TIrFernbedienung(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                     std::int32_t keys, std::int32_t handle);
    ~TIrFernbedienung() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    // Receiver on, address 1, every key switching.
    virtual void SetDefaultValues();

    std::int32_t GetAnzahlTasten() const { return AnzahlTasten; }
    bool GetEmpfaengerAktiv() const { return EmpfaengerAktiv; }
    std::int32_t GetAdresse() const { return Adresse; }
    const std::vector<tagRecParamTastsensorTaste>& GetTasten() const { return Tasten; }

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::int32_t AnzahlTasten;
    bool EmpfaengerAktiv = false;
    std::int32_t Adresse = 1;
    std::vector<tagRecParamTastsensorTaste> Tasten;
};
