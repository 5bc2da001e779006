#pragma once
// The method projects open in the workstation, and which one is current: new runs, the
// project commands and the template paste work on the current one.

#include <memory>
#include <string>
#include <vector>

#include "core/Result.h"
#include "quant/CPrjDoc.h"

namespace lx {

class ProjectList {
public:
    std::size_t size() const { return m_Projects.size(); }
    bool empty() const { return m_Projects.empty(); }
    // Projects in the order they were opened; chromatograms link to them, so they never move.
    CPrjDoc& at(std::size_t i) const { return *m_Projects.at(i); }

    // The current project, or nullptr when none is open.
    CPrjDoc* Current() const;
    int CurrentIndex() const { return m_Current; }
    // Ignored outside the list.
    void SetCurrent(int index);

    // The index of the open project saved at `path` (letter case aside), or -1.
    int IndexOf(const std::string& path) const;

    // Appends the project and makes it current.
    CPrjDoc& Add(CPrjDoc project);
    // Closes project `index`; the last of the others becomes current.
    void Close(int index);

private:
    std::vector<std::unique_ptr<CPrjDoc>> m_Projects;
    int m_Current = -1;
};

// Opens the project at `path` (named after the file, its folder found under `appDir`) and
// makes it current; a project already open at that path is made current instead of being
// read twice.
Result<CPrjDoc*> OpenProject(ProjectList& list, const std::string& path, const std::string& appDir);

}  // namespace lx
