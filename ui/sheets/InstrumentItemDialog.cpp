#include "ui/sheets/InstrumentItemDialog.h"

#include <QVBoxLayout>

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

InstrumentItemDialog::InstrumentItemDialog(const InstrumentInfoItem& item, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(T(texts::kItemTitle));
    m_Name = new TextBox;
    m_Name->setObjectName("name");
    m_Name->setMinimumWidth(240);
    m_Content = new TextBox;
    m_Content->setObjectName("content");
    m_Print = new FlagBox(texts::kItemPrint, "print");

    auto* form = new QFormLayout;
    AddRow(form, texts::kItemName, m_Name);
    AddRow(form, texts::kItemContent, m_Content);
    form->addRow(m_Print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(this));

    m_Name->Load(item.name);
    m_Content->Load(item.content);
    m_Print->Load(item.print);
}

InstrumentInfoItem InstrumentItemDialog::Item() const {
    return {m_Name->Value(), m_Content->Value(), m_Print->Value()};
}

std::optional<InstrumentInfoItem> InstrumentItemDialog::Ask(QWidget* parent,
                                                            const InstrumentInfoItem& item) {
    InstrumentItemDialog dialog(item, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Item();
}

}  // namespace lx
