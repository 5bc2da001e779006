#pragma once
// Method projects with hand-set calibration data for the standard curve's tests: the values
// the plot and the report show are worked out by hand from these.

#include <vector>

#include "quant/CPrjDoc.h"

namespace lx::test {

// A level: its concentration, its mean response and the responses of its repeats (areas; the
// heights are the areas halved).
struct HandLevel {
    double concentration;
    double mean;
    std::vector<double> areas;
};

inline CComponentItem HandComponent(const char* name, std::vector<HandLevel> levels, double a,
                                    double b, std::int32_t curveType) {
    CComponentItem c;
    c.m_Name = name;
    c.m_A = a;
    c.m_B = b;
    c.m_R = 0.99876;
    c.m_CurveType = curveType;
    for (const HandLevel& level : levels) {
        CCalPoint point;
        point.m_Concentration = level.concentration;
        point.m_MeanResponse = level.mean;
        for (double area : level.areas)
            point.m_Repeats.push_back({area, area / 2, 0.0});
        c.m_Points.push_back(point);
    }
    return c;
}

// External standard on areas: "苯" y = 10 x through the origin at 1, 2 and 4 (two repeats a
// level), and "甲苯" y = 2 x + 3 at 1 and 3.
inline CPrjDoc ExternalStandardProject() {
    CPrjDoc project;
    project.m_Method = kExternalStandard;
    project.m_Basis = kAreaBasis;
    CComponentItem benzene =
        HandComponent("苯", {{1, 10, {9, 11}}, {2, 20, {19, 21}}, {4, 39, {38, 40}}}, 10, 0,
                      CComponentItem::kThroughOrigin);
    benzene.m_Id = 0;
    CComponentItem toluene =
        HandComponent("甲苯", {{1, 5, {5}}, {3, 9, {9}}}, 2, 3, CComponentItem::kGeneralLine);
    toluene.m_Id = 1;
    project.m_Components = {benzene, toluene};
    return project;
}

// Internal standard: "苯" (row 0) refers to the standard "内标" (row 1, ID 7). Levels of
// benzene 1 and 4 against 0.5 and 0.8 of the standard: amounts 2 and 5; responses 30 and 50
// against 60 and 40: ratios 0.5 and 1.25.
inline CPrjDoc InternalStandardProject() {
    CPrjDoc project;
    project.m_Method = kInternalStandard;
    project.m_Basis = kAreaBasis;
    CComponentItem benzene = HandComponent("苯", {{1, 0.5, {30}}, {4, 1.25, {50}}}, 0.6, 0,
                                           CComponentItem::kThroughOrigin);
    benzene.m_Id = 3;
    benzene.m_ReferenceIs = 7;
    CComponentItem standard = HandComponent("内标", {{0.5, 1, {60}}, {0.8, 1, {40}}}, 1, 0,
                                            CComponentItem::kThroughOrigin);
    standard.m_Id = 7;
    standard.m_IsInternalStandard = 1;
    project.m_Components = {benzene, standard};
    return project;
}

}  // namespace lx::test
