#include "quant/workflow/PeakComponent.h"

#include "peaks/Integration.h"
#include "quant/CPrjDoc.h"

namespace lx {

bool ChangePeakComponent(CTzLabDoc& doc, int peak, const std::string& typedName,
                         std::int32_t componentId, Prompter& prompter) {
    if (peak < 0 || peak >= static_cast<int>(doc.m_Peaks.size()))
        return false;
    PeakRecord& record = doc.m_Peaks[static_cast<std::size_t>(peak)];
    const auto* project = dynamic_cast<const CPrjDoc*>(doc.m_Project);
    if (!project) {
        record.m_ComponentName = typedName;
        return true;
    }
    const int row = project->FindComponent(componentId);
    if (row >= 0) {
        record.m_Component = componentId;
        record.m_ComponentName = project->m_Components[static_cast<std::size_t>(row)].m_Name;
    } else {
        record.m_Component = -1;
        record.m_ComponentName.clear();
        record.m_Content = 0.0;
    }
    QuantifyIntegrated(doc, prompter);
    return true;
}

}  // namespace lx
