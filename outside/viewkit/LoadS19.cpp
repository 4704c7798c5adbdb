#include "outside/viewkit/LoadS19.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace {

// A record's bytes: count, address, data and checksum, at most 1 + 255. Only the first Size
// bytes are set; Sum is the sum of those bytes.
struct TRecordBytes {
    std::array<std::uint8_t, 256> Bytes;
    std::size_t Size = 0;
    unsigned Sum = 0;
};

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The value of a hexadecimal digit; NoDigit for any other character.
constexpr std::uint8_t NoDigit = 0xFF;
constexpr std::uint8_t DigitValue(unsigned char c)
{
    return c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0')
         : c >= 'A' && c <= 'F' ? static_cast<std::uint8_t>(c - 'A' + 10)
         : c >= 'a' && c <= 'f' ? static_cast<std::uint8_t>(c - 'a' + 10)
                                : NoDigit;
}

// Reads the hexadecimal pairs of a record from text[at] on: the count, then as many bytes as it
// names, which must end the line (at a line end or the end of the text). False when a character
// is no digit or the line is longer or shorter than the count says. Checks nothing else.
bool HexRecord(std::string_view text, std::size_t at, TRecordBytes& record)
{
    if (text.size() - at < 2)
        return false;
    const std::uint8_t countHigh = DigitValue(static_cast<unsigned char>(text[at]));
    const std::uint8_t countLow = DigitValue(static_cast<unsigned char>(text[at + 1]));
    if (countHigh == NoDigit || countLow == NoDigit)
        return false;
    const std::size_t count = static_cast<std::size_t>(countHigh << 4 | countLow);
    const std::size_t end = at + 2 + 2 * count;
    if (end > text.size() || (end < text.size() && !IsLineEnd(text[end])))
        return false;

    // Digit values first, in a loop without branches that the compiler can run on several
    // characters at once; then the pairs.
    const auto* digits = reinterpret_cast<const unsigned char*>(text.data() + at + 2);
    std::array<std::uint8_t, 2 * 255> values;
    std::uint8_t invalid = 0;
    for (std::size_t i = 0; i < 2 * count; ++i) {
        const auto digit = static_cast<std::uint8_t>(digits[i] - '0');
        const auto letter = static_cast<std::uint8_t>((digits[i] | 0x20) - 'a');
        const bool isDigit = digit < 10;
        const bool isLetter = letter < 6;
        values[i] = isDigit ? digit : static_cast<std::uint8_t>(letter + 10);
        invalid |= static_cast<std::uint8_t>(!isDigit & !isLetter);
    }
    if (invalid != 0)
        return false;
    record.Bytes[0] = static_cast<std::uint8_t>(count);
    unsigned sum = static_cast<unsigned>(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<std::uint8_t>(values[2 * i] << 4 | values[2 * i + 1]);
        sum += byte;
        record.Bytes[i + 1] = byte;
    }
    record.Size = count + 1;
    record.Sum = sum;
    return true;
}

// Width of the address field of a record type; 0 for a type that is not known.
std::size_t AddressBytes(char type)
{
    switch (type) {
    case '0':
    case '1':
    case '5':
    case '9':
        return 2;
    case '2':
    case '6':
    case '8':
        return 3;
    case '3':
    case '7':
        return 4;
    default:
        return 0;
    }
}

// The bytes of the image as they are read: the codes of a character set (below FlatCodes) in one
// flat table of rows, BytesPerCharacter per code; any higher code, which only a stray address
// gives, in a table of its own. A code is in the image once a byte of it came.
class TFlatImage {
public:
    static constexpr std::uint64_t FlatCodes = 4096;

    // The data bytes of one record, the first at the address.
    void Set(std::uint64_t address, const std::uint8_t* bytes, std::size_t count)
    {
        if (count == 0)
            return;
        hadData_ = true;
        const std::uint64_t end = address + count;
        const std::uint64_t flatEnd = std::min(end, FlatCodes * BytesPerCharacter);
        if (address < flatEnd) {
            const auto lastCode = static_cast<std::size_t>((flatEnd - 1) / BytesPerCharacter);
            if (lastCode >= present_.size()) {
                // Room for a whole 8-bit set at once, doubled as higher codes come.
                present_.resize(std::max({lastCode + 1, 2 * present_.size(), std::size_t{256}}), 0);
                rows_.resize(present_.size() * BytesPerCharacter, 0);
            }
            std::fill(present_.begin() + static_cast<std::ptrdiff_t>(address / BytesPerCharacter),
                      present_.begin() + static_cast<std::ptrdiff_t>(lastCode + 1), std::uint8_t{1});
            std::copy(bytes, bytes + (flatEnd - address), rows_.begin() + static_cast<std::ptrdiff_t>(address));
        }
        for (std::uint64_t at = std::max(address, flatEnd); at < end; ++at)
            far_[static_cast<int>(at / BytesPerCharacter)][static_cast<std::size_t>(at % BytesPerCharacter)] =
                bytes[at - address];
    }

    bool HadData() const { return hadData_; }

    // The characters in the map's form, in ascending order of code.
    TCharacterMap Characters() const
    {
        const auto flat = static_cast<std::size_t>(std::count(present_.begin(), present_.end(), std::uint8_t{1}));
        TCharacterMap characters;
        characters.reserve(flat + far_.size(), (flat + far_.size()) * BytesPerCharacter);
        // Each run of consecutive codes at once.
        const auto flatRows = TCharacterMap::TRows(rows_);
        for (auto first = present_.begin(); (first = std::find(first, present_.end(), 1)) != present_.end();) {
            const auto last = std::find(first, present_.end(), 0);
            const auto code = static_cast<std::size_t>(first - present_.begin());
            const auto runRows = static_cast<std::size_t>(last - first) * BytesPerCharacter;
            characters.append(static_cast<int>(code), BytesPerCharacter,
                              flatRows.subspan(code * BytesPerCharacter, runRows));
            first = last;
        }
        for (const auto& [code, rows] : far_)
            characters.insert(code, rows);
        return characters;
    }

private:
    std::vector<std::uint8_t> present_;
    std::vector<std::uint32_t> rows_;
    std::map<int, std::array<std::uint32_t, BytesPerCharacter>> far_;
    bool hadData_ = false;
};

// Adds the data bytes of the record that begins at text[at] ('S') to the image; false when the
// record is not sound. Sets at to the end of the record's line.
bool ReadRecord(std::string_view text, std::size_t& at, TFlatImage& image)
{
    if (text.size() - at < 2)
        return false;
    const char type = text[at + 1];
    const std::size_t addressBytes = AddressBytes(type);
    if (addressBytes == 0)
        return false;
    TRecordBytes record;
    // Count, address and checksum at least.
    if (!HexRecord(text, at + 2, record) || record.Size < 2 + addressBytes)
        return false;
    at += 2 + 2 * record.Size;
    // The checksum is the complement of the sum of the bytes before it: all bytes add up to 0xFF.
    if ((record.Sum & 0xFF) != 0xFF)
        return false;
    const std::uint8_t* bytes = record.Bytes.data();
    const std::size_t checksum = record.Size - 1;
    if (type != '1' && type != '2' && type != '3')
        return true;

    std::uint64_t address = 0;
    for (std::size_t i = 1; i <= addressBytes; ++i)
        address = address << 8 | bytes[i];
    image.Set(address, bytes + 1 + addressBytes, checksum - 1 - addressBytes);
    return true;
}

} // namespace

bool LoadS19StreamToMap(platform::TMemoryStream* stream, TCharacterMap& map)
{
    if (!stream)
        return false;
    const std::string_view text = std::string_view(stream->Bytes()).substr(stream->Position());
    TFlatImage image;
    // A line ends at CR or at LF. A record finds its own end from its count.
    std::size_t at = 0;
    while (at < text.size()) {
        const char first = text[at];
        if (IsLineEnd(first)) {
            ++at;
        } else if (first != 'S') {
            return false;
        } else if (at + 1 < text.size() && text[at + 1] == 'X') {
            while (at < text.size() && !IsLineEnd(text[at]))
                ++at;
        } else if (!ReadRecord(text, at, image)) {
            return false;
        }
    }
    stream->SetPosition(stream->Size());
    if (!image.HadData())
        return false;
    map = image.Characters();
    return true;
}
