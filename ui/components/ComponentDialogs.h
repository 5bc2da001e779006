#pragma once
// The small dialogs of component work: "新组份" (name, retention time and window of one
// component), "点" (the concentration of one calibration level) and "设置参照内标物" (the
// reference internal-standard peak of fingerprint standards). Each shows a value and gives
// back the edited one on OK, nothing on Cancel; none of them touches a project.

#include <QDialog>

#include <optional>

#include "quant/CComponentItem.h"
#include "quant/workflow/ProjectProcessing.h"
#include "ui/sheets/KeptControls.h"

namespace lx {

// "新组份": the record with the name, time and window as the fields say; the rest of the
// record (ID, internal standard, calibration) comes back as it was given. Unedited numbers
// come back exactly, not rounded to the fields' decimals.
class ComponentDialog : public QDialog {
public:
    explicit ComponentDialog(const CComponentItem& item, QWidget* parent = nullptr);
    CComponentItem Item() const;
    static std::optional<CComponentItem> Ask(QWidget* parent, const CComponentItem& item);

private:
    CComponentItem m_Item;
    TextBox* m_Name;
    NumberBox* m_Time;
    NumberBox* m_Window;
};

// "点", titled "第<level>点浓度": one concentration (level from 1).
class LevelConcentrationDialog : public QDialog {
public:
    LevelConcentrationDialog(int level, double concentration, QWidget* parent = nullptr);
    double Concentration() const { return m_Concentration->Exact(); }
    static std::optional<double> Ask(QWidget* parent, int level, double concentration);

private:
    NumberBox* m_Concentration;
};

// "设置参照内标物": the retention time and window the reference peak is looked for with.
class ReferencePeakDialog : public QDialog {
public:
    explicit ReferencePeakDialog(const ReferencePeak& reference, QWidget* parent = nullptr);
    ReferencePeak Reference() const { return {m_Time->Exact(), m_Window->Exact()}; }
    static std::optional<ReferencePeak> Ask(QWidget* parent, const ReferencePeak& reference);

private:
    NumberBox* m_Time;
    NumberBox* m_Window;
};

}  // namespace lx
