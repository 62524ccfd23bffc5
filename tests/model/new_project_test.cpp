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
    p.chko3 = kTrue;
    p.Units = "metric";
    p.Criteria = "s6";
    p.FootingType = "spread";
    p.PileHead = "fix";
    p.Hw = 240;
    p.ResizePileRows(3);
    p.Pdc = 50000;
    p.SAswsb = 9;
    ResetProject(p);

    EXPECT_EQ(p.Title, "");
    EXPECT_EQ(p.FormReady, kTrue);
    EXPECT_EQ(p.InputComplete, kTrue);
    EXPECT_EQ(p.chko1, kTrue);
    EXPECT_EQ(p.chko3, kFalse);
    EXPECT_EQ(p.Units, "english");
    EXPECT_EQ(p.WallType, "haunch");
    EXPECT_EQ(p.FootingType, "pile");
    EXPECT_EQ(p.Criteria, "aashto");
    EXPECT_EQ(p.ConcreteDesign, "usd");
    EXPECT_EQ(p.PileHead, "pin");
    EXPECT_EQ(p.LengthFactor, 12.0f);
    EXPECT_EQ(p.Ec, 3605000.0f);
    EXPECT_EQ(p.ModRatio, 8);  // 29000000 / 3605000 = 8.04
    EXPECT_FLOAT_EQ(p.ModRupture, 7.5f * std::sqrt(4000.0f));
    EXPECT_NEAR(p.rhoc * 1728.0f, 150.0f, 0.01f);  // 150 pcf
    EXPECT_EQ(p.Hw + p.Pdc + p.SAswsb, 0.0f);
    EXPECT_EQ(p.NROWS, 0);
    EXPECT_EQ(p.NLC, 6);
    EXPECT_EQ(p.CAsfb, 6.0f);  // pile cap bottom cover, in
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

TEST(SetCriteriaDefaults, UnknownCriteriaOnlyClearsResistancesAndCoversFollowUnits) {
    Project p;
    ResetProject(p);
    p.fc = 5000;
    p.Qu = 3;
    p.PileHead = "fix";
    p.Criteria = "eurocode";
    SetCriteriaDefaults(p);
    EXPECT_EQ(p.fc, 5000.0f);
    EXPECT_EQ(p.Qu, 0.0f);
    EXPECT_EQ(p.PileHead, "pin");

    p.Units = "metric";
    SetReinforcingDefaults(p);
    EXPECT_EQ(p.CAsw, 50.0f);
    EXPECT_EQ(p.CAsfb, 150.0f);
    p.FootingType = "spread";
    SetReinforcingDefaults(p);
    EXPECT_EQ(p.CAsfb, 75.0f);
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

// One spot check per default table: count, a title, a non-trivial factor
// row, an SLS stress increase factor and the surcharge in both systems.
struct LoadCase {
    const char* criteria;
    int nlc;
    int titleRow;
    const char* title;
    const std::array<ColumnPtr, kLoadTypes>* set;
    int factorRow;
    Row factors;
    int fslsRow;
    float fsls;
    float qscPsf, qscMetric;
};

TEST(SetDefaultLoads, EveryTableSpotChecked) {
    const LoadCase cases[] = {
        {"aashto", 6, 5, "Group V - no live load with bearing friction", &kMinFactors, 5,
         Row{0.937f, 0.937f, 0.937f, 0.937f, 0, 0, 0, 1.25f, 1.25f, 0, 0, 0}, 5, 1.4f, 240, 0.0115f},
        {"arema", 7, 7, "Group III - live load with bearing friction", &kMaxFactors, 4,
         Row{1.4f, 1.4f, 1.4f, 1.4f, 2.333f, 0, 0, 0, 1.4f, 1.4f, 0, 0}, 6, 1.4f, 1882, 0.0901275f},
        {"lrfd", 4, 4, "Strength I and Service I - live load with bearing friction", &kMinFactors, 4,
         Row{0.9f, 0.9f, 0.65f, 1, 1.75f, 0, 0, 0.5f, 0.9f, 0, 0, 0}, 2, 1.5f, 360, 0.01724f},
        {"s6", 5, 3, "ULS 4 - no live load with bearing friction", &kSlsFactors, 5,
         Row{1, 1, 1, 1, 0.9f, 0, 0, 0.8f, 1, 1, 0, 0}, 5, 1.0f, 334, 0.016f},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.criteria);
        const Project p = WithLoads(c.criteria, "english");
        ASSERT_EQ(p.NLC, c.nlc);
        EXPECT_EQ(p.LoadTitle[1], "Construction 1 - place superstructure before backfill");
        EXPECT_EQ(p.LoadTitle[static_cast<std::size_t>(c.titleRow)], c.title);
        EXPECT_EQ(Factors(p, *c.set, c.factorRow), c.factors);
        EXPECT_EQ(p.Fsls[static_cast<std::size_t>(c.fslsRow)], c.fsls);
        EXPECT_NEAR(p.Qsc * 144.0f, c.qscPsf, 0.01f);
        EXPECT_FLOAT_EQ(WithLoads(c.criteria, "metric").Qsc, c.qscMetric);
    }
    // Soil and train defaults: 120 pcf and K = 0.3; one 8.5 ft wide railway
    // surcharge at least 15 ft apart; a 6.5 ft compaction depth for s6.
    const Project a = WithLoads("aashto", "english");
    EXPECT_NEAR(a.rhos * 1728.0f, 120.0f, 0.001f);
    EXPECT_FLOAT_EQ(a.Kep, 0.3f);
    const Project r = WithLoads("arema", "english");
    EXPECT_EQ(r.Wsc, 102.0f);
    EXPECT_EQ(r.Ssc, 180.0f);
    EXPECT_EQ(r.Nsc, 1.0f);
    EXPECT_EQ(WithLoads("arema", "metric").Wsc, 2590.0f);
    EXPECT_EQ(WithLoads("s6", "english").Hcp, 78.0f);
    EXPECT_EQ(WithLoads("s6", "metric").Hcp, 2000.0f);
}

TEST(SetDefaultLoads, ReplacesTheWholeTableAndClearsBridgeLoads) {
    for (const char* criteria : {"aashto", "arema", "lrfd", "s6"}) {
        SCOPED_TRACE(criteria);
        const Project p = WithLoads(criteria, "english");
        const auto size = static_cast<std::size_t>(p.NLC) + 1;
        EXPECT_EQ(p.LoadTitle.size(), size);
        EXPECT_EQ(p.Vmax.size(), size);
        for (std::size_t i = 1; i < size; ++i) {
            EXPECT_EQ(p.Vmax[i], 0.0f);
            // Live load 2, longitudinal force and earthquake are never in a
            // default combination.
            EXPECT_EQ(p.Fl2max[i] + p.Flfmin[i] + p.Feqsls[i], 0.0f);
        }
        EXPECT_EQ(p.Pdc + p.Pl2 + p.yVfr + p.Keq, 0.0f);
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
