#pragma once
// Recovering a run that a crash interrupted, from the journal it left.

#include <string>

#include "acq/RunCompletion.h"
#include "acq/RunJournal.h"
#include "core/Prompter.h"
#include "quant/CPrjDoc.h"

namespace lx {

// The run of `journal` (read from `journalPath`) finished as a normal run would have been:
// integrated and quantified with the channel's method (and `project`, the run's project when
// it can still be opened), saved without asking beside the journal under the channel's run
// name at the time the run started, and filed with the project. The journal goes once the file
// is saved.
FinishedRun RecoverRun(JournalHeader journal, const std::string& journalPath, CPrjDoc* project,
                       const std::string& appDir, ChannelView& view, Prompter& prompter);

// Reads the journal at `journalPath` and recovers its run with the project it was recorded
// for, opened again from its file; a project that cannot be opened is reported and the run is
// recovered with the channel's method alone. `recoveredWithProject` tells which. An unreadable
// journal is reported and left where it is; the path of the result is empty then.
FinishedRun RecoverJournal(const std::string& journalPath, const std::string& appDir,
                           ChannelView& view, Prompter& prompter,
                           bool* recoveredWithProject = nullptr);

}  // namespace lx
