#include "outside/viewkit/LoadS19.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

constexpr std::uint8_t NoDigit = 0xFF;

// The value of each hexadecimal digit; NoDigit for every other character.
constexpr std::array<std::uint8_t, 256> HexDigits = [] {
    std::array<std::uint8_t, 256> digits{};
    digits.fill(NoDigit);
    for (int c = 0; c < 10; ++c)
        digits['0' + c] = static_cast<std::uint8_t>(c);
    for (int c = 0; c < 6; ++c) {
        digits['A' + c] = static_cast<std::uint8_t>(10 + c);
        digits['a' + c] = static_cast<std::uint8_t>(10 + c);
    }
    return digits;
}();

// A record's bytes: count, address, data and checksum, at most 1 + 255. Only the first Size
// bytes are set.
struct TRecordBytes {
    std::array<std::uint8_t, 256> Bytes;
    std::size_t Size = 0;
};

// Reads a line of hexadecimal pairs into record; false when a character is no digit, one is left
// or there are more than a record holds.
bool HexBytes(std::string_view text, TRecordBytes& record)
{
    if (text.size() % 2 != 0 || text.size() / 2 > record.Bytes.size())
        return false;
    record.Size = 0;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::uint8_t high = HexDigits[static_cast<unsigned char>(text[i])];
        const std::uint8_t low = HexDigits[static_cast<unsigned char>(text[i + 1])];
        if (high == NoDigit || low == NoDigit)
            return false;
        record.Bytes[record.Size++] = static_cast<std::uint8_t>(high << 4 | low);
    }
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
        TCharacterMap characters;
        for (std::size_t code = 0; code < present_.size(); ++code) {
            if (!present_[code])
                continue;
            const auto first = rows_.begin() + static_cast<std::ptrdiff_t>(code * BytesPerCharacter);
            characters.emplace_hint(characters.end(), static_cast<int>(code),
                                    std::vector<std::uint32_t>(first, first + BytesPerCharacter));
        }
        for (const auto& [code, rows] : far_)
            characters.emplace_hint(characters.end(), code, std::vector<std::uint32_t>(rows.begin(), rows.end()));
        return characters;
    }

private:
    std::vector<std::uint8_t> present_;
    std::vector<std::uint32_t> rows_;
    std::map<int, std::array<std::uint32_t, BytesPerCharacter>> far_;
    bool hadData_ = false;
};

// Adds the data bytes of one record to the image; false when the record is not sound.
bool ReadRecord(std::string_view line, TFlatImage& image)
{
    if (line.size() < 4 || line[0] != 'S')
        return false;
    const char type = line[1];
    const std::size_t addressBytes = AddressBytes(type);
    if (addressBytes == 0)
        return false;
    TRecordBytes record;
    // Count, address and checksum at least; the count names every byte after itself.
    if (!HexBytes(line.substr(2), record) || record.Size < 2 + addressBytes || record.Bytes[0] != record.Size - 1)
        return false;
    const std::uint8_t* bytes = record.Bytes.data();
    const std::size_t checksum = record.Size - 1;
    unsigned sum = 0;
    for (std::size_t i = 0; i < checksum; ++i)
        sum += bytes[i];
    if (static_cast<std::uint8_t>(~sum) != bytes[checksum])
        return false;
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
    // A line ends at CR or at LF: the next of each is known, and searched for again once passed.
    std::size_t nextCr = text.find('\r');
    std::size_t nextLf = text.find('\n');
    std::size_t start = 0;
    while (start < text.size()) {
        if (nextCr < start)
            nextCr = text.find('\r', start);
        if (nextLf < start)
            nextLf = text.find('\n', start);
        const std::size_t end = std::min({nextCr, nextLf, text.size()});
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line.starts_with("SX"))
            continue;
        if (!ReadRecord(line, image))
            return false;
    }
    stream->SetPosition(stream->Size());
    if (!image.HadData())
        return false;
    map = image.Characters();
    return true;
}
