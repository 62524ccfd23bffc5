// The verification manual quotes the program's values with the report line
// each comes from. Every quoted line must still be printed, word for word,
// by a run of its example: a change of results makes the manual stale and
// fails here (regenerate it with docs/verification/make_verification.py).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "analysis/batch_run.h"

namespace fs = std::filesystem;
using namespace qelvorn::testing;

namespace {

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \r"), e = s.find_last_not_of(" \r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

// The trimmed lines of an example's report with every section written.
std::set<std::string> ReportOf(const std::string& name) {
    const fs::path out = BatchDir() / (name + ".out");
    const BatchOutcome o = RunBatch("--sections echo,abutment,sidewalls,quantities " + Example((name + ".in").c_str()) +
                                    " " + Quote(out.string()));
    EXPECT_EQ(o.status, 0) << name << ": " << o.err;
    std::set<std::string> lines;
    std::istringstream in(ReadFile(out));
    for (std::string line; std::getline(in, line);) lines.insert(Trim(line));
    return lines;
}

}  // namespace

TEST(VerificationManual, QuotedReportLinesAreWhatTheProgramPrints) {
    std::istringstream manual(ReadFile(fs::path(QELVORN_SOURCE_DIR) / "docs" / "verification.md"));
    std::map<std::string, std::set<std::string>> reports;
    std::string example;
    int quoted = 0;
    for (std::string line; std::getline(manual, line);) {
        const std::string tag = "Input: `examples/";
        if (line.rfind(tag, 0) == 0) {
            example = line.substr(tag.size(), line.find(".in`") - tag.size());
            if (!reports.count(example)) reports[example] = ReportOf(example);
            continue;
        }
        // A value row ends in "| `report line` |".
        const auto close = line.rfind("` |"), open = line.rfind("| `", close);
        if (line.rfind("| ", 0) != 0 || close == std::string::npos || open == std::string::npos) continue;
        ASSERT_FALSE(example.empty()) << line;
        const std::string quote = line.substr(open + 3, close - open - 3);
        EXPECT_TRUE(reports[example].count(quote)) << example << ": no report line [" << quote << "]";
        ++quoted;
    }
    EXPECT_GE(reports.size(), 8u);
    EXPECT_GE(quoted, 300);
}

TEST(VerificationManual, HelpLinksLeadToTopicsAndFiguresOfTheHelpFile) {
    const fs::path docs = fs::path(QELVORN_SOURCE_DIR) / "docs";
    const std::string help = ReadFile(docs / "qelvorn-help.html");
    const std::regex link("href=\"#([^\"]+)\""), image("src=\"([^\"]+)\"");
    for (std::sregex_iterator it(help.begin(), help.end(), link), end; it != end; ++it)
        EXPECT_NE(help.find("name=\"" + (*it)[1].str() + "\""), std::string::npos) << (*it)[1];
    for (std::sregex_iterator it(help.begin(), help.end(), image), end; it != end; ++it)
        EXPECT_TRUE(fs::exists(docs / (*it)[1].str())) << (*it)[1];
}
