// Back wall and stem wall: cantilevers loaded by the lateral soil pressures,
// the stem also by the bridge loads. Loads are taken unfactored per unit
// length of wall, combined over the load combinations and handed to the
// section checks.
#include <cmath>
#include <string>

#include "analysis/checks.h"
#include "analysis/earth_pressure.h"
#include "analysis/fault_causes.h"
#include "analysis/sections.h"
#include "analysis/wall_design.h"
#include "model/numtext.h"

namespace qelvorn {

namespace {

void WallTitle(Report& r, const char* spacedTitle, const char* sectionName) {
    r.beginSection(sectionName);
    r.blank();
    r.spc(5).text(spacedTitle).endl();
    r.spc(5).text(std::string(65, '=')).endl();
    r.blank();
    r.spc(5).text("UNFACTORED LOADS:").endl();
}

// Bridge load moment about the section centre per unit length of wall:
// a bearing beyond the centre line of the section (towards the fill) gives
// no moment on the front face reinforcing, so it is taken as 0.
float BearingMoment(float t, float Db, float P, float Lw) {
    const float M = (t / 2.0f - Db) * P / Lw;
    return M < 0.0f ? 0.0f : M;
}

}  // namespace

void BackWallSection(Project& p, Report& r) {
    // Thickness: without a haunch the back wall is what the seat leaves of
    // the stem.
    const float tb = p.WallType == "nohaunch" ? p.Tw - p.Ts : p.Tb;
    const float d = tb - p.CAsw - std::sqrt(p.Asb / 3.1416f);
    const float h1 = p.Hb - d;  // shear taken at d above the base
    const float Hb = p.Hb;

    WallSectionLoads loads;
    // Earth and earthquake: triangular shear; the moment of the resultant
    // over the full height at Yep (Yeq) times the height above the base.
    loads.Vep = p.rhos * p.Kep * (h1 * h1) / 2.0f;
    loads.Mep = p.Yep * Hb * p.Kep * p.rhos * (Hb * Hb) / 2.0f;
    loads.Veq = p.Keq * p.rhos * (h1 * h1) / 2.0f;
    loads.Meq = p.Yeq * Hb * p.Keq * p.rhos * (Hb * Hb) / 2.0f;
    const ShearMoment cp = CompactionForces(p.Qcp, p.Hcp, h1, Hb);
    loads.Vcp = cp.V;
    loads.Mcp = cp.M;
    const ShearMoment sc = SurchargeForces(p, h1, Hb);
    loads.Vsc = sc.V;
    loads.Msc = sc.M;

    WallTitle(r, "B A C K W A L L", "BACK WALL");
    DesignWallSection(p, r, loads, p.Asb, p.SAsb, tb, d, "back wall");
    CheckTemperatureShrinkage(p, r, (p.Tb + tb) / 2.0f, p.AsTSb, p.SAsTSb, p.Hb);
}

void StemWallSection(Project& p, Report& r) {
    float H = p.Hw - p.Hb;
    if (p.WallType == "haunch") H = p.Hw - p.Hb - p.Hh - (p.Ts + p.Tb - p.Tw);
    const float batter = std::tan(p.Bat * 3.1416f / 180.0f);
    const float barRadius = std::sqrt(p.Asw / 3.1416f);
    const bool sld = p.ConcreteDesign == "sld";
    const bool aashtoOrArema = p.Criteria == "aashto" || p.Criteria == "arema";

    for (int i = 0; i <= 10; ++i) {
        // Section i: 0 at the bottom of the stem, 10 at its top. Its loads
        // name no cause; its checks name that of their bars.
        EndOfStep(r);
        const float t = p.Tw + static_cast<float>(10 - i) / 10.0f * H * batter;
        const float d = t - p.CAsw - barRadius;
        const float zm = p.Hw - H * static_cast<float>(i) / 10.0f;
        const float zv = zm - d;

        const float Mdc = BearingMoment(t, p.Db, p.Pdc, p.Lw);
        const float Mdv = BearingMoment(t, p.Db, p.Pdv, p.Lw);
        const float Ml1 = BearingMoment(t, p.Db, p.Pl1, p.Lw);
        const float Ml2 = BearingMoment(t, p.Db, p.Pl2, p.Lw);
        // Longitudinal forces act at their heights above the seat.
        const float Vlf = p.Vlf / p.Lw;
        const float Mlf = (zm - p.Hb + p.yVlf) * p.Vlf / p.Lw;
        const float Vfr = p.Vfr / p.Lw;
        const float Mfr = (zm - p.Hb + p.yVfr) * p.Vfr / p.Lw;

        ShearMoment ep, eq;
        if (p.Kep != 0.0f && !LateralPressureForces(p.rhos, p.Kep, p.Hw, p.Yep, zv, zm, ep)) {
            r.message(kEarthRatioMessage);
            return;
        }
        if (p.Keq != 0.0f && !LateralPressureForces(p.rhos, p.Keq, p.Hw, p.Yeq, zv, zm, eq)) {
            r.message(kQuakeRatioMessage);
            return;
        }
        const ShearMoment cp = CompactionForces(p.Qcp, p.Hcp, zv, zm);
        const ShearMoment sc = SurchargeForces(p, zv, zm);

        if (i == 0) {
            WallTitle(r, "S T E M   W A L L", "STEM WALL");
            LoadTableHeader(p, r);
            if (Mdc != 0.0f) LoadTableMomentRow(p, r, "Dead load constant", Mdc);
            if (Mdv != 0.0f) LoadTableMomentRow(p, r, "Dead load varying", Mdv);
            if (Ml1 != 0.0f) LoadTableMomentRow(p, r, "Live load standard", Ml1);
            if (Ml2 != 0.0f) LoadTableMomentRow(p, r, "Live load special", Ml2);
            if (Vlf != 0.0f) LoadTableRow(p, r, "LL longitudinal force", Vlf, Mlf);
            if (Vfr != 0.0f) LoadTableRow(p, r, "FR longitudinal force", Vfr, Mfr);
            if (cp.V != 0.0f) LoadTableRow(p, r, "Compaction pressure", cp.V, cp.M);
            if (ep.V != 0.0f) LoadTableRow(p, r, "Lateral earth pressure", ep.V, ep.M);
            if (sc.V != 0.0f) LoadTableRow(p, r, "Surcharge pressure", sc.V, sc.M);
            if (eq.V != 0.0f) LoadTableRow(p, r, "Earthquake pressure", eq.V, eq.M);
            LoadTableEnd(r);
        }
        EndOfStep(r);
        NameSectionCheckCause(p, r, "wall stem", p.Asw, p.SAsw, d);

        FindSectionForces(p, {{&Project::Fdcsls, &Project::Fdcmax, 0.0f, Mdc},
                              {&Project::Fdvsls, &Project::Fdvmax, 0.0f, Mdv},
                              {&Project::Fl1sls, &Project::Fl1max, 0.0f, Ml1},
                              {&Project::Fl2sls, &Project::Fl2max, 0.0f, Ml2},
                              {&Project::Flfsls, &Project::Flfmax, Vlf, Mlf},
                              {&Project::Ffrsls, &Project::Ffrmax, Vfr, Mfr},
                              {&Project::Fcpsls, &Project::Fcpmax, cp.V, cp.M},
                              {&Project::Fepsls, &Project::Fepmax, ep.V, ep.M},
                              {&Project::Fscsls, &Project::Fscmax, sc.V, sc.M},
                              {&Project::Feqsls, &Project::Feqmax, eq.V, eq.M}});

        if (i == 0) {
            const bool ultimate = p.Criteria == "lrfd" || p.Criteria == "s6" || p.ConcreteDesign == "usd" ||
                                  p.ConcreteDesign == "both";
            if (ultimate) {
                r.blank();
                r.spc(5).text("ULTIMATE LIMIT STATE CALCULATIONS:").endl();
                r.setWhere(1, "ULS");
                CheckShearUltimate(p, r, d);
                CheckMomentUltimate(p, r, d, t, p.Asw, p.SAsw);
            }
            r.blank();
            r.spc(5).text("SERVICEABILITY LIMIT STATE CALCULATIONS:").endl();
            r.setWhere(1, "SLS");
            if (aashtoOrArema && (sld || p.ConcreteDesign == "both")) {
                CheckShearService(p, r, d);
                CheckMomentService(p, r, d, p.Asw, p.SAsw);
            }
            if (ultimate) CheckCrackControl(p, r, d, t, p.SAsw, p.Asw);
            CheckTemperatureShrinkage(p, r, (t + p.Tw) / 2.0f, p.AsTSw, p.SAsTSw, p.Hw - p.Hb);
            continue;
        }

        if (i == 1) {
            r.blank();
            r.spc(5).text("REQUIRED REINFORCEMENT AREA IN STEM WALL SECTIONS:").endl();
            if (aashtoOrArema) r.spc(5).text(sld ? "(Service Load Design)" : "(Ultimate Strength Design)").endl();
            r.blank();
            r.rule10();
            r.tab(10).text("HEIGHT").tab(20).text("THICK").tab(30).text("deff").tab(40).text("MOMENT").tab(50).text("AREA")
                .tab(60).text("LOAD").endl();
            r.tab(10).text(p.LblLengthP).tab(20).text(p.LblSmallLengthP).tab(30).text(p.LblSmallLengthP)
                .tab(40).text(p.LblMomentPerLengthP).tab(50).text(p.LblAreaP).tab(60).text("COMB").endl();
            r.rule10();
        }
        const float moment = sld ? p.Ms : p.Mu;
        const std::int32_t comb = sld ? p.CombMs : p.CombMu;
        if (!sld) {
            // A moment too high for the section is recorded at its height.
            r.setWhere(1, "REQUIRED REINFORCEMENT AREA");
            r.setWhere(3, "Height " + FormatNumber(zm / p.LengthFactor, "0.00") + " " + p.LblLength);
        }
        const float AsReq = sld ? RequiredAreaService(p, r, d) : RequiredAreaUltimate(p, r, t, d);
        r.tab(10).num(zm / p.LengthFactor, "0.00").tab(20).num(t, "0.00").tab(30).num(d, "0.00")
            .tab(40).num(moment / p.ForceFactor, "0.00").tab(50).num(AsReq * p.SAsw, "0.00")
            .tab(60).bare(static_cast<float>(comb)).endl();
    }
    EndOfStep(r);
    r.rule10();
}

}  // namespace qelvorn
