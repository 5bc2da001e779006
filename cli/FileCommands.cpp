#include "cli/FileCommands.h"

#include <iostream>
#include <memory>

#include "cli/CliCommon.h"
#include "cli/RecordJson.h"
#include "core/TzdFile.h"

namespace lx::cli {
namespace {

struct DumpOptions {
    std::string file;
    bool json = false;
    bool samples = false;
    bool raw = false;
};

int RunDump(const DumpOptions& o) {
    auto doc = LoadTzdFile(o.file);
    if (!doc.ok())
        return Fail(doc.error());
    JsonOptions options;
    options.raw = o.raw;
    options.samples = o.samples;
    auto tree = StoredJson(doc.value(), options);
    if (o.json)
        std::cout << tree.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                  << "\n";
    else
        std::cout << ToText(tree);
    return kOk;
}

int RunSave(const std::string& in, const std::string& out) {
    auto doc = LoadTzdFile(in);
    if (!doc.ok())
        return Fail(doc.error());
    Status saved = SaveTzdFile(doc.value(), out);
    return saved.ok() ? kOk : Fail(saved.error());
}

int RunNew(const std::string& out) {
    CTzLabDoc doc;
    Status saved = SaveTzdFile(doc, out);
    return saved.ok() ? kOk : Fail(saved.error());
}

}  // namespace

void AddFileCommands(CLI::App& app, int& exitCode) {
    auto dump = std::make_shared<DumpOptions>();
    auto* dumpCmd = app.add_subcommand("dump", "Print every field of a chromatogram file");
    dumpCmd->add_option("FILE", dump->file, "chromatogram (.Tzd) or channel set-up file")
        ->required();
    dumpCmd->add_flag("--json", dump->json, "JSON keyed by the record's field names");
    dumpCmd->add_flag("--samples", dump->samples, "include every sample");
    dumpCmd->add_flag("--raw", dump->raw,
                      "include the placeholder fields (stored unchanged, meaning unknown: "
                      "unnamedA, m_Reserved, m_Extra1, extraFontA, ...)");
    dumpCmd->callback([dump, &exitCode] { exitCode = RunDump(*dump); });

    auto files = std::make_shared<std::pair<std::string, std::string>>();
    auto* saveCmd =
        app.add_subcommand("save", "Load a chromatogram and store it again (as version 2.1)");
    saveCmd->add_option("IN", files->first)->required();
    saveCmd->add_option("OUT", files->second)->required();
    saveCmd->callback([files, &exitCode] { exitCode = RunSave(files->first, files->second); });

    auto out = std::make_shared<std::string>();
    auto* newCmd = app.add_subcommand(
        "new", "Write a chromatogram (or channel set-up file) with every default");
    newCmd->add_option("OUT", *out)->required();
    newCmd->callback([out, &exitCode] { exitCode = RunNew(*out); });
}

}  // namespace lx::cli
