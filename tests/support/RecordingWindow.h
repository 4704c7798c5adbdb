#pragma once

#include "platform/WindowMessages.h"

#include <functional>
#include <vector>

namespace testsupport {

// A window that records every message it receives and answers with a fixed result, or with what
// a given reply function computes.
class RecordingWindow {
public:
    struct Message {
        platform::UINT message = 0;
        platform::WPARAM wParam = 0;
        platform::LPARAM lParam = 0;
        bool operator==(const Message&) const = default;
    };
    using Reply = std::function<platform::LRESULT(const Message&)>;

    explicit RecordingWindow(platform::LRESULT result = 0);

    platform::HWND handle() const { return registration_.Handle(); }
    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

    void AnswerWith(platform::LRESULT result);
    void AnswerWith(Reply reply) { reply_ = std::move(reply); }

private:
    platform::LRESULT Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

    std::vector<Message> messages_;
    Reply reply_;
    platform::TWindowRegistration registration_; // last: unregistered before the rest goes
};

// Delivers every message posted so far (and what their handlers post in turn).
void DeliverPostedMessages();

} // namespace testsupport
