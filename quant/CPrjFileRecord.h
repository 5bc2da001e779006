#pragma once
// One chromatogram file of a method project, with a copy of its peaks.

#include <cstdint>
#include <string>
#include <vector>

#include "core/Fields.h"
#include "core/PeakRecord.h"

namespace lx {

struct CPrjFileRecord {
    std::string m_FileName;
    std::int32_t m_CreatedAt = 0;     // the chromatogram's, seconds since 1970 UTC
    std::string m_Text;               // carried unchanged
    std::int32_t m_Level = 1;         // calibration level of a standard, from 1
    std::int32_t m_Repeat = 1;        // repeat within its level, from 1
    double m_RefRetentionTime = 0.0;  // the file's reference internal-standard peak
    double m_RefWindow = 0.0;
    double m_RefArea = 0.0;
    double m_RefHeight = 0.0;
    std::vector<PeakRecord> m_Peaks;

    template <class Self, class Visit>
    static void VisitFields(Self& r, Visit&& visit) {
        visit(Field{"m_FileName"}, r.m_FileName);
        visit(Field{"m_CreatedAt"}, r.m_CreatedAt);
        visit(Field{"m_Text", FieldRole::Placeholder}, r.m_Text);
        visit(Field{"m_Level"}, r.m_Level);
        visit(Field{"m_Repeat"}, r.m_Repeat);
        visit(Field{"m_RefRetentionTime"}, r.m_RefRetentionTime);
        visit(Field{"m_RefWindow"}, r.m_RefWindow);
        visit(Field{"m_RefArea"}, r.m_RefArea);
        visit(Field{"m_RefHeight"}, r.m_RefHeight);
        visit(Field{"m_Peaks"}, r.m_Peaks);
    }
    bool operator==(const CPrjFileRecord&) const = default;
};

}  // namespace lx
