#pragma once
// One chromatogram: the samples of a run with everything needed to integrate, quantify and
// report it. In memory and on disk (.Tzd) it is the same record.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChannelSetup.h"
#include "core/IntegrationParams.h"
#include "core/PeakRecord.h"
#include "core/PrintSettings.h"
#include "core/SampleArray.h"

namespace lx {

class ArchiveReader;
class ArchiveWriter;
class ProjectLink;

class CTzLabDoc {
public:
    static constexpr float kFileVersion = 2.1f;

    CTzLabDoc();  // every default; created now

    ChannelSetup m_ChannelSetup;
    SampleArray m_Samples;
    IntegrationParams m_Params;
    std::vector<TimeProgramEntry> m_TimeProgram;
    std::vector<PeakRecord> m_Peaks;  // ordered by retention
    PrintSettings m_PrintSettings;
    std::vector<ManualEvent> m_ManualEvents;
    std::int32_t m_UseManualEvents = 0;
    double m_IsConc2 = 1.0;
    double m_IsConc3 = 1.0;
    std::int32_t m_DisplayTop = -2500000;
    std::int32_t m_DisplayBottom = 2500000;
    std::int32_t m_CreatedAt = 0;  // seconds since 1970 UTC
    std::string m_SampleName;
    std::string m_Notes;
    std::string m_Laboratory;
    std::string m_Operator;
    std::string m_InjectVolume;
    float m_Version = 2.0f;            // the loaded file's version; 2.1 after a save
    std::string m_PathName;            // where it was loaded from or last saved; not saved
    std::int32_t m_SelectedPeak = -1;  // not saved
    ProjectLink* m_Project = nullptr;  // the open project it belongs to; not owned, not saved
    double m_ColumnLength = 0.0;

    // Stores every section at version 2.1 and sets m_Version to 2.1.
    void Serialize(ArchiveWriter& ar);
    // Loads what the stored version provides; absent sections keep their defaults. Returns the
    // name of the part that was cut short or damaged, or an empty view on success; after a
    // failure the record is half-read, so load into a fresh record and drop it.
    std::string_view Serialize(ArchiveReader& ar);

    // Minutes of an index span: n / rate / 60, the rate dividing first.
    double SpanToMinutes(double n) const;
    // Sample index of a time in minutes: rate x t x 60, truncated toward zero.
    std::int32_t TimeToIndex(double minutes) const;

    // First peak with m_Start <= i <= m_End, or -1.
    int PeakAt(std::int32_t i) const;
    // False when some peak's baseline starts or ends strictly between a and b.
    bool NoBoundaryInside(std::int32_t a, std::int32_t b) const;
    // Removes peak k and renumbers the table; false when k is outside the table. Deleting a
    // peak as the operator does also recomputes the table (DeletePeak of the integration).
    bool RemovePeak(int k);
    void RenumberPeaks();

    // Takes the method part of `other` (a channel set-up file, a project, the parameter
    // clipboard): channel set-up, sample information, print settings, integration parameters,
    // time program and manual events with their switch.
    void CopyMethodFrom(const CTzLabDoc& other);
};

}  // namespace lx
