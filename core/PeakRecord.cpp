#include "core/PeakRecord.h"

#include "core/Archive.h"

namespace lx {

void PeakRecord::Store(ArchiveWriter& ar) const {
    ar.WriteI32(m_Number);
    ar.WriteI32(m_Aux);
    ar.WriteI32(m_GroupSize);
    ar.WriteI32(m_Start);
    ar.WriteI32(m_Apex);
    ar.WriteF64(m_ApexTime);
    ar.WriteI32(m_End);
    ar.WriteI32(m_StartValue);
    ar.WriteI32(m_ApexValue);
    ar.WriteI32(m_EndValue);
    ar.WriteI32(m_BaseStart);
    ar.WriteI32(m_BaseEnd);
    ar.WriteI32(m_BaseStartValue);
    ar.WriteI32(m_BaseEndValue);
    ar.WriteI32(m_Flags);
    ar.WriteI32(m_Spare);
    ar.WriteF64(m_Area);
    ar.WriteF64(m_Height);
    ar.WriteF64(m_AreaPercent);
    ar.WriteF64(m_Content);
    ar.WriteF64(m_HalfWidthTime);
    ar.WriteF64(m_Tailing);
    ar.WriteF64(m_Plates);
    ar.WriteF64(m_Resolution);
    ar.WriteI32(m_Component);
    ar.WriteString(m_ComponentName);
    ar.WriteF64(m_Extra1);
    ar.WriteF64(m_Extra2);
    ar.WriteF64(m_Extra3);
    ar.WriteF64(m_Extra4);
    ar.WriteF64(m_Extra5);
    ar.WriteI32(m_Extra6);
    ar.WriteI32(m_Extra7);
    ar.WriteI32(m_Extra8);
}

void PeakRecord::Load(ArchiveReader& ar) {
    m_Number = ar.ReadI32();
    m_Aux = ar.ReadI32();
    m_GroupSize = ar.ReadI32();
    m_Start = ar.ReadI32();
    m_Apex = ar.ReadI32();
    m_ApexTime = ar.ReadF64();
    m_End = ar.ReadI32();
    m_StartValue = ar.ReadI32();
    m_ApexValue = ar.ReadI32();
    m_EndValue = ar.ReadI32();
    m_BaseStart = ar.ReadI32();
    m_BaseEnd = ar.ReadI32();
    m_BaseStartValue = ar.ReadI32();
    m_BaseEndValue = ar.ReadI32();
    m_Flags = ar.ReadI32();
    m_Spare = ar.ReadI32();
    m_Area = ar.ReadF64();
    m_Height = ar.ReadF64();
    m_AreaPercent = ar.ReadF64();
    m_Content = ar.ReadF64();
    m_HalfWidthTime = ar.ReadF64();
    m_Tailing = ar.ReadF64();
    m_Plates = ar.ReadF64();
    m_Resolution = ar.ReadF64();
    m_Component = ar.ReadI32();
    m_ComponentName = ar.ReadString();
    m_Extra1 = ar.ReadF64();
    m_Extra2 = ar.ReadF64();
    m_Extra3 = ar.ReadF64();
    m_Extra4 = ar.ReadF64();
    m_Extra5 = ar.ReadF64();
    m_Extra6 = ar.ReadI32();
    m_Extra7 = ar.ReadI32();
    m_Extra8 = ar.ReadI32();
    m_RawSum = 0.0;
}

void ManualEvent::Store(ArchiveWriter& ar) const {
    ar.WriteI32(m_Type);
    ar.WriteI32(m_Param1);
    ar.WriteI32(m_Param2);
    m_Peak.Store(ar);
    ar.WriteF64(m_Time);
}

void ManualEvent::Load(ArchiveReader& ar) {
    m_Type = ar.ReadI32();
    m_Param1 = ar.ReadI32();
    m_Param2 = ar.ReadI32();
    m_Peak.Load(ar);
    m_Time = ar.ReadF64();
}

}  // namespace lx
