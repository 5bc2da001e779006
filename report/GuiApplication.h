#pragma once
// Drawing text (pictures, PDF reports) needs a Qt GUI application. Programs without windows
// (the command line, tests, benchmarks) make one when they first draw: on the offscreen
// platform when there is no display, with a private runtime folder when there is no login
// session, so they behave the same on a desktop, a server and CI.

namespace lx {

// Makes the program's QGuiApplication unless there is one; `name` is the program's.
void EnsureGuiApplication(const char* name);

}  // namespace lx
