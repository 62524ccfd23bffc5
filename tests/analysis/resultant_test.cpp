// The combination table and the vertical resultant section as the engineer
// reads them: which rows appear for each criteria and design method, the
// earthquake labels, and the maximum resultant location checks.
#include <gtest/gtest.h>

#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "model/defaults.h"
#include "stability_sample.h"

namespace qelvorn {
namespace {

using namespace qelvorn::stability_testing;

// The lines from the one that contains `from` up to the next that contains
// `to`, or to the end.
std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to = "\n") {
    return testing::LinesBetween(lines, from, to);
}

int Count(const std::vector<std::string>& lines, const std::string& what) { return testing::CountLines(lines, what); }

// A second combination equal to the first.
void DuplicateCombination(Project& p) {
    Project q = p;
    p.ResizeLoadCombinations(2);
    for (auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr c : *set) (p.*c)[1] = (p.*c)[2] = (q.*c)[1];
    p.Fsls[1] = p.Fsls[2] = 1.0f;
}

TEST(ResultantReport, S6ChecksCase2StarInPlaceOfCase2) {
    Project p = SampleAbutment();
    p.Criteria = "s6";
    const auto lines = StabilityLines(p);

    const auto combos = Between(lines, "RESULTANT LOAD COMBINATIONS:", "VERTICAL RESULTANT:");
    // MIN*: the 0.9 dead-load minima raised to 1, live loads absent:
    // 300 + 498.375 + 465.3 = 1263.7 kip.
    ASSERT_GE(FindLine(combos, "ULS MIN*"), 0);
    EXPECT_EQ(combos[static_cast<std::size_t>(FindLine(combos, "ULS MIN*"))],
              "                   ULS MIN*  1263.7    9558.8");

    const auto resultant = Between(lines, "VERTICAL RESULTANT:");
    EXPECT_EQ(Count(resultant, "  2*  "), 1);
    // Case 2 (ratio 0.786) is printed but left out of the maximum; case 2*
    // (0.699) governs against Xru = 0.6.
    EXPECT_EQ(Count(resultant, "0.786"), 1);
    EXPECT_EQ(resultant.back(), "               ULS Resultant (Comb 1)       = 0.699   > 0.600 NO GOOD ***");
}

TEST(ResultantReport, ServiceLoadDesignPrintsServiceRowsOnly) {
    Project p = SampleAbutment();
    p.ConcreteDesign = "sld";
    const auto lines = StabilityLines(p);

    const auto combos = Between(lines, "RESULTANT LOAD COMBINATIONS:", "VERTICAL RESULTANT:");
    EXPECT_EQ(Count(combos, "ULS"), 0);
    EXPECT_EQ(Count(combos, "SLS"), 1);
    EXPECT_NE(p.Vmax[1], 0.0f);  // the ultimate values are still worked out

    const auto resultant = Between(lines, "VERTICAL RESULTANT:");
    // (Mr - Mo) / V = 4.227 ft (stability_test.cpp): ratio (14 - 2 x 4.227) / 14
    EXPECT_EQ(resultant[8], "          1     SLS    -     1410.5    4.227     0.396");
    EXPECT_EQ(Count(resultant, "ULS"), 0);  // no ultimate rows, no ULS CASES legend
    EXPECT_EQ(p.Xuls1[1], 0.0f);
    EXPECT_EQ(resultant.back(), "               SLS Resultant (Comb 1)       = 0.396   < 0.500 OKAY");
}

TEST(ResultantReport, UltimateRowCarriesTheNumberWithoutAServiceRow) {
    Project p = SampleAbutment();
    DuplicateCombination(p);
    for (ColumnPtr c : kSlsFactors) (p.*c)[2] = 0.0f;
    const auto lines = StabilityLines(p);

    const auto combos = Between(lines, "RESULTANT LOAD COMBINATIONS:", "VERTICAL RESULTANT:");
    EXPECT_EQ(Count(combos, "          2        ULS MAX   2115.7"), 1);
    const auto resultant = Between(lines, "VERTICAL RESULTANT:");
    EXPECT_EQ(Count(resultant, "          2     ULS    1     2115.7"), 1);
    EXPECT_EQ(Count(resultant, " SLS     "), 1);
}

TEST(ResultantReport, PileFootingHasNoMaximumChecks) {
    Project p = SampleAbutment();
    p.FootingType = "pile";
    const auto lines = StabilityLines(p);
    EXPECT_EQ(Count(lines, "ULS CASES:"), 1);
    EXPECT_EQ(Count(lines, "MAXIMUM RESULTANT"), 0);
    EXPECT_EQ(lines.back(), "              Case 4  = Min vertical + min overturning");
    EXPECT_NE(p.Xuls4[1], 0.0f);  // the locations are still kept for the pile loads
}

TEST(ResultantReport, EarthquakeFactorWithoutEarthquakePressureIsOrdinaryAndTiesNameTheFirst) {
    // Combination 2 repeats 1 with an earthquake factor but Peq = 0: no EQ
    // labels, and the tie of the two service resultants names combination 1.
    Project p = SampleAbutment();
    p.Keq = 0;
    DuplicateCombination(p);
    p.Feqsls[2] = 1.0f;
    p.Feqmax[2] = 1.0f;
    const auto lines = Between(StabilityLines(p), "VERTICAL RESULTANT:");
    EXPECT_EQ(Count(lines, " EQ"), 0);
    EXPECT_EQ(lines.back(), "               SLS Resultant (Comb 1)       = 0.396   < 0.500 OKAY");
}

TEST(ResultantReport, EarthquakeCombinationsAreCheckedAgainstXreq) {
    Project p = SampleAbutment();
    p.Keq = 0.1f;
    p.Yeq = 0.5f;
    DuplicateCombination(p);
    p.Feqsls[2] = 1.0f;
    p.Feqmax[2] = 1.0f;

    auto lines = Between(StabilityLines(p), "VERTICAL RESULTANT:");
    EXPECT_EQ(Count(lines, "SLS EQ"), 2);  // one row and one check line
    EXPECT_EQ(Count(lines, "ULS EQ"), 4);  // cases 1 to 4 of combination 2, no ULS check
    EXPECT_EQ(Count(lines, "SLS EQ Resultant (Comb 2)"), 1);

    // LRFD compares the ultimate groups; the earthquake line says " OKAY ".
    p.Criteria = "lrfd";
    p.Xreq = 2.0f;
    lines = Between(StabilityLines(p), "VERTICAL RESULTANT:");
    EXPECT_EQ(lines.back().substr(0, 44), "               ULS EQ Resultant (Comb 2)    ");
    EXPECT_EQ(lines.back().substr(54), "< 2.000  OKAY ");
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
    const auto resultant = Between(lines, "VERTICAL RESULTANT:");
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

// AREMA designed by both methods: the ultimate rows and the legend are
// printed, but only the service groups are checked (against Xr and Xreq).
TEST(ResultantReport, AremaBothChecksOnlyTheServiceGroups) {
    Project p = SampleAbutment();
    p.Criteria = "arema";
    p.ConcreteDesign = "both";
    const auto lines = StabilityLines(p);
    const auto resultant = Between(lines, "VERTICAL RESULTANT:");
    EXPECT_EQ(Count(resultant, "ULS    "), 4);
    EXPECT_EQ(Count(resultant, "ULS CASES:"), 1);
    // Case 2 lies at 0.739 but only the service resultant is checked.
    EXPECT_EQ(Count(resultant, "0.739"), 1);
    EXPECT_EQ(resultant.back(), "               SLS Resultant (Comb 1)       = 0.384   < 0.500 OKAY");
    EXPECT_EQ(Count(resultant, "ULS Resultant"), 0);
}

// A metric abutment in mm and N: kN, kN-m and m in the table heads, and the
// loads worked out by hand in m and kN.
//   no haunch, Hw 6 m, back wall 1.5 x 0.45 m, seat 0.6 m, stem 1.2 m, toe
//   1.2 m, footing 4.2 x 10 x 0.9 m, wall 10 m, soil 0.6 m over the toe,
//   concrete 24 and soil 20 kN/m^3, Kep 0.3 at 0.4 H.
Project MetricAbutment() {
    Project p;
    p.Units = "metric";
    SetUnits(p);
    p.WallType = "nohaunch";
    p.FootingType = "spread";
    p.Criteria = "lrfd";
    p.ConcreteDesign = "usd";
    p.rhoc = 24e-6f; p.rhos = 20e-6f;
    p.Hw = 6000; p.Ht = 600; p.Lw = 10000; p.Tw = 1200; p.Hb = 1500; p.Tb = 450; p.Ts = 600; p.Db = 333;
    p.Dt = 1200; p.Wf = 4200; p.Lf = 10000; p.Tf = 900;
    p.Kep = 0.3f; p.Yep = 0.4f; p.Pdc = 2001000;
    p.Xr = 0.5f; p.Xru = 0.4f; p.Xreq = 0.6f;
    p.ResizeLoadCombinations(1);
    for (ColumnPtr c : {&Project::Fdasls, &Project::Fdcsls, &Project::Fdesls, &Project::Fepsls}) (p.*c)[1] = 1.0f;
    p.Fsls[1] = 1.0f;
    for (ColumnPtr c : {&Project::Fdamax, &Project::Fdcmax, &Project::Fdemax}) (p.*c)[1] = 1.25f;
    p.Fepmax[1] = 1.5f;
    for (ColumnPtr c : {&Project::Fdamin, &Project::Fdcmin, &Project::Fdemin, &Project::Fepmin}) (p.*c)[1] = 0.9f;
    return p;
}

TEST(StabilityReport, MetricLabelsAndLoadsByHand) {
    Project p = MetricAbutment();
    const auto lines = StabilityLines(p);
    // Walls: back wall 0.675 m^2 at 2.025 m, the stem's top behind it
    // 0.15 x 1.5 / 2 at 2.3 m, stem 4.5 x 1.2 at 1.8 m, over 10 m at 24:
    // 1485 kN, 2722.95 kN-m; footing 37.8 m^3 x 24 = 907.2 kN at 2.1 m.
    EXPECT_NE(FindLine(lines, "         Dead load abutment            2392.2         4628.1"), -1);
    // Heel soil: 3 x 6 less the seat 0.9 and the walls 6.1875 = 10.9125 m^2
    // over 10 m at 20 = 2182.5 kN, first moment 35.904 m^3 x 200 = 7180.875;
    // toe soil 10 x 1.2 x 0.6 x 20 = 144 kN at 0.6 m.
    EXPECT_NE(FindLine(lines, "         Dead load earth               2326.5         7267.3"), -1);
    // 0.3 x 10 x 20 x 6.9^2 / 2 = 1428.3 kN at 0.4 x 6.9 m.
    EXPECT_NE(FindLine(lines, "         Lateral earth pressure        1428.3         3942.1"), -1);
    // Service: V = 6719.7 kN, Mr = 14962.88, H = 1428.3, Mo = 3942.11.
    EXPECT_NE(FindLine(lines, "          1        SLS       6719.7    14962.9   1428.3    3942.1"), -1);

    const auto resultant = Between(lines, "VERTICAL RESULTANT:");
    // (14962.88 - 3942.11) / 6719.7 = 1.640 m: ratio (4.2 - 3.280) / 4.2.
    EXPECT_EQ(resultant[8], "          1     SLS          6719.7    1.640     0.219");
    // Case 2: (13466.59 - 5913.16) / 6047.73 = 1.249 m, ratio 0.405, the
    // largest of the four; LRFD checks it against Xru.
    EXPECT_EQ(resultant[10], "                ULS    2     6047.7    1.249     0.405");
    EXPECT_EQ(resultant.back(), "               ULS Resultant (Comb 1)       = 0.405   > 0.400 NO GOOD ***");
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
