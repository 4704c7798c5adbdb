// The alignment of an opened device with the project tells an object the project lacks from a
// project that could not be read: a failed read keeps every object and record with one message,
// an object the project lacks is made again there, one it cannot make goes.
#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/addrlink/EtsObjekt.h"
#include "platform/Clock.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace managertest {
namespace {

class AligningDevice final : public keysensortest::KeyDevice {
public:
    using KeyDevice::KeyDevice;
    bool DatenAbgleich(bool first, bool second) override { return TDeviceInstanzTalvo::DatenAbgleich(first, second); }
};

// The device made new by its first open, written, opened again and one key object linked.
class AlignSafeTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Open());
        ASSERT_TRUE(device_->WriteBlob());
        ASSERT_NO_FATAL_FAILURE(Open());
        LinkFirstObject(Find(DT_TS_TASTE), 1);
        ASSERT_TRUE(device_->WriteBlob());
        ASSERT_TRUE(ui_.boxes().empty()) << ui_.boxes().front().text;
        objects_ = EtsObjects();
        ASSERT_GE(objects_.size(), 3u);
    }

    void Open()
    {
        TObjectFactories factories;
        factories.Sysfunc = &sysfunc_;
        UseDevice<AligningDevice>(factories);
        ASSERT_TRUE(device_->GetDataFromServer(Window(), false))
            << (ui_.boxes().empty() ? "" : ui_.boxes().back().text);
    }

    // The device's communication objects in the order the alignment walks them (by handle).
    std::vector<TEtsObjekt*> EtsObjects() const
    {
        std::vector<TEtsObjekt*> objects;
        for (const auto& [handle, object] : device_->GetDataPointerMap())
            if (auto* ets = dynamic_cast<TEtsObjekt*>(object); ets && object->GetTyp() == DT_ETS_OBJEKT)
                objects.push_back(ets);
        return objects;
    }
    std::int64_t ProjectObjects()
    {
        return Query("SELECT COUNT(*) FROM device_object WHERE device_id = " +
                     std::to_string(keysensortest::KuecheDevice));
    }
    std::int64_t ProjectLinks()
    {
        return Query("SELECT COUNT(*) FROM sub_to_object s JOIN device_object d ON d.id = s.device_object_id "
                     "WHERE d.device_id = " +
                     std::to_string(keysensortest::KuecheDevice));
    }

    platform::TScopedClock clock_{QDateTime(QDate(2026, 12, 10), QTime(12, 0))};
    SwitchSysfunc sysfunc_;
    std::vector<TEtsObjekt*> objects_;
};

// Where the read fails: at the first object, a middle one or the last.
enum class At { First, Middle, Last };

class ReadFailure : public AlignSafeTest, public ::testing::WithParamInterface<At> {};

TEST_P(ReadFailure, KeepsEveryObjectAndRecordWithOneMessage)
{
    const std::size_t count = objects_.size();
    const int passes = GetParam() == At::First ? 0 : GetParam() == At::Middle ? static_cast<int>(count / 2)
                                                                               : static_cast<int>(count - 1);
    const std::vector<std::string> objects = Objects();
    const std::vector<std::string> records = Records();
    const std::int64_t projectObjects = ProjectObjects();
    const std::int64_t links = ProjectLinks();
    const bool question = device_->NoDeleteQuestion;

    link_.FailReads(TDalKind::DeviceObject, DAL_ERR, passes);
    EXPECT_TRUE(device_->DatenAbgleich(true, false));
    link_.Heal();

    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text.rfind(Spredit::Text9134 + "\n", 0), 0u) << ui_.boxes()[0].text;
    EXPECT_EQ(ui_.boxes()[0].caption, Spredit::Text9098);
    EXPECT_NE(ui_.boxes()[0].text.find(objects_.back()->GetName(true)), std::string::npos);
    EXPECT_EQ(Objects(), objects);
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(ProjectObjects(), projectObjects);
    EXPECT_EQ(ProjectLinks(), links);
    EXPECT_EQ(device_->NoDeleteQuestion, question);

    // The next save writes what was read, and the next open finds all of it.
    ASSERT_TRUE(device_->WriteBlob());
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(Objects(), objects);
    EXPECT_EQ(ui_.boxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Objects, ReadFailure, ::testing::Values(At::First, At::Middle, At::Last),
                         [](const ::testing::TestParamInfo<At>& info) {
                             return std::string(info.param == At::First    ? "First"
                                                : info.param == At::Middle ? "Middle"
                                                                           : "Last");
                         });

TEST_F(AlignSafeTest, AnObjectTheProjectLacksIsMadeAgainWithItsLinkInOneMessage)
{
    TEtsObjekt* linked = nullptr;
    for (TEtsObjekt* object : objects_)
        if (!object->GetGrpAdrIdList().empty())
            linked = object;
    ASSERT_NE(linked, nullptr);
    const std::string name = linked->GetName(true);
    const std::int64_t projectObjects = ProjectObjects();
    const std::vector<std::string> objects = Objects();
    Execute("DELETE FROM device_object WHERE id = " + std::to_string(linked->GetDeviceObjectId()));
    ASSERT_EQ(ProjectLinks(), 0);

    EXPECT_TRUE(device_->DatenAbgleich(true, false));

    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9035 + "\n" + name);
    EXPECT_EQ(Objects(), objects);
    EXPECT_EQ(ProjectObjects(), projectObjects);
    EXPECT_EQ(ProjectLinks(), 1);
    EXPECT_EQ(Query("SELECT COUNT(*) FROM device_object WHERE id = " + std::to_string(linked->GetDeviceObjectId())),
              1);
    EXPECT_FALSE(device_->NoDeleteQuestion);
}

TEST_F(AlignSafeTest, AnObjectTheProjectCannotMakeIsRemovedAloneWithOneMessage)
{
    TEtsObjekt* gone = objects_[objects_.size() / 2];
    const std::string name = gone->GetName(true);
    const std::int32_t handle = gone->GetHandle();
    const std::int32_t commObject = gone->GetCommObjectId();
    Execute("DELETE FROM device_object WHERE comm_object_id = " + std::to_string(commObject));
    Execute("DELETE FROM comm_object WHERE id = " + std::to_string(commObject));

    EXPECT_FALSE(device_->DatenAbgleich(true, false));

    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9103 + "\n" + name);
    EXPECT_EQ(device_->FindHandle(handle), nullptr);
    EXPECT_EQ(EtsObjects().size(), objects_.size() - 1);
    EXPECT_FALSE(device_->NoDeleteQuestion);
}

} // namespace
} // namespace managertest
