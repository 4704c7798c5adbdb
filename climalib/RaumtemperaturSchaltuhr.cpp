#include "climalib/RaumtemperaturSchaltuhr.h"

#include "app/Sprclimalib.h"
#include "climalib/RecordChainReader.h"
#include "climalib/RecordChainWriter.h"
#include "platform/TraceLog.h"

using T_DB_EnumDataBasis::TEnumBool;

namespace {

using TPost = TClimaDataObject::TPost;

const TClimaDataObject::TClassInfo Info{"TRaumtemperaturSchaltuhr",
                                        TRaumtemperaturSchaltuhr::Typ,
                                        43,
                                        1040,
                                        {TPost::ObjectsChanged, TPost::UpdateOtherViews, TPost::UpdateAllViews}};

} // namespace

TRaumtemperaturSchaltuhr::TRaumtemperaturSchaltuhr(platform::HWND windowHandle, std::int32_t system,
                                                   std::int32_t parent, const std::string& name,
                                                   std::int32_t handle)
    : TClimaDataObject(windowHandle, system, parent, name, handle, Info)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::TRaumtemperaturSchaltuhr");
    ClearMapSchaltDaten();
    SetGlobalParameter();
}

TRaumtemperaturSchaltuhr::~TRaumtemperaturSchaltuhr()
{
    MapSchaltDaten.clear();
}

void TRaumtemperaturSchaltuhr::ClearMapSchaltDaten()
{
    MapSchaltDaten.clear();
    for (int key = 1; key <= AnzahlSchaltDaten; ++key)
        MapSchaltDaten.emplace(key, tagSchaltDaten{});
}

bool TRaumtemperaturSchaltuhr::SperrObjektVorhanden() const
{
    return RaumtempSchaltuhrAktiv == T_DB_EnumDataBasis::Ja && SperrenUeberObjekt == T_DB_EnumDataBasis::Ja;
}

void TRaumtemperaturSchaltuhr::Write(TDatenStruktur& record)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::Write");
    const std::int32_t oldNext = record.Next;
    TDataBasis::Write(record);
    record.Bool3 = RaumtempSchaltuhrAktiv != 0;
    record.Bool4 = SperrenUeberObjekt != 0;
    record.Param3 = PolaritaetSperrobjekt;
    TRecordChainWriter chain(*this, MainWindow(), record, oldNext);
    for (int first = 1; first <= AnzahlSchaltDaten; first += SchaltDatenJeDatensatz) {
        TDatenStruktur* additional = chain.Next();
        if (!additional)
            return; // the times from here on stay in the map until the next Write
        for (int k = 1; k <= SchaltDatenJeDatensatz; ++k)
            additional->ParamAt(k) = GetSchaltDatenIntFromMap(first + k - 1);
    }
}

void TRaumtemperaturSchaltuhr::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::InitFromDB");
    TDataBasis::InitFromDB(record);
    RaumtempSchaltuhrAktiv = ToEnumBool(record.Bool3);
    SperrenUeberObjekt = ToEnumBool(record.Bool4);
    PolaritaetSperrobjekt = static_cast<std::int8_t>(record.Param3);
    ClearMapSchaltDaten();
    TRecordChainReader chain(*this, record);
    for (int first = 1; first <= AnzahlSchaltDaten; first += SchaltDatenJeDatensatz) {
        const TDatenStruktur* additional = chain.Next();
        if (!additional)
            return; // missing records leave their slots free
        for (int k = 1; k <= SchaltDatenJeDatensatz; ++k)
            InsertSchaltDatenIntToMap(first + k - 1, additional->ParamAt(k));
    }
}

void TRaumtemperaturSchaltuhr::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag, int column,
                                               int row)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::BuildInfoWindow");
    if (!BeginInfoWindow(grid))
        return;
    BindGridEvents(grid, this);
    AddRowComboBoxOnList(grid, Sprclimalib::Text14188, tagRaumtempSchaltuhrAktiv, RaumtempSchaltuhrAktiv, 0, flag);
    if (RaumtempSchaltuhrAktiv == T_DB_EnumDataBasis::Ja) {
        AddRowComboBoxYesList(grid, Sprclimalib::Text14214, tagSperrenUeberObjekt, SperrenUeberObjekt, 0, true);
        if (SperrenUeberObjekt == T_DB_EnumDataBasis::Ja)
            AddRowComboBox(grid, Sprclimalib::Text14192, tagPolaritaetSperrobjekt,
                           {{Sprclimalib::Text14190, 0}, {Sprclimalib::Text14191, 1}}, PolaritaetSperrobjekt, 0,
                           true);
    }
    EndInfoWindow(column, row);
}

int TRaumtemperaturSchaltuhr::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target,
                                                   std::string& message)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::WriteGlobalParameter");
    if (!table || !target)
        return -9;
    if (!ChangeParameter(tagPolaritaetSperrobjekt)) {
        message.clear();
        return 4;
    }
    if (!target->Bool3) {
        message = Sprclimalib::Text14216;
        return -9;
    }
    WriteParameter(target->Param3, PolaritaetSperrobjekt, tagPolaritaetSperrobjekt);
    message.clear();
    return 4;
}

TEnumBool TRaumtemperaturSchaltuhr::GetValueOfRaumtempSchaltuhrAktiv() const
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GetValueOfRaumtempSchaltuhrAktiv");
    return RaumtempSchaltuhrAktiv;
}

TMapSchaltDaten* TRaumtemperaturSchaltuhr::GetPointerMapSchaltDaten()
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GetPointerMapSchaltDaten");
    return &MapSchaltDaten;
}

bool TRaumtemperaturSchaltuhr::GetSchaltDatenStructFromMap(int key, tagSchaltDaten& out) const
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GetSchaltDatenStructFromMap");
    CopySchaltZeit(tagSchaltDaten{}, out);
    const auto it = key > 0 ? MapSchaltDaten.find(key) : MapSchaltDaten.end();
    if (it == MapSchaltDaten.end())
        return false;
    CopySchaltZeit(it->second, out);
    return true;
}

int TRaumtemperaturSchaltuhr::GetSchaltDatenIntFromMap(int key) const
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GetSchaltDatenIntFromMap");
    const auto it = key > 0 ? MapSchaltDaten.find(key) : MapSchaltDaten.end();
    return it == MapSchaltDaten.end() ? -1 : PackSchaltDaten(it->second);
}

bool TRaumtemperaturSchaltuhr::InsertSchaltDatenIntToMap(int key, int packed)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::InsertSchaltDatenIntToMap");
    if (key <= 0 || packed < 0)
        return false;
    const auto it = MapSchaltDaten.find(key);
    if (it == MapSchaltDaten.end())
        return false; // no slot is ever added
    CopySchaltZeit(UnpackSchaltDaten(packed), it->second);
    return true;
}

tagSchaltDaten TRaumtemperaturSchaltuhr::IntToSchaltDaten(int packed)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::IntToSchaltDaten");
    return UnpackSchaltDaten(packed);
}

int TRaumtemperaturSchaltuhr::SchaltDatenToInt(const tagSchaltDaten& schaltDaten)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::SchaltDatenToInt");
    return PackSchaltDaten(schaltDaten);
}

bool TRaumtemperaturSchaltuhr::ModifyRaumtempSchaltuhrSperrObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::ModifyRaumtempSchaltuhrSperrObjekt");
    const int value = !remove && SperrObjektVorhanden() ? 1 : 0;
    return ModifyObject(value, ObjektSperre, PositionBaseSperre, ask);
}

bool TRaumtemperaturSchaltuhr::CreateObjects()
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::CreateObjects");
    return ModifyRaumtempSchaltuhrSperrObjekt(false, false);
}

bool TRaumtemperaturSchaltuhr::DeleteObjects()
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::DeleteObjects");
    return ModifyRaumtempSchaltuhrSperrObjekt(true, false);
}

bool TRaumtemperaturSchaltuhr::CallModifyTastenWippenFunktion()
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::CallModifyTastenWippenFunktion");
    return CallDevice(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION, 0);
}

bool TRaumtemperaturSchaltuhr::CallModifyRaumtempSchaltuhrAktivValue()
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::CallModifyRaumtempSchaltuhrAktivValue");
    return CallDevice(UDM_MODIFY_RAUMTEMP_SCHALTUHR_AKTIV_VALUE,
                      RaumtempSchaltuhrAktiv == T_DB_EnumDataBasis::Ja ? 1 : 0);
}

void TRaumtemperaturSchaltuhr::SetGlobalParameter()
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::SetGlobalParameter");
    ClearGlobalParameterMap();
    DeclareGlobalParameter(tagPolaritaetSperrobjekt);
}

void TRaumtemperaturSchaltuhr::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridComboBoxChange");
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    const auto byte = static_cast<std::uint8_t>(value);
    switch (cell.Tag) {
    case tagRaumtempSchaltuhrAktiv:
        ChangeMember<TEnumBool>(
            RaumtempSchaltuhrAktiv, static_cast<TEnumBool>(byte),
            [this](TEnumBool oldValue, TChangeMarks& marks) {
                // When a lockable switch goes off its lock object goes: ask about that before the
                // key functions adapt, so that a refusal leaves everything as it was.
                const bool sperreGeht = oldValue == T_DB_EnumDataBasis::Ja
                    && SperrenUeberObjekt == T_DB_EnumDataBasis::Ja && !SperrObjektVorhanden();
                if (sperreGeht && !CheckIfDeleteObjectsAllowed({ObjektSperre}))
                    return false;
                if (!CallModifyTastenWippenFunktion())
                    return false;
                // A failure from here on leaves the key functions adapted.
                if (!ModifyRaumtempSchaltuhrSperrObjekt(false, !sperreGeht))
                    return false;
                CallModifyRaumtempSchaltuhrAktivValue();
                marks = TChangeMarks::StoreObjects();
                return true;
            },
            column, row);
        break;
    case tagSperrenUeberObjekt:
        ChangeMember<TEnumBool>(SperrenUeberObjekt, static_cast<TEnumBool>(byte),
                                SwitchObjectsRule(this, &TRaumtemperaturSchaltuhr::ModifyRaumtempSchaltuhrSperrObjekt),
                                column, row);
        break;
    case tagPolaritaetSperrobjekt:
        ChangeMember<std::int8_t>(PolaritaetSperrobjekt, static_cast<std::int8_t>(byte), TChangeMarks::StoreOthers(),
                                  column, row);
        break;
    default:
        break;
    }
}

void TRaumtemperaturSchaltuhr::GridEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridEditChange");
}

void TRaumtemperaturSchaltuhr::GridSpinEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridSpinEditChange");
}

void TRaumtemperaturSchaltuhr::GridSpinEditOverflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridSpinEditOverflow");
}

void TRaumtemperaturSchaltuhr::GridSpinEditUnderflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridSpinEditUnderflow");
}

void TRaumtemperaturSchaltuhr::GridExitCell(TDrawGridSE*, TObject*, TCell&, int, int)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridExitCell");
    // No text or spin rows: combo rows change on selection.
}

void TRaumtemperaturSchaltuhr::GridExit(TDrawGridSE*, TObject*, TCell&, int, int)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridExit");
}

void TRaumtemperaturSchaltuhr::GridEllipseClick(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TRaumtemperaturSchaltuhr::GridEllipseClick");
}
