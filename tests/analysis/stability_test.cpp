// Unfactored loads of the abutment and their combinations, worked out by
// hand in feet and kips for the sample abutment of sample_projects.h; the
// vertical resultant where no example reaches it: an earthquake factor
// without earthquake pressure, ties, a resultant outside the footing,
// locations left from an earlier run, and divisions by zero.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/sections.h"
#include "analysis/stability.h"
#include "analysis/sample_projects.h"

namespace qelvorn {
namespace {

using namespace qelvorn::stability_testing;

// Single precision: agree to about six significant digits.
#define EXPECT_CLOSE(actual, expected) EXPECT_NEAR((actual), (expected), 1e-5 * std::fabs(expected) + 1e-6)

// Weights in kip of the sample's concrete pieces (150 pcf, 30 ft of wall):
// back wall 5 x 1.5, the stem's top running 0.5 ft on behind it as a
// triangle over the back wall height, stem 15 x 4, footing 14 x 30 x 3.
constexpr double kBack = 5 * 1.5 * 30 * 0.15, xBack = 4 + 2 + 0.75;                 // 33.75
constexpr double kWedge = 0.5 * 5 / 2 * 30 * 0.15, xWedge = 4 + 2 + 1.5 + 0.5 / 3;  // 5.625
constexpr double kStem = 15 * 4 * 30 * 0.15, xStem = 4 + 2;                          // 270
constexpr double kFooting = 14 * 30 * 3 * 0.15, xFooting = 7;                        // 189
constexpr double kWalls = kBack + kWedge + kStem;
constexpr double kWallsMoment = kBack * xBack + kWedge * xWedge + kStem * xStem;
// Soil on the heel: 6 ft behind the stem over its 15 ft, 6.5 ft behind the
// back wall over its 5 ft less the wedge; soil over the toe 4 x 2 x 30.
constexpr double kHeelArea = 6 * 15 + 6.5 * 5 - 0.5 * 5 / 2;  // 121.25 ft^2
constexpr double kHeelSoilMoment = 6 * 15 * 11 + 6.5 * 5 * 10.75 - 0.5 * 5 / 2 * xWedge;
constexpr double kHeelSoil = kHeelArea * 30 * 0.12, xHeelSoil = kHeelSoilMoment / kHeelArea;
constexpr double kToeSoil = 4 * 2 * 30 * 0.12;
constexpr double kHtot = 23;

TEST(StabilityComponents, NoHaunchAbutmentWithoutSideWalls) {
    Project p = SampleAbutment();
    StabilityLines(p);

    EXPECT_CLOSE(ToKip(p.Wda), kWalls + kFooting);  // 498.375
    EXPECT_CLOSE(ToKipft(p.Mda), kWallsMoment + kFooting * xFooting);
    EXPECT_CLOSE(ToKip(p.Wde), kHeelSoil + kToeSoil);  // 436.5 + 28.8
    EXPECT_CLOSE(ToKipft(p.Mde), kHeelSoil * xHeelSoil + kToeSoil * 2);

    // Surcharge over the heel along the whole wall, at mid-heel.
    EXPECT_CLOSE(ToKipft(p.Mscv), 0.24 * 6.5 * 30 * (7.5 + 6.5 / 2));
    // Bridge loads at the bearing, 1 ft behind the stem face.
    EXPECT_CLOSE(ToKipft(p.Mdc), 300.0 * 5);

    // Longitudinal forces at their height above the seat (18 ft up).
    EXPECT_CLOSE(ToKipft(p.Mlf), 10.0 * (18 + 6));
    EXPECT_CLOSE(ToKipft(p.Mfr), 20.0 * 18);
    // Earth pressure K gamma H^2 / 2 over the 30 ft wall at Yep H.
    const double pep = 0.3 * 0.12 * kHtot * kHtot / 2 * 30;
    EXPECT_CLOSE(ToKip(p.Pep), pep);  // 285.66
    EXPECT_CLOSE(ToKipft(p.Mep), pep * 0.4 * kHtot);
    // Compaction 0.5 ksf at the top falling to zero 5 ft down: a triangle
    // whose resultant lies 5/3 ft below the top.
    EXPECT_CLOSE(ToKip(p.Pcp), 0.5 * 5 / 2 * 30);
    EXPECT_CLOSE(ToKipft(p.Mcp), 0.5 * 5 / 2 * 30 * (kHtot - 5.0 / 3));
    // Surcharge K q over the full height, at mid-height.
    EXPECT_CLOSE(ToKip(p.Psc), 0.3 * 0.24 * kHtot * 30);
    EXPECT_CLOSE(ToKipft(p.Msc), 0.3 * 0.24 * kHtot * 30 * kHtot / 2);

    // Volumes in ft^3: the walls over the wall length, the footing.
    EXPECT_CLOSE(p.Volw / 1728.0, kWalls / 0.15);
    EXPECT_CLOSE(p.Volf / 1728.0, 14.0 * 30 * 3);
}

TEST(StabilityComponents, MinimumStarRaisesOnlyFactorsBetweenZeroAndOne) {
    Project p = SampleAbutment();
    p.Pdv = Kip(50);
    p.Fdamin[1] = 0.9f;   // raised to 1
    p.Fdcmin[1] = 0.0f;   // stays 0
    p.Fdvmin[1] = 1.25f;  // stays 1.25
    p.Fdemin[1] = -0.5f;  // stays negative
    p.Fl1min[1] = 0.5f;   // not a dead load: stays
    StabilityLines(p);

    EXPECT_EQ(p.Fdaminst[1], 1.0f);
    EXPECT_EQ(p.Fdeminst[1], -0.5f);
    const double wda = kWalls + kFooting, wde = kHeelSoil + kToeSoil;
    EXPECT_CLOSE(ToKip(p.Vminst[1]), wda + 1.25 * 50 - 0.5 * wde + 0.5 * 100);
    EXPECT_CLOSE(ToKip(p.Vmin[1]), 0.9 * wda + 1.25 * 50 - 0.5 * wde + 0.5 * 100);
}

TEST(StabilityFaults, ZeroHeelLengthOrSoilWeightEndsTheRunInThisSection) {
    Project p = SampleAbutment();
    p.Wf = Ft(7.5f);  // footing ends at the back of the back wall
    Report r;
    ClearArithmeticFaults();
    try {
        Stability(p, r);
        FAIL() << "expected a calculation fault";
    } catch (const CalculationFault& f) {
        EXPECT_EQ(f.cause(), "zero heel length");
    }
    EXPECT_NE(r.allText().find("S T A B I L I T Y"), std::string::npos);
    EXPECT_EQ(r.allText().find("UNFACTORED"), std::string::npos);

    Project q = SampleAbutment();
    q.rhos = 0;  // Wde = 0
    Report r2;
    ClearArithmeticFaults();
    EXPECT_THROW(Stability(q, r2), CalculationFault);
    ClearArithmeticFaults();
}

// ---------------------------------------------------------------- vertical resultant

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
