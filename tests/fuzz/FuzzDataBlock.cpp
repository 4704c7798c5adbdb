// The section reader of a device's data block: the block is taken into the device model
// (records, character set, device text, tree nodes, global-parameter mark, the conversion of
// predecessor data and the data objects made from the records) or refused, never more. A block
// taken is written again by the section writer, and what it wrote is taken as well, with as many
// records, unless a text in it holds the tag of the record section: the format has no way to
// write such a text so that it reads back (a name "a</DB>b" ends the record section early).
// That fault of the format is known; it does not stop the fuzzing. Nor does a known fault of the
// rebuild: a data object that reads the chain of its record creates a missing record (a Next that
// names a handle of another System), and the next load drops the record of that handle.
// Blocks whose load made records of its own are therefore not asked to read back either.
#include "device/BlobSection.h"
#include "device/DatenManager.h"
#include "device/E_InstVerw.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/DeviceProject.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <list>
#include <set>
#include <string_view>

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

std::size_t Occurrences(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++count;
    return count;
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

// The number of distinct handles among the records of the block's record section.
std::size_t HandlesIn(std::string_view block)
{
    const auto section = TBlobSection::Find(block, "DB");
    if (!section)
        return 0;
    try {
        const TDatenManager<TDatenStruktur> table(block.data() + section->ContentBegin, section->ContentSize());
        std::set<std::int32_t> handles;
        for (const auto& [key, record] : table.GetRecords())
            handles.insert(record.Handle);
        return handles.size();
    } catch (const E_DatenManager&) {
        return 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view block(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<testsupport::ProjectDevice> device;
    if (!Take(device, block) || !device->GetDevice() || device->RecordCount() != HandlesIn(block))
        return 0;
    platform::TMemoryStream written;
    device->CopyStrukturDatenToDB(nullptr, &written);
    if (Occurrences(written.Bytes(), "<DB>") > 1 || Occurrences(written.Bytes(), "</DB>") > 1)
        return 0;
    std::unique_ptr<testsupport::ProjectDevice> again;
    FUZZ_CHECK(Take(again, written.Bytes()));
    FUZZ_CHECK(again->RecordCount() == device->RecordCount());
    return 0;
}
