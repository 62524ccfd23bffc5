// Replays the regression corpus (tests/regression/): input files that once
// broke the reader or a run, kept with mutations of the examples that reach
// the fault paths. Each file either fails to load or loads and runs with
// every output option on to a written report or a calculation error, with
// no other exception and no "inf" or "nan" in the report.
#include <gtest/gtest.h>

#include <optional>
#include <regex>

#include "analysis/batch_run.h"

using namespace qelvorn;
using namespace qelvorn::testing;
namespace fs = std::filesystem;

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
