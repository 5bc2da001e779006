#pragma once
// Drawing text (pictures, PDF reports) needs a Qt GUI application; the command line makes one
// only for the commands that draw, on the offscreen platform when there is no display.

namespace lx::cli {

void EnsureGuiApplication();

}  // namespace lx::cli
