#include "climalib/ReglerSollwerte.h"

#include "app/Sprclimalib.h"
#include "climalib/GlobalParameterTarget.h"
#include "climalib/RecordChainReader.h"
#include "climalib/RecordChainWriter.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionZugriff.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

using S = TReglerSollwerte;
using namespace T_DB_EnumReglerSollwerte;

const TClimaDataObject::TClassInfo Info{"TReglerSollwerte", S::Typ, S::Icon, S::QuickHelpOffset};

// The object operations in the order CreateObjects and DeleteObjects run them.
constexpr std::array ObjectOperations{&S::ModifyBasisSollwertObjekt,
                                      &S::ModifySollTemperaturObjekt,
                                      &S::ModifySollTempRk2Objekt,
                                      &S::ModifyBasisSollwertRk2Objekt,
                                      &S::ModifyAktuelleSollwertverschiebungObjekte,
                                      &S::ModifySollwertverschiebungObjekte};

bool IsHeizen(int mode)
{
    return mode == 0 || mode == 2 || mode == 3 || mode == 5;
}
bool IsKuehlen(int mode)
{
    return mode == 1 || mode == 2 || mode == 4 || mode == 5;
}
bool IsHeizenUndKuehlen(int mode)
{
    return mode == 2 || mode == 5;
}
bool HasZusatzstufe(int mode)
{
    return mode == 3 || mode == 4 || mode == 5;
}

// The nearest multiple of 5.
std::int32_t RoundToFive(std::int32_t value)
{
    return (value >= 0 ? value + 2 : value - 2) / 5 * 5;
}

// The caption with its "%d" replaced by the limit.
std::string WithLimit(const std::string& caption, int limit)
{
    std::string text = caption;
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(limit));
    return text;
}

} // namespace

TReglerSollwerte::TReglerSollwerte(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                   const std::string& name, std::int32_t handle)
    : TClimaDataObject(windowHandle, system, parent, name, handle, Info)
{
    LOG_FKT_START("TReglerSollwerte::TReglerSollwerte");
    SetGlobalParameter();
}

TReglerSollwerte::~TReglerSollwerte() = default;

TReglerFunktion* TReglerSollwerte::GetReglerFunktion() const
{
    return ReglerFunktionZugriff::AsReglerFunktion(GetParentObject());
}

bool TReglerSollwerte::ReadReglerStand(TReglerStand& stand) const
{
    TReglerFunktion* controller = GetReglerFunktion();
    if (!controller)
        return false;
    stand.zweiRegelkreise = controller->GetValueOfRegelkreise() == 1;
    stand.betriebsart = controller->GetValueOfReglerBetriebsart();
    T_DB_EnumTalvoSystem::TEnumZugriffBedienebenen level{};
    if (!controller->CallGetValueOfZugriffAufBedienebenen(level))
        return false;
    stand.anzeigetastenNutzbar = level != 0 && controller->GetValueOfReglerBedienungSperrbar() != 1;
    return true;
}

// ---- record ----

void TReglerSollwerte::ReadMainRecord(const TDatenStruktur& record)
{
    BasistemperaturNachReset = MakeIntToDouble(record.Param3, 1);
    AenderungNachtTemperaturRk1 = static_cast<std::int8_t>(record.Param4);
    AenderungStandbyTemperaturRk1 = static_cast<std::int8_t>(record.Param5);
    SolltemperaturFrostschutz = record.Param6;
    SolltemperaturHitzeschutz = record.Param7;
    Totzonenposition = static_cast<std::int8_t>(record.Param8);
    Totzone = record.Param9;
    SendenBeiAenderung = record.Param10;
    ZyklischesSenden = record.Param11;
    EinstellungNachOben = record.Param12;
    EinstellungNachUnten = record.Param13;
    AbsenkenStandbyHeizen = record.Param14;
    AbsenkenNachtHeizen = record.Param15;
    AnhebenStandbyKuehlen = record.Param16;
    AnhebenNachtKuehlen = record.Param17;
    AenderungBasisSollwert = static_cast<std::int8_t>(record.Param18);
    Totzonenverschiebung = static_cast<std::int8_t>(record.Param19);
    BasisSollwertDauerhaft = ToEnumBool(record.Bool3);
    BasisSollwertverschiebungDauerhaft = ToEnumBool(record.Bool4);
}

void TReglerSollwerte::ReadAdditionalRecord(const TDatenStruktur& record)
{
    AenderungBasisSollwertRk2 = static_cast<std::int8_t>(record.Param1);
    BasistemperaturRk2NachReset = MakeIntToDouble(record.Param2, 1);
    Stufenabstand = record.Param3;
    AbsenkenStandbyHeizenRk2 = record.Param4;
    AbsenkenNachtHeizenRk2 = record.Param5;
    AnhebenStandbyKuehlenRk2 = record.Param6;
    AnhebenNachtKuehlenRk2 = record.Param7;
    AenderungSollwerteKuehlen = static_cast<std::int8_t>(record.Param8);
    WertigkeitStufeSollwertverschiebung =
        static_cast<TEnumWertigkeitStufeSollwertverschiebung>(static_cast<std::uint8_t>(record.Param9));
    EigeneSollwerteRk2 = ToEnumBool(record.Bool1);
}

void TReglerSollwerte::Write(TDatenStruktur& record)
{
    LOG_FKT_START("TReglerSollwerte::Write");
    const std::int32_t oldNext = record.Next;
    TDataBasis::Write(record);
    record.Param3 = MakeDoubleToInt(BasistemperaturNachReset, 1);
    record.Param4 = AenderungNachtTemperaturRk1;
    record.Param5 = AenderungStandbyTemperaturRk1;
    record.Param6 = SolltemperaturFrostschutz;
    record.Param7 = SolltemperaturHitzeschutz;
    record.Param8 = Totzonenposition;
    record.Param9 = Totzone;
    record.Param10 = SendenBeiAenderung;
    record.Param11 = ZyklischesSenden;
    record.Param12 = EinstellungNachOben;
    record.Param13 = EinstellungNachUnten;
    record.Param14 = AbsenkenStandbyHeizen;
    record.Param15 = AbsenkenNachtHeizen;
    record.Param16 = AnhebenStandbyKuehlen;
    record.Param17 = AnhebenNachtKuehlen;
    record.Param18 = AenderungBasisSollwert;
    record.Param19 = Totzonenverschiebung;
    record.Bool3 = BasisSollwertDauerhaft != 0;
    record.Bool4 = BasisSollwertverschiebungDauerhaft != 0;

    TRecordChainWriter chain(*this, MainWindow(), record, oldNext);
    TDatenStruktur* additional = chain.Next();
    if (!additional)
        return;
    additional->Param1 = AenderungBasisSollwertRk2;
    additional->Param2 = MakeDoubleToInt(BasistemperaturRk2NachReset, 1);
    additional->Param3 = Stufenabstand;
    additional->Param4 = AbsenkenStandbyHeizenRk2;
    additional->Param5 = AbsenkenNachtHeizenRk2;
    additional->Param6 = AnhebenStandbyKuehlenRk2;
    additional->Param7 = AnhebenNachtKuehlenRk2;
    additional->Param8 = AenderungSollwerteKuehlen;
    additional->Param9 = WertigkeitStufeSollwertverschiebung;
    additional->Bool1 = EigeneSollwerteRk2 != 0;
}

void TReglerSollwerte::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START("TReglerSollwerte::InitFromDB");
    TDataBasis::InitFromDB(record);
    ReadMainRecord(record);
    TRecordChainReader chain(*this, record);
    if (const TDatenStruktur* additional = chain.Next())
        ReadAdditionalRecord(*additional);
}

bool TReglerSollwerte::ConvertDBDataAfterTemplateImport()
{
    LOG_FKT_START("TReglerSollwerte::ConvertDBDataAfterTemplateImport");
    WertigkeitStufeSollwertverschiebung = Stufe01K;
    return true;
}

// ---- grid ----

void TReglerSollwerte::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag, int column, int row)
{
    LOG_FKT_START("TReglerSollwerte::BuildInfoWindow");
    if (!BeginInfoWindow(grid))
        return;
    BindGridEvents(grid, this);
    TReglerStand stand;
    if (!ReadReglerStand(stand))
        return;
    AddRows(grid, stand, flag);
    EndInfoWindow(column, row);
}

void TReglerSollwerte::AddRows(TDrawGridSE* grid, const TReglerStand& stand, bool flag)
{
    using namespace Sprclimalib;
    const bool halfKelvin = WertigkeitStufeSollwertverschiebung == Stufe05K;
    const int step = halfKelvin ? 5 : 1;
    const int raiseLimit = halfKelvin ? 125 : 127;  // m
    const int lowerLimit = halfKelvin ? -125 : -128; // n
    const int mode = stand.betriebsart;
    const bool two = stand.zweiRegelkreise;
    const bool ownRk2 = two && EigeneSollwerteRk2 == T_DB_EnumDataBasis::Ja;
    const bool keys = stand.anzeigetastenNutzbar;
    const std::vector<TComboWert> keyChoice{{Text14075, Deaktiviert}, {Text14076, UeberAnzeigetasten}};

    // The page's first row takes the flag.
    if (two)
        AddRowComboBoxYes(grid, Text14172, tagEigeneSollwerteRk2, EigeneSollwerteRk2, 0, flag);
    AddRowComboBox(grid, Text14221, tagWertigkeitStufeSollwertverschiebung,
                   {{Text14219, Stufe01K}, {Text14220, Stufe05K}}, WertigkeitStufeSollwertverschiebung, 0,
                   two ? true : flag);
    AddRowSpinEditComma(grid, Text14073, tagBasistemperaturNachReset, 40.0, 7.0, step, BasistemperaturNachReset, 1,
                        0, true);
    if (ownRk2)
        AddRowSpinEditComma(grid, Text14174, tagBasistemperaturRk2NachReset, 40.0, 7.0, step,
                            BasistemperaturRk2NachReset, 1, 0, true);
    AddRowComboBoxYes(grid, Text14074, tagBasisSollwertverschiebungDauerhaft, BasisSollwertverschiebungDauerhaft, 0,
                      true);

    std::vector<TComboWert> basisChoice{{Text14075, Deaktiviert}};
    if (keys)
        basisChoice.push_back({Text14076, UeberAnzeigetasten});
    basisChoice.push_back({Text14077, UeberObjekt});
    if (keys)
        basisChoice.push_back({Text14078, UeberAnzeigetastenUndObjekt});
    AddRowComboBox(grid, Text14079, tagAenderungBasisSollwert, basisChoice, AenderungBasisSollwert, 0, true);
    if (ownRk2)
        AddRowComboBox(grid, Text14173, tagAenderungBasisSollwertRk2,
                       {{Text14075, Deaktiviert}, {Text14077, UeberObjekt}}, AenderungBasisSollwertRk2, 0, true);
    if (AenderungBasisSollwert != Deaktiviert || (ownRk2 && AenderungBasisSollwertRk2 != Deaktiviert))
        AddRowComboBoxYes(grid, Text14080, tagBasisSollwertDauerhaft, BasisSollwertDauerhaft, 0, true);
    if (!two && keys && IsHeizenUndKuehlen(mode))
        AddRowComboBox(grid, Text14199, tagAenderungSollwerteKuehlen, keyChoice, AenderungSollwerteKuehlen, 0, true);
    if (keys) {
        AddRowComboBox(grid, Text14081, tagAenderungStandbyTemperaturRk1, keyChoice, AenderungStandbyTemperaturRk1, 0,
                       true);
        AddRowComboBox(grid, Text14082, tagAenderungNachtTemperaturRk1, keyChoice, AenderungNachtTemperaturRk1, 0,
                       true);
    }
    if (IsHeizen(mode))
        AddRowSpinEdit(grid, Text14083, tagSolltemperaturFrostschutz, 40, 7, 1, SolltemperaturFrostschutz, 0, true);
    if (IsKuehlen(mode))
        AddRowSpinEdit(grid, Text14084, tagSolltemperaturHitzeschutz, 45, 7, 1, SolltemperaturHitzeschutz, 0, true);
    if (IsHeizenUndKuehlen(mode)) {
        AddRowComboBox(grid, Text14087, tagTotzonenposition, {{Text14085, Symmetrisch}, {Text14086, Asymmetrisch}},
                       Totzonenposition, 0, true);
        AddRowSpinEdit(grid, WithLimit(Text14088, raiseLimit), tagTotzone, raiseLimit, 0, step, Totzone, 0, true);
        if (AenderungSollwerteKuehlen == UeberAnzeigetasten)
            AddRowComboBox(grid, Text14093, tagTotzonenverschiebung, keyChoice, Totzonenverschiebung, 0, true);
    }
    if (HasZusatzstufe(mode))
        AddRowSpinEdit(grid, Text14175, tagStufenabstand, 127, 0, 1, Stufenabstand, 0, true);
    AddRowSpinEdit(grid, Text14089, tagSendenBeiAenderung, 255, 0, 1, SendenBeiAenderung, 0, true);
    AddRowSpinEdit(grid, Text14090, tagZyklischesSenden, 255, 0, 1, ZyklischesSenden, 0, true);
    AddRowSpinEdit(grid, Text14091, tagEinstellungNachOben, 10, 0, 1, EinstellungNachOben, 0, true);
    AddRowSpinEdit(grid, Text14092, tagEinstellungNachUnten, 0, -10, 1, EinstellungNachUnten, 0, true);
    if (IsHeizen(mode)) {
        AddRowSpinEdit(grid, WithLimit(Text14096, lowerLimit), tagAbsenkenStandbyHeizen, 0, lowerLimit, step,
                       AbsenkenStandbyHeizen, 0, true);
        AddRowSpinEdit(grid, WithLimit(Text14094, lowerLimit), tagAbsenkenNachtHeizen, 0, lowerLimit, step,
                       AbsenkenNachtHeizen, 0, true);
    }
    if (IsKuehlen(mode)) {
        AddRowSpinEdit(grid, WithLimit(Text14178, raiseLimit), tagAnhebenStandbyKuehlen, raiseLimit, 0, step,
                       AnhebenStandbyKuehlen, 0, true);
        AddRowSpinEdit(grid, WithLimit(Text14176, raiseLimit), tagAnhebenNachtKuehlen, raiseLimit, 0, step,
                       AnhebenNachtKuehlen, 0, true);
    }
    if (ownRk2 && mode == 0) {
        AddRowSpinEdit(grid, WithLimit(Text14097, lowerLimit), tagAbsenkenStandbyHeizenRk2, 0, lowerLimit, step,
                       AbsenkenStandbyHeizenRk2, 0, true);
        AddRowSpinEdit(grid, WithLimit(Text14095, lowerLimit), tagAbsenkenNachtHeizenRk2, 0, lowerLimit, step,
                       AbsenkenNachtHeizenRk2, 0, true);
    }
    if (ownRk2 && mode == 1) {
        AddRowSpinEdit(grid, WithLimit(Text14179, raiseLimit), tagAnhebenStandbyKuehlenRk2, raiseLimit, 0, step,
                       AnhebenStandbyKuehlenRk2, 0, true);
        AddRowSpinEdit(grid, WithLimit(Text14177, raiseLimit), tagAnhebenNachtKuehlenRk2, raiseLimit, 0, step,
                       AnhebenNachtKuehlenRk2, 0, true);
    }
}

void TReglerSollwerte::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglerSollwerte::GridComboBoxChange");
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    const auto choice = static_cast<std::int8_t>(value);
    const auto yesNo = ToEnumBool(value != 0);
    const auto storeOthers = TChangeMarks::StoreOthers();

    switch (cell.Tag) {
    case tagEigeneSollwerteRk2: {
        if (yesNo == EigeneSollwerteRk2)
            return;
        // The operation puts the old value back itself when it fails.
        TChangeMarks marks;
        if (ModifyValueEigeneSollwerteRk2(yesNo, true))
            marks = TChangeMarks::StoreObjects();
        else
            marks.UpdateAllViews = true;
        FinishChange(marks, column, row);
        break;
    }
    case tagWertigkeitStufeSollwertverschiebung:
        ChangeMember<TEnumWertigkeitStufeSollwertverschiebung>(
            WertigkeitStufeSollwertverschiebung,
            value != 0 ? Stufe05K : Stufe01K,
            [this](auto, TChangeMarks& marks) {
                // The device's answer changes nothing here.
                CallModifyWertigkeitStufeSollwertverschiebungValue(WertigkeitStufeSollwertverschiebung);
                ModifyWertigkeitStufeSollwertverschiebung();
                marks = TChangeMarks::StoreAll();
                return true;
            },
            column, row);
        break;
    case tagBasisSollwertverschiebungDauerhaft:
        ChangeMember(BasisSollwertverschiebungDauerhaft, yesNo, storeOthers, column, row);
        break;
    case tagAenderungBasisSollwert:
        ChangeMember(AenderungBasisSollwert, choice, SwitchObjectsRule(this, &S::ModifyBasisSollwertObjekt), column,
                     row);
        break;
    case tagAenderungBasisSollwertRk2:
        ChangeMember(AenderungBasisSollwertRk2, choice, SwitchObjectsRule(this, &S::ModifyBasisSollwertRk2Objekt),
                     column, row);
        break;
    case tagBasisSollwertDauerhaft:
        ChangeMember(BasisSollwertDauerhaft, yesNo, storeOthers, column, row);
        break;
    case tagAenderungSollwerteKuehlen:
        ChangeMember(AenderungSollwerteKuehlen, choice, TChangeMarks::StoreAll(), column, row);
        break;
    case tagAenderungStandbyTemperaturRk1:
        ChangeMember(AenderungStandbyTemperaturRk1, choice, storeOthers, column, row);
        break;
    case tagAenderungNachtTemperaturRk1:
        ChangeMember(AenderungNachtTemperaturRk1, choice, storeOthers, column, row);
        break;
    case tagTotzonenposition:
        ChangeMember(Totzonenposition, choice, storeOthers, column, row);
        break;
    case tagTotzonenverschiebung:
        ChangeMember(Totzonenverschiebung, choice, storeOthers, column, row);
        break;
    default:
        break;
    }
}

template <typename TMember>
void TReglerSollwerte::ChangeSteppedValue(TMember& member, TMember value, int column, int row)
{
    ChangeMember(
        member, value,
        [this](auto, TChangeMarks& marks) {
            ModifyWertigkeitStufeSollwertverschiebung();
            marks = TChangeMarks::StoreAll();
            return true;
        },
        column, row);
}

void TReglerSollwerte::GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglerSollwerte::GridExitCell");
    if (!grid || !sender || !sender->ClassNameIs("TLkSpinEdit"))
        return;

    if (cell.Tag == tagBasistemperaturNachReset || cell.Tag == tagBasistemperaturRk2NachReset) {
        double value = 0;
        if (!ReadSpinDouble(sender, value))
            return;
        double& member =
            cell.Tag == tagBasistemperaturNachReset ? BasistemperaturNachReset : BasistemperaturRk2NachReset;
        // Temperatures are kept as whole tenths: 21.299999 is 21.3.
        const int tenths = MakeDoubleToInt(value, 1);
        if (tenths != MakeDoubleToInt(member, 1))
            ChangeSteppedValue(member, MakeIntToDouble(tenths, 1), column, row);
        return;
    }

    std::int32_t* stepped = nullptr;
    std::int32_t* plain = nullptr;
    switch (cell.Tag) {
    case tagTotzone: stepped = &Totzone; break;
    case tagAbsenkenStandbyHeizen: stepped = &AbsenkenStandbyHeizen; break;
    case tagAbsenkenNachtHeizen: stepped = &AbsenkenNachtHeizen; break;
    case tagAnhebenStandbyKuehlen: stepped = &AnhebenStandbyKuehlen; break;
    case tagAnhebenNachtKuehlen: stepped = &AnhebenNachtKuehlen; break;
    case tagAbsenkenStandbyHeizenRk2: stepped = &AbsenkenStandbyHeizenRk2; break;
    case tagAbsenkenNachtHeizenRk2: stepped = &AbsenkenNachtHeizenRk2; break;
    case tagAnhebenStandbyKuehlenRk2: stepped = &AnhebenStandbyKuehlenRk2; break;
    case tagAnhebenNachtKuehlenRk2: stepped = &AnhebenNachtKuehlenRk2; break;
    case tagSolltemperaturFrostschutz: plain = &SolltemperaturFrostschutz; break;
    case tagSolltemperaturHitzeschutz: plain = &SolltemperaturHitzeschutz; break;
    case tagStufenabstand: plain = &Stufenabstand; break;
    case tagSendenBeiAenderung: plain = &SendenBeiAenderung; break;
    case tagZyklischesSenden: plain = &ZyklischesSenden; break;
    case tagEinstellungNachOben: plain = &EinstellungNachOben; break;
    case tagEinstellungNachUnten: plain = &EinstellungNachUnten; break;
    default: return;
    }
    std::int16_t value = 0;
    if (!ReadSpinValue(sender, value))
        return;
    if (stepped)
        ChangeSteppedValue<std::int32_t>(*stepped, value, column, row);
    else
        ChangeMember<std::int32_t>(*plain, value, TChangeMarks::StoreOthers(), column, row);
}

void TReglerSollwerte::GridEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerSollwerte::GridEditChange");
}

void TReglerSollwerte::GridSpinEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerSollwerte::GridSpinEditChange");
}

void TReglerSollwerte::GridSpinEditOverflow(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                            int /*column*/, int /*row*/, double /*value*/)
{
    LOG_FKT_START("TReglerSollwerte::GridSpinEditOverflow");
}

void TReglerSollwerte::GridSpinEditUnderflow(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                             int /*column*/, int /*row*/, double /*value*/)
{
    LOG_FKT_START("TReglerSollwerte::GridSpinEditUnderflow");
}

void TReglerSollwerte::GridExit(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/, int /*column*/,
                                int /*row*/)
{
    LOG_FKT_START("TReglerSollwerte::GridExit");
}

void TReglerSollwerte::GridEllipseClick(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerSollwerte::GridEllipseClick");
}

// ---- value rules ----

bool TReglerSollwerte::ModifyWertigkeitStufeSollwertverschiebung()
{
    LOG_FKT_START("TReglerSollwerte::ModifyWertigkeitStufeSollwertverschiebung");
    if (WertigkeitStufeSollwertverschiebung != Stufe05K)
        return true;
    for (double* temperature : {&BasistemperaturNachReset, &BasistemperaturRk2NachReset})
        *temperature = MakeIntToDouble(RoundToFive(MakeDoubleToInt(*temperature, 1)), 1);
    for (std::int32_t* raise : {&Totzone, &AnhebenStandbyKuehlen, &AnhebenNachtKuehlen, &AnhebenStandbyKuehlenRk2,
                                &AnhebenNachtKuehlenRk2})
        *raise = std::min(RoundToFive(*raise), 125);
    for (std::int32_t* lower :
         {&AbsenkenStandbyHeizen, &AbsenkenNachtHeizen, &AbsenkenStandbyHeizenRk2, &AbsenkenNachtHeizenRk2})
        *lower = std::max(RoundToFive(*lower), -125);
    return true;
}

bool TReglerSollwerte::CallModifyWertigkeitStufeSollwertverschiebungValue(
    TEnumWertigkeitStufeSollwertverschiebung value)
{
    LOG_FKT_START("TReglerSollwerte::CallModifyWertigkeitStufeSollwertverschiebungValue");
    return CallDevice(UDM_MODIFY_WERTIGKEIT_STUFE_SOLLWERTVERSCHIEBUNG_VALUE, 0, value);
}

bool TReglerSollwerte::ModifyValueEigeneSollwerteRk2(T_DB_EnumDataBasis::TEnumBool value, bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifyValueEigeneSollwerteRk2");
    return SetMemberForStep(EigeneSollwerteRk2, value, [this, ask] {
        return (!ask || CheckIfDeleteObjectsAllowed({ObjektSollTempRk2, ObjektBasisSollwertRk2}))
            && ModifySollTempRk2Objekt(false, false) && ModifyBasisSollwertRk2Objekt(false, false);
    });
}

bool TReglerSollwerte::ModifyValueAenderungSollwerte(bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifyValueAenderungSollwerte");
    TReglerStand stand;
    if (!ReadReglerStand(stand))
        return false;
    if (stand.anzeigetastenNutzbar) {
        switch (stand.betriebsart) {
        case 0:
        case 3: AenderungSollwerteKuehlen = Deaktiviert; break;
        case 1:
        case 4: AenderungSollwerteKuehlen = UeberAnzeigetasten; break;
        default: break;
        }
        return true;
    }
    // Without its object "Über Objekt zulassen" must not stay.
    if (AenderungBasisSollwert != Deaktiviert
        && !SetMemberForStep<std::int8_t>(AenderungBasisSollwert, UeberObjekt,
                                          [this, ask] { return ModifyBasisSollwertObjekt(false, ask); }))
        return false;
    AenderungSollwerteKuehlen = Deaktiviert;
    AenderungStandbyTemperaturRk1 = Deaktiviert;
    AenderungNachtTemperaturRk1 = Deaktiviert;
    Totzonenverschiebung = Deaktiviert;
    return true;
}

// ---- communication objects ----

bool TReglerSollwerte::CreateObjects()
{
    LOG_FKT_START("TReglerSollwerte::CreateObjects");
    return ModifyAllObjects(*this, ObjectOperations, false);
}

bool TReglerSollwerte::DeleteObjects()
{
    LOG_FKT_START("TReglerSollwerte::DeleteObjects");
    return ModifyAllObjects(*this, ObjectOperations, true);
}

bool TReglerSollwerte::ModifyBasisSollwertObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifyBasisSollwertObjekt");
    const bool used = AenderungBasisSollwert == UeberObjekt || AenderungBasisSollwert == UeberAnzeigetastenUndObjekt;
    return ModifyObject(!remove && used ? 1 : 0, ObjektBasisSollwert, PositionBasisSollwert, ask);
}

bool TReglerSollwerte::ModifyBasisSollwertRk2Objekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifyBasisSollwertRk2Objekt");
    int value = 0;
    if (!remove) {
        const TReglerFunktion* controller = GetReglerFunktion();
        if (!controller)
            return false;
        value = controller->GetValueOfRegelkreise() == 1 && EigeneSollwerteRk2 == T_DB_EnumDataBasis::Ja
                && AenderungBasisSollwertRk2 == UeberObjekt
            ? 1
            : 0;
    }
    return ModifyObject(value, ObjektBasisSollwertRk2, PositionBasisSollwertRk2, ask);
}

bool TReglerSollwerte::ModifySollTemperaturObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifySollTemperaturObjekt");
    return ModifyObject(remove ? 0 : 1, ObjektSollTemperatur, PositionSollTemperatur, ask);
}

bool TReglerSollwerte::ModifySollTempRk2Objekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifySollTempRk2Objekt");
    int value = 0;
    if (!remove) {
        const TReglerFunktion* controller = GetReglerFunktion();
        if (!controller)
            return false;
        value = controller->GetValueOfRegelkreise() == 1 && EigeneSollwerteRk2 == T_DB_EnumDataBasis::Ja ? 1 : 0;
    }
    return ModifyObject(value, ObjektSollTempRk2, PositionSollTempRk2, ask);
}

bool TReglerSollwerte::ModifyAktuelleSollwertverschiebungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifyAktuelleSollwertverschiebungObjekte");
    return ModifyObject(remove ? 0 : 1, ObjektAktuelleSollwertverschiebung, PositionAktuelleSollwertverschiebung,
                        ask);
}

bool TReglerSollwerte::ModifySollwertverschiebungObjekte(bool remove, bool ask)
{
    LOG_FKT_START("TReglerSollwerte::ModifySollwertverschiebungObjekte");
    return ModifyObject(remove ? 0 : 1, ObjektSollwertverschiebung, PositionSollwertverschiebung, ask);
}

// ---- paste and global parameters ----

bool TReglerSollwerte::Paste(TRecordTable* table, std::string& message)
{
    LOG_FKT_START("TReglerSollwerte::Paste");
    bool answer = false;
    const TDatenStruktur copied = TakePasteRecord(table, message, answer);
    ReadMainRecord(copied);
    return answer;
}

void TReglerSollwerte::SetGlobalParameter()
{
    LOG_FKT_START("TReglerSollwerte::SetGlobalParameter");
    ClearGlobalParameterMap();
    for (const int tag :
         {tagBasistemperaturNachReset, tagBasistemperaturRk2NachReset, tagBasisSollwertverschiebungDauerhaft,
          tagBasisSollwertDauerhaft, tagSolltemperaturFrostschutz, tagSolltemperaturHitzeschutz, tagTotzonenposition,
          tagTotzone, tagTotzonenverschiebung, tagStufenabstand, tagSendenBeiAenderung, tagZyklischesSenden,
          tagEinstellungNachOben, tagEinstellungNachUnten, tagAbsenkenStandbyHeizen, tagAbsenkenNachtHeizen,
          tagAnhebenStandbyKuehlen, tagAnhebenNachtKuehlen, tagAbsenkenStandbyHeizenRk2, tagAbsenkenNachtHeizenRk2,
          tagAnhebenStandbyKuehlenRk2, tagAnhebenNachtKuehlenRk2}) {
        if (!DeclareGlobalParameter(tag))
            return;
    }
}

int TReglerSollwerte::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message)
{
    LOG_FKT_START("TReglerSollwerte::WriteGlobalParameter");
    if (!table || !target)
        return -9;
    if (const int fits = ReglerFunktionZugriff::CompareTargetController(GetReglerFunktion(), *table, *target, message);
        fits != 1)
        return fits;

    WriteParameter(target->Param3, MakeDoubleToInt(BasistemperaturNachReset, 1), tagBasistemperaturNachReset);
    WriteParameter(target->Bool4, BasisSollwertverschiebungDauerhaft != 0, tagBasisSollwertverschiebungDauerhaft);
    WriteParameter(target->Bool3, BasisSollwertDauerhaft != 0, tagBasisSollwertDauerhaft);
    WriteParameter(target->Param6, SolltemperaturFrostschutz, tagSolltemperaturFrostschutz);
    WriteParameter(target->Param7, SolltemperaturHitzeschutz, tagSolltemperaturHitzeschutz);
    WriteParameter(target->Param8, Totzonenposition, tagTotzonenposition);
    WriteParameter(target->Param9, Totzone, tagTotzone);
    WriteParameter(target->Param19, Totzonenverschiebung, tagTotzonenverschiebung);
    WriteParameter(target->Param10, SendenBeiAenderung, tagSendenBeiAenderung);
    WriteParameter(target->Param11, ZyklischesSenden, tagZyklischesSenden);
    WriteParameter(target->Param12, EinstellungNachOben, tagEinstellungNachOben);
    WriteParameter(target->Param13, EinstellungNachUnten, tagEinstellungNachUnten);
    WriteParameter(target->Param14, AbsenkenStandbyHeizen, tagAbsenkenStandbyHeizen);
    WriteParameter(target->Param15, AbsenkenNachtHeizen, tagAbsenkenNachtHeizen);
    WriteParameter(target->Param16, AnhebenStandbyKuehlen, tagAnhebenStandbyKuehlen);
    WriteParameter(target->Param17, AnhebenNachtKuehlen, tagAnhebenNachtKuehlen);

    const TGlobalParameterTarget chain(table, target);
    TDatenStruktur* additional = chain.Record(1, message);
    if (!additional)
        return 0;
    WriteParameter(additional->Param3, Stufenabstand, tagStufenabstand);
    WriteParameter(additional->Param2, MakeDoubleToInt(BasistemperaturRk2NachReset, 1), tagBasistemperaturRk2NachReset);
    WriteParameter(additional->Param4, AbsenkenStandbyHeizenRk2, tagAbsenkenStandbyHeizenRk2);
    WriteParameter(additional->Param5, AbsenkenNachtHeizenRk2, tagAbsenkenNachtHeizenRk2);
    WriteParameter(additional->Param6, AnhebenStandbyKuehlenRk2, tagAnhebenStandbyKuehlenRk2);
    WriteParameter(additional->Param7, AnhebenNachtKuehlenRk2, tagAnhebenNachtKuehlenRk2);
    message.clear();
    return 4;
}
