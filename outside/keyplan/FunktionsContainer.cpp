#include "outside/keyplan/FunktionsContainer.h"

#include "outside/keyplan/FunktionBasis.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "outside/tablebox/DrawGridSE.h"

#include <list>
#include <vector>

namespace {

// The position of the function below its key or rocker; the status object takes 1.
constexpr int FunktionPosId = 2;

} // namespace

TFunktionsContainer::TFunktionsContainer(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                         const std::string& name, std::int32_t number, std::int32_t handle,
                                         const TClassInfo& info)
    : TParameterObjekt(windowHandle, system, parent, name, handle, info), Nummer(number)
{
}

void TFunktionsContainer::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = Nummer;
    record.Param3 = FunktionsTyp;
    record.Param4 = FunktionsHandle;
}

void TFunktionsContainer::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    Nummer = record.Param2;
    FunktionsTyp = record.Param3;
    FunktionsHandle = record.Param4;
}

bool TFunktionsContainer::Paste(TRecordTable* table, std::string& /*message*/)
{
    TDatenStruktur source;
    if (!table || !table->Find("Typ", GetTyp(), source))
        return false;
    if (source.Param3 == FunktionsTyp)
        return true;
    return ChangeFunktion(source.Param3) && FunktionsTyp == source.Param3;
}

bool TFunktionsContainer::InitFunktion(bool functionsAllowed)
{
    return MakeFunktion(functionsAllowed ? StandardFunktion() : KeineFunktion());
}

bool TFunktionsContainer::MakeFunktion(int typ)
{
    if (!IsOwnFunktion(typ))
        return false;
    tagWmUserDevice check = Requests.MakeRequest(UDM_CHECK_CREATE_KEY_FUNCTION);
    check.Integer = typ;
    if (!Requests.Send(check))
        return false;
    std::unique_ptr<TFunktionBasis> funktion =
        KeyplanFunktionen::Create(typ, WindowHandle, System, Handle, KeyplanFunktionen::Caption(typ), 0);
    if (!funktion)
        return false;
    funktion->SetPosId(FunktionPosId);
    tagWmUserDevice enrol = Requests.MakeRequest(UDM_REGISTER_OBJEKT);
    enrol.Result = funktion.get();
    Requests.Send(enrol);
    // The device owns what it registered, whatever it answered; anything else is still ours.
    if (Requests.GetDataPointer(funktion->GetHandle()) != funktion.get())
        return false;
    const std::int32_t handle = funktion.release()->GetHandle();
    if (typ != KeineFunktion() && !ModifyObject(1, GetDisplayOrder(), 0, false)) {
        // Without its communication objects the function cannot work: it goes again.
        RemoveFunktionObject(handle);
        return false;
    }
    FunktionsHandle = handle;
    FunktionsTyp = typ;
    return true;
}

bool TFunktionsContainer::RemoveFunktionObject(std::int32_t handle)
{
    if (handle <= 0)
        return true;
    TDataBasis* funktion = Requests.GetDataPointer(handle);
    if (!funktion)
        return true;
    tagWmUserDevice request = Requests.MakeRequest(UDM_DELETE_OBJEKT);
    request.Result = funktion;
    return Requests.Send(request);
}

bool TFunktionsContainer::DeleteFunktion()
{
    const bool withObjects = FunktionsTyp != KeineFunktion();
    if (withObjects && !ModifyObject(0, GetDisplayOrder(), 0, false))
        return false;
    if (!RemoveFunktionObject(FunktionsHandle)) {
        // The function stays: so do its communication objects.
        if (withObjects)
            ModifyObject(1, GetDisplayOrder(), 0, false);
        return false;
    }
    FunktionsHandle = 0;
    return true;
}

bool TFunktionsContainer::ObjekteLoeschenErlaubt() const
{
    std::list<int> displayOrders{GetDisplayOrder()};
    tagRecDatenTransport request = Requests.MakeTransport(UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED);
    request.Payload = &displayOrders;
    return Requests.Send(request);
}

bool TFunktionsContainer::FunktionMoeglich(int typ)
{
    using KeyplanFunktionen::TBedarf;
    const TBedarf bedarf = KeyplanFunktionen::Bedarf(typ);
    if (bedarf == TBedarf::Nichts)
        return true;
    // The system's switches tell first, as they are after a switch: the function's objects are
    // still there while it is being switched off.
    tagWmUserDevice request = Requests.MakeRequest(UDM_GET_SYSTEM);
    if (!Requests.Send(request))
        return false;
    const auto* system = dynamic_cast<const TTalvoSystem*>(static_cast<TDataBasis*>(request.Result));
    if (!system)
        return false;
    std::uint8_t code = UDM_GET_REGLER_FUNKTION;
    switch (bedarf) {
    case TBedarf::Regler:
        if (system->GetValueOfReglerFunktion() != 1)
            return false;
        break;
    case TBedarf::Reglernebenstelle:
        if (system->GetValueOfReglernebenstellenFunktion() != 1)
            return false;
        code = UDM_GET_REGLERNEBENSTELLEN_FUNKTION;
        break;
    case TBedarf::RaumtempSchaltuhr:
        if (system->GetValueOfReglerFunktion() != 1)
            return false;
        code = UDM_GET_RAUMTEMP_SCHALTUHR;
        break;
    case TBedarf::Schaltuhr:
        return system->GetValueOfSchaltuhr(1) == 1 || system->GetValueOfSchaltuhr(2) == 1;
    case TBedarf::Nichts:
        return true;
    }
    // Switched on, the function's object must be there too.
    tagWmUserDevice target = Requests.MakeRequest(code);
    return Requests.Send(target);
}

bool TFunktionsContainer::CheckFunktion(bool& changeNeeded, bool apply)
{
    changeNeeded = FunktionsTyp != KeineFunktion() && !FunktionMoeglich(FunktionsTyp);
    if (!changeNeeded || !apply)
        return true;
    if (!DeleteFunktion() || !MakeFunktion(KeineFunktion()))
        return false;
    StoreRecord();
    return true;
}

bool TFunktionsContainer::CheckFunktionValues(bool& changeNeeded, bool /*apply*/)
{
    changeNeeded = false;
    return true;
}

bool TFunktionsContainer::ChangeFunktion(int typ)
{
    if (typ == FunktionsTyp || !IsOwnFunktion(typ) || !FunktionMoeglich(typ))
        return false;
    // The old function goes only when the device will take the new one.
    tagWmUserDevice check = Requests.MakeRequest(UDM_CHECK_CREATE_KEY_FUNCTION);
    check.Integer = typ;
    if (!Requests.Send(check))
        return false;
    const int old = FunktionsTyp;
    // From one function to another the communication objects stay, with their links; to "no
    // function" they go, linked ones only after the user's yes.
    if (old != KeineFunktion() && typ != KeineFunktion()) {
        if (!RemoveFunktionObject(FunktionsHandle))
            return false;
        FunktionsHandle = 0;
    } else if (old == KeineFunktion() || ObjekteLoeschenErlaubt()) {
        if (!DeleteFunktion())
            return false;
    } else {
        return false;
    }
    if (!MakeFunktion(typ))
        MakeFunktion(old);
    Requests.PostAbgleichFormVerw();
    return true;
}

void TFunktionsContainer::AddRows(TDrawGridSE& grid)
{
    std::vector<TComboWert> items;
    for (int typ = 6557; typ <= 6592; ++typ) {
        if (IsOwnFunktion(typ))
            items.push_back({KeyplanFunktionen::Caption(typ), typ});
    }
    AddRowComboBox(&grid, FunktionCaption(), tagFunktion, items, FunktionsTyp, 0, false);
}

bool TFunktionsContainer::ChangeValue(int tag, int value)
{
    return tag == tagFunktion && ChangeFunktion(value);
}
