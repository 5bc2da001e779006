#pragma once
// How the project commands open a method project and put it back.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliPrompter.h"
#include "core/CTzLabDoc.h"
#include "quant/CPrjDoc.h"

namespace lx::cli {

// Opens the project at `path` (under the application directory `home` or the default one),
// runs `operation` with the operator's answers, and saves the project when it changed, even
// when the operation then failed: what it did is already the operator's work. Returns the
// operation's exit code, or kFailed when the project cannot be opened or saved.
int WithProject(const std::string& path, const std::string& home, std::optional<bool> answer,
                const std::function<int(CPrjDoc&, CliPrompter&)>& operation);

// Chromatograms to show or print, as their project sees them.
struct ShownChromatograms {
    std::vector<CTzLabDoc> docs;
    std::unique_ptr<CPrjDoc> project;  // held apart, so the documents' links to it stay valid
};

// Loads `files`; with a project path each is identified and quantified afresh by the project,
// nothing saved. kOk, or kFailed after the message of a file or project that cannot be read.
int LoadToShow(const std::vector<std::string>& files, const std::string& projectPath,
               const std::string& home, ShownChromatograms& shown);

}  // namespace lx::cli
