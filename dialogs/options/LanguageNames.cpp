#include "dialogs/options/LanguageNames.h"

#include <map>

namespace {

inline constexpr std::int32_t LocaleSystemDefault = 0x0800;

// The locales of the device languages, as the platform would name them for a German user.
const std::map<std::int32_t, std::string>& LanguageTable()
{
    static const std::map<std::int32_t, std::string> table{
        {0x0405, "Tschechisch"},
        {0x0406, "D\xE4nisch"},
        {0x0407, "Deutsch (Deutschland)"},
        {0x0408, "Griechisch"},
        {0x0409, "Englisch (Vereinigte Staaten)"},
        {0x040A, "Spanisch (Spanien)"},
        {0x040B, "Finnisch"},
        {0x040C, "Franz\xF6sisch (Frankreich)"},
        {0x040E, "Ungarisch"},
        {0x0410, "Italienisch (Italien)"},
        {0x0413, "Niederl\xE4ndisch (Niederlande)"},
        {0x0414, "Norwegisch (Bokmal)"},
        {0x0415, "Polnisch"},
        {0x0416, "Portugiesisch (Brasilien)"},
        {0x0419, "Russisch"},
        {0x041D, "Schwedisch"},
        {0x041F, "T\xFCrkisch"},
        {0x0807, "Deutsch (Schweiz)"},
        {0x0809, "Englisch (Vereinigtes K\xF6nigreich)"},
        {0x0C07, "Deutsch (\xD6sterreich)"},
        {LocaleSystemDefault, "Deutsch (Deutschland)"},
    };
    return table;
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string GetLanguageFromLCID(std::int32_t lcid)
{
    const auto found = LanguageTable().find(lcid == 0 ? LocaleSystemDefault : lcid);
    if (found == LanguageTable().end())
        return {};
    return Trimmed(found->second.substr(0, found->second.find('(')));
}
