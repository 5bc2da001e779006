#include "ui/sheets/PrintSettingsPage.h"

#include <QVBoxLayout>

#include "ui/sheets/ChromatogramPrintPage.h"
#include "ui/sheets/InstrumentInfoPage.h"
#include "ui/sheets/ReportContentPage.h"
#include "ui/sheets/ResultsPrintPage.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

PrintSettingsPage::PrintSettingsPage(Prompter& prompter, QWidget* parent) : SheetPage(parent) {
    auto* tabs = new QTabWidget;
    tabs->setObjectName("printTabs");
    const std::pair<PrintSubPage*, const Text*> pages[] = {
        {new ReportContentPage, &texts::kReportContentTab},
        {new InstrumentInfoPage(prompter), &texts::kInstrumentTab},
        {new ChromatogramPrintPage, &texts::kChromatogramTab},
        {new ResultsPrintPage, &texts::kResultsTab},
    };
    for (const auto& [page, title] : pages) {
        tabs->addTab(page, T(*title));
        page->setAccessibleName(T(*title));
        m_Pages.push_back(page);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
}

void PrintSettingsPage::LoadSettings(const PrintSettings& print) {
    for (PrintSubPage* page : m_Pages)
        page->Load(print);
}

void PrintSettingsPage::StoreSettings(PrintSettings& print) const {
    for (const PrintSubPage* page : m_Pages)
        page->Store(print);
}

}  // namespace lx
