#include "cli/ReportCommand.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/GuiApplication.h"
#include "core/AppPaths.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/file/TzpFile.h"
#include "report/PdfReport.h"
#include "report/ReportPicture.h"

namespace lx::cli {
namespace {

struct ReportOptions {
    std::string file;
    std::string project;
    std::string pdf;
    bool english = false;
    std::optional<int> simple;
    bool all = false;
    bool force = false;
};

int RunReport(const ReportOptions& o, const std::string& home) {
    if (o.simple && *o.simple != 0 && *o.simple != 1)
        return UsageError(
            Format(Tr(texts::kOutOfRange), "--simple", std::to_string(*o.simple).c_str(), "0, 1"));
    if (const std::string refused = RefuseOverwrite(o.pdf, o.force); !refused.empty())
        return Fail(refused);
    auto doc = LoadTzdFile(o.file);
    if (!doc.ok())
        return Fail(doc.error());
    std::optional<CPrjDoc> project;
    if (!o.project.empty()) {
        auto loaded = LoadTzpFile(AbsolutePath(o.project), ApplicationDirectory(home));
        if (!loaded.ok())
            return Fail(loaded.error());
        project = std::move(loaded.value());
        doc->m_Project = &*project;
        CliPrompter prompter;
        IntegrateAndQuantify(doc.value(), prompter);
    }
    PrintSettings& print = doc->m_PrintSettings;
    if (o.english)
        print.englishReport = 1;
    if (o.simple)
        print.simpleFormat = *o.simple;

    EnsureGuiApplication();
    PdfReportRequest request;
    request.doc = &doc.value();
    request.fileName = std::filesystem::path(o.file).filename().string();
    request.viewAllPeaks = o.all;
    request.picture = ReportPictureDrawer(doc.value());
    if (Status written = WriteReportPdf(request, o.pdf); !written.ok())
        return Fail(written.error());
    std::cout << o.pdf << "\n";
    return kOk;
}

}  // namespace

void AddReportCommand(CLI::App& app, int& exitCode, const std::string& home) {
    auto o = std::make_shared<ReportOptions>();
    auto* report = app.add_subcommand("report", Tr(texts::kReportHelp));
    report->add_option("FILE", o->file, Tr(texts::kTableFileHelp))->required();
    report->add_option("--pdf", o->pdf, Tr(texts::kReportPdfHelp))->required();
    report->add_option("--project", o->project, Tr(texts::kTableProjectHelp));
    report->add_flag("--english", o->english, Tr(texts::kReportEnglishHelp));
    report->add_option("--simple", o->simple, Tr(texts::kReportSimpleHelp))->type_name("0|1");
    report->add_flag("--all", o->all, Tr(texts::kTableAllHelp));
    report->add_flag("--force", o->force, Tr(texts::kForceHelp));
    report->callback([o, &exitCode, &home] { exitCode = RunReport(*o, home); });
}

}  // namespace lx::cli
