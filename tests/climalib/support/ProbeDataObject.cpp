#include "tests/climalib/support/ProbeDataObject.h"

#include "climalib/GlobalParameterTarget.h"
#include "climalib/RecordChainReader.h"
#include "climalib/RecordChainWriter.h"
#include "platform/TraceLog.h"

namespace climatest {

namespace {

const TClimaDataObject::TClassInfo ProbeInfo{"TProbeDataObject", TProbeDataObject::Typ, TProbeDataObject::Icon,
                                             TProbeDataObject::QuickHelpOffset};

} // namespace

TProbeDataObject::TProbeDataObject(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                   const std::string& name, std::int32_t handle)
    : TClimaDataObject(windowHandle, system, parent, name, handle, ProbeInfo)
{
    LOG_FKT_START("TProbeDataObject::TProbeDataObject");
    SetGlobalParameter();
}

TProbeDataObject::~TProbeDataObject() = default;

void TProbeDataObject::ReadMainRecord(const TDatenStruktur& record)
{
    Auswahl = static_cast<std::uint8_t>(record.Param2);
    Freigabe = record.Bool1 ? 1 : 0;
    Zeit = record.Param3;
}

void TProbeDataObject::Write(TDatenStruktur& record)
{
    LOG_FKT_START("TProbeDataObject::Write");
    const std::int32_t oldNext = record.Next;
    TDataBasis::Write(record);
    record.Param2 = Auswahl;
    record.Bool1 = Freigabe != 0;
    record.Param3 = Zeit;
    TRecordChainWriter chain(*this, MainWindow(), record, oldNext);
    if (TDatenStruktur* first = chain.Next()) {
        first->Param1 = MakeDoubleToInt(Temperatur, 1);
        if (TDatenStruktur* second = chain.Next())
            second->Bool1 = Extra != 0;
    }
}

void TProbeDataObject::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START("TProbeDataObject::InitFromDB");
    TDataBasis::InitFromDB(record);
    ReadMainRecord(record);
    TRecordChainReader chain(*this, record);
    if (const TDatenStruktur* first = chain.Next()) {
        Temperatur = MakeIntToDouble(first->Param1, 1);
        if (const TDatenStruktur* second = chain.Next())
            Extra = second->Bool1 ? 1 : 0;
    }
}

void TProbeDataObject::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag, int column, int row)
{
    LOG_FKT_START("TProbeDataObject::BuildInfoWindow");
    if (!BeginInfoWindow(grid))
        return;
    BindGridEvents(grid, this);
    BindGroupTitleEvent(grid, this);
    AddRowComboBox(grid, "Auswahl", tagAuswahl, {{"Aus", 0}, {"Eins", 1}, {"F\xFCnf", 5}}, Auswahl, 0, flag);
    AddRowComboBoxYes(grid, "Freigabe", tagFreigabe, Freigabe, 0, true);
    AddRowSpinEdit(grid, "Zeit", tagZeit, 255, 0, 1, Zeit, 0, true);
    AddRowSpinEditComma(grid, "Temperatur", tagTemperatur, 40.0, 7.0, 5, Temperatur, 1, 0, true);
    AddRowCaption(grid, tagGruppe, "Gruppe", "", GruppeState, flag);
    if (IsGroupOpen(GruppeState))
        AddRowComboBoxYes(grid, "Extra", tagExtra, Extra, 0, true);
    EndInfoWindow(column, row);
}

bool TProbeDataObject::Paste(TRecordTable* table, std::string& message)
{
    LOG_FKT_START("TProbeDataObject::Paste");
    bool answer = false;
    const TDatenStruktur copied = TakePasteRecord(table, message, answer);
    ReadMainRecord(copied);
    return answer;
}

int TProbeDataObject::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message)
{
    LOG_FKT_START("TProbeDataObject::WriteGlobalParameter");
    const TGlobalParameterTarget chain(table, target);
    if (!chain.IsValid())
        return -9;
    if (target->Typ != GetTyp()) {
        message = "Anderer Typ";
        return 0;
    }
    WriteParameter(target->Param2, Auswahl, tagAuswahl);
    WriteParameter(target->Param3, Zeit, tagZeit);
    TDatenStruktur* first = chain.Record(1, message);
    if (!first)
        return 0;
    WriteParameter(first->Param1, MakeDoubleToInt(Temperatur, 1), tagTemperatur);
    TDatenStruktur* second = chain.Record(2, message);
    if (!second)
        return 0;
    WriteParameter(second->Bool1, Extra != 0, tagExtra);
    message.clear();
    return 4;
}

void TProbeDataObject::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TProbeDataObject::GridComboBoxChange");
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    switch (cell.Tag) {
    case tagAuswahl:
        ChangeMember<std::uint8_t>(
            Auswahl, static_cast<std::uint8_t>(value),
            [this](std::uint8_t, TChangeMarks& marks) {
                if (!ModifyAuswahlObjekt(false, true))
                    return false;
                marks.Store = marks.ObjectsChanged = marks.UpdateAllViews = true;
                return true;
            },
            column, row);
        break;
    case tagFreigabe:
        ChangeMember<std::uint8_t>(
            Freigabe, static_cast<std::uint8_t>(value),
            [this](std::uint8_t, TChangeMarks& marks) {
                if (!CallModifyTastenWippenFunktion())
                    return false;
                marks.Store = marks.UpdateOtherViews = true;
                return true;
            },
            column, row);
        break;
    case tagExtra:
        ChangeMember<std::uint8_t>(
            Extra, static_cast<std::uint8_t>(value),
            [](std::uint8_t, TChangeMarks& marks) {
                marks.Store = marks.UpdateAllViews = true;
                return true;
            },
            column, row);
        break;
    default:
        break;
    }
}

void TProbeDataObject::GridEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TProbeDataObject::GridEditChange");
}

void TProbeDataObject::GridSpinEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TProbeDataObject::GridSpinEditChange");
}

void TProbeDataObject::GridSpinEditOverflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TProbeDataObject::GridSpinEditOverflow");
}

void TProbeDataObject::GridSpinEditUnderflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TProbeDataObject::GridSpinEditUnderflow");
}

void TProbeDataObject::GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TProbeDataObject::GridExitCell");
    if (!grid || !sender || !sender->ClassNameIs("TLkSpinEdit"))
        return;
    const auto plainNumber = [](auto, TChangeMarks& marks) {
        marks.Store = marks.UpdateOtherViews = true;
        return true;
    };
    if (cell.Tag == tagZeit) {
        std::int16_t value = 0;
        if (ReadSpinValue(sender, value))
            ChangeMember<std::int32_t>(Zeit, value, plainNumber, column, row);
    } else if (cell.Tag == tagTemperatur) {
        double value = 0;
        if (ReadSpinDouble(sender, value))
            ChangeMember<double>(Temperatur, value, plainNumber, column, row);
    }
}

void TProbeDataObject::GridExit(TDrawGridSE*, TObject*, TCell&, int, int)
{
    LOG_FKT_START("TProbeDataObject::GridExit");
}

void TProbeDataObject::GridEllipseClick(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TProbeDataObject::GridEllipseClick");
}

void TProbeDataObject::GridGroupTitleClick(TObject*, TCell& cell, int column, int row, int)
{
    LOG_FKT_START("TProbeDataObject::GridGroupTitleClick");
    ToggleGroupTitle(GroupTitleToggle, cell.Tag == tagGruppe ? &GruppeState : nullptr, column, row);
}

bool TProbeDataObject::CreateObjects()
{
    LOG_FKT_START("TProbeDataObject::CreateObjects");
    return ModifyAuswahlObjekt(false, false);
}

bool TProbeDataObject::DeleteObjects()
{
    LOG_FKT_START("TProbeDataObject::DeleteObjects");
    return ModifyAuswahlObjekt(true, false);
}

bool TProbeDataObject::ModifyAuswahlObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TProbeDataObject::ModifyAuswahlObjekt");
    const int value = remove ? 0 : Auswahl;
    return ModifyObjects({{ObjektAuswahl, value}}, PositionBase, ask, TAskMode::AskWhenRemoving);
}

bool TProbeDataObject::CallModifyTastenWippenFunktion()
{
    LOG_FKT_START("TProbeDataObject::CallModifyTastenWippenFunktion");
    return CallDevice(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION, 1);
}

bool TProbeDataObject::CallGetValueOfZugriffAufBedienebenen(std::uint8_t& level)
{
    LOG_FKT_START("TProbeDataObject::CallGetValueOfZugriffAufBedienebenen");
    std::int32_t answer = 0;
    const bool done = CallDevice(UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN, 0, 0, &answer);
    level = static_cast<std::uint8_t>(answer);
    return done;
}

void TProbeDataObject::SetGlobalParameter()
{
    LOG_FKT_START("TProbeDataObject::SetGlobalParameter");
    ClearGlobalParameterMap();
    if (!DeclareGlobalParameter(tagAuswahl, {tagZeit}))
        return;
    if (!DeclareGlobalParameter(tagTemperatur))
        return;
    DeclareGlobalParameter(tagExtra);
}

} // namespace climatest
