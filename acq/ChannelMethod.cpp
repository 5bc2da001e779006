#include "acq/ChannelMethod.h"

#include <filesystem>

#include "acq/AcqTexts.h"
#include "acq/ChannelSetupFile.h"
#include "core/AppPaths.h"
#include "core/Format.h"

namespace lx {
namespace {

char Letter(const CDatDoc& channel) {
    return channel.Channel() == 0 ? 'A' : 'B';
}

}  // namespace

void TakeProject(CDatDoc& channel, CPrjDoc& project, int runKind) {
    channel.m_Project = &project;
    ApplyProjectTemplate(channel.m_Method, project);
    // The list the operator chose decides the kind, whatever the template says.
    channel.m_Method.m_ChannelSetup.runKind = runKind;
}

bool AssignProject(CDatDoc& channel, CPrjDoc& project, bool standardsSelected, Prompter& prompter) {
    ChannelSetup& setup = channel.m_Method.m_ChannelSetup;
    const int kind = standardsSelected ? 0 : 1;
    if (channel.m_Project == &project) {
        if (setup.runKind == kind)
            return false;
        const Text& question = kind == 0 ? texts::kConfirmStandardKind : texts::kConfirmSampleKind;
        if (!prompter.Confirm(Format(Tr(question), Letter(channel))))
            return false;
        setup.runKind = kind;
        return true;
    }
    if (channel.IsRunning()) {
        prompter.Inform(Format(Tr(texts::kRunningKeepsProject), Letter(channel)),
                        Prompter::Icon::Warning);
        return false;
    }
    if (!prompter.Confirm(
            Format(Tr(texts::kConfirmUseProject), project.m_MethodName.c_str(), Letter(channel))))
        return false;
    TakeProject(channel, project, kind);
    return true;
}

Status TakeFolder(CDatDoc& channel, const std::string& folder, const std::string& appDir) {
    const std::string path = (std::filesystem::path(appDir) / folder).string();
    Status applied = ApplySetupFile(path, channel.Channel(), channel.m_Method);
    channel.m_Method.m_ChannelSetup.folder = folder;
    return applied;
}

bool UseFolder(CDatDoc& channel, const std::string& folder, const std::string& appDir,
               Prompter& prompter) {
    if (channel.IsRunning()) {
        prompter.Inform(Format(Tr(texts::kRunningKeepsFolder), Letter(channel)),
                        Prompter::Icon::Warning);
        return false;
    }
    const std::string& current = channel.m_Method.m_ChannelSetup.folder;
    if (!current.empty() && SamePath(current, folder))
        return false;
    if (!prompter.Confirm(Format(Tr(texts::kConfirmUseFolder), folder.c_str(), Letter(channel))))
        return false;
    Status taken = TakeFolder(channel, folder, appDir);
    if (!taken.ok())
        prompter.Inform(taken.error(), Prompter::Icon::Error);
    return true;
}

void CopyChannelParameters(const CDatDoc& channel, ParameterBuffer& clipboard) {
    clipboard.m_Method.CopyMethodFrom(channel.m_Method);
    clipboard.m_Valid = true;
}

bool PasteChannelParameters(CDatDoc& channel, const ParameterBuffer& clipboard,
                            Prompter& prompter) {
    if (!clipboard.m_Valid || !prompter.Confirm(Tr(texts::kConfirmPasteParameters)))
        return false;
    channel.m_Method.CopyMethodFrom(clipboard.m_Method);
    channel.m_Modified = true;
    return true;
}

}  // namespace lx
