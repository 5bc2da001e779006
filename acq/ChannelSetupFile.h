#pragma once
// A data folder's stored channel methods: "SetupCha" (channel A) and "SetupChb" (channel B),
// complete chromatogram files of which only the method part is used.

#include <string>

#include "core/CTzLabDoc.h"
#include "core/Result.h"

namespace lx {

// folder/SetupCha for channel 0, folder/SetupChb for channel 1.
std::string SetupFilePath(const std::string& folder, int channel);

// The folder's set-up record for `channel`, or a record with every default when the folder has
// none yet (that is not an error). A damaged file fails with its message.
Result<CTzLabDoc> ReadSetupFile(const std::string& folder, int channel);

Status WriteSetupFile(CTzLabDoc& record, const std::string& folder, int channel);

// Taking `folder` for a channel: when the folder has a set-up file for it, the file's record
// gets the folder, its method part goes into `channelMethod`, and the record is written back.
// A folder without one leaves `channelMethod` unchanged; that is not an error either.
Status ApplySetupFile(const std::string& folder, int channel, CTzLabDoc& channelMethod);

}  // namespace lx
