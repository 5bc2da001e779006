#include "ui/AnalysisWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/Format.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "process/TextExport.h"
#include "report/PdfReport.h"
#include "report/PictureExport.h"
#include "report/ReportPicture.h"
#include "report/ResultTable.h"
#include "report/ResultTableModel.h"
#include "report/TextReport.h"
#include "ui/PlotDialogs.h"
#include "ui/PlotWidget.h"
#include "ui/UiTexts.h"
#include "ui/Widgets.h"
#include "ui/components/ComponentCommands.h"
#include "ui/edit/AnalysisOverlays.h"
#include "ui/edit/ChromatogramEdit.h"
#include "ui/edit/PeakEditCommands.h"
#include "ui/edit/PeakEditTool.h"
#include "ui/overlays/OverlayCommands.h"
#include "ui/overlays/OverlayPanel.h"
#include "ui/project/ProjectUndo.h"
#include "ui/sheets/ParameterSheet.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

// The picture's size on the clipboard and in the BMP file: the plot as the window shows it.
QSize PictureSize(const PlotWidget& plot) {
    return plot.size().expandedTo({400, 300});
}

}  // namespace

AnalysisWindow::AnalysisWindow(std::unique_ptr<CTzLabDoc> doc, const DisplaySettings& settings,
                               Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_Doc(std::move(doc)), m_Settings(settings), m_Prompter(prompter) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_Undo = new QUndoStack(this);
    m_Plot = new PlotWidget;
    m_PeakEdits = new PeakEditCommands(*m_Plot, *m_Doc, *m_Undo, m_Prompter, this);
    connect(m_PeakEdits, &PeakEditCommands::PeaksChanged, this, &AnalysisWindow::Refresh);
    // The integration commands at hand where the operator is working: a right click on the plot.
    m_Plot->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_Plot, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { m_PeakEdits->Menu()->popup(m_Plot->mapToGlobal(at)); });
    connect(m_PeakEdits, &PeakEditCommands::SelectionChanged, this, [this] {
        m_Table->selectRow(m_Model->RowOf(m_Doc->m_SelectedPeak));
        m_Plot->Redraw();
    });
    m_Overlays = new AnalysisOverlays(*m_Doc, *m_Plot, *m_Undo, m_Prompter, this);
    connect(&m_PeakEdits->Tool(), &PeakEditTool::LineLaid, m_Overlays, &AnalysisOverlays::LayLine);
    connect(m_Overlays, &AnalysisOverlays::UndoAboutToClear, this,
            [this] { m_Unsaved = IsModified(); });
    // Undo and redo put another chromatogram state in place: show it.
    connect(m_Undo, &QUndoStack::indexChanged, this, &AnalysisWindow::Refresh);
    connect(m_Undo, &QUndoStack::cleanChanged, this, &AnalysisWindow::UpdateTitle);
    m_Model = new ResultTableModel(this);
    m_Table = new QTableView;
    m_Table->setModel(m_Model);
    m_Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Table->verticalHeader()->hide();
    m_Table->setAccessibleName(T(ui::kResultTableName));
    connect(m_Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { SelectRow(current.row()); });
    connect(m_Plot, &PlotWidget::CursorMoved, this, &AnalysisWindow::CursorMoved);

    // The overlay list sits beside the plot, shown once a second chromatogram joins.
    auto* plotRow = new QSplitter(Qt::Horizontal);
    plotRow->addWidget(m_Plot);
    plotRow->addWidget(m_Overlays->Panel());
    plotRow->setStretchFactor(0, 4);
    plotRow->setStretchFactor(1, 1);
    plotRow->setChildrenCollapsible(false);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(plotRow);
    splitter->addWidget(m_Table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({600, 200});
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    BuildCommands();
    m_Plot->SetSettings(m_Settings);
    m_Overlays->SetOwnColour(m_Settings.trace);
    m_Plot->SetDocument(m_Doc.get());
    RefreshTable();
    setWindowTitle(QString::fromStdString(FileName()));
}

AnalysisWindow::~AnalysisWindow() {
    qDeleteAll(m_Menus);
}

QString AnalysisWindow::Path() const {
    return QString::fromStdString(m_Doc->m_PathName);
}

bool AnalysisWindow::IsModified() const {
    return m_Unsaved || !m_Undo->isClean();
}

void AnalysisWindow::SetModified(bool modified) {
    m_Unsaved = modified;
    if (!modified)
        m_Undo->setClean();
    UpdateTitle();
}

void AnalysisWindow::UpdateTitle() {
    const bool modified = IsModified();
    setWindowModified(modified);
    setWindowTitle(QString::fromStdString(FileName()) + (modified ? "[*]" : ""));
    emit TitleChanged();
}

std::string AnalysisWindow::FileName() const {
    if (m_Doc->m_PathName.empty())
        return Tr(ui::kUntitled);
    return QFileInfo(Path()).fileName().toStdString();
}

std::string AnalysisWindow::DefaultFolder() const {
    return m_Doc->m_PathName.empty() ? std::string()
                                     : QFileInfo(Path()).absolutePath().toStdString();
}

void AnalysisWindow::BuildCommands() {
    m_PlotBar = new QToolBar(T(ui::kPlotBarTitle), this);
    m_PlotBar->setObjectName("plotBar");
    struct ZoomCommand {
        Text text;
        PlotCommand command;
    };
    static constexpr ZoomCommand kZooms[] = {
        {ui::kZoomIn, PlotCommand::ZoomIn},         {ui::kZoomOut, PlotCommand::ZoomOut},
        {ui::kZoomTimeIn, PlotCommand::ZoomTimeIn}, {ui::kZoomTimeOut, PlotCommand::ZoomTimeOut},
        {ui::kPanLeft, PlotCommand::PanLeft},       {ui::kPanRight, PlotCommand::PanRight},
        {ui::kPanDown, PlotCommand::PanDown},       {ui::kPanUp, PlotCommand::PanUp},
    };
    auto* view = new QMenu(T(ui::kPlotMenu));
    for (const ZoomCommand& zoom : kZooms) {
        QAction* action =
            view->addAction(T(zoom.text), this, [this, c = zoom.command] { Zoom(int(c)); });
        m_PlotBar->addAction(action);
    }
    view->addSeparator();
    m_PlotBar->addSeparator();
    m_PlotBar->addAction(view->addAction(T(ui::kFitted), this, &AnalysisWindow::ToggleFitted));
    m_PlotBar->addAction(
        view->addAction(T(ui::kCoordinates), this, &AnalysisWindow::AskCoordinates));

    auto* chromatogram = new QMenu(T(ui::kChromatogramMenu));
    chromatogram->addAction(T(ui::kPeakDetect), this, &AnalysisWindow::AskPeakDetect);
    chromatogram->addAction(T(ui::kParameters), this, &AnalysisWindow::EditParameters);
    chromatogram->addSeparator();
    m_ComponentCommands = {
        chromatogram->addAction(T(ui::kAddComponent), this, &AnalysisWindow::AddComponent),
        chromatogram->addAction(T(ui::kDeleteComponent), this, &AnalysisWindow::DeleteComponent),
        chromatogram->addAction(T(ui::kExportComponents), this, &AnalysisWindow::ExportComponents),
    };
    m_ReferenceCommands = {
        chromatogram->addAction(T(ui::kReferenceOfThis), this, &AnalysisWindow::SetReferenceOfThis),
        chromatogram->addAction(T(ui::kReferenceOfAll), this, &AnalysisWindow::SetReferenceOfAll),
    };
    connect(chromatogram, &QMenu::aboutToShow, this, &AnalysisWindow::UpdateProjectCommands);
    chromatogram->addSeparator();
    chromatogram->addAction(T(ui::kCopyData), this, &AnalysisWindow::CopyData);
    chromatogram->addAction(T(ui::kCopyPicture), this, &AnalysisWindow::CopyPicture);
    chromatogram->addAction(T(ui::kPictureToBmp), this, &AnalysisWindow::SavePictureBmp);

    auto* data = new QMenu(T(ui::kDataMenu));
    data->addActions(m_Overlays->Commands().Actions());
    data->addActions(m_PeakEdits->OverlayModes());
    data->addSeparator();
    data->addAction(T(ui::kOutputReport), this, &AnalysisWindow::OutputReport);
    data->addAction(T(ui::kTextFile), this, &AnalysisWindow::ExportText);
    data->addAction(T(ui::kExportPdf), this, &AnalysisWindow::ExportPdf);

    m_Menus = {chromatogram, m_PeakEdits->Menu(), data, view};
    for (QMenu* menu : m_Menus)
        for (QAction* action : menu->actions())
            action->setObjectName(CommandName(action->text()));
}

ProjectSession* AnalysisWindow::Session() const {
    return m_SessionOf && m_Doc->m_Project ? m_SessionOf(m_Doc->m_Project) : nullptr;
}

void AnalysisWindow::UpdateProjectCommands() {
    const ProjectSession* session = Session();
    for (QAction* action : m_ComponentCommands)
        action->setEnabled(session && ComponentCommandsEnabled(session->Project()));
    for (QAction* action : m_ReferenceCommands)
        action->setEnabled(session && ReferencePeakCommandsEnabled(session->Project()));
}

void AnalysisWindow::Reidentify() {
    m_Doc->m_Project->IdentifyPeaks(*m_Doc);
    Refresh();
}

void AnalysisWindow::AddComponent() {
    if (ProjectSession* session = Session();
        session && AddComponentFromPeak(*session, *m_Doc, m_Doc->m_SelectedPeak, this))
        Reidentify();
}

void AnalysisWindow::DeleteComponent() {
    if (ProjectSession* session = Session();
        session && DeleteComponentOfPeak(*session, *m_Doc, m_Doc->m_SelectedPeak, m_Prompter))
        Reidentify();
}

void AnalysisWindow::ExportComponents() {
    if (ProjectSession* session = Session();
        session && AddComponentsForAllPeaks(*session, *m_Doc, m_Prompter) > 0)
        Reidentify();
}

void AnalysisWindow::SetReferenceOfThis() {
    if (ProjectSession* session = Session())
        SetReferencePeakOfChromatogram(*session, *m_Doc, m_Doc->m_SelectedPeak, m_Prompter, this);
}

void AnalysisWindow::SetReferenceOfAll() {
    if (ProjectSession* session = Session())
        SetReferencePeakOfAllStandards(*session, *m_Doc, m_Doc->m_SelectedPeak, m_Prompter, this);
}

void AnalysisWindow::ApplySettings() {
    m_Plot->SetSettings(m_Settings);
    m_Overlays->SetOwnColour(m_Settings.trace);
    RefreshTable();
}

void AnalysisWindow::RefreshTable() {
    TableOptions options;
    options.columns = m_Settings.screenColumns;
    options.viewAllPeaks = m_Settings.viewAllPeaks;
    options.quantified = IsQuantified(*m_Doc);
    m_Model->Refresh(m_Doc->m_Peaks, options);
    m_Table->resizeColumnsToContents();
    const int row = m_Model->RowOf(m_Doc->m_SelectedPeak);
    if (row >= 0)
        m_Table->selectRow(row);
}

void AnalysisWindow::Refresh() {
    RefreshTable();
    m_Plot->Redraw();
}

void AnalysisWindow::SelectRow(int row) {
    const int peak = m_Model->PeakAt(row);
    if (peak == m_Doc->m_SelectedPeak)
        return;
    m_Doc->m_SelectedPeak = peak;
    m_Plot->Redraw();
}

void AnalysisWindow::Zoom(int plotCommand) {
    m_Plot->Apply(PlotCommand(plotCommand));
}

void AnalysisWindow::ToggleFitted() {
    m_Plot->ToggleFitted();
}

void AnalysisWindow::AskCoordinates() {
    CoordinateDialog dialog(m_Plot->View(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_Plot->SetCoordinates(dialog.TimeMin(), dialog.TimeMax(), dialog.MvMin(), dialog.MvMax());
    // The typed range is kept with the chromatogram, so it is a change to save.
    ChromatogramEdit step(*m_Undo, *m_Doc, CommandName(T(ui::kCoordinates)));
    StoreDisplayRange(m_Plot->View(), *m_Doc);
    step.Commit();
}

void AnalysisWindow::AskPeakDetect() {
    PeakDetectDialog dialog(*m_Doc, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.Store(*m_Doc);
    Reintegrate();
}

void AnalysisWindow::Reintegrate() {
    ProjectSession* session = Session();
    std::optional<ProjectEdit> projectStep;
    if (session)
        projectStep.emplace(*session, T(ui::kStepProcessChromatogram));
    ChromatogramEdit step(*m_Undo, *m_Doc, T(ui::kStepProcessChromatogram));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    IntegrateAndQuantify(*m_Doc, m_Prompter);
    QApplication::restoreOverrideCursor();
    if (projectStep)
        projectStep->Commit();
    step.Commit();
    Refresh();
}

void AnalysisWindow::EditParameters() {
    ChromatogramEdit step(*m_Undo, *m_Doc, CommandName(T(ui::kParameters)));
    // The chromatogram's sheet offers no template import; its own settings stand in.
    ParameterSheet sheet(*m_Doc, SheetKind::Chromatogram, m_Prompter, m_Doc->m_PrintSettings, this);
    if (m_ParameterBuffer)
        sheet.EnableTemplateExchange(dynamic_cast<const CPrjDoc*>(m_Doc->m_Project),
                                     *m_ParameterBuffer);
    if (sheet.exec() != QDialog::Accepted)
        return;
    step.Commit();
    Refresh();
}

bool AnalysisWindow::Save() {
    if (m_Doc->m_PathName.empty())
        return SaveAs();
    if (Status saved = SaveTzdFile(*m_Doc, m_Doc->m_PathName); !saved.ok()) {
        m_Prompter.Inform(saved.error(), Prompter::Icon::Error);
        return false;
    }
    SetModified(false);
    return true;
}

bool AnalysisWindow::SaveAs() {
    const QString path = QFileDialog::getSaveFileName(
        this, T(ui::kSaveChromatogramTitle), m_Doc->m_PathName.empty() ? QString() : Path(),
        T(ui::kTzdFilter));
    if (path.isEmpty())
        return false;
    const QString withSuffix = QFileInfo(path).suffix().isEmpty() ? path + ".Tzd" : path;
    if (Status saved = SaveTzdFile(*m_Doc, withSuffix.toStdString()); !saved.ok()) {
        m_Prompter.Inform(saved.error(), Prompter::Icon::Error);
        return false;
    }
    SetModified(false);
    return true;
}

bool AnalysisWindow::MaybeSave() {
    if (!IsModified())
        return true;
    const QString question =
        QString::fromStdString(Format(Tr(ui::kSaveChangesQuestion), FileName().c_str()));
    const auto answer = QMessageBox::question(
        this, QApplication::applicationDisplayName(), question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::No || Save();
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    m_Overlays->Commands().OfferToSaveAll();
    event->accept();
}

// The window's chromatogram with the overlays it shows: one picture, and the results of each
// listed after its own.
PdfReportRequest AnalysisWindow::ReportRequest() const {
    PdfReportRequest request;
    request.doc = m_Doc.get();
    request.fileName = FileName();
    request.viewAllPeaks = m_Settings.viewAllPeaks;
    const OverlayList& list = m_Overlays->Commands().List();
    for (std::size_t k = 0; k < list.size(); ++k) {
        const Overlay& overlay = list.at(k);
        if (overlay.m_Doc == m_Doc.get())
            continue;
        const QString name = QFileInfo(QString::fromStdString(overlay.m_Path)).fileName();
        request.overlays.push_back({overlay.m_Doc, name.toStdString()});
    }
    request.picture = ReportPictureDrawer(*m_Doc, ShownOverlays());
    return request;
}

std::vector<const CTzLabDoc*> AnalysisWindow::ShownOverlays() const {
    std::vector<const CTzLabDoc*> shown;
    const OverlayList& list = m_Overlays->Commands().List();
    for (std::size_t k = 0; k < list.size(); ++k)
        if (list.at(k).m_Doc != m_Doc.get())
            shown.push_back(list.at(k).m_Doc);
    return shown;
}

void AnalysisWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(FileName()));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PaintReport(ReportRequest(), printer);
}

void AnalysisWindow::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(T(ui::kPrintPreviewTitle));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* device) { PaintReport(ReportRequest(), *device); });
    preview.exec();
}

void AnalysisWindow::ExportPdf() {
    QString proposed = Path();
    proposed = proposed.isEmpty() ? T(ui::kUntitled) : proposed.left(proposed.lastIndexOf('.'));
    const QString path = QFileDialog::getSaveFileName(this, T(ui::kExportPdfTitle),
                                                      proposed + ".pdf", T(ui::kPdfFilter));
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status written = WriteReportPdf(ReportRequest(), path.toStdString());
    QApplication::restoreOverrideCursor();
    if (!written.ok())
        m_Prompter.Inform(written.error(), Prompter::Icon::Error);
}

void AnalysisWindow::ExportText() {
    const QString path =
        QFileDialog::getSaveFileName(this, T(ui::kTextFileTitle), QString(), T(ui::kTextFilter));
    if (path.isEmpty())
        return;
    const QString withSuffix = QFileInfo(path).suffix().isEmpty() ? path + ".txt" : path;
    // A file that cannot be written is left alone without a message, as the workstation
    // always did; the file on disk is never half-written.
    (void)lx::ExportText(*m_Doc, withSuffix.toStdString());
}

void AnalysisWindow::CopyData() {
    TableOptions options;
    options.columns = m_Settings.screenColumns;
    options.viewAllPeaks = m_Settings.viewAllPeaks;
    options.quantified = IsQuantified(*m_Doc);
    QApplication::clipboard()->setText(
        QString::fromStdString(ResultTableText(m_Doc->m_Peaks, options)));
}

void AnalysisWindow::CopyPicture() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::clipboard()->setImage(RenderPlotImage(m_Plot->Picture(), PictureSize(*m_Plot)));
    QApplication::restoreOverrideCursor();
}

void AnalysisWindow::SavePictureBmp() {
    const QString folder = QString::fromStdString(DefaultFolder());
    const QString path = QFileDialog::getSaveFileName(
        this, T(ui::kBmpTitle), folder.isEmpty() ? T(ui::kBmpName) : folder + "/" + T(ui::kBmpName),
        T(ui::kBmpFilter));
    if (path.isEmpty())
        return;
    const QString withSuffix = QFileInfo(path).suffix().isEmpty() ? path + ".bmp" : path;
    const Status saved =
        SaveBmp(RenderPlotImage(m_Plot->Picture(), PictureSize(*m_Plot)), withSuffix.toStdString());
    if (!saved.ok())
        m_Prompter.Inform(saved.error(), Prompter::Icon::Error);
}

void AnalysisWindow::OutputReport() {
    if (!m_ToReport)
        return;
    TextReportRequest request;
    request.doc = m_Doc.get();
    request.fileName = FileName();
    request.viewAllPeaks = m_Settings.viewAllPeaks;
    request.picture = ReportPictureImage(*m_Doc, ShownOverlays());
    // The chromatogram's folder and title, and "_报告".
    const QFileInfo file(Path());
    const QString title = m_Doc->m_PathName.empty()
                              ? QString::fromStdString(FileName())
                              : file.absolutePath() + "/" + file.completeBaseName();
    const QString name = title + T(ui::kReportSuffix);
    m_ToReport(TextReportRtf(request), name);
}

}  // namespace lx
