#include "tests/gui/components/ComponentTestSupport.h"

#include <QFile>
#include <QTest>

#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/calc/Calibration.h"
#include "quant/file/TzpFile.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/workflow/NewProject.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx::test {

ProjectBench::ProjectBench(std::int32_t method, std::int32_t identMode) {
    NewProjectSettings settings;
    settings.m_MethodName = "组份方法";
    settings.m_Method = method;
    settings.m_Basis = kAreaBasis;
    settings.m_IdentMode = identMode;
    CPrjDoc* project = CreateProject(settings, Path("app"), m_Open, prompter);
    if (!project)
        qFatal("the test project could not be created");
    m_Session = std::make_unique<ProjectSession>(*project);
}

std::string ProjectBench::Path(const std::string& name) const {
    return m_Dir.filePath(QString::fromStdString(name)).toStdString();
}

std::int32_t AddComponent(CPrjDoc& project, const char* name, double minutes, double window) {
    ComponentDraft draft = NewComponentDraft(project);
    draft.item.m_Name = name;
    draft.item.m_RetentionTime = minutes;
    draft.item.m_TimeWindow = window;
    return AcceptComponentDraft(project, draft).value();
}

CTzLabDoc MakeRun(const std::vector<double>& minutes, const std::vector<double>& heights,
                  ProjectLink* project) {
    SyntheticRunOptions o;
    o.minutes = 10;
    o.noise = 0;
    o.drift = 0;
    for (std::size_t i = 0; i < minutes.size(); ++i)
        o.peaks.push_back({minutes[i], heights[i], 3.0});
    CTzLabDoc run = MakeSyntheticRun(o);
    run.m_Project = project;
    Reintegrate(run);
    return run;
}

CTzLabDoc SaveRun(CTzLabDoc run, const std::string& path) {
    if (!SaveTzdFile(run, path).ok())
        qFatal("a test chromatogram could not be saved");
    return run;
}

void MakeCalibrated(ProjectBench& bench) {
    CPrjDoc& project = bench.Project();
    for (auto [name, minutes] : {std::pair{"苯", 2.0}, {"甲苯", 4.0}, {"二甲苯", 6.0}})
        AddComponent(project, name, minutes);
    const std::vector<double> times{2.0, 4.0, 6.0};
    const std::string low = bench.Path("low.Tzd");
    const std::string high = bench.Path("high.Tzd");
    SaveRun(MakeRun(times, {10000, 20000, 30000}), low);
    SaveRun(MakeRun(times, {25000, 45000, 65000}), high);
    QVERIFY(AddStandardFile(project, low, bench.prompter));
    QVERIFY(AddStandardFile(project, high, bench.prompter));
    QVERIFY(SetStandardLevel(project, 1, 2));
    // Each standard processed as the analysis window does once it is opened from the project.
    for (const std::string& path : {low, high}) {
        auto loaded = LoadTzdFile(path);
        QVERIFY(loaded.ok());
        loaded.value().m_Project = &project;
        IntegrateAndQuantify(loaded.value(), bench.prompter);
    }
    for (int row = 0; row < 3; ++row)
        for (int level = 1; level <= 2; ++level)
            SetLevelConcentration(project, row, level, level);
    QVERIFY(Calibrate(project, bench.prompter));
    QVERIFY(project.m_Components[0].m_A > 0);
}

QByteArray SavedBytes(const CPrjDoc& project, const ProjectBench& bench) {
    CPrjDoc copy = project;
    const std::string path = bench.Path("saved.Tzp");
    if (!SaveTzpFile(copy, path).ok())
        return {};
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ExpectSameProject(const CPrjDoc& before, const CPrjDoc& after, const ProjectBench& bench) {
    QCOMPARE(FirstDifference(before, after), QString());
    QVERIFY(after == before);
    const QByteArray bytes = SavedBytes(after, bench);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bytes, SavedBytes(before, bench));
}

}  // namespace lx::test
