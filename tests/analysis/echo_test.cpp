#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/sections.h"
#include "analysis/sample_projects.h"
#include "report/report.h"

using namespace qelvorn;
using qelvorn::testing::Cols;

namespace {

std::vector<std::string> Echo(Project& p) {
    Report r;
    ClearArithmeticFaults();
    InputEcho(p, r);
    EXPECT_TRUE(r.pendingLine().empty());
    return qelvorn::testing::ReportLines(r.contents());
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Index of the line, or -1.
int Find(const std::vector<std::string>& lines, const std::string& line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

bool AnyContains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

const std::string kS10(10, ' ');
const std::string kS5(5, ' ');

}  // namespace

TEST(InputEcho, OptionLinesFollowCriteriaAndDesignMethod) {
    struct Case {
        const char* criteria;
        const char* design;
        const char* criteriaLine;
        const char* designLine;  // empty: no concrete design line
    };
    const Case cases[] = {
        {"aashto", "usd", "Design Criteria = AASHTO", "Concrete Design = Ultimate Strength Design (USD)"},
        {"aashto", "both", "Design Criteria = AASHTO", "Concrete Design = Both SLD and USD"},
        {"arema", "sld", "Design Criteria = AREMA", "Concrete Design = Service Load Design (SLD)"},
        {"lrfd", "usd", "Design Criteria = AASHTO LRFD", ""},
        {"s6", "usd", "Design Criteria = CAN/CSA-S6", ""},
    };
    for (const Case& c : cases) {
        Project p = qelvorn::testing::SamplePileProject();
        p.Criteria = c.criteria;
        p.ConcreteDesign = c.design;
        const auto lines = Echo(p);
        std::vector<std::string> expected = {"", "     O P T I O N S", kS5 + std::string(65, '='), "",
                                             "     Units           = English", kS5 + c.criteriaLine};
        if (*c.designLine) expected.push_back(kS5 + c.designLine);
        expected.push_back("     Wall Type       = Haunch");
        expected.push_back("     Footing Type    = Pile");
        ASSERT_GE(lines.size(), expected.size());
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())),
                  expected)
            << c.criteria << " " << c.design;
    }

    Project p = qelvorn::testing::SampleSpreadProject();
    const auto lines = Echo(p);
    EXPECT_EQ(lines[4], "     Units           = Metric");
    EXPECT_TRUE(Has(lines, "     Wall Type       = No Haunch"));
    EXPECT_TRUE(Has(lines, "     Footing Type    = Spread"));
}

TEST(InputEcho, MaterialPropertiesInDisplayUnits) {
    Project p = qelvorn::testing::SamplePileProject();
    const auto lines = Echo(p);
    // 7.5 * sqrt(4000) = 474.34 psi; n = 29000000 / 3605000 = 8.04 -> 8;
    // 0.0868 pci * 1728 = 150 pcf.
    const int first = Find(lines, kS10 + "Concrete compressive strength  = 4000.0 psi");
    ASSERT_GE(first, 0);
    EXPECT_EQ(lines[first + 2], kS10 + "Concrete modulus of rupture    = 474.34 psi");
    EXPECT_EQ(lines[first + 3], kS10 + "Concrete modular ratio         = 8");
    EXPECT_EQ(lines[first + 4], kS10 + "Concrete unit weight           = 150.00 pcf");

    Project m = qelvorn::testing::SampleSpreadProject();
    const auto metric = Echo(m);
    EXPECT_TRUE(Has(metric, kS10 + "Concrete unit weight           = 23.56 kN/m^3"));
    // The LRFD exposure factor is dimensionless: no unit after the pattern's blank.
    EXPECT_TRUE(Has(metric, kS10 + "Crack control exposure factor  = 1.00 "));
}

TEST(InputEcho, ServiceLoadDesignShowsOnlyTheAllowableStressFactor) {
    Project p = qelvorn::testing::SamplePileProject();
    p.ConcreteDesign = "sld";
    const auto lines = Echo(p);
    const int i = Find(lines, kS10 + "Allowable stress factor        = 0.400");
    ASSERT_GE(i, 0);
    EXPECT_EQ(lines[i - 1], kS10 + "Reinforcing yield strength     = 60000.0 psi");
    EXPECT_FALSE(AnyContains(lines, "Crack control"));
    EXPECT_FALSE(AnyContains(lines, "STRENGTH REDUCTION"));
    EXPECT_FALSE(AnyContains(lines, "STRESS BLOCK"));
    // The next thing is the pile resistance block.
    EXPECT_EQ(lines[i + 1], "");
    EXPECT_EQ(lines[i + 2], "     PILE RESISTANCE:");
}

TEST(InputEcho, CanadianCriteriaShowResistanceFactors) {
    Project p = qelvorn::testing::SamplePileProject();
    p.Criteria = "s6";
    p.PhiConcrete = 0.75f;
    p.PhiSteel = 0.9f;
    const auto lines = Echo(p);
    EXPECT_FALSE(AnyContains(lines, "STRENGTH REDUCTION"));
    const int i = Find(lines, kS10 + "RESISTANCE FACTORS:");
    ASSERT_GE(i, 0);
    EXPECT_EQ(lines[i + 2], kS10 + "Concrete                       = 0.750");
    EXPECT_EQ(lines[i + 3], kS10 + "Reinforcing                    = 0.900");
    EXPECT_TRUE(Has(lines, kS10 + "Crack control exposure factor  = 170000.0 lb/in"));
}

TEST(InputEcho, FixedHeadPilesShowResistanceAndLoadMomentData) {
    Project p = qelvorn::testing::SamplePileProject();
    const auto lines = Echo(p);
    const std::string rule = Cols().at(10, std::string(61, '-'));
    const int i = Find(lines, "     PILE RESISTANCE:");
    ASSERT_GE(i, 0);
    ASSERT_GT(lines.size(), static_cast<std::size_t>(i) + 30);
    EXPECT_EQ(lines[i + 6], std::string(Cols().at(10, "Compression:").at(30, "140.0").at(40, "210.0").at(50, "280.0")));
    EXPECT_EQ(lines[i + 11], "     PILE LATERAL LOAD - MOMENT DATA:");
    // 240000 lb-in / 12000 = 20 k-ft
    EXPECT_EQ(lines[i + 17], std::string(Cols().at(10, "  1  ").at(20, "10.00").at(40, "20.00")));
    // A pile footing shows only the passive coefficient.
    EXPECT_EQ(lines[i + 27],
              std::string(Cols().at(10, "Passive coefficient:").at(35, "0.000").at(45, "0.000").at(55, "0.000")));
    EXPECT_EQ(lines[i + 28], rule);
    EXPECT_EQ(lines[i + 30], "     C O N F I G U R A T I O N");
}

TEST(InputEcho, PinnedHeadsAndSpreadFootingsLeaveOutPileBlocks) {
    Project p = qelvorn::testing::SamplePileProject();
    p.PileHead = "pin";
    auto lines = Echo(p);
    EXPECT_TRUE(Has(lines, "     PILE RESISTANCE:"));
    EXPECT_FALSE(AnyContains(lines, "LATERAL LOAD - MOMENT"));

    p.NROWS = 0;  // the rows stay in memory but are not echoed
    lines = Echo(p);
    EXPECT_FALSE(Has(lines, "     PILES:"));
    EXPECT_FALSE(AnyContains(lines, "Pile width"));

    Project s = qelvorn::testing::SampleSpreadProject();
    lines = Echo(s);
    EXPECT_FALSE(AnyContains(lines, "PILE RESISTANCE"));
    EXPECT_FALSE(Has(lines, "     PILES:"));
    const int i = Find(lines, Cols().at(10, "PARAMETER").at(35, "SLS").at(45, "ULS").at(55, "EQ"));
    ASSERT_GE(i, 0);
    // 0.3 MPa / 0.001 = 300 kPa
    EXPECT_EQ(lines[i + 2], std::string(Cols().at(10, "Bearing pressure (kPa):").at(35, "300.0").at(45, "450.0")
                                            .at(55, "600.0")));
    EXPECT_EQ(lines[i + 3],
              std::string(Cols().at(10, "Friction coefficient:").at(35, "0.550").at(45, "0.440").at(55, "0.550")));
    EXPECT_EQ(lines[i + 4],
              std::string(Cols().at(10, "Resultant location:").at(35, "0.333").at(45, "0.500").at(55, "0.667")));
    EXPECT_EQ(lines[i + 5],
              std::string(Cols().at(10, "Passive coefficient:").at(35, "3.000").at(45, "1.500").at(55, "3.000")));
}

TEST(InputEcho, ConfigurationAndPileRows) {
    Project p = qelvorn::testing::SamplePileProject();
    auto lines = Echo(p);
    const int w = Find(lines, "     WALL:");
    ASSERT_GE(w, 0);
    EXPECT_EQ(lines[w + 6], kS10 + "Haunch depth           = 2.000 ft");
    EXPECT_EQ(lines[w + 22], kS10 + "Pile width             = 12.0 in");
    const int h = Find(lines, Cols().at(10, "ROW").at(20, "TOE DIST").at(30, "NO OF").at(40, "NO OF")
                                  .at(50, "BATTER").at(60, "SPACING"));
    ASSERT_GE(h, 0);
    EXPECT_EQ(lines[h + 1],
              std::string(Cols().at(22, "(ft)").at(30, "PILES").at(40, "BATTER").at(50, "(deg)").at(62, "(ft)")));
    // Counts and batter are bare numbers: one blank before and after.
    EXPECT_EQ(lines[h + 3],
              std::string(Cols().at(10, " 1 ").at(20, "1.500").at(30, " 10 ").at(40, " 10 ").at(50, " 14 ")
                              .at(60, "4.000")));
    EXPECT_EQ(lines[h + 5],
              std::string(Cols().at(10, " 3 ").at(20, "11.500").at(30, " 10 ").at(40, " 0 ").at(50, " 0 ")
                              .at(60, "4.000")));
    EXPECT_EQ(lines[h + 6], std::string(Cols().at(10, std::string(61, '-'))));

    p.WallType = "nohaunch";
    lines = Echo(p);
    EXPECT_FALSE(AnyContains(lines, "Haunch depth"));
}

TEST(InputEcho, BridgeAndEarthLoadsWithHeights) {
    Project p = qelvorn::testing::SamplePileProject();
    auto lines = Echo(p);
    EXPECT_TRUE(Has(lines, kS10 + "Live load special         = 0.0 kip"));
    EXPECT_TRUE(Has(lines, Cols().at(11, "Live load long force      = 16.0 kip").at(52, "at height")
                               .at(62, "= 6.000 ft")));
    EXPECT_TRUE(Has(lines, Cols().at(11, "Lateral pressure coeff    = 0.300").at(52, "at height")
                               .at(62, "= 0.333 H")));
    // 120 pcf and 240 psf as stored in pci and psi.
    EXPECT_TRUE(Has(lines, kS10 + "Soil unit weight          = 120.00 pcf"));
    EXPECT_TRUE(Has(lines, kS10 + "Surcharge pressure        = 240.00 psf"));
    EXPECT_FALSE(AnyContains(lines, "Surcharge width"));

    // Railway surcharges are echoed for AREMA only.
    p.Criteria = "arema";
    p.Wsc = 102;
    p.Nsc = 1;
    p.Ssc = 180;
    lines = Echo(p);
    const int i = Find(lines, kS10 + "Surcharge width at grade  = 8.500 ft");
    ASSERT_GE(i, 0);
    EXPECT_EQ(lines[i - 1], kS10 + "Surcharge pressure        = 240.00 psf");
    EXPECT_EQ(lines[i + 1], kS10 + "Number of surcharges      = 1");
    EXPECT_EQ(lines[i + 2], kS10 + "Min spacing of surcharges = 15.000 ft");

    Project m = qelvorn::testing::SampleSpreadProject();
    m.Qcp = 0.012f;
    m.Hcp = 2000;
    lines = Echo(m);
    EXPECT_TRUE(Has(lines, Cols().at(11, "Compaction pressure       = 12.00 kPa").at(52, "at height")
                               .at(62, "= 2.000 m")));
}

TEST(InputEcho, TabPastTheStopContinuesOnANewLine) {
    // A force whose text runs beyond column 52 pushes "at height" to
    // column 52 of the next line.
    Project p = qelvorn::testing::SamplePileProject();
    p.Vlf = 1.0e10f;
    const auto lines = Echo(p);
    const int i = Find(lines, kS10 + "Live load long force      = 10000000.0 kip");
    ASSERT_GE(i, 0);
    EXPECT_EQ(lines[i + 1], std::string(Cols().at(52, "at height").at(62, "= 6.000 ft")));
}

TEST(InputEcho, LoadCombinationTable) {
    Project p = qelvorn::testing::SamplePileProject();
    // Combination 2 without the abutment's weight is left out; a load type
    // with only a minimum factor is left out.
    p.Fdamax[2] = 0;
    p.Fdasls[2] = 0;
    p.Fl2min[4] = 1.0f;
    const auto lines = Echo(p);
    const std::string rule = Cols().at(10, std::string(61, '-'));
    const int h = Find(lines, "     LOAD COMBINATIONS:");
    ASSERT_GE(h, 0);
    EXPECT_EQ(lines[h + 3], std::string(Cols().at(10, "NO").at(15, "LOAD CONDITION").at(45, "MAXIMUM")
                                            .at(54, "MINIMUM").at(63, "SERVICE")));
    EXPECT_EQ(lines[h + 4], rule);
    const std::vector<std::string> first = {
        "",
        Cols().at(10, " 1 ").at(15, "Construction 1 - place superstructure before backfill"),
        "",
        Cols().at(15, "Dead load abutment").at(45, " 0 ").at(54, " 0 ").at(63, " 1 "),
        Cols().at(15, "Dead load constant").at(45, " 0 ").at(54, " 0 ").at(63, " 1 "),
        Cols().at(15, "Dead load varying").at(45, " 0 ").at(54, " 0 ").at(63, " 1 "),
        "",
        Cols().at(30, "Service stress increase factor = ").at(63, " 1.5 "),
        rule,
        "",
        Cols().at(10, " 3 ").at(15, "Group II - no live load on bridge"),
        "",
        Cols().at(15, "Dead load abutment").at(45, " 1.3 ").at(54, " .975 ").at(63, " 1 "),
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin() + h + 5, lines.begin() + h + 5 + static_cast<long>(first.size())),
              first);
    EXPECT_FALSE(AnyContains(lines, "Construction 2"));
    EXPECT_TRUE(Has(lines, Cols().at(15, "Live load surcharge").at(45, " 1.69 ").at(54, " 0 ").at(63, " 1 ")));
    EXPECT_TRUE(Has(lines, Cols().at(15, "Live load standard").at(45, " 2.171 ").at(54, " 2.171 ").at(63, " 1 ")));
    const std::vector<std::string> table(lines.begin() + h, lines.end());
    EXPECT_FALSE(AnyContains(table, "Live load special"));
    EXPECT_FALSE(AnyContains(table, "Earthquake"));
    // Five combinations echoed, each closed by the rule.
    EXPECT_EQ(std::count(lines.begin() + h, lines.end(), rule), 2 + 5);
}

TEST(InputEcho, ReinforcingTable) {
    Project p = qelvorn::testing::SamplePileProject();
    const auto lines = Echo(p);
    const std::string rule = Cols().at(6, std::string(65, '-'));
    const int t = Find(lines, "     R E I N F O R C I N G");
    ASSERT_GE(t, 0);
    // Without side walls the reinforcing table ends the echo.
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(t) + 17);
    EXPECT_EQ(lines[t + 4], std::string(Cols().at(6, "LOCATION").at(30, "AREA").at(40, "SPACING").at(50, "COVER")));
    EXPECT_EQ(lines[t + 7], std::string(Cols().at(6, "Wall stem").at(30, "0.79").at(40, "12.00").at(50, "2.00")));
    // Only some locations carry a cover.
    EXPECT_EQ(lines[t + 8], std::string(Cols().at(6, "Backwall").at(30, "0.44").at(40, "12.00")));
    EXPECT_EQ(lines[t + 12], std::string(Cols().at(6, "Footing long w/piles").at(30, "0.60").at(40, "12.00")));
    EXPECT_EQ(lines[t + 16], rule);
}

TEST(InputEcho, SideWallsOnlyWithALength) {
    Project p = qelvorn::testing::SamplePileProject();
    qelvorn::testing::AddSideWalls(p);
    p.chko3 = kFalse;  // the echo does not depend on the side wall output option
    const auto lines = Echo(p);
    const int t = Find(lines, "     S I D E   W A L L S");
    ASSERT_GE(t, 0);
    // Configuration, then the reinforcing table that ends the echo.
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(t) + 21);
    EXPECT_EQ(lines[t + 5], kS10 + "Length beyond backwall = 10.000 ft");
    EXPECT_EQ(lines[t + 9], kS10 + "Uniform barrier weight = 0.500 kip/ft");
    EXPECT_EQ(lines[t + 14], std::string(Cols().at(10, "LOCATION").at(35, "AREA").at(45, "SPACING")));
    EXPECT_EQ(lines[t + 18], std::string(Cols().at(10, "Bottom main horizontal").at(35, "0.60").at(45, "12.00")));
    EXPECT_EQ(lines[t + 20], std::string(Cols().at(10, std::string(61, '-'))));

    p.Ls = 0;
    EXPECT_FALSE(AnyContains(Echo(p), "S I D E"));
}
