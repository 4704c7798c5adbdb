#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>

#include "outside/hostlink/HostProtocol.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace host {

// How the host starts its editor.
struct TEditorOptions {
    std::string Project;         // the project file named in the welcome
    std::string Editor;          // the editor program
    std::string Module = "244_ID"; // its one argument
    bool Automation = true;      // PANELCONF_AUTOMATION=1 for the editor
    int TimeoutMs = 30000;       // the longest wait for the editor's hello, a reply, a ui answer
};

// A message box the editor reported.
struct TBoxReport {
    std::string Text;
    std::string Caption;
    int Flags = 0;
    int Answer = 0;
};

// The host's side of the socket: a server of its own unique name, the editor it starts and the
// conversation with it, one event at a time. Every wait ends when the editor goes away, and
// every wait but that for a person's return after the options' time-out; Failure then says why.
// A line of the editor that is no message, or a message of a type the host does not take, is
// answered with an error message. Socket files that runs of etshost killed left are removed.
class TEditorSession {
public:
    TEditorSession(TEditorOptions options, std::ostream& log);
    ~TEditorSession();
    TEditorSession(const TEditorSession&) = delete;
    TEditorSession& operator=(const TEditorSession&) = delete;

    // Starts an editor when none runs and waits for its hello; false when none came.
    bool EnsureEditor();
    bool EditorRunning() const;
    // Raises the event and waits for the editor's reply; none when the editor went away, did not
    // answer in time or answered another event (for Stop: the editor's end).
    std::optional<QJsonObject> Raise(const std::string& name, const QJsonArray& args);
    // Waits for the editor's return: its kept value, or none when the editor went away or the
    // time-out (none when negative) passed.
    std::optional<int> AwaitReturn(int timeoutMs = -1);
    // An automation command; the editor's answer, or none when it went away.
    std::optional<QJsonObject> Ui(const QJsonObject& command);
    // Waits until the editor has ended; false when it still runs after the time.
    bool AwaitExit(int timeoutMs);
    // Ends the editor at once, as a crash would.
    void Kill();
    // The running editor's process id; none without one.
    std::optional<std::int64_t> EditorPid() const;
    // The boxes the editor reported since the last call.
    std::vector<TBoxReport> TakeBoxes();
    // Why the last wait ended without its message.
    const std::string& Failure() const { return failure_; }
    int TimeoutMs() const { return options_.TimeoutMs; }

private:
    // The next message of the type, waiting at most the time (none when negative); boxes are
    // kept, a return is acknowledged and kept. What is awaited names it in the failure.
    std::optional<QJsonObject> Await(const QString& type, int timeoutMs, const std::string& awaited);
    void ReadLines();
    void Handle(const QJsonObject& message);
    bool Send(const QJsonObject& message);

    TEditorOptions options_;
    std::ostream& log_;
    QLocalServer server_;
    std::unique_ptr<QProcess> editor_;
    QLocalSocket* socket_ = nullptr;
    hostlink::TLineBuffer lines_;
    std::vector<QJsonObject> received_;
    std::vector<TBoxReport> boxes_;
    std::optional<int> returned_;
    qint64 seq_ = 0;
    std::string failure_;
};

} // namespace host
