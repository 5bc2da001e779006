#include "acq/RunRecovery.h"

#include <unistd.h>

#include <filesystem>
#include <memory>

namespace lx {

FinishedRun RecoverRun(JournalHeader journal, const std::string& journalPath, CPrjDoc* project,
                       const std::string& appDir, ChannelView& view, Prompter& prompter) {
    auto record = std::make_unique<CTzLabDoc>(std::move(journal.method));
    record->m_CreatedAt = journal.startedAt;
    // The operator asked for the run back: no dialog, and the file goes where the run was
    // recorded, whatever the folder was called then.
    ChannelSetup naming = record->m_ChannelSetup;
    naming.autoSave = 1;
    naming.folder = std::filesystem::absolute(journalPath).parent_path().string();
    FinishedRun run =
        FinishRun(std::move(record), {journal.channel, &naming, project, appDir, journal.startedAt},
                  view, prompter);
    if (!run.path.empty())
        ::unlink(journalPath.c_str());
    return run;
}

}  // namespace lx
