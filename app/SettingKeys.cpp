#include "app/SettingKeys.h"

std::string IndexedKey(std::string_view word, std::int32_t index)
{
    return std::string(word) + std::to_string(index);
}

std::string SuffixedKey(std::string_view word, std::string_view suffix)
{
    std::string key(word);
    key += '_';
    key += suffix;
    return key;
}
