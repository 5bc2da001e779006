#include "cli/ProjectFile.h"

#include "cli/CliCommon.h"
#include "core/AppPaths.h"
#include "quant/file/TzpFile.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx::cli {

int WithProject(const std::string& path, const std::string& home, std::optional<bool> answer,
                const std::function<int(CPrjDoc&, CliPrompter&)>& operation) {
    auto loaded = LoadTzpFile(AbsolutePath(path), ApplicationDirectory(home));
    if (!loaded.ok())
        return Fail(loaded.error());
    CPrjDoc& project = loaded.value();
    CliPrompter prompter(answer);
    const int code = operation(project, prompter);
    if (project.m_Modified) {
        Status saved = SaveProject(project, project.m_PathName);
        if (!saved.ok())
            return Fail(saved.error());
    }
    return code;
}

}  // namespace lx::cli
