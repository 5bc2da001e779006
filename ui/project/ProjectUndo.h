#pragma once
// Every change to a method project is one step on the project's undo stack. A step keeps the
// project as it was before and after the change, so undo and redo restore it exactly, whatever
// the change touched (components, concentrations, curve types, records, levels, the template).
//
//     ProjectEdit edit(session, "删除组份");
//     ...change session.Project()...
//     edit.Commit();   // one step when something changed, none otherwise

#include <QString>
#include <QUndoStack>

#include "quant/CPrjDoc.h"

namespace lx {

// An open project with its undo stack. The project is not owned (the project list keeps it,
// and chromatograms point at it); the stack's clean state is "as saved".
class ProjectSession {
public:
    explicit ProjectSession(CPrjDoc& project) : m_Project(project) {}
    CPrjDoc& Project() { return m_Project; }
    const CPrjDoc& Project() const { return m_Project; }
    QUndoStack& Undo() { return m_Undo; }
    // After a save: the stack's present state is the file's.
    void MarkSaved() { m_Undo.setClean(); }
    bool IsModified() const { return !m_Undo.isClean(); }

private:
    CPrjDoc& m_Project;
    QUndoStack m_Undo;
};

class ProjectEdit {
public:
    ProjectEdit(ProjectSession& session, const QString& text);
    // An edit not committed is taken back: the project returns to its state before it.
    ~ProjectEdit();
    ProjectEdit(const ProjectEdit&) = delete;
    ProjectEdit& operator=(const ProjectEdit&) = delete;

    // Pushes the change as one step; nothing when the project did not change.
    void Commit();

private:
    ProjectSession& m_Session;
    QString m_Text;
    CPrjDoc m_Before;
    bool m_Done = false;
};

}  // namespace lx
