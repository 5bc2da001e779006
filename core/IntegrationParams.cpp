#include "core/IntegrationParams.h"

#include "core/Archive.h"

namespace lx {

// The stored order is not the order of the fields; it is the file's.
void IntegrationParams::Store(ArchiveWriter& ar) const {
    ar.WriteI32(m_HalfWidth);
    ar.WriteF64(m_Slope);
    ar.WriteF64(m_MinArea);
    ar.WriteF64(m_MinHeight);
    ar.WriteF64(m_TimeDoubling);
    ar.WriteF64(m_IsConc1);
    ar.WriteF64(m_SampleWeight);
    ar.WriteF64(m_HeightRatio);
    ar.WriteF64(m_SampleVolume);
    ar.WriteI32(m_UseTimeProgram);
    ar.WriteI32(m_AutoTailing);
    ar.WriteI32(m_AutoLeading);
    ar.WriteI32(m_Reserved);
    ar.WriteI32(m_DeleteMode);
}

void IntegrationParams::Load(ArchiveReader& ar) {
    m_HalfWidth = ar.ReadI32();
    m_Slope = ar.ReadF64();
    m_MinArea = ar.ReadF64();
    m_MinHeight = ar.ReadF64();
    m_TimeDoubling = ar.ReadF64();
    m_IsConc1 = ar.ReadF64();
    m_SampleWeight = ar.ReadF64();
    m_HeightRatio = ar.ReadF64();
    m_SampleVolume = ar.ReadF64();
    m_UseTimeProgram = ar.ReadI32();
    m_AutoTailing = ar.ReadI32();
    m_AutoLeading = ar.ReadI32();
    m_Reserved = ar.ReadI32();
    m_DeleteMode = ar.ReadI32();
}

void TimeProgramEntry::Store(ArchiveWriter& ar) const {
    ar.WriteF64(m_Time);
    ar.WriteI32(m_HalfWidth);
    ar.WriteF64(m_Slope);
    ar.WriteI32(m_Forbid);
}

void TimeProgramEntry::Load(ArchiveReader& ar) {
    m_Time = ar.ReadF64();
    m_HalfWidth = ar.ReadI32();
    m_Slope = ar.ReadF64();
    m_Forbid = ar.ReadI32();
}

}  // namespace lx
