#pragma once
// The workstation's process: one per user, its settings loaded at start and stored at exit,
// its application directory, and the main window shown maximised.

#include <QApplication>

#include <memory>
#include <string>

#include "acq/CDatReceiver.h"
#include "app/AppSettings.h"
#include "core/Language.h"

namespace lx {

class MainWindow;
class SingleInstance;

struct StartOptions {
    std::string home;  // --home; empty: $LX6600_HOME, else ~/LX6600
    AcquisitionSource source = AcquisitionSource::Detector;
    QStringList files;
    Language language = LanguageFromEnvironment();  // --lang en|zh, else the locale's
};

// Reads the options of the command line: --home DIR, --demo, --lang en|zh, then files.
StartOptions ParseStartOptions(const QStringList& arguments);

class CTzLabApp {
public:
    CTzLabApp();
    ~CTzLabApp();

    // False when the process should end at once: another workstation took the files, or the
    // application directory cannot be made.
    bool Start(const StartOptions& options);
    // Stores the settings; called once the event loop has ended.
    void Exit();

    AppSettings& Settings() { return m_Settings; }
    const std::string& AppDir() const { return m_AppDir; }
    MainWindow* Window() const { return m_Window.get(); }

private:
    AppSettings m_Settings;
    std::string m_AppDir;
    std::unique_ptr<SingleInstance> m_Instance;
    std::unique_ptr<MainWindow> m_Window;
};

}  // namespace lx
