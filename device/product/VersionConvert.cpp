// The conversion of the predecessor program's records.
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

#include <cstdint>
#include <memory>

namespace {

constexpr std::int32_t LOG_LEVEL_CONVERSION = 1536;

// One row of a block: a communication object whose display order is Display (and whose device
// parameter value is 1 when WhenOn is set) moves from object number OldNumber to NewNumber, and
// to the display order NewDisplay unless that is 0. The display order moves whether the number
// did or not.
struct TConversionRow {
    std::int32_t Display;
    bool WhenOn;
    std::int32_t OldNumber;
    std::int32_t NewNumber;
    std::int32_t NewDisplay;
};

// The communication objects below the first record of a type (and, for time switches, of a
// time-switch number).
struct TConversionBlock {
    std::int16_t ParentTyp;
    std::int32_t SwitchNumber; // Param3 of the time switch; 0 for the other types
    const TConversionRow* Rows;
    std::size_t RowCount;
};

constexpr TConversionRow SystemRows[] = {
    {3300, false, 52, 57, 0},
    {3305, false, 53, 58, 0},
    {3400, true, 68, 73, 4100},
};
constexpr TConversionRow RoomTimeSwitchRows[] = {
    {3350, true, 58, 63, 3600},
};
constexpr TConversionRow MeasurementRows[] = {
    {3500, true, 69, 79, 4500},
    {3550, true, 70, 80, 4550},
};
constexpr TConversionRow SceneRows[] = {
    {4010, false, 59, 64, 0}, {4020, false, 60, 65, 0}, {4030, false, 61, 66, 0},
    {4040, false, 62, 67, 0}, {4050, false, 63, 68, 0}, {4060, false, 64, 69, 0},
    {4070, false, 65, 70, 0}, {4080, false, 66, 71, 0}, {4000, true, 67, 72, 4090},
};
constexpr TConversionRow TimeSwitch1Rows[] = {
    {3310, false, 54, 59, 3510},
    {3320, true, 55, 60, 3520},
};
constexpr TConversionRow TimeSwitch2Rows[] = {
    {3330, false, 56, 61, 3530},
    {3340, true, 57, 62, 3540},
};

template <std::size_t N>
constexpr TConversionBlock Block(std::int16_t parentTyp, std::int32_t switchNumber, const TConversionRow (&rows)[N])
{
    return {parentTyp, switchNumber, rows, N};
}

constexpr TConversionBlock ConversionBlocks[] = {
    Block(DT_TALVO_SYSTEM, 0, SystemRows),
    Block(DT_RAUMTEMPERATUR_SCHALTUHR, 0, RoomTimeSwitchRows),
    Block(DT_REGLER_RAUMTEMPERATUR_MESSUNG, 0, MeasurementRows),
    Block(DT_SZENEN_FUNKTION, 0, SceneRows),
    Block(DT_SCHALTUHR, 1, TimeSwitch1Rows),
    Block(DT_SCHALTUHR, 2, TimeSwitch2Rows),
};

// The Handle of the block's parent record, the first in table order; -1 when there is none.
std::int32_t ParentHandle(const TDeviceInstanz::TRecordTable& records, const TConversionBlock& block)
{
    for (const auto& [key, record] : records.GetRecords()) {
        if (record.Typ == block.ParentTyp && (block.SwitchNumber == 0 || record.Param3 == block.SwitchNumber))
            return record.Handle;
    }
    return -1;
}

void ApplyRows(TDatenStruktur& object, const TConversionBlock& block)
{
    for (std::size_t i = 0; i < block.RowCount; ++i) {
        const TConversionRow& row = block.Rows[i];
        if (object.Param16 != row.Display || (row.WhenOn && object.Param17 != 1))
            continue;
        if (object.Param4 == row.OldNumber)
            object.Param4 = row.NewNumber;
        if (row.NewDisplay != 0)
            object.Param16 = row.NewDisplay;
    }
}

// A filtered table writes its records back into the table it came from when it is deleted.
using TFiltered = std::unique_ptr<TDeviceInstanz::TRecordTable>;

void ConvertBlock(TDeviceInstanz::TRecordTable& records, const TConversionBlock& block)
{
    const std::int32_t parent = ParentHandle(records, block);
    if (parent == -1)
        return; // no such parent: nothing below it to convert
    const TFiltered children(records.Filter("Parent", parent));
    if (!children || children->Count() == 0)
        return;
    // Declared after its parent table: deleted first, so that its changes reach the records.
    const TFiltered objects(children->Filter("Typ", static_cast<std::int16_t>(DT_ETS_OBJEKT)));
    if (!objects)
        return;
    for (TDatenStruktur* object = objects->First(); object; object = objects->Next())
        ApplyRows(*object, block);
}

} // namespace

bool TDeviceInstanzTalvo::VersionConvertDBData(TRecordTable* /*records*/, int& /*major*/, int& /*minor*/)
{
    LOG_FKT_START_LEVEL("TDeviceInstanzTalvo::VersionConvertDBData", LOG_LEVEL_CONVERSION);
    return false;
}

bool TDeviceInstanzTalvo::VersionConvertTalvoDBData(TRecordTable* records, int& major, int& minor)
{
    LOG_FKT_START_LEVEL("TDeviceInstanzTalvo::VersionConvertTalvoDBData", LOG_LEVEL_CONVERSION);
    if (!records)
        return false;
    if (major != 0 && minor != 1)
        return false;
    try {
        for (const TConversionBlock& block : ConversionBlocks)
            ConvertBlock(*records, block);
    } catch (...) {
        return false;
    }
    major = DATEN_VERSION_MAJOR;
    minor = DATEN_VERSION_MINOR;
    return true;
}
