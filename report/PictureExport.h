#pragma once
// The chromatogram picture as the clipboard and the picture files take it: drawn as for print
// (white paper, black frame, the signal axis line), then kept as a PNG or as a BMP file.

#include <QImage>
#include <QSize>

#include <cstdint>
#include <string>
#include <vector>

#include "core/Result.h"
#include "report/PlotPainter.h"

namespace lx {

// `picture` drawn into a white image of `size` pixels, with its printing switch on. A size
// with no area gives a null image.
QImage RenderPlotImage(PlotPicture picture, QSize size);

// The image as an uncompressed Windows bitmap file, the form of "拷贝图谱至BMP文件": the
// 14-byte file header ("BM", file size, two zero words, pixel offset 54), the 40-byte
// information header (bottom-up rows, one plane, 24 bits, BI_RGB, 96 dpi), no colour table
// (there is none above 8 bits), then the rows from the bottom one up, each pixel blue, green,
// red, each row padded with zeros to a multiple of 4 bytes. 24 bits is the true-colour depth
// of a desktop; 32-bit BI_RGB files carry a byte that some readers take for transparency.
std::vector<std::uint8_t> BmpBytes(const QImage& image);

// The image as a PNG file's bytes; empty when it cannot be encoded (no memory).
std::vector<std::uint8_t> PngBytes(const QImage& image);

// The files are replaced only once complete (temporary file, sync, rename); a failure leaves
// what was there and says why ("保存文件[%s]失败!(...)").
Status SaveBmp(const QImage& image, const std::string& path);
Status SavePng(const QImage& image, const std::string& path);

}  // namespace lx
