#pragma once

#include "platform/WindowMessages.h"

#include <vector>

namespace testsupport {

// The messages a stand-in window received, in order. Messages that arrive while DeliverPosted
// runs the event loop were posted; all others were sent (handled inside the sender's call).
class MessageJournal {
public:
    struct Message {
        platform::UINT message = 0;
        platform::WPARAM wParam = 0;
        platform::LPARAM lParam = 0;
        bool posted = false;
        bool operator==(const Message&) const = default;
    };

    // Delivers what was posted so far (and what that posts in turn).
    void DeliverPosted();

    const std::vector<Message>& Messages() const { return messages_; }
    std::vector<Message> Sent() const;
    std::vector<Message> Posted() const;
    // The received messages of that number.
    std::vector<Message> Received(platform::UINT message) const;

protected:
    void Record(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
    void ClearMessages() { messages_.clear(); }

private:
    std::vector<Message> messages_;
    bool delivering_ = false;
};

} // namespace testsupport
