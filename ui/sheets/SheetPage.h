#pragma once
// One page of the parameter sheet: filled from a chromatogram or channel record when the sheet
// opens, written back into it when the sheet is accepted. Store writes only the fields the
// page shows, so pages can be combined freely.

#include <QWidget>

#include "core/CTzLabDoc.h"

namespace lx {

class SheetPage : public QWidget {
public:
    using QWidget::QWidget;
    virtual void Load(const CTzLabDoc& doc) = 0;
    virtual void Store(CTzLabDoc& doc) const = 0;
};

}  // namespace lx
