#pragma once
// "dump --json --samples" written as the run is read: the record's tree without its samples,
// and the samples streamed into their place, so a day-long run needs its samples' memory and
// not a JSON tree of them (ten times the file).

#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "core/SampleArray.h"

namespace lx::cli {

// Writes `tree` (made with JsonOptions::markSamples) as dump(2) would write it with the samples
// in the place of the marked field `field`.
void WriteJsonWithSamples(std::ostream& out, const nlohmann::ordered_json& tree,
                          const std::string& field, const SampleArray& samples);

}  // namespace lx::cli
