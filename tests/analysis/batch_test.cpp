// The batch runner's contract: arguments, default sections, messages on
// standard error and exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/batch_run.h"
#include "analysis/sample_projects.h"
#include "io/input_file.h"

namespace fs = std::filesystem;
using namespace qelvorn::testing;

namespace {

// Writes the project as an input file and returns its path as a shell word.
std::string WriteProject(qelvorn::Project p) {
    p.InFile = (BatchDir() / "project.in").string();
    EXPECT_TRUE(qelvorn::WriteInputFile(p));
    return Quote(p.InFile);
}

std::string Out(const char* name) {
    fs::remove(BatchDir() / name);
    return (BatchDir() / name).string();
}

}  // namespace

TEST(BatchRunner, DefaultSectionsAndTheSectionsList) {
    const std::string out = Out("pile.out");
    BatchOutcome o = RunBatch(Example("pile-aashto-english.in") + " " + Quote(out));
    EXPECT_EQ(o.status, 0) << o.err;
    std::string report = ReadFile(out);
    EXPECT_NE(report.find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_NE(report.find("OUTPUT DATA"), std::string::npos);

    o = RunBatch("--sections echo " + Example("pile-aashto-english.in") + " " + Quote(out));
    EXPECT_EQ(o.status, 0) << o.err;
    report = ReadFile(out);
    EXPECT_NE(report.find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_EQ(report.find("OUTPUT DATA"), std::string::npos);
}

TEST(BatchRunner, UsageErrors) {
    EXPECT_EQ(RunBatch("").status, 64);
    EXPECT_EQ(RunBatch("only-one.in").status, 64);
    EXPECT_EQ(RunBatch("--sections").status, 64);
    const BatchOutcome o = RunBatch("--sections echo,stability a.in b.out");
    EXPECT_EQ(o.status, 64);
    EXPECT_NE(o.err.find("unknown section stability"), std::string::npos) << o.err;
}

TEST(BatchRunner, UnreadableInputOrIncompleteProjectWritesNothing) {
    const std::string out = Out("none.out");
    BatchOutcome o = RunBatch(Quote((BatchDir() / "missing.in").string()) + " " + Quote(out));
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err, "Error reading input file\n");
    EXPECT_FALSE(fs::exists(out));

    qelvorn::Project p = SamplePileProject();
    p.Asw = 0;  // wall stem bars missing
    o = RunBatch(WriteProject(p) + " " + Quote(out));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "The following information is not complete: Abutment reinforcing\n");
    EXPECT_FALSE(fs::exists(out));

    p = SamplePileProject();
    p.Units = "English";  // option keywords are compared exactly
    o = RunBatch(WriteProject(p) + " " + Quote(out));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "The following information is not complete: Options (Units \"English\")\n");
    EXPECT_FALSE(fs::exists(out));
}

TEST(BatchRunner, ArithmeticFaultKeepsThePartialReport) {
    // A bearing capacity near the single range overflows when shown in psf.
    qelvorn::Project p = SamplePileProject();
    p.FootingType = "spread";
    p.Q = 3.0e38f;
    p.Xr = 0.333f;
    const std::string out = Out("overflow.out");
    const BatchOutcome o = RunBatch("--sections echo " + WriteProject(p) + " " + Quote(out));
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err.substr(0, 18), "Calculation error\n") << o.err;
    EXPECT_NE(o.err.find("section PROPERTIES"), std::string::npos) << o.err;
    // The report stops after the table head, then says it is incomplete;
    // no "inf" is ever written.
    const std::string report = ReadFile(out);
    EXPECT_NE(report.find("     FOOTING RESISTANCE:\r\n"), std::string::npos);
    const std::string rule = std::string(9, ' ') + std::string(61, '-') + "\r\n";
    const std::string last = "*** Calculation error: report incomplete (PROPERTIES";
    const std::size_t at = report.rfind(rule + last);
    ASSERT_NE(at, std::string::npos);
    EXPECT_TRUE(report.ends_with(") ***\r\n"));
    EXPECT_EQ(report.find("\r\n", at + rule.size()), report.size() - 2);
}
