#pragma once
// The report window's document and the report files' rich text, one into the other: paragraphs
// with their alignment, runs with face, size, bold, italic, underline and colour, pictures at
// their shown size. Sizes on screen are pixels of a 96-dpi display (a twip is 1/15 of one).

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

#include "report/RtfText.h"

namespace lx {

// Inserts `content` at `cursor`, each paragraph a block of its own: the first takes the
// cursor's block when that is empty, else a new block begins. Pictures that do not decode are
// left out. The cursor ends after the last paragraph.
void InsertRtfContent(QTextCursor& cursor, const RtfContent& content);

// A picture of the document as its file keeps it (the editor shows a copy scaled to its
// shown size); null when there is none by that name.
QImage PictureImage(const QTextDocument& document, const QTextImageFormat& format);

// The document as rich text, every picture as PNG, on the default page.
RtfContent ContentOfDocument(const QTextDocument& document);

}  // namespace lx
