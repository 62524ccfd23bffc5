// Unit systems, derived concrete properties, the defaults of a new project
// per design criteria and unit system, the default load combinations and the
// input completeness check.
#include "model/defaults.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "model/numtext.h"

namespace qelvorn {

namespace {

enum class Code { Aashto, Arema, Lrfd, S6, Other };

Code CriteriaCode(const std::string& criteria) {
    if (criteria == "aashto") return Code::Aashto;
    if (criteria == "arema") return Code::Arema;
    if (criteria == "lrfd") return Code::Lrfd;
    if (criteria == "s6") return Code::S6;
    return Code::Other;
}

// Psi per MPa conversions used by the CAN/CSA-S6 formulas, which are written
// in MPa.
constexpr float kMPaPerPsi = 0.006894757f;
constexpr float kPsiPerMPa = 145.0378f;

float R3(float x) { return RoundByFormat(x, "0.000"); }
float R0(float x) { return RoundByFormat(x, "0."); }

// ---------------------------------------------------------------------------
// Default load combinations. Factor order: da dc dv de l1 l2 lf fr ep sc cp eq.

struct DefaultCombination {
    const char* title;
    float max[kLoadTypes];
    float min[kLoadTypes];
    float sls[kLoadTypes];
    float fsls;
};

const std::array<DefaultCombination, 6> kAashtoCombinations = {{
    {"Construction 1 - place superstructure before backfill",
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.5f},
    {"Construction 2 - place backfill before superstructure",
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0},
     1.5f},
    {"Group II - no live load on bridge",
     {1.3f, 1.3f, 1.3f, 1.3f, 0, 0, 0, 0, 1.69f, 1.69f, 0, 0},
     {0.975f, 0.975f, 0.975f, 0.975f, 0, 0, 0, 0, 1.69f, 0, 0, 0},
     {1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0},
     1.25f},
    {"Group I - live load on bridge",
     {1.3f, 1.3f, 1.3f, 1.3f, 2.171f, 0, 0, 0, 1.69f, 1.69f, 0, 0},
     {0.975f, 0.975f, 0.975f, 0.975f, 2.171f, 0, 0, 0, 1.69f, 0, 0, 0},
     {1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 0, 0},
     1.0f},
    {"Group V - no live load with bearing friction",
     {1.25f, 1.25f, 1.25f, 1.25f, 0, 0, 0, 1.25f, 1.25f, 1.25f, 0, 0},
     {0.937f, 0.937f, 0.937f, 0.937f, 0, 0, 0, 1.25f, 1.25f, 0, 0, 0},
     {1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0},
     1.4f},
    {"Group IV - live load with bearing friction",
     {1.3f, 1.3f, 1.3f, 1.3f, 1.3f, 0, 0, 1.3f, 1.69f, 1.69f, 0, 0},
     {0.975f, 0.975f, 0.975f, 0.975f, 1.3f, 0, 0, 1.3f, 1.69f, 0, 0, 0},
     {1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0},
     1.25f},
}};

const std::array<DefaultCombination, 7> kAremaCombinations = {{
    {"Construction 1 - place superstructure before backfill",
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.5f},
    {"Construction 2 - place backfill before superstructure",
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0},
     1.5f},
    {"Group II - no live load on bridge",
     {1.4f, 1.4f, 1.4f, 1.4f, 0, 0, 0, 0, 1.4f, 1.4f, 0, 0},
     {1.4f, 1.4f, 1.4f, 1.4f, 0, 0, 0, 0, 1.4f, 0, 0, 0},
     {1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0},
     1.25f},
    {"Group I - live load on bridge",
     {1.4f, 1.4f, 1.4f, 1.4f, 2.333f, 0, 0, 0, 1.4f, 1.4f, 0, 0},
     {1.4f, 1.4f, 1.4f, 1.4f, 2.333f, 0, 0, 0, 1.4f, 0, 0, 0},
     {1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 0, 0},
     1.0f},
    {"Group IA - live load on bridge",
     {1.8f, 1.8f, 1.8f, 1.8f, 1.8f, 0, 0, 0, 1.8f, 1.8f, 0, 0},
     {1.8f, 1.8f, 1.8f, 1.8f, 1.8f, 0, 0, 0, 1.8f, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.0f},
    {"Group V - no live load with bearing friction",
     {1.4f, 1.4f, 1.4f, 1.4f, 0, 0, 0, 1.4f, 1.4f, 1.4f, 0, 0},
     {1.4f, 1.4f, 1.4f, 1.4f, 0, 0, 0, 1.4f, 1.4f, 0, 0, 0},
     {1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0},
     1.4f},
    {"Group III - live load with bearing friction",
     {1.4f, 1.4f, 1.4f, 1.4f, 1.4f, 0, 0, 1.4f, 1.4f, 1.4f, 0, 0},
     {1.4f, 1.4f, 1.4f, 1.4f, 1.4f, 0, 0, 1.4f, 1.4f, 0, 0, 0},
     {1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0},
     1.25f},
}};

const std::array<DefaultCombination, 4> kLrfdCombinations = {{
    {"Construction 1 - place superstructure before backfill",
     {1.25f, 1.25f, 1.25f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.5f},
    {"Construction 2 - place backfill before superstructure",
     {1.25f, 0, 0, 1.25f, 0, 0, 0, 0, 1.25f, 0, 0, 0},
     {1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0},
     {1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0},
     1.5f},
    {"Strength III - no live load with bearing friction",
     {1.25f, 1.25f, 1.5f, 1.35f, 0, 0, 0, 1.2f, 1.5f, 1.35f, 0, 0},
     {0.9f, 0.9f, 0.65f, 1, 0, 0, 0, 0.5f, 0.9f, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.0f},
    {"Strength I and Service I - live load with bearing friction",
     {1.25f, 1.25f, 1.5f, 1.35f, 1.75f, 0, 0, 1.2f, 1.5f, 1.75f, 0, 0},
     {0.9f, 0.9f, 0.65f, 1, 1.75f, 0, 0, 0.5f, 0.9f, 0, 0, 0},
     {1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0},
     1.0f},
}};

const std::array<DefaultCombination, 5> kS6Combinations = {{
    {"Construction 1 - place superstructure before backfill",
     {1.2f, 1.2f, 1.2f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.5f},
    {"Construction 2 - place backfill before superstructure",
     {1.2f, 0, 0, 1.2f, 0, 0, 0, 0, 1.2f, 0, 1.2f, 0},
     {1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0},
     {1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0},
     1.5f},
    {"ULS 4 - no live load with bearing friction",
     {1.2f, 1.2f, 1.5f, 1.25f, 0, 0, 0, 1.25f, 1.25f, 1.25f, 0, 0},
     {0.9f, 0.9f, 0.65f, 0.8f, 0, 0, 0, 1.25f, 0.8f, 0.8f, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.0f},
    {"ULS 1 - live load on bridge",
     {1.2f, 1.2f, 1.5f, 1.25f, 1.7f, 0, 0, 0, 1.25f, 1.25f, 0, 0},
     {0.9f, 0.9f, 0.65f, 0.8f, 1.7f, 0, 0, 0, 0.8f, 0.8f, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1.0f},
    {"ULS 2 and SLS 1 - live load with bearing friction",
     {1.2f, 1.2f, 1.5f, 1.25f, 1.6f, 0, 0, 1.15f, 1.25f, 1.25f, 0, 0},
     {0.9f, 0.9f, 0.65f, 0.8f, 1.6f, 0, 0, 1.15f, 0.8f, 0.8f, 0, 0},
     {1, 1, 1, 1, 0.9f, 0, 0, 0.8f, 1, 1, 0, 0},
     1.0f},
}};

// Earth and surcharge load defaults of a criteria in one unit system
// (internal units).
struct EarthDefaults {
    float rhos, Qsc, Wsc, Ssc, Nsc, Kep, Yep, Qcp, Hcp;
};

//                                     rhos         Qsc         Wsc     Ssc     Nsc   Kep    Yep     Qcp       Hcp
constexpr EarthDefaults kAashtoEnglish{0.069444f,   1.6667f,    0,      0,      0,    0.3f,  0.333f, 0,        0};
constexpr EarthDefaults kAashtoMetric {0.00001885f, 0.0115f,    0,      0,      0,    0.3f,  0.333f, 0,        0};
constexpr EarthDefaults kAremaEnglish {0.069444f,   13.06944f,  102,    180,    1,    0.3f,  0.333f, 0,        0};
constexpr EarthDefaults kAremaMetric  {0.00001885f, 0.0901275f, 2590,   4572,   1,    0.3f,  0.333f, 0,        0};
constexpr EarthDefaults kLrfdEnglish  {0.069444f,   2.5f,       0,      0,      0,    0.3f,  0.333f, 0,        0};
constexpr EarthDefaults kLrfdMetric   {0.00001885f, 0.01724f,   0,      0,      0,    0.3f,  0.333f, 0,        0};
constexpr EarthDefaults kS6English    {0.07368f,    2.31944f,   0,      0,      0,    0.35f, 0.333f, 1.73611f, 78};
constexpr EarthDefaults kS6Metric     {0.00002f,    0.016f,     0,      0,      0,    0.35f, 0.333f, 0.012f,   2000};

void ApplyEarthDefaults(Project& p, const EarthDefaults& d) {
    p.rhos = d.rhos;
    p.Qsc = d.Qsc;
    p.Wsc = d.Wsc;
    p.Ssc = d.Ssc;
    p.Nsc = d.Nsc;
    p.Kep = d.Kep;
    p.Yep = d.Yep;
    p.Keq = 0;
    p.Yeq = 0;
    p.Qcp = d.Qcp;
    p.Hcp = d.Hcp;
}

// Re-creates the whole load-combination table (and the result and MIN*
// arrays, cleared) and fills it from a default table.
void ApplyCombinations(Project& p, std::span<const DefaultCombination> table) {
    p.ResizeLoadCombinations(static_cast<std::int32_t>(table.size()));
    for (std::size_t row = 0; row < table.size(); ++row) {
        const DefaultCombination& c = table[row];
        const std::size_t i = row + 1;
        p.LoadTitle[i] = c.title;
        for (int t = 0; t < kLoadTypes; ++t) {
            (p.*kMaxFactors[t])[i] = c.max[t];
            (p.*kMinFactors[t])[i] = c.min[t];
            (p.*kSlsFactors[t])[i] = c.sls[t];
        }
        p.Fsls[i] = c.fsls;
    }
}

// Value of row i of a 1-based column; a row the column does not hold counts
// as not filled in.
template <typename T>
T RowValue(const std::vector<T>& column, std::int32_t i) {
    const auto k = static_cast<std::size_t>(i);
    return k < column.size() ? column[k] : T{};
}

}  // namespace

// ---------------------------------------------------------------------------

void SetUnits(Project& p) {
    if (p.Units == "english") {
        p.ForceFactor = 1000;
        p.MomentFactor = 12000;
        p.LengthFactor = 12;
        p.SurchargeDeduct = 6;
        p.PressureFactor = static_cast<float>(1.0 / 144.0);
        p.UnitWeightFactor = static_cast<float>(1.0 / 1728.0);
        p.VolumeFactor = static_cast<float>(1.0 / 46656.0);
    } else if (p.Units == "metric") {
        p.MomentFactor = 1000000;
        p.ForceFactor = 1000;
        p.LengthFactor = 1000;
        p.PressureFactor = 0.001f;
        p.UnitWeightFactor = 0.000001f;
        p.VolumeFactor = 0.000000001f;
        p.SurchargeDeduct = 150;
    }
    // Any other unit system keeps the factors it had.

    p.LineLoadFactor = p.ForceFactor / p.LengthFactor;
    p.MmPerIn = 25.4f;
    p.Mm2PerIn2 = 645.16f;
    p.NPerLb = 4.448222f;
    p.MPaPerPsi = 0.006894757f;
    p.NmmPerLbin = static_cast<float>(4.448222 / 25.4);

    if (p.Units == "metric") {
        p.LblForce = "kN";
        p.LblLineLoadSmall = "N/mm";
        p.LblLineLoad = "kN/m";
        p.LblStress = "MPa";
        p.LblPressure = "kPa";
        p.LblUnitWeight = "kN/m^3";
        p.LblMomentPerLength = "kN-m/m";
        p.LblSmallLength = "mm";
        p.LblLength = "m";
        p.LblArea = "mm^2";
        p.LblWeightP = "(kg)";
        p.LblForceP = "(kN)";
        p.LblLineLoadP = "(kN/m)";
        p.LblPressureP = "(kPa)";
        p.LblMomentP = "(kN-m)";
        p.LblMomentPerLengthP = "(kN-m/m)";
        p.LblSmallLengthP = "(mm)";
        p.LblLengthP = "(m)";
        p.LblAreaP = "(mm^2)";
        p.LblVolumeP = "(m^3)";
    } else {
        p.LblForce = "kip";
        p.LblLineLoadSmall = "lb/in";
        p.LblLineLoad = "kip/ft";
        p.LblStress = "psi";
        p.LblPressure = "psf";
        p.LblUnitWeight = "pcf";
        p.LblMomentPerLength = "k-ft/ft";
        p.LblSmallLength = "in";
        p.LblLength = "ft";
        p.LblArea = "in^2";
        p.LblWeightP = "(lb)";
        p.LblForceP = "(kip)";
        p.LblLineLoadP = "(kip/ft)";
        p.LblPressureP = "(psf)";
        p.LblMomentP = "(k-ft)";
        p.LblMomentPerLengthP = "(k-ft/ft)";
        p.LblSmallLengthP = "(in)";
        p.LblLengthP = "(ft)";
        p.LblAreaP = "(in^2)";
        p.LblVolumeP = "(yd^3)";
    }
}

// ---------------------------------------------------------------------------

namespace {

// The concrete modulus of elasticity of the project's fc, Criteria and Units
// (rounded to a whole number); the present Ec for criteria without formulas.
float ConcreteModulus(const Project& p) {
    const float fc = p.fc;
    const bool english = p.Units == "english";
    switch (CriteriaCode(p.Criteria)) {
        case Code::Aashto:
        case Code::Arema:
            return english ? R0(57000.0f * std::sqrt(fc)) : R0(4700.0f * std::sqrt(fc));
        case Code::Lrfd:
            return english ? R0(1820000.0f * std::sqrt(fc / 1000.0f)) : R0(4800.0f * std::sqrt(fc));
        case Code::S6: {
            // Density correction for normal-weight concrete of 2450 kg/m^3.
            const float k = std::pow(2450.0f / 2300.0f, 1.5f);
            const float m = english ? fc * kMPaPerPsi : fc;  // f'c in MPa
            // In the order of the formula: (3000 sqrt(m) + 6900) x 145.0378 x k
            // (psi), or x k (MPa); single precision gives the last digit.
            const float base = 3000.0f * std::sqrt(m) + 6900.0f;
            return english ? R0(base * kPsiPerMPa * k) : R0(base * k);
        }
        case Code::Other:
            break;
    }
    return p.Ec;
}

}  // namespace

bool DeriveConcreteProperties(Project& p) {
    const float fc = p.fc;
    // A strength not (yet) given: nothing can be derived from it, and the
    // modular ratio would divide by a zero modulus. Keep what was there.
    if (!(fc > 0.0f)) return false;

    const bool english = p.Units == "english";
    float Es = english ? 29000000.0f : 200000.0f;
    float Alpha1 = 0.85f;
    float Beta1 = p.Beta1, ModRupture = p.ModRupture, Ecu = p.Ecu;
    float PhiFlexure = p.PhiFlexure, PhiShear = p.PhiShear, PhiConcrete = p.PhiConcrete, PhiSteel = p.PhiSteel;
    const float Ec = ConcreteModulus(p);

    // Stress block depth ratio of the AASHTO family, 0.85 dropping by 0.05
    // per 1000 psi (7 MPa) above 4000 psi (28 MPa), kept within 0.65..0.85.
    auto aashtoBeta1 = [&]() {
        const float b = english ? R3(0.85f - 0.05f * (fc - 4000.0f) / 1000.0f)
                                : R3(0.85f - 0.05f * (fc - 28.0f) / 7.0f);
        return b > 0.85f ? 0.85f : (b < 0.65f ? 0.65f : b);
    };

    switch (CriteriaCode(p.Criteria)) {
        case Code::Aashto:
        case Code::Arema:
            Beta1 = aashtoBeta1();
            ModRupture = english ? 7.5f * std::sqrt(fc) : 7.5f * std::sqrt(fc) / 12.0f;
            PhiFlexure = 0.9f;
            PhiShear = 0.85f;
            Ecu = 0.003f;
            PhiSteel = PhiConcrete = 1.0f;
            break;
        case Code::Lrfd:
            Beta1 = aashtoBeta1();
            ModRupture = english ? 240.0f * std::sqrt(fc / 1000.0f) : 0.63f * std::sqrt(fc);
            Ecu = 0.003f;
            PhiFlexure = PhiShear = 0.9f;
            PhiSteel = PhiConcrete = 1.0f;
            break;
        case Code::S6: {
            const float m = english ? fc * kMPaPerPsi : fc;  // f'c in MPa
            Alpha1 = std::max(R3(0.85f - 0.0015f * m), 0.67f);
            Beta1 = std::max(R3(0.97f - 0.0025f * m), 0.67f);
            ModRupture = english ? 4.8f * std::sqrt(fc) : 0.4f * std::sqrt(fc);
            Ecu = 0.0035f;
            PhiFlexure = PhiShear = 1.0f;
            PhiConcrete = 0.75f;
            PhiSteel = 0.9f;
            break;
        }
        case Code::Other:
            break;
    }

    // A modulus that is not positive (a strength too small to register)
    // gives no modular ratio; keep the previous properties whole.
    if (!(Ec > 0.0f)) return false;

    p.Es = Es;
    p.Alpha1 = Alpha1;
    p.Beta1 = Beta1;
    p.Ec = Ec;
    p.ModRupture = ModRupture;
    p.Ecu = Ecu;
    p.PhiFlexure = PhiFlexure;
    p.PhiShear = PhiShear;
    p.PhiConcrete = PhiConcrete;
    p.PhiSteel = PhiSteel;
    p.ModRatio = RoundHalfEven(static_cast<double>(Es / Ec));
    return true;
}

// ---------------------------------------------------------------------------

void ResetProject(Project& p) {
    p.Title.clear();
    p.CurrentRow = 0;
    p.FormReady = kTrue;
    p.InputComplete = kTrue;
    p.chko1 = kTrue;
    p.chko2 = kTrue;
    p.chko3 = kFalse;
    p.chko4 = kFalse;

    SetDefaultOptions(p);
    SetUnits(p);
    SetCriteriaDefaults(p);
    ClearDimensions(p);
    SetDefaultLoads(p);
    SetReinforcingDefaults(p);
    ClearSideWalls(p);
}

void SetDefaultOptions(Project& p) {
    p.Units = "english";
    p.WallType = "haunch";
    p.FootingType = "pile";
    p.Criteria = "aashto";
    p.ConcreteDesign = "usd";
    SetUnits(p);
}

void SetCriteriaDefaults(Project& p) {
    const bool english = p.Units == "english";
    // Values per criteria, English / Metric, in internal units. The moduli
    // are fixed starting values until the strength is next derived.
    const Code code = CriteriaCode(p.Criteria);
    switch (code) {
        case Code::Aashto:
        case Code::Arema:
            p.fc = english ? 4000.0f : 28.0f;
            p.fs = english ? 60000.0f : 420.0f;
            p.Es = english ? 29000000.0f : 200000.0f;
            p.Ec = english ? 3605000.0f : 23500.0f;
            p.ExpFactor = english ? 170000.0f : 30000.0f;
            p.rhoc = english ? 0.086805f : 0.00002356f;
            p.ModRupture = english ? 7.5f * std::sqrt(4000.0f) : 7.5f * std::sqrt(28.0f) / 12.0f;
            p.Alpha1 = 0.85f;
            p.Beta1 = 0.85f;
            p.Ecu = 0.003f;
            p.PhiFlexure = 0.9f;
            p.PhiShear = 0.85f;
            p.PhiConcrete = 1.0f;
            p.PhiSteel = 1.0f;
            p.Xr = 0.333f;
            p.Xru = p.Xreq = code == Code::Aashto ? 0.667f : 1.0f;
            break;
        case Code::Lrfd:
            p.fc = english ? 4000.0f : 28.0f;
            p.fs = english ? 60000.0f : 420.0f;
            p.Es = english ? 29000000.0f : 200000.0f;
            p.Ec = english ? 3640000.0f : 24000.0f;
            p.ExpFactor = 1.0f;
            p.rhoc = english ? 0.086805f : 0.00002356f;
            p.ModRupture = english ? 240.0f * std::sqrt(4000.0f / 1000.0f) : 0.63f * std::sqrt(28.0f);
            p.Alpha1 = 0.85f;
            p.Beta1 = 0.85f;
            p.Ecu = 0.003f;
            p.PhiFlexure = 0.9f;
            p.PhiShear = 0.9f;
            p.PhiConcrete = 1.0f;
            p.PhiSteel = 1.0f;
            p.Xr = 0.333f;
            p.Xru = p.Xreq = 0.5f;
            break;
        case Code::S6: {
            p.fc = english ? 4350.0f : 30.0f;
            p.fs = english ? 58000.0f : 400.0f;
            p.Es = english ? 29000000.0f : 200000.0f;
            p.Ec = english ? 3720000.0f : 25650.0f;
            p.ExpFactor = english ? 170000.0f : 30000.0f;
            p.rhoc = english ? 0.0885417f : 0.000024f;
            p.ModRupture = english ? 4.8f * std::sqrt(p.fc) : 0.4f * std::sqrt(p.fc);
            const float m = english ? p.fc * kMPaPerPsi : p.fc;  // f'c in MPa
            p.Alpha1 = std::max(R3(0.85f - 0.0015f * m), 0.67f);
            p.Beta1 = std::max(R3(0.97f - 0.0025f * m), 0.67f);
            p.Ecu = 0.0035f;
            p.PhiFlexure = 1.0f;
            p.PhiShear = 1.0f;
            p.PhiConcrete = 0.75f;
            p.PhiSteel = 0.9f;
            p.Xr = 0.333f;
            p.Xru = p.Xreq = 0.6f;
            break;
        }
        case Code::Other:
            break;
    }
    if (code != Code::Other) p.ModRatio = RoundHalfEven(static_cast<double>(p.Es / p.Ec));

    // Foundation resistances are project data: cleared for every criteria.
    p.PILED = 0;
    p.PileP = p.PilePu = p.PilePeq = 0;
    p.PileT = p.PileTu = p.PileTeq = 0;
    p.PileV = p.PileVu = p.PileVeq = 0;
    p.PileHead = "pin";
    p.pile1v = p.pile1m = p.pile2v = p.pile2m = p.pile3v = p.pile3m = 0;
    p.Q = p.Qu = p.Qeq = 0;
    p.Kp = p.Kpu = p.Kpeq = 0;
    p.Fr = p.Fru = p.Freq = 0;
}

void ClearDimensions(Project& p) {
    p.Hw = p.Ht = p.Lw = p.Tw = p.Bat = p.Hb = p.Tb = p.Hh = p.Ts = p.Db = p.Dt = p.Wf = p.Lf = p.Tf = 0;
    p.PILED = 0;
    p.ResizePileRows(0);
}

void SetDefaultLoads(Project& p) {
    p.Pdc = p.Pdv = p.Pl1 = p.Pl2 = p.Vlf = p.yVlf = p.Vfr = p.yVfr = 0;

    const bool english = p.Units == "english";
    switch (CriteriaCode(p.Criteria)) {
        case Code::Aashto:
            // Only a known unit system gets the AASHTO earth defaults.
            if (english)
                ApplyEarthDefaults(p, kAashtoEnglish);
            else if (p.Units == "metric")
                ApplyEarthDefaults(p, kAashtoMetric);
            ApplyCombinations(p, kAashtoCombinations);
            break;
        case Code::Arema:
            ApplyEarthDefaults(p, english ? kAremaEnglish : kAremaMetric);
            ApplyCombinations(p, kAremaCombinations);
            break;
        case Code::Lrfd:
            ApplyEarthDefaults(p, english ? kLrfdEnglish : kLrfdMetric);
            ApplyCombinations(p, kLrfdCombinations);
            break;
        case Code::S6:
            ApplyEarthDefaults(p, english ? kS6English : kS6Metric);
            ApplyCombinations(p, kS6Combinations);
            break;
        case Code::Other:
            // No default table: keep the combinations, clear their results
            // and MIN* factors.
            if (p.NLC > 0) {
                const auto size = static_cast<std::size_t>(p.NLC) + 1;
                for (ColumnPtr col : kMinStarFactors) (p.*col).assign(size, 0.0f);
                for (ColumnPtr col : kCombinationResults) (p.*col).assign(size, 0.0f);
            }
            break;
    }
}

void SetReinforcingDefaults(Project& p) {
    p.Asw = p.Asb = p.Asft = p.Asfbt = p.Asfbh = p.AsLf = p.AsTSw = p.AsTSb = p.AsTSf = 0;
    p.SAsw = p.SAsb = p.SAsft = p.SAsfbt = p.SAsfbh = p.SAsLf = p.SAsTSw = p.SAsTSb = p.SAsTSf = 0;
    const bool english = p.Units == "english";
    const bool pile = p.FootingType == "pile";
    p.CAsw = english ? 2.0f : 50.0f;
    p.CAsft = english ? 3.0f : 75.0f;
    // A pile cap has the piles embedded in its bottom.
    p.CAsfb = pile ? (english ? 6.0f : 150.0f) : (english ? 3.0f : 75.0f);
}

void ClearSideWalls(Project& p) {
    p.Ls = p.Hs = p.Tst = p.Tsb = p.Wbarrier = 0;
    p.Asws = p.Aswsb = p.AsTSws = p.SAsws = p.SAsTSws = p.SAswsb = 0;
}

// ---------------------------------------------------------------------------

std::string CheckInput(Project& p, std::vector<std::string>* fieldsToFill) {
    constexpr char CR = '\r';
    std::string msg = "The following information is not complete:";
    msg += CR;
    msg += CR;
    p.InputComplete = kTrue;

    // The fields an item asks for: those of the named ones that hold zero.
    struct Named {
        const char* name;
        float value;
    };
    auto fill = [&](std::initializer_list<Named> fields) {
        if (!fieldsToFill) return;
        for (const Named& f : fields)
            if (f.value == 0) fieldsToFill->push_back(f.name);
    };
    // An item that prevents a calculation run, with the fields to fill in.
    auto missing = [&](const char* item, std::initializer_list<Named> fields = {}) {
        msg += item;
        msg += CR;
        p.InputComplete = kFalse;
        fill(fields);
    };

    // Option keywords are compared exactly: a value outside its set (a
    // hand-edited or damaged file) would be echoed as one option and
    // computed as another. Listed with the field and the value as found.
    struct Option {
        const char* field;
        const std::string& value;
        std::vector<std::string_view> allowed;
        bool used;
    };
    const Option options[] = {
        {"Units", p.Units, {"english", "metric"}, true},
        {"WallType", p.WallType, {"haunch", "nohaunch"}, true},
        {"FootingType", p.FootingType, {"pile", "spread"}, true},
        {"Criteria", p.Criteria, {"aashto", "arema", "lrfd", "s6"}, true},
        {"ConcreteDesign", p.ConcreteDesign, {"sld", "usd", "both"}, true},
        {"PileHead", p.PileHead, {"fix", "pin"}, p.FootingType == "pile"},
    };
    for (const Option& o : options) {
        if (!o.used || std::any_of(o.allowed.begin(), o.allowed.end(), [&](std::string_view k) { return o.value == k; }))
            continue;
        missing((std::string("Options (") + o.field + " \"" + o.value + "\")").c_str());
    }

    if (p.fc == 0 || p.fs == 0 || p.ExpFactor == 0 || p.rhoc == 0)
        missing("Properties", {{"fc", p.fc}, {"fs", p.fs}, {"ExpFactor", p.ExpFactor}, {"rhoc", p.rhoc}});

    const bool pile = p.FootingType == "pile";
    if (pile) {
        if (p.PileP == 0 && p.PilePu == 0) missing("Pile capacities", {{"PileP", 0}, {"PilePu", 0}});
        if (p.PileHead == "fix" && p.pile1v == 0 && p.pile2v == 0 && p.pile3v == 0)
            missing("Pile P-M data", {{"pile1v", 0}, {"pile2v", 0}, {"pile3v", 0}});
    } else {
        const bool bearing = p.Q == 0 && p.Qu == 0, resultant = p.Xr == 0 && p.Xru == 0;
        if (bearing || resultant) {
            missing("Spread footing capacities");
            if (bearing) fill({{"Q", 0}, {"Qu", 0}});
            if (resultant) fill({{"Xr", 0}, {"Xru", 0}});
        }
    }

    if (p.Hw == 0 || p.Lw == 0 || p.Tw == 0 || p.Wf == 0 || p.Lf == 0 || p.Tf == 0)
        missing("Abutment configuration",
                {{"Hw", p.Hw}, {"Lw", p.Lw}, {"Tw", p.Tw}, {"Wf", p.Wf}, {"Lf", p.Lf}, {"Tf", p.Tf}});

    if (pile) {
        // No pile rows at all (a negative count included) is listed once.
        if (p.NROWS <= 0) {
            missing("Pile configuration", {{"NROWS", 0}});
        } else {
            // A row needs at least one pile and no more battered piles than
            // piles: other counts give negative pile loads and inertias.
            for (std::int32_t i = 1; i <= p.NROWS; ++i) {
                const std::int32_t piles = RowValue(p.PILEN, i), battered = RowValue(p.PILENB, i);
                if (RowValue(p.PILEX, i) == 0 || piles <= 0 || battered < 0 || battered > piles)
                    missing("Pile configuration");
            }
        }
    }

    // Zero bridge or earth loads are allowed (a construction stage, say):
    // they are listed but do not stop the run.
    if (p.Pdc == 0 && p.Pdv == 0) {
        msg += "Loads";
        msg += CR;
        fill({{"Pdc", 0}, {"Pdv", 0}});
    } else if (p.Kep == 0 || p.Yep == 0 || p.rhos == 0) {
        msg += "Loads";
        msg += CR;
        fill({{"Kep", p.Kep}, {"Yep", p.Yep}, {"rhos", p.rhos}});
    }

    if (p.NLC <= 0) {
        missing("Load combinations", {{"nlc", 0}});
    } else {
        for (std::int32_t i = 1; i <= p.NLC; ++i)
            if (RowValue(p.Fdamax, i) == 0 && RowValue(p.Fdasls, i) == 0) missing("Load combinations");
    }

    if (p.Asw == 0 || p.Asft == 0 || p.Asfbt == 0 || p.SAsw == 0 || p.SAsft == 0 || p.SAsfbt == 0)
        missing("Abutment reinforcing", {{"Asw", p.Asw}, {"Asft", p.Asft}, {"Asfbt", p.Asfbt}, {"SAsw", p.SAsw},
                                         {"SAsft", p.SAsft}, {"SAsfbt", p.SAsfbt}});

    if (p.Ls != 0 && p.chko3 != kFalse) {
        if (p.Tst == 0 || p.Tsb == 0) missing("Side wall configuration", {{"Tst", p.Tst}, {"Tsb", p.Tsb}});
        if (p.Asws == 0 || p.SAsws == 0) missing("Side wall reinforcing", {{"Asws", p.Asws}, {"SAsws", p.SAsws}});
    }

    return msg;
}

}  // namespace qelvorn
