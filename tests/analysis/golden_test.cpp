// Golden reports: every example project runs through the batch runner with
// all four output options, and the report must match tests/golden/<name>.out
// byte for byte, apart from the run date on the version line.
//
// After a deliberate change of the report, rewrite the goldens with
//   QELVORN_UPDATE_GOLDEN=1 ./test_analysis --gtest_filter='GoldenReports*'
// and review the difference line by line before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "analysis/batch_run.h"
#include "analysis/sample_projects.h"

namespace fs = std::filesystem;
using namespace qelvorn::testing;

namespace {

// The date and time stand at column 52 of the version line.
std::string MaskRunDate(std::string report) {
    const std::size_t at = report.find("\r\n     (Version ");
    const std::size_t end = at == std::string::npos ? at : report.find("\r\n", at + 2);
    if (end != std::string::npos && end - at - 2 > 51) report.replace(at + 2 + 51, end - at - 2 - 51, "<date>");
    return report;
}

}  // namespace

TEST(GoldenReports, ExamplesMatchTheirGoldenReports) {
    const bool update = std::getenv("QELVORN_UPDATE_GOLDEN") && std::string(std::getenv("QELVORN_UPDATE_GOLDEN")) == "1";
    const fs::path goldenDir = fs::path(QELVORN_SOURCE_DIR) / "tests" / "golden";
    const auto names = ExampleNames();
    ASSERT_GE(names.size(), 6u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path out = BatchDir() / (name + ".out");
        fs::remove(out);
        const BatchOutcome o = RunBatch("--sections echo,abutment,sidewalls,quantities " +
                                        Example((name + ".in").c_str()) + " " + Quote(out.string()));
        // Every example is a complete, sound project.
        EXPECT_EQ(o.status, 0) << o.err;
        const std::string actual = MaskRunDate(ReadFile(out));
        const fs::path golden = goldenDir / (name + ".out");
        if (update) {
            if (o.status == 0) std::ofstream(golden, std::ios::binary) << actual;  // never a failed run
            continue;
        }
        ASSERT_TRUE(fs::exists(golden)) << "no golden report; run with QELVORN_UPDATE_GOLDEN=1 and review it";
        const std::string expected = ReadFile(golden);
        if (actual == expected) continue;
        const auto a = ReportLines(actual), e = ReportLines(expected);
        std::size_t i = 0;
        while (i < a.size() && i < e.size() && a[i] == e[i]) ++i;
        ADD_FAILURE() << "first difference at line " << i + 1 << "\n  golden: "
                      << (i < e.size() ? "[" + e[i] + "]" : "<end>") << "\n  actual: "
                      << (i < a.size() ? "[" + a[i] + "]" : "<end>");
    }
}

TEST(GoldenReports, ExamplesAreWrittenInTheInputFileLayout) {
    // Loading an example and writing it again reproduces the file byte for
    // byte: the examples hold exactly what the program itself would save.
    for (const std::string& name : ExampleNames()) {
        SCOPED_TRACE(name);
        qelvorn::Project p = LoadExample(name);
        EXPECT_EQ(qelvorn::InputFileText(p), ReadFile(p.InFile));
        qelvorn::CheckInput(p);
        EXPECT_TRUE(p.InputComplete);
    }
}
