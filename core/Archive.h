#pragma once
// The archive stream of the workstation's files: little-endian items one after another, no
// alignment, strings as a length prefix and their code page 936 bytes.
//
// Readers never trust the bytes: every read is bounds-checked, a failed read makes the reader
// fail for good (later reads give zeros), and a count is checked against the bytes left before
// anything is allocated for it. Loaders read on and test Failed() at the points that matter.

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

class ArchiveWriter {
public:
    // Collects the archive in memory (Bytes()).
    ArchiveWriter() = default;
    // Streams the archive to an open file descriptor through a buffer.
    explicit ArchiveWriter(int fd) : m_Fd(fd) {}

    void WriteU8(std::uint8_t v) { Put(&v, 1); }
    void WriteU16(std::uint16_t v);
    void WriteI32(std::int32_t v) { WriteU32(static_cast<std::uint32_t>(v)); }
    void WriteU32(std::uint32_t v);
    void WriteF32(float v);
    void WriteF64(double v);
    // UTF-8 text, stored as code page 936 with the shortest length prefix.
    void WriteString(std::string_view utf8);
    // Already-encoded bytes behind a length prefix.
    void WriteRawString(std::string_view bytes);
    // Bytes as they stand, without a prefix (the text exports).
    void WriteBytes(std::string_view bytes) { Put(bytes.data(), bytes.size()); }
    // A block of i32 values; written straight from the caller's memory when streaming.
    void WriteI32Block(const std::int32_t* values, std::size_t count);

    // Writes out what is buffered; false when any write so far failed.
    bool Flush();
    bool Failed() const { return m_Failed; }
    // Why the first failure happened (an errno value), 0 while nothing failed.
    int Error() const { return m_Error; }
    // Stops the archive with `err`: what the file cannot hold is refused, not truncated.
    void Fail(int err);
    const std::vector<std::uint8_t>& Bytes() const { return m_Buffer; }

private:
    void Put(const void* data, std::size_t n);

    int m_Fd = -1;
    bool m_Failed = false;
    int m_Error = 0;
    std::vector<std::uint8_t> m_Buffer;
};

class ArchiveReader {
public:
    // Reads from bytes that outlive the reader.
    explicit ArchiveReader(std::span<const std::uint8_t> bytes);
    // Reads `size` bytes from an open file descriptor through a buffer.
    ArchiveReader(int fd, std::uint64_t size);

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
    std::uint32_t ReadU32();
    float ReadF32();
    double ReadF64();
    // Text decoded from code page 936 to UTF-8 (undecodable bytes survive, see CodePage936.h).
    std::string ReadString();
    // The stored bytes of a string, undecoded.
    std::string ReadRawString();
    // Reads `count` i32 values into `values`; the file case reads straight into that memory.
    bool ReadI32Block(std::int32_t* values, std::size_t count);

    // A count of items of at least `minBytesEach` bytes: fails the reader unless they can fit in
    // the bytes left (and the count is at most `maxCount`), so a damaged count never leads to a
    // huge allocation.
    bool CheckCount(std::uint64_t count, std::uint64_t minBytesEach,
                    std::uint64_t maxCount = UINT64_MAX);

    std::uint64_t Remaining() const { return m_Size - m_Consumed; }
    std::uint64_t Position() const { return m_Consumed; }
    bool Failed() const { return m_Failed; }

private:
    // Most items lie inside the current window: that case stays inline and branch-light.
    bool Get(void* dst, std::size_t n) {
        if (static_cast<std::size_t>(m_End - m_Cur) >= n && !m_Failed) {
            std::memcpy(dst, m_Cur, n);
            m_Cur += n;
            m_Consumed += n;
            return true;
        }
        return GetSlow(dst, n);
    }
    bool GetSlow(void* dst, std::size_t n);
    bool Refill(std::size_t wanted);

    int m_Fd = -1;
    std::uint64_t m_Size = 0;      // bytes in the whole source
    std::uint64_t m_Consumed = 0;  // bytes handed out so far
    bool m_Failed = false;
    const std::uint8_t* m_Cur = nullptr;  // unread part of the current window
    const std::uint8_t* m_End = nullptr;
    std::vector<std::uint8_t> m_Buffer;  // window for the file case
};

}  // namespace lx
