// The new-project wizard driven as an operator would: its pages filled, Next and Finish
// pressed, the engine's messages answered by a script; the project it writes read back.

#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#include "quant/file/TzpFile.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/projectsheets/ProjectSheetFixtures.h"
#include "ui/projectsheets/ChoiceGroup.h"
#include "ui/projectsheets/NewProjectWizard.h"

namespace lx::test {
namespace {

// A wizard over a scratch application folder, on screen so its buttons act.
struct WizardRun {
    WizardRun(const std::string& appDir, ProjectList& list, RecordingPrompter& prompter)
        : wizard(appDir, list, prompter) {
        wizard.show();
    }
    QWizardPage* Page() const { return wizard.currentPage(); }
    void Type(const char* label, const QString& text) {
        auto* edit = Named<QLineEdit>(Page(), label);
        QVERIFY2(edit, label);
        edit->setText(text);
    }
    void Choose(const char* group, int value) {
        auto* choices = Named<ChoiceGroup>(Page(), group);
        QVERIFY2(choices, group);
        choices->Button(value)->click();
    }
    void Finish() { wizard.button(QWizard::FinishButton)->click(); }

    NewProjectWizard wizard;
};

QByteArray Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class NewProjectWizardTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_Dir;
    // Each test its own application folder.
    std::string AppDir() const { return S(m_Dir.path()) + "/" + QTest::currentTestFunction(); }
    std::string TzpOf(const std::string& name) const {
        return AppDir() + "/" + name + "/" + name + ".Tzp";
    }

private slots:
    void firstPageShowsTodayAndKeepsBadNames() {
        RecordingPrompter prompter;
        ProjectList list;
        WizardRun run(AppDir(), list, prompter);
        QCOMPARE(run.wizard.windowTitle(), QString("新建项目"));
        QCOMPARE(run.Page()->title(), QString("项目属性"));
        auto* created = Named<QLineEdit>(run.Page(), "创建日期:");
        QVERIFY(created);
        QCOMPARE(created->text(), QDate::currentDate().toString("yyyy.MM.dd"));
        QVERIFY(created->isReadOnly());
        for (const char* label : {"实 验 员:", "样品名称:", "实验单位:", "进 样 量:"})
            QVERIFY2(Named<QLineEdit>(run.Page(), label), label);
        QVERIFY(Named<QPlainTextEdit>(run.Page(), "项目信息:"));

        for (const QString bad : {"", "v1.2", "a\\b", "."}) {
            run.Type("分析项目名称:", bad);
            run.wizard.next();
            QCOMPARE(run.wizard.currentId(), 0);
            QCOMPARE(prompter.messages.back(), std::string("方法名称输入错误,请重新输入!"));
        }
        QCOMPARE(prompter.messages.size(), std::size_t{4});
        QVERIFY(!std::filesystem::exists(AppDir()));

        run.Type("分析项目名称:", "苯系物");
        run.wizard.next();
        QCOMPARE(run.wizard.currentId(), 1);
        QCOMPARE(run.Page()->title(), QString("分析方法"));
        QCOMPARE(prompter.messages.size(), std::size_t{4});
        // Nothing is written before Finish.
        QVERIFY(!std::filesystem::exists(AppDir()));
    }

    void groupsStartWithoutAChoice() {
        RecordingPrompter prompter;
        ProjectList list;
        WizardRun run(AppDir(), list, prompter);
        run.Type("分析项目名称:", "空白");
        run.wizard.next();
        const QStringList groups{"分析方式", "定性方法", "分析方法"};
        const QList<QStringList> buttons{
            {"面积法", "高度法"},
            {"时间带", "最接近峰", "时间窗", "出峰顺序"},
            {"归一法", "内标法", "外标法", "指数法", "校正归一法", "指纹图谱"}};
        for (int g = 0; g < groups.size(); ++g) {
            auto* group = Named<ChoiceGroup>(run.Page(), groups[g]);
            QVERIFY2(group, qPrintable(groups[g]));
            QCOMPARE(group->Value(), -1);
            for (int i = 0; i < buttons[g].size(); ++i) {
                QCOMPARE(group->Button(i)->text(), buttons[g][i]);
                QVERIFY(!group->Button(i)->isChecked());
            }
        }
        run.Finish();
        QCOMPARE(run.wizard.result(), int(QDialog::Accepted));
        auto loaded = LoadTzpFile(TzpOf("空白"), AppDir());
        QVERIFY(loaded.ok());
        QCOMPARE(loaded->m_Basis, -1);
        QCOMPARE(loaded->m_IdentMode, -1);
        QCOMPARE(loaded->m_Method, -1);
    }

    void finishWritesTheProjectAndOpensIt() {
        RecordingPrompter prompter;
        ProjectList list;
        WizardRun run(AppDir(), list, prompter);
        run.Type("分析项目名称:", "水中苯系物");
        run.Type("实 验 员:", "王工");
        run.Type("样品名称:", "地表水");
        run.Type("实验单位:", "环境监测站");
        run.Type("进 样 量:", "1.0");
        Named<QPlainTextEdit>(run.Page(), "项目信息:")->setPlainText("GB 5749\n第二行");
        run.wizard.next();
        run.Choose("分析方式", 1);  // 高度法
        run.Choose("定性方法", 2);  // 时间窗
        run.Choose("分析方法", 4);  // 校正归一法
        const auto before = std::time(nullptr);
        run.Finish();

        QCOMPARE(run.wizard.result(), int(QDialog::Accepted));
        QVERIFY(prompter.messages.empty());
        const std::string path = TzpOf("水中苯系物");
        QCOMPARE(run.wizard.CreatedPath(), path);
        QCOMPARE(list.size(), std::size_t{1});
        QCOMPARE(list.Current()->m_PathName, path);

        auto loaded = LoadTzpFile(path, AppDir());
        QVERIFY(loaded.ok());
        QCOMPARE(loaded->m_MethodName, std::string("水中苯系物"));
        QCOMPARE(loaded->m_Operator, std::string("王工"));
        QCOMPARE(loaded->m_SampleName, std::string("地表水"));
        QCOMPARE(loaded->m_Organization, std::string("环境监测站"));
        QCOMPARE(loaded->m_Information, std::string("GB 5749\n第二行"));
        QCOMPARE(loaded->m_Basis, std::int32_t{kHeightBasis});
        QCOMPARE(loaded->m_IdentMode, std::int32_t{2});
        QCOMPARE(loaded->m_Method, std::int32_t{kCalibratedNormalization});
        QCOMPARE(loaded->m_LevelCount, 1);
        QVERIFY(loaded->m_Components.empty() && loaded->m_Standards.empty());
        QVERIFY(loaded->m_CreatedAt >= before && loaded->m_CreatedAt <= std::time(nullptr));
    }

    // A project open in the workstation is never replaced; a closed one only after Yes.
    void finishRefusesAnOpenProjectAndAsksBeforeReplacing() {
        RecordingPrompter prompter;
        ProjectList list;
        {
            WizardRun first(AppDir(), list, prompter);
            first.Type("分析项目名称:", "M");
            first.wizard.next();
            first.Finish();
            QCOMPARE(first.wizard.result(), int(QDialog::Accepted));
        }
        const std::string path = TzpOf("M");
        const QByteArray original = Bytes(path);
        QVERIFY(!original.isEmpty());

        auto again = [&](const char* operatorName) {
            auto run = std::make_unique<WizardRun>(AppDir(), list, prompter);
            run->Type("分析项目名称:", "M");
            run->Type("实 验 员:", operatorName);
            run->wizard.next();
            run->Finish();
            return run;
        };

        auto refused = again("李");
        QCOMPARE(prompter.messages.back(), std::string("方法项目文件已打开,方法项目创建失败!"));
        QVERIFY(prompter.questions.empty());
        QVERIFY(refused->wizard.isVisible());
        QCOMPARE(refused->wizard.currentId(), 1);
        QVERIFY(refused->wizard.CreatedPath().empty());
        QCOMPARE(Bytes(path), original);
        QCOMPARE(list.size(), std::size_t{1});

        list.Close(0);
        prompter.answers = {false};
        auto declined = again("李");
        QCOMPARE(prompter.questions, std::vector<std::string>{"方法项目文件已存在是否覆盖!"});
        QVERIFY(declined->wizard.isVisible());
        QVERIFY(declined->wizard.CreatedPath().empty());
        QCOMPARE(Bytes(path), original);
        QVERIFY(list.empty());

        prompter.answers = {true};
        auto replaced = again("李");
        QCOMPARE(prompter.questions.size(), std::size_t{2});
        QCOMPARE(replaced->wizard.result(), int(QDialog::Accepted));
        QCOMPARE(replaced->wizard.CreatedPath(), path);
        auto loaded = LoadTzpFile(path, AppDir());
        QVERIFY(loaded.ok());
        QCOMPARE(loaded->m_Operator, std::string("李"));
    }

    void everyControlIsNamed() {
        RecordingPrompter prompter;
        ProjectList list;
        WizardRun run(AppDir(), list, prompter);
        QCOMPARE(run.wizard.button(QWizard::NextButton)->text(), QString("下一步(&N) >"));
        QCOMPARE(run.wizard.button(QWizard::CancelButton)->text(), QString("取消"));
        QCOMPARE(NamelessControls(&run.wizard), QStringList());
        run.Type("分析项目名称:", "N");
        run.wizard.next();
        QCOMPARE(run.wizard.button(QWizard::FinishButton)->text(), QString("完成"));
        QCOMPARE(run.wizard.button(QWizard::BackButton)->text(), QString("< 上一步(&B)"));
        QCOMPARE(NamelessControls(&run.wizard), QStringList());
    }
};

static RegisterGuiTest<NewProjectWizardTest> registration;

}  // namespace lx::test

#include "NewProjectWizardTest.moc"
