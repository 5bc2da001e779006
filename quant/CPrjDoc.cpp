#include "quant/CPrjDoc.h"

#include <algorithm>

#include "quant/calc/Identification.h"
#include "quant/workflow/ProjectProcessing.h"

namespace lx {

namespace {

// At its time's place, after every row of equal or smaller retention time; then every
// component has a point for each level.
void Insert(CPrjDoc& project, CComponentItem item) {
    auto at = std::find_if(
        project.m_Components.begin(), project.m_Components.end(),
        [&](const CComponentItem& c) { return c.m_RetentionTime > item.m_RetentionTime; });
    project.m_Components.insert(at, std::move(item));
    for (CComponentItem& c : project.m_Components)
        if (static_cast<std::int64_t>(c.m_Points.size()) < project.m_LevelCount)
            c.m_Points.resize(static_cast<std::size_t>(project.m_LevelCount));
}

// The next ID. A file may claim the largest ID there is; the count then wraps round like the
// 32-bit counter it is instead of overflowing.
std::int32_t NextId(std::int32_t last) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(last) + 1u);
}

}  // namespace

std::int32_t CPrjDoc::AddComponent(CComponentItem item) {
    m_LastComponentId = NextId(m_LastComponentId);
    item.m_Id = m_LastComponentId;
    Insert(*this, std::move(item));
    return m_LastComponentId;
}

bool CPrjDoc::ReplaceComponent(int row, CComponentItem item) {
    const CComponentItem* old = ComponentAt(row);
    if (!old)
        return false;
    item.m_Id = old->m_Id;
    RemoveComponent(row);
    m_LastComponentId = NextId(m_LastComponentId);
    Insert(*this, std::move(item));
    return true;
}

void CPrjDoc::RemoveComponent(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < m_Components.size())
        m_Components.erase(m_Components.begin() + row);
}

void CPrjDoc::RemoveAllComponents() {
    m_Components.clear();
}

int CPrjDoc::FindComponent(std::int32_t id) const {
    for (std::size_t row = 0; row < m_Components.size(); ++row)
        if (m_Components[row].m_Id == id)
            return static_cast<int>(row);
    return -1;
}

void CPrjDoc::IdentifyPeaks(CTzLabDoc& doc) {
    lx::IdentifyPeaks(doc, *this);
}

void CPrjDoc::QuantifyPeaks(CTzLabDoc& doc, Prompter& prompter) {
    ProcessProjectChromatogram(*this, doc, prompter);
}

bool CPrjDoc::operator==(const CPrjDoc& other) const {
    bool same = true;
    VisitFieldPairs(*this, other, [&](Field, const auto& mine, const auto& theirs) {
        same = same && mine == theirs;
    });
    return same;
}

}  // namespace lx
