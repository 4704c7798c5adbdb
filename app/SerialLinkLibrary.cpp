#include "app/SerialLinkLibrary.h"

#include "platform/Cp1252.h"

TSerialLinkLibrary::TSerialLinkLibrary(const std::string& fileName) : library_(platform::ToQString(fileName))
{
    library_.load();
}

TSerialLinkLibrary::~TSerialLinkLibrary()
{
    Free();
}

void TSerialLinkLibrary::Free()
{
    if (library_.isLoaded())
        library_.unload();
}
