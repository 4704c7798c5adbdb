#include "dialogs/project/GlobalParameterTable.h"

#include "outside/tablebox/DrawGridSE.h"

#include <algorithm>
#include <array>

namespace {

constexpr int TableColumns = 3;

std::string CellText(const TDrawGridSE& grid, int column, int row)
{
    const TCell* cell = grid.GetCell(column, row);
    return cell ? cell->Text : std::string();
}

} // namespace

std::string SetNewStringLength(const std::string& text, int width)
{
    if (width <= 0)
        return {};
    std::string result = text.substr(0, static_cast<std::size_t>(width));
    result.resize(static_cast<std::size_t>(width), ' ');
    return result;
}

bool ParamTableToStringList(const TDrawGridSE* grid, std::vector<std::string>* list)
{
    if (list)
        list->clear();
    if (!list || !grid || grid->GetColCount() > TableColumns)
        return false;
    const int columns = grid->GetColCount();
    std::array<int, TableColumns> widths{};
    for (int row = 0; row < grid->GetRowCount(); ++row) {
        for (int column = 0; column < columns; ++column)
            widths[column] = std::max(widths[column], static_cast<int>(CellText(*grid, column, row).size()));
    }
    std::string frame = "+";
    for (const int width : widths)
        frame += std::string(static_cast<std::size_t>(width), '-') + "+";

    list->push_back(frame);
    for (int row = 0; row < grid->GetRowCount(); ++row) {
        if (row > 0)
            list->push_back(frame);
        std::string line = "|";
        for (int column = 0; column < columns; ++column)
            line += SetNewStringLength(CellText(*grid, column, row), widths[column]) + "|";
        list->push_back(line);
    }
    list->push_back(frame);
    return true;
}
