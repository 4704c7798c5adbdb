#include "climalib/ReglerFunktionalitaet.h"

#include "app/Sprclimalib.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionZugriff.h"
#include "platform/TraceLog.h"

namespace {

const TClimaDataObject::TClassInfo Info{"TReglerFunktionalitaet", TReglerFunktionalitaet::Typ,
                                        TReglerFunktionalitaet::Icon, TReglerFunktionalitaet::QuickHelpOffset};

} // namespace

TReglerFunktionalitaet::TReglerFunktionalitaet(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                               const std::string& name, std::int32_t handle)
    : TClimaDataObject(windowHandle, system, parent, name, handle, Info)
{
    LOG_FKT_START("TReglerFunktionalitaet::TReglerFunktionalitaet");
    SetGlobalParameter();
}

TReglerFunktionalitaet::~TReglerFunktionalitaet() = default;

void TReglerFunktionalitaet::ReadSettings(const TDatenStruktur& record)
{
    BetriebsmodusNachReset = static_cast<std::int8_t>(record.Param3);
    AnwesenheitsErfassung = static_cast<std::int8_t>(record.Param4);
    DauerKomfortverlaengerung = record.Param5;
    ArtPraesenzErfassung = static_cast<std::int8_t>(record.Param6);
}

void TReglerFunktionalitaet::Write(TDatenStruktur& record)
{
    LOG_FKT_START("TReglerFunktionalitaet::Write");
    TDataBasis::Write(record);
    record.Param3 = BetriebsmodusNachReset;
    record.Param4 = AnwesenheitsErfassung;
    record.Param6 = ArtPraesenzErfassung;
    record.Param5 = DauerKomfortverlaengerung;
}

void TReglerFunktionalitaet::InitFromDB(const TDatenStruktur& record)
{
    LOG_FKT_START("TReglerFunktionalitaet::InitFromDB");
    TDataBasis::InitFromDB(record);
    ReadSettings(record);
}

void TReglerFunktionalitaet::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool flag, int column, int row)
{
    LOG_FKT_START("TReglerFunktionalitaet::BuildInfoWindow");
    if (!BeginInfoWindow(grid))
        return;
    BindGridEvents(grid, this);
    using namespace Sprclimalib;
    using namespace T_DB_EnumReglerFunktionalitaet;
    AddRowComboBox(grid, Text14048, tagBetriebsmodusNachReset,
                   {{Text14043, BetriebsmodusVorReset},
                    {Text14044, Komfortbetrieb},
                    {Text14045, StandbyBetrieb},
                    {Text14046, Nachtbetrieb},
                    {Text14047, FrostHitzeschutzbetrieb}},
                   BetriebsmodusNachReset, 0, flag);
    AddRowComboBox(grid, Text14052, tagAnwesenheitsErfassung, {{Text14049, Keine}, {Text14034, UeberObjekt}},
                   AnwesenheitsErfassung, 0, true);
    if (AnwesenheitsErfassung == UeberObjekt) {
        AddRowComboBox(grid, Text14201, tagArtPraesenzErfassung,
                       {{Text14050, Praesenztaste}, {Text14051, Praesenzmelder}}, ArtPraesenzErfassung, 0, true);
        if (ArtPraesenzErfassung == Praesenztaste)
            AddRowSpinEdit(grid, Text14053, tagDauerKomfortverlaengerung, 255, 0, 1, DauerKomfortverlaengerung, 0,
                           true);
    }
    EndInfoWindow(column, row);
}

void TReglerFunktionalitaet::GridComboBoxChange(TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridComboBoxChange");
    int value = 0;
    if (!ReadComboValue(sender, value))
        return;
    const auto newValue = static_cast<std::int8_t>(value);
    switch (cell.Tag) {
    case tagBetriebsmodusNachReset:
        ChangeMember(BetriebsmodusNachReset, newValue, TChangeMarks::StoreOthers(), column, row);
        break;
    case tagAnwesenheitsErfassung:
        ChangeMember(
            AnwesenheitsErfassung, newValue,
            [this](std::int8_t, TChangeMarks& marks) { return ChangeAnwesenheitsErfassung(marks); }, column, row);
        break;
    case tagArtPraesenzErfassung:
        ChangeMember(
            ArtPraesenzErfassung, newValue,
            [this](std::int8_t, TChangeMarks& marks) {
                if (!CallModifyTastenWippenFunktionValues())
                    return false;
                marks = TChangeMarks::StoreAll();
                return true;
            },
            column, row);
        break;
    default:
        break;
    }
}

// The user's question about the presence object's links comes before the key functions are
// adapted, so that a refusal leaves them as they were. On the accepted path the device does the
// same as when it asks inside the object switch.
bool TReglerFunktionalitaet::ChangeAnwesenheitsErfassung(TChangeMarks& marks)
{
    const bool objectGoes = AnwesenheitsErfassung != T_DB_EnumReglerFunktionalitaet::UeberObjekt;
    if (objectGoes && !CheckIfDeleteObjectsAllowed({ObjektPraesenz}))
        return false;
    if (!CallModifyTastenWippenFunktionValues())
        return false;
    if (!ModifyPraesenzObjekt(false, false))
        return false;
    marks = TChangeMarks::StoreObjects();
    return true;
}

void TReglerFunktionalitaet::GridEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridEditChange");
}

void TReglerFunktionalitaet::GridSpinEditChange(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridSpinEditChange");
}

void TReglerFunktionalitaet::GridSpinEditOverflow(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                                  int /*column*/, int /*row*/, double /*value*/)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridSpinEditOverflow");
}

void TReglerFunktionalitaet::GridSpinEditUnderflow(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/,
                                                   int /*column*/, int /*row*/, double /*value*/)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridSpinEditUnderflow");
}

void TReglerFunktionalitaet::GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridExitCell");
    if (!grid || cell.Tag != tagDauerKomfortverlaengerung)
        return;
    std::int16_t value = 0;
    if (!ReadSpinValue(sender, value))
        return;
    ChangeMember<std::int32_t>(DauerKomfortverlaengerung, value, TChangeMarks::StoreOthers(), column, row);
}

void TReglerFunktionalitaet::GridExit(TDrawGridSE* /*grid*/, TObject* /*sender*/, TCell& /*cell*/, int /*column*/,
                                      int /*row*/)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridExit");
}

void TReglerFunktionalitaet::GridEllipseClick(TObject* /*sender*/, TCell& /*cell*/, int /*column*/, int /*row*/)
{
    LOG_FKT_START("TReglerFunktionalitaet::GridEllipseClick");
}

bool TReglerFunktionalitaet::CreateObjects()
{
    LOG_FKT_START("TReglerFunktionalitaet::CreateObjects");
    return ModifyPraesenzObjekt(false, false);
}

bool TReglerFunktionalitaet::DeleteObjects()
{
    LOG_FKT_START("TReglerFunktionalitaet::DeleteObjects");
    return ModifyPraesenzObjekt(true, false);
}

bool TReglerFunktionalitaet::ModifyPraesenzObjekt(bool remove, bool ask)
{
    LOG_FKT_START("TReglerFunktionalitaet::ModifyPraesenzObjekt");
    const int value = !remove && AnwesenheitsErfassung == T_DB_EnumReglerFunktionalitaet::UeberObjekt ? 1 : 0;
    return ModifyObject(value, ObjektPraesenz, PositionPraesenz, ask);
}

bool TReglerFunktionalitaet::CallModifyTastenWippenFunktionValues()
{
    LOG_FKT_START("TReglerFunktionalitaet::CallModifyTastenWippenFunktionValues");
    return CallDevice(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION_VALUES, 0);
}

std::int8_t TReglerFunktionalitaet::GetValueOfAnwesenheitsErfassung() const
{
    LOG_FKT_START("TReglerFunktionalitaet::GetValueOfAnwesenheitsErfassung");
    return AnwesenheitsErfassung;
}

std::int8_t TReglerFunktionalitaet::GetValueOfArtPraesenzErfassung() const
{
    LOG_FKT_START("TReglerFunktionalitaet::GetValueOfArtPraesenzErfassung");
    return ArtPraesenzErfassung;
}

bool TReglerFunktionalitaet::Paste(TRecordTable* table, std::string& message)
{
    LOG_FKT_START("TReglerFunktionalitaet::Paste");
    bool answer = false;
    const TDatenStruktur copied = TakePasteRecord(table, message, answer);
    ReadSettings(copied);
    return answer;
}

void TReglerFunktionalitaet::SetGlobalParameter()
{
    LOG_FKT_START("TReglerFunktionalitaet::SetGlobalParameter");
    ClearGlobalParameterMap();
    if (DeclareGlobalParameter(tagBetriebsmodusNachReset))
        DeclareGlobalParameter(tagDauerKomfortverlaengerung);
}

int TReglerFunktionalitaet::WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message)
{
    LOG_FKT_START("TReglerFunktionalitaet::WriteGlobalParameter");
    if (!table || !target)
        return -9;
    const TReglerFunktion* controller = ReglerFunktionZugriff::AsReglerFunktion(GetParentObject());
    if (const int fits = ReglerFunktionZugriff::CompareTargetController(controller, *table, *target, message);
        fits != 1)
        return fits;
    WriteParameter(target->Param3, BetriebsmodusNachReset, tagBetriebsmodusNachReset);
    if (ChangeParameter(tagDauerKomfortverlaengerung)) {
        if (target->Param6 != T_DB_EnumReglerFunktionalitaet::Praesenztaste) {
            message = Sprclimalib::Text14215;
            return -9;
        }
        target->Param5 = DauerKomfortverlaengerung;
    }
    message.clear();
    return 4;
}
