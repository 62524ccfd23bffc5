// The project record: unit factors, the derived concrete properties, a new
// project, the criteria defaults, the default load combinations and the
// input completeness check (its flag and the exact message text); inserting
// and deleting load combinations, and the addressable rows of the two
// tables when their counts and arrays disagree; a change of unit system
// keeps the values as physical quantities and is undone by changing back.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <string>

#include "analysis/batch_run.h"
#include "model/defaults.h"
#include "model/load_table.h"
#include "model/unit_conversion.h"

namespace qelvorn {
namespace {

TEST(SetUnits, FactorsRoundedOnceAndUnknownSystemsShowEnglishLabels) {
    Project p;
    p.Units = "english";
    SetUnits(p);
    // Quotients rounded once from double: 240 psf is stored as 1.6666666 psi.
    EXPECT_EQ(p.PressureFactor, static_cast<float>(1.0 / 144.0));
    EXPECT_EQ(p.VolumeFactor, static_cast<float>(1.0 / 46656.0));
    p.Hw = 240;
    p.Units = "metric";
    SetUnits(p);
    EXPECT_EQ(p.Hw, 240.0f);  // switching never converts stored values

    // An unknown system keeps the factors but shows English labels.
    p.Units = "imperial";
    SetUnits(p);
    EXPECT_EQ(p.LengthFactor, 1000.0f);
    EXPECT_EQ(p.LblForce, "kip");
}

Project WithStrength(const char* criteria, const char* units, float fc) {
    Project p;
    p.Criteria = criteria;
    p.Units = units;
    p.fc = fc;
    DeriveConcreteProperties(p);
    return p;
}

TEST(DeriveConcreteProperties, EveryCriteriaBothSystemsAndLimits) {
    // Ec and fr by hand; Beta1 = 0.85 - 0.05 per 1000 psi (7 MPa) above
    // 4000 psi (28 MPa) within 0.65..0.85; s6: Alpha1 = 0.85 - 0.0015 fc,
    // Beta1 = 0.97 - 0.0025 fc, both at least 0.67, English via MPa.
    // Ec, fr and n = Es / Ec are checked where given (n < 0: limits only).
    const struct {
        const char* criteria;
        const char* units;
        float fc, Ec, fr, alpha1, beta1;
        int n;
    } cases[] = {
        // 57000 sqrt(5000) = 4030508.65, 7.5 sqrt(5000) = 530.33, n = 7.2
        {"aashto", "english", 5000, 4030509, 530.33f, 0.85f, 0.8f, 7},
        {"aashto", "english", 9000, -1, -1, 0.85f, 0.65f, -1},  // 0.60 raised
        {"arema", "english", 2500, -1, -1, 0.85f, 0.85f, -1},   // 0.925 lowered
        {"aashto", "english", 4750, -1, -1, 0.85f, 0.813f, -1},  // 0.8125 half up
        {"arema", "metric", 63, -1, -1, 0.85f, 0.65f, -1},
        // 1820000 sqrt(5) = 4069643.7, 240 sqrt(5) = 536.66, n = 7.13
        {"lrfd", "english", 5000, 4069644, 536.656f, 0.85f, 0.8f, 7},
        {"lrfd", "english", 10000, -1, -1, 0.85f, 0.65f, -1},
        // 4800 sqrt(35) = 28397.18, 0.63 sqrt(35) = 3.7271, n = 7.04
        {"lrfd", "metric", 35, 28397, 3.7271f, 0.85f, 0.8f, 7},
        {"lrfd", "metric", 20, -1, -1, 0.85f, 0.85f, -1},
        // (3000 sqrt(30) + 6900)(2450/2300)^1.5 = 25650.94, 0.4 sqrt(30), n = 7.80
        {"s6", "metric", 30, 25651, 2.19089f, 0.805f, 0.895f, 8},
        {"s6", "metric", 150, -1, -1, 0.67f, 0.67f, -1},  // 0.625, 0.595 raised
        {"s6", "english", 21756, -1, -1, 0.67f, 0.67f, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.criteria) + " " + c.units + " " + std::to_string(c.fc));
        const Project p = WithStrength(c.criteria, c.units, c.fc);
        EXPECT_FLOAT_EQ(p.Alpha1, c.alpha1);
        EXPECT_FLOAT_EQ(p.Beta1, c.beta1);
        if (c.n < 0) continue;
        EXPECT_NEAR(p.Ec, c.Ec, 1.0f);
        EXPECT_NEAR(p.ModRupture, c.fr, 0.005f);
        EXPECT_EQ(p.ModRatio, c.n);
    }
    const Project s = WithStrength("s6", "metric", 30);
    EXPECT_FLOAT_EQ(s.Ecu, 0.0035f);
    EXPECT_FLOAT_EQ(s.PhiConcrete, 0.75f);
    EXPECT_FLOAT_EQ(WithStrength("lrfd", "english", 4000).PhiShear, 0.9f);
    // Modular ratio halves go to even: 4700 sqrt(11.589) = 16000.03 -> Ec
    // 16000, n = 12.5; 4700 sqrt(289.724) = 80000.06 -> Ec 80000, n = 2.5.
    EXPECT_EQ(WithStrength("aashto", "metric", 11.589f).ModRatio, 12);
    EXPECT_EQ(WithStrength("aashto", "metric", 289.724f).ModRatio, 2);
    // s6 English, single precision in the formula's order: psi first, then
    // the density factor (the other order gives 5205931).
    EXPECT_EQ(WithStrength("s6", "english", 10684).Ec, 5205932.0f);
}

TEST(DeriveConcreteProperties, MissingStrengthKeepsEveryProperty) {
    Project before;
    ResetProject(before);
    for (float fc : {0.0f, -4000.0f}) {
        SCOPED_TRACE(fc);
        Project p = before;
        p.fc = fc;
        DeriveConcreteProperties(p);
        for (float Project::*field : {&Project::Ec, &Project::Es, &Project::ModRupture, &Project::Alpha1,
                                      &Project::Beta1, &Project::Ecu, &Project::PhiFlexure, &Project::PhiShear,
                                      &Project::PhiConcrete, &Project::PhiSteel})
            EXPECT_EQ(p.*field, before.*field);
        EXPECT_EQ(p.ModRatio, before.ModRatio);
    }
}

TEST(DeriveConcreteProperties, UnknownCriteriaOnlySetsEsAlpha1AndRatio) {
    Project p;
    ResetProject(p);
    p.Criteria = "eurocode";
    p.Units = "metric";
    p.fc = 30;
    p.Ec = 25000;
    p.Beta1 = 0.77f;
    DeriveConcreteProperties(p);
    EXPECT_EQ(p.Es, 200000.0f);
    EXPECT_FLOAT_EQ(p.Alpha1, 0.85f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.77f);
    EXPECT_EQ(p.ModRatio, 8);
}

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
    ResetProject(p);

    EXPECT_EQ(p.Title, "");
    EXPECT_EQ(p.chko3, kFalse);
    EXPECT_EQ(p.Units + p.WallType + p.FootingType + p.Criteria + p.ConcreteDesign + p.PileHead,
              "englishhaunchpileaashtousdpin");
    EXPECT_EQ(p.LengthFactor, 12.0f);
    EXPECT_EQ(p.ModRatio, 8);  // 29000000 / 3605000 = 8.04
    EXPECT_EQ(p.Hw + p.Pdc, 0.0f);
    EXPECT_EQ(p.NROWS, 0);
    EXPECT_EQ(p.NLC, 6);
    EXPECT_EQ(p.CAsfb, 6.0f);  // pile cap bottom cover, in
}

TEST(SetCriteriaDefaults, MetricMaterialsAndClearedResistances) {
    Project p;
    ResetProject(p);
    p.PileHead = "fix";
    p.PilePu = 100000;
    p.Freq = 0.4f;
    p.Units = "metric";
    SetUnits(p);
    SetCriteriaDefaults(p);
    EXPECT_EQ(p.fc, 28.0f);
    EXPECT_EQ(p.Ec, 23500.0f);
    EXPECT_EQ(p.ModRatio, 9);  // 200000 / 23500 = 8.51
    EXPECT_FLOAT_EQ(p.Xreq, 0.667f);
    EXPECT_EQ(p.PileHead, "pin");
    EXPECT_EQ(p.PilePu + p.Freq, 0.0f);
    // An unknown criteria changes no material, but still clears.
    p.fc = 5000;
    p.Qu = 3;
    p.Criteria = "eurocode";
    SetCriteriaDefaults(p);
    EXPECT_EQ(p.fc, 5000.0f);
    EXPECT_EQ(p.Qu, 0.0f);
}

// ---------------------------------------------------------------------------
// Default load combinations

Project WithLoads(const char* criteria, const char* units) {
    Project p;
    ResetProject(p);
    p.Pdc = 1;
    p.yVfr = 1;
    p.ResizeLoadCombinations(10);  // a larger table than any default
    p.Vmax[9] = 5;
    p.Criteria = criteria;
    p.Units = units;
    SetUnits(p);
    SetDefaultLoads(p);
    return p;
}

using Row = std::array<float, kLoadTypes>;

// One spot check per default table: count, a title, a non-trivial factor
// row, an SLS stress increase factor and the surcharge in both systems.
TEST(SetDefaultLoads, EveryTableSpotChecked) {
    const struct {
        const char* criteria;
        int nlc, titleRow;
        const char* title;
        const std::array<ColumnPtr, kLoadTypes>* set;
        int factorRow;
        Row factors;
        int fslsRow;
        float fsls, qscPsf, qscMetric;
    } cases[] = {
        {"aashto", 6, 5, "Group V - no live load with bearing friction", &kMinFactors, 5,
         Row{0.937f, 0.937f, 0.937f, 0.937f, 0, 0, 0, 1.25f, 1.25f, 0, 0, 0}, 5, 1.4f, 240, 0.0115f},
        {"arema", 7, 7, "Group III - live load with bearing friction", &kMaxFactors, 4,
         Row{1.4f, 1.4f, 1.4f, 1.4f, 2.333f, 0, 0, 0, 1.4f, 1.4f, 0, 0}, 6, 1.4f, 1882, 0.0901275f},
        {"lrfd", 4, 4, "Strength I and Service I - live load with bearing friction", &kMinFactors, 4,
         Row{0.9f, 0.9f, 0.65f, 1, 1.75f, 0, 0, 0.5f, 0.9f, 0, 0, 0}, 2, 1.5f, 360, 0.01724f},
        {"s6", 5, 3, "ULS 4 - no live load with bearing friction", &kSlsFactors, 5,
         Row{1, 1, 1, 1, 0.9f, 0, 0, 0.8f, 1, 1, 0, 0}, 5, 1.0f, 334, 0.016f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criteria);
        const Project p = WithLoads(c.criteria, "english");
        ASSERT_EQ(p.NLC, c.nlc);
        EXPECT_EQ(p.LoadTitle[1], "Construction 1 - place superstructure before backfill");
        EXPECT_EQ(p.LoadTitle[static_cast<std::size_t>(c.titleRow)], c.title);
        Row factors{};
        for (int t = 0; t < kLoadTypes; ++t) factors[t] = (p.*(*c.set)[t])[static_cast<std::size_t>(c.factorRow)];
        EXPECT_EQ(factors, c.factors);
        EXPECT_EQ(p.Fsls[static_cast<std::size_t>(c.fslsRow)], c.fsls);
        EXPECT_NEAR(p.Qsc * 144.0f, c.qscPsf, 0.01f);
        EXPECT_FLOAT_EQ(WithLoads(c.criteria, "metric").Qsc, c.qscMetric);
        // The whole table is replaced (results cleared with it) and the
        // bridge loads are cleared.
        const auto size = static_cast<std::size_t>(p.NLC) + 1;
        EXPECT_EQ(p.LoadTitle.size(), size);
        EXPECT_EQ(p.Vmax, Column(size, 0.0f));
        EXPECT_EQ(p.Pdc + p.yVfr, 0.0f);
    }
    // One 8.5 ft wide railway surcharge; a 6.5 ft compaction depth for s6.
    EXPECT_EQ(WithLoads("arema", "english").Wsc, 102.0f);
    EXPECT_EQ(WithLoads("s6", "metric").Hcp, 2000.0f);
}

TEST(SetDefaultLoads, UnknownCriteriaKeepsCombinationsAndClearsResults) {
    Project p;
    ResetProject(p);
    p.Pdv = 3;
    p.Vsls[2] = 7;
    p.Criteria = "eurocode";
    SetDefaultLoads(p);
    EXPECT_EQ(p.Pdv, 0.0f);
    EXPECT_EQ(p.NLC, 6);
    EXPECT_FLOAT_EQ(p.Fepmax[3], 1.69f);
    EXPECT_EQ(p.Vsls[2], 0.0f);
}

// A new pile-footing project with every essential value given.
Project CompleteProject() {
    Project p;
    ResetProject(p);
    p.Hw = 240, p.Lw = 480, p.Tw = 36, p.Wf = 144, p.Lf = 480, p.Tf = 36;
    p.PileP = 100000;
    p.ResizePileRows(2);
    p.PILEX = {0, 18, 126};
    p.PILEN = {0, 8, 8};
    p.Pdc = 200000;
    p.Asw = 1.0f, p.SAsw = 12, p.Asft = 0.6f, p.SAsft = 12, p.Asfbt = 1.0f, p.SAsfbt = 12;
    return p;
}

// Each case changes the complete project and names the items listed (one
// per line) and whether the run may still go ahead: only missing loads let it.
TEST(CheckInput, ItemsListedAndWhetherTheRunMayGoAhead) {
    const struct {
        const char* what;
        std::function<void(Project&)> change;
        std::string items;
        bool complete;
    } cases[] = {
        {"complete", [](Project&) {}, "", true},
        // Kep is not asked for without bridge loads: Loads listed once.
        {"no loads", [](Project& p) { p.Pdc = 0, p.Kep = 0; }, "Loads\r", true},
        {"no strength", [](Project& p) { p.fc = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        {"no steel", [](Project& p) { p.fs = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        {"no exposure", [](Project& p) { p.ExpFactor = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        {"no unit weight", [](Project& p) { p.rhoc = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        // One item per pile row without piles and per empty combination.
        {"empty rows",
         [](Project& p) {
             p.ResizePileRows(3), p.PILEX[1] = 18, p.PILEN[1] = 8;
             p.ResizeLoadCombinations(3);
         },
         "Pile configuration\rPile configuration\rLoad combinations\rLoad combinations\rLoad combinations\r", false},
        {"no rows, no combinations", [](Project& p) { p.NROWS = -2, p.NLC = 0; },
         "Pile configuration\rLoad combinations\r", false},
        {"fixed heads without curve", [](Project& p) { p.PileHead = "fix"; }, "Pile P-M data\r", false},
        {"fixed heads, no capacity",
         [](Project& p) { p.PileHead = "fix", p.pile3v = 20000, p.PileP = 0, p.PilePu = 0; }, "Pile capacities\r",
         false},
        {"fixed heads, ultimate capacity only",
         [](Project& p) { p.PileHead = "fix", p.pile3v = 20000, p.PileP = 0, p.PilePu = 150000; }, "", true},
        // The defaults give Xr and Xru but no bearing capacity.
        {"spread footing", [](Project& p) { p.FootingType = "spread", p.NROWS = 0, p.PileP = 0, p.PileHead = "fix"; },
         "Spread footing capacities\r", false},
        {"spread footing with ultimate capacity",
         [](Project& p) { p.FootingType = "spread", p.NROWS = 0, p.PileP = 0, p.PileHead = "fix", p.Qu = 0.05f; },
         "", true},
        {"side walls without their output", [](Project& p) { p.Ls = 120, p.chko3 = kFalse; }, "", true},
        {"side walls bare", [](Project& p) { p.Ls = 120, p.chko3 = kTrue; },
         "Side wall configuration\rSide wall reinforcing\r", false},
        {"side walls without bars",
         [](Project& p) { p.Ls = 120, p.chko3 = kTrue, p.Tst = 12, p.Tsb = 18, p.Asws = 0.44f; },
         "Side wall reinforcing\r", false},
        // Option keywords are compared exactly; a pile row needs at least one
        // pile and no more battered piles than piles.
        {"unknown units", [](Project& p) { p.Units = "furlongs"; }, "Options (Units \"furlongs\")\r", false},
        {"keywords with a blank or a capital", [](Project& p) { p.Criteria = " aashto", p.WallType = "Haunch"; },
         "Options (WallType \"Haunch\")\rOptions (Criteria \" aashto\")\r", false},
        {"design keyword", [](Project& p) { p.ConcreteDesign = "both "; }, "Options (ConcreteDesign \"both \")\r",
         false},
        {"footing keyword", [](Project& p) { p.FootingType = "raft"; },
         "Options (FootingType \"raft\")\rSpread footing capacities\r", false},
        {"pile head keyword", [](Project& p) { p.PileHead = "pinned"; }, "Options (PileHead \"pinned\")\r", false},
        {"negative pile count", [](Project& p) { p.PILEN[1] = -8; }, "Pile configuration\r", false},
        {"battered piles out of range", [](Project& p) { p.PILENB[1] = -1, p.PILENB[2] = 9; },
         "Pile configuration\rPile configuration\r", false},
        {"every pile battered", [](Project& p) { p.PILENB[1] = 8; }, "", true},
        {"spread footing, any pile head",
         [](Project& p) { p.FootingType = "spread", p.Q = 1, p.Xr = 0.3f, p.PileHead = ""; }, "", true},
        {"new project, every item in its order",
         [](Project& p) {
             ResetProject(p);
             p.PileHead = "fix", p.Ls = 60, p.chko3 = kTrue;
             p.ResizeLoadCombinations(1);
         },
         "Pile capacities\rPile P-M data\rAbutment configuration\rPile configuration\rLoads\rLoad combinations\r"
         "Abutment reinforcing\rSide wall configuration\rSide wall reinforcing\r",
         false},
    };
    for (const auto& c : cases) {
        Project p = CompleteProject();
        p.InputComplete = c.complete ? kFalse : kTrue;  // the check sets the flag either way
        c.change(p);
        EXPECT_EQ(CheckInput(p), "The following information is not complete:\r\r" + c.items) << c.what;
        EXPECT_EQ(p.InputComplete, c.complete ? kTrue : kFalse) << c.what;
    }
}

// A new project (six AASHTO combinations) with results and MIN* factors as
// a run leaves them, so that clearing them can be seen.
Project AfterARun() {
    Project p;
    ResetProject(p);
    for (std::size_t i = 1; i <= 6; ++i) {
        p.Vmax[i] = 100.0f * static_cast<float>(i);
        p.Fdaminst[i] = 1.0f;
    }
    return p;
}

// The title and every factor of combination i, Fsls last.
struct CombinationRow {
    std::string title;
    std::vector<float> factors;
    bool operator==(const CombinationRow&) const = default;
};
CombinationRow RowOf(const Project& p, std::int32_t i) {
    const auto k = static_cast<std::size_t>(i);
    CombinationRow r{p.LoadTitle[k], {}};
    for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr col : *set) r.factors.push_back((p.*col)[k]);
    r.factors.push_back(p.Fsls[k]);
    return r;
}

void ExpectAllColumnsSized(const Project& p) {
    const auto size = static_cast<std::size_t>(p.NLC) + 1;
    EXPECT_EQ(p.LoadTitle.size(), size);
    EXPECT_EQ(p.Fsls.size(), size);
    for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr col : *set) EXPECT_EQ((p.*col).size(), size);
    for (ColumnPtr col : kMinStarFactors) EXPECT_EQ((p.*col), Column(size, 0.0f));
    for (ColumnPtr col : kCombinationResults) EXPECT_EQ((p.*col), Column(size, 0.0f));
}

TEST(InsertLoadCombination, AfterRowTwoOfSixAndAtTheEnds) {
    Project p = AfterARun();
    std::vector<CombinationRow> before;
    for (std::int32_t i = 1; i <= 6; ++i) before.push_back(RowOf(p, i));

    EXPECT_EQ(InsertLoadCombination(p, 2), 3);
    EXPECT_EQ(p.NLC, 7);
    ExpectAllColumnsSized(p);
    EXPECT_EQ(RowOf(p, 2), before[1]);
    CombinationRow fresh{"", std::vector<float>(36, 0.0f)};
    fresh.factors.push_back(1.0f);  // SLS stress increase factor of a new row
    EXPECT_EQ(RowOf(p, 3), fresh);
    for (std::int32_t i = 4; i <= 7; ++i) EXPECT_EQ(RowOf(p, i), before[static_cast<std::size_t>(i - 2)]);

    EXPECT_EQ(InsertLoadCombination(p, 0), 1);  // before the first
    EXPECT_EQ(RowOf(p, 2), before[0]);
    EXPECT_EQ(InsertLoadCombination(p, 99), 9);  // a row past the end is the last
    EXPECT_EQ(p.Fsls[9], 1.0f);
    ExpectAllColumnsSized(p);
}

TEST(DeleteLoadCombination, MiddleLastOnlyAndOutsideRows) {
    Project p = AfterARun();
    EXPECT_EQ(DeleteLoadCombination(p, 9), 6);  // outside the table: nothing changes
    EXPECT_EQ(DeleteLoadCombination(p, 0), 1);
    EXPECT_EQ(p.Vmax[2], 200.0f);

    const CombinationRow third = RowOf(p, 3), fifth = RowOf(p, 5);
    EXPECT_EQ(DeleteLoadCombination(p, 4), 4);  // the next row takes its place
    EXPECT_EQ(p.NLC, 5);
    ExpectAllColumnsSized(p);
    EXPECT_EQ(RowOf(p, 3), third);
    EXPECT_EQ(RowOf(p, 4), fifth);
    EXPECT_EQ(DeleteLoadCombination(p, 5), 4);  // the last row: the new last one is shown

    for (int i = 0; i < 3; ++i) DeleteLoadCombination(p, 1);
    EXPECT_EQ(RowOf(p, 1), fifth);
    EXPECT_EQ(DeleteLoadCombination(p, 1), 1);  // the only combination stays
    EXPECT_EQ(p.NLC, 1);
    EXPECT_EQ(p.LoadTitle.size(), 2u);
}

TEST(TableRows, CountsAndArraysThatDisagree) {
    Project p = AfterARun();
    p.ResizeLoadCombinations(0);  // a count of 0 keeps the old arrays
    EXPECT_EQ(p.LoadTitle.size(), 7u);
    EXPECT_EQ(LoadCombinationRows(p), 0);
    EXPECT_EQ(DeleteLoadCombination(p, 1), 0);
    // Adding to an empty table starts it afresh with one new row; the rows
    // left in memory are not brought back.
    EXPECT_EQ(InsertLoadCombination(p, 3), 1);
    EXPECT_EQ(p.NLC, 1);
    ExpectAllColumnsSized(p);

    p.NLC = 4;  // a count larger than the arrays: only the rows held count
    EXPECT_EQ(LoadCombinationRows(p), 1);
    p.Fepmin.pop_back();
    EXPECT_EQ(LoadCombinationRows(p), 0);

    p.ResizePileRows(3);
    EXPECT_EQ(PileRowCount(p), 3);
    p.NROWS = -2;
    EXPECT_EQ(PileRowCount(p), 0);
    p.NROWS = 5;
    EXPECT_EQ(PileRowCount(p), 3);
    p.PILENB.resize(3);
    EXPECT_EQ(PileRowCount(p), 2);
}

// The fields of an input file text, split at commas and line ends.
std::vector<std::string> FileFields(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == ',' || c == '\n') out.emplace_back();
        else if (c != '\r') out.back() += c;
    }
    return out;
}

TEST(ChangeUnits, ConvertsEveryValueAndRoundTripsToSixDigits) {
    Project p = testing::LoadExample("pile-aashto-both-sidewalls-english");
    p.pile1v = 20000, p.pile1m = 1.2e6f, p.Qsc = 1.666667f, p.Wbarrier = 41.66667f;

    Project m = p;
    ChangeUnits(m, "metric");
    EXPECT_EQ(m.LblLength, "m");
    // One value of each kind, converted by hand (English display -> Metric display).
    const std::pair<double, double> byHand[] = {
        {m.Hw / 1000.0, 14 * 0.3048},                  // 14 ft wall height -> m
        {m.PILEX[1] / 1000.0, 1.5 * 0.3048},           // pile row 1.5 ft from the toe
        {m.SAsw, 12 * 25.4},                           // bar spacing 12 in -> mm
        {m.Asw, 0.79 * 645.16},                        // bar area in^2 -> mm^2
        {m.PileP / 1000.0, 100 * 4.4482216},           // 100 kip pile capacity -> kN
        {m.pile1m / 1e6, 100 * 1.3558179},             // 100 k-ft -> kN-m
        {m.fc, 4000 * 0.006894757},                    // psi -> MPa
        {m.Qsc * 1000.0, 240 * 0.04788026},            // 240 psf surcharge -> kPa
        {m.rhoc * 1e6, 150 * 0.1570875},               // 150 pcf concrete -> kN/m^3
        {m.Wbarrier, 0.5 * 14.593903},                 // 0.5 kip/ft barrier -> kN/m
        {m.ExpFactor, 130000 * 0.17512683},            // crack control z, lb/in -> N/mm
        {m.Fdamax[3], 1.3},                            // load factors have no unit
    };
    for (const auto& [converted, expected] : byHand) EXPECT_NEAR(converted, expected, 5e-6 * expected);

    ChangeUnits(m, "english");
    const std::vector<std::string> before = FileFields(InputFileText(p)), after = FileFields(InputFileText(m));
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        char* end = nullptr;
        const double a = std::strtod(before[i].c_str(), &end), b = std::strtod(after[i].c_str(), nullptr);
        if (before[i].empty() || *end != '\0') {  // texts and keywords
            EXPECT_EQ(after[i], before[i]);
            continue;
        }
        EXPECT_NEAR(b, a, 5e-6 * std::fabs(a)) << "field " << i << " of the file";
    }

    // Unitless exposure factor under AASHTO LRFD; an unknown system converts nothing.
    p.Criteria = "lrfd";
    p.ExpFactor = 1;
    ChangeUnits(p, "metric");
    EXPECT_EQ(p.ExpFactor, 1.0f);
    const float hw = p.Hw;
    ChangeUnits(p, "imperial");
    ChangeUnits(p, "english");
    EXPECT_EQ(p.Hw, hw);
}

}  // namespace
}  // namespace qelvorn
