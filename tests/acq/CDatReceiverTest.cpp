// The receiver with a scripted link, a scripted clock and recording channels: the sources'
// messages, the silence check, demo playback, and runs started by the detector's start signal.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "acq/CDatReceiver.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

class ScriptedLink : public SerialLink {
public:
    bool opens = true, monitors = true;
    bool open = false;
    int opened = 0, closed = 0, portIndex = -1;
    ChunkHandler handler;

    bool Open(int index) override {
        ++opened;
        portIndex = index;
        return open = opens;
    }
    bool IsOpen() const override { return open; }
    bool StartMonitoring(ChunkHandler h) override {
        handler = std::move(h);
        return monitors;
    }
    void Close() override {
        ++closed;
        open = false;
    }
    void Send(std::vector<std::uint8_t> bytes) { handler(bytes); }
};

class ScriptedClock : public ReceiverHost {
public:
    std::map<int, int> running;  // id -> period
    void StartTimer(int id, int periodMs) override { running[id] = periodMs; }
    void StopTimer(int id) override { running.erase(id); }
};

class RecordingChannel : public ChannelTarget {
public:
    bool running = false;
    int runsStarted = 0;
    std::vector<std::int32_t> seen, recorded;
    bool IsRunning() const override { return running; }
    void StartRun() override {
        running = true;
        ++runsStarted;
    }
    void AddPoint(std::int32_t v) override {
        seen.push_back(v);
        if (running)
            recorded.push_back(v);
    }
};

std::vector<std::uint8_t> Frames(int count, bool b, bool start,
                                 std::uint32_t raw = (1u << 23) - 1) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i)
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(b ? 0xF2 : 0xF1),
                                   static_cast<std::uint8_t>(start ? 0xFB : 0x00),
                                   static_cast<std::uint8_t>(raw & 0x3F),
                                   static_cast<std::uint8_t>((raw >> 6) & 0x3F),
                                   static_cast<std::uint8_t>((raw >> 12) & 0x3F),
                                   static_cast<std::uint8_t>((raw >> 18) & 0x3F), 0xE1});
    return bytes;
}

TEST(CDatReceiver, DetectorSourceMessagesAndTheSilenceCheck) {
    ScriptedLink link;
    ScriptedClock clock;
    test::ScriptedPrompter prompter;
    ReceiverSettings settings;
    settings.port = 3;
    {
        link.opens = false;
        CDatReceiver receiver(settings, &link, clock, prompter);
        receiver.StartAcquisition();
        EXPECT_EQ(prompter.messages, (std::vector<std::string>{"串口设置错误!"}));
        EXPECT_EQ(link.portIndex, 3);
        EXPECT_TRUE(clock.running.empty());
    }
    prompter.messages.clear();
    link.opens = true;
    link.monitors = false;
    {
        CDatReceiver receiver(settings, &link, clock, prompter);
        receiver.StartAcquisition();
        EXPECT_EQ(prompter.messages, (std::vector<std::string>{"采集口错误!"}));
        EXPECT_FALSE(link.IsOpen());
    }
    prompter.messages.clear();
    link.monitors = true;
    CDatReceiver receiver(settings, &link, clock, prompter);
    RecordingChannel a;
    receiver.SetChannel(0, &a);
    receiver.StartAcquisition();
    ASSERT_EQ(clock.running, (std::map<int, int>{{CDatReceiver::kSilenceTimer, 1200}}));
    link.Send(Frames(7, false, false));
    receiver.OnTimer(CDatReceiver::kSilenceTimer);  // bytes came: nothing to say
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(clock.running.empty());
    EXPECT_EQ(a.seen.size(), 1u);

    // Restarted, and silent for 1.2 s: the link is closed with the message; later bytes are
    // not parsed.
    receiver.StartAcquisition();
    EXPECT_FALSE(receiver.Receiving());
    receiver.OnTimer(CDatReceiver::kSilenceTimer);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"通道口数据错误,请检查连线是否正确!"}));
    EXPECT_FALSE(link.IsOpen());
    link.handler(Frames(3, false, false));
    EXPECT_EQ(a.seen.size(), 1u);
}

TEST(CDatReceiver, DemoPlaysItsValuesToBothChannelsInALoop) {
    test::TempDir dir;
    // 10 bytes: two values and two trailing bytes that do not make a third.
    test::WriteBytes(dir.Path("TzDemo"), {0x10, 0x27, 0, 0, 0xF6, 0xFF, 0xFF, 0xFF, 0x01, 0x02});
    ScriptedClock clock;
    test::ScriptedPrompter prompter;
    ReceiverSettings settings;
    settings.source = AcquisitionSource::Demo;
    settings.demoPaths = {dir.Path("missing"), dir.Path("TzDemo")};
    CDatReceiver receiver(settings, nullptr, clock, prompter);
    RecordingChannel a, b;
    receiver.SetChannel(0, &a);
    receiver.SetChannel(1, &b);
    receiver.StartAcquisition();
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_EQ(clock.running, (std::map<int, int>{{CDatReceiver::kDemoTimer, 50}}));
    for (int tick = 0; tick < 5; ++tick)
        receiver.OnTimer(CDatReceiver::kDemoTimer);
    receiver.OnTimer(12222);  // another receiver timer adds no value
    EXPECT_EQ(a.seen, (std::vector<std::int32_t>{10000, -10, 10000, -10, 10000}));
    EXPECT_EQ(b.seen, a.seen);
    receiver.StartAcquisition();  // already receiving: nothing changes
    receiver.ClosePort();
    EXPECT_TRUE(clock.running.empty());

    settings.demoPaths = {dir.Path("missing")};
    CDatReceiver without(settings, nullptr, clock, prompter);
    without.StartAcquisition();
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"演示文件没有找着!"}));
    EXPECT_FALSE(without.Receiving());
    EXPECT_TRUE(clock.running.empty());
}

// The detector's start signal starts a run once, its value the run's first point; the signal
// must drop after the run has ended before it can start the next one. A closed channel drops
// its values.
TEST(CDatReceiver, TheStartSignalStartsOneRunUntilItDrops) {
    ScriptedLink link;
    ScriptedClock clock;
    test::ScriptedPrompter prompter;
    CDatReceiver receiver({}, &link, clock, prompter);
    RecordingChannel a;
    receiver.StartAcquisition();
    link.Send(Frames(6, false, false));                        // decimation and warm-up
    link.Send(Frames(1, false, false, (1u << 23) - 1 + 100));  // channel closed: dropped
    receiver.SetChannel(0, &a);
    link.Send(Frames(2, false, false));
    EXPECT_EQ(a.runsStarted, 0);
    link.Send(Frames(3, false, true, (1u << 23) - 1 + 1000));
    EXPECT_EQ(a.runsStarted, 1);
    EXPECT_EQ(a.recorded, (std::vector<std::int32_t>{298, 298, 298}));
    a.running = false;  // the run reached its stop time
    link.Send(Frames(2, false, true));
    EXPECT_EQ(a.runsStarted, 1);  // the signal is still there: no new run
    link.Send(Frames(1, false, false));
    link.Send(Frames(1, false, true));
    EXPECT_EQ(a.runsStarted, 2);
    EXPECT_EQ(a.seen.size(), 2u + 3u + 2u + 1u + 1u);
}

}  // namespace
}  // namespace lx
