// Any samples, parameters and manual events through the whole integration pipeline: no crash,
// every index inside the samples, the table numbered 1..n, percentages summing to 100 when the
// total area is positive, and finite figures.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "peaks/Integration.h"

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_Data(data), m_Size(size) {}
    template <class T>
    T Take() {
        T v{};
        const std::size_t n = std::min(sizeof(T), m_Size);
        std::memcpy(&v, m_Data, n);
        m_Data += n;
        m_Size -= n;
        return v;
    }
    std::size_t Left() const { return m_Size; }

private:
    const std::uint8_t* m_Data;
    std::size_t m_Size;
};

void Check(bool ok) {
    if (!ok)
        std::abort();
}

// Without a project the pipeline has nothing to ask or tell.
class NoPrompts : public lx::Prompter {
public:
    bool Confirm(const std::string&) override {
        Check(false);
        return false;
    }
    void Inform(const std::string&, Icon) override { Check(false); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    lx::CTzLabDoc doc;
    doc.m_ChannelSetup.rate = 1 + in.Take<std::uint8_t>() % 50;
    doc.m_Params.m_HalfWidth = in.Take<std::int8_t>();
    doc.m_Params.m_Slope = in.Take<std::uint8_t>() * 0.5;
    doc.m_Params.m_MinArea = in.Take<std::int8_t>() * 10.0;
    doc.m_Params.m_MinHeight = in.Take<std::int8_t>();
    doc.m_Params.m_HeightRatio = in.Take<std::uint8_t>();
    doc.m_Params.m_TimeDoubling = in.Take<std::uint8_t>() * 0.01;
    doc.m_ChannelSetup.lockTime = in.Take<std::uint8_t>() * 0.01;
    doc.m_ColumnLength = in.Take<std::int8_t>();
    const int entries = in.Take<std::uint8_t>() % 6;
    doc.m_Params.m_UseTimeProgram = entries > 0;
    for (int e = 0; e < entries; ++e) {
        lx::TimeProgramEntry entry;
        entry.m_Time = in.Take<std::uint8_t>() * 0.02;
        entry.m_HalfWidth = in.Take<std::int8_t>();
        entry.m_Slope = in.Take<std::uint8_t>() * 0.5;
        entry.m_Forbid = in.Take<std::uint8_t>() & 1;
        doc.m_TimeProgram.push_back(entry);
    }
    // Manual events with any numbers, replayed after the pass.
    const int events = in.Take<std::uint8_t>() % 5;
    doc.m_UseManualEvents = events > 0;
    for (int e = 0; e < events; ++e) {
        lx::ManualEvent event;
        event.m_Type = in.Take<std::uint8_t>() % 14;
        event.m_Param1 = in.Take<std::int16_t>();
        event.m_Param2 = in.Take<std::int8_t>();
        event.m_Time = in.Take<std::uint8_t>() * 0.01;
        event.m_Peak.m_Start = in.Take<std::int16_t>();
        event.m_Peak.m_Apex = event.m_Peak.m_Start + in.Take<std::uint8_t>();
        event.m_Peak.m_End = event.m_Peak.m_Apex + in.Take<std::uint8_t>();
        doc.m_ManualEvents.push_back(event);
    }
    // Samples: 16-bit steps of a walk, so that peaks, valleys and plateaus all occur.
    const bool raw = in.Take<std::uint8_t>() & 1;
    const std::size_t n = in.Left() / 2;
    doc.m_Samples.Resize(n);
    std::int32_t level = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto step = in.Take<std::int16_t>();
        level = raw ? step * 1000 : level + step / 64;
        doc.m_Samples.SetAt(i, level);
    }

    NoPrompts noPrompts;
    lx::IntegrateAndQuantify(doc, noPrompts);

    double total = 0.0, percent = 0.0;
    const auto count = static_cast<std::int64_t>(n);
    auto inside = [&](std::int32_t i) { return i >= 0 && i < count; };
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k) {
        const lx::PeakRecord& p = doc.m_Peaks[k];
        Check(p.m_Number == static_cast<std::int32_t>(k + 1));
        Check(inside(p.m_Start) && inside(p.m_Apex) && inside(p.m_End));
        Check(inside(p.m_BaseStart) && inside(p.m_BaseEnd));
        for (double v : {p.m_Area, p.m_Height, p.m_AreaPercent, p.m_HalfWidthTime, p.m_Tailing,
                         p.m_Plates, p.m_Resolution, p.m_ApexTime})
            Check(std::isfinite(v));
        total += p.m_Area;
        percent += p.m_AreaPercent;
    }
    if (total > 0)
        Check(std::fabs(percent - 100.0) < 1e-6);
    return 0;
}
