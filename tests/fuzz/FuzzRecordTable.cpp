// Record-table text: loaded whole or refused with E_DatenManager; a table loaded is saved to text
// that loads to as many records, and it can be sorted and filtered by its fields.
#include "device/DatenManager.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using TTable = TDatenManager<TDatenStruktur>;
    std::unique_ptr<TTable> table;
    try {
        table = std::make_unique<TTable>(reinterpret_cast<const char*>(data), size);
    } catch (const E_DatenManager&) {
        return 0;
    }
    platform::TMemoryStream saved;
    table->SaveToStream(saved);
    const TTable again(&saved);
    FUZZ_CHECK(again.Count() == table->Count());

    table->Sort("Typ");
    std::size_t walked = 0;
    for (const TDatenStruktur* record = table->First(); record; record = table->Next())
        ++walked;
    FUZZ_CHECK(walked == table->Count());
    if (const TDatenStruktur* first = table->First()) {
        TTable* children = table->FilterFeldName("Parent", first->Parent);
        FUZZ_CHECK(children && children->Count() >= 1);
        delete children;
    }
    return 0;
}
