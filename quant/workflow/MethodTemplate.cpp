#include "quant/workflow/MethodTemplate.h"

#include "quant/QuantTexts.h"

namespace lx {
namespace {

// The fields a template and a chromatogram share, as pairs. A project's descriptive texts are
// its operator, sample name and organization; the chromatogram's notes and injected volume
// have no counterpart in a template and stay.
template <class Doc, class Project, class Copy>
void ForEachTemplateField(Doc& doc, Project& project, Copy copy) {
    copy(doc.m_Operator, project.m_Operator);
    copy(doc.m_SampleName, project.m_SampleName);
    copy(doc.m_Laboratory, project.m_Organization);
    copy(doc.m_ChannelSetup, project.m_ChannelSetup);
    copy(doc.m_Params, project.m_Params);
    copy(doc.m_TimeProgram, project.m_TimeProgram);
    copy(doc.m_UseManualEvents, project.m_UseManualEvents);
    copy(doc.m_ManualEvents, project.m_ManualEvents);
    copy(doc.m_PrintSettings, project.m_PrintSettings);
}

bool HasTemplate(const CPrjDoc* project, Prompter& prompter) {
    if (!project)
        prompter.Inform(Tr(texts::kNoProjectTemplate), Prompter::Icon::Information);
    return project != nullptr;
}

}  // namespace

void ApplyProjectTemplate(CTzLabDoc& doc, const CPrjDoc& project) {
    ForEachTemplateField(doc, project, [](auto& to, const auto& from) { to = from; });
}

bool TakeProjectTemplate(CTzLabDoc& doc, const CPrjDoc* project, Prompter& prompter) {
    if (!HasTemplate(project, prompter) || !prompter.Confirm(Tr(texts::kConfirmTakeTemplate)))
        return false;
    ApplyProjectTemplate(doc, *project);
    return true;
}

bool CopyToParameterBuffer(const CTzLabDoc& doc, const CPrjDoc* project, ParameterBuffer& buffer,
                           Prompter& prompter) {
    if (!HasTemplate(project, prompter) || !prompter.Confirm(Tr(texts::kConfirmCopyToBuffer)))
        return false;
    buffer.m_Method.CopyMethodFrom(doc);
    buffer.m_Valid = true;
    return true;
}

void StoreProjectTemplate(CPrjDoc& project, const CTzLabDoc& doc) {
    ForEachTemplateField(doc, project, [](const auto& from, auto& to) { to = from; });
    project.m_Modified = true;
}

bool PasteParameterBuffer(CPrjDoc& project, const ParameterBuffer& buffer, Prompter& prompter) {
    if (!buffer.m_Valid || !prompter.Confirm(Tr(texts::kConfirmPasteToTemplate)))
        return false;
    StoreProjectTemplate(project, buffer.m_Method);
    return true;
}

}  // namespace lx
