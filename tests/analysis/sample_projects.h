// Sample projects for the analysis tests: two examples, and sections built
// in code from a new project with the results of earlier sections set by hand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/batch_run.h"
#include "analysis/sections.h"
#include "model/defaults.h"
#include "model/project.h"
#include "report/report.h"

namespace qelvorn::testing {

// English AASHTO, haunch, pile footing with fixed pile heads: a 20 ft stem
// on a 13 ft pile cap with three rows of ten 12 in H-piles (front row
// battered 14 deg), default AASHTO combinations.
inline Project SamplePileProject() { return LoadExample("pile-aashto-english"); }

// Metric AASHTO LRFD, no haunch, spread footing: a 6 m stem on a 5 m wide
// footing, default LRFD combinations.
inline Project SampleSpreadProject() { return LoadExample("spread-lrfd-metric"); }

// English AASHTO USD footing strip 10 ft wide, 30 ft long and 2 ft thick:
// toe 3 ft, stem 2 ft, heel 5 ft; #8 bars at 12 in, 3 in bottom cover and
// 2 in top cover so that the top and bottom depths differ (20.50 and 21.50
// in); nlc combinations whose stability results the tests set by hand.
inline Project FootingStripProject(int nlc) {
    Project p;
    ResetProject(p);
    p.WallType = "nohaunch";
    p.fc = 4000; p.fs = 60000; p.ExpFactor = 170000;
    p.rhoc = 150.0f / 1728.0f; p.rhos = 120.0f / 1728.0f;
    DeriveConcreteProperties(p);
    p.Hw = 180; p.Hb = 60; p.Tb = 12; p.Lw = 360; p.Tw = 24; p.Bat = 0;
    p.Dt = 36; p.Wf = 120; p.Lf = 360; p.Tf = 24; p.Ht = 24;
    p.Q = 4000.0f / 144.0f;
    p.Asft = p.Asfbt = p.Asfbh = 0.79f; p.AsTSf = 0.31f;
    p.SAsft = p.SAsfbt = p.SAsfbh = p.SAsTSf = 12;
    p.CAsft = 2; p.CAsfb = 3;
    p.ResizeLoadCombinations(nlc);
    for (auto* loc : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st})
        loc->assign(static_cast<std::size_t>(nlc) + 1, 0.0f);
    for (int c = 1; c <= nlc; ++c) p.Fsls[c] = p.Fdasls[c] = p.Fdesls[c] = 1.0f;
    for (auto* t : {&p.Vtoe, &p.Mtoe, &p.Vheel, &p.Mheel}) t->resize(5, nlc);
    ClearArithmeticFaults();
    return p;
}

// A wall strip for the section checks, English unless told: f'c = 4000 psi
// (35 MPa), fy = 60000 psi, n = 8 and the strength factors of the criteria
// set by hand, one service combination
// with stress increase factor 1.
inline Project StripProject(const std::string& criteria, const std::string& units = "english") {
    Project p;
    p.Units = units;
    SetUnits(p);
    p.Criteria = criteria;
    p.ConcreteDesign = "usd";
    const bool metric = units == "metric";
    p.fc = metric ? 35.0f : 4000.0f;
    p.fs = metric ? 400.0f : 60000.0f;
    p.Es = metric ? 200000.0f : 29000000.0f;
    p.ModRatio = 8; p.Alpha1 = p.Beta1 = 0.85f; p.Ecu = 0.003f;
    p.PhiFlexure = 0.9f; p.PhiShear = 0.85f; p.PhiSteel = p.PhiConcrete = 1.0f;
    p.ModRupture = metric ? 7.5f * std::sqrt(35.0f) / 12.0f : 7.5f * std::sqrt(4000.0f);
    p.ExpFactor = 170000;
    if (criteria == "lrfd") {
        p.PhiShear = 0.9f; p.ExpFactor = 1.0f; p.ModRupture = 240.0f * std::sqrt(4.0f);
    }
    if (criteria == "s6") {
        p.PhiFlexure = p.PhiShear = 1.0f; p.PhiConcrete = 0.75f; p.PhiSteel = 0.9f; p.Ecu = 0.0035f;
        p.ModRupture = metric ? 0.4f * std::sqrt(35.0f) : 4.8f * std::sqrt(4000.0f);
        p.ExpFactor = 30000;
    }
    p.ResizeLoadCombinations(1);
    p.Fsls[1] = 1.0f;
    p.CombVs = p.CombMs = p.CombVu = p.CombMu = 1;
    return p;
}

// Side walls 10 ft long (English) on the given project.
inline void AddSideWalls(Project& p) {
    p.Ls = 120; p.Hs = 60; p.Tst = 18; p.Tsb = 18; p.Wbarrier = 500.0f / 12.0f;
    p.Asws = 0.44f; p.SAsws = 12; p.Aswsb = 0.60f; p.SAswsb = 12; p.AsTSws = 0.31f; p.SAsTSws = 12;
    p.chko3 = kTrue;
}

// The report's lines, split at CR LF (the text after the last CR LF, if
// any, is the last element).
inline std::vector<std::string> ReportLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            if (start < text.size()) lines.emplace_back(text.substr(start));
            return lines;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
}

// The lines from the first one containing `from` up to (not including) the
// next one containing `to` (or the end).
inline std::vector<std::string> LinesBetween(const std::vector<std::string>& lines, const std::string& from,
                                             const std::string& to) {
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& l : lines) {
        if (in && l.find(to) != std::string::npos) break;
        if (!in && l.find(from) != std::string::npos) in = true;
        if (in) out.push_back(l);
    }
    return out;
}

// How many lines contain `what`.
inline int CountLines(const std::vector<std::string>& lines, const std::string& what) {
    int n = 0;
    for (const std::string& l : lines)
        if (l.find(what) != std::string::npos) ++n;
    return n;
}

// An expected report line built from texts at given columns (from 1), so
// that a test reads like the layout it checks: Cols().at(10, "ROW").at(20,
// "TOE DIST"). A column left of the text so far is a mistake in the test.
struct Cols {
    std::string s;
    Cols& at(int column, std::string_view text) {
        if (static_cast<int>(s.size()) < column - 1) s.append(static_cast<std::size_t>(column - 1) - s.size(), ' ');
        s.append(text);
        return *this;
    }
    operator std::string() const { return s; }
};

}  // namespace qelvorn::testing

// A sample abutment for the stability and resultant tests, in English units,
// with round numbers in feet and kips so that every load can be worked out
// by hand:
//   no haunch, stem 4 ft thick over a 20 ft wall (Hw), back wall 5 ft x 1.5 ft,
//   seat 2 ft, toe 4 ft, footing 14 ft x 30 ft x 3 ft, wall length 30 ft,
//   heel 14 - 4 - 2 - 1.5 = 6.5 ft, soil cover over the toe 2 ft,
//   concrete 150 pcf, soil 120 pcf.
namespace qelvorn::stability_testing {


// Feet, kips, ksf and kcf to the internal units of the sample.
inline float Ft(float ft) { return ft * 12.0f; }
inline float Kip(float kip) { return kip * 1000.0f; }
inline float Ksf(float ksf) { return ksf * 1000.0f / 144.0f; }
inline float Kcf(float kcf) { return kcf * 1000.0f / 1728.0f; }
// Internal values back to kips and kip-ft.
inline double ToKip(float lb) { return lb / 1000.0; }
inline double ToKipft(float lbin) { return lbin / 12000.0; }

inline Project SampleAbutment() {
    Project p;
    p.Units = "english";
    SetUnits(p);
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

}  // namespace qelvorn::stability_testing
