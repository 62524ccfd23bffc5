// The vertical resultant section where no example reaches it: an earthquake
// factor without earthquake pressure, ties, a resultant outside the footing,
// locations left from an earlier run, and divisions by zero.
#include <gtest/gtest.h>

#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "model/defaults.h"

namespace qelvorn {
namespace {

using namespace qelvorn::stability_testing;

// The lines from the one that contains `from` to the end.
std::vector<std::string> From(const std::vector<std::string>& lines, const std::string& from) {
    return testing::LinesBetween(lines, from, "\n");
}

// A second combination equal to the first.
void DuplicateCombination(Project& p) {
    Project q = p;
    p.ResizeLoadCombinations(2);
    for (auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr c : *set) (p.*c)[1] = (p.*c)[2] = (q.*c)[1];
    p.Fsls[1] = p.Fsls[2] = 1.0f;
}

TEST(ResultantReport, EarthquakeFactorWithoutEarthquakePressureIsOrdinaryAndTiesNameTheFirst) {
    // Combination 2 repeats 1 with an earthquake factor but Peq = 0: no EQ
    // labels, and the tie of the two service resultants names combination 1.
    Project p = SampleAbutment();
    p.Keq = 0;
    DuplicateCombination(p);
    p.Feqsls[2] = 1.0f;
    p.Feqmax[2] = 1.0f;
    const auto lines = From(StabilityLines(p), "VERTICAL RESULTANT:");
    EXPECT_EQ(testing::CountLines(lines, " EQ"), 0);
    EXPECT_EQ(lines.back(), "               SLS Resultant (Comb 1)       = 0.396   < 0.500 OKAY");
}

TEST(ResultantReport, ResultantOutsideTheFooting) {
    // A large longitudinal force overturns the abutment: the resultant lies
    // in front of the toe, its signed ratio above 1, the maximum its size.
    Project p = SampleAbutment();
    p.Vlf = Kip(600);
    const auto lines = StabilityLines(p);
    ASSERT_LT(p.Xsls[1], 0.0f);
    const float ratio = (p.Wf - 2 * p.Xsls[1]) / p.Wf;
    EXPECT_GT(ratio, 1.0f);
    const auto resultant = From(lines, "VERTICAL RESULTANT:");
    EXPECT_EQ(resultant[8].substr(39, 1), "-");  // negative toe distance
    EXPECT_NE(resultant.back().find("NO GOOD ***"), std::string::npos);
}

TEST(ResultantReport, LocationsAreRecreatedEveryRun) {
    Project p = SampleAbutment();
    StabilityLines(p);
    EXPECT_NE(p.Xuls1[1], 0.0f);
    p.ConcreteDesign = "sld";
    p.Xuls2st.assign(9, 5.0f);  // stale values of an earlier project
    StabilityLines(p);
    for (auto* col : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st}) ASSERT_EQ(col->size(), 2u);
    EXPECT_EQ(p.Xuls1[1], 0.0f);
    EXPECT_EQ(p.Xuls2st[1], 0.0f);
    EXPECT_NE(p.Xsls[1], 0.0f);
}

TEST(ResultantReport, ZeroMinimumVerticalLoadEndsTheRun) {
    Project p = SampleAbutment();
    for (ColumnPtr c : kMinFactors) (p.*c)[1] = 0.0f;  // Vmin = 0 while Vmax is not
    Report r;
    ClearArithmeticFaults();
    EXPECT_THROW(Stability(p, r), CalculationFault);
    const auto lines = Lines(r);
    // Case 1 is written, case 2 is not.
    EXPECT_NE(lines.back().find("ULS    1"), std::string::npos);
    ClearArithmeticFaults();
}

TEST(ResultantReport, ZeroFootingWidthEndsTheRunWithoutHalfARow) {
    Project p = SampleAbutment();
    p.Wf = 0;  // the resultant location ratio divides by the footing width
    Report r;
    ClearArithmeticFaults();
    EXPECT_THROW(Stability(p, r), CalculationFault);
    // The table head and the empty line before the first combination stand;
    // nothing of its row is written.
    EXPECT_EQ(r.pendingLine(), "");
    const auto lines = Lines(r);
    EXPECT_EQ(lines[lines.size() - 2], "         -------------------------------------------------------------");
    EXPECT_EQ(lines.back(), "");
    ClearArithmeticFaults();
}

}  // namespace
}  // namespace qelvorn
