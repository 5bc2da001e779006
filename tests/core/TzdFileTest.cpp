// The chromatogram file against bytes assembled from the layout tables: every field, every
// version rule, and damaged input.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/Archive.h"
#include "core/TzdFile.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/HandMadeTzd.h"
#include "tests/support/SameFields.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using test::HandMadeOptions;
using test::HandMadeRecord;
using test::HandMadeTzd;

CTzLabDoc LoadOk(const std::vector<std::uint8_t>& bytes) {
    auto doc = LoadTzdBytes(bytes, "t.Tzd");
    EXPECT_TRUE(doc.ok()) << doc.error();
    return doc.ok() ? std::move(doc.value()) : CTzLabDoc();
}

std::vector<std::uint8_t> Stored(const CTzLabDoc& doc) {
    ArchiveWriter ar;
    doc.Serialize(ar);
    return ar.Bytes();
}

TEST(TzdFile, LoadsEveryFieldOfAVersion21File) {
    CTzLabDoc doc = LoadOk(HandMadeTzd());
    EXPECT_TRUE(test::SameFields(HandMadeRecord(), doc));
    EXPECT_EQ(doc.m_Samples.m_Loaded, 1);
    EXPECT_EQ(doc.m_Peaks[0].m_ComponentName.size(), 127u * 3 + 1);  // 255 GBK bytes
}

TEST(TzdFile, StoresAVersion21FileByteForByte) {
    auto bytes = HandMadeTzd();
    CTzLabDoc doc = LoadOk(bytes);
    EXPECT_EQ(Stored(doc), bytes);
    // The record built in memory stores the same bytes: the writer follows the tables too.
    CTzLabDoc built = HandMadeRecord();
    EXPECT_EQ(Stored(built), bytes);
}

TEST(TzdFile, StoringWritesVersion21WhateverTheRecordSays) {
    CTzLabDoc doc;
    doc.m_Version = 1.5f;
    auto bytes = Stored(doc);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{0x66, 0x66, 0x06, 0x40}));
    EXPECT_EQ(doc.m_Version, 1.5f);  // storing leaves the record alone
    EXPECT_EQ(LoadOk(bytes).m_Version, 2.1f);
}

TEST(TzdFile, SavingChangesNothingButWhereTheRecordLives) {
    test::TempDir dir;
    HandMadeOptions old;
    old.version = 1.5f;
    old.withEventSections = old.withColumnLength = old.withIsConc = false;
    CTzLabDoc doc = LoadOk(HandMadeTzd(old));
    const CTzLabDoc before = doc;
    ASSERT_TRUE(SaveTzdFile(doc, dir.Path("saved.Tzd")).ok());
    EXPECT_TRUE(test::SameFields(before, doc));
    EXPECT_EQ(doc.m_Version, 1.5f);
    EXPECT_EQ(doc.m_PathName, dir.Path("saved.Tzd"));
    auto reloaded = LoadTzdFile(dir.Path("saved.Tzd"));
    ASSERT_TRUE(reloaded.ok()) << reloaded.error();
    EXPECT_EQ(reloaded->m_Version, 2.1f);
    CTzLabDoc upgraded = before;
    upgraded.m_Version = 2.1f;
    EXPECT_TRUE(test::SameFields(upgraded, reloaded.value()));
}

TEST(TzdFile, EmptyRecordStoresCountZeroAndNoSampleBytes) {
    CTzLabDoc doc;
    doc.m_Operator = "";
    auto bytes = Stored(doc);
    // version, five empty strings, the date: the sample count follows at offset 4+4+1+4.
    ASSERT_GT(bytes.size(), 17u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 13, bytes.begin() + 17),
              (std::vector<std::uint8_t>{0, 0, 0, 0}));
    CTzLabDoc back = LoadOk(bytes);
    EXPECT_TRUE(back.m_Samples.empty());
    EXPECT_TRUE(back.m_Peaks.empty());
}

// Older files: which sections they carry, and what a save makes of them.
struct VersionCase {
    const char* name;
    float version;
    bool events, columnLength, isConc;
};

void PrintTo(const VersionCase& v, std::ostream* os) {
    *os << v.name;
}

class TzdVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(TzdVersion, LoadsTheSectionsOfItsVersionAndSavesAs21) {
    const VersionCase& v = GetParam();
    HandMadeOptions file;
    file.version = v.version;
    file.withEventSections = v.events;
    file.withColumnLength = v.columnLength;
    file.withIsConc = v.isConc;
    CTzLabDoc doc = LoadOk(HandMadeTzd(file));

    CTzLabDoc expected = HandMadeRecord();
    expected.m_Version = v.version;
    if (!v.events) {
        expected.m_UseManualEvents = 0;
        expected.m_ManualEvents.clear();
    }
    if (!v.columnLength)
        expected.m_ColumnLength = 0.0;
    if (!v.isConc)
        expected.m_IsConc2 = expected.m_IsConc3 = 1.0;
    if (v.version < 1.2f)
        expected.m_PrintSettings.lineSpacing = 0.5f;
    EXPECT_TRUE(test::SameFields(expected, doc));

    HandMadeOptions saved;
    saved.eventsEmpty = !v.events;
    saved.columnLength = expected.m_ColumnLength;
    saved.isConc2 = expected.m_IsConc2;
    saved.isConc3 = expected.m_IsConc3;
    saved.lineSpacing = expected.m_PrintSettings.lineSpacing;
    EXPECT_EQ(Stored(doc), HandMadeTzd(saved));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, TzdVersion,
    ::testing::Values(VersionCase{"v1_1", 1.1f, false, false, false},
                      VersionCase{"v1_5", 1.5f, false, false, false},
                      // 1.9 as stored in single precision is not above 1.9 in double precision
                      VersionCase{"v1_9", 1.9f, true, false, false},
                      VersionCase{"v1_95", 1.95f, true, true, false},
                      VersionCase{"v2_0", 2.0f, true, true, false},
                      VersionCase{"v2_1", 2.1f, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TzdFile, EveryCutOfAValidFileIsRefusedWithAMessage) {
    auto bytes = HandMadeTzd();
    EXPECT_EQ(LoadTzdBytes({}, "cut.Tzd").error(),
              "文件[cut.Tzd]不是色谱图文件(.Tzd),而是空文件,无法打开!");
    for (std::size_t n = 1; n < bytes.size(); ++n) {
        auto doc = LoadTzdBytes({bytes.data(), n}, "cut.Tzd");
        ASSERT_FALSE(doc.ok()) << "cut at " << n;
        ASSERT_NE(doc.error().find("文件[cut.Tzd]已损坏或不完整"), std::string::npos)
            << doc.error();
    }
}

TEST(TzdFile, EveryCutOfAValidFileOnDiskIsRefused) {
    test::TempDir dir;
    auto bytes = HandMadeTzd();
    std::string path = dir.Path("cut.Tzd");
    for (std::size_t n = 1; n < bytes.size(); n += 7) {
        test::WriteBytes(path, {bytes.begin(), bytes.begin() + static_cast<long>(n)});
        auto doc = LoadTzdFile(path);
        ASSERT_FALSE(doc.ok()) << "cut at " << n;
        EXPECT_NE(doc.error().find("已损坏或不完整"), std::string::npos);
    }
}

TEST(TzdFile, CountsBeyondTheBytesLeftAreRefusedBeforeAllocating) {
    auto withSampleCount = [](std::uint32_t count) {
        test::ByteBuilder b;
        b.F32(2.1f).ShortString("").ShortString("").ShortString("").ShortString("").I32(0);
        b.ShortString("").I32(static_cast<std::int32_t>(count)).I32(1).I32(2);
        return b.Bytes();
    };
    for (std::uint32_t count : {3u, 1000u, 0x40000000u, 0xFFFFFFFFu}) {
        auto doc = LoadTzdBytes(withSampleCount(count), "big.Tzd");
        ASSERT_FALSE(doc.ok());
        EXPECT_NE(doc.error().find("采样数据"), std::string::npos) << doc.error();
    }

    // A peak count that the file cannot hold names the peak table. In the hand-made file the
    // count follows the one-entry time program.
    auto bytes = HandMadeTzd();
    test::ByteBuilder program;
    program.I32(1).F64(1.5).I32(10).F64(45.0).I32(1);
    auto at =
        std::search(bytes.begin(), bytes.end(), program.Bytes().begin(), program.Bytes().end());
    ASSERT_NE(at, bytes.end());
    std::size_t countAt = static_cast<std::size_t>(at - bytes.begin()) + program.size();
    ASSERT_EQ(bytes[countAt], 1);
    bytes[countAt + 3] = 0x10;  // 268 million peaks
    auto doc = LoadTzdBytes(bytes, "peaks.Tzd");
    ASSERT_FALSE(doc.ok());
    EXPECT_NE(doc.error().find("峰表"), std::string::npos) << doc.error();
}

TEST(TzdFile, WideStringMarkerIsDamage) {
    test::ByteBuilder b;
    b.F32(2.1f).U8(0xFF).U16(0xFFFE).U8(2).Raw({'a', 'b'});
    auto doc = LoadTzdBytes(b.Bytes(), "wide.Tzd");
    ASSERT_FALSE(doc.ok());
    EXPECT_NE(doc.error().find("样品信息"), std::string::npos);
}

TEST(TzdFile, LargeRecordRoundTripsThroughAFile) {
    // Enough samples and peaks that every kind of item straddles the reader's buffer.
    test::TempDir dir;
    CTzLabDoc doc = HandMadeRecord();
    doc.m_Samples.Resize(100003);
    for (std::size_t i = 0; i < doc.m_Samples.size(); ++i)
        doc.m_Samples.SetAt(i, static_cast<std::int32_t>(i * 37 % 5000) - 2500);
    for (int k = 0; k < 700; ++k) {
        PeakRecord p = doc.m_Peaks[0];
        p.m_Number = k + 2;
        p.m_ComponentName = k % 2 ? "甲苯" : std::string(300 + k, 'x');
        doc.m_Peaks.push_back(p);
    }
    doc.m_Notes = "undecodable \xEF\x9F\x80 tail";  // U+F7C0 stands for the byte 0xC0
    std::string path = dir.Path("large.Tzd");
    ASSERT_TRUE(SaveTzdFile(doc, path).ok());
    auto back = LoadTzdFile(path);
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_TRUE(test::SameFields(doc, back.value()));
    auto bytes = test::ReadBytes(path);
    EXPECT_EQ(Stored(back.value()), bytes);
}

TEST(TzdFile, UndecodableTextSurvivesLoadAndSave) {
    // Operator "\x81" (a lone lead byte) and sample name "\xAA\xA1" (user-defined area).
    test::ByteBuilder b;
    b.F32(2.1f).ShortString("\x81").ShortString("\xAA\xA1");
    auto good = HandMadeTzd();
    // Splice: version, then our two strings in place of "Li" and 苯, then the rest.
    std::vector<std::uint8_t> bytes = b.Bytes();
    bytes.insert(bytes.end(), good.begin() + 4 + 3 + 3, good.end());
    CTzLabDoc doc = LoadOk(bytes);
    EXPECT_FALSE(doc.m_Operator.empty());
    EXPECT_EQ(Stored(doc), bytes);
}

TEST(TzdFile, MissingFileGivesTheOpenMessage) {
    test::TempDir dir;
    auto doc = LoadTzdFile(dir.Path("none.Tzd"));
    ASSERT_FALSE(doc.ok());
    EXPECT_EQ(doc.error(), "打开文件[" + dir.Path("none.Tzd") + "]失败!(文件不存在)");
    auto folder = LoadTzdFile(dir.path().string());
    EXPECT_FALSE(folder.ok());
}

}  // namespace
}  // namespace lx
