#include "core/CTzLabDoc.h"

#include <ctime>

#include "core/Archive.h"
#include "core/ArchiveLists.h"
#include "core/CoreTexts.h"
#include "core/Numeric.h"

namespace lx {

CTzLabDoc::CTzLabDoc() : m_CreatedAt(static_cast<std::int32_t>(std::time(nullptr))) {}

void CTzLabDoc::Serialize(ArchiveWriter& ar) {
    m_Version = kFileVersion;
    ar.WriteF32(kFileVersion);
    ar.WriteString(m_Operator);
    ar.WriteString(m_SampleName);
    ar.WriteString(m_Laboratory);
    ar.WriteString(m_Notes);
    ar.WriteI32(m_CreatedAt);
    ar.WriteString(m_InjectVolume);
    m_Samples.Store(ar);
    m_ChannelSetup.Store(ar);
    ar.WriteI32(m_DisplayTop);
    ar.WriteI32(m_DisplayBottom);
    m_Params.Store(ar);
    StoreList(ar, m_TimeProgram);
    StoreList(ar, m_Peaks);
    m_PrintSettings.Store(ar);
    ar.WriteI32(m_UseManualEvents);
    StoreList(ar, m_ManualEvents);
    ar.WriteF64(m_ColumnLength);
    ar.WriteF64(m_IsConc2);
    ar.WriteF64(m_IsConc3);
}

std::string_view CTzLabDoc::Serialize(ArchiveReader& ar) {
    m_Version = ar.ReadF32();
    if (ar.Failed())
        return texts::kPartVersion;
    m_Operator = ar.ReadString();
    m_SampleName = ar.ReadString();
    m_Laboratory = ar.ReadString();
    m_Notes = ar.ReadString();
    m_CreatedAt = ar.ReadI32();
    m_InjectVolume = ar.ReadString();
    if (ar.Failed())
        return texts::kPartSampleInfo;
    if (!m_Samples.Load(ar))
        return texts::kPartSamples;
    m_ChannelSetup.Load(ar);
    if (ar.Failed())
        return texts::kPartChannelSetup;
    m_DisplayTop = ar.ReadI32();
    m_DisplayBottom = ar.ReadI32();
    if (ar.Failed())
        return texts::kPartDisplayRange;
    m_Params.Load(ar);
    if (ar.Failed())
        return texts::kPartParams;
    if (!LoadList(ar, m_TimeProgram, TimeProgramEntry::kStoredSize))
        return texts::kPartTimeProgram;
    if (!LoadList(ar, m_Peaks, MinStoredSize<PeakRecord>()))
        return texts::kPartPeaks;
    m_PrintSettings.Load(ar);
    if (ar.Failed())
        return texts::kPartPrintSettings;
    // The version comparisons are those of the files in the field: 1.9 in single precision for
    // the events, but the stored 1.9f is not "above 1.9" in double precision for the column
    // length, so a 1.9 file has events and no column length.
    if (m_Version >= 1.9f) {
        m_UseManualEvents = ar.ReadI32();
        if (!LoadList(ar, m_ManualEvents, MinStoredSize<ManualEvent>()))
            return texts::kPartManualEvents;
    }
    if (m_Version < 1.2f)
        m_PrintSettings.lineSpacing = 0.5f;
    if (static_cast<double>(m_Version) > 1.9) {
        m_ColumnLength = ar.ReadF64();
        if (ar.Failed())
            return texts::kPartColumnLength;
    }
    if (static_cast<double>(m_Version) > 2.0) {
        m_IsConc2 = ar.ReadF64();
        m_IsConc3 = ar.ReadF64();
        if (ar.Failed())
            return texts::kPartIsConc;
    }
    m_Samples.m_Loaded = 1;
    return {};
}

double CTzLabDoc::SpanToMinutes(double n) const {
    return n / m_ChannelSetup.rate / 60.0;
}

std::int32_t CTzLabDoc::TimeToIndex(double minutes) const {
    return TruncToInt(m_ChannelSetup.rate * minutes * 60.0);
}

int CTzLabDoc::PeakAt(std::int32_t i) const {
    for (std::size_t k = 0; k < m_Peaks.size(); ++k)
        if (m_Peaks[k].m_Start <= i && i <= m_Peaks[k].m_End)
            return static_cast<int>(k);
    return -1;
}

bool CTzLabDoc::NoBoundaryInside(std::int32_t a, std::int32_t b) const {
    for (const auto& p : m_Peaks) {
        if ((p.m_BaseStart > a && p.m_BaseStart < b) || (p.m_BaseEnd > a && p.m_BaseEnd < b))
            return false;
    }
    return true;
}

bool CTzLabDoc::RemovePeak(int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= m_Peaks.size())
        return false;
    m_Peaks.erase(m_Peaks.begin() + k);
    RenumberPeaks();
    return true;
}

void CTzLabDoc::RenumberPeaks() {
    for (std::size_t k = 0; k < m_Peaks.size(); ++k)
        m_Peaks[k].m_Number = static_cast<std::int32_t>(k + 1);
}

void CTzLabDoc::CopyMethodFrom(const CTzLabDoc& other) {
    m_ChannelSetup = other.m_ChannelSetup;
    m_SampleName = other.m_SampleName;
    m_Notes = other.m_Notes;
    m_Laboratory = other.m_Laboratory;
    m_Operator = other.m_Operator;
    m_InjectVolume = other.m_InjectVolume;
    m_PrintSettings = other.m_PrintSettings;
    m_Params = other.m_Params;
    m_TimeProgram = other.m_TimeProgram;
    m_ManualEvents = other.m_ManualEvents;
    m_UseManualEvents = other.m_UseManualEvents;
}

}  // namespace lx
