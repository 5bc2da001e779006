#include "app/TzLabApp.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <filesystem>

#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "core/AppPaths.h"
#include "ui/sheets/SheetControls.h"

// The icon is compiled into the library, which a static link does not register by itself.
static void InitResources() {
    Q_INIT_RESOURCE(lx6600);
}

namespace lx {

StartOptions ParseStartOptions(const QStringList& arguments) {
    StartOptions options;
    for (int k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        if (argument == "--home" && k + 1 < arguments.size())
            options.home = arguments[++k].toStdString();
        else if (argument.startsWith("--home="))
            options.home = argument.mid(7).toStdString();
        else if (argument == "--lang" && k + 1 < arguments.size())
            options.language = arguments[++k] == "en" ? Language::English : Language::Chinese;
        else if (argument == "--demo")
            options.source = AcquisitionSource::Demo;
        else if (!argument.startsWith("--"))
            options.files << QFileInfo(argument).absoluteFilePath();
    }
    return options;
}

CTzLabApp::CTzLabApp() = default;

CTzLabApp::~CTzLabApp() = default;

bool CTzLabApp::Start(const StartOptions& options) {
    if (SingleInstance::HandOver(options.files))
        return false;
    InitResources();
    QApplication::setWindowIcon(QIcon::fromTheme("lx6600", QIcon(":/lx6600.svg")));
    m_Instance = std::make_unique<SingleInstance>();
    m_Instance->Listen();

    m_Settings = LoadAppSettings(*UserProfile());

    m_AppDir = ApplicationDirectory(options.home);
    std::error_code ec;
    std::filesystem::create_directories(m_AppDir, ec);
    if (ec) {
        QMessageBox::critical(nullptr, T(app::kMainTitle),
                              QString::fromStdString(m_AppDir + ": " + ec.message()));
        return false;
    }

    m_Window = std::make_unique<MainWindow>(m_Settings, m_AppDir, options.source);
    QObject::connect(m_Instance.get(), &SingleInstance::Activated, m_Window.get(),
                     [window = m_Window.get()](const QStringList& files) {
                         window->showMaximized();
                         window->raise();
                         window->activateWindow();
                         window->OpenFiles(files);
                     });
    m_Window->OpenFiles(options.files);
    m_Window->showMaximized();
    // After the window is up: the receiver starts and unfinished runs are offered, each with
    // the window there to own its messages.
    QTimer::singleShot(0, m_Window.get(), [window = m_Window.get()] {
        window->StartReceiver();
        window->OfferRecovery();
    });
    return true;
}

void CTzLabApp::Exit() {
    const auto profile = UserProfile();
    SaveAppSettings(m_Settings, *profile);
    profile->sync();
}

}  // namespace lx
