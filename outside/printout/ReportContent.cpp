#include "outside/printout/ReportContent.h"

#include "outside/datacore/DataBasis.h"
#include "outside/tablebox/DrawGridSE.h"
#include "views/ImageList.h"
#include "views/TreeView.h"

#include <algorithm>

namespace {

constexpr int IconSize = 16;

int LevelOf(const TTreeNode& node)
{
    int level = 0;
    for (const TTreeNode* parent = node.Parent(); parent != nullptr; parent = parent->Parent())
        ++level;
    return level;
}

std::vector<TReportRow> RowsOf(TDataBasis* object, TDrawGridSE& grid)
{
    std::vector<TReportRow> rows;
    if (object == nullptr)
        return rows;
    grid.Clear();
    object->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        TReportRow line;
        line.Fixed = row < grid.GetFixedRows();
        for (int column = 0; column < grid.GetColCount(); ++column) {
            const TCell* cell = grid.GetCell(column, row);
            line.Cells.push_back(cell != nullptr ? cell->Text : std::string());
        }
        if (std::any_of(line.Cells.begin(), line.Cells.end(), [](const std::string& text) { return !text.empty(); }))
            rows.push_back(std::move(line));
    }
    grid.Clear();
    return rows;
}

} // namespace

std::vector<TReportItem> GatherReportItems(const TTreeView* tree, TDrawGridSE* grid, const TImageList* images)
{
    std::vector<TReportItem> items;
    if (tree == nullptr)
        return items;
    for (const TTreeNode* node : tree->Nodes()) {
        TReportItem item;
        item.Level = LevelOf(*node);
        item.Text = node->Text();
        if (images != nullptr && node->ImageIndex() >= 0)
            item.Icon = images->Image(node->ImageIndex()).pixmap(IconSize, IconSize).toImage();
        if (grid != nullptr)
            item.Rows = RowsOf(node->Data(), *grid);
        items.push_back(std::move(item));
    }
    return items;
}
