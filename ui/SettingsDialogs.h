#pragma once
// The dialogs that edit the workstation's settings: the serial port and rate, the hold length,
// the plot colours, the result table's screen columns, and the About box. Each opens on the
// values it is given and hands back what was chosen; the caller keeps them.

#include <QDialog>

#include <array>
#include <string>
#include <vector>

#include "report/DisplaySettings.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace lx {

class PortDialog : public QDialog {
    Q_OBJECT
public:
    // `devices`: the machine's serial devices in the order ports COM1.. take them.
    PortDialog(int port, int frequency, const std::vector<std::string>& devices,
               QWidget* parent = nullptr);
    int Port() const;
    int Frequency() const;  // 10 or 20

private:
    QComboBox* m_Port;
    QComboBox* m_Frequency;
};

// "点": the hold length N of the range switch bridging; above 15 is taken as 15.
class HoldDialog : public QDialog {
    Q_OBJECT
public:
    HoldDialog(int holdLength, QWidget* parent = nullptr);
    int HoldLength() const;

private:
    QSpinBox* m_Length;
};

class ColourDialog : public QDialog {
    Q_OBJECT
public:
    ColourDialog(const DisplaySettings& settings, QWidget* parent = nullptr);
    // The six colours into `settings`.
    void Store(DisplaySettings& settings) const;
    // For the tests and the buttons: the colour of role `k` (the dialog's order).
    void SetColour(int k, Rgb colour);

private:
    void Show(int k);
    std::array<Rgb, 6> m_Colours;
    std::array<QPushButton*, 6> m_Buttons{};
};

class ResultDisplayDialog : public QDialog {
    Q_OBJECT
public:
    // `peakType`: the setting "m_PkType", which has a box here but no column.
    ResultDisplayDialog(const ColumnSwitches& columns, bool peakType, QWidget* parent = nullptr);
    ColumnSwitches Columns() const;
    bool PeakType() const;

private:
    std::array<QCheckBox*, 11> m_Boxes{};
    QCheckBox* m_PeakType;
};

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace lx
