// Footing toe and heel design from the footing-load tables: which blocks
// are written, the governing searches and the checks by criteria.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/footing_toe_heel.h"
#include "analysis/sections.h"
#include "model/defaults.h"
#include "report/report.h"
#include "sample_projects.h"

namespace qelvorn {
namespace {

using testing::FootingStripProject;
// The report lines of the design of p.
std::vector<std::string> Design(Project& p) {
    Report r;
    DesignFootingToeHeel(p, r);
    return testing::ReportLines(r.contents());
}

using testing::CountLines;
using testing::LinesBetween;

// The line that follows the first line containing `heading`.
std::string After(const std::vector<std::string>& lines, const std::string& heading, int offset) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(heading) != std::string::npos && i + offset < lines.size()) return lines[i + offset];
    return {};
}

TEST(FootingToeHeel, ToeBlockOnlyWithAToeAndHeelBlockOnlyWithAHeel) {
    Project p = FootingStripProject(1);
    p.Mheel(1, 1) = -200000;
    p.Mheel(5, 1) = -150000;
    p.Dt = 0;
    p.Wf = 84;  // heel 60 in behind a 24 in stem
    Project q = FootingStripProject(1);
    q.Wf = 60;  // a stem that reaches the heel edge: toe only
    for (const auto& [project, toe, heel] : {std::tuple{&p, 0, 1}, std::tuple{&q, 1, 0}}) {
        const auto lines = Design(*project);
        EXPECT_EQ(CountLines(lines, "F O O T I N G   T O E"), toe);
        EXPECT_EQ(CountLines(lines, "F O O T I N G   H E E L"), heel);
        EXPECT_EQ(CountLines(lines, "TEMPERATURE AND SHRINKAGE:"), 1);
    }
}

// All toe moments negative: top bars only, no shear anywhere. Ultimate top
// moment: the most negative cell, k = 4 of comb 2, with the top-bar depth
// 24 - 2 - 0.50 in. Under service design a heel without shear or bottom
// tension likewise, its ultimate cells ignored.
TEST(FootingToeHeel, NoShearAndNoBottomTensionVariants) {
    Project p = FootingStripProject(2);
    for (int c = 1; c <= 2; ++c)
        for (int k = 1; k <= 5; ++k) p.Mtoe(k, c) = -1000.0f * static_cast<float>(k + c);
    const auto toe = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(CountLines(toe, "NO TENSION AT FOOTING BOTTOM:"), 2);
    EXPECT_EQ(CountLines(toe, "          TENSION AT FOOTING TOP:"), 2);
    EXPECT_EQ(CountLines(toe, "          ==> No shear in footing toe"), 1);
    EXPECT_EQ(CountLines(toe, "MOMENT (Comb 2):"), 1);
    EXPECT_EQ(CountLines(toe, "Factored moment = 6.000 k-ft/ft"), 1);
    EXPECT_EQ(CountLines(toe, "Effective depth = 21.50 in"), 2);
    Project q = FootingStripProject(1);
    q.ConcreteDesign = "sld";
    q.Mheel(1, 1) = 500000;
    q.Mheel(5, 1) = -60000;
    const auto heel = LinesBetween(Design(q), "F O O T I N G   H E E L", "TEMPERATURE AND SHRINKAGE:");
    EXPECT_EQ(CountLines(heel, "          ==> No shear in footing heel"), 1);
    EXPECT_EQ(CountLines(heel, "NO TENSION AT FOOTING BOTTOM:"), 1);
    EXPECT_EQ(CountLines(heel, "Service moment  = 60.000 k-ft/ft"), 1);
}

TEST(FootingToeHeel, UltimateShearGovernsByStressWithTheDepthOfItsSign) {
    Project p = FootingStripProject(2);
    p.Vtoe(3, 1) = -1040;  // larger shear, on the deeper top bars: 48.38 lb/in^2
    p.Vtoe(2, 2) = 1000;   // on the bottom bars: 1000 / 20.50 = 48.78 lb/in^2
    const auto toe = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(After(toe, "SHEAR (Comb", 0), "          SHEAR (Comb 2):");
    EXPECT_EQ(After(toe, "SHEAR (Comb", 2), "          Effective depth = 20.50 in");
    p.Vtoe(2, 2) = 900;
    const auto toe2 = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(After(toe2, "SHEAR (Comb", 0), "          SHEAR (Comb 1):");
    EXPECT_EQ(After(toe2, "SHEAR (Comb", 2), "          Effective depth = 21.50 in");
}

TEST(FootingToeHeel, ServiceMomentGovernsByRatioToItsIncreaseFactor) {
    Project p = FootingStripProject(3);
    p.Mtoe(5, 1) = 100000;  // ratio 100000
    p.Mtoe(5, 2) = 120000;  // larger moment, ratio 80000
    p.Fsls[2] = 1.5f;
    p.Mtoe(5, 3) = 150000;  // ratio 100000: the tie keeps comb 1
    p.Fsls[3] = 1.5f;
    const auto toe = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(CountLines(toe, "CRACK CONTROL (Comb 1):"), 1);
    EXPECT_EQ(CountLines(toe, "Service moment   = 100.000 k-ft/ft"), 1);
}

TEST(FootingToeHeel, ZeroIncreaseFactorEndsTheRunWithACalculationError) {
    Project p = FootingStripProject(2);
    p.Mtoe(5, 1) = 100000;
    p.Fsls[2] = 0.0f;
    Report r;
    EXPECT_THROW(DesignFootingToeHeel(p, r), CalculationFault);
    EXPECT_EQ(r.allText().find("nan"), std::string::npos);
    ClearArithmeticFaults();
}

}  // namespace
}  // namespace qelvorn
