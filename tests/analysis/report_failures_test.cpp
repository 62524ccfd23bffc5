// Writing the report when the file system refuses: a file size limit,
// folders that cannot hold files, a report path that is the input file or
// not a regular file. The run ends with its message, never claims a report
// it could not write and never leaves half a report in place of the
// previous one.
#include <gtest/gtest.h>
#include <sys/stat.h>


#include "analysis/batch_run.h"
#include "analysis/sample_projects.h"

using namespace qelvorn;
using namespace qelvorn::testing;
namespace fs = std::filesystem;

namespace {

class MessageHost : public RunHost {
public:
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon) override {
        messages.push_back(title + ": " + text);
    }
};

struct Outcome {
    RunResult result;
    std::vector<std::string> messages;
};

Outcome RunInto(const std::string& out) {
    Project p = SamplePileProject();
    p.chko1 = p.chko2 = p.chko4 = kTrue;
    p.OutFile = out;
    MessageHost host;
    const RunResult result = PerformCalculations(p, host);
    return {result, host.messages};
}

// Refused, with its one message.
void ExpectNotWritten(const Outcome& o, const std::string& out) {
    EXPECT_EQ(o.result, RunResult::ReportNotWritable) << out;
    EXPECT_EQ(o.messages, std::vector<std::string>{
                              "PERFORM CALCULATIONS: Calculation error\nThe report file could not be written: " + out});
}

// A folder of the test's own, apart from the batch runner's output files:
// no temporary report may be left behind in it.
fs::path Scratch() {
    const fs::path dir = BatchDir() / "reports";
    fs::create_directories(dir);
    return dir;
}

}  // namespace

TEST(ReportFailures, FoldersThatCannotHoldTheReport) {
    const fs::path file = Scratch() / "plain.txt";
    std::ofstream(file) << "x";
    for (const std::string& out : {(file / "r.out").string(), std::string("/proc/qelvorn-report-test.out"),
                                  std::string("/nonexistent-qelvorn-folder/sub/report.out")}) {
        ExpectNotWritten(RunInto(out), out);
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST(ReportFailures, FileSizeLimitKeepsThePreviousReport) {
    const std::string out = (Scratch() / "short.out").string();
    std::ofstream(out) << "previous report";
    ExpectNotWritten(WithFileSizeLimit(1000, [&] { return RunInto(out); }), out);
    EXPECT_EQ(ReadFile(out), "previous report");
    EXPECT_EQ(FolderNames(Scratch()), "short.out ");
}

// Refused before anything is written, naming the clash: the input file
// itself (by its name, through a link, through a dotted folder), a FIFO that
// would block the run, a device. The input and the special files stay.
TEST(ReportFailures, ReportPathThatIsTheInputOrNotARegularFile) {
    const fs::path dir = Scratch(), in = dir / "p.in";
    fs::copy_file(fs::path(QELVORN_SOURCE_DIR) / "examples" / "pile-aashto-english.in", in);
    const std::string before = ReadFile(in);
    fs::create_symlink(in, dir / "link.out");
    ASSERT_EQ(mkfifo((dir / "fifo.out").c_str(), 0600), 0);
    const struct {
        std::string out;
        const char* clash;
    } cases[] = {
        {in.string(), "is the input file"},
        {(dir / "link.out").string(), "is the input file"},
        {(dir / "." / "p.in").string(), "is the input file"},
        {(dir / "fifo.out").string(), "is not a regular file"},
        {"/dev/full", "is not a regular file"},
    };
    for (const auto& c : cases) {
        const BatchOutcome o = RunBatch(Quote(in.string()) + " " + Quote(c.out));
        EXPECT_EQ(o.status, 3) << c.out;
        EXPECT_NE(o.err.find(c.clash), std::string::npos) << o.err;
        EXPECT_NE(o.err.find(c.out), std::string::npos) << o.err;
        EXPECT_EQ(ReadFile(in), before);
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.out"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.out"));
    EXPECT_EQ(FolderNames(dir), "fifo.out link.out p.in ");
}

// A fault ends the run: the previous report is replaced by what was written,
// which ends in a line saying the report is incomplete and why.
TEST(ReportFailures, FaultedRunReplacesThePreviousReportAndSaysItIsIncomplete) {
    const fs::path dir = Scratch();
    const std::string out = (dir / "faulted.out").string();
    std::ofstream(out) << "previous report";
    Project p = SamplePileProject();
    p.Fsls[1] = 0;
    p.OutFile = out;
    MessageHost host;
    EXPECT_EQ(PerformCalculations(p, host), RunResult::CalculationError);
    EXPECT_EQ(p.Records.status, RunStatus::CalculationError);
    const std::string report = ReadFile(out);
    const std::string last = report.substr(report.rfind("\r\n", report.size() - 3) + 2);
    EXPECT_TRUE(last.starts_with("*** Calculation error: report incomplete (" + p.Records.faultSection)) << last;
    EXPECT_TRUE(last.ends_with(") ***\r\n")) << last;
    EXPECT_NE(report.find("OUTPUT DATA"), std::string::npos);
    EXPECT_EQ(FolderNames(dir), "faulted.out ");
}
