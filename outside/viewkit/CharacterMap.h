#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <iterator>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

// The character table of the device display: character code -> its pixel rows, one word per
// row, in ascending order of code. The rows of all characters lie in one table, found through
// an index sorted by code, so a whole character set takes a few allocations however many
// characters it has.
class TCharacterMap {
    struct TEntry {
        int Code;
        std::size_t First;
        std::size_t Count;
        bool operator==(const TEntry&) const = default;
    };

public:
    // The rows of one character; valid until the map changes.
    using TRows = std::span<const std::uint32_t>;

    // One character as the iteration gives it.
    struct TCharacter {
        int Code;
        TRows Rows;
    };

    // Walks the characters in ascending order of code; yields each character by value.
    class const_iterator {
    public:
        using iterator_concept = std::forward_iterator_tag;
        using iterator_category = std::input_iterator_tag;
        using value_type = TCharacter;
        using difference_type = std::ptrdiff_t;
        using reference = TCharacter;

        // Gives operator-> an object to point at.
        struct TArrow {
            TCharacter Character;
            const TCharacter* operator->() const { return &Character; }
        };

        const_iterator() = default;

        TCharacter operator*() const { return {entry_->Code, TRows(rows_ + entry_->First, entry_->Count)}; }
        TArrow operator->() const { return {**this}; }
        const_iterator& operator++()
        {
            ++entry_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const const_iterator before = *this;
            ++entry_;
            return before;
        }
        bool operator==(const const_iterator& other) const { return entry_ == other.entry_; }

    private:
        friend class TCharacterMap;
        const_iterator(const TEntry* entry, const std::uint32_t* rows) : entry_(entry), rows_(rows) {}

        const TEntry* entry_ = nullptr;
        const std::uint32_t* rows_ = nullptr;
    };

    using iterator = const_iterator;
    using value_type = TCharacter;
    using size_type = std::size_t;

    TCharacterMap() = default;
    // A code given twice keeps its first rows, as in a map.
    TCharacterMap(std::initializer_list<std::pair<int, std::vector<std::uint32_t>>> characters);

    bool operator==(const TCharacterMap&) const = default;

    bool empty() const { return index_.empty(); }
    size_type size() const { return index_.size(); }
    size_type count(int code) const { return contains(code) ? 1 : 0; }
    bool contains(int code) const { return find(code) != end(); }

    const_iterator begin() const { return {index_.data(), rows_.data()}; }
    const_iterator end() const { return {index_.data() + index_.size(), rows_.data()}; }

    // The character with the code; end() when there is none.
    const_iterator find(int code) const
    {
        const auto found = Lower(code);
        return found != index_.end() && found->Code == code ? const_iterator(&*found, rows_.data()) : end();
    }

    // The rows of the character with the code; std::out_of_range when there is none.
    TRows at(int code) const
    {
        const auto found = find(code);
        if (found == end())
            throw std::out_of_range("TCharacterMap::at: no character with this code");
        return found->Rows;
    }

    void clear()
    {
        index_.clear();
        rows_.clear();
    }

    // Room for this many characters and rows in all without a new allocation.
    void reserve(size_type characters, size_type rows)
    {
        index_.reserve(characters);
        rows_.reserve(rows);
    }

    // Adds the character with its rows; false, the map unchanged, when the code is there. A code
    // above every other one is appended without a search.
    bool insert(int code, TRows rows);

    // Adds characters of consecutive codes from firstCode on, rowsEach rows each, taken in turn
    // from rows (rows left over are dropped). With firstCode above every code in the map, the
    // rows are appended at once; otherwise each character is inserted.
    void append(int firstCode, std::size_t rowsEach, TRows rows);

private:
    // Whether the rows lie in this map's own table, which may move while it grows.
    bool IsOwnRows(TRows rows) const;

    std::vector<TEntry>::const_iterator Lower(int code) const
    {
        return std::lower_bound(index_.begin(), index_.end(), code,
                                [](const TEntry& entry, int wanted) { return entry.Code < wanted; });
    }

    // Sorted by code; the rows of each entry follow those of the one before it in rows_.
    std::vector<TEntry> index_;
    std::vector<std::uint32_t> rows_;
};

// Prints the map as {code: [rows...], ...}, for test failures.
void PrintTo(const TCharacterMap& map, std::ostream* out);
