// One program for the project sheet tests, each group a QtTest class of its own.

#include <QApplication>

#include <cstdlib>
#include <ctime>

namespace lx::test {
int RunNewProjectWizardTests(int argc, char** argv);
int RunProjectPropertiesSheetTests(int argc, char** argv);
}  // namespace lx::test

int main(int argc, char** argv) {
    // Dates show in local time; the tests pin it, so a date's text is known beforehand.
    setenv("TZ", "UTC", 1);
    tzset();
    QApplication app(argc, argv);
    int failed = 0;
    failed |= lx::test::RunNewProjectWizardTests(argc, argv);
    failed |= lx::test::RunProjectPropertiesSheetTests(argc, argv);
    return failed;
}
