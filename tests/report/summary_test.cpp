// The check summary of a report text: sections found by their title
// blocks, OKAY / NO GOOD *** lines counted per section, failed lines listed
// with their section and line number.
#include <gtest/gtest.h>

#include <string>

#include "analysis/run.h"
#include "io/input_file.h"
#include "model/defaults.h"
#include "report/report.h"
#include "report/summary.h"

using namespace qelvorn;

namespace {

class QuietHost : public RunHost {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// The report of an example project, every output option on, written by the
// core as the run writes it.
std::string ExampleReport(const char* name, void (*change)(Project&) = nullptr) {
    Project p;
    ResetProject(p);
    p.InFile = std::string(QELVORN_SOURCE_DIR) + "/examples/" + name;
    p.InTitle = name;
    EXPECT_TRUE(ReadInputFile(p)) << name;
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = kTrue;
    if (change) change(p);
    Report r;
    QuietHost host;
    ClearArithmeticFaults();
    RunReport(p, r, host);
    return r.allText();
}

// "TITLE line okay/noGood" of each section.
std::string Counts(const ReportSummary& s) {
    std::string out;
    for (const SectionSummary& sec : s.sections)
        out += (out.empty() ? "" : " | ") + sec.title + " " + std::to_string(sec.line) + " " +
               std::to_string(sec.okay) + "/" + std::to_string(sec.noGood);
    return out;
}

const SectionSummary* Find(const ReportSummary& s, const std::string& title, int nth = 1) {
    for (const SectionSummary& sec : s.sections)
        if (sec.title == title && --nth == 0) return &sec;
    return nullptr;
}

}  // namespace

TEST(ReportSummary, CountsChecksPerTitleBlock) {
    // Built with the report writer: the title blocks and check words of every section.
    Report r;
    r.spc(5).text("Bridge title").endl();
    r.titleBlock("SIDE WALLS");
    r.spc(10).text("Wall height = 12.0").endl();
    r.titleBlock("STEM WALL");
    r.spc(10).text("As required = 0.50 < As provided = 0.62 ").text(Report::checkWord(true)).endl();
    r.spc(10).text("Crack control factor = 40950.3 > 30000.0 ").text(Report::checkWord(false)).endl();
    r.spc(15).text("ULS EQ Resultant (Comb 7)    = 0.210     < 0.333  OKAY ").endl();  // trailing blank
    r.spc(10).text("OKAY is a word here, not a check word at the end").endl();
    r.titleBlock("SIDE WALLS");
    r.spc(10).text("T&S = 0.31 > 0.13 OKAY").endl();
    r.spc(10).text("As required = 0.70 > As provided = 0.44 NO GOOD ***").endl();
    const ReportSummary s = SummarizeReport(r.contents());

    EXPECT_EQ(Counts(s), "SIDE WALLS 3 0/0 | STEM WALL 8 2/1 | SIDE WALLS 16 1/1");
    EXPECT_EQ(s.okay(), 3);
    EXPECT_EQ(s.noGood(), 2);

    ASSERT_EQ(s.failures.size(), 2u);
    EXPECT_EQ(s.failures[0].section, 1u);
    EXPECT_EQ(s.failures[0].line, 12);
    EXPECT_EQ(s.failures[0].text, "          Crack control factor = 40950.3 > 30000.0 NO GOOD ***");
    EXPECT_EQ(s.failures[1].section, 2u);
    EXPECT_EQ(s.failures[1].line, 20);
}

TEST(ReportSummary, LineEndsAndFragments) {
    // LF, CR LF and a last line without an end read alike; a check before
    // any title block is kept under an untitled part.
    const ReportSummary s = SummarizeReport("a OKAY\n\r\n     S T A B I L I T Y\n     " + std::string(65, '=') +
                                            "\r\n x NO GOOD ***");
    EXPECT_EQ(Counts(s), " 1 1/0 | STABILITY 3 0/1");
    ASSERT_EQ(s.failures.size(), 1u);
    EXPECT_EQ(s.failures[0].line, 5);

    // A rule of the wrong length or a title not indented by five is no title block.
    for (const std::string& text : {"     T I T L E\n     " + std::string(64, '=') + "\n",
                                   "      T I T L E\n     " + std::string(65, '=') + "\n", std::string()})
        EXPECT_TRUE(SummarizeReport(text).sections.empty()) << text;
    EXPECT_EQ(UnspacedTitle("     P I L E   F O O T I N G"), "PILE FOOTING");
    EXPECT_EQ(UnspacedTitle("  OUTPUT DATA "), "OUTPUT DATA");
}

TEST(ReportSummary, ExampleWithDeliberateFailuresInOneSection) {
    // The metric spread footing example passes all its checks. With stem
    // bars of a tenth of the area, the stem wall's checks of strength and
    // crack control fail and no other section changes its counts: the same
    // checks are made, some now fail, and only in the stem wall.
    const ReportSummary good = SummarizeReport(ExampleReport("spread-lrfd-metric.in"));
    const std::string badText = ExampleReport("spread-lrfd-metric.in", [](Project& p) { p.Asw *= 0.1f; });
    const ReportSummary bad = SummarizeReport(badText);
    EXPECT_EQ(good.noGood(), 0);
    EXPECT_GT(good.okay(), 10);
    ASSERT_EQ(bad.sections.size(), good.sections.size());
    for (std::size_t i = 0; i < good.sections.size(); ++i) {
        const SectionSummary &g = good.sections[i], &b = bad.sections[i];
        EXPECT_EQ(b.title, g.title);
        EXPECT_EQ(b.okay + b.noGood, g.okay + g.noGood) << g.title;
        if (g.title != "STEM WALL") {
            EXPECT_EQ(b.noGood, 0) << g.title;
        }
    }
    const SectionSummary* stem = Find(bad, "STEM WALL");
    ASSERT_NE(stem, nullptr);
    ASSERT_GE(stem->noGood, 2);
    ASSERT_EQ(bad.failures.size(), static_cast<std::size_t>(stem->noGood));
    const std::vector<std::string> lines = ReportLines(badText);
    for (const FailedCheck& f : bad.failures) {
        EXPECT_EQ(bad.sections[f.section].title, "STEM WALL");
        EXPECT_EQ(lines[f.line - 1], f.text);
    }
    EXPECT_NE(bad.failures.front().text.find("As required"), std::string::npos) << bad.failures.front().text;

    // The side walls appear in the input echo and again in the output.
    const ReportSummary walls = SummarizeReport(ExampleReport("pile-s6-metric-sidewalls.in"));
    const SectionSummary *echo = Find(walls, "SIDE WALLS", 1), *design = Find(walls, "SIDE WALLS", 2);
    ASSERT_TRUE(echo && design);
    EXPECT_LT(echo->line, design->line);
    EXPECT_EQ(echo->okay + echo->noGood, 0);
    EXPECT_GT(design->okay + design->noGood, 0);
}

TEST(ReportSummary, TextTableAndFailedLines) {
    ReportSummary s;
    s.sections = {{"STEM WALL", 278, 6, 1}, {"PILE FOOTING", 463, 20, 2}};
    s.failures = {{0, 317, "          Crack control factor = 40950.3 > 30000.0 NO GOOD ***"},
                  {1, 596, "               SLS Shear (Comb 5)           = 64.7    > 50.0 NO GOOD ***"},
                  {1, 598, "               ULS Shear (Comb 3)           = 96.0    > 75.0 NO GOOD ***"}};
    EXPECT_EQ(SummaryText(s),
              "Section         Line      OKAY   NO GOOD\n"
              "STEM WALL        278         6         1\n"
              "PILE FOOTING     463        20         2\n"
              "Total                       26         3\n"
              "\n"
              "NO GOOD *** lines:\n"
              "   317  STEM WALL: Crack control factor = 40950.3 > 30000.0 NO GOOD ***\n"
              "   596  PILE FOOTING: SLS Shear (Comb 5)           = 64.7    > 50.0 NO GOOD ***\n"
              "   598  PILE FOOTING: ULS Shear (Comb 3)           = 96.0    > 75.0 NO GOOD ***\n");
    s.failures.clear();
    s.sections[0].noGood = s.sections[1].noGood = 0;
    EXPECT_NE(SummaryText(s).find("\nNo NO GOOD *** lines\n"), std::string::npos);
}
