#include "acq/RunJournal.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <utility>

#include "acq/AcqTexts.h"
#include "core/Archive.h"
#include "core/CoreTexts.h"
#include "core/FileIo.h"
#include "core/FileKind.h"
#include "core/Format.h"
#include "core/TzdFile.h"

namespace lx {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "LX6600-RUN-JOURNAL\n";
constexpr auto kSyncInterval = std::chrono::seconds(1);
// Data folders sit directly under the application directory or a few levels below it.
constexpr int kSearchDepth = 3;

std::vector<std::uint8_t> HeaderBytes(const JournalHeader& header) {
    ArchiveWriter method;
    CTzLabDoc withoutSamples = header.method;
    withoutSamples.m_Samples = SampleArray();
    withoutSamples.Serialize(method);
    ArchiveWriter ar;
    ar.WriteI32(header.channel);
    ar.WriteI32(header.startedAt);
    ar.WriteString(header.projectPath);
    ar.WriteU32(static_cast<std::uint32_t>(method.Bytes().size()));
    ar.WriteBytes({reinterpret_cast<const char*>(method.Bytes().data()), method.Bytes().size()});
    return ar.Bytes();
}

std::string JournalName(const JournalHeader& header) {
    const std::time_t started = header.startedAt;
    std::tm local{};
    localtime_r(&started, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return Format("unfinished-run-%c-%s", header.channel == 0 ? 'a' : 'b', stamp) +
           RunJournal::kExtension;
}

}  // namespace

Result<RunJournal> RunJournal::Begin(const std::string& folder, const JournalHeader& header) {
    const std::string path = (fs::path(folder) / JournalName(header)).string();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return Result<RunJournal>::Failure(SaveFailureMessage(path, errno));
    RunJournal journal(fd, path);
    const std::vector<std::uint8_t> bytes = HeaderBytes(header);
    std::uint8_t length[4];
    const auto n = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i)
        length[i] = static_cast<std::uint8_t>(n >> (8 * i));
    if (!WriteFully(fd, kMagic.data(), kMagic.size()) || !WriteFully(fd, length, 4) ||
        !WriteFully(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0) {
        const int err = errno;
        journal.Remove();
        return Result<RunJournal>::Failure(SaveFailureMessage(path, err));
    }
    SyncFolder(folder);
    return journal;
}

RunJournal::RunJournal(int fd, std::string path)
    : m_Fd(fd), m_Path(std::move(path)), m_LastSync(std::chrono::steady_clock::now()) {}

RunJournal::RunJournal(RunJournal&& other) noexcept
    : m_Fd(std::exchange(other.m_Fd, -1)),
      m_Path(std::move(other.m_Path)),
      m_Failed(other.m_Failed),
      m_LastSync(other.m_LastSync) {}

RunJournal& RunJournal::operator=(RunJournal&& other) noexcept {
    if (this != &other) {
        Close();
        m_Fd = std::exchange(other.m_Fd, -1);
        m_Path = std::move(other.m_Path);
        m_Failed = other.m_Failed;
        m_LastSync = other.m_LastSync;
    }
    return *this;
}

RunJournal::~RunJournal() {
    Close();
}

void RunJournal::Close() {
    if (m_Fd >= 0)
        ::close(m_Fd);
    m_Fd = -1;
}

void RunJournal::Append(std::int32_t value) {
    if (m_Fd < 0 || m_Failed)
        return;
    const auto u = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                   static_cast<std::uint8_t>(u >> 16),
                                   static_cast<std::uint8_t>(u >> 24)};
    // Straight to the kernel: a killed process loses nothing it has recorded; only the disk
    // write waits for the once-a-second sync, which bounds what a power cut can take.
    if (!WriteFully(m_Fd, bytes, sizeof bytes)) {
        m_Failed = true;
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - m_LastSync >= kSyncInterval) {
        ::fdatasync(m_Fd);
        m_LastSync = now;
    }
}

void RunJournal::Remove() {
    Close();
    if (!m_Path.empty())
        ::unlink(m_Path.c_str());
    m_Path.clear();
}

Result<JournalHeader> ReadJournal(const std::string& path) {
    auto file = InputFile::Open(path);
    if (!file.ok())
        return file.status();
    ArchiveReader& ar = file->Reader();
    auto damaged = [&](std::string_view part) {
        return Result<JournalHeader>::Failure(
            LoadFailureMessage(path, FileKind::RunJournal, part, file->Head(512)));
    };
    std::string magic(kMagic.size(), '\0');
    for (char& c : magic)
        c = static_cast<char>(ar.ReadU8());
    const std::uint32_t headerLength = ar.ReadU32();
    if (ar.Failed() || magic != kMagic || headerLength > ar.Remaining())
        return damaged(Tr(texts::kPartJournalHeader));

    JournalHeader header;
    header.channel = ar.ReadI32();
    header.startedAt = ar.ReadI32();
    header.projectPath = ar.ReadString();
    const std::uint32_t methodLength = ar.ReadU32();
    if (ar.Failed() || (header.channel != 0 && header.channel != 1) ||
        methodLength > ar.Remaining())
        return damaged(Tr(texts::kPartJournalHeader));
    std::vector<std::uint8_t> methodBytes(methodLength);
    for (std::uint8_t& b : methodBytes)
        b = ar.ReadU8();
    auto method = LoadTzdBytes(methodBytes, path);
    if (!method.ok())
        return method.status();
    header.method = std::move(method.value());
    header.method.m_PathName.clear();

    // A value the crash cut in the middle is not a value.
    const auto count = static_cast<std::size_t>(ar.Remaining() / 4);
    header.method.m_Samples.Resize(count);
    if (!ar.ReadI32Block(header.method.m_Samples.data(), count))
        return damaged(Tr(texts::kPartSamples));
    return header;
}

std::vector<std::string> FindJournals(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ec;
    auto it =
        fs::recursive_directory_iterator(folder, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it.depth() >= kSearchDepth)
            it.disable_recursion_pending();
        const fs::path& p = it->path();
        if (p.extension() == RunJournal::kExtension &&
            p.filename().string().starts_with("unfinished-run-") && it->is_regular_file(ec))
            found.push_back(p.string());
    }
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return fs::path(a).filename() < fs::path(b).filename();
    });
    return found;
}

}  // namespace lx
