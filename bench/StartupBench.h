#pragma once

namespace bench {

// A start-up is short and one busy moment of the machine spoils it: twice the repetitions of the
// other figures give a quiet stretch more chances, for the program and its floor alike.
inline constexpr int StartupRepetitions = 60;

} // namespace bench
