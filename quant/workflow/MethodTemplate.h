#pragma once
// Processing parameters travelling between a chromatogram and its project's template, and the
// program-wide parameter buffer that carries them to the current project.

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "quant/CPrjDoc.h"

namespace lx {

// One copy of a chromatogram's processing parameters (its sample texts, channel set-up,
// integration parameters, time program, manual events and print settings); the samples of
// m_Method are not used.
struct ParameterBuffer {
    bool m_Valid = false;
    CTzLabDoc m_Method;
};

// The chromatogram (or a channel's method) takes copies of the project's template records.
void ApplyProjectTemplate(CTzLabDoc& doc, const CPrjDoc& project);

// The project's template records take copies of the chromatogram's (the template's own
// parameter sheet edits a chromatogram made from them).
void StoreProjectTemplate(CPrjDoc& project, const CTzLabDoc& doc);

// The chromatogram takes copies of its project's template records, after the operator agrees.
// Without a project: "当前图谱无项目模板!". Returns whether the chromatogram changed.
bool TakeProjectTemplate(CTzLabDoc& doc, const CPrjDoc* project, Prompter& prompter);

// The chromatogram's parameters go to the buffer, which becomes valid, after the operator
// agrees; without a project nothing happens but the message above.
bool CopyToParameterBuffer(const CTzLabDoc& doc, const CPrjDoc* project, ParameterBuffer& buffer,
                           Prompter& prompter);

// A valid buffer becomes the project's template, after the operator agrees.
bool PasteParameterBuffer(CPrjDoc& project, const ParameterBuffer& buffer, Prompter& prompter);

}  // namespace lx
