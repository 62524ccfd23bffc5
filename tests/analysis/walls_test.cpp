// Lateral pressures on a 20 ft wall (English internal units): earth
// pressure distributions by resultant ratio, compaction, surcharge. The
// stem wall of a 20 ft haunched abutment: the governing combinations, a
// bearing beyond the middle of the stem, and a pressure resultant outside
// every distribution. Side walls: the short/long decision at its limit and
// without a heel, the loads of a short wall's two sections and of a tapered
// long wall by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/earth_pressure.h"
#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "analysis/side_walls.h"
#include "analysis/wall_design.h"
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

Project WallProject(const std::string& criteria, const std::string& design) {
    Project p = testing::StripProject(criteria);
    p.ConcreteDesign = design;
    p.WallType = "haunch";
    // Stem of H = 240 - 72 - 24 - (30 + 18 - 36) = 132 in below the haunch.
    p.Hw = 240; p.Hb = 72; p.Tb = 18; p.Tw = 36; p.Ts = 30; p.Hh = 24; p.Db = 15; p.Lw = 480;
    p.Pdc = 600000; p.Pdv = 120000; p.Pl1 = 320000;
    p.Vlf = 16000; p.yVlf = 72; p.Vfr = 40000;
    p.Kep = 0.3f; p.Yep = 0.5f; p.rhos = 120.0f / 1728.0f;
    p.Asw = 0.79f; p.SAsw = 12; p.CAsw = 3; p.Asb = 0.44f; p.SAsb = 12;
    p.AsTSw = 0.31f; p.SAsTSw = 12; p.AsTSb = 0.31f; p.SAsTSb = 12;
    // Two combinations: 1.5 x everything but earthquake, and a service
    // combination with a 1.33 stress increase.
    p.ResizeLoadCombinations(2);
    for (int k = 0; k < kLoadTypes; ++k) {
        const bool quake = k == kLoadTypes - 1;
        (p.*kSlsFactors[k])[1] = quake ? 0.0f : 1.0f;
        (p.*kMaxFactors[k])[1] = quake ? 0.0f : 1.5f;
        (p.*kSlsFactors[k])[2] = 1.0f;
        (p.*kMaxFactors[k])[2] = 1.0f;
    }
    p.Fsls[1] = 1.0f;
    p.Fsls[2] = 1.33f;
    return p;
}

bool Has(const Report& r, const std::string& text) { return r.contents().find(text) != std::string::npos; }

TEST(WallEnvelope, ServiceComparedAfterStressIncreaseTiesKeepTheEarlier) {
    Project p = WallProject("aashto", "usd");
    p.Fsls[2] = 1.25f;
    // Combination 2 has a larger service moment (1.2 x) but a smaller one
    // after division by 1.25; the factored values tie.
    (p.*kSlsFactors[8])[2] = 1.2f;  // ep
    (p.*kMaxFactors[8])[2] = 1.5f;
    FindSectionForces(p, {{&Project::Fepsls, &Project::Fepmax, 10.0f, 100.0f}});
    EXPECT_EQ(p.CombVs + p.CombMs + p.CombVu + p.CombMu, 4);
    EXPECT_EQ(p.Ms, 100.0f);
    EXPECT_EQ(p.Mu, 150.0f);
    (p.*kSlsFactors[8])[2] = 1.3f;  // 130 / 1.25 = 104 > 100
    (p.*kMaxFactors[8])[2] = 1.6f;
    FindSectionForces(p, {{&Project::Fepsls, &Project::Fepmax, 10.0f, 100.0f}});
    EXPECT_EQ(p.CombMs, 2);
    EXPECT_EQ(p.Ms, 130.0f);
    EXPECT_EQ(p.CombMu, 2);
}

TEST(StemWall, BearingBeyondTheMiddleOfTheStemGivesNoBridgeLoadMoment) {
    Project p = WallProject("aashto", "usd");
    p.Db = 20;  // 2 in beyond the middle of the 36 in stem
    Report r2;
    StemWallSection(p, r2);
    EXPECT_FALSE(Has(r2, "Dead load constant"));
    EXPECT_FALSE(Has(r2, "Live load standard"));
    EXPECT_TRUE(Has(r2, "LL longitudinal force"));
}

TEST(StemWall, ResultantRatioOutOfRangeEndsTheSection) {
    std::vector<std::string> messages;
    Project p = WallProject("aashto", "usd");
    p.Yep = 0.7f;
    Report r;
    r.onMessage = [&](const std::string& text, const std::string&) { messages.push_back(text); };
    StemWallSection(p, r);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Error in lateral earth pressure resultant location");
    EXPECT_TRUE(r.contents().empty());
    p.Yep = 0.5f, p.Keq = 0.1f, p.Yeq = 0.2f;  // now the earthquake resultant
    StemWallSection(p, r);
    EXPECT_EQ(messages.back(), "Error in earthquake pressure resultant location");
}

using testing::AddSideWalls;
using testing::SamplePileProject;

// Sample pile abutment: heel behind the back wall Lh = 156 - 48 - 30 - 18 =
// 60 in, wall height 240 in, with simple earth loads.
Project SideWallProject(float Ls) {
    Project p = SamplePileProject();
    AddSideWalls(p);
    p.Ls = Ls;
    p.rhos = 120.0f / 1728.0f;
    p.Kep = 0.3f; p.Yep = 0.33f;  // triangular
    p.Keq = p.Qcp = p.Hcp = p.Qsc = 0;
    return p;
}

struct Captured {
    Report r;
    std::vector<std::string> messages;
    Captured() {
        r.onMessage = [this](const std::string& text, const std::string&) { messages.push_back(text); };
    }
};

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

TEST(SideWallKind, ShortUpToTheHeelLengthLongFrom110Percent) {
    EXPECT_TRUE(IsShortSideWall(SideWallProject(60)));   // Ls = Lh: ratio 1
    EXPECT_TRUE(IsShortSideWall(SideWallProject(65)));
    EXPECT_FALSE(IsShortSideWall(SideWallProject(66)));  // Ls = 1.1 Lh
    // Without a heel the wall cannot stand on the footing: long, designed
    // without an arithmetic fault in one section straight after the title.
    Project p = SideWallProject(60);
    p.Wf = p.Dt + p.Ts + p.Tb;
    EXPECT_FALSE(IsShortSideWall(p));
    Captured d;
    ClearArithmeticFaults();
    DesignSideWalls(p, d.r);
    EXPECT_NO_THROW(d.r.checkFault());
    const std::string title = "\r\n     S I D E   W A L L S\r\n     " + std::string(65, '=') + "\r\n\r\n     ";
    EXPECT_EQ(d.r.contents().rfind(title + "UNFACTORED LOADS:\r\n", 0), 0u);
    EXPECT_FALSE(Contains(d.r.contents(), "W A L L   B O T T O M"));
}

TEST(SideWallLoads, ShortWallSectionsHandChecked) {
    Project p = SideWallProject(60);
    p.Qsc = 250.0f / 144.0f; p.Qcp = 200.0f / 144.0f; p.Keq = 0.1f; p.Yeq = 0.5f;
    p.Hcp = 180;  // between Hw/2 and Hw
    Captured c;
    const float L = 60, Hw = 240;
    const WallSectionLoads mid = ShortSideWallLoads(p, c.r, Hw / 2.0f);
    // Earth: triangle, gamma K z at mid-height over the 60 in cantilever.
    const float qep = p.rhos * 0.3f * 120.0f;
    EXPECT_FLOAT_EQ(mid.Vep, qep * L);
    EXPECT_FLOAT_EQ(mid.Mep, qep * L * L / 2.0f);
    // Earthquake, uniform: (gamma Keq Hw^2 / 2) / Hw.
    const float qeq = p.rhos * 0.1f * Hw / 2.0f;
    EXPECT_FLOAT_EQ(mid.Veq, qeq * L);
    EXPECT_FLOAT_EQ(mid.Meq, qeq * L * L / 2.0f);
    // Compaction: 1 - 120/180 of Qcp left at mid-height.
    EXPECT_FLOAT_EQ(mid.Vcp, p.Qcp / 3.0f * L);
    EXPECT_FLOAT_EQ(mid.Mcp, p.Qcp / 3.0f * L * L / 2.0f);
    // Surcharge: Kep Qsc at any depth.
    EXPECT_FLOAT_EQ(mid.Vsc, 0.3f * p.Qsc * L);
    const WallSectionLoads bottom = ShortSideWallLoads(p, c.r, Hw);
    EXPECT_TRUE(bottom.Vcp == 0.0f && bottom.Mcp == 0.0f);  // below the compaction depth
    EXPECT_FLOAT_EQ(bottom.Vep, 2.0f * mid.Vep);
    EXPECT_FLOAT_EQ(bottom.Veq, mid.Veq);
    EXPECT_TRUE(c.messages.empty());
    // A bad earthquake ratio gives the one resultant-location message of the
    // side walls, drops the earthquake pressure and leaves the earth
    // pressure alone.
    p.Yeq = 0.9f;
    const WallSectionLoads bad = ShortSideWallLoads(p, c.r, Hw);
    EXPECT_EQ(bad.Veq, 0.0f);
    EXPECT_FLOAT_EQ(bad.Vep, bottom.Vep);
    ASSERT_EQ(c.messages.size(), 1u);
    EXPECT_EQ(c.messages[0], "Error in lateral earth pressure resultant location");
}

TEST(SideWallLoads, TaperedLongWallHandChecked) {
    // Ls = 120 in against a 60 in heel, Hw 240 in, Hs 60 in: strips of
    // 12 in centred at x = 114, 102, ..., 6 in; beyond the heel the height
    // is 3 (120 - x) + 60: 78, 114, 150, 186, 222 in, then 240 in.
    Project p = SideWallProject(120);
    p.Hs = 60;
    const WallSectionLoads s = LongSideWallLoads(p);
    // Sum h^2 = 6084 + 12996 + 22500 + 34596 + 49284 + 5 x 57600 = 413460;
    // sum h^2 x = 18635400. V = K gamma w / (2 Hw) sum h^2 with
    // K gamma = 0.3 x 120/1728 = 0.0208333 and w / (2 Hw) = 12/480.
    const float c = 0.3f * 120.0f / 1728.0f * 12.0f / 480.0f;
    EXPECT_NEAR(s.Vep, c * 413460.0f, 0.01f);      // 215.34 lb/in = 2.584 kip/ft
    EXPECT_NEAR(s.Mep, c * 18635400.0f, 0.5f);     // 9706 lb-in/in = 9.706 k-ft/ft
}

}  // namespace
}  // namespace qelvorn
