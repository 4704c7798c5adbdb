#include "climalib/RaumtemperaturMessungBasis.h"

#include "app/Sprclimalib.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <array>
#include <string>

namespace {

using B = TRaumtemperaturMessungBasis;

// The object operations in the order CreateObjects and DeleteObjects run them.
constexpr std::array ObjectOperations{&B::ModifyExternerTempFuehlerObjekt, &B::ModifyTemperaturalarmObjekte};

// A temperature in tenths as the grid shows it: one decimal place, a decimal comma.
std::string TenthsText(std::int32_t tenths)
{
    const std::int32_t magnitude = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "," + std::to_string(magnitude % 10);
}

} // namespace

TRaumtemperaturMessungBasis::TRaumtemperaturMessungBasis(platform::HWND windowHandle, std::int32_t system,
                                                         std::int32_t parent, const std::string& name,
                                                         std::int32_t handle, const TClassInfo& info)
    : TClimaDataObject(windowHandle, system, parent, name, handle, info)
{
    LOG_FKT_START(QualifiedName(info.Name));
    SetGlobalParameter();
}

TRaumtemperaturMessungBasis::~TRaumtemperaturMessungBasis() = default;

void TRaumtemperaturMessungBasis::ReadSettings(const TDatenStruktur& record)
{
    TemperaturErfassung = static_cast<std::int8_t>(record.Param3);
    Messwertbildung = static_cast<std::int8_t>(record.Param4);
    AbgleichInternerFuehler = record.Param5;
    AbgleichExternerFuehler = record.Param6;
    AbfragezeitExternerFuehler = record.Param7;
    SendenBeiAenderung = record.Param8;
    ZyklischesSenden = record.Param9;
    UntererTemperaturwert = MakeIntToDouble(record.Param10, 1);
    ObererTemperaturwert = MakeIntToDouble(record.Param11, 1);
    TemperaturalarmUeberObjekt = ToEnumBool(record.Bool3);
}

void TRaumtemperaturMessungBasis::Write(TDatenStruktur& record)
{
    LOG_FKT_START(QualifiedName("Write"));
    TDataBasis::Write(record);
    record.Param3 = TemperaturErfassung;
    record.Param4 = Messwertbildung;
    record.Param5 = AbgleichInternerFuehler;
    record.Param6 = AbgleichExternerFuehler;
    record.Param7 = AbfragezeitExternerFuehler;
    record.Param8 = SendenBeiAenderung;
    record.Param9 = ZyklischesSenden;
    record.Param10 = MakeDoubleToInt(UntererTemperaturwert, 1);
    record.Param11 = MakeDoubleToInt(ObererTemperaturwert, 1);
    record.Bool3 = TemperaturalarmUeberObjekt != 0;
}

void TRaumtemperaturMessungBasis::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START(QualifiedName("InitFromDB"));
    TDataBasis::InitFromDB(record);
    ReadSettings(record);
}

void TRaumtemperaturMessungBasis::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag, int column,
                                                  int row)
{
    LOG_FKT_START(QualifiedName("BuildInfoWindow"));
    if (!BeginInfoWindow(grid))
        return;
    BindGridEvents(grid, this);
    std::uint8_t circuits = 0;
    if (!GetRegelkreise(circuits))
        return;
    const bool oneCircuit = circuits == 0;
    const int e = TemperaturErfassung;
    using namespace Sprclimalib;

    if (oneCircuit)
        AddRowComboBox(grid, Text14057, tagTemperaturErfassung, TemperaturErfassungItems(), e, 0, flag);
    if (oneCircuit && e == 2) {
        AddRowComboBox(grid, Text14067, tagMesswertbildung,
                       {{Text14058, 0}, {Text14059, 1}, {Text14060, 2}, {Text14061, 3}, {Text14062, 4},
                        {Text14063, 5}, {Text14064, 6}, {Text14065, 7}, {Text14066, 8}},
                       Messwertbildung, 0, true);
    }
    // Without the sensor choice this is the first row: it takes the flag.
    if (e == 0 || e == 2 || !oneCircuit)
        AddRowSpinEdit(grid, Text14068, tagAbgleichInternerFuehler, 127, -128, 1, AbgleichInternerFuehler, 0,
                       oneCircuit ? true : flag);
    if (e == 1 || e == 2 || !oneCircuit) {
        AddRowSpinEdit(grid, Text14069, tagAbgleichExternerFuehler, 127, -128, 1, AbgleichExternerFuehler, 0, true);
        AddRowSpinEdit(grid, Text14070, tagAbfragezeitExternerFuehler, 255, 0, 1, AbfragezeitExternerFuehler, 0,
                       true);
    }
    AddRowSpinEdit(grid, Text14071, tagSendenBeiAenderung, 255, 0, 1, SendenBeiAenderung, 0, true);
    AddRowSpinEdit(grid, Text14072, tagZyklischesSenden, 255, 0, 1, ZyklischesSenden, 0, true);
    AddRowComboBoxYes(grid, Text14202, tagTemperaturalarmUeberObjekt, TemperaturalarmUeberObjekt, 0, true);
    if (TemperaturalarmUeberObjekt == T_DB_EnumDataBasis::Ja) {
        AddRowSpinEditComma(grid, Text14203, tagUntererTemperaturwert, 40.0, 0.0, 1, UntererTemperaturwert, 1, 0,
                            true);
        AddRowSpinEditComma(grid, Text14204, tagObererTemperaturwert, 40.0, 0.0, 1, ObererTemperaturwert, 1, 0,
                            true);
    }
    EndInfoWindow(column, row);
}

void TRaumtemperaturMessungBasis::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START(QualifiedName("GridComboBoxChange"));
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    switch (cell.Tag) {
    case tagTemperaturErfassung:
        ChangeMember<std::int8_t>(TemperaturErfassung, static_cast<std::int8_t>(value),
                                  SwitchObjectsRule(this, &B::ModifyExternerTempFuehlerObjekt), column, row);
        break;
    case tagMesswertbildung:
        ChangeMember<std::int8_t>(Messwertbildung, static_cast<std::int8_t>(value), TChangeMarks::StoreAll(), column,
                                  row);
        break;
    case tagTemperaturalarmUeberObjekt:
        ChangeMember(TemperaturalarmUeberObjekt, ToEnumBool(value != 0),
                     SwitchObjectsRule(this, &B::ModifyTemperaturalarmObjekte), column, row);
        break;
    default:
        break;
    }
}

void TRaumtemperaturMessungBasis::GridEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START(QualifiedName("GridEditChange"));
}

void TRaumtemperaturMessungBasis::GridSpinEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/,
                                                     int /*row*/)
{
    LOG_FKT_START(QualifiedName("GridSpinEditChange"));
}

void TRaumtemperaturMessungBasis::GridSpinEditOverflow(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                                       int /*column*/, int /*row*/, double /*value*/)
{
    LOG_FKT_START(QualifiedName("GridSpinEditOverflow"));
}

void TRaumtemperaturMessungBasis::GridSpinEditUnderflow(TDrawGridSE* /*grid*/, TObject* /*sender*/,
                                                        TCell& /*cell*/, int /*column*/, int /*row*/,
                                                        double /*value*/)
{
    LOG_FKT_START(QualifiedName("GridSpinEditUnderflow"));
}

void TRaumtemperaturMessungBasis::GridExit(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                           int /*column*/, int /*row*/)
{
    LOG_FKT_START(QualifiedName("GridExit"));
}

void TRaumtemperaturMessungBasis::GridEllipseClick(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START(QualifiedName("GridEllipseClick"));
}

void TRaumtemperaturMessungBasis::GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START(QualifiedName("GridExitCell"));
    if (!grid || !sender || !sender->ClassNameIs("TLkSpinEdit"))
        return;
    std::int32_t* number = nullptr;
    switch (cell.Tag) {
    case tagAbgleichInternerFuehler:
        number = &AbgleichInternerFuehler;
        break;
    case tagAbgleichExternerFuehler:
        number = &AbgleichExternerFuehler;
        break;
    case tagAbfragezeitExternerFuehler:
        number = &AbfragezeitExternerFuehler;
        break;
    case tagSendenBeiAenderung:
        number = &SendenBeiAenderung;
        break;
    case tagZyklischesSenden:
        number = &ZyklischesSenden;
        break;
    case tagUntererTemperaturwert:
    case tagObererTemperaturwert: {
        double value = 0;
        if (ReadSpinDouble(sender, value))
            ChangeLimit(cell.Tag == tagUntererTemperaturwert, value, column, row);
        return;
    }
    default:
        return;
    }
    std::int16_t value = 0;
    if (ReadSpinValue(sender, value))
        ChangeMember<std::int32_t>(*number, value, TChangeMarks::StoreOthers(), column, row);
}

// The limits are compared as whole tenths, the unit they are stored in.
void TRaumtemperaturMessungBasis::ChangeLimit(bool lower, double value, int column, int row)
{
    double& limit = lower ? UntererTemperaturwert : ObererTemperaturwert;
    const int tenths = MakeDoubleToInt(value, 1);
    if (tenths == MakeDoubleToInt(limit, 1))
        return;
    const int lowerTenths = lower ? tenths : MakeDoubleToInt(UntererTemperaturwert, 1);
    const int upperTenths = lower ? MakeDoubleToInt(ObererTemperaturwert, 1) : tenths;
    if (lowerTenths >= upperTenths) {
        RefuseLimit(lower ? Sprclimalib::Text14213 : Sprclimalib::Text14212, column, row);
        return;
    }
    limit = MakeIntToDouble(tenths, 1);
    FinishChange(TChangeMarks::StoreOthers(), column, row);
}

void TRaumtemperaturMessungBasis::RefuseLimit(const std::string& text, int column, int row) const
{
    platform::MessageBox(text, Sprclimalib::Text14211, platform::MB_OK | platform::MB_ICONWARNING);
    MainWindow().PostUpdateAllViews(column, row);
}

bool TRaumtemperaturMessungBasis::UsesExternalSensor(std::uint8_t circuits) const
{
    return TemperaturErfassung == 1 || TemperaturErfassung == 2 || circuits == 1;
}

bool TRaumtemperaturMessungBasis::CreateObjects()
{
    LOG_FKT_START(QualifiedName("CreateObjects"));
    return ModifyAllObjects(*this, ObjectOperations, false);
}

bool TRaumtemperaturMessungBasis::DeleteObjects()
{
    LOG_FKT_START(QualifiedName("DeleteObjects"));
    return ModifyAllObjects(*this, ObjectOperations, true);
}

bool TRaumtemperaturMessungBasis::ModifyExternerTempFuehlerObjekt(bool remove, bool ask)
{
    LOG_FKT_START(QualifiedName("ModifyExternerTempFuehlerObjekt"));
    int value = 0;
    if (!remove) {
        std::uint8_t circuits = 0;
        if (!GetRegelkreise(circuits))
            return false;
        value = UsesExternalSensor(circuits) ? 1 : 0;
    }
    return ModifyObject(value, ObjektExternerTempFuehler, PositionExternerTempFuehler, ask);
}

bool TRaumtemperaturMessungBasis::ModifyTemperaturalarmObjekte(bool remove, bool ask)
{
    LOG_FKT_START(QualifiedName("ModifyTemperaturalarmObjekte"));
    const int value = !remove && TemperaturalarmUeberObjekt == T_DB_EnumDataBasis::Ja ? 1 : 0;
    if (ask && !CheckIfDeleteObjectsAllowed({ObjektTemperaturalarmA, ObjektTemperaturalarmB}))
        return false;
    return ModifyObject(value, ObjektTemperaturalarmA, PositionTemperaturalarmA, false)
        && ModifyObject(value, ObjektTemperaturalarmB, PositionTemperaturalarmB, false);
}

bool TRaumtemperaturMessungBasis::ModifyValueExternerTempFuehler(bool ask)
{
    LOG_FKT_START(QualifiedName("ModifyValueExternerTempFuehler"));
    return ModifyExternerTempFuehlerObjekt(false, ask);
}

bool TRaumtemperaturMessungBasis::ModifyValueTemperaturErfassung(bool /*unused*/)
{
    LOG_FKT_START(QualifiedName("ModifyValueTemperaturErfassung"));
    TemperaturErfassung = 0;
    return true;
}

bool TRaumtemperaturMessungBasis::Paste(TRecordTable* table, std::string& message)
{
    LOG_FKT_START(QualifiedName("Paste"));
    bool answer = false;
    const TDatenStruktur copied = TakePasteRecord(table, message, answer);
    ReadSettings(copied);
    return answer;
}

void TRaumtemperaturMessungBasis::SetGlobalParameter()
{
    LOG_FKT_START(QualifiedName("SetGlobalParameter"));
    ClearGlobalParameterMap();
    for (const int tag : {tagMesswertbildung, tagAbgleichInternerFuehler, tagAbgleichExternerFuehler,
                          tagAbfragezeitExternerFuehler, tagSendenBeiAenderung, tagZyklischesSenden,
                          tagUntererTemperaturwert, tagObererTemperaturwert}) {
        if (!DeclareGlobalParameter(tag))
            return;
    }
}

int TRaumtemperaturMessungBasis::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target,
                                                      std::string& message)
{
    LOG_FKT_START(QualifiedName("WriteGlobalParameter"));
    if (!table || !target)
        return -9;
    if (const int fits = CheckGlobalParameterTarget(*table, *target, message); fits != 1)
        return fits;
    // The pair of limits the copy would leave in the target must keep lower < upper, as the
    // grid does; otherwise the target keeps its record.
    if (ChangeParameter(tagUntererTemperaturwert) || ChangeParameter(tagObererTemperaturwert)) {
        std::int32_t lower = target->Param10;
        std::int32_t upper = target->Param11;
        WriteParameter(lower, MakeDoubleToInt(UntererTemperaturwert, 1), tagUntererTemperaturwert);
        WriteParameter(upper, MakeDoubleToInt(ObererTemperaturwert, 1), tagObererTemperaturwert);
        if (lower >= upper) {
            message = "Unterer Temperaturwert " + TenthsText(lower) + " nicht unter oberem " + TenthsText(upper) +
                      ": nicht \xFC""bernommen";
            return -9;
        }
    }
    WriteParameter(target->Param4, Messwertbildung, tagMesswertbildung);
    WriteParameter(target->Param5, AbgleichInternerFuehler, tagAbgleichInternerFuehler);
    WriteParameter(target->Param6, AbgleichExternerFuehler, tagAbgleichExternerFuehler);
    WriteParameter(target->Param7, AbfragezeitExternerFuehler, tagAbfragezeitExternerFuehler);
    WriteParameter(target->Param8, SendenBeiAenderung, tagSendenBeiAenderung);
    WriteParameter(target->Param9, ZyklischesSenden, tagZyklischesSenden);
    WriteParameter(target->Param10, MakeDoubleToInt(UntererTemperaturwert, 1), tagUntererTemperaturwert);
    WriteParameter(target->Param11, MakeDoubleToInt(ObererTemperaturwert, 1), tagObererTemperaturwert);
    message.clear();
    return 4;
}
