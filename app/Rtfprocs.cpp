#include "app/Rtfprocs.h"

#include "platform/Cp1252.h"
#include "platform/MemoryStream.h"
#include "platform/RichText.h"

#include <QPrinter>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

// The RTF read into a document of the edit's default font, as a piece to insert.
QTextDocumentFragment Fragment(const QTextEdit& edit, std::string_view rtf)
{
    QTextDocument document;
    document.setDefaultFont(edit.document()->defaultFont());
    platform::ReadRtf(rtf, document);
    return QTextDocumentFragment(&document);
}

} // namespace

void GetRTFSelection(const QTextEdit& edit, platform::TMemoryStream& stream)
{
    QTextDocument selection;
    selection.setDefaultFont(edit.document()->defaultFont());
    QTextCursor(&selection).insertFragment(edit.textCursor().selection());
    stream.Write(platform::WriteRtf(selection));
}

void PutRTFSelection(QTextEdit& edit, platform::TMemoryStream& stream)
{
    const std::string& bytes = stream.Bytes();
    const std::size_t from = std::min(stream.Position(), bytes.size());
    const std::string_view rtf(bytes.data() + from, bytes.size() - from);
    stream.SetPosition(bytes.size());
    QTextCursor cursor = edit.textCursor();
    cursor.insertFragment(Fragment(edit, rtf));
    edit.setTextCursor(cursor);
}

void CopyRTF(const QTextEdit& source, QTextEdit& target)
{
    platform::TMemoryStream stream;
    GetRTFSelection(source, stream);
    stream.SetPosition(0);
    PutRTFSelection(target, stream);
}

void InsertRTF(QTextEdit& edit, const std::string& rtf)
{
    if (rtf.empty())
        return;
    platform::TMemoryStream stream(rtf);
    PutRTFSelection(edit, stream);
}

void AppendRTF(QTextEdit& edit, const std::string& rtf)
{
    const QSignalBlocker blocker(edit);
    edit.setUpdatesEnabled(false);
    QTextCursor end(edit.document());
    end.movePosition(QTextCursor::End);
    end.insertFragment(Fragment(edit, rtf));
    edit.setUpdatesEnabled(true);
}

void PrintRTF(const QTextEdit& edit, const std::string& title, QPrinter& printer)
{
    printer.setDocName(platform::ToQString(title));
    edit.document()->print(&printer);
}
