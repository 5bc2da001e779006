#include "ui/curve/CurveWidget.h"

#include <QPainter>

#include "core/Format.h"
#include "quant/QuantTexts.h"
#include "quant/views/CalibrationRows.h"
#include "ui/curve/CurveTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

CurveWidget::CurveWidget(QWidget* parent) : QWidget(parent) {
    NameControl(this, texts::kNodeCurve);
    setAccessibleDescription(T(curve::kPlotEmpty));
    setMinimumSize(240, 180);
}

void CurveWidget::SetPicture(const CurvePicture& picture) {
    m_Picture = picture;
    const CComponentItem* c = picture.project ? picture.project->ComponentAt(picture.row) : nullptr;
    setAccessibleDescription(
        c ? Q(Format(Tr(curve::kPlotDescription), c->m_Name.c_str(),
                     StandardCurveMarkers(*picture.project, picture.row).size(), c->m_R))
          : T(curve::kPlotEmpty));
    update();
}

void CurveWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCurve(painter, rect(), m_Picture);
}

}  // namespace lx
