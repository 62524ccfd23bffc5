// Lateral pressures on a 20 ft wall (English internal units): earth
// pressure distributions by resultant ratio, compaction, surcharge.
#include <gtest/gtest.h>

#include "analysis/earth_pressure.h"
#include "model/defaults.h"

namespace qelvorn {
namespace {

constexpr float kRhos = 120.0f / 1728.0f;  // 120 pcf in lb/in^3
constexpr float kK = 0.3f;
constexpr float kH = 240.0f;

TEST(EarthPressure, EveryShapeCarriesTheTotalWithItsResultantAtTheRatio) {
    // At the base: shear = P and moment = P * Y * H for every ratio whose
    // shape is defined by it (the pure triangles sit at H/3 and 2H/3).
    const double P = 0.3 * 120.0 / 1728.0 * 240.0 * 240.0 / 2.0;
    const struct {
        float Y;
        double arm;
    } cases[] = {{0.33f, 1.0 / 3}, {0.40f, 0.40}, {0.45f, 0.45}, {0.50f, 0.50}, {0.55f, 0.55}, {0.62f, 0.62}, {0.66f, 2.0 / 3}};
    for (const auto& c : cases) {
        ShearMoment f;
        ASSERT_TRUE(LateralPressureForces(kRhos, kK, kH, c.Y, kH, kH, f)) << c.Y;
        EXPECT_NEAR(f.V, P, 1e-4 * P) << c.Y;
        EXPECT_NEAR(f.M, P * c.arm * kH, 1e-4 * P * kH) << c.Y;
        // the intensity integrates to the shear (trapezoid rule is exact
        // for these linear pressures)
        float top = 0, bottom = 0;
        ASSERT_TRUE(LateralPressureAtDepth(kRhos, kK, kH, c.Y, 0, top));
        ASSERT_TRUE(LateralPressureAtDepth(kRhos, kK, kH, c.Y, kH, bottom));
        EXPECT_NEAR((top + bottom) / 2 * kH, P, 1e-4 * P) << c.Y;
    }
}

TEST(EarthPressure, RatioOutsideTheRangesHasNoDistribution) {
    for (float Y : {0.0f, 0.31f, 0.68f, 0.9f}) {
        ShearMoment f{1, 1};
        EXPECT_FALSE(LateralPressureForces(kRhos, kK, kH, Y, 100, 100, f)) << Y;
        EXPECT_EQ(f.V + f.M, 0.0f);
        float q = 1;
        EXPECT_FALSE(LateralPressureAtDepth(kRhos, kK, kH, Y, 100, q));
        EXPECT_EQ(q, 0.0f);
    }
}

TEST(Compaction, TrapezoidAboveTheCompactionDepthTriangleBelow) {
    const float Q = 100.0f / 144.0f;  // 100 psf
    const float Hcp = 60;
    // Section at 36 in (shear) / 40 in (moment), above Hcp: trapezoid from Q
    // to 0.4 Q over 36 in; moment of Q..Q/3 over 40 in about its bottom.
    ShearMoment above = CompactionForces(Q, Hcp, 36, 40);
    EXPECT_NEAR(above.V, (1.0 + 0.4) / 2 * 36 * Q, 1e-4);
    EXPECT_NEAR(above.M, (Q / 3) * 40 * 40 / 2 + (2 * Q / 3) * 20 * (2 * 40 / 3.0), 1e-3);
    // Below Hcp the whole triangle Q Hcp / 2 acting at Hcp / 3 below the top.
    ShearMoment below = CompactionForces(Q, Hcp, 100, 120);
    EXPECT_NEAR(below.V, Q * Hcp / 2, 1e-5);
    EXPECT_NEAR(below.M, Q * Hcp / 2 * (120 - Hcp / 3), 1e-3);
}

TEST(Surcharge, AremaSpreadingWidthCappedBySpacing) {
    Project p;
    p.Units = "english";
    SetUnits(p);
    p.SurchargeDeduct = 6;
    p.Criteria = "arema";
    p.Kep = 0.3f;
    p.Qsc = 1000.0f / 144.0f;
    p.Wsc = 60;
    p.Ssc = 72;
    // z = 12: width 60 + 12 - 6 = 66 < 72
    EXPECT_NEAR(SurchargePressure(p, 12), 2 * 0.3 * p.Qsc * 60 / 66, 1e-5);
    // z = 48: width 102, capped at the spacing 72
    EXPECT_NEAR(SurchargePressure(p, 48), 2 * 0.3 * p.Qsc * 60 / 72, 1e-5);
    EXPECT_EQ(SurchargePressure(p, 48), SurchargePressure(p, 200));
    const ShearMoment f = SurchargeForces(p, 12, 48);
    EXPECT_NEAR(f.V, SurchargePressure(p, 12) * 12, 1e-4);
    EXPECT_NEAR(f.M, SurchargePressure(p, 48) * 48 * 48 / 2, 1e-2);

    // Other criteria: uniform K Qsc.
    p.Criteria = "aashto";
    EXPECT_NEAR(SurchargePressure(p, 48), 0.3 * p.Qsc, 1e-6);
    p.Qsc = 0;
    EXPECT_EQ(SurchargeForces(p, 12, 48).V, 0.0f);
}

}  // namespace
}  // namespace qelvorn
