#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The weekdays of a switching time: the seven day boxes (Monday first), their compression into
// weekday codes (0 free, 1 to 7 one day, 8 Monday to Friday, 9 Saturday and Sunday, 10 every
// day) and the texts of both. Shared by the two switching-time editors.
namespace schaltzeit {

using TTage = std::array<bool, 7>;

// Day groups, in the order of the radio items.
enum TTagesGruppe : int { tgBenutzerdefiniert = 0, tgTaeglich = 1, tgWerktage = 2, tgWochenende = 3 };

// The ticked days as the fewest weekday codes, one per switching time: working days first (one
// code each, or 8 for all five), then 9 for the weekend, or 10 for all seven.
std::vector<std::int16_t> GetListEnumWochentag(const TTage& tage);
// 1 all seven days, 2 exactly Monday to Friday, 3 exactly Saturday and Sunday, else 0.
int GetGrpWochentage(const TTage& tage);
// "Mo Di " …: the abbreviation of every day of the code, each followed by a blank; empty for 0
// and codes above 10.
std::string GetDaysStringFromEnum(int wochentag);
// The same for the ticked days.
std::string GetDaysStringFromChkBx(const TTage& tage);
// The days a group item ticks.
TTage TageDerGruppe(int gruppe);

} // namespace schaltzeit
