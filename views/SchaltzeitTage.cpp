#include "views/SchaltzeitTage.h"

#include "app/Spredit.h"

namespace schaltzeit {
namespace {

constexpr std::int16_t wtMontag = 1;
constexpr std::int16_t wtSamstag = 6;
constexpr std::int16_t wtSonntag = 7;
constexpr std::int16_t wtWerktage = 8;
constexpr std::int16_t wtWochenende = 9;
constexpr std::int16_t wtTaeglich = 10;

const std::string& Abkuerzung(int tag)
{
    using namespace Spredit;
    static const std::array<const std::string*, 7> texte{&Text9162, &Text9157, &Text9161, &Text9158,
                                                         &Text9160, &Text9163, &Text9164};
    return *texte[static_cast<std::size_t>(tag)];
}

bool Werktage(const TTage& tage)
{
    return tage[0] && tage[1] && tage[2] && tage[3] && tage[4];
}

} // namespace

std::vector<std::int16_t> GetListEnumWochentag(const TTage& tage)
{
    std::vector<std::int16_t> codes;
    for (int tag = 0; tag < 5; ++tag)
        if (tage[static_cast<std::size_t>(tag)])
            codes.push_back(static_cast<std::int16_t>(wtMontag + tag));
    const bool werktage = Werktage(tage);
    if (werktage)
        codes = {wtWerktage};
    if (tage[5] && tage[6]) {
        if (werktage)
            codes = {wtTaeglich};
        else
            codes.push_back(wtWochenende);
    } else {
        if (tage[5])
            codes.push_back(wtSamstag);
        if (tage[6])
            codes.push_back(wtSonntag);
    }
    return codes;
}

int GetGrpWochentage(const TTage& tage)
{
    if (tage == TageDerGruppe(tgTaeglich))
        return tgTaeglich;
    if (tage == TageDerGruppe(tgWerktage))
        return tgWerktage;
    if (tage == TageDerGruppe(tgWochenende))
        return tgWochenende;
    return tgBenutzerdefiniert;
}

std::string GetDaysStringFromEnum(int wochentag)
{
    TTage tage{};
    if (wochentag >= wtMontag && wochentag <= wtSonntag)
        tage[static_cast<std::size_t>(wochentag - wtMontag)] = true;
    else if (wochentag == wtWerktage)
        tage = TageDerGruppe(tgWerktage);
    else if (wochentag == wtWochenende)
        tage = TageDerGruppe(tgWochenende);
    else if (wochentag == wtTaeglich)
        tage = TageDerGruppe(tgTaeglich);
    return GetDaysStringFromChkBx(tage);
}

std::string GetDaysStringFromChkBx(const TTage& tage)
{
    std::string text;
    for (int tag = 0; tag < 7; ++tag)
        if (tage[static_cast<std::size_t>(tag)])
            text += Abkuerzung(tag) + " ";
    return text;
}

TTage TageDerGruppe(int gruppe)
{
    switch (gruppe) {
    case tgTaeglich:
        return {true, true, true, true, true, true, true};
    case tgWerktage:
        return {true, true, true, true, true, false, false};
    case tgWochenende:
        return {false, false, false, false, false, true, true};
    default:
        return {};
    }
}

} // namespace schaltzeit
