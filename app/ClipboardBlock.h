#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// The clipboard format of a function's copy lines. Its MIME type carries the device model's
// data-version text, so that only devices of the same version and type find the data.
QString ClipboardFormatOf(const std::string& version);
// The lines as one text, each followed by CR LF, then one NUL byte.
QByteArray ClipboardBlockOf(const std::vector<std::string>& lines);
// The lines of a block: its text up to the first NUL byte, split at CR LF.
std::vector<std::string> ClipboardLinesOf(const QByteArray& block);
