// Spread footing: pressure distribution cases, exact toe and heel loads, the
// bearing, sliding and footing-load report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/footing_toe_heel.h"
#include "analysis/sections.h"
#include "analysis/spread_footing.h"
#include "model/defaults.h"
#include "model/numtext.h"
#include "report/report.h"
#include "sample_projects.h"

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

// ---------------------------------------------------------------------------
// The report section

// English AASHTO spread footing, 10 ft wide and 30 ft long, 2 ft thick, toe
// 3 ft, stem 2 ft, heel 5 ft; per-combination stability results are set by
// each test.
Project SpreadProject(int nlc) {
    Project p;
    ResetProject(p);
    p.FootingType = "spread";
    p.WallType = "nohaunch";
    p.fc = 4000; p.fs = 60000; p.ExpFactor = 170000;
    p.rhoc = 150.0f / 1728.0f; p.rhos = 120.0f / 1728.0f;
    DeriveConcreteProperties(p);
    p.Hw = 180; p.Hb = 60; p.Tb = 12; p.Lw = 360; p.Tw = 24; p.Bat = 0;
    p.Dt = 36; p.Wf = kWf; p.Lf = kLf; p.Tf = 24; p.Ht = 24;
    p.Q = 4000.0f / 144.0f; p.Qu = 6000.0f / 144.0f; p.Qeq = 8000.0f / 144.0f;
    p.Fr = 0.5f; p.Fru = 0.45f; p.Freq = 0.6f;
    p.Kp = 2; p.Kpu = 1.5f; p.Kpeq = 2.5f;
    p.Asft = 0.79f; p.Asfbt = 0.79f; p.Asfbh = 0.79f; p.AsTSf = 0.31f;
    p.SAsft = 12; p.SAsfbt = 12; p.SAsfbh = 12; p.SAsTSf = 12;
    p.CAsft = 3; p.CAsfb = 3;
    p.Peq = 0;
    p.ResizeLoadCombinations(nlc);
    for (auto* loc : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st})
        loc->assign(static_cast<std::size_t>(nlc) + 1, 0.0f);
    for (int c = 1; c <= nlc; ++c) p.Fsls[c] = p.Fdasls[c] = p.Fdesls[c] = 1.0f;
    ClearArithmeticFaults();
    return p;
}

// A service load centred on the footing: uniform pressure q (psi).
void CentredService(Project& p, int c, float q) {
    p.Vsls[c] = q * kWf * kLf;
    p.Xsls[c] = kWf / 2.0f;
}

std::vector<std::string> Section(Project& p) {
    Report r;
    SpreadFootingSection(p, r);
    return testing::ReportLines(r.contents());
}

// A maximum pressure line: label, value and capacity at their columns.
std::string MaxLine(const std::string& label, const std::string& value, const std::string& capacity) {
    return testing::Cols().at(16, label).at(45, "= " + value).at(55, "< " + capacity + " OKAY");
}

using testing::CountLines;
using testing::LinesBetween;

// Service design under aashto: service rows only, the governing service
// pressure chosen by its ratio to the increase factor, and a sliding row
// for a combination without lateral load.
TEST(SpreadFootingSection, ServiceDesignUnderAashto) {
    Project p = SpreadProject(3);
    p.ConcreteDesign = "sld";
    CentredService(p, 1, 10.0f);  // 1440 psf, F = 1.0: ratio 10
    CentredService(p, 2, 12.0f);  // larger pressure, F = 1.5: ratio 8
    CentredService(p, 3, 15.0f);  // ratio 10 again: the tie keeps comb 1
    p.Fsls[2] = p.Fsls[3] = 1.5f;
    p.Vmax[1] = p.Vmin[1] = 2.0f * p.Vsls[1];
    p.Xuls1[1] = p.Xuls2[1] = p.Xuls3[1] = p.Xuls4[1] = 50.0f;
    p.Hsls[2] = 50000; p.Hmax[2] = 60000;
    const auto lines = Section(p);
    EXPECT_EQ(CountLines(lines, MaxLine("SLS Pressure (Comb 1)", "1440.0", "4000.0")), 1);
    EXPECT_EQ(CountLines(lines, "SLS EQ Pressure"), 0);
    // Case 2, full contact, 1440 psf under toe and heel; no ultimate rows
    // anywhere, nor their legend.
    EXPECT_EQ(CountLines(lines, "          1        SLS        2        10.000    1440.0    1440.0"), 1);
    EXPECT_EQ(CountLines(lines, "ULS"), 0);
    // Sliding resistance 0.5 * 432 kip + Kp rhos (Tf + Ht)^2 / 2 Lw.
    const auto sliding = LinesBetween(lines, "SLIDING STABILITY:", "FOOTING LOADS:");
    const float passive = 2.0f * (120.0f / 1728.0f) * 48.0f * 48.0f / 2.0f * 360.0f;
    const float R = 0.5f * p.Vsls[1] + passive;
    EXPECT_EQ(CountLines(sliding, "          1        SLS       0.0       " + FormatNumber(R / p.ForceFactor, "0.0") + "     OKAY"), 1);
    EXPECT_EQ(CountLines(sliding, "          2        SLS       50.0"), 1);
    // Toe: q - Qdn = 10 - (24*150 + 24*120)/1728 psi over 36 in, shear at
    // one effective depth (24 - 3 - 0.5015 in) from the face.
    const float qdnToe = (24.0f * 150.0f + 24.0f * 120.0f) / 1728.0f;
    const float mToe = (10.0f - qdnToe) * 36.0f * 36.0f / 2.0f;
    const float dToe = 24.0f - 3.0f - std::sqrt(0.79f / 3.1416f);
    const float vToe = (10.0f - qdnToe) * (36.0f - dToe);
    const std::string row = "          1     SLS    -     " + FormatNumber(vToe / p.LineLoadFactor, "0.000");
    const auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(row, 0) == 0; });
    ASSERT_NE(it, lines.end()) << row;
    EXPECT_NE(it->find(FormatNumber(mToe / p.ForceFactor, "0.000")), std::string::npos) << *it;
    // SLD checks in the toe and heel, no crack control.
    EXPECT_EQ(CountLines(lines, "SERVICEABILITY LIMIT STATE CALCULATIONS:"), 2);
    EXPECT_EQ(CountLines(lines, "CRACK CONTROL"), 0);
}

TEST(SpreadFootingSection, S6ShowsUls2StarInThePressureTableOnly) {
    Project p = SpreadProject(1);
    p.Criteria = "s6";
    p.ConcreteDesign = "usd";
    DeriveConcreteProperties(p);
    CentredService(p, 1, 10.0f);
    // Uniform blocks over 2X: ULS 2 would give the largest pressure but
    // ULS 2* takes its place in the governing search.
    p.Vmax[1] = p.Vmin[1] = p.Vminst[1] = 20.0f * kWf * kLf;
    p.Xuls1[1] = p.Xuls3[1] = p.Xuls4[1] = 60.0f;  // 20 psi over the whole width
    p.Xuls2[1] = 20.0f;                            // 60 psi over 40 in
    p.Xuls2st[1] = 40.0f;                          // 30 psi over 80 in
    p.Fdamax[1] = p.Fdamin[1] = p.Fdaminst[1] = 1.0f;
    const auto lines = Section(p);
    const auto pressures = LinesBetween(lines, "SOIL BEARING PRESSURE:", "TRIANGULAR PRESSURE CASES:");
    EXPECT_EQ(CountLines(pressures, "ULS 2*"), 1);
    EXPECT_EQ(CountLines(pressures, "ULS 2 "), 1);
    EXPECT_EQ(CountLines(lines, MaxLine("ULS Pressure (Comb 1)", "4320.0", "6000.0")), 1);
    // Case 6 never gets footing loads; the table holds cases 1 to 4.
    EXPECT_EQ(CountLines(LinesBetween(lines, "FOOTING LOADS:", "ULS CASES:"), "ULS"), 4);
}

TEST(SpreadFootingSection, EarthquakeCombinationUnderAashtoBothAndSld) {
    Project p = SpreadProject(2);
    p.ConcreteDesign = "both";
    p.Peq = 1000.0f;
    // Comb 1: ordinary, 10 psi service and 20 psi ultimate, centred.
    CentredService(p, 1, 10.0f);
    p.Vmax[1] = p.Vmin[1] = 20.0f * kWf * kLf;
    p.Hsls[1] = 20000; p.Hmax[1] = 30000;
    // Comb 2: earthquake (service and ultimate), 12 psi service with a 1.33
    // increase, 15 psi ultimate; no service lateral load.
    CentredService(p, 2, 12.0f);
    p.Fsls[2] = 1.33f;
    p.Feqsls[2] = p.Feqmax[2] = 1.0f;
    p.Vmax[2] = p.Vmin[2] = 15.0f * kWf * kLf;
    p.Hsls[2] = 0; p.Hmax[2] = 40000;
    for (int c = 1; c <= 2; ++c) p.Xuls1[c] = p.Xuls2[c] = p.Xuls3[c] = p.Xuls4[c] = kWf / 2.0f;
    const auto lines = Section(p);
    // Capacities: Q Fsls = 4000 * 1.33 psf for the service EQ pressure of
    // 12 psi = 1728 psf; Qeq = 8000 psf for the 15 psi = 2160 psf ultimate
    // EQ pressure. The ordinary ultimate pressure has no line under aashto.
    EXPECT_EQ(CountLines(lines, MaxLine("SLS Pressure (Comb 1)", "1440.0", "4000.0")), 1);
    EXPECT_EQ(CountLines(lines, MaxLine("SLS EQ Pressure (Comb 2)", "1728.0", "5320.0")), 1);
    EXPECT_EQ(CountLines(lines, MaxLine("ULS EQ Pressure (Comb 2)", "2160.0", "8000.0")), 1);
    EXPECT_EQ(CountLines(lines, "ULS Pressure"), 0);
    // Sliding. Passive force K rhos (Tf + Ht)^2 / 2 Lw = K * 28800 lb with
    // rhos = 120 pcf, 48 in and 360 in.
    //   comb 1 SLS: 1.0 * (0.5 * 432 kip + 2 * 28.8 kip) = 273.6 kip;
    //   comb 2 has no service lateral load but an ultimate one: no SLS row,
    //   and the ULS EQ row carries the combination number:
    //   0.6 * 648 kip + 2.5 * 28.8 kip = 460.8 kip.
    const auto sliding = LinesBetween(lines, "SLIDING STABILITY:", "FOOTING LOADS:");
    EXPECT_EQ(CountLines(sliding, "          1        SLS       20.0      273.6     OKAY"), 1);
    EXPECT_EQ(CountLines(sliding, "          2        ULS EQ    40.0      460.8     OKAY"), 1);
    EXPECT_EQ(CountLines(sliding, "EQ"), 1);
    // With service load design the ultimate earthquake lines disappear, and
    // the earthquake combination with a service lateral load is labelled
    // SLS EQ: 1.33 * (0.5 * 518.4 kip + 57.6 kip) = 421.344 kip.
    p.ConcreteDesign = "sld";
    p.Hsls[2] = 10000;
    const auto lines2 = Section(p);
    EXPECT_EQ(CountLines(lines2, "ULS EQ"), 0);
    EXPECT_EQ(CountLines(lines2, "SLS EQ Pressure (Comb 2)"), 1);
    EXPECT_EQ(CountLines(lines2, "          2        SLS EQ    10.0      421.3     OKAY"), 1);
}

// Metric AASHTO LRFD footing 4 m wide and 10 m long, 0.8 m thick, toe 1 m,
// stem 0.8 m, heel 2.2 m; one strength combination without service loads.
TEST(SpreadFootingSection, MetricLrfdUniformPressureLoadsAndSlidingByHand) {
    Project p;
    ResetProject(p);
    p.Units = "metric";
    SetUnits(p);
    p.Criteria = "lrfd"; p.ConcreteDesign = "usd"; p.FootingType = "spread"; p.WallType = "nohaunch";
    p.fc = 28; p.fs = 420; p.ExpFactor = 0.75f; p.rhoc = 24e-6f; p.rhos = 19e-6f;
    DeriveConcreteProperties(p);
    p.Hw = 5000; p.Hb = 1500; p.Tb = 300; p.Lw = 10000; p.Tw = 800; p.Bat = 0;
    p.Dt = 1000; p.Wf = 4000; p.Lf = 10000; p.Tf = 800; p.Ht = 600;
    p.Q = 0.3f; p.Qu = 0.45f; p.Qeq = 0.6f;
    p.Fru = 0.5f; p.Kpu = 2.0f;
    p.Asft = 500; p.Asfbt = 500; p.Asfbh = 500; p.AsTSf = 200;
    p.SAsft = 200; p.SAsfbt = 200; p.SAsfbh = 200; p.SAsTSf = 300;
    p.CAsft = 75; p.CAsfb = 75;
    p.Peq = 0;
    p.ResizeLoadCombinations(1);
    for (auto* loc : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st}) loc->assign(2, 0.0f);
    p.Fsls[1] = 1.0f; p.Fdamax[1] = p.Fdamin[1] = 1.25f;
    p.Vmax[1] = p.Vmin[1] = 2.0e6f;  // 2000 kN
    p.Xuls1[1] = p.Xuls2[1] = p.Xuls3[1] = p.Xuls4[1] = 1500.0f;
    p.Hmax[1] = 500000;
    ClearArithmeticFaults();
    const auto lines = Section(p);
    // Uniform block over 2X = 3 m: 2000 kN / (3 m * 10 m) = 66.7 kPa. No
    // service row, so the first ultimate row carries the combination.
    EXPECT_EQ(CountLines(lines, "          1        ULS 1      11       3.000     66.7      0.0"), 1);
    EXPECT_EQ(CountLines(lines, "SLS"), 0);
    EXPECT_EQ(CountLines(lines, MaxLine("ULS Pressure (Comb 1)", "66.7", "450.0")), 1);
    // Sliding: 0.5 * 2000 kN + 2 * 19 kN/m^3 * 1.4^2 / 2 * 10 m = 1372.4 kN.
    EXPECT_EQ(CountLines(lines, "          1        ULS       500.0     1372.4    OKAY"), 1);
    // Toe: net 0.0666667 - 0.8 m * 24 kN/m^3 * 1.25 = 0.0426667 MPa over
    // 1 m: M = 0.0426667 * 1000^2 / 2 = 21333 N-mm/mm; shear one effective
    // depth (800 - 75 - sqrt(500 / 3.1416) = 712.38 mm) from the face:
    // 0.0426667 * 287.62 = 12.272 N/mm.
    // Heel (x = 1.8 m to 4 m; contact up to 3 m): M = 0.0666667 * 1200^2 / 2
    // - 0.024 * 2200^2 / 2 = -10080 N-mm/mm, negative, so the shear is taken
    // at the face: 0.0666667 * 1200 - 0.024 * 2200 = 27.2 N/mm.
    EXPECT_EQ(CountLines(lines, "          1     ULS     1    12.272    21.333    27.200    -10.080"), 1);
    EXPECT_EQ(CountLines(lines, "                ULS     4    12.272    21.333    27.200    -10.080"), 1);
}

TEST(SpreadFootingSection, ZeroIncreaseFactorOrLengthEndsTheRunWithACalculationError) {
    for (int which = 0; which < 2; ++which) {
        Project p = SpreadProject(2);
        CentredService(p, 1, 10.0f);
        (which == 0 ? p.Fsls[2] : p.Lf) = 0.0f;
        Report r;
        EXPECT_THROW(SpreadFootingSection(p, r), CalculationFault) << which;
        EXPECT_FALSE(r.allText().find("nan") != std::string::npos || r.allText().find("inf") != std::string::npos);
        ClearArithmeticFaults();
    }
}

}  // namespace
}  // namespace qelvorn
