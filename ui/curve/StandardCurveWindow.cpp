#include "ui/curve/StandardCurveWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/Format.h"
#include "quant/QuantTexts.h"
#include "quant/views/CalibrationRows.h"
#include "ui/UiTexts.h"
#include "ui/curve/CurveFontsDialog.h"
#include "ui/curve/CurveRangeDialog.h"
#include "ui/curve/CurveTexts.h"
#include "ui/curve/CurveWidget.h"
#include "ui/project/ProjectUndo.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

// The bar's first size, as the workstation docked it.
constexpr int kResultBarWidth = 190;
constexpr int kResultBarHeight = 130;

}  // namespace

StandardCurveWindow::StandardCurveWindow(ProjectSession& session, Prompter& prompter,
                                         QWidget* parent)
    : QWidget(parent),
      m_Session(session),
      m_Prompter(prompter),
      m_TitleFont(session.Project().m_PrintSettings.titleFont),
      m_BodyFont(session.Project().m_PrintSettings.bodyFont),
      m_ComponentBox(new QComboBox),
      m_Plot(new CurveWidget),
      m_ResultList(new QListWidget) {
    setWindowTitle(T(texts::kNodeCurve));
    setAccessibleName(T(texts::kNodeCurve));

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(LabelFor(curve::kComponent, m_ComponentBox));
    chooser->addWidget(m_ComponentBox, 1);
    chooser->addStretch(2);

    auto* bar = new QGroupBox(T(curve::kResultBar));
    bar->setAccessibleName(T(curve::kResultBar));
    auto* barLayout = new QVBoxLayout(bar);
    barLayout->addWidget(m_ResultList);
    NameControl(m_ResultList, curve::kResultBar);
    bar->resize(kResultBarWidth, kResultBarHeight);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_Plot);
    splitter->addWidget(bar);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({m_Plot->sizeHint().height(), kResultBarHeight});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooser);
    layout->addWidget(splitter, 1);

    BuildCommands();
    FillComponents();
    SetComponent(0);
    connect(m_ComponentBox, &QComboBox::currentIndexChanged, this,
            [this](int row) { SetComponent(row); });
    connect(&m_Session.Undo(), &QUndoStack::indexChanged, this, &StandardCurveWindow::Refresh);
}

void StandardCurveWindow::BuildCommands() {
    m_ToolBar = new QToolBar(T(texts::kNodeCurve), this);
    m_ToolBar->setObjectName("curveBar");
    // Shown by the main window once it takes the bar in; until then it would sit over the
    // window's own top left corner.
    m_ToolBar->hide();
    auto* menu = new QMenu(T(curve::kMenu), this);
    const auto add = [&](const Text& text, void (StandardCurveWindow::*command)(), bool onBar) {
        QAction* action = menu->addAction(T(text), this, command);
        action->setObjectName(QString::fromUtf8(text.zh));
        if (onBar)
            m_ToolBar->addAction(action);
    };
    add(ui::kFitted, &StandardCurveWindow::AutoFit, true);
    add(ui::kCoordinates, &StandardCurveWindow::AskRange, true);
    menu->addSeparator();
    add(ui::kCopyPicture, &StandardCurveWindow::CopyPicture, true);
    add(ui::kParameters, &StandardCurveWindow::EditParameters, true);
    menu->addSeparator();
    m_ToolBar->addSeparator();
    add(curve::kPrint, &StandardCurveWindow::Print, true);
    add(curve::kPrintPreview, &StandardCurveWindow::PrintPreview, false);
    add(ui::kExportPdf, &StandardCurveWindow::ExportPdf, true);
    m_Menus = {menu};
}

void StandardCurveWindow::FillComponents() {
    const QSignalBlocker quiet(m_ComponentBox);
    m_ComponentBox->clear();
    for (const CComponentItem& c : m_Session.Project().m_Components)
        m_ComponentBox->addItem(Q(c.m_Name), c.m_Id);
}

void StandardCurveWindow::SetComponent(int row) {
    const CPrjDoc& project = m_Session.Project();
    if (!project.ComponentAt(row)) {
        if (!project.m_Components.empty())
            return;
        row = -1;
    }
    m_Row = row;
    m_RangeTyped = false;
    m_Range = AutoCurveRange(project, row);
    const QSignalBlocker quiet(m_ComponentBox);
    m_ComponentBox->setCurrentIndex(row);
    ShowCurve();
}

void StandardCurveWindow::Refresh() {
    const QVariant shown = m_ComponentBox->itemData(m_Row);
    FillComponents();
    const int found = shown.isValid() ? m_Session.Project().FindComponent(shown.toInt()) : -1;
    if (found < 0 || !m_RangeTyped) {
        SetComponent(std::max(found, 0));
        return;
    }
    m_Row = found;
    const QSignalBlocker quiet(m_ComponentBox);
    m_ComponentBox->setCurrentIndex(found);
    ShowCurve();
}

void StandardCurveWindow::ShowCurve() {
    const CPrjDoc& project = m_Session.Project();
    m_Plot->SetPicture({&project, m_Row, m_Range, CurveFont()});
    m_ResultList->clear();
    const CComponentItem* c = project.ComponentAt(m_Row);
    if (!c)
        return;
    for (const std::string& line : StandardCurveReport(project, m_Row))
        m_ResultList->addItem(Q(line));
    for (const CurvePoint& m : StandardCurveMarkers(project, m_Row))
        m_ResultList->addItem(
            Q(Format(Tr(curve::kPointRow), CurveXLabel(m.x).c_str(), CurveYLabel(m.y).c_str())));
}

bool StandardCurveWindow::SetRange(const CurveRange& range) {
    if (!IsDrawable(range)) {
        m_Prompter.Inform(Tr(curve::kBadRange), Prompter::Icon::Warning);
        return false;
    }
    m_Range = range;
    m_RangeTyped = true;
    ShowCurve();
    return true;
}

CurveReportRequest StandardCurveWindow::ReportRequest() const {
    CurveReportRequest request;
    request.picture = m_Plot->Picture();
    request.titleFont = m_TitleFont;
    request.bodyFont = m_BodyFont;
    return request;
}

void StandardCurveWindow::AutoFit() {
    SetComponent(m_Row);
}

void StandardCurveWindow::AskRange() {
    CurveRangeDialog dialog(m_Range, this);
    if (dialog.exec() == QDialog::Accepted)
        SetRange(dialog.Range());
}

void StandardCurveWindow::CopyPicture() {
    QApplication::clipboard()->setImage(RenderCurveImage(m_Plot->Picture(), m_Plot->size()));
}

void StandardCurveWindow::EditParameters() {
    CurveFontsDialog dialog(m_TitleFont, m_BodyFont, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_TitleFont = dialog.TitleFont();
    m_BodyFont = dialog.BodyFont();
}

void StandardCurveWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(T(texts::kNodeCurve));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PaintCurveReport(ReportRequest(), printer);
}

void StandardCurveWindow::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(T(ui::kPrintPreviewTitle));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* device) { PaintCurveReport(ReportRequest(), *device); });
    preview.exec();
}

void StandardCurveWindow::ExportPdf() {
    const CPrjDoc& project = m_Session.Project();
    const QString folder = project.m_PathName.empty()
                               ? QString()
                               : QFileInfo(Q(project.m_PathName)).absolutePath() + "/";
    const QString path = QFileDialog::getSaveFileName(
        this, T(ui::kExportPdfTitle), folder + T(texts::kNodeCurve) + ".pdf", T(ui::kPdfFilter));
    if (!path.isEmpty())
        ExportPdfTo(path);
}

bool StandardCurveWindow::ExportPdfTo(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status written = WriteCurveReportPdf(ReportRequest(), S(path));
    QApplication::restoreOverrideCursor();
    if (!written.ok())
        m_Prompter.Inform(written.error(), Prompter::Icon::Error);
    return written.ok();
}

}  // namespace lx
