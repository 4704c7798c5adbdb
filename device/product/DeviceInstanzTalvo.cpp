#include "device/product/DeviceInstanzTalvo.h"

#include "app/Spredit.h"
#include "device/E_InstVerw.h"
#include "device/SharedTextConstants.h"
#include "device/product/DatenTyp.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <cstdio>
#include <vector>

static_assert(TTalvoSystem::Typ == DT_TALVO_SYSTEM);
static_assert(TTalvoDisplay::Typ == DT_TALVO_DISPLAY);

namespace {

// printf-style formatting of a text from the string table.
template <typename... Args>
std::string Format(const std::string& format, Args... args)
{
    const int length = std::snprintf(nullptr, 0, format.c_str(), args...);
    if (length <= 0)
        return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), args...);
    return std::string(text.data(), static_cast<std::size_t>(length));
}

// The refreshes travel with -1 in both parameters.
constexpr platform::WPARAM NoCellW = static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(-1));
constexpr platform::LPARAM NoCellL = -1;

} // namespace

TDeviceInstanzTalvo::TDeviceInstanzTalvo(TMainWindowServices* mainForm, const DAL_DEVICE* device,
                                         TConfigWindowServices* projectWindow, const TObjectFactories& factories)
    : TDeviceInstanz(mainForm, device, projectWindow), factories_(factories)
{
    LOG_FKT_START("TDeviceInstanzTalvo::TDeviceInstanzTalvo");
}

TDeviceInstanzTalvo::~TDeviceInstanzTalvo()
{
    LOG_FKT_START("TDeviceInstanzTalvo::~TDeviceInstanzTalvo");
}

platform::HWND TDeviceInstanzTalvo::MainWindowHandle() const
{
    return MainForm ? MainForm->GetHandle() : 0;
}

// --- Version and name ---

std::int32_t TDeviceInstanzTalvo::ReadTypeNumber() const
{
    // Reading the device information only makes the device-parameter object on first use.
    return const_cast<TDeviceInstanzTalvo*>(this)->GetDeviceEtsInfo().TypeNumber;
}

std::string TDeviceInstanzTalvo::GetVersion() const
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetVersion");
    const std::string typ = std::string("SORV/") + DIR_PRODUCT + "_" + std::to_string(ReadTypeNumber());
    return Format(DatenVersionFormat, static_cast<int>(DatenVersionMajor), static_cast<int>(DatenVersionMinor),
                  typ.c_str());
}

std::string TDeviceInstanzTalvo::GetDeviceName() const
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetDeviceName");
    const auto hardware = static_cast<std::uint8_t>(ReadTypeNumber() & 0xFF);
    const std::string empty;
    return Format(Spredit::Text9319, ((hardware & 0x20) ? Spredit::Text9320 : empty).c_str(), hardware & 0x07,
                  Spredit::Text9327.c_str(), ((hardware & 0x10) ? Spredit::Text9321 : empty).c_str(),
                  ((hardware & 0x40) ? Spredit::Text9322 : empty).c_str());
}

// --- Look-ups ---

TDataBasis* TDeviceInstanzTalvo::GetPointerFromHandle(std::int32_t handle)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetPointerFromHandle");
    if (handle <= 0)
        return nullptr;
    // An object asked may change the registry; every one is looked up again before it is asked.
    std::vector<std::int32_t> handles;
    for (const auto& [registered, object] : GetDataPointerMap())
        handles.push_back(registered);
    for (const std::int32_t registered : handles) {
        TDataBasis* object = FindHandle(registered);
        if (object && object->GetPointerFromHandle(handle))
            return object;
    }
    return nullptr;
}

TTalvoSystem* TDeviceInstanzTalvo::GetPointerFromSystem() const
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetPointerFromSystem");
    return dynamic_cast<TTalvoSystem*>(GetDevice());
}

TTalvoDisplay* TDeviceInstanzTalvo::GetPointerFromDisplay()
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetPointerFromDisplay");
    return dynamic_cast<TTalvoDisplay*>(GetFirstFromDatenTyp(GetDevice(), DT_TALVO_DISPLAY));
}

TDataBasis* TDeviceInstanzTalvo::GetFirstFromDatenTyp(TDataBasis* start, std::int16_t datentyp)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetFirstFromDatenTyp");
    if (!start)
        return nullptr;
    try {
        return GetPointerFromDatenTyp(start, datentyp);
    } catch (const E_InstVerw&) {
        return nullptr; // the start object has no records
    }
}

// --- Changes ---

bool TDeviceInstanzTalvo::WriteData(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WriteData");
    if (!MainForm || !object)
        return false;
    object->Write(*GetDatenSatz(object));
    return true;
}

bool TDeviceInstanzTalvo::DeleteInstanz(TDataBasis* object, bool postRefresh)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteInstanz");
    if (!object)
        return false;
    if (ConfigWindow)
        ConfigWindow->DeleteNode(nullptr, object);
    DeleteDatenSatzAndNext(object);
    DeletePointerFromList(object);
    if (postRefresh) {
        const platform::HWND window = MainWindowHandle();
        platform::PostMessage(window, WM_USER_UPDATEALLVIEWS, NoCellW, NoCellL);
        platform::PostMessage(window, WM_USER_ABGLEICHFORMVERW, NoCellW, NoCellL);
        platform::PostMessage(window, WM_USER_UPDATETREENAMES, NoCellW, NoCellL);
    }
    return true;
}

bool TDeviceInstanzTalvo::DeleteAllChildsFromDatentyp(TDataBasis* parent, std::int16_t datentyp, bool postRefresh)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteAllChildsFromDatentyp");
    if (!parent)
        return false;
    std::list<TDataBasis*> children;
    try {
        GetAllPointerFromDatentyp(datentyp, children, parent, false);
    } catch (const E_InstVerw&) {
        return true; // a parent without records has no children
    }
    // A deletion may take other objects with it: each child is looked up again first.
    std::vector<std::int32_t> handles;
    for (const TDataBasis* child : children)
        handles.push_back(child->GetHandle());
    for (const std::int32_t handle : handles) {
        TDataBasis* child = FindHandle(handle);
        if (child && !DeleteInstanz(child, postRefresh))
            return false;
    }
    return true;
}

// --- Download flags ---

void TDeviceInstanzTalvo::GetSystemFlags(bool& all, bool& userParameters, bool& scenes, bool& roomTimeSwitch,
                                         bool& timeSwitch1, bool& timeSwitch2) const
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetSystemFlags");
    if (const TTalvoSystem* system = GetPointerFromSystem())
        system->GetSystemFlags(all, userParameters, scenes, roomTimeSwitch, timeSwitch1, timeSwitch2);
}

void TDeviceInstanzTalvo::SetSystemFlags(bool all, bool userParameters, bool scenes, bool roomTimeSwitch,
                                         bool timeSwitch1, bool timeSwitch2)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetSystemFlags");
    if (TTalvoSystem* system = GetPointerFromSystem())
        system->SetSystemFlags(all, userParameters, scenes, roomTimeSwitch, timeSwitch1, timeSwitch2);
}

bool TDeviceInstanzTalvo::SetDbDataFlag(int n, bool value)
{
    bool flags[6] = {false, false, false, false, false, false};
    GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    flags[n - 1] = value;
    SetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    return true;
}

bool TDeviceInstanzTalvo::SetDbDataUserDeviceParam(bool value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetDbDataUserDeviceParam");
    return SetDbDataFlag(2, value);
}

bool TDeviceInstanzTalvo::SetDbDataSzenen(bool value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetDbDataSzenen");
    return SetDbDataFlag(3, value);
}

bool TDeviceInstanzTalvo::SetDbDataRaumtempSchaltuhr(bool value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetDbDataRaumtempSchaltuhr");
    return SetDbDataFlag(4, value);
}

bool TDeviceInstanzTalvo::SetDbDataSchaltuhr1(bool value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetDbDataSchaltuhr1");
    return SetDbDataFlag(5, value);
}

bool TDeviceInstanzTalvo::SetDbDataSchaltuhr2(bool value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetDbDataSchaltuhr2");
    return SetDbDataFlag(6, value);
}

// --- Initialisation settings ---

void TDeviceInstanzTalvo::SetInitModus(std::uint8_t mode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetInitModus");
    InitModus = mode;
}

void TDeviceInstanzTalvo::SetInitFileCreate(const std::string& file)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetInitFileCreate");
    InitFileCreateName = file;
}

void TDeviceInstanzTalvo::SetInitFileCreateUser(const std::string& file)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SetInitFileCreateUser");
    InitFileCreateUserName = file;
}

int TDeviceInstanzTalvo::GetInitModus() const
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetInitModus");
    return InitModus;
}

std::string TDeviceInstanzTalvo::GetInitFileCreate() const
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetInitFileCreate");
    return InitFileCreateName;
}

std::string TDeviceInstanzTalvo::GetInitFileCreateUser() const
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetInitFileCreateUser");
    return InitFileCreateUserName;
}

// --- Preview ---

int TDeviceInstanzTalvo::UpdatePreview()
{
    LOG_FKT_START("TDeviceInstanzTalvo::UpdatePreview");
    return platform::PostMessage(MainWindowHandle(), WM_USER_UPDATEPREVIEW, 1, 0) ? 1 : 0;
}

void TDeviceInstanzTalvo::ReinitConfigWindows(platform::HWND mainWindow)
{
    if (!MainForm)
        return;
    for (TConfigWindowServices* window : MainForm->GetListFormVerw()) {
        if (!window)
            continue;
        window->DeleteGrpAdr();
        window->InitData(DataPointerMap.Map(), mainWindow);
        if (GrpAdrOrdner)
            window->InitGrpAdr(mainWindow, GrpAdrOrdner.get(), MainGroupNodes, GrpAdrNodes);
    }
}
