#pragma once
// One chromatogram: the samples of a run with everything needed to integrate, quantify and
// report it. In memory and on disk (.Tzd) it is the same record.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChannelSetup.h"
#include "core/Fields.h"
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
    float m_Version = 2.0f;            // the version of the file it was loaded from
    std::string m_PathName;            // where it was loaded from or last saved; not saved
    std::int32_t m_SelectedPeak = -1;  // not saved
    ProjectLink* m_Project = nullptr;  // the open project it belongs to; not owned, not saved
    double m_ColumnLength = 0.0;

    // The stored fields in file order: the version, then the sections every version-2.1 file
    // has. Files before 2.1 end early (see the loader); a save always writes them all.
    template <class Self, class Visit>
    static void VisitFields(Self& d, Visit&& visit) {
        visit(Field{"m_Version"}, d.m_Version);
        VisitSections(d, visit);
    }
    // The sections after the version.
    template <class Self, class Visit>
    static void VisitSections(Self& d, Visit&& visit) {
        VisitSampleInfo(d, visit);
        visit(Field{"m_Samples"}, d.m_Samples);
        // The two records described on their own go by the names their layouts give them.
        visit(Field{"channelSetup"}, d.m_ChannelSetup);
        visit(Field{"m_DisplayTop"}, d.m_DisplayTop);
        visit(Field{"m_DisplayBottom"}, d.m_DisplayBottom);
        visit(Field{"m_Params"}, d.m_Params);
        visit(Field{"m_TimeProgram"}, d.m_TimeProgram);
        visit(Field{"m_Peaks"}, d.m_Peaks);
        visit(Field{"printSettings"}, d.m_PrintSettings);
        // From version 1.9 on
        visit(Field{"m_UseManualEvents"}, d.m_UseManualEvents);
        visit(Field{"m_ManualEvents"}, d.m_ManualEvents);
        // Above 1.9, then above 2.0
        visit(Field{"m_ColumnLength"}, d.m_ColumnLength);
        visit(Field{"m_IsConc2"}, d.m_IsConc2);
        visit(Field{"m_IsConc3"}, d.m_IsConc3);
    }
    // What the operator typed about the sample, straight after the version.
    template <class Self, class Visit>
    static void VisitSampleInfo(Self& d, Visit&& visit) {
        visit(Field{"m_Operator"}, d.m_Operator);
        visit(Field{"m_SampleName"}, d.m_SampleName);
        visit(Field{"m_Laboratory"}, d.m_Laboratory);
        visit(Field{"m_Notes"}, d.m_Notes);
        visit(Field{"m_CreatedAt"}, d.m_CreatedAt);
        visit(Field{"m_InjectVolume"}, d.m_InjectVolume);
    }

    // Stores every section at version 2.1, whatever version the record was loaded from; the
    // record itself is left as it is.
    void Serialize(ArchiveWriter& ar) const;
    // Loads what the stored version provides; absent sections keep their defaults. Returns the
    // name of the part, in the operator's language, that was cut short or damaged, or an empty view
    // on success; after a failure the record is half-read, so load into a fresh record and drop it.
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

    // Equal when every stored field is: where the record came from or went to, the selection
    // and the project link are not part of it.
    bool operator==(const CTzLabDoc& other) const;
};

}  // namespace lx
