#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace hosttest {
namespace {

// Every byte value, NUL and 0x80-0xFF among them, framed by NULs.
std::string EveryByte()
{
    std::string bytes(1, '\0');
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes + std::string(3, '\0');
}

class BlobTest : public DemoProjectTest {
protected:
    // The device's block as a fresh link reads it, or "unreadable".
    std::string ReadBack(TEts2Cdi& link, std::int32_t deviceId)
    {
        const char* data = nullptr;
        std::int32_t size = -1;
        if (!link.BlobRead(data, size, deviceId))
            return "unreadable";
        return std::string(data, static_cast<std::size_t>(size));
    }
    bool Write(TEts2Cdi& link, const std::string& bytes, std::int32_t deviceId)
    {
        return link.BlobWrite(bytes.data(), static_cast<std::int32_t>(bytes.size()), deviceId);
    }

    TEts2Cdi_Extended1 link_{path_};
};

TEST_F(BlobTest, ADeviceWithoutBlockReadsAsEmpty)
{
    const char* data = nullptr;
    std::int32_t size = -1;
    EXPECT_TRUE(link_.BlobRead(data, size, FlurDevice));
    EXPECT_EQ(0, size);
}

TEST_F(BlobTest, ArbitraryBytesSurviveTheRoundTripAlsoForAnotherConnection)
{
    const std::string bytes = EveryByte();
    ASSERT_TRUE(Write(link_, bytes, WohnenDevice));
    EXPECT_EQ(bytes, ReadBack(link_, WohnenDevice));
    TEts2Cdi_Extended1 other(path_);
    EXPECT_EQ(bytes, ReadBack(other, WohnenDevice));
    EXPECT_EQ("", ReadBack(other, FlurDevice));
}

TEST_F(BlobTest, ALargeBlockSurvivesTheRoundTrip)
{
    std::string bytes(4 << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 131) >> 3);
    ASSERT_TRUE(Write(link_, bytes, KuecheDevice));
    EXPECT_EQ(bytes, ReadBack(link_, KuecheDevice));
}

TEST_F(BlobTest, AWriteReplacesTheWholeBlock)
{
    ASSERT_TRUE(Write(link_, std::string(1000, 'x'), FlurDevice));
    ASSERT_TRUE(Write(link_, "abc", FlurDevice));
    EXPECT_EQ("abc", ReadBack(link_, FlurDevice));
    ASSERT_TRUE(link_.BlobWrite(nullptr, 0, FlurDevice));
    EXPECT_EQ("", ReadBack(link_, FlurDevice));
}

TEST_F(BlobTest, TheBytesHandedOutStayValidUntilTheNextRead)
{
    ASSERT_TRUE(Write(link_, "first", FlurDevice));
    const char* data = nullptr;
    std::int32_t size = 0;
    ASSERT_TRUE(link_.BlobRead(data, size, FlurDevice));
    ASSERT_TRUE(Write(link_, "second block", FlurDevice));
    EXPECT_EQ("first", std::string(data, static_cast<std::size_t>(size)));
    EXPECT_EQ("second block", ReadBack(link_, FlurDevice));
}

TEST_F(BlobTest, AnUnknownDeviceCanNeitherBeReadNorWritten)
{
    EXPECT_EQ("unreadable", ReadBack(link_, 99));
    EXPECT_FALSE(Write(link_, "data", 99));
    EXPECT_EQ("unreadable", ReadBack(link_, 99));
}

TEST_F(BlobTest, BadArgumentsStoreNothing)
{
    ASSERT_TRUE(Write(link_, "kept", FlurDevice));
    EXPECT_FALSE(link_.BlobWrite("data", -1, FlurDevice));
    EXPECT_FALSE(link_.BlobWrite(nullptr, 4, FlurDevice));
    EXPECT_EQ("kept", ReadBack(link_, FlurDevice));
}

TEST_F(BlobTest, ALinkWithoutProjectReadsAndWritesNothing)
{
    TEts2Cdi_Extended1 missing(dir_.file("missing.ets"));
    EXPECT_EQ("unreadable", ReadBack(missing, FlurDevice));
    EXPECT_FALSE(Write(missing, "data", FlurDevice));
}

TEST_F(BlobTest, TheFaultWrapperFailsReadsAndWritesWithoutStoring)
{
    ASSERT_TRUE(Write(link_, "stored", FlurDevice));
    TEts2CdiFaults faulty(path_);
    faulty.FailBlobRead();
    faulty.FailBlobWrite();
    EXPECT_EQ("unreadable", ReadBack(faulty, FlurDevice));
    EXPECT_FALSE(Write(faulty, "lost", FlurDevice));
    EXPECT_EQ("stored", ReadBack(link_, FlurDevice));
    faulty.Heal();
    EXPECT_TRUE(Write(faulty, "written", FlurDevice));
    EXPECT_EQ("written", ReadBack(faulty, FlurDevice));
    EXPECT_EQ(2, faulty.BlobReads());
    EXPECT_EQ(2, faulty.BlobWrites());
}

} // namespace
} // namespace hosttest
