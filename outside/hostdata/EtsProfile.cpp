#include "outside/hostdata/EtsProfile.h"

#include "outside/hostlink/Ets2Cdi.h"

#include <cstdlib>

bool TEtsProfile::Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                       std::string& value) const
{
    if (link_ == nullptr || !link_->ProfileReadable(section, key))
        return false;
    std::string stored;
    value = link_->GetProfileString(section, key, stored) ? stored : defaultValue;
    return true;
}

bool TEtsProfile::Read(const std::string& section, const std::string& key, bool defaultValue, bool& value) const
{
    std::int32_t number = 0;
    if (!Read(section, key, std::int32_t{defaultValue ? 1 : 0}, number))
        return false;
    value = number != 0;
    return true;
}

bool TEtsProfile::Read(const std::string& section, const std::string& key, std::int32_t defaultValue,
                       std::int32_t& value) const
{
    std::string text;
    if (!Read(section, key, std::to_string(defaultValue), text))
        return false;
    value = static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10));
    return true;
}

bool TEtsProfile::Write(const std::string& section, const std::string& key, const std::string& value) const
{
    return link_ != nullptr && link_->SetProfileString(section, key, value);
}

bool TEtsProfile::Write(const std::string& section, const std::string& key, bool value) const
{
    return Write(section, key, std::string(value ? "1" : "0"));
}

bool TEtsProfile::Write(const std::string& section, const std::string& key, std::int32_t value) const
{
    return Write(section, key, std::to_string(value));
}

bool TEtsProfile::Write(const std::string& section, const std::string& key, unsigned long value) const
{
    return Write(section, key, std::to_string(value));
}
