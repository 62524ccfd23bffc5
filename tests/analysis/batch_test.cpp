// The batch runner's contract: arguments, default sections, messages on
// standard error and exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "io/input_file.h"
#include "analysis/batch_run.h"
#include "analysis/sample_projects.h"

namespace fs = std::filesystem;

namespace {

using Outcome = qelvorn::testing::BatchOutcome;
using qelvorn::testing::Example;
using qelvorn::testing::Quote;
using qelvorn::testing::ReadFile;

fs::path Dir() {
    const auto dir = fs::temp_directory_path() /
                     ("qelvorn-batch-test-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir);
    return dir;
}

Outcome RunBatch(const std::string& args) { return qelvorn::testing::RunBatchIn(Dir(), args); }

// Writes the project as an input file and returns its path.
std::string WriteProject(qelvorn::Project p, const std::string& name) {
    p.InFile = (Dir() / name).string();
    EXPECT_TRUE(qelvorn::WriteInputFile(p));
    return p.InFile;
}

}  // namespace

TEST(BatchRunner, WritesTheReportWithDefaultSections) {
    const fs::path out = Dir() / "pile.out";
    fs::remove(out);
    const Outcome o = RunBatch(Quote(Example("pile-aashto-english.in")) + " " + Quote(out.string()));
    EXPECT_EQ(o.status, 0) << o.err;
    const std::string report = ReadFile(out);
    EXPECT_NE(report.find("     Input file  = pile-aashto-english.in\r\n"), std::string::npos);
    EXPECT_NE(report.find("     Output file = pile.out\r\n"), std::string::npos);
    // Echo and abutment calculations are on for a new project.
    EXPECT_NE(report.find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_NE(report.find("OUTPUT DATA"), std::string::npos);
}

TEST(BatchRunner, SectionsListChoosesTheOutputOptions) {
    const fs::path out = Dir() / "echo.out";
    Outcome o = RunBatch("--sections echo " + Quote(Example("pile-aashto-english.in")) + " " + Quote(out.string()));
    EXPECT_EQ(o.status, 0) << o.err;
    std::string report = ReadFile(out);
    EXPECT_NE(report.find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_EQ(report.find("OUTPUT DATA"), std::string::npos);

    // Side walls only, on a project without side walls: the output banner alone.
    o = RunBatch("--sections sidewalls " + Quote(Example("pile-aashto-english.in")) + " " + Quote(out.string()));
    EXPECT_EQ(o.status, 0) << o.err;
    report = ReadFile(out);
    EXPECT_EQ(report.find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_NE(report.find("OUTPUT DATA"), std::string::npos);
}

TEST(BatchRunner, UsageErrors) {
    EXPECT_EQ(RunBatch("").status, 64);
    EXPECT_EQ(RunBatch("only-one.in").status, 64);
    const Outcome o = RunBatch("--sections echo,stability a.in b.out");
    EXPECT_EQ(o.status, 64);
    EXPECT_NE(o.err.find("unknown section stability"), std::string::npos) << o.err;
    EXPECT_EQ(RunBatch("--sections").status, 64);
}

TEST(BatchRunner, UnreadableInputWritesNothing) {
    const fs::path out = Dir() / "none.out";
    fs::remove(out);
    const Outcome o = RunBatch(Quote((Dir() / "missing.in").string()) + " " + Quote(out.string()));
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err, "Error reading input file\n");
    EXPECT_FALSE(fs::exists(out));
}

TEST(BatchRunner, IncompleteInputWritesNoReport) {
    qelvorn::Project p = qelvorn::testing::SamplePileProject();
    p.Asw = 0;  // wall stem bars missing
    const std::string in = WriteProject(p, "incomplete.in");
    const fs::path out = Dir() / "incomplete.out";
    fs::remove(out);
    const Outcome o = RunBatch(Quote(in) + " " + Quote(out.string()));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "The following information is not complete: Abutment reinforcing\n");
    EXPECT_FALSE(fs::exists(out));
}

TEST(BatchRunner, ArithmeticFaultKeepsThePartialReport) {
    // A bearing capacity near the single range overflows when shown in psf.
    qelvorn::Project p = qelvorn::testing::SamplePileProject();
    p.FootingType = "spread";
    p.Q = 3.0e38f;
    p.Xr = 0.333f;
    const std::string in = WriteProject(p, "overflow.in");
    const fs::path out = Dir() / "overflow.out";
    const Outcome o = RunBatch("--sections echo " + Quote(in) + " " + Quote(out.string()));
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err.substr(0, 18), "Calculation error\n") << o.err;
    EXPECT_NE(o.err.find("section PROPERTIES"), std::string::npos) << o.err;
    const std::string report = ReadFile(out);
    EXPECT_NE(report.find("     FOOTING RESISTANCE:\r\n"), std::string::npos);
    EXPECT_EQ(report.find("Bearing pressure"), std::string::npos);
    // The report stops after the table head; no "inf" is ever written.
    const std::string rule = std::string(9, ' ') + std::string(61, '-') + "\r\n";
    ASSERT_GE(report.size(), rule.size());
    EXPECT_EQ(report.substr(report.size() - rule.size()), rule);
}

TEST(BatchRunner, UnwritableReport) {
    const Outcome o = RunBatch(Quote(Example("spread-lrfd-metric.in")) + " /nonexistent-qelvorn-folder/r.out");
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err,
              "Calculation error\nThe report file could not be written: /nonexistent-qelvorn-folder/r.out\n");
}
