#pragma once

#include <string>
#include <vector>

class QString;
class QTextDocument;

namespace views {

// Which kind of help file a path names, by its extension compared exactly: ".txt" plain text,
// ".rtf" rich text, anything else none.
enum class TQuickHelpFormat { None, PlainText, RichText };
TQuickHelpFormat QuickHelpFormatOf(const std::string& path);

// The marker that opens the section of a help number: "#id" and the number in decimal.
std::string QuickHelpMarker(int helpNumber);

// The lines of a plain-text help file's section: those after the first line that, in lower
// case, is the marker, up to the next line that starts with "#id" in any case.
std::vector<std::string> FindPlainSection(const std::vector<std::string>& lines, int helpNumber);

// Where a section lies in the text of a rich-text help file: from after the line break that
// follows the first marker (found without case, and only where no digit follows it) to the next
// "#id". Both ends are the text's length when there is nothing to show.
struct TSectionRange {
    int start = 0;
    int end = 0;
};
TSectionRange FindRichSection(const QString& text, int helpNumber);

// Fills the document with the section of the help number from the file, as its format asks;
// with the index flag a rich-text section gets the line "Index: " + marker in front. A file of
// another format leaves the document as it was and answers false. Throws when the file cannot
// be read.
bool LoadQuickHelpSection(const std::string& path, int helpNumber, bool withIndex, QTextDocument& document);

} // namespace views
