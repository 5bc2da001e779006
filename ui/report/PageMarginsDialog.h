#pragma once
// "页面设置" of the report window: the four page margins, shown in hundredths of a millimetre
// and kept in twips. Paper and orientation belong to "打印设置", not here.

#include <QDialog>

#include <array>
#include <cstdint>

class QSpinBox;

namespace lx {

// Twips shown as hundredths of a millimetre (twips x 2540 / 1440) and back, each rounded to
// the nearest: 720 twips are 1270, 1000 hundredths are 567 twips and 567 twips are 1000.
int HundredthsMmOfTwips(std::int32_t twips);
std::int32_t TwipsOfHundredthsMm(int hundredths);

class PageMarginsDialog : public QDialog {
    Q_OBJECT
public:
    // `twips`: left, top, right, bottom.
    explicit PageMarginsDialog(const std::array<std::int32_t, 4>& twips, QWidget* parent = nullptr);
    // The margins as the fields give them, in twips.
    std::array<std::int32_t, 4> Twips() const;

private:
    std::array<QSpinBox*, 4> m_Fields{};
};

}  // namespace lx
