#include "ui/report/RichTextDocument.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextFragment>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace lx {
namespace {

constexpr double kTwipsPerPixel = 15;  // at 96 dpi

Qt::Alignment AlignmentOf(int align) {
    switch (align) {
        case kAlignCentre:
            return Qt::AlignHCenter;
        case kAlignRight:
            return Qt::AlignRight;
        case kAlignJustified:
            return Qt::AlignJustify;
        default:
            return Qt::AlignLeft;
    }
}

int AlignOf(Qt::Alignment alignment) {
    return alignment & Qt::AlignHCenter   ? kAlignCentre
           : alignment & Qt::AlignRight   ? kAlignRight
           : alignment & Qt::AlignJustify ? kAlignJustified
                                          : kAlignLeft;
}

// Chinese text in a Latin face is drawn by the CJK face of its style, as Windows links fonts;
// the file keeps only the face it names.
QStringList FamiliesOf(const std::string& face) {
    const bool serif = face.find("宋") != std::string::npos || face == "SimSun" ||
                       face == "NSimSun" || face.find("Times") != std::string::npos;
    return {QString::fromStdString(face), serif ? "Noto Serif CJK SC" : "Noto Sans CJK SC"};
}

QTextCharFormat CharFormatOf(const RtfCharFormat& f) {
    QTextCharFormat format;
    if (!f.face.empty())
        format.setFontFamilies(FamiliesOf(f.face));
    format.setFontPointSize(f.halfPoints / 2.0);
    format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.italic);
    format.setFontUnderline(f.underline);
    if (f.colour)
        format.setForeground(
            QColor(*f.colour & 0xFF, (*f.colour >> 8) & 0xFF, (*f.colour >> 16) & 0xFF));
    return format;
}

RtfCharFormat RtfFormatOf(const QTextCharFormat& format, const QFont& documentFont) {
    const QFont font = format.font().resolve(documentFont);
    RtfCharFormat f;
    f.face = font.family().toStdString();
    const double points =
        font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    f.halfPoints = std::clamp(static_cast<int>(std::lround(points * 2)), 1, 3276);
    f.bold = font.weight() >= QFont::DemiBold;
    f.italic = font.italic();
    f.underline = font.underline();
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush) {
        const QColor c = format.foreground().color();
        f.colour = c.red() | (c.green() << 8) | (c.blue() << 16);
    }
    return f;
}

// The picture as read, beside the copy shown.
constexpr const char* kKeptSuffix = "#kept";

void InsertPicture(QTextCursor& cursor, const RtfPicture& picture) {
    const QByteArray bytes(reinterpret_cast<const char*>(picture.bytes.data()),
                           static_cast<qsizetype>(picture.bytes.size()));
    QImage image;
    if (!image.loadFromData(bytes, picture.kind == RtfPicture::Kind::Jpeg ? "JPEG" : "PNG"))
        return;
    // Named by its bytes, so the same picture twice is held once.
    const QString name =
        "lxpicture:" + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    QTextImageFormat format;
    format.setName(name);
    if (picture.widthTwips > 0)
        format.setWidth(picture.widthTwips / kTwipsPerPixel);
    if (picture.heightTwips > 0)
        format.setHeight(picture.heightTwips / kTwipsPerPixel);
    // The editor scales a picture to its shown size pixel by pixel, which breaks a report
    // picture's fine lines into dashes: it is shown from a smoothly scaled copy, and the file
    // keeps the picture as it came.
    QImage shown = image;
    if (format.width() > 0 && format.height() > 0)
        shown = image.scaled(qRound(format.width()), qRound(format.height()), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), shown);
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name + kKeptSuffix), image);
    cursor.insertImage(format);
}

std::optional<RtfPicture> PictureOf(const QTextDocument& document, const QTextImageFormat& format) {
    const QImage image = PictureImage(document, format);
    if (image.isNull())
        return std::nullopt;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    // A size given one way keeps the picture's proportions the other.
    double w = format.width(), h = format.height();
    if (w <= 0 && h <= 0) {
        w = image.width();
        h = image.height();
    } else if (w <= 0) {
        w = h * image.width() / image.height();
    } else if (h <= 0) {
        h = w * image.height() / image.width();
    }
    RtfPicture picture;
    picture.bytes.assign(png.begin(), png.end());
    picture.pixelWidth = image.width();
    picture.pixelHeight = image.height();
    picture.widthTwips = static_cast<int>(std::lround(w * kTwipsPerPixel));
    picture.heightTwips = static_cast<int>(std::lround(h * kTwipsPerPixel));
    return picture;
}

std::string FileText(QString text) {
    text.replace(QChar::LineSeparator, '\n');
    text.remove(QChar::ObjectReplacementCharacter);
    return text.toStdString();
}

}  // namespace

void InsertRtfContent(QTextCursor& cursor, const RtfContent& content) {
    bool first = true;
    for (const RtfParagraph& paragraph : content.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(AlignmentOf(paragraph.align));
        if (first && cursor.block().length() <= 1)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            if (run.picture) {
                InsertPicture(cursor, *run.picture);
                continue;
            }
            QString text = QString::fromStdString(run.text);
            text.replace('\n', QChar::LineSeparator);
            cursor.insertText(text, CharFormatOf(run.format));
        }
    }
}

QImage PictureImage(const QTextDocument& document, const QTextImageFormat& format) {
    const QVariant kept =
        document.resource(QTextDocument::ImageResource, QUrl(format.name() + kKeptSuffix));
    if (kept.canConvert<QImage>())
        return kept.value<QImage>();
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    if (resource.canConvert<QImage>())
        return resource.value<QImage>();
    if (resource.canConvert<QPixmap>())
        return resource.value<QPixmap>().toImage();
    return QImage::fromData(resource.toByteArray());
}

RtfContent ContentOfDocument(const QTextDocument& document) {
    RtfContent content;
    for (QTextBlock block = document.begin(); block != document.end(); block = block.next()) {
        RtfParagraph paragraph;
        paragraph.align = AlignOf(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                // One object character for each picture of the same format.
                for (int k = 0; k < fragment.length(); ++k)
                    if (auto picture = PictureOf(document, format.toImageFormat()))
                        paragraph.runs.push_back(RtfRun{{}, {}, std::move(picture)});
                continue;
            }
            RtfRun run{RtfFormatOf(format, document.defaultFont()), FileText(fragment.text()), {}};
            if (run.text.empty())
                continue;
            std::vector<RtfRun>& runs = paragraph.runs;
            if (!runs.empty() && !runs.back().picture && runs.back().format == run.format)
                runs.back().text += run.text;
            else
                runs.push_back(std::move(run));
        }
        content.paragraphs.push_back(std::move(paragraph));
    }
    return content;
}

}  // namespace lx
