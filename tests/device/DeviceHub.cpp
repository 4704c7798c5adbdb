#include "tests/device/DeviceHub.h"

#include "app/Spredit.h"
#include "outside/addrlink/ObjektFlag.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/EibHandle.h"
#include "outside/datacore/MainWindowMessages.h"
#include "platform/UiService.h"

#include <exception>
#include <set>

namespace devicetest {

namespace {

std::int32_t SystemOf(platform::WPARAM wParam)
{
    return static_cast<std::int32_t>((wParam >> 16) & 0xFFFF);
}

std::int32_t ParentOf(platform::WPARAM wParam)
{
    const auto parent = static_cast<std::int32_t>(wParam & 0xFFFF);
    return parent == 0xFFFF ? -1 : parent;
}

template <class T>
platform::LRESULT Result(T* pointer)
{
    return reinterpret_cast<platform::LRESULT>(pointer);
}

} // namespace

TDeviceHub::TDeviceHub(TDeviceInstanz*& device) : device_(device)
{
    window_.AnswerWith([this](const testsupport::RecordingWindow::Message& message) { return Answer(message); });
}

platform::LRESULT TDeviceHub::Answer(const testsupport::RecordingWindow::Message& m)
{
    if (!device_)
        return 0;
    TDeviceInstanz& device = *device_;
    const auto handle = static_cast<std::int32_t>(m.lParam);
    switch (m.message) {
    case WM_USER_GETDATAPOINTER:
        return Result(device.FindHandle(static_cast<std::int32_t>(m.wParam)));
    case WM_USER_GETDATENSATZ:
        return Result(device.GetDatenSatz(SystemOf(m.wParam), ParentOf(m.wParam), handle));
    case WM_USER_GETDATENSATZANYPARENT:
        return Result(device.GetDatenSatz(static_cast<std::int32_t>(m.wParam), -1, handle));
    case WM_USER_FINDDATENSATZ:
        return Result(device.FindDatenSatz(static_cast<std::int32_t>(m.wParam), handle));
    case WM_USER_DELETENEXTDATENSATZ:
        device.DeleteNextDatenSatz(SystemOf(m.wParam), ParentOf(m.wParam), handle);
        return 0;
    case WM_USER_GETEIBHANDLE:
        return Result(device.EibHandle.get());
    case WM_USER_USERDEVICEMESSAGE:
        return device.UserDeviceMessage(Handle(), reinterpret_cast<tagWmUserDevice*>(m.lParam));
    case WM_USER_DATENTRANSPORT:
        return device.WmUserDatenTransport(Handle(), reinterpret_cast<tagRecDatenTransport*>(m.lParam));
    case WM_USER_GETGRPADRNRASZAHL:
        return device.GetGrpAdrNrAsZahl(static_cast<std::int32_t>(m.wParam), *reinterpret_cast<int*>(m.lParam));
    case WM_USER_OBJEKTFLAGSLESEN:
        return device.LeseObjektFlags(reinterpret_cast<RecObjektFlagsLesen*>(m.lParam));
    case WM_USER_OBJEKTFLAG: {
        const auto* request = reinterpret_cast<const RecObjektFlag*>(m.lParam);
        try {
            return m.wParam == 0 ? device.ChangeObjektFlag(request) : device.CheckObjektFlag(request);
        } catch (const std::exception& e) {
            platform::MessageBox(Spredit::Text9134 + "\n\n" + e.what(), Spredit::Text9048,
                                 platform::MB_ICONEXCLAMATION);
            return 0;
        }
    }
    default:
        return 0;
    }
}

std::string TDeviceHub::RecordLinks(TDeviceInstanz& device, TDataBasis* object)
{
    std::string text;
    const auto add = [&text](const TDatenStruktur& record) {
        if (record.Param14 == 0 && record.Param15 <= 0)
            return;
        if (!text.empty())
            text += ';';
        text += std::to_string(record.Param14) + ':' + std::to_string(record.Param15) + ':' +
                (record.Bool10 ? '1' : '0');
    };
    const TDatenStruktur* record = device.GetDatenSatz(object);
    add(*record);
    std::set<std::int32_t> seen{record->Handle};
    for (std::int32_t next = record->Next; next > 0 && seen.insert(next).second;) {
        const TDatenStruktur* chained = device.GetDatenSatz(object->GetSystem(), -1, next);
        add(*chained);
        next = chained->Next;
    }
    return text;
}

} // namespace devicetest
