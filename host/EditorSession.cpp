#include "host/EditorSession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QUuid>

namespace host {

namespace {

constexpr int HelloTimeoutMs = 30000;
constexpr int PollMs = 100;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TEditorSession::TEditorSession(TEditorOptions options, std::ostream& log) : options_(std::move(options)), log_(log)
{
    const QString name = QStringLiteral("etshost-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name);
}

TEditorSession::~TEditorSession()
{
    if (EditorRunning())
        Kill();
}

bool TEditorSession::EditorRunning() const
{
    return editor_ && editor_->state() != QProcess::NotRunning && socket_ != nullptr
           && socket_->state() == QLocalSocket::ConnectedState;
}

bool TEditorSession::EnsureEditor()
{
    if (EditorRunning())
        return true;
    if (editor_) {
        editor_->kill();
        editor_->waitForFinished(HelloTimeoutMs);
    }
    delete socket_;
    socket_ = nullptr;
    lines_ = {};
    received_.clear();
    returned_.reset();
    if (!server_.isListening()) {
        log_ << "etshost: cannot listen on a local socket: " << server_.errorString().toStdString() << "\n";
        return false;
    }
    editor_ = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(hostlink::SocketVariable), server_.fullServerName());
    if (options_.Automation)
        environment.insert(QStringLiteral("PANELCONF_AUTOMATION"), QStringLiteral("1"));
    editor_->setProcessEnvironment(environment);
    editor_->setProcessChannelMode(QProcess::ForwardedChannels);
    editor_->start(Text(options_.Editor), {Text(options_.Module)});
    if (!editor_->waitForStarted(HelloTimeoutMs)) {
        log_ << "etshost: cannot start the editor " << options_.Editor << "\n";
        return false;
    }
    QDeadlineTimer deadline(HelloTimeoutMs);
    while (!server_.hasPendingConnections() && !deadline.hasExpired() && editor_->state() != QProcess::NotRunning)
        server_.waitForNewConnection(PollMs);
    socket_ = server_.nextPendingConnection();
    if (socket_ == nullptr) {
        log_ << "etshost: the editor did not connect\n";
        return false;
    }
    if (!Await(QStringLiteral("hello")))
        return false;
    return Send({{"type", "welcome"}, {"project", Text(options_.Project)}});
}

std::optional<std::int64_t> TEditorSession::EditorPid() const
{
    if (!editor_ || editor_->state() == QProcess::NotRunning)
        return std::nullopt;
    return editor_->processId();
}

bool TEditorSession::Send(const QJsonObject& message)
{
    if (socket_ == nullptr || socket_->state() != QLocalSocket::ConnectedState)
        return false;
    socket_->write(hostlink::EncodeMessage(message));
    while (socket_->bytesToWrite() > 0)
        if (!socket_->waitForBytesWritten(HelloTimeoutMs))
            return false;
    return true;
}

void TEditorSession::Handle(const QJsonObject& message)
{
    const QString type = message.value(QStringLiteral("type")).toString();
    if (type == QStringLiteral("box")) {
        TBoxReport box{message.value(QStringLiteral("text")).toString().toStdString(),
                       message.value(QStringLiteral("caption")).toString().toStdString(),
                       message.value(QStringLiteral("flags")).toInt(), message.value(QStringLiteral("answer")).toInt()};
        boxes_.push_back(box);
        return;
    }
    if (type == QStringLiteral("return")) {
        // The editor waits for the acknowledgement before anything else.
        returned_ = message.value(QStringLiteral("kept")).toInt();
        Send({{"type", "returnAck"}});
        return;
    }
    received_.push_back(message);
}

std::optional<QJsonObject> TEditorSession::Await(const QString& type)
{
    for (;;) {
        for (auto it = received_.begin(); it != received_.end(); ++it)
            if (it->value(QStringLiteral("type")).toString() == type) {
                QJsonObject found = *it;
                received_.erase(it);
                return found;
            }
        if (type == QStringLiteral("return") && returned_)
            return QJsonObject{{"type", "return"}, {"kept", *returned_}};
        if (socket_ == nullptr)
            return std::nullopt;
        bool got = false;
        while (const auto line = lines_.Next()) {
            if (const auto message = hostlink::DecodeMessage(*line))
                Handle(*message);
            got = true;
        }
        if (got)
            continue;
        if (socket_->bytesAvailable() > 0 || socket_->waitForReadyRead(PollMs)) {
            lines_.Append(socket_->readAll());
            continue;
        }
        if (socket_->state() != QLocalSocket::ConnectedState) {
            lines_.Append(socket_->readAll());
            if (const auto line = lines_.Next()) {
                if (const auto message = hostlink::DecodeMessage(*line))
                    Handle(*message);
                continue;
            }
            return std::nullopt;
        }
    }
}

std::optional<QJsonObject> TEditorSession::Raise(const std::string& name, const QJsonArray& args)
{
    returned_.reset();
    const qint64 seq = ++seq_;
    QJsonObject event{{"type", "event"}, {"seq", seq},    {"name", Text(name)},
                      {"returnNow", 1},  {"result", 0}, {"args", args}};
    if (!Send(event))
        return std::nullopt;
    if (name == "Stop") {
        AwaitExit(HelloTimeoutMs);
        return QJsonObject{{"type", "stopped"}};
    }
    for (;;) {
        auto reply = Await(QStringLiteral("reply"));
        if (!reply || reply->value(QStringLiteral("seq")).toInteger() == seq)
            return reply;
    }
}

std::optional<int> TEditorSession::AwaitReturn()
{
    const auto message = Await(QStringLiteral("return"));
    if (!message)
        return std::nullopt;
    returned_.reset();
    return message->value(QStringLiteral("kept")).toInt();
}

std::optional<QJsonObject> TEditorSession::Ui(const QJsonObject& command)
{
    QJsonObject message = command;
    message[QStringLiteral("type")] = QStringLiteral("ui");
    if (!Send(message))
        return std::nullopt;
    return Await(QStringLiteral("uiDone"));
}

bool TEditorSession::AwaitExit(int timeoutMs)
{
    if (!editor_)
        return true;
    if (editor_->state() == QProcess::NotRunning)
        return true;
    // Keep reading what the editor still says (boxes) while it ends.
    QDeadlineTimer deadline(timeoutMs);
    while (editor_->state() != QProcess::NotRunning && !deadline.hasExpired()) {
        if (socket_ != nullptr && socket_->waitForReadyRead(PollMs)) {
            lines_.Append(socket_->readAll());
            while (const auto line = lines_.Next())
                if (const auto message = hostlink::DecodeMessage(*line))
                    Handle(*message);
        } else {
            editor_->waitForFinished(PollMs);
        }
    }
    return editor_->state() == QProcess::NotRunning;
}

void TEditorSession::Kill()
{
    if (!editor_)
        return;
    editor_->kill();
    editor_->waitForFinished(HelloTimeoutMs);
}

std::vector<TBoxReport> TEditorSession::TakeBoxes()
{
    return std::exchange(boxes_, {});
}

} // namespace host
