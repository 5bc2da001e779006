#pragma once
// The detection pass transcribed as plainly as it is described: growable lists, the time
// program step before every sample, a division for every mean. Slow on purpose; the optimised
// detector must give the same table on any input.

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Numeric.h"

namespace lx::test {

class ReferenceDetector {
public:
    explicit ReferenceDetector(CTzLabDoc& doc) : d(doc) {}

    std::int32_t finalBunch = 0;
    double finalThreshold = 0.0;

    void Run() {
        d.m_Peaks.clear();
        avg.clear();
        threshold = d.m_Params.m_Slope * 0.1;
        bunch = d.m_Params.m_HalfWidth;
        doublingPeriod = Index(d.m_Params.m_TimeDoubling);
        doublings = 0;
        allowed = 1;
        window = 5;
        leader = 0;
        count = 0;
        state = 0;
        pos.clear();
        cls.clear();
        posOffset = bunch / 2 + 2;
        bunchSum = fill = bunches = nextEvent = 0;
        building = PeakRecord();
        for (std::size_t i = 0; i < d.m_Samples.size(); ++i) {
            Step();
            Feed(d.m_Samples.At(static_cast<std::ptrdiff_t>(i)));
        }
        if (state == 4 && !d.m_Peaks.empty())
            ForcedClose();
        finalBunch = bunch;
        finalThreshold = threshold;
    }

private:
    std::int32_t Index(double minutes) const {
        return TruncToInt(d.m_ChannelSetup.rate * minutes * 60.0);
    }
    std::int32_t S(std::int32_t i) const { return d.m_Samples.At(i); }

    void RecordParameters() {
        baseThreshold = d.m_Params.m_Slope * 0.1;
        baseBunch = d.m_Params.m_HalfWidth;
        doublingPeriod = Index(d.m_Params.m_TimeDoubling);
        forbidden = Index(d.m_ChannelSetup.lockTime) <= count ? 0 : 1;
    }

    void Step() {
        const auto& program = d.m_TimeProgram;
        if (d.m_Params.m_UseTimeProgram == 0 || program.empty()) {
            RecordParameters();
        } else if (nextEvent < static_cast<int>(program.size()) &&
                   Index(program[nextEvent].m_Time) <= count) {
            baseBunch = program[nextEvent].m_HalfWidth;
            baseThreshold = program[nextEvent].m_Slope * 0.1;
            forbidden = program[nextEvent].m_Forbid != 0 ? 1 : 0;
            ++nextEvent;
        } else if (nextEvent == 0) {
            RecordParameters();
        }
        bunch = baseBunch;
        threshold = baseThreshold;
        if (doublingPeriod > 0) {
            if (count > static_cast<std::int64_t>(doublings) * doublingPeriod)
                ++doublings;
            bunch = SaturateToInt(static_cast<std::int64_t>(bunch) *
                                  TruncToInt(std::pow(2.0, doublings)));
            threshold = threshold / std::pow(2.0, doublings);
        }
        if (bunch < 1)
            bunch = 1;
        posOffset = bunch / 2 + 2;
        if (forbidden == 1) {
            allowed = 0;
            if (state == 4 && !d.m_Peaks.empty())
                ForcedClose();
            state = 0;
        } else {
            allowed = 1;
        }
    }

    void Feed(std::int32_t v) {
        avg.push_back(v);
        while (avg.size() > 4)
            avg.erase(avg.begin());
        double sum = 0;
        for (std::int32_t a : avg)
            sum += a;
        const auto smoothed =
            static_cast<std::int32_t>(std::trunc(sum / static_cast<double>(avg.size())));
        ++count;
        if (count < 4)
            return;
        bunchSum += smoothed;
        ++fill;
        if (fill != bunch)
            return;
        pos.push_back(count - posOffset);
        ++bunches;
        double slope = 0.0;
        if (bunches != 1)
            slope = static_cast<double>(bunchSum / bunch - prevMean);
        prevMean = bunchSum / bunch;
        bunchSum = fill = 0;
        cls.push_back(slope > threshold ? 1 : slope < -threshold ? 2 : 0);
        if (bunches > window)
            bunches = window;
        if (bunches == window) {
            bunches = window - 1;
            R = F = Z = 0;
            for (std::size_t j = cls.size() - static_cast<std::size_t>(window); j < cls.size(); ++j)
                (cls[j] == 1 ? R : cls[j] == 2 ? F : Z)++;
            if (allowed)
                Machine();
        }
        while (pos.size() >= 60) {
            pos.erase(pos.begin());
            cls.erase(cls.begin());
        }
    }

    void Append() {
        d.m_Peaks.push_back(building);
        if (static_cast<std::size_t>(leader) < d.m_Peaks.size())
            d.m_Peaks[static_cast<std::size_t>(leader)].m_GroupSize += 1;
    }

    void Machine() {
        const int last = static_cast<int>(pos.size()) - 1;
        if (state == 0) {
            if (R >= window) {
                window = 3;
                int j = last;
                while (true) {
                    --j;
                    if (!(j > 0 && pos[j] > 0) || cls[j] != 1)
                        break;
                }
                if (j < 0)
                    j = 0;
                building.m_Flags = 0;
                building.m_Start = building.m_BaseStart = pos[j];
                building.m_StartValue = building.m_BaseStartValue = S(pos[j]);
                state = 1;
            }
        } else if (state == 1) {
            if (R > Z + F)
                state = 2;
        } else if (state == 2) {
            if (F > Z + R) {
                int j = last;
                while (j > 0 && cls[j] != 1)
                    --j;
                building.m_Apex = pos[j];
                building.m_ApexTime = pos[j] / static_cast<double>(d.m_ChannelSetup.rate) / 60.0;
                building.m_ApexValue = S(pos[j]);
                state = 3;
            }
        } else if (state == 3) {
            if (F >= Z + R || F >= window || R >= window)
                state = 4;
        } else if (state == 4) {
            int j = last;
            while (j >= 1 && cls[j] == 1)
                --j;
            const std::int32_t p = pos[j];
            if (R >= window) {
                building.m_End = building.m_BaseEnd = p;
                building.m_EndValue = S(p);
                building.m_BaseEndValue = building.m_BaseStartValue;
                building.m_Flags |= 2;
                Append();
                building.m_StartValue = S(p);
                building.m_Flags = 0;
                building.m_GroupSize = 0;
                building.m_Start = building.m_BaseStart = p;
                building.m_Flags = 1;
                state = 1;
            } else if (Z >= window) {
                window = 5;
                building.m_End = building.m_BaseEnd = p;
                building.m_EndValue = building.m_BaseEndValue = S(p);
                Append();
                leader = static_cast<std::int32_t>(d.m_Peaks.size());
                state = 0;
            }
        }
    }

    void ForcedClose() {
        building.m_End = building.m_BaseEnd = pos[0];
        building.m_EndValue = S(pos[0]);
        Append();
        leader = static_cast<std::int32_t>(d.m_Peaks.size());
        state = 0;
    }

    CTzLabDoc& d;
    std::vector<std::int32_t> avg, pos, cls;
    double threshold = 0, baseThreshold = 0;
    std::int32_t bunch = 0, baseBunch = 0, doublingPeriod = 0, doublings = 0, allowed = 1,
                 forbidden = 0;
    std::int32_t window = 5, leader = 0, count = 0, state = 0, posOffset = 0, fill = 0;
    std::int64_t bunchSum = 0, prevMean = 0;  // a bunch's sum is exact, whatever its size
    std::int32_t bunches = 0, nextEvent = 0, R = 0, F = 0, Z = 0;
    PeakRecord building;
};

}  // namespace lx::test
