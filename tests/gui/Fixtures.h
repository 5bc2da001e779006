#pragma once
// What the desktop tests start from: a home folder with the demo signal, a chromatogram file
// with known peaks, a started workstation.

#include <QDialog>
#include <QString>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include "app/TzLabApp.h"
#include "core/CTzLabDoc.h"

namespace lx {
class AnalysisWindow;
class MainWindow;
}  // namespace lx

namespace lx::test {

// A private application directory holding the demo signal.
class Home {
public:
    Home();
    QString Path() const { return m_Dir.path(); }
    QString File(const QString& name) const { return m_Dir.filePath(name); }

private:
    QTemporaryDir m_Dir;
};

// Three well separated peaks (1, 2 and 3 minutes), integrated, saved as `path`.
CTzLabDoc WriteThreePeakRun(const QString& path);

// The same run saved as `name` in `home`; its path.
std::string WriteThreePeakRunPath(const Home& home, const char* name);

// What manual integration is tried on: two fused pairs (1.0 and 1.15 min; a large peak and a
// small one on its flank at 2.0 and 2.2), a lone peak (3.0) and a bump too flat to be found
// (3.5), without noise or drift; integrated.
CTzLabDoc EditableRun();

// Three peaks (1, 2 and 3 minutes; 20, 40 and 10 mV at amount 1) times `amount`, four minutes
// at 20 values a second, not integrated.
CTzLabDoc Mixture(double amount);

// Three peaks (1, 2 and 3 minutes; 20, 40 and 10 mV at amount 1) times `amount`, saved as
// `name` in `home`; its path.
std::string WriteMixture(const Home& home, const char* name, double amount);

// An external-standard project "Mix" in `home`, calibrated by three standards of the mixture
// at amounts 1, 2 and 4 (levels 1 to 3), its three components named from the first, with the
// mixture at 2.5 as its sample "sample.Tzd"; saved. Its path.
QString WriteCalibratedProject(const Home& home);

// The three-peak run saved as `name` in `home` and opened in `main`; its window.
AnalysisWindow* OpenThreePeakRun(MainWindow& main, const Home& home, const char* name = "run.Tzd");

// A workstation started on the demo source in `home`, its window shown.
std::unique_ptr<CTzLabApp> StartWorkstation(const Home& home, const QStringList& files = {});

// Fills a file dialog as the operator does: its folder, and the file's name typed into its own
// name field (for ModalDriver::Answer).
std::function<void(QDialog*)> SaveAs(const QString& path);

// The child of a tree node with this text, or null.
QTreeWidgetItem* Child(QTreeWidgetItem* item, const QString& text);

// A double-click on a tree node: it becomes current and opens what it stands for.
void Activate(QTreeWidget* tree, QTreeWidgetItem* item);

}  // namespace lx::test
