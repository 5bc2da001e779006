// Damaged and hostile bytes given to the ANDI/AIA import: a message, never a crash, never an
// allocation the bytes do not bear. Headers are patched and assembled by hand from the classic
// layout (big-endian counts), independently of the gate that checks them.
#include <gtest/gtest.h>

#include "core/TzdFile.h"
#include "interchange/andi/AndiExport.h"
#include "interchange/andi/AndiImport.h"
#include "interchange/andi/NetCdfFile.h"
#include "tests/interchange/andi/AndiTestFiles.h"
#include "tests/support/HandMadeTzd.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/SpeakLanguage.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

class AndiDamaged : public ::testing::Test {
protected:
    void SetUp() override {
        CTzLabDoc doc;
        doc.m_Samples.Resize(40);
        for (std::size_t i = 0; i < 40; ++i)
            doc.m_Samples.data()[i] = static_cast<std::int32_t>(i * i);
        auto made = AndiFileBytes(doc, "small");
        ASSERT_TRUE(made.ok()) << made.error();
        good = made.value();
    }
    // The message for `bytes`, in English.
    std::string Refusal(const std::vector<std::uint8_t>& bytes) {
        auto doc = ImportAndiBytes(bytes, "x.cdf", {.keepPeaks = true, .rate = {}}, prompter);
        EXPECT_FALSE(doc.ok());
        return doc.ok() ? std::string() : doc.error();
    }
    test::SpeakLanguage english{Language::English};
    test::ScriptedPrompter prompter;
    std::vector<std::uint8_t> good;
};

TEST_F(AndiDamaged, EveryTruncationIsRefused) {
    ASSERT_TRUE(ImportAndiBytes(good, "x.cdf", {}, prompter).ok());
    for (std::size_t n = 0; n < good.size(); ++n) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + n);
        ASSERT_FALSE(ImportAndiBytes(cut, "x.cdf", {}, prompter).ok()) << n;
    }
    EXPECT_NE(Refusal({good.begin(), good.begin() + 14}).find("the header is cut short"),
              std::string::npos);
    EXPECT_NE(Refusal({good.begin(), good.end() - 8})
                  .find("the data of ordinate_values lies past the end"),
              std::string::npos);
}

TEST_F(AndiDamaged, AbsurdSizesAreRefusedBeforeAnythingIsAllocated) {
    // The first dimension's length: magic, record count, tag, count, name length, the name
    // "point_number" (12 bytes), then the length at byte 32.
    ASSERT_EQ(std::string(good.begin() + 20, good.begin() + 32), "point_number");
    std::vector<std::uint8_t> huge = good;
    PutBigEndian(huge, 32, 0x7FFFFFF0);
    EXPECT_NE(Refusal(huge).find("the data of ordinate_values lies past the end"),
              std::string::npos);

    // Two billion global attributes in a 24-byte file.
    std::vector<std::uint8_t> attributes = {'C', 'D', 'F', 1};
    attributes.resize(24, 0);
    PutBigEndian(attributes, 16, 0x0C);  // after the record count and an absent dimension list
    PutBigEndian(attributes, 20, 0x7FFFFFFF);
    EXPECT_NE(Refusal(attributes).find("counts 2147483647 items"), std::string::npos);

    // A record count left as "streaming" by a writer that never finished.
    std::vector<std::uint8_t> streaming = good;
    PutBigEndian(streaming, 4, 0xFFFFFFFF);
    EXPECT_NE(Refusal(streaming).find("no record count"), std::string::npos);

    // A variable list's tag where the dimensions belong.
    std::vector<std::uint8_t> nonsense = good;
    PutBigEndian(nonsense, 8, 0x0B);
    EXPECT_NE(Refusal(nonsense).find("the header makes no sense"), std::string::npos);
}

TEST_F(AndiDamaged, OtherKindsOfFileSayWhatTheyAre) {
    EXPECT_NE(Refusal(test::HandMadeTzd()).find("is not an ANDI/AIA chromatography file"),
              std::string::npos);
    EXPECT_NE(Refusal({}).find("is not an ANDI/AIA"), std::string::npos);
    test::TempDir dir;
    const char* cdl =
        "netcdf x {\ndimensions:\n\tpoint_number = 2 ;\nvariables:\n\tfloat "
        "ordinate_values(point_number) ;\ndata:\n ordinate_values = 1, 2 ;\n}\n";
    EXPECT_NE(
        Refusal(test::ReadBytes(test::Ncgen(dir, "four.nc", cdl, "3"))).find("netCDF-4 (HDF5)"),
        std::string::npos);
    EXPECT_NE(
        Refusal(test::ReadBytes(test::Ncgen(dir, "five.nc", cdl, "5"))).find("is not an ANDI/AIA"),
        std::string::npos);
}

TEST(AndiText, UnicodeIsKeptAndOtherBytesAreReadAsCodePage936) {
    EXPECT_EQ(TextFromFile("苯系物"), "苯系物");
    EXPECT_EQ(TextFromFile(std::string("\xB1\xBD", 2)), "苯");  // GBK
    EXPECT_EQ(TextFromFile(std::string("C1+C2\0\0", 7)), "C1+C2");
    // An overlong form and a lone continuation byte are not UTF-8.
    EXPECT_NE(TextFromFile("\xC0\xAF"), "\xC0\xAF");
    EXPECT_NE(TextFromFile("a\x80"), "a\x80");
}

}  // namespace
}  // namespace lx
