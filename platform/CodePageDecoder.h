#pragma once

#include <QString>

#include <string_view>

namespace platform {

// Decodes bytes of one Windows code page (1250, 1251, 936, 10000, ...) through the C library's
// converters; double-byte code pages take lead and trail byte together. Code page 1252 and an
// unknown code page decode as code page 1252, the symbol code page (42) to U+F020..U+F0FF.
// A byte that is no character of the code page becomes U+FFFD, so the text never has more
// characters than the bytes.
class TCodePageDecoder {
public:
    static constexpr int Ansi = 1252;
    static constexpr int Symbol = 42;

    explicit TCodePageDecoder(int codePage);
    ~TCodePageDecoder();
    TCodePageDecoder(const TCodePageDecoder&) = delete;
    TCodePageDecoder& operator=(const TCodePageDecoder&) = delete;

    // The code page it decodes: the one asked for, or 1252 when that is unknown.
    int CodePage() const { return codePage_; }

    QString Decode(std::string_view bytes);

    // The code page of a font's character set (\fcharset); documentCodePage for the ANSI and
    // default sets and for sets without a code page of their own.
    static int CodePageOfCharset(int charset, int documentCodePage);

private:
    QString DecodeWithConverter(std::string_view bytes);

    int codePage_;
    void* converter_ = nullptr;
};

} // namespace platform
