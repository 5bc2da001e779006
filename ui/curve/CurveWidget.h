#pragma once
// The standard curve on screen: the report layer's picture of one component, redrawn as the
// window changes it, named and described for screen readers by what it shows.

#include <QWidget>

#include "report/CurvePainter.h"

namespace lx {

class CurveWidget : public QWidget {
    Q_OBJECT
public:
    explicit CurveWidget(QWidget* parent = nullptr);

    // Shows `picture` (its project must outlive the widget or the next call) and describes it:
    // the component's name, its number of markers and its correlation coefficient.
    void SetPicture(const CurvePicture& picture);
    const CurvePicture& Picture() const { return m_Picture; }

    QSize sizeHint() const override { return {640, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CurvePicture m_Picture;
};

}  // namespace lx
