#include "ui/overlays/OverlayLabel.h"

#include <QFileInfo>

#include "core/Format.h"
#include "ui/UiTexts.h"
#include "ui/overlays/OverlayTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

QString OverlayLabel(const Overlay& overlay, std::size_t index) {
    const QString number = Q(Format(Tr(texts::kOverlayNumber), static_cast<int>(index + 1)));
    // A run not saved yet is the window's own document, which has no file name.
    const QString name =
        overlay.m_Path.empty() ? T(ui::kUntitled) : QFileInfo(Q(overlay.m_Path)).fileName();
    return number + " " + name;
}

}  // namespace lx
