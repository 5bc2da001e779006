// The pages that hold lists: the time program, the manual events and the instrument lines.
// Each is driven through its buttons and dialogs, with the operator's answers scripted.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/CTzLabDoc.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/sheets/InstrumentInfoPage.h"
#include "ui/sheets/KeptControls.h"
#include "ui/sheets/ManualEventsPage.h"
#include "ui/sheets/PeakParamsPage.h"

namespace lx::test {

namespace {

QStringList RowTexts(const QTreeWidget* list, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int i = 0; item && i < list->columnCount(); ++i)
        texts << item->text(i);
    return texts;
}

QStringList Headings(const QTreeWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->columnCount(); ++i)
        texts << list->headerItem()->text(i);
    return texts;
}

void Click(const QWidget* page, const char* buttonText) {
    auto* button = Named<QPushButton>(page, buttonText);
    QVERIFY2(button, buttonText);
    QTest::mouseClick(button, Qt::LeftButton);
}

void Select(QTreeWidget* list, int row) {
    list->setCurrentItem(list->topLevelItem(row));
}

// A double click on a row, as the operator edits a line; the list must be on screen.
void DoubleClickRow(QTreeWidget* list, int row) {
    list->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Fills the time program dialog when it opens and presses OK.
void AnswerTimeProgramDialog(double time, int halfWidth, double slope, int event) {
    WhenDialogOpens([=](QWidget* dialog) {
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("编辑时间程序"));
        QVERIFY(Named<QAbstractSpinBox>(dialog, "时  间:"));
        Child<NumberBox>(dialog, "m_Time")->setValue(time);
        Child<NumberBox>(dialog, "m_HalfWidth")->setValue(halfWidth);
        Child<NumberBox>(dialog, "m_Slope")->setValue(slope);
        Named<QComboBox>(dialog, "事  件:")->setCurrentIndex(event);
        qobject_cast<QDialog*>(dialog)->accept();
    });
}

std::vector<double> Times(const std::vector<TimeProgramEntry>& program) {
    std::vector<double> times;
    for (const auto& e : program)
        times.push_back(e.m_Time);
    return times;
}

ManualEvent Event(std::int32_t type, std::int32_t peak, double time) {
    ManualEvent e;
    e.m_Type = type;
    e.m_Param1 = static_cast<std::int32_t>(time * 1200);
    e.m_Param2 = peak;
    e.m_Time = time;
    return e;
}

}  // namespace

class ListPagesTest : public QObject {
    Q_OBJECT

private slots:
    void TimeProgramDialogOpensWithTheDefaults() {
        CTzLabDoc doc;
        RecordingPrompter prompter;
        PeakParamsPage page(prompter);
        page.Load(doc);
        WhenDialogOpens([](QWidget* dialog) {
            QCOMPARE(Child<NumberBox>(dialog, "m_Time")->value(), 0.0);
            QCOMPARE(Child<NumberBox>(dialog, "m_HalfWidth")->value(), 3.0);
            QCOMPARE(Child<NumberBox>(dialog, "m_Slope")->value(), 30.0);
            auto* event = Named<QComboBox>(dialog, "事  件:");
            QCOMPARE(event->currentText(), QString("允许积分"));
            QCOMPARE(event->itemText(1), QString("禁止积分"));
            qobject_cast<QDialog*>(dialog)->reject();
        });
        Click(&page, "增加");
        page.Store(doc);
        QVERIFY(doc.m_TimeProgram.empty());  // cancelled
    }

    void TimeProgramLinesGoAfterEqualOrEarlierTimes() {
        CTzLabDoc doc;
        doc.m_TimeProgram = {{1.0, 4, 20.0, 0}, {2.0, 6, 25.0, 0}};
        RecordingPrompter prompter;
        PeakParamsPage page(prompter);
        page.Load(doc);
        auto* list = Child<QTreeWidget>(&page, "m_TimeProgram");
        QCOMPARE(list->accessibleName(), QString("时间程序"));
        QCOMPARE(Headings(list),
                 QStringList({"序号", " 时  间 ", "半峰宽", "斜 率", "     事      件     "}));

        AnswerTimeProgramDialog(1.0, 7, 30.0, 1);  // same time as the first: after it
        Click(&page, "增加");
        AnswerTimeProgramDialog(0.5, 3, 12.5, 0);
        Click(&page, "增加");
        AnswerTimeProgramDialog(9.0, 3, 30.0, 0);
        Click(&page, "增加");

        QCOMPARE(list->topLevelItemCount(), 5);
        QCOMPARE(RowTexts(list, 0), QStringList({"0", "0.500", "3", "12.50", "允许积分"}));
        QCOMPARE(RowTexts(list, 2), QStringList({"2", "1.000", "7", "30.00", "禁止积分"}));
        page.Store(doc);
        QCOMPARE(Times(doc.m_TimeProgram), (std::vector<double>{0.5, 1.0, 1.0, 2.0, 9.0}));
        QCOMPARE(doc.m_TimeProgram[2], (TimeProgramEntry{1.0, 7, 30.0, 1}));
        QCOMPARE(doc.m_TimeProgram[1], (TimeProgramEntry{1.0, 4, 20.0, 0}));
        QVERIFY(prompter.messages.empty());
    }

    void TimeProgramEditAndDeleteAskFirst() {
        CTzLabDoc doc;
        doc.m_TimeProgram = {{1.0, 4, 20.0, 0}, {2.0, 6, 25.0, 0}, {3.0, 8, 30.0, 1}};
        RecordingPrompter prompter;
        PeakParamsPage page(prompter);
        page.Load(doc);
        auto* list = Child<QTreeWidget>(&page, "m_TimeProgram");

        Click(&page, "删除");
        Click(&page, "编辑");
        QCOMPARE(prompter.messages,
                 (std::vector<std::string>{"请选择要删除的项!", "请选择要编辑的项!"}));
        QVERIFY(prompter.questions.empty());

        Select(list, 1);
        prompter.answers = {false};
        Click(&page, "删除");
        QCOMPARE(list->topLevelItemCount(), 3);
        Select(list, 1);
        prompter.answers = {true};
        Click(&page, "删除");
        QCOMPARE(prompter.questions, (std::vector<std::string>(2, "是否删除当前时间程序项!")));
        QCOMPARE(list->topLevelItemCount(), 2);

        // An edited line moves to where its new time belongs.
        AnswerTimeProgramDialog(5.0, 4, 20.0, 0);
        DoubleClickRow(list, 0);
        page.Store(doc);
        QCOMPARE(Times(doc.m_TimeProgram), (std::vector<double>{3.0, 5.0}));
        QCOMPARE(doc.m_TimeProgram[1], (TimeProgramEntry{5.0, 4, 20.0, 0}));
    }

    void ManualEventsShowAndDeleteKeepingPeakReferences() {
        CTzLabDoc doc;
        // Peak 2 was added, then its end moved; peak 3's start moved; peak 1 deleted.
        doc.m_ManualEvents = {Event(9, 2, 1.5), Event(3, 2, 1.75), Event(1, 3, 2.25),
                              Event(11, 1, 0.8)};
        doc.m_UseManualEvents = 1;
        RecordingPrompter prompter;
        ManualEventsPage page(prompter);
        page.Load(doc);
        auto* list = Child<QTreeWidget>(&page, "m_ManualEvents");
        QCOMPARE(Headings(list),
                 QStringList({" 序 号 ", "        事        件        ", "  事件时间  "}));
        QCOMPARE(RowTexts(list, 0), QStringList({"1", "增加一个峰", "1.500"}));
        QCOMPARE(RowTexts(list, 3), QStringList({"4", "删除一个峰", "0.800"}));

        Click(&page, "删除");
        QCOMPARE(prompter.messages, std::vector<std::string>{"请选择要删除的项!"});

        // Removing the added peak removes what was done to it; later peaks move down by one.
        Select(list, 0);
        prompter.answers = {true};
        Click(&page, "删除");
        QCOMPARE(prompter.questions, std::vector<std::string>{"是否删除当前事件!"});
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(RowTexts(list, 0), QStringList({"1", "调整峰起点", "2.250"}));
        Named<QCheckBox>(&page, "使用手动积分事件")->setChecked(false);
        page.Store(doc);
        QCOMPARE(doc.m_ManualEvents,
                 (std::vector<ManualEvent>{Event(1, 2, 2.25), Event(11, 1, 0.8)}));
        QCOMPARE(doc.m_UseManualEvents, 0);
    }

    void ManualEventsClearAsksFirst() {
        CTzLabDoc doc;
        doc.m_ManualEvents = {Event(5, 0, 1.0), Event(12, 1, 2.0)};
        RecordingPrompter prompter;
        ManualEventsPage page(prompter);
        page.Load(doc);
        auto* list = Child<QTreeWidget>(&page, "m_ManualEvents");
        QCOMPARE(RowTexts(list, 1), QStringList({"2", "", "2.000"}));  // type 12 has no text

        prompter.answers = {false, true};
        Click(&page, "清空");
        QCOMPARE(list->topLevelItemCount(), 2);
        Click(&page, "清空");
        QCOMPARE(list->topLevelItemCount(), 0);
        Click(&page, "清空");  // nothing left to ask about
        QCOMPARE(prompter.questions, (std::vector<std::string>(2, "是否删除所有事件!")));
        page.Store(doc);
        QVERIFY(doc.m_ManualEvents.empty());
    }

    void InstrumentListsSwitchWithTheType() {
        PrintSettings print;
        RecordingPrompter prompter;
        InstrumentInfoPage page(prompter);
        page.Load(print);
        auto* list = Child<QTreeWidget>(&page, "instrumentList");
        auto* type = Named<QComboBox>(&page, "仪器类型:");
        QVERIFY(type);
        QCOMPARE(Headings(list),
                 QStringList({"    ", "    项     目    ", "     内      容     ", "是否打印"}));
        QCOMPARE(list->topLevelItemCount(), 10);
        QCOMPARE(RowTexts(list, 2), QStringList({"3", "检测器类型:", "紫 外", " 打 印 "}));

        type->setCurrentIndex(1);
        QCOMPARE(type->currentText(), QString("气相色谱仪"));
        QCOMPARE(list->topLevelItemCount(), 11);
        QCOMPARE(RowTexts(list, 10), QStringList({"11", "进 样 量:", "", " 打 印 "}));

        WhenDialogOpens([](QWidget* dialog) {
            Named<QLineEdit>(dialog, "项  目:")->setText("检测器温度:");
            Named<QLineEdit>(dialog, "内  容:")->setText("250");
            Named<QCheckBox>(dialog, "打  印")->setChecked(false);
            qobject_cast<QDialog*>(dialog)->accept();
        });
        Click(&page, "增加");
        QCOMPARE(RowTexts(list, 11), QStringList({"12", "检测器温度:", "250", " 不打印 "}));

        type->setCurrentIndex(0);  // the liquid list is as it was
        QCOMPARE(list->topLevelItemCount(), 10);
        type->setCurrentIndex(1);
        QCOMPARE(list->topLevelItemCount(), 12);

        PrintSettings expected = print;
        expected.instrumentType = 1;
        expected.gcInfoList.push_back({"检测器温度:", "250", 0});
        PrintSettings stored;
        page.Store(stored);
        QCOMPARE(FirstDifference(expected, stored), QString());
    }

    void InstrumentLinesEditAndDeleteAskFirst() {
        PrintSettings print;
        RecordingPrompter prompter;
        InstrumentInfoPage page(prompter);
        page.Load(print);
        auto* list = Child<QTreeWidget>(&page, "instrumentList");

        Click(&page, "删除");
        Click(&page, "编辑");
        QCOMPARE(prompter.messages,
                 (std::vector<std::string>{"请选择要删除的项 !", "请选择要编辑的项 !"}));

        WhenDialogOpens([](QWidget* dialog) {
            auto* content = Named<QLineEdit>(dialog, "内  容:");
            QCOMPARE(content->text(), QString("紫 外"));
            content->setText("二极管阵列");
            qobject_cast<QDialog*>(dialog)->accept();
        });
        DoubleClickRow(list, 2);

        Select(list, 0);
        prompter.answers = {false};
        Click(&page, "删除");
        Select(list, 0);
        prompter.answers = {true};
        Click(&page, "删除");
        QCOMPARE(prompter.questions, (std::vector<std::string>(2, "是否删除当前选项!")));

        PrintSettings expected = print;
        expected.lcInfoList[2].content = "二极管阵列";
        expected.lcInfoList.erase(expected.lcInfoList.begin());
        PrintSettings stored;
        page.Store(stored);
        QCOMPARE(FirstDifference(expected, stored), QString());
    }
};

static RegisterGuiTest<ListPagesTest> registration;

}  // namespace lx::test

#include "ListPagesTest.moc"
