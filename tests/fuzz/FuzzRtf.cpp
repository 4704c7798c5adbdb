// The RTF reader of the rich-text unit: any input gives a document, never more characters than
// the input has bytes, and reading it again gives the same text.
#include "platform/RichText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts of a document need the application object.
    static const auto application = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    QTextDocument document;
    platform::ReadRtf(input, document);
    FUZZ_CHECK(static_cast<std::size_t>(document.characterCount()) <= size + 1);
    const QString text = document.toPlainText();
    platform::ReadRtf(input, document);
    FUZZ_CHECK(document.toPlainText() == text);
    return 0;
}
