#include "app/ClipboardBlock.h"

#include <QUrl>

QString ClipboardFormatOf(const std::string& version)
{
    // The version holds blanks and ':', which a MIME type may not.
    return QStringLiteral("application/x-panelconf-") +
           QString::fromLatin1(QUrl::toPercentEncoding(QByteArray::fromStdString(version)));
}

QByteArray ClipboardBlockOf(const std::vector<std::string>& lines)
{
    QByteArray block;
    for (const std::string& line : lines) {
        block.append(line.data(), static_cast<qsizetype>(line.size()));
        block.append("\r\n");
    }
    block.append('\0');
    return block;
}

std::vector<std::string> ClipboardLinesOf(const QByteArray& block)
{
    const qsizetype end = block.indexOf('\0');
    const std::string text = block.left(end < 0 ? block.size() : end).toStdString();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t next = text.find("\r\n", start);
        if (next == std::string::npos)
            next = text.size();
        lines.push_back(text.substr(start, next - start));
        start = next + 2;
    }
    return lines;
}
