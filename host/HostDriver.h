#pragma once

#include "host/EditorSession.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace host {

class TProjectDatabase;

// The answers of one event as the host got them.
struct TEventOutcome {
    bool Replied = false; // false: the editor went away without answering
    int Result = 0;
    int ReturnNow = 1;
    std::vector<std::string> Files; // the export's files, as copied into the export folder
    std::string Refusal;            // why the editor refused the event; empty when it did not
};

// The host raising its events on the project: its own work on the project before and after
// each event (devices made, copied, imported and removed, links changed), the editor started
// when none runs, one event at a time; after an event that left the editor open, the next
// event waits for the editor's return. Every argument is checked before the project is touched;
// a device the host made for an event that the editor did not take (result 0, no answer) is
// removed again.
class THostDriver {
public:
    THostDriver(TEditorOptions options, std::ostream& out, std::ostream& err);
    ~THostDriver();

    // Raises the event with the arguments given by name; a missing device of a create, import or
    // copy is one the host makes, missing programming bytes are zeros. None, after a message
    // naming the argument, for an unknown event, an unknown, missing or unfit argument.
    std::optional<TEventOutcome> Event(const std::string& name, const std::map<std::string, std::string>& args);
    // Waits for the open editor's return: its kept value, or none when the editor went away or
    // the time-out (none when negative) passed.
    std::optional<int> AwaitReturn(int timeoutMs = -1);
    // True while an event left the editor open and its return has not come.
    bool AwaitingReturn() const { return awaitingReturn_; }
    TEditorSession& Session() { return *session_; }
    // Ends the editor at once, as a crash would; an edit it had open never returns.
    void KillEditor();
    TProjectDatabase& Project() { return *project_; }
    // Where the export's files are copied to.
    std::string ExportFolder() const;

private:
    // An event's arguments checked: the message's values (a device the host makes still
    // missing), the numbers by name, the device to make one like, the file to import.
    struct TChecked {
        QJsonArray Values;
        std::map<std::string, std::int32_t> Numbers;
        std::optional<std::int32_t> Model;
        std::filesystem::path File;
    };
    std::optional<TChecked> Check(const std::string& name, const std::map<std::string, std::string>& given);
    std::optional<TEventOutcome> RaiseOnce(const std::string& name, const QJsonArray& args);

    TEditorOptions options_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<TProjectDatabase> project_;
    std::unique_ptr<TEditorSession> session_;
    bool awaitingReturn_ = false;
};

} // namespace host
