#pragma once
// The workstation's printf-style formats ("%1.4f  %ld \r\n", "% .3f", ...) go through this one
// helper, so what we print matches the workstation's output to the byte.

#include <string>

namespace lx {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace lx
