#include "core/CodePage936.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lx {
namespace {

constexpr char32_t kEscapeBase = 0xF700;  // byte b (>= 0x80) <-> U+F700 + b

// One conversion descriptor per direction and thread; iconv_open is far dearer than a short
// string conversion.
class Converter {
public:
    // Without the system's code page 936 tables no Chinese text could be read or saved
    // without loss, so the program stops at once with the reason rather than garble files.
    Converter(const char* to, const char* from) : m_Cd(iconv_open(to, from)) {
        if (m_Cd == reinterpret_cast<iconv_t>(-1)) {
            std::fprintf(stderr,
                         "lx6600: the system cannot convert %s to %s (are the glibc gconv "
                         "modules installed?)\n",
                         from, to);
            std::abort();
        }
    }
    ~Converter() { iconv_close(m_Cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`; false when some input could not be converted (out is then partial).
    bool Convert(std::string_view in, std::string& out) {
        iconv(m_Cd, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        std::array<char, 512> buf;
        while (inLeft > 0) {
            char* outPtr = buf.data();
            size_t outLeft = buf.size();
            size_t r = iconv(m_Cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buf.data(), buf.size() - outLeft);
            if (r == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        char* outPtr = buf.data();
        size_t outLeft = buf.size();
        iconv(m_Cd, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buf.data(), buf.size() - outLeft);
        return true;
    }

private:
    iconv_t m_Cd;
};

Converter& GbkToUtf8() {
    thread_local Converter c("UTF-8", "CP936");
    return c;
}
Converter& Utf8ToGbk() {
    thread_local Converter c("CP936", "UTF-8");
    return c;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the UTF-8 sequence starting at s[i] and its code point; 0 when it is not UTF-8.
size_t NextUtf8(std::string_view s, size_t i, char32_t& cp) {
    auto b = static_cast<unsigned char>(s[i]);
    size_t len = b < 0x80           ? 1
                 : (b >> 5) == 0x6  ? 2
                 : (b >> 4) == 0xE  ? 3
                 : (b >> 3) == 0x1E ? 4
                                    : 0;
    if (len == 0 || i + len > s.size())
        return 0;
    cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (size_t k = 1; k < len; ++k) {
        auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    return len;
}

// Decodes one GBK character of `bytes` only when it comes back to the same bytes.
bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool DecodesFaithfully(std::string_view bytes, std::string& out) {
    std::string utf8;
    std::string back;
    if (!GbkToUtf8().Convert(bytes, utf8) || !Utf8ToGbk().Convert(utf8, back) || back != bytes)
        return false;
    out += utf8;
    return true;
}

}  // namespace

std::string DecodeGbk(std::string_view gbk) {
    if (IsAscii(gbk))  // ASCII is the same in both encodings
        return std::string(gbk);
    std::string out;
    // Nearly every string is plain GBK; check the whole string in one pass first.
    if (DecodesFaithfully(gbk, out))
        return out;
    out.clear();
    for (size_t i = 0; i < gbk.size();) {
        auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
        } else if (i + 1 < gbk.size() && DecodesFaithfully(gbk.substr(i, 2), out)) {
            i += 2;
        } else if (DecodesFaithfully(gbk.substr(i, 1), out)) {
            ++i;
        } else {
            AppendUtf8(out, kEscapeBase + b);
            ++i;
        }
    }
    return out;
}

std::string EncodeGbk(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    std::string out;
    std::string_view pending;  // run of ordinary characters not yet converted
    auto flushPending = [&] {
        if (pending.empty())
            return;
        std::string whole;
        if (Utf8ToGbk().Convert(pending, whole)) {
            out += whole;
        } else {
            // Convert character by character so one stray character costs one '?'.
            for (size_t i = 0; i < pending.size();) {
                char32_t cp = 0;
                size_t len = NextUtf8(pending, i, cp);
                std::string one;
                if (Utf8ToGbk().Convert(pending.substr(i, len), one))
                    out += one;
                else
                    out += '?';
                i += len;
            }
        }
        pending = {};
    };
    size_t runStart = 0;
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        size_t len = NextUtf8(utf8, i, cp);
        bool escape = len == 3 && cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF;
        if (len != 0 && !escape) {
            i += len;
            pending = utf8.substr(runStart, i - runStart);
            continue;
        }
        flushPending();
        out += escape ? static_cast<char>(cp - kEscapeBase) : '?';
        i += len == 0 ? 1 : len;
        runStart = i;
    }
    flushPending();
    return out;
}

}  // namespace lx
