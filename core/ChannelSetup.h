#pragma once
// How a channel acquires and names its runs; every chromatogram keeps the one it was made with.

#include <cstdint>
#include <string>

#include "core/Fields.h"

namespace lx {

struct ChannelSetup {
    std::int32_t unnamedA = 0;  // carried unchanged
    std::int32_t runKind = 1;   // 0 standard run, 1 sample run
    double stopTime = 100.0;    // run length, minutes
    double lockTime = 0.0;      // minutes
    std::int32_t zeroAtStart = 0;
    std::int32_t zeroOffset = 0;    // uV subtracted from every value
    std::int32_t levelMax = 20000;  // plot bounds, uV
    std::int32_t levelMin = -15000;
    std::int32_t timeMax = 120000;  // time axis, sample indices
    std::int32_t timeMin = 0;
    std::int32_t fixX = 0;
    std::int32_t fixY = 0;
    std::int32_t rate = 20;       // samples per second
    std::int32_t unnamedB = 0;    // carried unchanged
    std::int32_t fileNumber = 0;  // last file number used
    std::int32_t numberOn = 1;
    std::string prefix = "图谱";
    std::int32_t yearOn = 0;
    std::int32_t monthOn = 1;
    std::int32_t dayOn = 1;
    std::int32_t timeOn = 1;
    std::int32_t autoSave = 1;
    std::int32_t autoPrint = 0;
    std::int32_t showAtEnd = 1;
    std::int32_t invert = 0;
    std::int32_t baselineOn = 0;
    std::string baselineFile;
    std::string folder;         // relative to the application directory
    std::int32_t unnamedC = 1;  // carried unchanged
    std::int32_t unnamedD = 68;

    // The file's order, which is not the order above: the run's numbers first, the naming last.
    template <class Self, class Visit>
    static void VisitFields(Self& c, Visit&& visit) {
        constexpr auto kPlaceholder = FieldRole::Placeholder;
        visit(Field{"stopTime"}, c.stopTime);
        visit(Field{"lockTime"}, c.lockTime);
        visit(Field{"unnamedA", kPlaceholder}, c.unnamedA);
        visit(Field{"runKind"}, c.runKind);
        visit(Field{"zeroAtStart"}, c.zeroAtStart);
        visit(Field{"zeroOffset"}, c.zeroOffset);
        visit(Field{"levelMax"}, c.levelMax);
        visit(Field{"levelMin"}, c.levelMin);
        visit(Field{"timeMax"}, c.timeMax);
        visit(Field{"timeMin"}, c.timeMin);
        visit(Field{"fixX"}, c.fixX);
        visit(Field{"fixY"}, c.fixY);
        visit(Field{"rate"}, c.rate);
        visit(Field{"unnamedB", kPlaceholder}, c.unnamedB);
        visit(Field{"autoSave"}, c.autoSave);
        visit(Field{"autoPrint"}, c.autoPrint);
        visit(Field{"showAtEnd"}, c.showAtEnd);
        visit(Field{"invert"}, c.invert);
        visit(Field{"baselineOn"}, c.baselineOn);
        visit(Field{"baselineFile"}, c.baselineFile);
        visit(Field{"folder"}, c.folder);
        visit(Field{"fileNumber"}, c.fileNumber);
        visit(Field{"numberOn"}, c.numberOn);
        visit(Field{"prefix"}, c.prefix);
        visit(Field{"yearOn"}, c.yearOn);
        visit(Field{"monthOn"}, c.monthOn);
        visit(Field{"dayOn"}, c.dayOn);
        visit(Field{"timeOn"}, c.timeOn);
        visit(Field{"unnamedC", kPlaceholder}, c.unnamedC);
        visit(Field{"unnamedD", kPlaceholder}, c.unnamedD);
    }
    bool operator==(const ChannelSetup&) const = default;
};

}  // namespace lx
