// The device's files: the blob file name carried by the information block.

#include "device/DeviceInstanz.h"

#include "device/DataModuleServices.h"
#include "device/SharedTextConstants.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "platform/TraceLog.h"

#include <filesystem>
#include <system_error>

std::string TDeviceInstanz::GetBlobFileName(bool nameOnly)
{
    LOG_FKT_START("TDeviceInstanz::GetBlobFileName");
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    const std::string folder = dataModule ? dataModule->GetBlobFileDir() : std::string();
    std::error_code unknown;
    if (!folder.empty() && !std::filesystem::is_directory(folder, unknown))
        std::filesystem::create_directories(folder, unknown); // a missing folder only changes the number

    if (BlobFileName.empty()) {
        const auto* etsDevice = dynamic_cast<const TSorvEtsDevice*>(Device);
        if (!etsDevice)
            return {};
        const std::string base = DIR_PRODUCT + std::to_string(etsDevice->GetEtsDeviceId());
        std::string name = base + "." + EXT_BLOB;
        // No file is written under the name; the test looks where such a file would lie.
        for (int n = 1; std::filesystem::exists(folder + name, unknown); ++n)
            name = base + "_" + std::to_string(n) + "." + EXT_BLOB;
        BlobFileName = name;
    }
    return nameOnly ? BlobFileName : folder + BlobFileName;
}
