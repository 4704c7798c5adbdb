#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The checks a data block from a file passes before it may replace a device's data: every
// section it opens closed again, the Version and DB sections present, every record line
// readable, a system record, handles the device can carry and none twice, and every chained
// record present. The same checks the open of a stored block applies.
class TDataBlockCheck {
public:
    // systemTyp: the type of the record that must be there; 0 asks for none.
    explicit TDataBlockCheck(std::int16_t systemTyp) : systemTyp_(systemTyp) {}

    // Empty when the block is sound; else what is wrong, as the message names it.
    std::string Problem(std::string_view block) const;

private:
    std::string SectionProblem(std::string_view block) const;
    std::string RecordProblem(std::string_view records) const;

    std::int16_t systemTyp_;
};
