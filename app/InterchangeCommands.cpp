#include "app/InterchangeCommands.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "app/AppTexts.h"
#include "app/TextImportDialog.h"
#include "core/FileIo.h"
#include "core/TzdFile.h"
#include "interchange/andi/AndiExport.h"
#include "interchange/andi/AndiImport.h"
#include "interchange/tables/DelimitedTable.h"
#include "interchange/tables/SignalImport.h"
#include "interchange/tables/SummaryTable.h"
#include "interchange/tables/XlsxTable.h"
#include "peaks/Integration.h"
#include "quant/workflow/ProjectRecords.h"
#include "ui/AnalysisWindow.h"
#include "ui/Widgets.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

QString WithSuffix(const QString& path, const char* suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

}  // namespace

InterchangeCommands::InterchangeCommands(std::function<AnalysisWindow*()> active,
                                         std::function<void(std::unique_ptr<CTzLabDoc>)> show,
                                         Prompter& prompter, QWidget* parent)
    : QObject(parent),
      m_Active(std::move(active)),
      m_Show(std::move(show)),
      m_Prompter(prompter),
      m_Parent(parent) {
    m_ExportAndi = new QAction(T(app::kExportAndi), this);
    connect(m_ExportAndi, &QAction::triggered, this, [this] { ExportAndi(); });
    auto* importAndi = new QAction(T(app::kImportAndi), this);
    connect(importAndi, &QAction::triggered, this, [this] { ImportAndi(); });
    auto* importText = new QAction(T(app::kImportText), this);
    connect(importText, &QAction::triggered, this, [this] { ImportText(); });
    m_Imports = {importAndi, importText};
    m_Summary = new QAction(T(app::kSummary), this);
    connect(m_Summary, &QAction::triggered, this, [this] { SummarizeSamples(); });
    for (QAction* action : m_Imports + QList<QAction*>{m_ExportAndi, m_Summary})
        action->setObjectName(CommandName(action->text()));
}

void InterchangeCommands::ExportAndi(const QString& given) {
    AnalysisWindow* window = m_Active();
    if (!window)
        return;
    QString path = given;
    if (path.isEmpty()) {
        const QString proposed =
            window->Path().isEmpty() ? QString() : window->Path().section('.', 0, -2) + ".cdf";
        path = QFileDialog::getSaveFileName(m_Parent, T(app::kExportAndi), proposed,
                                            T(app::kAndiFilter));
        if (path.isEmpty())
            return;
        path = WithSuffix(path, ".cdf");
    }
    if (Status written = ExportAndiFile(window->Document(), path.toStdString()); !written.ok())
        m_Prompter.Inform(written.error(), Prompter::Icon::Error);
}

void InterchangeCommands::ImportAndi(const QString& given) {
    const QString path = given.isEmpty()
                             ? QFileDialog::getOpenFileName(m_Parent, T(app::kImportAndi),
                                                            QString(), T(app::kAndiFilter))
                             : given;
    if (path.isEmpty())
        return;
    AndiImportOptions options;
    options.keepPeaks = m_Prompter.Confirm(Tr(app::kKeepAndiPeaks));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Result<CTzLabDoc> imported = ImportAndiFile(path.toStdString(), options, m_Prompter);
    QApplication::restoreOverrideCursor();
    if (!imported.ok()) {
        m_Prompter.Inform(imported.error(), Prompter::Icon::Error);
        return;
    }
    m_Show(std::make_unique<CTzLabDoc>(std::move(imported.value())));
}

void InterchangeCommands::ImportText(const QString& given) {
    const QString path = given.isEmpty()
                             ? QFileDialog::getOpenFileName(m_Parent, T(app::kImportText),
                                                            QString(), T(app::kTextSignalFilter))
                             : given;
    if (path.isEmpty())
        return;
    TextImportDialog dialog(m_Parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SignalImport read = ImportSignalText(path.toStdString(), dialog.Options());
    QApplication::restoreOverrideCursor();
    if (!read.m_Signal) {
        m_Prompter.Inform(read.m_Error, Prompter::Icon::Error);
        return;
    }
    m_Show(
        std::make_unique<CTzLabDoc>(ImportedChromatogram(std::move(*read.m_Signal), m_Prompter)));
}

void InterchangeCommands::SummarizeSamples(const QString& given) {
    const CPrjDoc* open = m_CurrentProject ? m_CurrentProject() : nullptr;
    if (!open)
        return;
    QString path = given;
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(m_Parent, T(app::kSummary), QString(),
                                            T(app::kSummaryFilter));
        if (path.isEmpty())
            return;
        path = WithSuffix(path, ".xlsx");
    }
    // Quantified by a copy: integrating a project's sample files its peaks in the project, and
    // a table asked for must not change the method.
    CPrjDoc project = *open;
    std::vector<SummaryRun> runs;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const CPrjFileRecord& record : project.m_Samples) {
        const std::string file = RecordFilePath(project, record);
        Result<CTzLabDoc> run = LoadTzdFile(file);
        if (!run.ok()) {
            QApplication::restoreOverrideCursor();
            m_Prompter.Inform(run.error(), Prompter::Icon::Error);
            return;
        }
        run->m_Project = &project;
        IntegrateAndQuantify(run.value(), m_Prompter);
        runs.push_back(SummaryRunOf(run.value(), file, &project));
    }
    const SummaryTable table = BuildSummaryTable(runs, &project);
    Result<std::string> bytes = QFileInfo(path).suffix().compare("csv", Qt::CaseInsensitive) == 0
                                    ? Result<std::string>(SummaryCsv(table))
                                    : SummaryXlsx(table);
    QApplication::restoreOverrideCursor();
    Status written = bytes.ok() ? WriteArchiveFileAtomically(
                                      path.toStdString(),
                                      [&](ArchiveWriter& out) { out.WriteBytes(bytes.value()); })
                                : Status::Failure(bytes.error());
    if (!written.ok())
        m_Prompter.Inform(written.error(), Prompter::Icon::Error);
}

}  // namespace lx
