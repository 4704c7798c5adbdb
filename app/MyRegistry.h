#pragma once

#include "app/Registry.h"

#include <cstdint>
#include <string>
#include <string_view>

// The settings store: reads and writes single values of the settings files and reads the one
// registry value. An operation makes one on its stack for a few reads or writes; it caches
// nothing, so every read sees the file as it is now, and every write goes to the file at once.
// File, section and key are passed to every operation; no operation throws.
//
// In the files, booleans are "1" and "0" and are read as numbers (non-zero is true); numbers are
// signed decimal.
class TMyRegistry {
public:
    TMyRegistry() = default;
    TMyRegistry(const TMyRegistry&) = delete;
    TMyRegistry& operator=(const TMyRegistry&) = delete;

    // The value, cut to 1023 characters, or the default when the key is missing; true when the
    // text obtained is not empty.
    bool ReadIniString(const std::string& file, std::string_view section, std::string_view key,
                       const std::string& defaultValue, std::string& out) const;
    // out := the value read as a number (the default as 1 or 0) is not 0. Always true.
    bool ReadIniBool(const std::string& file, std::string_view section, std::string_view key,
                     bool defaultValue, bool& out) const;
    // out := the value's leading decimal number with optional sign (0 when it has none), or the
    // default when the key is missing. Always true.
    bool ReadIniInteger(const std::string& file, std::string_view section, std::string_view key,
                        std::int32_t defaultValue, std::int32_t& out) const;

    // True when the file took the value.
    bool WriteIniString(const std::string& file, std::string_view section, std::string_view key,
                        std::string_view value) const;
    bool WriteIniInteger(const std::string& file, std::string_view section, std::string_view key,
                         std::int32_t value) const;
    bool WriteIniBool(const std::string& file, std::string_view section, std::string_view key,
                      bool value) const;

    // True when the key is present, even with an empty value.
    bool IniValueExists(const std::string& file, std::string_view section, std::string_view key) const;
    // True when the section holds at least one entry.
    bool ReadIniSection(const std::string& file, std::string_view section) const;

    // Opens the key path below the root key for reading, never creating it, and reads the value as
    // a boolean. out := the value, or the default when the key does not open or the value cannot
    // be read; false only when the value could not be read.
    bool ReadRegBool(HKEY rootKey, const std::string& keyPath, bool defaultValue, bool& out,
                     const std::string& valueName);

private:
    TRegistry Registry;
};
