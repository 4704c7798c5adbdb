#include "app/RecoveryRules.h"

#include "platform/Cp1252.h"

#include <algorithm>

std::string NotClosedKey(const std::string& projectFolder, int deviceId)
{
    return projectFolder + "/" + std::to_string(deviceId);
}

TNotClosedOpen NotClosedOnOpen(std::vector<std::string> list, const std::string& key, const std::string& legacyId)
{
    TNotClosedOpen result;
    const auto keyed = std::count(list.begin(), list.end(), key);
    if (!legacyId.empty()) {
        const auto legacy = std::remove(list.begin(), list.end(), legacyId);
        result.Found = static_cast<int>(list.end() - legacy);
        list.erase(legacy, list.end());
    }
    result.Found += static_cast<int>(keyed);
    if (keyed == 0) {
        if (list.size() >= NotClosedLimit)
            list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(list.size() - NotClosedLimit + 1));
        list.push_back(key);
    }
    result.List = std::move(list);
    return result;
}

std::vector<std::string> NotClosedOnEnd(std::vector<std::string> list, const std::string& key)
{
    list.erase(std::remove(list.begin(), list.end(), key), list.end());
    return list;
}

bool HostVersionAtLeast(std::uint32_t version, std::uint32_t build, const std::array<std::uint16_t, 4>& minimum)
{
    const std::array<std::uint16_t, 4> host{
        static_cast<std::uint16_t>(version >> 16),
        static_cast<std::uint16_t>(version & 0xFFFF),
        static_cast<std::uint16_t>(build >> 16),
        static_cast<std::uint16_t>(build & 0xFFFF),
    };
    return host >= minimum;
}

std::string BackupDateText(const QDateTime& when, const QLocale& locale)
{
    return platform::FromQString(locale.toString(when, QStringLiteral(" MMMM d, yyyy , hh:mm")));
}
