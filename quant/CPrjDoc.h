#pragma once
// A method project: the settings and calibration of one kind of analysis, the chromatograms
// that calibrate it and those it quantifies.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/ProjectLink.h"
#include "quant/CComponentItem.h"

namespace lx {

// One chromatogram file of a project, with a copy of its peaks.
struct CPrjFileRecord {
    std::string m_FileName;
    std::int32_t m_CreatedAt = 0;
    std::string m_Text;
    std::int32_t m_Level = 1;         // calibration level of a standard, from 1
    std::int32_t m_Repeat = 1;        // repeat within its level, from 1
    double m_RefRetentionTime = 0.0;  // the file's reference internal-standard peak
    double m_RefWindow = 0.0;
    double m_RefArea = 0.0;
    double m_RefHeight = 0.0;
    std::vector<PeakRecord> m_Peaks;

    static constexpr std::uint64_t kMinStoredSize = 1 + 4 + 1 + 8 + 32 + 4;
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const CPrjFileRecord&) const = default;
};

enum QuantMethod : std::int32_t {
    kNormalization = 0,
    kInternalStandard = 1,
    kExternalStandard = 2,
    kIndexMethod = 3,
    kCalibratedNormalization = 4,
    kFingerprint = 5,
};
enum ResponseBasis : std::int32_t { kAreaBasis = 0, kHeightBasis = 1 };
enum IdentMode : std::int32_t {
    kTimeBand = 0,
    kRelativeWindow = 1,
    kNearest = 2,
    kElutionOrder = 3
};

class CPrjDoc : public ProjectLink {
public:
    static constexpr std::int32_t kFileVersion = 18;
    // More calibration levels than any lab uses; a file claiming more is damaged (every
    // component would need a point per level).
    static constexpr std::int32_t kMaxLevelCount = 1000;

    std::int32_t m_Version = 16;  // 18 once saved
    std::string m_MethodName;
    std::int32_t m_CreatedAt = 0;
    std::string m_Information;
    std::string m_Folder;
    std::string m_Operator;
    std::string m_SampleName;
    std::string m_Organization;
    std::string m_Text8;  // carried unchanged
    std::string m_Text9;
    std::int32_t m_FieldA = 0;
    std::int32_t m_LevelCount = 1;
    std::vector<CPrjFileRecord> m_Standards;
    std::vector<CPrjFileRecord> m_SecondStandards;
    std::vector<CPrjFileRecord> m_Samples;
    std::int32_t m_Basis = kAreaBasis;
    std::int32_t m_Method = kNormalization;
    std::int32_t m_IdentMode = kTimeBand;
    std::int32_t m_FieldB = 0;
    std::int32_t m_FieldC = 0;
    std::int32_t m_LastComponentId = 0;
    std::vector<CComponentItem> m_Components;  // ordered by retention time
    // The processing template the project's chromatograms share.
    ChannelSetup m_ChannelSetup;
    IntegrationParams m_Params;
    std::vector<TimeProgramEntry> m_TimeProgram;
    PrintSettings m_PrintSettings;
    std::int32_t m_UseManualEvents = 0;
    std::vector<ManualEvent> m_ManualEvents;
    double m_ValueD = 0.0;  // carried unchanged
    double m_ValueE = 0.0;
    double m_ValueF = 0.0;
    bool m_Modified = false;
    std::string m_PathName;  // the file it was opened from or saved to; not stored
    std::string m_AppDir;    // the application directory it was opened under; not stored

    // Inserts a copy of `item` under a new ID, the last one handed out + 1, after every row of
    // equal or smaller retention time, and gives every component a point for each calibration
    // level. Returns the new ID; an ID is never handed out twice, also after a deletion.
    std::int32_t AddComponent(CComponentItem item);
    // The edit of row `row` in the "新组份" dialog: the row goes and the edited record comes back
    // at its time's place under the row's ID. The edit counts an ID as handed out, as the
    // workstation's does, so later components get the IDs it would give them. Returns the ID; a
    // row out of range changes nothing and returns -1.
    std::int32_t ReplaceComponent(int row, CComponentItem item);
    // Rows out of range are ignored.
    void RemoveComponent(int row);
    void RemoveAllComponents();
    // The first row with this ID, or -1.
    int FindComponent(std::int32_t id) const;
    // The row of the internal standard `c` refers to, or -1: no reference, or one that is gone.
    int FindReference(const CComponentItem& c) const {
        return c.m_ReferenceIs >= 0 ? FindComponent(c.m_ReferenceIs) : -1;
    }
    // Row `row`, or nullptr outside the table.
    const CComponentItem* ComponentAt(int row) const {
        return row >= 0 && static_cast<std::size_t>(row) < m_Components.size()
                   ? &m_Components[static_cast<std::size_t>(row)]
                   : nullptr;
    }
    CComponentItem* ComponentAt(int row) {
        return const_cast<CComponentItem*>(std::as_const(*this).ComponentAt(row));
    }

    // The response of a peak or of a calibration repeat by the project's basis: its height on
    // the height basis, else its area. Through a record that is not const it can be rewritten.
    template <class Measured>
    auto& Response(Measured& measured) const {
        return m_Basis == kHeightBasis ? measured.m_Height : measured.m_Area;
    }

    // Stores every field at version 18 (and sets m_Version to it).
    void Serialize(ArchiveWriter& ar);
    // Loads what the stored version provides; returns the part that was cut short or damaged,
    // or an empty view. Load into a fresh project and drop it after a failure.
    std::string_view Serialize(ArchiveReader& ar);

    void IdentifyPeaks(CTzLabDoc& doc) override;
    // A standard of this project updates its file record and recalibrates; any other
    // chromatogram is quantified.
    void QuantifyPeaks(CTzLabDoc& doc, Prompter& prompter) override;
};

}  // namespace lx
