// Running the batch program from a test (its exit status and what it wrote
// on standard output and standard error), the example projects, a run host
// that shows nothing.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/run.h"
#include "io/input_file.h"
#include "model/defaults.h"

namespace qelvorn::testing {

struct BatchOutcome {
    int status = -1;
    std::string out, err;
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A shell word: the text in single quotes.
inline std::string Quote(const std::string& s) { return "'" + s + "'"; }

// The scratch folder of this test program's run, made new (mkdtemp) and
// removed at its end: runs by another user, or at the same time, never meet
// each other's files.
inline const std::filesystem::path& ScratchRoot() {
    struct Scratch {
        std::filesystem::path root;
        Scratch() {
            std::string name = (std::filesystem::temp_directory_path() / "qelvorn-test-XXXXXX").string();
            if (!::mkdtemp(name.data()))
                throw std::filesystem::filesystem_error("mkdtemp", name, {errno, std::generic_category()});
            root = name;
        }
        ~Scratch() {
            std::error_code ignored;
            std::filesystem::remove_all(root, ignored);
        }
    };
    static const Scratch scratch;
    return scratch.root;
}

// The names in a folder, sorted, each followed by a blank.
inline std::string FolderNames(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string all;
    for (const std::string& n : names) all += n + " ";
    return all;
}

// A scratch folder of the running test.
inline std::filesystem::path BatchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = ScratchRoot() / (std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::create_directories(dir);
    return dir;
}

// Runs the batch program with `args` (shell words), its standard output and
// error caught in files of the test's folder.
inline BatchOutcome RunBatch(const std::string& args) {
    const std::filesystem::path out = BatchDir() / "stdout.txt", err = BatchDir() / "stderr.txt";
    const std::string cmd =
        Quote(QELVORN_RUN_EXE) + " " + args + " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int rc = std::system(cmd.c_str());
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, ReadFile(out), ReadFile(err)};
}

// An example input file of the source tree, as a shell word.
inline std::string Example(const char* name) { return Quote(std::string(QELVORN_SOURCE_DIR) + "/examples/" + name); }

// The names of the example projects (examples/*.in without the suffix), sorted.
inline std::vector<std::string> ExampleNames() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(QELVORN_SOURCE_DIR) / "examples"))
        if (e.path().extension() == ".in") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// An example project read into a new project.
inline Project LoadExample(const std::string& name) {
    Project p;
    ResetProject(p);
    p.InFile = std::string(QELVORN_SOURCE_DIR) + "/examples/" + name + ".in";
    EXPECT_TRUE(ReadInputFile(p)) << name;
    return p;
}

// Runs `write` with files limited to `bytes` (a write beyond fails with
// EFBIG, like a disk filling up part way), then lifts the limit.
template <typename Write>
auto WithFileSizeLimit(rlim_t bytes, Write write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    return result;
}

// Shows nothing; its clock stands still.
class QuietHost : public RunHost {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    std::time_t Now() override { return 0; }
};

}  // namespace qelvorn::testing
