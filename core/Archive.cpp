#include "core/Archive.h"

#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstring>

#include "core/CodePage936.h"
#include "core/FileIo.h"

namespace lx {
namespace {

constexpr std::size_t kStreamBuffer = 64 * 1024;
constexpr bool kLittleEndianHost = std::endian::native == std::endian::little;

void StoreLe(std::uint8_t* p, std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint64_t LoadLe(const std::uint8_t* p, int n) {
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= static_cast<std::uint64_t>(p[i]) << (8 * i);
    return v;
}

}  // namespace

// ---- writer ----

void ArchiveWriter::WriteU16(std::uint16_t v) {
    std::uint8_t b[2];
    StoreLe(b, v, 2);
    Put(b, 2);
}
void ArchiveWriter::WriteU32(std::uint32_t v) {
    std::uint8_t b[4];
    StoreLe(b, v, 4);
    Put(b, 4);
}
void ArchiveWriter::WriteF32(float v) {
    WriteU32(std::bit_cast<std::uint32_t>(v));
}
void ArchiveWriter::WriteF64(double v) {
    std::uint8_t b[8];
    StoreLe(b, std::bit_cast<std::uint64_t>(v), 8);
    Put(b, 8);
}

void ArchiveWriter::WriteString(std::string_view utf8) {
    WriteRawString(EncodeGbk(utf8));
}

void ArchiveWriter::WriteRawString(std::string_view bytes) {
    const std::size_t n = bytes.size();
    if (n < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(n));
    } else if (n <= 0xFFFFFFFFu) {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(n));
    } else {
        Fail(EFBIG);
        return;
    }
    Put(bytes.data(), n);
}

void ArchiveWriter::WriteI32Block(const std::int32_t* values, std::size_t count) {
    if constexpr (kLittleEndianHost) {
        if (m_Fd >= 0) {
            // The buffer goes first so the block follows the count directly in the file.
            if (Flush() && !WriteFully(m_Fd, values, count * 4))
                Fail(errno != 0 ? errno : EIO);
            return;
        }
        Put(values, count * 4);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            WriteI32(values[i]);
    }
}

void ArchiveWriter::Fail(int err) {
    if (!m_Failed)
        m_Error = err;
    m_Failed = true;
    m_Buffer.clear();
}

void ArchiveWriter::Put(const void* data, std::size_t n) {
    // The file is lost after a failed write: nothing more is kept for it.
    if (m_Failed && m_Fd >= 0)
        return;
    auto p = static_cast<const std::uint8_t*>(data);
    m_Buffer.insert(m_Buffer.end(), p, p + n);
    if (m_Fd >= 0 && m_Buffer.size() >= kStreamBuffer)
        Flush();
}

bool ArchiveWriter::Flush() {
    if (m_Fd >= 0 && !m_Buffer.empty() && !m_Failed) {
        if (!WriteFully(m_Fd, m_Buffer.data(), m_Buffer.size()))
            Fail(errno != 0 ? errno : EIO);
        m_Buffer.clear();
    }
    return !m_Failed;
}

// ---- reader ----

ArchiveReader::ArchiveReader(std::span<const std::uint8_t> bytes)
    : m_Size(bytes.size()), m_Cur(bytes.data()), m_End(bytes.data() + bytes.size()) {}

ArchiveReader::ArchiveReader(int fd, std::uint64_t size) : m_Fd(fd), m_Size(size) {
    m_Buffer.resize(kStreamBuffer);
    m_Cur = m_End = m_Buffer.data();
}

bool ArchiveReader::Refill(std::size_t wanted) {
    // Keep the unread tail, then top the window up from the file.
    std::size_t have = static_cast<std::size_t>(m_End - m_Cur);
    std::memmove(m_Buffer.data(), m_Cur, have);
    m_Cur = m_Buffer.data();
    m_End = m_Cur + have;
    while (have < wanted) {
        ssize_t r = ::read(m_Fd, m_Buffer.data() + have, m_Buffer.size() - have);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        have += static_cast<std::size_t>(r);
        m_End = m_Cur + have;
    }
    return true;
}

bool ArchiveReader::GetSlow(void* dst, std::size_t n) {
    if (m_Failed || n > Remaining()) {
        m_Failed = true;
        std::memset(dst, 0, n);
        return false;
    }
    auto* out = static_cast<std::uint8_t*>(dst);
    std::size_t inWindow = static_cast<std::size_t>(m_End - m_Cur);
    if (inWindow < n && m_Fd >= 0) {
        if (n <= m_Buffer.size()) {
            if (!Refill(n)) {
                m_Failed = true;
                std::memset(dst, 0, n);
                return false;
            }
        } else {
            // Large blocks bypass the window: what it holds first, the rest straight from the file.
            std::memcpy(out, m_Cur, inWindow);
            m_Cur = m_End;
            std::size_t done = inWindow;
            while (done < n) {
                ssize_t r = ::read(m_Fd, out + done, n - done);
                if (r < 0 && errno == EINTR)
                    continue;
                if (r <= 0) {
                    m_Failed = true;
                    return false;
                }
                done += static_cast<std::size_t>(r);
            }
            m_Consumed += n;
            return true;
        }
    }
    std::memcpy(out, m_Cur, n);
    m_Cur += n;
    m_Consumed += n;
    return true;
}

std::uint8_t ArchiveReader::ReadU8() {
    std::uint8_t v = 0;
    Get(&v, 1);
    return v;
}
std::uint16_t ArchiveReader::ReadU16() {
    std::uint8_t b[2];
    Get(b, 2);
    return static_cast<std::uint16_t>(LoadLe(b, 2));
}
std::uint32_t ArchiveReader::ReadU32() {
    std::uint8_t b[4];
    Get(b, 4);
    return static_cast<std::uint32_t>(LoadLe(b, 4));
}
float ArchiveReader::ReadF32() {
    return std::bit_cast<float>(ReadU32());
}
double ArchiveReader::ReadF64() {
    std::uint8_t b[8];
    Get(b, 8);
    return std::bit_cast<double>(LoadLe(b, 8));
}

std::string ArchiveReader::ReadRawString() {
    std::uint64_t n = ReadU8();
    if (n == 0xFF) {
        n = ReadU16();
        // 0xFFFE marks a wide-character string, which the workstation never writes.
        if (n == 0xFFFE)
            m_Failed = true;
        else if (n == 0xFFFF)
            n = ReadU32();
    }
    if (!CheckCount(n, 1))
        return {};
    std::string bytes(static_cast<std::size_t>(n), '\0');
    Get(bytes.data(), bytes.size());
    return bytes;
}

std::string ArchiveReader::ReadString() {
    return DecodeGbk(ReadRawString());
}

bool ArchiveReader::ReadI32Block(std::int32_t* values, std::size_t count) {
    if (!CheckCount(count, 4))
        return false;
    if constexpr (kLittleEndianHost) {
        return Get(values, count * 4);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            values[i] = ReadI32();
        return !m_Failed;
    }
}

bool ArchiveReader::CheckCount(std::uint64_t count, std::uint64_t minBytesEach,
                               std::uint64_t maxCount) {
    if (m_Failed || count > maxCount || (minBytesEach > 0 && count > Remaining() / minBytesEach))
        m_Failed = true;
    return !m_Failed;
}

}  // namespace lx
