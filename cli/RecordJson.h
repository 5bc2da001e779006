#pragma once
// The chromatogram record as JSON, keyed by the record's own field names.

#include <nlohmann/json.hpp>

#include "core/CTzLabDoc.h"

namespace lx {

nlohmann::ordered_json ToJson(const CTzLabDoc& doc, bool withSamples);

// One peak; m_RawSum is not stored in files, so only integration output shows it.
nlohmann::ordered_json PeakJson(const PeakRecord& peak, bool withRawSum);

// Indented "key: value" lines of the same tree, for people rather than scripts.
std::string ToText(const nlohmann::ordered_json& tree);

}  // namespace lx
