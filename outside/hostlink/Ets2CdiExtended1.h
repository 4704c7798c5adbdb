#pragma once

#include "outside/hostlink/Ets2Cdi.h"
#include "platform/WindowMessages.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QJsonObject;
class QObject;

namespace hostlink {
class THostConnection;
}

// The host's programming record of a download; handed on, never read by the editor.
struct tagEIB_BASE_PROGRAMMING {
    std::array<std::uint8_t, 12> Bytes{};
};

// The host link object that the main window owns. Made with a module name it connects to the
// host (the socket named in ETSHOST_SOCKET), says hello and opens the project of the host's
// welcome; without a host it is offline. The host's events arrive on the Qt loop one at a time
// and go to the On… handlers, which answer through their first two arguments; the answers go
// back to the host as soon as the handler has returned (the stop event gets none). An event is
// refused (result 0, returnNow 1, a trace entry), its handler not run, when its name is unknown,
// an argument does not fit, or it comes out of turn: while another event runs, or while a device
// is edited (from an answer returnNow 0 until the return). The stop is always taken.
class TEts2Cdi_Extended1 : public TEts2Cdi {
public:
    // The project file alone, with no host attached.
    explicit TEts2Cdi_Extended1(const std::string& databasePath);
    // Connects to the host; the owner and the flag are the host's and carry nothing here.
    TEts2Cdi_Extended1(QObject* owner, const std::string& moduleName, bool flag);
    ~TEts2Cdi_Extended1() override;

    bool HasHost() const;

    // Tells the host and waits for its acknowledgement; false on time-out, without a host or
    // when the host went away.
    bool ReturnToEts(int result) override;
    // The program ends after the event that runs: its answer tells the host ("ending").
    void AnnounceEnd() { ending_ = true; }
    // True from an answer returnNow 0 until the return.
    bool EditOpen() const { return editOpen_; }

    // The host's progress meter: the editor's progress dialog, made by the hostdata progress
    // object on the meter's number.
    std::int32_t CoMeterDlgOpen(platform::HWND window, std::int32_t kind);
    void CoMeterSetCaption(std::int32_t meter, const std::string& caption);
    void CoMeterDlgClose(std::int32_t meter);
    // The caption of the open meter, and whether one is open.
    const std::string& MeterCaption() const { return meterCaption_; }
    bool MeterOpen() const { return meterOpen_; }

    template <class... TArgs>
    using THandler = std::function<void(bool& returnNow, std::int32_t& result, TArgs...)>;

    // The twelve events, with the arguments the editor uses.
    THandler<std::int32_t /*kind*/, std::int32_t /*id*/> OnCdiCreateDevice;
    THandler<std::int32_t /*id*/> OnCdiDeleteDevice;
    THandler<std::int32_t /*id*/> OnCdiEditParameters;
    std::function<void()> OnWmUserSvStop;
    THandler<std::int32_t /*id*/, std::uint16_t /*newAddress*/, std::uint16_t /*oldAddress*/,
             const tagEIB_BASE_PROGRAMMING& /*programming*/, std::int16_t /*mode*/>
        OnCdiDoDownload2;
    THandler<std::int32_t /*id*/, std::int16_t /*objectNumber*/, std::int32_t /*subGroupId*/> OnCdiLinkObjToSubGroup;
    THandler<std::int32_t /*id*/, std::int16_t /*objectNumber*/, std::int32_t /*subGroupId*/>
        OnCdiUnlinkObjFromSubGroup;
    THandler<std::int32_t /*deviceObjectId*/> OnCdiEditObject;
    THandler<std::int32_t /*id*/, std::vector<std::string>& /*files*/> OnCdiExportDevice;
    THandler<std::int32_t /*id*/> OnCdiImportDevice;
    THandler<std::int32_t /*newId*/, std::int32_t /*sourceId*/, bool /*flag*/> OnCdiCopyDevice;
    THandler<std::int32_t /*id*/, std::int32_t /*number*/, std::int32_t /*mode*/, const std::string& /*file*/>
        OnCdiDoReconstruct;

    // Runs each event (the owner's failure handling around it); without one the event runs
    // alone. An exception of a handler sends the answers set so far and passes on.
    std::function<void(const char* sender, const std::function<void()>& work)> RunEvent;
    // A message of the host that is no event (automation).
    std::function<void(const QJsonObject& message)> OnHostCommand;
    // The host went away.
    std::function<void()> OnHostLost;

    // Raises the event as the host does, with the message's fields; the reply message. The
    // connection calls it for every event of the host.
    QJsonObject RaiseEvent(const QJsonObject& event);
    // A message to the host; false without one.
    bool SendToHost(const QJsonObject& message);

private:
    explicit TEts2Cdi_Extended1(std::unique_ptr<hostlink::THostConnection> connection);
    void Receive(const QJsonObject& message);
    void ReceiveEvent(const QJsonObject& event);
    // Takes an event that arrives while another runs: refused at once.
    bool Arrived(const QJsonObject& message);

    std::unique_ptr<hostlink::THostConnection> connection_;
    bool eventRunning_ = false;
    bool editOpen_ = false;
    bool ending_ = false;
    std::int32_t nextMeter_ = 1;
    bool meterOpen_ = false;
    std::string meterCaption_;
};
