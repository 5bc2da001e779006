#include "acq/CDatDoc.h"

#include <algorithm>
#include <memory>

#include "acq/AcqTexts.h"
#include "acq/RunFileName.h"
#include "core/AppPaths.h"
#include "core/Format.h"
#include "core/TzdFile.h"

namespace lx {

CDatDoc::CDatDoc(int channel, int frequency, std::string appDir, ChannelView& view,
                 Prompter& prompter)
    : m_Channel(channel),
      m_Frequency(frequency),
      m_AppDir(std::move(appDir)),
      m_View(view),
      m_Prompter(prompter) {
    m_Method.m_ChannelSetup.rate = frequency;
}

std::string CDatDoc::Title() const {
    return Tr(m_Channel == 0 ? texts::kChannelTitleA : texts::kChannelTitleB);
}

double CDatDoc::CurrentMinutes() const {
    return m_Method.SpanToMinutes(m_SampleCount);
}

void CDatDoc::ResetValueRange() {
    m_ValueMin = kValueRangeStart;
    m_ValueMax = -kValueRangeStart;
}

bool CDatDoc::LoadBaseline() {
    ChannelSetup& setup = m_Method.m_ChannelSetup;
    m_Baseline.reset();
    if (setup.baselineFile.empty()) {
        m_Prompter.Inform(Tr(texts::kBaselineMissing), Prompter::Icon::Error);
        setup.baselineOn = 0;
        return false;
    }
    const std::string path = ResolveStoredPath(setup.baselineFile, m_AppDir, m_AppDir);
    auto baseline = LoadTzdFile(path);
    if (!baseline.ok()) {
        m_Prompter.Inform(Format(Tr(texts::kBaselineUnreadable), setup.baselineFile.c_str()),
                          Prompter::Icon::Error);
        setup.baselineOn = 0;
        return false;
    }
    m_Baseline = std::move(baseline.value());
    return true;
}

void CDatDoc::StartRun() {
    ChannelSetup& setup = m_Method.m_ChannelSetup;
    setup.rate = m_Frequency;
    ResetValueRange();
    // "将起始采样点作为零点": every run is zeroed on its own first value, as if the operator
    // pressed manual zero at the start.
    if (setup.zeroAtStart)
        m_ZeroPending = true;
    if (setup.baselineOn && !m_Baseline)
        LoadBaseline();
    m_Running = true;
    m_CurrentValue = 0;
    m_SampleCount = 0;
    m_Method.m_Samples.Allocate();
    BeginJournal();
    m_View.RunStarted();
}

void CDatDoc::BeginJournal() {
    JournalHeader header;
    header.channel = m_Channel;
    header.startedAt = static_cast<std::int32_t>(std::time(nullptr));
    header.projectPath = m_Project ? m_Project->m_PathName : std::string();
    header.method.CopyMethodFrom(m_Method);
    auto journal = RunJournal::Begin(RunFolder(m_Method.m_ChannelSetup, m_AppDir), header);
    if (journal.ok())
        m_Journal.emplace(std::move(journal.value()));
    else
        m_Prompter.Inform(Format(Tr(texts::kJournalUnavailable), journal.error().c_str()),
                          Prompter::Icon::Warning);
}

void CDatDoc::AddPoint(std::int32_t value) {
    if (!m_Running)
        return;
    ChannelSetup& setup = m_Method.m_ChannelSetup;
    // Detector values lie within +-2.5 V, so none of this arithmetic can overflow; 64 bits
    // keep a crafted baseline file from making it.
    std::int64_t v = setup.invert ? -static_cast<std::int64_t>(value) : value;
    if (m_ZeroPending) {
        m_ZeroPending = false;
        setup.zeroOffset =
            static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    }
    v -= setup.zeroOffset;
    if (setup.baselineOn && m_Baseline)
        v -= m_Baseline->m_Samples.At(m_SampleCount);
    const auto recorded =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));

    m_Method.m_Samples.SetAt(static_cast<std::size_t>(m_SampleCount), recorded);
    if (m_Journal)
        m_Journal->Append(recorded);
    m_CurrentValue = recorded;
    m_Modified = true;
    m_ValueMin = std::min(m_ValueMin, recorded);
    m_ValueMax = std::max(m_ValueMax, recorded);
    m_View.PointAdded(m_SampleCount, recorded);
    ++m_SampleCount;

    if (CurrentMinutes() >= setup.stopTime) {
        StopRun();
    } else if (setup.baselineOn && m_Baseline &&
               static_cast<std::size_t>(m_SampleCount) >= m_Baseline->m_Samples.size()) {
        StopRun();
        m_Prompter.Inform(Tr(texts::kBaselineExhausted), Prompter::Icon::Information);
    }
}

void CDatDoc::StopRun() {
    if (!m_Running)
        return;
    m_StoppedAt = std::time(nullptr);
    m_Running = false;
    m_View.RunStopped();

    if (m_ValueMax == m_ValueMin) {
        m_PlotLow = m_ValueMin - 1000;
        m_PlotHigh = m_ValueMax + 1000;
    } else {
        const auto margin = static_cast<std::int32_t>(
            (static_cast<std::int64_t>(m_ValueMax) - m_ValueMin) * 5 / 100);
        m_PlotLow = m_ValueMin - margin;
        m_PlotHigh = m_ValueMax + margin;
    }
    m_Method.m_Samples.Resize(static_cast<std::size_t>(m_SampleCount));
    ChannelSetup& setup = m_Method.m_ChannelSetup;
    setup.timeMax = std::min(setup.timeMax, m_SampleCount);

    SaveRun();
    EndRunState();
}

bool CDatDoc::CancelRun() {
    if (!m_Running || !m_Prompter.Confirm(Tr(texts::kConfirmCancelRun)))
        return false;
    DiscardRun();
    return true;
}

void CDatDoc::DiscardRun() {
    ResetValueRange();
    m_Running = false;
    m_CurrentValue = 0;
    if (m_Journal)
        m_Journal->Remove();
    m_Journal.reset();
    EndRunState();
}

void CDatDoc::EndRunState() {
    m_SampleCount = 0;
    m_Modified = false;
    m_Method.m_Samples = SampleArray();
}

void CDatDoc::SaveRun() {
    auto record = std::make_unique<CTzLabDoc>();
    record->CopyMethodFrom(m_Method);
    record->m_Samples = std::move(m_Method.m_Samples);
    record->m_CreatedAt = static_cast<std::int32_t>(std::time(nullptr));

    FinishedRun run =
        FinishRun(std::move(record), {m_Channel, &m_Method.m_ChannelSetup, m_Project, m_AppDir},
                  m_View, m_Prompter);
    // Until the file is on disk the journal is the run's only copy.
    if (m_Journal && !run.path.empty())
        m_Journal->Remove();
    m_Journal.reset();
    m_View.RunFinished(std::move(run));
}

}  // namespace lx
