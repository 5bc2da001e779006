// The serial line on real pseudo-terminals: what the far end writes arrives in chunks of at
// most 100 bytes, in order; closing ends a waiting thread; the port is held exclusively; and
// frames written at the line's own pace decode to the values sent.
#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "acq/CCommPort.h"
#include "acq/DetectorFrames.h"

namespace lx {
namespace {

using namespace std::chrono_literals;

// A pseudo-terminal: the test writes to the master, the port opens the slave by its path.
class Pty {
public:
    Pty() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&m_Master, &slave, name, nullptr, nullptr) == 0) {
            m_Slave = name;
            ::close(slave);
        }
    }
    ~Pty() {
        if (m_Master >= 0)
            ::close(m_Master);
    }
    bool ok() const { return m_Master >= 0; }
    const std::string& slave() const { return m_Slave; }
    void Write(const std::vector<std::uint8_t>& bytes) {
        for (std::size_t at = 0; at < bytes.size();) {
            const ssize_t n = ::write(m_Master, bytes.data() + at, bytes.size() - at);
            ASSERT_GT(n, 0);
            at += static_cast<std::size_t>(n);
        }
    }

private:
    int m_Master = -1;
    std::string m_Slave;
};

// What the monitoring thread handed over, kept for the test's thread.
class Chunks {
public:
    SerialLink::ChunkHandler Handler() {
        return [this](std::span<const std::uint8_t> chunk) {
            std::lock_guard lock(m_Mutex);
            if (!chunk.empty())
                m_Chunks.emplace_back(chunk.begin(), chunk.end());
            m_Changed.notify_all();
        };
    }
    // Waits (at most 10 s, so a broken line fails instead of hanging) until `total` bytes came.
    std::vector<std::vector<std::uint8_t>> Wait(std::size_t total) {
        std::unique_lock lock(m_Mutex);
        m_Changed.wait_for(lock, 10s, [&] { return Bytes() >= total; });
        return m_Chunks;
    }

private:
    std::size_t Bytes() const {
        std::size_t n = 0;
        for (const auto& c : m_Chunks)
            n += c.size();
        return n;
    }
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::vector<std::vector<std::uint8_t>> m_Chunks;
};

std::vector<std::uint8_t> Concatenated(const std::vector<std::vector<std::uint8_t>>& chunks) {
    std::vector<std::uint8_t> all;
    for (const auto& c : chunks)
        all.insert(all.end(), c.begin(), c.end());
    return all;
}

#define REQUIRE_PTY(pty) \
    if (!(pty).ok())     \
    GTEST_SKIP() << "this machine cannot make a pseudo-terminal; the serial line is not checked"

TEST(CCommPort, BytesArriveInOrderInChunksOfAtMostAHundred) {
    Pty pty;
    REQUIRE_PTY(pty);
    CCommPort port({pty.slave()});
    ASSERT_TRUE(port.Open(0));
    Chunks chunks;
    ASSERT_TRUE(port.StartMonitoring(chunks.Handler()));
    std::vector<std::uint8_t> sent(1000);
    for (std::size_t i = 0; i < sent.size(); ++i)
        sent[i] = static_cast<std::uint8_t>(i * 7);
    pty.Write(sent);
    const auto got = chunks.Wait(sent.size());
    EXPECT_EQ(Concatenated(got), sent);
    EXPECT_GE(got.size(), 10u);
    for (const auto& c : got)
        EXPECT_LE(c.size(), CCommPort::kChunkSize);
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST(CCommPort, CloseEndsAWaitingThreadAndTheLineOpensAgain) {
    Pty pty;
    REQUIRE_PTY(pty);
    CCommPort port({pty.slave()});
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(port.Open(0)) << round;
        Chunks chunks;
        ASSERT_TRUE(port.StartMonitoring(chunks.Handler()));
        pty.Write({0xF1, static_cast<std::uint8_t>(round)});
        EXPECT_EQ(Concatenated(chunks.Wait(2)),
                  (std::vector<std::uint8_t>{0xF1, static_cast<std::uint8_t>(round)}));
        port.Close();  // the thread is waiting in poll again by now
    }
    // Opening an open port closes it first; an index without a device fails.
    ASSERT_TRUE(port.Open(0));
    EXPECT_TRUE(port.Open(0));
    EXPECT_FALSE(port.Open(1));
    EXPECT_FALSE(port.IsOpen());
}

TEST(CCommPort, ABusyPortCannotBeOpenedTwice) {
    Pty pty;
    REQUIRE_PTY(pty);
    CCommPort first({pty.slave()}), second({pty.slave()});
    ASSERT_TRUE(first.Open(0));
    EXPECT_FALSE(second.Open(0));
    first.Close();
    EXPECT_TRUE(second.Open(0));
    CCommPort missing({"/dev/no-such-serial-port"});
    EXPECT_FALSE(missing.Open(0));
}

// About a second of frames of both channels at 9600 baud (960 bytes a second): what arrives,
// chunked as the line gives it, decodes to the same values as the bytes sent.
TEST(CCommPort, FramesAtTheLinesPaceDecodeToTheValuesSent) {
    Pty pty;
    REQUIRE_PTY(pty);
    CCommPort port({pty.slave()});
    ASSERT_TRUE(port.Open(0));
    Chunks chunks;
    ASSERT_TRUE(port.StartMonitoring(chunks.Handler()));
    std::vector<std::uint8_t> sent;
    for (std::uint32_t i = 0; i < 136; ++i) {
        const std::uint32_t raw = (1u << 23) - 1 + i * 1000;
        const std::vector<std::uint8_t> frame{static_cast<std::uint8_t>(i % 2 ? 0xF2 : 0xF1),
                                              0x00,
                                              static_cast<std::uint8_t>(raw & 0x3F),
                                              static_cast<std::uint8_t>((raw >> 6) & 0x3F),
                                              static_cast<std::uint8_t>((raw >> 12) & 0x3F),
                                              static_cast<std::uint8_t>((raw >> 18) & 0x3F),
                                              0xE3};
        pty.Write(frame);
        sent.insert(sent.end(), frame.begin(), frame.end());
        std::this_thread::sleep_for(7291us);  // 7 bytes of 10 bits at 9600 baud
    }
    const auto got = chunks.Wait(sent.size());
    auto decodeAll = [](const std::vector<std::vector<std::uint8_t>>& pieces) {
        std::vector<std::int32_t> values;
        DetectorDecoder decoder({20, 0}, [&](int, std::int32_t v, bool) { values.push_back(v); });
        for (const auto& p : pieces)
            decoder.Feed(p);
        return values;
    };
    const auto received = decodeAll(got);
    EXPECT_EQ(received, decodeAll({sent}));
    EXPECT_EQ(received.size(), 2u * (68 - 2 - 4));  // per channel: two decimated, four warming
}

}  // namespace
}  // namespace lx
