#include "climalib/ReglernebenstellenFunktion.h"

#include "app/Sprclimalib.h"
#include "platform/TraceLog.h"

#include <array>

using T_DB_EnumDataBasis::TEnumBool;

namespace {

using N = TReglernebenstellenFunktion;
using TPost = TClimaDataObject::TPost;

// The rebuild of all views goes out before the objects alignment; no change of this class
// rebuilds the other views alone.
const TClimaDataObject::TClassInfo Info{"TReglernebenstellenFunktion",
                                        N::Typ,
                                        48,
                                        1600,
                                        {TPost::UpdateAllViews, TPost::ObjectsChanged, TPost::UpdateOtherViews}};

// The object operations in the order CreateObjects and DeleteObjects run them.
constexpr std::array ObjectOperations{&N::ModifyIstTemperaturObjekt,
                                      &N::ModifyBetriebsmodusUmschaltungObjekte,
                                      &N::ModifyBetriebsmodusZwangsObjekte,
                                      &N::ModifyAktuelleSollwertverschiebungObjekte,
                                      &N::ModifySollwertverschiebungObjekte,
                                      &N::ModifyPraesenzObjekt,
                                      &N::ModifyStatusBetriebsmodusObjekt,
                                      &N::ModifyMeldungHeizenObjekt,
                                      &N::ModifyMeldungKuehlenObjekt,
                                      &N::ModifySollTemperaturObjekt,
                                      &N::ModifyLuefterstufenAnzeigeObjekte};

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
    LuefterstufenAnzeige = ToEnumBool(record.Bool4);
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
    return ModifyAllObjects(*this, ObjectOperations, false);
}

bool TReglernebenstellenFunktion::DeleteObjects()
{
    LOG_FKT_START("TReglernebenstellenFunktion::DeleteObjects");
    return ModifyAllObjects(*this, ObjectOperations, true);
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
    return CallDevice(UDM_MODIFY_ENABLE_CELL_FLAG_STATUS, enable ? 1 : 0, number);
}

void TReglernebenstellenFunktion::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglernebenstellenFunktion::GridComboBoxChange");
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    const auto rule = SwitchObjectsRule(this, &N::ModifyLuefterstufenAnzeigeObjekte);
    switch (cell.Tag) {
    case tagLuefterstufenAnzeige:
        ChangeMember(LuefterstufenAnzeige, ToEnumBool(value != 0), rule, column, row);
        break;
    case tagObjekttypLuefterstufen:
        ChangeMember<std::int8_t>(ObjekttypLuefterstufen, static_cast<std::int8_t>(value), rule, column, row);
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
