// A record line read with Fill: it is taken whole or refused with E_DatenStruktur, and a record
// read is written by ToString to a line that reads back to the same record (an empty Name comes
// back as the two-character text "", as the format writes it; a CR or LF inside a quoted text
// comes back as a blank) and is written to the same line.
#include "device/DatenStruktur.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// The text as a record line carries it.
std::string Blanked(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return text;
}

bool Same(const TDatenStruktur& a, const TDatenStruktur& b)
{
    const std::string name = a.Name.empty() ? std::string("\"\"") : Blanked(a.Name);
    if (a.Handle != b.Handle || name != b.Name || a.Typ != b.Typ || a.Parent != b.Parent || a.System != b.System ||
        a.Next != b.Next)
        return false;
    for (int n = 1; n <= TDatenStruktur::ParamCount; ++n)
        if (a.ParamAt(n) != b.ParamAt(n))
            return false;
    for (int n = 1; n <= TDatenStruktur::BoolCount; ++n)
        if (a.BoolAt(n) != b.BoolAt(n))
            return false;
    for (int n = 1; n <= TDatenStruktur::StringCount; ++n)
        if (Blanked(a.StringAt(n)) != b.StringAt(n))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    TDatenStruktur record;
    try {
        record.Fill(line);
    } catch (const E_DatenStruktur&) {
        return 0;
    }
    const std::string written = record.ToString();
    TDatenStruktur again;
    again.Fill(written);
    FUZZ_CHECK(Same(record, again));
    FUZZ_CHECK(again.ToString() == written);
    return 0;
}
