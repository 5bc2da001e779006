#pragma once
// The JSON schema document (docs/json-schema.md), built into the tool for --help-json.

namespace lx::cli {

const char* JsonSchemaText();

}  // namespace lx::cli
