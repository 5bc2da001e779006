#include "core/CTzLabDoc.h"

#include <ctime>

#include "core/Archive.h"
#include "core/ArchiveFields.h"
#include "core/CoreTexts.h"
#include "core/Numeric.h"

namespace lx {

CTzLabDoc::CTzLabDoc() : m_CreatedAt(static_cast<std::int32_t>(std::time(nullptr))) {}

void CTzLabDoc::Serialize(ArchiveWriter& ar) const {
    ar.WriteF32(kFileVersion);
    VisitSections(*this, [&](Field, const auto& v) { StoreValue(ar, v); });
}

// Part by part rather than in one walk: each part has its own name in the damage message, and
// the tail depends on the version.
std::string_view CTzLabDoc::Serialize(ArchiveReader& ar) {
    // A part read whole; its name when the bytes ran out or made no sense in it.
    auto failed = [&ar](auto& part) {
        LoadValue(ar, part);
        return ar.Failed();
    };
    if (failed(m_Version))
        return Tr(texts::kPartVersion);
    VisitSampleInfo(*this, [&](Field, auto& v) { LoadValue(ar, v); });
    if (ar.Failed())
        return Tr(texts::kPartSampleInfo);
    if (failed(m_Samples))
        return Tr(texts::kPartSamples);
    if (failed(m_ChannelSetup))
        return Tr(texts::kPartChannelSetup);
    if (failed(m_DisplayTop) || failed(m_DisplayBottom))
        return Tr(texts::kPartDisplayRange);
    if (failed(m_Params))
        return Tr(texts::kPartParams);
    if (failed(m_TimeProgram))
        return Tr(texts::kPartTimeProgram);
    if (failed(m_Peaks))
        return Tr(texts::kPartPeaks);
    if (failed(m_PrintSettings))
        return Tr(texts::kPartPrintSettings);
    // The version comparisons are those of the files in the field: 1.9 in single precision for
    // the events, but the stored 1.9f is not "above 1.9" in double precision for the column
    // length, so a 1.9 file has events and no column length.
    if (m_Version >= 1.9f) {
        if (failed(m_UseManualEvents) || failed(m_ManualEvents))
            return Tr(texts::kPartManualEvents);
    }
    if (m_Version < 1.2f)
        m_PrintSettings.lineSpacing = 0.5f;
    if (static_cast<double>(m_Version) > 1.9) {
        if (failed(m_ColumnLength))
            return Tr(texts::kPartColumnLength);
    }
    if (static_cast<double>(m_Version) > 2.0) {
        if (failed(m_IsConc2) || failed(m_IsConc3))
            return Tr(texts::kPartIsConc);
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

bool CTzLabDoc::operator==(const CTzLabDoc& other) const {
    bool same = true;
    VisitFieldPairs(*this, other, [&](Field, const auto& mine, const auto& theirs) {
        same = same && mine == theirs;
    });
    return same;
}

}  // namespace lx
