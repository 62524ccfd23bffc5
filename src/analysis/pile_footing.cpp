// Pile footing: the pile group, the loads per pile for every limit-state
// case, the governing pile loads against the pile capacities, the lateral
// stability of the group and the loads of the pile cap as toe and heel
// cantilevers; then the toe and heel design and the longitudinal bars of
// the cap.
#include "analysis/pile_footing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>

#include "analysis/checks.h"
#include "analysis/fault_causes.h"
#include "analysis/footing_toe_heel.h"
#include "analysis/sections.h"

namespace qelvorn {

namespace {

constexpr float kPi = 3.1416f;

float Radians(float degrees) { return degrees * kPi / 180.0f; }

// Case numbers: 1..4 the ULS cases, 5 SLS, 6 the ULS 2* case (CAN/CSA-S6).
constexpr int kSls = 5;
constexpr int kUls2Star = 6;
constexpr int kCases = 6;

bool IsSld(const Project& p) { return p.ConcreteDesign == "sld"; }
bool IsS6(const Project& p) { return p.Criteria == "s6"; }

bool IsSlsEq(const Project& p, int c) { return p.Feqsls[c] > 0.0f && p.Peq > 0.0f; }
bool IsUlsEq(const Project& p, int c) { return p.Feqmax[c] > 0.0f && p.Peq > 0.0f; }

// The ULS cases searched for the governing loads: case 2* stands in for
// case 2 under CAN/CSA-S6.
std::array<int, 4> UlsSearchCases(const Project& p) { return {1, IsS6(p) ? kUls2Star : 2, 3, 4}; }

// Live load surcharge pressure on the heel; AREMA spreads the track
// surcharges over the footing length.
float SurchargeOnHeel(const Project& p) {
    if (p.Criteria == "arema") return p.Nsc * p.Qsc * p.Wsc / p.Lf;
    return p.Qsc;
}

// Load factors of the footing weight, the soil and the surcharge for case k.
struct WeightFactors {
    float da = 0, de = 0, sc = 0;
};

WeightFactors FactorsOfCase(const Project& p, int k, int c) {
    switch (k) {
        case kSls: return {p.Fdasls[c], p.Fdesls[c], p.Fscsls[c]};
        case 1:
        case 3: return {p.Fdamax[c], p.Fdemax[c], p.Fscmax[c]};
        case 2:
        case 4: return {p.Fdamin[c], p.Fdemin[c], p.Fscmin[c]};
        default: return {p.Fdaminst[c], p.Fdeminst[c], p.Fscmin[c]};
    }
}

// Downward pressures of footing and soil on the toe, and of footing,
// backfill and surcharge on the heel.
float ToeDownPressure(const Project& p, const WeightFactors& f) {
    return p.Tf * p.rhoc * f.da + p.Ht * p.rhos * f.de;
}
float HeelDownPressure(const Project& p, const WeightFactors& f, float Qsurch) {
    return p.Tf * p.rhoc * f.da + p.Hw * p.rhos * f.de + Qsurch * f.sc;
}

std::string CombText(int c) { return std::to_string(c) + ")"; }

// ---------------------------------------------------------------------------
// Maximum pile loads

// One governing-value search: the governing ratio (value / Fsls for the
// service classes, the value itself for the ultimate ones), the raw value,
// the factor, the combination and the batter of the row.
struct Governing {
    float ratio = 0;
    float value = 0;
    float factor = 1;
    int comb = 0;
    float batter = 0;
    int k = 0;  // the limit-state case of that combination
};

struct ClassMaxima {
    Governing compression, tension, shear, moment;
};

void Consider(Governing& g, float value, float factor, int c, float batter, bool smaller, int k) {
    // A factor of 1 (the ultimate classes) leaves the value as it is.
    const float ratio = factor == 1.0f ? value : value / factor;
    if (smaller ? ratio < g.ratio : ratio > g.ratio) g = {ratio, value, factor, c, batter, k};
}

ClassMaxima SearchClass(const Project& p, bool service, bool earthquake) {
    ClassMaxima m;
    for (int c = 1; c <= p.NLC; ++c) {
        if ((service ? IsSlsEq(p, c) : IsUlsEq(p, c)) != earthquake) continue;
        const auto run = [&](int k, float factor) {
            const PileCaseLoads& loads = p.PileCase(k, c);
            if (factor == 1.0f && loads.maxRow > 0) {
                // The ratio is the load itself: of the case's rows, the
                // first with the largest (smallest) load can govern.
                Consider(m.compression, loads.maxV, factor, c, p.PILEB[loads.maxRow], false, k);
                Consider(m.tension, loads.minV, factor, c, p.PILEB[loads.minRow], true, k);
            } else {
                for (int i = 1; i <= p.NROWS; ++i) {
                    const float batter = p.PILEB[i];
                    const float vertical = loads.vertical(p.PileY[static_cast<std::size_t>(i)], p.Ipile);
                    Consider(m.compression, vertical, factor, c, batter, false, k);
                    Consider(m.tension, vertical, factor, c, batter, true, k);
                }
            }
            // Every row of a case carries the same shear and head moment:
            // the first row governs among them.
            if (p.NROWS >= 1) {
                Consider(m.shear, loads.lateral, factor, c, p.PILEB[1], false, k);
                Consider(m.moment, loads.moment, factor, c, p.PILEB[1], false, k);
            }
        };
        if (service) {
            run(kSls, p.Fsls[c]);
        } else {
            for (int k : UlsSearchCases(p)) run(k, 1.0f);
        }
    }
    return m;
}

// Axial load along a battered pile from its vertical component.
float AxialLoad(const Governing& g) { return g.value / std::cos(Radians(g.batter)); }

// A tension is recorded by its magnitude, the compared value.
void CapacityLine(Report& r, const std::string& state, const char* what, const std::string& label, int comb,
                  float value, float shown, float capacity, const Project& p) {
    const bool ok = value <= capacity;
    r.setWhere(1, state);
    r.setWhere(3, "Comb " + std::to_string(comb));
    r.spc(15).text(label + CombText(comb));
    r.tab(45).text("= ").num(shown / p.ForceFactor, "0.0");
    r.tab(55).text(ok ? "< " : "> ").num(capacity / p.ForceFactor, "0.0 ")
        .verdict(ok, what, value / p.ForceFactor, capacity / p.ForceFactor, p.LblForce).endl();
}

void MomentLine(Report& r, const std::string& label, const Governing& g, const Project& p) {
    r.spc(15).text(label + CombText(g.comb));
    r.tab(45).text("= ").num(g.value / p.MomentFactor, "0.0").endl();
}

// The lines of one class ("SLS", "SLS EQ", "ULS", "ULS EQ") against its
// pile capacities; a service capacity is raised by the Fsls of the
// combination that governs each line.
struct Capacities {
    float compression, tension, shear;
};

// Every row's axial load in the combination and case of the class's more
// highly used axial check (compression or tension), kept with the records
// for the pictures of the results.
void KeepRowLoads(Report& r, const Project& p, const std::string& name, const ClassMaxima& m, bool service,
                  const Capacities& cap) {
    RunRecords* records = r.records();
    if (!records) return;
    const float useC = m.compression.value > 0.0f ? AxialLoad(m.compression) / (cap.compression * m.compression.factor) : 0.0f;
    const float useT = m.tension.value < 0.0f ? -AxialLoad(m.tension) / (cap.tension * m.tension.factor) : 0.0f;
    if (!(useC > 0.0f) && !(useT > 0.0f)) return;
    const Governing& g = useT > useC ? m.tension : m.compression;
    const float scale = service ? g.factor : 1.0f;
    for (int i = 1; i <= p.NROWS; ++i)
        records->pileRowLoads.push_back(
            {.limitState = name,
             .combination = g.comb,
             .row = i,
             .axial = p.PileCase(g.k, g.comb).vertical(p.PileY[static_cast<std::size_t>(i)], p.Ipile) /
                      std::cos(Radians(p.PILEB[i])) / p.ForceFactor,
             .capacityCompression = cap.compression * scale / p.ForceFactor,
             .capacityTension = cap.tension * scale / p.ForceFactor});
}

void ClassLines(Report& r, const Project& p, const std::string& name, const ClassMaxima& m, bool service,
                const Capacities& cap) {
    const float scaleC = service ? m.compression.factor : 1.0f;
    const float scaleT = service ? m.tension.factor : 1.0f;
    const float scaleS = service ? m.shear.factor : 1.0f;
    if (m.compression.value > 0.0f) {
        const float axial = AxialLoad(m.compression);
        CapacityLine(r, name, "pile_compression", name + " Compression (Comb ", m.compression.comb, axial, axial,
                     cap.compression * scaleC, p);
    }
    if (m.tension.value < 0.0f) {
        const float axial = AxialLoad(m.tension);
        CapacityLine(r, name, "pile_tension", name + " Tension (Comb ", m.tension.comb, std::fabs(axial), axial,
                     cap.tension * scaleT, p);
    }
    if (m.shear.value > 0.0f)
        CapacityLine(r, name, "pile_shear", name + " Shear (Comb ", m.shear.comb, m.shear.value, m.shear.value,
                     cap.shear * scaleS, p);
    if (p.PileHead == "fix" && m.moment.value > 0.0f) MomentLine(r, name + " Moment (Comb ", m.moment, p);
    KeepRowLoads(r, p, name, m, service, cap);
}

void MaximumPileLoads(Project& p, Report& r) {
    NameCause(r, FirstZeroFsls(p) != 0, ZeroFslsCause(FirstZeroFsls(p)));
    const ClassMaxima sls = SearchClass(p, true, false);
    const ClassMaxima slsEq = SearchClass(p, true, true);
    const ClassMaxima uls = SearchClass(p, false, false);
    const ClassMaxima ulsEq = SearchClass(p, false, true);
    EndOfStep(r);

    r.setWhere(0, "MAXIMUM PILE LOADS");
    r.blank();
    r.tab(10).text("MAXIMUM PILE LOADS:").endl();
    r.blank();
    ClassLines(r, p, "SLS", sls, true, {p.PileP, p.PileT, p.PileV});
    ClassLines(r, p, "SLS EQ", slsEq, true, {p.PileP, p.PileT, p.PileV});
    if (p.Criteria == "lrfd" || IsS6(p)) ClassLines(r, p, "ULS", uls, false, {p.PilePu, p.PileTu, p.PileVu});
    if (!IsSld(p)) ClassLines(r, p, "ULS EQ", ulsEq, false, {p.PilePeq, p.PileTeq, p.PileVeq});

    const bool battered = sls.compression.batter > 0.0f || slsEq.compression.batter > 0.0f ||
                          uls.compression.batter > 0.0f || ulsEq.compression.batter > 0.0f;
    if (battered) {
        r.blank();
        r.spc(15).text("NOTE: Maximum pile axial loads include effect of batter.").endl();
    }
}

// ---------------------------------------------------------------------------
// Lateral stability

void LateralRow(Report& r, const Project& p, bool showComb, int c, const char* state, int k, float force,
                float resistance, bool showStatus) {
    r.tab(10);
    if (showComb) r.bare(static_cast<float>(c));
    r.tab(20).text(state);
    r.tab(25);
    if (k != 0) r.bare(static_cast<float>(k));
    r.tab(30).num(force / p.ForceFactor, "0.0");
    r.tab(40).num(resistance / p.ForceFactor, "0.0");
    r.tab(50);
    if (showStatus) {
        r.setWhere(1, state);
        r.setWhere(3, "Comb " + std::to_string(c) + (k != 0 ? " / Case " + std::to_string(k) : std::string()));
        r.verdict(force <= resistance, "pile_lateral", force / p.ForceFactor, resistance / p.ForceFactor, p.LblForce);
    } else {
        r.text("");
    }
    r.endl();
}

void LateralStability(Project& p, Report& r) {
    r.setWhere(0, "LATERAL STABILITY");
    r.blank();
    r.heading("LATERAL STABILITY:");
    r.rule10();
    r.tab(10).text("COMB").tab(20).text("LIMIT").tab(30).text("FORCE").tab(40).text("RESISTANCE").endl();
    r.tab(10).text(" NO").tab(20).text("STATE").tab(30).text(p.LblForceP).tab(40).text(p.LblForceP).endl();
    r.rule10();
    const bool olderCriteria = p.Criteria == "aashto" || p.Criteria == "arema";
    for (int c = 1; c <= p.NLC; ++c) {
        r.blank();
        if (p.Hsls[c] != 0.0f || p.Hmax[c] == 0.0f) {
            // The service shear capacity of one pile, raised by the stress
            // increase factor, times the number of piles.
            const float capacity = p.PileV * p.Fsls[c];
            const float R = p.Ppass(kSls, c) + p.Hbatter(kSls, c) + p.Npiles * capacity;
            LateralRow(r, p, true, c, "SLS", 0, p.Hsls[c], R, true);
        }
        if (IsSld(p)) continue;
        const bool eq = IsUlsEq(p, c);
        const float capacity = eq ? p.PileVeq : p.PileVu;
        for (int k = 1; k <= 4; ++k) {
            const int cell = (k == 2 && IsS6(p)) ? kUls2Star : k;
            const float force = k <= 2 ? p.Hmax[c] : p.Hmin[c];
            const float R = p.Ppass(cell, c) + p.Hbatter(cell, c) + p.Npiles * capacity;
            const bool showComb = k == 1 && p.Hsls[c] == 0.0f && p.Hmax[c] != 0.0f;
            LateralRow(r, p, showComb, c, "ULS", k, force, R, eq || !olderCriteria);
        }
    }
    r.rule10();
}

// ---------------------------------------------------------------------------
// Longitudinal bars of the cap: one set of rows (toe or heel)

struct RowSet {
    const char* ulsHeading;
    const char* slsHeading;
    bool heel;
};

void LongitudinalSet(Project& p, Report& r, const RowSet& set, const std::vector<float>& Btrib, float x0,
                     float Qsurch, float DLong) {
    const bool sld = IsSld(p);
    bool headed = false, started = false;
    float govM = 0, govQ = 0, govS = 0;
    int govC = 0;
    for (int i = 1; i <= p.NROWS; ++i) {
        const bool inSet = set.heel ? p.PILEX[i] > x0 : p.PILEX[i] < p.Dt;
        if (!inSet) continue;
        if (!headed) {
            r.blank();
            r.spc(5).text(sld ? set.slsHeading : set.ulsHeading).endl();
            r.setWhere(1, sld ? "SLS" : "ULS");
            r.setWhere(2, set.heel ? "FOOTING HEEL" : "FOOTING TOE");
            headed = true;
        }
        NameCause(r, p.Lf == 0.0f, "zero footing length: the pile loads cannot be spread along the footing");
        NameCause(r, Btrib[static_cast<std::size_t>(i)] == 0.0f, [i] {
            return "zero tributary width of pile row " + std::to_string(i) + " (two rows at the same distance?)";
        });
        NameCause(r, sld && FirstZeroFsls(p) != 0, [&p] { return ZeroFslsCause(FirstZeroFsls(p)); });
        const float spread = p.Lf * Btrib[static_cast<std::size_t>(i)];
        float wRun = 0;
        for (int c = 1; c <= p.NLC; ++c) {
            const WeightFactors f = sld ? WeightFactors{p.Fdasls[c], p.Fdesls[c], p.Fscsls[c]}
                                        : WeightFactors{p.Fdamax[c], p.Fdemax[c], p.Fscmax[c]};
            // Each layer's thickness times its load factor, then its unit
            // weight (the order matters in the last digit of single
            // precision).
            float down = p.Tf * f.da * p.rhoc;
            down += set.heel ? p.Hw * f.de * p.rhos : p.Ht * f.de * p.rhos;
            if (set.heel) down += Qsurch * f.sc;
            float w;
            if (sld) {
                w = p.PileVert(i, kSls, c) * static_cast<float>(p.PILEN[i]) / spread;
            } else {
                // Running maximum over the ULS cases and the combinations so far.
                for (int k = 1; k <= 4; ++k) {
                    const float wk = p.PileVert(i, k, c) * static_cast<float>(p.PILEN[i]) / spread;
                    if ((c == 1 && k == 1) || wk > wRun) wRun = wk;
                }
                w = wRun;
            }
            const float q = w > down ? w : down;
            const float m = p.PILES[i] * p.PILES[i] * q / 10.0f;
            bool replace;
            if (!started) {
                replace = true;
                started = true;
            } else if (sld) {
                replace = m / p.Fsls[c] > govM / p.Fsls[govC];
            } else {
                replace = m > govM;
            }
            if (replace) {
                govM = m;
                govQ = q;
                govS = p.PILES[i];
                govC = c;
            }
        }
        EndOfStep(r);
    }
    if (!started) return;

    r.blank();
    r.valueLine("Pressure = ", govQ / p.PressureFactor, "0.0 ", p.LblPressure);
    r.valueLine("Spacing  = ", govS / p.LengthFactor, "0.000 ", p.LblLength);
    float d = DLong, h = p.Tf, As = p.AsLf, s = p.SAsLf;
    if (sld) {
        p.Ms = govM;
        p.CombMs = govC;
        CheckMomentService(p, r, d, As, s);
    } else {
        p.Mu = govM;
        p.CombMu = govC;
        CheckMomentUltimate(p, r, d, h, As, s);
    }
}

}  // namespace

// ---------------------------------------------------------------------------

void PileGroupProperties(Project& p) {
    float n = 0, first = 0;
    for (int i = 1; i <= p.NROWS; ++i) {
        n += static_cast<float>(p.PILEN[i]);
        first += static_cast<float>(p.PILEN[i]) * p.PILEX[i];
    }
    p.Npiles = n;
    p.Xcg = first / n;
    p.PileY.assign(static_cast<std::size_t>(std::max(p.NROWS, 0)) + 1, 0.0f);
    p.PileTanB.assign(p.PileY.size(), 0.0f);
    float inertia = 0;
    for (int i = 1; i <= p.NROWS; ++i) {
        // Every pile a unit area at its distance from the centroid squared.
        const float y = p.Xcg - p.PILEX[i];
        p.PileY[static_cast<std::size_t>(i)] = y;
        p.PileTanB[static_cast<std::size_t>(i)] = std::tan(Radians(p.PILEB[i]));
        inertia += static_cast<float>(p.PILEN[i]) * (y * y);
    }
    // All piles in one line across the footing (a single row, or rows at
    // the same distance) have no inertia; the rounding of the centroid
    // must not leave a tiny one that would turn overturning into absurd
    // pile loads.
    bool oneLine = p.NROWS > 0;
    for (int i = 2; i <= p.NROWS; ++i)
        if (p.PILEX[i] != p.PILEX[1]) oneLine = false;
    p.Ipile = oneLine ? 0.0f : inertia;
}

float PileMomentFromLateral(const Project& p, float h) {
    if (h <= 0.0f) return 0.0f;
    if (h < p.pile1v) return h * p.pile1m / p.pile1v;
    if (h < p.pile2v) return p.pile1m + (h - p.pile1v) * (p.pile2m - p.pile1m) / (p.pile2v - p.pile1v);
    if (h <= p.pile3v) return p.pile2m + (h - p.pile2v) * (p.pile3m - p.pile2m) / (p.pile3v - p.pile2v);
    return p.pile3m;
}

float PassiveResistance(const Project& p, int k, int c) {
    const float depth = p.Ht + p.Tf;
    // Triangular passive pressure over the footing and the soil on the toe,
    // K x Lw x rhos x depth^2 / 2 (the depth squared first).
    const auto passive = [&](float K) { return K * p.Lw * p.rhos * (depth * depth) / 2.0f; };
    if (k == kSls) return p.Fsls[c] * passive(p.Kp);
    // An earthquake coefficient only when the combination carries an
    // earthquake pressure; otherwise the ordinary ultimate coefficient.
    return IsUlsEq(p, c) ? passive(p.Kpeq) : passive(p.Kpu);
}

namespace {

// Loads per pile of every row for case k of combination c under vertical
// load V at X from the toe and lateral load H: fills Ppass(k, c),
// Hbatter(k, c) and the terms of the case's pile loads PileCase(k, c) (read
// per row as PileVert, PileLat and PileMom (i, k, c)) and writes the case's
// rows of the PILE LOADS table; vertical receives every row's vertical load
// (element 0 unused) for the cap loads of the case.
void CaseLoads(Project& p, Report& r, int c, int k, std::string_view label, float H, float V, float X,
               std::vector<float>& vertical) {
    NameCause(r, p.PileHead == "fix" && (p.pile1v == p.pile2v || p.pile2v == p.pile3v),
              "two equal points of the pile lateral load - moment curve");
    NameCause(r, p.Ipile == 0.0f, "all piles in one row: the pile group cannot resist overturning by axial loads");
    NameCause(r, p.Npiles == 0.0f, "no piles in the pile group");
    const float Ppass = PassiveResistance(p, k, c);
    p.Ppass(k, c) = Ppass;
    const float e = p.Xcg - X;  // eccentricity of the resultant, positive towards the toe
    const int rows = std::max(p.NROWS, 0);
    PileCaseLoads& loads = p.PileCase(k, c);
    loads = PileCaseLoads{};
    loads.loaded = true;
    loads.V = V;
    loads.e = e;
    // Every row's vertical load, worked out here once (a fault in any of
    // them ends the run before the case's lines) and again from the
    // case's terms wherever it is read later.
    vertical.assign(static_cast<std::size_t>(rows) + 1, 0.0f);
    if (rows > 0) loads.perPile = V / p.Npiles;
    if (p.PileHead == "fix") {
        float h = (H - Ppass) / p.Npiles;
        if (h < 0.0f) h = 0.0f;
        const float m = PileMomentFromLateral(p, h);
        p.Hbatter(k, c) = 0.0f;
        loads.fixedHead = true;
        if (rows > 0) loads.overturning = e * V + p.Npiles * m;
        loads.lateral = h;
        loads.moment = m;
        for (int i = 1; i <= rows; ++i) {
            const auto row = static_cast<std::size_t>(i);
            vertical[row] = loads.vertical(p.PileY[row], p.Ipile);
        }
    } else {
        float Hbatter = 0;
        for (int i = 1; i <= rows; ++i) {
            const auto row = static_cast<std::size_t>(i);
            vertical[row] = loads.vertical(p.PileY[row], p.Ipile);
            Hbatter += vertical[row] * static_cast<float>(p.PILENB[i]) * p.PileTanB[row];
        }
        p.Hbatter(k, c) = Hbatter;
        float lateral = (H - Ppass - Hbatter) / p.Npiles;
        if (lateral < 0.0f) lateral = 0.0f;
        loads.lateral = lateral;
    }
    // The first rows of the largest and smallest loads, for the maximum
    // pile loads (only when every load is a number).
    bool numbers = true;
    for (int i = 1; i <= rows; ++i) {
        const float v = vertical[static_cast<std::size_t>(i)];
        numbers = numbers && !std::isnan(v);
        if (i == 1 || v > loads.maxV) {
            loads.maxV = v;
            loads.maxRow = i;
        }
        if (i == 1 || v < loads.minV) {
            loads.minV = v;
            loads.minRow = i;
        }
    }
    if (!numbers) loads.maxRow = loads.minRow = 0;

    r.blank();
    const bool showComb = k == kSls || (k == 1 && p.Vsls[c] == 0.0f);
    // Evaluating, rows whose numbers all fit their columns are one line
    // each and are counted.
    if (r.canCountLines()) {
        // The widest vertical load is the one of largest magnitude.
        float widest = 0;
        bool finite = true;
        for (int i = 1; i <= rows; ++i) {
            const float v = vertical[static_cast<std::size_t>(i)];
            finite = finite && std::isfinite(v);
            widest = std::max(widest, std::fabs(v));
        }
        if (finite && (!showComb || Report::FitsBare(static_cast<float>(c), 10)) && label.size() <= 10 &&
            Report::FitsBare(static_cast<float>(rows), 10) && Report::Fits(widest / p.ForceFactor, "0.0", 10) &&
            Report::Fits(loads.lateral / p.ForceFactor, "0.0", 10) && std::isfinite(loads.moment / p.MomentFactor)) {
            r.countLines(rows);
            EndOfStep(r);
            return;
        }
    }
    for (int i = 1; i <= rows; ++i) {
        r.tab(10);
        if (i == 1) {
            if (showComb) r.bare(static_cast<float>(c));
            r.tab(20).text(label);
        }
        r.tab(30).bare(static_cast<float>(i));
        r.tab(40).num(vertical[static_cast<std::size_t>(i)] / p.ForceFactor, "0.0");
        r.tab(50).num(loads.lateral / p.ForceFactor, "0.0");
        r.tab(60).num(loads.moment / p.MomentFactor, "0.0").endl();
    }
    EndOfStep(r);
}

// What the cap loads of every case share: the bars' effective depths, the
// heel length, and the share of each pile row's strip (PILEX +- PILED/2)
// that lies on the cantilever's side of a shear section. Each side of the
// cap has two possible sections (one effective depth from the face when the
// bottom is in tension, else the face itself), the same in every case:
// each is worked out the first time a case needs it.
struct CapGeometry {
    std::vector<float> rows[2][2];  // [toe, heel][at the depth, at the face]
    bool ready[2][2] = {};
    // The effective depths of the toe and heel bottom bars and the heel
    // length, the same in every case.
    bool measured = false;
    float Dtoe = 0, Dheel = 0, Lheel = 0;

    template <typename Share>
    const std::vector<float>& get(const Project& p, int side, int at, Share share) {
        std::vector<float>& v = rows[side][at];
        if (!ready[side][at]) {
            v.assign(static_cast<std::size_t>(std::max(p.NROWS, 0)) + 1, 0.0f);
            for (int i = 1; i <= p.NROWS; ++i) v[static_cast<std::size_t>(i)] = share(i);
            ready[side][at] = true;
        }
        return v;
    }
};

// The cap loads of one case from its rows' vertical loads (see PileCapLoads).
void CapLoads(Project& p, Report& r, int c, int k, float QdnToe, float QdnHeel, const std::vector<float>& rowLoad,
              CapGeometry& cap) {
    NameCause(r, p.Lf == 0.0f, "zero footing length: the pile reactions cannot be spread along the footing");
    NameCause(r, p.PILED == 0.0f, "zero pile width: the pile reactions cannot be spread over the pile strips");
    if (!cap.measured) {
        cap.Dtoe = BarEffectiveDepth(p.Tf, p.CAsfb, p.Asfbt);
        cap.Dheel = BarEffectiveDepth(p.Tf, p.CAsfb, p.Asfbh);
        cap.Lheel = FootingHeelLength(p);
        cap.measured = true;
    }
    const float Dtoe = cap.Dtoe, Dheel = cap.Dheel, Lheel = cap.Lheel;
    const float half = p.PILED / 2.0f;
    const PileCaseLoads& loads = p.PileCase(k, c);
    const auto vertical = [&](int i) { return rowLoad[static_cast<std::size_t>(i)]; };
    // Reaction of each row per unit length of footing, worked out once per
    // case when a shear section first needs it.
    thread_local std::vector<float> reaction;
    bool reacted = false;
    const auto react = [&] {
        if (reacted) return;
        reaction.assign(rowLoad.size(), 0.0f);
        for (int j = 1; j <= p.NROWS; ++j)
            reaction[static_cast<std::size_t>(j)] = vertical(j) * static_cast<float>(p.PILEN[j]) / p.Lf;
        reacted = true;
    };

    // Toe: cantilever from the stem face at x = Dt towards the toe edge.
    float Vtoe = 0, Mtoe = 0;
    if (p.Dt > 0.0f) {
        Mtoe = -QdnToe * (p.Dt * p.Dt) / 2.0f;
        for (int i = 1; i <= p.NROWS; ++i)
            if (p.PILEX[i] < p.Dt)
                Mtoe += static_cast<float>(p.PILEN[i]) * (vertical(i) * (p.Dt - p.PILEX[i]) - loads.moment) / p.Lf;
        // Shear at one effective depth from the face when the bottom is in
        // tension; a toe shorter than that depth has no load before the
        // section.
        const int at = Mtoe > 0.0f ? 0 : 1;
        const float section = at == 0 ? p.Dt - Dtoe : p.Dt;
        if (section > 0.0f) {
            Vtoe = -QdnToe * section;
            // Share of the pile strip PILEX +- PILED/2 that lies before the section.
            const std::vector<float>& share = cap.get(p, 0, at, [&](int i) {
                return std::clamp((section - (p.PILEX[i] - half)) / p.PILED, 0.0f, 1.0f);
            });
            react();
            for (int i = 1; i <= p.NROWS; ++i) {
                const auto row = static_cast<std::size_t>(i);
                Vtoe += share[row] * reaction[row];
            }
        }
    }

    // Heel: cantilever from the back face of the stem at x0 to the heel edge.
    float Vheel = 0, Mheel = 0;
    if (Lheel > 0.0f) {
        const float x0 = p.Wf - Lheel;
        Mheel = -QdnHeel * (Lheel * Lheel) / 2.0f;
        for (int i = 1; i <= p.NROWS; ++i)
            if (p.PILEX[i] > x0)
                Mheel += static_cast<float>(p.PILEN[i]) * (vertical(i) * (p.PILEX[i] - x0) + loads.moment) / p.Lf;
        const int at = Mheel > 0.0f ? 0 : 1;
        const float b = at == 0 ? Lheel - Dheel : Lheel;
        if (b > 0.0f) {
            const float section = p.Wf - b;
            Vheel = -QdnHeel * b;
            // Share of the pile strip that lies beyond the section.
            const std::vector<float>& share = cap.get(p, 1, at, [&](int i) {
                return std::clamp(((p.PILEX[i] + half) - section) / p.PILED, 0.0f, 1.0f);
            });
            react();
            for (int i = 1; i <= p.NROWS; ++i) {
                const auto row = static_cast<std::size_t>(i);
                Vheel += share[row] * reaction[row];
            }
        }
    }

    p.Vtoe(k, c) = Vtoe;
    p.Mtoe(k, c) = Mtoe;
    p.Vheel(k, c) = Vheel;
    p.Mheel(k, c) = Mheel;
    EndOfStep(r);
}

}  // namespace

void PileCapLoads(Project& p, Report& r, int c, int k, float QdnToe, float QdnHeel) {
    // Each row's vertical load from the case's terms, as its table printed it.
    const PileCaseLoads& loads = p.PileCase(k, c);
    std::vector<float> rowLoad(static_cast<std::size_t>(std::max(p.NROWS, 0)) + 1, 0.0f);
    for (int i = 1; i <= p.NROWS; ++i)
        rowLoad[static_cast<std::size_t>(i)] = loads.vertical(p.PileY.at(static_cast<std::size_t>(i)), p.Ipile);
    CapGeometry cap;
    CapLoads(p, r, c, k, QdnToe, QdnHeel, rowLoad, cap);
}

std::vector<float> TributaryWidths(const Project& p) {
    const int n = p.NROWS > 0 ? p.NROWS : 0;
    std::vector<float> width(static_cast<std::size_t>(n) + 1, 0.0f);
    if (n == 1) {
        width[1] = p.Wf;
        return width;
    }
    // Neighbours by distance from the toe, whatever the order of entry.
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return p.PILEX[a] < p.PILEX[b]; });
    for (std::size_t j = 0; j < order.size(); ++j) {
        const int i = order[j];
        const float x = p.PILEX[i];
        const float before = j == 0 ? x : (x - p.PILEX[order[j - 1]]) / 2.0f;
        const float after = j + 1 == order.size() ? p.Wf - x : (p.PILEX[order[j + 1]] - x) / 2.0f;
        width[static_cast<std::size_t>(i)] = before + after;
    }
    return width;
}

void PileFootingSection(Project& p, Report& r) {
    const int nlc = p.NLC > 0 ? p.NLC : 0;
    p.PileCase.resize(kCases, nlc);
    p.Ppass.resize(kCases, nlc);
    p.Hbatter.resize(kCases, nlc);
    p.Vtoe.resize(kCases, nlc);
    p.Mtoe.resize(kCases, nlc);
    p.Vheel.resize(kCases, nlc);
    p.Mheel.resize(kCases, nlc);

    r.titleBlock("PILE FOOTING");
    r.heading("PILE GROUP PROPERTIES:");
    PileGroupProperties(p);
    NameCause(r, p.Npiles == 0.0f, "no piles in the pile group");
    r.tab(10).text("Number of piles    = ").num(p.Npiles, "0").endl();
    r.tab(10).text("Pile CG distance   = ").num(p.Xcg / p.LengthFactor, "0.000 ").text(p.LblLength).endl();
    r.tab(10)
        .text("Pile group inertia = ")
        .num(p.Ipile / (p.LengthFactor * p.LengthFactor), "0.000E+00 ")
        .text(p.LblLength)
        .text("^2")
        .endl();
    r.setCause({});

    r.blank();
    r.heading("PILE LOADS:");
    r.rule10();
    r.tab(10).text("COMB").tab(20).text("LIMIT").tab(30).text("PILE").tab(40).text("VERTICAL");
    r.tab(50).text("SHEAR").tab(60).text("BENDING").endl();
    r.tab(10).text(" NO").tab(20).text("STATE").tab(30).text("ROW").tab(40).text("  LOAD");
    r.tab(50).text("LOAD").tab(60).text("MOMENT").endl();
    r.tab(40).text(p.LblForceP).tab(50).text(p.LblForceP).tab(60).text(p.LblMomentP).endl();
    r.rule10();

    NameCause(r, p.Criteria == "arema" && p.Lf == 0.0f,
              "zero footing length: the surcharge cannot be spread along the footing");
    const float Qsurch = SurchargeOnHeel(p);
    EndOfStep(r);

    // Case k of combination c with its vertical load V at X and lateral
    // load H; every case but 2* loads the cap.
    std::vector<float> rowLoads;  // the case's vertical load of every row
    CapGeometry cap;
    const auto runCase = [&](int c, int k, const char* label, float H, float V, float X) {
        if (V == 0.0f) return;
        CaseLoads(p, r, c, k, label, H, V, X, rowLoads);
        if (k == kUls2Star) return;
        const WeightFactors f = FactorsOfCase(p, k, c);
        CapLoads(p, r, c, k, ToeDownPressure(p, f), HeelDownPressure(p, f, Qsurch), rowLoads, cap);
    };
    for (int c = 1; c <= p.NLC; ++c) {
        runCase(c, kSls, "SLS", p.Hsls[c], p.Vsls[c], p.Xsls[c]);
        if (IsSld(p)) continue;
        runCase(c, 1, "ULS 1", p.Hmax[c], p.Vmax[c], p.Xuls1[c]);
        runCase(c, 2, "ULS 2", p.Hmax[c], p.Vmin[c], p.Xuls2[c]);
        if (IsS6(p)) runCase(c, kUls2Star, "ULS 2*", p.Hmax[c], p.Vminst[c], p.Xuls2st[c]);
        runCase(c, 3, "ULS 3", p.Hmin[c], p.Vmax[c], p.Xuls3[c]);
        runCase(c, 4, "ULS 4", p.Hmin[c], p.Vmin[c], p.Xuls4[c]);
    }
    r.rule10();

    MaximumPileLoads(p, r);
    LateralStability(p, r);

    FootingLoadsTable(p, r);
    DesignFootingToeHeel(p, r);
    PileCapLongitudinal(p, r);
}

void PileCapLongitudinal(Project& p, Report& r) {
    r.setSection("LONGITUDINAL REINFORCEMENT");
    r.setWhere(0, "LONGITUDINAL REINFORCEMENT");
    r.blank();
    r.spc(5).text(std::string(61, '-')).endl();
    r.spc(5).text(Report::Spaced("LONGITUDINAL REINFORCEMENT")).endl();
    r.spc(5).text(std::string(61, '-')).endl();

    // The longitudinal bars lie on the toe bottom bars.
    const float DLong = p.Tf - p.CAsfb - 2.0f * std::sqrt(p.Asfbt / kPi) - std::sqrt(p.AsLf / kPi);
    NameCause(r, p.Criteria == "arema" && p.Lf == 0.0f,
              "zero footing length: the surcharge cannot be spread along the footing");
    const float Qsurch = SurchargeOnHeel(p);
    EndOfStep(r);
    const float x0 = p.Wf - FootingHeelLength(p);
    const std::vector<float> Btrib = TributaryWidths(p);

    LongitudinalSet(p, r, {"ULS CALCULATIONS FOR FOOTING TOE:", "SLS CALCULATIONS FOR FOOTING TOE:", false}, Btrib,
                    x0, Qsurch, DLong);
    LongitudinalSet(p, r, {"ULS CALCULATIONS FOR FOOTING HEEL:", "SLS CALCULATIONS FOR FOOTING HEEL:", true}, Btrib,
                    x0, Qsurch, DLong);
}

}  // namespace qelvorn
