// Input echo variants that the example reports do not print: combinations
// and load types left out, a pile table switched off, side walls echoed
// with their output option off.
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

// Index of the line, or -1.
int Find(const std::vector<std::string>& lines, const std::string& line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

bool AnyContains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

}  // namespace

TEST(InputEcho, PileRowsLeftOutWithoutRows) {
    Project p = qelvorn::testing::SamplePileProject();
    p.NROWS = 0;  // the rows stay in memory but are not echoed
    const auto lines = Echo(p);
    EXPECT_EQ(Find(lines, "     PILES:"), -1);
    EXPECT_FALSE(AnyContains(lines, "Pile width"));
}

TEST(InputEcho, CombinationsAndLoadTypesWithoutFactorsAreLeftOut) {
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
    // Combination 1 closes with its rule and combination 3 follows it.
    const auto at = static_cast<std::size_t>(Find(lines, Cols().at(30, "Service stress increase factor = ").at(63, " 1.5 ")));
    EXPECT_EQ(lines[at + 1], rule);
    EXPECT_EQ(lines[at + 3], std::string(Cols().at(10, " 3 ").at(15, "Group II - no live load on bridge")));
    EXPECT_FALSE(AnyContains(lines, "Construction 2"));
    const std::vector<std::string> table(lines.begin() + h, lines.end());
    EXPECT_FALSE(AnyContains(table, "Live load special"));
    EXPECT_FALSE(AnyContains(table, "Earthquake"));
    // Five combinations echoed, each closed by the rule.
    EXPECT_EQ(std::count(table.begin(), table.end(), rule), 2 + 5);
}

TEST(InputEcho, SideWallsWhateverTheSideWallOutputOption) {
    Project p = qelvorn::testing::SamplePileProject();
    qelvorn::testing::AddSideWalls(p);
    p.chko3 = kFalse;  // the echo does not depend on the side wall output option
    const auto lines = Echo(p);
    const int t = Find(lines, "     S I D E   W A L L S");
    ASSERT_GE(t, 0);
    // Configuration, then the reinforcing table that ends the echo.
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(t) + 21);
    EXPECT_EQ(lines.back(), std::string(Cols().at(10, std::string(61, '-'))));

}
