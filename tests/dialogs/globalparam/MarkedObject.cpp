#include "tests/dialogs/globalparam/MarkedObject.h"

#include "device/DatenManager.h"
#include "outside/tablebox/DrawGridSE.h"

#include <memory>

namespace globalparamtest {

TMarkedObject::TMarkedObject(std::int32_t handle, int posId, int style)
    : TDataBasis(0, 1, 0, "Messung", handle), Style(style)
{
    SetPosId(posId);
    auto sollwert = std::make_unique<TGlobalParameter>();
    sollwert->DependentCellTags = {tagGrenze};
    InsertGlobalParameterDataIntoMap(tagSollwert, std::move(sollwert));
    InsertGlobalParameterDataIntoMap(tagGrenze, std::make_unique<TGlobalParameter>());
    InsertGlobalParameterDataIntoMap(tagBetrieb, std::make_unique<TGlobalParameter>());
}

void TMarkedObject::BuildInfoWindow(TDrawGridSE* grid, TListView*, bool, int, int)
{
    if (grid)
        grid->SetColCount(GetGlobalParameterMode() ? 3 : 2);
    AddRowSpinEdit(grid, "Sollwert", tagSollwert, 30, 5, 1, Sollwert, 0, true);
    AddRowSpinEdit(grid, "Grenze", tagGrenze, 30, 5, 1, 25, 0, true);
    AddRowComboBoxYes(grid, "Betrieb", tagBetrieb, Betrieb, 0, true);
}

int TMarkedObject::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message)
{
    if (Answer != 0) {
        message = Message;
        return Answer;
    }
    if (!table || !target)
        return -9;
    WriteParameter(target->Param2, Sollwert, tagSollwert);
    for (auto& [key, record] : table->GetRecords()) {
        if (record.Parent == target->Handle)
            WriteParameter(record.Param3, Betrieb, tagBetrieb);
    }
    message.clear();
    return 4;
}

} // namespace globalparamtest
