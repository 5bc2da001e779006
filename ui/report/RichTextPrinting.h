#pragma once
// The report window's document on paper: laid out again on the printer's page inside the
// margins the workstation keeps, page after page, with nothing added (no page numbers).

#include <QTextDocument>

#include <array>
#include <cstdint>

class QPrinter;

namespace lx {

// `marginsTwips`: left, top, right, bottom in twips (1/1440 inch); they become the printer's.
void PrintRichText(const QTextDocument& document, const std::array<std::int32_t, 4>& marginsTwips,
                   QPrinter& printer);

}  // namespace lx
