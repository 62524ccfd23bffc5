// Design of the footing toe and heel as cantilevers from the stem: the
// governing shear and moments of the footing-load tables (filled by the
// spread footing or the pile footing) through the section checks, then the
// temperature and shrinkage bars of the footing.
#include "analysis/footing_toe_heel.h"

#include <cmath>
#include <string>

#include "analysis/checks.h"
#include "analysis/fault_causes.h"
#include "analysis/sections.h"

namespace qelvorn {

float BatteredStemHeight(const Project& p) {
    if (p.WallType == "haunch") return p.Hw - p.Hb - p.Hh - (p.Ts + p.Tb - p.Tw);
    return p.Hw - p.Hb;
}

float FootingHeelLength(const Project& p) {
    return p.Wf - p.Dt - p.Tw - BatteredStemHeight(p) * std::tan(p.Bat * 3.1416f / 180.0f);
}

float BarEffectiveDepth(float thickness, float cover, float barArea) {
    return thickness - cover - std::sqrt(barArea / 3.1416f);
}

namespace {

using LoadTable = Grid2<float> Project::*;

// One cantilever: the toe or the heel, its load tables and its bottom bars.
// The top bars (Asft at SAsft) serve both.
struct Cantilever {
    const char* title;  // spaced block title
    const char* name;   // the block title as the records name it
    const char* word;   // "toe" / "heel" in the messages
    LoadTable V, M;
    float As, s;        // bottom bar area and spacing
    float dBottom;      // effective depth of the bottom bars
};

// A cell of a search over the load tables.
struct Governing {
    float value = 0.0f;  // the governing section force (as found, signed for moments)
    float ratio = 0.0f;  // the compared quantity
    float d = 0.0f;      // depth of the bars resisting a governing shear
    int comb = 0;
    bool found = false;
    // A later cell replaces the governing one only when strictly greater:
    // ties keep the earlier combination.
    void offer(float r, float v, float depth, int c) {
        if (!found || r > ratio) {
            ratio = r;
            value = v;
            d = depth;
            comb = c;
            found = true;
        }
    }
};

void TensionHeading(Report& r, const char* face, bool tension) {
    r.setWhere(2, std::string("TENSION AT FOOTING ") + face);
    r.blank();
    r.spc(10).text(std::string(tension ? "TENSION AT FOOTING " : "NO TENSION AT FOOTING ") + face + ":").endl();
    r.spc(10).text(std::string(29, '-')).endl();
}

void NoShear(Report& r, const Cantilever& side) {
    r.blank();
    r.spc(10).text(std::string("==> No shear in footing ") + side.word).endl();
}

void UltimateChecks(Project& p, Report& r, const Cantilever& side, float dTop) {
    const Grid2<float>& V = p.*side.V;
    const Grid2<float>& M = p.*side.M;
    r.blank();
    r.spc(5).text("ULTIMATE LIMIT STATE CALCULATIONS:").endl();
    r.setWhere(1, "ULS");

    // Shear: the largest shear stress |V|/d, with the depth of the bars
    // that the shear's sign puts in tension.
    Governing shear, bottom, top;
    for (int c = 1; c <= p.NLC; ++c) {
        for (int k = 1; k <= 4; ++k) {
            const float v = V(k, c);
            const float d = v >= 0.0f ? side.dBottom : dTop;
            shear.offer(std::fabs(v) / d, std::fabs(v), d, c);
            bottom.offer(M(k, c), M(k, c), 0.0f, c);
            top.offer(-M(k, c), M(k, c), 0.0f, c);
        }
    }
    p.Vu = shear.value;
    p.CombVu = shear.comb;
    if (p.Vu > 0.0f)
        CheckShearUltimate(p, r, shear.d);
    else
        NoShear(r, side);

    p.Mu = bottom.value > 0.0f ? bottom.value : 0.0f;
    p.CombMu = bottom.comb;
    TensionHeading(r, "BOTTOM", p.Mu > 0.0f);
    if (p.Mu > 0.0f) CheckMomentUltimate(p, r, side.dBottom, p.Tf, side.As, side.s);

    p.Mu = top.value < 0.0f ? -top.value : 0.0f;
    p.CombMu = top.comb;
    TensionHeading(r, "TOP", p.Mu > 0.0f);
    if (p.Mu > 0.0f) CheckMomentUltimate(p, r, dTop, p.Tf, p.Asft, p.SAsft);
}

void ServiceChecks(Project& p, Report& r, const Cantilever& side, float dTop) {
    const Grid2<float>& V = p.*side.V;
    const Grid2<float>& M = p.*side.M;
    const bool older = p.Criteria == "aashto" || p.Criteria == "arema";
    // Working-stress checks: the older criteria designed by SLD or both.
    const bool serviceDesign = older && p.ConcreteDesign != "usd";
    // Crack control: the limit-states criteria, and the older ones whenever
    // ultimate strength design is part of the design.
    const bool crackControl = !older || p.ConcreteDesign != "sld";
    r.blank();
    r.spc(5).text("SERVICEABILITY LIMIT STATE CALCULATIONS:").endl();
    r.setWhere(1, "SLS");

    // Service values are compared after division by the combination's
    // stress increase factor: the allowable stresses grow with it.
    Governing shear, bottom, top;
    for (int c = 1; c <= p.NLC; ++c) {
        const float v = V(5, c);
        const float f = p.Fsls[c];
        const float d = v >= 0.0f ? side.dBottom : dTop;
        shear.offer(std::fabs(v) / (d * f), std::fabs(v), d, c);
        bottom.offer(M(5, c) / f, M(5, c), 0.0f, c);
        top.offer(-M(5, c) / f, M(5, c), 0.0f, c);
    }
    p.Vs = shear.value;
    p.CombVs = shear.comb;
    if (serviceDesign) {
        if (p.Vs > 0.0f)
            CheckShearService(p, r, shear.d);
        else
            NoShear(r, side);
    }

    p.Ms = bottom.value > 0.0f ? bottom.value : 0.0f;
    p.CombMs = bottom.comb;
    TensionHeading(r, "BOTTOM", p.Ms > 0.0f);
    if (p.Ms > 0.0f) {
        if (serviceDesign) CheckMomentService(p, r, side.dBottom, side.As, side.s);
        if (crackControl) CheckCrackControl(p, r, side.dBottom, p.Tf, side.s, side.As);
    }

    p.Ms = top.value < 0.0f ? -top.value : 0.0f;
    p.CombMs = top.comb;
    TensionHeading(r, "TOP", p.Ms > 0.0f);
    if (p.Ms > 0.0f) {
        if (serviceDesign) CheckMomentService(p, r, dTop, p.Asft, p.SAsft);
        if (crackControl) CheckCrackControl(p, r, dTop, p.Tf, p.SAsft, p.Asft);
    }
}

void DesignCantilever(Project& p, Report& r, const Cantilever& side) {
    EndOfStep(r);
    const float dTop = BarEffectiveDepth(p.Tf, p.CAsft, p.Asft);
    NameSectionCheckCause(p, r, "footing top", p.Asft, p.SAsft, dTop);
    NameSectionCheckCause(p, r, std::string("footing ") + side.word + " bottom", side.As, side.s, side.dBottom);
    const std::string rule(61, '-');
    r.blank();
    r.spc(5).text(rule).endl();
    r.spc(5).text(side.title).endl();
    r.spc(5).text(rule).endl();
    r.setWhere(0, side.name);

    const bool ultimate = p.Criteria == "lrfd" || p.Criteria == "s6" || p.ConcreteDesign == "usd" ||
                          p.ConcreteDesign == "both";
    if (ultimate) UltimateChecks(p, r, side, dTop);
    ServiceChecks(p, r, side, dTop);
    EndOfStep(r);
}

}  // namespace

void DesignFootingToeHeel(Project& p, Report& r) {
    if (p.Dt > 0.0f) {
        const Cantilever toe{"F O O T I N G   T O E", "FOOTING TOE", "toe", &Project::Vtoe, &Project::Mtoe, p.Asfbt, p.SAsfbt,
                             BarEffectiveDepth(p.Tf, p.CAsfb, p.Asfbt)};
        DesignCantilever(p, r, toe);
    }
    if (FootingHeelLength(p) > 0.0f) {
        const Cantilever heel{"F O O T I N G   H E E L", "FOOTING HEEL", "heel", &Project::Vheel, &Project::Mheel, p.Asfbh,
                              p.SAsfbh, BarEffectiveDepth(p.Tf, p.CAsfb, p.Asfbh)};
        DesignCantilever(p, r, heel);
    }
    r.setCause("");
    r.setWhere(0, "");
    CheckTemperatureShrinkage(p, r, p.Tf, p.AsTSf, p.SAsTSf, p.Wf);
}

}  // namespace qelvorn
