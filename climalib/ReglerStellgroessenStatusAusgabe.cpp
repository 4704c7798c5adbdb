#include "climalib/ReglerStellgroessenStatusAusgabe.h"

#include "app/Sprclimalib.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionZugriff.h"
#include "platform/TraceLog.h"

#include <array>
#include <vector>

using T_DB_EnumDataBasis::TEnumBool;
namespace Enum = T_DB_EnumReglerStellgroessenStatusAusgabe;

namespace {

using A = TReglerStellgroessenStatusAusgabe;
using TPost = TClimaDataObject::TPost;

const TClimaDataObject::TClassInfo Info{"TReglerStellgroessenStatusAusgabe",
                                        A::Typ,
                                        42,
                                        1010,
                                        {TPost::ObjectsChanged, TPost::UpdateOtherViews, TPost::UpdateAllViews}};

// The object operations in the order CreateObjects and DeleteObjects run them.
constexpr std::array ObjectOperations{&A::ModifyMeldungHeizenObjekt, &A::ModifyMeldungKuehlenObjekt,
                                      &A::ModifyStatusBetriebsmodusObjekt};

std::vector<TComboWert> AusgabeItems()
{
    return {{Sprclimalib::Text14102, Enum::agInvertiert}, {Sprclimalib::Text14103, Enum::agNormal}};
}

} // namespace

TReglerStellgroessenStatusAusgabe::TReglerStellgroessenStatusAusgabe(platform::HWND windowHandle,
                                                                     std::int32_t system, std::int32_t parent,
                                                                     const std::string& name, std::int32_t handle)
    : TClimaDataObject(windowHandle, system, parent, name, handle, Info)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::TReglerStellgroessenStatusAusgabe");
    SetGlobalParameter();
}

TReglerStellgroessenStatusAusgabe::~TReglerStellgroessenStatusAusgabe() = default;

bool TReglerStellgroessenStatusAusgabe::IsVisible() const
{
    return GetAccessMode();
}

TReglerFunktion* TReglerStellgroessenStatusAusgabe::GetReglerFunktion() const
{
    return ReglerFunktionZugriff::AsReglerFunktion(GetParentObject());
}

std::int8_t* TReglerStellgroessenStatusAusgabe::Ausgabe(int tag)
{
    switch (tag) {
    case tagAusgabeStellgroesseHeizen:
        return &AusgabeStellgroesseHeizen;
    case tagAusgabeStellgroesseKuehlen:
        return &AusgabeStellgroesseKuehlen;
    case tagAusgabeStellgroesseHeizenRk2:
        return &AusgabeStellgroesseHeizenRk2;
    case tagAusgabeStellgroesseKuehlenRk2:
        return &AusgabeStellgroesseKuehlenRk2;
    case tagAusgabeStellgroesseGrundstufeHeizen:
        return &AusgabeStellgroesseGrundstufeHeizen;
    case tagAusgabeStellgroesseZusatzstufeHeizen:
        return &AusgabeStellgroesseZusatzstufeHeizen;
    case tagAusgabeStellgroesseGrundstufeKuehlen:
        return &AusgabeStellgroesseGrundstufeKuehlen;
    case tagAusgabeStellgroesseZusatzstufeKuehlen:
        return &AusgabeStellgroesseZusatzstufeKuehlen;
    default:
        return nullptr;
    }
}

std::int32_t* TReglerStellgroessenStatusAusgabe::Zeit(int tag)
{
    switch (tag) {
    case tagAutomatischesSendenBeiAenderung:
        return &AutomatischesSendenBeiAenderung;
    case tagStellzykluszeit:
        return &Stellzykluszeit;
    case tagZykluszeitAutomatischesSenden:
        return &ZykluszeitAutomatischesSenden;
    default:
        return nullptr;
    }
}

void TReglerStellgroessenStatusAusgabe::ReadRecord(const TDatenStruktur& record)
{
    AutomatischesSendenBeiAenderung = record.Param3;
    Stellzykluszeit = record.Param4;
    ZykluszeitAutomatischesSenden = record.Param5;
    AusgabeStellgroesseHeizen = static_cast<std::int8_t>(record.Param6);
    AusgabeStellgroesseKuehlen = static_cast<std::int8_t>(record.Param7);
    StatusRegler = static_cast<std::int8_t>(record.Param8);
    EinzelStatus = static_cast<std::int8_t>(record.Param9);
    AusgabeStellgroesseHeizenRk2 = static_cast<std::int8_t>(record.Param10);
    AusgabeStellgroesseKuehlenRk2 = static_cast<std::int8_t>(record.Param11);
    AusgabeStellgroesseGrundstufeHeizen = static_cast<std::int8_t>(record.Param12);
    AusgabeStellgroesseZusatzstufeHeizen = static_cast<std::int8_t>(record.Param13);
    AusgabeStellgroesseGrundstufeKuehlen = static_cast<std::int8_t>(record.Param14);
    AusgabeStellgroesseZusatzstufeKuehlen = static_cast<std::int8_t>(record.Param15);
    Flag3 = ToEnumBool(record.Bool3);
    MeldungHeizen = ToEnumBool(record.Bool4);
    MeldungKuehlen = ToEnumBool(record.Bool5);
    AusgabeStellgroesse = AusgabeStellgroesseHeizen;
    AusgabeStellgroesseGrundstufe = AusgabeStellgroesseGrundstufeHeizen;
    AusgabeStellgroesseZusatzstufe = AusgabeStellgroesseZusatzstufeHeizen;
}

void TReglerStellgroessenStatusAusgabe::Write(TDatenStruktur& record)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::Write");
    TDataBasis::Write(record);
    record.Param3 = AutomatischesSendenBeiAenderung;
    record.Param4 = Stellzykluszeit;
    record.Param5 = ZykluszeitAutomatischesSenden;
    record.Param6 = AusgabeStellgroesseHeizen;
    record.Param7 = AusgabeStellgroesseKuehlen;
    record.Param8 = StatusRegler;
    record.Param9 = EinzelStatus;
    record.Param10 = AusgabeStellgroesseHeizenRk2;
    record.Param11 = AusgabeStellgroesseKuehlenRk2;
    record.Param12 = AusgabeStellgroesseGrundstufeHeizen;
    record.Param13 = AusgabeStellgroesseZusatzstufeHeizen;
    record.Param14 = AusgabeStellgroesseGrundstufeKuehlen;
    record.Param15 = AusgabeStellgroesseZusatzstufeKuehlen;
    record.Bool3 = Flag3 != 0;
    record.Bool4 = MeldungHeizen != 0;
    record.Bool5 = MeldungKuehlen != 0;
}

void TReglerStellgroessenStatusAusgabe::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::InitFromDB");
    TDataBasis::InitFromDB(record);
    ReadRecord(record);
}

void TReglerStellgroessenStatusAusgabe::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag,
                                                        int column, int row)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::BuildInfoWindow");
    if (!BeginInfoWindow(grid))
        return;
    BindGridEvents(grid, this);
    const TReglerFunktion* regler = GetReglerFunktion();
    if (!regler)
        return;
    const int r = regler->GetValueOfRegelkreise();
    const int b = regler->GetValueOfReglerBetriebsart();
    const int g = regler->GetValueOfStellgrHeizenKuehlenGemObjekt();
    const bool a = regler->GetAutomatischesSenden() != 0;
    const int z = regler->GetArtZykluszeit();

    // The first row shown takes the flag, the rows after it true.
    bool zeitRow = false;
    if (a) {
        AddRowSpinEdit(grid, Sprclimalib::Text14098, tagAutomatischesSendenBeiAenderung, 100, 0, 1,
                       AutomatischesSendenBeiAenderung, 0, flag);
        zeitRow = true;
    }
    if (z == 1 || z == 3) {
        AddRowSpinEdit(grid, Sprclimalib::Text14099, tagStellzykluszeit, 255, 1, 1, Stellzykluszeit, 0,
                       zeitRow || flag);
        zeitRow = true;
    }
    if (z == 2 || z == 3)
        AddRowSpinEdit(grid, Sprclimalib::Text14100, tagZykluszeitAutomatischesSenden, 255, 0, 1,
                       ZykluszeitAutomatischesSenden, 0, zeitRow || flag);

    const auto addAusgabe = [&](const std::string& caption, int tag, std::int8_t value) {
        AddRowComboBox(grid, caption, tag, AusgabeItems(), value, 0, true);
    };
    if (b == 0 || (b == 2 && g == 0))
        addAusgabe(Sprclimalib::Text14104, tagAusgabeStellgroesseHeizen, AusgabeStellgroesseHeizen);
    if (r == 1 && b == 0)
        addAusgabe(Sprclimalib::Text14180, tagAusgabeStellgroesseHeizenRk2, AusgabeStellgroesseHeizenRk2);
    if (b == 1 || (b == 2 && g == 0))
        addAusgabe(Sprclimalib::Text14105, tagAusgabeStellgroesseKuehlen, AusgabeStellgroesseKuehlen);
    if (r == 1 && b == 1)
        addAusgabe(Sprclimalib::Text14181, tagAusgabeStellgroesseKuehlenRk2, AusgabeStellgroesseKuehlenRk2);
    if (b == 2 && g == 1)
        addAusgabe(Sprclimalib::Text14106, tagAusgabeStellgroesse, AusgabeStellgroesse);
    if (b == 3 || (b == 5 && g == 0)) {
        addAusgabe(Sprclimalib::Text14182, tagAusgabeStellgroesseGrundstufeHeizen,
                   AusgabeStellgroesseGrundstufeHeizen);
        addAusgabe(Sprclimalib::Text14184, tagAusgabeStellgroesseZusatzstufeHeizen,
                   AusgabeStellgroesseZusatzstufeHeizen);
    }
    if (b == 4 || (b == 5 && g == 0)) {
        addAusgabe(Sprclimalib::Text14183, tagAusgabeStellgroesseGrundstufeKuehlen,
                   AusgabeStellgroesseGrundstufeKuehlen);
        addAusgabe(Sprclimalib::Text14185, tagAusgabeStellgroesseZusatzstufeKuehlen,
                   AusgabeStellgroesseZusatzstufeKuehlen);
    }
    if (b == 5 && g == 1) {
        addAusgabe(Sprclimalib::Text14187, tagAusgabeStellgroesseGrundstufe, AusgabeStellgroesseGrundstufe);
        addAusgabe(Sprclimalib::Text14186, tagAusgabeStellgroesseZusatzstufe, AusgabeStellgroesseZusatzstufe);
    }
    if (b == 0 || b == 2 || b == 3 || b == 5)
        AddRowComboBoxYes(grid, Sprclimalib::Text14107, tagMeldungHeizen, MeldungHeizen, 0, true);
    if (b == 1 || b == 2 || b == 4 || b == 5)
        AddRowComboBoxYes(grid, Sprclimalib::Text14108, tagMeldungKuehlen, MeldungKuehlen, 0, true);
    AddRowComboBox(grid, Sprclimalib::Text14112, tagStatusRegler,
                   {{Sprclimalib::Text14109, Enum::srKeinStatus},
                    {Sprclimalib::Text14110, Enum::srReglerAllgemein},
                    {Sprclimalib::Text14111, Enum::srEinzelnerZustand}},
                   StatusRegler, 0, true);
    if (StatusRegler == Enum::srEinzelnerZustand)
        AddRowComboBox(grid, Sprclimalib::Text14121, tagEinzelStatus,
                       {{Sprclimalib::Text14113, 0},
                        {Sprclimalib::Text14114, 1},
                        {Sprclimalib::Text14115, 2},
                        {Sprclimalib::Text14116, 3},
                        {Sprclimalib::Text14117, 4},
                        {Sprclimalib::Text14118, 5},
                        {Sprclimalib::Text14119, 6},
                        {Sprclimalib::Text14120, 7}},
                       EinzelStatus, 0, true);
    EndInfoWindow(column, row);
}

bool TReglerStellgroessenStatusAusgabe::Paste(TRecordTable* table, std::string& message)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::Paste");
    bool answer = false;
    const TDatenStruktur copied = TakePasteRecord(table, message, answer);
    ReadRecord(copied);
    return answer;
}

int TReglerStellgroessenStatusAusgabe::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target,
                                                            std::string& message)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::WriteGlobalParameter");
    if (!table || !target)
        return -9;
    const TReglerFunktion* regler = GetReglerFunktion();
    if (!regler)
        return -9;
    TDatenStruktur zielRegler;
    if (!ReglerFunktionZugriff::FindTargetController(*table, *target, zielRegler))
        return -9;
    if (!ReglerFunktionZugriff::SameStructure(*regler, zielRegler)) {
        message = ReglerFunktionZugriff::StructureDifference(*regler, zielRegler);
        return 0;
    }
    // Heating and cooling: also the common actuating object.
    if (zielRegler.Param4 == 2 || zielRegler.Param4 == 5) {
        if ((regler->GetValueOfStellgrHeizenKuehlenGemObjekt() != 0) != zielRegler.Bool4) {
            const auto answer = [](bool on) { return std::string(on ? "Ja" : "Nein"); };
            message = Sprclimalib::Text14131 + ": " + answer(regler->GetValueOfStellgrHeizenKuehlenGemObjekt() != 0)
                + " (im Ger\xE4t: " + answer(zielRegler.Bool4) + ")";
            return 0;
        }
    }

    WriteParameter(target->Param3, AutomatischesSendenBeiAenderung, tagAutomatischesSendenBeiAenderung);
    WriteParameter(target->Param4, Stellzykluszeit, tagStellzykluszeit);
    WriteParameter(target->Param5, ZykluszeitAutomatischesSenden, tagZykluszeitAutomatischesSenden);
    WriteParameter(target->Param6, AusgabeStellgroesseHeizen, tagAusgabeStellgroesseHeizen);
    WriteParameter(target->Param7, AusgabeStellgroesseKuehlen, tagAusgabeStellgroesseKuehlen);
    WriteParameter(target->Param9, EinzelStatus, tagEinzelStatus);
    WriteParameter(target->Param10, AusgabeStellgroesseHeizenRk2, tagAusgabeStellgroesseHeizenRk2);
    WriteParameter(target->Param11, AusgabeStellgroesseKuehlenRk2, tagAusgabeStellgroesseKuehlenRk2);
    WriteParameter(target->Param12, AusgabeStellgroesseGrundstufeHeizen, tagAusgabeStellgroesseGrundstufeHeizen);
    WriteParameter(target->Param13, AusgabeStellgroesseZusatzstufeHeizen, tagAusgabeStellgroesseZusatzstufeHeizen);
    WriteParameter(target->Param14, AusgabeStellgroesseGrundstufeKuehlen, tagAusgabeStellgroesseGrundstufeKuehlen);
    WriteParameter(target->Param15, AusgabeStellgroesseZusatzstufeKuehlen, tagAusgabeStellgroesseZusatzstufeKuehlen);
    message.clear();
    return 4;
}

bool TReglerStellgroessenStatusAusgabe::CreateObjects()
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::CreateObjects");
    return ModifyAllObjects(*this, ObjectOperations, false);
}

bool TReglerStellgroessenStatusAusgabe::DeleteObjects()
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::DeleteObjects");
    return ModifyAllObjects(*this, ObjectOperations, true);
}

bool TReglerStellgroessenStatusAusgabe::ModifyMeldungHeizenObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::ModifyMeldungHeizenObjekt");
    const int variant = !remove && MeldungHeizen == T_DB_EnumDataBasis::Ja ? 1 : 0;
    return ModifyObject(variant, ObjektMeldungHeizen, -300, ask);
}

bool TReglerStellgroessenStatusAusgabe::ModifyMeldungKuehlenObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::ModifyMeldungKuehlenObjekt");
    const int variant = !remove && MeldungKuehlen == T_DB_EnumDataBasis::Ja ? 1 : 0;
    return ModifyObject(variant, ObjektMeldungKuehlen, -200, ask);
}

bool TReglerStellgroessenStatusAusgabe::ModifyStatusBetriebsmodusObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::ModifyStatusBetriebsmodusObjekt");
    int variant = 0;
    if (!remove && (StatusRegler == Enum::srReglerAllgemein || StatusRegler == Enum::srEinzelnerZustand))
        variant = StatusRegler;
    return ModifyObject(variant, ObjektStatusRegler, -100, ask);
}

bool TReglerStellgroessenStatusAusgabe::ModifyValueAusgabeStellgroessen()
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::ModifyValueAusgabeStellgroessen");
    for (std::int8_t* ausgabe :
         {&AusgabeStellgroesse, &AusgabeStellgroesseHeizen, &AusgabeStellgroesseKuehlen, &AusgabeStellgroesseHeizenRk2,
          &AusgabeStellgroesseKuehlenRk2, &AusgabeStellgroesseGrundstufeHeizen, &AusgabeStellgroesseZusatzstufeHeizen,
          &AusgabeStellgroesseGrundstufeKuehlen, &AusgabeStellgroesseZusatzstufeKuehlen,
          &AusgabeStellgroesseGrundstufe, &AusgabeStellgroesseZusatzstufe})
        *ausgabe = Enum::agNormal;
    return true;
}

bool TReglerStellgroessenStatusAusgabe::ModifyValueMeldungHeizen(TEnumBool value, bool ask)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::ModifyValueMeldungHeizen");
    return SetMemberForStep(MeldungHeizen, value, [this, ask] { return ModifyMeldungHeizenObjekt(false, ask); });
}

bool TReglerStellgroessenStatusAusgabe::ModifyValueMeldungKuehlen(TEnumBool value, bool ask)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::ModifyValueMeldungKuehlen");
    return SetMemberForStep(MeldungKuehlen, value, [this, ask] { return ModifyMeldungKuehlenObjekt(false, ask); });
}

void TReglerStellgroessenStatusAusgabe::SetGlobalParameter()
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::SetGlobalParameter");
    ClearGlobalParameterMap();
    // A failed allocation ends the declaration there.
    for (const int tag : {tagAutomatischesSendenBeiAenderung, tagStellzykluszeit, tagZykluszeitAutomatischesSenden,
                          tagAusgabeStellgroesseHeizen, tagAusgabeStellgroesseKuehlen}) {
        if (!DeclareGlobalParameter(tag))
            return;
    }
    if (!DeclareGlobalParameter(tagAusgabeStellgroesse, {tagAusgabeStellgroesseHeizen, tagAusgabeStellgroesseKuehlen}))
        return;
    for (const int tag : {tagEinzelStatus, tagAusgabeStellgroesseHeizenRk2, tagAusgabeStellgroesseKuehlenRk2,
                          tagAusgabeStellgroesseGrundstufeHeizen, tagAusgabeStellgroesseZusatzstufeHeizen,
                          tagAusgabeStellgroesseGrundstufeKuehlen, tagAusgabeStellgroesseZusatzstufeKuehlen}) {
        if (!DeclareGlobalParameter(tag))
            return;
    }
    if (!DeclareGlobalParameter(tagAusgabeStellgroesseGrundstufe,
                                {tagAusgabeStellgroesseGrundstufeHeizen, tagAusgabeStellgroesseGrundstufeKuehlen}))
        return;
    DeclareGlobalParameter(tagAusgabeStellgroesseZusatzstufe,
                           {tagAusgabeStellgroesseZusatzstufeHeizen, tagAusgabeStellgroesseZusatzstufeKuehlen});
}

void TReglerStellgroessenStatusAusgabe::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridComboBoxChange");
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    const auto byte = static_cast<std::int8_t>(value);
    // A common direction goes into the heating and the cooling member of its kind.
    const auto commonChoice = [&](std::int8_t& common, std::int8_t& heizen, std::int8_t& kuehlen) {
        ChangeMember<std::int8_t>(
            common, byte,
            [&](std::int8_t, TChangeMarks& marks) {
                heizen = kuehlen = common;
                marks = TChangeMarks::StoreOthers();
                return true;
            },
            column, row);
    };

    switch (cell.Tag) {
    case tagAusgabeStellgroesse:
        commonChoice(AusgabeStellgroesse, AusgabeStellgroesseHeizen, AusgabeStellgroesseKuehlen);
        break;
    case tagAusgabeStellgroesseGrundstufe:
        commonChoice(AusgabeStellgroesseGrundstufe, AusgabeStellgroesseGrundstufeHeizen,
                     AusgabeStellgroesseGrundstufeKuehlen);
        break;
    case tagAusgabeStellgroesseZusatzstufe:
        commonChoice(AusgabeStellgroesseZusatzstufe, AusgabeStellgroesseZusatzstufeHeizen,
                     AusgabeStellgroesseZusatzstufeKuehlen);
        break;
    case tagEinzelStatus:
        ChangeMember(EinzelStatus, byte, TChangeMarks::StoreOthers(), column, row);
        break;
    case tagMeldungHeizen:
        ChangeMember(MeldungHeizen, ToEnumBool(value != 0), SwitchObjectsRule(this, &A::ModifyMeldungHeizenObjekt),
                     column, row);
        break;
    case tagMeldungKuehlen:
        ChangeMember(MeldungKuehlen, ToEnumBool(value != 0), SwitchObjectsRule(this, &A::ModifyMeldungKuehlenObjekt),
                     column, row);
        break;
    case tagStatusRegler:
        // The rebuilt grid shows or hides "Einzel Status"; its value stays.
        ChangeMember(StatusRegler, byte, SwitchObjectsRule(this, &A::ModifyStatusBetriebsmodusObjekt), column, row);
        break;
    default:
        if (std::int8_t* ausgabe = Ausgabe(cell.Tag))
            ChangeMember(*ausgabe, byte, TChangeMarks::StoreOthers(), column, row);
        break;
    }
}

void TReglerStellgroessenStatusAusgabe::GridEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridEditChange");
}

void TReglerStellgroessenStatusAusgabe::GridSpinEditChange(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridSpinEditChange");
}

void TReglerStellgroessenStatusAusgabe::GridSpinEditOverflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridSpinEditOverflow");
}

void TReglerStellgroessenStatusAusgabe::GridSpinEditUnderflow(TDrawGridSE*, TObject*, TCell&, int, int, double)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridSpinEditUnderflow");
}

void TReglerStellgroessenStatusAusgabe::GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column,
                                                     int row)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridExitCell");
    if (!grid)
        return;
    std::int16_t value = 0;
    std::int32_t* zeit = Zeit(cell.Tag);
    if (!zeit || !ReadSpinValue(sender, value))
        return;
    ChangeMember<std::int32_t>(*zeit, value, TChangeMarks::StoreOthers(), column, row);
}

void TReglerStellgroessenStatusAusgabe::GridExit(TDrawGridSE*, TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridExit");
}

void TReglerStellgroessenStatusAusgabe::GridEllipseClick(TObject*, TCell&, int, int)
{
    LOG_FKT_START("TReglerStellgroessenStatusAusgabe::GridEllipseClick");
}
