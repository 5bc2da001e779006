#pragma once
// What the component tests start from: method projects made by the engine's own wizard rules
// in a private folder, chromatograms with peaks at known times, a project calibrated from two
// standard runs, and the check that a project is back exactly as it was.

#include <QByteArray>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "quant/workflow/ProjectList.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/project/ProjectUndo.h"

namespace lx::test {

// A new project of `method` in its own application folder, open in its own list, with its
// session and a prompter that answers from a script.
class ProjectBench {
public:
    explicit ProjectBench(std::int32_t method, std::int32_t identMode = 0);
    ProjectBench(const ProjectBench&) = delete;
    ProjectBench& operator=(const ProjectBench&) = delete;

    CPrjDoc& Project() { return m_Session->Project(); }
    ProjectSession& Session() { return *m_Session; }
    QUndoStack& Undo() { return m_Session->Undo(); }
    std::string Path(const std::string& name) const;

    RecordingPrompter prompter;

private:
    QTemporaryDir m_Dir;
    ProjectList m_Open;
    std::unique_ptr<ProjectSession> m_Session;
};

// A component added as "新组份" adds it; returns its ID.
std::int32_t AddComponent(CPrjDoc& project, const char* name, double minutes, double window = 0.1);

// A clean chromatogram (no noise, no drift, 20 samples a second) with Gaussian peaks at these
// minutes and heights, integrated and, when it has a project, identified.
CTzLabDoc MakeRun(const std::vector<double>& minutes, const std::vector<double>& heights,
                  ProjectLink* project = nullptr);

// The run saved as a chromatogram file at `path`, which the returned copy remembers.
CTzLabDoc SaveRun(CTzLabDoc run, const std::string& path);

// Components at 2, 4 and 6 minutes calibrated from two standard runs (level 1 at
// concentration 1, level 2 at concentration 2) whose responses do not pass through the
// origin, so the two curve types give different coefficients.
void MakeCalibrated(ProjectBench& bench);

// The bytes the project file of `project` would have.
QByteArray SavedBytes(const CPrjDoc& project, const ProjectBench& bench);

// The project is `before` again: every field, the curve types, and the bytes of its file.
void ExpectSameProject(const CPrjDoc& before, const CPrjDoc& after, const ProjectBench& bench);

}  // namespace lx::test
