// lx6600: the desktop workstation.

#include <QApplication>

#include "app/AppTexts.h"
#include "app/TzLabApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("lx6600");
    QApplication::setApplicationDisplayName(QString::fromUtf8(lx::app::kMainTitle));
    QApplication::setDesktopFileName("lx6600");

    lx::CTzLabApp workstation;
    if (!workstation.Start(lx::ParseStartOptions(QApplication::arguments())))
        return 0;
    const int result = QApplication::exec();
    workstation.Exit();
    return result;
}
