#pragma once

#include <array>
#include <string>

// The texts of a file's version resource (app/FileVersionInfo.h), read once on construction.
// Slots: 0 empty, 1 to 10 the entries of EntryNames, 11 the file name when the file exists.
class TFileInfo {
public:
    static constexpr std::array<const char*, 10> EntryNames = {
        "CompanyName", "FileDescription", "FileVersion",  "InternalName", "LegalCopyright",
        "OriginalFilename", "ProductName", "ProductVersion", "Comments", "LegalTrademarks"};

    // Reads the file's entries when a file of that name exists; null reads nothing.
    explicit TFileInfo(const char* fileName);

    // Fills the entries from the file's version block (the first 2048 bytes); false when the
    // block or its translation table is missing.
    bool ReadVersionInfo(const char* fileName);
    // The entry's text in the block for the language and code page ("040704E4"); null when missing.
    static const char* QueryValue(const std::string& block, const char* langCodePage, const char* entry);
    // 0: the file name; 1 to 10: the entries; any other index: the empty text.
    std::string GetValue(const int& index) const;

private:
    std::array<std::string, 12> Info;
};
