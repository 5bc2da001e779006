#include "cli/RecordJson.h"

#include <cstdlib>

#include "core/Format.h"

namespace lx {
namespace {

using Json = nlohmann::ordered_json;

void AppendText(const Json& node, int depth, std::string& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    auto scalar = [](const Json& v) {
        return v.is_string() ? v.get<std::string>()
                             : v.dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    if (node.is_object()) {
        for (const auto& [key, value] : node.items()) {
            if (value.is_structured()) {
                out += indent + key + (value.is_array() ? Format(": (%zu)", value.size()) : ":") +
                       "\n";
                AppendText(value, depth + 1, out);
            } else {
                out += indent + key + ": " + scalar(value) + "\n";
            }
        }
    } else if (node.is_array()) {
        for (std::size_t i = 0; i < node.size(); ++i) {
            if (node[i].is_structured()) {
                out += indent + Format("[%zu]\n", i);
                AppendText(node[i], depth + 1, out);
            } else {
                out += indent + Format("[%zu] ", i) + scalar(node[i]) + "\n";
            }
        }
    }
}

}  // namespace

double ShortestFloat(float v) {
    return std::strtod(Format("%.7g", static_cast<double>(v)).c_str(), nullptr);
}

Json IntegratedPeakJson(const PeakRecord& peak, bool raw) {
    JsonOptions options;
    options.raw = raw;
    Json json = StoredJson(peak, options);
    json["m_RawSum"] = peak.m_RawSum;
    return json;
}

Json ChannelSetupJson(const ChannelSetup& setup) {
    return StoredJson(setup);
}

Json ParamsJson(const IntegrationParams& params) {
    return StoredJson(params);
}

Json TimeProgramJson(const std::vector<TimeProgramEntry>& program) {
    return StoredJson(program);
}

Json PrintSettingsJson(const PrintSettings& settings) {
    return StoredJson(settings);
}

Json ManualEventsJson(const std::vector<ManualEvent>& events) {
    return StoredJson(events);
}

Json PeakListJson(const std::vector<PeakRecord>& peaks) {
    return StoredJson(peaks);
}

std::string ToText(const Json& tree) {
    std::string out;
    AppendText(tree, 0, out);
    return out;
}

}  // namespace lx
