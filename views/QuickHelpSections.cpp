#include "views/QuickHelpSections.h"

#include "platform/Cp1252.h"
#include "platform/FileIo.h"
#include "platform/RichText.h"

#include <QString>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cctype>

namespace views {
namespace {

constexpr std::string_view MarkerPrefix = "#id";

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsLineBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n' || c == u'\r';
}

// The lines of a file's bytes, without their CR LF or LF.
std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

} // namespace

TQuickHelpFormat QuickHelpFormatOf(const std::string& path)
{
    if (path.ends_with(".txt"))
        return TQuickHelpFormat::PlainText;
    if (path.ends_with(".rtf"))
        return TQuickHelpFormat::RichText;
    return TQuickHelpFormat::None;
}

std::string QuickHelpMarker(int helpNumber)
{
    return std::string(MarkerPrefix) + std::to_string(helpNumber);
}

std::vector<std::string> FindPlainSection(const std::vector<std::string>& lines, int helpNumber)
{
    const std::string marker = QuickHelpMarker(helpNumber);
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [&marker](const std::string& line) { return Lower(line) == marker; });
    if (found == lines.end())
        return {};
    const auto end = std::find_if(std::next(found), lines.end(), [](const std::string& line) {
        return Lower(line.substr(0, MarkerPrefix.size())) == MarkerPrefix;
    });
    return {std::next(found), end};
}

TSectionRange FindRichSection(const QString& text, int helpNumber)
{
    const QString marker = QString::fromStdString(QuickHelpMarker(helpNumber));
    const int length = static_cast<int>(text.size());
    int start = length;
    for (qsizetype at = text.indexOf(marker, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(marker, at + 1, Qt::CaseInsensitive)) {
        const qsizetype after = at + marker.size();
        if (after < length && text.at(after).isDigit())
            continue; // the marker of a longer number
        start = static_cast<int>(after);
        if (start < length && IsLineBreak(text.at(start)))
            ++start;
        break;
    }
    const qsizetype next = text.indexOf(QString::fromLatin1(MarkerPrefix), start, Qt::CaseInsensitive);
    return {start, next >= 0 ? static_cast<int>(next) : length};
}

bool LoadQuickHelpSection(const std::string& path, int helpNumber, bool withIndex, QTextDocument& document)
{
    const TQuickHelpFormat format = QuickHelpFormatOf(path);
    if (format == TQuickHelpFormat::None)
        return false;
    const std::string bytes = platform::ReadWholeFile(path);
    if (format == TQuickHelpFormat::PlainText) {
        document.clear();
        QTextCursor cursor(&document);
        bool first = true;
        for (const std::string& line : FindPlainSection(SplitLines(bytes), helpNumber)) {
            if (!first)
                cursor.insertBlock();
            cursor.insertText(platform::ToQString(line));
            first = false;
        }
        return true;
    }
    platform::ReadRtf(bytes, document);
    const int length = document.characterCount() - 1; // without the document's last separator
    const TSectionRange section = FindRichSection(document.toRawText().left(length), helpNumber);
    QTextCursor cursor(&document);
    if (length - section.end > 0) {
        cursor.setPosition(section.end);
        cursor.setPosition(length, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    if (section.start > 0) {
        cursor.setPosition(0);
        cursor.setPosition(section.start, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    if (withIndex) {
        cursor.setPosition(0);
        cursor.insertText(QStringLiteral("Index: ") + QString::fromStdString(QuickHelpMarker(helpNumber)));
        cursor.insertBlock();
    }
    return true;
}

} // namespace views
