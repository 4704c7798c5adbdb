#include "outside/hostlink/HostConnection.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <cstdlib>

namespace hostlink {

namespace {

// Clears a flag when the scope ends, also by an exception.
class TBusyScope {
public:
    explicit TBusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TBusyScope() { flag_ = false; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    bool& flag_;
};

} // namespace

THostConnection::THostConnection()
{
    // What the host sends is read as it is taken: a flood waits in the socket, not in memory.
    socket_.setReadBufferSize(MaxLineBytes);
    connect(&socket_, &QLocalSocket::readyRead, this, [this] { ReadAvailable(); });
    connect(&socket_, &QLocalSocket::disconnected, this, [this] {
        if (lost_)
            return;
        lost_ = true;
        queue_.emplace_back(std::nullopt);
        PostDrain();
    });
}

THostConnection::~THostConnection()
{
    lost_ = true;
    socket_.abort();
}

std::unique_ptr<THostConnection> THostConnection::Connect(const std::string& moduleName)
{
    const char* name = std::getenv(SocketVariable);
    if (name == nullptr || *name == '\0')
        return nullptr;
    std::unique_ptr<THostConnection> connection(new THostConnection());
    connection->socket_.connectToServer(QString::fromLocal8Bit(name));
    if (!connection->socket_.waitForConnected(AnswerTimeoutMs))
        return nullptr;
    QJsonObject hello{{"type", "hello"},
                      {"module", QString::fromStdString(moduleName)},
                      {"pid", static_cast<qint64>(QCoreApplication::applicationPid())}};
    const auto welcome = connection->Request(hello, QStringLiteral("welcome"));
    if (!welcome)
        return nullptr;
    connection->project_ = welcome->value(QStringLiteral("project")).toString().toStdString();
    return connection;
}

bool THostConnection::Send(const QJsonObject& message)
{
    if (!IsConnected())
        return false;
    socket_.write(EncodeMessage(message));
    while (socket_.bytesToWrite() > 0)
        if (!socket_.waitForBytesWritten(AnswerTimeoutMs))
            return false;
    return true;
}

std::optional<QJsonObject> THostConnection::Request(const QJsonObject& message, const QString& answerType,
                                                    int timeoutMs)
{
    awaitedType_ = answerType;
    awaited_.reset();
    const QDeadlineTimer deadline(timeoutMs);
    if (Send(message)) {
        ReadAvailable();
        while (!awaited_ && IsConnected() && !deadline.hasExpired()) {
            if (socket_.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
                ReadAvailable();
        }
    }
    awaitedType_.clear();
    std::optional<QJsonObject> answer = std::move(awaited_);
    awaited_.reset();
    return answer;
}

void THostConnection::ReadAvailable()
{
    lines_.Append(socket_.readAll());
    for (;;) {
        const auto line = lines_.Next();
        while (lines_.TakeOverlong())
            Send(ErrorMessage(QStringLiteral("a line longer than %1 bytes").arg(MaxLineBytes)));
        if (!line)
            break;
        TDecodedLine decoded = DecodeLine(*line);
        if (!decoded.Message) {
            Send(ErrorMessage(decoded.Error));
            continue;
        }
        QJsonObject& message = *decoded.Message;
        if (!awaitedType_.isEmpty() && !awaited_ && message.value(QStringLiteral("type")).toString() == awaitedType_) {
            awaited_ = std::move(message);
            continue;
        }
        if (busy_ && OnArrival && OnArrival(message))
            continue;
        queue_.emplace_back(std::move(message));
    }
    if (!queue_.empty())
        PostDrain();
}

void THostConnection::PostDrain()
{
    if (drainPosted_)
        return;
    drainPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        drainPosted_ = false;
        Drain();
    });
}

void THostConnection::Drain()
{
    if (busy_)
        return;
    const TBusyScope scope(busy_);
    while (!queue_.empty()) {
        const std::optional<QJsonObject> message = std::move(queue_.front());
        queue_.pop_front();
        if (!message) {
            if (OnLost)
                OnLost();
        } else if (OnMessage) {
            OnMessage(*message);
        }
    }
}

} // namespace hostlink
