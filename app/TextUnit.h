#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The loader of one block of user texts into the block's named text constants.
//
// The constants are the slots of a fixed array, one per id from the block's first id on. The
// unit counts its initialisations: the first Init loads every slot from the block's source,
// later ones load nothing again; only the Fin that balances the first Init empties the slots.
// An id the block lacks leaves its slot empty.
class TTextUnit {
public:
    using SourceFunction = std::string_view (*)();

    constexpr TTextUnit(SourceFunction source, std::int32_t firstId, std::span<std::string> slots)
        : Source(source), FirstId(firstId), Slots(slots)
    {
    }
    TTextUnit(const TTextUnit&) = delete;
    TTextUnit& operator=(const TTextUnit&) = delete;

    void Init();
    void Fin();

    // 0 before the first Init and after the balancing Fin; -n while n Inits are open.
    int Counter() const { return InitCount; }

private:
    SourceFunction Source;
    std::int32_t FirstId;
    std::span<std::string> Slots;
    int InitCount = 0;
};

// Runs a unit's Init at static initialisation and its Fin at static finalisation. Define it
// after the unit's slots so that it is finalised before them.
class TTextUnitLifetime {
public:
    explicit TTextUnitLifetime(TTextUnit& unit) : Unit(unit) { Unit.Init(); }
    ~TTextUnitLifetime() { Unit.Fin(); }
    TTextUnitLifetime(const TTextUnitLifetime&) = delete;
    TTextUnitLifetime& operator=(const TTextUnitLifetime&) = delete;

private:
    TTextUnit& Unit;
};
