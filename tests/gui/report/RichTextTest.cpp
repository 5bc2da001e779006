// The report files' rich text in and out of a Qt document, and the document on paper: a report
// the analysis window writes comes in with its fonts, colours, alignments and picture; where a
// report lands in a document that already has text; pictures sized one way only; printing
// inside the workstation's margins, checked in the PDF as a user's tools read it.

#include <QBuffer>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>

#include "report/RtfReader.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/report/ReportTestSupport.h"
#include "ui/report/RichTextDocument.h"
#include "ui/report/RichTextPrinting.h"

namespace lx::test {
namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString("(%1 failed)").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The blocks' texts, "|" after each; a line break inside a block stays U+2028.
QString Blocks(const QTextDocument& document) {
    QString text;
    for (QTextBlock b = document.begin(); b != document.end(); b = b.next())
        text += b.text() + "|";
    return text;
}

std::vector<QTextFragment> Fragments(const QTextBlock& block) {
    std::vector<QTextFragment> fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        fragments.push_back(it.fragment());
    return fragments;
}

}  // namespace

class RichTextTest : public QObject {
    Q_OBJECT

private slots:
    void aWorkstationReportComesInWithItsFormats() {
        QTemporaryDir dir;
        const CTzLabDoc run = ReportedRun();
        const std::string path = dir.filePath("run_报告.Tze").toStdString();
        QVERIFY(WriteTextReport(ReportRequest(run, "run.Tzd"), path).ok());
        const Result<RtfContent> content = ReadRtfFile(path);
        QVERIFY2(content.ok(), content.error().c_str());

        QTextDocument document;
        QTextCursor cursor(&document);
        InsertRtfContent(cursor, content.value());
        // Header, title, information, note, picture, results: one block each.
        QCOMPARE(document.blockCount(), 6);
        const QTextBlock header = document.firstBlock();
        QCOMPARE(header.text(), QString("LX6600 色谱工作站"));
        QCOMPARE(header.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        const QTextCharFormat headerFormat = Fragments(header).at(0).charFormat();
        QCOMPARE(headerFormat.fontFamilies().toStringList().value(0), QString("Arial"));
        QCOMPARE(headerFormat.fontPointSize(), 12.0);  // 16 px on a 96-dpi screen
        QVERIFY(headerFormat.fontWeight() >= QFont::Bold);
        QCOMPARE(headerFormat.foreground().color(), QColor(255, 0, 0));

        const QTextBlock title = header.next();
        QCOMPARE(title.text(), QString("分析报告"));
        QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const QTextCharFormat titleFormat = Fragments(title).at(0).charFormat();
        QCOMPARE(titleFormat.fontFamilies().toStringList().value(0), QString("黑体"));
        QCOMPARE(titleFormat.fontPointSize(), 18.0);
        QCOMPARE(titleFormat.fontWeight(), int(QFont::Normal));
        QCOMPARE(titleFormat.foreground().color(), QColor(0, 0, 255));

        // The information block keeps its line breaks inside its paragraph.
        const QTextBlock information = title.next();
        QVERIFY(information.text().startsWith("文 件 名: run.Tzd"));
        QVERIFY(information.text().contains(QChar::LineSeparator));
        QCOMPARE(information.next().text(), QString("实验备注: \u2028    复测样品\u2028\u2028"));

        // The picture at its printed size (4 x 3 cm), pixel for pixel.
        const QTextBlock picture = information.next().next();
        QCOMPARE(picture.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const QTextCharFormat pictureFormat = Fragments(picture).at(0).charFormat();
        QVERIFY(pictureFormat.isImageFormat());
        const QTextImageFormat image = pictureFormat.toImageFormat();
        QCOMPARE(qRound(image.width()), qRound(4 / 2.54 * 96));
        QCOMPARE(qRound(image.height()), qRound(3 / 2.54 * 96));
        QCOMPARE(PixelsOf(PictureImage(document, image)), PixelsOf(Picture()));
        // The editor draws a copy already at the shown size, scaled smoothly.
        const QImage shown =
            document.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        QCOMPARE(shown.size(), QSize(qRound(image.width()), qRound(image.height())));

        QVERIFY(picture.next().text().startsWith("分  析  结  果"));
    }

    // A report appended to text starts a paragraph of its own; into an empty document it
    // takes the first one; the caret ends after it.
    void aReportStartsItsOwnParagraph() {
        RtfContent report;
        report.paragraphs = {RtfParagraph{kAlignCentre, {RtfRun{{}, "one", {}}}},
                             RtfParagraph{kAlignLeft, {RtfRun{{}, "two\nlines", {}}}}};
        QTextDocument document;
        QTextCursor cursor(&document);
        InsertRtfContent(cursor, report);
        QCOMPARE(Blocks(document), QString("one|two\u2028lines|"));
        cursor.movePosition(QTextCursor::End);
        InsertRtfContent(cursor, report);
        QCOMPARE(Blocks(document), QString("one|two\u2028lines|one|two\u2028lines|"));
        QCOMPARE(document.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QVERIFY(cursor.atEnd());
    }

    // A picture the operator sized one way keeps its proportions in the file; one that will
    // not decode is left out, the text around it kept.
    void picturesKeepTheirProportionsAndBrokenOnesAreLeftOut() {
        QTextDocument document;
        document.addResource(QTextDocument::ImageResource, QUrl("test:picture"), Picture(60, 30));
        QTextCursor cursor(&document);
        QTextImageFormat wide;
        wide.setName("test:picture");
        wide.setWidth(120);
        cursor.insertImage(wide);
        const RtfContent content = ContentOfDocument(document);
        const RtfPicture& picture = *content.paragraphs.at(0).runs.at(0).picture;
        QCOMPARE(picture.pixelWidth, 60);
        QCOMPARE(picture.widthTwips, 120 * 15);
        QCOMPARE(picture.heightTwips, 60 * 15);

        RtfContent broken;
        broken.paragraphs = {RtfParagraph{
            kAlignLeft,
            {RtfRun{{}, "a", {}}, RtfRun{{}, {}, RtfPicture{RtfPicture::Kind::Png, {1, 2, 3}}},
             RtfRun{{}, "b", {}}}}};
        QTextDocument other;
        QTextCursor at(&other);
        InsertRtfContent(at, broken);
        QCOMPARE(Blocks(other), QString("ab|"));
    }

    // Printed inside the margins the workstation keeps, page after page, text and picture as
    // a PDF reader finds them.
    void printingKeepsTheWorkstationsMargins() {
        QTemporaryDir dir;
        QTextDocument document;
        QTextCursor cursor(&document);
        RtfContent content;
        RtfCharFormat line;
        line.face = "DejaVu Sans";
        for (int k = 0; k < 120; ++k)
            content.paragraphs.push_back(
                RtfParagraph{kAlignLeft, {RtfRun{line, "Line " + std::to_string(k) + " 行", {}}}});
        std::vector<std::uint8_t> png;
        {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            Picture().save(&buffer, "PNG");
            png.assign(bytes.begin(), bytes.end());
        }
        content.paragraphs.push_back(RtfParagraph{
            kAlignCentre,
            {RtfRun{{}, {}, RtfPicture{RtfPicture::Kind::Png, png, 64, 40, 1440, 900}}}});
        InsertRtfContent(cursor, content);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.filePath("report.pdf");
        printer.setOutputFileName(pdf);
        PrintRichText(document, {1440, 720, 2880, 360}, printer);
        const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Point);
        QCOMPARE(margins, QMarginsF(72, 36, 144, 18));

        const QString info = Run("pdfinfo", {pdf});
        const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        QVERIFY(pages.captured(1).toInt() >= 3);  // 120 lines of 12 pt
        const QString text = Run("pdftotext", {pdf, "-"});
        QVERIFY(text.contains("Line 0 "));
        QVERIFY(text.contains("Line 119 "));
        // No page numbers of Qt's own under the text.
        QVERIFY(
            !text.contains(QRegularExpression("^\\s*2\\s*$", QRegularExpression::MultilineOption)));
        // The list's two heading lines and the one picture.
        QCOMPARE(Run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).size(), 3);
    }
};

static RegisterGuiTest<RichTextTest> registration;

}  // namespace lx::test

#include "RichTextTest.moc"
