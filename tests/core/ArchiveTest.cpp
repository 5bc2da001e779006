// Primitive archive items against their byte layouts, and the reader's refusal of bad bytes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "core/Archive.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Archive, PrimitivesAreLittleEndian) {
    ArchiveWriter ar;
    ar.WriteI32(-2);
    ar.WriteU16(0x1234);
    ar.WriteF32(2.1f);
    ar.WriteF64(1.0);
    EXPECT_EQ(ar.Bytes(), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0x66, 0x66, 0x06, 0x40, 0, 0,
                                 0, 0, 0, 0, 0xF0, 0x3F}));
    ArchiveReader in(ar.Bytes());
    EXPECT_EQ(in.ReadI32(), -2);
    EXPECT_EQ(in.ReadU16(), 0x1234);
    EXPECT_EQ(in.ReadF32(), 2.1f);
    EXPECT_EQ(in.ReadF64(), 1.0);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Remaining(), 0u);
}

// The length prefix switches form at 255 and at 65534 bytes.
TEST(Archive, StringPrefixFormsAtTheirBoundaries) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    for (const Case& c :
         {Case{0, {0x00}}, Case{254, {0xFE}}, Case{255, {0xFF, 0xFF, 0x00}},
          Case{65533, {0xFF, 0xFD, 0xFF}}, Case{65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
          Case{70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}}) {
        std::string text(c.length, 'a');
        ArchiveWriter ar;
        ar.WriteString(text);
        ASSERT_EQ(ar.Bytes().size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(ar.Bytes().begin(), ar.Bytes().begin() + c.prefix.size()), c.prefix);
        ArchiveReader in(ar.Bytes());
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_FALSE(in.Failed());
    }
}

TEST(Archive, StringsAreCodePage936OnDisk) {
    ArchiveWriter ar;
    ar.WriteString("图谱");
    EXPECT_EQ(ar.Bytes(), (Bytes{0x04, 0xCD, 0xBC, 0xC6, 0xD7}));
}

TEST(Archive, ReadingPastTheEndFailsForGood) {
    Bytes bytes{1, 2, 3, 4, 5};
    ArchiveReader in(bytes);
    EXPECT_EQ(in.ReadI32(), 0x04030201);
    EXPECT_EQ(in.ReadI32(), 0);  // only one byte left
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(in.ReadU8(), 0);  // the byte that was left is not handed out after a failure
}

TEST(Archive, StringLongerThanTheBytesLeftFails) {
    test::ByteBuilder b;
    b.U8(0xFF).U16(0xFFFF).I32(0x7FFFFFFF).Raw({'a', 'b'});
    ArchiveReader in(b.Bytes());
    EXPECT_EQ(in.ReadString(), "");
    EXPECT_TRUE(in.Failed());
}

TEST(Archive, CountsAreCheckedAgainstTheBytesLeft) {
    Bytes bytes(40);
    ArchiveReader in(bytes);
    EXPECT_TRUE(in.CheckCount(10, 4));
    EXPECT_FALSE(in.Failed());
    EXPECT_FALSE(in.CheckCount(11, 4));
    EXPECT_TRUE(in.Failed());
    ArchiveReader huge(bytes);
    EXPECT_FALSE(huge.CheckCount(0xFFFFFFFFFFFFFFFFull, 189));
}

TEST(Archive, FileReaderHandsOutTheSameItemsAcrossItsBuffer) {
    // Items of every size straddling the 64 KiB window, then a block larger than the window.
    ArchiveWriter ar;
    for (int i = 0; i < 30000; ++i) {
        ar.WriteU8(static_cast<std::uint8_t>(i));
        ar.WriteString(std::string(static_cast<std::size_t>(i % 7), 'z'));
        ar.WriteF64(i * 0.5);
    }
    std::vector<std::int32_t> block(50000);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::int32_t>(i) - 25000;
    ar.WriteI32Block(block.data(), block.size());
    ar.WriteI32(-7);

    test::TempDir dir;
    std::string path = dir.Path("items.bin");
    test::WriteBytes(path, ar.Bytes());
    int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ArchiveReader in(fd, ar.Bytes().size());
    for (int i = 0; i < 30000; ++i) {
        ASSERT_EQ(in.ReadU8(), static_cast<std::uint8_t>(i));
        ASSERT_EQ(in.ReadString(), std::string(static_cast<std::size_t>(i % 7), 'z'));
        ASSERT_EQ(in.ReadF64(), i * 0.5);
    }
    std::vector<std::int32_t> back(block.size());
    ASSERT_TRUE(in.ReadI32Block(back.data(), back.size()));
    EXPECT_EQ(back, block);
    EXPECT_EQ(in.ReadI32(), -7);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_FALSE(in.Failed());
    ::close(fd);
}

TEST(Archive, StreamingWriterWritesWhatTheMemoryWriterCollects) {
    ArchiveWriter memory;
    test::TempDir dir;
    std::string path = dir.Path("stream.bin");
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ArchiveWriter stream(fd);
    std::vector<std::int32_t> block(40000, 9);
    for (ArchiveWriter* ar : {&memory, &stream}) {
        for (int i = 0; i < 20000; ++i)
            ar->WriteString("样品");
        ar->WriteU32(static_cast<std::uint32_t>(block.size()));
        ar->WriteI32Block(block.data(), block.size());
        ar->WriteF64(3.5);
    }
    ASSERT_TRUE(stream.Flush());
    ::close(fd);
    EXPECT_EQ(test::ReadBytes(path), memory.Bytes());
}

TEST(Archive, StreamingWriterReportsAFailedWrite) {
    // /dev/full takes the open and refuses every write, as a full disk does.
    int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0)
        GTEST_SKIP() << "no /dev/full";
    ArchiveWriter ar(fd);
    std::vector<std::int32_t> block(100000);
    ar.WriteI32Block(block.data(), block.size());
    EXPECT_FALSE(ar.Flush());
    EXPECT_TRUE(ar.Failed());
    ::close(fd);
}

}  // namespace
}  // namespace lx
