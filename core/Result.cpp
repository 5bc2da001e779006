#include "core/Result.h"

#include <cstdio>
#include <cstdlib>

namespace lx {

void FailUncheckedResult(const std::string& error) {
    std::fprintf(stderr, "lx6600: internal error: the value of a failed operation was read (%s)\n",
                 error.c_str());
    std::abort();
}

}  // namespace lx
