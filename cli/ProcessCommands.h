#pragma once

#include <CLI/CLI.hpp>

namespace lx::cli {

// process flip / smooth / derivative / add / subtract / shift, and export --text: new
// chromatograms from others, and the signal as text.
void AddProcessCommands(CLI::App& app, int& exitCode);

}  // namespace lx::cli
