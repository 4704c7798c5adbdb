#pragma once

#include "dialogs/project/GrpAddrNameQuery.h"
#include "dialogs/project/SelGrpAddrModel.h"
#include "dialogs/project/SubGroupEntry.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Creates the group address main/middle/sub with the name in the project; the new sub group,
// or none when it could not be created.
using TCreateGrpAddr =
    std::function<std::optional<TSubGroupEntry>(std::int16_t main, std::int16_t middle, std::int16_t sub,
                                                const std::string& name)>;

// Where the search left the user.
enum class TSelSearchOutcome {
    None,        // nothing found or made; the edit keeps the focus it had
    FocusEdit,   // a box told why; the focus goes back into the edit
    FoundSource, // selected in the left list
    FoundDest,   // already assigned: selected in the right list
    Created,     // made in the project and selected in the left list
};

struct TSelSearchResult {
    TSelSearchOutcome Outcome = TSelSearchOutcome::None;
    // The text for the edit, when the parse accepted it: the typed text trimmed.
    std::optional<std::string> EditText;
};

// "Suchen/Hinzufügen" of the selection dialog: parses the typed address (address 0 refused),
// looks for it in the left list, then the right one, then among all sub groups of the project
// (there it does not suit the object: a box says so), and otherwise offers to create it, asking
// for its name. Without the project's sub groups (allSubGroups none) or a creator it only
// clears the left list's selection.
class TSelGrpAddrSearch {
public:
    TSelGrpAddrSearch(int level, TGrpAddrNameQuery nameQuery, TCreateGrpAddr create);

    TSelSearchResult Run(TSelGrpAddrModel& model, const std::string& text,
                         const std::vector<TSubGroupEntry>* allSubGroups) const;

private:
    int level_;
    TGrpAddrNameQuery nameQuery_;
    TCreateGrpAddr create_;
};

// The text with every "%s" replaced by the value.
std::string FormatText(const std::string& format, const std::string& value);
