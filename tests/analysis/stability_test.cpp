// Unfactored loads of the abutment and their combinations, worked out by
// hand in feet and kips for the sample abutment of sample_projects.h.
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

Report RunStability(Project& p) {
    Report r;
    ClearArithmeticFaults();
    Stability(p, r);
    return r;
}

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
    RunStability(p);

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
    RunStability(p);

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

}  // namespace
}  // namespace qelvorn
