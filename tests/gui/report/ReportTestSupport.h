#pragma once
// What the report window tests share: a chromatogram whose print settings switch on sections
// in fonts, colours and alignments of their own, its report as the analysis window hands it
// on, and a document described block by block (alignment, then each run's text and format, or
// a picture's size and pixels), so two documents compare in one readable string.

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <string>

#include "core/CTzLabDoc.h"
#include "core/SyntheticRun.h"
#include "peaks/Integration.h"
#include "report/TextReport.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/report/RichTextDocument.h"

namespace lx::test {

// Two peaks, integrated, with a header in bold red Arial on the right, a title in blue 黑体 in
// the centre, the note, the information block and the results.
inline CTzLabDoc ReportedRun() {
    SyntheticRunOptions o;
    o.minutes = 4;
    o.noise = 0;
    o.peaks = {{1.0, 20000, 3.0}, {2.5, 40000, 3.0}};
    CTzLabDoc doc = MakeSyntheticRun(o);
    RecordingPrompter quiet;
    IntegrateAndQuantify(doc, quiet);
    doc.m_Notes = "复测样品";
    PrintSettings& p = doc.m_PrintSettings;
    p.headerOn = 1;
    p.headerText = "LX6600 色谱工作站";
    p.headerFont = LogFont::OfHeight(-16);
    p.headerFont.faceName = "Arial";
    p.headerFont.weight = 700;
    p.headerColour = 0x0000FF;
    p.headerAlign = 2;
    p.titleOn = 1;
    p.titleText = "分析报告";
    p.titleFont = LogFont::OfHeight(-24);
    p.titleFont.faceName = "黑体";
    p.titleColour = 0xFF0000;
    p.titleAlign = 1;
    p.noteOn = 1;
    p.instrumentOn = 0;
    p.chromWidthCm = 4.0f;
    p.chromHeightCm = 3.0f;
    return doc;
}

// A picture with something to tell its pixels apart.
inline QImage Picture(int width = 64, int height = 40) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::blue);
    painter.drawLine(0, height - 1, width - 1, 0);
    painter.fillRect(2, 2, 5, 5, Qt::red);
    return image;
}

inline TextReportRequest ReportRequest(const CTzLabDoc& doc, const std::string& fileName) {
    TextReportRequest request;
    request.doc = &doc;
    request.fileName = fileName;
    request.picture = Picture();
    return request;
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline QString PixelsOf(const QImage& image) {
    const QImage plain = image.convertToFormat(QImage::Format_RGB32);
    const QByteArray bytes(reinterpret_cast<const char*>(plain.constBits()), plain.sizeInBytes());
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(8);
}

inline QString Describe(const QTextDocument& document) {
    QStringList lines;
    for (QTextBlock b = document.begin(); b != document.end(); b = b.next()) {
        lines << QString("block align %1")
                     .arg(int(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                const QTextImageFormat image = f.toImageFormat();
                lines << QString("  picture %1x%2 %3")
                             .arg(image.width())
                             .arg(image.height())
                             .arg(PixelsOf(PictureImage(document, image)));
                continue;
            }
            const QFont font = f.font().resolve(document.defaultFont());
            const QString colour = f.hasProperty(QTextFormat::ForegroundBrush)
                                       ? f.foreground().color().name()
                                       : QString("auto");
            lines << QString("  \"%1\" %2 %3pt %4%5%6 %7")
                         .arg(it.fragment().text(), font.family())
                         .arg(font.pointSizeF())
                         .arg(font.bold() ? "b" : "-", font.italic() ? "i" : "-",
                              font.underline() ? "u" : "-", colour);
        }
    }
    return lines.join('\n');
}

}  // namespace lx::test
