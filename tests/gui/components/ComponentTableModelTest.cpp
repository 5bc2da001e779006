// The component table as a Qt model: its columns under each method, its cells and colours,
// the cells that edit in place, and every edit one undo step that undoes exactly.

#include <QAbstractItemModelTester>
#include <QColor>
#include <QTest>

#include "quant/views/ComponentTableRows.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/components/ComponentTestSupport.h"
#include "ui/components/ComponentTableModel.h"

namespace lx::test {
namespace {

QStringList Headers(const QAbstractItemModel& model) {
    QStringList headers;
    for (int i = 0; i < model.columnCount(); ++i)
        headers << model.headerData(i, Qt::Horizontal).toString();
    return headers;
}

QStringList Row(const QAbstractItemModel& model, int row) {
    QStringList cells;
    for (int i = 0; i < model.columnCount(); ++i)
        cells << model.index(row, i).data().toString();
    return cells;
}

QStringList Names(const CPrjDoc& project) {
    QStringList names;
    for (const CComponentItem& c : project.m_Components)
        names << QString::fromStdString(c.m_Name);
    return names;
}

}  // namespace

class ComponentTableModelTest : public QObject {
    Q_OBJECT

private slots:
    void ColumnsFollowTheMethod() {
        const QStringList common{"序 号", " 组  份  名", " 保留时间 ", "时间间隔"};
        const QStringList calibration{"第1点浓度",  "第2点浓度",  "校正因子 a",
                                      "校正因子 b", " 相关系数 ", " 曲 线 类 型 "};
        ProjectBench normalization(kNormalization);
        QCOMPARE(Headers(ComponentTableModel(normalization.Session())), common);

        ProjectBench external(kExternalStandard);
        external.Project().m_LevelCount = 2;
        QCOMPARE(Headers(ComponentTableModel(external.Session())), common + calibration);

        ProjectBench internal(kInternalStandard);
        internal.Project().m_LevelCount = 2;
        QStringList withStandard = common + calibration;
        withStandard.insert(1, "对 应 内 标");
        QCOMPARE(Headers(ComponentTableModel(internal.Session())), withStandard);

        // A method changed by a step rebuilds the columns.
        ComponentTableModel model(normalization.Session());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        {
            ProjectEdit edit(normalization.Session(), "method");
            normalization.Project().m_Method = kExternalStandard;
            edit.Commit();
        }
        QCOMPARE(model.columnCount(), 4 + 5);
        normalization.Undo().undo();
        QCOMPARE(Headers(model), common);
    }

    void CellsAndRowColours() {
        ProjectBench bench(kInternalStandard);
        CPrjDoc& project = bench.Project();
        const std::int32_t standard = AddComponent(project, "内标", 1.5, 0.05);
        AddComponent(project, "苯", 2.25);
        project.m_Components[0].m_IsInternalStandard = 1;
        project.m_Components[1].m_ReferenceIs = standard;
        project.m_Components[1].m_Points[0].m_Concentration = 0.125;
        project.m_Components[1].m_CurveType = CComponentItem::kGeneralLine;
        ComponentTableModel model(bench.Session());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(Row(model, 0), (QStringList{"1", "内 标 物", "内标", "1.5", "0.05", "0", "0", "0",
                                             "0.0000", "过原点直线"}));
        QCOMPARE(Row(model, 1), (QStringList{"2", "对应 内标", "苯", "2.25", "0.1", "0.125", "0",
                                             "0", "0.0000", "一般直线"}));
        QCOMPARE(model.index(0, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(230, 230, 255));
        QCOMPARE(model.index(1, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));

        // Only the name, the time and the window edit in place.
        QList<int> editable;
        for (int i = 0; i < model.columnCount(); ++i)
            if (model.flags(model.index(0, i)) & Qt::ItemIsEditable)
                editable << i;
        QCOMPARE(editable, (QList<int>{2, 3, 4}));
    }

    // Each in-place edit is one step; undo gives back the project exactly, redo the edit.
    void InPlaceEditsAreStepsThatUndoExactly() {
        ProjectBench bench(kExternalStandard);
        CPrjDoc& project = bench.Project();
        AddComponent(project, "苯", 2.0);
        AddComponent(project, "甲苯", 4.0);
        AddComponent(project, "二甲苯", 6.0);
        project.m_Components[1].m_TimeWindow = 0.123456789;  // more digits than "%g" shows
        ComponentTableModel model(bench.Session());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const CPrjDoc before = project;

        QVERIFY(model.setData(model.index(0, 1), "乙苯"));
        QCOMPARE(project.m_Components[0].m_Name, std::string("乙苯"));
        QCOMPARE(bench.Undo().count(), 1);
        QCOMPARE(model.index(0, 1).data().toString(), QString("乙苯"));

        // The window opens as the number itself, so an unchanged cell changes nothing.
        QCOMPARE(model.index(1, 3).data().toString(), QString("0.123457"));
        QCOMPARE(model.index(1, 3).data(Qt::EditRole).toString(), QString("0.123456789"));
        QVERIFY(model.setData(model.index(1, 3), model.index(1, 3).data(Qt::EditRole)));
        QCOMPARE(bench.Undo().count(), 1);
        QVERIFY(model.setData(model.index(1, 3), " 0.5 "));
        QCOMPARE(project.m_Components[1].m_TimeWindow, 0.5);

        // Text that is no number is refused.
        QVERIFY(!model.setData(model.index(1, 2), ""));
        QVERIFY(!model.setData(model.index(1, 3), "abc"));
        QVERIFY(!model.setData(model.index(1, 3), "1,5"));
        QCOMPARE(bench.Undo().count(), 2);

        // A later time moves the row behind the rows of equal or smaller time.
        QVERIFY(model.setData(model.index(0, 2), "6"));
        QCOMPARE(Names(project), (QStringList{"甲苯", "二甲苯", "乙苯"}));
        QCOMPARE(Row(model, 2).mid(0, 3), (QStringList{"3", "乙苯", "6"}));
        QCOMPARE(bench.Undo().count(), 3);

        // Cells that do not edit refuse.
        QVERIFY(!model.setData(model.index(0, 0), "9"));
        QVERIFY(!model.setData(model.index(0, 5), "9"));

        const CPrjDoc edited = project;
        bench.Undo().setIndex(0);
        ExpectSameProject(before, project, bench);
        QCOMPARE(Names(project), (QStringList{"苯", "甲苯", "二甲苯"}));
        QCOMPARE(model.index(0, 1).data().toString(), QString("苯"));
        bench.Undo().setIndex(3);
        ExpectSameProject(edited, project, bench);
    }
};

static RegisterGuiTest<ComponentTableModelTest> registration;

}  // namespace lx::test

#include "ComponentTableModelTest.moc"
