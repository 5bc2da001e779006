// One program for the component tests, each group a QtTest class of its own.

#include <QApplication>

#include "core/Language.h"

namespace lx::test {
int RunComponentTableModelTests(int argc, char** argv);
int RunComponentTableDialogTests(int argc, char** argv);
int RunComponentCommandsTests(int argc, char** argv);
}  // namespace lx::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The tests read the workstation's own texts, whatever the machine's locale.
    lx::SetLanguage(lx::Language::Chinese);
    int failed = 0;
    failed |= lx::test::RunComponentTableModelTests(argc, argv);
    failed |= lx::test::RunComponentTableDialogTests(argc, argv);
    failed |= lx::test::RunComponentCommandsTests(argc, argv);
    return failed;
}
