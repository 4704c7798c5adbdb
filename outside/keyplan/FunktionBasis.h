#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <memory>
#include <string>

// The function of a key or a rocker: the values it sends when pressed and when released. The
// key or rocker that owns it makes it, registers it with the device and keeps the communication
// objects; a function has none of its own.
//
// Record: Param2 value on press, Param3 value on release.
class TFunktionBasis : public TParameterObjekt {
public:
    enum TTag : int { tagFunktion = 1, tagWertDruecken, tagWertLoslassen };

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    // Takes the values of the table's record of the function's type.
    bool Paste(TRecordTable* table, std::string& message) override;

    std::int32_t GetWertDruecken() const { return WertDruecken; }
    std::int32_t GetWertLoslassen() const { return WertLoslassen; }

protected:
    TFunktionBasis(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t handle, int typ);

    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::int32_t WertDruecken = 1;
    std::int32_t WertLoslassen = 0;
};

// The key and rocker functions, one class per type number.
template <int TypNr>
class TTastenWippenFunktion : public TFunktionBasis {
public:
    static constexpr int Typ = TypNr;

    TTastenWippenFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                          const std::string& name, std::int32_t handle)
        : TFunktionBasis(windowHandle, system, parent, name, handle, TypNr)
    {
    }
};

using TTastenFunktionKeineFkt = TTastenWippenFunktion<6557>;              // DT_TASTEN_FUNKTION_KEINE_FKT
using TTastenFunktionSchalten = TTastenWippenFunktion<6558>;              // DT_TASTEN_FUNKTION_SCHALTEN
using TTastenFunktionDimmen = TTastenWippenFunktion<6559>;                // DT_TASTEN_FUNKTION_DIMMEN
using TTastenFunktionJalousie = TTastenWippenFunktion<6560>;              // DT_TASTEN_FUNKTION_JALOUSIE
using TTastenFunktionAudiosteuerung = TTastenWippenFunktion<6561>;        // DT_TASTEN_FUNKTION_AUDIOSTEUERUNG
using TTastenFunktionSzenennebenstelle = TTastenWippenFunktion<6562>;     // DT_TASTEN_FUNKTION_SZENENNEBENSTELLE
using TTastenFunktionWertgeber = TTastenWippenFunktion<6563>;             // DT_TASTEN_FUNKTION_WERTGEBER
using TTastenFunktionAnalogWertgeber = TTastenWippenFunktion<6564>;       // DT_TASTEN_FUNKTION_ANALOG_WERTGEBER
using TTastenFunktionReglerBedienung = TTastenWippenFunktion<6565>;       // DT_TASTEN_FUNKTION_REGLER_BEDIENUNG
using TTastenFunktionRaumtempSchaltuhr = TTastenWippenFunktion<6566>;     // DT_TASTEN_FUNKTION_RAUMTEMP_SCHALTUHR
using TTastenFunktionSchaltuhrBedienung = TTastenWippenFunktion<6567>;    // DT_TASTEN_FUNKTION_SCHALTUHR_BEDIENUNG
using TTastenFunktionZweiTelegramme = TTastenWippenFunktion<6587>;        // DT_TASTEN_FUNKTION_ZWEI_TELEGRAMME
using TTastenFunktionReglernebenstelle = TTastenWippenFunktion<6588>;     // DT_TASTEN_FUNKTION_REGLERNEBENSTELLE
using TTastenFunktionSollwertverschiebung = TTastenWippenFunktion<6589>;  // DT_TASTEN_FUNKTION_SOLLWERTVERSCHIEBUNG
using TWippenFunktionKeineFkt = TTastenWippenFunktion<6569>;              // DT_WIPPEN_FUNKTION_KEINE_FKT
using TWippenFunktionSchalten = TTastenWippenFunktion<6570>;              // DT_WIPPEN_FUNKTION_SCHALTEN
using TWippenFunktionDimmen = TTastenWippenFunktion<6571>;                // DT_WIPPEN_FUNKTION_DIMMEN
using TWippenFunktionJalousie = TTastenWippenFunktion<6572>;              // DT_WIPPEN_FUNKTION_JALOUSIE
using TWippenFunktionReglerBedienung = TTastenWippenFunktion<6573>;       // DT_WIPPEN_FUNKTION_REGLER_BEDIENUNG
using TWippenFunktionUniversalwertgeber = TTastenWippenFunktion<6574>;    // DT_WIPPEN_FUNKTION_UNIVERSALWERTGEBER
using TWippenFunktionZweiTelegramme = TTastenWippenFunktion<6591>;        // DT_WIPPEN_FUNKTION_ZWEI_TELEGRAMME
using TWippenFunktionReglernebenstelle = TTastenWippenFunktion<6592>;     // DT_WIPPEN_FUNKTION_REGLERNEBENSTELLE

namespace KeyplanFunktionen {

// What a function type needs of the device besides the key sensor.
enum class TBedarf : std::uint8_t { Nichts, Regler, Reglernebenstelle, RaumtempSchaltuhr, Schaltuhr };

bool IsTastenFunktion(int typ);
bool IsWippenFunktion(int typ);
// The caption of a key or rocker function type; empty for any other type.
const std::string& Caption(int typ);
TBedarf Bedarf(int typ);
// The function of that type with its constructor's arguments; none for a type that is no key
// or rocker function.
std::unique_ptr<TFunktionBasis> Create(int typ, platform::HWND windowHandle, std::int32_t system,
                                       std::int32_t parent, const std::string& name, std::int32_t handle);

} // namespace KeyplanFunktionen
