#include "outside/hostlink/Ets2CdiExtended1.h"

#include "outside/hostlink/EventArgumentCheck.h"
#include "outside/hostlink/HostConnection.h"
#include "platform/TraceLog.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

using hostlink::THostConnection;

namespace {

std::int32_t IntArgument(const QJsonArray& args, int index)
{
    return static_cast<std::int32_t>(args.at(index).toInteger());
}

std::string TextArgument(const QJsonArray& args, int index)
{
    return args.at(index).toString().toStdString();
}

// The answer of a refused event: nothing was done, the host need not wait for a return.
QJsonObject Refusal(const QJsonObject& event, const QString& reason)
{
    const QString name = event.value(QStringLiteral("name")).toString();
    LOG_FKT_START_TEXT("TEts2Cdi_Extended1::Refuse", platform::LOG_LEVEL_NORMAL,
                       QStringLiteral("%1 refused: %2").arg(name, reason).toStdString());
    QJsonObject reply{{"type", "reply"}, {"seq", event.value(QStringLiteral("seq"))}, {"returnNow", 1},
                      {"result", 0},     {"refused", reason}};
    if (name == QStringLiteral("ExportDevice"))
        reply[QStringLiteral("files")] = QJsonArray();
    return reply;
}

// Clears a flag when the scope ends, also by an exception.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
};

tagEIB_BASE_PROGRAMMING ProgrammingArgument(const QJsonArray& args, int index)
{
    const QByteArray bytes = QByteArray::fromBase64(args.at(index).toString().toLatin1());
    tagEIB_BASE_PROGRAMMING record;
    for (qsizetype i = 0; i < bytes.size() && i < static_cast<qsizetype>(record.Bytes.size()); ++i)
        record.Bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
    return record;
}

} // namespace

TEts2Cdi_Extended1::TEts2Cdi_Extended1(const std::string& databasePath) : TEts2Cdi(databasePath) {}

TEts2Cdi_Extended1::TEts2Cdi_Extended1(QObject* /*owner*/, const std::string& moduleName, bool /*flag*/)
    : TEts2Cdi_Extended1(THostConnection::Connect(moduleName))
{
}

TEts2Cdi_Extended1::TEts2Cdi_Extended1(std::unique_ptr<THostConnection> connection)
    : TEts2Cdi(connection ? connection->ProjectFile() : std::string()), connection_(std::move(connection))
{
    if (!connection_) {
        std::fprintf(stderr, "panelconf: no host at the socket named by %s; the host link is offline\n",
                     hostlink::SocketVariable);
        return;
    }
    connection_->OnMessage = [this](const QJsonObject& message) { Receive(message); };
    connection_->OnArrival = [this](const QJsonObject& message) { return Arrived(message); };
    connection_->OnLost = [this] {
        if (OnHostLost)
            OnHostLost();
    };
}

TEts2Cdi_Extended1::~TEts2Cdi_Extended1() = default;

bool TEts2Cdi_Extended1::HasHost() const
{
    return connection_ && connection_->IsConnected();
}

bool TEts2Cdi_Extended1::SendToHost(const QJsonObject& message)
{
    return connection_ && connection_->Send(message);
}

bool TEts2Cdi_Extended1::ReturnToEts(int result)
{
    if (!connection_)
        return false;
    editOpen_ = false;
    const QJsonObject message{{"type", "return"}, {"kept", result}};
    return connection_->Request(message, QStringLiteral("returnAck")).has_value();
}

std::int32_t TEts2Cdi_Extended1::CoMeterDlgOpen(platform::HWND /*window*/, std::int32_t /*kind*/)
{
    meterOpen_ = true;
    meterCaption_.clear();
    return nextMeter_++;
}

void TEts2Cdi_Extended1::CoMeterSetCaption(std::int32_t /*meter*/, const std::string& caption)
{
    meterCaption_ = caption;
}

void TEts2Cdi_Extended1::CoMeterDlgClose(std::int32_t /*meter*/)
{
    meterOpen_ = false;
}

void TEts2Cdi_Extended1::Receive(const QJsonObject& message)
{
    const QString type = message.value(QStringLiteral("type")).toString();
    if (type == QStringLiteral("event")) {
        ReceiveEvent(message);
    } else if (type == QStringLiteral("ui")) {
        if (OnHostCommand)
            OnHostCommand(message);
        else
            SendToHost({{"type", "uiDone"}, {"ok", false}, {"text", "automation is off"}});
    } else if (type == QStringLiteral("error")) {
        std::fprintf(stderr, "panelconf: the host did not take a message: %s\n",
                     qPrintable(message.value(QStringLiteral("reason")).toString()));
    } else {
        SendToHost(hostlink::ErrorMessage(QStringLiteral("no message of type \"%1\" is taken here").arg(type)));
    }
}

bool TEts2Cdi_Extended1::Arrived(const QJsonObject& message)
{
    if (!eventRunning_ || message.value(QStringLiteral("type")).toString() != QStringLiteral("event")
        || message.value(QStringLiteral("name")).toString() == QStringLiteral("Stop"))
        return false;
    SendToHost(Refusal(message, QStringLiteral("out of turn: another event still runs")));
    return true;
}

void TEts2Cdi_Extended1::ReceiveEvent(const QJsonObject& event)
{
    const bool stop = event.value(QStringLiteral("name")).toString() == QStringLiteral("Stop");
    if (!stop && editOpen_) {
        SendToHost(Refusal(event, QStringLiteral("out of turn: a device is being edited")));
        return;
    }
    const TFlagScope running(eventRunning_);
    ending_ = false;
    // RaiseEvent sends the answers set so far itself when a handler throws.
    auto work = [&] {
        QJsonObject reply = RaiseEvent(event);
        if (stop)
            return;
        if (reply.value(QStringLiteral("returnNow")).toInt(1) == 0)
            editOpen_ = true;
        if (ending_)
            reply[QStringLiteral("ending")] = true;
        SendToHost(reply);
    };
    if (RunEvent)
        RunEvent("TEts2Cdi_Extended1", work);
    else
        work();
}

QJsonObject TEts2Cdi_Extended1::RaiseEvent(const QJsonObject& event)
{
    const std::string name = event.value(QStringLiteral("name")).toString().toStdString();
    const QJsonArray args = event.value(QStringLiteral("args")).toArray();
    const hostlink::TEventSpec* spec = hostlink::FindHostEvent(name);
    if (spec == nullptr)
        return Refusal(event, QStringLiteral("no event \"%1\"").arg(QString::fromStdString(name)));
    if (name != "Stop")
        if (const auto refusal = hostlink::RefuseArguments(*spec, args))
            return Refusal(event, *refusal);
    bool returnNow = event.value(QStringLiteral("returnNow")).toInt(1) != 0;
    std::int32_t result = static_cast<std::int32_t>(event.value(QStringLiteral("result")).toInteger(0));
    std::vector<std::string> files;
    QJsonObject reply{{"type", "reply"}, {"seq", event.value(QStringLiteral("seq"))}};
    const auto answers = [&] {
        reply[QStringLiteral("returnNow")] = returnNow ? 1 : 0;
        reply[QStringLiteral("result")] = result;
        if (name == "ExportDevice") {
            QJsonArray list;
            for (const std::string& file : files)
                list.append(QString::fromStdString(file));
            reply[QStringLiteral("files")] = list;
        }
    };
    const auto call = [&](const auto& handler, auto... values) {
        if (handler)
            handler(returnNow, result, values...);
    };
    try {
        if (name == "CreateDevice")
            call(OnCdiCreateDevice, IntArgument(args, 0), IntArgument(args, 1));
        else if (name == "DeleteDevice")
            call(OnCdiDeleteDevice, IntArgument(args, 0));
        else if (name == "EditParameters")
            call(OnCdiEditParameters, IntArgument(args, 0));
        else if (name == "Stop") {
            if (OnWmUserSvStop)
                OnWmUserSvStop();
        } else if (name == "DoDownload2")
            call(OnCdiDoDownload2, IntArgument(args, 0), static_cast<std::uint16_t>(IntArgument(args, 1)),
                 static_cast<std::uint16_t>(IntArgument(args, 2)), ProgrammingArgument(args, 3),
                 static_cast<std::int16_t>(IntArgument(args, 4)));
        else if (name == "LinkObjToSubGroup")
            call(OnCdiLinkObjToSubGroup, IntArgument(args, 0), static_cast<std::int16_t>(IntArgument(args, 1)),
                 IntArgument(args, 2));
        else if (name == "UnlinkObjFromSubGroup")
            call(OnCdiUnlinkObjFromSubGroup, IntArgument(args, 0), static_cast<std::int16_t>(IntArgument(args, 1)),
                 IntArgument(args, 2));
        else if (name == "EditObject")
            call(OnCdiEditObject, IntArgument(args, 0));
        else if (name == "ExportDevice") {
            if (OnCdiExportDevice)
                OnCdiExportDevice(returnNow, result, IntArgument(args, 0), files);
        } else if (name == "ImportDevice")
            call(OnCdiImportDevice, IntArgument(args, 0));
        else if (name == "CopyDevice")
            call(OnCdiCopyDevice, IntArgument(args, 0), IntArgument(args, 1), IntArgument(args, 2) != 0);
        else if (name == "DoReconstruct")
            call(OnCdiDoReconstruct, IntArgument(args, 0), IntArgument(args, 1), IntArgument(args, 2),
                 TextArgument(args, 3));
    } catch (...) {
        answers();
        if (name != "Stop")
            SendToHost(reply);
        throw;
    }
    answers();
    return reply;
}
