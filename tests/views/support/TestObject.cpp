#include "tests/views/support/TestObject.h"

#include "outside/datacore/E_Basis.h"
#include "outside/tablebox/DrawGridSE.h"

#include <QApplication>

namespace viewstest {

TTestObject::TTestObject(std::int32_t handle, std::int32_t parent, int typ, const std::string& name, int posId)
    : TDataBasis(0, 1, parent, name, handle), Typ(typ)
{
    SetPosId(posId);
}

void TTestObject::BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row)
{
    Builds.push_back({list != nullptr, flag, column, row, QApplication::focusWidget()});
    if (!grid)
        return;
    for (const int help : HelpNumbers) {
        const int line = grid->AddRow();
        TCell caption;
        caption.Text = "Parameter " + std::to_string(help);
        caption.HelpNumber = help;
        grid->SetCell(0, line, caption);
        TCell value;
        value.Text = "Wert";
        value.Kind = TCell::ckEdit;
        value.ReadOnly = false;
        value.HelpNumber = help;
        grid->SetCell(1, line, value);
    }
}

std::string TTestObject::GetName(bool qualified) const
{
    if (ThrowOnName)
        throw E_Basis(3, "no name", Name, __FILE__, __LINE__, "E_Basis");
    return TDataBasis::GetName(qualified);
}

bool TTestObject::AllowDrop(TDataBasis* source) const
{
    if (!ThrowOnAllowDrop.empty())
        throw E_Basis(1, ThrowOnAllowDrop, Name, __FILE__, __LINE__, "E_Basis");
    return Accepts.count(source) > 0;
}

void TTestObject::Drop(TDataBasis* source)
{
    Dropped.push_back(source);
    if (!ThrowOnDrop.empty())
        throw E_Basis(2, ThrowOnDrop, Name, __FILE__, __LINE__, "E_Basis");
}

TDataBasis* TTestObject::GetChildObject(int index, bool) const
{
    if (index < 0 || index >= static_cast<int>(SubObjects.size()))
        return nullptr;
    return SubObjects[static_cast<std::size_t>(index)];
}

} // namespace viewstest
