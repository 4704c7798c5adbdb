#pragma once

#include "outside/printout/ReportRecords.h"

#include <QImage>

#include <string>
#include <vector>

class TDrawGridSE;
class TImageList;
class TTreeView;

// One row of a function's parameter grid: its cells' texts; a fixed row is a title row.
struct TReportRow {
    std::vector<std::string> Cells;
    bool Fixed = false;
};

// One tree item: its level (0 at the top), its icon, its text and the rows of its parameters.
struct TReportItem {
    int Level = 0;
    QImage Icon;
    std::string Text;
    std::vector<TReportRow> Rows;
};

// Everything a report prints, copied from the objects it was given, so that it can be printed
// again after they are gone.
struct TReportContent {
    std::string Header;
    std::vector<TReportItem> Items;
    TCharBitmaps Characters;
};

// The tree's items in tree order; each data object fills the grid with its parameters, whose
// non-empty rows are taken. No tree gives no items; no grid gives no rows; no images no icons.
std::vector<TReportItem> GatherReportItems(const TTreeView* tree, TDrawGridSE* grid, const TImageList* images);
