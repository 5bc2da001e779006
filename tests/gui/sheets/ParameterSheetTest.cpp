// The sheet as a whole: what OK writes back, page by page, and that nothing else changes.

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "core/CTzLabDoc.h"
#include "core/TzdFile.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/sheets/KeptControls.h"
#include "ui/sheets/LogFontConversion.h"
#include "ui/sheets/ParameterSheet.h"

namespace lx::test {

namespace {

// A record whose values our controls would round, clamp or re-encode if they wrote back what
// they show: an OK without edits must still leave every one of them alone.
CTzLabDoc AwkwardRecord() {
    CTzLabDoc doc;
    doc.m_CreatedAt = 1173949500;
    doc.m_SampleName = "样品 A";
    doc.m_Notes = "第一行\r\n第二行";
    doc.m_Operator = "\xB2\xE2\xCA\xD4";  // code page 936 bytes that never became UTF-8
    doc.m_InjectVolume = "20 µl";
    ChannelSetup& c = doc.m_ChannelSetup;
    c.runKind = 0;
    c.stopTime = 12.3456;
    c.lockTime = 0.123456;
    c.timeMin = 3;  // 0.0025 minutes at 20 samples/s
    c.timeMax = 7;
    c.levelMin = -7;
    c.levelMax = 12345;
    c.yearOn = 2;
    c.fixY = 1;
    c.baselineOn = 1;  // on with a file that is gone: not checked unless changed
    c.baselineFile = "/nowhere/baseline.Tzd";
    c.fileNumber = 41;
    c.prefix = "标样";
    c.folder = "Data\\2024";
    doc.m_Params.m_HalfWidth = 0;  // below what the field offers
    doc.m_Params.m_Slope = 12.3456;
    doc.m_Params.m_MinArea = 1e-7;
    doc.m_Params.m_DeleteMode = 1;
    doc.m_Params.m_AutoLeading = 1;
    doc.m_Params.m_UseTimeProgram = 1;
    doc.m_TimeProgram = {{0.5, 4, 20.0, 0}, {1.25, 8, 15.5, 1}};
    ManualEvent event;
    event.m_Type = 3;
    event.m_Param1 = 400;
    event.m_Param2 = 1;
    event.m_Time = 0.3333;
    doc.m_ManualEvents = {event};
    doc.m_UseManualEvents = 1;
    PrintSettings& p = doc.m_PrintSettings;
    p.instrumentType = 1;
    p.headerAlign = 7;
    p.headerColour = 0x01FF0000;
    p.titleText = "标题";
    p.titleOn = 1;
    p.printMarks = 0x1C5;  // a bit no box shows
    p.lineSpacing = 0.3f;
    p.chromWidthCm = 12.345f;
    p.portrait = 3;
    p.axisFont.weight = 0;
    p.customLabel = "色谱柱:";
    p.lcInfoList[0].content = "LC-2000";
    p.gcInfoList.pop_back();
    return doc;
}

template <class T>
T* Find(const QWidget* root, const char* objectName) {
    T* found = Child<T>(root, objectName);
    if (!found)
        qWarning("no single %s named %s", T::staticMetaObject.className(), objectName);
    return found;
}

void Check(const QWidget* root, const char* objectName, bool on) {
    Find<QCheckBox>(root, objectName)->setChecked(on);
}

void SetNumber(const QWidget* root, const char* objectName, double value) {
    Find<NumberBox>(root, objectName)->setValue(value);
}

void SetText(const QWidget* root, const char* objectName, const QString& text) {
    auto* edit = Find<QLineEdit>(root, objectName);
    edit->selectAll();
    edit->insert(text);  // as an input method commits Chinese text
}

const PrintSettings kTemplate = [] {
    PrintSettings t;
    t.titleOn = 1;
    t.titleText = "分析报告";
    t.instrumentType = 1;
    t.gcInfoList.push_back({"检测器温度:", "250", 0});
    t.resultsFont = LogFont::OfHeight(-14);
    return t;
}();

}  // namespace

class ParameterSheetTest : public QObject {
    Q_OBJECT

private slots:
    void AcceptWithoutEditsKeepsTheRecord_data() {
        QTest::addColumn<SheetKind>("kind");
        QTest::newRow("channel") << SheetKind::Channel;
        QTest::newRow("chromatogram") << SheetKind::Chromatogram;
    }
    void AcceptWithoutEditsKeepsTheRecord() {
        QFETCH(SheetKind, kind);
        for (const CTzLabDoc& before : {CTzLabDoc(), AwkwardRecord()}) {
            CTzLabDoc doc = before;
            RecordingPrompter prompter;
            ParameterSheet sheet(doc, kind, prompter, kTemplate);
            sheet.accept();
            QCOMPARE(sheet.result(), int(QDialog::Accepted));
            QCOMPARE(FirstDifference(before, doc), QString());
            QVERIFY(prompter.messages.empty());
        }
    }

    void PagesAndTitles() {
        CTzLabDoc doc;
        RecordingPrompter prompter;
        ParameterSheet channel(doc, SheetKind::Channel, prompter, kTemplate);
        QCOMPARE(channel.windowTitle(), QString("参数设置"));
        auto* tabs = Find<QTabWidget>(&channel, "sheetTabs");
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        QCOMPARE(titles,
                 QStringList({" 采样控制 ", "图谱属性", "判峰参数", "手动积分", "打印设置"}));
        QVERIFY(Named<QPushButton>(&channel, "导入参数..."));

        ParameterSheet analysis(doc, SheetKind::Chromatogram, prompter, kTemplate);
        tabs = Find<QTabWidget>(&analysis, "sheetTabs");
        titles.clear();
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        QCOMPARE(titles, QStringList({"图谱属性", "判峰参数", "手动积分", "打印设置"}));
        QVERIFY(!Child<QPushButton>(&analysis, "importParams"));
        auto* print = Find<QTabWidget>(&analysis, "printTabs");
        QStringList printTitles;
        for (int i = 0; i < print->count(); ++i)
            printTitles << print->tabText(i);
        QCOMPARE(printTitles, QStringList({"报告内容", "仪器信息", "谱图信息", "分析结果"}));
    }

    void CancelWritesNothing() {
        const CTzLabDoc before = AwkwardRecord();
        CTzLabDoc doc = before;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Channel, prompter, kTemplate);
        SetNumber(&sheet, "stopTime", 55.0);
        SetText(&sheet, "m_SampleName", "另一个");
        SetNumber(&sheet, "m_Slope", 99.0);
        Check(&sheet, "m_UseManualEvents", false);
        SetText(&sheet, "headerText", "页眉");
        Find<QPushButton>(&sheet, "importParams")->click();
        sheet.reject();
        QCOMPARE(FirstDifference(before, doc), QString());
    }

    void ChannelControlWritesItsFieldsInRecordUnits() {
        CTzLabDoc doc;
        doc.m_ChannelSetup.rate = 10;  // limits convert at the record's own rate
        CTzLabDoc expected = doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Channel, prompter, kTemplate);
        auto* standard = Named<QRadioButton>(&sheet, "标准品");
        QVERIFY(standard);
        QTest::mouseClick(standard, Qt::LeftButton);
        SetNumber(&sheet, "stopTime", 30.5);
        Check(&sheet, "invert", true);
        Check(&sheet, "zeroAtStart", true);
        Check(&sheet, "autoSave", false);
        Check(&sheet, "autoPrint", true);
        Check(&sheet, "showAtEnd", false);
        SetText(&sheet, "prefix", "Run");
        Check(&sheet, "yearOn", true);
        Check(&sheet, "timeOn", false);
        Check(&sheet, "numberOn", false);
        SetNumber(&sheet, "fileNumber", 7);
        SetText(&sheet, "folder", "D1");
        SetNumber(&sheet, "timeMin", 1.5);   // 10 x 1.5 x 60
        SetNumber(&sheet, "timeMax", 2.25);  // 10 x 2.25 x 60
        SetNumber(&sheet, "levelMin", -0.25);
        SetNumber(&sheet, "levelMax", 1.001);  // 1000.9999... uV, truncated
        Check(&sheet, "fixX", true);
        sheet.accept();

        ChannelSetup& c = expected.m_ChannelSetup;
        c.runKind = 0;
        c.stopTime = 30.5;
        c.invert = 1;
        c.zeroAtStart = 1;
        c.autoSave = 0;
        c.autoPrint = 1;
        c.showAtEnd = 0;
        c.prefix = "Run";
        c.yearOn = 1;
        c.timeOn = 0;
        c.numberOn = 0;
        c.fileNumber = 7;
        c.folder = "D1";
        c.timeMin = 900;
        c.timeMax = 1350;
        c.levelMin = -250;
        c.levelMax = 1000;
        c.fixX = 1;
        QCOMPARE(FirstDifference(expected, doc), QString());
    }

    void ChannelLimitsShowInMinutesAndMillivolts() {
        CTzLabDoc doc;  // 20 samples/s, 0..120000 samples, -15000..20000 uV
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Channel, prompter, kTemplate);
        QCOMPARE(Find<NumberBox>(&sheet, "timeMax")->value(), 100.0);
        QCOMPARE(Find<NumberBox>(&sheet, "levelMin")->value(), -15.0);
        QCOMPARE(Find<NumberBox>(&sheet, "levelMax")->value(), 20.0);
        QCOMPARE(Find<NumberBox>(&sheet, "stopTime")->value(), 100.0);
    }

    void SampleInformationWritesItsFields() {
        CTzLabDoc doc;
        doc.m_CreatedAt = 1173949500;  // 2007-03-15 09:05 UTC; the tests run in UTC
        CTzLabDoc expected = doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Chromatogram, prompter, kTemplate);
        auto* created = Named<QLineEdit>(&sheet, "创建日期:");
        QVERIFY(created);
        QCOMPARE(created->text(), QString("2007.03.15  09:05"));
        QVERIFY(created->isReadOnly());
        for (const char* label : {"样品名称:", "实 验 员:", "实验单位:", "进 样 量:"})
            QVERIFY2(Named<QLineEdit>(&sheet, label), label);
        SetText(&sheet, "m_SampleName", "苯系物");
        SetText(&sheet, "m_Operator", "王工");
        SetText(&sheet, "m_Laboratory", "质检室");
        SetText(&sheet, "m_InjectVolume", "1 µl");
        auto* notes = Named<QPlainTextEdit>(&sheet, "实验备注:");
        QVERIFY(notes);
        notes->setPlainText("柱温 30℃\n流速 1 ml/min");
        sheet.accept();

        expected.m_SampleName = "苯系物";
        expected.m_Operator = "王工";
        expected.m_Laboratory = "质检室";
        expected.m_InjectVolume = "1 µl";
        expected.m_Notes = "柱温 30℃\n流速 1 ml/min";
        QCOMPARE(FirstDifference(expected, doc), QString());
    }

    void PeakParametersWriteTheirFieldsAndTheLockTime() {
        CTzLabDoc doc;
        CTzLabDoc expected = doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Chromatogram, prompter, kTemplate);
        const struct {
            const char* label;
            double value;
        } numbers[] = {{"半峰宽:", 9},     {"斜  率:", 45.5},  {"最小峰面积:", 100},
                       {"最小峰高:", 2.5}, {"时间变倍:", 1.5}, {"峰 高 比:", 50},
                       {"样品重量:", 2},   {"样品体积:", 3},   {"内标物浓度1:", 4},
                       {"锁定时间:", 2.0}};
        for (const auto& n : numbers) {
            auto* box = Named<NumberBox>(&sheet, n.label);
            QVERIFY2(box, n.label);
            box->setValue(n.value);
        }
        Named<QCheckBox>(&sheet, "自动拖尾峰判断")->setChecked(false);
        Named<QCheckBox>(&sheet, "自动伸舌峰判断")->setChecked(true);
        Named<QCheckBox>(&sheet, "使用时间程序")->setChecked(true);
        auto* deleteMode = Named<QComboBox>(&sheet, "峰删除方式");
        QVERIFY(deleteMode);
        QCOMPARE(deleteMode->itemText(1), QString("不参于计算"));
        deleteMode->setCurrentIndex(1);
        sheet.accept();

        IntegrationParams& p = expected.m_Params;
        p = {9, 45.5, 100, 2.5, 1.5, 50, 2, 3, 4, 0, 1, 0, 1, 1};
        expected.m_ChannelSetup.lockTime = 2.0;
        QCOMPARE(FirstDifference(expected, doc), QString());
    }

    void PrintPagesWriteTheirFields() {
        CTzLabDoc doc;
        CTzLabDoc expected = doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Chromatogram, prompter, kTemplate);
        Check(&sheet, "headerOn", true);
        SetText(&sheet, "headerText", "某某检测中心");
        Find<QComboBox>(&sheet, "headerAlign")->setCurrentIndex(2);
        QCOMPARE(Find<QComboBox>(&sheet, "headerAlign")->itemText(1), QString("居  中"));
        Check(&sheet, "projectOn", true);
        Check(&sheet, "customOn", true);
        SetText(&sheet, "customLabel", "色谱柱:");
        SetText(&sheet, "customValue", "C18");
        Check(&sheet, "contentOn", false);  // the lines stay as set, only greyed out
        QVERIFY(!Find<QCheckBox>(&sheet, "projectOn")->isEnabled());
        Check(&sheet, "englishReport", true);
        Check(&sheet, "instrumentOn", false);
        QTest::mouseClick(Find<QRadioButton>(&sheet, "portrait"), Qt::LeftButton);
        SetNumber(&sheet, "chromWidthCm", 15.5);
        Find<QComboBox>(&sheet, "chromAlign")->setCurrentIndex(2);
        Check(&sheet, "markArea", true);
        Check(&sheet, "noMarks", true);
        QVERIFY(!Find<QCheckBox>(&sheet, "markArea")->isEnabled());
        Check(&sheet, "colPeakType", true);
        Check(&sheet, "resultsOn", false);
        QVERIFY(!Find<QCheckBox>(&sheet, "colTime")->isEnabled());
        SetNumber(&sheet, "lineSpacing", 1.25);
        sheet.accept();

        PrintSettings& p = expected.m_PrintSettings;
        p.headerOn = 1;
        p.headerText = "某某检测中心";
        p.headerAlign = 2;
        p.projectOn = 1;
        p.customOn = 1;
        p.customLabel = "色谱柱:";
        p.customValue = "C18";
        p.contentOn = 0;
        p.englishReport = 1;
        p.instrumentOn = 0;
        p.portrait = 1;
        p.chromWidthCm = 15.5f;
        p.chromAlign = 2;
        p.printMarks = 0x04 | 0x10;  // labels off; retention time kept, area added
        p.colPeakType = 1;
        p.resultsOn = 0;
        p.lineSpacing = 1.25f;
        QCOMPARE(FirstDifference(expected, doc), QString());
    }

    void FontsAndColoursComeFromTheirDialogs() {
        CTzLabDoc doc;
        doc.m_PrintSettings.titleColour = 0x7F0000FF;  // a high byte the record carries
        CTzLabDoc expected = doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Chromatogram, prompter, kTemplate);

        QFont chosen;
        WhenDialogOpens([&](QWidget* dialog) {
            auto* fonts = qobject_cast<QFontDialog*>(dialog);
            QVERIFY(fonts);
            QCOMPARE(fonts->currentFont().pointSizeF(), 9.0);  // -12 pixels at 96 dpi
            QFont font = fonts->currentFont();
            font.setPointSize(12);
            font.setBold(true);
            font.setItalic(true);
            fonts->setCurrentFont(font);
            chosen = fonts->currentFont();  // what the installed fonts allow of it
            fonts->accept();
        });
        Find<QPushButton>(&sheet, "headerFont")->click();

        WhenDialogOpens([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
        Find<QPushButton>(&sheet, "resultsFont")->click();  // cancelled: unchanged

        WhenDialogOpens([](QWidget* dialog) {
            auto* colours = qobject_cast<QColorDialog*>(dialog);
            QVERIFY(colours);
            QCOMPARE(colours->currentColor(), QColor(255, 0, 0));
            colours->setCurrentColor(QColor(1, 2, 3));
            colours->accept();
        });
        Find<QPushButton>(&sheet, "titleColour")->click();
        sheet.accept();

        LogFont& header = expected.m_PrintSettings.headerFont;
        header.height = -16;
        header.weight = chosen.weight();
        header.italic = chosen.italic() ? 1 : 0;
        header.faceName = chosen.family().toStdString();
        expected.m_PrintSettings.titleColour = 0x7F030201;
        QCOMPARE(FirstDifference(expected, doc), QString());
    }

    void LogFontsSurviveTheFontDialogsForm() {
        for (int height : {-8, -9, -10, -12, -16, -21}) {
            LogFont font = LogFont::OfHeight(height);
            font.weight = 700;
            font.underline = 1;
            font.charSet = 134;  // kept: QFont has no word for it
            font.faceName = "Noto Sans CJK SC";
            QCOMPARE(LogFontOfQFont(QFontOfLogFont(font), font), font);
        }
        QCOMPARE(QFontOfLogFont(LogFont::OfHeight(-16)).pointSizeF(), 12.0);
        QCOMPARE(QFontOfLogFont(LogFont::OfHeight(16)).pointSizeF(), 12.0);  // cell height
    }

    void ImportFillsThePrintPageFromTheTemplate() {
        CTzLabDoc doc;
        doc.m_SampleName = "保留";
        doc.m_PrintSettings.headerOn = 1;
        CTzLabDoc expected = doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Channel, prompter, kTemplate);
        QTest::mouseClick(Find<QPushButton>(&sheet, "importParams"), Qt::LeftButton);
        QCOMPARE(FirstDifference(expected, doc), QString());  // not before OK
        QCOMPARE(Find<QComboBox>(&sheet, "instrumentType")->currentIndex(), 1);
        sheet.accept();
        expected.m_PrintSettings = kTemplate;
        QCOMPARE(FirstDifference(expected, doc), QString());
    }

    void BaselineSubtractionNeedsAReadableFile() {
        const QString tmp = qEnvironmentVariable("LX_TEST_TMP");
        QVERIFY(QDir().mkpath(tmp));
        const std::string good = (tmp + "/baseline.Tzd").toStdString();
        CTzLabDoc baseline;
        QVERIFY(SaveTzdFile(baseline, good).ok());
        const std::string missing = (tmp + "/missing.Tzd").toStdString();

        const struct {
            std::string file;
            std::string message;  // none when the file opens
        } cases[] = {
            {"", "基线扣除文件打开错误 !"},
            {missing, "基线扣除文件[" + missing + "]打开错误 !"},
            {good, ""},
        };
        for (const auto& c : cases) {
            CTzLabDoc doc;
            RecordingPrompter prompter;
            ParameterSheet sheet(doc, SheetKind::Channel, prompter, kTemplate);
            Named<QCheckBox>(&sheet, "自动扣除基线")->setChecked(true);
            SetText(&sheet, "baselineFile", QString::fromStdString(c.file));
            sheet.accept();
            QCOMPARE(doc.m_ChannelSetup.baselineFile, c.file);
            if (c.message.empty()) {
                QVERIFY(prompter.messages.empty());
                QCOMPARE(doc.m_ChannelSetup.baselineOn, 1);
            } else {
                QCOMPARE(prompter.messages.size(), std::size_t{1});
                QCOMPARE(QString::fromStdString(prompter.messages[0]),
                         QString::fromStdString(c.message));
                QCOMPARE(doc.m_ChannelSetup.baselineOn, 0);
            }
        }
    }

    void BaselineFileIsChosenInTheFileDialog() {
        const QString tmp = qEnvironmentVariable("LX_TEST_TMP");
        QVERIFY(QDir().mkpath(tmp));
        const QString path = tmp + "/chosen.Tzd";
        CTzLabDoc baseline;
        QVERIFY(SaveTzdFile(baseline, path.toStdString()).ok());
        CTzLabDoc doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Channel, prompter, kTemplate);
        WhenDialogOpens([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->windowTitle(), QString("选择基线文件"));
            QCOMPARE(files->nameFilters(), QStringList{"图谱文件(*.Tzd)"});
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
        });
        Find<QPushButton>(&sheet, "chooseBaselineFile")->click();
        QCOMPARE(Find<QLineEdit>(&sheet, "baselineFile")->text(), path);
    }

    void EveryControlHasAName() {
        CTzLabDoc doc;
        RecordingPrompter prompter;
        ParameterSheet sheet(doc, SheetKind::Channel, prompter, kTemplate);
        int controls = 0;
        for (QWidget* w : sheet.findChildren<QWidget*>()) {
            if (!IsOperatorControl(w, &sheet))
                continue;
            ++controls;
            QVERIFY2(!w->accessibleName().isEmpty(),
                     qPrintable(QString("%1 %2 \"%3\"")
                                    .arg(w->metaObject()->className(), w->objectName(),
                                         w->property("text").toString())));
        }
        QVERIFY(controls > 100);
    }

private:
    // What the operator works with, leaving out Qt's own parts of a control (a spin box's
    // line, a combo box's pop-up, the tab bar's scroll arrows, a list's header).
    static bool IsOperatorControl(QWidget* w, QWidget* sheet) {
        const QWidget* parent = w->parentWidget();
        if (w->window() != sheet || qobject_cast<const QAbstractSpinBox*>(parent) ||
            qobject_cast<const QComboBox*>(parent) || qobject_cast<const QTabBar*>(parent) ||
            qobject_cast<QHeaderView*>(w))
            return false;
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
               qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w);
    }
};

static RegisterGuiTest<ParameterSheetTest> registration;

}  // namespace lx::test

#include "ParameterSheetTest.moc"
