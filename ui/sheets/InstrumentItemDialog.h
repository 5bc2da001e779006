#pragma once
// One line of the instrument information: its item, content and whether it prints.

#include <QDialog>

#include <optional>

#include "core/PrintSettings.h"
#include "ui/sheets/KeptControls.h"

namespace lx {

class InstrumentItemDialog : public QDialog {
public:
    explicit InstrumentItemDialog(const InstrumentInfoItem& item, QWidget* parent = nullptr);
    InstrumentInfoItem Item() const;

    // Shows the dialog; the edited item on OK, nothing on Cancel.
    static std::optional<InstrumentInfoItem> Ask(QWidget* parent, const InstrumentInfoItem& item);

private:
    TextBox *m_Name, *m_Content;
    FlagBox* m_Print;
};

}  // namespace lx
