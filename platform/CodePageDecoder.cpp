#include "platform/CodePageDecoder.h"

#include "platform/Cp1252.h"

#include <QSysInfo>

#include <iconv.h>

#include <array>
#include <cerrno>
#include <string>

namespace platform {
namespace {

constexpr char16_t Replacement = 0xFFFD;

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

std::string ConverterName(int codePage)
{
    if (codePage == 10000)
        return "MACINTOSH";
    return "CP" + std::to_string(codePage);
}

iconv_t OpenConverter(int codePage)
{
    if (codePage <= 0 || codePage == TCodePageDecoder::Ansi || codePage == TCodePageDecoder::Symbol)
        return NoConverter;
    const char* const utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
    return iconv_open(utf16, ConverterName(codePage).c_str());
}

} // namespace

TCodePageDecoder::TCodePageDecoder(int codePage) : codePage_(codePage)
{
    const iconv_t converter = OpenConverter(codePage);
    if (converter != NoConverter)
        converter_ = converter;
    else if (codePage != Symbol)
        codePage_ = Ansi;
}

TCodePageDecoder::~TCodePageDecoder()
{
    if (converter_ != nullptr)
        iconv_close(static_cast<iconv_t>(converter_));
}

QString TCodePageDecoder::Decode(std::string_view bytes)
{
    if (codePage_ == Symbol) {
        QString text;
        text.reserve(static_cast<qsizetype>(bytes.size()));
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            text.append(QChar(byte < 0x20 ? char16_t(byte) : char16_t(0xF000 + byte)));
        }
        return text;
    }
    if (converter_ == nullptr)
        return ToQString(bytes);
    return DecodeWithConverter(bytes);
}

QString TCodePageDecoder::DecodeWithConverter(std::string_view bytes)
{
    const auto converter = static_cast<iconv_t>(converter_);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    std::array<char16_t, 256> buffer{};
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = sizeof(buffer);
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
        const auto written = static_cast<qsizetype>((sizeof(buffer) - outLeft) / sizeof(char16_t));
        text.append(reinterpret_cast<const QChar*>(buffer.data()), written);
        if (error == EILSEQ || error == EINVAL) {
            // A byte that starts no character here, or a lead byte without its trail.
            text.append(QChar(Replacement));
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        } else if (error != 0 && error != E2BIG) {
            text.append(QString(static_cast<qsizetype>(inLeft), QChar(Replacement)));
            break;
        }
    }
    // A converter that holds back a character for what may follow gives it now.
    char* out = reinterpret_cast<char*>(buffer.data());
    std::size_t outLeft = sizeof(buffer);
    iconv(converter, nullptr, nullptr, &out, &outLeft);
    text.append(reinterpret_cast<const QChar*>(buffer.data()),
                static_cast<qsizetype>((sizeof(buffer) - outLeft) / sizeof(char16_t)));
    return text;
}

int TCodePageDecoder::CodePageOfCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 2:
        return Symbol;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return documentCodePage;
    }
}

} // namespace platform
