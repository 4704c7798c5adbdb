#pragma once

#include <string>

class QPrinter;
class QTextEdit;

namespace platform {
class TMemoryStream;
}

// Formatted text moved between rich-text edits as RTF through a byte stream.

// Writes the edit's selection as RTF into the stream at its position.
void GetRTFSelection(const QTextEdit& edit, platform::TMemoryStream& stream);
// Replaces the edit's selection by the RTF from the stream's position to its end.
void PutRTFSelection(QTextEdit& edit, platform::TMemoryStream& stream);
// The source's selection replaces the target's, formatting included.
void CopyRTF(const QTextEdit& source, QTextEdit& target);
// Replaces the selection by the RTF text; nothing for an empty text.
void InsertRTF(QTextEdit& edit, const std::string& rtf);
// Appends the RTF text at the end; the user's selection and the edit's signals stay untouched.
void AppendRTF(QTextEdit& edit, const std::string& rtf);
// Prints the whole content, page after page, under the title.
void PrintRTF(const QTextEdit& edit, const std::string& title, QPrinter& printer);
