#pragma once
// What part of a chromatogram the plot shows, the fixed zoom and pan steps of the plot's
// commands, and the mapping of a sample to a pixel of the plot area. The analysis view, the
// picture exports and the printed report all go through these, so a chromatogram looks the same
// wherever it is drawn.

#include <cstdint>

#include "core/CTzLabDoc.h"

namespace lx {

// The commands of the plot's toolbar and menu.
enum class PlotCommand {
    ZoomIn,       // "纵横放大": narrows the signal range only
    ZoomOut,      // "纵横缩小"
    ZoomTimeIn,   // "横向放大"
    ZoomTimeOut,  // "横向缩小"
    PanLeft,      // "图谱左移": the trace moves left, later times come into view
    PanRight,     // "图谱右移"
    PanDown,      // "图谱下移": the trace moves down, the range moves up
    PanUp,        // "图谱上移"
};

// The signal range never grows beyond the detector's full scale of +-2500 mV.
inline constexpr std::int32_t kSignalLimit = 2500000;

class PlotView {
public:
    // Visible ranges: minutes, and signal units (uV, 1/1000 mV).
    double m_TimeMin = 0.0;
    double m_TimeMax = 2.0;
    std::int32_t m_SignalMin = -10000;
    std::int32_t m_SignalMax = 30000;

    // "自动匹配": false after opening, so its first use shows the fitted view.
    bool m_Fitted = false;
    // The coordinates "坐标设置" last set, which "自动匹配" returns to: minutes and mV.
    double m_FixedTimeMin = 0.0;
    double m_FixedTimeMax = 2.0;
    double m_FixedSignalMin = -10.0;
    double m_FixedSignalMax = 30.0;

    // One step of a zoom or pan command, with the workstation's integer divisions and clamps.
    void Apply(PlotCommand command);

    // "自动匹配": toggles between the fitted view of `doc` and the fixed coordinates.
    void ToggleFitted(const CTzLabDoc& doc);
    // The whole of `doc`: sample 0 to its last sample, its smallest sample - 100 to its largest
    // + 100. A chromatogram without samples gets time 0 to 0 and signal -100 to 100.
    void ShowFitted(const CTzLabDoc& doc);
    // "坐标设置" confirmed: minutes and mV as typed. They become the visible ranges and the fixed
    // coordinates; the signal range is mV x 1000, truncated toward zero.
    void SetCoordinates(double timeMin, double timeMax, double mvMin, double mvMax);
    // The dialog shows the signal range as whole mV: signal units / 1000, truncated.
    std::int32_t SignalMinMv() const { return m_SignalMin / 1000; }
    std::int32_t SignalMaxMv() const { return m_SignalMax / 1000; }

    bool operator==(const PlotView&) const = default;

private:
    void ShowFixed();
};

// "坐标设置" also keeps the signal range with the chromatogram (its display range), so the
// next window on it starts there.
void StoreDisplayRange(const PlotView& view, CTzLabDoc& doc);

// Pixel coordinates within a plot area whose origin is its top left corner.
class PlotScales {
public:
    // Coordinates are clamped to this band, so a point far outside the view is drawn just
    // beyond the edge and never overflows a device's coordinates.
    static constexpr int kMinPixel = -1000;
    static constexpr int kMaxPixel = 3000;

    PlotScales() = default;
    // The ranges of `view` for a chromatogram sampled `rate` times a second, in a plot area of
    // `width` x `height` pixels. A width or height that is not positive gives a scale of 0,
    // which maps every point to 0 instead of dividing by zero.
    PlotScales(const PlotView& view, std::int32_t rate, int width, int height);

    // Truncated toward zero, then clamped.
    int X(std::int64_t index) const;
    int Y(std::int32_t value) const;
    // The sample index nearest to pixel column `x`, and the level at pixel row `y` (the
    // inverses of X and Y).
    std::int64_t IndexAt(int x) const;
    std::int32_t ValueAt(int y) const;

    std::int32_t m_FirstIndex = 0;
    std::int32_t m_LastIndex = 0;
    std::int32_t m_SignalMin = 0;
    std::int32_t m_SignalMax = 0;
    double m_SamplesPerPixel = 0.0;
    double m_UnitsPerPixel = 0.0;
    int m_Width = 0;
    int m_Height = 0;
};

}  // namespace lx
