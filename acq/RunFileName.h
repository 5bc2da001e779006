#pragma once
// Where a channel's runs are saved and what they are called: the data folder and the name
// built from the channel's naming options, e.g. 图谱-2007-0315-as.Tzd.

#include <ctime>
#include <string>

#include "core/ChannelSetup.h"

namespace lx {

// The channel's data folder under `appDir`, created when needed. An empty folder, or one
// that does not exist, falls back to appDir/Data, which becomes the channel's folder.
std::string RunFolder(ChannelSetup& setup, const std::string& appDir);

// The path of the next run of `channel` (0 = A, 1 = B) finished at `when` (local time): the
// run folder, the prefix ("图谱" when empty), then by the flags "-" year, "-" month, day (its
// own "-" only without the month), "-" hour and minute as plain numbers (9:05 gives 95), "-"
// the next file number (the setup keeps it), and "-a"/"-b" with "s" for a standard or "u" for
// a sample run.
std::string MakeRunFileName(ChannelSetup& setup, int channel, const std::string& appDir,
                            const std::tm& when);

// MakeRunFileName for a run that is saved without asking: a name that is already taken gets
// the next file number instead, so a run never replaces an earlier one.
std::string UnusedRunFileName(ChannelSetup& setup, int channel, const std::string& appDir,
                              const std::tm& when);

}  // namespace lx
