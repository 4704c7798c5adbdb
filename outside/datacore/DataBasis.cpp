#include "outside/datacore/DataBasis.h"

#include "app/Sprdatacore.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/datacore/RequestRecords.h"
#include "outside/tablebox/ComboBox.h"
#include "outside/tablebox/DrawGridSE.h"

#include <cmath>
#include <memory>

namespace {

TEibHandle* HandleTable(platform::HWND window)
{
    return reinterpret_cast<TEibHandle*>(platform::SendMessage(window, WM_USER_GETEIBHANDLE, 0, 0));
}

} // namespace

TDataBasis::TDataBasis(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                       const std::string& name, std::int32_t handle)
    : Handle(handle), Parent(parent), System(system), Name(name), WindowHandle(windowHandle)
{
    if (Handle == 0) {
        TEibHandle* table = HandleTable(WindowHandle);
        if (!table)
            throw E_Basis(1, "No handle table for a new data object.", Name, __FILE__, __LINE__, "E_Basis");
        Handle = table->GetNewHandle();
    }
}

TDataBasis::~TDataBasis() = default;

std::string TDataBasis::GetName(bool /*qualified*/) const
{
    return Name;
}

void TDataBasis::KonvertHandle(TEibHandle* /*table*/) {}

void TDataBasis::Write(TDatenStruktur& record)
{
    record.Handle = Handle;
    record.Name = Name;
    record.Typ = static_cast<std::int16_t>(GetTyp());
    record.Parent = Parent;
    record.System = System;
    record.Param1 = PosId;
}

void TDataBasis::SetPosId(int posId)
{
    PosId = posId;
}

void TDataBasis::SetPosId(TDataBasis* other)
{
    if (other)
        PosId = other->GetPosId();
}

TDataBasis* TDataBasis::GetPointerFromHandle(int handle)
{
    return handle == Handle ? this : nullptr;
}

void TDataBasis::DeleteDBEntry() {}

void TDataBasis::DeleteDS() {}

void TDataBasis::InitFromDB(const TDatenStruktur& record)
{
    Name = record.Name;
    PosId = record.Param1;
}

bool TDataBasis::Einfuegen(TRecordMap& records)
{
    for (const auto& [key, record] : records) {
        if (record.Typ == GetTyp())
            return true;
    }
    return false;
}

void TDataBasis::SorvImport(TRecordMap& /*records*/, bool /*withGroupAddresses*/) {}

bool TDataBasis::ModifyObject(int variant, int objectNumber, int position, bool ask)
{
    tagRecDatenTransport request;
    request.Handle = Handle;
    request.Code = UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER;
    request.Sender = this;
    request.DisplayOrder = static_cast<std::uint16_t>(objectNumber);
    request.Value = variant;
    request.PositionBase = position;
    request.Ask = ask ? 1 : 0;
    const platform::LRESULT result = platform::SendMessage(WindowHandle, WM_USER_DATENTRANSPORT, 0,
                                                           reinterpret_cast<platform::LPARAM>(&request));
    return static_cast<std::uint8_t>(result) != 0;
}

bool TDataBasis::Paste(TRecordTable* table, std::string& /*message*/)
{
    if (!table)
        return false;
    TRecordTable* own = table->FilterFeldName("Typ", static_cast<std::int16_t>(GetTyp()));
    if (!own)
        return false;
    const bool found = own->Count() > 0;
    delete own; // a child table of the pasted one
    return found;
}

void TDataBasis::Reset(std::string& /*message*/) {}

void TDataBasis::Import(TRecordTable* /*table*/, bool /*first*/, bool /*second*/, std::string& /*message*/,
                        int /*value*/)
{
}

void TDataBasis::SetGlobalParameterValue(int tag, tagEnumGlobalParameterValue value)
{
    TGlobalParameter* parameter = FindGlobalParameter(tag);
    if (!parameter)
        return;
    parameter->Value = value;
    SetGlobalParameterDependenciesToValue(tag, value);
}

void TDataBasis::SetGlobalParameterValue(int tag, TComboBox* comboBox)
{
    if (!comboBox || comboBox->ItemIndex < 0)
        return;
    SetGlobalParameterValue(tag, comboBox->ItemIndex == 0 ? gpvNichtAendern : gpvAendern);
}

bool TDataBasis::ChangeGlobalParameter() const
{
    if (!globalParameters_)
        return false;
    for (const auto& [tag, parameter] : *globalParameters_) {
        if (parameter->Value == gpvAendern)
            return true;
    }
    return false;
}

TDatenStruktur* TDataBasis::GetNewNebenDatensatz(TDatenStruktur* previous)
{
    if (!previous)
        return nullptr;
    TEibHandle* table = HandleTable(WindowHandle);
    if (!table)
        return nullptr;
    const std::int32_t handle = table->GetNewHandle();
    auto* record = reinterpret_cast<TDatenStruktur*>(platform::SendMessage(
        WindowHandle, WM_USER_GETDATENSATZ, MakeSystemParentParam(System, Handle), handle));
    if (!record)
        return nullptr;
    record->Handle = handle;
    record->Parent = Handle;
    record->System = System;
    record->Typ = 0; // no loader takes an additional record for a data object
    record->Next = 0;
    previous->Next = handle;
    return record;
}

TDatenStruktur* TDataBasis::GetDatensatz(std::int32_t system, std::int32_t handle)
{
    // Only a handle that the device knows can have a record; the look-up finds it in the System
    // asked for and never creates one.
    const TEibHandle* table = HandleTable(WindowHandle);
    if (!table || handle <= 0 || !table->IsInUse(handle))
        return nullptr;
    return reinterpret_cast<TDatenStruktur*>(
        platform::SendMessage(WindowHandle, WM_USER_FINDDATENSATZ, static_cast<platform::WPARAM>(system), handle));
}

int TDataBasis::MakeDoubleToInt(double value, int decimals)
{
    return static_cast<int>(std::lround(value * std::pow(10.0, decimals)));
}

double TDataBasis::MakeIntToDouble(int value, int decimals)
{
    return value / std::pow(10.0, decimals);
}

void TDataBasis::ClearGlobalParameterMap()
{
    globalParameters_.reset();
}

void TDataBasis::InsertGlobalParameterDataIntoMap(int tag, std::unique_ptr<TGlobalParameter> parameter)
{
    if (!parameter)
        return;
    if (!globalParameters_)
        globalParameters_ = std::make_unique<TGlobalParameterMap>();
    (*globalParameters_)[tag] = std::move(parameter);
}

TGlobalParameter* TDataBasis::FindGlobalParameter(int tag) const
{
    if (!globalParameters_)
        return nullptr;
    const auto it = globalParameters_->find(tag);
    return it == globalParameters_->end() ? nullptr : it->second.get();
}

const TGlobalParameter* TDataBasis::GetGlobalParameter(int tag) const
{
    return FindGlobalParameter(tag);
}

bool TDataBasis::ChangeParameter(int tag) const
{
    if (!globalParameters_)
        return false;
    for (const auto& [ownTag, parameter] : *globalParameters_) {
        if (parameter->Value != gpvAendern)
            continue;
        if (ownTag == tag || parameter->HasDependentCellTag(tag))
            return true;
    }
    return false;
}

void TDataBasis::SetGlobalParameterDependenciesToValue(int tag, tagEnumGlobalParameterValue value)
{
    const TGlobalParameter* parameter = FindGlobalParameter(tag);
    if (!parameter)
        return;
    for (const int dependent : parameter->DependentCellTags) {
        if (dependent == tag)
            continue;
        if (TGlobalParameter* other = FindGlobalParameter(dependent))
            other->Value = value;
    }
}

void TDataBasis::WriteParameter(std::int32_t& field, std::int32_t value, int tag) const
{
    if (ChangeParameter(tag))
        field = value;
}

void TDataBasis::WriteParameter(bool& field, bool value, int tag) const
{
    if (ChangeParameter(tag))
        field = value;
}

void TDataBasis::AddRowCaption(TDrawGridSE* grid, int tag, const std::string& caption, const std::string& text,
                               TCell::TEnumGroupTitleState state, bool flag)
{
    if (!grid)
        return;
    const int row = grid->AddRow();
    TCell title;
    title.Kind = TCell::ckGroupTitle;
    title.Text = caption;
    title.Tag = tag;
    title.HelpNumber = GetQuickHelpIndexOffset() + tag;
    title.GroupTitleState = state;
    title.Flag = flag;
    grid->SetCell(0, row, title);
    TCell rest = title;
    rest.Kind = TCell::ckText;
    rest.Text = text;
    rest.GroupTitleState = TCell::gtsNone;
    grid->SetCell(1, row, rest);
}

void TDataBasis::AddValueRow(TDrawGridSE* grid, const std::string& caption, TCell value)
{
    const int row = grid->AddRow();
    value.HelpNumber = GetQuickHelpIndexOffset() + value.Tag;
    value.ReadOnly = false;
    value.Text = value.FormatValue(value.Value);

    TCell label;
    label.Text = caption;
    label.Tag = value.Tag;
    label.HelpNumber = value.HelpNumber;
    label.Flag = value.Flag;
    grid->SetCell(0, row, label);
    grid->SetCell(1, row, value);

    if (!GlobalParameterMode)
        return;
    const TGlobalParameter* parameter = GetGlobalParameter(value.Tag);
    if (!parameter)
        return;
    TCell mark;
    mark.Kind = TCell::ckComboBox;
    mark.ReadOnly = false;
    mark.Tag = value.Tag;
    mark.HelpNumber = value.HelpNumber;
    mark.Choices = {{Sprdatacore::Text211, gpvNichtAendern}, {Sprdatacore::Text212, gpvAendern}};
    mark.Value = parameter->Value;
    mark.Text = mark.FormatValue(mark.Value);
    grid->SetCell(2, row, mark);
}

void TDataBasis::AddRowComboBox(TDrawGridSE* grid, const std::string& caption, int tag,
                                const std::vector<TComboWert>& items, int value, int style, bool flag)
{
    if (!grid)
        return;
    TCell cell;
    cell.Kind = TCell::ckComboBox;
    cell.Tag = tag;
    cell.Choices = items;
    cell.Value = value;
    cell.Style = style;
    cell.Flag = flag;
    AddValueRow(grid, caption, cell);
}

void TDataBasis::AddTwoItemRow(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style,
                               bool flag, const std::string& captionNo, const std::string& captionYes)
{
    AddRowComboBox(grid, caption, tag, {{captionNo, 0}, {captionYes, 1}}, value != 0 ? 1 : 0, style, flag);
}

void TDataBasis::AddRowComboBoxYes(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style,
                                   bool flag)
{
    AddTwoItemRow(grid, caption, tag, value, style, flag, Sprdatacore::Text200, Sprdatacore::Text201);
}

void TDataBasis::AddRowComboBoxYesList(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style,
                                       bool flag)
{
    AddTwoItemRow(grid, caption, tag, value, style, flag, Sprdatacore::Text200, Sprdatacore::Text201);
}

void TDataBasis::AddRowComboBoxOnList(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style,
                                      bool flag)
{
    AddTwoItemRow(grid, caption, tag, value, style, flag, Sprdatacore::Text202, Sprdatacore::Text203);
}

void TDataBasis::AddRowSpinEdit(TDrawGridSE* grid, const std::string& caption, int tag, int maximum, int minimum,
                                int step, int value, int style, bool flag)
{
    if (!grid)
        return;
    TCell cell;
    cell.Kind = TCell::ckSpinEdit;
    cell.Tag = tag;
    cell.MaxValue = maximum;
    cell.MinValue = minimum;
    cell.Step = step;
    cell.Value = value;
    cell.Style = style;
    cell.Flag = flag;
    AddValueRow(grid, caption, cell);
}

void TDataBasis::AddRowSpinEditComma(TDrawGridSE* grid, const std::string& caption, int tag, double maximum,
                                     double minimum, int step, double value, int decimals, int style, bool flag)
{
    if (!grid)
        return;
    TCell cell;
    cell.Kind = TCell::ckSpinEditComma;
    cell.Tag = tag;
    cell.MaxValue = maximum;
    cell.MinValue = minimum;
    cell.Step = step;
    cell.Value = value;
    cell.Decimals = decimals;
    cell.Style = style;
    cell.Flag = flag;
    AddValueRow(grid, caption, cell);
}

bool TDataBasis::ChangeGroupTitleState(TCell::TEnumGroupTitleState& state)
{
    switch (state) {
    case TCell::gtsClosed:
        state = TCell::gtsOpen;
        return true;
    case TCell::gtsOpen:
        state = TCell::gtsClosed;
        return true;
    default:
        return false;
    }
}
