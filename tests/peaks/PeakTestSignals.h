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
