#include "cli/SamplesJson.h"

#include "cli/RecordJson.h"

namespace lx::cli {

void WriteJsonWithSamples(std::ostream& out, const nlohmann::ordered_json& tree,
                          const std::string& field, const SampleArray& samples) {
    const std::string text =
        tree.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    const std::string marked = "\"" + field + "\": \"" + kSamplesMarker + "\"";
    const std::size_t at = text.find(marked);
    if (at == std::string::npos) {
        out << text;
        return;
    }
    const std::size_t lineStart = text.rfind('\n', at) + 1;
    const std::string indent(at - lineStart, ' ');
    out.write(text.data(), static_cast<std::streamsize>(at));
    out << "\"" << field << "\": ";
    if (samples.empty()) {
        out << "[]";
    } else {
        // As dump(2) lays out an array: one value a line, two spaces deeper than its key.
        out << "[\n";
        const std::int32_t* values = samples.begin();
        for (std::size_t i = 0; i < samples.size(); ++i)
            out << indent << "  " << values[i] << (i + 1 < samples.size() ? ",\n" : "\n");
        out << indent << "]";
    }
    out << text.substr(at + marked.size());
}

}  // namespace lx::cli
