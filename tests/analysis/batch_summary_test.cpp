// The batch runner's --summary: the checks of each report section on
// standard output once the report is written; the report file and the exit
// status are those of a run without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/batch_run.h"
#include "report/summary.h"

namespace fs = std::filesystem;
using namespace qelvorn::testing;

namespace {

// The run date on the version line may change between two runs.
std::string WithoutVersionLine(const std::string& report) {
    std::string out;
    for (const std::string& line : qelvorn::ReportLines(report))
        if (line.rfind("     (Version ", 0) != 0) out += line + "\n";
    return out;
}

}  // namespace

TEST(BatchSummary, PrintsTheSummaryOfTheReportItWrote) {
    // The same file name in two folders: the report names its file.
    fs::create_directories(BatchDir() / "plain");
    fs::create_directories(BatchDir() / "summarised");
    const fs::path plain = BatchDir() / "plain" / "r.out", summarised = BatchDir() / "summarised" / "r.out";
    const std::string in = Example("spread-arema-english-sld.in");
    const BatchOutcome without = RunBatch(in + " " + Quote(plain.string()));
    const BatchOutcome with = RunBatch("--summary " + in + " " + Quote(summarised.string()));
    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(with.status, 0) << with.err;
    EXPECT_EQ(with.err, "");
    EXPECT_EQ(without.out, "");

    const std::string report = ReadFile(summarised);
    EXPECT_EQ(WithoutVersionLine(report), WithoutVersionLine(ReadFile(plain)));
    EXPECT_EQ(with.out, qelvorn::SummaryText(qelvorn::SummarizeReport(report)));
    // The example fails checks in the stem wall and the spread footing.
    const std::string& s = with.out;
    EXPECT_NE(s.find("\nOPTIONS             16         0         0\n"), std::string::npos) << s;
    EXPECT_NE(s.find("  STEM WALL: "), std::string::npos) << s;
    EXPECT_NE(s.find("  SPREAD FOOTING: "), std::string::npos) << s;
}

TEST(BatchSummary, NothingPrintedWithoutAReport) {
    const BatchOutcome o = RunBatch("--summary " + Quote((BatchDir() / "missing.in").string()) + " " +
                                    Quote((BatchDir() / "none.out").string()));
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(RunBatch("--summary only-one.in").status, 64);
}
