#pragma once
// The print settings keep Windows logical fonts; the font dialog works with QFont. A height is
// negative, in pixels of a 96-dpi screen (-12 is a 9-point font), as the report draws it.

#include <QFont>

#include "core/PrintSettings.h"

namespace lx {

// The font the dialog opens with: face, size in points, weight, italic, underline, strike-out.
QFont QFontOfLogFont(const LogFont& font);
// `base` with what the dialog chose; the fields QFont has no word for (width, escapement,
// character set, precisions, ...) stay as `base` has them.
LogFont LogFontOfQFont(const QFont& font, LogFont base);

}  // namespace lx
