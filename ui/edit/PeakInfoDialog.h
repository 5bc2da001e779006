#pragma once
// "峰信息": one peak as the table cannot show it all — its type line, its name and component,
// and its figures. The operator may rename it or give it another component of the method; the
// window asks before it takes the change.

#include <QDialog>

#include <cstdint>
#include <string>

#include "core/CTzLabDoc.h"

class QComboBox;
class QLineEdit;

namespace lx {

class PeakInfoDialog : public QDialog {
    Q_OBJECT
public:
    // `peak` must be a peak of `doc`. The drop-down lists the components of the chromatogram's
    // method project, and stays empty without one.
    PeakInfoDialog(const CTzLabDoc& doc, int peak, QWidget* parent = nullptr);

    std::string TypedName() const;
    // The component ID chosen, -1 for none.
    std::int32_t ChosenComponent() const;
    // Whether the name or the component differs from the peak's.
    bool Changed() const;

private:
    const PeakRecord& m_Peak;
    QLineEdit* m_Name;
    QComboBox* m_Components;
};

}  // namespace lx
