#include "interchange/andi/ClassicHeader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Format.h"
#include "interchange/andi/AndiTexts.h"

namespace lx {
namespace {

// Tags and limits of the classic layout.
constexpr std::uint32_t kTagDimension = 0x0A;
constexpr std::uint32_t kTagVariable = 0x0B;
constexpr std::uint32_t kTagAttribute = 0x0C;
constexpr std::uint32_t kStreaming = 0xFFFFFFFF;
constexpr std::uint32_t kMaxName = 256;  // NC_MAX_NAME
// The fewest bytes one entry of a list can take, so a count can be checked before the walk.
constexpr std::uint64_t kMinDimBytes = 12;  // name (length, 4 padded bytes), length
constexpr std::uint64_t kMinAttBytes = 16;  // name, type, count
constexpr std::uint64_t kMinVarBytes = 32;  // name, rank, no attributes, type, size, begin
constexpr std::uint64_t kMinDimIdBytes = 4;

std::uint64_t TypeSize(std::uint32_t type) {
    switch (type) {
        case 1:  // byte
        case 2:  // char
            return 1;
        case 3:  // short
            return 2;
        case 4:  // int
        case 5:  // float
            return 4;
        case 6:  // double
            return 8;
        default:
            return 0;
    }
}

std::uint64_t Padded(std::uint64_t n) {
    return (n + 3) / 4 * 4;
}

// a x b, or nothing when it would not fit 64 bits.
std::optional<std::uint64_t> Times(std::uint64_t a, std::uint64_t b) {
    if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a)
        return std::nullopt;
    return a * b;
}

struct Variable {
    std::string name;
    std::vector<std::uint32_t> dims;
    std::uint32_t type = 0;
    std::uint64_t begin = 0;
};

// A failed walk says what was wrong in the operator's words; the first failure stays.
class Walk {
public:
    Walk(std::span<const std::uint8_t> bytes, int offsetBytes)
        : m_Bytes(bytes), m_OffsetBytes(offsetBytes) {}

    bool Failed() const { return !m_Why.empty(); }
    const std::string& Why() const { return m_Why; }
    void Fail(std::string why) {
        if (m_Why.empty())
            m_Why = std::move(why);
    }

    std::uint32_t U32() {
        std::uint64_t v = 0;
        return Take(4, v) ? static_cast<std::uint32_t>(v) : 0;
    }
    std::uint64_t Offset() {
        std::uint64_t v = 0;
        Take(m_OffsetBytes, v);
        return v;
    }
    // A count of entries of at least `minBytes` each, refused when they cannot fit.
    std::uint32_t Count(std::uint64_t minBytes) {
        const std::uint32_t n = U32();
        if (!Failed() && n > 0 && n > Remaining() / minBytes) {
            Fail(Format(Tr(texts::kAndiCountTooLarge), static_cast<unsigned long long>(n)));
            return 0;
        }
        return n;
    }
    void Skip(std::uint64_t n) {
        if (Failed())
            return;
        if (n > Remaining())
            return Fail(Tr(texts::kAndiHeaderCut));
        m_At += n;
    }
    std::string Name() {
        const std::uint32_t n = U32();
        if (Failed())
            return {};
        if (n == 0 || n > kMaxName) {
            Fail(Tr(texts::kAndiHeaderWrong));
            return {};
        }
        const std::size_t at = m_At;
        Skip(Padded(n));
        return Failed() ? std::string()
                        : std::string(m_Bytes.begin() + at, m_Bytes.begin() + at + n);
    }
    // A list's tag and count: absent (two zeros) or the expected tag.
    std::uint32_t ListCount(std::uint32_t tag, std::uint64_t minBytes) {
        const std::uint32_t found = U32();
        if (found != 0 && found != tag)
            Fail(Tr(texts::kAndiHeaderWrong));
        const std::uint32_t n = Count(minBytes);
        if (found == 0 && n != 0)
            Fail(Tr(texts::kAndiHeaderWrong));
        return Failed() ? 0 : n;
    }
    void Attributes() {
        const std::uint32_t n = ListCount(kTagAttribute, kMinAttBytes);
        for (std::uint32_t i = 0; i < n && !Failed(); ++i) {
            Name();
            const std::uint64_t size = TypeSize(U32());
            const std::uint32_t count = U32();
            if (Failed())
                return;
            if (size == 0)
                return Fail(Tr(texts::kAndiHeaderWrong));
            // count x size cannot overflow: both are below 2^32 and 8.
            if (Padded(count * size) > Remaining())
                return Fail(
                    Format(Tr(texts::kAndiCountTooLarge), static_cast<unsigned long long>(count)));
            Skip(Padded(count * size));
        }
    }

    std::uint64_t Position() const { return m_At; }

private:
    std::uint64_t Remaining() const { return m_Bytes.size() - m_At; }
    bool Take(int n, std::uint64_t& v) {
        if (Failed())
            return false;
        if (static_cast<std::uint64_t>(n) > Remaining()) {
            Fail(Tr(texts::kAndiHeaderCut));
            return false;
        }
        for (int i = 0; i < n; ++i)
            v = (v << 8) | m_Bytes[m_At++];
        return true;
    }

    std::span<const std::uint8_t> m_Bytes;
    int m_OffsetBytes;
    std::size_t m_At = 4;  // after the magic
    std::string m_Why;
};

// Checks that every variable's values lie inside the file: fixed variables at their begin,
// record variables in every record. `length` becomes the end of the last values, padded to
// 4 bytes as the library lays them out.
std::string CheckExtents(const std::vector<Variable>& vars, const std::vector<std::uint64_t>& dims,
                         std::uint64_t records, std::uint64_t fileSize, std::uint64_t& length) {
    auto slab = [&](const Variable& v) -> std::optional<std::uint64_t> {
        std::optional<std::uint64_t> n = TypeSize(v.type);
        for (std::size_t k = 0; k < v.dims.size() && n; ++k)
            if (dims[v.dims[k]] != 0)
                n = Times(*n, dims[v.dims[k]]);
        return n;
    };
    auto isRecord = [&](const Variable& v) { return !v.dims.empty() && dims[v.dims[0]] == 0; };
    const auto recordVars = std::count_if(vars.begin(), vars.end(), isRecord);
    // The record holds every record variable's slab padded to 4 bytes, except that a lone
    // record variable is not padded.
    std::uint64_t recordSize = 0;
    for (const Variable& v : vars) {
        const std::optional<std::uint64_t> n = slab(v);
        if (!n)
            return Format(Tr(texts::kAndiDataPastEnd), v.name.c_str());
        if (isRecord(v))
            recordSize += recordVars == 1 ? *n : Padded(*n);
    }
    for (const Variable& v : vars) {
        const std::uint64_t n = *slab(v);
        std::optional<std::uint64_t> end = v.begin;
        if (isRecord(v)) {
            // With no records the file still reaches the start of the record section.
            if (records == 0) {
                length = std::max(length, std::min(fileSize, v.begin));
                continue;
            }
            const std::optional<std::uint64_t> before = Times(records - 1, recordSize);
            end = before ? std::optional<std::uint64_t>(*before + v.begin) : std::nullopt;
        }
        if (!end || *end > fileSize || n > fileSize - *end)
            return Format(Tr(texts::kAndiDataPastEnd), v.name.c_str());
        length = std::max(length, std::min(fileSize, *end + Padded(n)));
    }
    return {};
}

// What is wrong with the header, or "" with `length` the file's own length.
std::string WalkHeader(std::span<const std::uint8_t> bytes, int offsetBytes,
                       std::uint64_t& length) {
    Walk walk(bytes, offsetBytes);
    const std::uint32_t records = walk.U32();
    if (!walk.Failed() && records == kStreaming)
        return Tr(texts::kAndiStreaming);

    std::vector<std::uint64_t> dims(walk.ListCount(kTagDimension, kMinDimBytes));
    bool haveRecordDim = false;
    for (std::uint64_t& length : dims) {
        walk.Name();
        length = walk.U32();
        if (!walk.Failed() && length == 0) {
            if (haveRecordDim)
                walk.Fail(Tr(texts::kAndiHeaderWrong));
            haveRecordDim = true;
        }
    }
    walk.Attributes();

    std::vector<Variable> vars(walk.ListCount(kTagVariable, kMinVarBytes));
    for (Variable& v : vars) {
        v.name = walk.Name();
        v.dims.resize(walk.Count(kMinDimIdBytes));
        for (std::size_t k = 0; k < v.dims.size(); ++k) {
            v.dims[k] = walk.U32();
            // Only the first dimension of a variable may be the record dimension.
            if (!walk.Failed() && (v.dims[k] >= dims.size() || (k > 0 && dims[v.dims[k]] == 0)))
                walk.Fail(Tr(texts::kAndiHeaderWrong));
        }
        walk.Attributes();
        v.type = walk.U32();
        walk.U32();  // the stored size, which the layout recomputes
        v.begin = walk.Offset();
        if (!walk.Failed() && TypeSize(v.type) == 0)
            walk.Fail(Tr(texts::kAndiHeaderWrong));
        if (walk.Failed())
            break;
    }
    if (walk.Failed())
        return walk.Why();
    length = walk.Position();
    return CheckExtents(vars, dims, records, bytes.size(), length);
}

}  // namespace

Result<std::uint64_t> CheckClassicNetCdf(std::span<const std::uint8_t> bytes,
                                         const std::string& name) {
    const std::string_view head(reinterpret_cast<const char*>(bytes.data()),
                                std::min<std::size_t>(bytes.size(), 4));
    if (head == std::string_view("\x89HDF", 4))
        return Status::Failure(Format(Tr(texts::kAndiNetCdf4), name.c_str()));
    if (head != std::string_view("CDF\x01", 4) && head != std::string_view("CDF\x02", 4))
        return Status::Failure(Format(Tr(texts::kAndiNotNetCdf), name.c_str()));
    std::uint64_t length = 0;
    const std::string why = WalkHeader(bytes, head[3] == 1 ? 4 : 8, length);
    if (!why.empty())
        return Status::Failure(Format(Tr(texts::kAndiDamaged), name.c_str(), why.c_str()));
    return length;
}

}  // namespace lx
