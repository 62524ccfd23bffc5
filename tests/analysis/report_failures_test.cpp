// Writing the report when the file system refuses: a full disk, a file size
// limit, folders that cannot hold files. The run ends with its message and
// never claims a report it could not write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/run.h"
#include "analysis/sample_projects.h"

using namespace qelvorn;
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
    Project p = qelvorn::testing::SamplePileProject();
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

fs::path Scratch() {
    const fs::path dir = fs::temp_directory_path() / ("qelvorn-report-fail-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

}  // namespace

TEST(ReportFailures, DiskFullAndFoldersThatCannotHoldTheReport) {
    ExpectNotWritten(RunInto("/dev/full"), "/dev/full");
    const fs::path file = Scratch() / "plain.txt";
    std::ofstream(file) << "x";
    for (const std::string& out : {(file / "r.out").string(), std::string("/proc/qelvorn-report-test.out"),
                                  std::string("/nonexistent-qelvorn-folder/sub/report.out")}) {
        ExpectNotWritten(RunInto(out), out);
        EXPECT_FALSE(fs::exists(out));
    }
    fs::remove_all(Scratch());
}

TEST(ReportFailures, FileSizeLimitCutsTheReportShort) {
    const std::string out = (Scratch() / "short.out").string();
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Outcome o = RunInto(out);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    ExpectNotWritten(o, out);
    EXPECT_LE(fs::file_size(out), 1000u);
    fs::remove_all(Scratch());
}
