#include "cli/FileCommands.h"

#include <iostream>
#include <memory>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/RecordJson.h"
#include "cli/SamplesJson.h"
#include "core/TzdFile.h"

namespace lx::cli {
namespace {

struct DumpOptions {
    std::string file;
    bool json = false;
    bool samples = false;
    bool raw = false;
};

struct CopyOptions {
    std::string in;
    std::string out;
    bool force = false;
};

int RunDump(const DumpOptions& o) {
    auto doc = LoadTzdFile(o.file);
    if (!doc.ok())
        return Fail(doc.error());
    JsonOptions options;
    options.raw = o.raw;
    options.samples = o.samples;
    options.markSamples = o.samples && o.json;
    auto tree = StoredJson(doc.value(), options);
    if (o.json) {
        WriteJsonWithSamples(std::cout, WithSchema(std::move(tree)), "m_Samples", doc->m_Samples);
        std::cout << "\n";
    } else {
        std::cout << ToText(tree);
    }
    return kOk;
}

// Writes and says where.
int Store(CTzLabDoc& doc, const std::string& out) {
    Status saved = SaveTzdFile(doc, out);
    if (!saved.ok())
        return Fail(saved.error());
    std::cout << out << "\n";
    return kOk;
}

int RunSave(const CopyOptions& o) {
    if (const std::string refused = RefuseOverwrite(o.out, o.force); !refused.empty())
        return Fail(refused);
    auto doc = LoadTzdFile(o.in);
    if (!doc.ok())
        return Fail(doc.error());
    return Store(doc.value(), o.out);
}

int RunNew(const CopyOptions& o) {
    if (const std::string refused = RefuseOverwrite(o.out, o.force); !refused.empty())
        return Fail(refused);
    CTzLabDoc doc;
    return Store(doc, o.out);
}

}  // namespace

void AddFileCommands(CLI::App& app, int& exitCode) {
    auto dump = std::make_shared<DumpOptions>();
    auto* dumpCmd = app.add_subcommand("dump", Tr(texts::kDumpHelp));
    dumpCmd->add_option("FILE", dump->file, Tr(texts::kDumpFileHelp))->required();
    dumpCmd->add_flag("--json", dump->json, Tr(texts::kDumpJsonHelp));
    dumpCmd->add_flag("--samples", dump->samples, Tr(texts::kDumpSamplesHelp));
    dumpCmd->add_flag("--raw", dump->raw, Tr(texts::kDumpRawHelp));
    dumpCmd->callback([dump, &exitCode] { exitCode = RunDump(*dump); });

    auto save = std::make_shared<CopyOptions>();
    auto* saveCmd = app.add_subcommand("save", Tr(texts::kSaveHelp));
    saveCmd->add_option("IN", save->in, Tr(texts::kInHelp))->required();
    saveCmd->add_option("OUT", save->out, Tr(texts::kSaveOutHelp))->required();
    saveCmd->add_flag("--force", save->force, Tr(texts::kForceHelp));
    saveCmd->callback([save, &exitCode] { exitCode = RunSave(*save); });

    auto created = std::make_shared<CopyOptions>();
    auto* newCmd = app.add_subcommand("new", Tr(texts::kNewHelp));
    newCmd->add_option("OUT", created->out, Tr(texts::kSaveOutHelp))->required();
    newCmd->add_flag("--force", created->force, Tr(texts::kForceHelp));
    newCmd->callback([created, &exitCode] { exitCode = RunNew(*created); });
}

}  // namespace lx::cli
