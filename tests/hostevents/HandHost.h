#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>

#include "outside/hostlink/HostProtocol.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hosttest {

// The host's end of the socket written by hand for tests: a server of a unique name, the editor
// started on it, and lines sent as they are given, also ones etshost never sends (malformed,
// oversized, out of turn). Boxes the editor reports are kept; its return is acknowledged.
class HandHost {
public:
    struct Options {
        std::string Editor;
        std::string Project;
        std::string Home; // PANELCONF_HOME of the editor
        bool Automation = true;
    };

    explicit HandHost(Options options);
    ~HandHost(); // ends the editor
    HandHost(const HandHost&) = delete;
    HandHost& operator=(const HandHost&) = delete;

    // Starts the editor, waits for its hello and welcomes it; false, with the reason, on failure.
    bool Start(std::string& failure);
    void SendLine(const QByteArray& bytes);
    void Send(const QJsonObject& message);
    // An event message as a host sends it, passing result 0 and the returnNow given.
    static QJsonObject Event(qint64 seq, const QString& name, const QJsonArray& args, int returnNow = 1);
    // The next message of the type, waiting at most the time; none when it did not come.
    std::optional<QJsonObject> Next(const QString& type, int timeoutMs = 30000);
    // Sends the event and waits for its reply.
    std::optional<QJsonObject> Raise(const QJsonObject& event);
    bool EditorRunning() const;
    // The messages of other types than awaited, in order (boxes, errors…).
    std::vector<QJsonObject> Others;

private:
    void Read();

    Options options_;
    QLocalServer server_;
    QProcess editor_;
    QLocalSocket* socket_ = nullptr;
    hostlink::TLineBuffer lines_;
    std::vector<QJsonObject> received_;
};

// Every table of the project file with its rows, as text: two projects with the same dump hold
// the same data (SQLite's own tables, such as the next ids, are left out).
std::string ProjectDump(const std::string& path);

} // namespace hosttest
