#include "ui/ChannelWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <QVBoxLayout>

#include "acq/ChannelMethod.h"
#include "core/Format.h"
#include "report/PdfReport.h"
#include "report/ReportPicture.h"
#include "ui/LivePlot.h"
#include "ui/UiTexts.h"
#include "ui/Widgets.h"
#include "ui/sheets/ParameterSheet.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {}  // namespace

ChannelWindow::ChannelWindow(int channel, ChannelContext context, QWidget* parent)
    : QWidget(parent), m_Context(std::move(context)) {
    m_Plot = new LivePlot;
    m_Doc = std::make_unique<CDatDoc>(channel, m_Context.frequency, m_Context.appDir, *this,
                                      *m_Context.prompter);
    m_Plot->SetSettings(*m_Context.display);
    m_Plot->SetSource(&m_Doc->m_Method);
    setWindowTitle(QString::fromStdString(m_Doc->Title()));

    m_TimePane = new QLabel;
    m_ValuePane = new QLabel;
    m_ChannelPane = new QLabel(T(channel == 0 ? ui::kStatusChannelA : ui::kStatusChannelB));
    auto* panes = new QHBoxLayout;
    for (QLabel* pane : {m_TimePane, m_ValuePane, m_ChannelPane}) {
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setMinimumWidth(160);
        panes->addWidget(pane);
    }
    panes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->addWidget(m_Plot, 1);
    layout->addLayout(panes);

    BuildCommands();
    UpdateCommands();
    UpdateStatus();
}

ChannelWindow::~ChannelWindow() {
    delete m_ControlMenu;
}

void ChannelWindow::BuildCommands() {
    m_ControlMenu = new QMenu(T(ui::kControlMenu));
    m_Start = m_ControlMenu->addAction(T(ui::kStartRun), this, &ChannelWindow::StartRun);
    m_Stop = m_ControlMenu->addAction(T(ui::kStopRun), this, &ChannelWindow::StopRun);
    m_Cancel = m_ControlMenu->addAction(T(ui::kCancelRun), this, &ChannelWindow::CancelRun);
    m_Zero = m_ControlMenu->addAction(T(ui::kZeroNext), this, &ChannelWindow::ZeroNext);
    m_ControlMenu->addSeparator();
    m_ControlMenu->addAction(T(ui::kCopyParameters), this, &ChannelWindow::CopyParameters);
    m_ControlMenu->addAction(T(ui::kPasteParameters), this, &ChannelWindow::PasteParameters);
    for (QAction* action : m_ControlMenu->actions())
        action->setObjectName(CommandName(action->text()));

    m_Bar = new QToolBar(T(ui::kChannelBarTitle), this);
    m_Bar->setObjectName("channelBar");
    m_Bar->addAction(m_Start);
    m_Bar->addAction(m_Stop);
    m_Bar->addAction(m_Cancel);
    m_Bar->addSeparator();
    QAction* parameters =
        m_Bar->addAction(T(ui::kChannelParameters), this, &ChannelWindow::EditParameters);
    parameters->setObjectName(T(ui::kChannelParameters));
}

void ChannelWindow::UpdateCommands() {
    const bool running = m_Doc->IsRunning();
    m_Start->setEnabled(!running);
    m_Stop->setEnabled(running);
    m_Cancel->setEnabled(running);
    m_Zero->setEnabled(running);
}

QStringList ChannelWindow::StatusTexts() const {
    return {m_TimePane->text(), m_ValuePane->text(), m_ChannelPane->text()};
}

void ChannelWindow::UpdateStatus() {
    m_TimePane->setText(
        QString::fromStdString(Format(Tr(ui::kStatusTime), m_Doc->CurrentMinutes())));
    m_ValuePane->setText(
        QString::fromStdString(Format(Tr(ui::kStatusValue), long(m_Doc->m_CurrentValue))));
}

void ChannelWindow::SetFrequency(int frequency) {
    m_Context.frequency = frequency;
    m_Doc->SetFrequency(frequency);
}

void ChannelWindow::ApplySettings() {
    m_Plot->SetSettings(*m_Context.display);
}

void ChannelWindow::StartRun() {
    m_Doc->StartRun();
}

void ChannelWindow::StopRun() {
    m_Doc->StopRun();
}

void ChannelWindow::CancelRun() {
    if (m_Doc->CancelRun()) {
        UpdateCommands();
        UpdateStatus();
    }
}

void ChannelWindow::ZeroNext() {
    m_Doc->ZeroNext();
}

void ChannelWindow::CopyParameters() {
    CopyChannelParameters(*m_Doc, *m_Context.clipboard);
}

void ChannelWindow::PasteParameters() {
    if (PasteChannelParameters(*m_Doc, *m_Context.clipboard, *m_Context.prompter))
        m_Plot->Reset();
}

void ChannelWindow::EditParameters() {
    const ChannelSetup before = m_Doc->m_Method.m_ChannelSetup;
    ParameterSheet sheet(m_Doc->m_Method, SheetKind::Channel, *m_Context.prompter,
                         *m_Context.printTemplate, this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    m_Doc->m_Modified = true;
    // The sheet made sure the file reads; the channel takes the baseline it now names.
    const ChannelSetup& after = m_Doc->m_Method.m_ChannelSetup;
    if (after.baselineOn && (!before.baselineOn || after.baselineFile != before.baselineFile))
        m_Doc->LoadBaseline();
    if (!m_Doc->IsRunning())
        m_Plot->Reset();
}

void ChannelWindow::RunStarted() {
    m_Plot->Reset();
    UpdateCommands();
    UpdateStatus();
}

void ChannelWindow::PointAdded(std::int32_t index, std::int32_t value) {
    m_Plot->AddPoint(index, value);
    // The document counts the point after telling us; the panes show it counted.
    m_TimePane->setText(QString::fromStdString(
        Format(Tr(ui::kStatusTime), (index + 1) / (m_Doc->m_Method.m_ChannelSetup.rate * 60.0))));
    m_ValuePane->setText(QString::fromStdString(Format(Tr(ui::kStatusValue), long(value))));
}

void ChannelWindow::RunStopped() {
    raise();
    UpdateCommands();
    if (m_OnFiling)
        m_OnFiling();
}

void ChannelWindow::PrintReport(const CTzLabDoc& record) {
    // Printed without asking, so a machine without a printer must say so: the operator relies
    // on the paper.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        m_Context.prompter->Inform(Tr(ui::kNoPrinter), Prompter::Icon::Warning);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PdfReportRequest request;
    request.doc = &record;
    request.fileName = m_Doc->Title();
    request.picture = ReportPictureDrawer(record);
    PaintReport(request, printer);
}

std::optional<std::string> ChannelWindow::AskSavePath(const std::string& proposed) {
    const QString path = QFileDialog::getSaveFileName(
        this, T(ui::kSaveRunTitle), QString::fromStdString(proposed), T(ui::kTzdFilter));
    if (path.isEmpty())
        return std::nullopt;
    return path.endsWith(".Tzd", Qt::CaseInsensitive) ? path.toStdString()
                                                      : (path + ".Tzd").toStdString();
}

void ChannelWindow::RunFinished(FinishedRun run) {
    m_Plot->Reset();
    UpdateCommands();
    UpdateStatus();
    if (m_OnStopped)
        m_OnStopped();
    if (m_OnFinished && m_Doc->m_Method.m_ChannelSetup.showAtEnd)
        m_OnFinished(std::move(run));
}

void ChannelWindow::closeEvent(QCloseEvent* event) {
    if (m_Doc->IsRunning()) {
        m_Context.prompter->Inform(Tr(ui::kCannotCloseRunning), Prompter::Icon::Warning);
        raise();
        event->ignore();
        return;
    }
    m_Doc->ReleaseBaseline();
    event->accept();
}

}  // namespace lx
