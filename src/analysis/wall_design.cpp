#include "analysis/wall_design.h"

#include "analysis/checks.h"
#include "analysis/fault_causes.h"

namespace qelvorn {

void FindSectionForces(Project& p, const std::vector<FactoredLoad>& loads) {
    for (std::int32_t i = 1; i <= p.NLC; ++i) {
        const auto c = static_cast<std::size_t>(i);
        float Vsls = 0, Msls = 0, Vmax = 0, Mmax = 0;
        for (const FactoredLoad& load : loads) {
            const float fsls = (p.*load.sls)[c];
            const float fmax = (p.*load.max)[c];
            Vsls += fsls * load.V;
            Msls += fsls * load.M;
            Vmax += fmax * load.V;
            Mmax += fmax * load.M;
        }
        if (i == 1) {
            p.Vs = Vsls;
            p.Ms = Msls;
            p.Vu = Vmax;
            p.Mu = Mmax;
            p.CombVs = p.CombMs = p.CombVu = p.CombMu = 1;
            continue;
        }
        const float F = p.Fsls[c];
        if (Vsls / F > p.Vs / p.Fsls[static_cast<std::size_t>(p.CombVs)]) {
            p.Vs = Vsls;
            p.CombVs = i;
        }
        if (Msls / F > p.Ms / p.Fsls[static_cast<std::size_t>(p.CombMs)]) {
            p.Ms = Msls;
            p.CombMs = i;
        }
        if (Vmax > p.Vu) {
            p.Vu = Vmax;
            p.CombVu = i;
        }
        if (Mmax > p.Mu) {
            p.Mu = Mmax;
            p.CombMu = i;
        }
    }
}

void LoadTableHeader(Project& p, Report& r) {
    r.rule10();
    r.tab(10).text("LOAD CONDITION").tab(40).text("SHEAR").tab(55).text("MOMENT").endl();
    r.tab(40).text(p.LblLineLoadP).tab(55).text(p.LblMomentPerLengthP).endl();
    r.rule10();
}

void LoadTableRow(Project& p, Report& r, const char* name, float V, float M) {
    r.tab(10).text(name).tab(40).num(V / p.LineLoadFactor, "0.000").tab(55).num(M / p.ForceFactor, "0.000").endl();
}

void LoadTableMomentRow(Project& p, Report& r, const char* name, float M) {
    r.tab(10).text(name).tab(55).num(M / p.ForceFactor, "0.000").endl();
}

void LoadTableEnd(Report& r) { r.rule10(); }

void DesignWallSection(Project& p, Report& r, const WallSectionLoads& loads, float As, float s, float h, float d,
                       const std::string& place) {
    // A load whose shear is zero at the section is left out of the table.
    LoadTableHeader(p, r);
    if (loads.Vcp != 0.0f) LoadTableRow(p, r, "Compaction pressure", loads.Vcp, loads.Mcp);
    if (loads.Vep != 0.0f) LoadTableRow(p, r, "Lateral earth pressure", loads.Vep, loads.Mep);
    if (loads.Vsc != 0.0f) LoadTableRow(p, r, "Surcharge pressure", loads.Vsc, loads.Msc);
    if (loads.Veq != 0.0f) LoadTableRow(p, r, "Earthquake pressure", loads.Veq, loads.Meq);
    LoadTableEnd(r);

    EndOfStep(r);
    NameSectionCheckCause(p, r, place, As, s, d);
    FindSectionForces(p, {{&Project::Fcpsls, &Project::Fcpmax, loads.Vcp, loads.Mcp},
                          {&Project::Fepsls, &Project::Fepmax, loads.Vep, loads.Mep},
                          {&Project::Fscsls, &Project::Fscmax, loads.Vsc, loads.Msc},
                          {&Project::Feqsls, &Project::Feqmax, loads.Veq, loads.Meq}});

    const bool ultimate = p.ConcreteDesign != "sld";
    const bool aashtoOrArema = p.Criteria == "aashto" || p.Criteria == "arema";
    if (ultimate) {
        r.blank();
        r.spc(5).text("ULTIMATE LIMIT STATE CALCULATIONS:").endl();
        r.setWhere(1, "ULS");
        CheckShearUltimate(p, r, d);
        CheckMomentUltimate(p, r, d, h, As, s);
    }
    r.blank();
    r.spc(5).text("SERVICEABILITY LIMIT STATE CALCULATIONS:").endl();
    r.setWhere(1, "SLS");
    if (aashtoOrArema && p.ConcreteDesign != "usd") {
        CheckShearService(p, r, d);
        CheckMomentService(p, r, d, As, s);
    }
    if (ultimate) CheckCrackControl(p, r, d, h, s, As);
    EndOfStep(r);
}

}  // namespace qelvorn
