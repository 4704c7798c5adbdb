#pragma once

#include "device/DatenStruktur.h"
#include "outside/clockfunc/Schaltuhr.h"

#include <cstdint>
#include <memory>
#include <string>

namespace schaltzeit {

// A time switch with that number, data format and value type, and no switching times.
inline std::unique_ptr<TSchaltuhr> MachSchaltuhr(int nummer, int format, int typ)
{
    auto schaltuhr = std::make_unique<TSchaltuhr>(0, 0, 0, "Schaltuhr " + std::to_string(nummer), nummer,
                                                  40 + nummer);
    TDatenStruktur record;
    record.Typ = TSchaltuhr::Typ;
    record.Param2 = format;
    record.Param3 = nummer;
    record.Param4 = typ;
    record.Param5 = 1;
    schaltuhr->InitFromDB(record);
    return schaltuhr;
}

inline tagSchaltuhrDaten Zeit(int stunde, int minute, int tag, int format = 0, int wert = 1)
{
    return {static_cast<std::int16_t>(stunde), static_cast<std::int16_t>(minute), static_cast<std::int16_t>(tag),
            static_cast<std::int16_t>(format), static_cast<std::int16_t>(wert)};
}

} // namespace schaltzeit
