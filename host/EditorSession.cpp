#include "host/EditorSession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace host {

namespace {

constexpr int HelloTimeoutMs = 30000;
constexpr int PollMs = 100;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The types of message the host takes from the editor.
bool Taken(const QString& type)
{
    for (const char* known : {"hello", "reply", "return", "uiDone", "box", "error"})
        if (type == QLatin1String(known))
            return true;
    return false;
}

std::string Seconds(int timeoutMs)
{
    return std::to_string((timeoutMs + 999) / 1000) + " s";
}

// Removes the socket files of runs that ended without removing theirs (killed): their names
// carry the process id of a process that is gone.
void RemoveStaleSockets()
{
    const QDir folder(QDir::tempPath());
    for (const QString& name : folder.entryList({QStringLiteral("etshost-*-*")}, QDir::System | QDir::Files)) {
        bool number = false;
        const qint64 pid = name.section(QLatin1Char('-'), 1, 1).toLongLong(&number);
        if (!number || pid <= 0 || pid == QCoreApplication::applicationPid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            QFile::remove(folder.filePath(name));
    }
}

} // namespace

TEditorSession::TEditorSession(TEditorOptions options, std::ostream& log) : options_(std::move(options)), log_(log)
{
    const QString name = QStringLiteral("etshost-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
    RemoveStaleSockets();
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
    failure_ = "no editor runs";
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
    socket_->setReadBufferSize(hostlink::MaxLineBytes);
    if (!Await(QStringLiteral("hello"), HelloTimeoutMs, "the editor's hello"))
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
    if (type == QStringLiteral("error")) {
        log_ << "etshost: the editor did not take a message: "
             << message.value(QStringLiteral("reason")).toString().toStdString() << "\n";
        return;
    }
    if (!Taken(type)) {
        Send(hostlink::ErrorMessage(QStringLiteral("no message of type \"%1\" is taken here").arg(type)));
        return;
    }
    received_.push_back(message);
}

void TEditorSession::ReadLines()
{
    for (;;) {
        const auto line = lines_.Next();
        while (lines_.TakeOverlong())
            Send(hostlink::ErrorMessage(QStringLiteral("a line longer than %1 bytes").arg(hostlink::MaxLineBytes)));
        if (!line)
            return;
        const hostlink::TDecodedLine decoded = hostlink::DecodeLine(*line);
        if (decoded.Message)
            Handle(*decoded.Message);
        else
            Send(hostlink::ErrorMessage(decoded.Error));
    }
}

std::optional<QJsonObject> TEditorSession::Await(const QString& type, int timeoutMs, const std::string& awaited)
{
    const QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    for (;;) {
        ReadLines();
        for (auto it = received_.begin(); it != received_.end(); ++it)
            if (it->value(QStringLiteral("type")).toString() == type) {
                QJsonObject found = *it;
                received_.erase(it);
                return found;
            }
        if (type == QStringLiteral("return") && returned_)
            return QJsonObject{{"type", "return"}, {"kept", *returned_}};
        if (socket_ == nullptr) {
            failure_ = "no editor to wait for " + awaited;
            return std::nullopt;
        }
        if (socket_->bytesAvailable() > 0 || socket_->waitForReadyRead(PollMs)) {
            lines_.Append(socket_->readAll());
            continue;
        }
        if (socket_->state() != QLocalSocket::ConnectedState) {
            const QByteArray rest = socket_->readAll();
            if (!rest.isEmpty()) {
                lines_.Append(rest);
                continue;
            }
            failure_ = "the editor went away while etshost waited for " + awaited;
            return std::nullopt;
        }
        if (deadline.hasExpired()) {
            failure_ = "waited " + Seconds(timeoutMs) + " for " + awaited + "; none came";
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
    if (!Send(event)) {
        failure_ = "the editor went away before " + name + " was raised";
        return std::nullopt;
    }
    if (name == "Stop") {
        AwaitExit(HelloTimeoutMs);
        return QJsonObject{{"type", "stopped"}};
    }
    const std::string awaited = "the reply to " + name + " (event " + std::to_string(seq) + ")";
    auto reply = Await(QStringLiteral("reply"), options_.TimeoutMs, awaited);
    if (!reply)
        return reply;
    const QJsonValue answered = reply->value(QStringLiteral("seq"));
    if (!answered.isDouble() || answered.toInteger() != seq) {
        failure_ = "the editor answered " + (answered.isDouble() ? "event " + std::to_string(answered.toInteger())
                                                                 : std::string("no event"))
                   + " where " + awaited + " was due";
        return std::nullopt;
    }
    return reply;
}

std::optional<int> TEditorSession::AwaitReturn(int timeoutMs)
{
    const auto message = Await(QStringLiteral("return"), timeoutMs, "the editor's return");
    if (!message)
        return std::nullopt;
    returned_.reset();
    return message->value(QStringLiteral("kept")).toInt();
}

std::optional<QJsonObject> TEditorSession::Ui(const QJsonObject& command)
{
    QJsonObject message = command;
    message[QStringLiteral("type")] = QStringLiteral("ui");
    if (!Send(message)) {
        failure_ = "the editor went away";
        return std::nullopt;
    }
    return Await(QStringLiteral("uiDone"), options_.TimeoutMs,
                 "the editor's answer to ui " + command.value(QStringLiteral("command")).toString().toStdString());
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
            ReadLines();
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
