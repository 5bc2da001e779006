#pragma once
// Reading rich text (RTF): the report files (.Tze) the workstation writes, and what word
// processors make of them after an operator edited one. Plain C++ with no Qt, so it can be
// fuzzed as it is; the report window turns the paragraphs into its own document.
//
// What is read: the font table (names in their charset's code page), the colour table, \fN
// \fsN \b \i \ul \ulnone \cfN \plain, \ql \qc \qr \qj \pard, \par \line \tab and the other
// words that stand for one character, \uN with its fallback skipped (\ucN), \'hh and 8-bit
// bytes in code page 936 (Chinese) or 1252 as the font's charset or \ansicpgN says, PNG and
// JPEG pictures (\pngblip, \jpegblip) in hexadecimal or after \binN with their shown size, and
// the paper and page margins. Style sheets, document information, headers, footers, pictures
// of other kinds and every destination marked \* that is not one of these are skipped; words
// we do not know are ignored, as every RTF reader does.
//
// The bytes are never trusted: the nesting depth, each picture and everything kept are capped
// before anything is stored, a \binN longer than the rest of the file takes only what is there,
// text after the final brace is ignored and a document whose closing braces are missing ends
// where the bytes end.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/Result.h"
#include "report/RtfText.h"

namespace lx {

struct RtfLimits {
    std::size_t maxDepth = 200;                // groups open at once
    std::size_t maxPictureBytes = 32u << 20;   // one picture's file
    std::size_t maxContentBytes = 256u << 20;  // text, pictures and their bookkeeping together
};

// Paragraphs of runs: adjacent text of the same format forms one run, a paragraph without a
// closing \par is kept when it has text. Fails, with the reason the damaged-file message names
// (RtfTexts.h), when the bytes do not begin with "{\rtf" or pass a limit.
Result<RtfContent> ParseRtf(std::string_view rtf, const RtfLimits& limits = {});

// Report files larger than this are refused before they are read.
inline constexpr std::size_t kMaxRtfFileBytes = 256u << 20;

// A report file read whole and parsed; the messages name the file: it cannot be opened, it is
// no rich text, it is too large, or it is damaged (with the reason).
Result<RtfContent> ReadRtfFile(const std::string& path);

}  // namespace lx
