#pragma once
// An undo step that keeps its target's state from before and after a change and puts the one
// or the other back. Whatever the change touched comes back exactly, so no command needs an
// inverse of its own.

#include <QUndoCommand>

#include <utility>

namespace lx {

template <class Target, class State>
class SnapshotStep : public QUndoCommand {
public:
    using Restore = void (*)(Target&, const State&);

    SnapshotStep(Target& target, State before, State after, Restore restore, const QString& text)
        : QUndoCommand(text),
          m_Target(target),
          m_Before(std::move(before)),
          m_After(std::move(after)),
          m_Restore(restore) {}

    void undo() override { m_Restore(m_Target, m_Before); }
    // The first redo is the push: the target is already in its new state.
    void redo() override { m_Restore(m_Target, m_After); }

private:
    Target& m_Target;
    State m_Before;
    State m_After;
    Restore m_Restore;
};

}  // namespace lx
