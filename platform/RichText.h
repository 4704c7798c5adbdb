#pragma once

#include <string>
#include <string_view>

class QTextCursor;
class QTextDocument;

namespace platform {

// The one rich-text unit of the program: the RTF that the help texts and reports use, read into
// and written from a QTextDocument.
//
// Reading replaces the document's content. It understands groups, \par, \line, \tab, \b, \i, \ul,
// \plain, \fs, \f with \fonttbl, \cf with \colortbl, \uN with \ucN, and \'hh and other bytes in
// the code page of the run's font (its \fcharset, else the document's \ansicpg, else 1252).
// A table cell ends with a tab and a row with a paragraph, nested tables too; \- is a soft
// hyphen, \~ a no-break space and \_ a non-breaking hyphen. Other destinations are skipped. Broken input gives the text it holds, never an exception;
// input that does not start with "{\rtf" is taken as plain text in code page 1252.
void ReadRtf(std::string_view rtf, QTextDocument& document);

// The document as RTF that ReadRtf reads back: paragraphs, line breaks, tabs, bold, italic,
// underline, size, font family and colour of each run; text in code page 1252 with \'hh
// escapes, characters beyond it as \uN.
std::string WriteRtf(const QTextDocument& document);

} // namespace platform
