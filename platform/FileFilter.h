#pragma once

#include <string>
#include <vector>

namespace platform {

// One entry of a file-dialog filter: its description and its patterns ("*.txt;*.log").
struct TFileFilterEntry {
    std::string Description;
    std::string Patterns;
};

// Splits a filter of the form "A (*.x)|*.x|B (*.y;*.z)|*.y;*.z" into its pairs. A description
// without patterns (an odd last field) matches every file ("*"); empty pairs are dropped.
std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter);

// The same filter as a Qt name filter: "A (*.x);;B (*.y *.z)". A description that does not
// already end with its patterns in parentheses gets them appended.
std::string ConvertFileFilter(const std::string& filter);

// The file name (without folder) with the extension of a Qt name filter's first pattern
// ("RTF-Dateien (*.rtf)" gives ".rtf"); a filter for every file ("*.*", "*") leaves it.
std::string NameWithFilterExtension(const std::string& name, const std::string& qtFilter);

} // namespace platform
