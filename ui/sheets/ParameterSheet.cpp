#include "ui/sheets/ParameterSheet.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/sheets/ChannelControlPage.h"
#include "ui/sheets/ManualEventsPage.h"
#include "ui/sheets/PeakParamsPage.h"
#include "ui/sheets/PrintSettingsPage.h"
#include "ui/sheets/SampleInfoPage.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

ParameterSheet::ParameterSheet(CTzLabDoc& record, SheetKind kind, Prompter& prompter,
                               const PrintSettings& printTemplate, QWidget* parent)
    : QDialog(parent),
      m_Record(record),
      m_Prompter(prompter),
      m_PrintTemplate(printTemplate),
      m_Tabs(new QTabWidget) {
    setWindowTitle(T(texts::kSheetTitle));
    m_Tabs->setObjectName("sheetTabs");
    if (kind == SheetKind::Channel) {
        m_ChannelPage = new ChannelControlPage;
        AddPage(m_ChannelPage, "channelControlPage", texts::kChannelControlTab);
    }
    AddPage(new SampleInfoPage, "sampleInfoPage", texts::kSampleInfoTab);
    AddPage(new PeakParamsPage(prompter), "peakParamsPage", texts::kPeakParamsTab);
    AddPage(new ManualEventsPage(prompter), "manualEventsPage", texts::kManualEventsTab);
    m_PrintPage = new PrintSettingsPage(prompter);
    AddPage(m_PrintPage, "printSettingsPage", texts::kPrintSettingsTab);

    auto* buttons = MakeOkCancel(this);
    m_Buttons = buttons;
    if (kind == SheetKind::Channel) {
        auto* import = MakeButton(texts::kImportParams);
        import->setObjectName("importParams");
        buttons->addButton(import, QDialogButtonBox::ActionRole);
        connect(import, &QPushButton::clicked, this, &ParameterSheet::ImportPrintSettings);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Tabs);
    layout->addWidget(buttons);

    for (SheetPage* page : m_Pages)
        page->Load(m_Record);
}

void ParameterSheet::AddPage(SheetPage* page, const char* objectName, const Text& title) {
    page->setObjectName(objectName);
    page->setAccessibleName(T(title));
    m_Tabs->addTab(page, T(title));
    m_Pages.push_back(page);
}

void ParameterSheet::accept() {
    if (m_ChannelPage)
        m_ChannelPage->CheckBaseline(m_Prompter);
    // The template's records the pages do not show (the channel set-up) come with it too.
    if (m_TemplateTaken && m_Project)
        ApplyProjectTemplate(m_Record, *m_Project);
    for (const SheetPage* page : m_Pages)
        page->Store(m_Record);
    QDialog::accept();
}

void ParameterSheet::ImportPrintSettings() {
    m_PrintPage->LoadSettings(m_PrintTemplate);
}

void ParameterSheet::EnableTemplateExchange(const CPrjDoc* project, ParameterBuffer& buffer) {
    m_Project = project;
    m_Buffer = &buffer;
    auto* take = MakeButton(texts::kTakeTemplate);
    auto* copy = MakeButton(texts::kCopyToTemplate);
    take->setObjectName("takeTemplate");
    copy->setObjectName("copyToTemplate");
    m_Buttons->addButton(take, QDialogButtonBox::ActionRole);
    m_Buttons->addButton(copy, QDialogButtonBox::ActionRole);
    connect(take, &QPushButton::clicked, this, &ParameterSheet::TakeTemplate);
    connect(copy, &QPushButton::clicked, this, &ParameterSheet::CopyToTemplate);
}

CTzLabDoc ParameterSheet::Draft() const {
    CTzLabDoc draft;
    draft.CopyMethodFrom(m_Record);
    draft.m_CreatedAt = m_Record.m_CreatedAt;
    for (const SheetPage* page : m_Pages)
        page->Store(draft);
    return draft;
}

void ParameterSheet::TakeTemplate() {
    CTzLabDoc draft = Draft();
    if (!TakeProjectTemplate(draft, m_Project, m_Prompter))
        return;
    m_TemplateTaken = true;
    for (SheetPage* page : m_Pages)
        page->Load(draft);
}

void ParameterSheet::CopyToTemplate() {
    CopyToParameterBuffer(Draft(), m_Project, *m_Buffer, m_Prompter);
}

}  // namespace lx
