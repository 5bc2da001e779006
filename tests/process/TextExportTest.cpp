// The signal as a text file, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "process/TextExport.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

std::string Text(const std::string& path) {
    const auto bytes = test::ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

TEST(TextExport, OneLinePerSampleWithoutHeader) {
    test::TempDir dir;
    CTzLabDoc doc;
    doc.m_ChannelSetup.rate = 20;
    doc.m_Samples.Resize(2);
    doc.m_Samples.SetAt(0, 1200);
    doc.m_Samples.SetAt(1, -5);
    ASSERT_TRUE(ExportText(doc, dir.Path("run.txt")).ok());
    // 1 / 20 / 60 minutes = 0.000833, shown with four decimals.
    EXPECT_EQ(Text(dir.Path("run.txt")), "0.0000  1200 \r\n0.0008  -5 \r\n");

    doc.m_Samples.Resize(0);
    ASSERT_TRUE(ExportText(doc, dir.Path("run.txt")).ok());
    EXPECT_TRUE(std::filesystem::exists(dir.Path("run.txt")));
    EXPECT_EQ(Text(dir.Path("run.txt")), "");
}

TEST(TextExport, AFileThatCannotBeCreatedGetsNothing) {
    test::TempDir dir;
    CTzLabDoc doc;
    doc.m_Samples.Resize(3);
    const Status status = ExportText(doc, dir.Path("no/such/folder/run.txt"));
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(std::filesystem::exists(dir.Path("no")));
}

}  // namespace
}  // namespace lx
