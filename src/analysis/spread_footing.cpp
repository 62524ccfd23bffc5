// Spread footing: soil bearing pressure per load combination and limit
// state, the governing pressures against the bearing capacities, sliding,
// and the toe and heel loads that the footing design takes over.
#include "analysis/spread_footing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/footing_toe_heel.h"
#include "analysis/fault_causes.h"
#include "analysis/sections.h"

namespace qelvorn {

// ---------------------------------------------------------------------------
// Pressure distribution

SoilPressure SoilPressureDistribution(PressureShape shape, float V, float X, float Wf, float Lf) {
    SoilPressure s;
    // No vertical load: no contact, no pressure (case 0), whatever X reads.
    if (V == 0.0f) return s;

    if (shape == PressureShape::Triangular) {
        if (X > 0.0f && X < Wf / 3.0f) {
            s.pressureCase = 1;
            s.L = 3.0f * X;
            s.qToe = 2.0f * V / (s.L * Lf);
        } else if (X >= Wf / 3.0f && X <= 2.0f * Wf / 3.0f) {
            // Full compression: P/A +- M/S about the footing centre.
            s.pressureCase = X <= Wf / 2.0f ? 2 : 3;
            s.L = Wf;
            const float A = Wf * Lf;
            const float S = Lf * (Wf * Wf) / 6.0f;  // section modulus, the width squared first
            const float moment = V * (Wf / 2.0f - X);
            s.qToe = V / A + moment / S;
            s.qHeel = V / A - moment / S;
        } else if (X > 2.0f * Wf / 3.0f && X < Wf) {
            s.pressureCase = 4;
            s.L = 3.0f * (Wf - X);
            s.qHeel = 2.0f * V / (s.L * Lf);
        } else {
            s.pressureCase = 5;  // resultant outside the footing
        }
    } else {
        if (X > 0.0f && X <= Wf / 2.0f) {
            s.pressureCase = 11;
            s.L = 2.0f * X;
            s.qToe = V / (s.L * Lf);
        } else if (X > Wf / 2.0f && X < Wf) {
            s.pressureCase = 12;
            s.L = 2.0f * (Wf - X);
            s.qHeel = V / (s.L * Lf);
        } else {
            s.pressureCase = 13;  // resultant outside the footing
        }
    }
    return s;
}

// ---------------------------------------------------------------------------
// Toe and heel loads

FootingStrip FootingStripOf(const Project& p) {
    FootingStrip g;
    g.Wf = p.Wf;
    g.Dt = p.Dt;
    g.Lheel = FootingHeelLength(p);
    g.Dtoe = BarEffectiveDepth(p.Tf, p.CAsfb, p.Asfbt);
    g.Dheel = BarEffectiveDepth(p.Tf, p.CAsfb, p.Asfbh);
    return g;
}

namespace {

// The upward soil pressure is linear from q0 at x0 to q1 at x1 and zero
// outside that stretch (x from the toe edge).
struct PressureStretch {
    bool loaded = false;
    float x0 = 0, x1 = 0, q0 = 0, q1 = 0;

    float at(float x) const {
        if (x == x0) return q0;
        if (x == x1) return q1;
        return q0 + (q1 - q0) * (x - x0) / (x1 - x0);
    }
};

PressureStretch StretchOf(const FootingStrip& g, const SoilPressure& s) {
    PressureStretch p;
    switch (s.pressureCase) {
    case 1:  // triangle from the toe edge, zero at the end of contact
        p = {true, 0.0f, s.L, s.qToe, 0.0f};
        break;
    case 2:
    case 3:  // trapezoid over the whole width
        p = {true, 0.0f, g.Wf, s.qToe, s.qHeel};
        break;
    case 4:  // triangle from the heel edge
        p = {true, g.Wf - s.L, g.Wf, 0.0f, s.qHeel};
        break;
    case 11:  // uniform over the contact length at the toe
        p = {true, 0.0f, s.L, s.qToe, s.qToe};
        break;
    case 12:  // uniform over the contact length at the heel
        p = {true, g.Wf - s.L, g.Wf, s.qHeel, s.qHeel};
        break;
    default:
        break;
    }
    return p;
}

// Integral over a <= x <= b of q(x) w(x) for a linear weight w (1 for a
// shear, the lever arm for a moment): the upward soil load. The integrand is
// the product of two linear functions on the loaded stretch, for which
// Simpson's rule is exact.
template <class Weight>
float UpwardIntegral(const PressureStretch& q, float a, float b, Weight w) {
    const float u = std::max(a, q.x0);
    const float v = std::min(b, q.x1);
    if (!q.loaded || !(v > u)) return 0.0f;
    const float qu = q.at(u), qv = q.at(v), wu = w(u), wv = w(v);
    return (v - u) / 6.0f * (2.0f * qu * wu + qu * wv + qv * wu + 2.0f * qv * wv);
}

}  // namespace

// Toe: cantilever from the stem face at x = Dt to the toe edge at x = 0.
// Heel: cantilever from the back face of the stem at x = Wf - Lheel to the
// heel edge at x = Wf. The moment is taken at the face; the shear at one
// effective depth from the face when the net load pushes the cantilever up
// against the stem (positive moment: the usual critical section), else at
// the face, where a net load hanging from the stem is critical.
//
// A toe or heel shorter than its effective depth puts that shear section
// beyond the footing's end: no load lies between the section and the edge,
// so its shear is 0 (such a short cantilever needs no one-way shear check)
// rather than an integral taken past the edge. A toe of zero width or a heel
// of zero or negative length (the stem reaching the heel edge) carries no
// footing loads at all: its four values stay 0.
FootingCellLoads SpreadFootingLoads(const FootingStrip& g, const SoilPressure& pressure, float QdnToe,
                                    float QdnHeel) {
    FootingCellLoads out;
    const PressureStretch q = StretchOf(g, pressure);
    // A resultant outside the footing (cases 5, 13) or no load (case 0):
    // no footing loads.
    if (!q.loaded) return out;

    // Moments: the upward soil load about the stem face less the uniform
    // downward pressure over the whole cantilever, Qdn x length^2 / 2.
    // Shears: the upward load up to the section less Qdn x its distance.
    const auto unit = [](float) { return 1.0f; };
    if (g.Dt > 0.0f) {
        const float face = g.Dt;
        // A pressure triangle that ends within the toe: its resultant
        // qToe L / 2 acts L / 3 from the toe edge.
        const float up = pressure.pressureCase == 1 && pressure.L <= face
                             ? pressure.qToe * pressure.L / 2.0f * (face - pressure.L / 3.0f)
                             : UpwardIntegral(q, 0.0f, face, [face](float x) { return face - x; });
        out.Mtoe = up - QdnToe * (face * face) / 2.0f;
        const float a = out.Mtoe > 0.0f ? face - g.Dtoe : face;
        if (a > 0.0f) out.Vtoe = UpwardIntegral(q, 0.0f, a, unit) - QdnToe * a;
    }
    if (g.Lheel > 0.0f) {
        const float face = g.Wf - g.Lheel;
        const float Lheel = g.Lheel;
        // The mirror image at the heel: a triangle from the heel edge that
        // ends within the heel.
        const float up = pressure.pressureCase == 4 && pressure.L <= Lheel
                             ? pressure.qHeel * pressure.L / 2.0f * (Lheel - pressure.L / 3.0f)
                             : UpwardIntegral(q, face, g.Wf, [face](float x) { return x - face; });
        out.Mheel = up - QdnHeel * (Lheel * Lheel) / 2.0f;
        const float b = out.Mheel > 0.0f ? Lheel - g.Dheel : Lheel;
        if (b > 0.0f) out.Vheel = UpwardIntegral(q, g.Wf - b, g.Wf, unit) - QdnHeel * b;
    }
    return out;
}

// ---------------------------------------------------------------------------
// Report section

namespace {

using LocationPtr = std::vector<float> Project::*;

// One limit-state case: its row label, vertical load, resultant location and
// the factors of the footing weight, the soil weight and the surcharge.
struct LimitCase {
    int k;
    const char* label;
    ColumnPtr V;
    LocationPtr X;
    ColumnPtr Fda, Fde, Fsc;
};

const LimitCase kSls{5, "SLS", &Project::Vsls, &Project::Xsls, &Project::Fdasls, &Project::Fdesls, &Project::Fscsls};
const LimitCase kUls1{1, "ULS 1", &Project::Vmax, &Project::Xuls1, &Project::Fdamax, &Project::Fdemax, &Project::Fscmax};
const LimitCase kUls2{2, "ULS 2", &Project::Vmin, &Project::Xuls2, &Project::Fdamin, &Project::Fdemin, &Project::Fscmin};
const LimitCase kUls3{3, "ULS 3", &Project::Vmax, &Project::Xuls3, &Project::Fdamax, &Project::Fdemax, &Project::Fscmax};
const LimitCase kUls4{4, "ULS 4", &Project::Vmin, &Project::Xuls4, &Project::Fdamin, &Project::Fdemin, &Project::Fscmin};
const LimitCase kUls2st{6, "ULS 2*", &Project::Vminst, &Project::Xuls2st, &Project::Fdaminst, &Project::Fdeminst,
                        &Project::Fscmin};

bool OlderCriteria(const Project& p) { return p.Criteria == "aashto" || p.Criteria == "arema"; }
bool LimitStatesCriteria(const Project& p) { return p.Criteria == "lrfd" || p.Criteria == "s6"; }

bool SlsEarthquake(const Project& p, int c) { return p.Feqsls[c] > 0.0f && p.Peq > 0.0f; }
bool UlsEarthquake(const Project& p, int c) { return p.Feqmax[c] > 0.0f && p.Peq > 0.0f; }

// Surcharge pressure on the heel: AREMA spreads the track surcharges over
// the footing length.
float HeelSurcharge(const Project& p) {
    if (p.Criteria == "arema") return p.Nsc * p.Qsc * p.Wsc / p.Lf;
    return p.Qsc;
}

// Computes, stores and prints one row of the pressure table; the toe and
// heel loads of the row go into the footing-load tables (except ULS 2*,
// which serves the bearing check only).
// Service pressures are always triangular; the factored ones are uniform
// under the limit-states criteria and triangular under the older ones.
PressureShape ShapeOf(const Project& p, const LimitCase& lc) {
    return lc.k == kSls.k || OlderCriteria(p) ? PressureShape::Triangular : PressureShape::Uniform;
}

void PressureRow(Project& p, Report& r, const LimitCase& lc, int c, bool showComb, const FootingStrip& strip,
                 float qsurch) {
    const float V = (p.*lc.V)[c];
    const float X = (p.*lc.X).at(c);
    const SoilPressure s = SoilPressureDistribution(ShapeOf(p, lc), V, X, p.Wf, p.Lf);
    p.Ptoe(lc.k, c) = s.qToe;
    p.Pheel(lc.k, c) = s.qHeel;

    r.tab(10);
    if (showComb) r.bare(static_cast<float>(c));
    r.tab(20).text(lc.label).tab(30).bare(static_cast<float>(s.pressureCase));
    r.tab(40).num(s.L / p.LengthFactor, "0.000");
    r.tab(50).num(s.qToe / p.PressureFactor, "0.0");
    r.tab(60).num(s.qHeel / p.PressureFactor, "0.0").endl();

    if (lc.k == 6) return;
    const float fda = (p.*lc.Fda)[c], fde = (p.*lc.Fde)[c], fsc = (p.*lc.Fsc)[c];
    const float qdnToe = p.Tf * p.rhoc * fda + p.Ht * p.rhos * fde;
    const float qdnHeel = p.Tf * p.rhoc * fda + p.Hw * p.rhos * fde + qsurch * fsc;
    const FootingCellLoads loads = SpreadFootingLoads(strip, s, qdnToe, qdnHeel);
    p.Vtoe(lc.k, c) = loads.Vtoe;
    p.Mtoe(lc.k, c) = loads.Mtoe;
    p.Vheel(lc.k, c) = loads.Vheel;
    p.Mheel(lc.k, c) = loads.Mheel;
}

void PressureTable(Project& p, Report& r) {
    r.heading("SOIL BEARING PRESSURE:");
    r.rule10();
    r.tab(10).text("COMB").tab(20).text("LIMIT").tab(30).text("PRESSURE").tab(40).text("CONTACT");
    r.tab(50).text("  TOE").tab(60).text("  HEEL").endl();
    r.tab(10).text(" NO").tab(20).text("STATE").tab(30).text("  CASE").tab(40).text("LENGTH");
    r.tab(50).text("PRESSURE").tab(60).text("PRESSURE").endl();
    r.tab(40).text(p.LblLengthP + " ").tab(50).text(p.LblPressureP + " ").tab(60).text(p.LblPressureP + " ").endl();
    r.rule10();

    StepCause(r, p.Wf == 0.0f || p.Lf == 0.0f, "zero footing width or length");
    const FootingStrip strip = FootingStripOf(p);
    const float qsurch = HeelSurcharge(p);
    const bool older = OlderCriteria(p);
    const bool uls = older ? p.ConcreteDesign != "sld" : LimitStatesCriteria(p);

    for (int c = 1; c <= p.NLC; ++c) {
        r.blank();
        const bool sls = p.Vsls[c] != 0.0f;
        if (sls) PressureRow(p, r, kSls, c, true, strip, qsurch);
        if (!uls) continue;
        std::vector<const LimitCase*> cases{&kUls1, &kUls2};
        if (p.Criteria == "s6") cases.push_back(&kUls2st);
        cases.push_back(&kUls3);
        cases.push_back(&kUls4);
        for (const LimitCase* lc : cases) {
            if ((p.*lc->V)[c] == 0.0f) continue;
            PressureRow(p, r, *lc, c, lc->k == 1 && !sls, strip, qsurch);
        }
    }
    r.rule10();

    r.blank();
    r.tab(10).text("TRIANGULAR PRESSURE CASES:").endl();
    r.blank();
    r.tab(15).text("Case 1  = Partial compression / max at toe").endl();
    r.tab(15).text("Case 2  = Full compression / max at toe").endl();
    r.tab(15).text("Case 3  = Full compression / max at heel").endl();
    r.tab(15).text("Case 4  = Partial compression / max at heel").endl();
    r.tab(15).text("Case 5  = Resultant outside footing width").endl();
    if (LimitStatesCriteria(p)) {
        r.blank();
        r.tab(10).text("UNIFORM PRESSURE CASES:").endl();
        r.blank();
        r.tab(15).text("Case 11 = Partial compression / max at toe").endl();
        r.tab(15).text("Case 12 = Partial compression / max at heel").endl();
        r.tab(15).text("Case 13 = Resultant outside footing width").endl();
    }
}

// Governing pressure of one class of combinations. Service pressures are
// compared after division by the combination's stress increase factor.
struct GoverningPressure {
    float P = 0.0f;
    float F = 1.0f;
    int comb = 0;
    int k = 0;  // the limit-state case of that combination

    void offerService(float pressure, float fsls, int c) {
        if (pressure / fsls > P / F) {
            P = pressure;
            F = fsls;
            comb = c;
            k = kSls.k;
        }
    }
    void offerUltimate(float pressure, int c, int kase) {
        if (pressure > P) {
            P = pressure;
            comb = c;
            k = kase;
        }
    }
};

// The pressure distribution behind a governing pressure, kept with the
// records for the pictures of the results: recomputed from the same load
// and resultant as its row of the pressure table.
void KeepPressure(const Project& p, Report& r, const char* state, const GoverningPressure& g, float capacity) {
    RunRecords* records = r.records();
    if (!records) return;
    const LimitCase* lc = &kSls;
    for (const LimitCase* c : {&kUls1, &kUls2, &kUls3, &kUls4, &kUls2st})
        if (c->k == g.k) lc = c;
    const float X = (p.*lc->X).at(g.comb);
    const SoilPressure s = SoilPressureDistribution(ShapeOf(p, *lc), (p.*lc->V)[g.comb], X, p.Wf, p.Lf);
    const bool service = lc->k == kSls.k, earthquake = std::string(state).ends_with("EQ");
    // The older criteria check the service resultants, the limit-states ones the factored.
    const float limit = OlderCriteria(p) != service ? 0.0f : earthquake ? p.Xreq : service ? p.Xr : p.Xru;
    records->footingPressures.push_back({.limitState = state,
                                         .combination = g.comb,
                                         .pressureCase = s.pressureCase,
                                         .contactLength = s.L / p.LengthFactor,
                                         .toe = p.Ptoe(lc->k, g.comb) / p.PressureFactor,
                                         .heel = p.Pheel(lc->k, g.comb) / p.PressureFactor,
                                         .allowable = capacity / p.PressureFactor,
                                         .resultant = X / p.LengthFactor,
                                         .resultantLimit = limit});
}

void CapacityLine(const Project& p, Report& r, const char* state, const char* label, const GoverningPressure& g,
                  float capacity) {
    if (!(g.P > 0.0f)) return;
    const bool ok = g.P <= capacity;
    r.setWhere(1, state);
    r.setWhere(3, "Comb " + std::to_string(g.comb));
    r.spc(15).text(std::string(label) + " (Comb " + std::to_string(g.comb) + ")");
    r.tab(45).text("= ").num(g.P / p.PressureFactor, "0.0");
    r.tab(55).text(ok ? "< " : "> ").num(capacity / p.PressureFactor, "0.0 ")
        .verdict(ok, "bearing_pressure", g.P / p.PressureFactor, capacity / p.PressureFactor, p.LblPressure).endl();
    KeepPressure(p, r, state, g, capacity);
}

void MaximumPressures(Project& p, Report& r) {
    StepCause(r, FirstZeroFsls(p) != 0, ZeroFslsCause(FirstZeroFsls(p)));
    GoverningPressure sls, slsEq, uls, ulsEq;
    const int ks[4] = {1, p.Criteria == "s6" ? 6 : 2, 3, 4};
    for (int c = 1; c <= p.NLC; ++c) {
        GoverningPressure& s = SlsEarthquake(p, c) ? slsEq : sls;
        s.offerService(p.Ptoe(5, c), p.Fsls[c], c);
        s.offerService(p.Pheel(5, c), p.Fsls[c], c);
        GoverningPressure& u = UlsEarthquake(p, c) ? ulsEq : uls;
        for (int k : ks) {
            u.offerUltimate(p.Ptoe(k, c), c, k);
            u.offerUltimate(p.Pheel(k, c), c, k);
        }
    }

    r.setWhere(0, "MAXIMUM PRESSURE");
    r.blank();
    r.tab(10).text("MAXIMUM PRESSURE(S):").endl();
    r.blank();
    CapacityLine(p, r, "SLS", "SLS Pressure", sls, p.Q * sls.F);
    CapacityLine(p, r, "SLS EQ", "SLS EQ Pressure", slsEq, p.Q * slsEq.F);
    if (LimitStatesCriteria(p)) CapacityLine(p, r, "ULS", "ULS Pressure", uls, p.Qu);
    if (p.ConcreteDesign != "sld") CapacityLine(p, r, "ULS EQ", "ULS EQ Pressure", ulsEq, p.Qeq);
}

void SlidingRow(const Project& p, Report& r, int c, int comb, const char* label, float force, float resistance) {
    r.setWhere(1, label);
    r.setWhere(3, "Comb " + std::to_string(c));
    r.tab(10);
    if (comb > 0) r.bare(static_cast<float>(comb));
    r.tab(20).text(label);
    r.tab(30).num(force / p.ForceFactor, "0.0");
    r.tab(40).num(resistance / p.ForceFactor, "0.0");
    r.tab(50).verdict(force <= resistance, "sliding", force / p.ForceFactor, resistance / p.ForceFactor, p.LblForce)
        .endl();
}

void Sliding(Project& p, Report& r) {
    r.setCause("");
    r.setWhere(0, "SLIDING STABILITY");
    r.blank();
    r.heading("SLIDING STABILITY:");
    r.rule10();
    r.tab(10).text("COMB").tab(20).text("LIMIT").tab(30).text("FORCE").tab(40).text("RESISTANCE").endl();
    r.tab(10).text(" NO").tab(20).text("STATE").tab(30).text(p.LblForceP).tab(40).text(p.LblForceP).endl();
    r.rule10();

    // Passive resistance of the soil in front of the footing and the toe
    // cover over the wall length.
    const auto passive = [&p](float K) {
        const float depth = p.Tf + p.Ht;
        return K * p.rhos * (depth * depth) / 2.0f * p.Lw;  // the depth squared first
    };
    for (int c = 1; c <= p.NLC; ++c) {
        r.blank();
        if (OlderCriteria(p)) {
            if (p.Hsls[c] != 0.0f || p.Hmax[c] == 0.0f) {
                const float R = p.Fsls[c] * (p.Fr * p.Vsls[c] + passive(p.Kp));
                SlidingRow(p, r, c, c, SlsEarthquake(p, c) ? "SLS EQ" : "SLS", p.Hsls[c], R);
            }
            if (p.ConcreteDesign != "sld" && UlsEarthquake(p, c)) {
                const float R = p.Freq * p.Vmin[c] + passive(p.Kpeq);
                SlidingRow(p, r, c, p.Hsls[c] == 0.0f ? c : 0, "ULS EQ", p.Hmax[c], R);
            }
        } else {
            const float V = p.Criteria == "s6" ? p.Vminst[c] : p.Vmin[c];
            if (UlsEarthquake(p, c))
                SlidingRow(p, r, c, c, "ULS EQ", p.Hmax[c], p.Freq * V + passive(p.Kpeq));
            else
                SlidingRow(p, r, c, c, "ULS", p.Hmax[c], p.Fru * V + passive(p.Kpu));
        }
    }
    r.rule10();
}

}  // namespace

void SpreadFootingSection(Project& p, Report& r) {
    // Every table starts cleared: rows that are not computed stay 0, and the
    // toe and heel design relies on that.
    const int nlc = std::max(p.NLC, 0);
    p.Ptoe.resize(6, nlc);
    p.Pheel.resize(6, nlc);
    p.Vtoe.resize(5, nlc);
    p.Mtoe.resize(5, nlc);
    p.Vheel.resize(5, nlc);
    p.Mheel.resize(5, nlc);

    r.titleBlock("SPREAD FOOTING");
    PressureTable(p, r);
    MaximumPressures(p, r);
    Sliding(p, r);
    FootingLoadsTable(p, r);
    DesignFootingToeHeel(p, r);
}

}  // namespace qelvorn
