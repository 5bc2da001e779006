#pragma once
// Creating a method project: what the new-project wizard collects and the rules of its Finish.

#include <cstdint>
#include <string>

#include "core/Prompter.h"
#include "quant/workflow/ProjectList.h"

namespace lx {

struct NewProjectSettings {
    // "项目属性"
    std::string m_MethodName;
    std::string m_Operator;
    std::string m_SampleName;
    std::string m_Organization;
    std::string m_Information;
    // "分析方法": -1 where no choice was made, which identifies and quantifies nothing.
    std::int32_t m_Basis = -1;
    std::int32_t m_IdentMode = -1;
    std::int32_t m_Method = -1;
};

// The properties page lets the operator on only with a method name that is not empty and
// holds neither a backslash nor a point (it names the folder and the file).
bool IsValidMethodName(const std::string& name);

// Finish: creates the folder appDir/NAME when needed and the project NAME.Tzp in it, saved at
// once, open and current in `list`. Refuses a bad name ("方法名称输入错误,请重新输入!"), a
// folder that cannot be created ("文件存盘目录创建错误!") and a file open as a project
// ("方法项目文件已打开,方法项目创建失败!"); an existing file is replaced only after
// "方法项目文件已存在是否覆盖!". Returns the new project, or nullptr when refused.
CPrjDoc* CreateProject(const NewProjectSettings& settings, const std::string& appDir,
                       ProjectList& list, Prompter& prompter);

}  // namespace lx
