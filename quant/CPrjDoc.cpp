#include "quant/CPrjDoc.h"

#include <algorithm>

#include "quant/calc/Identification.h"
#include "quant/workflow/ProjectProcessing.h"

namespace lx {

void CPrjDoc::AddComponent(const CComponentItem& item) {
    auto at = std::find_if(m_Components.begin(), m_Components.end(), [&](const CComponentItem& c) {
        return c.m_RetentionTime > item.m_RetentionTime;
    });
    m_Components.insert(at, item);
    ++m_LastComponentId;
    for (CComponentItem& c : m_Components)
        if (static_cast<std::int64_t>(c.m_Points.size()) < m_LevelCount)
            c.m_Points.resize(static_cast<std::size_t>(m_LevelCount));
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

}  // namespace lx
