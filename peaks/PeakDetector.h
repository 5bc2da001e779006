#pragma once
// The first stage of integration: one forward pass over the samples that finds each peak's
// start, apex and end. A slope detector classifies bunches of moving-averaged samples as flat,
// rising or falling; a five-state machine turns the recent classes into peaks. The time
// program step runs before every sample and may change the bunch size and threshold, or forbid
// integration for a while.
//
// The names of the working state are the workstation's. Files integrated by the workstation
// must give the same peak table here, so every truncation, every strict or non-strict
// comparison and the lag of the bunch positions are kept exactly.

#include <array>
#include <cstdint>
#include <vector>

#include "core/CTzLabDoc.h"

namespace lx {

// How the state machine reads the recent bunches.
enum class DetectorState : std::int32_t {
    OnBaseline = 0,     // waiting for a rise
    RiseSeen = 1,       // a peak has started
    RiseConfirmed = 2,  // rising; the apex is still ahead
    Falling = 3,        // the apex has passed
    Tail = 4,           // the tail: ends when flat again or in a valley before a new rise
};

enum class BunchClass : std::int32_t { Flat = 0, Rising = 1, Falling = 2 };

// What the rest of the pipeline needs from a pass: the bunch size and slope threshold in
// force at its end, which the baseline refinement uses.
struct DetectionResult {
    std::int32_t bunch = 0;
    double threshold = 0.0;
};

class PeakDetector {
public:
    // Starts a pass over `doc`: the reset, which also empties doc.m_Peaks. The detector
    // appends to doc.m_Peaks; doc must outlive it.
    explicit PeakDetector(CTzLabDoc& doc);

    // Runs the whole pass: the time program step and the detector for every sample, then the
    // close at the end of the data.
    DetectionResult Run();

    // The pieces of Run(), for a pass driven sample by sample.
    void TimeProgramStep();
    void Feed(std::int32_t v) { FeedSamples(&v, 1); }
    DetectionResult CloseAtEnd();

    // Samples fed so far.
    std::int32_t Count() const { return m_Count; }
    DetectorState State() const { return m_State; }
    // Bunch classes the state machine counts now: 5 on the baseline, 3 during a peak.
    std::int32_t Window() const { return m_Window; }
    // What the time program step put in force for the next sample.
    std::int32_t Bunch() const { return m_Bunch; }
    double Threshold() const { return m_Threshold; }
    std::int32_t PosOffset() const { return m_PosOffset; }  // the lag of bunch positions
    bool Allowed() const { return m_Allowed != 0; }
    std::int32_t NextEntry() const { return m_NextEvent; }  // time program entries applied

    // Bunch history, oldest first: at most kMaxHistory entries are kept.
    static constexpr int kMaxHistory = 59;
    int HistorySize() const { return m_HistorySize; }
    std::int32_t BunchPos(int j) const {
        return m_BunchPos[static_cast<std::size_t>(m_HistoryHead + j)];
    }
    BunchClass BunchClassAt(int j) const { return static_cast<BunchClass>(ClassNumberAt(j)); }

private:
    std::int32_t ClassNumberAt(int j) const {
        return m_BunchClass[static_cast<std::size_t>(m_HistoryHead + j)];
    }
    // Class numbers as the branch-free classification computes them.
    static constexpr std::int32_t kRising = static_cast<std::int32_t>(BunchClass::Rising);
    static constexpr std::int32_t kFalling = static_cast<std::int32_t>(BunchClass::Falling);

    // Working state of the pass, under the workstation's names.
    std::array<std::int32_t, 4> m_AvgWindow{};  // ring of the last m_AvgLength raw samples
    std::int64_t m_AvgSum = 0;                  // and their sum
    std::int32_t m_Count = 0;
    DetectorState m_State = DetectorState::OnBaseline;
    std::int32_t m_Bunch = 0;
    double m_Threshold = 0.0;
    std::int32_t m_Window = 5;
    std::int32_t m_DoublingPeriod = 0;
    std::int32_t m_Doublings = 0;
    std::int32_t m_Allowed = 1;
    std::int32_t m_Forbidden = 0;
    std::int32_t m_GroupLeader = 0;
    std::int32_t m_PosOffset = 0;
    // A bunch of full-scale samples passes 2^31 from about 860 samples on (time doubling
    // makes bunches that large), so its sum is kept in 64 bits: the mean is then the level of
    // the bunch whatever its size, and for every smaller bunch it is the value it always was.
    std::int64_t m_BunchSum = 0;
    std::int32_t m_BunchFill = 0;
    std::int32_t m_Bunches = 0;
    std::int32_t m_PrevMean = 0;
    std::int32_t m_Rising = 0, m_Falling = 0, m_Flat = 0;
    std::int32_t m_NextEvent = 0;
    std::int32_t m_BaseBunch = 0;
    double m_BaseThreshold = 0.0;
    PeakRecord m_Building;

    // Feeds samples during which the time program step has nothing to do: the bunch size
    // stays as it is, so the running state can live in registers.
    void FeedSamples(const std::int32_t* v, std::size_t n);
    // The same for samples from..to of the record's own array, whose earlier samples serve as
    // the moving-average window; bunches fill in tight loops.
    void FeedRange(const std::int32_t* samples, std::size_t from, std::size_t to);
    void CompleteBunch(std::int64_t bunchSum);
    // What a bunch needs of the bunch size and threshold in force, derived when they change.
    void DeriveBunchRule();
    void PushBunch(std::int32_t pos, std::int32_t cls);
    void CountClasses();
    // Whether this evaluation moves the state machine; most bunches leave it where it is, and
    // the transition itself is kept off that path.
    bool StateCanChange() const;
    // The transition out of the current state; only when StateCanChange().
    void StateMachineStep();
    void ForcedClose();
    void AppendBuilding();
    std::int32_t S(std::int32_t i) const { return m_Doc.m_Samples.At(i); }
    // Parameters from the record when no time program entry is in force.
    void TakeRecordParameters();
    // The next sample count at which the time program step can give anything new: the step
    // is a pure function of the count between the lock time, the entries' times and the
    // doubling boundaries, so the pass runs it only there.
    std::int64_t NextStepDue() const;

    // The history lives at [m_HistoryHead, m_HistoryHead + m_HistorySize) of a buffer that is
    // compacted to its front when full, so entries are indexed without wrapping.
    static constexpr int kBuffer = 256;
    static constexpr std::int32_t kAvgLength = 4;  // the moving average's length
    CTzLabDoc& m_Doc;
    std::vector<PeakRecord>& m_Peaks;
    std::array<std::int32_t, kBuffer> m_BunchPos{};
    std::array<std::int32_t, kBuffer> m_BunchClass{};
    int m_HistoryHead = 0;
    int m_HistorySize = 0;
    // Class counts of the newest m_CountedWindow entries, kept as bunches arrive: one byte per
    // class (flat, rising, falling from the lowest byte), so no count depends on a branch.
    std::int32_t m_CountedWindow = -1;
    std::uint32_t m_WindowCounts = 0;
    // What the record sets, fixed for the pass.
    std::int32_t m_RecordBunch = 0;
    double m_RecordThreshold = 0.0;
    std::int32_t m_RecordDoublingPeriod = 0;
    std::int32_t m_LockIndex = 0;
    // 1 / m_Bunch for DivideTowardZero; floor(m_Threshold), against which an integer slope
    // compares as it does against the threshold itself (no slope passes a NaN threshold).
    double m_Reciprocal = 0.0;
    std::int64_t m_RisingAbove = 0;
    std::int64_t m_FallingBelow = 0;
    // 2^m_Doublings for the m_Doublings it was computed for.
    std::int32_t m_FactorDoublings = 0;
    double m_DoublingFactor = 1.0;
    std::vector<std::int32_t> m_EventIndex;
    bool m_UseTimeProgram = false;
};

}  // namespace lx
