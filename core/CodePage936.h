#pragma once
// Text crosses the file boundary in code page 936 (GBK); inside the program it is UTF-8.
//
// Archives written on the workstation may hold bytes that are not valid GBK (a truncated
// double-byte character, the user-defined areas). Such bytes decode to the private-use code
// points U+F780..U+F7FF (byte 0x80..0xFF) and encode back to the very same byte, so a record
// that is loaded and saved again keeps its text byte for byte. GBK itself maps nothing there.

#include <string>
#include <string_view>

namespace lx {

// GBK bytes -> UTF-8. Never fails: undecodable bytes become escape code points.
std::string DecodeGbk(std::string_view gbk);

// UTF-8 -> GBK bytes. Escape code points become their byte again; a character that GBK cannot
// hold, or a byte that is not UTF-8, becomes '?', as the Windows conversion does.
std::string EncodeGbk(std::string_view utf8);

}  // namespace lx
