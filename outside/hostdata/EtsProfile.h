#pragma once

#include <cstdint>
#include <string>

class TEts2Cdi;

// The host's profile keys, read and written through the host link. Booleans are stored as "1"
// and "0" and read as numbers (non-zero is true).
class TEtsProfile {
public:
    explicit TEtsProfile(TEts2Cdi* link) : link_(link) {}

    // The value, or the default when the key is missing; false when the profile could not be
    // asked (no link, or the link cannot answer for the key).
    bool Read(const std::string& section, const std::string& key, const std::string& defaultValue,
              std::string& value) const;
    bool Read(const std::string& section, const std::string& key, bool defaultValue, bool& value) const;
    bool Read(const std::string& section, const std::string& key, std::int32_t defaultValue, std::int32_t& value) const;
    // False when the value was not stored.
    bool Write(const std::string& section, const std::string& key, const std::string& value) const;
    bool Write(const std::string& section, const std::string& key, bool value) const;
    bool Write(const std::string& section, const std::string& key, std::int32_t value) const;
    bool Write(const std::string& section, const std::string& key, unsigned long value) const;

private:
    TEts2Cdi* link_;
};
