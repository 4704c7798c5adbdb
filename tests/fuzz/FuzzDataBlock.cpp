// The section reader of a device's data block: the block is taken into the device model
// (records, character set, device text, tree nodes, global-parameter mark, the conversion of
// predecessor data and the data objects made from the records) or refused, never more. A block
// taken keeps all its records, and what the section writer then writes is taken as well, with the
// same records, field for field.
#include "device/BlobSection.h"
#include "device/DatenManager.h"
#include "device/E_InstVerw.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/DeviceProject.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace {

testsupport::DeviceProject& Project()
{
    static testsupport::DeviceProject project;
    return project;
}

// Reads the block into a new device model; false when it was refused.
bool Take(std::unique_ptr<testsupport::ProjectDevice>& device, std::string_view block)
{
    device = Project().MakeDevice();
    device->BlobStream.Write(block);
    try {
        return device->InitData();
    } catch (const E_InstVerw&) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Posted messages travel on the Qt event loop, which needs an application object.
    static QCoreApplication application(*argc, *argv);
    Project();
    return 0;
}

namespace {

// The number of records in the block's record section.
std::size_t RecordsIn(std::string_view block)
{
    const auto section = TBlobSection::Find(block, "DB");
    if (!section)
        return 0;
    try {
        return TDatenManager<TDatenStruktur>(block.data() + section->ContentBegin, section->ContentSize()).Count();
    } catch (const E_DatenManager&) {
        return 0;
    }
}


} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view block(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<testsupport::ProjectDevice> device;
    if (!Take(device, block) || !device->GetDevice())
        return 0;
    FUZZ_CHECK(device->RecordCount() == RecordsIn(block));
    platform::TMemoryStream written;
    device->CopyStrukturDatenToDB(nullptr, &written);
    std::unique_ptr<testsupport::ProjectDevice> again;
    FUZZ_CHECK(Take(again, written.Bytes()));
    FUZZ_CHECK(again->RecordLines() == device->RecordLines());
    return 0;
}
