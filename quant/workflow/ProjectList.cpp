#include "quant/workflow/ProjectList.h"

#include "core/AppPaths.h"
#include "quant/file/TzpFile.h"

namespace lx {

CPrjDoc* ProjectList::Current() const {
    return m_Current < 0 ? nullptr : m_Projects[static_cast<std::size_t>(m_Current)].get();
}

void ProjectList::SetCurrent(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_Projects.size())
        m_Current = index;
}

int ProjectList::IndexOf(const std::string& path) const {
    for (std::size_t i = 0; i < m_Projects.size(); ++i)
        if (SamePath(m_Projects[i]->m_PathName, path))
            return static_cast<int>(i);
    return -1;
}

CPrjDoc& ProjectList::Add(CPrjDoc project) {
    m_Projects.push_back(std::make_unique<CPrjDoc>(std::move(project)));
    m_Current = static_cast<int>(m_Projects.size()) - 1;
    return *m_Projects.back();
}

void ProjectList::Close(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_Projects.size())
        return;
    m_Projects.erase(m_Projects.begin() + index);
    m_Current = static_cast<int>(m_Projects.size()) - 1;
}

Result<CPrjDoc*> OpenProject(ProjectList& list, const std::string& path,
                             const std::string& appDir) {
    if (const int open = list.IndexOf(path); open >= 0) {
        list.SetCurrent(open);
        return &list.at(static_cast<std::size_t>(open));
    }
    auto loaded = LoadTzpFile(path, appDir);
    if (!loaded.ok())
        return Result<CPrjDoc*>::Failure(loaded.error());
    return &list.Add(std::move(loaded.value()));
}

}  // namespace lx
