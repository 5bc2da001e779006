#pragma once
// Every change to a chromatogram shown in an analysis window is one step on the window's undo
// stack: manual integration events, peak details, parameters, re-integration, processing in
// place. A step keeps the chromatogram as it was before and after, so undo and redo restore it
// exactly. The samples are kept only by the edits that change them: a day-long run's samples
// are megabytes, its peak table is not.
//
//     ChromatogramEdit edit(undo, doc, "删除峰");
//     ...change doc...
//     edit.Commit();   // one step when something changed, none otherwise

#include <QString>
#include <QUndoStack>

#include <optional>

#include "core/CTzLabDoc.h"

namespace lx {

struct ChromatogramState {
    CTzLabDoc record;                    // everything but the samples
    std::optional<SampleArray> samples;  // for the edits that change them
};

class ChromatogramEdit {
public:
    enum class Samples { Kept, Changed };

    ChromatogramEdit(QUndoStack& stack, CTzLabDoc& doc, const QString& text,
                     Samples samples = Samples::Kept);
    // An edit not committed is taken back: the chromatogram returns to its state before it.
    ~ChromatogramEdit();
    ChromatogramEdit(const ChromatogramEdit&) = delete;
    ChromatogramEdit& operator=(const ChromatogramEdit&) = delete;

    // Pushes the change as one step; nothing when the chromatogram did not change.
    void Commit();

private:
    QUndoStack& m_Stack;
    CTzLabDoc& m_Doc;
    QString m_Text;
    ChromatogramState m_Before;
    bool m_Done = false;
};

}  // namespace lx
