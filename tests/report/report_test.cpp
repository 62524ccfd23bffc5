// The report's line model and where a fault stops it, the check records'
// utilization and measured widths, and the check summary built from check
// records: sections told apart by their index, the governing check of each
// (largest utilization), the failing checks in report order.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/numtext.h"
#include "report/report.h"
#include "report/summary.h"

using namespace qelvorn;

TEST(ReportLineModel, TabPastTheStopStartsANewLine) {
    Report r;
    r.spc(5).text("ABCDEFGHIJ").tab(10).text("X").endl();
    EXPECT_EQ(r.contents(), "     ABCDEFGHIJ\r\n         X\r\n");
}

// Where a fault stops the report: nothing of a statement whose values were
// computed (and faulted) before it; the items before the faulting argument
// when the fault arises inside a statement, also in a text chosen by a
// comparison with an invalid value.
TEST(ReportFaults, TheItemsBeforeTheFaultStayInTheLastLine) {
    volatile float zero = 0.0f;
    {
        Report r;
        qelvorn::ClearArithmeticFaults();
        r.text("first").endl();
        volatile float ratio = 1.0f / zero;
        EXPECT_THROW(r.tab(10).text("Ratio =").tab(30).num(ratio, "0.00").endl(), qelvorn::CalculationFault);
        EXPECT_EQ(r.allText(), "first\r\n");
    }
    {
        Report r;
        qelvorn::ClearArithmeticFaults();
        EXPECT_THROW(r.tab(10).text("Ratio =").tab(30).num(2.0f / zero, "0.00").endl(), qelvorn::CalculationFault);
        EXPECT_EQ(r.allText(), std::string(9, ' ') + "Ratio =" + std::string(13, ' '));  // up to column 30
    }
    {
        Report r;
        qelvorn::ClearArithmeticFaults();
        const float invalid = zero / zero;
        qelvorn::ClearArithmeticFaults();  // the comparison below raises it again
        EXPECT_THROW(r.tab(10).text("Check").tab(20).text(Report::checkWord(invalid >= 1.0f)).endl(),
                     qelvorn::CalculationFault);
        EXPECT_EQ(r.allText(), "         Check     ");
        EXPECT_EQ(r.pendingLine(), r.allText());
    }
    qelvorn::ClearArithmeticFaults();
}

// The report is one buffer that grows as written: a long report, numbers of
// every size in it, and the text handed on by a move stay intact.
TEST(ReportLineModel, LongReportsAndExtremeNumbersKeepEveryCharacter) {
    Report r;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        const float v = static_cast<float>(i) * 1.25e3f - 7.0f;
        r.tab(5).num(v, "0.00 ").bare(v).text("|").endl();
        expected += "    " + qelvorn::FormatNumber(v, "0.00 ") + qelvorn::BareNumber(v) + "|\r\n";
    }
    for (float v : {3.4028235e38f, -3.4028235e38f, 1e-45f, -1.17549435e-38f}) {
        r.num(v, "0.0000  ").num(v, "0.000E+00").num(v, "0.").bare(v).endl();
        expected += qelvorn::FormatNumber(v, "0.0000  ") + qelvorn::FormatNumber(v, "0.000E+00") +
                    qelvorn::FormatNumber(v, "0.") + qelvorn::BareNumber(v) + "\r\n";
    }
    ASSERT_GT(expected.size(), 1u << 19);
    EXPECT_EQ(r.contents(), expected);
    Report moved(std::move(r));
    EXPECT_EQ(moved.contents(), expected);
    EXPECT_EQ(moved.column(), 1);
}

// Utilization is <= 1 exactly when the check passes, whichever way the
// comparison goes, at a tie and where no ratio measures the failure.
TEST(CheckRecords, UtilizationIsOrientedSoThatOneOrLessPasses) {
    using qelvorn::CheckLimit;
    constexpr float kLargest = std::numeric_limits<float>::max();
    const struct {
        bool ok;
        float demand, capacity;
        CheckLimit limit;
        float expected;
    } cases[] = {
        {true, 0.0431f, 0.005f, CheckLimit::Lower, 0.005f / 0.0431f},  // strain above its minimum
        {false, 0.003f, 0.005f, CheckLimit::Lower, 0.005f / 0.003f},
        {true, 1.2f, 2.4f, CheckLimit::Upper, 0.5f},  // required area below the provided one
        {false, 3.0f, 2.0f, CheckLimit::Upper, 1.5f},
        {false, 2.0f, 2.0f, CheckLimit::Upper, std::nextafter(1.0f, 2.0f)},  // a tie the report fails
        {true, 0.0f, 0.0f, CheckLimit::Upper, 0.0f},                         // nothing required of nothing
        {false, 1.0f, 0.0f, CheckLimit::Upper, kLargest},                    // no capacity at all
        {false, -0.01f, 0.005f, CheckLimit::Lower, kLargest},                // strain of the wrong sign
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(Report::Utilization(c.ok, c.demand, c.capacity, c.limit), c.expected) << c.demand;
}

// An evaluated report measures its numbers instead of writing them: every
// width must be the written one, or tabs wrap differently and the records'
// line numbers drift.
TEST(CheckRecords, EvaluationMeasuresNumbersAsTheyAreWritten) {
    const float values[] = {0.0f, -0.0f, 0.004f, -0.004f, 9.995f, 9.9949f, 99.95f, -99.96f, 999999.5f,
                            123456.7f, 1e7f, 1e-30f, 3.4e38f, 12.0f, -7.0f};
    for (float v : values) {
        for (const char* pattern : {"0", "0.", "0.0", "0.00 ", "0.000", "0.0000", "0.000E+00", "0.00E+00 "}) {
            Report written, evaluated{Report::EvaluationOnly{}};
            written.num(v, pattern);
            evaluated.num(v, pattern);
            EXPECT_EQ(evaluated.column(), written.column()) << v << " " << pattern;
        }
        Report written, evaluated{Report::EvaluationOnly{}};
        written.bare(v);
        evaluated.bare(v);
        EXPECT_EQ(evaluated.column(), written.column()) << v;
    }
}


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
