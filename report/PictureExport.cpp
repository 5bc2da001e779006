#include "report/PictureExport.h"

#include <QBuffer>
#include <QPainter>

#include <cerrno>

#include "core/FileIo.h"

namespace lx {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 24;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dpi, the screen's

void Put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

Status WriteBytesAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return WriteArchiveFileAtomically(path, [&](ArchiveWriter& out) {
        out.WriteBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    });
}

}  // namespace

QImage RenderPlotImage(PlotPicture picture, QSize size) {
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    picture.printing = true;
    QPainter painter(&image);
    PaintPlot(painter, image.rect(), picture);
    painter.end();
    return image;
}

std::vector<std::uint8_t> BmpBytes(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t width = static_cast<std::uint32_t>(image.width());
    const std::uint32_t height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> b;
    b.reserve(offset + pixelBytes);
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + pixelBytes);
    Put16(b, 0);
    Put16(b, 0);
    Put32(b, offset);

    Put32(b, kInfoHeaderSize);
    Put32(b, width);
    Put32(b, height);  // positive: the bottom row comes first
    Put16(b, 1);
    Put16(b, kBitsPerPixel);
    Put32(b, 0);  // BI_RGB
    Put32(b, pixelBytes);
    Put32(b, kPixelsPerMetre);
    Put32(b, kPixelsPerMetre);
    Put32(b, 0);  // colours used: no table
    Put32(b, 0);  // all important

    for (std::uint32_t row = height; row-- > 0;) {
        const QRgb* px = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(row)));
        for (std::uint32_t x = 0; x < width; ++x) {
            b.push_back(static_cast<std::uint8_t>(qBlue(px[x])));
            b.push_back(static_cast<std::uint8_t>(qGreen(px[x])));
            b.push_back(static_cast<std::uint8_t>(qRed(px[x])));
        }
        for (std::uint32_t pad = width * 3; pad < rowBytes; ++pad)
            b.push_back(0);
    }
    return b;
}

Status SaveBmp(const QImage& image, const std::string& path) {
    return WriteBytesAtomically(path, BmpBytes(image));
}

std::vector<std::uint8_t> PngBytes(const QImage& image) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return std::vector<std::uint8_t>(encoded.constBegin(), encoded.constEnd());
}

Status SavePng(const QImage& image, const std::string& path) {
    const std::vector<std::uint8_t> bytes = PngBytes(image);
    // Encoding in memory fails only when memory runs out.
    if (bytes.empty())
        return Status::Failure(SaveFailureMessage(path, ENOMEM));
    return WriteBytesAtomically(path, bytes);
}

}  // namespace lx
