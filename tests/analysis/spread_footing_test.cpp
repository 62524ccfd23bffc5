// Spread footing: pressure distribution cases at their boundaries, exact toe
// and heel loads against numeric integration and a hand calculation, and a
// division by zero that ends the section. Footing toe and heel design from
// the footing-load tables: which blocks are written, the governing searches
// and the checks by criteria.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/footing_toe_heel.h"
#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "analysis/spread_footing.h"
#include "model/defaults.h"
#include "report/report.h"

namespace qelvorn {
namespace {

constexpr float kWf = 120.0f;  // in
constexpr float kLf = 360.0f;  // in

SoilPressure Tri(float V, float X) { return SoilPressureDistribution(PressureShape::Triangular, V, X, kWf, kLf); }

// Upward pressure of a diagram at x from the toe of a footing Wf wide.
double PressureAt(const SoilPressure& s, double Wf, double x) {
    switch (s.pressureCase) {
    case 1: return x <= s.L ? s.qToe * (1.0 - x / s.L) : 0.0;
    case 2:
    case 3: return s.qToe + (s.qHeel - s.qToe) * x / Wf;
    case 4: return x >= Wf - s.L ? s.qHeel * (1.0 - (Wf - x) / s.L) : 0.0;
    case 11: return x <= s.L ? s.qToe : 0.0;
    case 12: return x >= Wf - s.L ? s.qHeel : 0.0;
    default: return 0.0;
    }
}

// Midpoint rule in double precision.
double Integrate(double a, double b, const std::function<double(double)>& f) {
    const int n = 100000;
    const double h = (b - a) / n;
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += f(a + (i + 0.5) * h) * h;
    return sum;
}

TEST(SoilPressureDistribution, CasesAtAndAroundTheirBoundaries) {
    const float V = 100000.0f, third = kWf / 3.0f, half = kWf / 2.0f, twoThirds = 2.0f * kWf / 3.0f;
    const auto below = [](float x) { return std::nextafter(x, 0.0f); };
    const auto above = [](float x) { return std::nextafter(x, kWf); };
    const PressureShape T = PressureShape::Triangular, U = PressureShape::Uniform;
    const struct { PressureShape shape; float V, X; int expected; } cases[] = {
        {T, V, above(0.0f), 1}, {T, V, below(third), 1}, {T, V, third, 2},     {T, V, half, 2},
        {T, V, above(half), 3}, {T, V, twoThirds, 3},    {T, V, above(twoThirds), 4}, {T, V, below(kWf), 4},
        {T, V, 0.0f, 5},        {T, V, -5.0f, 5},        {T, V, kWf, 5},       {T, V, kWf + 5.0f, 5},
        {T, 0.0f, half, 0},     {T, 0.0f, -1.0f, 0},     {U, V, above(0.0f), 11}, {U, V, half, 11},
        {U, V, above(half), 12}, {U, V, below(kWf), 12}, {U, V, 0.0f, 13},     {U, V, -5.0f, 13},
        {U, V, kWf, 13},        {U, V, kWf + 5.0f, 13},  {U, 0.0f, half, 0},
    };
    for (const auto& c : cases) {
        const SoilPressure s = SoilPressureDistribution(c.shape, c.V, c.X, kWf, kLf);
        EXPECT_EQ(s.pressureCase, c.expected) << "V " << c.V << " X " << c.X;
        if (c.expected == 5) {
            EXPECT_TRUE(s.L == 0.0f && s.qToe == 0.0f && s.qHeel == 0.0f) << c.X;
        }
    }
    // Kern edge: full width in contact, the heel pressure just vanishes.
    const SoilPressure kern = Tri(V, third);
    EXPECT_EQ(kern.L, kWf);
    EXPECT_NEAR(kern.qHeel, 0.0f, 1e-5f * kern.qToe);
    EXPECT_NEAR(kern.qToe, 2.0f * V / (kWf * kLf), 1e-5f);
    EXPECT_FLOAT_EQ(Tri(V, half).qHeel, V / (kWf * kLf));  // centred: uniform V/A
    EXPECT_FLOAT_EQ(SoilPressureDistribution(U, V, half, kWf, kLf).qToe, V / (kWf * kLf));
}

// Numerical toe and heel loads of the same pressure diagram, for comparison
// with the exact integrals.
FootingCellLoads NumericLoads(const FootingStrip& g, const SoilPressure& s, double qdnToe, double qdnHeel) {
    const auto q = [&](double x) { return PressureAt(s, g.Wf, x); };
    FootingCellLoads out;
    const double dt = g.Dt;
    out.Mtoe = static_cast<float>(Integrate(0, dt, [&](double x) { return (q(x) - qdnToe) * (dt - x); }));
    const double a = out.Mtoe > 0 ? dt - g.Dtoe : dt;
    out.Vtoe = static_cast<float>(Integrate(0, a, [&](double x) { return q(x) - qdnToe; }));
    const double x0 = g.Wf - g.Lheel;
    out.Mheel = static_cast<float>(Integrate(x0, g.Wf, [&](double x) { return (q(x) - qdnHeel) * (x - x0); }));
    const double b = out.Mheel > 0 ? g.Lheel - g.Dheel : g.Lheel;
    out.Vheel = static_cast<float>(Integrate(g.Wf - b, g.Wf, [&](double x) { return q(x) - qdnHeel; }));
    return out;
}

// Every diagram carries the load at its resultant, and the exact toe and
// heel integrals agree with numeric ones. Contact ends inside the toe, the
// stem or the heel, or covers the whole width either way, around the kern.
TEST(SpreadFootingLoads, DiagramsCarryTheLoadAndIntegralsMatchNumericIntegration) {
    const FootingStrip g{kWf, 36.0f, 60.0f, 20.5f, 20.6f};
    const float V = 300000.0f;
    for (float X : {8.0f, 20.0f, 35.0f, 39.0f, 40.0f, 50.0f, 60.0f, 70.0f, 80.0f, 85.0f, 95.0f, 110.0f}) {
        for (PressureShape shape : {PressureShape::Triangular, PressureShape::Uniform}) {
            const SoilPressure s = SoilPressureDistribution(shape, V, X, kWf, kLf);
            SCOPED_TRACE("X " + std::to_string(X) + " case " + std::to_string(s.pressureCase));
            const double f = Integrate(0, kWf, [&](double x) { return PressureAt(s, kWf, x); });
            const double m = Integrate(0, kWf, [&](double x) { return PressureAt(s, kWf, x) * x; });
            EXPECT_NEAR(f * kLf, V, 1e-4 * V);
            EXPECT_NEAR(m / f, X, 1e-3);
            for (float qdn : {0.0f, 2.5f, 40.0f}) {
                const FootingCellLoads exact = SpreadFootingLoads(g, s, qdn, 1.5f * qdn);
                const FootingCellLoads numeric = NumericLoads(g, s, qdn, 1.5f * qdn);
                const float tolM = 2e-4f * (std::fabs(numeric.Mtoe) + std::fabs(numeric.Mheel)) + 1e-2f;
                const float tolV = 2e-4f * (std::fabs(numeric.Vtoe) + std::fabs(numeric.Vheel)) + 1e-3f;
                EXPECT_NEAR(exact.Mtoe, numeric.Mtoe, tolM) << qdn;
                EXPECT_NEAR(exact.Vtoe, numeric.Vtoe, tolV) << qdn;
                EXPECT_NEAR(exact.Mheel, numeric.Mheel, tolM) << qdn;
                EXPECT_NEAR(exact.Vheel, numeric.Vheel, tolV) << qdn;
            }
        }
    }
}

TEST(SpreadFootingLoads, ShortOrMissingCantileversCarryNoLoadBeyondTheirEdges) {
    FootingStrip g{kWf, 12.0f, 15.0f, 20.0f, 20.0f};  // both shorter than their depths
    const SoilPressure s = Tri(10.0f * kWf * kLf, kWf / 2.0f);
    FootingCellLoads f = SpreadFootingLoads(g, s, 2.0f, 2.0f);
    EXPECT_FLOAT_EQ(f.Mtoe, 8.0f * 12.0f * 12.0f / 2.0f);
    EXPECT_EQ(f.Vtoe, 0.0f);
    EXPECT_FLOAT_EQ(f.Mheel, 8.0f * 15.0f * 15.0f / 2.0f);
    EXPECT_EQ(f.Vheel, 0.0f);
    // With negative moments the shear section is at the face: full shear.
    f = SpreadFootingLoads(g, s, 30.0f, 30.0f);
    EXPECT_FLOAT_EQ(f.Vtoe, -20.0f * 12.0f);
    EXPECT_FLOAT_EQ(f.Vheel, -20.0f * 15.0f);
    // No toe, and a stem reaching past the heel edge: nothing at all.
    g.Dt = 0.0f;
    g.Lheel = -4.0f;
    f = SpreadFootingLoads(g, s, 2.0f, 2.0f);
    EXPECT_TRUE(f.Mtoe == 0.0f && f.Vtoe == 0.0f && f.Mheel == 0.0f && f.Vheel == 0.0f);
}

TEST(SpreadFootingSection, ZeroIncreaseFactorOrLengthEndsTheRunWithACalculationError) {
    for (int which = 0; which < 2; ++which) {
        Project p = testing::FootingStripProject(2);
        p.FootingType = "spread";
        p.Vsls[1] = 10.0f * kWf * kLf;  // centred: 10 psi
        p.Xsls[1] = kWf / 2.0f;
        (which == 0 ? p.Fsls[2] : p.Lf) = 0.0f;
        Report r;
        EXPECT_THROW(SpreadFootingSection(p, r), CalculationFault) << which;
        EXPECT_FALSE(r.allText().find("nan") != std::string::npos || r.allText().find("inf") != std::string::npos);
        ClearArithmeticFaults();
    }
}

using testing::FootingStripProject;
// The report lines of the design of p.
std::vector<std::string> Design(Project& p) {
    Report r;
    DesignFootingToeHeel(p, r);
    return testing::ReportLines(r.contents());
}

using testing::CountLines;
using testing::LinesBetween;

// The line that follows the first line containing `heading`.
std::string After(const std::vector<std::string>& lines, const std::string& heading, int offset) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(heading) != std::string::npos && i + offset < lines.size()) return lines[i + offset];
    return {};
}

TEST(FootingToeHeel, ToeBlockOnlyWithAToeAndHeelBlockOnlyWithAHeel) {
    Project p = FootingStripProject(1);
    p.Mheel(1, 1) = -200000;
    p.Mheel(5, 1) = -150000;
    p.Dt = 0;
    p.Wf = 84;  // heel 60 in behind a 24 in stem
    Project q = FootingStripProject(1);
    q.Wf = 60;  // a stem that reaches the heel edge: toe only
    for (const auto& [project, toe, heel] : {std::tuple{&p, 0, 1}, std::tuple{&q, 1, 0}}) {
        const auto lines = Design(*project);
        EXPECT_EQ(CountLines(lines, "F O O T I N G   T O E"), toe);
        EXPECT_EQ(CountLines(lines, "F O O T I N G   H E E L"), heel);
        EXPECT_EQ(CountLines(lines, "TEMPERATURE AND SHRINKAGE:"), 1);
    }
}

// All toe moments negative: top bars only, no shear anywhere. Ultimate top
// moment: the most negative cell, k = 4 of comb 2, with the top-bar depth
// 24 - 2 - 0.50 in. Under service design a heel without shear or bottom
// tension likewise, its ultimate cells ignored.
TEST(FootingToeHeel, NoShearAndNoBottomTensionVariants) {
    Project p = FootingStripProject(2);
    for (int c = 1; c <= 2; ++c)
        for (int k = 1; k <= 5; ++k) p.Mtoe(k, c) = -1000.0f * static_cast<float>(k + c);
    const auto toe = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(CountLines(toe, "NO TENSION AT FOOTING BOTTOM:"), 2);
    EXPECT_EQ(CountLines(toe, "          TENSION AT FOOTING TOP:"), 2);
    EXPECT_EQ(CountLines(toe, "          ==> No shear in footing toe"), 1);
    EXPECT_EQ(CountLines(toe, "MOMENT (Comb 2):"), 1);
    EXPECT_EQ(CountLines(toe, "Factored moment = 6.000 k-ft/ft"), 1);
    EXPECT_EQ(CountLines(toe, "Effective depth = 21.50 in"), 2);
    Project q = FootingStripProject(1);
    q.ConcreteDesign = "sld";
    q.Mheel(1, 1) = 500000;
    q.Mheel(5, 1) = -60000;
    const auto heel = LinesBetween(Design(q), "F O O T I N G   H E E L", "TEMPERATURE AND SHRINKAGE:");
    EXPECT_EQ(CountLines(heel, "          ==> No shear in footing heel"), 1);
    EXPECT_EQ(CountLines(heel, "NO TENSION AT FOOTING BOTTOM:"), 1);
    EXPECT_EQ(CountLines(heel, "Service moment  = 60.000 k-ft/ft"), 1);
}

TEST(FootingToeHeel, UltimateShearGovernsByStressWithTheDepthOfItsSign) {
    Project p = FootingStripProject(2);
    p.Vtoe(3, 1) = -1040;  // larger shear, on the deeper top bars: 48.38 lb/in^2
    p.Vtoe(2, 2) = 1000;   // on the bottom bars: 1000 / 20.50 = 48.78 lb/in^2
    const auto toe = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(After(toe, "SHEAR (Comb", 0), "          SHEAR (Comb 2):");
    EXPECT_EQ(After(toe, "SHEAR (Comb", 2), "          Effective depth = 20.50 in");
    p.Vtoe(2, 2) = 900;
    const auto toe2 = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(After(toe2, "SHEAR (Comb", 0), "          SHEAR (Comb 1):");
    EXPECT_EQ(After(toe2, "SHEAR (Comb", 2), "          Effective depth = 21.50 in");
}

TEST(FootingToeHeel, ServiceMomentGovernsByRatioToItsIncreaseFactor) {
    Project p = FootingStripProject(3);
    p.Mtoe(5, 1) = 100000;  // ratio 100000
    p.Mtoe(5, 2) = 120000;  // larger moment, ratio 80000
    p.Fsls[2] = 1.5f;
    p.Mtoe(5, 3) = 150000;  // ratio 100000: the tie keeps comb 1
    p.Fsls[3] = 1.5f;
    const auto toe = LinesBetween(Design(p), "F O O T I N G   T O E", "F O O T I N G   H E E L");
    EXPECT_EQ(CountLines(toe, "CRACK CONTROL (Comb 1):"), 1);
    EXPECT_EQ(CountLines(toe, "Service moment   = 100.000 k-ft/ft"), 1);
}

TEST(FootingToeHeel, ZeroIncreaseFactorEndsTheRunWithACalculationError) {
    Project p = FootingStripProject(2);
    p.Mtoe(5, 1) = 100000;
    p.Fsls[2] = 0.0f;
    Report r;
    EXPECT_THROW(DesignFootingToeHeel(p, r), CalculationFault);
    EXPECT_EQ(r.allText().find("nan"), std::string::npos);
    ClearArithmeticFaults();
}

}  // namespace
}  // namespace qelvorn
