// "组份表" driven as an operator would: its buttons with their questions, double-clicks on the
// cells (edit boxes, the concentration dialog, the curve type, the internal-standard popup),
// and OK and Cancel with the undo steps made meanwhile.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "quant/calc/Calibration.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/components/ComponentTestSupport.h"
#include "ui/components/ComponentTableDialog.h"
#include "ui/sheets/KeptControls.h"

namespace lx::test {
namespace {

// The dialog on screen with its list, as the operator meets it.
struct OpenTable {
    explicit OpenTable(ProjectBench& bench) : dialog(bench.Session(), bench.prompter) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        view = Named<QTableView>(&dialog, "组份表");
        QVERIFY(view);
    }
    void Click(const char* button) {
        auto* b = Named<QPushButton>(&dialog, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void DoubleClick(int row, int column) {
        const QPoint at = view->visualRect(view->model()->index(row, column)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    // Types into the edit box that a double-click opened over the cell and presses Enter.
    void TypeIntoCell(int row, int column, const QString& text) {
        DoubleClick(row, column);
        QLineEdit* editor = nullptr;
        for (auto* e : view->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        QVERIFY(editor);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits a box closed by Enter once the event loop comes round.
        QCoreApplication::processEvents();
    }
    // The popup of the internal-standard cell: its entries, the one it opened on, and a click
    // on entry `choice` (or outside it for -1).
    QStringList Popup(int row, int choice, QString* opensOn = nullptr) {
        DoubleClick(row, 1);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return {};
        QStringList entries;
        for (QAction* a : menu->actions())
            entries << a->text();
        if (opensOn)
            *opensOn = menu->activeAction() ? menu->activeAction()->text() : QString();
        if (choice < 0)
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->rect().bottomRight() + QPoint(20, 20));
        else
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions()[choice]).center());
        if (QApplication::activePopupWidget())
            QTest::qFail("the popup stayed open", __FILE__, __LINE__);
        return entries;
    }

    ComponentTableDialog dialog;
    QTableView* view = nullptr;
};

struct Role {
    std::int32_t isStandard;
    std::int32_t reference;
    bool operator==(const Role&) const = default;
};

std::vector<Role> Roles(const CPrjDoc& project) {
    std::vector<Role> roles;
    for (const CComponentItem& c : project.m_Components)
        roles.push_back({c.m_IsInternalStandard, c.m_ReferenceIs});
    return roles;
}

}  // namespace

class ComponentTableDialogTest : public QObject {
    Q_OBJECT

private slots:
    void EveryControlIsNamedByItsText() {
        ProjectBench bench(kExternalStandard);
        ComponentTableDialog dialog(bench.Session(), bench.prompter);
        QCOMPARE(dialog.windowTitle(), QString("组份表"));
        QStringList buttons;
        for (auto* b : dialog.findChildren<QPushButton*>()) {
            QCOMPARE(b->accessibleName(), b->text());
            buttons << b->text();
        }
        buttons.sort();
        QStringList expected{"增加组份(&A)", "删除组份(&D)", "全部删除(&E)", "确定(&Y)",
                             "取消(&N)"};
        expected.sort();
        QCOMPARE(buttons, expected);
        QVERIFY(Named<QTableView>(&dialog, "组份表"));
    }

    void AddOpensNewComponentAndReferesToTheOnlyInternalStandard() {
        ProjectBench bench(kInternalStandard);
        CPrjDoc& project = bench.Project();
        AddComponent(project, "内标", 3.0);
        AddComponent(project, "苯", 5.0);
        project.m_Components[0].m_IsInternalStandard = 1;
        OpenTable table(bench);

        QStringList shown;
        WhenDialogOpens([&](QWidget* d) {
            QCOMPARE(d->windowTitle(), QString("新组份"));
            auto* name = Named<TextBox>(d, "组 份 名:");
            auto* time = Named<NumberBox>(d, "保留时间:");
            auto* window = Named<NumberBox>(d, "时间间隔:");
            QVERIFY(name && time && window);
            shown << name->text() << QString::number(time->value())
                  << QString::number(window->value());
            name->setText("甲苯");
            time->setValue(4.0);
            qobject_cast<QDialog*>(d)->accept();
        });
        table.Click("增加组份(&A)");
        QCOMPARE(shown, (QStringList{"组份3", "0", "0.01"}));
        QCOMPARE(project.m_Components.size(), std::size_t{3});
        const CComponentItem& added = project.m_Components[1];
        QCOMPARE(added.m_Name, std::string("甲苯"));
        QCOMPARE(added.m_Id, 3);
        QCOMPARE(added.m_TimeWindow, 0.01);
        QCOMPARE(added.m_ReferenceIs, project.m_Components[0].m_Id);
        QCOMPARE(added.m_Points.size(), std::size_t{1});
        QCOMPARE(bench.Undo().count(), 1);
        QCOMPARE(table.view->currentIndex().row(), 1);

        // Cancel in "新组份" adds nothing.
        WhenDialogOpens([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
        table.Click("增加组份(&A)");
        QCOMPARE(project.m_Components.size(), std::size_t{3});
        QCOMPARE(bench.Undo().count(), 1);
    }

    void DeleteAndDeleteAllAskFirst() {
        ProjectBench bench(kExternalStandard);
        CPrjDoc& project = bench.Project();
        for (auto [name, t] : {std::pair{"苯", 2.0}, {"甲苯", 4.0}, {"二甲苯", 6.0}})
            AddComponent(project, name, t);
        const CPrjDoc before = project;
        OpenTable table(bench);

        // Nothing focused: nothing asked.
        table.view->setCurrentIndex({});
        table.Click("删除组份(&D)");
        QVERIFY(bench.prompter.questions.empty());

        table.view->setCurrentIndex(table.view->model()->index(1, 2));
        bench.prompter.answers = {false, true};
        table.Click("删除组份(&D)");
        QCOMPARE(project.m_Components.size(), std::size_t{3});
        table.Click("删除组份(&D)");
        QCOMPARE(bench.prompter.questions,
                 (std::vector<std::string>{"是否删除组份[甲苯]!", "是否删除组份[甲苯]!"}));
        QCOMPARE(project.m_Components.size(), std::size_t{2});
        QCOMPARE(project.m_Components[1].m_Name, std::string("二甲苯"));
        // The row that took the deleted one's place keeps the focus.
        QCOMPARE(table.view->currentIndex().row(), 1);

        bench.prompter.answers = {false, true};
        table.Click("全部删除(&E)");
        QCOMPARE(project.m_Components.size(), std::size_t{2});
        table.Click("全部删除(&E)");
        QCOMPARE(bench.prompter.questions.back(), std::string("是否删除全部组份!"));
        QVERIFY(project.m_Components.empty());
        QCOMPARE(table.view->model()->rowCount(), 0);
        QCOMPARE(bench.Undo().count(), 2);

        bench.Undo().undo();
        QCOMPARE(project.m_Components.size(), std::size_t{2});
        bench.Undo().undo();
        ExpectSameProject(before, project, bench);
    }

    void NameTimeAndWindowEditInTheirCells() {
        ProjectBench bench(kNormalization);
        CPrjDoc& project = bench.Project();
        AddComponent(project, "苯", 2.0);
        AddComponent(project, "甲苯", 4.0);
        const CPrjDoc before = project;
        OpenTable table(bench);

        table.TypeIntoCell(0, 1, "乙苯");
        QCOMPARE(project.m_Components[0].m_Name, std::string("乙苯"));
        table.TypeIntoCell(1, 3, "-0.02");
        QCOMPARE(project.m_Components[1].m_TimeWindow, -0.02);
        table.TypeIntoCell(0, 2, "5.5");
        QCOMPARE(project.m_Components[1].m_Name, std::string("乙苯"));
        QCOMPARE(project.m_Components[1].m_RetentionTime, 5.5);
        // The edited component keeps the focus at its new row.
        QCOMPARE(table.view->currentIndex().row(), 1);
        QCOMPARE(bench.Undo().count(), 3);

        for (int i = 0; i < 3; ++i)
            bench.Undo().undo();
        ExpectSameProject(before, project, bench);
    }

    void ConcentrationCellOpensTheLevelDialog() {
        ProjectBench bench(kExternalStandard);
        CPrjDoc& project = bench.Project();
        project.m_LevelCount = 2;
        AddComponent(project, "苯", 2.0);
        project.m_Components[0].m_Points[1].m_Concentration = 0.0000123;
        const CPrjDoc before = project;
        OpenTable table(bench);

        QString title, shownName;
        double shownValue = -1;
        WhenDialogOpens([&](QWidget* d) {
            title = d->windowTitle();
            auto* box = Child<NumberBox>(d, "m_Concentration");
            QVERIFY(box);
            shownName = box->accessibleName();
            shownValue = box->value();
            qobject_cast<QDialog*>(d)->accept();  // unchanged: the exact value stays
        });
        table.DoubleClick(0, 5);
        QCOMPARE(title, QString("第2点浓度"));
        QCOMPARE(shownName, title);
        QCOMPARE(shownValue, 0.000012);
        QVERIFY(project == before);
        QCOMPARE(bench.Undo().count(), 0);

        WhenDialogOpens([&](QWidget* d) {
            Child<NumberBox>(d, "m_Concentration")->setValue(2.5);
            qobject_cast<QDialog*>(d)->accept();
        });
        table.DoubleClick(0, 4);
        QCOMPARE(project.m_Components[0].m_Points[0].m_Concentration, 2.5);
        QCOMPARE(table.view->model()->index(0, 4).data().toString(), QString("2.5"));
        QCOMPARE(bench.Undo().count(), 1);
        bench.Undo().undo();
        ExpectSameProject(before, project, bench);
    }

    // The curve type toggles and the project recalibrates at once, as the engine calibrates the
    // same project with that curve type.
    void CurveTypeTogglesAndRecalibrates() {
        ProjectBench bench(kExternalStandard);
        MakeCalibrated(bench);
        CPrjDoc& project = bench.Project();
        const CPrjDoc before = project;
        CPrjDoc expected = before;
        expected.m_Components[1].m_CurveType = CComponentItem::kGeneralLine;
        QVERIFY(Calibrate(expected, bench.prompter));
        QVERIFY(expected.m_Components[1].m_B != 0);
        QVERIFY(expected.m_Components[1].m_A != before.m_Components[1].m_A);
        OpenTable table(bench);

        const int curve = table.view->model()->columnCount() - 1;
        table.DoubleClick(1, curve);
        QCOMPARE(FirstDifference(expected, project), QString());
        QVERIFY(project == expected);
        QCOMPARE(table.view->model()->index(1, curve).data().toString(), QString("一般直线"));

        // The correlation cell toggles too: back through the origin, as calibrated first.
        table.DoubleClick(1, curve - 1);
        ExpectSameProject(before, project, bench);
        QCOMPARE(bench.Undo().count(), 2);
        bench.Undo().undo();
        QVERIFY(project == expected);
        bench.Undo().undo();
        ExpectSameProject(before, project, bench);
    }

    void InternalStandardPopupRules() {
        ProjectBench bench(kInternalStandard);
        CPrjDoc& project = bench.Project();
        const std::int32_t a = AddComponent(project, "A", 2.0);
        const std::int32_t b = AddComponent(project, "B", 4.0);
        const std::int32_t c = AddComponent(project, "C", 6.0);
        const CPrjDoc before = project;
        OpenTable table(bench);
        QString opensOn;

        // "内 标 物" in a table of three rows leaves the others alone.
        QCOMPARE(table.Popup(0, 1, &opensOn), (QStringList{"无 对 应", "内 标 物"}));
        QCOMPARE(opensOn, QString("无 对 应"));
        QCOMPARE(Roles(project), (std::vector<Role>{{1, -1}, {0, -1}, {0, -1}}));

        // "对应 A": B refers to A; the popup lists the other internal standards by name.
        QCOMPARE(table.Popup(1, 2), (QStringList{"无 对 应", "内 标 物", "对应 A"}));
        QCOMPARE(Roles(project), (std::vector<Role>{{1, -1}, {0, a}, {0, -1}}));
        table.Popup(2, 1);
        QCOMPARE(table.Popup(0, -1, &opensOn), (QStringList{"无 对 应", "内 标 物", "对应 C"}));
        QCOMPARE(opensOn, QString("内 标 物"));
        QCOMPARE(bench.Undo().count(), 3);  // a click outside chose nothing

        // A refers to C and is no standard any more: B's reference to A goes.
        table.Popup(0, 2);
        QCOMPARE(Roles(project), (std::vector<Role>{{0, c}, {0, -1}, {1, -1}}));
        // "无 对 应" on C: A's reference to C goes too.
        table.Popup(2, 0);
        QCOMPARE(Roles(project), (std::vector<Role>{{0, -1}, {0, -1}, {0, -1}}));
        QCOMPARE(bench.Undo().count(), 5);

        // In a table of fewer than three rows the other row takes the new standard.
        {
            ProjectEdit edit(bench.Session(), "remove");
            project.RemoveComponent(2);
            edit.Commit();
        }
        table.Popup(1, 1);
        QCOMPARE(Roles(project), (std::vector<Role>{{0, b}, {1, -1}}));
        bench.Undo().undo();
        QCOMPARE(Roles(project), (std::vector<Role>{{0, -1}, {0, -1}}));
        bench.Undo().setIndex(0);
        ExpectSameProject(before, project, bench);
    }

    void CancelTakesBackTheDialogsStepsAndOkKeepsThem() {
        ProjectBench bench(kExternalStandard);
        MakeCalibrated(bench);
        CPrjDoc& project = bench.Project();
        {
            ProjectEdit earlier(bench.Session(), "earlier");
            project.m_Components[2].m_Name = "对二甲苯";
            earlier.Commit();
        }
        const CPrjDoc before = project;
        {
            OpenTable table(bench);
            table.TypeIntoCell(0, 1, "乙苯");
            table.DoubleClick(0, table.view->model()->columnCount() - 1);
            bench.prompter.answers = {true};
            table.view->setCurrentIndex(table.view->model()->index(1, 0));
            table.Click("删除组份(&D)");
            QCOMPARE(project.m_Components.size(), std::size_t{2});
            table.Click("取消(&N)");
            QVERIFY(!table.dialog.isVisible());
            QCOMPARE(table.dialog.result(), int(QDialog::Rejected));
        }
        ExpectSameProject(before, project, bench);
        QCOMPARE(bench.Undo().index(), 1);
        {
            OpenTable table(bench);
            table.TypeIntoCell(0, 1, "乙苯");
            table.Click("确定(&Y)");
            QCOMPARE(table.dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(project.m_Components[0].m_Name, std::string("乙苯"));
        QCOMPARE(bench.Undo().index(), 2);
        {
            // Escape is Cancel.
            OpenTable table(bench);
            table.TypeIntoCell(1, 1, "甲苯2");
            QTest::keyClick(&table.dialog, Qt::Key_Escape);
            QVERIFY(!table.dialog.isVisible());
        }
        QCOMPARE(project.m_Components[1].m_Name, std::string("甲苯"));
        bench.Undo().undo();
        ExpectSameProject(before, project, bench);
    }
};

static RegisterGuiTest<ComponentTableDialogTest> registration;

}  // namespace lx::test

#include "ComponentTableDialogTest.moc"
