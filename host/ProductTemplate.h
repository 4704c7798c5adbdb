#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

class TSqlDatabase;

// A communication object of the product's program: it exists on a device while the device's
// value of its parameter is Value. Texts are UTF-8; Type is the host's object type (0 = 1 bit,
// 7 = 1 byte, 8 = 2 bytes, 9 = 3 bytes, 14 = 14 bytes).
struct TTemplateObject {
    std::int32_t Value = 0;
    std::int32_t Number = 0;
    std::string Name;
    std::string FunctionText;
    std::int32_t Type = -1;
};

// A device parameter of the product's program that switches communication objects, addressed
// by its display order, with the objects of each of its values.
struct TTemplateParameter {
    std::int32_t DisplayOrder = 0;
    std::string Name;
    std::int32_t DefaultValue = 0;
    std::vector<TTemplateObject> Objects;
};

// The parameters in ascending display order: the device's fixed objects (3300 time, 3305 date,
// 4100 display), keys (100 per key), rockers (from 2100), key and rocker states, the
// controller and its extension unit (3000 to 3280, 4500, 4550), the time switches (from 3510),
// the room-temperature time switch (3600) and the scenes (4060).
const std::vector<TTemplateParameter>& ProductTemplate();

// Adds the template's parameters and communication objects to the program, and gives every
// device of the program its device parameters with their defaults and the device objects of
// those values. Throws E_Sql.
void FillProductTemplate(TSqlDatabase& db, std::int64_t programId);

} // namespace host
