// Quantities: the concrete volumes of the walls and the footing, and the bar
// list of the reinforcing with the length, number and weight of every bar
// mark, a total and a legend of the marks.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/fault_causes.h"
#include "analysis/sections.h"
#include "analysis/side_walls.h"
#include "analysis/stability.h"
#include "model/numtext.h"

namespace qelvorn {

namespace {

// Constants of the bar list that depend on the unit system.
struct BarConstants {
    float steelWeight;  // unit weight of reinforcing: lb/in^3, or mass per volume kg/mm^3
    float sizeLimit;    // bar diameter from which the longer development lengths apply
};

BarConstants ConstantsFor(const Project& p) {
    if (p.Units == "metric") return {7.83e-6f, 25.0f};
    return {0.283f, 1.0f};
}

// A round bar of the given area and its development lengths: straight
// development ld, embedment le and hook extension lh. Large bars need
// longer lengths per diameter.
struct Bar {
    float db, ld, le, lh;
};

Bar BarOf(const BarConstants& k, float area) {
    Bar b{};
    b.db = 2.0f * std::sqrt(area / 3.1416f);
    const bool small = b.db < k.sizeLimit;
    b.ld = (small ? 40.0f : 50.0f) * b.db;
    b.le = (small ? 52.0f : 65.0f) * b.db;
    b.lh = (small ? 16.0f : 18.0f) * b.db;
    return b;
}

// Number of bars at spacing s across a dimension D: the nearest whole number
// of spaces (a half goes to the even neighbour) plus one bar.
// Counts are kept in 64 bits: a count that saturated at the 32-bit limit
// (a spacing typed far too small) may still be increased, doubled and summed.
std::int64_t Spaces(float D, float s) { return RoundHalfEven(static_cast<double>(D / s)); }
std::int64_t BarsAcross(float D, float s) { return Spaces(D, s) + 1; }

// Side wall bars listed one per row: no real wall has more, and a count far
// beyond it (a mistyped length or spacing) would all but hang the run and
// fill the disk with the report.
constexpr std::int64_t kMaxListedBars = 10000;

class BarList {
public:
    BarList(const Project& p, Report& r) : p_(p), r_(r), k_(ConstantsFor(p)) {}

    const BarConstants& constants() const { return k_; }

    // One row: mark, area, length (internal units), number, optional
    // description. The weight is area x unit weight x length x number.
    void row(const char* mark, float A, float L, std::int64_t N, const std::string& description = {}) {
        const float W = A * k_.steelWeight * L * static_cast<float>(N);
        r_.tab(10).text(mark).tab(20).num(A, "0.00").tab(30).num(L, "0.0").tab(40).num(static_cast<float>(N), "0");
        r_.tab(45).num(W, "0.0");
        if (!description.empty()) r_.tab(55).text(description);
        r_.endl();
        count_ += N;
        weight_ += W;
    }

    std::int64_t count() const { return count_; }

    // Ends the run, naming the cause, when n bars are too many to list.
    void checkListed(std::int64_t n, const char* mark) const {
        if (n > kMaxListedBars)
            throw CalculationFault(r_.section(), "more than " + std::to_string(kMaxListedBars) + " " + mark +
                                                     " bars to list; check the side wall dimensions and bar spacings");
    }
    float weight() const { return weight_; }

private:
    const Project& p_;
    Report& r_;
    BarConstants k_;
    std::int64_t count_ = 0;
    float weight_ = 0;
};

bool Present(float A, float s) { return A != 0.0f && s != 0.0f; }

// Area per unit width of bars of area A at spacing s.
float PerWidth(float A, float s) { return A / s; }

void ConcreteTable(Project& p, Report& r) {
    // The volumes of the current geometry, the same numbers the stability
    // section stores; computed here so that they are right also when the
    // abutment calculations are not part of this run.
    StepCause(r, p.Lw == 0.0f, "zero wall length");
    const ConcreteVolumes v = ComputeConcreteVolumes(p);
    r.setCause("");
    r.tab(10).text("CONCRETE:").endl();
    r.blank();
    r.rule10();
    r.tab(10).text("ITEM").tab(25).text("VOLUME").endl();
    r.tab(25).text(p.LblVolumeP).endl();
    r.rule10();
    r.tab(10).text("Abutment").tab(25).num(v.walls * p.VolumeFactor, "0.0").endl();
    r.tab(10).text("Footing").tab(25).num(v.footing * p.VolumeFactor, "0.0").endl();
    r.rule10();
}

// Bars of the back wall, stem wall and footing.
void AbutmentBars(Project& p, BarList& list) {
    const BarConstants& k = list.constants();
    const bool haunch = p.WallType == "haunch";
    float H = p.Hw - p.Hb;  // stem height
    if (haunch) H = H - (p.Hh + (p.Ts + p.Tb - p.Tw));
    const float batter = p.Bat * 3.1416f / 180.0f;

    if (Present(p.Asb, p.SAsb)) {
        const Bar b = BarOf(k, p.Asb);
        float L = p.Hb - p.CAsw + b.le;
        if (haunch) {
            // Down the back face, along the sloping haunch face at 22.5
            // degrees and anchored into the stem.
            const float anchor = std::fmin(b.ld, (p.Tw - p.CAsw) / 0.707f);
            L = (p.Hh + p.Hb - p.CAsw) - (p.CAsw + b.db / 2.0f) * std::tan(0.3927f) +
                (p.Ts + p.Tb - p.Tw - p.CAsw - b.db / 2.0f) / 0.707f + anchor;
        }
        list.row("Asb", p.Asb, L, BarsAcross(p.Lw, p.SAsb));
    }
    if (Present(p.AsTSb, p.SAsTSb)) {
        const Bar b = BarOf(k, p.AsTSb);
        list.row("AsTSb", p.AsTSb, p.Hb - p.CAsw + b.ld, BarsAcross(p.Lw, p.SAsTSb), "Vertical");
        list.row("AsTSb", p.AsTSb, p.Lw - 2.0f * p.CAsw, 2 * BarsAcross(p.Hb, p.SAsTSb), "Longitudinal");
    }

    // Bottom bars: equal toe and heel bars run the full width; stem bars
    // equal to the toe bars (and not to the heel bars) bend into the toe and
    // replace them.
    const bool bottomSpaced = p.SAsfbt != 0.0f && p.SAsfbh != 0.0f;
    const bool toeEqualsHeel = bottomSpaced && PerWidth(p.Asfbt, p.SAsfbt) == PerWidth(p.Asfbh, p.SAsfbh);
    const bool stemIntoToe = bottomSpaced && Present(p.Asw, p.SAsw) &&
                             PerWidth(p.Asw, p.SAsw) == PerWidth(p.Asfbt, p.SAsfbt) &&
                             PerWidth(p.Asw, p.SAsw) != PerWidth(p.Asfbh, p.SAsfbh);

    if (Present(p.Asw, p.SAsw)) {
        const Bar b = BarOf(k, p.Asw);
        const float incline = (p.Tf + H - p.CAsw - p.CAsfb - b.db / 2.0f) / std::cos(batter);
        float foot = b.lh;
        if (stemIntoToe)
            foot = p.Dt + p.Tw + (p.Tf + H - p.CAsfb - b.db / 2.0f) * std::tan(batter) - p.CAsw - b.db / 2.0f -
                   p.CAsft;
        list.row("Asw", p.Asw, incline + foot, BarsAcross(p.Lw, p.SAsw));
    }
    if (Present(p.AsTSw, p.SAsTSw)) {
        list.row("AsTSw", p.AsTSw, p.Tf + p.Hw - p.Hb - p.CAsw - p.CAsfb, BarsAcross(p.Lw, p.SAsTSw), "Vertical");
        list.row("AsTSw", p.AsTSw, p.Lw - 2.0f * p.CAsw, 2 * BarsAcross(p.Hw - p.Hb, p.SAsTSw), "Longitudinal");
    }
    if (Present(p.Asft, p.SAsft)) list.row("Asft", p.Asft, p.Wf - 2.0f * p.CAsft, BarsAcross(p.Lf, p.SAsft));
    if (Present(p.Asfbt, p.SAsfbt)) {
        if (stemIntoToe || toeEqualsHeel)
            list.row("Asfbt", p.Asfbt, 0.0f, 0);
        else
            list.row("Asfbt", p.Asfbt, p.Dt - p.CAsft + BarOf(k, p.Asfbt).le, BarsAcross(p.Lf, p.SAsfbt));
    }
    if (Present(p.Asfbh, p.SAsfbh)) {
        const float L = toeEqualsHeel ? p.Wf - 2.0f * p.CAsft : p.Wf - p.Dt - p.CAsft;
        list.row("Asfbh", p.Asfbh, L, BarsAcross(p.Lf, p.SAsfbh));
    }

    // Longitudinal footing bars: in a pile cap the longitudinal bars and the
    // T&S bars are one layer, listed as whichever has the larger area per
    // unit width.
    const float longLength = p.Lf - 2.0f * p.CAsft;
    if (p.FootingType == "spread" || !Present(p.AsLf, p.SAsLf)) {
        // A pile cap without longitudinal bars still has its T&S bars.
        if (Present(p.AsTSf, p.SAsTSf))
            list.row("AsTSf", p.AsTSf, longLength, 2 * BarsAcross(p.Wf, p.SAsTSf));
    } else if (p.SAsTSf == 0.0f || PerWidth(p.AsTSf, p.SAsTSf) < PerWidth(p.AsLf, p.SAsLf)) {
        list.row("AsLf", p.AsLf, longLength, 2 * BarsAcross(p.Wf, p.SAsLf));
    } else if (p.AsTSf != 0.0f) {
        list.row("AsTSf", p.AsTSf, longLength, 2 * BarsAcross(p.Wf, p.SAsTSf));
    }
}

// Positions of n bars at equal steps from first to last; a single bar
// stands at the first position.
float Position(float first, float last, std::int64_t n, std::int64_t i) {
    if (n <= 1) return first;
    return first + (last - first) * static_cast<float>(i) / static_cast<float>(n - 1);
}

// A position made non-finite by an overflow is never printed (the overflow
// ends the run at the next report item), so it is not formatted either.
std::string At(const char* axis, float v) {
    if (!std::isfinite(v)) return std::string("@ ") + axis;
    return std::string("@ ") + axis + " = " + FormatNumber(v, "0.0");
}

// Bars of the side walls.
void SideWallBars(Project& p, BarList& list) {
    const BarConstants& k = list.constants();
    const float Lh = SideWallHeelLength(p);
    const float across = p.Ls + p.Tb + p.Ts - 2.0f * p.CAsw;  // horizontal bar over the full wall length
    const float vertical = p.Tf + p.Hw - p.CAsw - p.CAsfb;    // vertical bar over the footing

    if (IsShortSideWall(p)) {
        // Wall on the footing: full height Hw throughout.
        list.row("Asws", p.Asws, across, BarsAcross(p.Hw / 2.0f, p.SAsws), "Top half");
        // The bar at mid-height belongs to the top half.
        if (Present(p.Aswsb, p.SAswsb)) list.row("Aswsb", p.Aswsb, across, Spaces(p.Hw / 2.0f, p.SAswsb), "Bottom half");
        if (Present(p.AsTSws, p.SAsTSws)) {
            list.row("AsTSws", p.AsTSws, across, BarsAcross(p.Hw, p.SAsTSws), "Horizontal");
            list.row("AsTSws", p.AsTSws, vertical, 2 * BarsAcross(p.Ls, p.SAsTSws), "Vertical");
        }
        return;
    }

    // Longer wall: its top slopes from Hw over the footing down to Hs at the
    // free end, so the bars are listed one by one.
    const float alpha = std::atan((p.Hw - p.Hs) / (p.Ls - Lh));
    auto horizontal = [&](const char* mark, float A, float s) {
        const Bar b = BarOf(k, A);
        const std::int64_t n = BarsAcross(p.Hw, s);
        list.checkListed(n, mark);
        const float first = p.CAsw + b.db / 2.0f;
        const float last = p.Hw - p.CAsw - b.db / 2.0f;
        for (std::int64_t i = 0; i < n; ++i) {
            const float y = Position(first, last, n, i);
            float L = across;
            if (y > p.Hs)
                L = p.Ls + p.Tb + p.Ts - p.CAsw - p.CAsw / std::sin(alpha) - (y - p.Hs) / std::tan(alpha);
            list.row(mark, A, L, 1, At("y", y));
        }
    };
    horizontal("Asws", p.Asws, p.SAsws);
    if (!Present(p.AsTSws, p.SAsTSws)) return;
    horizontal("AsTSws", p.AsTSws, p.SAsTSws);

    // Vertical T&S bars in pairs (both faces), x from the free end.
    const Bar b = BarOf(k, p.AsTSws);
    const std::int64_t n = BarsAcross(p.Ls, p.SAsTSws);
    list.checkListed(n, "AsTSws");
    const float first = p.CAsw + b.db / 2.0f;
    const float last = p.Ls - p.CAsw - b.db / 2.0f;
    for (std::int64_t i = 0; i < n; ++i) {
        const float x = Position(first, last, n, i);
        const float L = x >= p.Ls - Lh ? vertical : x * std::tan(alpha) + p.Hs - 2.0f * p.CAsw;
        list.row("AsTSws", p.AsTSws, L, 2, At("x", x));
    }
}

void Legend(Project& p, Report& r) {
    const std::string rule(56, '-');
    r.tab(10).text("LEGEND:").endl();
    r.blank();
    r.tab(15).text(rule).endl();
    r.tab(15).text("BAR").tab(25).text("LOCATION").endl();
    r.tab(15).text(rule).endl();
    struct Entry {
        const char* mark;
        const char* location;
    };
    static const Entry abutment[] = {{"Asw", "Wall stem"},
                                     {"Asb", "Backwall"},
                                     {"Asft", "Footing top"},
                                     {"Asfbt", "Footing bottom at toe"},
                                     {"Asfbh", "Footing bottom at heel"},
                                     {"AsLf", "Footing long w/piles"},
                                     {"AsTSw", "T&S in wall stem"},
                                     {"AsTSb", "T&S in backwall"},
                                     {"AsTSf", "T&S in footing"}};
    static const Entry sideWalls[] = {{"Asws", "Average main horizontal in sidewall"},
                                      {"Aswsb", "Bottom main horizontal in sidewall"},
                                      {"AsTSws", "T&S in sidewall"}};
    for (const Entry& e : abutment) r.tab(15).text(e.mark).tab(25).text(e.location).endl();
    if (p.Ls != 0.0f)
        for (const Entry& e : sideWalls) r.tab(15).text(e.mark).tab(25).text(e.location).endl();
    r.tab(15).text(rule).endl();
}

}  // namespace

QuantityTotals ComputeQuantityTotals(Project& p) {
    QuantityTotals t;
    const ConcreteVolumes v = ComputeConcreteVolumes(p);
    t.concrete = (v.walls + v.footing) * p.VolumeFactor;
    // The bar list of the report, measured but not written.
    ClearArithmeticFaults();
    try {
        Report r{Report::EvaluationOnly{}};
        BarList list(p, r);
        AbutmentBars(p, list);
        if (p.Ls != 0.0f && Present(p.Asws, p.SAsws)) SideWallBars(p, list);
        r.checkStep();
        t.steel = list.weight();
    } catch (const CalculationFault&) {
        t.steel = std::nanf("");
    }
    ClearArithmeticFaults();
    return t;
}

void WriteQuantities(Project& p, Report& r) {
    r.titleBlock("QUANTITIES");
    ConcreteTable(p, r);

    r.blank();
    r.tab(10).text("REINFORCING:").endl();
    r.blank();
    r.rule10();
    r.tab(10).text("BAR").tab(20).text("AREA").tab(30).text("LENGTH").tab(40).text("NO").tab(45).text("WEIGHT");
    r.tab(55).text("DESCRIPTION").endl();
    r.tab(20).text(p.LblAreaP).tab(30).text(p.LblSmallLengthP).tab(45).text(p.LblWeightP).endl();
    r.rule10();

    BarList list(p, r);
    AbutmentBars(p, list);
    if (p.Ls != 0.0f && Present(p.Asws, p.SAsws)) {
        SideWallBars(p, list);
    }

    r.tab(10).text("Total =").tab(40).num(static_cast<float>(list.count()), "0").tab(45).num(list.weight(), "0.0").endl();
    r.rule10();
    r.blank();
    r.blank();
    Legend(p, r);
}

}  // namespace qelvorn
