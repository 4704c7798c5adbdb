#pragma once

#include "outside/tablebox/DrawGridSE.h"

#include <vector>

namespace climatest {

// Reading a filled parameter grid: column 0 holds each row's tag, column 1 its value cell.
// The tags of the rows and the flags they were added with, top to bottom.
std::vector<int> RowTags(const TDrawGridSE& grid);
std::vector<bool> RowFlags(const TDrawGridSE& grid);
// The values of a combo row's choices.
std::vector<int> ChoiceValues(const TDrawGridSE& grid, int tag);

// Editing a row of the tag as a user does; a missing row or choice fails the test.
// Chooses the item of that index, or the item with that value, in the row's combo box.
void ChooseItem(TDrawGridSE& grid, int tag, int itemIndex);
void ChooseValue(TDrawGridSE& grid, int tag, int value);
// Sets the row's spin editor to the value and leaves the cell.
void SpinAndLeave(TDrawGridSE& grid, int tag, double value);

} // namespace climatest
