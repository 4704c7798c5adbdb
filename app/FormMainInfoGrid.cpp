#include "app/FormMain.h"

#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "outside/tablebox/DrawGridSE.h"
#include "platform/TraceLog.h"

// The hidden menu entry t1: the system object's parameter grid as plain text.

void TFormMain::t1Click()
{
    LOG_FKT_START("TFormMain::t1Click");
    TDataBasis* system = AktDevInst != nullptr ? AktDevInst->GetDevice() : nullptr;
    if (system == nullptr)
        return;
    TDrawGridSE grid;
    system->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    std::string text;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        for (int column = 0; column < grid.GetColCount(); ++column) {
            const TCell* cell = grid.GetCell(column, row);
            text += (cell != nullptr ? cell->Text : std::string()) + ",";
        }
        text += "\n";
    }
    ShowMessageBox(text, "", 0);
}
