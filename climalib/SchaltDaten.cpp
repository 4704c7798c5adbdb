#include "climalib/SchaltDaten.h"

namespace {

std::uint32_t LowByte(std::int16_t word)
{
    return static_cast<std::uint32_t>(static_cast<std::uint16_t>(word)) & 0xFFu;
}

std::int16_t ByteAt(std::uint32_t value, int shift)
{
    return static_cast<std::int16_t>((value >> shift) & 0xFFu);
}

} // namespace

std::int32_t PackSchaltDaten(const tagSchaltDaten& schaltDaten)
{
    const std::uint32_t packed = (LowByte(schaltDaten.Wochentag) << 24) | (LowByte(schaltDaten.Betriebsmodus) << 16)
        | (LowByte(schaltDaten.Stunde) << 8) | LowByte(schaltDaten.Minute);
    return static_cast<std::int32_t>(packed);
}

tagSchaltDaten UnpackSchaltDaten(std::int32_t packed)
{
    tagSchaltDaten schaltDaten;
    if (packed < 0)
        return schaltDaten;
    const auto value = static_cast<std::uint32_t>(packed);
    schaltDaten.Wochentag = ByteAt(value, 24);
    schaltDaten.Betriebsmodus = ByteAt(value, 16);
    schaltDaten.Stunde = ByteAt(value, 8);
    schaltDaten.Minute = ByteAt(value, 0);
    return schaltDaten;
}

void CopySchaltZeit(const tagSchaltDaten& from, tagSchaltDaten& to)
{
    to.Stunde = from.Stunde;
    to.Minute = from.Minute;
    to.Wochentag = from.Wochentag;
    to.Betriebsmodus = from.Betriebsmodus;
}
