// lx6600: the desktop workstation.

#include <QApplication>

#include "app/AppTexts.h"
#include "app/TzLabApp.h"
#include "core/SampleArray.h"
#include "ui/sheets/SheetControls.h"

int main(int argc, char** argv) {
    lx::MapLargeSampleBlocks();
    QApplication application(argc, argv);
    QApplication::setApplicationName("lx6600");
    QApplication::setDesktopFileName("lx6600");

    const lx::StartOptions options = lx::ParseStartOptions(QApplication::arguments());
    lx::SetLanguage(options.language);
    QApplication::setApplicationDisplayName(lx::T(lx::app::kMainTitle));
    lx::CTzLabApp workstation;
    if (!workstation.Start(options))
        return 0;
    const int result = QApplication::exec();
    workstation.Exit();
    return result;
}
