// The function manager of the scene function and its scenes.
#include "app/Sprscenefunc.h"
#include "app/Spredit.h"
#include "device/E_InstVerw.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/UpdateGuard.h"
#include "outside/datacore/E_Basis.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/scenefunc/ScenefuncFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <cstdio>
#include <vector>

static_assert(TSzenenFunktion::Typ == DT_SZENEN_FUNKTION);
static_assert(TSzene::Typ == DT_SZENE);

namespace {

constexpr int PosIdSzenenFunktion = 6;

// The lowest scene number not in use, from the numbers in use.
int FreeSceneNumber(std::vector<int> numbers)
{
    if (numbers.empty())
        return 1;
    std::sort(numbers.begin(), numbers.end());
    if (numbers.front() > 1)
        return 1;
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        const int a = numbers[i - 1];
        const int b = numbers[i];
        if (b != a && b != a + 1)
            return a + 1;
    }
    return numbers.back() + 1;
}

} // namespace

// --- Scene function ---

bool TDeviceInstanzTalvo::CreateSzenenFunktion(TDataBasis* parent, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateSzenenFunktion");
    TSzenenFunktion* function = nullptr;
    TDataBasis* made = CreateFunctionObject(parent, DT_SZENEN_FUNKTION, PosIdSzenenFunktion, withNode, [&] {
        std::unique_ptr<TSzenenFunktion> object = factories_.Scenefunc->CreateSzenenFunktion(
            MainWindowHandle(), parent->GetSystem(), parent->GetHandle(), Sprscenefunc::Text16028, 0);
        if (object) {
            object->SetPosId(PosIdSzenenFunktion);
            object->SetDefaultValues();
        }
        function = object.get();
        return std::unique_ptr<TDataBasis>(std::move(object));
    });
    if (!made)
        return false;
    function->CreateObjects();
    for (int n = 0; n < MaxSzenen; ++n)
        if (!CreateSzene(function, true))
            return false;
    return SetDbDataSzenen(true);
}

int TDeviceInstanzTalvo::GetTreePosSzene(TDataBasis* function, int& number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetTreePosSzene");
    std::vector<int> numbers;
    if (function) {
        try {
            TIteratorPair children;
            GetChildIteratorPair(function, children);
            for (auto it = children.first; it != children.second; ++it)
                if (it->second.Typ == DT_SZENE)
                    numbers.push_back(it->second.Param1);
        } catch (const E_InstVerw&) {
            // no records: no scenes
        }
    }
    number = FreeSceneNumber(numbers);
    return static_cast<int>(numbers.size());
}

bool TDeviceInstanzTalvo::CreateSzene(TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateSzene");
    if (!function)
        return false;
    int number = 0;
    if (GetTreePosSzene(function, number) >= MaxSzenen) {
        platform::MessageBox(Sprscenefunc::Text16015, Spredit::Text9017, platform::MB_OK);
        return false;
    }
    const std::string name = Sprscenefunc::Text16027 + " " + std::to_string(number);
    std::unique_ptr<TSzene> made;
    try {
        made = factories_.Scenefunc->CreateSzene(MainWindowHandle(), function->GetSystem(), function->GetHandle(),
                                                 name, 0);
    } catch (const E_Basis&) {
        return false;
    }
    if (!made)
        return false;
    TSzene* const szene = made.get();
    szene->SetPosId(number);
    szene->SetBezeichnungSzene(name);
    szene->SetDefaultValues();
    if (!EnrolNew(std::move(made), function, number, false))
        return false;
    szene->CreateObjects();
    if (withNode && MainForm)
        MainForm->MakeNode(szene, function, true);
    return true;
}

bool TDeviceInstanzTalvo::CreateSzenenInstanz(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateSzenenInstanz");
    return function && CreateSzene(function, true);
}

bool TDeviceInstanzTalvo::DeleteSzenenInstanzen(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteSzenenInstanzen");
    if (!function)
        return false;
    if (!DeleteAllChildsFromDatentyp(function, DT_SZENE, false))
        return false;
    const platform::HWND window = MainWindowHandle();
    platform::PostMessage(window, WM_USER_ABGLEICHFORMVERW, static_cast<platform::WPARAM>(-1), -1);
    platform::PostMessage(window, WM_USER_UPDATETREENAMES, static_cast<platform::WPARAM>(-1), -1);
    return true;
}

bool TDeviceInstanzTalvo::DeleteSzenenFunktion(TDataBasis* parent)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteSzenenFunktion");
    auto* function = dynamic_cast<TSzenenFunktion*>(FindChild(parent, DT_SZENEN_FUNKTION));
    if (!function)
        return false;
    const std::int32_t handle = function->GetHandle();
    // The scenes go first; the function's own objects only once nothing of it can fail.
    if (!DeleteSzenenInstanzen(function))
        return false;
    if (auto* still = dynamic_cast<TSzenenFunktion*>(FindHandle(handle)))
        still->DeleteObjects();
    RemoveObject(FindHandle(handle));
    return SetDbDataSzenen(false);
}

bool TDeviceInstanzTalvo::ModifySzenenFunktion(TTalvoSystem* system)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifySzenenFunktion");
    if (!system)
        return false;
    if (system->GetValueOfSzenenFunktion() == 1) {
        if (!CheckTastenWippenFkt(true))
            return false;
        const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
        if (!CreateSzenenFunktion(system, true))
            return false;
        CreateTastsensorFunktion(MainWindowHandle(), system, true);
        return true;
    }
    return SwitchFunctionOff(*system, GetPointerFromDatenTyp(GetDevice(), DT_SZENEN_FUNKTION),
                             [this, system] { return DeleteSzenenFunktion(system); });
}

// --- Requests of the scene function ---

bool TDeviceInstanzTalvo::ModifyDefaultValueSzenenAusgaenge(TDataBasis* function, int output, std::uint8_t value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyDefaultValueSzenenAusgaenge");
    if (!function)
        return false;
    std::list<TDataBasis*> scenes;
    GetAllPointerFromDatentyp(DT_SZENE, scenes, function, false);
    for (TDataBasis* object : scenes) {
        auto* szene = dynamic_cast<TSzene*>(object);
        if (!szene || !szene->ModifyDefaultValues(output, value != 0))
            return false;
        WriteData(szene);
    }
    return true;
}

namespace {

// The question before an output of the scenes changes; none needed when no scene uses it.
bool AskAboutScenes(TDeviceInstanzTalvo& device, TDataBasis* function, int output, const std::string& head,
                    const std::string& question)
{
    std::list<TDataBasis*> scenes;
    device.GetAllPointerFromDatentyp(DT_SZENE, scenes, function, false);
    std::string list;
    bool needed = false;
    for (TDataBasis* object : scenes) {
        const auto* szene = dynamic_cast<const TSzene*>(object);
        if (szene && szene->NeedAusgang(output)) {
            list += szene->GetName(true) + "\n\r";
            needed = true;
        }
    }
    list += "\n\r";
    if (!needed)
        return true;
    char text[512];
    std::snprintf(text, sizeof text, head.c_str(), output);
    return platform::MessageBox(text + list + question, Spredit::Text9043,
                                platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES;
}

} // namespace

bool TDeviceInstanzTalvo::AskUserBeforModifyDatentyp(TDataBasis* function, int output)
{
    LOG_FKT_START("TDeviceInstanzTalvo::AskUserBeforModifyDatentyp");
    return function && AskAboutScenes(*this, function, output, Sprscenefunc::Text16016, Sprscenefunc::Text16017);
}

bool TDeviceInstanzTalvo::AskUserBeforModifyWerteTyp(TDataBasis* function, int output)
{
    LOG_FKT_START("TDeviceInstanzTalvo::AskUserBeforModifyWerteTyp");
    return function && AskAboutScenes(*this, function, output, Sprscenefunc::Text16018, Sprscenefunc::Text16019);
}

bool TDeviceInstanzTalvo::UserDeviceMessage_SzenenFunktion(platform::HWND /*mainWindow*/, tagWmUserDevice* request,
                                                           std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_SzenenFunktion");
    recognised = 0;
    if (!request)
        return false;
    const std::uint8_t code = request->Code;
    if (code < UDM_MODIFY_DEFAULT_VALUE_SZENEN_AUSGAENGE || code > UDM_ASK_USER_BEFOR_MODIFY_WERTE_TYP)
        return false;
    recognised = 1;
    // Only the scene function itself asks for its scenes.
    TDataBasis* function = dynamic_cast<TSzenenFunktion*>(request->Sender);
    if (!function)
        return false;
    switch (code) {
    case UDM_MODIFY_DEFAULT_VALUE_SZENEN_AUSGAENGE:
        return ModifyDefaultValueSzenenAusgaenge(function, request->Integer, request->Byte);
    case UDM_DELETE_SZENEN_INSTANZEN:
        return DeleteSzenenInstanzen(function);
    case UDM_CREATE_SZENEN_INSTANZ:
        return CreateSzenenInstanz(function);
    case UDM_ASK_USER_BEFOR_MODIFY_DATENTYP:
        return AskUserBeforModifyDatentyp(function, request->Integer);
    default:
        return AskUserBeforModifyWerteTyp(function, request->Integer);
    }
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_SzenenFunktion(platform::HWND /*mainWindow*/,
                                                              tagRecDatenTransport* /*request*/,
                                                              std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_SzenenFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::InitDaten_SzenenFunktion(TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_SzenenFunktion");
    const TDatenStruktur copy = record;
    try {
        if (copy.Typ == DT_SZENEN_FUNKTION)
            return RegisterObject(factories_.Scenefunc->CreateSzenenFunktion(MainWindowHandle(), copy.System,
                                                                            copy.Parent, copy.Name, copy.Handle),
                                  copy);
        if (copy.Typ == DT_SZENE)
            return RegisterObject(
                factories_.Scenefunc->CreateSzene(MainWindowHandle(), copy.System, copy.Parent, copy.Name, copy.Handle),
                copy);
    } catch (const E_Basis&) {
        return false;
    }
    return false;
}
