#include "acq/CDatReceiver.h"

#include <filesystem>

#include "acq/AcqTexts.h"
#include "core/FileIo.h"

namespace lx {

std::vector<std::string> DemoSignalPaths(const std::string& appDir) {
    namespace fs = std::filesystem;
    std::vector<std::string> paths{"TzDemo", (fs::path(appDir) / "TzDemo").string()};
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        paths.push_back((exe.parent_path().parent_path() / "share/lx6600/TzDemo").string());
    return paths;
}

std::optional<std::vector<std::int32_t>> ReadDemoSignal(const std::string& path) {
    auto file = InputFile::Open(path);
    if (!file.ok())
        return std::nullopt;
    ArchiveReader& reader = file->Reader();
    std::vector<std::int32_t> values(static_cast<std::size_t>(reader.Remaining() / 4));
    if (!reader.ReadI32Block(values.data(), values.size()))
        return std::nullopt;
    return values;
}

void ReceiverHost::PostChunk(std::span<const std::uint8_t> bytes, CDatReceiver& receiver) {
    receiver.OnChunk(bytes);
}

CDatReceiver::CDatReceiver(ReceiverSettings settings, SerialLink* link, ReceiverHost& host,
                           Prompter& prompter)
    : m_Settings(std::move(settings)),
      m_Link(link),
      m_Host(host),
      m_Prompter(prompter),
      m_Decoder(m_Settings.decoder, [this](int channel, std::int32_t value, bool start) {
          Deliver(channel, value, start);
      }) {}

CDatReceiver::~CDatReceiver() {
    if (m_Link && m_Link->IsOpen())
        m_Link->Close();
}

void CDatReceiver::SetChannel(int channel, ChannelTarget* target) {
    m_Channels[static_cast<std::size_t>(channel)] = target;
}

void CDatReceiver::StartAcquisition() {
    if (m_Settings.source == AcquisitionSource::Demo)
        StartDemo();
    else
        StartDetector();
}

void CDatReceiver::StartDemo() {
    if (m_Receiving)
        return;
    if (!LoadDemo()) {
        m_Receiving = false;
        return;
    }
    m_Host.StartTimer(kDemoTimer, kDemoPeriodMs);
    m_Receiving = true;
}

bool CDatReceiver::LoadDemo() {
    if (m_Demo)
        return true;
    for (const std::string& path : m_Settings.demoPaths)
        if ((m_Demo = ReadDemoSignal(path)))
            break;
    if (!m_Demo) {
        m_Prompter.Inform(Tr(texts::kDemoFileMissing), Prompter::Icon::Information);
        return false;
    }
    m_PlayIndex = 0;
    return true;
}

void CDatReceiver::StartDetector() {
    m_Receiving = false;
    if (!m_Link) {
        m_Prompter.Inform(Tr(texts::kPortSettingError), Prompter::Icon::Error);
        return;
    }
    if (m_Link->IsOpen())
        m_Link->Close();
    if (!m_Link->Open(m_Settings.port)) {
        m_Prompter.Inform(Tr(texts::kPortSettingError), Prompter::Icon::Error);
        return;
    }
    if (!m_Link->StartMonitoring(
            [this](std::span<const std::uint8_t> bytes) { m_Host.PostChunk(bytes, *this); })) {
        m_Link->Close();
        m_Prompter.Inform(Tr(texts::kAcquisitionPortError), Prompter::Icon::Error);
        return;
    }
    m_Host.StartTimer(kSilenceTimer, kSilencePeriodMs);
}

void CDatReceiver::OnChunk(std::span<const std::uint8_t> bytes) {
    m_Receiving = true;
    if (!m_Link || !m_Link->IsOpen())
        return;
    // The workstation queued each chunk in a 1024-byte ring and drained it at once; the
    // decoder keeps the partial frame itself, so the bytes go straight to it.
    m_Decoder.Feed(bytes);
}

void CDatReceiver::OnTimer(int id) {
    if (m_Settings.source == AcquisitionSource::Detector) {
        if (id != kSilenceTimer)
            return;
        m_Host.StopTimer(kSilenceTimer);
        if (m_Link && m_Link->IsOpen() && !m_Receiving) {
            m_Link->Close();
            m_Prompter.Inform(Tr(texts::kLineSilent), Prompter::Icon::Warning);
        }
        return;
    }
    // The demo plays one value per channel on its own 50 ms timer only, so it keeps the
    // 20 values per second of a run's time axis (other receiver ticks would add values).
    if (id == kDemoTimer && m_Receiving)
        DemoStep();
}

void CDatReceiver::DemoStep() {
    m_Receiving = true;
    if (!m_Demo || m_Demo->empty())
        return;
    const std::int32_t value = (*m_Demo)[m_PlayIndex];
    m_PlayIndex = (m_PlayIndex + 1) % m_Demo->size();
    Deliver(0, value, false);
    Deliver(1, value, false);
}

void CDatReceiver::Deliver(int channel, std::int32_t value, bool start) {
    const auto c = static_cast<std::size_t>(channel);
    if (ChannelTarget* target = m_Channels[c]) {
        if (start && !target->IsRunning() && !m_StartLatch[c]) {
            target->StartRun();  // the value that starts a run is its first point
        } else if (!start && !target->IsRunning()) {
            m_StartLatch[c] = false;
        }
        target->AddPoint(value);
    }
    // A run started by the signal needs the signal to drop, after the run has ended, before
    // the next one can start.
    if (start)
        m_StartLatch[c] = true;
}

void CDatReceiver::ClosePort() {
    if (m_Settings.source == AcquisitionSource::Demo)
        m_Host.StopTimer(kDemoTimer);
    if (m_Link && m_Link->IsOpen())
        m_Link->Close();
}

}  // namespace lx
