#include "tests/product/support/StandInFixture.h"

#include "outside/datacore/EibHandle.h"

#include <algorithm>
#include <cmath>
#include <list>

namespace producttest {

StandInFixture::StandInFixture()
{
    window.SetDevice(&device);
    device.EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    auto owned = std::make_unique<TTalvoSystem>(Window(), 0, 0, "Talvo", 4711, -1, 0, false);
    owned->SetAnzahlTasten(Keys);
    system = Register(std::move(owned));
    device.SetDevice(system);
    WriteRecord(*system);
}

TDatenStruktur& StandInFixture::WriteRecord(TDataBasis& object)
{
    TDatenStruktur& record = *device.GetDatenSatz(&object);
    object.Write(record);
    return record;
}

std::vector<const TDatenStruktur*> StandInFixture::Chain(const TDatenStruktur& record) const
{
    std::vector<const TDatenStruktur*> chain;
    for (std::int32_t next = record.Next; next != 0;) {
        const TDatenStruktur* chained = device.FindRecord(record.System, next);
        if (!chained)
            break;
        chain.push_back(chained);
        next = chained->Next;
    }
    return chain;
}

void StandInFixture::Build(TDataBasis& object)
{
    grid.Clear();
    object.BuildInfoWindow(&grid, nullptr, false, -1, -1);
}

void StandInFixture::Choose(TDataBasis& object, int tag, int value)
{
    Build(object);
    const int row = grid.FindRow(tag);
    ASSERT_GE(row, 0) << "no row with tag " << tag;
    const TCell* cell = grid.GetCell(1, row);
    ASSERT_EQ(cell->Kind, TCell::ckComboBox) << tag;
    const auto it = std::find_if(cell->Choices.begin(), cell->Choices.end(),
                                 [value](const TComboWert& item) { return item.Value == value; });
    ASSERT_NE(it, cell->Choices.end()) << "no item with value " << value;
    grid.SetActiveCell(1, row);
    grid.ChooseItem(static_cast<int>(it - cell->Choices.begin()));
}

double StandInFixture::Shown(TDataBasis& object, int tag)
{
    Build(object);
    const int row = grid.FindRow(tag);
    EXPECT_GE(row, 0) << "no row with tag " << tag;
    return row < 0 ? -1 : grid.GetCell(1, row)->Value;
}

std::vector<std::string> StandInFixture::Snapshot(TDataBasis& object)
{
    Build(object);
    std::vector<std::string> rows;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        const TCell* caption = grid.GetCell(0, row);
        const TCell* value = grid.GetCell(1, row);
        rows.push_back((caption ? caption->Text : "") + " = " + (value ? value->Text : ""));
    }
    grid.Clear();
    return rows;
}

int StandInFixture::ChangeEveryRow(TDataBasis& object)
{
    Build(object);
    std::vector<int> tags;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        const TCell* cell = grid.GetCell(1, row);
        if (cell && cell->IsEditable() && cell->Kind != TCell::ckEdit)
            tags.push_back(cell->Tag);
    }
    for (const int tag : tags) {
        Build(object);
        const int row = grid.FindRow(tag);
        if (row < 0)
            continue; // an earlier change took the row away
        const TCell cell = *grid.GetCell(1, row);
        grid.SetActiveCell(1, row);
        if (cell.Kind == TCell::ckComboBox) {
            const auto current = std::find_if(cell.Choices.begin(), cell.Choices.end(), [&cell](const TComboWert& i) {
                return i.Value == static_cast<int>(std::lround(cell.Value));
            });
            const auto index = current == cell.Choices.end() ? 0 : current - cell.Choices.begin();
            grid.ChooseItem(static_cast<int>((index + 1) % static_cast<std::ptrdiff_t>(cell.Choices.size())));
        } else {
            grid.SpinTo(cell.Value < cell.MaxValue ? cell.Value + 1 : cell.Value - 1);
        }
    }
    grid.Clear();
    return static_cast<int>(tags.size());
}

} // namespace producttest
