// Golden reports: every example project runs through the batch runner with
// all four output options, and the report must match tests/golden/<name>.out
// byte for byte, apart from the run date on the version line.
//
// After a deliberate change of the report, rewrite the goldens with
//   QELVORN_UPDATE_GOLDEN=1 ./test_analysis --gtest_filter='GoldenReports*'
// and review the difference line by line before committing it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/sample_projects.h"
#include "io/input_file.h"
#include "model/defaults.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The date and time stand at column 52 of the version line.
std::string MaskRunDate(const std::string& report) {
    std::string out;
    for (const std::string& line : qelvorn::testing::ReportLines(report)) {
        if (line.rfind("     (Version ", 0) == 0 && line.size() > 51)
            out += line.substr(0, 51) + "<date>";
        else
            out += line;
        out += "\r\n";
    }
    // A report cut off by a fault may lack the last line end.
    if (!report.empty() && report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") != 0)
        out.resize(out.size() - 2);
    return out;
}

std::vector<std::string> Examples() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(fs::path(QELVORN_SOURCE_DIR) / "examples"))
        if (e.path().extension() == ".in") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(GoldenReports, MaskingKeepsEverythingButTheDate) {
    const std::string line = "     (Version  1.31)" + std::string(31, ' ') + "3/05/24, 12:05 am";
    EXPECT_EQ(MaskRunDate("a\r\n" + line + "\r\nb\r\n"),
              "a\r\n     (Version  1.31)" + std::string(31, ' ') + "<date>\r\nb\r\n");
    EXPECT_EQ(MaskRunDate("a\r\npartial"), "a\r\npartial");
}

TEST(GoldenReports, ExamplesMatchTheirGoldenReports) {
    const bool update = std::getenv("QELVORN_UPDATE_GOLDEN") && std::string(std::getenv("QELVORN_UPDATE_GOLDEN")) == "1";
    const fs::path goldenDir = fs::path(QELVORN_SOURCE_DIR) / "tests" / "golden";
    const fs::path work = fs::temp_directory_path() / "qelvorn-golden-test";
    fs::create_directories(work);
    const auto names = Examples();
    ASSERT_GE(names.size(), 6u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path in = fs::path(QELVORN_SOURCE_DIR) / "examples" / (name + ".in");
        const fs::path out = work / (name + ".out");
        fs::remove(out);
        const std::string cmd = "'" + std::string(QELVORN_RUN_EXE) + "' --sections echo,abutment,sidewalls,quantities '" +
                                in.string() + "' '" + out.string() + "' 2>'" + (work / "stderr.txt").string() + "'";
        const int rc = std::system(cmd.c_str());
        const int status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
        // Every example is a complete, sound project.
        EXPECT_EQ(status, 0) << ReadFile(work / "stderr.txt");
        const std::string actual = MaskRunDate(ReadFile(out));
        const fs::path golden = goldenDir / (name + ".out");
        if (update && status == 0) {
            fs::create_directories(goldenDir);
            std::ofstream(golden, std::ios::binary) << actual;
            continue;
        }
        if (update) continue;  // a failed run never becomes a golden
        ASSERT_TRUE(fs::exists(golden)) << "no golden report; run with QELVORN_UPDATE_GOLDEN=1 and review it";
        const std::string expected = ReadFile(golden);
        if (actual == expected) continue;
        const auto a = qelvorn::testing::ReportLines(actual);
        const auto e = qelvorn::testing::ReportLines(expected);
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
    for (const std::string& name : Examples()) {
        SCOPED_TRACE(name);
        qelvorn::Project p;
        qelvorn::ResetProject(p);
        p.InFile = (fs::path(QELVORN_SOURCE_DIR) / "examples" / (name + ".in")).string();
        ASSERT_TRUE(qelvorn::ReadInputFile(p));
        EXPECT_EQ(qelvorn::InputFileText(p), ReadFile(p.InFile));
        qelvorn::CheckInput(p);
        EXPECT_TRUE(p.InputComplete);
    }
}
