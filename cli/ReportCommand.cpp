#include "cli/ReportCommand.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/ProjectFile.h"
#include "core/Format.h"
#include "report/GuiApplication.h"
#include "report/PdfReport.h"
#include "report/ReportPicture.h"

namespace lx::cli {
namespace {

struct ReportOptions {
    std::vector<std::string> files;
    std::string project;
    std::string pdf;
    bool english = false;
    std::optional<int> simple;
    bool all = false;
    bool force = false;
};

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

int RunReport(const ReportOptions& o, const std::string& home) {
    if (o.simple && *o.simple != 0 && *o.simple != 1)
        return UsageError(
            Format(Tr(texts::kOutOfRange), "--simple", std::to_string(*o.simple).c_str(), "0, 1"));
    if (const std::string refused = RefuseOutput(o.pdf, o.files, o.force); !refused.empty())
        return Fail(refused);
    // The first file is the report's own chromatogram; the others are shown with it and
    // listed after it, as an analysis window with overlays prints.
    ShownChromatograms shown;
    if (const int loaded = LoadToShow(o.files, o.project, home, shown); loaded != kOk)
        return loaded;
    std::vector<CTzLabDoc>& docs = shown.docs;
    CTzLabDoc& doc = docs.front();
    PrintSettings& print = doc.m_PrintSettings;
    if (o.english)
        print.englishReport = 1;
    if (o.simple)
        print.simpleFormat = *o.simple;

    EnsureGuiApplication("lx6600-cli");
    PdfReportRequest request;
    request.doc = &doc;
    request.fileName = FileName(o.files.front());
    request.viewAllPeaks = o.all;
    std::vector<const CTzLabDoc*> overlays;
    for (std::size_t k = 1; k < docs.size(); ++k) {
        request.overlays.push_back({&docs[k], FileName(o.files[k])});
        overlays.push_back(&docs[k]);
    }
    request.picture = ReportPictureDrawer(doc, overlays);
    if (Status written = WriteReportPdf(request, o.pdf); !written.ok())
        return Fail(written.error());
    std::cout << o.pdf << "\n";
    return kOk;
}

}  // namespace

void AddReportCommand(CLI::App& app, int& exitCode, const std::string& home) {
    auto o = std::make_shared<ReportOptions>();
    auto* report = app.add_subcommand("report", Tr(texts::kReportHelp));
    report->add_option("FILE", o->files, Tr(texts::kReportFilesHelp))->required();
    report->add_option("--pdf", o->pdf, Tr(texts::kReportPdfHelp))->required();
    report->add_option("--project", o->project, Tr(texts::kTableProjectHelp));
    report->add_flag("--english", o->english, Tr(texts::kReportEnglishHelp));
    report->add_option("--simple", o->simple, Tr(texts::kReportSimpleHelp))->type_name("0|1");
    report->add_flag("--all", o->all, Tr(texts::kTableAllHelp));
    report->add_flag("--force", o->force, Tr(texts::kForceHelp));
    report->callback([o, &exitCode, &home] { exitCode = RunReport(*o, home); });
}

}  // namespace lx::cli
