#include "ui/project/ProjectUndo.h"

#include "core/Archive.h"
#include "ui/project/SnapshotStep.h"

namespace lx {
namespace {

// Copies a whole project into the open one. The object stays where it is, so every
// chromatogram that points at it keeps pointing at it; only its contents change. Where the
// project lives on disk is not part of an edit.
void Restore(CPrjDoc& project, const CPrjDoc& state) {
    const std::string path = project.m_PathName;
    const std::string appDir = project.m_AppDir;
    project = state;
    project.m_PathName = path;
    project.m_AppDir = appDir;
}

// The project as its file would hold it. Two states are the same when their bytes are: the
// stored doubles compare bit for bit, so an undetermined coefficient (NaN) equals itself.
std::vector<std::uint8_t> Stored(const CPrjDoc& project) {
    ArchiveWriter ar;
    project.Serialize(ar);
    return ar.Bytes();
}

}  // namespace

ProjectEdit::ProjectEdit(ProjectSession& session, const QString& text)
    : m_Session(session), m_Text(text), m_Before(session.Project()) {}

ProjectEdit::~ProjectEdit() {
    if (!m_Done)
        Restore(m_Session.Project(), m_Before);
}

void ProjectEdit::Commit() {
    m_Done = true;
    if (Stored(m_Session.Project()) == Stored(m_Before))
        return;
    CPrjDoc& project = m_Session.Project();
    m_Session.Undo().push(new SnapshotStep<CPrjDoc, CPrjDoc>(project, std::move(m_Before), project,
                                                             &Restore, m_Text));
}

}  // namespace lx
