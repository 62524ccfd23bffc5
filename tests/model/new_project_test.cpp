// A new project, the criteria defaults and the default load combinations.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "model/defaults.h"

namespace qelvorn {
namespace {

TEST(ResetProject, NewProjectDefaults) {
    // Start from a used record: everything the reset owns must be replaced.
    Project p;
    p.Title = "old";
    p.CurrentRow = 4;
    p.FormReady = kFalse;
    p.InputComplete = kFalse;
    p.chko1 = kFalse;
    p.chko3 = kTrue;
    p.chko4 = kTrue;
    p.Units = "metric";
    p.Criteria = "s6";
    p.FootingType = "spread";
    p.WallType = "nohaunch";
    p.ConcreteDesign = "both";
    p.PileHead = "fix";
    p.Hw = 240;
    p.Tf = 36;
    p.PILED = 12;
    p.ResizePileRows(3);
    p.Pdc = 50000;
    p.Vfr = 1000;
    p.Q = 2;
    p.Kp = 3;
    p.pile2m = 7;
    p.Asw = 0.31f;
    p.SAsTSf = 12;
    p.Ls = 120;
    p.SAswsb = 9;
    ResetProject(p);

    EXPECT_EQ(p.Title, "");
    EXPECT_EQ(p.CurrentRow, 0);
    EXPECT_EQ(p.FormReady, kTrue);
    EXPECT_EQ(p.InputComplete, kTrue);
    EXPECT_EQ(p.chko1, kTrue);
    EXPECT_EQ(p.chko2, kTrue);
    EXPECT_EQ(p.chko3, kFalse);
    EXPECT_EQ(p.chko4, kFalse);

    EXPECT_EQ(p.Units, "english");
    EXPECT_EQ(p.WallType, "haunch");
    EXPECT_EQ(p.FootingType, "pile");
    EXPECT_EQ(p.Criteria, "aashto");
    EXPECT_EQ(p.ConcreteDesign, "usd");
    EXPECT_EQ(p.PileHead, "pin");
    EXPECT_EQ(p.LengthFactor, 12.0f);
    EXPECT_EQ(p.LblForce, "kip");

    EXPECT_EQ(p.fc, 4000.0f);
    EXPECT_EQ(p.fs, 60000.0f);
    EXPECT_EQ(p.Ec, 3605000.0f);
    EXPECT_EQ(p.Es, 29000000.0f);
    EXPECT_EQ(p.ModRatio, 8);  // 29000000 / 3605000 = 8.04
    EXPECT_FLOAT_EQ(p.ModRupture, 7.5f * std::sqrt(4000.0f));
    EXPECT_EQ(p.ExpFactor, 170000.0f);
    EXPECT_NEAR(p.rhoc * 1728.0f, 150.0f, 0.01f);  // 150 pcf
    EXPECT_FLOAT_EQ(p.Xr, 0.333f);
    EXPECT_FLOAT_EQ(p.Xru, 0.667f);
    EXPECT_FLOAT_EQ(p.Xreq, 0.667f);

    EXPECT_EQ(p.Hw, 0.0f);
    EXPECT_EQ(p.Tf, 0.0f);
    EXPECT_EQ(p.PILED, 0.0f);
    EXPECT_EQ(p.NROWS, 0);
    EXPECT_EQ(p.Pdc, 0.0f);
    EXPECT_EQ(p.Vfr, 0.0f);
    EXPECT_EQ(p.Q, 0.0f);
    EXPECT_EQ(p.Kp, 0.0f);
    EXPECT_EQ(p.pile2m, 0.0f);
    EXPECT_EQ(p.Asw, 0.0f);
    EXPECT_EQ(p.SAsTSf, 0.0f);
    EXPECT_EQ(p.Ls, 0.0f);
    EXPECT_EQ(p.SAswsb, 0.0f);

    EXPECT_EQ(p.NLC, 6);
    EXPECT_EQ(p.LoadTitle[1], "Construction 1 - place superstructure before backfill");
    EXPECT_EQ(p.Fsls[1], 1.5f);

    // Covers of a pile cap in inches.
    EXPECT_EQ(p.CAsw, 2.0f);
    EXPECT_EQ(p.CAsft, 3.0f);
    EXPECT_EQ(p.CAsfb, 6.0f);
}

struct CriteriaCase {
    const char* criteria;
    const char* units;
    float fc, fs, Ec, ExpFactor, rhoc, Xru;
    int modRatio;
};

TEST(SetCriteriaDefaults, EveryCriteriaInBothSystems) {
    const CriteriaCase cases[] = {
        {"aashto", "english", 4000, 60000, 3605000, 170000, 0.086805f, 0.667f, 8},
        {"aashto", "metric", 28, 420, 23500, 30000, 0.00002356f, 0.667f, 9},  // 8.51
        {"arema", "english", 4000, 60000, 3605000, 170000, 0.086805f, 1.0f, 8},
        {"arema", "metric", 28, 420, 23500, 30000, 0.00002356f, 1.0f, 9},
        {"lrfd", "english", 4000, 60000, 3640000, 1, 0.086805f, 0.5f, 8},
        {"lrfd", "metric", 28, 420, 24000, 1, 0.00002356f, 0.5f, 8},
        {"s6", "english", 4350, 58000, 3720000, 170000, 0.0885417f, 0.6f, 8},
        {"s6", "metric", 30, 400, 25650, 30000, 0.000024f, 0.6f, 8},
    };
    for (const CriteriaCase& c : cases) {
        SCOPED_TRACE(std::string(c.criteria) + " " + c.units);
        Project p;
        ResetProject(p);
        p.PileHead = "fix";
        p.PilePu = 100000;
        p.Freq = 0.4f;
        p.pile3v = 5;
        p.Criteria = c.criteria;
        p.Units = c.units;
        SetUnits(p);
        SetCriteriaDefaults(p);
        EXPECT_EQ(p.fc, c.fc);
        EXPECT_EQ(p.fs, c.fs);
        EXPECT_EQ(p.Ec, c.Ec);
        EXPECT_EQ(p.ExpFactor, c.ExpFactor);
        EXPECT_EQ(p.rhoc, c.rhoc);
        EXPECT_EQ(p.ModRatio, c.modRatio);
        EXPECT_FLOAT_EQ(p.Xr, 0.333f);
        EXPECT_FLOAT_EQ(p.Xru, c.Xru);
        EXPECT_FLOAT_EQ(p.Xreq, c.Xru);
        // The resistances are cleared and pile heads pinned.
        EXPECT_EQ(p.PileHead, "pin");
        EXPECT_EQ(p.PilePu, 0.0f);
        EXPECT_EQ(p.Freq, 0.0f);
        EXPECT_EQ(p.pile3v, 0.0f);
        const bool s6 = std::string(c.criteria) == "s6";
        EXPECT_FLOAT_EQ(p.Alpha1, s6 ? 0.805f : 0.85f);
        EXPECT_FLOAT_EQ(p.Beta1, s6 ? 0.895f : 0.85f);
        EXPECT_FLOAT_EQ(p.Ecu, s6 ? 0.0035f : 0.003f);
        EXPECT_FLOAT_EQ(p.PhiConcrete, s6 ? 0.75f : 1.0f);
    }
}

TEST(SetCriteriaDefaults, ModulusOfRupturePerCriteria) {
    Project p;
    ResetProject(p);
    p.Criteria = "lrfd";
    SetCriteriaDefaults(p);
    EXPECT_FLOAT_EQ(p.ModRupture, 480.0f);  // 240 sqrt(4 ksi)
    p.Units = "metric";
    SetCriteriaDefaults(p);
    EXPECT_NEAR(p.ModRupture, 3.3337f, 0.0001f);  // 0.63 sqrt(28)
    p.Criteria = "aashto";
    SetCriteriaDefaults(p);
    EXPECT_NEAR(p.ModRupture, 3.3072f, 0.0001f);  // 7.5 sqrt(28) / 12
}

TEST(SetCriteriaDefaults, UnknownCriteriaOnlyClearsResistances) {
    Project p;
    ResetProject(p);
    p.fc = 5000;
    p.Xru = 0.7f;
    p.Qu = 3;
    p.PileHead = "fix";
    p.Criteria = "eurocode";
    SetCriteriaDefaults(p);
    EXPECT_EQ(p.fc, 5000.0f);
    EXPECT_FLOAT_EQ(p.Xru, 0.7f);
    EXPECT_EQ(p.ModRatio, 8);
    EXPECT_EQ(p.Qu, 0.0f);
    EXPECT_EQ(p.PileHead, "pin");
}

TEST(SetReinforcingDefaults, CoversByUnitsAndFooting) {
    Project p;
    ResetProject(p);
    p.FootingType = "spread";
    SetReinforcingDefaults(p);
    EXPECT_EQ(p.CAsfb, 3.0f);
    p.Units = "metric";
    SetReinforcingDefaults(p);
    EXPECT_EQ(p.CAsw, 50.0f);
    EXPECT_EQ(p.CAsft, 75.0f);
    EXPECT_EQ(p.CAsfb, 75.0f);
    p.FootingType = "pile";
    SetReinforcingDefaults(p);
    EXPECT_EQ(p.CAsfb, 150.0f);
}

// ---------------------------------------------------------------------------
// Default load combinations

Project WithLoads(const char* criteria, const char* units) {
    Project p;
    ResetProject(p);
    p.Pdc = 1;
    p.Pl2 = 1;
    p.yVfr = 1;
    p.ResizeLoadCombinations(10);  // a larger table than any default
    p.Vmax[9] = 5;
    p.Criteria = criteria;
    p.Units = units;
    SetUnits(p);
    SetDefaultLoads(p);
    return p;
}


// Factors of row i of one set (max, min or sls), in load-type order.
std::array<float, kLoadTypes> Factors(const Project& p, const std::array<ColumnPtr, kLoadTypes>& set, int i) {
    std::array<float, kLoadTypes> f{};
    for (int t = 0; t < kLoadTypes; ++t) f[t] = (p.*set[t])[static_cast<std::size_t>(i)];
    return f;
}

using Row = std::array<float, kLoadTypes>;

TEST(SetDefaultLoads, Aashto) {
    const Project p = WithLoads("aashto", "english");
    ASSERT_EQ(p.NLC, 6);
    EXPECT_EQ(p.LoadTitle[1], "Construction 1 - place superstructure before backfill");
    EXPECT_EQ(p.LoadTitle[5], "Group V - no live load with bearing friction");
    EXPECT_EQ(Factors(p, kMaxFactors, 4), (Row{1.3f, 1.3f, 1.3f, 1.3f, 2.171f, 0, 0, 0, 1.69f, 1.69f, 0, 0}));
    EXPECT_EQ(Factors(p, kMinFactors, 5), (Row{0.937f, 0.937f, 0.937f, 0.937f, 0, 0, 0, 1.25f, 1.25f, 0, 0, 0}));
    EXPECT_EQ(Factors(p, kSlsFactors, 2), (Row{1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(p.Fsls[5], 1.4f);
    EXPECT_EQ(p.Fsls[6], 1.25f);
    // 120 pcf soil, 240 psf surcharge, at-rest-like coefficient 0.3.
    EXPECT_NEAR(p.rhos * 1728.0f, 120.0f, 0.001f);
    EXPECT_NEAR(p.Qsc * 144.0f, 240.0f, 0.01f);
    EXPECT_FLOAT_EQ(p.Kep, 0.3f);
    EXPECT_FLOAT_EQ(p.Yep, 0.333f);
    EXPECT_EQ(p.Nsc, 0.0f);

    const Project m = WithLoads("aashto", "metric");
    EXPECT_EQ(m.NLC, 6);
    EXPECT_FLOAT_EQ(m.rhos, 0.00001885f);
    EXPECT_FLOAT_EQ(m.Qsc, 0.0115f);
}

TEST(SetDefaultLoads, Arema) {
    const Project p = WithLoads("arema", "english");
    ASSERT_EQ(p.NLC, 7);
    EXPECT_EQ(p.LoadTitle[1], "Construction 1 - place superstructure before backfill");
    EXPECT_EQ(p.LoadTitle[5], "Group IA - live load on bridge");
    EXPECT_EQ(p.LoadTitle[7], "Group III - live load with bearing friction");
    EXPECT_EQ(Factors(p, kMaxFactors, 4), (Row{1.4f, 1.4f, 1.4f, 1.4f, 2.333f, 0, 0, 0, 1.4f, 1.4f, 0, 0}));
    EXPECT_EQ(Factors(p, kSlsFactors, 5), Row{});
    EXPECT_EQ(Factors(p, kMinFactors, 7), (Row{1.4f, 1.4f, 1.4f, 1.4f, 1.4f, 0, 0, 1.4f, 1.4f, 0, 0, 0}));
    EXPECT_EQ(p.Fsls[1], 1.5f);
    EXPECT_EQ(p.Fsls[6], 1.4f);
    // One 8.5 ft wide surcharge of 1882 psf, at least 15 ft apart.
    EXPECT_NEAR(p.Qsc * 144.0f, 1882.0f, 0.01f);
    EXPECT_EQ(p.Wsc, 102.0f);
    EXPECT_EQ(p.Ssc, 180.0f);
    EXPECT_EQ(p.Nsc, 1.0f);

    const Project m = WithLoads("arema", "metric");
    EXPECT_FLOAT_EQ(m.Qsc, 0.0901275f);
    EXPECT_EQ(m.Wsc, 2590.0f);
    EXPECT_EQ(m.Ssc, 4572.0f);
}

TEST(SetDefaultLoads, Lrfd) {
    const Project p = WithLoads("lrfd", "english");
    ASSERT_EQ(p.NLC, 4);
    EXPECT_EQ(p.LoadTitle[1], "Construction 1 - place superstructure before backfill");
    EXPECT_EQ(p.LoadTitle[4], "Strength I and Service I - live load with bearing friction");
    EXPECT_EQ(Factors(p, kMaxFactors, 3), (Row{1.25f, 1.25f, 1.5f, 1.35f, 0, 0, 0, 1.2f, 1.5f, 1.35f, 0, 0}));
    EXPECT_EQ(Factors(p, kMinFactors, 4), (Row{0.9f, 0.9f, 0.65f, 1, 1.75f, 0, 0, 0.5f, 0.9f, 0, 0, 0}));
    EXPECT_EQ(p.Fsls[2], 1.5f);
    EXPECT_EQ(p.Fsls[4], 1.0f);
    EXPECT_EQ(p.Qsc, 2.5f);  // 360 psf
    EXPECT_EQ(p.Qsc * 144.0f, 360.0f);

    const Project m = WithLoads("lrfd", "metric");
    EXPECT_FLOAT_EQ(m.Qsc, 0.01724f);
}

TEST(SetDefaultLoads, S6) {
    const Project p = WithLoads("s6", "english");
    ASSERT_EQ(p.NLC, 5);
    EXPECT_EQ(p.LoadTitle[1], "Construction 1 - place superstructure before backfill");
    EXPECT_EQ(p.LoadTitle[3], "ULS 4 - no live load with bearing friction");
    EXPECT_EQ(Factors(p, kMaxFactors, 2), (Row{1.2f, 0, 0, 1.2f, 0, 0, 0, 0, 1.2f, 0, 1.2f, 0}));
    EXPECT_EQ(Factors(p, kSlsFactors, 5), (Row{1, 1, 1, 1, 0.9f, 0, 0, 0.8f, 1, 1, 0, 0}));
    EXPECT_EQ(Factors(p, kMinFactors, 3), (Row{0.9f, 0.9f, 0.65f, 0.8f, 0, 0, 0, 1.25f, 0.8f, 0.8f, 0, 0}));
    EXPECT_EQ(p.Fsls[5], 1.0f);
    EXPECT_FLOAT_EQ(p.Kep, 0.35f);
    EXPECT_NEAR(p.Qcp * 144.0f, 250.0f, 0.001f);
    EXPECT_EQ(p.Hcp, 78.0f);  // 6.5 ft
    EXPECT_NEAR(p.Qsc * 144.0f, 334.0f, 0.001f);

    const Project m = WithLoads("s6", "metric");
    EXPECT_FLOAT_EQ(m.rhos, 0.00002f);
    EXPECT_FLOAT_EQ(m.Qcp, 0.012f);
    EXPECT_EQ(m.Hcp, 2000.0f);
}

TEST(SetDefaultLoads, ReplacesTheWholeTableAndClearsBridgeLoads) {
    for (const char* criteria : {"aashto", "arema", "lrfd", "s6"}) {
        SCOPED_TRACE(criteria);
        const Project p = WithLoads(criteria, "english");
        const auto size = static_cast<std::size_t>(p.NLC) + 1;
        EXPECT_EQ(p.LoadTitle.size(), size);
        EXPECT_EQ(p.Feqmax.size(), size);
        EXPECT_EQ(p.Fdeminst.size(), size);
        EXPECT_EQ(p.Vmax.size(), size);
        for (std::size_t i = 1; i < size; ++i) {
            EXPECT_EQ(p.Vmax[i], 0.0f);
            // Live load 2, longitudinal force and earthquake are never in a
            // default combination.
            EXPECT_EQ(p.Fl2max[i] + p.Flfmin[i] + p.Feqsls[i], 0.0f);
        }
        EXPECT_EQ(p.Pdc, 0.0f);
        EXPECT_EQ(p.Pl2, 0.0f);
        EXPECT_EQ(p.yVfr, 0.0f);
        EXPECT_EQ(p.Keq, 0.0f);
    }
}

TEST(SetDefaultLoads, UnknownCriteriaKeepsCombinationsAndClearsResults) {
    Project p;
    ResetProject(p);
    p.Pdv = 3;
    p.Vsls[2] = 7;
    p.Fdaminst[3] = 1;
    p.Criteria = "eurocode";
    SetDefaultLoads(p);
    EXPECT_EQ(p.Pdv, 0.0f);
    EXPECT_EQ(p.NLC, 6);
    EXPECT_EQ(p.LoadTitle[3], "Group II - no live load on bridge");
    EXPECT_FLOAT_EQ(p.Fepmax[3], 1.69f);
    EXPECT_EQ(p.Vsls[2], 0.0f);
    EXPECT_EQ(p.Fdaminst[3], 0.0f);
}

}  // namespace
}  // namespace qelvorn
