// The picture files: the BMP bytes against a header assembled by hand from the file layout, and
// both files read back by Qt's own readers.
#include <gtest/gtest.h>

#include <QImage>

#include "report/PictureExport.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// 3 x 2 pixels: 9 bytes a row, padded to 12.
QImage SixPixels() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(2, 0, qRgb(7, 8, 9));
    image.setPixel(0, 1, qRgb(10, 11, 12));
    image.setPixel(1, 1, qRgb(13, 14, 15));
    image.setPixel(2, 1, qRgb(16, 17, 18));
    return image;
}

TEST(BitmapFile, HeadersThenBottomRowFirstPaddedToFourBytes) {
    const std::vector<std::uint8_t> expected = {
        'B',  'M',  78, 0,  0,    0,                          // file size: 14 + 40 + 2 x 12
        0,    0,    0,  0,                                    // reserved
        54,   0,    0,  0,                                    // pixel offset: no colour table
        40,   0,    0,  0,                                    // information header size
        3,    0,    0,  0,  2,    0,    0,  0,                // width, height (positive: bottom-up)
        1,    0,    24, 0,                                    // one plane, 24 bits
        0,    0,    0,  0,                                    // BI_RGB
        24,   0,    0,  0,                                    // pixel bytes
        0xC4, 0x0E, 0,  0,  0xC4, 0x0E, 0,  0,                // 3780 pixels a metre (96 dpi)
        0,    0,    0,  0,  0,    0,    0,  0,                // no colours used or important
        12,   11,   10, 15, 14,   13,   18, 17, 16, 0, 0, 0,  // bottom row, blue green red
        3,    2,    1,  6,  5,    4,    9,  8,  7,  0, 0, 0,  // top row
    };
    EXPECT_EQ(BmpBytes(SixPixels()), expected);
}

TEST(BitmapFile, RowsOfWholeWordsNeedNoPadding) {
    const auto bytes = BmpBytes(QImage(4, 1, QImage::Format_RGB32));
    ASSERT_EQ(bytes.size(), 54u + 12u);
    EXPECT_EQ(bytes[2], 66);
    EXPECT_EQ(bytes[34], 12);  // pixel bytes
}

TEST(PictureFiles, ReadBackAsWrittenAndRefusedWhereTheyCannotGo) {
    test::TempDir dir;
    const QImage image = SixPixels();
    ASSERT_TRUE(SaveBmp(image, dir.Path("p.bmp")).ok());
    EXPECT_EQ(test::ReadBytes(dir.Path("p.bmp")), BmpBytes(image));
    const QImage bmp(QString::fromStdString(dir.Path("p.bmp")));
    ASSERT_FALSE(bmp.isNull());
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), image);

    ASSERT_TRUE(SavePng(image, dir.Path("p.png")).ok());
    const QImage png(QString::fromStdString(dir.Path("p.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), image);

    const Status refused = SaveBmp(image, dir.Path("missing/p.bmp"));
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.error().find("missing/p.bmp"), std::string::npos) << refused.error();
}

TEST(PictureFiles, ThePictureIsDrawnOnPaper) {
    CTzLabDoc doc;
    doc.m_Samples.Resize(100);
    PlotPicture pic;
    pic.doc = &doc;
    const QImage image = RenderPlotImage(pic, {320, 200});
    ASSERT_EQ(image.size(), QSize(320, 200));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));     // not the screen's grey band
    EXPECT_EQ(image.pixelColor(319, 20), QColor(Qt::black));  // the frame's right edge
    EXPECT_TRUE(RenderPlotImage(pic, {0, 200}).isNull());
}

}  // namespace
}  // namespace lx
