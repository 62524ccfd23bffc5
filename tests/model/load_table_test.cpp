// Inserting and deleting load combinations, and the addressable rows of the
// two tables when their counts and arrays disagree.
#include <gtest/gtest.h>

#include <string>

#include "model/defaults.h"
#include "model/load_table.h"

namespace qelvorn {
namespace {

// A new project (six AASHTO combinations) with results and MIN* factors as
// a run leaves them, so that clearing them can be seen.
Project AfterARun() {
    Project p;
    ResetProject(p);
    for (std::size_t i = 1; i <= 6; ++i) {
        p.Vmax[i] = 100.0f * static_cast<float>(i);
        p.Fdaminst[i] = 1.0f;
    }
    return p;
}

// The title and every factor of combination i, Fsls last.
struct Row {
    std::string title;
    std::vector<float> factors;
    bool operator==(const Row&) const = default;
};
Row RowOf(const Project& p, std::int32_t i) {
    const auto k = static_cast<std::size_t>(i);
    Row r{p.LoadTitle[k], {}};
    for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr col : *set) r.factors.push_back((p.*col)[k]);
    r.factors.push_back(p.Fsls[k]);
    return r;
}

void ExpectAllColumnsSized(const Project& p) {
    const auto size = static_cast<std::size_t>(p.NLC) + 1;
    EXPECT_EQ(p.LoadTitle.size(), size);
    EXPECT_EQ(p.Fsls.size(), size);
    for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr col : *set) EXPECT_EQ((p.*col).size(), size);
    for (ColumnPtr col : kMinStarFactors) EXPECT_EQ((p.*col), Column(size, 0.0f));
    for (ColumnPtr col : kCombinationResults) EXPECT_EQ((p.*col), Column(size, 0.0f));
}

TEST(InsertLoadCombination, AfterRowTwoOfSixAndAtTheEnds) {
    Project p = AfterARun();
    std::vector<Row> before;
    for (std::int32_t i = 1; i <= 6; ++i) before.push_back(RowOf(p, i));

    EXPECT_EQ(InsertLoadCombination(p, 2), 3);
    EXPECT_EQ(p.NLC, 7);
    ExpectAllColumnsSized(p);
    EXPECT_EQ(RowOf(p, 2), before[1]);
    Row fresh{"", std::vector<float>(36, 0.0f)};
    fresh.factors.push_back(1.0f);  // SLS stress increase factor of a new row
    EXPECT_EQ(RowOf(p, 3), fresh);
    for (std::int32_t i = 4; i <= 7; ++i) EXPECT_EQ(RowOf(p, i), before[static_cast<std::size_t>(i - 2)]);

    EXPECT_EQ(InsertLoadCombination(p, 0), 1);  // before the first
    EXPECT_EQ(RowOf(p, 2), before[0]);
    EXPECT_EQ(InsertLoadCombination(p, 99), 9);  // a row past the end is the last
    EXPECT_EQ(p.Fsls[9], 1.0f);
    ExpectAllColumnsSized(p);
}

TEST(DeleteLoadCombination, MiddleLastOnlyAndOutsideRows) {
    Project p = AfterARun();
    EXPECT_EQ(DeleteLoadCombination(p, 9), 6);  // outside the table: nothing changes
    EXPECT_EQ(DeleteLoadCombination(p, 0), 1);
    EXPECT_EQ(p.Vmax[2], 200.0f);

    const Row third = RowOf(p, 3), fifth = RowOf(p, 5);
    EXPECT_EQ(DeleteLoadCombination(p, 4), 4);  // the next row takes its place
    EXPECT_EQ(p.NLC, 5);
    ExpectAllColumnsSized(p);
    EXPECT_EQ(RowOf(p, 3), third);
    EXPECT_EQ(RowOf(p, 4), fifth);
    EXPECT_EQ(DeleteLoadCombination(p, 5), 4);  // the last row: the new last one is shown

    for (int i = 0; i < 3; ++i) DeleteLoadCombination(p, 1);
    EXPECT_EQ(RowOf(p, 1), fifth);
    EXPECT_EQ(DeleteLoadCombination(p, 1), 1);  // the only combination stays
    EXPECT_EQ(p.NLC, 1);
    EXPECT_EQ(p.LoadTitle.size(), 2u);
}

TEST(TableRows, CountsAndArraysThatDisagree) {
    Project p = AfterARun();
    p.ResizeLoadCombinations(0);  // a count of 0 keeps the old arrays
    EXPECT_EQ(p.LoadTitle.size(), 7u);
    EXPECT_EQ(LoadCombinationRows(p), 0);
    EXPECT_EQ(DeleteLoadCombination(p, 1), 0);
    // Adding to an empty table starts it afresh with one new row; the rows
    // left in memory are not brought back.
    EXPECT_EQ(InsertLoadCombination(p, 3), 1);
    EXPECT_EQ(p.NLC, 1);
    ExpectAllColumnsSized(p);

    p.NLC = 4;  // a count larger than the arrays: only the rows held count
    EXPECT_EQ(LoadCombinationRows(p), 1);
    p.Fepmin.pop_back();
    EXPECT_EQ(LoadCombinationRows(p), 0);

    p.ResizePileRows(3);
    EXPECT_EQ(PileRowCount(p), 3);
    p.NROWS = -2;
    EXPECT_EQ(PileRowCount(p), 0);
    p.NROWS = 5;
    EXPECT_EQ(PileRowCount(p), 3);
    p.PILENB.resize(3);
    EXPECT_EQ(PileRowCount(p), 2);
}

}  // namespace
}  // namespace qelvorn
