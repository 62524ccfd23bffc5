// Wall loads and section stresses evaluated in single precision with powers
// taken before they multiply: a depth cubed or squared first, then the
// coefficients. Multiplying the depth in one factor at a time moves the last
// printed digit of some report lines; these cases sit on such a digit.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/checks.h"
#include "analysis/earth_pressure.h"
#include "model/defaults.h"
#include "model/numtext.h"

namespace qelvorn {
namespace {

TEST(WallOrder, TriangularEarthMomentCubesTheDepthFirst) {
    // 120 pcf, K = 0.3, moment 176.97 in below the top:
    // rhos K zm^3 / 6 = 176.97^3 / 288 = 5542414.5 / 288 = 19244.49 lb-in/in.
    ShearMoment out;
    ASSERT_TRUE(LateralPressureForces(120.0f / 1728.0f, 0.3f, 240.0f, 0.33f, 170.0f, 176.97f, out));
    EXPECT_EQ(FormatNumber(out.M / 1000.0f, "0.000"), "19.244");
    // Shear: 0.3 / 14.4 * 170^2 / 2 = 301.04 lb/in.
    EXPECT_EQ(FormatNumber(out.V, "0.00"), "301.04");
}

TEST(WallOrder, ServiceConcreteStressSquaresTheDepth) {
    Project p;
    p.Units = "english";
    SetUnits(p);
    p.Criteria = "aashto";
    p.ConcreteDesign = "sld";
    p.fc = 4000;
    p.fs = 60000;
    p.ModRatio = 8;
    p.ResizeLoadCombinations(1);
    p.Fsls[1] = 1.0f;
    p.Ms = 20000;  // lb-in/in
    p.CombMs = 1;
    Report r;
    // #8 bars (0.79 in^2) at 6 in, d = 17.17 in: rho = 0.0076684, rho n =
    // 0.061347, k = sqrt(0.0037635 + 0.122695) - 0.061347 = 0.294262,
    // j = 0.901913; fss = 20000 x 6 / (0.79 x 0.901913 x 17.17) = 9808.88 psi;
    // fcs = 2 x 20000 / (0.294262 x 0.901913 x 17.17^2) = 511.23 psi.
    CheckMomentService(p, r, 17.17f, 0.79f, 6.0f);
    const std::string text(r.contents());
    EXPECT_NE(text.find("          Steel stress    = 9808.88 < Allowable stress = 24000.00 OKAY\r\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("          Concrete stress = 511.23 psi\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace qelvorn
