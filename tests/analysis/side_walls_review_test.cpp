// Side walls designed end to end and checked by hand: the loads of each
// section, the effective depth and thickness handed to the section checks,
// and the temperature and shrinkage check on the full wall height. One load
// combination (earth pressure only, max factor 1.5, service factor 1.0) keeps
// the factored and service forces plain multiples of the unfactored ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/sections.h"
#include "analysis/side_walls.h"
#include "sample_projects.h"

namespace qelvorn {
namespace {

using testing::Cols;
using testing::ReportLines;

void EarthOnlyCombination(Project& p) {
    p.ResizeLoadCombinations(1);
    p.LoadTitle[1] = "Earth";
    p.Fepmax[1] = 1.5f;
    p.Fepsls[1] = 1.0f;
    p.Fsls[1] = 1.0f;
}

std::vector<std::string> SideWallLines(Project& p) {
    Report r;
    r.onMessage = [](const std::string&, const std::string&) { ADD_FAILURE() << "unexpected message"; };
    DesignSideWalls(p, r);
    return ReportLines(r.contents());
}

int Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

TEST(SideWallReview, ShortWallAtTheHeelLengthHandChecked) {
    // English AASHTO, both methods. Heel Lh = 156 - 48 - 30 - 18 = 60 in and
    // Ls = 60 in: ratio 1, a short wall designed at mid-height and bottom.
    Project p = testing::SamplePileProject();
    testing::AddSideWalls(p);
    p.ConcreteDesign = "both";
    p.Ls = 60;
    p.Tst = 12;  // tapering 12 to 18 in: average 15 in
    p.CAsw = 2;
    p.rhos = 120.0f / 1728.0f;
    p.Kep = 0.3f; p.Yep = 0.33f;  // triangular, gamma K z
    p.Keq = p.Qcp = p.Hcp = p.Qsc = 0;
    EarthOnlyCombination(p);
    ASSERT_EQ(p.ModRatio, 8);  // 29000000 / (57000 sqrt 4000) = 8.04

    const std::vector<std::string> lines = SideWallLines(p);
    ASSERT_EQ(Count(lines, "     W A L L   B O T T O M"), 1);
    // Mid-height z = 120 in: p = 0.3 x 120/1728 x 120 = 2.5 psi over the
    // 60 in cantilever: V = 150 lb/in = 1.800 kip/ft, M = 2.5 x 60^2 / 2 =
    // 4500 lb-in/in = 4.500 k-ft/ft. Bottom z = 240 in: twice both.
    EXPECT_EQ(Count(lines, Cols().at(10, "Lateral earth pressure").at(40, "1.800").at(55, "4.500")), 1);
    EXPECT_EQ(Count(lines, Cols().at(10, "Lateral earth pressure").at(40, "3.600").at(55, "9.000")), 1);

    // Mid-height: ta = 15 in, da = 15 - 2 - sqrt(0.44 / 3.1416) = 12.626.
    // Vu = 1.5 x 150 = 225 lb/in (2.700 kip/ft); d required = 225 /
    // (2 x 0.85 x sqrt 4000) = 2.09.
    EXPECT_EQ(Count(lines, "          Effective depth = 12.63 in"), 5);
    EXPECT_EQ(Count(lines, "          Factored shear  = 2.700 kip/ft"), 1);
    EXPECT_EQ(Count(lines, "          d required      = 2.09 < d provided = 12.63 OKAY"), 1);
    // Cracked section at 4500 lb-in/in: rho n = 8 x 0.44 / (12 x 12.626) =
    // 0.023233, k = 0.19357, j = 0.93548, fs = 4500 x 12 / (0.44 x 0.93548 x
    // 12.626) = 10390.86 psi, fc = 2 x 4500 / (k j d^2) = 311.78 psi.
    EXPECT_EQ(Count(lines, "          Steel stress    = 10390.86 < Allowable stress = 24000.00 OKAY"), 1);
    EXPECT_EQ(Count(lines, "          Concrete stress = 311.78 psi"), 1);
    // Crack control on the average thickness: dc = 15 - 12.626 = 2.374 in,
    // A = 2 dc s = 56.98 in^2, fsa = 170000 / (dc A)^0.333 = 33169.5 psi.
    EXPECT_EQ(Count(lines, "          Allowable stress = 33169.51 > Service stress = 10390.86 OKAY"), 1);
    // T&S on the average thickness: 0.125 in^2 per foot at 12 in.
    EXPECT_EQ(Count(lines, "          T&S reinforcement = 0.31 > Area required = 0.13 OKAY"), 1);

    // Bottom: Tsb = 18 in with the bottom bars, db = 18 - 2 - sqrt(0.60 /
    // 3.1416) = 15.563; Vu = 450 lb/in (5.400 kip/ft), d required = 450 /
    // 107.517 = 4.19. No second T&S check.
    EXPECT_EQ(Count(lines, "          Effective depth = 15.56 in"), 5);
    EXPECT_EQ(Count(lines, "          Factored shear  = 5.400 kip/ft"), 1);
    EXPECT_EQ(Count(lines, "          d required      = 4.19 < d provided = 15.56 OKAY"), 1);
    EXPECT_EQ(Count(lines, "          TEMPERATURE AND SHRINKAGE:"), 1);
}

TEST(SideWallReview, TaperedLongWallMetricLrfdHandChecked) {
    // Metric LRFD on a heel Lh = 5000 - 1500 - 600 - 400 = 2500 mm; Ls =
    // 5000 mm is twice the heel, a long wall: one section, no bottom block.
    Project p = testing::SampleSpreadProject();
    p.Ls = 5000; p.Hs = 3000; p.Tst = 300; p.Tsb = 400; p.CAsw = 50;
    p.Asws = 387; p.SAsws = 250; p.Aswsb = 510; p.SAswsb = 200; p.AsTSws = 199; p.SAsTSws = 300;
    p.Kep = 0.25f; p.Yep = 0.33f; p.rhos = 2e-5f;
    p.Keq = p.Qcp = p.Hcp = p.Qsc = 0;
    EarthOnlyCombination(p);

    const std::vector<std::string> lines = SideWallLines(p);
    EXPECT_EQ(Count(lines, "     W A L L   B O T T O M"), 0);
    // Strips of 500 mm centred at x = 4750 ... 250. Beyond the heel the
    // height is 1.2 (5000 - x) + 3000: 3300, 3900, 4500, 5100, 5700 mm, then
    // five strips of the full 6000 mm. Sum h^2 = 284.85e6 mm^2, sum h^2 x =
    // 591187.5e9 mm^3. With K gamma / 2 = 2.5e-6 N/mm^3 and w / Hw = 1/12:
    // V = 2.5e-6 x 284.85e6 / 12 = 59.344 N/mm, M = 2.5e-6 x 591187.5e9 / 12 /
    // 1000 = 123.164 kN-m/m.
    EXPECT_EQ(Count(lines, Cols().at(10, "Lateral earth pressure").at(40, "59.344").at(55, "123.164")), 1);

    // ta = 350 mm, da = 350 - 50 - sqrt(387 / 3.1416) = 288.90 mm.
    // Vu = 1.5 x 59.344 = 89.016 kN/m; d required = Vu / (2 x 0.9 x
    // sqrt(28) / 12 x 0.9) = 124.61 mm.
    EXPECT_EQ(Count(lines, "          Effective depth = 288.90 mm"), 3);
    EXPECT_EQ(Count(lines, "          Factored shear  = 89.016 kN/m"), 1);
    EXPECT_EQ(Count(lines, "          Factored moment = 184.746 kN-m/m"), 1);
    EXPECT_EQ(Count(lines, "          d required      = 124.61 < d provided = 288.90 OKAY"), 1);
    // T&S over the full wall height: b = 6000 mm = 236.22 in, h = 350 mm =
    // 13.780 in, fy = 60.916 ksi: 1.3 b h / (2 (b + h) fy) = 0.13893 in^2
    // per foot; at 300 mm (0.98425 ft) 0.13674 in^2 = 88.22 mm^2.
    EXPECT_EQ(Count(lines, "          T&S reinforcement = 199.00 > Area required = 88.22 OKAY"), 1);
}

}  // namespace
}  // namespace qelvorn
