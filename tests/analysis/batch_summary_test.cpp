// The batch runner's --summary: the checks of each report section on
// standard output once the report is written; the report file and the exit
// status are those of a run without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/batch_run.h"
#include "report/summary.h"

namespace fs = std::filesystem;

namespace {

using Outcome = qelvorn::testing::BatchOutcome;
using qelvorn::testing::Example;
using qelvorn::testing::Quote;
using qelvorn::testing::ReadFile;

fs::path Dir() {
    const auto dir = fs::temp_directory_path() / "qelvorn-batch-summary-test";
    fs::create_directories(dir);
    return dir;
}

Outcome RunBatch(const std::string& args) { return qelvorn::testing::RunBatchIn(Dir(), args); }

// The run date on the version line may change between two runs.
std::string WithoutVersionLine(const std::string& report) {
    std::string out;
    for (const std::string& line : qelvorn::ReportLines(report))
        if (line.rfind("     (Version ", 0) != 0) out += line + "\n";
    return out;
}

}  // namespace

TEST(BatchSummary, PrintsSectionCountsAndFailedLines) {
    // The same file name in two folders: the report names its file.
    fs::create_directories(Dir() / "plain");
    fs::create_directories(Dir() / "summarised");
    const fs::path plain = Dir() / "plain" / "r.out", summarised = Dir() / "summarised" / "r.out";
    const std::string in = Quote(Example("spread-arema-english-sld.in"));
    const Outcome without = RunBatch(in + " " + Quote(plain.string()));
    const Outcome with = RunBatch("--summary " + in + " " + Quote(summarised.string()));
    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(with.status, 0) << with.err;
    EXPECT_EQ(with.err, "");
    EXPECT_EQ(without.out, "");

    // The report does not change.
    const std::string report = ReadFile(summarised);
    EXPECT_EQ(WithoutVersionLine(report), WithoutVersionLine(ReadFile(plain)));

    // A table of every section with its line, OKAY and NO GOOD counts, then
    // each failed line with its line number and section.
    const std::string& s = with.out;
    EXPECT_EQ(s.rfind("Section ", 0), 0u) << s;
    EXPECT_NE(s.find("\nOPTIONS             16         0         0\n"), std::string::npos) << s;
    EXPECT_NE(s.find("\nNO GOOD *** lines:\n"), std::string::npos) << s;
    const std::vector<std::string> lines = qelvorn::ReportLines(report);
    int failed = 0, okay = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() >= 4 && line.compare(line.size() - 4, 4, "OKAY") == 0) ++okay;
        if (line.find("NO GOOD ***") == std::string::npos) continue;
        ++failed;
        // "   272  STEM WALL: Steel stress    = ... NO GOOD ***"
        const std::string number = std::to_string(i + 1);
        const std::string shown = std::string(6 - number.size(), ' ') + number + "  ";
        const std::size_t at = s.find(shown);
        ASSERT_NE(at, std::string::npos) << shown << "\n" << s;
        const std::string body = line.substr(line.find_first_not_of(' '));
        EXPECT_NE(s.find(": " + body + "\n", at), std::string::npos) << body << "\n" << s;
    }
    // The example has failures in the stem wall and the spread footing.
    EXPECT_GT(failed, 0);
    EXPECT_NE(s.find("  STEM WALL: "), std::string::npos) << s;
    EXPECT_NE(s.find("  SPREAD FOOTING: "), std::string::npos) << s;
    const std::size_t t = s.find("\nTotal ");
    ASSERT_NE(t, std::string::npos) << s;
    const std::string totalLine = s.substr(t + 1, s.find('\n', t + 1) - t - 1);
    auto right10 = [](int n) { return std::string(10 - std::to_string(n).size(), ' ') + std::to_string(n); };
    ASSERT_GE(totalLine.size(), 20u);
    EXPECT_EQ(totalLine.substr(totalLine.size() - 20), right10(okay) + right10(failed));
}

TEST(BatchSummary, NothingPrintedWithoutAReport) {
    // Unreadable input: the same exit status and no summary.
    const Outcome o = RunBatch("--summary " + Quote((Dir() / "missing.in").string()) + " " +
                               Quote((Dir() / "none.out").string()));
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(RunBatch("--summary only-one.in").status, 64);
}
