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

}  // namespace lx
