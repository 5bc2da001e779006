// The three dialogs of the processing commands as a screen reader finds them: titled and
// labelled with the workstation's texts, every control named by its visible label, opening
// on the values the commands start from.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "process/OverlayList.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/overlays/OverlayTestSupport.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/overlays/OverlayDialogs.h"

namespace lx::test {
namespace {

// What assistive technology announces for a control: its name, or for a combo box the label
// it is labelled by (on Linux a combo box's name is its current item).
QString NameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return {};
    if (qobject_cast<QComboBox*>(widget)) {
        const auto labels = face->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }
    return face->text(QAccessible::Name);
}

// Each control's name as assistive technology reads it, which must be the text the operator
// sees for it: a button's own, a field's label. A control whose name differs is listed with its
// visible text after a "/".
QStringList ControlNames(QDialog& dialog) {
    auto* form = qobject_cast<QFormLayout*>(dialog.layout());
    QStringList names;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        QString visible;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            visible = button->text();
        else if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w))
            visible = qobject_cast<QLabel*>(form->labelForField(w))->text();
        else
            continue;
        const QString name = NameOf(w);
        names << (name == visible ? name : name + " / " + visible);
    }
    return names;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int k = 0; k < box->count(); ++k)
        items << box->itemText(k);
    return items;
}

}  // namespace

class OverlayDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void combineListsEveryOverlay() {
        CTzLabDoc own;
        OverlayList list;
        list.MakeHead(own, "/data/run.Tzd");
        list.Add(CTzLabDoc{}, "/data/run翻转.Tzd", true);
        list.Add(CTzLabDoc{}, "/data/blank.Tzd", false);
        list.SetCurrent(1);

        CombineDialog dialog(list);
        QCOMPARE(dialog.windowTitle(), QString("曲线拟合"));
        const QStringList names = ControlNames(dialog);
        for (const char* name :
             {"图谱 1:(通道\\名称)", "图谱 2:(通道\\名称)", "+", "-", "确定", "取消"})
            QVERIFY2(names.contains(QString::fromUtf8(name)), name);
        auto* one = Named<QComboBox>(&dialog, "图谱 1:(通道\\名称)");
        auto* two = Named<QComboBox>(&dialog, "图谱 2:(通道\\名称)");
        const QStringList overlays{"通道 1 : run.Tzd", "通道 2 : run翻转.Tzd",
                                   "通道 3 : blank.Tzd"};
        QCOMPARE(Items(one), overlays);
        QCOMPARE(Items(two), overlays);
        QCOMPARE(dialog.First(), 1);
        QCOMPARE(dialog.Second(), 0);
        QVERIFY(!dialog.Subtracts());

        one->setCurrentIndex(2);
        Named<QRadioButton>(&dialog, "-")->click();
        QCOMPARE(dialog.First(), 2);
        QVERIFY(dialog.Subtracts());

        // With the window's own chromatogram current, chromatogram 2 starts at another.
        list.SetCurrent(0);
        CombineDialog fromOwn(list);
        QCOMPARE(fromOwn.First(), 0);
        QCOMPARE(fromOwn.Second(), 1);
    }

    void smoothingStartsAtFive() {
        SmoothDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("图谱平滑"));
        QCOMPARE(ControlNames(dialog), (QStringList{"平滑间隔:", "确定", "取消"}));
        auto* width = Named<QSpinBox>(&dialog, "平滑间隔:");
        QCOMPARE(width->value(), 5);
        QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(width, "9");
        QCOMPARE(dialog.Width(), 9);
    }

    void baselineTakesMillivoltsOrTheFirstSample() {
        BaselineDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("基线校正"));
        QCOMPARE(ControlNames(dialog),
                 (QStringList{"输入基线校正值：", "自动零基线", "确定", "取消"}));
        auto* value = Named<QDoubleSpinBox>(&dialog, "输入基线校正值：");
        QTest::keyClick(value, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(value, "-0.125");
        QCOMPARE(dialog.Millivolts(), -0.125);
        QVERIFY(!dialog.AutoZero());
        // The typed value does not count while the first sample gives the shift.
        Named<QCheckBox>(&dialog, "自动零基线")->click();
        QVERIFY(dialog.AutoZero());
        QVERIFY(!value->isEnabled());
    }
};

static RegisterGuiTest<OverlayDialogsTest> registration;

}  // namespace lx::test

#include "OverlayDialogsTest.moc"
