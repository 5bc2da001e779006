#pragma once
// What the project sheet tests build on: a method project made by the wizard's rules in a
// scratch application folder, standards that are synthetic chromatograms with peaks at known
// times, and a check that every control has a name for assistive technology.

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <string>
#include <vector>

#include "quant/CPrjDoc.h"
#include "quant/workflow/ProjectList.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/sheets/SheetControls.h"

namespace lx::test {

// An external-standard project on areas, identified by time band, with the components "苯" at
// 2 minutes and "甲苯" at 4 minutes (level 1: 1 and 2, level 2: 5 and 10), and standards added
// and processed as the analysis window does: std0 while the project had one level, then std1
// to std3 at level count 2. Each standard's peaks are a multiple of the others'.
class StandardsProject {
public:
    StandardsProject();
    CPrjDoc& Project() const { return *m_Project; }
    ProjectList& List() { return m_List; }
    const std::vector<std::string>& Standards() const { return m_Standards; }
    RecordingPrompter& Prompts() { return m_Prompter; }

private:
    QTemporaryDir m_Dir;
    RecordingPrompter m_Prompter;
    ProjectList m_List;
    CPrjDoc* m_Project = nullptr;
    std::vector<std::string> m_Standards;
};

// A chromatogram of a clean baseline with Gaussians at 2 and 4 minutes, written to `path`.
void WriteTwoPeakRun(const std::string& path, double scale);

// The visible controls under `root` (buttons, edits, spin boxes, lists) whose accessible
// interface has no name.
QStringList NamelessControls(QWidget* root);

}  // namespace lx::test
