#pragma once
// Stored records as JSON, built by walking their field lists: keys are the fields' own names,
// nested records objects, lists arrays. Placeholder fields (stored and carried, meaning unknown)
// are left out unless asked for.

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Fields.h"
#include "core/SampleArray.h"

namespace lx {

// The version of the JSON the tool writes, given as "schema" in every output; the keys and
// their units are documented in docs/json-schema.md (lx6600-cli --help-json).
inline constexpr int kJsonSchema = 1;

// `tree` with "schema" as its first key.
inline nlohmann::ordered_json WithSchema(nlohmann::ordered_json tree) {
    nlohmann::ordered_json out{{"schema", kJsonSchema}};
    for (auto& [key, value] : tree.items())
        out[key] = std::move(value);
    return out;
}

struct JsonOptions {
    bool raw = false;      // placeholder fields too
    bool samples = false;  // a run's samples, not only their count
    // The samples' place marked by kSamplesMarker instead of the samples, for a writer that
    // streams them there (a day-long run's samples would take gigabytes as a JSON tree).
    bool markSamples = false;
};

inline constexpr const char* kSamplesMarker = "(samples)";

// A single-precision field as the value it was typed as (2.1, not 2.0999999046): the shortest
// "%.7g" form, as the files show it.
double ShortestFloat(float v);

// Any stored value: a record, a list, a number (u8 fields included) or a UTF-8 string. A run's
// samples show as their count, "sampleCount", and only on request as the samples themselves.
template <class T>
nlohmann::ordered_json StoredJson(const T& value, const JsonOptions& options = {}) {
    using Json = nlohmann::ordered_json;
    if constexpr (std::is_same_v<T, float>) {
        return ShortestFloat(value);
    } else if constexpr (std::is_arithmetic_v<T> || std::is_same_v<T, std::string>) {
        return value;
    } else if constexpr (IsVector<T>::value) {
        Json list = Json::array();
        for (const auto& item : value)
            list.push_back(StoredJson(item, options));
        return list;
    } else {
        static_assert(FieldRecord<T>, "a stored value is a number, a string, a list or a record");
        Json object = Json::object();
        T::VisitFields(value, [&](Field field, const auto& v) {
            if (field.role == FieldRole::Placeholder && !options.raw)
                return;
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(v)>, SampleArray>) {
                object["sampleCount"] = v.size();
                if (options.markSamples)
                    object[field.name] = kSamplesMarker;
                else if (options.samples)
                    object[field.name] = Json(std::vector<std::int32_t>(v.begin(), v.end()));
            } else {
                object[field.name] = StoredJson(v, options);
            }
        });
        return object;
    }
}

// One peak as integration reports it: its stored fields, then m_RawSum, a working value of the
// integration that no file holds.
nlohmann::ordered_json IntegratedPeakJson(const PeakRecord& peak, bool raw);

// The records a chromatogram shares with a project's template, as the project's JSON shows them
// (without placeholders).
nlohmann::ordered_json ChannelSetupJson(const ChannelSetup& setup);
nlohmann::ordered_json ParamsJson(const IntegrationParams& params);
nlohmann::ordered_json TimeProgramJson(const std::vector<TimeProgramEntry>& program);
nlohmann::ordered_json PrintSettingsJson(const PrintSettings& settings);
nlohmann::ordered_json ManualEventsJson(const std::vector<ManualEvent>& events);
nlohmann::ordered_json PeakListJson(const std::vector<PeakRecord>& peaks);

// Indented "key: value" lines of the same tree, for people rather than scripts.
std::string ToText(const nlohmann::ordered_json& tree);

}  // namespace lx
