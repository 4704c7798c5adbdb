#include "tests/support/MessageJournal.h"

#include "tests/support/RecordingWindow.h"

#include <algorithm>
#include <iterator>

namespace testsupport {
namespace {

template <class Keep>
std::vector<MessageJournal::Message> Select(const std::vector<MessageJournal::Message>& messages, Keep keep)
{
    std::vector<MessageJournal::Message> selected;
    std::copy_if(messages.begin(), messages.end(), std::back_inserter(selected), keep);
    return selected;
}

} // namespace

void MessageJournal::DeliverPosted()
{
    delivering_ = true;
    DeliverPostedMessages();
    delivering_ = false;
}

std::vector<MessageJournal::Message> MessageJournal::Sent() const
{
    return Select(messages_, [](const Message& m) { return !m.posted; });
}

std::vector<MessageJournal::Message> MessageJournal::Posted() const
{
    return Select(messages_, [](const Message& m) { return m.posted; });
}

std::vector<MessageJournal::Message> MessageJournal::Received(platform::UINT message) const
{
    return Select(messages_, [message](const Message& m) { return m.message == message; });
}

void MessageJournal::Record(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    messages_.push_back({message, wParam, lParam, delivering_});
}

} // namespace testsupport
