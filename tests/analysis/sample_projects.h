// Complete sample projects for the analysis tests, built in code from a new
// project (default options, units, criteria defaults and load combinations)
// so that they pass the input completeness check.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/defaults.h"
#include "model/project.h"

namespace qelvorn::testing {

// Sets pile row i (1-based): count, distance to the toe, batter piles,
// batter in degrees, spacing (internal units).
inline void SetPileRow(Project& p, int i, std::int32_t n, float x, std::int32_t nb, float batter, float s) {
    const auto k = static_cast<std::size_t>(i);
    p.PILEN[k] = n;
    p.PILEX[k] = x;
    p.PILENB[k] = nb;
    p.PILEB[k] = batter;
    p.PILES[k] = s;
}

// English AASHTO, haunch, pile footing with fixed pile heads: a 20 ft stem
// on a 13 ft pile cap with three rows of ten 12 in H-piles (front row
// battered 14 deg), default AASHTO combinations, #8 @ 12 in main bars.
inline Project SamplePileProject() {
    Project p;
    ResetProject(p);
    p.Title = "Sample pile abutment";
    p.fc = 4000;
    p.rhoc = 150.0f / 1728.0f;
    p.ExpFactor = 170000;
    p.fs = 60000;
    DeriveConcreteProperties(p);
    p.PileP = 140000; p.PilePu = 210000; p.PilePeq = 280000;
    p.PileT = 20000; p.PileTu = 30000; p.PileTeq = 40000;
    p.PileV = 10000; p.PileVu = 15000; p.PileVeq = 20000;
    p.PileHead = "fix";
    p.pile1v = 10000; p.pile1m = 240000;
    p.pile2v = 20000; p.pile2m = 660000;
    p.pile3v = 30000; p.pile3m = 1200000;
    p.Hw = 240; p.Lw = 480; p.Tw = 36; p.Bat = 0; p.Hb = 72; p.Tb = 18; p.Hh = 24;
    p.Ts = 30; p.Db = 15; p.Dt = 48; p.Ht = 36; p.Wf = 156; p.Lf = 480; p.Tf = 42;
    p.PILED = 12;
    p.ResizePileRows(3);
    SetPileRow(p, 1, 10, 18, 10, 14, 48);
    SetPileRow(p, 2, 10, 78, 0, 0, 48);
    SetPileRow(p, 3, 10, 138, 0, 0, 48);
    p.Pdc = 600000; p.Pdv = 120000; p.Pl1 = 320000; p.Pl2 = 0;
    p.Vlf = 16000; p.yVlf = 72; p.Vfr = 40000; p.yVfr = 0;
    p.Asw = 0.79f; p.Asb = 0.44f; p.Asft = 0.44f; p.Asfbt = 0.79f; p.Asfbh = 0.44f; p.AsLf = 0.60f;
    p.AsTSw = 0.31f; p.AsTSb = 0.31f; p.AsTSf = 0.31f;
    p.SAsw = 12; p.SAsb = 12; p.SAsft = 12; p.SAsfbt = 12; p.SAsfbh = 12; p.SAsLf = 12;
    p.SAsTSw = 12; p.SAsTSb = 12; p.SAsTSf = 12;
    return p;
}

// Metric AASHTO LRFD, no haunch, spread footing: a 6 m stem on a 5 m wide
// footing, default LRFD combinations, 510 mm^2 bars @ 200 mm.
inline Project SampleSpreadProject() {
    Project p;
    ResetProject(p);
    p.Units = "metric";
    p.Criteria = "lrfd";
    p.WallType = "nohaunch";
    p.FootingType = "spread";
    SetUnits(p);
    SetCriteriaDefaults(p);
    SetDefaultLoads(p);
    SetReinforcingDefaults(p);
    p.fc = 28;
    p.rhoc = 0.00002356f;
    p.ExpFactor = 1;
    p.fs = 420;
    DeriveConcreteProperties(p);
    p.Q = 0.3f; p.Qu = 0.45f; p.Qeq = 0.6f;
    p.Kp = 3; p.Kpu = 1.5f; p.Kpeq = 3;
    p.Fr = 0.55f; p.Fru = 0.44f; p.Freq = 0.55f;
    p.Xr = 0.333f; p.Xru = 0.5f; p.Xreq = 0.667f;
    p.Hw = 6000; p.Lw = 12000; p.Tw = 1000; p.Hb = 2000; p.Tb = 400; p.Ts = 600; p.Db = 350;
    p.Dt = 1500; p.Ht = 1000; p.Wf = 5000; p.Lf = 12000; p.Tf = 1000;
    p.Pdc = 2500000; p.Pdv = 400000; p.Pl1 = 1200000; p.Vfr = 150000;
    p.Asw = 510; p.Asb = 284; p.Asft = 387; p.Asfbt = 510; p.Asfbh = 387;
    p.AsTSw = 199; p.AsTSb = 199; p.AsTSf = 199;
    p.SAsw = 200; p.SAsb = 250; p.SAsft = 300; p.SAsfbt = 200; p.SAsfbh = 300;
    p.SAsTSw = 300; p.SAsTSb = 300; p.SAsTSf = 300;
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
