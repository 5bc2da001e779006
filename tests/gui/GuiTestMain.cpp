// Runs every registered QtTest class of a desktop test program, on one QApplication.
// `lx_desktop_tests CLASS [QtTest options and functions]` runs the one class.

#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "core/Language.h"
#include "tests/gui/GuiTestRegistry.h"

int main(int argc, char** argv) {
    // Dates show in local time; the tests pin it, so a date's text is known beforehand.
    setenv("TZ", "UTC", 1);
    tzset();
    QApplication application(argc, argv);
    lx::SetLanguage(lx::Language::Chinese);  // the tests read the workstation's own texts
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int k = only ? 2 : 1; k < argc; ++k)
        args.push_back(argv[k]);
    int failed = 0;
    for (const auto& make : lx::test::GuiTests()) {
        std::unique_ptr<QObject> test = make();
        const char* name = test->metaObject()->className();
        if (only && !std::strstr(name, only))
            continue;
        failed += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failed == 0 ? 0 : 1;
}
