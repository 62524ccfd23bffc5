// Replays the regression corpus (tests/regression/): input files that once
// broke the reader or a run, kept with mutations of the examples that reach
// the fault paths. Each file either fails to load or loads and runs with
// every output option on to a written report or a calculation error, with
// no other exception and no "inf" or "nan" in the report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/run.h"
#include "io/input_file.h"
#include "model/defaults.h"

using namespace qelvorn;
namespace fs = std::filesystem;

namespace {

class QuietHost : public RunHost {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    std::time_t Now() override { return 0; }
};

// "inf" or "nan" standing as a word of its own, in any case.
bool HasNonFiniteWord(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* word : {"inf", "nan"}) {
        for (std::size_t at = s.find(word); at != std::string::npos; at = s.find(word, at + 1)) {
            const bool before = at > 0 && std::isalpha(static_cast<unsigned char>(s[at - 1]));
            const bool after = at + 3 < s.size() && std::isalpha(static_cast<unsigned char>(s[at + 3]));
            if (!before && !after) return true;
        }
    }
    return false;
}

}  // namespace

TEST(RegressionCorpus, EveryFileLoadsAndRunsOrIsRefused) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(fs::path(QELVORN_SOURCE_DIR) / "tests" / "regression"))
        if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    int loaded = 0;
    for (const fs::path& f : files) {
        SCOPED_TRACE(f.filename().string());
        std::ifstream in(f, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        Project p;
        ResetProject(p);
        if (!ReadInputText(p, s.str())) continue;
        ++loaded;
        p.chko1 = p.chko2 = p.chko3 = p.chko4 = kTrue;
        CheckInput(p);
        if (!p.InputComplete) continue;
        Report r;
        QuietHost host;
        ClearArithmeticFaults();
        try {
            RunReport(p, r, host);
        } catch (const CalculationFault&) {
            // a normal end of a run on degenerate input
        } catch (const std::exception& e) {
            ADD_FAILURE() << "run ended with " << e.what();
        }
        ClearArithmeticFaults();
        if (!HasNonFiniteWord(s.str())) {
            EXPECT_FALSE(HasNonFiniteWord(r.allText()));
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST(RegressionCorpus, SideWallTooLongToListEndsTheRunWithItsCause) {
    // A side wall 400 km long (a mistyped length) would list over a million
    // T&S bars one by one; the run stops at the quantities instead.
    std::ifstream in(fs::path(QELVORN_SOURCE_DIR) / "tests" / "regression" / "side-wall-bars-listed-by-the-million.in",
                     std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    Project p;
    ResetProject(p);
    ASSERT_TRUE(ReadInputText(p, s.str()));
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = kTrue;
    CheckInput(p);
    ASSERT_TRUE(p.InputComplete);
    Report r;
    QuietHost host;
    ClearArithmeticFaults();
    try {
        RunReport(p, r, host);
        ADD_FAILURE() << "the run ended normally";
    } catch (const CalculationFault& fault) {
        EXPECT_EQ(fault.section(), "QUANTITIES");
        EXPECT_EQ(fault.cause(),
                  "more than 10000 AsTSws bars to list; check the side wall dimensions and bar spacings");
        EXPECT_EQ(FaultDetail(p, fault), "Arithmetic fault in section QUANTITIES: " + fault.cause());
    }
    ClearArithmeticFaults();
    EXPECT_LT(r.allText().size(), 2'000'000u);
}
