#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <map>
#include <string>

namespace T_DB_EnumSchaltuhr {

// Day code of a switching time; 0 marks a free slot.
enum TEnumWochentag : std::int16_t {
    wtUnbenutzt = 0,
    wtMontag = 1,
    wtDienstag = 2,
    wtMittwoch = 3,
    wtDonnerstag = 4,
    wtFreitag = 5,
    wtSamstag = 6,
    wtSonntag = 7,
    wtWerktage = 8,
    wtWochenende = 9,
    wtTaeglich = 10,
};

// What the time switch sends.
enum TEnumDatenFormat : std::uint8_t { dfSchalten = 0, dfWert = 1, dfSzenenabruf = 2 };
// The range of a value.
enum TEnumWerteTyp : std::uint8_t { wtyProzent = 1, wtyByte = 2 };

} // namespace T_DB_EnumSchaltuhr

// One switching time of a time switch: five 16-bit words, shared in place with the program's
// switching-time editor.
struct tagSchaltuhrDaten {
    std::int16_t Stunde = 0;
    std::int16_t Minute = 0;
    std::int16_t Wochentag = 0;  // T_DB_EnumSchaltuhr::TEnumWochentag
    std::int16_t DatenFormat = 0; // T_DB_EnumSchaltuhr::TEnumDatenFormat
    std::int16_t Wert = 0;
    bool operator==(const tagSchaltuhrDaten&) const = default;
};

using TMapSchaltuhrDaten = std::map<int, tagSchaltuhrDaten>;

// Time switch 1 or 2: whether it works, what it sends, whether it can be locked through a
// communication object, and 14 switching times. The switching times live in a map (keys 1 to
// 14) that the program's editor changes in place. Its communication objects have the display
// orders 3510 + 20 × (number − 1) and, while it can be locked, 3520 + 20 × (number − 1); a lock
// switched on or off in its grid asks the device for the object (the device asks the user
// before a linked one goes), and a refusal puts the old setting back.
//
// Record: Param2 data format, Param3 number, Param4 value type, Param5 active, Param6 lock
// polarity, Bool1 lock through an object. Two additional records (Next) hold the switching
// times, seven each: slot key k in Param(2k - 1) as day × 2^24 + format × 2^16 + hour × 2^8 +
// minute (-1 for a free slot) and its value in Param(2k).
class TSchaltuhr : public TParameterObjekt {
public:
    static constexpr int Typ = 6584; // DT_SCHALTUHR
    static constexpr int AnzahlSchaltzeiten = 14;
    static constexpr int SchaltzeitenJeDatensatz = 7;
    enum TTag : int { tagAktiv = 1, tagDatenFormat, tagWerteTyp, tagSperren, tagPolaritaet };

    TSchaltuhr(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
               std::int32_t number, std::int32_t handle);
    ~TSchaltuhr() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    virtual bool CreateObjects();
    virtual bool DeleteObjects();

    std::int32_t GetSchaltuhrNummer() const { return Nummer; }
    std::uint8_t GetDatenFormat() const { return DatenFormat; }
    std::uint8_t GetWerteTyp() const { return WerteTyp; }
    bool GetAktiv() const { return Aktiv; }
    bool GetSperrenUeberObjekt() const { return SperrenUeberObjekt; }
    // What the display shows for the time switch: "Uhr", its number and whether it works.
    std::string GetText() const { return "Uhr " + std::to_string(Nummer) + (Aktiv ? " ein" : " aus"); }
    // The map itself; the caller may change the entries in place and replace the whole content.
    TMapSchaltuhrDaten* GetPointerMapSchaltDaten() { return &MapSchaltDaten; }

    int DisplayOrderSchaltobjekt() const { return 3510 + 20 * (Nummer - 1); }
    int DisplayOrderSperrobjekt() const { return 3520 + 20 * (Nummer - 1); }

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;
    // Keys 1 to 14, all free.
    void ClearMapSchaltDaten();

    std::int32_t Nummer;
    std::uint8_t DatenFormat = T_DB_EnumSchaltuhr::dfSchalten;
    std::uint8_t WerteTyp = T_DB_EnumSchaltuhr::wtyByte;
    bool Aktiv = true;
    bool SperrenUeberObjekt = false;
    std::int32_t Polaritaet = 1;
    TMapSchaltuhrDaten MapSchaltDaten;
};
