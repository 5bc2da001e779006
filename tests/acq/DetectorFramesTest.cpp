// The detector byte stream to values: the frame examples worked by hand, validity, decimation,
// warm-up, the range bridge, and the same values however the stream is cut into chunks.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "acq/DetectorFrames.h"
#include "acq/DetectorSimulator.h"

namespace lx {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Delivered {
    int channel;
    std::int32_t value;
    bool start;
    bool operator==(const Delivered&) const = default;
};

std::vector<Delivered> Decode(const Bytes& bytes, DecoderSettings settings = {}) {
    std::vector<Delivered> out;
    DetectorDecoder decoder(settings, [&](int c, std::int32_t v, bool s) {
        out.push_back({c, v, s});
    });
    decoder.Feed(bytes);
    return out;
}

// A frame of channel A (or B) carrying `raw` at `range`.
Bytes Frame(std::uint32_t raw, std::uint8_t range = 0xE1, bool b = false, bool start = false) {
    return {b ? kMarkerB : kMarkerA,
            static_cast<std::uint8_t>(start ? 0xFA : 0x00),
            static_cast<std::uint8_t>(raw & 0x3F),
            static_cast<std::uint8_t>((raw >> 6) & 0x3F),
            static_cast<std::uint8_t>((raw >> 12) & 0x3F),
            static_cast<std::uint8_t>((raw >> 18) & 0x3F),
            range};
}

// The raw value whose signal is `uv` at range 0xE1 (the count of 0.298 uV steps).
std::uint32_t RawOf(std::int32_t uv) {
    return static_cast<std::uint32_t>((1 << 23) - 1 +
                                      static_cast<std::int64_t>(uv / 0.2980232238769531));
}

// Four values that only warm the channel up (frequency 20: the first two frames give nothing
// either), so the next frame's value is the first delivered.
Bytes WarmUp(bool b = false) {
    Bytes bytes;
    for (int i = 0; i < 6; ++i) {
        const Bytes f = Frame(RawOf(0), 0xE1, b);
        bytes.insert(bytes.end(), f.begin(), f.end());
    }
    return bytes;
}

TEST(DetectorFrames, WorkedFrameValues) {
    EXPECT_EQ(FrameValue((1u << 23) - 1, 0xE1), 0);
    EXPECT_EQ(FrameValue(1u << 23, 0xE1), 0);  // 0.298 truncated
    EXPECT_EQ(FrameValue((1u << 24) - 1, 0xE1), 2500000);
    EXPECT_EQ(FrameValue(0, 0xE7), -39062);  // truncated toward zero
    EXPECT_EQ(FrameValue(0, 0xE1), -2500000);
    EXPECT_EQ(FrameValue((1u << 23) - 1 + 1000, 0xE3), 74);  // 1000 x 0.0745
    // The worked frames themselves, through the parser: the bytes as the detector sends them.
    DecoderSettings s;
    Bytes stream = WarmUp();
    const Bytes a{0xF1, 0xFA, 0x3F, 0x3F, 0x3F, 0x1F, 0xE1};
    stream.insert(stream.end(), a.begin(), a.end());
    const auto out = Decode(stream, s);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], (Delivered{0, 0, true}));
}

TEST(DetectorFrames, InvalidBytesAndFramesAreDropped) {
    Bytes stream = WarmUp();
    const std::vector<Bytes> dropped = {
        {0x00, 0x12, 0xFF},                          // bytes outside a frame
        {0xF1, 0x00, 0x01, 0x02, 0xF1},              // a marker inside a frame restarts it...
        {0x00, 0x3F, 0x3F, 0x3F, 0x3F, 0xE0},        // ...so this completes a frame: range E0
        {0xF1, 0x00, 0x3F, 0x3F, 0x3F, 0x3F, 0xE8},  // range E8
        {0xF1, 0x00, 0x40, 0x3F, 0x3F, 0x1F, 0xE1},  // a data byte with bit 6 set
        {0xF1, 0x00, 0x3F, 0x3F, 0x80, 0x1F, 0xE1},  // bit 7 set
    };
    for (const Bytes& d : dropped)
        stream.insert(stream.end(), d.begin(), d.end());
    EXPECT_TRUE(Decode(stream).empty());
    // A valid frame afterwards still comes through.
    const Bytes ok = Frame((1u << 24) - 1);
    stream.insert(stream.end(), ok.begin(), ok.end());
    const auto out = Decode(stream);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].value, 2500000);
}

// At 20 values per second every frame from the third yields; at 10 every second one from the
// third; the first four values of a channel only warm it up.
TEST(DetectorFrames, DecimationAndWarmUp) {
    for (const auto& [frequency, firstYield, period] :
         {std::tuple{20, 3, 1}, std::tuple{10, 3, 2}}) {
        Bytes stream;
        for (int i = 1; i <= 40; ++i) {
            const Bytes f = Frame(RawOf(i * 1000));
            stream.insert(stream.end(), f.begin(), f.end());
        }
        const auto out = Decode(stream, {frequency, 0});
        // Yielding frames: firstYield, firstYield + period, ...; the first four are warm-up.
        std::vector<std::int32_t> expected;
        int yielded = 0;
        for (int frame = firstYield; frame <= 40; frame += period)
            if (++yielded > 4)
                expected.push_back(FrameValue(RawOf(frame * 1000), 0xE1));
        ASSERT_EQ(out.size(), expected.size()) << frequency;
        for (std::size_t i = 0; i < out.size(); ++i)
            EXPECT_EQ(out[i].value, expected[i]) << frequency << " value " << i;
    }
    // Channels count apart: channel B's frames do not move channel A's counters.
    Bytes mixed;
    for (int i = 0; i < 7; ++i) {
        const Bytes a = Frame(RawOf(100)), b = Frame(RawOf(200), 0xE1, true);
        mixed.insert(mixed.end(), a.begin(), a.end());
        mixed.insert(mixed.end(), b.begin(), b.end());
    }
    const auto out = Decode(mixed);
    ASSERT_EQ(out.size(), 2u);  // frame 7 of each: the fifth value after two decimated frames
    EXPECT_EQ(out[0].channel, 0);
    EXPECT_EQ(out[1].channel, 1);
}

TEST(DetectorFrames, ARangeSwitchIsBridgedOverTheHeldValues) {
    // N = 3: 100 at E1, then 800, 900, 1000 at E2 deliver 100, then 400, 700, 1000.
    auto at = [](std::int32_t uv, std::uint8_t range) {
        const double scale = 2500000.0 / 8388608.0 / (1 << (range - 0xE1));
        return static_cast<std::uint32_t>((1 << 23) - 1 +
                                          static_cast<std::int64_t>(uv / scale + 0.5));
    };
    Bytes stream = WarmUp();
    for (const auto& [uv, range] : {std::pair{100, 0xE1}, {800, 0xE2}, {900, 0xE2}, {1000, 0xE2}}) {
        const Bytes f =
            Frame(at(uv, static_cast<std::uint8_t>(range)), static_cast<std::uint8_t>(range));
        stream.insert(stream.end(), f.begin(), f.end());
    }
    std::vector<std::int32_t> values;
    for (const Delivered& d : Decode(stream, {20, 3}))
        values.push_back(d.value);
    EXPECT_EQ(values, (std::vector<std::int32_t>{100, 400, 700, 1000}));

    // N = 0: the value at which the range changed is lost, the next ones pass.
    values.clear();
    for (const Delivered& d : Decode(stream, {20, 0}))
        values.push_back(d.value);
    EXPECT_EQ(values, (std::vector<std::int32_t>{100, 900, 1000}));

    // A value back at the old range before N were held discards the held ones.
    Bytes back = WarmUp();
    for (const auto& [uv, range] : {std::pair{100, 0xE1}, {800, 0xE2}, {150, 0xE1}}) {
        const Bytes f =
            Frame(at(uv, static_cast<std::uint8_t>(range)), static_cast<std::uint8_t>(range));
        back.insert(back.end(), f.begin(), f.end());
    }
    values.clear();
    for (const Delivered& d : Decode(back, {20, 3}))
        values.push_back(d.value);
    EXPECT_EQ(values, (std::vector<std::int32_t>{100, FrameValue(at(150, 0xE1), 0xE1)}));
}

// Every cut of a stream into two chunks, and random chunkings, give the same values.
TEST(DetectorFrames, TheSameValuesHoweverTheStreamIsCut) {
    std::mt19937 random(7);
    Bytes stream;
    for (int i = 0; i < 200; ++i) {
        const auto range = static_cast<std::uint8_t>(0xE1 + (i / 37) % 3);
        Bytes f = Frame(random() & 0xFFFFFF, range, i % 3 == 0, i % 17 == 0);
        if (i % 29 == 0)
            f.insert(f.begin() + 3, 0xF2);  // a frame cut short by a marker
        if (i % 31 == 0)
            f.push_back(0x55);  // noise between frames
        stream.insert(stream.end(), f.begin(), f.end());
    }
    const DecoderSettings settings{20, 2};
    const auto whole = Decode(stream, settings);
    ASSERT_GT(whole.size(), 100u);
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        std::vector<Delivered> out;
        DetectorDecoder decoder(settings, [&](int c, std::int32_t v, bool s) {
            out.push_back({c, v, s});
        });
        decoder.Feed(std::span(stream).first(cut));
        decoder.Feed(std::span(stream).subspan(cut));
        ASSERT_EQ(out, whole) << "cut at " << cut;
    }
    std::vector<Delivered> chunked;
    DetectorDecoder decoder(settings, [&](int c, std::int32_t v, bool s) {
        chunked.push_back({c, v, s});
    });
    for (std::size_t at = 0; at < stream.size();) {
        const std::size_t n = std::min<std::size_t>(stream.size() - at, random() % 101);
        decoder.Feed(std::span(stream).subspan(at, n));
        at += n;
    }
    EXPECT_EQ(chunked, whole);
}

// The simulator's frames decode to exactly the values it was given, at every range, within
// each range's full scale; beyond it the full scale comes back.
TEST(DetectorFrames, SimulatedFramesDecodeToTheirValues) {
    std::mt19937 random(11);
    for (std::uint8_t range = 0xE1; range <= 0xE7; ++range) {
        const std::int32_t fullScale = 2500000 >> (range - 0xE1);
        for (int i = 0; i < 2000; ++i) {
            const auto v = static_cast<std::int32_t>(random() % (2u * fullScale + 1)) - fullScale;
            const auto frame = EncodeFrame(i % 2, v, range, false);
            ASSERT_EQ(frame.size(), 7u);
            const std::uint32_t raw =
                frame[2] | (frame[3] << 6) | (frame[4] << 12) | (frame[5] << 18);
            ASSERT_EQ(FrameValue(raw, range), v) << "range " << int(range);
        }
        const auto beyond = EncodeFrame(0, fullScale + 1000, range, true);
        const std::uint32_t raw =
            beyond[2] | (beyond[3] << 6) | (beyond[4] << 12) | (beyond[5] << 18);
        EXPECT_NEAR(FrameValue(raw, range), fullScale, 1) << int(range);
        EXPECT_EQ(beyond[1], 0xFA);
    }
}

}  // namespace
}  // namespace lx
