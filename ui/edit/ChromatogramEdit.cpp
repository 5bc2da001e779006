#include "ui/edit/ChromatogramEdit.h"

#include "ui/project/SnapshotStep.h"

namespace lx {
namespace {

ChromatogramState Take(CTzLabDoc& doc, bool withSamples) {
    // The samples step aside while the rest is copied, so a copy of the record costs its peaks
    // and settings, not its signal.
    SampleArray samples = std::move(doc.m_Samples);
    ChromatogramState state{doc, std::nullopt};
    doc.m_Samples = std::move(samples);
    if (withSamples)
        state.samples = doc.m_Samples;
    return state;
}

// The chromatogram object stays where it is (windows and overlays point at it); where it lives
// on disk and the project it belongs to are not part of an edit.
void Restore(CTzLabDoc& doc, const ChromatogramState& state) {
    SampleArray samples = std::move(doc.m_Samples);
    const std::string path = doc.m_PathName;
    ProjectLink* project = doc.m_Project;
    doc = state.record;
    doc.m_PathName = path;
    doc.m_Project = project;
    doc.m_Samples = state.samples ? *state.samples : std::move(samples);
}

// The selection is not saved, so selecting alone is no change; undo brings it back with the
// peaks it points into.
bool Same(const ChromatogramState& a, const ChromatogramState& b) {
    return a.record == b.record && a.samples == b.samples;
}

}  // namespace

ChromatogramEdit::ChromatogramEdit(QUndoStack& stack, CTzLabDoc& doc, const QString& text,
                                   Samples samples)
    : m_Stack(stack), m_Doc(doc), m_Text(text), m_Before(Take(doc, samples == Samples::Changed)) {}

ChromatogramEdit::~ChromatogramEdit() {
    if (!m_Done)
        Restore(m_Doc, m_Before);
}

void ChromatogramEdit::Commit() {
    m_Done = true;
    ChromatogramState after = Take(m_Doc, m_Before.samples.has_value());
    if (Same(m_Before, after))
        return;
    m_Stack.push(new SnapshotStep<CTzLabDoc, ChromatogramState>(
        m_Doc, std::move(m_Before), std::move(after), &Restore, m_Text));
}

}  // namespace lx
