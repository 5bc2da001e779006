#include "ui/report/RichTextPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace lx {

void PrintRichText(const QTextDocument& document, const std::array<std::int32_t, 4>& marginsTwips,
                   QPrinter& printer) {
    constexpr double kTwipsPerPoint = 20;
    printer.setPageMargins(
        QMarginsF(marginsTwips[0] / kTwipsPerPoint, marginsTwips[1] / kTwipsPerPoint,
                  marginsTwips[2] / kTwipsPerPoint, marginsTwips[3] / kTwipsPerPoint),
        QPageLayout::Point);
    // Qt's own QTextDocument::print would add its 2 cm margins and page numbers; a copy laid
    // out at the printer's resolution keeps the page as the workstation sets it.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    copy->setPageSize(page);
    QPainter painter(&printer);
    for (int k = 0; k < copy->pageCount(); ++k) {
        if (k > 0)
            printer.newPage();
        painter.save();
        painter.translate(0, -k * page.height());
        copy->drawContents(&painter, QRectF(QPointF(0, k * page.height()), page));
        painter.restore();
    }
}

}  // namespace lx
