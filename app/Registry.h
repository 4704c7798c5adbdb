#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Root keys of the registry, with the numbers Windows gives them.
using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;

// Raised by TRegistry when a value cannot be read.
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Read access to the registry. Here the registry is a read-only ini file, "registry.ini" in the
// program's folder: a key is the section named by the root key and the key path, joined by a
// backslash and without a trailing one, for example
//     [HKEY_LOCAL_MACHINE\Software\Kestrow Elektronik GmbH]
//     PrintFileEnabled=1
// Names are matched without regard to case, as the registry does. A key without values counts
// as missing.
class TRegistry {
public:
    // The registry of the program's folder.
    TRegistry();
    // The registry held in the given file.
    explicit TRegistry(std::string file);

    HKEY RootKey = HKEY_CURRENT_USER;

    // Opens the key below RootKey for reading; false when it does not exist. Never creates it.
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();

    // The value as a boolean: a whole number, non-zero for true. Throws ERegistryException when no
    // key is open, the value is missing or it is not a number.
    bool ReadBool(const std::string& name) const;

    // The file that stands for the registry in the program's folder.
    static std::string DefaultFile();

private:
    std::string File;
    std::string CurrentKey; // the open key's section; empty when none is open
};
