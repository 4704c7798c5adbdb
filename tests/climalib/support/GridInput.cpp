#include "tests/climalib/support/GridInput.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace climatest {

std::vector<int> RowTags(const TDrawGridSE& grid)
{
    std::vector<int> tags;
    for (int row = 0; row < grid.GetRowCount(); ++row)
        tags.push_back(grid.GetCell(0, row)->Tag);
    return tags;
}

std::vector<bool> RowFlags(const TDrawGridSE& grid)
{
    std::vector<bool> flags;
    for (int row = 0; row < grid.GetRowCount(); ++row)
        flags.push_back(grid.GetCell(1, row)->Flag);
    return flags;
}

std::vector<int> ChoiceValues(const TDrawGridSE& grid, int tag)
{
    std::vector<int> values;
    for (const TComboWert& choice : grid.GetCell(1, grid.FindRow(tag))->Choices)
        values.push_back(choice.Value);
    return values;
}

void ChooseItem(TDrawGridSE& grid, int tag, int itemIndex)
{
    const int row = grid.FindRow(tag);
    ASSERT_NE(row, -1) << "no row " << tag;
    grid.SetActiveCell(1, row);
    grid.ChooseItem(itemIndex);
}

void ChooseValue(TDrawGridSE& grid, int tag, int value)
{
    const int row = grid.FindRow(tag);
    ASSERT_NE(row, -1) << "no row " << tag;
    const std::vector<int> values = ChoiceValues(grid, tag);
    const auto item = std::find(values.begin(), values.end(), value);
    ASSERT_NE(item, values.end()) << "no choice " << value << " in row " << tag;
    grid.SetActiveCell(1, row);
    grid.ChooseItem(static_cast<int>(item - values.begin()));
}

void SpinAndLeave(TDrawGridSE& grid, int tag, double value)
{
    const int row = grid.FindRow(tag);
    ASSERT_NE(row, -1) << "no row " << tag;
    grid.SetActiveCell(1, row);
    grid.SpinTo(value);
    grid.LeaveCell();
}

} // namespace climatest
