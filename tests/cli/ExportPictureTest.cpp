// lx6600-cli export --png / --bmp: the plot of a synthetic run as picture files, read back
// byte by byte, and the refusals of the options.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::uint32_t U32BigEndian(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

class CliExportPicture : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string run = dir.Path("run.Tzd");
    void SetUp() override {
        ASSERT_EQ(
            Cli({"synth", run, "--minutes", "3", "--peak", "1:20000", "--peak", "2:9000"}).exitCode,
            0);
    }
};

// The trace's colour, "PicLineRGB" red, somewhere in the picture.
bool HasTrace(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0))
                return true;
    return false;
}

TEST_F(CliExportPicture, BitmapFileWithItsHeadersAndTheTrace) {
    const std::string bmp = dir.Path("plot.bmp");
    auto r = Cli({"export", run, "--bmp", bmp, "--size", "301x200"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, bmp + "\n");
    const auto b = test::ReadBytes(bmp);
    ASSERT_GE(b.size(), 54u);
    // 301 pixels of 3 bytes are 903 bytes, padded to 904.
    const std::uint32_t rowBytes = 904;
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 2), 54 + rowBytes * 200);
    EXPECT_EQ(U32(b, 6), 0u);    // reserved
    EXPECT_EQ(U32(b, 10), 54u);  // no colour table
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 301u);
    EXPECT_EQ(U32(b, 22), 200u);  // bottom-up
    EXPECT_EQ(U16(b, 26), 1);
    EXPECT_EQ(U16(b, 28), 24);
    EXPECT_EQ(U32(b, 30), 0u);  // BI_RGB
    // Not blank: the trace's red (blue 0, green 0, red 255) in some pixel of some row, and
    // white paper too.
    bool red = false, white = false;
    for (std::uint32_t row = 0; row < 200; ++row)
        for (std::uint32_t x = 0; x < 301; ++x) {
            const std::size_t at = 54 + row * rowBytes + x * 3;
            red |= b[at] == 0 && b[at + 1] == 0 && b[at + 2] == 255;
            white |= b[at] == 255 && b[at + 1] == 255 && b[at + 2] == 255;
        }
    EXPECT_TRUE(red);
    EXPECT_TRUE(white);
    // The padding byte at the end of each row is zero.
    EXPECT_EQ(b[54 + rowBytes - 1], 0);
}

TEST_F(CliExportPicture, PngOfTheWholeRunOrOfARange) {
    const std::string png = dir.Path("plot.png");
    auto r = Cli({"export", run, "--png", png});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto b = test::ReadBytes(png);
    ASSERT_GE(b.size(), 24u);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 4), "PNG");
    EXPECT_EQ(U32BigEndian(b, 16), 1200u);  // the default size
    EXPECT_EQ(U32BigEndian(b, 20), 800u);
    const QImage whole(QString::fromStdString(png));
    ASSERT_EQ(whole.size(), QSize(1200, 800));
    EXPECT_TRUE(HasTrace(whole));

    // Half a minute around the second peak, and a signal range the trace leaves: a different
    // picture, and one with no trace in it.
    ASSERT_EQ(Cli({"export", run, "--png", dir.Path("peak.png"), "--time", "1.75:2.25"}).exitCode,
              0);
    const QImage peak(QString::fromStdString(dir.Path("peak.png")));
    EXPECT_TRUE(HasTrace(peak));
    EXPECT_NE(peak, whole);
    ASSERT_EQ(Cli({"export", run, "--png", dir.Path("above.png"), "--signal", "100:200"}).exitCode,
              0);
    EXPECT_FALSE(HasTrace(QImage(QString::fromStdString(dir.Path("above.png")))));
}

TEST_F(CliExportPicture, RefusesWhatCannotBeMeantAndNeverWritesOverTheInput) {
    const std::string png = dir.Path("p.png");
    EXPECT_EQ(Cli({"export", run}).exitCode, 2);
    EXPECT_EQ(Cli({"export", run, "--png", png, "--bmp", dir.Path("p.bmp")}).exitCode, 2);
    EXPECT_EQ(Cli({"export", run, "--png", png, "--text", dir.Path("p.txt")}).exitCode, 2);
    for (const char* size : {"50x50", "1200", "1200x", "12.5x800", "4000x800", "axb"}) {
        auto r = Cli({"export", run, "--png", png, "--size", size});
        EXPECT_EQ(r.exitCode, 2) << size;
        EXPECT_NE(r.err.find("--size"), std::string::npos) << r.err;
    }
    for (const char* time : {"3:1", "-1:2", "1", "1:x", "2:2"})
        EXPECT_EQ(Cli({"export", run, "--png", png, "--time", time}).exitCode, 2) << time;
    for (const char* signal : {"5:1", "-3000:0", "0:nan"})
        EXPECT_EQ(Cli({"export", run, "--png", png, "--signal", signal}).exitCode, 2) << signal;
    EXPECT_FALSE(std::filesystem::exists(png));

    const auto before = test::ReadBytes(run);
    auto over = Cli({"export", run, "--bmp", run, "--force"});
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_NE(over.err.find(run), std::string::npos) << over.err;
    EXPECT_EQ(Cli({"export", run, "--text", run, "--force"}).exitCode, 1);
    EXPECT_EQ(test::ReadBytes(run), before);

    ASSERT_EQ(Cli({"export", run, "--png", png}).exitCode, 0);
    auto again = Cli({"export", run, "--png", png});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("--force"), std::string::npos) << again.err;
    EXPECT_EQ(Cli({"export", run, "--png", png, "--force"}).exitCode, 0);
}

}  // namespace
}  // namespace lx
