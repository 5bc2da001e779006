#pragma once
// A small chromatogram file assembled byte by byte from the layout tables, and the record it
// must load as. Every field has a value of its own, so a field read into the wrong place or in
// the wrong order shows up.

#include <cstdint>
#include <vector>

#include "core/CTzLabDoc.h"

namespace lx::test {

struct HandMadeOptions {
    float version = 2.1f;
    bool withEventSections = true;  // sections 16-17
    bool eventsEmpty = false;       // sections 16-17 written as "no events"
    bool withColumnLength = true;   // section 18
    double columnLength = 25.0;
    bool withIsConc = true;  // section 19
    double isConc2 = 0.5;
    double isConc3 = 2.0;
    float lineSpacing = 0.75f;
};

std::vector<std::uint8_t> HandMadeTzd(const HandMadeOptions& options = {});

// The record HandMadeTzd() holds with every section present.
CTzLabDoc HandMadeRecord();

}  // namespace lx::test
