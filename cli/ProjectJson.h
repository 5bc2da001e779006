#pragma once
// The method project as JSON, keyed by the project's own field names.

#include <nlohmann/json.hpp>

#include "quant/CPrjDoc.h"

namespace lx {

// Every stored field in file order, walking the field lists of the project and its records;
// the placeholder fields (stored and carried unchanged, meaning unknown: m_Text8, m_FieldA,
// m_Reserved, m_Values1, m_ValueD, ...) only with `raw`.
nlohmann::ordered_json ToJson(const CPrjDoc& project, bool raw);

}  // namespace lx
