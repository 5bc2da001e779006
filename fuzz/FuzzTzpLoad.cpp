// Any bytes given to the method project loader: a project or a message, never a crash; a
// project that loads comes back through a save and a load unchanged; and the operations that
// trust a loaded project's numbers (levels, repeats, points, IDs) stay inside them.
#include "fuzz/RoundTrip.h"
#include "quant/calc/Calibration.h"
#include "quant/calc/Identification.h"
#include "quant/calc/Quantitation.h"
#include "quant/file/TzpFile.h"
#include "quant/views/CalibrationRows.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/views/ProjectTreeRows.h"
#include "quant/workflow/ProjectRecords.h"

namespace {

class IgnoringPrompter : public lx::Prompter {
public:
    bool Confirm(const std::string&) override { return true; }
    void Inform(const std::string&, Icon) override {}
};

void Exercise(lx::CPrjDoc& project) {
    IgnoringPrompter prompter;
    lx::BuildProjectNode(project);
    lx::BuildCalibrationSettings(project);
    lx::Calibrate(project, prompter);
    const auto columns = lx::ComponentColumns(project);
    lx::CalibrationInfoRows(project);
    for (std::size_t row = 0; row < project.m_Components.size(); ++row) {
        for (const auto& column : columns)
            lx::ComponentCellText(project, static_cast<int>(row), column);
        lx::StandardCurveRange(project, static_cast<int>(row));
        lx::StandardCurveMarkers(project, static_cast<int>(row));
    }
    if (!project.m_Standards.empty()) {
        lx::CTzLabDoc doc;
        doc.m_Peaks = project.m_Standards.front().m_Peaks;
        lx::IdentifyPeaks(doc, project);
        lx::Quantify(doc, project);
        // New and edited components take IDs from the count the file claims.
        lx::AcceptComponentDraft(project, lx::ComponentDraftForPeak(project, doc, 0));
        lx::ExportPeaksToComponents(project, doc, prompter);
        lx::SetStandardLevel(project, 0, project.m_LevelCount + 1);
        lx::RemoveRecord(project, lx::RecordList::kStandards, 0, prompter);
    }
    lx::MaintainLevels(project);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lx::fuzz::CheckRoundTrip(
        {data, size}, [](auto bytes, const char* name) { return lx::LoadTzpBytes(bytes, name); });
    auto project = lx::LoadTzpBytes({data, size}, "fuzz");
    if (project.ok())
        Exercise(project.value());
    return 0;
}
