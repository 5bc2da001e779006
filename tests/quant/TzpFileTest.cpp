// The method project file against bytes assembled from its layout: the project's own fields,
// tags, file records and component table by hand; the records it shares with the chromatogram
// file (peaks, channel set-up, parameters, print settings, events) through their writers,
// which the chromatogram file tests check against hand-made bytes of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/Archive.h"
#include "core/ArchiveFields.h"
#include "quant/file/TzpFile.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/HandMadeTzd.h"
#include "tests/support/SameFields.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <FieldRecord Record>
Bytes Stored(const Record& r) {
    ArchiveWriter ar;
    StoreFields(ar, r);
    return ar.Bytes();
}

PeakRecord SomePeak() {
    PeakRecord p;
    p.m_Number = 1;
    p.m_Apex = 120;
    p.m_Area = 1234.5;
    p.m_Component = 2;
    p.m_ComponentName = "苯";
    return p;
}

ManualEvent SomeEvent() {
    ManualEvent e;
    e.m_Type = 5;
    e.m_Param1 = 300;
    e.m_Param2 = 1;
    e.m_Time = 0.25;
    return e;
}

struct Layout {
    std::int32_t version = 18;
    bool text9 = true, events = true, valueD = true, valuesEF = true;
};

// A project: one standard with one peak, an empty second list, one sample without peaks, one
// component with two levels (one repeat each) and both value lists, one time program entry.
Bytes HandMadeTzp(const Layout& l = {}) {
    test::ByteBuilder b;
    b.I32(l.version);
    b.ShortString("Benzene").I32(1700000000).MediumString(std::string(255, 'i'));  // 255 bytes
    b.ShortString("Projects/Benzene")
        .ShortString("Li")
        .ShortString("S1")
        .ShortString("QC")
        .ShortString("t8");
    if (l.text9)
        b.ShortString("t9");
    b.I32(-7).I32(2);  // field A, level count
    // standard file list: one record
    b.I32(1).ShortString("std1.Tzd").I32(1700000100).ShortString("x").I32(1).I32(1);
    b.F64(2.5).F64(0.1).F64(900.0).F64(80.0);
    b.I32(1).Append(Stored(SomePeak()));
    b.I32(0);  // second standard list
    b.I32(1).ShortString("s1.Tzd").I32(1700000200).ShortString("").I32(1).I32(1);
    b.F64(0).F64(0).F64(0).F64(0).I32(0);
    b.I32(1).I32(2).I32(0).I32(11).I32(12).I32(2);  // basis, method, mode, B, C, last ID
    b.ShortString("ID_TABLE").I32(1);
    b.I32(2).I32(9).I32(0).I32(-1).ShortString("\xB1\xBD");  // 苯
    b.F64(2.5).F64(0.05).F64(1.0).ShortString("t2");
    b.F64(101.5).F64(0.0).F64(0.0).F64(0.999);
    b.I32(2);
    b.F64(1.0).F64(107.5).I32(1).F64(107.5).F64(11.0).F64(107.5);
    b.F64(2.0).F64(200.0).I32(1).F64(200.0).F64(21.0).F64(100.0);
    b.I32(2).F64(0.5).F64(1.5).I32(0);  // value lists
    b.ShortString("SAM_CON").Append(Stored(ChannelSetup()));
    b.ShortString("DETE_PARA").Append(Stored(IntegrationParams()));
    b.ShortString("PRJ_TIME").I32(1).Append(Stored(TimeProgramEntry{1.0, 8, 20.0, 0}));
    b.ShortString("PRJ_PRINT").Append(Stored(PrintSettings()));
    if (l.events)
        b.I32(1).I32(1).Append(Stored(SomeEvent()));
    if (l.valueD)
        b.F64(3.25);
    if (l.valuesEF)
        b.F64(4.5).F64(-1.0);
    return b.Bytes();
}

CPrjDoc LoadOk(const Bytes& bytes) {
    auto project = LoadTzpBytes(bytes, "p.Tzp");
    EXPECT_TRUE(project.ok()) << project.error();
    return project.ok() ? std::move(project.value()) : CPrjDoc();
}

Bytes Stored(const CPrjDoc& project) {
    ArchiveWriter ar;
    project.Serialize(ar);
    return ar.Bytes();
}

TEST(TzpFile, LoadsEveryFieldOfAVersion18File) {
    CPrjDoc p = LoadOk(HandMadeTzp());
    EXPECT_EQ(p.m_Version, 18);
    EXPECT_EQ(p.m_MethodName, "Benzene");
    EXPECT_EQ(p.m_Information, std::string(255, 'i'));
    EXPECT_EQ(p.m_Folder, "Projects/Benzene");
    EXPECT_EQ(p.m_Text8, "t8");
    EXPECT_EQ(p.m_Text9, "t9");
    EXPECT_EQ(p.m_FieldA, -7);
    EXPECT_EQ(p.m_LevelCount, 2);
    ASSERT_EQ(p.m_Standards.size(), 1u);
    EXPECT_EQ(p.m_Standards[0].m_FileName, "std1.Tzd");
    EXPECT_EQ(p.m_Standards[0].m_RefArea, 900.0);
    ASSERT_EQ(p.m_Standards[0].m_Peaks.size(), 1u);
    EXPECT_EQ(p.m_Standards[0].m_Peaks[0], SomePeak());
    EXPECT_TRUE(p.m_SecondStandards.empty());
    EXPECT_EQ(p.m_Samples.size(), 1u);
    EXPECT_EQ(p.m_Basis, kHeightBasis);
    EXPECT_EQ(p.m_Method, kExternalStandard);
    EXPECT_EQ(p.m_FieldB, 11);
    EXPECT_EQ(p.m_LastComponentId, 2);
    ASSERT_EQ(p.m_Components.size(), 1u);
    const CComponentItem& c = p.m_Components[0];
    EXPECT_EQ(c.m_Id, 2);
    EXPECT_EQ(c.m_Reserved, 9);
    EXPECT_EQ(c.m_Name, "苯");
    EXPECT_EQ(c.m_TimeWindow, 0.05);
    EXPECT_EQ(c.m_Text2, "t2");
    EXPECT_EQ(c.m_A, 101.5);
    EXPECT_EQ(c.m_R, 0.999);
    EXPECT_EQ(c.m_CurveType, CComponentItem::kThroughOrigin);
    ASSERT_EQ(c.m_Points.size(), 2u);
    EXPECT_EQ(c.m_Points[1].m_Concentration, 2.0);
    EXPECT_EQ(c.m_Points[1].m_Repeats[0].m_Height, 21.0);
    EXPECT_EQ(c.m_Values1, (std::vector<double>{0.5, 1.5}));
    EXPECT_TRUE(c.m_Values2.empty());
    EXPECT_EQ(p.m_TimeProgram.size(), 1u);
    EXPECT_EQ(p.m_UseManualEvents, 1);
    ASSERT_EQ(p.m_ManualEvents.size(), 1u);
    EXPECT_EQ(p.m_ManualEvents[0], SomeEvent());
    EXPECT_EQ(p.m_ValueD, 3.25);
    EXPECT_EQ(p.m_ValueF, -1.0);
}

TEST(TzpFile, Version18ComesBackByteForByte) {
    const Bytes bytes = HandMadeTzp();
    CPrjDoc p = LoadOk(bytes);
    p.m_Components[0].m_CurveType = CComponentItem::kGeneralLine;  // not stored
    EXPECT_EQ(Stored(p), bytes);
}

TEST(TzpFile, Version10LacksTheLaterFieldsAndIsSavedAs18) {
    Layout old;
    old.version = 10;
    old.text9 = old.events = old.valueD = old.valuesEF = false;
    CPrjDoc p = LoadOk(HandMadeTzp(old));
    EXPECT_EQ(p.m_Version, 10);
    EXPECT_EQ(p.m_Text9, "");
    EXPECT_TRUE(p.m_ManualEvents.empty());
    EXPECT_EQ(p.m_ValueD, 0.0);
    ASSERT_EQ(p.m_Components.size(), 1u);

    // Written back: version 18, every field, the absent ones at their defaults.
    test::ByteBuilder expected;
    Bytes full = HandMadeTzp();
    CPrjDoc reference = LoadOk(full);
    reference.m_Text9.clear();
    reference.m_UseManualEvents = 0;
    reference.m_ManualEvents.clear();
    reference.m_ValueD = reference.m_ValueE = reference.m_ValueF = 0.0;
    EXPECT_EQ(Stored(p), Stored(reference));
    EXPECT_EQ(p.m_Version, 10);  // storing leaves the project as it is; saving moves it on
    test::TempDir dir;
    ASSERT_TRUE(SaveTzpFile(p, dir.Path("old.Tzp")).ok());
    EXPECT_EQ(p.m_Version, 18);

    // Version 16 has the events but not value D; 17 has D but not E and F.
    Layout v16;
    v16.version = 16;
    v16.valueD = v16.valuesEF = false;
    EXPECT_EQ(LoadOk(HandMadeTzp(v16)).m_ManualEvents.size(), 1u);
    Layout v17;
    v17.version = 17;
    v17.valuesEF = false;
    const CPrjDoc p17 = LoadOk(HandMadeTzp(v17));
    EXPECT_EQ(p17.m_ValueD, 3.25);
    EXPECT_EQ(p17.m_ValueE, 0.0);
}

// Gives every stored field its own value, none of them a default, by walking the field lists:
// whatever the list holds must come back from the file.
class Filler {
public:
    template <class T>
    void Fill(T& v) {
        ++m_Next;
        if constexpr (std::is_same_v<T, std::int32_t>)
            v = m_Next;
        else if constexpr (std::is_same_v<T, std::uint8_t>)
            v = static_cast<std::uint8_t>(m_Next);
        else if constexpr (std::is_same_v<T, float>)
            v = static_cast<float>(m_Next) + 0.25f;
        else if constexpr (std::is_same_v<T, double>)
            v = m_Next + 0.5;
        else if constexpr (std::is_same_v<T, std::string>)
            v = "值" + std::to_string(m_Next);
        else if constexpr (IsVector<T>::value) {
            v.resize(2);
            for (auto& item : v)
                Fill(item);
        } else
            T::VisitFields(v, [&](Field, auto& field) { Fill(field); });
    }

private:
    std::int32_t m_Next = 0;
};

TEST(TzpFile, EveryListedFieldComesBack) {
    CPrjDoc p;
    Filler().Fill(p);
    p.m_Version = CPrjDoc::kFileVersion;  // what a save writes, whatever the project holds
    ASSERT_LE(p.m_LevelCount, CPrjDoc::kMaxLevelCount);
    const CPrjDoc loaded = LoadOk(Stored(p));
    EXPECT_TRUE(test::SameFields(p, loaded));
    EXPECT_TRUE(loaded == p);
    EXPECT_EQ(Stored(loaded), Stored(p));
}

// The smallest record of each kind, from the layout: strings of one length byte, lists of a
// count alone. A count in a file is checked against these before anything is allocated.
TEST(TzpFile, SmallestStoredRecords) {
    EXPECT_EQ(MinStoredSize<CalRepeat>(), 3u * 8);
    EXPECT_EQ(MinStoredSize<CCalPoint>(), 8u + 8 + 4);
    EXPECT_EQ(MinStoredSize<CComponentItem>(), 4u * 4 + 1 + 3 * 8 + 1 + 4 * 8 + 3 * 4);
    EXPECT_EQ(MinStoredSize<CPrjFileRecord>(), 1u + 4 + 1 + 2 * 4 + 4 * 8 + 4);
}

// Only stored fields decide: where a project lives, under which application directory and
// whether it was modified do not.
TEST(TzpFile, ProjectsCompareByTheirStoredFields) {
    const CPrjDoc a = LoadOk(HandMadeTzp());
    CPrjDoc b = a;
    b.m_PathName = "/elsewhere/b.Tzp";
    b.m_AppDir = "/elsewhere";
    b.m_Modified = true;
    EXPECT_TRUE(a == b);
    b.m_ValueE = 0.0;  // a placeholder is part of the file like any other field
    EXPECT_FALSE(a == b);
    b = a;
    b.m_Components[0].m_Points[1].m_Repeats[0].m_Factor = 0.0;
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(test::SameFields(a, b));
}

TEST(TzpFile, EmptyTableIsTheTagAndACountOfZero) {
    CPrjDoc p;
    Bytes bytes = Stored(p);
    test::ByteBuilder tail;
    tail.ShortString("ID_TABLE").I32(0).ShortString("SAM_CON");
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), tail.Bytes().begin(), tail.Bytes().end()),
              bytes.end());
}

TEST(TzpFile, EveryCutIsRefusedWithAMessage) {
    const Bytes bytes = HandMadeTzp();
    EXPECT_EQ(LoadTzpBytes({}, "cut.Tzp").error(),
              "文件[cut.Tzp]不是分析项目文件(.Tzp),而是空文件,无法打开!");
    for (std::size_t n = 1; n < bytes.size(); ++n) {
        auto p = LoadTzpBytes({bytes.data(), n}, "cut.Tzp");
        ASSERT_FALSE(p.ok()) << n;
        ASSERT_NE(p.error().find("文件[cut.Tzp]已损坏或不完整"), std::string::npos) << p.error();
    }
}

// Where `what` begins in `bytes`.
std::size_t OffsetOf(const Bytes& bytes, const std::string& what) {
    const auto at = std::search(bytes.begin(), bytes.end(), what.begin(), what.end());
    EXPECT_NE(at, bytes.end()) << what;
    return static_cast<std::size_t>(at - bytes.begin());
}

// A file that is not a project at all is named for what it is; one that is a project cut
// short is damaged, in the part where it ends.
TEST(TzpFile, AFileOfAnotherKindIsNamedForWhatItIs) {
    test::TempDir dir;
    const std::string run = dir.Path("run.Tzd");
    test::WriteBytes(run, test::HandMadeTzd());
    const std::string empty = dir.Path("empty.Tzp");
    test::WriteBytes(empty, {});
    const std::string text = dir.Path("notes.Tzp");
    const std::string notes = "苯系物 method\r\nlevels: 2\r\nstandards: std1.Tzd, std2.Tzd\r\n";
    test::WriteBytes(text, Bytes(notes.begin(), notes.end()));

    EXPECT_EQ(LoadTzpFile(run, "").error(),
              "文件[" + run + "]不是分析项目文件(.Tzp),而是色谱图文件(.Tzd),无法打开!");
    EXPECT_EQ(LoadTzpFile(empty, "").error(),
              "文件[" + empty + "]不是分析项目文件(.Tzp),而是空文件,无法打开!");
    EXPECT_EQ(LoadTzpFile(text, "").error(),
              "文件[" + text + "]不是分析项目文件(.Tzp),而是文本文件,无法打开!");
    // The bytes alone say the same as the file.
    EXPECT_EQ(LoadTzpBytes(test::HandMadeTzd(), "run.Tzd").error(),
              "文件[run.Tzd]不是分析项目文件(.Tzp),而是色谱图文件(.Tzd),无法打开!");

    const Bytes bytes = HandMadeTzp();
    const std::string cut = dir.Path("cut.Tzp");
    const std::vector<std::pair<std::size_t, std::string>> cuts{
        {6, "项目信息"},
        {OffsetOf(bytes, "std1.Tzd"), "图谱文件列表"},
        {OffsetOf(bytes, "ID_TABLE") + 12, "组份表"},
        {OffsetOf(bytes, "PRJ_TIME") + 2, "方法参数"},
    };
    for (const auto& [n, part] : cuts) {
        test::WriteBytes(cut, Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n)));
        EXPECT_EQ(LoadTzpFile(cut, "").error(),
                  "文件[" + cut + "]已损坏或不完整(" + part + "),无法打开!")
            << "cut at " << n;
    }
}

// Every component would need a point per level: a count no lab uses is damage, not a reason
// to allocate.
TEST(TzpFile, AnImpossibleLevelCountIsRefused) {
    CPrjDoc p;
    p.m_LevelCount = CPrjDoc::kMaxLevelCount;
    EXPECT_TRUE(LoadTzpBytes(Stored(p), "max.Tzp").ok());
    p.m_LevelCount = CPrjDoc::kMaxLevelCount + 1;
    auto refused = LoadTzpBytes(Stored(p), "huge.Tzp");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error(), "文件[huge.Tzp]已损坏或不完整(项目信息),无法打开!");
}

TEST(TzpFile, OpeningNamesTheMethodAfterTheFileAndFindsItsFolder) {
    test::TempDir dir;
    const std::string app = dir.path().string();
    std::filesystem::create_directories(dir.path() / "Projects" / "苯");
    const std::string path = (dir.path() / "Projects" / "苯" / "苯系物.Tzp").string();
    CPrjDoc p = LoadOk(HandMadeTzp());
    ASSERT_TRUE(SaveTzpFile(p, path).ok());
    auto opened = LoadTzpFile(path, app);
    ASSERT_TRUE(opened.ok()) << opened.error();
    EXPECT_EQ(opened->m_MethodName, "苯系物");
    EXPECT_EQ(opened->m_Folder, "Projects/苯");
    EXPECT_EQ(opened->m_Components, p.m_Components);

    EXPECT_EQ(ProjectFolderOf("/data/lab/x.Tzp", "/opt/LX6600"), "/data/lab/x.Tzp");
    EXPECT_EQ(ProjectFolderOf("/OPT/lx6600/Proj/x.Tzp", "/opt/LX6600"), "Proj");
    EXPECT_EQ(ProjectFolderOf("/opt/LX6600/x.Tzp", "/opt/LX6600/"), "");
    EXPECT_FALSE(LoadTzpFile(dir.Path("none.Tzp"), app).ok());
}

}  // namespace
}  // namespace lx
