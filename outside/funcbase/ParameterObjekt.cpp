#include "outside/funcbase/ParameterObjekt.h"

#include "outside/funcbase/ValueRows.h"

TParameterObjekt::TParameterObjekt(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                   const std::string& name, std::int32_t handle, const TClassInfo& info)
    : TDataBasis(windowHandle, system, parent, name, handle), info_(info)
{
}

void TParameterObjekt::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool /*flag*/, int column, int row)
{
    if (!ValueRows::Begin(grid))
        return;
    AddRows(*grid);
    ValueRows::Bind(
        *grid, *this, GetEventGuard(), [this](int tag, int value) { return ChangeValue(tag, value); },
        [this](int tag) { EllipseClick(tag); });
    ValueRows::End(*this, column, row);
}

bool TParameterObjekt::StoreRecord()
{
    TDatenStruktur* record = Requests.GetOwnRecord();
    if (!record)
        return false;
    Write(*record);
    return true;
}
