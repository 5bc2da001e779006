#include "tests/support/HandMadeTzd.h"

#include <string>

#include "tests/support/ByteBuilder.h"

namespace lx::test {
namespace {

const std::string kBenzeneGbk = "\xB1\xBD";          // 苯
const std::string kTolueneGbk = "\xBC\xD7\xB1\xBD";  // 甲苯
const std::string kUvGbk = "\xD7\xCF\x20\xCD\xE2";   // 紫 外
const std::string kChromGbk = "\xCD\xBC\xC6\xD7";    // 图谱
const std::string kSongtiGbk = "\xCB\xCE\xCC\xE5";   // 宋体

// The 255-byte component name: 127 times 苯 and an X, so it needs the 0xFF + u16 prefix.
std::string LongNameGbk() {
    std::string s;
    for (int i = 0; i < 127; ++i)
        s += kBenzeneGbk;
    return s + "X";
}
std::string LongNameUtf8() {
    std::string s;
    for (int i = 0; i < 127; ++i)
        s += "苯";
    return s + "X";
}

// Peak fields count up from `base` in the order of the layout table.
void AppendPeak(ByteBuilder& b, int base, bool longName) {
    b.I32(base + 1).I32(base + 2).I32(base + 3).I32(base + 4).I32(base + 5).F64(base + 6.5);
    for (int v = 7; v <= 16; ++v)
        b.I32(base + v);
    for (int v = 17; v <= 24; ++v)
        b.F64(base + v + 0.5);
    b.I32(base + 25);
    if (longName)
        b.MediumString(LongNameGbk());
    else
        b.ShortString(kTolueneGbk);
    for (int v = 26; v <= 30; ++v)
        b.F64(base + v + 0.5);
    b.I32(base + 31).I32(base + 32).I32(base + 33);
}

PeakRecord ExpectedPeak(int base, bool longName) {
    PeakRecord p;
    p.m_Number = base + 1;
    p.m_Aux = base + 2;
    p.m_GroupSize = base + 3;
    p.m_Start = base + 4;
    p.m_Apex = base + 5;
    p.m_ApexTime = base + 6.5;
    p.m_End = base + 7;
    p.m_StartValue = base + 8;
    p.m_ApexValue = base + 9;
    p.m_EndValue = base + 10;
    p.m_BaseStart = base + 11;
    p.m_BaseEnd = base + 12;
    p.m_BaseStartValue = base + 13;
    p.m_BaseEndValue = base + 14;
    p.m_Flags = base + 15;
    p.m_Spare = base + 16;
    p.m_Area = base + 17.5;
    p.m_Height = base + 18.5;
    p.m_AreaPercent = base + 19.5;
    p.m_Content = base + 20.5;
    p.m_HalfWidthTime = base + 21.5;
    p.m_Tailing = base + 22.5;
    p.m_Plates = base + 23.5;
    p.m_Resolution = base + 24.5;
    p.m_Component = base + 25;
    p.m_ComponentName = longName ? LongNameUtf8() : "甲苯";
    p.m_Extra1 = base + 26.5;
    p.m_Extra2 = base + 27.5;
    p.m_Extra3 = base + 28.5;
    p.m_Extra4 = base + 29.5;
    p.m_Extra5 = base + 30.5;
    p.m_Extra6 = base + 31;
    p.m_Extra7 = base + 32;
    p.m_Extra8 = base + 33;
    return p;
}

// Font i in the file's font order: axis, header, title, footer, body, instrument, results,
// extra A, extra B, mark.
void AppendFont(ByteBuilder& b, int i) {
    b.I32(-(20 + i)).I32(i + 1).I32(10 * i).I32(10 * i + 1).I32(400 + i);
    b.Raw({1, 0, 1, 134, 3, 2, 1, 49});
    b.ShortString(i % 2 == 0 ? kSongtiGbk : "Arial");
}

LogFont ExpectedFont(int i) {
    LogFont f;
    f.height = -(20 + i);
    f.width = i + 1;
    f.escapement = 10 * i;
    f.orientation = 10 * i + 1;
    f.weight = 400 + i;
    f.italic = 1;
    f.underline = 0;
    f.strikeOut = 1;
    f.charSet = 134;
    f.outPrecision = 3;
    f.clipPrecision = 2;
    f.quality = 1;
    f.pitchAndFamily = 49;
    f.faceName = i % 2 == 0 ? "宋体" : "Arial";
    return f;
}

void AppendPrintSettings(ByteBuilder& b, float lineSpacing) {
    b.I32(1);  // instrumentType
    for (int i = 0; i < 10; ++i)
        AppendFont(b, i);
    for (int v = 300; v <= 312; ++v)
        b.I32(v);
    b.I32(401).ShortString("Head").I32(402).ShortString("Title").I32(403).ShortString("Foot");
    for (int v = 501; v <= 508; ++v)
        b.I32(v);
    b.ShortString("lbl").ShortString("val");
    for (int v = 601; v <= 607; ++v)
        b.I32(v);
    b.I32(701).I32(702).I32(703).I32(704).F32(lineSpacing).I32(705).I32(706).I32(707);
    b.F32(15.5f).F32(9.25f).I32(708);
    for (int v = 801; v <= 813; ++v)
        b.I32(v);
    for (int v = 901; v <= 905; ++v)
        b.I32(v);
    b.I32(2).ShortString("Model").ShortString(kUvGbk).I32(1);
    b.ShortString("Flow").ShortString("1.0").I32(0);
    b.I32(1).ShortString("Carrier").ShortString("N2").I32(1);
}

PrintSettings ExpectedPrintSettings() {
    PrintSettings s;
    s.instrumentType = 1;
    s.axisFont = ExpectedFont(0);
    s.headerFont = ExpectedFont(1);
    s.titleFont = ExpectedFont(2);
    s.footerFont = ExpectedFont(3);
    s.bodyFont = ExpectedFont(4);
    s.instrumentFont = ExpectedFont(5);
    s.resultsFont = ExpectedFont(6);
    s.extraFontA = ExpectedFont(7);
    s.extraFontB = ExpectedFont(8);
    s.markFont = ExpectedFont(9);
    s.markColour = 300;
    s.headerColour = 301;
    s.titleColour = 302;
    s.footerColour = 303;
    s.titleAlign = 304;
    s.headerAlign = 305;
    s.footerAlign = 306;
    s.bodyColour = 307;
    s.instrumentColour = 308;
    s.resultsColour = 309;
    s.extraColourA = 310;
    s.extraColourB = 311;
    s.axisColour = 312;
    s.headerOn = 401;
    s.headerText = "Head";
    s.titleOn = 402;
    s.titleText = "Title";
    s.footerOn = 403;
    s.footerText = "Foot";
    s.contentOn = 501;
    s.projectOn = 502;
    s.sampleOn = 503;
    s.injectOn = 504;
    s.fileNameOn = 505;
    s.noteOn = 506;
    s.operatorOn = 507;
    s.customOn = 508;
    s.customLabel = "lbl";
    s.customValue = "val";
    s.detectParamsOn = 601;
    s.dataSizeOn = 602;
    s.methodOn = 603;
    s.unitOn = 604;
    s.pageNumbersOn = 605;
    s.dateOn = 606;
    s.englishReport = 607;
    s.instrumentOn = 701;
    s.chromOn = 702;
    s.axesOn = 703;
    s.frameOn = 704;
    s.lineSpacing = 0.75f;
    s.integrationLinesOn = 705;
    s.extraIntC = 706;
    s.portrait = 707;
    s.chromWidthCm = 15.5f;
    s.chromHeightCm = 9.25f;
    s.chromAlign = 708;
    s.resultsOn = 801;
    s.colPeakNo = 802;
    s.colAreaHeight = 803;
    s.colName = 804;
    s.colTime = 805;
    s.colArea = 806;
    s.colContent = 807;
    s.colAreaPercent = 808;
    s.colPeakType = 809;
    s.colResolution = 810;
    s.colHeight = 811;
    s.colPlates = 812;
    s.colTailing = 813;
    s.extraIntA = 901;
    s.extraIntB = 902;
    s.verticalMarks = 903;
    s.printMarks = 904;
    s.simpleFormat = 905;
    s.lcInfoList = {{"Model", "紫 外", 1}, {"Flow", "1.0", 0}};
    s.gcInfoList = {{"Carrier", "N2", 1}};
    return s;
}

}  // namespace

std::vector<std::uint8_t> HandMadeTzd(const HandMadeOptions& o) {
    ByteBuilder b;
    b.F32(o.version);
    b.ShortString("Li").ShortString(kBenzeneGbk).ShortString("QC lab").ShortString("n");
    b.I32(1700000000);
    b.ShortString("1uL");
    b.I32(3).I32(100).I32(-5).I32(2500000);
    // channel set-up, in its stored order
    b.F64(30.5).F64(0.25);
    for (int v : {7, 0, 1, -12, 50000, -2000, 36000, 10, 1, 1, 10, 9, 0, 1, 0, 1, 1})
        b.I32(v);
    b.ShortString("base.Tzd").ShortString("Data").I32(42).I32(0).ShortString(kChromGbk);
    for (int v : {1, 0, 0, 0, 3, 99})
        b.I32(v);
    b.I32(30000).I32(-1000);
    // integration parameters, 88 bytes
    b.I32(8).F64(12.5).F64(100).F64(20).F64(3).F64(0.8).F64(2.5).F64(50).F64(1.5);
    b.I32(1).I32(0).I32(1).I32(77).I32(1);
    b.I32(1).F64(1.5).I32(10).F64(45.0).I32(1);  // time program
    b.I32(1);
    AppendPeak(b, 0, true);
    AppendPrintSettings(b, o.lineSpacing);
    if (o.withEventSections) {
        if (o.eventsEmpty) {
            b.I32(0).I32(0);
        } else {
            b.I32(1).I32(1);
            b.I32(9).I32(0).I32(40);
            AppendPeak(b, 100, false);
            b.F64(0.05);
        }
    }
    if (o.withColumnLength)
        b.F64(o.columnLength);
    if (o.withIsConc)
        b.F64(o.isConc2).F64(o.isConc3);
    return b.Bytes();
}

CTzLabDoc HandMadeRecord() {
    CTzLabDoc d;
    d.m_Version = 2.1f;
    d.m_Operator = "Li";
    d.m_SampleName = "苯";
    d.m_Laboratory = "QC lab";
    d.m_Notes = "n";
    d.m_CreatedAt = 1700000000;
    d.m_InjectVolume = "1uL";
    d.m_Samples.Resize(3);
    d.m_Samples.SetAt(0, 100);
    d.m_Samples.SetAt(1, -5);
    d.m_Samples.SetAt(2, 2500000);
    ChannelSetup& c = d.m_ChannelSetup;
    c.stopTime = 30.5;
    c.lockTime = 0.25;
    c.unnamedA = 7;
    c.runKind = 0;
    c.zeroAtStart = 1;
    c.zeroOffset = -12;
    c.levelMax = 50000;
    c.levelMin = -2000;
    c.timeMax = 36000;
    c.timeMin = 10;
    c.fixX = 1;
    c.fixY = 1;
    c.rate = 10;
    c.unnamedB = 9;
    c.autoSave = 0;
    c.autoPrint = 1;
    c.showAtEnd = 0;
    c.invert = 1;
    c.baselineOn = 1;
    c.baselineFile = "base.Tzd";
    c.folder = "Data";
    c.fileNumber = 42;
    c.numberOn = 0;
    c.prefix = "图谱";
    c.yearOn = 1;
    c.monthOn = 0;
    c.dayOn = 0;
    c.timeOn = 0;
    c.unnamedC = 3;
    c.unnamedD = 99;
    d.m_DisplayTop = 30000;
    d.m_DisplayBottom = -1000;
    IntegrationParams& p = d.m_Params;
    p.m_HalfWidth = 8;
    p.m_Slope = 12.5;
    p.m_MinArea = 100;
    p.m_MinHeight = 20;
    p.m_TimeDoubling = 3;
    p.m_IsConc1 = 0.8;
    p.m_SampleWeight = 2.5;
    p.m_HeightRatio = 50;
    p.m_SampleVolume = 1.5;
    p.m_UseTimeProgram = 1;
    p.m_AutoTailing = 0;
    p.m_AutoLeading = 1;
    p.m_Reserved = 77;
    p.m_DeleteMode = 1;
    d.m_TimeProgram = {{1.5, 10, 45.0, 1}};
    d.m_Peaks = {ExpectedPeak(0, true)};
    d.m_PrintSettings = ExpectedPrintSettings();
    d.m_UseManualEvents = 1;
    ManualEvent e;
    e.m_Type = 9;
    e.m_Param1 = 0;
    e.m_Param2 = 40;
    e.m_Peak = ExpectedPeak(100, false);
    e.m_Time = 0.05;
    d.m_ManualEvents = {e};
    d.m_ColumnLength = 25.0;
    d.m_IsConc2 = 0.5;
    d.m_IsConc3 = 2.0;
    return d;
}

}  // namespace lx::test
