#include "cli/GuiApplication.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace lx::cli {

void EnsureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    // A terminal on a server has no display; the drawing is the same without one.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lx6600-cli";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace lx::cli
