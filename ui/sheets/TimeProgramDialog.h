#pragma once
// "编辑时间程序": one line of the time program.

#include <QDialog>

#include <optional>

#include "core/IntegrationParams.h"
#include "ui/sheets/KeptControls.h"

namespace lx {

class TimeProgramDialog : public QDialog {
public:
    explicit TimeProgramDialog(const TimeProgramEntry& entry, QWidget* parent = nullptr);
    // The entry as the fields now say.
    TimeProgramEntry Entry() const;

    // Shows the dialog; the edited entry on OK, nothing on Cancel.
    static std::optional<TimeProgramEntry> Ask(QWidget* parent, const TimeProgramEntry& entry);

private:
    NumberBox *m_Time, *m_HalfWidth, *m_Slope;
    ChoiceBox* m_Event;
};

}  // namespace lx
