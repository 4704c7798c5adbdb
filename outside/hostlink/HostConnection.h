#pragma once

#include "outside/hostlink/HostProtocol.h"

#include <QLocalSocket>
#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace hostlink {

// The editor's end of the host's socket. The host's messages are run on the Qt loop one at a
// time, in their order: one that arrives while another still runs (a modal dialog, a progress
// step or processEvents spin the loop) waits until it has ended, unless OnArrival takes it at
// once. A line that is no message is answered with an error message at once and dropped.
class THostConnection : public QObject {
public:
    // How long the welcome and the acknowledgement of a return are awaited.
    static constexpr int AnswerTimeoutMs = 5000;

    // Connects to the socket that ETSHOST_SOCKET names, says hello and waits for the welcome;
    // none without the variable, without a host or without a welcome.
    static std::unique_ptr<THostConnection> Connect(const std::string& moduleName);
    ~THostConnection() override;

    // The project file the host named in its welcome.
    const std::string& ProjectFile() const { return project_; }
    bool IsConnected() const { return socket_.state() == QLocalSocket::ConnectedState; }

    // Runs one message of the host.
    std::function<void(const QJsonObject& message)> OnMessage;
    // The host went away; runs in the order of the messages, after those received before.
    std::function<void()> OnLost;
    // Sees each message as it arrives while another message runs; true when it took the message
    // (it then does not wait its turn).
    std::function<bool(const QJsonObject& message)> OnArrival;
    // True while a message of the host runs.
    bool Busy() const { return busy_; }

    // Writes the message and waits until it has left; false when the host is gone.
    bool Send(const QJsonObject& message);
    // Sends the message and waits for the host's message of the type (others wait their turn);
    // none on time-out or when the host went away.
    std::optional<QJsonObject> Request(const QJsonObject& message, const QString& answerType,
                                       int timeoutMs = AnswerTimeoutMs);

private:
    THostConnection();
    void ReadAvailable();
    void PostDrain();
    void Drain();

    QLocalSocket socket_;
    TLineBuffer lines_;
    std::string project_;
    std::deque<std::optional<QJsonObject>> queue_; // none: the host went away
    bool busy_ = false;
    bool drainPosted_ = false;
    bool lost_ = false;
    QString awaitedType_;
    std::optional<QJsonObject> awaited_;
};

} // namespace hostlink
