#pragma once

#include <QLibrary>

#include <string>

// The serial-download library, loaded by its file name for the time of one operation and
// unloaded when this object goes.
class TSerialLinkLibrary {
public:
    explicit TSerialLinkLibrary(const std::string& fileName);
    ~TSerialLinkLibrary();
    TSerialLinkLibrary(const TSerialLinkLibrary&) = delete;
    TSerialLinkLibrary& operator=(const TSerialLinkLibrary&) = delete;

    bool IsLoaded() const { return library_.isLoaded(); }
    // Unloads the library before this object goes.
    void Free();
    // The entry of that name as a function of the type; null when the library is not loaded or
    // has no such entry.
    template <class TFunction>
    TFunction Resolve(const char* name)
    {
        return IsLoaded() ? reinterpret_cast<TFunction>(library_.resolve(name)) : nullptr;
    }

private:
    QLibrary library_;
};
