// Back wall and stem wall of a 20 ft haunched abutment (English): unfactored
// loads by hand, the governing combinations and the report variants of the
// design criteria and concrete design options.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "analysis/wall_design.h"
#include "model/defaults.h"

namespace qelvorn {
namespace {

Project WallProject(const std::string& criteria, const std::string& design) {
    Project p;
    p.Units = "english";
    SetUnits(p);
    p.Criteria = criteria;
    p.ConcreteDesign = design;
    p.WallType = "haunch";
    p.fc = 4000; p.fs = 60000; p.Es = 29000000; p.ModRatio = 8;
    p.Alpha1 = p.Beta1 = 0.85f; p.Ecu = 0.003f;
    p.PhiFlexure = 0.9f; p.PhiShear = 0.85f; p.PhiSteel = p.PhiConcrete = 1.0f;
    p.ModRupture = 7.5f * std::sqrt(4000.0f);
    p.ExpFactor = 170000;
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

std::vector<std::string> Lines(const Report& r) { return testing::ReportLines(r.contents()); }

bool Has(const Report& r, const std::string& text) { return r.contents().find(text) != std::string::npos; }

// A row of the unfactored load table: name at 10, shear at 40, moment at 55.
std::string Row(const std::string& name, const std::string& V, const std::string& M) {
    return testing::Cols().at(10, name).at(40, V).at(55, M);
}

TEST(BackWall, UnfactoredLoadsByHand) {
    Project p = WallProject("aashto", "usd");
    Report r;
    BackWallSection(p, r);
    const auto lines = Lines(r);
    ASSERT_GE(lines.size(), 12u);
    // d = 18 - 3 - sqrt(0.44/pi) = 14.626 in; shear at 72 - d = 57.374 in:
    // 0.3 * 120/1728 * 57.374^2 / 2 = 34.29 lb/in = 0.411 kip/ft.
    // Moment: 0.5 * 72 * 0.3 * 120/1728 * 72^2 / 2 = 1944 lb-in/in.
    EXPECT_EQ(lines[9], Row("Lateral earth pressure", "0.411", "1.944"));
    EXPECT_TRUE(Has(r, "          Effective depth = 14.63 in\r\n"));
    // The service moment, largest after division by the stress increase,
    // comes from combination 1 (1.944 against 1.944 / 1.33).
    EXPECT_TRUE(Has(r, "          CRACK CONTROL (Comb 1):"));
    EXPECT_TRUE(Has(r, "          Service moment   = 1.944 k-ft/ft\r\n"));
    EXPECT_EQ(r.contents().find("NO GOOD"), std::string::npos) << r.contents();
}

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

TEST(StemWall, UniformEarthPressureAndBearingMomentsByHand) {
    Project p = WallProject("aashto", "usd");
    Report r;
    StemWallSection(p, r);
    const auto lines = Lines(r);
    // Bearing 3 in from the centre of the 36 in stem: 600 kip / 40 ft * 3 in.
    EXPECT_EQ(lines[9], Row("Dead load constant", "", "3.750"));
    EXPECT_EQ(lines[10], Row("Dead load varying", "", "0.750"));
    EXPECT_EQ(lines[11], Row("Live load standard", "", "2.000"));
    // Longitudinal force 16 kip / 40 ft at 240 - 72 + 72 in above the base.
    EXPECT_EQ(lines[12], Row("LL longitudinal force", "0.400", "8.000"));
    EXPECT_EQ(lines[13], Row("FR longitudinal force", "1.000", "14.000"));
    // Uniform q = 0.3 * 120/1728 * 240 / 2 = 2.5 psi; shear at 240 - d
    // (d = 36 - 3 - sqrt(0.79/pi) = 32.499): 518.75 lb/in; moment 2.5 * 240^2 / 2.
    EXPECT_EQ(lines[14], Row("Lateral earth pressure", "6.225", "72.000"));
    EXPECT_TRUE(Has(r, "     (Ultimate Strength Design)\r\n"));

    // A bearing beyond the middle of the stem gives no bridge-load moment.
    p.Db = 20;
    Report r2;
    StemWallSection(p, r2);
    EXPECT_FALSE(Has(r2, "Dead load constant"));
    EXPECT_FALSE(Has(r2, "Live load standard"));
    EXPECT_TRUE(Has(r2, "LL longitudinal force"));
}

TEST(StemWall, DesignMethodVariants) {
    // Service load design under AASHTO: no ultimate block, no crack control.
    Project p = WallProject("aashto", "sld");
    Report r;
    StemWallSection(p, r);
    EXPECT_FALSE(Has(r, "ULTIMATE LIMIT STATE"));
    EXPECT_FALSE(Has(r, "CRACK CONTROL"));
    EXPECT_TRUE(Has(r, "     SERVICEABILITY LIMIT STATE CALCULATIONS:\r\n\r\n          SHEAR (Comb 1):"));
    EXPECT_TRUE(Has(r, "     (Service Load Design)\r\n"));

    // Both under AREMA: crack control without repeating the service moment.
    Project q = WallProject("arema", "both");
    Report rb;
    StemWallSection(q, rb);
    EXPECT_TRUE(Has(rb, "          CRACK CONTROL (Comb "));
    EXPECT_FALSE(Has(rb, "          Service moment   = "));
    EXPECT_TRUE(Has(rb, "     (Ultimate Strength Design)\r\n"));
}

// Metric LRFD back wall, no haunch: 2 m high, 400 mm thick (Tw - Ts), one
// 284 mm^2 bar every 250 mm at 50 mm cover, earth at K = 0.3 of 18.85 kN/m^3
// with its resultant at mid-height, one combination: service 1, factored 1.5.
Project MetricLrfdBackWall() {
    Project p;
    p.Units = "metric";
    SetUnits(p);
    p.Criteria = "lrfd";
    p.ConcreteDesign = "usd";
    p.WallType = "nohaunch";
    p.fc = 28; p.fs = 420; p.Es = 200000; p.ModRatio = 8;
    p.Alpha1 = p.Beta1 = 0.85f; p.Ecu = 0.003f;
    p.PhiFlexure = 0.9f; p.PhiShear = 0.9f; p.PhiSteel = p.PhiConcrete = 1.0f;
    p.ModRupture = 0.63f * std::sqrt(28.0f);
    p.ExpFactor = 1.0f;
    p.Hw = 6000; p.Hb = 2000; p.Tb = 400; p.Tw = 1000; p.Ts = 600; p.Lw = 12000;
    p.Kep = 0.3f; p.Yep = 0.5f; p.rhos = 18.85e-6f;
    p.CAsw = 50; p.Asb = 284; p.SAsb = 250; p.AsTSb = 199; p.SAsTSb = 300;
    p.ResizeLoadCombinations(1);
    for (int k : {8, 9}) {  // earth pressure and surcharge
        (p.*kSlsFactors[k])[1] = 1.0f;
        (p.*kMaxFactors[k])[1] = 1.5f;
    }
    p.Fsls[1] = 1.0f;
    return p;
}

std::string Fmt(const char* format, double value) {
    char buf[160];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

TEST(BackWall, MetricLrfdByHand) {
    Project p = MetricLrfdBackWall();
    Report r;
    BackWallSection(p, r);
    // d = 400 - 50 - sqrt(284/pi) = 340.492 mm; shear at 2000 - d.
    const double d = 400.0 - 50.0 - std::sqrt(284.0 / 3.1416);
    const double h1 = 2000.0 - d;
    const double g = 0.3 * 18.85e-6;           // K gamma, N/mm^3
    const double V = g * h1 * h1 / 2;          // 7.787 N/mm
    const double M = 0.5 * 2000 * g * 2000 * 2000 / 2;  // 11310 N-mm/mm
    EXPECT_TRUE(Has(r, Row("Lateral earth pressure", Fmt("%.3f", V), Fmt("%.3f", M / 1000)) + "\r\n")) << r.contents();
    EXPECT_TRUE(Has(r, "          Effective depth = 340.49 mm\r\n"));
    EXPECT_TRUE(Has(r, "          Factored shear  = " + Fmt("%.3f", 1.5 * V) + " kN/m\r\n"));
    // 2 phi (sqrt(f'c) / 12) 0.9 in MPa: d required = Vu / (0.15 sqrt(28) 0.9)
    const double dreq = 1.5 * V / (2 * 0.9 * std::sqrt(28.0) / 12 * 0.9);
    EXPECT_TRUE(Has(r, "          d required      = " + Fmt("%.2f", dreq) + " < d provided = 340.49 OKAY\r\n"));
    // 4/3 Mu = 22620 is below 1.2 Mcr = 106 675: the area for 4/3 Mu from
    // 0.9 fy A (d - fy A / (2 * 0.85 f'c)) = Mdes.
    const double Mdes = 4.0 / 3.0 * 1.5 * M;
    const double a = 0.9 * 0.5 * 420.0 * 420.0 / (0.85 * 28.0), c = 0.9 * 420.0 * d;
    const double A = (c - std::sqrt(c * c - 4 * a * Mdes)) / (2 * a);
    EXPECT_TRUE(Has(r, "          As required     = " + Fmt("%.2f", A * 250) + " < As provided = 284.00 OKAY\r\n"));
    // Crack control in kip-inch units: cracked section under 11310 N-mm/mm.
    const double rn = 284.0 / (d * 250) * 8, k = std::sqrt(rn * rn + 2 * rn) - rn, j = 1 - k / 3;
    const double fss = M * 250 / (284 * j * d);  // MPa
    const double dcIn = (400 - d) / 25.4, hIn = 400 / 25.4;
    const double beta = 1 + dcIn / (0.7 * (hIn - dcIn));
    const double smax = (700.0 / (beta * fss / 0.006894757 / 1000) - 2 * dcIn) * 25.4;
    EXPECT_TRUE(Has(r, "          Steel stress     = " + Fmt("%.2f", fss) + " MPa\r\n"));
    EXPECT_TRUE(Has(r, "          Maximum spacing  = " + Fmt("%.2f", smax) + " mm > Reinf spacing = 250.00 OKAY\r\n"))
        << r.contents();
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

    p.Yep = 0.5f;
    p.Keq = 0.1f;
    p.Yeq = 0.2f;
    StemWallSection(p, r);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], "Error in earthquake pressure resultant location");
    EXPECT_TRUE(r.contents().empty());
}

}  // namespace
}  // namespace qelvorn
