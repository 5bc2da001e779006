#pragma once
// A method project: the settings and calibration of one kind of analysis, the chromatograms
// that calibrate it and those it quantifies.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Fields.h"
#include "core/ProjectLink.h"
#include "quant/CComponentItem.h"
#include "quant/CPrjFileRecord.h"

namespace lx {

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

    std::int32_t m_Version = 16;   // the loaded file's version; 18 once saved
    std::string m_MethodName;      // the file's base name once opened
    std::int32_t m_CreatedAt = 0;  // seconds since 1970 UTC
    std::string m_Information;
    std::string m_Folder;  // relative to the application directory, set on every open
    std::string m_Operator;
    std::string m_SampleName;
    std::string m_Organization;
    std::string m_Text8;        // carried unchanged
    std::string m_Text9;        // carried unchanged
    std::int32_t m_FieldA = 0;  // carried unchanged
    std::int32_t m_LevelCount = 1;
    std::vector<CPrjFileRecord> m_Standards;
    std::vector<CPrjFileRecord> m_SecondStandards;
    std::vector<CPrjFileRecord> m_Samples;
    std::int32_t m_Basis = kAreaBasis;
    std::int32_t m_Method = kNormalization;
    std::int32_t m_IdentMode = kTimeBand;
    std::int32_t m_FieldB = 0;  // carried unchanged
    std::int32_t m_FieldC = 0;  // carried unchanged
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
    double m_ValueE = 0.0;  // carried unchanged
    double m_ValueF = 0.0;  // carried unchanged
    bool m_Modified = false;
    std::string m_PathName;  // the file it was opened from or saved to; not stored
    std::string m_AppDir;    // the application directory it was opened under; not stored

    // The stored fields in file order. The file is not one plain run of them: text 9, the
    // manual events and the values D to F come only from later versions, and the component
    // table and each template record open with a section tag; the project file walks the
    // groups below one by one for that, and to name the part that failed.
    template <class Self, class Visit>
    static void VisitFields(Self& p, Visit&& visit) {
        visit(Field{"m_Version"}, p.m_Version);
        VisitInformation(p, visit);
        visit(Field{"m_Text9", FieldRole::Placeholder}, p.m_Text9);  // from version 11 on
        VisitLevels(p, visit);
        VisitFileLists(p, visit);
        VisitSettings(p, visit);
        visit(Field{"m_Components"}, p.m_Components);  // behind the tag "ID_TABLE"
        VisitTemplate(p, visit);
        VisitManualEvents(p, visit);  // from version 16 on
        VisitValues(p, visit);        // from version 17 and 18 on
    }
    // What the operator typed about the project, after the version.
    template <class Self, class Visit>
    static void VisitInformation(Self& p, Visit&& visit) {
        visit(Field{"m_MethodName"}, p.m_MethodName);
        visit(Field{"m_CreatedAt"}, p.m_CreatedAt);
        visit(Field{"m_Information"}, p.m_Information);
        visit(Field{"m_Folder"}, p.m_Folder);
        visit(Field{"m_Operator"}, p.m_Operator);
        visit(Field{"m_SampleName"}, p.m_SampleName);
        visit(Field{"m_Organization"}, p.m_Organization);
        visit(Field{"m_Text8", FieldRole::Placeholder}, p.m_Text8);
    }
    template <class Self, class Visit>
    static void VisitLevels(Self& p, Visit&& visit) {
        visit(Field{"m_FieldA", FieldRole::Placeholder}, p.m_FieldA);
        visit(Field{"m_LevelCount"}, p.m_LevelCount);
    }
    template <class Self, class Visit>
    static void VisitFileLists(Self& p, Visit&& visit) {
        visit(Field{"m_Standards"}, p.m_Standards);
        visit(Field{"m_SecondStandards"}, p.m_SecondStandards);
        visit(Field{"m_Samples"}, p.m_Samples);
    }
    template <class Self, class Visit>
    static void VisitSettings(Self& p, Visit&& visit) {
        visit(Field{"m_Basis"}, p.m_Basis);
        visit(Field{"m_Method"}, p.m_Method);
        visit(Field{"m_IdentMode"}, p.m_IdentMode);
        visit(Field{"m_FieldB", FieldRole::Placeholder}, p.m_FieldB);
        visit(Field{"m_FieldC", FieldRole::Placeholder}, p.m_FieldC);
        visit(Field{"m_LastComponentId"}, p.m_LastComponentId);
    }
    // The template's records, each behind its tag: "SAM_CON", "DETE_PARA", "PRJ_TIME",
    // "PRJ_PRINT".
    template <class Self, class Visit>
    static void VisitTemplate(Self& p, Visit&& visit) {
        visit(Field{"channelSetup"}, p.m_ChannelSetup);
        visit(Field{"m_Params"}, p.m_Params);
        visit(Field{"m_TimeProgram"}, p.m_TimeProgram);
        visit(Field{"printSettings"}, p.m_PrintSettings);
    }
    template <class Self, class Visit>
    static void VisitManualEvents(Self& p, Visit&& visit) {
        visit(Field{"m_UseManualEvents"}, p.m_UseManualEvents);
        visit(Field{"m_ManualEvents"}, p.m_ManualEvents);
    }
    template <class Self, class Visit>
    static void VisitValues(Self& p, Visit&& visit) {
        visit(Field{"m_ValueD", FieldRole::Placeholder}, p.m_ValueD);
        visit(Field{"m_ValueE", FieldRole::Placeholder}, p.m_ValueE);
        visit(Field{"m_ValueF", FieldRole::Placeholder}, p.m_ValueF);
    }

    // Inserts a copy of `item` under a new ID, the last one handed out + 1, after every row of
    // equal or smaller retention time, and gives every component a point for each calibration
    // level. Returns the new ID; an ID is never handed out twice, also after a deletion.
    std::int32_t AddComponent(CComponentItem item);
    // The edit of row `row` in the "新组份" dialog: the row goes and the edited record comes back
    // at its time's place under the row's ID. The edit counts an ID as handed out, as the
    // workstation's does, so later components get the IDs it would give them. A row out of
    // range changes nothing and gives false.
    bool ReplaceComponent(int row, CComponentItem item);
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

    // Stores every field at version 18, whatever version the project was loaded from; the
    // project itself is left as it is (SaveTzpFile moves it to version 18).
    void Serialize(ArchiveWriter& ar) const;
    // Loads what the stored version provides; fields of later versions keep their values.
    // Returns the part that was cut short or damaged, named in the operator's language, or an
    // empty view. Load into a fresh project and drop it after a failure.
    std::string_view Serialize(ArchiveReader& ar);

    // Equal when every stored field is: where the project was opened from, under which
    // application directory and whether it was modified are not part of it.
    bool operator==(const CPrjDoc& other) const;

    void IdentifyPeaks(CTzLabDoc& doc) override;
    // A standard of this project updates its file record and recalibrates; any other
    // chromatogram is quantified.
    void QuantifyPeaks(CTzLabDoc& doc, Prompter& prompter) override;
};

}  // namespace lx
