#pragma once
// The kinds of file the workstation opens, told apart by their extension as the open dialog,
// the command line and dropped files give them.

#include <QString>

namespace lx {

enum class DocumentKind { Project, Chromatogram, Report, Unknown };

// ".Tzp" a method project, ".Tzd" a chromatogram, ".Tze" a report; letter case aside.
DocumentKind DocumentKindOf(const QString& path);

}  // namespace lx
