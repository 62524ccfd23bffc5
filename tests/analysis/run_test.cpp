// A run through the windows' calculation command: the report's frame by
// output option, the version and date texts, the messages and the run's end
// on a fault. Input echo variants that the example reports do not print:
// combinations and load types left out, a pile table switched off, side
// walls echoed with their output option off.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/batch_run.h"
#include "analysis/run.h"
#include "analysis/sample_projects.h"
#include "analysis/sections.h"
#include "report/report.h"

using namespace qelvorn;
using qelvorn::testing::Cols;
using qelvorn::testing::SamplePileProject;

namespace {

std::tm LocalTime(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return t;
}

struct Shown {
    std::string text, title;
    MessageIcon icon;
};

// Records what the windows would show; the clock stands at 3/05/24, 12:05 am.
class RecordingHost : public RunHost {
public:
    std::vector<Shown> messages;
    int beeps = 0, hides = 0;
    bool busy = false;
    std::string panel1, panel2;

    void Beep() override { ++beeps; }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    void SetStatus(const std::string& a, const std::string& b) override {
        panel1 = a;
        panel2 = b;
    }
    void SetBusy(bool b) override { busy = b; }
    void HideOutputWindow() override { ++hides; }
    std::time_t Now() override {
        std::tm t = LocalTime(2024, 3, 5, 0, 5);
        return std::mktime(&t);
    }
};

std::string TempFile(const std::string& name) { return (qelvorn::testing::BatchDir() / name).string(); }

// Runs the project into report.out and returns the report's lines.
std::vector<std::string> RunToFile(Project& p, RecordingHost& host, RunResult expected = RunResult::Written) {
    p.OutFile = TempFile("report.out");
    p.OutTitle = "report.out";
    p.InTitle = "sample.in";
    EXPECT_EQ(PerformCalculations(p, host), expected);
    return qelvorn::testing::ReportLines(qelvorn::testing::ReadFile(p.OutFile));
}

}  // namespace

TEST(RunFrame, VersionAndDateTexts) {
    EXPECT_EQ(RunDateText(LocalTime(2024, 3, 5, 0, 5)), "3/05/24, 12:05 am");
    EXPECT_EQ(RunDateText(LocalTime(1999, 11, 30, 13, 7)), "11/30/99, 1:07 pm");
    EXPECT_EQ(RunDateText(LocalTime(2000, 11, 30, 12, 0)), "11/30/00, 12:00 pm");
}

TEST(RunFrame, OnlyEchoWritesTheEchoFrame) {
    Project p = SamplePileProject();
    p.chko2 = kFalse;
    p.chko4 = kTrue;  // quantities need abutment or side wall calculations
    RecordingHost host;
    const auto lines = RunToFile(p, host);
    ASSERT_GE(lines.size(), 16u);
    EXPECT_NE(lines[6].find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_EQ(lines[10], Cols().at(6, "(Version  1.31)").at(52, "3/05/24, 12:05 am").s);  // the goldens mask it
    for (const auto& l : lines) EXPECT_EQ(l.find("OUTPUT DATA"), std::string::npos);
    EXPECT_EQ(lines.back(), Cols().at(6, std::string(65, '-')).s);  // the reinforcing table ends it
    EXPECT_EQ(host.hides, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST(RunFrame, NoOutputFileOnlyAsksForOneAndAllOptionsOffEmptiesTheReport) {
    Project p = SamplePileProject();
    RecordingHost host;
    EXPECT_EQ(PerformCalculations(p, host), RunResult::NoOutputFile);
    EXPECT_EQ(host.beeps, 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please save output filename");
    EXPECT_EQ(host.panel1, "");  // the run never started
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = kFalse;
    p.OutFile = TempFile("empty.out");
    std::ofstream(p.OutFile, std::ios::binary) << "an older report";
    EXPECT_EQ(PerformCalculations(p, host), RunResult::Written);
    EXPECT_EQ(std::filesystem::file_size(p.OutFile), 0u);
}

TEST(RunFrame, IncompleteInputWritesNoReport) {
    Project p = SamplePileProject();
    p.fc = 0;
    p.Pdc = p.Pdv = 0;
    p.OutFile = TempFile("never.out");
    std::filesystem::remove(p.OutFile);
    RecordingHost host;
    EXPECT_EQ(PerformCalculations(p, host), RunResult::InputIncomplete);
    EXPECT_FALSE(std::filesystem::exists(p.OutFile));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "CHECK INPUT DATA");
    EXPECT_EQ(MessageLines(host.messages[0].text),
              std::vector<std::string>{"The following information is not complete: Properties, Loads"});
}

TEST(RunFaults, AFaultMidReportKeepsTheEarlierLinesAndNamesTheSection) {
    Project p = SamplePileProject();
    p.UnitWeightFactor = 0;  // the concrete unit weight line divides by it
    RecordingHost host;
    const auto lines = RunToFile(p, host, RunResult::CalculationError);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "     Route 9 over Mill Creek - north abutment on steel H-piles");
    EXPECT_EQ(lines[lines.size() - 2], std::string(10, ' ') + "Concrete modular ratio         = 8");
    EXPECT_EQ(lines.back(), "*** Calculation error: report incomplete (PROPERTIES) ***");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "PERFORM CALCULATIONS");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(MessageLines(host.messages[0].text),
              (std::vector<std::string>{
                  "Calculation error",
                  "Arithmetic fault in section PROPERTIES; check its input for zero or missing values"}));
    // The window is usable again and the flags are clean for the next run.
    EXPECT_FALSE(host.busy);
    EXPECT_EQ(host.panel2, "Output file = report.out");
    EXPECT_FALSE(ArithmeticFaultPending());
}

// A fault names the cause only when the project has it: each row faults in
// the section shown, and the message names exactly its own cause, none of the
// other rows' (three of them fault where the back wall bars are checked).
TEST(RunFaults, TheNamedCauseIsTheOneTheProjectHas) {
    const struct {
        void (*spoil)(Project&);
        const char* detail;
    } cases[] = {
        {[](Project& p) { p.Fsls[1] = 0; },
         "BACK WALL: zero SLS stress increase factor in load combination 1"},
        {[](Project& p) { p.CAsw = p.Tw + 1; },
         "BACK WALL: no effective depth in the back wall (cover and bar radius not less than the thickness)"},
        {[](Project& p) { p.fc = 1e-30f; }, "BACK WALL: concrete strength f'c less than 1 psi"},
        {[](Project& p) { p.SAsb = 0; }, "BACK WALL: zero back wall reinforcing area or spacing"},
        {[](Project& p) { p.Asfbh = 0; }, "PILE FOOTING: zero footing heel bottom reinforcing area or spacing"},
        {[](Project& p) {
             qelvorn::testing::AddSideWalls(p);
             p.Ls = 60;  // shorter than the heel: its bottom is designed too
             p.SAswsb = 0;
         },
         "SIDE WALLS: zero side wall bottom reinforcing area or spacing"},
        {[](Project& p) { p.Hb = 0; p.Tb = 0; p.CAsw = p.Tw + 1; },
         "STEM WALL: no effective depth in the wall stem (cover and bar radius not less than the thickness)"},
        // A fault no named cause explains: the section alone.
        {[](Project& p) { p.UnitWeightFactor = 0; }, "PROPERTIES; check its input for zero or missing values"},
    };
    for (const auto& c : cases) {
        Project p = SamplePileProject();
        c.spoil(p);
        RecordingHost host;
        RunToFile(p, host, RunResult::CalculationError);
        ASSERT_EQ(host.messages.size(), 1u) << c.detail;
        EXPECT_EQ(MessageLines(host.messages[0].text),
                  (std::vector<std::string>{"Calculation error", std::string("Arithmetic fault in section ") + c.detail}));
    }
}

namespace {

std::vector<std::string> Echo(Project& p) {
    Report r;
    ClearArithmeticFaults();
    InputEcho(p, r);
    EXPECT_TRUE(r.pendingLine().empty());
    return qelvorn::testing::ReportLines(r.contents());
}

// Index of the line, or -1.
int Find(const std::vector<std::string>& lines, const std::string& line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

bool AnyContains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

}  // namespace

TEST(InputEcho, PileRowsLeftOutWithoutRows) {
    Project p = qelvorn::testing::SamplePileProject();
    p.NROWS = 0;  // the rows stay in memory but are not echoed
    const auto lines = Echo(p);
    EXPECT_EQ(Find(lines, "     PILES:"), -1);
    EXPECT_FALSE(AnyContains(lines, "Pile width"));
}

TEST(InputEcho, CombinationsAndLoadTypesWithoutFactorsAreLeftOut) {
    Project p = qelvorn::testing::SamplePileProject();
    // Combination 2 without the abutment's weight is left out; a load type
    // with only a minimum factor is left out.
    p.Fdamax[2] = 0;
    p.Fdasls[2] = 0;
    p.Fl2min[4] = 1.0f;
    const auto lines = Echo(p);
    const std::string rule = Cols().at(10, std::string(61, '-'));
    const int h = Find(lines, "     LOAD COMBINATIONS:");
    ASSERT_GE(h, 0);
    // Combination 1 closes with its rule and combination 3 follows it.
    const auto at = static_cast<std::size_t>(Find(lines, Cols().at(30, "Service stress increase factor = ").at(63, " 1.5 ")));
    EXPECT_EQ(lines[at + 1], rule);
    EXPECT_EQ(lines[at + 3], std::string(Cols().at(10, " 3 ").at(15, "Group II - no live load on bridge")));
    EXPECT_FALSE(AnyContains(lines, "Construction 2"));
    const std::vector<std::string> table(lines.begin() + h, lines.end());
    EXPECT_FALSE(AnyContains(table, "Live load special"));
    EXPECT_FALSE(AnyContains(table, "Earthquake"));
    // Five combinations echoed, each closed by the rule.
    EXPECT_EQ(std::count(table.begin(), table.end(), rule), 2 + 5);
}

TEST(InputEcho, SideWallsWhateverTheSideWallOutputOption) {
    Project p = qelvorn::testing::SamplePileProject();
    qelvorn::testing::AddSideWalls(p);
    p.chko3 = kFalse;  // the echo does not depend on the side wall output option
    const auto lines = Echo(p);
    const int t = Find(lines, "     S I D E   W A L L S");
    ASSERT_GE(t, 0);
    // Configuration, then the reinforcing table that ends the echo.
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(t) + 21);
    EXPECT_EQ(lines.back(), std::string(Cols().at(10, std::string(61, '-'))));

}
