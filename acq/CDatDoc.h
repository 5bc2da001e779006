#pragma once
// A detector channel's acquisition document: it takes every value the receiver hands its
// channel, records them while a run is going (inverted, zeroed, with a stored baseline taken
// off when the channel says so), and at the end of a run turns the recording into a saved,
// integrated chromatogram. Every recorded value also goes to the run's journal, so a crash
// loses at most its last second.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "acq/CDatReceiver.h"
#include "acq/RunCompletion.h"
#include "acq/RunJournal.h"
#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "quant/CPrjDoc.h"

namespace lx {

class CDatDoc : public ChannelTarget {
public:
    // `frequency` is the setting "frequency" (values per second), taken as the channel's rate
    // now and at every run start. Default paths are under `appDir`.
    CDatDoc(int channel, int frequency, std::string appDir, ChannelView& view, Prompter& prompter);

    int Channel() const { return m_Channel; }
    // "通道 A" or "通道 B".
    std::string Title() const;

    bool IsRunning() const override { return m_Running; }
    void StartRun() override;
    void AddPoint(std::int32_t value) override;
    // Ends the run and saves it (FinishRun); the journal goes once the file is saved.
    void StopRun();
    // "取消采样": after the operator agrees, DiscardRun.
    bool CancelRun();
    // The run is dropped: nothing is saved and its journal goes.
    void DiscardRun();
    // "手动调零": the next value becomes the zero offset.
    void ZeroNext() { m_ZeroPending = true; }
    void SetFrequency(int frequency) { m_Frequency = frequency; }

    // After "自动扣除基线" was switched on, or at a run start with it on: loads the baseline
    // file. A missing name or an unreadable file switches the subtraction off again with the
    // operator's message; false then.
    bool LoadBaseline();
    void ReleaseBaseline() { m_Baseline.reset(); }

    // The time of the current sample count, minutes.
    double CurrentMinutes() const;

    // The channel's method: channel set-up, sample information, integration parameters, time
    // program, manual events and print settings. Its samples are the run being recorded.
    CTzLabDoc m_Method;
    CPrjDoc* m_Project = nullptr;  // the method project assigned to the channel; not owned

    std::int32_t m_SampleCount = 0;
    std::int32_t m_CurrentValue = 0;
    bool m_ZeroPending = false;
    std::int32_t m_ValueMin = kValueRangeStart;  // of the current run
    std::int32_t m_ValueMax = -kValueRangeStart;
    // The plot's level range after the last run, uV.
    std::int32_t m_PlotLow = 0;
    std::int32_t m_PlotHigh = 0;
    bool m_Modified = false;
    std::time_t m_StoppedAt = 0;

private:
    static constexpr std::int32_t kValueRangeStart = 2500000;

    void ResetValueRange();
    void BeginJournal();
    void EndRunState();
    void SaveRun();

    int m_Channel;
    int m_Frequency;
    std::string m_AppDir;
    ChannelView& m_View;
    Prompter& m_Prompter;
    bool m_Running = false;
    std::optional<CTzLabDoc> m_Baseline;
    std::optional<RunJournal> m_Journal;
};

}  // namespace lx
