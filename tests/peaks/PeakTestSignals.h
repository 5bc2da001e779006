#pragma once
// Small signals for the integration tests.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/CTzLabDoc.h"

namespace lx::test {

// A record at 20 samples/s holding `samples`.
inline CTzLabDoc DocWith(const std::vector<std::int32_t>& samples) {
    CTzLabDoc doc;
    doc.m_Samples.Resize(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        doc.m_Samples.SetAt(i, samples[i]);
    return doc;
}

// `flat` zeros, a linear rise of `step` per sample for `rise` samples, the same fall, and
// `flat` zeros again.
inline std::vector<std::int32_t> Triangle(int flat, int rise, std::int32_t step, int tail) {
    std::vector<std::int32_t> v(static_cast<std::size_t>(flat + 1), 0);
    for (int i = 1; i <= rise; ++i)
        v.push_back(step * i);
    for (int i = rise - 1; i >= 0; --i)
        v.push_back(step * i);
    v.resize(v.size() + static_cast<std::size_t>(tail), 0);
    return v;
}

}  // namespace lx::test

namespace lx::test {

// Samples of `count` zeros with straight segments between the given (index, value) corners.
inline std::vector<std::int32_t> Polyline(
    int count, std::initializer_list<std::pair<int, std::int32_t>> corners) {
    std::vector<std::int32_t> v(static_cast<std::size_t>(count), 0);
    const std::vector<std::pair<int, std::int32_t>> c(corners);
    for (std::size_t k = 0; k + 1 < c.size(); ++k) {
        const auto [x0, y0] = c[k];
        const auto [x1, y1] = c[k + 1];
        for (int i = x0; i <= x1; ++i)
            v[static_cast<std::size_t>(i)] =
                y0 + static_cast<std::int32_t>(static_cast<std::int64_t>(y1 - y0) * (i - x0) /
                                               (x1 - x0));
    }
    return v;
}

// A detected peak as the detector leaves it: baseline ends at the peak's ends.
inline PeakRecord Detected(const CTzLabDoc& doc, std::int32_t start, std::int32_t apex,
                           std::int32_t end, std::int32_t flags, std::int32_t groupSize) {
    PeakRecord p;
    p.m_Start = p.m_BaseStart = start;
    p.m_Apex = apex;
    p.m_End = p.m_BaseEnd = end;
    p.m_StartValue = p.m_BaseStartValue = doc.m_Samples.At(start);
    p.m_ApexValue = doc.m_Samples.At(apex);
    p.m_EndValue = p.m_BaseEndValue = doc.m_Samples.At(end);
    p.m_ApexTime = doc.SpanToMinutes(apex);
    p.m_Flags = flags;
    p.m_GroupSize = groupSize;
    return p;
}

}  // namespace lx::test
