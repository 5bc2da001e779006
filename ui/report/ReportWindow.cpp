#include "ui/report/ReportWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/FileIo.h"
#include "core/Format.h"
#include "report/RtfReader.h"
#include "ui/report/FindReplaceDialog.h"
#include "ui/report/PageMarginsDialog.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/report/RichTextDocument.h"
#include "ui/report/RichTextPrinting.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

ReportWindow::ReportWindow(std::array<std::int32_t, 4>& margins, Prompter& prompter,
                           QWidget* parent)
    : QWidget(parent),
      m_Margins(margins),
      m_Prompter(prompter),
      m_Edit(new QTextEdit),
      m_Printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_Name(T(rep::kUntitled)) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_Edit->setAcceptRichText(true);
    NameControl(m_Edit, rep::kEditorName);
    // Text typed into a new report is in the report's own face, as the sections are.
    QFont font("宋体", 12);
    font.setFamilies({"宋体", "Noto Serif CJK SC"});
    m_Edit->document()->setDefaultFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Edit);

    BuildCommands();
    connect(m_Edit->document(), &QTextDocument::modificationChanged, this,
            &ReportWindow::UpdateTitle);
    connect(m_Edit, &QTextEdit::currentCharFormatChanged, this, &ReportWindow::ShowFormat);
    connect(m_Edit, &QTextEdit::cursorPositionChanged, this, &ReportWindow::ShowAlignment);
    UpdateTitle();
    ShowFormat(m_Edit->currentCharFormat());
    ShowAlignment();
}

ReportWindow::~ReportWindow() = default;

QTextDocument* ReportWindow::Document() const {
    return m_Edit->document();
}

bool ReportWindow::IsModified() const {
    return m_Edit->document()->isModified();
}

void ReportWindow::BuildCommands() {
    m_ToolBar = new QToolBar(T(rep::kToolBar), this);
    m_ToolBar->setObjectName("reportBar");
    // Shown by the main window once it takes the bar in; until then it would sit over the
    // window's own top left corner.
    m_ToolBar->hide();
    // The shortcuts hold while the report has the focus, so they never clash with the main
    // window's own.
    const auto add = [this](QMenu* menu, const Text& text, auto slot, QKeySequence keys = {},
                            bool onBar = false) {
        QAction* action = menu->addAction(T(text), this, slot);
        action->setObjectName(QString::fromUtf8(text.zh));
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(action);
        }
        if (onBar)
            m_ToolBar->addAction(action);
        return action;
    };

    auto* file = new QMenu(T(rep::kFileMenu), this);
    add(file, rep::kOpen, &ReportWindow::AskOpen, {}, true)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    add(file, rep::kSave, &ReportWindow::Save, {}, true)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    add(file, rep::kSaveAs, &ReportWindow::SaveAs);
    file->addSeparator();
    add(file, rep::kPrint, &ReportWindow::Print, {}, true);
    add(file, rep::kPrintPreview, &ReportWindow::PrintPreview, {}, true);
    add(file, rep::kPrintSetup, &ReportWindow::PrintSetup);
    file->addSeparator();
    add(file, rep::kExit, &ReportWindow::Exit);
    m_ToolBar->addSeparator();

    auto* edit = new QMenu(T(rep::kEditMenu), this);
    // The editor takes its own editing keys (Ctrl+Z, Ctrl+X, ...) while it has the focus.
    m_Undo = add(edit, rep::kUndo, [this] { m_Edit->undo(); });
    edit->addSeparator();
    m_Cut = add(
        edit, rep::kCut, [this] { m_Edit->cut(); }, {}, true);
    m_Copy = add(
        edit, rep::kCopy, [this] { m_Edit->copy(); }, {}, true);
    add(
        edit, rep::kPaste, [this] { m_Edit->paste(); }, {}, true);
    edit->addSeparator();
    add(edit, rep::kFind, &ReportWindow::ShowFind, QKeySequence::Find, true);
    add(edit, rep::kFindNext, &ReportWindow::FindNext, QKeySequence::FindNext);
    add(edit, rep::kReplace, &ReportWindow::ShowReplace, QKeySequence::Replace);
    m_Undo->setEnabled(false);
    m_Cut->setEnabled(false);
    m_Copy->setEnabled(false);
    connect(m_Edit->document(), &QTextDocument::undoAvailable, m_Undo, &QAction::setEnabled);
    connect(m_Edit, &QTextEdit::copyAvailable, m_Cut, &QAction::setEnabled);
    connect(m_Edit, &QTextEdit::copyAvailable, m_Copy, &QAction::setEnabled);
    m_ToolBar->addSeparator();

    auto* format = new QMenu(T(rep::kFormatMenu), this);
    add(format, rep::kFont, &ReportWindow::ChooseFont);
    m_Bold = add(format, rep::kBold, &ReportWindow::SetBold, QKeySequence::Bold, true);
    m_Italic = add(format, rep::kItalic, &ReportWindow::SetItalic, QKeySequence::Italic, true);
    m_Underline =
        add(format, rep::kUnderline, &ReportWindow::SetUnderline, QKeySequence::Underline, true);
    for (QAction* style : {m_Bold, m_Italic, m_Underline})
        style->setCheckable(true);
    format->addSeparator();
    m_ToolBar->addSeparator();
    m_Alignments = new QActionGroup(this);
    const std::pair<Text, Qt::Alignment> alignments[] = {{rep::kAlignLeft, Qt::AlignLeft},
                                                         {rep::kAlignCentre, Qt::AlignHCenter},
                                                         {rep::kAlignRight, Qt::AlignRight}};
    for (const auto& [text, alignment] : alignments) {
        QAction* action = add(
            format, text, [this, a = alignment] { SetAlignment(a); }, {}, true);
        action->setCheckable(true);
        action->setData(static_cast<int>(alignment));
        m_Alignments->addAction(action);
    }
    format->addSeparator();
    add(format, rep::kPageSetup, &ReportWindow::PageSetup);

    m_Menus = {file, edit, format};
}

void ReportWindow::UpdateTitle() {
    setWindowTitle(QFileInfo(m_Name).fileName() + "[*]");
    setWindowModified(IsModified());
    emit TitleChanged();
}

void ReportWindow::SetName(const QString& name) {
    m_Name = name;
    UpdateTitle();
}

void ReportWindow::ShowFormat(const QTextCharFormat& format) {
    m_Bold->setChecked(format.fontWeight() >= QFont::DemiBold);
    m_Italic->setChecked(format.fontItalic());
    m_Underline->setChecked(format.fontUnderline());
}

void ReportWindow::ShowAlignment() {
    const Qt::Alignment shown = m_Edit->alignment() & Qt::AlignHorizontal_Mask;
    for (QAction* action : m_Alignments->actions())
        if (Qt::Alignment(action->data().toInt()) & shown)
            action->setChecked(true);
}

bool ReportWindow::AppendReport(const std::string& rtf, const QString& name) {
    const Result<RtfContent> content = ParseRtf(rtf);
    if (!content.ok()) {
        m_Prompter.Inform(Tr(rep::kOutputFailed), Prompter::Icon::Error);
        return false;
    }
    QTextDocument* document = m_Edit->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    // A report that starts the window afresh is a new document under the chromatogram's
    // name, to be saved wherever the operator chooses.
    if (document->isEmpty() || m_Prompter.Confirm(Tr(rep::kClearQuestion))) {
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        cursor.setBlockFormat({});
        m_Path.clear();
        SetName(name);
    }
    cursor.movePosition(QTextCursor::End);
    InsertRtfContent(cursor, content.value());
    cursor.endEditBlock();
    m_Edit->setTextCursor(cursor);
    m_Edit->ensureCursorVisible();
    return true;
}

bool ReportWindow::Open(const QString& path) {
    const Result<RtfContent> content = ReadRtfFile(path.toStdString());
    if (!content.ok()) {
        m_Prompter.Inform(content.error(), Prompter::Icon::Error);
        return false;
    }
    // A file opened is where undo starts.
    QTextDocument* document = m_Edit->document();
    document->setUndoRedoEnabled(false);
    document->clear();
    QTextCursor cursor(document);
    InsertRtfContent(cursor, content.value());
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    m_Edit->moveCursor(QTextCursor::Start);
    m_Path = path;
    SetName(path);
    return true;
}

bool ReportWindow::SaveTo(const QString& path) {
    RtfContent content = ContentOfDocument(*m_Edit->document());
    content.page.margins = m_Margins;
    const std::string rtf = RtfOf(content);
    const Status saved = WriteArchiveFileAtomically(path.toStdString(),
                                                    [&](ArchiveWriter& ar) { ar.WriteBytes(rtf); });
    if (!saved.ok()) {
        m_Prompter.Inform(saved.error(), Prompter::Icon::Error);
        return false;
    }
    m_Path = path;
    m_Name = path;
    m_Edit->document()->setModified(false);
    UpdateTitle();
    return true;
}

bool ReportWindow::Save() {
    return m_Path.isEmpty() ? SaveAs() : SaveTo(m_Path);
}

bool ReportWindow::SaveAs() {
    const QString proposed = m_Path.isEmpty() ? m_Name + ".Tze" : m_Path;
    const QString path =
        QFileDialog::getSaveFileName(this, T(rep::kSaveTitle), proposed, T(rep::kFilter));
    if (path.isEmpty())
        return false;
    return SaveTo(QFileInfo(path).suffix().isEmpty() ? path + ".Tze" : path);
}

bool ReportWindow::MaybeSave() {
    if (!IsModified())
        return true;
    const std::string question =
        Format(Tr(rep::kSaveQuestion), QFileInfo(m_Name).fileName().toStdString().c_str());
    return !m_Prompter.Confirm(question) || Save();
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    if (MaybeSave())
        event->accept();
    else
        event->ignore();
}

void ReportWindow::AskOpen() {
    if (!MaybeSave())
        return;
    const QString folder = m_Path.isEmpty() ? QString() : QFileInfo(m_Path).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(this, T(rep::kOpenTitle), folder, T(rep::kFilter));
    if (!path.isEmpty())
        Open(path);
}

void ReportWindow::Print() {
    // Without a printer the print box would offer nothing to print on.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        m_Prompter.Inform(Tr(rep::kNoPrinter), Prompter::Icon::Warning);
        return;
    }
    m_Printer->setDocName(QFileInfo(m_Name).fileName());
    QPrintDialog dialog(m_Printer.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        PrintRichText(*m_Edit->document(), m_Margins, *m_Printer);
}

void ReportWindow::PrintPreview() {
    QPrintPreviewDialog preview(m_Printer.get(), this);
    preview.setWindowTitle(T(rep::kPreviewTitle));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintRichText(*m_Edit->document(), m_Margins, *printer); });
    preview.exec();
}

void ReportWindow::PrintSetup() {
    QPageSetupDialog dialog(m_Printer.get(), this);
    dialog.exec();
}

void ReportWindow::PageSetup() {
    PageMarginsDialog dialog(m_Margins, this);
    if (dialog.exec() == QDialog::Accepted)
        m_Margins = dialog.Twips();
}

void ReportWindow::MergeFormat(const QTextCharFormat& format) {
    m_Edit->mergeCurrentCharFormat(format);
    m_Edit->setFocus();
}

void ReportWindow::ChooseFont() {
    bool chosen = false;
    const QFont font =
        QFontDialog::getFont(&chosen, m_Edit->currentCharFormat().font(), this, T(rep::kFontTitle));
    if (!chosen)
        return;
    QTextCharFormat format;
    format.setFontFamilies({font.family()});
    format.setFontPointSize(font.pointSizeF());
    format.setFontWeight(font.weight());
    format.setFontItalic(font.italic());
    format.setFontUnderline(font.underline());
    format.setFontStrikeOut(font.strikeOut());
    MergeFormat(format);
}

void ReportWindow::SetBold(bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    MergeFormat(format);
}

void ReportWindow::SetItalic(bool italic) {
    QTextCharFormat format;
    format.setFontItalic(italic);
    MergeFormat(format);
}

void ReportWindow::SetUnderline(bool underline) {
    QTextCharFormat format;
    format.setFontUnderline(underline);
    MergeFormat(format);
}

void ReportWindow::SetAlignment(Qt::Alignment alignment) {
    m_Edit->setAlignment(alignment);
    ShowAlignment();
}

FindReplaceDialog* ReportWindow::Finder() {
    if (!m_Finder) {
        m_Finder = new FindReplaceDialog(this);
        const auto take = [this] { SetSearch(m_Finder->What(), m_Finder->Flags()); };
        connect(m_Finder, &FindReplaceDialog::FindNextClicked, this, [this, take] {
            take();
            FindNext();
        });
        connect(m_Finder, &FindReplaceDialog::ReplaceClicked, this, [this, take] {
            take();
            ReplaceNext(m_Finder->With());
        });
        connect(m_Finder, &FindReplaceDialog::ReplaceAllClicked, this, [this, take] {
            take();
            ReplaceAll(m_Finder->With());
        });
    }
    return m_Finder;
}

void ReportWindow::ShowFind() {
    Finder()->ShowFor(false, m_Edit->textCursor().selectedText());
}

void ReportWindow::ShowReplace() {
    Finder()->ShowFor(true, m_Edit->textCursor().selectedText());
}

void ReportWindow::SetSearch(const QString& what, QTextDocument::FindFlags flags) {
    m_Search = what;
    m_SearchFlags = flags & ~QTextDocument::FindBackward;
}

bool ReportWindow::FindNext() {
    if (m_Search.isEmpty()) {
        ShowFind();
        return false;
    }
    const QTextDocument* document = m_Edit->document();
    QTextCursor found = document->find(m_Search, m_Edit->textCursor(), m_SearchFlags);
    if (found.isNull())
        found = document->find(m_Search, 0, m_SearchFlags);
    if (found.isNull()) {
        m_Prompter.Inform(Format(Tr(rep::kNotFound), m_Search.toStdString().c_str()),
                          Prompter::Icon::Information);
        return false;
    }
    m_Edit->setTextCursor(found);
    return true;
}

bool ReportWindow::ReplaceNext(const QString& with) {
    QTextCursor cursor = m_Edit->textCursor();
    if (cursor.hasSelection()) {
        // The selection is a match when a search from its start finds just it.
        QTextCursor from(m_Edit->document());
        from.setPosition(cursor.selectionStart());
        const QTextCursor match = m_Edit->document()->find(m_Search, from, m_SearchFlags);
        if (!match.isNull() && match.selectionStart() == cursor.selectionStart() &&
            match.selectionEnd() == cursor.selectionEnd()) {
            cursor.insertText(with);
            m_Edit->setTextCursor(cursor);
        }
    }
    return FindNext();
}

int ReportWindow::ReplaceAll(const QString& with) {
    if (m_Search.isEmpty())
        return 0;
    QTextDocument* document = m_Edit->document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    int count = 0;
    for (QTextCursor found = document->find(m_Search, 0, m_SearchFlags); !found.isNull();
         found = document->find(m_Search, found, m_SearchFlags)) {
        found.insertText(with);
        ++count;
    }
    edit.endEditBlock();
    if (count == 0)
        m_Prompter.Inform(Format(Tr(rep::kNotFound), m_Search.toStdString().c_str()),
                          Prompter::Icon::Information);
    return count;
}

void ReportWindow::Exit() {
    // In the workspace the frame closes, which asks the window first.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

}  // namespace lx
