#pragma once

#include "host/EditorSession.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace host {

// The commands that drive an editor (each ends with no editor running):
//   edit <area.line.device|id>   opens the editor on the device, waits for the user to leave
//                                it and prints kept or discarded with the block's size and
//                                hash before and after
//   event <Name> key=value…      raises one event and prints its answers
//   run --script FILE            runs a session script; the first mismatch ends it non-zero
//                                (its "expect bus address=A matches=RE|none" reads the bus;
//                                its "ui click CAPTION", "ui type TEXT", "ui key NAME" and
//                                "ui set CAPTION=VALUE" act in the editor as a person does)
int EditCommand(const TEditorOptions& options, const std::string& device, std::ostream& out, std::ostream& err);
int EventCommand(const TEditorOptions& options, const std::string& name, const std::vector<std::string>& args,
                 std::ostream& out, std::ostream& err);
int RunScriptCommand(const TEditorOptions& options, const std::string& script, std::ostream& out, std::ostream& err);

// "key=value" words as a map; false for a word without "=".
bool KeyValues(const std::vector<std::string>& words, std::map<std::string, std::string>& out);

} // namespace host
