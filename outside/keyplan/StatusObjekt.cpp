#include "outside/keyplan/StatusObjekt.h"

#include "app/Sprlkextmodults.h"

namespace {

const TParameterObjekt::TClassInfo TasteStatusInfo{TTsTasteStatus::Typ, 6, 12270};
const TParameterObjekt::TClassInfo WippeStatusInfo{TTsWippeStatus::Typ, 6, 12270};

} // namespace

TStatusObjekt::TStatusObjekt(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                             const std::string& name, std::int32_t number, std::int32_t handle, const TClassInfo& info)
    : TParameterObjekt(windowHandle, system, parent, name, handle, info), Nummer(number)
{
}

void TStatusObjekt::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = Nummer;
    record.Param3 = StatusLesen;
}

void TStatusObjekt::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    Nummer = record.Param2;
    StatusLesen = record.Param3;
}

bool TStatusObjekt::Paste(TRecordTable* table, std::string& /*message*/)
{
    TDatenStruktur source;
    if (!table || !table->Find("Typ", GetTyp(), source))
        return false;
    StatusLesen = source.Param3;
    return true;
}

bool TStatusObjekt::CreateObjects()
{
    return ModifyObject(1, GetDisplayOrder(), 0, false);
}

bool TStatusObjekt::DeleteObjects()
{
    return ModifyObject(0, GetDisplayOrder(), 0, false);
}

void TStatusObjekt::AddRows(TDrawGridSE& grid)
{
    AddRowComboBoxYes(&grid, Sprlkextmodults::Text12278, tagStatusLesen, StatusLesen, 0, false);
}

bool TStatusObjekt::ChangeValue(int tag, int value)
{
    return tag == tagStatusLesen && Change(StatusLesen, value != 0 ? 1 : 0);
}

TTsTasteStatus::TTsTasteStatus(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                               const std::string& name, std::int32_t number, std::int32_t handle)
    : TStatusObjekt(windowHandle, system, parent, name, number, handle, TasteStatusInfo)
{
}

TTsTasteStatus::~TTsTasteStatus() = default;

TTsWippeStatus::TTsWippeStatus(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                               const std::string& name, std::int32_t number, std::int32_t handle)
    : TStatusObjekt(windowHandle, system, parent, name, number, handle, WippeStatusInfo)
{
}

TTsWippeStatus::~TTsWippeStatus() = default;

bool TTsWippeStatus::ConvertDBDataAfterTemplateImport()
{
    tagWmUserDevice request = Requests.MakeRequest(UDM_CONVERT_WIPPEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT);
    return Requests.Send(request);
}
