#include "ui/projectsheets/LevelDialog.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "quant/CPrjDoc.h"
#include "ui/projectsheets/ProjectSheetTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

LevelDialog::LevelDialog(int level, int levelCount, QWidget* parent)
    : QDialog(parent), m_Level(new QSpinBox) {
    setWindowTitle(T(texts::kLevelDialogTitle));
    m_Level->setObjectName("m_Level");
    // The engine refuses a level below 1 and more levels than a project holds; the box does
    // not offer them, so there is nothing to refuse.
    m_Level->setRange(1, std::min(levelCount + 1, CPrjDoc::kMaxLevelCount));
    m_Level->setValue(level);
    auto* form = new QFormLayout;
    AddRow(form, texts::kLevelField, m_Level);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(this));
}

std::optional<int> LevelDialog::Ask(int level, int levelCount, QWidget* parent) {
    LevelDialog dialog(level, levelCount, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Level();
}

}  // namespace lx
