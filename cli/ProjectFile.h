#pragma once
// How the project commands open a method project and put it back.

#include <functional>
#include <optional>
#include <string>

#include "cli/CliPrompter.h"
#include "quant/CPrjDoc.h"

namespace lx::cli {

// Opens the project at `path` (under the application directory `home` or the default one),
// runs `operation` with the operator's answers, and saves the project when it changed, even
// when the operation then failed: what it did is already the operator's work. Returns the
// operation's exit code, or kFailed when the project cannot be opened or saved.
int WithProject(const std::string& path, const std::string& home, std::optional<bool> answer,
                const std::function<int(CPrjDoc&, CliPrompter&)>& operation);

}  // namespace lx::cli
