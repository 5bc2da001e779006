#pragma once
// Peaks and standard file records for the quantitation tests.

#include <cstdint>
#include <utility>
#include <vector>

#include "quant/CPrjDoc.h"

namespace lx::test {

inline PeakRecord Peak(std::int32_t component, double area, double height) {
    PeakRecord p;
    p.m_Component = component;
    p.m_Area = area;
    p.m_Height = height;
    return p;
}

inline CPrjFileRecord Standard(std::int32_t level, std::int32_t repeat,
                               std::vector<PeakRecord> peaks, const char* file = "") {
    CPrjFileRecord f;
    f.m_FileName = file;
    f.m_Level = level;
    f.m_Repeat = repeat;
    f.m_Peaks = std::move(peaks);
    return f;
}

}  // namespace lx::test
