#pragma once
// The workstation's own settings, kept per user in the section "Settings": the serial port and
// rate, the plot's colours and labels, the result table's screen columns and the report
// window's page margins. Loaded at start and stored at exit, in the same order.

#include <QSettings>

#include <array>
#include <cstdint>
#include <memory>

#include "report/DisplaySettings.h"

namespace lx {

struct AppSettings {
    std::int32_t port = 0;  // 0 = COM1 ... 5 = COM6: an index into the machine's serial devices
    std::int32_t frequency = 20;  // values per second per channel, 10 or 20
    DisplaySettings display;
    // Kept as the workstation always kept them; nothing reads them.
    std::int32_t memFlush = 1;
    std::int32_t background = 1;
    std::int32_t datCheck = 0;
    std::int32_t prtdat = 1;
    std::int32_t pkType = 1;
    std::int32_t sysPoint = 5;
    // The report window's margins in twips: left, top, right, bottom.
    std::array<std::int32_t, 4> pageMargins{720, 720, 720, 720};

    bool operator==(const AppSettings&) const = default;
};

// The per-user profile the settings live in: ~/.config/LX6600/LX6600.conf (or under
// $XDG_CONFIG_HOME), the place of the workstation's registry key.
std::unique_ptr<QSettings> UserProfile();

// Reads every key, a missing or unreadable one keeping its default; "szPageMargin" must be a
// block of exactly 16 bytes.
AppSettings LoadAppSettings(QSettings& store);
void SaveAppSettings(const AppSettings& settings, QSettings& store);

}  // namespace lx
