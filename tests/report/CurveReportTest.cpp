// The standard curve's report: the block's texts and their places under the picture, and the
// PDF a reader finds them in.
#include <gtest/gtest.h>

#include <filesystem>

#include "report/CurveReport.h"
#include "tests/report/CurveFixtures.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// Fixed sizes, so places are worked out by hand: the title font 40 units high, the body 30,
// 10 units a character.
class FixedMeasure : public TextMeasure {
public:
    int LineHeight(ReportFont font) const override { return font == ReportFont::Title ? 40 : 30; }
    int Width(ReportFont, const std::string& text) const override {
        return 10 * static_cast<int>(text.size());
    }
};

CurveReportRequest RequestOf(const CPrjDoc& project, int row) {
    CurveReportRequest request;
    request.picture = {&project, row, AutoCurveRange(project, row), CurveFont()};
    return request;
}

TEST(CurveReportBlock, HeadingComponentEquationCorrelationUnderThePicture) {
    const CPrjDoc project = test::ExternalStandardProject();
    const Box printable{100, 200, 4000, 6000};
    const ReportLayout layout = LayoutCurveReport(RequestOf(project, 1), printable, FixedMeasure());
    ASSERT_EQ(layout.pages.size(), 1u);
    const ReportPage& page = layout.pages[0];
    EXPECT_FALSE(page.table);
    ASSERT_TRUE(page.picture);
    EXPECT_EQ(*page.picture, (Box{100, 200, 4000, 3000}));
    ASSERT_EQ(page.texts.size(), 4u);
    EXPECT_EQ(page.texts[0].text, "标准曲线报告");
    EXPECT_EQ(page.texts[1].text, "组  份: 甲苯");
    EXPECT_EQ(page.texts[2].text, "标准曲线方程:  Y = 2X + 3");
    EXPECT_EQ(page.texts[3].text, "相 关 系 数:  0.9988");
    // The heading centred across the page one body line under the picture, the lines under it
    // in the body font, indented, a line and 12 units apart.
    EXPECT_EQ(page.texts[0].font, ReportFont::Title);
    EXPECT_EQ(page.texts[0].align, 1);
    EXPECT_EQ(page.texts[0].box, (Box{100, 3230, 4000, 40}));
    for (std::size_t k = 1; k < 4; ++k) {
        EXPECT_EQ(page.texts[k].font, ReportFont::Body);
        EXPECT_EQ(page.texts[k].align, 0);
        EXPECT_EQ(page.texts[k].box, (Box{500, 3282 + 42 * static_cast<int>(k - 1), 3600, 30}));
    }

    // Outside the table only the heading is printed.
    const ReportLayout none = LayoutCurveReport(RequestOf(project, 2), printable, FixedMeasure());
    ASSERT_EQ(none.pages[0].texts.size(), 1u);
    EXPECT_EQ(none.pages[0].texts[0].text, "标准曲线报告");
}

TEST(CurveReportBlock, PdfCarriesTheBlock) {
    if (!std::filesystem::exists("/usr/bin/pdftotext"))
        GTEST_SKIP() << "poppler-utils (pdftotext) is not installed; scripts/setup installs it";
    const CPrjDoc project = test::ExternalStandardProject();
    test::TempDir dir;
    const std::string path = dir.Path("curve.pdf");
    ASSERT_TRUE(WriteCurveReportPdf(RequestOf(project, 0), path).ok());
    const std::string text = test::RunProgram("/usr/bin/pdftotext", {path, "-"}).out;
    for (const char* expected :
         {"标准曲线报告", "组 份: 苯", "Y = 10X + 0", "0.9988", "(含量)", "(面积)"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in:\n" << text;

    // A folder in the way: the failure says so and nothing is left behind.
    const Status refused = WriteCurveReportPdf(RequestOf(project, 0), dir.Path("no/such.pdf"));
    EXPECT_FALSE(refused.ok());
    EXPECT_FALSE(std::filesystem::exists(dir.Path("no/such.pdf")));
}

}  // namespace
}  // namespace lx
