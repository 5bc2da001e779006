#include "ui/sheets/InstrumentInfoPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Format.h"
#include "ui/sheets/InstrumentItemDialog.h"
#include "ui/sheets/ListControls.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

InstrumentInfoPage::InstrumentInfoPage(Prompter& prompter, QWidget* parent)
    : PrintSubPage(parent), m_Prompter(prompter) {
    m_Type = new ChoiceBox({T(texts::kLiquid), T(texts::kGas)});
    m_Type->setObjectName("instrumentType");
    connect(m_Type, &QComboBox::currentIndexChanged, this, [this] { Rebuild(-1); });
    m_Style = std::make_unique<PrintStyle>(texts::kFontSettings, texts::kInstrumentList,
                                           &PrintSettings::instrumentFont,
                                           &PrintSettings::instrumentColour, "instrument");
    m_InstrumentOn = new FlagBox(texts::kInstrumentOn, "instrumentOn");
    m_List = MakeList(
        "instrumentList", texts::kInstrumentList,
        {texts::kColItemNo, texts::kColItemName, texts::kColItemContent, texts::kColItemPrint});
    connect(m_List, &QTreeWidget::itemDoubleClicked, this, &InstrumentInfoPage::EditSelected);

    auto* top = new QHBoxLayout;
    top->addWidget(LabelFor(texts::kInstrumentType, m_Type));
    top->addWidget(m_Type);
    top->addWidget(m_Style->Font());
    top->addWidget(m_Style->Colour());
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    for (auto [text, act] : {std::pair{texts::kAdd, &InstrumentInfoPage::AddItem},
                             std::pair{texts::kDelete, &InstrumentInfoPage::DeleteSelected},
                             std::pair{texts::kEdit, &InstrumentInfoPage::EditSelected}}) {
        auto* button = MakeButton(text);
        connect(button, &QPushButton::clicked, this, act);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_InstrumentOn);
    layout->addWidget(m_List);
    layout->addLayout(buttons);
}

InstrumentInfoPage::~InstrumentInfoPage() = default;

void InstrumentInfoPage::Load(const PrintSettings& print) {
    m_Lists = {print.lcInfoList, print.gcInfoList};
    m_Style->Load(print);
    m_InstrumentOn->Load(print.instrumentOn);
    const QSignalBlocker quiet(m_Type);  // one rebuild below, with both lists in place
    m_Type->Load(print.instrumentType);
    Rebuild(-1);
}

void InstrumentInfoPage::Store(PrintSettings& print) const {
    print.instrumentType = m_Type->Value();
    print.lcInfoList = m_Lists[0];
    print.gcInfoList = m_Lists[1];
    m_Style->Store(print);
    print.instrumentOn = m_InstrumentOn->Value();
}

std::vector<InstrumentInfoItem>& InstrumentInfoPage::Shown() {
    return m_Lists[m_Type->currentIndex() == 1 ? 1 : 0];
}

void InstrumentInfoPage::AddItem() {
    if (auto item = InstrumentItemDialog::Ask(this, InstrumentInfoItem{})) {
        Shown().push_back(*item);
        Rebuild(static_cast<int>(Shown().size()) - 1);
    }
}

void InstrumentInfoPage::EditSelected() {
    const int row = SelectedListRow(m_List);
    if (row < 0) {
        m_Prompter.Inform(Tr(texts::kSelectItemToEdit), Prompter::Icon::Warning);
        return;
    }
    auto& item = Shown()[static_cast<std::size_t>(row)];
    if (auto edited = InstrumentItemDialog::Ask(this, item)) {
        item = *edited;
        Rebuild(row);
    }
}

void InstrumentInfoPage::DeleteSelected() {
    const int row = SelectedListRow(m_List);
    if (row < 0) {
        m_Prompter.Inform(Tr(texts::kSelectItemToDelete), Prompter::Icon::Warning);
        return;
    }
    if (!m_Prompter.Confirm(Tr(texts::kConfirmDeleteItem)))
        return;
    Shown().erase(Shown().begin() + row);
    Rebuild(-1);
}

void InstrumentInfoPage::Rebuild(int select) {
    m_List->clear();
    const auto& items = Shown();
    for (std::size_t i = 0; i < items.size(); ++i)
        AddListRow(m_List,
                   std::array<std::string, 4>{
                       Format("%d", static_cast<int>(i + 1)), items[i].name, items[i].content,
                       Tr(items[i].print != 0 ? texts::kPrintYes : texts::kPrintNo)});
    if (select >= 0)
        m_List->setCurrentItem(m_List->topLevelItem(select));
}

}  // namespace lx
