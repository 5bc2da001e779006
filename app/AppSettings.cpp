#include "app/AppSettings.h"

#include <QByteArray>

namespace lx {

std::unique_ptr<QSettings> UserProfile() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "LX6600",
                                       "LX6600");
}
namespace {

constexpr const char* kSection = "Settings";

std::uint32_t ToColorRef(const Rgb& c) {
    return static_cast<std::uint32_t>(c.r) | static_cast<std::uint32_t>(c.g) << 8 |
           static_cast<std::uint32_t>(c.b) << 16;
}

// Walks every key in the stored order; `visit` reads or writes the value.
template <class Settings, class VisitInt, class VisitColour, class VisitFlag>
void VisitKeys(Settings& s, VisitInt&& integer, VisitColour&& colour, VisitFlag&& flag) {
    integer("port", s.port);
    integer("frequency", s.frequency);
    colour("BkgndRGB", s.display.background);
    colour("FramegndRGB", s.display.frameBand);
    colour("PicLineRGB", s.display.trace);
    colour("BaseLineRGB", s.display.baseline);
    colour("PkSelRGB", s.display.selectedPeak);
    colour("TextRGB", s.display.labels);
    integer("MemFlush", s.memFlush);
    flag("ViewAllPeak", s.display.viewAllPeaks);
    integer("ViewMark", s.display.viewMark);
    flag("DiapH", s.display.verticalLabels);
    flag("viewbaseline", s.display.showBaselines);
    integer("background", s.background);
    integer("DatCheck", s.datCheck);
    ColumnSwitches& c = s.display.screenColumns;
    flag("m_PrintNO", c.number);
    flag("m_PrintAreaHigh", c.areaHeight);
    flag("m_PrintIDName", c.name);
    flag("m_PrintIDTime", c.time);
    flag("m_PrintArea", c.area);
    flag("m_PrintCon", c.content);
    flag("m_PrintFLD", c.resolution);
    flag("m_PrintHigh", c.height);
    flag("m_PrintLRTB", c.plates);
    flag("m_PrintTW", c.tailing);
    integer("m_prtdat", s.prtdat);
    integer("m_PkType", s.pkType);
    flag("m_PkPerCon", c.percent);
    integer("SysPoint", s.sysPoint);
}

}  // namespace

AppSettings LoadAppSettings(QSettings& store) {
    AppSettings s;
    store.beginGroup(kSection);
    auto read = [&](const char* key, std::int32_t fallback) {
        bool ok = false;
        const qlonglong v = store.value(key, fallback).toLongLong(&ok);
        // Stored as 32-bit values; anything else is not one of ours.
        return ok && v >= INT32_MIN && v <= 0xFFFFFFFFLL ? static_cast<std::int32_t>(v) : fallback;
    };
    VisitKeys(
        s, [&](const char* key, std::int32_t& v) { v = read(key, v); },
        [&](const char* key, Rgb& c) {
            c = FromColorRef(
                static_cast<std::uint32_t>(read(key, static_cast<std::int32_t>(ToColorRef(c)))));
        },
        [&](const char* key, bool& b) { b = read(key, b ? 1 : 0) != 0; });
    const QByteArray margins = store.value("szPageMargin").toByteArray();
    if (margins.size() == 16)
        for (std::size_t i = 0; i < 4; ++i) {
            std::uint32_t v = 0;
            for (int b = 3; b >= 0; --b)
                v = v << 8 | static_cast<std::uint8_t>(margins[static_cast<int>(i * 4) + b]);
            s.pageMargins[i] = static_cast<std::int32_t>(v);
        }
    store.endGroup();
    return s;
}

void SaveAppSettings(const AppSettings& settings, QSettings& store) {
    AppSettings s = settings;
    store.beginGroup(kSection);
    VisitKeys(
        s, [&](const char* key, std::int32_t& v) { store.setValue(key, v); },
        [&](const char* key, Rgb& c) { store.setValue(key, ToColorRef(c)); },
        [&](const char* key, bool& b) { store.setValue(key, b ? 1 : 0); });
    QByteArray margins;
    for (std::int32_t m : s.pageMargins)
        for (int b = 0; b < 4; ++b)
            margins.append(static_cast<char>(static_cast<std::uint32_t>(m) >> (8 * b)));
    store.setValue("szPageMargin", margins);
    store.endGroup();
    store.sync();
}

}  // namespace lx
