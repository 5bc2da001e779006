// The standard curve window on a project calibrated by three standard runs, as the operator
// uses it: the curve of each component, the axis range typed and fitted again, the picture on
// the clipboard, the fonts of the printed report, the PDF, and the refresh after a
// recalibration.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>

#include <memory>

#include "core/Format.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/calc/Calibration.h"
#include "quant/views/CalibrationRows.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/workflow/NewProject.h"
#include "quant/workflow/ProjectRecords.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/curve/CurveWidget.h"
#include "ui/curve/StandardCurveWindow.h"
#include "ui/project/ProjectUndo.h"

namespace lx::test {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QAction* Command(const StandardCurveWindow& window, const char* text) {
    for (QMenu* menu : window.Menus())
        for (QAction* action : menu->actions())
            if (action->text() == QString::fromUtf8(text))
                return action;
    return nullptr;
}

QStringList Rows(const QListWidget* list) {
    QStringList rows;
    for (int k = 0; k < list->count(); ++k)
        rows << list->item(k)->text();
    return rows;
}

}  // namespace

class StandardCurveWindowTest : public QObject {
    Q_OBJECT

private:
    // Benzene at 2 minutes and toluene at 4 on a clean baseline, heights in uV.
    std::string WriteStandard(const QString& name, double benzene, double toluene) {
        SyntheticRunOptions o;
        o.minutes = 6;
        o.noise = 0;
        o.drift = 0;
        o.peaks = {{2.0, benzene, 3.0}, {4.0, toluene, 3.0}};
        CTzLabDoc doc = MakeSyntheticRun(o);
        doc.m_Project = m_Project;  // identified as the analysis window would
        IntegrateAndQuantify(doc, m_Prompter);
        const std::string path = m_Dir->filePath(name).toStdString();
        [&] { QVERIFY(SaveTzdFile(doc, path).ok()); }();
        return path;
    }

    std::int32_t AddComponent(const char* name, double minutes) {
        ComponentDraft draft = NewComponentDraft(*m_Project);
        draft.item.m_Name = name;
        draft.item.m_RetentionTime = minutes;
        draft.item.m_TimeWindow = 0.1;
        return AcceptComponentDraft(*m_Project, draft).value();
    }

    std::unique_ptr<QTemporaryDir> m_Dir;
    ProjectList m_Open;
    CPrjDoc* m_Project = nullptr;
    std::unique_ptr<ProjectSession> m_Session;
    RecordingPrompter m_Prompter;

private slots:
    // An external-standard project on areas with three levels (1, 2 and 4), one standard each.
    void init() {
        m_Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dir->isValid());
        NewProjectSettings s;
        s.m_MethodName = "苯系物";
        s.m_Method = kExternalStandard;
        s.m_Basis = kAreaBasis;
        s.m_IdentMode = kTimeBand;
        m_Project = CreateProject(s, m_Dir->filePath("app").toStdString(), m_Open, m_Prompter);
        QVERIFY(m_Project);
        AddComponent("苯", 2.0);
        AddComponent("甲苯", 4.0);
        const double heights[3][2] = {{20000, 30000}, {40000, 60000}, {81000, 118000}};
        for (int k = 0; k < 3; ++k)
            QVERIFY(AddStandardFile(
                *m_Project,
                WriteStandard(QString("std%1.Tzd").arg(k + 1), heights[k][0], heights[k][1]),
                m_Prompter));
        QVERIFY(SetStandardLevel(*m_Project, 1, 2));
        QVERIFY(SetStandardLevel(*m_Project, 2, 3));
        for (int row : {0, 1})
            for (int level : {1, 2, 3})
                SetLevelConcentration(*m_Project, row, level, level == 3 ? 4.0 : level);
        QVERIFY(Calibrate(*m_Project, m_Prompter));
        QVERIFY2(m_Prompter.messages.empty(),
                 m_Prompter.messages.empty() ? "" : m_Prompter.messages.front().c_str());
        m_Session = std::make_unique<ProjectSession>(*m_Project);
    }

    void cleanup() {
        m_Session.reset();
        while (!m_Open.empty())
            m_Open.Close(0);
        m_Prompter.messages.clear();
        m_Prompter.questions.clear();
        m_Dir.reset();
    }

    void OpensOnTheFirstComponentsCurve() {
        StandardCurveWindow window(*m_Session, m_Prompter);
        window.show();
        const CComponentItem& benzene = m_Project->m_Components[0];
        QCOMPARE(window.Component(), 0);
        QCOMPARE(window.ComponentBox()->count(), 2);
        QCOMPARE(window.ComponentBox()->currentText(), QString("苯"));
        QCOMPARE(window.windowTitle(), QString("标准曲线"));
        // Three levels of one repeat each: three markers; a calibrated line through them.
        QCOMPARE(StandardCurveMarkers(*m_Project, 0).size(), std::size_t{3});
        QVERIFY(benzene.m_R > 0.99 && benzene.m_R <= 1.0);
        QCOMPARE(window.Plot()->accessibleName(), QString("标准曲线"));
        QCOMPARE(window.Plot()->accessibleDescription(),
                 Q(Format("苯: 3 个点, 相关系数 %1.4f", benzene.m_R)));
        // The range of "自动匹配": 1.2 times the largest amount and mean area.
        QCOMPARE(window.Range().xMin, 0.0);
        QCOMPARE(window.Range().xMax, 4.8);
        QCOMPARE(window.Range().yMax, 1.2 * benzene.m_Points[2].m_MeanResponse);
        // The bar lists the report block and the repeats.
        const QStringList rows = Rows(window.ResultList());
        QCOMPARE(rows.size(), 7);
        QCOMPARE(rows[0], QString("标准曲线报告"));
        QCOMPARE(rows[1], QString("组  份: 苯"));
        QCOMPARE(rows[2], Q(Format("标准曲线方程:  Y = %gX + %g", benzene.m_A, benzene.m_B)));
        QCOMPARE(rows[3], Q(Format("相 关 系 数:  %1.4f", benzene.m_R)));
        QCOMPARE(rows[6], Q(Format("X = 4    Y = %.2f", benzene.m_Points[2].m_Repeats[0].m_Area)));
    }

    void SwitchesComponents() {
        StandardCurveWindow window(*m_Session, m_Prompter);
        window.ComponentBox()->setCurrentIndex(1);
        const CComponentItem& toluene = m_Project->m_Components[1];
        QCOMPARE(window.Component(), 1);
        QCOMPARE(window.Plot()->Picture().row, 1);
        QCOMPARE(window.Range(), AutoCurveRange(*m_Project, 1));
        QCOMPARE(window.Plot()->accessibleDescription(),
                 Q(Format("甲苯: 3 个点, 相关系数 %1.4f", toluene.m_R)));
        QCOMPARE(Rows(window.ResultList())[1], QString("组  份: 甲苯"));
        // A row outside the table changes nothing.
        window.SetComponent(2);
        QCOMPARE(window.Component(), 1);
    }

    void TypedRangeStaysUntilFittedAgain() {
        StandardCurveWindow window(*m_Session, m_Prompter);
        const CurveRange fitted = window.Range();
        WhenDialogOpens([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("坐标设置"));
            Named<QDoubleSpinBox>(dialog, "最大含量:")->setValue(2.5);
            Named<QDoubleSpinBox>(dialog, "最小响应:")->setValue(-100);
            Named<QDoubleSpinBox>(dialog, "最大响应:")->setValue(500000);
            Named<QPushButton>(dialog, "确定")->click();
        });
        Command(window, "坐标设置")->trigger();
        const CurveRange typed{0, 2.5, -100, 500000};
        QCOMPARE(window.Range(), typed);
        QCOMPARE(window.Plot()->Picture().range, typed);

        // A maximum not above its minimum is refused with a message.
        QVERIFY(!window.SetRange({3, 3, 0, 1}));
        QCOMPARE(m_Prompter.messages.size(), std::size_t{1});
        QCOMPARE(Q(m_Prompter.messages[0]), QString("坐标范围错误, 最大值必须大于最小值!"));
        QCOMPARE(window.Range(), typed);

        // Cancel keeps the range.
        WhenDialogOpens([](QWidget* dialog) {
            Named<QDoubleSpinBox>(dialog, "最大含量:")->setValue(9);
            Named<QPushButton>(dialog, "取消")->click();
        });
        Command(window, "坐标设置")->trigger();
        QCOMPARE(window.Range(), typed);

        // A change of the project keeps it too; "自动匹配" and another component do not.
        window.Refresh();
        QCOMPARE(window.Range(), typed);
        Command(window, "自动匹配")->trigger();
        QCOMPARE(window.Range(), fitted);
        window.SetRange(typed);
        window.SetComponent(1);
        QCOMPARE(window.Range(), AutoCurveRange(*m_Project, 1));
    }

    void RefreshesWhenTheProjectRecalibrates() {
        StandardCurveWindow window(*m_Session, m_Prompter);
        window.SetComponent(1);
        const double before = m_Project->m_Components[1].m_A;
        const QString equation = Rows(window.ResultList())[2];
        {
            // The third level was 8, not 4: the slope halves... nearly, through the origin.
            ProjectEdit edit(*m_Session, "浓度");
            SetLevelConcentration(*m_Project, 1, 3, 8.0);
            QVERIFY(Calibrate(*m_Project, m_Prompter));
            edit.Commit();
        }
        QVERIFY(m_Project->m_Components[1].m_A < before);
        QCOMPARE(window.Component(), 1);
        QCOMPARE(window.Range().xMax, 8 * 1.2);
        QCOMPARE(Rows(window.ResultList())[2],
                 Q(Format("标准曲线方程:  Y = %gX + %g", m_Project->m_Components[1].m_A, 0.0)));

        // Undone, the window shows the curve as it was; a component removed before the one
        // shown leaves the same component in view at its new row.
        m_Session->Undo().undo();
        QCOMPARE(Rows(window.ResultList())[2], equation);
        QCOMPARE(window.Range().xMax, 4 * 1.2);
        {
            ProjectEdit edit(*m_Session, "删除组份");
            m_Project->RemoveComponent(0);
            edit.Commit();
        }
        QCOMPARE(window.ComponentBox()->count(), 1);
        QCOMPARE(window.Component(), 0);
        QCOMPARE(window.ComponentBox()->currentText(), QString("甲苯"));
        {
            ProjectEdit edit(*m_Session, "删除组份");
            m_Project->RemoveAllComponents();
            edit.Commit();
        }
        QCOMPARE(window.Component(), -1);
        QCOMPARE(window.ResultList()->count(), 0);
        QCOMPARE(window.Plot()->accessibleDescription(), QString("没有组份"));
    }

    void CopiesThePictureToTheClipboard() {
        StandardCurveWindow window(*m_Session, m_Prompter);
        window.resize(700, 600);
        window.show();
        QApplication::clipboard()->clear();
        Command(window, "拷贝图谱(&C)")->trigger();
        const QImage image = QApplication::clipboard()->image();
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), window.Plot()->size());
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
                 RenderCurveImage(window.Plot()->Picture(), window.Plot()->size()));
    }

    void ParametersChooseTheReportFontsWithoutEditingTheProject() {
        StandardCurveWindow window(*m_Session, m_Prompter);
        QCOMPARE(window.ReportTitleFont(), m_Project->m_PrintSettings.titleFont);
        QCOMPARE(window.ReportBodyFont(), m_Project->m_PrintSettings.bodyFont);
        QStringList names;
        WhenDialogOpens([&names](QWidget* dialog) {
            names << dialog->windowTitle();
            for (const char* row : {"标题字体设置:", "正文字体设置:"})
                if (Named<QPushButton>(dialog, row))
                    names << row;
            Named<QPushButton>(dialog, "确定")->click();
        });
        Command(window, "参数设置(&S)")->trigger();
        QCOMPARE(names, (QStringList{"打印设置", "标题字体设置:", "正文字体设置:"}));
        QCOMPARE(window.ReportTitleFont(), m_Project->m_PrintSettings.titleFont);
        QCOMPARE(m_Session->Undo().count(), 0);
        QVERIFY(!m_Session->IsModified());
    }

    void ExportsThePdfReport() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils (pdftotext) is not installed; scripts/setup installs it");
        StandardCurveWindow window(*m_Session, m_Prompter);
        window.SetComponent(1);
        const QString path = m_Dir->filePath("curve.pdf");
        QVERIFY(window.ExportPdfTo(path));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {path, "-"});
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains("甲苯"), qPrintable(text));
        QVERIFY2(text.contains(Q(Format("%1.4f", m_Project->m_Components[1].m_R))),
                 qPrintable(text));
        QVERIFY2(text.contains("标准曲线报告"), qPrintable(text));

        // A folder that is not there: the operator is told, nothing is written.
        QVERIFY(!window.ExportPdfTo(m_Dir->filePath("none/curve.pdf")));
        QCOMPARE(m_Prompter.messages.size(), std::size_t{1});
        QVERIFY(!QFile::exists(m_Dir->filePath("none/curve.pdf")));
    }

    void EveryControlIsNamed() {
        StandardCurveWindow window(*m_Session, m_Prompter);
        window.show();
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w) ||
                                 qobject_cast<QAbstractButton*>(w) || qobject_cast<CurveWidget*>(w);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
            if (control && w->isVisibleTo(&window))
                QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                         w->metaObject()->className());
        }
        QCOMPARE(window.ComponentBox()->accessibleName(), QString("组份:"));
        QCOMPARE(window.ResultList()->accessibleName(), QString("结果列表框"));
        QStringList commands;
        for (QAction* action : window.Menus().front()->actions())
            if (!action->isSeparator())
                commands << action->text();
        QCOMPARE(commands, (QStringList{"自动匹配", "坐标设置", "拷贝图谱(&C)", "参数设置(&S)",
                                        "打印(&P)...", "打印预览(&V)", "输出PDF文件(&F)..."}));
        for (QAction* action : window.ToolBar()->actions())
            QVERIFY(action->isSeparator() || !action->text().isEmpty());
    }
};

static RegisterGuiTest<StandardCurveWindowTest> registration;

}  // namespace lx::test

#include "StandardCurveWindowTest.moc"
