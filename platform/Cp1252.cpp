#include "platform/Cp1252.h"

#include <QByteArrayView>
#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace platform {
namespace {

// Code points of bytes 0x80..0x9F; the five bytes Windows leaves undefined map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : char16_t(byte);
}

char ToByte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Text that is the same in UTF-8 and in code page 1252.
bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QString ToQString(std::string_view cp1252)
{
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char c : cp1252)
        text.append(QChar(ToUnicode(static_cast<unsigned char>(c))));
    return text;
}

std::string FromQString(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t code : text.toUcs4())
        bytes.push_back(ToByte(code));
    return bytes;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    if (IsAscii(utf8))
        return std::string(utf8);
    // Text that is no UTF-8 was written by another program in the Windows code page: its bytes
    // are taken as they stand.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (decoder.hasError())
        return std::string(utf8);
    return FromQString(text);
}

std::string Cp1252ToUtf8(std::string_view cp1252)
{
    if (IsAscii(cp1252))
        return std::string(cp1252);
    return ToQString(cp1252).toStdString();
}

} // namespace platform
