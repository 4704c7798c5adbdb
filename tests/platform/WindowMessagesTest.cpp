#include "platform/WindowMessages.h"

#include "tests/support/RecordingWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

namespace {

using platform::LPARAM;
using platform::LRESULT;
using platform::UINT;
using platform::WM_USER;
using platform::WPARAM;
using testsupport::DeliverPostedMessages;
using testsupport::RecordingWindow;
using Message = RecordingWindow::Message;
using ::testing::ElementsAre;

TEST(WindowMessages, SentMessageIsHandledAtOnceAndAnswers)
{
    RecordingWindow window(0);
    window.AnswerWith([](const Message& m) { return static_cast<LRESULT>(m.wParam) + m.lParam; });

    EXPECT_EQ(platform::SendMessage(window.handle(), WM_USER + 9, 40, 2), 42);
    EXPECT_THAT(window.messages(), ElementsAre(Message{WM_USER + 9, 40, 2}));
}

TEST(WindowMessages, PointerTravelsInLParamOfASentMessage)
{
    struct Request {
        int in = 7;
        int out = 0;
    } request;
    platform::TWindowRegistration window([](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        auto* r = reinterpret_cast<Request*>(lParam);
        r->out = r->in * 2;
        return 1;
    });
    EXPECT_EQ(platform::SendMessage(window.Handle(), WM_USER + 133, 0, reinterpret_cast<LPARAM>(&request)), 1);
    EXPECT_EQ(request.out, 14);
}

TEST(WindowMessages, UnknownOrFreedHandleReachesNobody)
{
    platform::HWND stale = 0;
    {
        RecordingWindow window(5);
        stale = window.handle();
        EXPECT_TRUE(platform::IsWindow(stale));
    }
    EXPECT_FALSE(platform::IsWindow(stale));
    EXPECT_EQ(platform::SendMessage(stale, WM_USER, 0, 0), 0);
    EXPECT_EQ(platform::SendMessage(0, WM_USER, 0, 0), 0);
    EXPECT_FALSE(platform::PostMessage(stale, WM_USER, 0, 0));

    // A new window never gets the old handle.
    RecordingWindow next;
    EXPECT_NE(next.handle(), stale);
}

TEST(WindowMessages, PostedMessageArrivesAfterTheSendersCallInPostingOrder)
{
    RecordingWindow target;
    std::vector<Message> seenWhileSending;
    // The sender posts three messages while it handles a sent one, then looks at the target.
    platform::TWindowRegistration sender([&](UINT, WPARAM, LPARAM) -> LRESULT {
        EXPECT_TRUE(platform::PostMessage(target.handle(), WM_USER + 102, 1, -1));
        EXPECT_TRUE(platform::PostMessage(target.handle(), WM_USER + 139, 0, 0));
        EXPECT_TRUE(platform::PostMessage(target.handle(), WM_USER + 102, 2, -2));
        seenWhileSending = target.messages();
        return 1;
    });

    EXPECT_EQ(platform::SendMessage(sender.Handle(), WM_USER, 0, 0), 1);
    EXPECT_TRUE(seenWhileSending.empty());
    EXPECT_TRUE(target.messages().empty());

    DeliverPostedMessages();
    EXPECT_THAT(target.messages(), ElementsAre(Message{WM_USER + 102, 1, -1}, Message{WM_USER + 139, 0, 0},
                                               Message{WM_USER + 102, 2, -2}));
}

TEST(WindowMessages, MessagePostedByAHandlerFollowsTheOnesAlreadyQueued)
{
    RecordingWindow target;
    target.AnswerWith([&](const Message& m) -> LRESULT {
        if (m.wParam == 1)
            platform::PostMessage(target.handle(), WM_USER, 3, 0);
        return 0;
    });
    platform::PostMessage(target.handle(), WM_USER, 1, 0);
    platform::PostMessage(target.handle(), WM_USER, 2, 0);

    DeliverPostedMessages();
    EXPECT_THAT(target.messages(),
                ElementsAre(Message{WM_USER, 1, 0}, Message{WM_USER, 2, 0}, Message{WM_USER, 3, 0}));
}

TEST(WindowMessages, MessagePostedToAWindowThatWentAwayIsDropped)
{
    std::optional<RecordingWindow> window(std::in_place);
    RecordingWindow witness;
    ASSERT_TRUE(platform::PostMessage(window->handle(), WM_USER, 1, 0));
    ASSERT_TRUE(platform::PostMessage(witness.handle(), WM_USER, 2, 0));
    window.reset();

    DeliverPostedMessages();
    EXPECT_THAT(witness.messages(), ElementsAre(Message{WM_USER, 2, 0}));
}

TEST(WindowMessages, WindowMayEndInsideItsOwnHandler)
{
    std::optional<platform::TWindowRegistration> window;
    int calls = 0;
    window.emplace([&](UINT, WPARAM wParam, LPARAM) -> LRESULT {
        ++calls;
        window.reset(); // the handler keeps running on its own copy
        return static_cast<LRESULT>(wParam) + calls;
    });
    const platform::HWND handle = window->Handle();

    EXPECT_EQ(platform::SendMessage(handle, WM_USER, 10, 0), 11);
    EXPECT_FALSE(platform::IsWindow(handle));
    EXPECT_EQ(platform::SendMessage(handle, WM_USER, 10, 0), 0);
}

} // namespace
