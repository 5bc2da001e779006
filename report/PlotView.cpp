#include "report/PlotView.h"

#include <algorithm>
#include <cmath>

#include "core/Numeric.h"

namespace lx {

void PlotView::Apply(PlotCommand command) {
    // Pans are not clamped, so repeated ones could run the 32-bit range off its end; the sums
    // are taken in 64 bits and saturate instead of wrapping round to the other side.
    const std::int64_t span = std::int64_t{m_SignalMax} - m_SignalMin;
    const double w = m_TimeMax - m_TimeMin;
    switch (command) {
        case PlotCommand::ZoomIn: {
            const std::int64_t d = span / 30;
            if (m_SignalMax - d > m_SignalMin + d) {
                m_SignalMin = SaturateToInt(m_SignalMin + d);
                m_SignalMax = SaturateToInt(m_SignalMax - d);
            }
            break;
        }
        case PlotCommand::ZoomOut: {
            const std::int64_t d = span / 30;
            m_SignalMax = SaturateToInt(std::min<std::int64_t>(m_SignalMax + d, kSignalLimit));
            m_SignalMin = SaturateToInt(std::max<std::int64_t>(m_SignalMin - d, -kSignalLimit));
            break;
        }
        case PlotCommand::ZoomTimeIn:
            m_TimeMax -= w / 30;
            m_TimeMin += w / 30;
            break;
        case PlotCommand::ZoomTimeOut:
            // Past this width a minute's tick would not even be a pixel: the range stops growing.
            if (std::fabs(w) <= 10000000.0) {
                m_TimeMax += w / 30;
                m_TimeMin -= w / 30;
            }
            break;
        case PlotCommand::PanLeft:
            m_TimeMin += w / 12;
            m_TimeMax += w / 12;
            break;
        case PlotCommand::PanRight:
            m_TimeMin -= w / 12;
            m_TimeMax -= w / 12;
            break;
        case PlotCommand::PanDown: {
            const std::int64_t d = span / 12;
            m_SignalMin = SaturateToInt(m_SignalMin + d);
            m_SignalMax = SaturateToInt(m_SignalMax + d);
            break;
        }
        case PlotCommand::PanUp: {
            const std::int64_t d = span / 12;
            m_SignalMin = SaturateToInt(m_SignalMin - d);
            m_SignalMax = SaturateToInt(m_SignalMax - d);
            break;
        }
    }
    // A run has no time before its start; only the lower end stops there, so panning right at
    // the start still narrows the view from above.
    if (m_TimeMin < 0)
        m_TimeMin = 0;
}

void PlotView::ToggleFitted(const CTzLabDoc& doc) {
    m_Fitted = !m_Fitted;
    if (m_Fitted)
        ShowFitted(doc);
    else
        ShowFixed();
}

void PlotView::ShowFitted(const CTzLabDoc& doc) {
    const SampleArray& s = doc.m_Samples;
    if (s.empty()) {
        m_TimeMin = m_TimeMax = 0.0;
        m_SignalMin = -100;
        m_SignalMax = 100;
        return;
    }
    const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
    m_TimeMin = 0.0;
    m_TimeMax = doc.SpanToMinutes(static_cast<double>(s.size() - 1));
    m_SignalMin = SaturateToInt(std::int64_t{*lo} - 100);
    m_SignalMax = SaturateToInt(std::int64_t{*hi} + 100);
}

void PlotView::SetCoordinates(double timeMin, double timeMax, double mvMin, double mvMax) {
    m_FixedTimeMin = timeMin;
    m_FixedTimeMax = timeMax;
    m_FixedSignalMin = mvMin;
    m_FixedSignalMax = mvMax;
    ShowFixed();
}

void PlotView::ShowFixed() {
    m_TimeMin = m_FixedTimeMin;
    m_TimeMax = m_FixedTimeMax;
    m_SignalMin = TruncToInt(m_FixedSignalMin * 1000.0);
    m_SignalMax = TruncToInt(m_FixedSignalMax * 1000.0);
}

void StoreDisplayRange(const PlotView& view, CTzLabDoc& doc) {
    doc.m_DisplayTop = view.m_SignalMax;
    doc.m_DisplayBottom = view.m_SignalMin;
}

PlotScales::PlotScales(const PlotView& view, std::int32_t rate, int width, int height)
    : m_FirstIndex(TruncToInt(rate * view.m_TimeMin * 60.0)),
      m_LastIndex(TruncToInt(rate * view.m_TimeMax * 60.0)),
      m_SignalMin(view.m_SignalMin),
      m_SignalMax(view.m_SignalMax),
      m_Width(width),
      m_Height(height) {
    if (width > 0)
        m_SamplesPerPixel = (double(m_LastIndex) - m_FirstIndex) / width;
    if (height > 0)
        m_UnitsPerPixel = (double(m_SignalMax) - m_SignalMin) / height;
}

namespace {

// Truncation toward zero, then the clamp; done in floating point first, so a quotient far out of
// int range never reaches a conversion.
int ClampedPixel(double v) {
    if (!(v > PlotScales::kMinPixel))  // NaN too
        return std::isnan(v) ? 0 : PlotScales::kMinPixel;
    if (v >= PlotScales::kMaxPixel)
        return PlotScales::kMaxPixel;
    return static_cast<int>(v);
}

}  // namespace

int PlotScales::X(std::int64_t index) const {
    if (m_SamplesPerPixel == 0.0)
        return 0;
    return ClampedPixel(double(index - m_FirstIndex) / m_SamplesPerPixel);
}

std::int64_t PlotScales::IndexAt(int x) const {
    return m_FirstIndex + std::llround(x * m_SamplesPerPixel);
}

std::int32_t PlotScales::ValueAt(int y) const {
    return std::int32_t(std::llround(m_SignalMax - y * m_UnitsPerPixel));
}

int PlotScales::Y(std::int32_t value) const {
    if (m_UnitsPerPixel == 0.0)
        return 0;
    return ClampedPixel((double(m_SignalMax) - value) / m_UnitsPerPixel);
}

}  // namespace lx
