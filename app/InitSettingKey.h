#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The [Initialisierung] settings of new devices, one set per device type. Every reader and
// writer forms the keys here: base word + "_" + "bu" + the whole type-number text. A reader
// falls back to "bu" + the last two characters of the type number when that key is absent, so
// that settings written that way before keep working.
namespace InitSetting {

// "bu" + the whole type-number text.
std::string Word(const std::string& typeNumberText);
// "bu" + the last two characters of the type-number text (all of it when shorter).
std::string FormerWord(const std::string& typeNumberText);
// The key the value of the base word is found under in the file: the whole word's when it is
// there, else the former word's when that is there, else the whole word's.
std::string ReadKey(const std::string& iniFile, std::string_view base, const std::string& typeNumberText);
// The key a value is written under.
std::string WriteKey(std::string_view base, const std::string& typeNumberText);
// The default initialisation file: the program's folder + "Init/default." + the whole word.
std::string DefaultFile(const std::string& programFolder, const std::string& typeNumberText);

} // namespace InitSetting
