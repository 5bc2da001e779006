#include "tests/gui/projectsheets/ProjectSheetFixtures.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/workflow/NewProject.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx::test {
namespace {

void AddComponent(CPrjDoc& project, const char* name, double minutes) {
    ComponentDraft draft = NewComponentDraft(project);
    draft.item.m_Name = name;
    draft.item.m_RetentionTime = minutes;
    draft.item.m_TimeWindow = 0.1;
    QVERIFY(AcceptComponentDraft(project, draft));
}

}  // namespace

void WriteTwoPeakRun(const std::string& path, double scale) {
    SyntheticRunOptions o;
    o.minutes = 6;
    o.noise = 0;
    o.drift = 0;
    o.peaks = {{2.0, 10000.0, 3.0}, {4.0, 20000.0, 3.0}};
    o.scale = scale;
    CTzLabDoc doc = MakeSyntheticRun(o);
    QVERIFY(SaveTzdFile(doc, path).ok());
}

StandardsProject::StandardsProject() {
    QVERIFY(m_Dir.isValid());
    const std::string appDir = S(m_Dir.path()) + "/app";
    NewProjectSettings settings;
    settings.m_MethodName = "苯系物";
    settings.m_Basis = kAreaBasis;
    settings.m_IdentMode = kTimeBand;
    settings.m_Method = kExternalStandard;
    m_Project = CreateProject(settings, appDir, m_List, m_Prompter);
    QVERIFY(m_Project);
    CPrjDoc& project = *m_Project;
    auto addStandard = [&](int number, double scale) {
        const std::string path = appDir + "/std" + std::to_string(number) + ".Tzd";
        WriteTwoPeakRun(path, scale);
        QVERIFY(AddStandardFile(project, path, m_Prompter));
        m_Standards.push_back(path);
    };
    // The first standard calibrates level 1; then the operator adds level 2 and its three.
    addStandard(0, 0.2);
    project.m_LevelCount = 2;
    AddComponent(project, "苯", 2.0);
    AddComponent(project, "甲苯", 4.0);
    for (int row : {0, 1}) {
        SetLevelConcentration(project, row, 1, row + 1.0);
        SetLevelConcentration(project, row, 2, 5.0 * (row + 1));
    }
    for (int i = 1; i <= 3; ++i)
        addStandard(i, 1.0 + 0.1 * i);
    // Processed as the analysis window does: the records take the identified peaks.
    for (const std::string& path : m_Standards) {
        auto doc = LoadTzdFile(path);
        QVERIFY(doc.ok());
        doc->m_Project = &project;
        IntegrateAndQuantify(doc.value(), m_Prompter);
    }
}

QStringList NamelessControls(QWidget* root) {
    QStringList missing;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root))
            continue;
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractSpinBox*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w);
        // A spin box's own line edit belongs to the named box, a header to its list (its
        // sections are the column names).
        const bool part =
            (qobject_cast<QLineEdit*>(w) && qobject_cast<QAbstractSpinBox*>(w->parentWidget())) ||
            qobject_cast<QHeaderView*>(w);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
        if (control && !part && name.isEmpty())
            missing << QString("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return missing;
}

}  // namespace lx::test
