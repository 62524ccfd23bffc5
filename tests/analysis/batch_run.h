// Running the batch program from a test: its exit status and what it wrote
// on standard output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

// Runs the batch program with `args` (shell words), its standard output and
// error caught in files in `dir`.
inline BatchOutcome RunBatchIn(const std::filesystem::path& dir, const std::string& args) {
    const std::filesystem::path out = dir / "stdout.txt", err = dir / "stderr.txt";
    const std::string cmd =
        Quote(QELVORN_RUN_EXE) + " " + args + " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int rc = std::system(cmd.c_str());
    BatchOutcome o;
    o.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    o.out = ReadFile(out);
    o.err = ReadFile(err);
    return o;
}

// An example input file of the source tree.
inline std::string Example(const char* name) { return std::string(QELVORN_SOURCE_DIR) + "/examples/" + name; }

}  // namespace qelvorn::testing
