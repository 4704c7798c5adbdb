#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Reads the fields of a version line by a scanf-like format, as far as the line matches it:
// a literal character must match exactly; a blank matches any amount of white space, none
// included; %d skips white space and reads an optional sign and decimal digits; %s skips white
// space and reads up to the next white space; %X skips white space and reads hexadecimal digits.
// A width (%2d, %02d, %04X) limits the digits; "%%" is a literal "%". The scan stops at the first
// mismatch, and the fields read until then count. A number beyond 32 bits is a mismatch.
class TFormattedScan {
public:
    TFormattedScan(std::string_view text, std::string_view format);

    int Count() const { return static_cast<int>(fields_.size()); }
    // Field n (from 0) as a number, or 0 when it is a word or not read.
    std::int32_t Int(int n) const;
    // Field n (from 0) as a word, or empty when it is a number or not read.
    std::string Text(int n) const;

private:
    std::vector<std::variant<std::int32_t, std::string>> fields_;
};
