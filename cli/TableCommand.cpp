#include "cli/TableCommand.h"

#include <iostream>
#include <memory>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/ProjectFile.h"
#include "cli/TextTable.h"
#include "core/Format.h"
#include "report/ResultTable.h"

namespace lx::cli {
namespace {

struct TableCommandOptions {
    std::string file;
    std::string project;
    std::string form = "screen";
    bool all = false;
    bool english = false;
};

int RunTable(const TableCommandOptions& o, const std::string& home) {
    if (o.form != "screen" && o.form != "print" && o.form != "text")
        return UsageError(
            Format(Tr(texts::kNotAChoice), "--form", o.form.c_str(), "screen, print, text"));
    ShownChromatograms shown;
    if (const int loaded = LoadToShow({o.file}, o.project, home, shown); loaded != kOk)
        return loaded;
    const CTzLabDoc* doc = &shown.docs.front();
    TableOptions options;
    if (o.form == "print") {
        options = PrintTableOptions(*doc, o.all);
        options.english = options.english || o.english;
    } else {
        options.viewAllPeaks = o.all;
        options.quantified = IsQuantified(*doc);
    }
    if (o.form == "text") {
        const std::string text = ResultTableText(doc->m_Peaks, options);
        std::cout << text.substr(0, text.size() - 1);  // the clipboard's zero byte stays there
        return kOk;
    }
    const ResultTable table = BuildResultTable(doc->m_Peaks, options);
    std::vector<std::vector<std::string>> rows;
    for (const ResultTable::Row& row : table.rows)
        rows.push_back(row.cells);
    std::cout << TextTable(table.headers, rows);
    return kOk;
}

}  // namespace

void AddTableCommand(CLI::App& app, int& exitCode, const std::string& home) {
    auto o = std::make_shared<TableCommandOptions>();
    auto* table = app.add_subcommand("table", Tr(texts::kTableHelp));
    table->add_option("FILE", o->file, Tr(texts::kTableFileHelp))->required();
    table->add_option("--project", o->project, Tr(texts::kTableProjectHelp));
    table->add_option("--form", o->form, Tr(texts::kTableFormHelp))->type_name("screen|print|text");
    table->add_flag("--all", o->all, Tr(texts::kTableAllHelp));
    table->add_flag("--english", o->english, Tr(texts::kTableEnglishHelp));
    table->callback([o, &exitCode, &home] { exitCode = RunTable(*o, home); });
}

}  // namespace lx::cli
