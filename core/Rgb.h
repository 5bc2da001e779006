#pragma once
// A colour as the workstation's tables give it, for any view to draw with.

namespace lx {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

}  // namespace lx
