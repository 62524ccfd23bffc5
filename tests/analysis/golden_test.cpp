// Golden reports: every example project runs through the batch runner with
// all four output options, and the report must match tests/golden/<name>.out
// byte for byte, apart from the run date on the version line.
//
// After a deliberate change of the report, rewrite the goldens with
//   QELVORN_UPDATE_GOLDEN=1 ./test_analysis --gtest_filter='GoldenReports*'
// and review the difference line by line before committing it.
//
// The regression corpus (tests/regression/) holds input files that once
// broke the reader or a run, and mutations of the examples that reach the
// fault paths. Each file either fails to load or loads and runs with
// every output option on to a written report or a calculation error, with
// no other exception and no "inf" or "nan" in the report.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>

#include "analysis/batch_run.h"
#include "analysis/sample_projects.h"

namespace fs = std::filesystem;
using namespace qelvorn;
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

namespace {

// "inf" or "nan" standing as a word of its own, in any case.
bool HasNonFiniteWord(const std::string& s) {
    static const std::regex kWord("(^|[^a-z])(inf|nan)([^a-z]|$)", std::regex::icase);
    return std::regex_search(s, kWord);
}

// Loads the input text and runs it with every output option on; the fault
// that ended the run, if any, in `fault`. Nothing when the text is refused.
std::optional<Report> LoadAndRun(const std::string& text, Project& p, std::optional<CalculationFault>& fault) {
    ResetProject(p);
    if (!ReadInputText(p, text)) return std::nullopt;
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = kTrue;
    CheckInput(p);
    if (!p.InputComplete) return std::nullopt;
    Report r;
    QuietHost host;
    ClearArithmeticFaults();
    try {
        RunReport(p, r, host);
    } catch (const CalculationFault& f) {
        fault = f;  // a normal end of a run on degenerate input
    } catch (const std::exception& e) {
        ADD_FAILURE() << "run ended with " << e.what();
    }
    ClearArithmeticFaults();
    return r;
}

const fs::path kCorpus = fs::path(QELVORN_SOURCE_DIR) / "tests" / "regression";

}  // namespace

TEST(RegressionCorpus, EveryFileLoadsAndRunsOrIsRefused) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(kCorpus))
        if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    int ran = 0;
    for (const fs::path& f : files) {
        SCOPED_TRACE(f.filename().string());
        const std::string text = ReadFile(f);
        Project p;
        std::optional<CalculationFault> fault;
        const auto r = LoadAndRun(text, p, fault);
        if (!r) continue;
        ++ran;
        if (!HasNonFiniteWord(text)) {
            EXPECT_FALSE(HasNonFiniteWord(r->allText()));
        }
    }
    EXPECT_GT(ran, 0);
}

TEST(RegressionCorpus, SideWallTooLongToListEndsTheRunWithItsCause) {
    // A side wall 400 km long (a mistyped length) would list over a million
    // T&S bars one by one; the run stops at the quantities instead.
    Project p;
    std::optional<CalculationFault> fault;
    const auto r = LoadAndRun(ReadFile(kCorpus / "side-wall-bars-listed-by-the-million.in"), p, fault);
    ASSERT_TRUE(r);
    ASSERT_TRUE(fault) << "the run ended normally";
    EXPECT_EQ(fault->section(), "QUANTITIES");
    EXPECT_EQ(fault->cause(), "more than 10000 AsTSws bars to list; check the side wall dimensions and bar spacings");
    EXPECT_EQ(FaultDetail(*fault), "Arithmetic fault in section QUANTITIES: " + fault->cause());
    EXPECT_LT(r->allText().size(), 2'000'000u);
}
