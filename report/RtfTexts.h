#pragma once
// What the operator reads when a report file (.Tze) will not open.

#include "core/Language.h"

namespace lx::texts {

// Path.
inline constexpr Text kRtfNotReport{
    "文件[%s]不是报告文件(.Tze),无法打开!",
    "File [%s] is not a report file (.Tze), so it cannot be opened!"};
// Path, then the size limit in megabytes.
inline constexpr Text kRtfTooLarge{"报告文件[%s]大于 %zu MB,无法打开!",
                                   "Report file [%s] is larger than %zu MB and cannot be opened!"};

// Why the rich text could not be read, named in the damaged-file message.
inline constexpr Text kRtfReasonNotRtf{"不是RTF格式", "not rich text"};
inline constexpr Text kRtfReasonNesting{"分组嵌套过深", "groups nested too deeply"};
inline constexpr Text kRtfReasonPicture{"图片过大", "a picture is too large"};
inline constexpr Text kRtfReasonContent{"内容过多", "too much content"};

}  // namespace lx::texts
