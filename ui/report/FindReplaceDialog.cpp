#include "ui/report/FindReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/report/ReportWindowTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

FindReplaceDialog::FindReplaceDialog(QWidget* parent)
    : QDialog(parent),
      m_What(new QLineEdit),
      m_With(new QLineEdit),
      m_WholeWord(new QCheckBox(T(rep::kWholeWord))),
      m_MatchCase(new QCheckBox(T(rep::kMatchCase))),
      m_FindNext(MakeButton(rep::kFindNextButton)),
      m_Replace(MakeButton(rep::kReplaceButton)),
      m_ReplaceAll(MakeButton(rep::kReplaceAllButton)) {
    m_WithLabel = LabelFor(rep::kReplaceWith, m_With);
    auto* fields = new QGridLayout;
    fields->addWidget(LabelFor(rep::kFindWhat, m_What), 0, 0);
    fields->addWidget(m_What, 0, 1);
    fields->addWidget(m_WithLabel, 1, 0);
    fields->addWidget(m_With, 1, 1);
    fields->addWidget(m_WholeWord, 2, 0, 1, 2);
    fields->addWidget(m_MatchCase, 3, 0, 1, 2);
    for (QCheckBox* box : {m_WholeWord, m_MatchCase})
        box->setAccessibleName(box->text());

    QPushButton* close = MakeButton(rep::kClose);
    m_FindNext->setDefault(true);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_FindNext, m_Replace, m_ReplaceAll, close})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(m_FindNext, &QPushButton::clicked, this, &FindReplaceDialog::FindNextClicked);
    connect(m_Replace, &QPushButton::clicked, this, &FindReplaceDialog::ReplaceClicked);
    connect(m_ReplaceAll, &QPushButton::clicked, this, &FindReplaceDialog::ReplaceAllClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    const auto enable = [this] {
        const bool any = !m_What->text().isEmpty();
        for (QPushButton* button : {m_FindNext, m_Replace, m_ReplaceAll})
            button->setEnabled(any);
    };
    connect(m_What, &QLineEdit::textChanged, this, enable);
    enable();
}

void FindReplaceDialog::ShowFor(bool replacing, const QString& what) {
    setWindowTitle(T(replacing ? rep::kReplaceTitle : rep::kFindTitle));
    for (QWidget* w : {static_cast<QWidget*>(m_WithLabel), static_cast<QWidget*>(m_With),
                       static_cast<QWidget*>(m_Replace), static_cast<QWidget*>(m_ReplaceAll)})
        w->setVisible(replacing);
    if (!what.isEmpty())
        m_What->setText(what);
    m_What->selectAll();
    show();
    raise();
    activateWindow();
    m_What->setFocus();
}

QString FindReplaceDialog::What() const {
    return m_What->text();
}

QString FindReplaceDialog::With() const {
    return m_With->text();
}

QTextDocument::FindFlags FindReplaceDialog::Flags() const {
    QTextDocument::FindFlags flags;
    if (m_WholeWord->isChecked())
        flags |= QTextDocument::FindWholeWords;
    if (m_MatchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    return flags;
}

}  // namespace lx
