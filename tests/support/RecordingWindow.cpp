#include "tests/support/RecordingWindow.h"

#include <QCoreApplication>
#include <QEvent>

namespace testsupport {

RecordingWindow::RecordingWindow(platform::LRESULT result)
    : registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Receive(message, wParam, lParam);
      })
{
    AnswerWith(result);
}

void RecordingWindow::AnswerWith(platform::LRESULT result)
{
    reply_ = [result](const Message&) { return result; };
}

platform::LRESULT RecordingWindow::Receive(platform::UINT message, platform::WPARAM wParam,
                                           platform::LPARAM lParam)
{
    const Message received{message, wParam, lParam};
    messages_.push_back(received);
    return reply_ ? reply_(received) : 0;
}

namespace {

// Counts the queued calls that reach the application object.
class DeliveryCounter final : public QObject {
public:
    int delivered = 0;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (receiver == QCoreApplication::instance() && event->type() == QEvent::MetaCall)
            ++delivered;
        return false;
    }
};

} // namespace

void DeliverPostedMessages()
{
    QCoreApplication* const application = QCoreApplication::instance();
    if (application == nullptr)
        return;
    DeliveryCounter counter;
    application->installEventFilter(&counter);
    // A round leaves what its handlers post for the next one; stop after a round without any.
    do {
        counter.delivered = 0;
        QCoreApplication::sendPostedEvents(application, QEvent::MetaCall);
    } while (counter.delivered > 0);
    application->removeEventFilter(&counter);
}

} // namespace testsupport
