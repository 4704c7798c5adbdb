#include "outside/viewkit/CharacterMap.h"

#include <functional>
#include <ostream>

TCharacterMap::TCharacterMap(std::initializer_list<std::pair<int, std::vector<std::uint32_t>>> characters)
{
    std::size_t rows = 0;
    for (const auto& character : characters)
        rows += character.second.size();
    reserve(characters.size(), rows);
    for (const auto& [code, characterRows] : characters)
        insert(code, characterRows);
}

bool TCharacterMap::IsOwnRows(TRows rows) const
{
    const std::less<const std::uint32_t*> before;
    return !rows.empty() && !before(rows.data(), rows_.data()) && before(rows.data(), rows_.data() + rows_.size());
}

bool TCharacterMap::insert(int code, TRows rows)
{
    if (IsOwnRows(rows)) {
        const std::vector<std::uint32_t> copy(rows.begin(), rows.end());
        return insert(code, copy);
    }
    if (index_.empty() || index_.back().Code < code) {
        index_.push_back({code, rows_.size(), rows.size()});
        rows_.insert(rows_.end(), rows.begin(), rows.end());
        return true;
    }
    const auto at = Lower(code);
    if (at->Code == code)
        return false;
    const auto place = index_.begin() + (at - index_.cbegin());
    const std::size_t first = place->First;
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(first), rows.begin(), rows.end());
    for (auto later = place; later != index_.end(); ++later)
        later->First += rows.size();
    index_.insert(place, {code, first, rows.size()});
    return true;
}

void TCharacterMap::append(int firstCode, std::size_t rowsEach, TRows rows)
{
    if (rowsEach == 0)
        return;
    const std::size_t count = rows.size() / rowsEach;
    if ((!index_.empty() && index_.back().Code >= firstCode) || IsOwnRows(rows)) {
        for (std::size_t i = 0; i < count; ++i)
            insert(firstCode + static_cast<int>(i), rows.subspan(i * rowsEach, rowsEach));
        return;
    }
    for (std::size_t i = 0; i < count; ++i)
        index_.push_back({firstCode + static_cast<int>(i), rows_.size() + i * rowsEach, rowsEach});
    rows_.insert(rows_.end(), rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(count * rowsEach));
}

void PrintTo(const TCharacterMap& map, std::ostream* out)
{
    *out << '{';
    const char* separator = "";
    for (const auto& [code, rows] : map) {
        *out << separator << code << ": [";
        for (std::size_t i = 0; i < rows.size(); ++i)
            *out << (i ? ", " : "") << rows[i];
        *out << ']';
        separator = ", ";
    }
    *out << '}';
}
