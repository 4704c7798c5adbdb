#pragma once

#include <string_view>

// The blocks of the string table as compiled into the program: the UTF-8 source text of
// resources/strings/<block>.txt, generated at build time.
namespace StringBlocks {

std::string_view Sprfaultbox();
std::string_view Sprdatacore();
std::string_view Spraddrlink();
std::string_view Sprcheckga();
std::string_view Spredit();
std::string_view Sprsysfunc();
std::string_view Sprlkextmodults();
std::string_view Sprclimalib();
std::string_view Sprscenefunc();
std::string_view Sprclockfunc();
std::string_view Sprremotefunc();

} // namespace StringBlocks
