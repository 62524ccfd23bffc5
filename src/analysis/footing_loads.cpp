// The FOOTING LOADS table: toe and heel shear and moment per unit length for
// every load combination and limit state, followed by the ULS case legend
// and the sign convention. The spread footing and the pile footing both
// write it after filling Vtoe, Mtoe, Vheel and Mheel.
#include <string>

#include "analysis/sections.h"

namespace qelvorn {

namespace {

void LoadsRow(const Project& p, Report& r, int k, int c, bool showComb, const std::string& caseText, bool bareCase) {
    r.tab(10);
    if (showComb) r.bare(static_cast<float>(c));
    r.tab(17).text(k == 5 ? "SLS" : "ULS").tab(24);
    if (bareCase)
        r.bare(static_cast<float>(k));
    else
        r.text(caseText);
    r.tab(30).num(p.Vtoe(k, c) / p.LineLoadFactor, "0.000");
    r.tab(40).num(p.Mtoe(k, c) / p.ForceFactor, "0.000");
    r.tab(50).num(p.Vheel(k, c) / p.LineLoadFactor, "0.000");
    r.tab(60).num(p.Mheel(k, c) / p.ForceFactor, "0.000").endl();
}

// A row is shown when the cell carries a toe or a heel moment; a case that
// was not computed (or a resultant outside the footing) has none.
bool CellLoaded(const Project& p, int k, int c) { return p.Mtoe(k, c) != 0.0f || p.Mheel(k, c) != 0.0f; }

}  // namespace

void FootingLoadsTable(Project& p, Report& r) {
    const bool sld = p.ConcreteDesign == "sld";

    r.blank();
    r.heading("FOOTING LOADS:");
    r.rule10();
    r.tab(10).text("COMB").tab(17).text("LIMIT").tab(24).text("CASE").tab(30).text(" TOE").tab(40).text(" TOE");
    r.tab(50).text("HEEL").tab(60).text(" HEEL").endl();
    r.tab(10).text(" NO").tab(17).text("STATE").tab(24).text(" NO").tab(30).text("SHEAR").tab(40).text("MOMENT");
    r.tab(50).text("SHEAR").tab(60).text("MOMENT").endl();
    r.tab(30).text(p.LblLineLoadP).tab(40).text(p.LblMomentPerLengthP);
    r.tab(50).text(p.LblLineLoadP).tab(60).text(p.LblMomentPerLengthP).endl();
    r.rule10();

    for (int c = 1; c <= p.NLC; ++c) {
        r.blank();
        const bool slsShown = CellLoaded(p, 5, c);
        if (slsShown) LoadsRow(p, r, 5, c, true, sld ? "-" : "", false);
        if (sld) continue;
        for (int k = 1; k <= 4; ++k)
            if (CellLoaded(p, k, c)) LoadsRow(p, r, k, c, k == 1 && !slsShown, "", true);
    }
    r.rule10();

    if (!sld) {
        r.blank();
        r.tab(10).text("ULS CASES:").endl();
        r.blank();
        r.tab(15).text("Case 1 = Max vertical + max overturning").endl();
        r.tab(15).text("Case 2 = Min vertical + max overturning").endl();
        r.tab(15).text("Case 3 = Max vertical + min overturning").endl();
        r.tab(15).text("Case 4 = Min vertical + min overturning").endl();
    }
    r.blank();
    r.tab(10).text("SIGN CONVENTION:").endl();
    r.blank();
    r.tab(15).text("Positive moment => tension on bottom of footing").endl();
    r.tab(15).text("Positive shear  => upward direction").endl();
}

}  // namespace qelvorn
