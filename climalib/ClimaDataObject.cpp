#include "climalib/ClimaDataObject.h"

#include "app/Sprdatacore.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/LkSpinEdit.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <memory>
#include <new>

TClimaDataObject::TClimaDataObject(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                   const std::string& name, std::int32_t handle, const TClassInfo& info)
    : TDataBasis(windowHandle, system, parent, name, handle),
      QuickHelpIndexOffset(info.QuickHelpIndexOffset),
      info_(info),
      mainWindow_(windowHandle)
{
}

TClimaDataObject::~TClimaDataObject()
{
    LOG_FKT_START(QualifiedName(std::string("~") + info_.Name));
}

std::string TClimaDataObject::QualifiedName(std::string_view operation) const
{
    std::string name(info_.Name);
    name += "::";
    name += operation;
    return name;
}

bool TClimaDataObject::AllowChild(int /*typ*/) const
{
    LOG_FKT_START(QualifiedName("AllowChild"));
    return false;
}

bool TClimaDataObject::AllowDrop(TDataBasis* /*source*/) const
{
    LOG_FKT_START(QualifiedName("AllowDrop"));
    return false;
}

void TClimaDataObject::Drop(TDataBasis* /*source*/)
{
    LOG_FKT_START(QualifiedName("Drop"));
}

std::string TClimaDataObject::GetName(bool /*qualified*/) const
{
    LOG_FKT_START(QualifiedName("GetName"));
    return TDataBasis::GetName(false);
}

bool TClimaDataObject::DatenAbgleich(bool first, bool second)
{
    LOG_FKT_START(QualifiedName("DatenAbgleich"));
    if (!TDataBasis::DatenAbgleich(first, second))
        return false;
    std::string defaultName;
    tagRecDatenTransport request;
    request.Handle = Handle;
    request.Code = UDT_GET_DEFAULT_NAME;
    request.Sender = this;
    request.Payload = &defaultName;
    if (!mainWindow_.DatenTransport(request))
        return false;
    SetName(defaultName);
    return true;
}

bool TClimaDataObject::Einfuegen(TRecordMap& records)
{
    LOG_FKT_START(QualifiedName("Einfuegen"));
    const bool hasOwnType = std::any_of(records.begin(), records.end(),
                                        [this](const auto& entry) { return entry.second.Typ == GetTyp(); });
    return hasOwnType && TDataBasis::Einfuegen(records);
}

bool TClimaDataObject::GetAccessMode() const
{
    LOG_FKT_START(QualifiedName("GetAccessMode"));
    return mainWindow_.GetAccessMode();
}

bool TClimaDataObject::BeginInfoWindow(TDrawGridSE* grid) const
{
    if (!grid)
        return false;
    grid->ClearCellEvents();
    grid->SetColCount(GlobalParameterMode ? 3 : 2);
    return true;
}

void TClimaDataObject::EndInfoWindow(int column, int row) const
{
    if (column >= 0 || row >= 0)
        mainWindow_.PostSetActiveCell(column, row);
}

bool TClimaDataObject::IsGroupOpen(TCell::TEnumGroupTitleState state) const
{
    return state == TCell::gtsOpen || state == TCell::gtsAlwaysOpen || AllGroupsOpenMode;
}

void TClimaDataObject::ToggleGroupTitle(std::uint8_t& toggle, TCell::TEnumGroupTitleState* state, int column,
                                        int row) const
{
    if (toggle == 0 && state && ChangeGroupTitleState(*state))
        mainWindow_.PostUpdateAllViews(column, row);
    toggle = toggle == 0 ? 1 : 0;
}

bool TClimaDataObject::ReadComboValue(TObject* sender, int& value)
{
    const auto* combo = dynamic_cast<const TDrawGridSEComboBox*>(sender);
    return combo && combo->ItemValue(value);
}

bool TClimaDataObject::ReadSpinValue(TObject* sender, std::int16_t& value)
{
    if (!sender || !sender->ClassNameIs("TLkSpinEdit"))
        return false;
    value = static_cast<const TLkSpinEdit*>(sender)->GetIntValue();
    return true;
}

bool TClimaDataObject::ReadSpinDouble(TObject* sender, double& value)
{
    if (!sender || !sender->ClassNameIs("TLkSpinEdit"))
        return false;
    value = static_cast<const TLkSpinEdit*>(sender)->Value;
    return true;
}

void TClimaDataObject::FinishChange(const TChangeMarks& marks, int column, int row)
{
    if (marks.Store)
        StoreRecord();
    for (const TPost post : info_.PostOrder) {
        switch (post) {
        case TPost::ObjectsChanged:
            if (marks.ObjectsChanged)
                mainWindow_.PostAbgleichFormVerw(column, row);
            break;
        case TPost::UpdateAllViews:
            if (marks.UpdateAllViews)
                mainWindow_.PostUpdateAllViews(column, row);
            break;
        case TPost::UpdateOtherViews:
            if (marks.UpdateOtherViews)
                mainWindow_.PostUpdateOtherViews();
            break;
        }
    }
}

bool TClimaDataObject::StoreRecord()
{
    TDatenStruktur* record = mainWindow_.GetDatenSatz(System, Parent, Handle);
    if (!record)
        return false;
    Write(*record);
    return true;
}

bool TClimaDataObject::CallDevice(TEnumUserDeviceMessage code, std::uint8_t byte, std::int32_t integer,
                                  std::int32_t* answer, void* result)
{
    tagWmUserDevice request;
    request.Handle = Handle;
    request.Code = code;
    request.Sender = this;
    request.Text.clear();
    request.Result = result;
    request.Integer = integer;
    request.Byte = byte;
    const bool done = mainWindow_.UserDeviceMessage(request);
    if (answer)
        *answer = request.Integer;
    return done;
}

bool TClimaDataObject::CheckIfDeleteObjectsAllowed(const std::list<int>& objectNumbers)
{
    std::list<int> going = objectNumbers;
    tagRecDatenTransport request;
    request.Handle = Handle;
    request.Code = UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED;
    request.Sender = this;
    request.Payload = &going;
    return mainWindow_.DatenTransport(request);
}

bool TClimaDataObject::ModifyObjects(const std::vector<TObjectSetting>& objects, int positionBase, bool ask,
                                     TAskMode mode)
{
    bool passOnAsk = ask;
    if (mode != TAskMode::PassOn) {
        passOnAsk = false;
        if (ask) {
            std::list<int> concerned;
            for (const TObjectSetting& object : objects) {
                if (mode == TAskMode::AskAlways || object.Value == 0)
                    concerned.push_back(object.ObjectNumber);
            }
            if (!concerned.empty() && !CheckIfDeleteObjectsAllowed(concerned))
                return false;
        }
    }
    for (const TObjectSetting& object : objects) {
        if (!ModifyObject(object.Value, object.ObjectNumber, positionBase, passOnAsk))
            return false;
    }
    return true;
}

TDataBasis* TClimaDataObject::GetParentObject() const
{
    return mainWindow_.GetDataPointer(GetParentHandle());
}

TDatenStruktur TClimaDataObject::TakePasteRecord(TRecordTable* table, std::string& message, bool& answer)
{
    const std::string prefix = GetName(true) + ":\n";
    TRecordTable* own = table ? table->FilterFeldName("Typ", static_cast<std::int16_t>(GetTyp())) : nullptr;
    if (!own)
        throw E_DataBasis(3, prefix + Sprdatacore::Text208, ObjectText, __FILE__, __LINE__);
    // The filtered table belongs to the pasted one; free it before anything is thrown or returned.
    std::unique_ptr<TRecordTable> ownTable(own);
    const TDatenStruktur* first = ownTable->Count() > 0 ? ownTable->First() : nullptr;
    if (!first)
        throw E_DataBasis(3, prefix + Sprdatacore::Text209, ObjectText, __FILE__, __LINE__);
    const TDatenStruktur copied = *first;
    ownTable.reset();
    answer = TDataBasis::Paste(table, message);
    return copied;
}

bool TClimaDataObject::DeclareGlobalParameter(int tag, std::initializer_list<int> dependentTags)
{
    try {
        auto parameter = std::make_unique<TGlobalParameter>();
        parameter->Flag = 1;
        parameter->Tag = tag;
        for (const int dependent : dependentTags)
            parameter->AddDependentCellTag(dependent);
        InsertGlobalParameterDataIntoMap(tag, std::move(parameter));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
