#pragma once
// The report window: one rich-text document the analysis reports are appended to
// ("输出分析报告"), edited, printed and kept as a report file (.Tze). It adds its own menus and
// toolbar to the main window's while it is active, names itself after the report or its file,
// marks itself modified as its document is, and asks before a change is lost.

#include <QTextDocument>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Prompter.h"

class QAction;
class QActionGroup;
class QMenu;
class QPrinter;
class QTextCharFormat;
class QTextEdit;
class QToolBar;

namespace lx {

class FindReplaceDialog;

class ReportWindow : public QWidget {
    Q_OBJECT
public:
    // `margins` are the report pages' margins in twips (left, top, right, bottom), kept by the
    // workstation with its settings ("szPageMargin"); they must outlive the window. "页面设置"
    // changes them there, printing and the preview use them, and saving writes them.
    ReportWindow(std::array<std::int32_t, 4>& margins, Prompter& prompter,
                 QWidget* parent = nullptr);
    ~ReportWindow() override;

    // The menus it adds to the main window's while it is active, and its toolbar (hidden
    // until the main window takes it in).
    QList<QMenu*> Menus() const { return m_Menus; }
    QToolBar* ToolBar() const { return m_ToolBar; }
    QTextEdit* Editor() const { return m_Edit; }
    QTextDocument* Document() const;

    // The file it was opened from or saved to; empty until then.
    QString Path() const { return m_Path; }
    // What the title shows: the report's name (the chromatogram's folder and title and
    // "_报告") or its file.
    QString Name() const { return m_Name; }
    bool IsModified() const;

    // "输出分析报告": `rtf` (a whole RTF document) appended at the end of the text, the caret
    // after it, as one undo step. When the window has content it first asks whether to clear
    // it: Yes empties it and names the window `name`, No keeps the text and the name; an empty
    // window simply takes the name. False, after saying so, when `rtf` cannot be read.
    bool AppendReport(const std::string& rtf, const QString& name);

    // Replaces the content by the report file at `path`; false, after telling why, when it
    // cannot be read (the window keeps what it had).
    bool Open(const QString& path);
    // Writes the report file through a temporary file, so a failed save leaves the old one;
    // false after telling why.
    bool SaveTo(const QString& path);
    // Asks whether to save a change: true when the window may close.
    bool MaybeSave();

    // The search "查找下一个" repeats, and the replacement.
    void SetSearch(const QString& what, QTextDocument::FindFlags flags);
    // Selects the next match after the caret, going round to the top once; false, after
    // saying so, when there is none.
    bool FindNext();
    // Replaces the selection when it is a match, then finds the next.
    bool ReplaceNext(const QString& with);
    // Replaces every match as one undo step; how many.
    int ReplaceAll(const QString& with);

    // The commands.
    void AskOpen();
    bool Save();
    bool SaveAs();
    void Print();
    void PrintPreview();
    void PrintSetup();
    void PageSetup();
    void ChooseFont();
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetAlignment(Qt::Alignment alignment);
    void ShowFind();
    void ShowReplace();
    void Exit();

signals:
    void TitleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommands();
    void UpdateTitle();
    void SetName(const QString& name);
    void ShowFormat(const QTextCharFormat& format);
    void ShowAlignment();
    void MergeFormat(const QTextCharFormat& format);
    FindReplaceDialog* Finder();

    std::array<std::int32_t, 4>& m_Margins;
    Prompter& m_Prompter;
    QTextEdit* m_Edit;
    std::unique_ptr<QPrinter> m_Printer;  // paper and orientation from "打印设置"
    QString m_Path;
    QString m_Name;
    QString m_Search;
    QTextDocument::FindFlags m_SearchFlags;
    FindReplaceDialog* m_Finder = nullptr;
    QToolBar* m_ToolBar = nullptr;
    QList<QMenu*> m_Menus;
    QAction* m_Undo = nullptr;
    QAction* m_Cut = nullptr;
    QAction* m_Copy = nullptr;
    QAction* m_Bold = nullptr;
    QAction* m_Italic = nullptr;
    QAction* m_Underline = nullptr;
    QActionGroup* m_Alignments = nullptr;
};

}  // namespace lx
