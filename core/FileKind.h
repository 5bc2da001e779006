#pragma once
// What a file that will not load looks like, so the user is told "this is a method project,
// not a chromatogram" instead of "damaged" when the file is merely of another kind.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lx {

enum class FileKind {
    Empty,
    Chromatogram,  // .Tzd: a single-precision version (1.x or 2.x) first
    Project,       // .Tzp: a 32-bit version (10 to 18) and the method name first
    RunJournal,    // a run's values as they were recorded: "LX6600-RUN-JOURNAL\n" first
    Text,          // printable characters and line ends only
    Other,
};

// A guess from the first bytes of a file (up to 512 are looked at).
FileKind GuessFileKind(std::span<const std::uint8_t> head);

// The message for a file that failed to load as `expected` in `failedPart`: the kind it seems
// to be when that is another one, else that it is damaged there.
std::string LoadFailureMessage(const std::string& path, FileKind expected,
                               std::string_view failedPart, std::span<const std::uint8_t> head);

}  // namespace lx
