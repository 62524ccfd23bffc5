// Section checks on a 24 in wall strip with one 1.00 in^2 bar every 12 in at
// 20 in effective depth (English), by hand where no example reaches: failed
// checks, the blocks each criteria ends with, limits of the crack control
// relations and the temperature and shrinkage requirements.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "analysis/checks.h"
#include "analysis/sample_projects.h"

namespace qelvorn {
namespace {

using testing::StripProject;
bool Has(const Report& r, const std::string& line) {
    return r.contents().find(line + "\r\n") != std::string::npos;
}

// The last non-empty line of the report.
std::string LastLine(const Report& r) {
    std::string s(r.contents());
    while (s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0) s.resize(s.size() - 2);
    const std::size_t at = s.rfind("\r\n");
    return at == std::string::npos ? s : s.substr(at + 2);
}

TEST(ChecksUltimate, MomentTooHighForTheSection) {
    Project p = StripProject("aashto");
    p.Mu = 700000;  // beyond the maximum of c^2 / 4a = 612000
    Report r;
    CheckMomentUltimate(p, r, 20, 24, 1.0f, 12);
    EXPECT_EQ(r.contents().rfind("          Factored moment = 700.000 is too high,\r\n"
                                 "          try redesign with thicker concrete section.\r\n"
                                 "\r\n"
                                 "          MOMENT (Comb 1):\r\n",
                                 0),
              0u);
    EXPECT_TRUE(Has(r, "          As required     = 0.00 < As provided = 1.00 OKAY"));

    Report r2;
    EXPECT_EQ(RequiredAreaUltimate(p, r2, 24, 20), 0.0f);
    EXPECT_TRUE(Has(r2, "          try redesign with thicker concrete section."));
}

TEST(ChecksUltimate, MomentBlockEndingsByCriteria) {
    auto last = [](const char* criteria, float As) {
        Project p = StripProject(criteria);
        p.Mu = 60000;
        Report r;
        CheckMomentUltimate(p, r, 20, 24, As, 12);
        return LastLine(r);
    };
    // Over-reinforced sections: 1 in^2/in leaves too little strain; a c/d
    // ratio of 6 x 1.7647 / (0.85 x 20) (a = 0.9 x 60000 / 12 / (0.85 x 0.75
    // x 4000) per in^2) beyond the limit.
    EXPECT_NE(last("lrfd", 12.0f).find("< 0.005 NO GOOD ***"), std::string::npos);
    EXPECT_EQ(last("s6", 6.0f), "          c/d limit       = 0.50 < c/d ratio = 0.62 NO GOOD ***");
    EXPECT_EQ(last("arema", 6.0f), "          As maximum      = 5.13 < As provided = 6.00 NO GOOD ***");
}

TEST(ChecksUltimate, ShearDepthAndStirrups) {
    Project p = StripProject("aashto");
    // phi 2 sqrt(f'c) = 0.85 * 2 * 63.246 = 107.52 psi
    p.Vu = 1075.2f * 1.0f;  // d required = 10.00 in
    Report r;
    CheckShearUltimate(p, r, 20);
    EXPECT_EQ(LastLine(r), "          d required      = 10.00 < d provided = 20.00 OKAY");

    p.Vu = 3225.6f;  // d required = 30 in; Av = (3225.6 - 2150.4) / (0.85 * 60000 * 20)
    Report r2;
    CheckShearUltimate(p, r2, 20);
    EXPECT_TRUE(Has(r2, "          d required      = 30.00 > d provided = 20.00 NO GOOD ***"));
    EXPECT_TRUE(Has(r2, "          Av required     = 1.05E-03 in^2/in^2 with d provided"));
}

TEST(ChecksUltimate, S6ShearBeyondTheConcreteCapacityNeedsNoDepthFigure) {
    Project p = StripProject("s6");
    const double fr = 4.8 * std::sqrt(4000.0) * 0.006894757;  // MPa
    // At or beyond 600 phic fr no depth suffices: the section is reported
    // NO GOOD without a required depth, with the stirrups at the given depth.
    p.Vu = static_cast<float>(600.0 * 0.75 * fr / (4.448222 / 25.4)) * 1.2f;
    Report r2;
    CheckShearUltimate(p, r2, 20);
    EXPECT_TRUE(Has(r2, "          d required      = unlimited > d provided = 20.00 NO GOOD ***")) << r2.contents();
    EXPECT_NE(r2.contents().find("          Av required     = "), std::string::npos);
    EXPECT_EQ(r2.contents().find("= -"), std::string::npos);
}

TEST(ChecksCrack, LrfdSpacingLimitNeverNegative) {
    Project p = StripProject("lrfd");
    const double dc = std::sqrt(1.0 / 3.1416) + 2.0;
    const double beta = 1 + dc / (0.7 * (24 - dc));
    char line[120];
    // 130 ksi: 700 / (beta fss) < 2 dc. The limit is shown as 0 and the
    // area is the one that brings the limit to the provided spacing.
    p.Ms = 200000;
    Report r2;
    CheckCrackControl(p, r2, 20, 24, 12, 1.0f);
    const double fss = 200000.0 * 12 / (0.9243303 * 20) / 1000;
    const double area = 1.0 * (12 + 2 * dc) / (700 / (beta * fss));
    std::snprintf(line, sizeof line, "          As required      = %.2f in^2 at the same reinf spacing", area);
    EXPECT_EQ(LastLine(r2), line);
    EXPECT_TRUE(Has(r2, "          Maximum spacing  = 0.00 in < Reinf spacing = 12.00 NO GOOD ***")) << r2.contents();

    // No tension in the bars: no spacing limit, no fault.
    p.Ms = 0;
    Report r3;
    CheckCrackControl(p, r3, 20, 24, 12, 1.0f);
    EXPECT_EQ(LastLine(r3), "          Maximum spacing  = no limit > Reinf spacing = 12.00 OKAY");
}

TEST(ChecksCrack, S6FortyPercentCrackingMoment) {
    Project p = StripProject("s6", "metric");
    const float h = 600, d = 520, s = 200, As = 500;
    const float Mr = 0.4f * p.ModRupture * h * h / 6.0f;  // 56.794 kN-m/m
    // Exactly at the 40% cracking moment the crack control factor is zero.
    p.Ms = Mr;
    Report r2;
    CheckCrackControl(p, r2, d, h, s, As);
    EXPECT_EQ(LastLine(r2), "          Crack control factor = 0.0 < 30000.0 OKAY");

    // Beyond it with the steel under 0.6 fy: the area and spacing that
    // satisfy the relation.
    p.Ms = 250000;
    Report r3;
    CheckCrackControl(p, r3, d, h, s, As);
    float fss = 0, fcs = 0;
    ServiceStresses(p, r3, d, As, s, fss, fcs);
    ASSERT_LT(fss, 240.0f);
    const double rb = std::sqrt(500.0 / 3.1416);
    const double cm = 1 - (Mr / 250000.0) * (Mr / 250000.0);
    const double zc = cm * (0.9 * (200 - 2 * rb) + 100) * fss;
    ASSERT_GT(zc, 30000.0);
    const double smax = (30000.0 / (cm * fss) - 100) / 0.9 + 2 * rb;
    char line[120];
    std::snprintf(line, sizeof line, "          Crack control factor = %.1f > 30000.0 NO GOOD ***", zc);
    EXPECT_TRUE(Has(r3, line)) << r3.contents();
    std::snprintf(line, sizeof line, "          As required          = %.2f mm^2 at the same reinf spacing, or",
                  500.0 * zc / 30000.0);
    EXPECT_TRUE(Has(r3, line)) << r3.contents();
    std::snprintf(line, sizeof line, "          Maximum spacing      = %.2f mm with the same reinf area/width", smax);
    EXPECT_EQ(LastLine(r3), line);

    // Steel above 0.6 fy: only the spacing; a spacing limit below zero is
    // shown as 0 (no spacing works at this stress).
    p.Ms = 400000;
    p.ExpFactor = 15000;
    Report r4;
    CheckCrackControl(p, r4, d, h, s, As);
    EXPECT_EQ(r4.contents().find("As required"), std::string::npos);
    EXPECT_EQ(LastLine(r4), "          Maximum spacing      = 0.00 mm with the same reinf area/width");
}

TEST(ChecksTemperatureShrinkage, RequirementByCriteria) {
    auto line = [](const char* criteria, const char* units, float h, float As, float s, float b) {
        Project p = StripProject(criteria, units);
        Report r;
        CheckTemperatureShrinkage(p, r, h, As, s, b);
        return LastLine(r);
    };
    // 0.25 in^2/ft in mm^2 at 300 mm: 0.25 * 25.4 * 300 / 12
    EXPECT_EQ(line("arema", "metric", 400, 199, 300, 2000), "          T&S reinforcement = 199.00 > Area required = 158.75 OKAY");
    // LRFD: 1.3 b h / (2 (b + h) fy) per foot = 1.3*240*24/(2*264*60) = 0.2364,
    // one bar at 6 in carries half a foot.
    EXPECT_EQ(line("lrfd", "english", 24, 0.11f, 6, 240), "          T&S reinforcement = 0.11 < Area required = 0.12 NO GOOD ***");
    // Limits 0.11 and 0.6 in^2/ft
    EXPECT_EQ(line("lrfd", "english", 6, 0.31f, 12, 6), "          T&S reinforcement = 0.31 > Area required = 0.11 OKAY");
    EXPECT_EQ(line("lrfd", "english", 1000, 0.31f, 6, 1000), "          T&S reinforcement = 0.31 > Area required = 0.30 OKAY");
}

}  // namespace
}  // namespace qelvorn
