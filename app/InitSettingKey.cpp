#include "app/InitSettingKey.h"

#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "device/SharedTextConstants.h"

namespace InitSetting {

std::string Word(const std::string& typeNumberText)
{
    return EXT_BU + typeNumberText;
}

std::string FormerWord(const std::string& typeNumberText)
{
    const std::size_t size = typeNumberText.size();
    return EXT_BU + (size > 2 ? typeNumberText.substr(size - 2) : typeNumberText);
}

std::string ReadKey(const std::string& iniFile, std::string_view base, const std::string& typeNumberText)
{
    const std::string whole = SuffixedKey(base, Word(typeNumberText));
    const TMyRegistry settings;
    if (settings.IniValueExists(iniFile, SECTION_INITIALISIERUNG, whole))
        return whole;
    const std::string former = SuffixedKey(base, FormerWord(typeNumberText));
    return settings.IniValueExists(iniFile, SECTION_INITIALISIERUNG, former) ? former : whole;
}

std::string WriteKey(std::string_view base, const std::string& typeNumberText)
{
    return SuffixedKey(base, Word(typeNumberText));
}

std::string DefaultFile(const std::string& programFolder, const std::string& typeNumberText)
{
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + "Init/default." + Word(typeNumberText);
}

} // namespace InitSetting
