// Stem wall of a 20 ft haunched abutment (English): the governing
// combinations, a bearing beyond the middle of the stem, and a pressure
// resultant outside every distribution.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "analysis/wall_design.h"
#include "model/defaults.h"

namespace qelvorn {
namespace {

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
