// Stability loads evaluated in single precision in the order their formulas
// are written. Each case is a sample abutment whose exact value lies near a
// half of the last printed digit, so the grouping decides the printed line.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/sections.h"
#include "analysis/stability.h"
#include "stability_sample.h"

namespace qelvorn {
namespace {

using namespace qelvorn::stability_testing;

std::string LineWith(const std::vector<std::string>& lines, const std::string& what) {
    const int i = FindLine(lines, what);
    return i < 0 ? std::string() : lines[static_cast<std::size_t>(i)];
}

TEST(StabilityOrder, EarthPressureSquaresTheHeightBeforeMultiplying) {
    // K gamma H^2 / 2 over the 30 ft wall, H = 3 + 20 = 23 ft:
    // 0.3818 x 30 x 0.120 x 529 / 2 = 363.54996 kip. In single precision
    // (0.3818 x 360 in x rhos) x 276^2 / 2 lands on 363550.0 lb, which prints
    // 363.6; multiplying by H twice instead lands below and printed 363.5.
    // The moment 0.4 x 363.55 x 23 = 3344.66 kip-ft.
    Project p = SampleAbutment();
    p.Kep = 0.3818f;
    const auto lines = StabilityLines(p);
    EXPECT_NEAR(ToKip(p.Pep), 0.3818 * 30 * 0.120 * 23 * 23 / 2, 1e-3);
    EXPECT_EQ(LineWith(lines, "Lateral earth pressure"), "         Lateral earth pressure        363.6          3344.7");
}

TEST(StabilityOrder, ConcretePieceMomentIsItsWeightTimesItsArm) {
    // Stem 3.5 ft at the top, so the back wall (5 x 1.5 at 6.75 ft) has no
    // triangle behind it; batter 4.3 deg widens the 15 ft stem by
    // s = 15 tan(4.3 deg) = 1.12786 ft. Weights at 0.150 kcf over 30 ft:
    //   back wall 7.5 ft^2 at 6.75, stem 52.5 ft^2 at 5.75 plus s x 15 / 2 at
    //   7.5 + s/3, footing 14 x 30 x 3 = 1260 ft^3 at 7:
    //   Wda = (7.5 + 52.5 + 8.45894) x 4.5 + 189 = 497.065 kip,
    //   Mda = (50.625 + 301.875 + 8.45894 x 7.87595) x 4.5 + 1323
    //       = 3209.04986 kip-ft.
    // Each piece's moment is its weight times its (area-weighted) arm; the
    // line reads 3209.0 as the exact value does (summing area x arm first
    // printed 3209.1).
    Project p = SampleAbutment();
    p.Tw = Ft(3.5f);
    p.Bat = 4.3f;
    const auto lines = StabilityLines(p);
    EXPECT_NEAR(ToKipft(p.Mda), 3209.04986, 2e-3);
    EXPECT_EQ(LineWith(lines, "Dead load abutment"), "         Dead load abutment            497.1          3209.0");
}

TEST(StabilityOrder, VolumesAreTheWeightsOverTheUnitWeight) {
    // With side walls (2.5 ft for the pair, 5 ft long, 4 ft at the end) the
    // stored volumes are the stability weights divided by the unit weight,
    // and the quantities' own volumes are the same numbers.
    Project p = SampleAbutment();
    p.Ls = Ft(5); p.Hs = Ft(4); p.Tst = Ft(1); p.Tsb = Ft(1.5f);
    StabilityLines(p);
    const ConcreteVolumes v = ComputeConcreteVolumes(p);
    EXPECT_EQ(v.footing, p.Volf);
    EXPECT_EQ(v.walls, p.Volw);
    // Footing 14 x 30 x 3 ft = 1260 ft^3.
    EXPECT_NEAR(p.Volf / 1728.0, 1260.0, 1e-3);
}

}  // namespace
}  // namespace qelvorn
