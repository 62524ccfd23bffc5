// Stability of the abutment as a whole: every unfactored load with its
// moment about the toe, the four limit-state sets of each load combination,
// and the location of the vertical resultant on the footing.
//
// x is measured from the toe towards the heel, heights from the bottom of
// the footing. The front face of the stem stands at x = Dt, the seat runs
// from Dt to Dt + Ts, the back wall from Dt + Ts to Dt + Ts + Tb, and the
// heel lies behind the back wall.
#include "analysis/stability.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "analysis/fault_causes.h"
#include "analysis/sections.h"
#include "model/numtext.h"

namespace qelvorn {

namespace {

constexpr float kPi = 3.1416f;

// ---------------------------------------------------------------------------
// Rules that depend on the design criteria, side by side.

// AREMA loads the heel with surcharge strips (Nsc strips Wsc wide); the
// other criteria spread the surcharge over the wall length.
bool SurchargeInStrips(const std::string& criteria) {
    if (criteria == "arema") return true;
    return false;  // "aashto", "lrfd", "s6"
}

// CAN/CSA-S6 checks stability with the minimum dead loads raised to their
// full value (ULS MIN*, footing case 2*).
bool UsesMinStar(const std::string& criteria) {
    if (criteria == "s6") return true;
    return false;  // "aashto", "arema", "lrfd"
}

// Limit states whose resultant location is checked against the limits:
// service loads against Xr for AASHTO and AREMA, factored loads against Xru
// for AASHTO LRFD and CAN/CSA-S6; earthquake combinations against Xreq.
bool ChecksServiceResultant(const std::string& criteria) {
    if (criteria == "aashto" || criteria == "arema") return true;
    return false;  // "lrfd", "s6"
}

// ---------------------------------------------------------------------------

ConcretePiece Part(float area, float arm) { return {area, area * arm, arm}; }

// A piece made of parts: their areas added, at the area-weighted arm.
ConcretePiece Parts(std::initializer_list<ConcretePiece> parts) {
    ConcretePiece c;
    for (const ConcretePiece& part : parts) {
        c.volume = c.volume + part.volume;
        c.moment = c.moment + part.moment;
    }
    c.arm = c.volume != 0.0f ? c.moment / c.volume : 0.0f;
    return c;
}

// A section area taken over a length, at the same arm.
ConcretePiece PerLength(ConcretePiece a, float length) {
    const float volume = a.volume * length;
    return {volume, volume * a.arm, a.arm};
}

// Weight and moment about the toe of one load.
struct Load {
    float weight = 0;
    float moment = 0;
};

// The weight of a piece, and its moment as that weight times its arm.
Load Weigh(ConcretePiece c, float unitWeight) {
    const float weight = c.volume * unitWeight;
    return {weight, weight * c.arm};
}

// The concrete of the abutment weighed. The side-wall parts are written
// with the unit weight inside their products, and are evaluated so.
struct AbutmentLoads {
    Load back, haunch, stem, footing;
    bool sideWalls = false;
    float w1 = 0, x1 = 0;      // side walls over the footing
    float w2 = 0, x2 = 0;      // less the open space above the seat
    float w3 = 0, m3 = 0;      // less the part already counted in the walls (weight, moment)
    float net = 0;             // w1 - w2 - w3
    float w4 = 0, x4 = 0;      // beyond the footing: rectangle of the end height Hs
    float w5 = 0, x5 = 0;      // beyond the footing: taper from Hw down to Hs
    float w6 = 0, x6 = 0;      // one barrier on each side wall
};

AbutmentLoads WeighAbutment(const Project& p, const AbutmentConcrete& c, float rhoc) {
    AbutmentLoads a;
    a.back = Weigh(c.backWall, rhoc);
    a.haunch = Weigh(c.haunch, rhoc);
    a.stem = Weigh(c.stem, rhoc);
    a.footing = Weigh(c.footing, rhoc);
    if (!(p.Ls > 0.0f)) return a;

    const float t = c.sideThickness;
    const float heel = HeelLength(p);
    const float beyond = p.Ls - heel;
    a.sideWalls = true;
    a.w1 = (p.Wf - p.Dt) * t * p.Hw * rhoc;
    a.x1 = p.Dt + (p.Wf - p.Dt) / 2.0f;
    a.w2 = t * rhoc * p.Ts * p.Hb;
    a.x2 = p.Dt + p.Ts / 2.0f;
    a.w3 = (a.back.weight + a.haunch.weight + a.stem.weight) * t / p.Lw;
    a.m3 = (a.back.moment + a.haunch.moment + a.stem.moment) * t / p.Lw;
    a.net = a.w1 - a.w2 - a.w3;
    a.w4 = beyond * t * rhoc * p.Hs;
    a.x4 = p.Dt + p.Ts + p.Tb + heel + beyond / 2.0f;
    a.w5 = beyond * t * rhoc * (p.Hw - p.Hs) / 2.0f;
    a.x5 = p.Dt + p.Ts + p.Tb + heel + beyond / 3.0f;
    a.w6 = 2.0f * p.Wbarrier * p.Ls;
    a.x6 = p.Dt + p.Ts + p.Tb + p.Ls / 2.0f;
    return a;
}

ConcreteVolumes VolumesOf(const Project& p, const AbutmentLoads& a, float rhoc) {
    ConcreteVolumes v;
    v.footing = a.footing.weight / rhoc;
    v.walls = (a.haunch.weight + a.back.weight + a.stem.weight) / rhoc;
    if (p.Ls > 0.0f) v.walls = v.walls + (a.w4 + a.w5 + a.net) / rhoc;
    return v;
}

// The factors of one limit-state set of one combination, in load order.
struct Factors {
    float da = 0, dc = 0, dv = 0, de = 0, l1 = 0, l2 = 0, lf = 0, fr = 0, ep = 0, sc = 0, cp = 0, eq = 0;
};

Factors FactorsOf(const Project& p, const std::array<ColumnPtr, kLoadTypes>& set, int i) {
    const auto f = [&](int k) { return (p.*set[static_cast<std::size_t>(k)]).at(static_cast<std::size_t>(i)); };
    return {f(0), f(1), f(2), f(3), f(4), f(5), f(6), f(7), f(8), f(9), f(10), f(11)};
}

// A minimum dead-load factor between 0 and 1 is raised to 1 for the
// stability check; 0, negative factors and factors of 1 or more stand.
float RaisedMinimum(float f) { return (f > 0.0f && f < 1.0f) ? 1.0f : f; }

float Vertical(const Project& p, const Factors& f) {
    return p.Pdc * f.dc + p.Wda * f.da + p.Pdv * f.dv + p.Wde * f.de + p.Pl1 * f.l1 + p.Pl2 * f.l2 + p.Wscv * f.sc;
}
float Righting(const Project& p, const Factors& f) {
    return p.Mdc * f.dc + p.Mda * f.da + p.Mdv * f.dv + p.Mde * f.de + p.Ml1 * f.l1 + p.Ml2 * f.l2 + p.Mscv * f.sc;
}
float Lateral(const Project& p, const Factors& f) {
    return p.Vfr * f.fr + p.Vlf * f.lf + p.Pep * f.ep + p.Peq * f.eq + p.Pcp * f.cp + p.Psc * f.sc;
}
float Overturning(const Project& p, const Factors& f) {
    return p.Mfr * f.fr + p.Mlf * f.lf + p.Mep * f.ep + p.Meq * f.eq + p.Mcp * f.cp + p.Msc * f.sc;
}

float& At(Column& c, int i) { return c.at(static_cast<std::size_t>(i)); }
float At(const Column& c, int i) { return c.at(static_cast<std::size_t>(i)); }

// Result columns are sized with the load combinations; a table whose count
// was set without a resize still gets room for every combination.
void EnsureRows(Column& c, int nlc) {
    const auto size = static_cast<std::size_t>(nlc > 0 ? nlc : 0) + 1;
    if (c.size() < size) c.resize(size, 0.0f);
}

// ---------------------------------------------------------------------------
// Unfactored components

void DeadLoadAbutment(Project& p, Report& r, const AbutmentConcrete& c) {
    StepCause(r, p.Lw == 0.0f, "zero wall length");
    const AbutmentLoads a = WeighAbutment(p, c, p.rhoc);
    r.checkStep();

    Load side;
    float xSide = 0;
    if (a.sideWalls) {
        StepCause(r, a.net == 0.0f, "zero net weight of the side walls over the footing");
        const float xNet = (a.x1 * a.w1 - a.x2 * a.w2 - a.m3) / a.net;
        r.checkStep();
        side.weight = a.w5 + a.w4 + a.net + a.w6;
        const float sideMoment = a.w5 * a.x5 + a.w4 * a.x4 + a.net * xNet + a.w6 * a.x6;
        xSide = side.weight != 0.0f ? sideMoment / side.weight : 0.0f;
        side.moment = side.weight * xSide;
    }

    p.Wda = a.haunch.weight + a.back.weight + a.stem.weight + a.footing.weight + side.weight;
    StepCause(r, p.Wda == 0.0f, "zero dead load abutment");
    p.Xda = (a.haunch.moment + a.back.moment + a.stem.moment + a.footing.moment + side.moment) / p.Wda;
    r.checkStep();
    p.Mda = p.Xda * p.Wda;

    const ConcreteVolumes v = VolumesOf(p, a, p.rhoc);
    p.Volf = v.footing;
    p.Volw = v.walls;
}

void DeadLoadEarth(Project& p, Report& r, const AbutmentConcrete& c) {
    // Worked in concrete-weight terms first: the block behind the stem face
    // up to the top of the wall, less the open space above the seat and the
    // concrete of the walls; then scaled to soil.
    const float e1 = (p.Wf - p.Dt) * p.Lw * p.Hw * p.rhoc;
    const float x1 = p.Dt + (p.Wf - p.Dt) / 2.0f;
    const float e2 = p.rhoc * p.Lw * p.Ts * p.Hb;
    const float x2 = p.Dt + p.Ts / 2.0f;
    const Load back = Weigh(c.backWall, p.rhoc);
    const Load haunch = Weigh(c.haunch, p.rhoc);
    const Load stem = Weigh(c.stem, p.rhoc);
    const float net = e1 - e2 - back.weight - haunch.weight - stem.weight;
    StepCause(r, net == 0.0f, "zero soil volume over the heel");
    const float xs = (e1 * x1 - e2 * x2 - back.moment - haunch.moment - stem.moment) / net;
    r.checkStep();
    // The side walls take their own width out of the soil.
    StepCause(r, p.Lw == 0.0f || p.rhoc == 0.0f, "zero wall length or concrete unit weight");
    const float heelSoil = (p.Lw - c.sideThickness) * (p.rhos / p.rhoc) * net / p.Lw;
    r.checkStep();
    const float toeSoil = p.Lf * p.Dt * p.Ht * p.rhos;

    p.Wde = toeSoil + heelSoil;
    StepCause(r, p.Wde == 0.0f, "zero dead load earth");
    p.Xde = (toeSoil * p.Dt / 2.0f + heelSoil * xs) / p.Wde;
    r.checkStep();
    p.Mde = p.Xde * p.Wde;
}

void VerticalLoads(Project& p, float heel) {
    if (SurchargeInStrips(p.Criteria))
        p.Wscv = p.Qsc * heel * p.Wsc * p.Nsc;
    else
        p.Wscv = p.Lw * heel * p.Qsc;
    p.Xscv = p.Ts + p.Dt + p.Tb + heel / 2.0f;
    p.Mscv = p.Xscv * p.Wscv;

    // Bridge loads act at the centreline of bearing.
    const float xBearing = p.Db + p.Dt;
    p.Mdc = xBearing * p.Pdc;
    p.Mdv = xBearing * p.Pdv;
    p.Ml1 = xBearing * p.Pl1;
    p.Ml2 = xBearing * p.Pl2;
}

void LateralLoads(Project& p, float loadedWidth) {
    const float B = loadedWidth;
    const float Htot = p.Tf + p.Hw;
    const float seat = p.Tf + p.Hw - p.Hb;

    p.Mlf = (seat + p.yVlf) * p.Vlf;
    p.Mfr = (seat + p.yVfr) * p.Vfr;

    const float Htot2 = Htot * Htot;
    p.Pep = p.Kep * B * p.rhos * Htot2 / 2.0f;
    p.Mep = p.Yep * p.Pep * Htot;
    p.Peq = p.Keq * B * p.rhos * Htot2 / 2.0f;
    p.Meq = p.Yeq * p.Peq * Htot;

    // Compaction pressure: Qcp at the top falling to zero at the depth Hcp;
    // an abutment lower than Hcp carries the trapezoid down to q1 at its base.
    if (Htot >= p.Hcp) {
        p.Pcp = B * p.Qcp * p.Hcp / 2.0f;
        p.Mcp = p.Pcp * (Htot - p.Hcp / 3.0f);
    } else {
        const float q1 = p.Qcp * (p.Hcp - Htot) / p.Hcp;
        const float q2 = p.Qcp - q1;
        p.Pcp = (Htot * q2 / 2.0f + Htot * q1) * B;
        p.Mcp = (Htot * Htot * q1 / 2.0f + Htot * Htot * q2 / 3.0f) * B;
    }

    if (SurchargeInStrips(p.Criteria)) {
        const float s = p.Qsc * p.Kep * p.Wsc * p.Nsc;
        p.Psc = Htot * s;
        p.Msc = Htot * Htot * s / 2.0f;
    } else {
        p.Psc = p.Qsc * p.Kep * B * Htot;
        p.Msc = Htot * p.Psc / 2.0f;
    }
}

void Combinations(Project& p) {
    const int n = p.NLC;
    for (ColumnPtr col : kCombinationResults) EnsureRows(p.*col, n);
    for (ColumnPtr col : kMinStarFactors) EnsureRows(p.*col, n);

    for (int i = 1; i <= n; ++i) {
        const Factors sls = FactorsOf(p, kSlsFactors, i);
        const Factors max = FactorsOf(p, kMaxFactors, i);
        const Factors min = FactorsOf(p, kMinFactors, i);

        At(p.Vsls, i) = Vertical(p, sls);
        At(p.Mrsls, i) = Righting(p, sls);
        At(p.Vmax, i) = Vertical(p, max);
        At(p.Mrmax, i) = Righting(p, max);
        At(p.Vmin, i) = Vertical(p, min);
        At(p.Mrmin, i) = Righting(p, min);

        At(p.Fdaminst, i) = RaisedMinimum(min.da);
        At(p.Fdcminst, i) = RaisedMinimum(min.dc);
        At(p.Fdvminst, i) = RaisedMinimum(min.dv);
        At(p.Fdeminst, i) = RaisedMinimum(min.de);
        Factors minst = min;
        minst.da = At(p.Fdaminst, i);
        minst.dc = At(p.Fdcminst, i);
        minst.dv = At(p.Fdvminst, i);
        minst.de = At(p.Fdeminst, i);
        At(p.Vminst, i) = Vertical(p, minst);
        At(p.Mrminst, i) = Righting(p, minst);

        At(p.Hsls, i) = Lateral(p, sls);
        At(p.Mosls, i) = Overturning(p, sls);
        At(p.Hmax, i) = Lateral(p, max);
        At(p.Momax, i) = Overturning(p, max);
        At(p.Hmin, i) = Lateral(p, min);
        At(p.Momin, i) = Overturning(p, min);
    }
}

// ---------------------------------------------------------------------------
// Report tables

void LoadRow(const Project& p, Report& r, const char* label, float force, float moment) {
    if (force == 0.0f) return;
    r.tab(10).text(label).tab(40).num(force / p.ForceFactor, "0.0").tab(55).num(moment / p.MomentFactor, "0.0").endl();
}

void LoadTableHead(const Project& p, Report& r, const char* quantity) {
    r.rule10();
    r.tab(10).text("LOAD CONDITION").tab(40).text(quantity).tab(55).text("MOMENT AT TOE").endl();
    r.tab(40).text(p.LblForceP).tab(55).text(p.LblMomentP).endl();
    r.rule10();
}

void UnfactoredTables(const Project& p, Report& r) {
    r.heading("UNFACTORED WEIGHT AND RIGHTING MOMENT:");
    LoadTableHead(p, r, "WEIGHT");
    LoadRow(p, r, "Dead load abutment", p.Wda, p.Mda);
    LoadRow(p, r, "Dead load constant", p.Pdc, p.Mdc);
    LoadRow(p, r, "Dead load varying", p.Pdv, p.Mdv);
    LoadRow(p, r, "Dead load earth", p.Wde, p.Mde);
    LoadRow(p, r, "Live load standard", p.Pl1, p.Ml1);
    LoadRow(p, r, "Live load special", p.Pl2, p.Ml2);
    LoadRow(p, r, "Live load surcharge", p.Wscv, p.Mscv);
    r.rule10();

    r.blank();
    r.heading("UNFACTORED LATERAL FORCE AND OVERTURNING MOMENT:");
    LoadTableHead(p, r, "FORCE");
    LoadRow(p, r, "LL longitudinal force", p.Vlf, p.Mlf);
    LoadRow(p, r, "FR longitudinal force", p.Vfr, p.Mfr);
    LoadRow(p, r, "Lateral earth pressure", p.Pep, p.Mep);
    LoadRow(p, r, "Earthquake pressure", p.Peq, p.Meq);
    LoadRow(p, r, "Compaction pressure", p.Pcp, p.Mcp);
    LoadRow(p, r, "Surcharge pressure", p.Psc, p.Msc);
    r.rule10();
}

void CombinationRow(const Project& p, Report& r, const std::string& state, float v, float mr) {
    r.tab(20).text(state).tab(30).num(v / p.ForceFactor, "0.0").tab(40).num(mr / p.MomentFactor, "0.0");
}

void LateralCells(const Project& p, Report& r, float h, float mo) {
    r.tab(50).num(h / p.ForceFactor, "0.0").tab(60).num(mo / p.MomentFactor, "0.0").endl();
}

// The stability results of a row of the combination table, in display
// units; the resultant location is added by the vertical resultant table.
void KeepStability(const Project& p, Report& r, int i, const char* state, float v, float mr, float h, float mo) {
    RunRecords* records = r.records();
    if (!records) return;
    records->stability.push_back({.combination = i,
                                  .limitState = state,
                                  .vertical = v / p.ForceFactor,
                                  .resisting = mr / p.MomentFactor,
                                  .overturning = mo / p.MomentFactor,
                                  .horizontal = h / p.ForceFactor,
                                  .resultant = 0.0f});
}

// Each row's own resultant: SLS, case 1 (ULS MAX), case 4 (ULS MIN), case
// 2* (ULS MIN*).
void KeepResultants(const Project& p, Report& r) {
    RunRecords* records = r.records();
    if (!records) return;
    for (StabilityRecord& s : records->stability) {
        const Column& x = s.limitState == "SLS"       ? p.Xsls
                          : s.limitState == "ULS MAX" ? p.Xuls1
                          : s.limitState == "ULS MIN" ? p.Xuls4
                                                      : p.Xuls2st;
        if (s.combination >= 0 && static_cast<std::size_t>(s.combination) < x.size())
            s.resultant = x[static_cast<std::size_t>(s.combination)] / p.LengthFactor;
    }
}

void CombinationTable(const Project& p, Report& r) {
    const bool ultimate = p.ConcreteDesign != "sld";
    const bool minStar = UsesMinStar(p.Criteria);

    r.blank();
    r.heading("RESULTANT LOAD COMBINATIONS:");
    r.rule10();
    r.tab(10).text("COMB").tab(20).text("LIMIT").tab(30).text("VERTICAL").tab(40).text("RIGHTING");
    r.tab(50).text("LATERAL").tab(60).text("OVERTURNING").endl();
    r.tab(10).text(" NO").tab(20).text("STATE").tab(30).text("  LOAD").tab(40).text(" MOMENT");
    r.tab(50).text(" LOAD").tab(60).text("  MOMENT").endl();
    r.tab(30).text("  " + p.LblForceP).tab(40).text(" " + p.LblMomentP);
    r.tab(50).text(" " + p.LblForceP).tab(60).text("  " + p.LblMomentP).endl();
    r.rule10();

    for (int i = 1; i <= p.NLC; ++i) {
        r.blank();
        const bool slsRow = At(p.Vsls, i) != 0.0f;
        if (slsRow) {
            r.tab(10).bare(static_cast<float>(i));
            CombinationRow(p, r, "SLS", At(p.Vsls, i), At(p.Mrsls, i));
            LateralCells(p, r, At(p.Hsls, i), At(p.Mosls, i));
            KeepStability(p, r, i, "SLS", At(p.Vsls, i), At(p.Mrsls, i), At(p.Hsls, i), At(p.Mosls, i));
        }
        if (ultimate && At(p.Vmax, i) != 0.0f) {
            r.tab(10).text(slsRow ? std::string() : " " + std::to_string(i));
            CombinationRow(p, r, "ULS MAX", At(p.Vmax, i), At(p.Mrmax, i));
            LateralCells(p, r, At(p.Hmax, i), At(p.Momax, i));
            KeepStability(p, r, i, "ULS MAX", At(p.Vmax, i), At(p.Mrmax, i), At(p.Hmax, i), At(p.Momax, i));
        }
        if (ultimate && At(p.Vmin, i) != 0.0f) {
            CombinationRow(p, r, "ULS MIN", At(p.Vmin, i), At(p.Mrmin, i));
            LateralCells(p, r, At(p.Hmin, i), At(p.Momin, i));
            KeepStability(p, r, i, "ULS MIN", At(p.Vmin, i), At(p.Mrmin, i), At(p.Hmin, i), At(p.Momin, i));
        }
        if (minStar && At(p.Vminst, i) != 0.0f) {
            CombinationRow(p, r, "ULS MIN*", At(p.Vminst, i), At(p.Mrminst, i));
            r.endl();
            // Min vertical with max overturning: the lateral load and
            // overturning moment of ULS MAX.
            KeepStability(p, r, i, "ULS MIN*", At(p.Vminst, i), At(p.Mrminst, i), At(p.Hmax, i), At(p.Momax, i));
        }
    }
    r.rule10();

    if (minStar) {
        r.blank();
        r.tab(10).text("LIMIT STATE COMBINATIONS:").endl();
        r.blank();
        r.tab(15).text("SLS      = Serviceability limit state (SLS) values").endl();
        r.tab(15).text("ULS MAX  = Maximum ultimate limit state (ULS) values").endl();
        r.tab(15).text("ULS MIN  = Minimum ULS values (except as noted below)").endl();
        r.tab(15).text("ULS MIN* = Minimum ULS values for stability calculations").endl();
        r.tab(15).text("           with maximum lateral loads").endl();
    }
}

// ---------------------------------------------------------------------------
// Vertical resultant

// Largest absolute resultant location ratio of a group of combinations and
// the first combination that reaches it.
struct GroupMaximum {
    float ratio = 0;
    int comb = 0;

    void consider(float x, float footingWidth, int i) {
        if (x == 0.0f) return;  // not computed for this combination
        const float ratio = std::fabs(footingWidth - 2.0f * x) / footingWidth;
        if (ratio > this->ratio) {
            this->ratio = ratio;
            comb = i;
        }
    }
};

bool EarthquakeService(const Project& p, int i) { return At(p.Feqsls, i) > 0.0f && p.Peq > 0.0f; }
bool EarthquakeUltimate(const Project& p, int i) { return At(p.Feqmax, i) > 0.0f && p.Peq > 0.0f; }

// One row of the resultant table. The ratio is worked out before the row is
// begun, so a zero footing width ends the run without half a row.
void ResultantRow(const Project& p, Report& r, const std::string& number, const char* state, const char* caseNo,
                  float v, float x) {
    const float ratio = (p.Wf - 2.0f * x) / p.Wf;
    r.checkStep();
    r.tab(10).text(number).tab(17).text(state).tab(24).text(caseNo);
    r.tab(30).num(v / p.ForceFactor, "0.0");
    r.tab(40).num(x / p.LengthFactor, "0.000");
    r.tab(50).num(ratio, "0.000").endl();
}

void CheckLine(Report& r, const char* what, const GroupMaximum& g, float limit, const char* okay) {
    if (!(g.ratio > 0.0f)) return;
    r.setWhere(1, what);
    r.setWhere(3, "Comb " + std::to_string(g.comb));
    r.spc(15).text(std::string(what) + " Resultant (Comb " + std::to_string(g.comb) + ")");
    r.tab(45).text("= ").num(g.ratio, "0.000");
    r.tab(55);
    const bool ok = g.ratio <= limit;
    r.text(ok ? "< " : "> ").num(limit, "0.000 ");
    r.text(ok ? okay : Report::checkWord(false));
    r.record(ok, "resultant_location", g.ratio, limit, "");
    r.endl();
}

}  // namespace

// ---------------------------------------------------------------------------

float HeelLength(const Project& p) { return p.Wf - p.Dt - p.Ts - p.Tb; }

AbutmentConcrete ComputeAbutmentConcrete(const Project& p) {
    AbutmentConcrete c;
    const bool haunched = p.WallType == "haunch";

    // Back wall; without a haunch the stem's top runs on behind it as a
    // triangle over the back wall height.
    const ConcretePiece backWall = Part(p.Hb * p.Tb, p.Dt + p.Ts + p.Tb / 2.0f);
    if (haunched) {
        c.backWall = PerLength(backWall, p.Lw);
    } else {
        const float behind = p.Tw - p.Ts - p.Tb;
        const ConcretePiece wedge = Part(behind * p.Hb / 2.0f, p.Dt + p.Ts + p.Tb + behind / 3.0f);
        c.backWall = PerLength(Parts({backWall, wedge}), p.Lw);
    }

    // Haunch under the seat, spreading from the seat width down to the stem.
    float slope = 0;  // the sloping part under the seat: as high as it is wide
    if (haunched) {
        slope = p.Ts + p.Tb - p.Tw;
        c.haunch = PerLength(Parts({Part((p.Ts + p.Tb) * p.Hh, p.Dt + (p.Ts + p.Tb) / 2.0f),
                                    Part(slope * slope / 2.0f, p.Dt + p.Tw + slope / 3.0f),
                                    Part(slope * p.Tw, p.Dt + p.Tw / 2.0f)}),
                             p.Lw);
    }

    // Stem: vertical front face, back face battered by Bat.
    float h = p.Hw - p.Hb;
    if (haunched) h = h - p.Hh - slope;
    const float tb = h * std::tan(p.Bat * kPi / 180.0f) + p.Tw;  // thickness at the bottom
    c.stem = PerLength(
        Parts({Part(h * p.Tw, p.Dt + p.Tw / 2.0f), Part((tb - p.Tw) * h / 2.0f, p.Dt + p.Tw + (tb - p.Tw) / 3.0f)}),
        p.Lw);

    // The footing runs the footing length, not the wall length.
    c.footing = Part(p.Wf * p.Lf * p.Tf, p.Wf / 2.0f);

    if (p.Ls > 0.0f) c.sideThickness = p.Tst + p.Tsb;
    return c;
}

ConcreteVolumes ComputeConcreteVolumes(const Project& p) {
    const float rhoc = p.rhoc != 0.0f ? p.rhoc : 1.0f;
    return VolumesOf(p, WeighAbutment(p, ComputeAbutmentConcrete(p), rhoc), rhoc);
}

void Stability(Project& p, Report& r) {
    r.titleBlock("STABILITY");

    const float heel = HeelLength(p);
    const AbutmentConcrete concrete = ComputeAbutmentConcrete(p);

    DeadLoadAbutment(p, r, concrete);
    DeadLoadEarth(p, r, concrete);
    VerticalLoads(p, heel);

    // Side walls shorter than 1.1 heel lengths stand in the backfill and
    // take their thickness out of the width loaded by lateral pressure.
    // The ratio is worked out in every case (volatile keeps the compiler
    // from moving it under the side-wall test): a footing without a heel is
    // a fault whether or not there are side walls.
    StepCause(r, heel == 0.0f, "zero heel length");
    const volatile float sideRatio = std::fabs(p.Ls / heel);
    r.checkStep();
    float loadedWidth = p.Lw;
    if (p.Ls > 0.0f && sideRatio < 1.1f) loadedWidth = p.Lw - p.Tst - p.Tsb;
    LateralLoads(p, loadedWidth);

    Combinations(p);
    r.setCause("");

    UnfactoredTables(p, r);
    CombinationTable(p, r);
    VerticalResultant(p, r);
}

void VerticalResultant(Project& p, Report& r) {
    const int n = p.NLC;
    const auto size = static_cast<std::size_t>(n > 0 ? n : 0) + 1;
    for (auto* col : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st}) col->assign(size, 0.0f);

    const bool ultimate = p.ConcreteDesign != "sld";
    const bool minStar = UsesMinStar(p.Criteria);

    r.blank();
    r.heading("VERTICAL RESULTANT:");
    r.rule10();
    r.tab(10).text("COMB").tab(17).text("LIMIT").tab(24).text("CASE").tab(30).text("VERTICAL");
    r.tab(40).text("  TOE").tab(50).text("RESULTANT").endl();
    r.tab(10).text(" NO").tab(17).text("STATE").tab(24).text(" NO").tab(30).text("  LOAD");
    r.tab(40).text("DISTANCE").tab(50).text("LOCATION").endl();
    r.tab(30).text("  " + p.LblForceP).tab(40).text("  " + p.LblLengthP).endl();
    r.rule10();

    for (int i = 1; i <= n; ++i) {
        r.blank();
        const float vsls = At(p.Vsls, i);
        if (vsls != 0.0f) {
            StepCause(r, p.Wf == 0.0f, "zero footing width");
            At(p.Xsls, i) = (At(p.Mrsls, i) - At(p.Mosls, i)) / vsls;
            ResultantRow(p, r, BareNumber(static_cast<float>(i)), EarthquakeService(p, i) ? "SLS EQ" : "SLS",
                         ultimate ? "" : "-", vsls, At(p.Xsls, i));
        }
        if (!ultimate || At(p.Vmax, i) == 0.0f) continue;

        const std::string number = vsls == 0.0f ? " " + std::to_string(i) : std::string();
        const char* state = EarthquakeUltimate(p, i) ? "ULS EQ" : "ULS";
        const float vmax = At(p.Vmax, i), vmin = At(p.Vmin, i), vminst = At(p.Vminst, i);

        StepCause(r, p.Wf == 0.0f, "zero footing width");
        At(p.Xuls1, i) = (At(p.Mrmax, i) - At(p.Momax, i)) / vmax;
        ResultantRow(p, r, number, state, "1", vmax, At(p.Xuls1, i));

        StepCause(r, vmin == 0.0f, [i] { return "zero minimum vertical load in combination " + std::to_string(i); });
        At(p.Xuls2, i) = (At(p.Mrmin, i) - At(p.Momax, i)) / vmin;
        r.checkStep();
        StepCause(r, p.Wf == 0.0f, "zero footing width");
        ResultantRow(p, r, "", state, "2", vmin, At(p.Xuls2, i));

        if (minStar) {
            StepCause(r, vminst == 0.0f,
                      [i] { return "zero minimum vertical load (MIN*) in combination " + std::to_string(i); });
            At(p.Xuls2st, i) = (At(p.Mrminst, i) - At(p.Momax, i)) / vminst;
            r.checkStep();
            StepCause(r, p.Wf == 0.0f, "zero footing width");
            ResultantRow(p, r, "", state, "2*", vminst, At(p.Xuls2st, i));
        }

        At(p.Xuls3, i) = (At(p.Mrmax, i) - At(p.Momin, i)) / vmax;
        ResultantRow(p, r, "", state, "3", vmax, At(p.Xuls3, i));

        At(p.Xuls4, i) = (At(p.Mrmin, i) - At(p.Momin, i)) / vmin;
        ResultantRow(p, r, "", state, "4", vmin, At(p.Xuls4, i));
    }
    r.blank();
    r.rule10();
    r.setCause("");
    KeepResultants(p, r);

    if (ultimate) {
        r.blank();
        r.tab(10).text("ULS CASES:").endl();
        r.blank();
        r.tab(15).text("Case 1  = Max vertical + max overturning").endl();
        r.tab(15).text("Case 2  = Min vertical + max overturning").endl();
        if (minStar) r.tab(15).text("Case 2* = Min vertical + max overturning (stability only)").endl();
        r.tab(15).text("Case 3  = Max vertical + min overturning").endl();
        r.tab(15).text("Case 4  = Min vertical + min overturning").endl();
    }

    if (p.FootingType != "spread") return;

    // Maximum resultant locations, the service and the ultimate groups each
    // split into ordinary and earthquake combinations.
    GroupMaximum sls, slsEq, uls, ulsEq;
    for (int i = 1; i <= n; ++i) {
        (EarthquakeService(p, i) ? slsEq : sls).consider(At(p.Xsls, i), p.Wf, i);
        GroupMaximum& g = EarthquakeUltimate(p, i) ? ulsEq : uls;
        g.consider(At(p.Xuls1, i), p.Wf, i);
        g.consider(minStar ? At(p.Xuls2st, i) : At(p.Xuls2, i), p.Wf, i);
        g.consider(At(p.Xuls3, i), p.Wf, i);
        g.consider(At(p.Xuls4, i), p.Wf, i);
    }

    r.setWhere(0, "MAXIMUM RESULTANT LOCATION");
    r.blank();
    r.tab(10).text("MAXIMUM RESULTANT LOCATION(S):").endl();
    r.blank();
    if (ChecksServiceResultant(p.Criteria)) {
        CheckLine(r, "SLS", sls, p.Xr, "OKAY");
        CheckLine(r, "SLS EQ", slsEq, p.Xreq, "OKAY");
    } else {
        CheckLine(r, "ULS", uls, p.Xru, "OKAY");
        CheckLine(r, "ULS EQ", ulsEq, p.Xreq, " OKAY ");
    }
}

}  // namespace qelvorn
