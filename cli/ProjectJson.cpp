#include "cli/ProjectJson.h"

#include "cli/RecordJson.h"

namespace lx {

nlohmann::ordered_json ToJson(const CPrjDoc& project, bool raw) {
    JsonOptions options;
    options.raw = raw;
    return StoredJson(project, options);
}

}  // namespace lx
