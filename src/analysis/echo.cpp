// Input data echo: every input value in display units with the project's
// unit labels, so that the reader can check the input against the results
// that follow. Which lines appear depends on the options.
#include <algorithm>
#include <string>

#include "analysis/sections.h"

namespace qelvorn {

namespace {

// Rows 1..n of a 1-based table, never beyond the rows the columns hold.
std::int32_t TableRows(std::int32_t count, std::size_t columnSize) {
    return std::min<std::int32_t>(count, static_cast<std::int32_t>(columnSize) - 1);
}

float At(const Column& c, std::int32_t i) { return c[static_cast<std::size_t>(i)]; }

void Options(const Project& p, Report& r) {
    r.titleBlock("OPTIONS");
    r.spc(5).text(p.Units == "metric" ? "Units           = Metric" : "Units           = English").endl();
    if (p.Criteria == "aashto")
        r.spc(5).text("Design Criteria = AASHTO").endl();
    else if (p.Criteria == "arema")
        r.spc(5).text("Design Criteria = AREMA").endl();
    else if (p.Criteria == "lrfd")
        r.spc(5).text("Design Criteria = AASHTO LRFD").endl();
    else if (p.Criteria == "s6")
        r.spc(5).text("Design Criteria = CAN/CSA-S6").endl();
    // Limit states design has no choice of concrete design method.
    if (p.Criteria == "aashto" || p.Criteria == "arema") {
        if (p.ConcreteDesign == "sld")
            r.spc(5).text("Concrete Design = Service Load Design (SLD)").endl();
        else if (p.ConcreteDesign == "usd")
            r.spc(5).text("Concrete Design = Ultimate Strength Design (USD)").endl();
        else
            r.spc(5).text("Concrete Design = Both SLD and USD").endl();
    }
    r.spc(5).text(p.WallType == "haunch" ? "Wall Type       = Haunch" : "Wall Type       = No Haunch").endl();
    r.spc(5).text(p.FootingType == "pile" ? "Footing Type    = Pile" : "Footing Type    = Spread").endl();
}

void Properties(const Project& p, Report& r) {
    r.titleBlock("PROPERTIES");
    r.heading("REINFORCED CONCRETE:");
    r.heading("MATERIAL PROPERTIES:", 10);
    r.valueLine("Concrete compressive strength  = ", p.fc, "0.0 ", p.LblStress);
    r.valueLine("Concrete modulus of elasticity = ", p.Ec, "0.0 ", p.LblStress);
    r.valueLine("Concrete modulus of rupture    = ", p.ModRupture, "0.00 ", p.LblStress);
    r.valueLine("Concrete modular ratio         = ", static_cast<float>(p.ModRatio), "0");
    r.valueLine("Concrete unit weight           = ", p.rhoc / p.UnitWeightFactor, "0.00 ", p.LblUnitWeight);
    r.valueLine("Reinforcing yield strength     = ", p.fs, "0.0 ", p.LblStress);

    if (p.ConcreteDesign == "sld") {
        // Service load design: allowable stresses only.
        r.spc(10).text("Allowable stress factor        = 0.400").endl();
        return;
    }
    if (p.Criteria == "lrfd")
        r.valueLine("Crack control exposure factor  = ", p.ExpFactor, "0.00 ");  // dimensionless
    else
        r.valueLine("Crack control exposure factor  = ", p.ExpFactor, "0.0 ", p.LblLineLoadSmall);
    if (p.Criteria != "s6") {
        r.blank();
        r.heading("STRENGTH REDUCTION FACTORS:", 10);
        r.valueLine("Flexure                        = ", p.PhiFlexure, "0.000");
        r.valueLine("Shear                          = ", p.PhiShear, "0.000");
    } else {
        r.blank();
        r.heading("RESISTANCE FACTORS:", 10);
        r.valueLine("Concrete                       = ", p.PhiConcrete, "0.000");
        r.valueLine("Reinforcing                    = ", p.PhiSteel, "0.000");
    }
    r.blank();
    r.heading("STRESS BLOCK:", 10);
    r.valueLine("Compression block stress ratio = ", p.Alpha1, "0.0000");
    r.valueLine("Compression block depth ratio  = ", p.Beta1, "0.0000");
    r.valueLine("Maximum concrete strain        = ", p.Ecu, "0.0000");
}

void PileResistance(const Project& p, Report& r) {
    r.blank();
    r.heading("PILE RESISTANCE:");
    r.rule10();
    r.tab(10).text("LOAD").tab(30).text("RESISTANCE " + p.LblForceP).endl();
    r.tab(30).text("SLS").tab(40).text("ULS").tab(50).text("EQ").endl();
    r.rule10();
    const float f = p.ForceFactor;
    auto row = [&](const char* label, float sls, float uls, float eq) {
        r.tab(10).text(label).tab(30).num(sls / f, "0.0").tab(40).num(uls / f, "0.0").tab(50).num(eq / f, "0.0").endl();
    };
    row("Compression:", p.PileP, p.PilePu, p.PilePeq);
    row("Tension:", p.PileT, p.PileTu, p.PileTeq);
    row("Shear:", p.PileV, p.PileVu, p.PileVeq);
    r.rule10();

    // The lateral load - moment curve is used for fixed pile heads only.
    if (p.PileHead != "fix") return;
    r.blank();
    r.heading("PILE LATERAL LOAD - MOMENT DATA:");
    r.rule10();
    r.tab(10).text("POINT").tab(20).text("LATERAL LOAD").tab(40).text("MOMENT").endl();
    r.tab(20).text("   " + p.LblForceP).tab(40).text(p.LblMomentP).endl();
    r.rule10();
    auto point = [&](const char* label, float v, float m) {
        r.tab(10).text(label).tab(20).num(v / p.ForceFactor, "0.00").tab(40).num(m / p.MomentFactor, "0.00").endl();
    };
    point("  1  ", p.pile1v, p.pile1m);
    point("  2  ", p.pile2v, p.pile2m);
    point("  3  ", p.pile3v, p.pile3m);
    r.rule10();
}

void FootingResistance(const Project& p, Report& r) {
    r.blank();
    r.heading("FOOTING RESISTANCE:");
    r.rule10();
    r.tab(10).text("PARAMETER").tab(35).text("SLS").tab(45).text("ULS").tab(55).text("EQ").endl();
    r.rule10();
    auto row = [&](const std::string& label, float sls, float uls, float eq, const char* pattern) {
        r.tab(10).text(label).tab(35).num(sls, pattern).tab(45).num(uls, pattern).tab(55).num(eq, pattern).endl();
    };
    if (p.FootingType == "spread") {
        const float f = p.PressureFactor;
        row("Bearing pressure " + p.LblPressureP + ":", p.Q / f, p.Qu / f, p.Qeq / f, "0.0");
        row("Friction coefficient:", p.Fr, p.Fru, p.Freq, "0.000");
        row("Resultant location:", p.Xr, p.Xru, p.Xreq, "0.000");
    }
    row("Passive coefficient:", p.Kp, p.Kpu, p.Kpeq, "0.000");
    r.rule10();
}

void Configuration(const Project& p, Report& r) {
    r.titleBlock("CONFIGURATION");
    const float lf = p.LengthFactor;
    auto length = [&](const char* label, float v) { r.valueLine(label, v / lf, "0.000 ", p.LblLength); };
    r.heading("WALL:");
    length("Stem wall height       = ", p.Hw);
    length("Stem wall length       = ", p.Lw);
    length("Stem wall thickness    = ", p.Tw);
    r.valueLine("Stem wall batter       = ", p.Bat, "0.000 ", "deg");
    if (p.WallType == "haunch") length("Haunch depth           = ", p.Hh);
    length("Back wall height       = ", p.Hb);
    length("Back wall thickness    = ", p.Tb);
    length("Seat width             = ", p.Ts);
    length("Distance to CL bearing = ", p.Db);
    r.blank();
    r.heading("FOOTING:");
    length("Width of toe           = ", p.Dt);
    length("Soil cover over toe    = ", p.Ht);
    length("Footing width          = ", p.Wf);
    length("Footing length         = ", p.Lf);
    length("Footing thickness      = ", p.Tf);

    if (p.FootingType != "pile" || p.NROWS == 0) return;
    r.blank();
    r.heading("PILES:");
    r.valueLine("Pile width             = ", p.PILED, "0.0 ", p.LblSmallLength);
    r.blank();
    r.rule10();
    r.tab(10).text("ROW").tab(20).text("TOE DIST").tab(30).text("NO OF").tab(40).text("NO OF").tab(50).text("BATTER");
    r.tab(60).text("SPACING").endl();
    r.tab(22).text(p.LblLengthP).tab(30).text("PILES").tab(40).text("BATTER").tab(50).text("(deg)");
    r.tab(62).text(p.LblLengthP).endl();
    r.rule10();
    const std::int32_t rows = std::min({TableRows(p.NROWS, p.PILEX.size()), TableRows(p.NROWS, p.PILEN.size()),
                                        TableRows(p.NROWS, p.PILENB.size()), TableRows(p.NROWS, p.PILEB.size()),
                                        TableRows(p.NROWS, p.PILES.size())});
    for (std::int32_t i = 1; i <= rows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        r.tab(10).bare(static_cast<float>(i)).tab(20).num(p.PILEX[k] / lf, "0.000");
        r.tab(30).bare(static_cast<float>(p.PILEN[k])).tab(40).bare(static_cast<float>(p.PILENB[k]));
        r.tab(50).bare(p.PILEB[k]).tab(60).num(p.PILES[k] / lf, "0.000").endl();
    }
    r.rule10();
}

// A force with the height of its line of action.
void ForceAtHeight(const Project& p, Report& r, const char* label, float force, float height) {
    r.spc(10).text(label).num(force / p.ForceFactor, "0.0 ").text(p.LblForce);
    r.tab(52).text("at height").tab(62).text("= ").num(height / p.LengthFactor, "0.000 ").text(p.LblLength).endl();
}

void CoefficientAtHeight(Report& r, const char* label, float k, float ratio) {
    r.spc(10).text(label).num(k, "0.000");
    r.tab(52).text("at height").tab(62).text("= ").num(ratio, "0.000").text(" H").endl();
}

void LoadCombinations(const Project& p, Report& r) {
    static const char* const labels[kLoadTypes] = {
        "Dead load abutment",           "Dead load constant",          "Dead load varying",
        "Dead load earth",              "Live load standard",          "Live load special",
        "Live load longitudinal force", "Friction longitudinal force", "Lateral earth pressure",
        "Live load surcharge",          "Compaction pressure",         "Earthquake"};
    r.blank();
    r.heading("LOAD COMBINATIONS:");
    r.rule10();
    r.tab(10).text("NO").tab(15).text("LOAD CONDITION").tab(45).text("MAXIMUM").tab(54).text("MINIMUM");
    r.tab(63).text("SERVICE").endl();
    r.rule10();

    std::int32_t rows = TableRows(p.NLC, p.LoadTitle.size());
    rows = std::min(rows, TableRows(p.NLC, p.Fsls.size()));
    for (int t = 0; t < kLoadTypes; ++t) {
        rows = std::min(rows, TableRows(p.NLC, (p.*kMaxFactors[static_cast<std::size_t>(t)]).size()));
        rows = std::min(rows, TableRows(p.NLC, (p.*kMinFactors[static_cast<std::size_t>(t)]).size()));
        rows = std::min(rows, TableRows(p.NLC, (p.*kSlsFactors[static_cast<std::size_t>(t)]).size()));
    }
    for (std::int32_t i = 1; i <= rows; ++i) {
        // A combination without the abutment's own weight is not echoed
        // (the analysis still uses it).
        if (At(p.Fdamax, i) == 0 && At(p.Fdasls, i) == 0) continue;
        r.blank();
        r.tab(10).bare(static_cast<float>(i)).tab(15).text(p.LoadTitle[static_cast<std::size_t>(i)]).endl();
        r.blank();
        for (int t = 0; t < kLoadTypes; ++t) {
            const auto ti = static_cast<std::size_t>(t);
            const float mx = At(p.*kMaxFactors[ti], i);
            const float mn = At(p.*kMinFactors[ti], i);
            const float sl = At(p.*kSlsFactors[ti], i);
            if (mx == 0 && sl == 0) continue;
            r.tab(15).text(labels[t]).tab(45).bare(mx).tab(54).bare(mn).tab(63).bare(sl).endl();
        }
        r.blank();
        r.tab(30).text("Service stress increase factor = ").tab(63).bare(At(p.Fsls, i)).endl();
        r.rule10();
    }
}

void Loads(const Project& p, Report& r) {
    r.titleBlock("LOADS");
    r.heading("BRIDGE LOADS:");
    const float ff = p.ForceFactor;
    r.valueLine("Dead load constant        = ", p.Pdc / ff, "0.0 ", p.LblForce);
    r.valueLine("Dead load varying         = ", p.Pdv / ff, "0.0 ", p.LblForce);
    r.valueLine("Live load standard        = ", p.Pl1 / ff, "0.0 ", p.LblForce);
    r.valueLine("Live load special         = ", p.Pl2 / ff, "0.0 ", p.LblForce);
    ForceAtHeight(p, r, "Live load long force      = ", p.Vlf, p.yVlf);
    ForceAtHeight(p, r, "Friction long force       = ", p.Vfr, p.yVfr);

    r.blank();
    r.heading("EARTH LOADS:");
    CoefficientAtHeight(r, "Lateral pressure coeff    = ", p.Kep, p.Yep);
    CoefficientAtHeight(r, "Earthquake pressure coeff = ", p.Keq, p.Yeq);
    r.spc(10).text("Compaction pressure       = ").num(p.Qcp / p.PressureFactor, "0.00 ").text(p.LblPressure);
    r.tab(52).text("at height").tab(62).text("= ").num(p.Hcp / p.LengthFactor, "0.000 ").text(p.LblLength).endl();
    r.valueLine("Soil unit weight          = ", p.rhos / p.UnitWeightFactor, "0.00 ", p.LblUnitWeight);
    r.valueLine("Surcharge pressure        = ", p.Qsc / p.PressureFactor, "0.00 ", p.LblPressure);
    // Railway surcharges: one or more track loads of a given width.
    if (p.Criteria == "arema") {
        r.valueLine("Surcharge width at grade  = ", p.Wsc / p.LengthFactor, "0.000 ", p.LblLength);
        r.valueLine("Number of surcharges      = ", p.Nsc, "0");
        r.valueLine("Min spacing of surcharges = ", p.Ssc / p.LengthFactor, "0.000 ", p.LblLength);
    }
    LoadCombinations(p, r);
}

void Reinforcing(const Project& p, Report& r) {
    r.titleBlock("REINFORCING");
    r.rule6();
    r.tab(6).text("LOCATION").tab(30).text("AREA").tab(40).text("SPACING").tab(50).text("COVER").endl();
    r.tab(6).tab(30).text(p.LblAreaP).tab(40).text(p.LblSmallLengthP).tab(50).text(p.LblSmallLengthP).endl();
    r.rule6();
    auto row = [&r](const char* label, float area, float spacing) {
        r.tab(6).text(label).tab(30).num(area, "0.00").tab(40).num(spacing, "0.00");
    };
    row("Wall stem", p.Asw, p.SAsw);
    r.tab(50).num(p.CAsw, "0.00").endl();
    row("Backwall", p.Asb, p.SAsb);
    r.endl();
    row("Footing top", p.Asft, p.SAsft);
    r.tab(50).num(p.CAsft, "0.00").endl();
    row("Footing bottom at toe", p.Asfbt, p.SAsfbt);
    r.tab(50).num(p.CAsfb, "0.00").endl();
    row("Footing bottom at heel", p.Asfbh, p.SAsfbh);
    r.endl();
    row("Footing long w/piles", p.AsLf, p.SAsLf);
    r.endl();
    row("T&S in wall stem", p.AsTSw, p.SAsTSw);
    r.endl();
    row("T&S in backwall", p.AsTSb, p.SAsTSb);
    r.endl();
    row("T&S in footing", p.AsTSf, p.SAsTSf);
    r.endl();
    r.rule6();
}

void SideWalls(const Project& p, Report& r) {
    r.titleBlock("SIDE WALLS");
    r.heading("CONFIGURATION:");
    const float lf = p.LengthFactor;
    r.valueLine("Length beyond backwall = ", p.Ls / lf, "0.000 ", p.LblLength);
    r.valueLine("Height at end          = ", p.Hs / lf, "0.000 ", p.LblLength);
    r.valueLine("Thickness at top       = ", p.Tst / lf, "0.000 ", p.LblLength);
    r.valueLine("Thickness at bottom    = ", p.Tsb / lf, "0.000 ", p.LblLength);
    r.valueLine("Uniform barrier weight = ", p.Wbarrier / p.LineLoadFactor, "0.000 ", p.LblLineLoad);
    r.blank();
    r.heading("REINFORCING:");
    r.rule10();
    r.tab(10).text("LOCATION").tab(35).text("AREA").tab(45).text("SPACING").endl();
    r.tab(10).tab(35).text(p.LblAreaP).tab(45).text(p.LblSmallLengthP).endl();
    r.rule10();
    auto row = [&r](const char* label, float area, float spacing) {
        r.tab(10).text(label).tab(35).num(area, "0.00").tab(45).num(spacing, "0.00").endl();
    };
    row("Average main horizontal", p.Asws, p.SAsws);
    row("Bottom main horizontal", p.Aswsb, p.SAswsb);
    row("T&S reinforcing", p.AsTSws, p.SAsTSws);
    r.rule10();
}

}  // namespace

void InputEcho(Project& p, Report& r) {
    Options(p, r);
    Properties(p, r);
    if (p.FootingType == "pile") PileResistance(p, r);
    FootingResistance(p, r);
    Configuration(p, r);
    Loads(p, r);
    Reinforcing(p, r);
    if (p.Ls != 0) SideWalls(p, r);
}

}  // namespace qelvorn
