// The project properties sheet on a project with three processed standards: what "校正设置"
// and "校正信息" list, a level change by double-click, and what OK, Cancel and undo leave.

#include <QAbstractItemModelTester>
#include <QDateTime>
#include <QDialog>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "core/Format.h"
#include "quant/views/CalibrationRows.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/projectsheets/ProjectSheetFixtures.h"
#include "ui/projectsheets/CalibrationInfoPage.h"
#include "ui/projectsheets/CalibrationSettingsPage.h"
#include "ui/projectsheets/ProjectPropertiesSheet.h"

namespace lx::test {
namespace {

QStringList Headings(const QAbstractItemModel* model) {
    QStringList texts;
    for (int c = 0; c < model->columnCount(); ++c)
        texts << model->headerData(c, Qt::Horizontal).toString();
    return texts;
}

QStringList RowTexts(const QAbstractItemModel* model, int row) {
    QStringList texts;
    for (int c = 0; c < model->columnCount(); ++c)
        texts << model->index(row, c).data().toString();
    return texts;
}

// Level and repeat of every standard, in list order.
std::vector<std::pair<int, int>> Placement(const CPrjDoc& project) {
    std::vector<std::pair<int, int>> placed;
    for (const CPrjFileRecord& r : project.m_Standards)
        placed.emplace_back(r.m_Level, r.m_Repeat);
    return placed;
}

const QAbstractItemModel* SettingsModel(const ProjectPropertiesSheet& sheet) {
    return sheet.SettingsPage()->List()->model();
}
const QAbstractItemModel* InfoModel(const ProjectPropertiesSheet& sheet) {
    return sheet.InfoPage()->List()->model();
}

// A double click on row `row` of the standards, with the level dialog answered by `level`.
void DoubleClickAndAnswer(ProjectPropertiesSheet& sheet, int row, int level, int expectMax) {
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QTreeView* list = sheet.SettingsPage()->List();
    // Near the row's left end: a long path widens the first column beyond the viewport.
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    const QPoint at(rect.left() + 4, rect.center().y());
    bool answered = false;
    WhenDialogOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("设置点数"));
        auto* box = Named<QSpinBox>(dialog, "点  数:");
        QVERIFY(box);
        QCOMPARE(box->minimum(), 1);
        QCOMPARE(box->maximum(), expectMax);
        QCOMPARE(box->value(), sheet.Draft().m_Standards[static_cast<std::size_t>(row)].m_Level);
        const QStringList nameless = NamelessControls(dialog);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
        box->setValue(level);
        answered = true;
        dialog->accept();
    });
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(answered);
}

}  // namespace

class ProjectPropertiesSheetTest : public QObject {
    Q_OBJECT

private slots:
    // Three standards added at level count 2 take level 2 and repeats 1, 2, 3; the list shows
    // them after the level-1 standard with their dates and an icon.
    void standardsListedWithRepeatAndLevel() {
        StandardsProject f;
        if (QTest::currentTestFailed())
            return;
        ProjectSession session(f.Project());
        ProjectPropertiesSheet sheet(session);
        QCOMPARE(sheet.windowTitle(), QString("项目属性"));
        auto* tabs = sheet.findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(0), QString("校正设置"));
        QCOMPARE(tabs->tabText(1), QString("校正信息"));

        const QAbstractItemModel* model = SettingsModel(sheet);
        QCOMPARE(Headings(model),
                 QStringList({" 标 准 品 文 件 名 ", " 创 建 日 期 ", "次  数", "点  数"}));
        QCOMPARE(model->rowCount(), 4);
        const QStringList repeatAndLevel[] = {{"1", "1"}, {"1", "2"}, {"2", "2"}, {"3", "2"}};
        for (int i = 0; i < 4; ++i) {
            const CPrjFileRecord& r = f.Project().m_Standards[static_cast<std::size_t>(i)];
            const QString date =
                QDateTime::fromSecsSinceEpoch(r.m_CreatedAt, Qt::UTC).toString("yyyy.MM.dd  HH:mm");
            QCOMPARE(RowTexts(model, i),
                     QStringList({Q(f.Standards()[static_cast<std::size_t>(i)]), date}) +
                         repeatAndLevel[i]);
            QVERIFY(!model->index(i, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        }
    }

    // Moving std1 to a new level 3 adds the level and renumbers the repeats of level 2; moving
    // std0 away from level 1 then leaves it unused: it goes, 2 and 3 become 1 and 2. The sheet
    // shows every change at once; the project changes only on OK, as one step that undo takes
    // back exactly.
    void levelChangeAddsALevelAndRenumbers() {
        StandardsProject f;
        if (QTest::currentTestFailed())
            return;
        CPrjDoc& project = f.Project();
        const CPrjDoc before = project;
        ProjectSession session(project);
        ProjectPropertiesSheet sheet(session);
        DoubleClickAndAnswer(sheet, 1, 3, 3);
        if (QTest::currentTestFailed())
            return;
        const CPrjDoc& draft = sheet.Draft();
        QCOMPARE(draft.m_LevelCount, 3);
        QCOMPARE(Placement(draft),
                 (std::vector<std::pair<int, int>>{{1, 1}, {3, 1}, {2, 1}, {2, 2}}));
        for (const CComponentItem& c : draft.m_Components) {
            QCOMPARE(c.m_Points.size(), std::size_t{3});
            QVERIFY(c.m_Points[2].m_Repeats.empty());
            QCOMPARE(c.m_Points[2].m_Concentration, 0.0);
        }
        QCOMPARE(RowTexts(SettingsModel(sheet), 1).mid(2), QStringList({"1", "3"}));
        QCOMPARE(RowTexts(SettingsModel(sheet), 3).mid(2), QStringList({"2", "2"}));

        DoubleClickAndAnswer(sheet, 0, 2, 4);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(draft.m_LevelCount, 2);
        QCOMPARE(Placement(draft),
                 (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}, {1, 3}}));
        // The old level 2 is level 1 now, with its concentrations; the new level follows.
        for (int row : {0, 1}) {
            const auto& points = draft.m_Components[static_cast<std::size_t>(row)].m_Points;
            QCOMPARE(points.size(), std::size_t{2});
            QCOMPARE(points[0].m_Concentration, 5.0 * (row + 1));
            QCOMPARE(points[0].m_Repeats.size(), std::size_t{3});
            QVERIFY(points[1].m_Repeats.empty());
        }
        QCOMPARE(FirstDifference(before, project), QString());

        QVERIFY(!sheet.ChangeLevel(0, 0));
        QVERIFY(!sheet.ChangeLevel(4, 1));

        const CPrjDoc after = sheet.Draft();
        sheet.accept();
        QCOMPARE(FirstDifference(after, project), QString());
        QCOMPARE(session.Undo().count(), 1);
        session.Undo().undo();
        QCOMPARE(FirstDifference(before, project), QString());
        QVERIFY(project == before);
        session.Undo().redo();
        QVERIFY(project == after);
    }

    void cancelAndUnchangedOkLeaveTheProject() {
        StandardsProject f;
        if (QTest::currentTestFailed())
            return;
        CPrjDoc& project = f.Project();
        const CPrjDoc before = project;
        ProjectSession session(project);
        {
            ProjectPropertiesSheet sheet(session);
            QVERIFY(sheet.ChangeLevel(1, 3));
            sheet.reject();
        }
        QVERIFY(project == before);
        QCOMPARE(session.Undo().count(), 0);
        {
            ProjectPropertiesSheet sheet(session);
            sheet.accept();
        }
        QVERIFY(project == before);
        QCOMPARE(session.Undo().count(), 0);
    }

    // Reference peak columns, and the second standard list, only under the fingerprint method.
    void fingerprintColumnsOnlyForTheFingerprintMethod() {
        StandardsProject f;
        if (QTest::currentTestFailed())
            return;
        CPrjDoc& project = f.Project();
        CPrjFileRecord second;
        second.m_FileName = "second.Tzd";
        second.m_RefRetentionTime = 2.125;
        second.m_RefWindow = 0.01;
        project.m_SecondStandards.push_back(second);
        project.m_Standards[0].m_RefRetentionTime = 4.5;
        ProjectSession session(project);

        for (std::int32_t method : {kNormalization, kInternalStandard, kExternalStandard,
                                    kIndexMethod, kCalibratedNormalization}) {
            project.m_Method = method;
            ProjectPropertiesSheet sheet(session);
            const QStringList headings = Headings(SettingsModel(sheet));
            QVERIFY2(!headings.contains("参照内标保留时间") && headings.contains("点  数"),
                     qPrintable(QString::number(method)));
            QCOMPARE(SettingsModel(sheet)->rowCount(), 4);
        }

        project.m_Method = kFingerprint;
        ProjectPropertiesSheet sheet(session);
        const QAbstractItemModel* model = SettingsModel(sheet);
        QCOMPARE(Headings(model), QStringList({" 标 准 品 文 件 名 ", " 创 建 日 期 ",
                                               "参照内标保留时间", "时间间隔"}));
        QCOMPARE(model->rowCount(), 5);
        QCOMPARE(RowTexts(model, 0).mid(2), QStringList({"4.5", "0"}));
        QCOMPARE(RowTexts(model, 4)[0], QString("second.Tzd"));
        QCOMPARE(RowTexts(model, 4).mid(2), QStringList({"2.125", "0.01"}));
    }

    // "校正信息" lists the engine's rows: per component its time, per level the concentration,
    // every repeat's area with the file that gave it, and the mean.
    void calibrationInfoShowsTheEngineRows() {
        StandardsProject f;
        if (QTest::currentTestFailed())
            return;
        CPrjDoc& project = f.Project();
        ProjectSession session(project);
        ProjectPropertiesSheet sheet(session);
        const QAbstractItemModel* model = InfoModel(sheet);
        QCOMPARE(Headings(model), QStringList({" 组份名 ", " 属  性 ", " 图 谱 文 件 "}));

        const auto rows = CalibrationInfoRows(project);
        QCOMPARE(model->rowCount(), static_cast<int>(rows.size()));
        for (int r = 0; r < model->rowCount(); ++r) {
            const auto& cells = rows[static_cast<std::size_t>(r)];
            QCOMPARE(RowTexts(model, r), QStringList({Q(cells[0]), Q(cells[1]), Q(cells[2])}));
        }

        // Hand-checked: the benzene block, level 2 and its three standards' own peak areas.
        QCOMPARE(RowTexts(model, 0), QStringList({"苯", "", ""}));
        QCOMPARE(RowTexts(model, 1), QStringList({"保留时间:", "2", ""}));
        const int level2 = [&] {
            for (int r = 0; r < model->rowCount(); ++r)
                if (RowTexts(model, r)[0] == "第 2 点")
                    return r;
            return -1;
        }();
        QVERIFY(level2 > 0);
        QCOMPARE(RowTexts(model, level2 + 1), QStringList({"浓    度:", "5", ""}));
        double sum = 0;
        for (int i = 0; i < 3; ++i) {
            const CPrjFileRecord& record = project.m_Standards[static_cast<std::size_t>(i + 1)];
            double area = 0;
            for (const PeakRecord& p : record.m_Peaks)
                if (p.m_Component == project.m_Components[0].m_Id)
                    area += p.m_Area;
            QVERIFY(area > 0);
            sum += area;
            QCOMPARE(RowTexts(model, level2 + 2 + i),
                     QStringList({QString("第%1次峰面积:").arg(i + 1), Q(Format("%.1f", area)),
                                  Q(record.m_FileName)}));
        }
        QCOMPARE(RowTexts(model, level2 + 5),
                 QStringList({"平均峰面积:", Q(Format("%.1f", sum / 3)), ""}));

        // A level change shows on this page too: one more level block per component.
        const int levelRows =
            model->match(model->index(0, 0), Qt::DisplayRole, "第 3 点", -1, Qt::MatchExactly)
                .size();
        QCOMPARE(levelRows, 0);
        QVERIFY(sheet.ChangeLevel(1, 3));
        QCOMPARE(model->match(model->index(0, 0), Qt::DisplayRole, "第 3 点", -1, Qt::MatchExactly)
                     .size(),
                 2);
    }

    void modelsPassTheModelTester() {
        StandardsProject f;
        if (QTest::currentTestFailed())
            return;
        ProjectSession session(f.Project());
        ProjectPropertiesSheet sheet(session);
        QAbstractItemModelTester settings(sheet.SettingsPage()->List()->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester info(sheet.InfoPage()->List()->model(),
                                      QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(sheet.ChangeLevel(1, 3));
        QVERIFY(sheet.ChangeLevel(0, 2));
    }

    void everyControlIsNamed() {
        StandardsProject f;
        if (QTest::currentTestFailed())
            return;
        ProjectSession session(f.Project());
        ProjectPropertiesSheet sheet(session);
        auto* tabs = sheet.findChild<QTabWidget*>();
        for (int k = 0; k < tabs->count(); ++k) {
            tabs->setCurrentIndex(k);
            const QStringList nameless = NamelessControls(&sheet);
            QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
        }
        QCOMPARE(sheet.SettingsPage()->List()->accessibleName(), QString("校正设置"));
        QCOMPARE(sheet.InfoPage()->List()->accessibleName(), QString("校正信息"));
    }
};

static RegisterGuiTest<ProjectPropertiesSheetTest> registration;

}  // namespace lx::test

#include "ProjectPropertiesSheetTest.moc"
