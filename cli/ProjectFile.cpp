#include "cli/ProjectFile.h"

#include "cli/CliCommon.h"
#include "core/AppPaths.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
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

int LoadToShow(const std::vector<std::string>& files, const std::string& projectPath,
               const std::string& home, ShownChromatograms& shown) {
    for (const std::string& file : files) {
        auto doc = LoadTzdFile(file);
        if (!doc.ok())
            return Fail(doc.error());
        shown.docs.push_back(std::move(doc.value()));
    }
    if (projectPath.empty())
        return kOk;
    auto loaded = LoadTzpFile(AbsolutePath(projectPath), ApplicationDirectory(home));
    if (!loaded.ok())
        return Fail(loaded.error());
    shown.project = std::make_unique<CPrjDoc>(std::move(loaded.value()));
    CliPrompter prompter;
    for (CTzLabDoc& doc : shown.docs) {
        doc.m_Project = shown.project.get();
        IntegrateAndQuantify(doc, prompter);
    }
    return kOk;
}

}  // namespace lx::cli
