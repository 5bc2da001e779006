#pragma once
// "参数设置" of the standard curve: the dialog "打印设置" with the fonts of the printed curve
// report, the heading's and the lines' under it.

#include <QDialog>

#include "core/PrintSettings.h"

namespace lx {

class FontButton;

class CurveFontsDialog : public QDialog {
    Q_OBJECT
public:
    CurveFontsDialog(const LogFont& titleFont, const LogFont& bodyFont, QWidget* parent = nullptr);
    // What the font dialogs chose; the fonts given when they were cancelled.
    const LogFont& TitleFont() const;
    const LogFont& BodyFont() const;

private:
    FontButton* m_Title;
    FontButton* m_Body;
};

}  // namespace lx
