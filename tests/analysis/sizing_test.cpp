// The design assistant: a project sized by the batch runner runs through the
// ordinary calculation without a NO GOOD *** line, or the search says what
// it could not satisfy; the search is deterministic and never writes over
// its input.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/batch_run.h"
#include "analysis/sizing.h"
#include "model/unit_conversion.h"

namespace fs = std::filesystem;
using namespace qelvorn;
using namespace qelvorn::testing;

namespace {

// Sizes `in` with --size all; the sized project's report has no failing
// check, or the runner said why and exited with 4. The input stays as it was.
void ExpectSizedPasses(const fs::path& in, const std::string& label) {
    const std::string before = ReadFile(in);
    const fs::path sized = BatchDir() / "sized.in", report = BatchDir() / "sized.out";
    const BatchOutcome s = RunBatch("--size all " + Quote(in.string()) + " " + Quote(sized.string()));
    EXPECT_EQ(ReadFile(in), before) << label;
    ASSERT_TRUE(s.status == 0 || s.status == 4) << label << s.err;
    ASSERT_EQ(RunBatch(Quote(sized.string()) + " " + Quote(report.string())).status, 0) << label;
    const bool fails = ReadFile(report).find("NO GOOD ***") != std::string::npos;
    EXPECT_EQ(fails, s.status == 4) << label << s.out;
    EXPECT_TRUE(!fails || s.out.find("still fails") != std::string::npos) << label << s.out;
}

}  // namespace

TEST(Sizing, EveryExampleAndVariantSizedPassesOrSaysWhy) {
    for (const std::string& e : ExampleNames())
        ExpectSizedPasses(fs::path(QELVORN_SOURCE_DIR) / "examples" / (e + ".in"), e);

    // Every criteria on a spread and a pile footing, in the other unit system.
    for (const char* criteria : {"aashto", "arema", "lrfd", "s6"})
        for (const char* example : {"spread-lrfd-metric", "pile-aashto-english"}) {
            Project p = LoadExample(example);
            p.Criteria = criteria;
            ChangeUnits(p, p.Units == "metric" ? "english" : "metric");
            p.InFile = (BatchDir() / "variant.in").string();
            ASSERT_TRUE(WriteInputFile(p));
            ExpectSizedPasses(p.InFile, std::string(example) + " " + criteria);
        }
}

TEST(Sizing, DeterministicAndNeverOverTheInput) {
    const Project p = LoadExample("spread-arema-english-sld");
    const SizingResult a = SizeProject(p, SizingMode::All, DefaultSizingOptions(p));
    const SizingResult b = SizeProject(p, SizingMode::All, DefaultSizingOptions(p));
    EXPECT_EQ(InputFileText(a.proposed), InputFileText(b.proposed));
    EXPECT_EQ(SizingReviewText(a), SizingReviewText(b));
    EXPECT_FALSE(a.changes.empty());

    const fs::path in = BatchDir() / "in.in";
    fs::copy_file(fs::path(QELVORN_SOURCE_DIR) / "examples" / "spread-arema-english-sld.in", in,
                  fs::copy_options::overwrite_existing);
    const std::string text = ReadFile(in);
    EXPECT_EQ(RunBatch("--size bars " + Quote(in.string()) + " " + Quote((BatchDir() / "." / "in.in").string())).status,
              3);
    EXPECT_EQ(ReadFile(in), text);
}

TEST(Sizing, FootingRangesWithinTheCandidateLimit) {
    // Values 0 to max in steps of 1: 200 x 100 x 100 is the limit itself.
    const struct { float wf, rest; const char* count; } cases[] = {
        {199, 99, ""}, {200, 99, "2,010,000"}, {3e38f, 3e38f, "2.7e+115"}};
    for (const auto& c : cases) {
        const SizingOptions o{{0, c.wf, 1}, {0, c.rest, 1}, {0, c.rest, 1}};
        const std::string problem = FootingRangesProblem(o);
        EXPECT_EQ(problem.empty() ? "" : problem.substr(24, problem.find(' ', 24) - 24), c.count) << problem;
        if (problem.empty()) continue;
        // The search returns at once, the footing as it is.
        const SizingResult r = SizeProject(LoadExample("spread-lrfd-metric"), SizingMode::Footing, o);
        EXPECT_TRUE(r.changes.empty());
        EXPECT_EQ(r.notes, std::vector<std::string>{"Footing: " + problem + "; the footing is left as it is"});
    }
}
