// Writing the report when the file system refuses: a full disk, a file size
// limit, folders that cannot hold files. The run ends with its message and
// never claims a report it could not write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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

std::string NotWritable(const std::string& path) {
    return "PERFORM CALCULATIONS: Calculation error\nThe report file could not be written: " + path;
}

RunResult RunInto(const std::string& out, MessageHost& host) {
    Project p = qelvorn::testing::SamplePileProject();
    p.chko1 = p.chko2 = p.chko4 = kTrue;
    p.OutFile = out;
    return PerformCalculations(p, host);
}

fs::path Scratch() {
    const fs::path dir = fs::temp_directory_path() / ("qelvorn-report-fail-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

}  // namespace

TEST(ReportFailures, DiskFull) {
    MessageHost host;
    EXPECT_EQ(RunInto("/dev/full", host), RunResult::ReportNotWritable);
    EXPECT_EQ(host.messages, std::vector<std::string>{NotWritable("/dev/full")});
}

TEST(ReportFailures, FoldersThatCannotHoldTheReport) {
    const fs::path dir = Scratch();
    const fs::path file = dir / "plain.txt";
    std::ofstream(file) << "x";
    for (const std::string& out : {(file / "r.out").string(), std::string("/proc/qelvorn-report-test.out")}) {
        MessageHost host;
        EXPECT_EQ(RunInto(out, host), RunResult::ReportNotWritable) << out;
        EXPECT_EQ(host.messages, std::vector<std::string>{NotWritable(out)});
        EXPECT_FALSE(fs::exists(out));
    }
    fs::remove_all(dir);
}

TEST(ReportFailures, FileSizeLimitCutsTheReportShort) {
    const fs::path dir = Scratch();
    const std::string out = (dir / "short.out").string();
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    MessageHost host;
    const RunResult result = RunInto(out, host);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(result, RunResult::ReportNotWritable);
    EXPECT_EQ(host.messages, std::vector<std::string>{NotWritable(out)});
    EXPECT_LE(fs::file_size(out), 1000u);
    fs::remove_all(dir);
}

TEST(ReportFailures, BatchRunnerOnAFullDisk) {
    const fs::path dir = Scratch();
    const std::string err = (dir / "err.txt").string();
    const std::string cmd = std::string("'") + QELVORN_RUN_EXE + "' '" + QELVORN_SOURCE_DIR +
                            "/examples/spread-lrfd-metric.in' /dev/full 2>'" + err + "'";
    const int rc = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(rc));
    EXPECT_EQ(WEXITSTATUS(rc), 3);
    std::ifstream in(err);
    std::ostringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), "Calculation error\nThe report file could not be written: /dev/full\n");
    fs::remove_all(dir);
}
