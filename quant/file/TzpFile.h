#pragma once
// Method project files (.Tzp) on disk.

#include <cstdint>
#include <span>
#include <string>

#include "core/Result.h"
#include "quant/CPrjDoc.h"

namespace lx {

// Opens a project. The method name becomes the file's base name; the project folder becomes
// the path's folder relative to the application directory `appDir` when the path lies inside
// it (compared without letter case), else the whole path. A file that cannot be read, is cut
// short or is damaged gives the operator's message and no project; one of another kind (a
// chromatogram, a text, an empty file) is named for what it is.
Result<CPrjDoc> LoadTzpFile(const std::string& path, const std::string& appDir);
// The bytes of a project file alone, without the naming rules of an open.
Result<CPrjDoc> LoadTzpBytes(std::span<const std::uint8_t> bytes, const std::string& name);

// Saves at version 18 through a temporary file in the same folder; the project then is a
// version-18 project that belongs to `path` and is no longer modified.
Status SaveTzpFile(CPrjDoc& project, const std::string& path);

// The project folder rule of an open, on its own.
std::string ProjectFolderOf(const std::string& path, const std::string& appDir);

}  // namespace lx
