#include "app/DocumentKinds.h"

#include <QFileInfo>

namespace lx {

DocumentKind DocumentKindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "tzp")
        return DocumentKind::Project;
    if (suffix == "tzd")
        return DocumentKind::Chromatogram;
    if (suffix == "tze")
        return DocumentKind::Report;
    return DocumentKind::Unknown;
}

}  // namespace lx
