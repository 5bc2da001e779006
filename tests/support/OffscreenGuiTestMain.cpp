// A test program that draws needs a QGuiApplication for fonts and text; it runs on Qt's
// offscreen platform unless there is a display or one is chosen.
#include <gtest/gtest.h>

#include "report/GuiApplication.h"

int main(int argc, char** argv) {
    lx::EnsureGuiApplication(argv[0]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
