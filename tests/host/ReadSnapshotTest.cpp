// Reads of the host link inside a read snapshot share one transaction: they see the project as at
// the first of them, while the host goes on writing; the end of the snapshot, or a write of the
// link, lets the next read see what changed.
#include "outside/hostlink/HostReadSnapshot.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace hosttest {
namespace {

class ReadSnapshotTest : public DemoProjectTest {
protected:
    ReadSnapshotTest() : link_(path_) {}

    std::string DeviceName()
    {
        DAL_DEVICE device;
        if (link_.DalGetDeviceData(DAL_GET_BY_ID, FlurDevice, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device) != DAL_OK)
            return "(none)";
        return device.Name;
    }
    std::string Block()
    {
        const char* data = nullptr;
        std::int32_t size = 0;
        if (!link_.BlobRead(data, size, FlurDevice))
            return "(none)";
        return std::string(data, static_cast<std::size_t>(size));
    }

    TEts2Cdi_Extended1 link_;
};

TEST_F(ReadSnapshotTest, ReadsSeeTheProjectAsAtTheFirstWhileTheHostWrites)
{
    ASSERT_TRUE(link_.BlobWrite("alt", 3, FlurDevice));
    THostReadSnapshot snapshot(&link_);
    const std::string name = DeviceName();
    Execute("UPDATE device SET name = 'Umbenannt' WHERE id = " + std::to_string(FlurDevice));
    Execute("UPDATE device_blob SET data = CAST('neu' AS BLOB) WHERE device_id = " + std::to_string(FlurDevice));
    EXPECT_EQ(DeviceName(), name);
    EXPECT_EQ(Block(), "alt");

    snapshot.End();
    EXPECT_EQ(DeviceName(), "Umbenannt");
    EXPECT_EQ(Block(), "neu");
}

TEST_F(ReadSnapshotTest, AWriteOfTheLinkEndsTheSharedReadAndIsStored)
{
    THostReadSnapshot snapshot(&link_);
    const std::string name = DeviceName();
    Execute("UPDATE device SET name = 'Umbenannt' WHERE id = " + std::to_string(FlurDevice));
    EXPECT_EQ(DeviceName(), name);

    ASSERT_TRUE(link_.BlobWrite("neu", 3, FlurDevice));
    EXPECT_EQ(DeviceName(), "Umbenannt");
    EXPECT_EQ(Block(), "neu");
}

} // namespace
} // namespace hosttest
