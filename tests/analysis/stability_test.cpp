// Unfactored loads of the abutment and their combinations, worked out by
// hand in feet and kips for the sample abutment of stability_sample.h.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/sections.h"
#include "analysis/stability.h"
#include "stability_sample.h"

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

TEST(StabilityComponents, ServiceCombinationAndItsResultant) {
    Project p = SampleAbutment();
    RunStability(p);

    const double v = 300 + (kWalls + kFooting) + (kHeelSoil + kToeSoil) + 100 + 0.24 * 6.5 * 30;
    const double mr = 1500 + (kWallsMoment + kFooting * xFooting) + (kHeelSoil * xHeelSoil + kToeSoil * 2) + 500 +
                      0.24 * 6.5 * 30 * 10.75;
    const double pep = 0.3 * 0.12 * kHtot * kHtot / 2 * 30;
    const double h = 20 + 10 + pep + 37.5 + 0.3 * 0.24 * kHtot * 30;
    const double mo = 360 + 240 + pep * 0.4 * kHtot + 37.5 * (kHtot - 5.0 / 3) + 0.3 * 0.24 * kHtot * 30 * kHtot / 2;
    EXPECT_CLOSE(ToKip(p.Vsls[1]), v);  // 1410.475
    EXPECT_CLOSE(ToKipft(p.Mrsls[1]), mr);
    EXPECT_CLOSE(ToKip(p.Hsls[1]), h);
    EXPECT_CLOSE(ToKipft(p.Mosls[1]), mo);

    const double x = (mr - mo) / v;  // about 4.227 ft from the toe
    EXPECT_CLOSE(ToFt(p.Xsls[1]), x);
    EXPECT_NEAR((14 - 2 * x) / 14, 0.3961, 1e-4);

    // Maximum factors 1.5 on every load present.
    EXPECT_CLOSE(ToKip(p.Vmax[1]), 1.5 * v);
    EXPECT_CLOSE(ToKipft(p.Momax[1]), 1.5 * mo);
    // Minimum: dead loads and earth pressure at 0.9, live loads absent.
    EXPECT_CLOSE(ToKip(p.Vmin[1]), 0.9 * (300 + kWalls + kFooting + kHeelSoil + kToeSoil));
    EXPECT_CLOSE(ToKip(p.Hmin[1]), 0.9 * pep);
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

TEST(StabilityComponents, HaunchAbutmentWithBatteredStem) {
    Project p = SampleAbutment();
    p.WallType = "haunch";
    p.Tw = Ft(3);
    p.Hh = Ft(2);
    p.Bat = 5;
    RunStability(p);

    // Haunch: the seat block 3.5 x 2 on top of the stem-wide 0.5 x 3 and the
    // 0.5 ft triangle sloping out from the stem to the back of the back wall.
    const double haunchArea = 3.5 * 2 + 0.5 * 3 + 0.5 * 0.5 / 2;
    const double haunchMoment = 3.5 * 2 * (4 + 1.75) + 0.5 * 3 * (4 + 1.5) + 0.125 * (4 + 3 + 0.5 / 3);
    // Stem below the haunch: 20 - 5 - 2 - 0.5 = 12.5 ft, 3 ft at the top and
    // wider at its foot by the batter.
    const double h = 12.5, spread = h * std::tan(5 * 3.1416 / 180);
    const double stemArea = h * 3 + spread * h / 2;
    const double stemMoment = h * 3 * 5.5 + spread * h / 2 * (7 + spread / 3);
    const double backArea = 5 * 1.5, backMoment = backArea * 6.75;  // no wedge with a haunch

    const AbutmentConcrete c = ComputeAbutmentConcrete(p);
    EXPECT_CLOSE(c.haunch.volume / 1728.0, haunchArea * 30);
    EXPECT_CLOSE(c.haunch.moment / 1728.0 / 12.0, haunchMoment * 30);
    EXPECT_CLOSE(c.stem.volume / 1728.0, stemArea * 30);
    EXPECT_CLOSE(c.backWall.volume / 1728.0, backArea * 30);

    const double walls = (haunchArea + stemArea + backArea) * 30 * 0.15;
    const double wallsMoment = (haunchMoment + stemMoment + backMoment) * 30 * 0.15;
    EXPECT_CLOSE(ToKip(p.Wda), walls + kFooting);
    EXPECT_CLOSE(ToKipft(p.Mda), wallsMoment + kFooting * xFooting);
    // The soil on the heel is what the walls leave of the 10 x 20 ft block
    // behind the stem face, less the open seat 2 x 5.
    const double soilArea = 10 * 20 - 2 * 5 - (haunchArea + stemArea + backArea);
    EXPECT_CLOSE(ToKip(p.Wde), soilArea * 30 * 0.12 + kToeSoil);
    EXPECT_CLOSE(p.Volw / 1728.0, walls / 0.15);
}

// Side walls 1 ft thick at the top and 1.5 ft at the bottom (2.5 ft for the
// pair), 4 ft high at their end, with a 0.5 kip/ft barrier on each.
Project WithSideWalls(float lengthFt) {
    Project p = SampleAbutment();
    p.Ls = Ft(lengthFt); p.Hs = Ft(4); p.Tst = Ft(1); p.Tsb = Ft(1.5f);
    p.Wbarrier = 0.5f * 1000.0f / 12.0f;
    return p;
}

// The side walls over the footing, 10 ft behind the stem face and 20 ft
// high, less the open space over the seat and the share already counted in
// the back wall and stem (2.5 / 30 of them).
constexpr double kSideNet = 10 * 2.5 * 20 * 0.15 - 2.5 * 2 * 5 * 0.15 - kWalls * 2.5 / 30;  // 45.46875
constexpr double kSideNetMoment = 75 * 9 - 3.75 * 5 - kWallsMoment * 2.5 / 30;

TEST(StabilityComponents, ShortSideWallsNarrowTheLoadedWidthLongOnesDoNot) {
    // 5 ft long: shorter than the 6.5 ft heel, so they stand in the backfill.
    Project p = WithSideWalls(5);
    RunStability(p);

    // Beyond the footing the walls are 1.5 ft short of the heel end: the end
    // rectangle and the taper come off.
    const double end = -1.5 * 2.5 * 0.15 * 4, xEnd = 14 - 0.75;
    const double taper = -1.5 * 2.5 * 0.15 * 16 / 2, xTaper = 14 - 0.5;
    const double barrier = 2 * 0.5 * 5, xBarrier = 7.5 + 2.5;
    EXPECT_CLOSE(ToKip(p.Wda), kWalls + kFooting + kSideNet + end + taper + barrier);
    EXPECT_CLOSE(ToKipft(p.Mda), kWallsMoment + kFooting * xFooting + kSideNetMoment + end * xEnd +
                                     taper * xTaper + barrier * xBarrier);
    // Volume: the side walls without the barriers.
    EXPECT_CLOSE(p.Volw / 1728.0, (kWalls + kSideNet + end + taper) / 0.15);

    // The earth between the side walls: 27.5 ft of the 30.
    EXPECT_CLOSE(ToKip(p.Wde), kHeelArea * 27.5 * 0.12 + kToeSoil);
    const double B = 30 - 2.5;
    EXPECT_CLOSE(ToKip(p.Pep), 0.3 * 0.12 * kHtot * kHtot / 2 * B);
    EXPECT_CLOSE(ToKip(p.Pcp), 0.5 * 5 / 2 * B);
    EXPECT_CLOSE(ToKip(p.Psc), 0.3 * 0.24 * kHtot * B);

    // 10 ft long: more than 1.1 heel lengths, the backfill acts on the whole
    // wall length.
    p = WithSideWalls(10);
    RunStability(p);
    const double endL = 3.5 * 2.5 * 0.15 * 4, taperL = 3.5 * 2.5 * 0.15 * 16 / 2, barrierL = 2 * 0.5 * 10;
    EXPECT_CLOSE(ToKip(p.Wda), kWalls + kFooting + kSideNet + endL + taperL + barrierL);
    EXPECT_CLOSE(ToKip(p.Pep), 0.3 * 0.12 * kHtot * kHtot / 2 * 30);
}

TEST(StabilityComponents, CompactionBelowTheCompactionHeightIsATrapezoid) {
    // 0.5 ksf at the top falling to zero 30 ft down: the 23 ft abutment sees
    // 0.5 ksf at the top and 0.5 x 7/30 at its base.
    Project p = SampleAbutment();
    p.Hcp = Ft(30);
    RunStability(p);
    const double top = 0.5, base = 0.5 * 7 / 30;
    const double force = (top + base) / 2 * kHtot * 30;
    const double arm = kHtot * (2 * top + base) / (3 * (top + base));  // centroid above the base
    EXPECT_CLOSE(ToKip(p.Pcp), force);
    EXPECT_CLOSE(ToKipft(p.Mcp), force * arm);

    // At exactly the abutment height both forms agree.
    p.Hcp = Ft(23);
    RunStability(p);
    EXPECT_CLOSE(ToKip(p.Pcp), 0.5 * 23 / 2 * 30);
    EXPECT_CLOSE(ToKipft(p.Mcp), 0.5 * 23 / 2 * 30 * 23 * 2 / 3);
}

TEST(StabilityComponents, AremaSurchargeActsInStrips) {
    // Two strips 8.5 ft wide instead of the 30 ft wall, vertical and lateral.
    Project p = SampleAbutment();
    p.Criteria = "arema";
    RunStability(p);
    EXPECT_CLOSE(ToKip(p.Wscv), 0.24 * 6.5 * 8.5 * 2);
    EXPECT_CLOSE(ToKipft(p.Mscv), 0.24 * 6.5 * 8.5 * 2 * 10.75);
    EXPECT_CLOSE(ToKip(p.Psc), 0.3 * 0.24 * 17 * kHtot);
    EXPECT_CLOSE(ToKipft(p.Msc), 0.3 * 0.24 * 17 * kHtot * kHtot / 2);
}

TEST(StabilityComponents, VolumesNeedNoUnitWeights) {
    // The quantities may list the volumes without a stability run and
    // without a unit weight of concrete; they match what a run stores (the
    // run divides weights by the unit weight: equal to the last digit).
    Project p = WithSideWalls(5);
    p.rhoc = 0;
    const ConcreteVolumes v = ComputeConcreteVolumes(p);
    p.rhoc = Kcf(0.150f);
    RunStability(p);
    EXPECT_NEAR(v.walls, p.Volw, 1e-6f * p.Volw);
    EXPECT_NEAR(v.footing, p.Volf, 1e-6f * p.Volf);
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

TEST(StabilityComponents, NoBackWallIsNotAFault) {
    // Without a back wall the pieces are simply empty.
    Project p = SampleAbutment();
    p.Hb = 0;
    p.Tb = 0;
    RunStability(p);
    EXPECT_CLOSE(ToKip(p.Wda), 20 * 4 * 30 * 0.15 + kFooting);
}

}  // namespace
}  // namespace qelvorn
