#pragma once
// Assembles file bytes by hand for the layout tests, independently of the archive writer, so a
// test compares the program against the layout tables and not against itself.

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace lx::test {

class ByteBuilder {
public:
    ByteBuilder& U8(std::uint8_t v) {
        m_Bytes.push_back(v);
        return *this;
    }
    ByteBuilder& U16(std::uint16_t v) { return Le(v, 2); }
    ByteBuilder& I32(std::int32_t v) { return Le(static_cast<std::uint32_t>(v), 4); }
    ByteBuilder& F32(float v) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        return Le(bits, 4);
    }
    ByteBuilder& F64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return Le(bits, 8);
    }
    ByteBuilder& Raw(std::initializer_list<std::uint8_t> bytes) {
        m_Bytes.insert(m_Bytes.end(), bytes);
        return *this;
    }
    // A string whose bytes are given (already in code page 936), with the one-byte prefix.
    ByteBuilder& ShortString(const std::string& bytes) {
        U8(static_cast<std::uint8_t>(bytes.size()));
        m_Bytes.insert(m_Bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // The 0xFF + u16 length form.
    ByteBuilder& MediumString(const std::string& bytes) {
        U8(0xFF).U16(static_cast<std::uint16_t>(bytes.size()));
        m_Bytes.insert(m_Bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    ByteBuilder& Append(const std::vector<std::uint8_t>& bytes) {
        m_Bytes.insert(m_Bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }

    const std::vector<std::uint8_t>& Bytes() const { return m_Bytes; }
    std::size_t size() const { return m_Bytes.size(); }

private:
    ByteBuilder& Le(std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            m_Bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::vector<std::uint8_t> m_Bytes;
};

}  // namespace lx::test
