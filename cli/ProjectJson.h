#pragma once
// The method project as JSON, keyed by the project's own field names.

#include <nlohmann/json.hpp>

#include "quant/CPrjDoc.h"

namespace lx {

nlohmann::ordered_json ToJson(const CPrjDoc& project);

}  // namespace lx
