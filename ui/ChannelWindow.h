#pragma once
// The window of one detector channel (A or B): its live plot, its status panes, the run
// commands of "控制(&L)" and the channel's parameter sheet. It owns the channel's acquisition
// document and shows what the document does: values as they are recorded, the end of a run,
// the save dialog when the channel does not save by itself.

#include <QWidget>

#include <functional>
#include <memory>

#include "acq/CDatDoc.h"
#include "core/PrintSettings.h"
#include "quant/workflow/MethodTemplate.h"
#include "report/DisplaySettings.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace lx {

class LivePlot;

struct ChannelContext {
    std::string appDir;
    int frequency = 20;
    const DisplaySettings* display = nullptr;
    const PrintSettings* printTemplate = nullptr;  // "导入参数..." of the parameter sheet
    ParameterBuffer* clipboard = nullptr;          // "拷贝参数" / "粘贴参数", program-wide
    Prompter* prompter = nullptr;
};

class ChannelWindow : public QWidget, public ChannelView {
    Q_OBJECT
public:
    ChannelWindow(int channel, ChannelContext context, QWidget* parent = nullptr);
    ~ChannelWindow() override;

    CDatDoc& Document() { return *m_Doc; }
    LivePlot* Plot() const { return m_Plot; }
    QList<QMenu*> Menus() const { return {m_ControlMenu}; }
    QToolBar* ChannelBar() const { return m_Bar; }
    // The three status panes: time, value, channel.
    QStringList StatusTexts() const;

    // A finished run goes here: the main window opens its analysis window.
    std::function<void(FinishedRun)> m_OnFinished;
    // A run has stopped and is about to be saved and filed with the channel's project.
    std::function<void()> m_OnFiling;
    // After a stop, the run saved and filed: the file tree shows the new file.
    std::function<void()> m_OnStopped;

    void SetFrequency(int frequency);
    void ApplySettings();

    // The commands.
    void StartRun();
    void StopRun();
    void CancelRun();
    void ZeroNext();
    void CopyParameters();
    void PasteParameters();
    void EditParameters();

    // ChannelView
    void RunStarted() override;
    void PointAdded(std::int32_t index, std::int32_t value) override;
    void RunStopped() override;
    void PrintReport(const CTzLabDoc& record) override;
    std::optional<std::string> AskSavePath(const std::string& proposed) override;
    void RunFinished(FinishedRun run) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommands();
    void UpdateCommands();
    void UpdateStatus();

    ChannelContext m_Context;
    LivePlot* m_Plot;
    std::unique_ptr<CDatDoc> m_Doc;
    QMenu* m_ControlMenu = nullptr;
    QToolBar* m_Bar = nullptr;
    QAction* m_Start = nullptr;
    QAction* m_Stop = nullptr;
    QAction* m_Cancel = nullptr;
    QAction* m_Zero = nullptr;
    QLabel* m_TimePane;
    QLabel* m_ValuePane;
    QLabel* m_ChannelPane;
};

}  // namespace lx
