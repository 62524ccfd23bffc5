#include "analysis/checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace qelvorn {

namespace {

enum class Code { Aashto, Arema, Lrfd, S6 };

Code CodeOf(const Project& p) {
    if (p.Criteria == "arema") return Code::Arema;
    if (p.Criteria == "lrfd") return Code::Lrfd;
    if (p.Criteria == "s6") return Code::S6;
    return Code::Aashto;
}

bool IsMetric(const Project& p) { return p.Units == "metric"; }

// 2 k sqrt(f'c) is 2 sqrt(f'c) in psi and sqrt(f'c)/6 in MPa.
float ShearUnit(const Project& p) { return IsMetric(p) ? 1.0f / 12.0f : 1.0f; }

// Stress increase factor of a service combination.
float StressIncrease(const Project& p, std::int32_t comb) { return p.Fsls.at(static_cast<std::size_t>(comb)); }

// The heading of a check block; it is also the last part of the records'
// sub-heading path.
std::string BlockName(const char* what, std::int32_t comb) {
    return std::string(what) + " (Comb " + std::to_string(comb) + ")";
}

void BlockHeading(Report& r, const char* what, std::int32_t comb) {
    const std::string block = BlockName(what, comb);
    r.setWhere(3, block);
    r.blank();
    r.spc(10).text(block + ":").endl();
    r.blank();
}

void DepthLine(const Project& p, Report& r, float d) { r.valueLine("Effective depth = ", d, "0.00 ", p.LblSmallLength); }

// What a comparison line records: its identifier, which of the two printed
// values is the demand, its unit and the direction of the limit.
struct CheckKind {
    const char* what;
    bool leftIsDemand;
    CheckLimit limit;
};

// "label" value "mid" value check-word, the usual comparison line.
void CompareLine(Report& r, const char* label, float left, const char* leftPattern, const char* mid, float right,
                 const char* rightPattern, bool ok, const CheckKind& kind, std::string_view unit) {
    r.spc(10).text(label).num(left, leftPattern).text(mid).num(right, rightPattern);
    const float demand = kind.leftIsDemand ? left : right;
    const float capacity = kind.leftIsDemand ? right : left;
    r.verdict(ok, kind.what, demand, capacity, unit, kind.limit).endl();
}

constexpr CheckKind kShearDepth{"shear_depth", true, CheckLimit::Upper};
constexpr CheckKind kAsRequired{"as_required", true, CheckLimit::Upper};
constexpr CheckKind kAsMaximum{"as_maximum", false, CheckLimit::Upper};
constexpr CheckKind kCOverD{"c_d_ratio", false, CheckLimit::Upper};
constexpr CheckKind kSteelStress{"steel_stress", true, CheckLimit::Upper};
constexpr CheckKind kCrackStress{"crack_allowable_stress", false, CheckLimit::Upper};
constexpr CheckKind kTsArea{"ts_area", true, CheckLimit::Lower};

// The two depth lines shared by the ultimate and the service shear checks.
// Av is stirrup area per unit width and unit length (area / area).
void DepthLines(const Project& p, Report& r, float dreq, float d, float Av) {
    if (dreq <= d) {
        CompareLine(r, "d required      = ", dreq, "0.00 ", "< d provided = ", d, "0.00 ", true, kShearDepth,
                    p.LblSmallLength);
    } else {
        CompareLine(r, "d required      = ", dreq, "0.00 ", "> d provided = ", d, "0.00 ", false, kShearDepth,
                    p.LblSmallLength);
        r.spc(10).text("Av required     = ").num(Av, "0.00E+00 ").text(p.LblArea + "/" + p.LblArea + " with d provided").endl();
    }
}

// Design moment and the steel per unit width that develops it by the
// rectangular stress block: Mdes = phif phis fy A (d - phis fy A / (2 phic alpha1 f'c)).
// A small factored moment is raised to 1.2 times the cracking moment of the
// strip, but never beyond 4/3 of the factored moment.
struct UltimateArea {
    float A = 0;
    bool tooHigh = false;
    float Mmax = 0;  // too high: the largest moment the quadratic solves for (zero discriminant)
};

UltimateArea AreaForFactoredMoment(const Project& p, float h, float d) {
    const float M1 = 1.2f * p.ModRupture * (h * h) / 6.0f;
    float Mdes = p.Mu;
    if (!(p.Mu > M1)) Mdes = std::min(M1, 4.0f / 3.0f * p.Mu);
    const float steel = p.PhiSteel * p.fs;
    const float a = p.PhiFlexure * 0.5f * (steel * steel) / (p.PhiConcrete * p.Alpha1 * p.fc);
    const float c = p.PhiFlexure * p.PhiSteel * p.fs * d;
    const float disc = c * c - 4.0f * a * Mdes;
    UltimateArea out;
    if (disc > 0.0f) {
        out.A = (c - std::sqrt(disc)) / (2.0f * a);
    } else {
        out.tooHigh = true;
        if (a > 0.0f) out.Mmax = c * c / (4.0f * a);
    }
    return out;
}

// The section cannot carry the moment: besides the two lines, a failing
// record of its own on the first one, whatever the area check after it says.
void TooHighLines(const Project& p, Report& r, const UltimateArea& req) {
    r.spc(10).text("Factored moment = ").num(p.Mu / p.ForceFactor, "0.000 ").text("is too high,");
    r.record(false, "moment_capacity", p.Mu / p.ForceFactor, req.Mmax / p.ForceFactor, p.LblMomentPerLength);
    r.endl();
    r.spc(10).text("try redesign with thicker concrete section.").endl();
}

// Allowable steel stress of service load design and the required steel per
// unit width at the balanced lever arm.
struct ServiceDesign {
    float fsa = 0, A = 0;
};

ServiceDesign ServiceArea(const Project& p, float d) {
    const float F = StressIncrease(p, p.CombMs);
    ServiceDesign out;
    out.fsa = 0.4f * p.fs * F;
    const float fca = 0.4f * p.fc * F;
    const float kb = fca / (fca + out.fsa / static_cast<float>(p.ModRatio));
    const float j = 1.0f - kb / 3.0f;
    out.A = p.Ms / (out.fsa * j * d);
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// Shear, ultimate
// ---------------------------------------------------------------------------
void CheckShearUltimate(Project& p, Report& r, float d) {
    const float phi = p.PhiShear;
    const float k = ShearUnit(p);
    const float rootFc = std::sqrt(p.fc);
    const float fy = p.fs;
    const float Vu = p.Vu;
    float dreq = 0, Av = 0;
    // CAN/CSA-S6 only: the concrete resistance 600 phic fr dv / (1000 + dv)
    // per mm of width never reaches 600 phic fr however deep the section, so
    // a factored shear at or above it has no required depth. The section is
    // then reported NO GOOD with an unlimited required depth, followed by
    // the stirrups needed at the provided depth.
    bool noDepthSuffices = false;

    switch (CodeOf(p)) {
        case Code::Aashto:
        case Code::Arema: {
            const float unitVc = 2.0f * phi * k * rootFc;
            dreq = Vu / unitVc;
            if (dreq > d) Av = (Vu - unitVc * d) / (phi * fy * d);
            break;
        }
        case Code::Lrfd: {
            // Effective shear depth dv = 0.9 d.
            const float unitVc = 2.0f * phi * k * rootFc * 0.9f;
            dreq = Vu / unitVc;
            if (dreq > d) Av = (Vu - unitVc * d) / (phi * fy * 0.9f * d);
            break;
        }
        case Code::S6: {
            // The resistance is written in N, mm and MPa per mm of width. In
            // English units the shear (lb/in), the depth, the modulus of
            // rupture and the yield strength are brought to those units and
            // the required depth back to inches; the stirrup ratio is an
            // area per area and needs no conversion.
            const bool metric = IsMetric(p);
            const float V = metric ? Vu : Vu * p.NmmPerLbin;
            const float dmm = metric ? d : d * p.MmPerIn;
            const float fr = metric ? p.ModRupture : p.ModRupture * p.MPaPerPsi;
            const float fyMPa = metric ? fy : fy * p.MPaPerPsi;
            const float limit = 600.0f * p.PhiConcrete * fr;
            float dreqMm = 0;
            if (limit <= V) {
                noDepthSuffices = true;
            } else {
                dreqMm = 1000.0f * V / ((limit - V) * 0.9f);
            }
            if (noDepthSuffices || dreqMm > dmm) {
                const float dv = 0.9f * dmm;
                const float Vc = std::max(limit * dv / (1000.0f + dv), 0.23f * p.PhiConcrete * fr * dv);
                // Stirrups are never negative: where the concrete alone carries
                // the shear none are needed.
                Av = std::max(0.0f, (V - Vc) / (p.PhiSteel * 0.9f * fyMPa * dmm));
            }
            dreq = metric ? dreqMm : dreqMm / p.MmPerIn;
            break;
        }
    }

    BlockHeading(r, "SHEAR", p.CombVu);
    DepthLine(p, r, d);
    r.valueLine("Factored shear  = ", Vu / p.LineLoadFactor, "0.000 ", p.LblLineLoad);
    if (noDepthSuffices) {
        // No depth suffices: the demand is the largest float.
        r.spc(10).text("d required      = unlimited > d provided = ").num(d, "0.00 ")
            .verdict(false, kShearDepth.what, std::numeric_limits<float>::max(), d, p.LblSmallLength).endl();
        r.spc(10).text("Av required     = ").num(Av, "0.00E+00 ").text(p.LblArea + "/" + p.LblArea + " with d provided").endl();
        return;
    }
    DepthLines(p, r, dreq, d, Av);
}

// ---------------------------------------------------------------------------
// Moment, ultimate
// ---------------------------------------------------------------------------
void CheckMomentUltimate(Project& p, Report& r, float d, float h, float As, float s) {
    const UltimateArea req = AreaForFactoredMoment(p, h, d);
    if (req.tooHigh) {
        r.setWhere(3, BlockName("MOMENT", p.CombMu));
        TooHighLines(p, r, req);
    }

    // Balanced strain condition and the provided steel's stress block.
    const float fy = p.fs;
    const float ey = p.PhiSteel * fy / p.Es;
    const float cb = p.Ecu * d / (p.Ecu + ey);
    const float ab = p.Beta1 * cb;
    const float AsMax = 0.75f * p.Alpha1 * p.PhiConcrete * p.fc * ab / (p.PhiSteel * fy);
    const float a = (As / s) * p.PhiSteel * fy / (p.Alpha1 * p.PhiConcrete * p.fc);
    const float c = a / p.Beta1;
    const float cOverD = a / (p.Beta1 * d);
    const float et = p.Ecu * (d - c) / c;

    BlockHeading(r, "MOMENT", p.CombMu);
    DepthLine(p, r, d);
    r.valueLine("Factored moment = ", p.Mu / p.ForceFactor, "0.000 ", p.LblMomentPerLength);
    const float AsReq = req.A * s;
    if (AsReq <= As) {
        CompareLine(r, "As required     = ", AsReq, "0.00 ", "< As provided = ", As, "0.00 ", true, kAsRequired,
                    p.LblArea);
    } else {
        CompareLine(r, "As required     = ", AsReq, "0.00 ", "> As provided = ", As, "0.00 ", false, kAsRequired,
                    p.LblArea);
    }

    switch (CodeOf(p)) {
        case Code::Aashto:
        case Code::Arema:
            if (As <= AsMax * s) {
                CompareLine(r, "As maximum      = ", AsMax * s, "0.00 ", "> As provided = ", As, "0.00 ", true,
                            kAsMaximum, p.LblArea);
            } else {
                CompareLine(r, "As maximum      = ", AsMax * s, "0.00 ", "< As provided = ", As, "0.00 ", false,
                            kAsMaximum, p.LblArea);
            }
            break;
        case Code::S6: {
            const float limit = 0.5f;
            if (limit >= cOverD) {
                CompareLine(r, "c/d limit       = ", limit, "0.00 ", "> c/d ratio = ", cOverD, "0.00 ", true, kCOverD,
                            "");
            } else {
                CompareLine(r, "c/d limit       = ", limit, "0.00 ", "< c/d ratio = ", cOverD, "0.00 ", false, kCOverD,
                            "");
            }
            break;
        }
        case Code::Lrfd:
            if (et >= 0.005f) {
                r.spc(10).text("Strain          = ").num(et, "0.0000 ").text("> 0.005 ")
                    .verdict(true, "strain", et, 0.005f, "", CheckLimit::Lower).endl();
            } else {
                r.spc(10).text("Strain          = ").num(et, "0.0000 ").text("< 0.005 ")
                    .verdict(false, "strain", et, 0.005f, "", CheckLimit::Lower).endl();
            }
            break;
    }
}

// ---------------------------------------------------------------------------
// Service stresses, shear and moment
// ---------------------------------------------------------------------------
void ServiceStresses(Project& p, Report&, float d, float As, float s, float& fss, float& fcs) {
    const float n = static_cast<float>(p.ModRatio);
    const float rho = As / (d * s);
    const float rn = rho * n;
    const float k = std::sqrt(rn * rn + 2.0f * rn) - rn;
    const float j = 1.0f - k / 3.0f;
    fss = p.Ms * s / (As * j * d);
    fcs = 2.0f * p.Ms / (k * j * (d * d));
}

void CheckShearService(Project& p, Report& r, float d) {
    const float F = StressIncrease(p, p.CombVs);
    const float vc = 0.95f * ShearUnit(p) * std::sqrt(p.fc) * F;
    const float dreq = p.Vs / vc;
    float Av = 0;
    if (dreq > d) Av = (p.Vs - vc * d) / (0.4f * F * p.fs * d);

    BlockHeading(r, "SHEAR", p.CombVs);
    DepthLine(p, r, d);
    r.valueLine("Service shear   = ", p.Vs / p.LineLoadFactor, "0.000 ", p.LblLineLoad);
    DepthLines(p, r, dreq, d, Av);
}

void CheckMomentService(Project& p, Report& r, float d, float As, float s) {
    const ServiceDesign design = ServiceArea(p, d);
    float fss = 0, fcs = 0;
    ServiceStresses(p, r, d, As, s, fss, fcs);

    BlockHeading(r, "MOMENT", p.CombMs);
    DepthLine(p, r, d);
    r.valueLine("Service moment  = ", p.Ms / p.ForceFactor, "0.000 ", p.LblMomentPerLength);
    if (design.fsa >= fss) {
        CompareLine(r, "Steel stress    = ", fss, "0.00 ", "< Allowable stress = ", design.fsa, "0.00 ", true,
                    kSteelStress, p.LblStress);
        r.valueLine("Concrete stress = ", fcs, "0.00 ", p.LblStress);
    } else {
        CompareLine(r, "Steel stress    = ", fss, "0.00 ", "> Allowable stress = ", design.fsa, "0.00 ", false,
                    kSteelStress, p.LblStress);
        r.valueLine("As required     = ", design.A * s, "0.00 ", p.LblArea);
    }
}

// ---------------------------------------------------------------------------
// Crack control
// ---------------------------------------------------------------------------
void CheckCrackControl(Project& p, Report& r, float d, float h, float s, float As) {
    float fss = 0, fcs = 0;
    ServiceStresses(p, r, d, As, s, fss, fcs);
    const bool metric = IsMetric(p);
    const Code code = CodeOf(p);
    const float rb = std::sqrt(As / 3.1416f);
    // Cover to the bar centre; cover beyond 2 in (50 mm) is not counted.
    const float dc = std::min(h - d, rb + (metric ? 50.0f : 2.0f));
    const float F = StressIncrease(p, p.CombMs);
    const float z = p.ExpFactor;
    const float fy = p.fs;
    // With service load design the service moment block has already shown
    // the moment.
    const bool showMoment = p.ConcreteDesign == "usd";

    BlockHeading(r, "CRACK CONTROL", p.CombMs);
    DepthLine(p, r, d);

    switch (code) {
        case Code::Aashto:
        case Code::Arema: {
            // Allowable stress from the crack control factor z over the
            // effective tension area A = 2 dc s around each bar.
            const float cap = (code == Code::Arema ? 0.5f : 0.6f) * fy * F;
            const float area = 2.0f * dc * s;
            const float fsa = std::min(z / std::pow(dc * area, 0.333f), cap);
            if (showMoment) r.valueLine("Service moment   = ", p.Ms / p.ForceFactor, "0.000 ", p.LblMomentPerLength);
            if (fss <= fsa) {
                CompareLine(r, "Allowable stress = ", fsa, "0.00 ", "> Service stress = ", fss, "0.00 ", true,
                            kCrackStress, p.LblStress);
                break;
            }
            CompareLine(r, "Allowable stress = ", fsa, "0.00 ", "< Service stress = ", fss, "0.00 ", false,
                        kCrackStress, p.LblStress);
            const float AsReq = As * fss / fsa;
            if (fss <= cap) {
                r.valueLine("As required      = ", AsReq, "0.00 ", p.LblArea + " at the same reinf spacing, or");
                const float smax = z * z * z / (2.0f * (dc * dc) * (fss * fss * fss));
                r.valueLine("Maximum spacing  = ", smax, "0.00 ", p.LblSmallLength + " with the same reinf area/width");
            } else {
                r.valueLine("As required      = ", AsReq, "0.00 ", p.LblArea + " at the same reinf spacing");
            }
            break;
        }
        case Code::Lrfd: {
            // smax = 700 gamma_e / (beta_s fss) - 2 dc in kip and inch units.
            // Millimetres are brought to inches by dividing by 25.4 and the
            // limit spacing back by multiplying.
            const float mmPerIn = metric ? p.MmPerIn : 1.0f;
            const float fssKsi = (metric ? fss / p.MPaPerPsi : fss) / 1000.0f;
            const float dcIn = dc / mmPerIn;
            const float hIn = h / mmPerIn;
            const float sIn = s / mmPerIn;
            if (showMoment) r.valueLine("Service moment   = ", p.Ms / p.ForceFactor, "0.000 ", p.LblMomentPerLength);
            r.valueLine("Steel stress     = ", fss, "0.00 ", p.LblStress);
            if (!(fssKsi > 0.0f)) {
                // No tension in the bars (zero or reversed service moment):
                // cracking does not limit the spacing.
                // No limit: the capacity is the largest float.
                r.spc(10).text("Maximum spacing  = no limit > Reinf spacing = ").num(s, "0.00 ")
                    .verdict(true, "crack_spacing", s, std::numeric_limits<float>::max(), p.LblSmallLength).endl();
                break;
            }
            const float betaS = 1.0f + dcIn / (0.7f * (hIn - dcIn));
            const float smaxIn = 700.0f * p.ExpFactor / (betaS * fssKsi) - 2.0f * dcIn;
            const float smax = smaxIn * mmPerIn;
            if (smax >= s) {
                r.spc(10).text("Maximum spacing  = ").num(smax, "0.00 ").text(p.LblSmallLength + " > Reinf spacing = ")
                    .num(s, "0.00 ").verdict(true, "crack_spacing", s, smax, p.LblSmallLength).endl();
                break;
            }
            // At a high steel stress the limit spacing can come out zero or
            // negative: no spacing satisfies it at this steel area. The limit
            // is then shown as 0 and the required area is the one at which
            // the limit spacing equals the provided spacing, the steel stress
            // falling in proportion to the area.
            float AsReq = 0;
            if (smaxIn > 0.0f) {
                AsReq = As * s / smax;
            } else {
                AsReq = As * (sIn + 2.0f * dcIn) / (smaxIn + 2.0f * dcIn);
            }
            r.spc(10).text("Maximum spacing  = ").num(std::max(smax, 0.0f), "0.00 ").text(p.LblSmallLength + " < Reinf spacing = ")
                .num(s, "0.00 ").verdict(false, "crack_spacing", s, std::max(smax, 0.0f), p.LblSmallLength).endl();
            r.valueLine("As required      = ", AsReq, "0.00 ", p.LblArea + " at the same reinf spacing");
            break;
        }
        case Code::S6: {
            const float Mr = 0.4f * p.ModRupture * (h * h) / 6.0f;
            r.valueLine("Service moment       = ", p.Ms / p.ForceFactor, "0.000 ", p.LblMomentPerLength);
            r.valueLine("Steel stress         = ", fss, "0.00 ", p.LblStress);
            if (p.Ms < Mr) {
                r.spc(10).text("40% Cracking moment  = ").num(Mr / p.ForceFactor, "0.000 ").text("> ")
                    .num(p.Ms / p.ForceFactor, "0.000 ")
                    .verdict(true, "crack_moment", p.Ms / p.ForceFactor, Mr / p.ForceFactor, p.LblMomentPerLength)
                    .endl();
                break;
            }
            // Crack control factor zc = (1 - (Mr/Ms)^2) (0.9 s' + 100) fsx with
            // s' = s - 2r, the clear spacing, in mm and fsx = min(fss, 0.6 fy)
            // in MPa, giving N/mm. In English units the spacing, the stress
            // and the factor z (entered in lb/in) are brought to these units;
            // the factors are shown in the units z was entered in.
            const float toMm = metric ? 1.0f : p.MmPerIn;
            const float toMPa = metric ? 1.0f : p.MPaPerPsi;
            const float toNmm = metric ? 1.0f : p.NmmPerLbin;
            // At exactly the 40% cracking moment the factor is zero: no
            // cracking demand. The ratio is taken only for a positive moment.
            const float Cm = p.Ms > 0.0f ? 1.0f - (Mr / p.Ms) * (Mr / p.Ms) : 0.0f;
            const float sPrime = (s - 2.0f * rb) * toMm;
            const float fsx = std::min(fss, 0.6f * fy) * toMPa;
            const float zc = Cm * (0.9f * sPrime + 100.0f) * fsx;
            const float zAllow = z * toNmm * F;
            if (zc >= 0.0f && zc <= zAllow) {
                r.spc(10).text("Crack control factor = ").num(zc / toNmm, "0.0 ").text("< ").num(z * F, "0.0 ")
                    .verdict(true, "crack_factor", zc / toNmm, z * F, p.LblLineLoadSmall).endl();
                break;
            }
            r.spc(10).text("Crack control factor = ").num(zc / toNmm, "0.0 ").text("> ").num(z * F, "0.0 ")
                .verdict(false, "crack_factor", zc / toNmm, z * F, p.LblLineLoadSmall).endl();
            // Required area: the bars scaled by the ratio of the actual to the
            // allowable steel stress zAllow / (Cm (0.9 s' + 100)) at the
            // provided spacing, which is zc / zAllow. Maximum spacing: the
            // relation solved for s' at the actual stress, plus the bar
            // diameter; a limit below zero is shown as 0 (no spacing works).
            const float demand = Cm * fsx;
            float smax = 0;
            if (demand > 0.0f) smax = std::max(0.0f, ((zAllow / demand - 100.0f) / 0.9f) / toMm + 2.0f * rb);
            if (fss <= 0.6f * fy) {
                r.valueLine("As required          = ", As * zc / zAllow, "0.00 ", p.LblArea + " at the same reinf spacing, or");
            }
            r.valueLine("Maximum spacing      = ", smax, "0.00 ", p.LblSmallLength + " with the same reinf area/width");
            break;
        }
    }
}

// ---------------------------------------------------------------------------
// Temperature and shrinkage
// ---------------------------------------------------------------------------
void CheckTemperatureShrinkage(Project& p, Report& r, float h, float As, float s, float b) {
    const bool metric = IsMetric(p);
    const float f = metric ? 25.4f : 1.0f;
    float req = 0;
    switch (CodeOf(p)) {
        case Code::Aashto: req = 0.125f * f * s / 12.0f; break;  // 0.125 in^2 per foot
        case Code::Arema: req = 0.25f * f * s / 12.0f; break;    // 0.25 in^2 per foot
        case Code::S6: req = 0.775f * f * s / 39.37f; break;     // 500 mm^2 per metre
        case Code::Lrfd: {
            // 1.3 b h / (2 (b + h) fy) in^2 per foot of wall (b, h in inches,
            // fy in ksi), between 0.11 and 0.6; one bar at spacing s carries
            // the requirement of s/12 feet.
            const float mmPerIn = metric ? p.MmPerIn : 1.0f;
            const float bIn = b / mmPerIn;
            const float hIn = h / mmPerIn;
            const float sIn = s / mmPerIn;
            const float fyKsi = (metric ? p.fs / p.MPaPerPsi : p.fs) / 1000.0f;
            float perFoot = 1.3f * bIn * hIn / (2.0f * (bIn + hIn) * fyKsi);
            perFoot = std::clamp(perFoot, 0.11f, 0.6f);
            req = perFoot * sIn / 12.0f;
            if (metric) req *= p.Mm2PerIn2;
            break;
        }
    }
    r.setWhere(1, "TEMPERATURE AND SHRINKAGE");
    r.blank();
    r.spc(10).text("TEMPERATURE AND SHRINKAGE:").endl();
    r.blank();
    if (As >= req) {
        CompareLine(r, "T&S reinforcement = ", As, "0.00 ", "> Area required = ", req, "0.00 ", true, kTsArea, p.LblArea);
    } else {
        CompareLine(r, "T&S reinforcement = ", As, "0.00 ", "< Area required = ", req, "0.00 ", false, kTsArea,
                    p.LblArea);
    }
}

// ---------------------------------------------------------------------------
// Required areas without a check
// ---------------------------------------------------------------------------
float RequiredAreaUltimate(Project& p, Report& r, float h, float d) {
    const UltimateArea req = AreaForFactoredMoment(p, h, d);
    if (req.tooHigh) {
        TooHighLines(p, r, req);
        return 0.0f;
    }
    return req.A;
}

float RequiredAreaService(Project& p, Report&, float d) { return ServiceArea(p, d).A; }

}  // namespace qelvorn
