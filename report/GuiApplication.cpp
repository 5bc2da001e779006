#include "report/GuiApplication.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <string>

namespace lx {

void EnsureGuiApplication(const char* name) {
    if (QGuiApplication::instance())
        return;
    // A terminal on a server has no display; the drawing is the same without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a login session Qt wants a private runtime folder and says so on every run.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string runtime = "/tmp/lx6600-runtime-" + std::to_string(::getuid());
        ::mkdir(runtime.c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
    }
    static int argc = 1;
    static std::string program;
    program = name;
    static char* argv[] = {program.data(), nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace lx
