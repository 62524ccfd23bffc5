#include <gtest/gtest.h>

#include <cfenv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/run.h"
#include "analysis/sample_projects.h"
#include "report/report.h"

using namespace qelvorn;
using qelvorn::testing::Cols;

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

// Records what the windows would show; the clock stands at a fixed local time.
class RecordingHost : public RunHost {
public:
    std::vector<Shown> messages;
    int beeps = 0, hides = 0;
    bool busy = false;
    std::string panel1, panel2;
    std::time_t now = 0;

    RecordingHost() {
        std::tm t = LocalTime(2024, 3, 5, 0, 5);
        now = std::mktime(&t);
    }
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
    std::time_t Now() override { return now; }
};

std::filesystem::path TempDir() {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("qelvorn-run-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    return dir;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the project into dir/report.out and returns the report text.
std::string RunToFile(Project& p, RecordingHost& host, RunResult expected = RunResult::Written) {
    const auto dir = TempDir();
    p.OutFile = (dir / "report.out").string();
    p.OutTitle = "report.out";
    p.InTitle = "sample.in";
    EXPECT_EQ(PerformCalculations(p, host), expected);
    return ReadFile(p.OutFile);
}

const std::string kStars = "     * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * *";
const std::string kEmptyStar = "     *" + std::string(63, ' ') + "*";
const std::string kProgram = "     *                 P R O G R A M   Q E L V O R N                 *";

}  // namespace

TEST(ReportItems, BareNumbersCarryASignPlaceAndATrailingBlank) {
    Report r;
    r.bare(0.975f).bare(-2).bare(0).bare(1.5f).endl();
    EXPECT_EQ(r.contents(), " .975 -2  0  1.5 \r\n");
}

TEST(ReportItems, TabPastTheStopGoesToTheStopOfANewLine) {
    Report r;
    r.tab(10).text("Live load longitudinal force").tab(30).text("x").endl();
    EXPECT_EQ(r.contents(), std::string(9, ' ') + "Live load longitudinal force\r\n" + std::string(29, ' ') + "x\r\n");
}

TEST(RunFrame, VersionAndDateTexts) {
    EXPECT_EQ(VersionText(), " 1.31");
    EXPECT_EQ(RunDateText(LocalTime(2024, 3, 5, 0, 5)), "3/05/24, 12:05 am");
    EXPECT_EQ(RunDateText(LocalTime(1999, 11, 30, 13, 7)), "11/30/99, 1:07 pm");
    EXPECT_EQ(RunDateText(LocalTime(2000, 11, 30, 12, 0)), "11/30/00, 12:00 pm");
}

TEST(RunFrame, OnlyEchoWritesTitleBannerVersionFilesAndEcho) {
    Project p = qelvorn::testing::SamplePileProject();
    p.chko2 = kFalse;
    p.chko4 = kTrue;  // quantities need abutment or side wall calculations
    RecordingHost host;
    const auto lines = qelvorn::testing::ReportLines(RunToFile(p, host));
    const std::vector<std::string> head = {
        "     Sample pile abutment",
        "",
        kStars,
        kEmptyStar,
        kProgram,
        kEmptyStar,
        "     *                        INPUT DATA ECHO                        *",
        kEmptyStar,
        kStars,
        "",
        Cols().at(6, "(Version  1.31)").at(52, "3/05/24, 12:05 am"),
        "",
        "     Input file  = sample.in",
        "     Output file = report.out",
        "",
        "     O P T I O N S",
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(head.size())), head);
    for (const auto& l : lines) EXPECT_EQ(l.find("OUTPUT DATA"), std::string::npos);
    EXPECT_EQ(lines.back(), Cols().at(6, std::string(65, '-')).s);  // the reinforcing table ends it
    EXPECT_EQ(host.hides, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(host.busy);
    EXPECT_EQ(host.panel2, "Output file = report.out");
}

TEST(RunFrame, SideWallOptionWithoutSideWallsWritesOnlyTheOutputBanner) {
    Project p = qelvorn::testing::SamplePileProject();
    p.chko1 = kFalse;
    p.chko2 = kFalse;
    p.chko3 = kTrue;
    p.Ls = 0;
    RecordingHost host;
    const std::string text = RunToFile(p, host);
    const std::string expected = "     Sample pile abutment\r\n\r\n\r\n" + kStars + "\r\n" + kEmptyStar + "\r\n" +
                                 kProgram + "\r\n" + kEmptyStar + "\r\n" +
                                 "     *                          OUTPUT DATA                          *\r\n" +
                                 kEmptyStar + "\r\n" + kStars + "\r\n";
    EXPECT_EQ(text, expected);
}

TEST(RunFrame, AllOptionsOffLeavesAnEmptyReport) {
    Project p = qelvorn::testing::SamplePileProject();
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = kFalse;
    RecordingHost host;
    const auto dir = TempDir();
    p.OutFile = (dir / "empty.out").string();
    {
        std::ofstream old(p.OutFile, std::ios::binary);
        old << "an older report";
    }
    EXPECT_EQ(PerformCalculations(p, host), RunResult::Written);
    EXPECT_TRUE(std::filesystem::exists(p.OutFile));
    EXPECT_EQ(std::filesystem::file_size(p.OutFile), 0u);
}

TEST(RunFrame, NoOutputFileOnlyAsksForOne) {
    Project p = qelvorn::testing::SamplePileProject();
    RecordingHost host;
    EXPECT_EQ(PerformCalculations(p, host), RunResult::NoOutputFile);
    EXPECT_EQ(host.beeps, 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please save output filename");
    EXPECT_EQ(host.messages[0].title, "PERFORM CALCULATIONS");
    EXPECT_EQ(host.panel1, "");  // the run never started
}

TEST(RunFrame, IncompleteInputWritesNoReport) {
    Project p = qelvorn::testing::SamplePileProject();
    p.fc = 0;
    p.Pdc = p.Pdv = 0;
    RecordingHost host;
    const auto dir = TempDir();
    p.OutFile = (dir / "never.out").string();
    EXPECT_EQ(PerformCalculations(p, host), RunResult::InputIncomplete);
    EXPECT_FALSE(std::filesystem::exists(p.OutFile));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "CHECK INPUT DATA");
    EXPECT_EQ(MessageLines(host.messages[0].text),
              std::vector<std::string>{"The following information is not complete: Properties, Loads"});
}

TEST(RunFrame, UnwritableReportIsACalculationErrorWithoutACrash) {
    Project p = qelvorn::testing::SamplePileProject();
    p.OutFile = "/nonexistent-qelvorn-folder/sub/report.out";
    RecordingHost host;
    EXPECT_EQ(PerformCalculations(p, host), RunResult::ReportNotWritable);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "PERFORM CALCULATIONS");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(MessageLines(host.messages[0].text),
              (std::vector<std::string>{"Calculation error",
                                        "The report file could not be written: " + p.OutFile}));
    EXPECT_FALSE(host.busy);
}

TEST(RunFaults, AFaultMidReportKeepsTheEarlierLinesAndNamesTheSection) {
    Project p = qelvorn::testing::SamplePileProject();
    p.UnitWeightFactor = 0;  // the concrete unit weight line divides by it
    RecordingHost host;
    const auto lines = qelvorn::testing::ReportLines(RunToFile(p, host, RunResult::CalculationError));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "     Sample pile abutment");
    EXPECT_EQ(lines.back(), std::string(10, ' ') + "Concrete modular ratio         = 8");
    ASSERT_EQ(host.messages.size(), 1u);
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

TEST(RunFaults, DetailPrefersTheCauseTheSectionNamed) {
    Project p = qelvorn::testing::SamplePileProject();
    EXPECT_EQ(FaultDetail(p, CalculationFault("FOOTING TOE AND HEEL", "zero bar spacing in the footing heel")),
              "Arithmetic fault in section FOOTING TOE AND HEEL: zero bar spacing in the footing heel");
    p.SAsfbh = 0;
    EXPECT_EQ(FaultDetail(p, CalculationFault("", "")),
              "Arithmetic fault in the report header; check: zero bar spacing in the footing heel (bottom bars)");
}

TEST(RunFaults, LikelyCausesOfDegenerateInput) {
    Project p = qelvorn::testing::SamplePileProject();
    EXPECT_EQ(LikelyFaultCauses(p), "");

    p.SAsfbh = 0;  // heel bottom bars: not asked for by the completeness check
    p.Fsls[3] = 0;
    EXPECT_EQ(LikelyFaultCauses(p),
              "zero bar spacing in the footing heel (bottom bars); Fsls = 0 in load combination 3");

    Project q = qelvorn::testing::SamplePileProject();
    q.Wf = q.Dt + q.Tw;  // no heel
    for (int i = 1; i <= 3; ++i) q.PILEX[static_cast<std::size_t>(i)] = 18;
    const std::string causes = LikelyFaultCauses(q);
    EXPECT_NE(causes.find("no footing heel"), std::string::npos) << causes;
    EXPECT_NE(causes.find("all piles in one row"), std::string::npos) << causes;

    // Side wall bars count only when the side walls are calculated.
    Project s = qelvorn::testing::SamplePileProject();
    qelvorn::testing::AddSideWalls(s);
    s.SAswsb = 0;
    EXPECT_EQ(LikelyFaultCauses(s), "zero bar spacing in the side wall bottom bars");
    s.chko3 = kFalse;
    EXPECT_EQ(LikelyFaultCauses(s), "");
}

TEST(RunMessages, OneLinePerMessageLine) {
    EXPECT_EQ(MessageLines("The following information is not complete:\r\rProperties\rPile configuration\r"
                           "Pile configuration\r"),
              std::vector<std::string>{
                  "The following information is not complete: Properties, Pile configuration, Pile configuration"});
    EXPECT_EQ(MessageLines("Calculation error\nArithmetic fault in section STABILITY"),
              (std::vector<std::string>{"Calculation error", "Arithmetic fault in section STABILITY"}));
    EXPECT_TRUE(MessageLines("").empty());
}
