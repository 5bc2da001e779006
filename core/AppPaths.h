#pragma once
// Where the workstation keeps its files, and how paths written by older installations are
// found again here.

#include <string>

namespace lx {

// The root of every default path (Data, the channel set-up files, project folders): `home`
// when given (the --home option), else $LX6600_HOME, else ~/LX6600. Not created here.
std::string ApplicationDirectory(const std::string& home = {});

// A stored path in this system's form: backslashes become the native separator.
std::string NativePath(const std::string& stored);

// Whether two paths name the same file as the workstation compares them: letter case and the
// kind of separator aside.
bool SamePath(const std::string& a, const std::string& b);

// The file a stored path means here. Paths kept in old projects may be Windows paths
// (C:\...): when the path does not exist, the same relative location is tried under the
// application directory (longest tail first), then the file's name in `besideFolder` (the
// project's folder). When nothing exists, the native form of the path.
std::string ResolveStoredPath(const std::string& stored, const std::string& appDir,
                              const std::string& besideFolder);

}  // namespace lx
