// The report window as the operator uses it: reports appended with the clearing question, an
// edited report saved and opened again unchanged, page setup in hundredths of a millimetre
// kept in twips, the modified mark and the question on closing, find and replace, the format
// commands, damaged files, and every control named for screen readers.

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <memory>

#include "report/RtfReader.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/report/ReportTestSupport.h"
#include "ui/report/FindReplaceDialog.h"
#include "ui/report/PageMarginsDialog.h"
#include "ui/report/ReportWindow.h"

namespace lx::test {
namespace {

QAction* Command(const ReportWindow& window, const char* name) {
    for (QMenu* menu : window.Menus())
        for (QAction* action : menu->actions())
            if (action->objectName() == QString::fromUtf8(name))
                return action;
    return nullptr;
}

QString PlainText(const ReportWindow& window) {
    return window.Document()->toPlainText();
}

void TypeAtEnd(ReportWindow& window, const QString& text) {
    window.Editor()->moveCursor(QTextCursor::End);
    window.Editor()->insertPlainText(text);
}

// The caret after the character at `position`, nothing selected.
void CaretAt(ReportWindow& window, int position) {
    QTextCursor caret(window.Document());
    caret.setPosition(position);
    window.Editor()->setTextCursor(caret);
}

// Selects the first occurrence of `text`.
void Select(ReportWindow& window, const QString& text) {
    QTextCursor found = window.Document()->find(text);
    QVERIFY2(!found.isNull(), qPrintable(text));
    window.Editor()->setTextCursor(found);
}

std::string ReportRtf(const CTzLabDoc& doc, const char* fileName) {
    return TextReportRtf(ReportRequest(doc, fileName));
}

}  // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::array<std::int32_t, 4> m_Margins{720, 720, 720, 720};
    RecordingPrompter m_Prompter;
    std::unique_ptr<ReportWindow> m_Window;

    QString File(const char* name) const { return m_Dir->filePath(QString::fromUtf8(name)); }

private slots:
    void init() {
        m_Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dir->isValid());
        m_Margins = {720, 720, 720, 720};
        m_Prompter = {};
        m_Window = std::make_unique<ReportWindow>(m_Margins, m_Prompter);
        m_Window->setAttribute(Qt::WA_DeleteOnClose, false);  // the test owns it
        m_Window->resize(800, 600);
        m_Window->show();
    }

    void cleanup() {
        m_Window->Document()->setModified(false);
        m_Window.reset();
    }

    // An empty window takes the report and its name without a question; then No appends the
    // next report after the first, under the first name; Yes clears, renames and forgets the
    // file, and undo gives the cleared text back.
    void appendingAsksWhetherToClearFirst() {
        const CTzLabDoc run = ReportedRun();
        ReportWindow& w = *m_Window;
        QVERIFY(w.AppendReport(ReportRtf(run, "a.Tzd"), "/data/a_报告"));
        QVERIFY(m_Prompter.questions.empty());
        QCOMPARE(w.Name(), QString("/data/a_报告"));
        QCOMPARE(w.windowTitle(), QString("a_报告[*]"));
        QVERIFY(w.isWindowModified());
        QCOMPARE(PlainText(w).count("分析报告"), 1);
        QVERIFY(w.Editor()->textCursor().atEnd());

        m_Prompter.answers = {false};
        QVERIFY(w.AppendReport(ReportRtf(run, "b.Tzd"), "/data/b_报告"));
        QCOMPARE(m_Prompter.questions, std::vector<std::string>{"输入数据之前是否先清空原有内容!"});
        const QString both = PlainText(w);
        QVERIFY(both.indexOf("a.Tzd") >= 0);
        QVERIFY(both.indexOf("b.Tzd") > both.indexOf("a.Tzd"));
        QCOMPARE(both.count("分析报告"), 2);
        QCOMPARE(w.Name(), QString("/data/a_报告"));
        QVERIFY(w.Editor()->textCursor().atEnd());

        QVERIFY(w.SaveTo(File("kept.Tze")));
        m_Prompter.answers = {true};
        QVERIFY(w.AppendReport(ReportRtf(run, "c.Tzd"), "/data/c_报告"));
        QCOMPARE(PlainText(w).count("分析报告"), 1);
        QVERIFY(PlainText(w).contains("c.Tzd"));
        QVERIFY(!PlainText(w).contains("a.Tzd"));
        QCOMPARE(w.Name(), QString("/data/c_报告"));
        QVERIFY(w.Path().isEmpty());
        QCOMPARE(w.Document()->firstBlock().text(), QString("LX6600 色谱工作站"));

        w.Document()->undo();
        QCOMPARE(PlainText(w), both);

        // Rich text that is no RTF is refused with the window's message, the text kept.
        QVERIFY(!w.AppendReport("not rtf", "/data/d_报告"));
        QCOMPARE(m_Prompter.messages, std::vector<std::string>{"打开报告输出错误!"});
        QCOMPARE(PlainText(w), both);
    }

    // A report edited by hand (a bold run, a centred Chinese paragraph, a colour, a line
    // break, a picture) saves and opens again equal in text and formats.
    void anEditedReportSavesAndOpensUnchanged() {
        ReportWindow& w = *m_Window;
        QTextEdit* edit = w.Editor();
        edit->insertPlainText("普通 text ");
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        bold.setForeground(QColor(0, 128, 0));
        edit->textCursor().insertText("粗体", bold);
        QTextCursor cursor = edit->textCursor();
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.insertBlock(centred, QTextCharFormat());
        QTextCharFormat song;
        song.setFontFamilies({"宋体"});
        song.setFontPointSize(16);
        song.setFontItalic(true);
        song.setFontUnderline(true);
        cursor.insertText(QString("居中的中文") + QChar::LineSeparator + "第二行\t制表", song);
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        w.Document()->addResource(QTextDocument::ImageResource, QUrl("test:picture"), Picture());
        QTextImageFormat image;
        image.setName("test:picture");
        image.setWidth(96);
        image.setHeight(60);
        cursor.insertImage(image);
        cursor.insertText(" 图后", QTextCharFormat());
        const QString expected = Describe(*w.Document());

        QVERIFY(w.SaveTo(File("edited.Tze")));
        QVERIFY(!w.IsModified());
        QCOMPARE(w.windowTitle(), QString("edited.Tze[*]"));
        QCOMPARE(QDir(m_Dir->path()).entryList(QDir::Files), QStringList{"edited.Tze"});
        // The file names the margins the prints use.
        QCOMPARE(ReadRtfFile(File("edited.Tze").toStdString())->page.margins, m_Margins);

        ReportWindow again(m_Margins, m_Prompter);
        QVERIFY(again.Open(File("edited.Tze")));
        QCOMPARE(Describe(*again.Document()), expected);
        QVERIFY(!again.IsModified());
        QCOMPARE(again.Path(), File("edited.Tze"));
        // Saved again, it writes the very same bytes.
        QVERIFY(again.SaveTo(File("again.Tze")));
        QCOMPARE(FileBytes(File("again.Tze")), FileBytes(File("edited.Tze")));
    }

    // A report the analysis window wrote opens with its fonts, colours, alignment and picture.
    void aWrittenReportOpensInTheWindow() {
        const CTzLabDoc run = ReportedRun();
        const QString path = File("run_报告.Tze");
        QVERIFY(WriteTextReport(ReportRequest(run, "run.Tzd"), path.toStdString()).ok());
        QVERIFY(m_Window->Open(path));
        const QTextBlock header = m_Window->Document()->firstBlock();
        QCOMPARE(header.text(), QString("LX6600 色谱工作站"));
        QCOMPARE(header.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        m_Window->Editor()->setTextCursor(QTextCursor(header));
        m_Window->Editor()->moveCursor(QTextCursor::Right);
        const QTextCharFormat format = m_Window->Editor()->currentCharFormat();
        QCOMPARE(format.fontFamilies().toStringList().value(0), QString("Arial"));
        QCOMPARE(format.foreground().color(), QColor(255, 0, 0));
        // The commands show the caret's format.
        QVERIFY(Command(*m_Window, "粗体(&B)")->isChecked());
        QVERIFY(Command(*m_Window, "右对齐(&R)")->isChecked());
        // 4 cm are 2267 twips, shown at 15 twips a pixel.
        QVERIFY(Describe(*m_Window->Document()).contains(QString("picture %1x").arg(2267 / 15.0)));
        QCOMPARE(m_Window->windowTitle(), QString("run_报告.Tze[*]"));
    }

    // Shown in hundredths of a millimetre, kept in twips: 720 twips show as 1270, 1000 typed
    // are 567 twips and show as 1000 again; Cancel keeps the margins; the preview prints
    // inside them.
    void pageSetupKeepsTheMarginsInTwips() {
        QCOMPARE(HundredthsMmOfTwips(720), 1270);
        QCOMPARE(TwipsOfHundredthsMm(1000), 567);
        QCOMPARE(HundredthsMmOfTwips(567), 1000);
        QCOMPARE(TwipsOfHundredthsMm(1270), 720);

        QList<int> shown;
        const auto fill = [&](int left, int bottom) {
            return ModalDriver::Answer(QMessageBox::Ok, [&, left, bottom](QDialog* dialog) {
                shown.clear();
                for (const char* name : {"左(&L):", "上(&T):", "右(&R):", "下(&B):"}) {
                    auto* field = Named<QSpinBox>(dialog, QString::fromUtf8(name));
                    QVERIFY2(field, name);
                    shown << field->value();
                }
                Named<QSpinBox>(dialog, "左(&L):")->setValue(left);
                Named<QSpinBox>(dialog, "下(&B):")->setValue(bottom);
            });
        };
        {
            ModalDriver driver(fill(1000, 2540));
            Command(*m_Window, "页面设置(&P)")->trigger();
        }
        QCOMPARE(shown, (QList<int>{1270, 1270, 1270, 1270}));
        QCOMPARE(m_Margins, (std::array<std::int32_t, 4>{567, 720, 720, 1440}));
        {
            ModalDriver driver(fill(1000, 2540));
            m_Window->PageSetup();
        }
        QCOMPARE(shown, (QList<int>{1000, 1270, 1270, 2540}));
        {
            ModalDriver driver([](QWidget* modal) {
                Named<QSpinBox>(modal, "左(&L):")->setValue(0);
                qobject_cast<QDialog*>(modal)->reject();
            });
            m_Window->PageSetup();
        }
        QCOMPARE(m_Margins, (std::array<std::int32_t, 4>{567, 720, 720, 1440}));

        TypeAtEnd(*m_Window, "预览");
        QMarginsF previewMargins;
        int pages = 0;
        {
            ModalDriver driver([&](QWidget* modal) {
                auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
                QVERIFY(preview);
                previewMargins = preview->printer()->pageLayout().margins(QPageLayout::Point);
                pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                preview->reject();
            });
            Command(*m_Window, "打印预览(&V)")->trigger();
        }
        QCOMPARE(previewMargins, QMarginsF(567 / 20.0, 36, 36, 72));
        QCOMPARE(pages, 1);
    }

    // Without a printer, printing says so at once instead of opening a box with nothing to
    // print on.
    void printingWithoutAPrinterSaysSo() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        Command(*m_Window, "打印(&P)...")->trigger();
        QCOMPARE(m_Prompter.messages, std::vector<std::string>{"没有安装打印机, 无法打印!"});
    }

    // The title marks a change as the document does; closing asks: No closes and loses it,
    // Yes saves it first, a save that fails keeps the window open with the old file intact.
    void closingAsksToSaveAChange() {
        ReportWindow& w = *m_Window;
        QVERIFY(!w.isWindowModified());
        QVERIFY(w.close());
        QVERIFY(m_Prompter.questions.empty());

        w.show();
        TypeAtEnd(w, "改动");
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.windowTitle(), QString("报告[*]"));
        m_Prompter.answers = {false};
        QVERIFY(w.close());
        QCOMPARE(m_Prompter.questions, std::vector<std::string>{"将改动保存到 报告 ?"});

        w.show();
        QVERIFY(w.SaveTo(File("kept.Tze")));
        QVERIFY(!w.isWindowModified());
        TypeAtEnd(w, "第二次");
        QVERIFY(w.isWindowModified());
        m_Prompter.answers = {true};
        QVERIFY(w.close());
        QVERIFY(!w.IsModified());
        QVERIFY(ReadRtfFile(File("kept.Tze").toStdString()).ok());
        QCOMPARE(m_Prompter.questions.back(), std::string("将改动保存到 kept.Tze ?"));
        {
            ReportWindow check(m_Margins, m_Prompter);
            QVERIFY(check.Open(File("kept.Tze")));
            QCOMPARE(PlainText(check), QString("改动第二次"));
        }

        // A folder stands where the file was: the save fails, the window stays open and modified,
        // and nothing in the way is touched or left behind.
        w.show();
        TypeAtEnd(w, "第三次");
        QVERIFY(QFile::remove(File("kept.Tze")));
        QVERIFY(QDir(m_Dir->path()).mkpath("kept.Tze/inside"));
        m_Prompter.answers = {true};
        m_Prompter.messages.clear();
        QVERIFY(!w.close());
        QCOMPARE(m_Prompter.messages.size(), 1u);
        QVERIFY(QString::fromStdString(m_Prompter.messages[0])
                    .startsWith(QString("保存文件[%1]失败!").arg(File("kept.Tze"))));
        QVERIFY(w.isWindowModified());
        QVERIFY(QFileInfo(File("kept.Tze/inside")).isDir());
        QCOMPARE(QDir(m_Dir->path()).entryList(QDir::Files), QStringList());
    }

    // "退出" closes the window's frame in the workspace, asking first.
    void exitClosesTheFrame() {
        QMdiArea area;
        std::array<std::int32_t, 4> margins{720, 720, 720, 720};
        auto* window = new ReportWindow(margins, m_Prompter);
        QPointer<QMdiSubWindow> frame = area.addSubWindow(window);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        area.show();
        frame->show();
        TypeAtEnd(*window, "x");
        m_Prompter.answers = {false};
        Command(*window, "退出(&X)")->trigger();
        QCOMPARE(m_Prompter.questions.size(), 1u);
        QTRY_VERIFY(frame.isNull());
    }

    // Find and find next go round to the top once; replace changes only a match; replace all
    // is one undo step; whole words and case are honoured; a text not there is said to be so.
    void findAndReplace() {
        ReportWindow& w = *m_Window;
        TypeAtEnd(w, "苯 甲苯 Cat cat category");
        w.SetSearch("苯", {});
        QVERIFY(w.FindNext());
        QCOMPARE(w.Editor()->textCursor().selectionStart(), 0);
        QVERIFY(w.FindNext());
        QCOMPARE(w.Editor()->textCursor().selectionStart(), 3);
        QVERIFY(w.FindNext());
        QCOMPARE(w.Editor()->textCursor().selectionStart(), 0);  // round to the top

        w.SetSearch("cat", QTextDocument::FindWholeWords | QTextDocument::FindCaseSensitively);
        w.Editor()->moveCursor(QTextCursor::Start);
        QVERIFY(w.ReplaceNext("dog"));  // nothing selected yet: only finds
        QCOMPARE(w.Editor()->textCursor().selectedText(), QString("cat"));
        QVERIFY(!w.ReplaceNext("dog"));  // the only match replaced; no other
        QCOMPARE(PlainText(w), QString("苯 甲苯 Cat dog category"));
        QCOMPARE(m_Prompter.messages, std::vector<std::string>{"找不到“cat”"});

        w.SetSearch("苯", {});
        QCOMPARE(w.ReplaceAll("甲"), 2);
        QCOMPARE(PlainText(w), QString("甲 甲甲 Cat dog category"));
        w.Document()->undo();
        QCOMPARE(PlainText(w), QString("苯 甲苯 Cat dog category"));

        // The box: what is typed there is searched for.
        Command(w, "查找")->trigger();
        auto* box = w.findChild<FindReplaceDialog*>();
        QVERIFY(box && box->isVisible());
        QVERIFY(!Named<QLineEdit>(box, "替换为(&P):")->isVisibleTo(box));
        Named<QLineEdit>(box, "查找内容(&N):")->setText("category");
        w.Editor()->moveCursor(QTextCursor::Start);
        Named<QPushButton>(box, "查找下一个(&F)")->click();
        QCOMPARE(w.Editor()->textCursor().selectedText(), QString("category"));
        Command(w, "替换(&E)...")->trigger();
        QVERIFY(Named<QLineEdit>(box, "替换为(&P):")->isVisibleTo(box));
        Named<QLineEdit>(box, "替换为(&P):")->setText("kind");
        Named<QPushButton>(box, "全部替换(&A)")->click();
        QCOMPARE(PlainText(w), QString("苯 甲苯 Cat dog kind"));
    }

    // Bold, italic, underline and the alignments act on the selection and show the caret's;
    // the font box sets face and size; undo takes a format back.
    void formatCommands() {
        ReportWindow& w = *m_Window;
        TypeAtEnd(w, "一二三 四五六");
        Select(w, "四五六");
        Command(w, "粗体(&B)")->trigger();
        Command(w, "斜体(&I)")->trigger();
        Command(w, "居中(&C)")->trigger();
        w.Editor()->moveCursor(QTextCursor::End);
        QVERIFY(Command(w, "粗体(&B)")->isChecked());
        QVERIFY(Command(w, "斜体(&I)")->isChecked());
        QVERIFY(Command(w, "居中(&C)")->isChecked());
        CaretAt(w, 1);
        QVERIFY(!Command(w, "粗体(&B)")->isChecked());

        Select(w, "一二三");
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, [](QDialog* dialog) {
                qobject_cast<QFontDialog*>(dialog)->setCurrentFont(QFont("DejaVu Serif", 20));
            }));
            Command(w, "字体(&O)...")->trigger();
        }
        CaretAt(w, 1);
        const QTextCharFormat format = w.Editor()->currentCharFormat();
        QCOMPARE(format.fontFamilies().toStringList().value(0), QString("DejaVu Serif"));
        QCOMPARE(format.fontPointSize(), 20.0);

        QVERIFY(Command(w, "撤消(&U)")->isEnabled());
        Command(w, "撤消(&U)")->trigger();
        CaretAt(w, 1);
        QVERIFY(w.Editor()->currentCharFormat().fontPointSize() != 20.0);
    }

    // Files that are no report, damaged or cut short never cost the window its text.
    void damagedFilesLeaveTheWindowAsItWas() {
        ReportWindow& w = *m_Window;
        TypeAtEnd(w, "保留");
        w.Document()->setModified(false);
        const auto write = [&](const char* name, const std::string& bytes) {
            QFile file(File(name));
            [&] { QVERIFY(file.open(QIODevice::WriteOnly)); }();
            file.write(bytes.data(), qint64(bytes.size()));
            return File(name);
        };
        QVERIFY(!w.Open(write("text.Tze", "plain text")));
        QVERIFY(!w.Open(write("deep.Tze", "{\\rtf1" + std::string(5000, '{'))));
        QVERIFY(!w.Open(File("missing.Tze")));
        QCOMPARE(m_Prompter.messages.size(), 3u);
        QCOMPARE(QString::fromStdString(m_Prompter.messages[0]),
                 QString("文件[%1]不是报告文件(.Tze),无法打开!").arg(File("text.Tze")));
        QCOMPARE(PlainText(w), QString("保留"));
        QVERIFY(!w.IsModified());

        // A report cut in half opens as far as it goes.
        const std::string whole = ReportRtf(ReportedRun(), "run.Tzd");
        QVERIFY(w.Open(write("half.Tze", whole.substr(0, whole.size() / 2))));
        QVERIFY(PlainText(w).startsWith("LX6600 色谱工作站"));
    }

    // Every field and button of the window and its boxes has its visible text as its name,
    // every command a name to be found by.
    void everyControlIsNamed() {
        QCOMPARE(m_Window->Editor()->accessibleName(), QString("报告内容"));
        for (QMenu* menu : m_Window->Menus())
            for (QAction* action : menu->actions())
                QVERIFY(action->isSeparator() || action->objectName() == action->text());
        m_Window->ShowReplace();
        auto* box = m_Window->findChild<FindReplaceDialog*>();
        for (QLineEdit* field : box->findChildren<QLineEdit*>())
            QVERIFY(!field->accessibleName().isEmpty());
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            QCOMPARE(button->accessibleName(), button->text());
        PageMarginsDialog margins(m_Margins);
        for (QSpinBox* field : margins.findChildren<QSpinBox*>())
            QVERIFY(field->accessibleName().contains(":"));
        QCOMPARE(margins.findChildren<QSpinBox*>().size(), 4);
    }
};

static RegisterGuiTest<ReportWindowTest> registration;

}  // namespace lx::test

#include "ReportWindowTest.moc"
