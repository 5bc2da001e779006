#include "quant/workflow/NewProject.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "quant/QuantTexts.h"
#include "quant/file/TzpFile.h"

namespace lx {

bool IsValidMethodName(const std::string& name) {
    return !name.empty() && name.find_first_of("\\.") == std::string::npos;
}

CPrjDoc* CreateProject(const NewProjectSettings& settings, const std::string& appDir,
                       ProjectList& list, Prompter& prompter) {
    namespace fs = std::filesystem;
    if (!IsValidMethodName(settings.m_MethodName)) {
        prompter.Inform(Tr(texts::kBadMethodName), Prompter::Icon::Warning);
        return nullptr;
    }
    const fs::path folder = fs::path(appDir) / settings.m_MethodName;
    std::error_code ec;
    if (!fs::is_directory(folder, ec) && (fs::create_directories(folder, ec), ec)) {
        prompter.Inform(Tr(texts::kFolderNotCreated), Prompter::Icon::Error);
        return nullptr;
    }
    const std::string path = (folder / (settings.m_MethodName + ".Tzp")).string();
    if (fs::exists(path, ec)) {
        if (list.IndexOf(path) >= 0) {
            prompter.Inform(Tr(texts::kProjectAlreadyOpen), Prompter::Icon::Warning);
            return nullptr;
        }
        if (!prompter.Confirm(Tr(texts::kConfirmOverwriteProject)))
            return nullptr;
    }

    CPrjDoc project;
    project.m_MethodName = settings.m_MethodName;
    project.m_Information = settings.m_Information;
    project.m_SampleName = settings.m_SampleName;
    project.m_Organization = settings.m_Organization;
    project.m_Operator = settings.m_Operator;
    project.m_CreatedAt = static_cast<std::int32_t>(std::time(nullptr));
    project.m_IdentMode = settings.m_IdentMode;
    project.m_Basis = settings.m_Basis;
    project.m_Method = settings.m_Method;
    project.m_AppDir = appDir;
    if (Status saved = SaveTzpFile(project, path); !saved.ok()) {
        prompter.Inform(saved.error(), Prompter::Icon::Error);
        return nullptr;
    }
    return &list.Add(std::move(project));
}

}  // namespace lx
