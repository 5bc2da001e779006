#include "cli/SummaryCommand.h"

#include <unistd.h>

#include <iostream>
#include <memory>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/ProjectFile.h"
#include "core/AppPaths.h"
#include "core/FileIo.h"
#include "core/Format.h"
#include "interchange/tables/DelimitedTable.h"
#include "interchange/tables/SummaryTable.h"
#include "interchange/tables/XlsxTable.h"
#include "quant/file/TzpFile.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx::cli {
namespace {

struct SummaryOptions {
    std::vector<std::string> files;
    std::string project;
    bool samples = false;
    std::string csv;
    std::string xlsx;
    std::string tsv;
    bool force = false;
};

// The files of the project's sample list, as this machine finds them.
int AppendProjectSamples(const std::string& projectPath, const std::string& home,
                         std::vector<std::string>& files) {
    auto loaded = LoadTzpFile(AbsolutePath(projectPath), ApplicationDirectory(home));
    if (!loaded.ok())
        return Fail(loaded.error());
    for (const CPrjFileRecord& record : loaded.value().m_Samples)
        files.push_back(RecordFilePath(loaded.value(), record));
    return kOk;
}

// Each run is read and, with a project, quantified by the project as it is saved, one at a
// time: the rows are what `table --project` shows for each file, whatever order the files
// come in, and only one run's samples are held at once.
int ReadRuns(const std::vector<std::string>& files, const SummaryOptions& o,
             const std::string& home, std::vector<SummaryRun>& runs,
             std::unique_ptr<CPrjDoc>& project) {
    for (const std::string& file : files) {
        ShownChromatograms shown;
        if (const int loaded = LoadToShow({file}, o.project, home, shown); loaded != kOk)
            return loaded;
        runs.push_back(SummaryRunOf(shown.docs.front(), file, shown.project.get()));
        if (!project)
            project = std::move(shown.project);  // its component table gives the columns
    }
    return kOk;
}

int WriteOut(const std::string& out, const std::string& bytes) {
    if (IsStandardOutput(out)) {
        std::cout.flush();
        ArchiveWriter writer(STDOUT_FILENO);
        writer.WriteBytes(bytes);
        return writer.Flush() ? kOk : Fail(Format(Tr(texts::kWriteFailed), "-"));
    }
    const Status saved =
        WriteArchiveFileAtomically(out, [&](ArchiveWriter& writer) { writer.WriteBytes(bytes); });
    if (!saved.ok())
        return Fail(saved.error());
    std::cout << out << "\n";
    return kOk;
}

int RunSummary(const SummaryOptions& o, const std::string& home) {
    const int outputs = !o.csv.empty() + !o.xlsx.empty() + !o.tsv.empty();
    if (outputs != 1)
        return UsageError(Tr(texts::kSummaryNeedsOutput));
    std::vector<std::string> files = o.files;
    if (o.samples)
        if (const int listed = AppendProjectSamples(o.project, home, files); listed != kOk)
            return listed;
    if (files.empty())
        return UsageError(Tr(texts::kSummaryNeedsFiles));
    const std::string& out = !o.csv.empty() ? o.csv : !o.xlsx.empty() ? o.xlsx : o.tsv;
    if (!IsStandardOutput(out)) {
        std::vector<std::string> inputs = files;
        if (!o.project.empty())
            inputs.push_back(o.project);
        if (const std::string refused = RefuseOutput(out, inputs, o.force); !refused.empty())
            return Fail(refused);
    }
    std::vector<SummaryRun> runs;
    std::unique_ptr<CPrjDoc> project;
    if (const int read = ReadRuns(files, o, home, runs, project); read != kOk)
        return read;
    const SummaryTable table = BuildSummaryTable(runs, project.get());
    for (const std::string& notice : table.m_Notices)
        std::cerr << notice << "\n";
    if (!o.xlsx.empty()) {
        const Result<std::string> workbook = SummaryXlsx(table);
        return workbook.ok() ? WriteOut(out, workbook.value()) : Fail(workbook.error());
    }
    return WriteOut(out, o.csv.empty() ? SummaryTsv(table) : SummaryCsv(table));
}

}  // namespace

void AddSummaryCommand(CLI::App& app, int& exitCode, const std::string& home) {
    auto o = std::make_shared<SummaryOptions>();
    auto* cmd = app.add_subcommand("summary", Tr(texts::kSummaryHelp));
    cmd->add_option("FILE", o->files, Tr(texts::kSummaryFilesHelp));
    auto* project = cmd->add_option("--project", o->project, Tr(texts::kSummaryProjectHelp));
    cmd->add_flag("--samples", o->samples, Tr(texts::kSummarySamplesHelp))->needs(project);
    auto* csv = cmd->add_option("--csv", o->csv, Tr(texts::kSummaryCsvHelp));
    auto* xlsx = cmd->add_option("--xlsx", o->xlsx, Tr(texts::kSummaryXlsxHelp))->excludes(csv);
    cmd->add_option("--tsv", o->tsv, Tr(texts::kSummaryTsvHelp))->excludes(csv)->excludes(xlsx);
    cmd->add_flag("--force", o->force, Tr(texts::kForceHelp));
    cmd->callback([o, &exitCode, &home] { exitCode = RunSummary(*o, home); });
}

}  // namespace lx::cli
