#include "report/RtfReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/CodePage936.h"
#include "core/CoreTexts.h"
#include "core/FileIo.h"
#include "core/Format.h"
#include "report/RtfTexts.h"

namespace lx {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Code page 1252 from 0x80 to 0x9F; above that it is Latin-1. The five bytes the page leaves
// out keep their C1 code points, as Windows converts them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string DecodeCp1252(std::string_view bytes) {
    std::string utf8;
    for (unsigned char b : bytes)
        AppendUtf8(utf8, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    return utf8;
}

// The code page of a font's \fcharsetN; 0 for "the document's".
int CodePageOfCharset(long charset) {
    return charset == 134 ? 936 : charset == 0 ? 1252 : 0;
}

constexpr int kMaxHalfPoints = 3276;         // 1638 pt, the most word processors allow
constexpr std::int64_t kMaxTwips = 1 << 20;  // about 18 m: no page or picture is larger
constexpr long kMaxPixels = 1 << 16;

enum class Destination { Text, Skip, FontTable, ColourTable, Picture };

// What a word does; `value` says which character, alignment, field or kind.
enum class Action {
    Destination,
    Skip,
    ShapePicture,
    EndParagraph,
    Character,
    ParagraphDefaults,
    Align,
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Colour,
    Unicode,
    UnicodeSkip,
    CodePage,
    DefaultFont,
    Page,
    Binary,
    Charset,
    ColourPart,
    PictureKind,
    PictureSize,
};

struct WordAction {
    Action action;
    int value = 0;
};

enum PageField { kPaperWidth, kPaperHeight, kMarginLeft, kMarginTop, kMarginRight, kMarginBottom };
enum PictureField { kPicW, kPicH, kPicWGoal, kPicHGoal, kPicScaleX, kPicScaleY, kPictureFields };
enum PictureKindValue { kPng, kJpeg, kOtherPicture };

const std::unordered_map<std::string_view, WordAction>& Words() {
    static const std::unordered_map<std::string_view, WordAction> words = [] {
        std::unordered_map<std::string_view, WordAction> w{
            {"fonttbl", {Action::Destination, int(Destination::FontTable)}},
            {"colortbl", {Action::Destination, int(Destination::ColourTable)}},
            {"pict", {Action::Destination, int(Destination::Picture)}},
            {"shppict", {Action::ShapePicture}},
            {"par", {Action::EndParagraph}},
            {"sect", {Action::EndParagraph}},
            {"page", {Action::EndParagraph}},
            {"row", {Action::EndParagraph}},
            {"line", {Action::Character, '\n'}},
            {"tab", {Action::Character, '\t'}},
            {"cell", {Action::Character, '\t'}},
            {"emdash", {Action::Character, 0x2014}},
            {"endash", {Action::Character, 0x2013}},
            {"emspace", {Action::Character, 0x2003}},
            {"enspace", {Action::Character, 0x2002}},
            {"qmspace", {Action::Character, 0x2005}},
            {"bullet", {Action::Character, 0x2022}},
            {"lquote", {Action::Character, 0x2018}},
            {"rquote", {Action::Character, 0x2019}},
            {"ldblquote", {Action::Character, 0x201C}},
            {"rdblquote", {Action::Character, 0x201D}},
            {"zwj", {Action::Character, 0x200D}},
            {"zwnj", {Action::Character, 0x200C}},
            {"pard", {Action::ParagraphDefaults}},
            {"ql", {Action::Align, kAlignLeft}},
            {"qc", {Action::Align, kAlignCentre}},
            {"qr", {Action::Align, kAlignRight}},
            {"qj", {Action::Align, kAlignJustified}},
            {"qd", {Action::Align, kAlignJustified}},
            {"plain", {Action::Plain}},
            {"f", {Action::Font}},
            {"fs", {Action::FontSize}},
            {"b", {Action::Bold}},
            {"i", {Action::Italic}},
            {"ulnone", {Action::UnderlineNone}},
            {"cf", {Action::Colour}},
            {"u", {Action::Unicode}},
            {"uc", {Action::UnicodeSkip}},
            {"ansicpg", {Action::CodePage}},
            {"deff", {Action::DefaultFont}},
            {"paperw", {Action::Page, kPaperWidth}},
            {"paperh", {Action::Page, kPaperHeight}},
            {"margl", {Action::Page, kMarginLeft}},
            {"margt", {Action::Page, kMarginTop}},
            {"margr", {Action::Page, kMarginRight}},
            {"margb", {Action::Page, kMarginBottom}},
            {"bin", {Action::Binary}},
            {"fcharset", {Action::Charset}},
            {"red", {Action::ColourPart, 0}},
            {"green", {Action::ColourPart, 8}},
            {"blue", {Action::ColourPart, 16}},
            {"pngblip", {Action::PictureKind, kPng}},
            {"jpegblip", {Action::PictureKind, kJpeg}},
            {"picw", {Action::PictureSize, kPicW}},
            {"pich", {Action::PictureSize, kPicH}},
            {"picwgoal", {Action::PictureSize, kPicWGoal}},
            {"pichgoal", {Action::PictureSize, kPicHGoal}},
            {"picscalex", {Action::PictureSize, kPicScaleX}},
            {"picscaley", {Action::PictureSize, kPicScaleY}},
        };
        // Every underline style is an underline here.
        for (std::string_view u : {"ul", "uld", "uldb", "ulw", "ulwave", "uldash", "uldashd",
                                   "uldashdd", "ulth", "ulhwave", "ulldash", "ulthd", "ulthdash",
                                   "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave"})
            w.emplace(u, WordAction{Action::Underline});
        for (std::string_view p :
             {"wmetafile", "emfblip", "macpict", "pmmetafile", "dibitmap", "wbitmap"})
            w.emplace(p, WordAction{Action::PictureKind, kOtherPicture});
        // Destinations whose text is not the document's.
        for (std::string_view d : {"stylesheet", "info",         "header",    "headerl",
                                   "headerr",    "headerf",      "footer",    "footerl",
                                   "footerr",    "footerf",      "footnote",  "annotation",
                                   "nonshppict", "fldinst",      "listtable", "listoverridetable",
                                   "revtbl",     "rsidtbl",      "filetbl",   "pntext",
                                   "pntxta",     "pntxtb",       "xe",        "tc",
                                   "txe",        "object",       "themedata", "colorschememapping",
                                   "datastore",  "latentstyles", "xmlnstbl",  "generator",
                                   "template",   "ftnsep",       "ftnsepc",   "ftncn",
                                   "aftnsep",    "aftnsepc",     "aftncn"})
            w.emplace(d, WordAction{Action::Skip});
        return w;
    }();
    return words;
}

struct State {
    Destination destination = Destination::Text;
    long font = -1;  // -1: the default font (\deffN)
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    long colour = 0;
    int align = kAlignLeft;
    int unicodeSkip = 1;
};

struct Font {
    std::string name;
    int codePage = 0;  // 0: the document's
};

// The parts of a state that make a run's format, to tell cheaply whether text continues the
// run it follows.
struct RunKey {
    long font = 0;
    int halfPoints = 0;
    bool bold = false, italic = false, underline = false;
    long colour = 0;
    bool operator==(const RunKey&) const = default;
};

class Parser {
public:
    Parser(std::string_view rtf, const RtfLimits& limits) : m_Rtf(rtf), m_Limits(limits) {}

    Result<RtfContent> Run() {
        while (m_Pos < m_Rtf.size() && m_Error.empty()) {
            const char c = m_Rtf[m_Pos++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
                if (m_Stack.empty())
                    break;
            } else if (c == '\\') {
                Control();
            } else if (c != '\r' && c != '\n') {
                Character(static_cast<unsigned char>(c));
            }
        }
        if (!m_Error.empty())
            return Result<RtfContent>::Failure(m_Error);
        Flush();
        if (!m_Paragraph.runs.empty()) {
            m_Paragraph.align = m_Stack.empty() ? m_FinalAlign : m_Stack.back().align;
            m_Content.paragraphs.push_back(std::move(m_Paragraph));
        }
        return std::move(m_Content);
    }

private:
    State& Top() { return m_Stack.back(); }
    const State& Top() const { return m_Stack.back(); }

    void Fail(const Text& reason) {
        if (m_Error.empty())
            m_Error = Tr(reason);
    }

    // Everything kept counts against the limit before it is stored.
    bool Spend(std::size_t bytes) {
        m_Spent += bytes;
        if (m_Spent > m_Limits.maxContentBytes) {
            Fail(texts::kRtfReasonContent);
            return false;
        }
        return true;
    }

    void OpenGroup() {
        Flush();
        m_SkipCount = 0;
        if (m_Stack.size() >= m_Limits.maxDepth) {
            Fail(texts::kRtfReasonNesting);
            return;
        }
        m_Stack.push_back(m_Stack.empty() ? State{} : Top());
    }

    void CloseGroup() {
        Flush();
        m_SkipCount = 0;
        const State closing = m_Stack.back();
        m_Stack.pop_back();
        const Destination outer = m_Stack.empty() ? Destination::Skip : m_Stack.back().destination;
        if (closing.destination == Destination::FontTable)
            FinishFont();  // an entry without its ";"
        if (closing.destination == Destination::Picture && outer != Destination::Picture)
            FinishPicture(outer == Destination::Text);
        if (m_Stack.empty())
            m_FinalAlign = closing.align;
    }

    // After a backslash: a control symbol or a control word with its parameter.
    void Control() {
        if (m_Pos >= m_Rtf.size())
            return;
        const char c = m_Rtf[m_Pos];
        if (!IsLetter(c)) {
            ++m_Pos;
            Symbol(c);
            return;
        }
        const std::size_t start = m_Pos;
        while (m_Pos < m_Rtf.size() && IsLetter(m_Rtf[m_Pos]))
            ++m_Pos;
        const std::string_view word = m_Rtf.substr(start, m_Pos - start);
        bool negative = false;
        if (m_Pos + 1 < m_Rtf.size() && m_Rtf[m_Pos] == '-' && IsDigit(m_Rtf[m_Pos + 1])) {
            negative = true;
            ++m_Pos;
        }
        bool hasParameter = false;
        std::int64_t parameter = 0;
        for (; m_Pos < m_Rtf.size() && IsDigit(m_Rtf[m_Pos]); ++m_Pos) {
            hasParameter = true;
            parameter = std::min<std::int64_t>(parameter * 10 + (m_Rtf[m_Pos] - '0'), INT32_MAX);
        }
        if (m_Pos < m_Rtf.size() && m_Rtf[m_Pos] == ' ')
            ++m_Pos;
        Word(word, hasParameter, negative ? -parameter : parameter);
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    }

    // A character of the fallback text after \uN is read and dropped.
    bool SkippedAsFallback() {
        if (m_SkipCount == 0)
            return false;
        --m_SkipCount;
        return true;
    }

    void Symbol(char c) {
        if (c == '\'') {
            int value = 0, digits = 0;
            for (; digits < 2 && m_Pos < m_Rtf.size(); ++digits, ++m_Pos) {
                const int h = HexValue(m_Rtf[m_Pos]);
                if (h < 0)
                    break;
                value = value * 16 + h;
            }
            if (digits > 0 && !SkippedAsFallback())
                Byte(static_cast<unsigned char>(value));
            return;
        }
        Flush();
        if (SkippedAsFallback())
            return;
        if (c == '*') {
            m_Starred = true;
        } else if (c == '\\' || c == '{' || c == '}') {
            Literal(static_cast<unsigned char>(c), true);
        } else if (c == '~') {
            Emit(0x00A0);
        } else if (c == '_') {
            Emit(0x2011);
        } else if (c == '\n' || c == '\r') {
            EndParagraph();  // a backslash before a line end is a paragraph mark
        }
    }

    void Word(std::string_view word, bool hasParameter, std::int64_t parameter) {
        Flush();
        const bool starred = std::exchange(m_Starred, false);
        const auto found = Words().find(word);
        const bool unknown = found == Words().end();
        const WordAction what = unknown ? WordAction{Action::Skip} : found->second;
        // The bytes of \binN are never RTF, whatever group they are in.
        if (what.action == Action::Binary) {
            Binary(hasParameter ? parameter : 0);
            return;
        }
        if (SkippedAsFallback())
            return;
        State& s = Top();
        if (s.destination == Destination::Skip)
            return;
        if (starred && what.action != Action::ShapePicture) {
            s.destination = Destination::Skip;
            return;
        }
        if (unknown)
            return;
        const auto p = static_cast<long>(parameter);
        const bool on = !hasParameter || parameter != 0;
        switch (what.action) {
            case Action::Destination:
                s.destination = static_cast<Destination>(what.value);
                if (s.destination == Destination::Picture)
                    StartPicture();
                break;
            case Action::Skip:
                s.destination = Destination::Skip;
                break;
            case Action::ShapePicture:
                break;
            case Action::EndParagraph:
                EndParagraph();
                break;
            case Action::Character:
                Emit(static_cast<char32_t>(what.value));
                break;
            case Action::ParagraphDefaults:
                s.align = kAlignLeft;
                break;
            case Action::Align:
                s.align = what.value;
                break;
            case Action::Plain:
                s.font = -1;
                s.halfPoints = 24;
                s.bold = s.italic = s.underline = false;
                s.colour = 0;
                break;
            case Action::Font:
                if (s.destination == Destination::FontTable)
                    StartFont(p);
                else if (hasParameter)
                    s.font = p;
                break;
            case Action::FontSize:
                s.halfPoints = p > 0 ? static_cast<int>(std::min<long>(p, kMaxHalfPoints)) : 24;
                break;
            case Action::Bold:
                s.bold = on;
                break;
            case Action::Italic:
                s.italic = on;
                break;
            case Action::Underline:
                s.underline = on;
                break;
            case Action::UnderlineNone:
                s.underline = false;
                break;
            case Action::Colour:
                s.colour = p;
                break;
            case Action::Unicode:
                if (hasParameter) {
                    Emit(static_cast<char32_t>(p & 0xFFFF));  // signed 16-bit units
                    m_SkipCount = s.unicodeSkip;
                }
                break;
            case Action::UnicodeSkip:
                s.unicodeSkip = static_cast<int>(std::clamp<long>(p, 0, 16));
                break;
            case Action::CodePage:
                m_CodePage = static_cast<int>(p);
                break;
            case Action::DefaultFont:
                m_DefaultFont = p;
                break;
            case Action::Page:
                if (hasParameter)
                    SetPage(what.value, p);
                break;
            case Action::Charset:
                m_FontCodePage = CodePageOfCharset(p);
                break;
            case Action::ColourPart:
                m_ColourValue =
                    (m_ColourValue & ~(0xFF << what.value)) |
                    (static_cast<std::int32_t>(std::clamp<long>(p, 0, 255)) << what.value);
                m_ColourGiven = true;
                break;
            case Action::PictureKind:
                m_PictureKind = what.value;
                break;
            case Action::PictureSize:
                if (hasParameter)
                    m_PictureSize[what.value] = p;
                break;
            case Action::Binary:
                break;
        }
    }

    void SetPage(int field, long value) {
        const auto twips = static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, kMaxTwips));
        RtfPage& page = m_Content.page;
        switch (field) {
            case kPaperWidth:
                page.paperWidth = twips;
                break;
            case kPaperHeight:
                page.paperHeight = twips;
                break;
            default:
                page.margins[static_cast<std::size_t>(field - kMarginLeft)] = twips;
                break;
        }
    }

    void Binary(std::int64_t count) {
        const std::size_t n =
            static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, INT32_MAX));
        const std::size_t taken = std::min(n, m_Rtf.size() - m_Pos);
        if (!m_Stack.empty() && Top().destination == Destination::Picture)
            for (std::size_t k = 0; k < taken && m_Error.empty(); ++k)
                PictureByte(static_cast<unsigned char>(m_Rtf[m_Pos + k]));
        m_Pos += taken;
    }

    // A character of the file itself.
    void Character(unsigned char c) {
        if (c >= 0x80) {
            if (!SkippedAsFallback())
                Byte(c);
            return;
        }
        // A Chinese character's second byte may follow its escaped first byte as it is.
        if (c >= 0x40 && c < 0x7F && AwaitsTrailByte()) {
            m_Pending += static_cast<char>(c);
            return;
        }
        Flush();
        if (!SkippedAsFallback())
            Literal(c, false);
    }

    // An ASCII character in the current destination (`escaped`: after a backslash, so never a
    // table's delimiter).
    void Literal(unsigned char c, bool escaped) {
        switch (Top().destination) {
            case Destination::Text:
                Emit(c);
                break;
            case Destination::FontTable:
                if (c == ';' && !escaped)
                    FinishFont();
                else
                    Emit(c);
                break;
            case Destination::ColourTable:
                if (c == ';' && !escaped)
                    FinishColour();
                break;
            case Destination::Picture:
                if (const int h = HexValue(static_cast<char>(c)); h >= 0)
                    PictureNibble(h);
                break;
            case Destination::Skip:
                break;
        }
    }

    // A byte of the text's code page (from \'hh or an 8-bit byte of the file).
    void Byte(unsigned char b) {
        const Destination d = Top().destination;
        if (d != Destination::Text && d != Destination::FontTable)
            return;
        if (b < 0x20 || b == 0x7F) {
            Flush();
            Emit(b);
            return;
        }
        m_Pending += static_cast<char>(b);
        // A long stretch of 8-bit text is decoded as it goes, between characters.
        if (m_Pending.size() >= 4096 && !AwaitsTrailByte())
            Flush();
    }

    bool AwaitsTrailByte() const {
        if (m_Pending.empty() || PendingCodePage() != 936)
            return false;
        for (std::size_t i = 0; i < m_Pending.size();) {
            const auto b = static_cast<unsigned char>(m_Pending[i]);
            if (b >= 0x81 && b <= 0xFE) {
                if (i + 1 == m_Pending.size())
                    return true;
                i += 2;
            } else {
                ++i;
            }
        }
        return false;
    }

    int PendingCodePage() const {
        int page = 0;
        if (Top().destination == Destination::FontTable) {
            page = m_FontCodePage;
        } else {
            const long index = Top().font >= 0 ? Top().font : m_DefaultFont;
            if (const auto f = m_Fonts.find(index); f != m_Fonts.end())
                page = f->second.codePage;
        }
        return page != 0 ? page : m_CodePage;
    }

    void Flush() {
        if (m_Pending.empty())
            return;
        const std::string bytes = std::exchange(m_Pending, {});
        AddText(PendingCodePage() == 936 ? DecodeGbk(bytes) : DecodeCp1252(bytes));
    }

    // One character of the text: UTF-16 surrogates pair up, control characters other than line
    // breaks and tabs in the body are dropped, as the writer drops them.
    void Emit(char32_t c) {
        if (c >= 0xDC00 && c <= 0xDFFF) {
            if (m_HighSurrogate == 0)
                return;
            c = 0x10000 + ((m_HighSurrogate - 0xD800) << 10) + (c - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDBFF) {
            m_HighSurrogate = c;
            return;
        }
        m_HighSurrogate = 0;
        const bool breakOrTab = (c == '\n' || c == '\t') && Top().destination == Destination::Text;
        if ((c < 0x20 && !breakOrTab) || c == 0x7F || c > 0x10FFFF)
            return;
        std::string utf8;
        AppendUtf8(utf8, c);
        AddText(utf8);
    }

    void AddText(const std::string& utf8) {
        m_HighSurrogate = 0;
        const State& s = Top();
        if (s.destination == Destination::FontTable) {
            if (Spend(utf8.size()))
                m_FontName += utf8;
            return;
        }
        if (s.destination != Destination::Text || !Spend(utf8.size()))
            return;
        const RunKey key{s.font, s.halfPoints, s.bold, s.italic, s.underline, s.colour};
        if (!m_RunOpen || key != m_RunKey) {
            RtfCharFormat format = CurrentFormat();
            std::vector<RtfRun>& runs = m_Paragraph.runs;
            if (!m_RunOpen || runs.empty() || runs.back().format != format) {
                if (!Spend(sizeof(RtfRun) + format.face.size()))
                    return;
                runs.push_back(RtfRun{std::move(format), {}, {}});
            }
            m_RunKey = key;
            m_RunOpen = true;
        }
        m_Paragraph.runs.back().text += utf8;
    }

    RtfCharFormat CurrentFormat() const {
        const State& s = Top();
        RtfCharFormat f;
        const long index = s.font >= 0 ? s.font : m_DefaultFont;
        if (const auto font = m_Fonts.find(index); font != m_Fonts.end())
            f.face = font->second.name;
        f.halfPoints = s.halfPoints;
        f.bold = s.bold;
        f.italic = s.italic;
        f.underline = s.underline;
        if (s.colour > 0 && static_cast<std::size_t>(s.colour) < m_Colours.size())
            f.colour = m_Colours[static_cast<std::size_t>(s.colour)];
        return f;
    }

    void EndParagraph() {
        if (m_Stack.empty() || Top().destination != Destination::Text)
            return;
        if (!Spend(sizeof(RtfParagraph)))
            return;
        m_Paragraph.align = Top().align;
        m_Content.paragraphs.push_back(std::exchange(m_Paragraph, {}));
        m_RunOpen = false;
    }

    void StartFont(long number) {
        FinishFont();
        m_FontNumber = number;
        m_FontCodePage = 0;
    }

    void FinishFont() {
        if (m_FontNumber < 0 && m_FontName.empty())
            return;
        if (Spend(sizeof(Font) + 2 * sizeof(void*)))
            m_Fonts[m_FontNumber] = Font{std::exchange(m_FontName, {}), m_FontCodePage};
        m_FontNumber = -1;
        m_FontCodePage = 0;
    }

    void FinishColour() {
        if (Spend(sizeof(std::optional<std::int32_t>)))
            m_Colours.push_back(m_ColourGiven ? std::optional(m_ColourValue) : std::nullopt);
        m_ColourValue = 0;
        m_ColourGiven = false;
    }

    void StartPicture() {
        m_Picture = {};
        m_PictureKind = kOtherPicture;
        m_PictureSize = {0, 0, 0, 0, 100, 100};
        m_Nibble = -1;
    }

    void PictureNibble(int h) {
        if (m_Nibble < 0) {
            m_Nibble = h;
            return;
        }
        PictureByte(static_cast<unsigned char>(m_Nibble * 16 + h));
        m_Nibble = -1;
    }

    void PictureByte(unsigned char b) {
        if (m_Picture.bytes.size() >= m_Limits.maxPictureBytes) {
            Fail(texts::kRtfReasonPicture);
            return;
        }
        m_Picture.bytes.push_back(b);
    }

    // The shown size: the goal scaled, or the picture's own pixels at 96 dpi.
    static int ShownTwips(long goal, long pixels, long scale) {
        const std::int64_t base = goal > 0 ? goal : std::clamp<long>(pixels, 0, kMaxPixels) * 15;
        const std::int64_t percent = scale > 0 ? std::min<long>(scale, 100000) : 100;
        // A picture with any size at all keeps at least a twip of it, so the size written
        // back reads as the same.
        return base > 0
                   ? static_cast<int>(std::clamp<std::int64_t>(base * percent / 100, 1, kMaxTwips))
                   : 0;
    }

    void FinishPicture(bool shown) {
        RtfPicture picture = std::exchange(m_Picture, {});
        if (!shown || m_PictureKind == kOtherPicture || picture.bytes.empty())
            return;
        if (!Spend(sizeof(RtfRun) + picture.bytes.size()))
            return;
        const auto& size = m_PictureSize;
        picture.kind = m_PictureKind == kJpeg ? RtfPicture::Kind::Jpeg : RtfPicture::Kind::Png;
        picture.pixelWidth = static_cast<int>(std::clamp<long>(size[kPicW], 0, kMaxPixels));
        picture.pixelHeight = static_cast<int>(std::clamp<long>(size[kPicH], 0, kMaxPixels));
        picture.widthTwips = ShownTwips(size[kPicWGoal], size[kPicW], size[kPicScaleX]);
        picture.heightTwips = ShownTwips(size[kPicHGoal], size[kPicH], size[kPicScaleY]);
        m_Paragraph.runs.push_back(RtfRun{{}, {}, std::move(picture)});
        m_RunOpen = false;
    }

    std::string_view m_Rtf;
    const RtfLimits& m_Limits;
    std::size_t m_Pos = 0;
    std::string m_Error;
    std::size_t m_Spent = 0;
    std::vector<State> m_Stack;
    RtfContent m_Content;
    RtfParagraph m_Paragraph;
    int m_FinalAlign = kAlignLeft;
    bool m_RunOpen = false;  // the paragraph's last run takes text of m_RunKey
    RunKey m_RunKey;

    bool m_Starred = false;
    int m_SkipCount = 0;
    char32_t m_HighSurrogate = 0;
    std::string m_Pending;  // code page bytes not decoded yet
    int m_CodePage = 1252;
    long m_DefaultFont = 0;

    std::map<long, Font> m_Fonts;
    long m_FontNumber = -1;
    int m_FontCodePage = 0;
    std::string m_FontName;

    std::vector<std::optional<std::int32_t>> m_Colours;
    std::int32_t m_ColourValue = 0;
    bool m_ColourGiven = false;

    RtfPicture m_Picture;
    int m_PictureKind = kOtherPicture;
    std::array<long, kPictureFields> m_PictureSize{};
    int m_Nibble = -1;
};

bool LooksLikeRtf(std::string_view bytes) {
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

}  // namespace

Result<RtfContent> ParseRtf(std::string_view rtf, const RtfLimits& limits) {
    if (!LooksLikeRtf(rtf))
        return Result<RtfContent>::Failure(Tr(texts::kRtfReasonNotRtf));
    const std::size_t start = rtf.find('{');
    return Parser(rtf.substr(start), limits).Run();
}

Result<RtfContent> ReadRtfFile(const std::string& path) {
    Result<InputFile> file = InputFile::Open(path);
    if (!file.ok())
        return file.status();
    const std::uint64_t size = file->Reader().Remaining();
    if (size > kMaxRtfFileBytes)
        return Result<RtfContent>::Failure(
            Format(Tr(texts::kRtfTooLarge), path.c_str(), kMaxRtfFileBytes >> 20));
    const std::vector<std::uint8_t> bytes = file->Head(static_cast<std::size_t>(size));
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!LooksLikeRtf(text))
        return Result<RtfContent>::Failure(Format(Tr(texts::kRtfNotReport), path.c_str()));
    Result<RtfContent> content = ParseRtf(text);
    if (!content.ok())
        return Result<RtfContent>::Failure(
            Format(Tr(texts::kFileDamaged), path.c_str(), content.error().c_str()));
    return content;
}

}  // namespace lx
