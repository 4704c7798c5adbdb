#include "device/product/DatenTyp.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/product/support/ProbeObject.h"
#include "tests/product/support/ProductDoubles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace producttest {
namespace {

constexpr std::int32_t System = 3;
constexpr std::int32_t Root = 10;
constexpr platform::WPARAM NoColumn = static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(-1));

// A parent (10) whose children are registered probes with records; child 20 has a chain of two
// additional records (21, 22).
class DeleteObjects : public ::testing::Test {
protected:
    DeleteObjects()
    {
        window.SetDevice(&device);
        root = Add(Root, 0, DT_TALVO_SYSTEM);
    }

    ProbeObject* Add(std::int32_t handle, std::int32_t parent, int typ)
    {
        device.GetDatenSatz(System, parent, handle)->Typ = static_cast<std::int16_t>(typ);
        auto* object = new ProbeObject(alive, typ, System, parent, handle);
        EXPECT_TRUE(device.SetPointer2List(object));
        return object;
    }

    void Chain(std::int32_t handle, std::int32_t parent, std::vector<std::int32_t> chained)
    {
        TDatenStruktur* previous = device.GetDatenSatz(System, parent, handle);
        for (const std::int32_t next : chained) {
            previous->Next = next;
            previous = device.GetDatenSatz(System, handle, next);
        }
    }

    bool HasRecord(std::int32_t handle) const { return device.FindRecord(System, handle) != nullptr; }

    std::vector<platform::UINT> PostedNumbers()
    {
        window.DeliverPosted();
        std::vector<platform::UINT> numbers;
        for (const auto& m : window.Posted()) {
            numbers.push_back(m.message);
            EXPECT_EQ(m.wParam, NoColumn);
            EXPECT_EQ(m.lParam, -1);
        }
        return numbers;
    }

    int alive = 0;
    FakeMainWindow window;
    FakeConfigWindow configWindow;
    TestDevice device{&window, nullptr, &configWindow};
    ProbeObject* root = nullptr;
};

TEST_F(DeleteObjects, NodeThenRecordChainThenObjectAndThreeRefreshes)
{
    ProbeObject* child = Add(20, Root, DT_TALVO_DISPLAY);
    Chain(20, Root, {21, 22});
    std::vector<std::string> journal;
    configWindow.OnDeleteNode = [&](TDataBasis* object) {
        journal.push_back("node");
        EXPECT_EQ(object, child);
        EXPECT_TRUE(HasRecord(20)) << "the records go after the node";
        EXPECT_EQ(device.FindHandle(20), child);
    };
    child->OnDestroy = [&](ProbeObject*) {
        journal.push_back("object");
        EXPECT_FALSE(HasRecord(20));
        EXPECT_FALSE(HasRecord(21));
        EXPECT_FALSE(HasRecord(22));
    };

    EXPECT_TRUE(device.DeleteInstanz(child, true));

    EXPECT_EQ(journal, (std::vector<std::string>{"node", "object"}));
    EXPECT_EQ(device.FindHandle(20), nullptr);
    EXPECT_EQ(alive, 1);
    EXPECT_TRUE(HasRecord(Root));
    EXPECT_TRUE(window.Posted().empty()) << "refreshes are posted, not sent";
    EXPECT_EQ(PostedNumbers(),
              (std::vector<platform::UINT>{WM_USER_UPDATEALLVIEWS, WM_USER_ABGLEICHFORMVERW, WM_USER_UPDATETREENAMES}));
}

TEST_F(DeleteObjects, WithoutRefreshNothingIsPosted)
{
    ProbeObject* child = Add(20, Root, DT_TALVO_DISPLAY);
    EXPECT_TRUE(device.DeleteInstanz(child, false));
    EXPECT_EQ(device.FindHandle(20), nullptr);
    EXPECT_TRUE(PostedNumbers().empty());
}

TEST_F(DeleteObjects, WorkWithoutAConfigurationWindow)
{
    TestDevice bare{&window, nullptr, nullptr};
    window.SetDevice(&bare);
    bare.GetDatenSatz(System, Root, 20);
    ASSERT_TRUE(bare.SetPointer2List(new ProbeObject(alive, DT_TALVO_DISPLAY, System, Root, 20)));
    EXPECT_TRUE(bare.DeleteInstanz(bare.FindHandle(20), true));
    EXPECT_EQ(bare.FindHandle(20), nullptr);
    EXPECT_EQ(bare.FindRecord(System, 20), nullptr);
    EXPECT_EQ(PostedNumbers().size(), 3u);
    window.SetDevice(&device);
}

TEST_F(DeleteObjects, NoObjectIsRefused)
{
    EXPECT_FALSE(device.DeleteInstanz(nullptr, true));
    EXPECT_TRUE(configWindow.DeletedNodes.empty());
    EXPECT_TRUE(PostedNumbers().empty());
}

TEST_F(DeleteObjects, AllChildrenOfATypeGoAndOthersStay)
{
    Add(20, Root, DT_SZENE);
    Add(21, Root, DT_SZENE);
    Add(22, Root, DT_SCHALTUHR);
    Add(30, 22, DT_SZENE); // a grandchild is no child

    EXPECT_TRUE(device.DeleteAllChildsFromDatentyp(root, DT_SZENE, false));

    EXPECT_EQ(device.FindHandle(20), nullptr);
    EXPECT_EQ(device.FindHandle(21), nullptr);
    EXPECT_NE(device.FindHandle(22), nullptr);
    EXPECT_NE(device.FindHandle(30), nullptr);
    EXPECT_EQ(configWindow.DeletedNodes.size(), 2u);
    EXPECT_TRUE(PostedNumbers().empty());
}

TEST_F(DeleteObjects, AllChildrenPostTheRefreshesPerObjectWhenAsked)
{
    Add(20, Root, DT_SZENE);
    Add(21, Root, DT_SZENE);
    EXPECT_TRUE(device.DeleteAllChildsFromDatentyp(root, DT_SZENE, true));
    EXPECT_EQ(PostedNumbers().size(), 6u);
}

TEST_F(DeleteObjects, NoChildOfTheTypeAnswersTrueAndPostsNothing)
{
    Add(22, Root, DT_SCHALTUHR);
    EXPECT_TRUE(device.DeleteAllChildsFromDatentyp(root, DT_SZENE, true));
    EXPECT_NE(device.FindHandle(22), nullptr);
    EXPECT_TRUE(configWindow.DeletedNodes.empty());
    EXPECT_TRUE(PostedNumbers().empty());
}

TEST_F(DeleteObjects, AChildDeletedWithAnotherIsNotDeletedTwice)
{
    ProbeObject* first = Add(20, Root, DT_SZENE);
    Add(21, Root, DT_SZENE);
    // The first scene takes its sister with it when it goes.
    first->OnDestroy = [&](ProbeObject*) { device.DeletePointerFromList(device.FindHandle(21)); };
    EXPECT_TRUE(device.DeleteAllChildsFromDatentyp(root, DT_SZENE, false));
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(configWindow.DeletedNodes.size(), 1u);
}

TEST_F(DeleteObjects, AllChildrenOfNoParentIsRefused)
{
    EXPECT_FALSE(device.DeleteAllChildsFromDatentyp(nullptr, DT_SZENE, true));
}

} // namespace
} // namespace producttest
