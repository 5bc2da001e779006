#include "acq/RunRecovery.h"

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "acq/AcqTexts.h"
#include "core/Format.h"
#include "quant/file/TzpFile.h"

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

FinishedRun RecoverJournal(const std::string& journalPath, const std::string& appDir,
                           ChannelView& view, Prompter& prompter, bool* recoveredWithProject) {
    auto journal = ReadJournal(journalPath);
    if (!journal.ok()) {
        prompter.Inform(journal.error(), Prompter::Icon::Error);
        return {};
    }
    std::optional<CPrjDoc> project;
    if (!journal->projectPath.empty()) {
        auto opened = LoadTzpFile(journal->projectPath, appDir);
        if (opened.ok())
            project = std::move(opened.value());
        else
            prompter.Inform(Format(Tr(texts::kRecoverWithoutProject), opened.error().c_str()),
                            Prompter::Icon::Warning);
    }
    if (recoveredWithProject)
        *recoveredWithProject = project.has_value();
    return RecoverRun(std::move(journal.value()), journalPath, project ? &*project : nullptr,
                      appDir, view, prompter);
}

}  // namespace lx
