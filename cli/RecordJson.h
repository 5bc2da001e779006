#pragma once
// The chromatogram record as JSON, keyed by the record's own field names.

#include <nlohmann/json.hpp>

#include "core/CTzLabDoc.h"

namespace lx {

nlohmann::ordered_json ToJson(const CTzLabDoc& doc, bool withSamples);

// One peak; m_RawSum is not stored in files, so only integration output shows it.
nlohmann::ordered_json PeakJson(const PeakRecord& peak, bool withRawSum);

// The records a chromatogram shares with a project's template.
nlohmann::ordered_json ChannelSetupJson(const ChannelSetup& setup);
nlohmann::ordered_json ParamsJson(const IntegrationParams& params);
nlohmann::ordered_json TimeProgramJson(const std::vector<TimeProgramEntry>& program);
nlohmann::ordered_json PrintSettingsJson(const PrintSettings& settings);
nlohmann::ordered_json ManualEventsJson(const std::vector<ManualEvent>& events);
nlohmann::ordered_json PeakListJson(const std::vector<PeakRecord>& peaks);

// Indented "key: value" lines of the same tree, for people rather than scripts.
std::string ToText(const nlohmann::ordered_json& tree);

}  // namespace lx
