#pragma once
// A peak renamed by hand in its detail dialog. Without a method project the name is only a
// label; with one, the peak takes a component of the table (or none) and the chromatogram's
// contents follow.

#include <cstdint>
#include <string>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"

namespace lx {

// Peak `peak` of `doc` after the operator confirmed the change: without a project it takes
// `typedName`; with one it takes the component whose ID is `componentId` (its ID and name) or,
// when that is no component of the table, none (ID -1, no name, content 0), and the chromatogram
// is quantified again. False when `peak` is no peak of the table.
bool ChangePeakComponent(CTzLabDoc& doc, int peak, const std::string& typedName,
                         std::int32_t componentId, Prompter& prompter);

}  // namespace lx
