#include "climalib/ReglernebenstellenFunktion.h"

#include "app/Sprclimalib.h"
#include "platform/TraceLog.h"

using T_DB_EnumDataBasis::TEnumBool;

namespace {

const TClimaDataObject::TClassInfo Info{"TReglernebenstellenFunktion", TReglernebenstellenFunktion::Typ, 48, 1600};

// The rebuild of all views goes out before the objects alignment.
const std::initializer_list<TClimaDataObject::TPost> PostOrder{TClimaDataObject::TPost::UpdateAllViews,
                                                               TClimaDataObject::TPost::ObjectsChanged};

} // namespace

TReglernebenstellenFunktion::TReglernebenstellenFunktion(platform::HWND windowHandle, std::int32_t system,
                                                         std::int32_t parent, const std::string& name,
                                                         std::int32_t handle)
    : TClimaDataObject(windowHandle, system, parent, name, handle, Info)
{
    LOG_FKT_START("TReglernebenstellenFunktion::TReglernebenstellenFunktion");
}

TReglernebenstellenFunktion::~TReglernebenstellenFunktion() = default;

void TReglernebenstellenFunktion::ReadRecord(const TDatenStruktur& record)
{
    LuefterstufenAnzeige = record.Bool4 ? T_DB_EnumDataBasis::Ja : T_DB_EnumDataBasis::Nein;
    ObjekttypLuefterstufen = static_cast<std::int8_t>(record.Param4);
}

void TReglernebenstellenFunktion::Write(TDatenStruktur& record)
{
    LOG_FKT_START("TReglernebenstellenFunktion::Write");
    TDataBasis::Write(record);
    record.Bool4 = LuefterstufenAnzeige != 0;
    record.Param4 = ObjekttypLuefterstufen;
}

void TReglernebenstellenFunktion::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START("TReglernebenstellenFunktion::InitFromDB");
    TDataBasis::InitFromDB(record);
    ReadRecord(record);
}

void TReglernebenstellenFunktion::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag, int column,
                                                  int row)
{
    LOG_FKT_START("TReglernebenstellenFunktion::BuildInfoWindow");
    if (!BeginInfoWindow(grid))
        return;
    BindGridEvents(grid, this);
    BindGroupTitleEvent(grid, this);
    AddRowCaption(grid, tagAllgemein, Sprclimalib::Text14161, "", GruppeAllgemein, flag);
    if (IsGroupOpen(GruppeAllgemein)) {
        AddRowComboBoxYes(grid, Sprclimalib::Text14222, tagLuefterstufenAnzeige, LuefterstufenAnzeige, 0, true);
        if (LuefterstufenAnzeige == T_DB_EnumDataBasis::Ja)
            AddRowComboBox(grid, Sprclimalib::Text14223, tagObjekttypLuefterstufen,
                           {{Sprclimalib::Text14224, 0}, {Sprclimalib::Text14225, 1}}, ObjekttypLuefterstufen, 0,
                           true);
    }
    EndInfoWindow(column, row);
}

bool TReglernebenstellenFunktion::Paste(TRecordTable* table, std::string& message)
{
    LOG_FKT_START("TReglernebenstellenFunktion::Paste");
    bool answer = false;
    const TDatenStruktur copied = TakePasteRecord(table, message, answer);
    ReadRecord(copied);
    return answer;
}

bool TReglernebenstellenFunktion::CreateObjects()
{
    LOG_FKT_START("TReglernebenstellenFunktion::CreateObjects");
    return ModifyIstTemperaturObjekt(false, false) && ModifyBetriebsmodusUmschaltungObjekte(false, false)
        && ModifyBetriebsmodusZwangsObjekte(false, false) && ModifyAktuelleSollwertverschiebungObjekte(false, false)
        && ModifySollwertverschiebungObjekte(false, false) && ModifyPraesenzObjekt(false, false)
        && ModifyStatusBetriebsmodusObjekt(false, false) && ModifyMeldungHeizenObjekt(false, false)
        && ModifyMeldungKuehlenObjekt(false, false) && ModifySollTemperaturObjekt(false, false)
        && ModifyLuefterstufenAnzeigeObjekte(false, false);
}

bool TReglernebenstellenFunktion::DeleteObjects()
{
    LOG_FKT_START("TReglernebenstellenFunktion::DeleteObjects");
    return ModifyIstTemperaturObjekt(true, false) && ModifyBetriebsmodusUmschaltungObjekte(true, false)
        && ModifyBetriebsmodusZwangsObjekte(true, false) && ModifyAktuelleSollwertverschiebungObjekte(true, false)
        && ModifySollwertverschiebungObjekte(true, false) && ModifyPraesenzObjekt(true, false)
        && ModifyStatusBetriebsmodusObjekt(true, false) && ModifyMeldungHeizenObjekt(true, false)
        && ModifyMeldungKuehlenObjekt(true, false) && ModifySollTemperaturObjekt(true, false)
        && ModifyLuefterstufenAnzeigeObjekte(true, false);
}

bool TReglernebenstellenFunktion::ModifyWithFlagCells(int variant, int objectNumber, int positionBase, bool remove,
                                                      bool ask, std::int32_t flagNumber, TAfterFailure afterFailure)
{
    const bool modified = ModifyObject(remove ? 0 : variant, objectNumber, positionBase, ask);
    if (!modified && afterFailure == TAfterFailure::Stop)
        return false;
    if (remove)
        return modified;
    const bool enabled = CallModifyEnableCellFlagStatus(flagNumber, true);
    return modified && enabled;
}

bool TReglernebenstellenFunktion::ModifyIstTemperaturObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyIstTemperaturObjekt");
    return ModifyObject(remove ? 0 : 1, 3000, -1200, ask);
}

bool TReglernebenstellenFunktion::ModifyBetriebsmodusUmschaltungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyBetriebsmodusUmschaltungObjekte");
    return ModifyWithFlagCells(3, 3050, -1100, remove, ask, 28, TAfterFailure::Stop);
}

bool TReglernebenstellenFunktion::ModifyBetriebsmodusZwangsObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyBetriebsmodusZwangsObjekte");
    return ModifyWithFlagCells(2, 3060, -1000, remove, ask, 32, TAfterFailure::Stop);
}

bool TReglernebenstellenFunktion::ModifyAktuelleSollwertverschiebungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyAktuelleSollwertverschiebungObjekte");
    return ModifyWithFlagCells(2, 3260, -400, remove, ask, 52, TAfterFailure::Stop);
}

bool TReglernebenstellenFunktion::ModifySollwertverschiebungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifySollwertverschiebungObjekte");
    return ModifyObject(remove ? 0 : 2, 3270, -300, ask);
}

bool TReglernebenstellenFunktion::ModifyPraesenzObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyPraesenzObjekt");
    return ModifyWithFlagCells(2, 3070, -900, remove, ask, 33, TAfterFailure::StillRequest);
}

bool TReglernebenstellenFunktion::ModifyStatusBetriebsmodusObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyStatusBetriebsmodusObjekt");
    return ModifyWithFlagCells(3, 3100, -800, remove, ask, 36, TAfterFailure::StillRequest);
}

bool TReglernebenstellenFunktion::ModifyMeldungHeizenObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyMeldungHeizenObjekt");
    return ModifyWithFlagCells(2, 3110, -700, remove, ask, 37, TAfterFailure::StillRequest);
}

bool TReglernebenstellenFunktion::ModifyMeldungKuehlenObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyMeldungKuehlenObjekt");
    return ModifyWithFlagCells(2, 3120, -600, remove, ask, 38, TAfterFailure::StillRequest);
}

bool TReglernebenstellenFunktion::ModifySollTemperaturObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifySollTemperaturObjekt");
    return ModifyWithFlagCells(2, 3240, -500, remove, ask, 50, TAfterFailure::StillRequest);
}

bool TReglernebenstellenFunktion::ModifyLuefterstufenAnzeigeObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglernebenstellenFunktion::ModifyLuefterstufenAnzeigeObjekte");
    int variant = 0;
    if (!remove && LuefterstufenAnzeige == T_DB_EnumDataBasis::Ja)
        variant = ObjekttypLuefterstufen == 0 ? 1 : 2;
    return ModifyObject(variant, 3280, -200, ask);
}

bool TReglernebenstellenFunktion::CallModifyEnableCellFlagStatus(std::int32_t number, bool enable)
{
    LOG_FKT_START("TReglernebenstellenFunktion::CallModifyEnableCellFlagStatus");
    tagWmUserDevice request;
    request.Handle = Handle;
    request.Code = UDM_MODIFY_ENABLE_CELL_FLAG_STATUS;
    request.Sender = this;
    request.Result = nullptr;
    request.Integer = number;
    request.Byte = enable ? 1 : 0;
    return MainWindow().UserDeviceMessage(request);
}

void TReglernebenstellenFunktion::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridComboBoxChange");
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    const auto rule = [this](auto, TChangeMarks& marks) {
        if (!ModifyLuefterstufenAnzeigeObjekte(false, true))
            return false;
        marks.Store = marks.UpdateAllViews = marks.ObjectsChanged = true;
        return true;
    };
    switch (cell.Tag) {
    case tagLuefterstufenAnzeige:
        ChangeMember<TEnumBool>(LuefterstufenAnzeige, static_cast<TEnumBool>(value != 0 ? 1 : 0), rule, PostOrder,
                                column, row);
        break;
    case tagObjekttypLuefterstufen:
        ChangeMember<std::int8_t>(ObjekttypLuefterstufen, static_cast<std::int8_t>(value), rule, PostOrder, column,
                                  row);
        break;
    default:
        break;
    }
}

void TReglernebenstellenFunktion::GridEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridEditChange");
}

void TReglernebenstellenFunktion::GridSpinEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridSpinEditChange");
}

void TReglernebenstellenFunktion::GridSpinEditOverflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridSpinEditOverflow");
}

void TReglernebenstellenFunktion::GridSpinEditUnderflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridSpinEditUnderflow");
}

void TReglernebenstellenFunktion::GridExitCell(TDrawGridSE*, TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridExitCell");
}

void TReglernebenstellenFunktion::GridExit(TDrawGridSE*, TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridExit");
}

void TReglernebenstellenFunktion::GridEllipseClick(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridEllipseClick");
}

void TReglernebenstellenFunktion::GridGroupTitleClick(TObject*, TCell& cell, int column, int row, int /*phase*/)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridGroupTitleClick");
    ToggleGroupTitle(GroupTitleToggle, cell.Tag == tagAllgemein ? &GruppeAllgemein : nullptr, column, row);
}
