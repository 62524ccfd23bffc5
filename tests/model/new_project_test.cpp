// A new project, the criteria defaults and the default load combinations.
#include <gtest/gtest.h>

#include <array>
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

}  // namespace
}  // namespace qelvorn
