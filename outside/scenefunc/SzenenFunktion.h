#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

namespace T_DB_EnumSzenenFunktion {

// What an output of the scenes sends.
enum TEnumDatentyp : std::uint8_t { dtSchalten = 0, dtWert = 1, dtJalousie = 2 };
// The range of a value output.
enum TEnumWerteTyp : std::uint8_t { wtByte = 0, wtProzent = 1 };

} // namespace T_DB_EnumSzenenFunktion

// The scene function: the outputs that its scenes switch, with the data type and value type of
// each. Before a data type or value type changes it asks the device (codes 24 and 25: the user
// is asked about the scenes concerned), then lets the scenes adapt (code 21: the output is
// deactivated after a new data type, its value reset after a new value type); a refusal puts
// the old type back. It can ask for one more scene (code 23) and for the deletion of all
// (code 22). Its communication object has the display order 4060.
//
// Record: Param2 number of outputs, Param3 to Param10 data type of outputs 1 to 8, Param11 to
// Param18 value type of outputs 1 to 8, Bool1 storing scenes allowed.
class TSzenenFunktion : public TParameterObjekt {
public:
    static constexpr int Typ = 6582; // DT_SZENEN_FUNKTION
    static constexpr int MaxAusgaenge = 8;
    static constexpr int DisplayOrder = 4060;
    // Tags of output n: tagDatentyp + n - 1 and tagWerteTyp + n - 1.
    enum TTag : int { tagAnzahlAusgaenge = 1, tagSzeneSpeichern, tagDatentyp = 10, tagWerteTyp = 20 };

    TSzenenFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                    std::int32_t handle);
    ~TSzenenFunktion() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    // Eight switching outputs, storing allowed.
    virtual void SetDefaultValues();
    virtual bool CreateObjects();
    virtual bool DeleteObjects();
    // Ask the device for one more scene, and for the deletion of all scenes.
    bool CallCreateSzenenInstanz();
    bool CallDeleteSzenenInstanzen();

    std::int32_t GetAnzahlAusgaenge() const { return AnzahlAusgaenge; }
    // Output n (1 to 8); 0 for any other number.
    std::uint8_t GetDatentyp(int output) const;
    std::uint8_t GetWerteTyp(int output) const;
    bool GetSzeneSpeichern() const { return SzeneSpeichern; }

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;
    // Asks (code 24 or 25) and lets the scenes adapt (code 21 with deactivate).
    bool ChangeAusgang(std::uint8_t& member, int value, int output, std::uint8_t askCode, bool deactivate);

    std::int32_t AnzahlAusgaenge = MaxAusgaenge;
    std::uint8_t Datentyp[MaxAusgaenge] = {};
    std::uint8_t WerteTyp[MaxAusgaenge] = {};
    bool SzeneSpeichern = true;
};
