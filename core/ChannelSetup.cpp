#include "core/ChannelSetup.h"

#include "core/Archive.h"

namespace lx {

void ChannelSetup::Store(ArchiveWriter& ar) const {
    ar.WriteF64(stopTime);
    ar.WriteF64(lockTime);
    ar.WriteI32(unnamedA);
    ar.WriteI32(runKind);
    ar.WriteI32(zeroAtStart);
    ar.WriteI32(zeroOffset);
    ar.WriteI32(levelMax);
    ar.WriteI32(levelMin);
    ar.WriteI32(timeMax);
    ar.WriteI32(timeMin);
    ar.WriteI32(fixX);
    ar.WriteI32(fixY);
    ar.WriteI32(rate);
    ar.WriteI32(unnamedB);
    ar.WriteI32(autoSave);
    ar.WriteI32(autoPrint);
    ar.WriteI32(showAtEnd);
    ar.WriteI32(invert);
    ar.WriteI32(baselineOn);
    ar.WriteString(baselineFile);
    ar.WriteString(folder);
    ar.WriteI32(fileNumber);
    ar.WriteI32(numberOn);
    ar.WriteString(prefix);
    ar.WriteI32(yearOn);
    ar.WriteI32(monthOn);
    ar.WriteI32(dayOn);
    ar.WriteI32(timeOn);
    ar.WriteI32(unnamedC);
    ar.WriteI32(unnamedD);
}

void ChannelSetup::Load(ArchiveReader& ar) {
    stopTime = ar.ReadF64();
    lockTime = ar.ReadF64();
    unnamedA = ar.ReadI32();
    runKind = ar.ReadI32();
    zeroAtStart = ar.ReadI32();
    zeroOffset = ar.ReadI32();
    levelMax = ar.ReadI32();
    levelMin = ar.ReadI32();
    timeMax = ar.ReadI32();
    timeMin = ar.ReadI32();
    fixX = ar.ReadI32();
    fixY = ar.ReadI32();
    rate = ar.ReadI32();
    unnamedB = ar.ReadI32();
    autoSave = ar.ReadI32();
    autoPrint = ar.ReadI32();
    showAtEnd = ar.ReadI32();
    invert = ar.ReadI32();
    baselineOn = ar.ReadI32();
    baselineFile = ar.ReadString();
    folder = ar.ReadString();
    fileNumber = ar.ReadI32();
    numberOn = ar.ReadI32();
    prefix = ar.ReadString();
    yearOn = ar.ReadI32();
    monthOn = ar.ReadI32();
    dayOn = ar.ReadI32();
    timeOn = ar.ReadI32();
    unnamedC = ar.ReadI32();
    unnamedD = ar.ReadI32();
}

}  // namespace lx
