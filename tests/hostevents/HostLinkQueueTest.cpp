#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/hostlink/HostProtocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUuid>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

// The host link's end of the socket against a host in a thread of its own: events run one at
// a time; one that arrives while another still spins the loop is refused at once, not run.
namespace {

class HostThread {
public:
    HostThread() : Name(QStringLiteral("hostlink-test-%1").arg(QUuid::createUuid().toString(QUuid::Id128)))
    {
        ::setenv(hostlink::SocketVariable, Name.toLocal8Bit().constData(), 1);
        Thread = std::thread([this] { Run(); });
        while (!Listening)
            std::this_thread::yield();
    }
    ~HostThread()
    {
        Join();
        ::unsetenv(hostlink::SocketVariable);
    }
    void Join()
    {
        if (Thread.joinable())
            Thread.join();
    }

    std::atomic<bool> Listening{false};
    std::atomic<bool> FirstRunning{false};
    std::atomic<bool> SecondSent{false};
    std::vector<QJsonObject> Replies;

private:
    void Send(QLocalSocket& socket, const QJsonObject& message)
    {
        socket.write(hostlink::EncodeMessage(message));
        socket.waitForBytesWritten(5000);
    }
    std::optional<QJsonObject> Next(QLocalSocket& socket, hostlink::TLineBuffer& lines)
    {
        for (int i = 0; i < 100; ++i) {
            if (const auto line = lines.Next())
                return hostlink::DecodeMessage(*line);
            if (socket.waitForReadyRead(100))
                lines.Append(socket.readAll());
        }
        return std::nullopt;
    }
    void Run()
    {
        QLocalServer server;
        server.listen(Name);
        Listening = true;
        if (!server.waitForNewConnection(10000))
            return;
        QLocalSocket* socket = server.nextPendingConnection();
        hostlink::TLineBuffer lines;
        Next(*socket, lines); // hello
        Send(*socket, {{"type", "welcome"}, {"project", ""}});
        const auto event = [](int seq, int device) {
            return QJsonObject{{"type", "event"}, {"seq", seq},  {"name", "EditParameters"},
                               {"returnNow", 1},  {"result", 0}, {"args", QJsonArray{device}}};
        };
        Send(*socket, event(1, 1));
        while (!FirstRunning)
            std::this_thread::yield();
        Send(*socket, event(2, 2));
        SecondSent = true;
        for (int i = 0; i < 2; ++i)
            if (const auto reply = Next(*socket, lines))
                Replies.push_back(*reply);
        delete socket;
    }

    QString Name;
    std::thread Thread;
};

// Spins the loop as a modal box would, until the host's second event has had time to arrive.
void SpinAsABox(const std::atomic<bool>& sent)
{
    QElapsedTimer timer;
    timer.start();
    while (!sent && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(HostLinkQueue, AnEventArrivingInsideAHandlersBoxIsRefusedAtOnce)
{
    HostThread host;
    TEts2Cdi_Extended1 link(nullptr, "244_ID", false);
    ASSERT_TRUE(link.HasHost());
    std::vector<std::string> order;
    link.OnCdiEditParameters = [&](bool& returnNow, std::int32_t& result, std::int32_t id) {
        order.push_back("start " + std::to_string(id));
        if (id == 1) {
            host.FirstRunning = true;
            SpinAsABox(host.SecondSent);
        }
        order.push_back("end " + std::to_string(id));
        returnNow = true;
        result = 10 + id;
    };
    QElapsedTimer timer;
    timer.start();
    while (order.size() < 2 && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    host.Join();
    EXPECT_EQ(order, (std::vector<std::string>{"start 1", "end 1"}));
    ASSERT_EQ(host.Replies.size(), 2u);
    // The refusal comes while the first event still runs, before the first's answer.
    EXPECT_EQ(host.Replies[0].value("seq").toInt(), 2);
    EXPECT_EQ(host.Replies[0].value("result").toInt(), 0);
    EXPECT_EQ(host.Replies[0].value("returnNow").toInt(), 1);
    EXPECT_TRUE(host.Replies[0].value("refused").toString().contains("out of turn"))
        << host.Replies[0].value("refused").toString().toStdString();
    EXPECT_EQ(host.Replies[1].value("seq").toInt(), 1);
    EXPECT_EQ(host.Replies[1].value("result").toInt(), 11);
}

TEST(HostLinkQueue, AHandlersExceptionSendsTheAnswersSetSoFar)
{
    HostThread host;
    TEts2Cdi_Extended1 link(nullptr, "244_ID", false);
    ASSERT_TRUE(link.HasHost());
    int failures = 0;
    link.RunEvent = [&](const char*, const std::function<void()>& work) {
        try {
            work();
        } catch (const std::runtime_error&) {
            ++failures;
        }
    };
    link.OnCdiEditParameters = [&](bool& returnNow, std::int32_t& result, std::int32_t id) {
        returnNow = false;
        result = 7;
        if (id == 1) {
            host.FirstRunning = true;
            throw std::runtime_error("broken");
        }
    };
    QElapsedTimer timer;
    timer.start();
    while (!host.SecondSent && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    host.Join();
    EXPECT_EQ(failures, 1);
    ASSERT_EQ(host.Replies.size(), 2u);
    EXPECT_EQ(host.Replies[0].value("result").toInt(), 7);
    EXPECT_EQ(host.Replies[0].value("returnNow").toInt(), 0);
}

TEST(HostLinkQueue, WithoutAHostTheLinkIsOffline)
{
    ::unsetenv(hostlink::SocketVariable);
    TEts2Cdi_Extended1 link(nullptr, "244_ID", false);
    EXPECT_FALSE(link.HasHost());
    EXPECT_FALSE(link.IsConnected());
    EXPECT_FALSE(link.ReturnToEts(1));
}

} // namespace
