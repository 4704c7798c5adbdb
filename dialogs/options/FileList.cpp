#include "dialogs/options/FileList.h"

#include "platform/Cp1252.h"

#include <QDir>

#include <algorithm>

std::vector<std::string> FindFiles(const std::string& pattern)
{
    const std::size_t slash = pattern.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string(".") : pattern.substr(0, slash + 1);
    const std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    QDir dir(platform::ToQString(folder));
    dir.setNameFilters({platform::ToQString(mask)});
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Name);
    std::vector<std::string> names;
    for (const QString& name : dir.entryList())
        names.push_back(platform::FromQString(name));
    std::sort(names.begin(), names.end());
    return names;
}
