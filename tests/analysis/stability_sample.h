// A sample abutment for the stability and resultant tests, in English units,
// with round numbers in feet and kips so that every load can be worked out
// by hand:
//   no haunch, stem 4 ft thick over a 20 ft wall (Hw), back wall 5 ft x 1.5 ft,
//   seat 2 ft, toe 4 ft, footing 14 ft x 30 ft x 3 ft, wall length 30 ft,
//   heel 14 - 4 - 2 - 1.5 = 6.5 ft, soil cover over the toe 2 ft,
//   concrete 150 pcf, soil 120 pcf.
#pragma once

#include <string>
#include <vector>

#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "model/project.h"
#include "report/report.h"

namespace qelvorn::stability_testing {

inline void UseEnglishUnits(Project& p) {
    p.Units = "english";
    p.ForceFactor = 1000.0f; p.MomentFactor = 12000.0f; p.LengthFactor = 12.0f;
    p.PressureFactor = 1.0f / 144.0f; p.UnitWeightFactor = 1.0f / 1728.0f;
    p.LineLoadFactor = 1000.0f / 12.0f; p.VolumeFactor = 1.0f / 46656.0f;
    p.LblForceP = "(kip)"; p.LblMomentP = "(k-ft)"; p.LblLengthP = "(ft)";
}

// Feet, kips, ksf and kcf to the internal units of the sample.
inline float Ft(float ft) { return ft * 12.0f; }
inline float Kip(float kip) { return kip * 1000.0f; }
inline float Ksf(float ksf) { return ksf * 1000.0f / 144.0f; }
inline float Kcf(float kcf) { return kcf * 1000.0f / 1728.0f; }
// Internal values back to kips, kip-ft and ft.
inline double ToKip(float lb) { return lb / 1000.0; }
inline double ToKipft(float lbin) { return lbin / 12000.0; }
inline double ToFt(float in) { return in / 12.0; }

inline Project SampleAbutment() {
    Project p;
    UseEnglishUnits(p);
    p.WallType = "nohaunch";
    p.FootingType = "spread";
    p.Criteria = "aashto";
    p.ConcreteDesign = "usd";
    p.rhoc = Kcf(0.150f); p.rhos = Kcf(0.120f);
    p.Hw = Ft(20); p.Ht = Ft(2); p.Lw = Ft(30); p.Tw = Ft(4); p.Bat = 0;
    p.Hb = Ft(5); p.Tb = Ft(1.5f); p.Ts = Ft(2); p.Db = Ft(1);
    p.Dt = Ft(4); p.Wf = Ft(14); p.Lf = Ft(30); p.Tf = Ft(3);
    p.Xr = 0.5f; p.Xru = 0.6f; p.Xreq = 0.7f;
    p.Kep = 0.3f; p.Yep = 0.4f;
    p.Qcp = Ksf(0.5f); p.Hcp = Ft(5);
    p.Qsc = Ksf(0.24f); p.Wsc = Ft(8.5f); p.Nsc = 2;
    p.Pdc = Kip(300); p.Pl1 = Kip(100);
    p.Vlf = Kip(10); p.yVlf = Ft(6); p.Vfr = Kip(20); p.yVfr = 0;
    p.ResizeLoadCombinations(1);
    p.LoadTitle[1] = "Group I";
    // Service: every load present at full value.
    for (ColumnPtr c : {&Project::Fdasls, &Project::Fdcsls, &Project::Fdesls, &Project::Fl1sls, &Project::Fepsls,
                        &Project::Fscsls, &Project::Fcpsls, &Project::Flfsls, &Project::Ffrsls})
        (p.*c)[1] = 1.0f;
    p.Fsls[1] = 1.0f;
    for (ColumnPtr c : {&Project::Fdamax, &Project::Fdcmax, &Project::Fdemax, &Project::Fl1max, &Project::Fepmax,
                        &Project::Fscmax, &Project::Fcpmax, &Project::Flfmax, &Project::Ffrmax})
        (p.*c)[1] = 1.5f;
    for (ColumnPtr c : {&Project::Fdamin, &Project::Fdcmin, &Project::Fdemin, &Project::Fepmin})
        (p.*c)[1] = 0.9f;
    return p;
}

// The lines of a report (CR LF endings removed), the line in progress last.
inline std::vector<std::string> Lines(const Report& r) { return testing::ReportLines(r.allText()); }

// The stability section of p, run alone, as report lines.
inline std::vector<std::string> StabilityLines(Project& p) {
    Report r;
    ClearArithmeticFaults();
    Stability(p, r);
    return Lines(r);
}

// Index of the first line at or after `from` that contains the text, -1
// when there is none.
inline int FindLine(const std::vector<std::string>& lines, const std::string& what, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[static_cast<std::size_t>(i)].find(what) != std::string::npos) return i;
    return -1;
}

}  // namespace qelvorn::stability_testing
