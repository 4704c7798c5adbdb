#include "device/BlobSection.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/AddrlinkFactory.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/EibHandle.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "tests/product/StoredDataFixture.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <string>
#include <vector>

namespace storeddatatest {
namespace {

// What identifies a data object: handle, type, parent, system and name.
struct Identity {
    std::int32_t handle;
    int typ;
    std::int32_t parent;
    std::int32_t system;
    std::string name;
    bool operator==(const Identity&) const = default;
};

void PrintTo(const Identity& i, std::ostream* os)
{
    *os << i.handle << " " << i.typ << " " << i.parent << " " << i.system << " " << i.name;
}

std::vector<Identity> Identities(const TDeviceInstanz& device)
{
    std::vector<Identity> identities;
    for (const auto& [handle, object] : device.GetDataPointerMap()) {
        if (object)
            identities.push_back({handle, object->GetTyp(), object->GetParentHandle(), object->GetSystem(),
                                  object->GetName(false)});
    }
    return identities;
}

std::string RecordSection(const std::string& block)
{
    const auto section = TBlobSection::Find(block, "DB");
    return section ? block.substr(section->ContentBegin, section->ContentSize()) : "<missing>";
}

class StoredDeviceRoundTrip : public StoredDataTest {
protected:
    // Registers an object the test made; the device owns it.
    template <class T>
    T* Register(AlignedDevice& device, std::unique_ptr<T> object)
    {
        T* raw = object.get();
        EXPECT_TRUE(device.SetPointer2List(object.release()));
        raw->Write(*device.GetDatenSatz(raw));
        return raw;
    }
};

TEST_F(StoredDeviceRoundTrip, ADeviceWrittenToTheProjectIsRebuiltFromIt)
{
    // A device as a new one is made: the system object, its communication objects, the display
    // and the date/time object, each below the system object.
    auto original = MakeDevice(DeviceFlur);
    original->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    const platform::HWND window = window_.GetHandle();
    const TSysfuncFactory& sys = TSysfuncFactory::Default();
    auto owned = sys.CreateTalvoSystem(window, 0, 0, original->GetDeviceName(), DeviceFlur, -1, 0, false);
    owned->SetAnzahlTasten(4);
    owned->SetPhysAdr(original->GetPhysAdr(DeviceFlur));
    TTalvoSystem* system = Register(*original, std::move(owned));
    original->SetDevice(system);

    auto clock = TAddrlinkFactory::Default().CreateEtsObjekt(window, 0, system->GetHandle(), "Uhrzeit", 301, 302, 57,
                                                             303, 3300, 1, 0, 10, 2, 1, 0);
    clock->SetObjektWert(0);
    clock->SetEnableCellFlagStatus(true);
    clock->AddSubGroupLink(71, 0x0801, true);
    Register(*original, std::move(clock));
    Register(*original, TAddrlinkFactory::Default().CreateEtsObjekt(window, 0, system->GetHandle(), "Datum", 304, 305,
                                                                    58, 306, 3305, 1, 0, 11, 2, 1, 0));
    Register(*original, sys.CreateTalvoDisplay(window, 0, system->GetHandle(), "Anzeige", 0));
    Register(*original, sys.CreateTalvoDatumUhrzeitSenden(window, 0, system->GetHandle(), "Datum/Uhrzeit", 0));
    original->CharSetStream.Write(ValidCharSet());
    original->DeviceTextStream.Write(ValidDeviceText());

    ASSERT_TRUE(original->WriteBlob());
    const std::string firstBlock = StoredBlock(DeviceFlur);
    ASSERT_NE(RecordSection(firstBlock), "<missing>");

    auto restored = MakeDevice(DeviceFlur);
    ASSERT_TRUE(restored->GetDataFromServer(window, false));

    EXPECT_EQ(Identities(*restored), Identities(*original));
    ASSERT_EQ(Identities(*restored).size(), 5u);
    ASSERT_NE(restored->GetPointerFromSystem(), nullptr);
    EXPECT_EQ(restored->GetDevice(), restored->GetPointerFromSystem());
    EXPECT_EQ(restored->GetPointerFromSystem()->GetEtsDeviceId(), DeviceFlur);
    auto* restoredClock = dynamic_cast<TEtsObjekt*>(restored->GetObjectFromObjectNr(57));
    ASSERT_NE(restoredClock, nullptr);
    EXPECT_EQ(restoredClock->GetDisplayOrder(), 3300);
    EXPECT_EQ(restored->CharSetStream.Bytes(), ValidCharSet());
    EXPECT_EQ(restored->DeviceTextStream.Bytes(), ValidDeviceText());
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_TRUE(ui_.detailBoxes().empty());

    ASSERT_TRUE(restored->WriteBlob());
    EXPECT_EQ(RecordSection(StoredBlock(DeviceFlur)), RecordSection(firstBlock));
}

} // namespace
} // namespace storeddatatest
