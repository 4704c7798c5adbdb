#include "tests/hostevents/HandHost.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QUuid>

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace hosttest {

HandHost::HandHost(Options options) : options_(std::move(options))
{
    const QString name = QStringLiteral("handhost-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    server_.listen(name);
}

HandHost::~HandHost()
{
    if (editor_.state() != QProcess::NotRunning) {
        editor_.kill();
        editor_.waitForFinished(30000);
    }
}

bool HandHost::Start(std::string& failure)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(hostlink::SocketVariable), server_.fullServerName());
    environment.insert(QStringLiteral("PANELCONF_HOME"), QString::fromStdString(options_.Home));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (options_.Automation)
        environment.insert(QStringLiteral("PANELCONF_AUTOMATION"), QStringLiteral("1"));
    else
        environment.remove(QStringLiteral("PANELCONF_AUTOMATION"));
    editor_.setProcessEnvironment(environment);
    editor_.setProcessChannelMode(QProcess::ForwardedChannels);
    editor_.start(QString::fromStdString(options_.Editor), {QStringLiteral("244_ID")});
    if (!editor_.waitForStarted(30000)) {
        failure = "the editor did not start";
        return false;
    }
    if (!server_.waitForNewConnection(60000)) {
        failure = "the editor did not connect";
        return false;
    }
    socket_ = server_.nextPendingConnection();
    if (!Next(QStringLiteral("hello"), 60000)) {
        failure = "no hello";
        return false;
    }
    Send({{"type", "welcome"}, {"project", QString::fromStdString(options_.Project)}});
    return true;
}

void HandHost::SendLine(const QByteArray& bytes)
{
    if (socket_ == nullptr)
        return;
    socket_->write(bytes);
    while (socket_->bytesToWrite() > 0 && socket_->state() == QLocalSocket::ConnectedState)
        socket_->waitForBytesWritten(30000);
}

void HandHost::Send(const QJsonObject& message)
{
    SendLine(hostlink::EncodeMessage(message));
}

QJsonObject HandHost::Event(qint64 seq, const QString& name, const QJsonArray& args, int returnNow)
{
    return {{"type", "event"}, {"seq", seq}, {"name", name}, {"returnNow", returnNow}, {"result", 0}, {"args", args}};
}

void HandHost::Read()
{
    lines_.Append(socket_->readAll());
    while (const auto line = lines_.Next()) {
        const auto message = hostlink::DecodeMessage(*line);
        if (!message)
            continue;
        if (message->value(QStringLiteral("type")).toString() == QStringLiteral("return"))
            Send({{"type", "returnAck"}});
        received_.push_back(*message);
    }
}

std::optional<QJsonObject> HandHost::Next(const QString& type, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        for (auto it = received_.begin(); it != received_.end();) {
            if (it->value(QStringLiteral("type")).toString() == type) {
                QJsonObject found = *it;
                received_.erase(it);
                return found;
            }
            Others.push_back(*it);
            it = received_.erase(it);
        }
        if (socket_ == nullptr || deadline.hasExpired())
            return std::nullopt;
        if (socket_->bytesAvailable() > 0 || socket_->waitForReadyRead(100))
            Read();
        else if (socket_->state() != QLocalSocket::ConnectedState)
            return std::nullopt;
    }
}

std::optional<QJsonObject> HandHost::Raise(const QJsonObject& event)
{
    Send(event);
    return Next(QStringLiteral("reply"));
}

bool HandHost::EditorRunning() const
{
    return editor_.state() != QProcess::NotRunning && socket_ != nullptr
           && socket_->state() == QLocalSocket::ConnectedState;
}

std::string ProjectDump(const std::string& path)
{
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(raw);
        throw std::runtime_error("cannot open " + path);
    }
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, &sqlite3_close);
    sqlite3_busy_timeout(db.get(), 30000);
    const auto rows = [&](const std::string& sql) {
        std::vector<std::vector<std::string>> result;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db.get()));
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
                row.emplace_back(bytes == nullptr ? "NULL"
                                                  : std::string(bytes, static_cast<std::size_t>(
                                                                           sqlite3_column_bytes(statement, column))));
            }
            result.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        return result;
    };
    std::string dump;
    for (const auto& table : rows("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name")) {
        dump += "table " + table[0] + "\n";
        std::vector<std::string> lines;
        for (const auto& row : rows("SELECT * FROM \"" + table[0] + "\"")) {
            std::string line;
            for (const std::string& value : row)
                line += value + "|";
            lines.push_back(line + "\n");
        }
        std::sort(lines.begin(), lines.end());
        for (const std::string& line : lines)
            dump += line;
    }
    return dump;
}

} // namespace hosttest
