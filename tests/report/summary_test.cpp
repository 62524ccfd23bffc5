// The check summary built from check records: sections told apart by their
// index, the governing check of each (largest utilization), the failing
// checks in report order.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "report/summary.h"

using namespace qelvorn;

TEST(CheckSummary, SectionsCountsGoverningAndFailures) {
    struct Row {
        const char* section;
        int index;
        float utilization;
        bool ok;
        int line;
    };
    // Two sections titled SIDE WALLS (say the echo's and the design's); a
    // tie goes to the first; an undefined utilization outranks any number.
    const std::vector<Row> rows = {{"STEM WALL", 4, 0.8f, true, 100},      {"STEM WALL", 4, 1.4f, false, 101},
                                   {"SIDE WALLS", 7, 0.3f, true, 200},     {"STEM WALL", 4, 1.4f, false, 102},
                                   {"SIDE WALLS", 7, NAN, false, 201},     {"SIDE WALLS", 9, 0.95f, true, 300},
                                   {"SIDE WALLS", 9, 0.2f, true, 301},     {"STEM WALL", 4, 1.2f, false, 0}};
    std::vector<CheckRecord> checks;
    for (const Row& r : rows) {
        CheckRecord c;
        c.section = r.section;
        c.sectionIndex = r.index;
        c.what = "as_required";
        c.utilization = r.utilization;
        c.ok = r.ok;
        c.line = r.line;
        checks.push_back(c);
    }
    const CheckSummary s = SummarizeChecks(checks);
    ASSERT_EQ(s.sections.size(), 3u);
    const int counts[3][3] = {{1, 3, 1}, {1, 1, 4}, {2, 0, 5}};  // okay, no good, governing
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(s.sections[i].okay, counts[i][0]) << i;
        EXPECT_EQ(s.sections[i].noGood, counts[i][1]) << i;
        EXPECT_EQ(s.sections[i].governing, static_cast<std::size_t>(counts[i][2])) << i;
    }
    EXPECT_EQ(s.sections[2].title, "SIDE WALLS");
    EXPECT_EQ(s.failures, (std::vector<std::size_t>{1, 3, 4, 7}));
    EXPECT_EQ(s.okay(), 4);
    EXPECT_EQ(s.noGood(), 4);

    // One row per section, and the record without a line of its own listed.
    const std::string text = SummaryText(checks);
    EXPECT_NE(text.find("SIDE WALLS         1       1  nan as_required (line 201)"), std::string::npos) << text;
    EXPECT_NE(text.find("SIDE WALLS         2       0  0.950 as_required (line 300)"), std::string::npos) << text;
    EXPECT_NE(text.find("\n        STEM WALL: as_required: demand 0, capacity 0, utilization 1.200\n"),
              std::string::npos)
        << text;
}
