#pragma once
// "仪器信息": which chromatograph's lines the report prints, the two lists of lines (the
// drop-down switches between them), and the block's font and switch. The page edits copies of
// both lists, so switching back and forth loses nothing.

#include <QTreeWidget>

#include <array>
#include <memory>
#include <vector>

#include "core/Prompter.h"
#include "ui/sheets/PrintControls.h"

namespace lx {

class InstrumentInfoPage : public PrintSubPage {
public:
    explicit InstrumentInfoPage(Prompter& prompter, QWidget* parent = nullptr);
    ~InstrumentInfoPage() override;
    void Load(const PrintSettings& print) override;
    void Store(PrintSettings& print) const override;

    void AddItem();
    void EditSelected();
    void DeleteSelected();

private:
    // The list the drop-down shows; a type that is neither shows the liquid one.
    std::vector<InstrumentInfoItem>& Shown();
    void Rebuild(int select);

    Prompter& m_Prompter;
    std::array<std::vector<InstrumentInfoItem>, 2> m_Lists;  // liquid, gas
    ChoiceBox* m_Type;
    std::unique_ptr<PrintStyle> m_Style;
    FlagBox* m_InstrumentOn;
    QTreeWidget* m_List;
};

}  // namespace lx
