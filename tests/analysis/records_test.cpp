// Check records against the report written with them: every example and
// variants of them (all criteria, both designs, weakened sections that fail
// and carry moments too high for them). One record per verdict line, on that
// line, with its verdict; utilization <= 1 exactly when the line says OKAY;
// the evaluation without text gives the same records.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/batch_run.h"
#include "analysis/sample_projects.h"

using namespace qelvorn;
using namespace qelvorn::testing;

namespace {

struct Variant {
    std::string example;
    const char* criteria;  // nullptr: as in the file
    const char* design;
    float weaken;          // bar areas and wall and footing thicknesses scaled by this
    float earth = 1;       // earth pressure coefficient scaled by this
    float loads = 1;       // bridge loads scaled by this (large: numbers wider than their columns)
};

// Every example as it is, then changed.
std::vector<Variant> Variants() {
    std::vector<Variant> v;
    for (const std::string& name : ExampleNames()) v.push_back({name, nullptr, nullptr, 1});
    v.insert(v.end(), {
        {"pile-aashto-english", "arema", "both", 1},
        {"pile-aashto-english", "lrfd", "usd", 0.5f},
        {"pile-aashto-both-sidewalls-english", "aashto", "sld", 0.4f},
        {"pile-aashto-both-sidewalls-english", "s6", "usd", 0.5f},
        {"spread-arema-english-sld", "arema", "both", 0.4f},
        {"spread-lrfd-metric", "s6", "usd", 0.5f},
        {"pile-s6-metric-sidewalls", "lrfd", "usd", 0.4f},
        {"spread-lrfd-english-seismic", "aashto", "usd", 0.4f},
        {"pile-aashto-english", "aashto", "usd", 1, 30},
        {"spread-lrfd-metric", "lrfd", "usd", 1, 30},
        {"pile-arema-english-fixed-battered", nullptr, nullptr, 1, 1, 1e7f},
        {"pile-aashto-both-sidewalls-english", nullptr, nullptr, 1, 1, 1e7f},
    });
    return v;
}

bool IsVerdictLine(std::string_view line) {
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line.ends_with("OKAY") || line.ends_with("NO GOOD ***");
}

}  // namespace

TEST(CheckRecords, OneRecordPerVerdictLineInEveryVariant) {
    const std::filesystem::path dir = BatchDir();
    int tooHigh = 0, failing = 0;
    for (const Variant& v : Variants()) {
        SCOPED_TRACE(v.example + " " + (v.criteria ? v.criteria : "") + " " + (v.design ? v.design : ""));
        Project p = LoadExample(v.example);
        if (v.criteria) p.Criteria = v.criteria;
        if (v.design) p.ConcreteDesign = v.design;
        DeriveConcreteProperties(p);
        for (float* x : {&p.Asw, &p.Asb, &p.Asft, &p.Asfbt, &p.Asfbh, &p.AsTSw, &p.AsTSf, &p.Asws, &p.Tw, &p.Tf,
                         &p.Tst, &p.Tsb})
            *x *= v.weaken;
        p.Kep *= v.earth;
        for (float* x : {&p.Pdc, &p.Pdv, &p.Pl1, &p.Pl2}) *x *= v.loads;
        p.chko1 = p.chko2 = p.chko3 = p.chko4 = kTrue;
        p.OutFile = (dir / "variant.out").string();
        QuietHost host;
        // A weakened section may end the run: the records hold for what was written.
        const RunResult result = PerformCalculations(p, host);
        ASSERT_TRUE(result == RunResult::Written || result == RunResult::CalculationError);
        ASSERT_EQ(p.Records.status, result == RunResult::Written ? RunStatus::Ok : RunStatus::CalculationError);
        const std::vector<std::string> lines = ReportLines(ReadFile(p.OutFile));

        std::vector<int> verdictLines, recordLines;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (IsVerdictLine(lines[i])) verdictLines.push_back(static_cast<int>(i) + 1);
        for (const CheckRecord& c : p.Records.checks) {
            SCOPED_TRACE(c.section + " / " + c.where + " / " + c.what + " line " + std::to_string(c.line));
            ASSERT_GE(c.line, 1);
            ASSERT_LE(c.line, static_cast<int>(lines.size()));
            const std::string& line = lines[static_cast<std::size_t>(c.line) - 1];
            EXPECT_EQ(c.utilization <= 1.0f, c.ok);
            EXPECT_FALSE(c.section.empty() || c.what.empty());
            failing += c.ok ? 0 : 1;
            if (c.what == "moment_capacity") {
                // The extra failing record of a moment the section cannot carry.
                ++tooHigh;
                EXPECT_NE(line.find("is too high,"), std::string::npos);
                EXPECT_FALSE(c.ok);
                EXPECT_GT(c.demand, c.capacity);
                continue;
            }
            recordLines.push_back(c.line);
            EXPECT_EQ(c.ok, line.find("NO GOOD ***") == std::string::npos) << line;
        }
        EXPECT_EQ(recordLines, verdictLines);
        EXPECT_EQ(p.Records.stability.empty(), result != RunResult::Written);

        // The same calculation without the text: the same records.
        const RunRecords written = p.Records;
        ASSERT_EQ(EvaluateCalculations(p), written.status);
        ASSERT_EQ(p.Records.checks.size(), written.checks.size());
        for (std::size_t i = 0; i < written.checks.size(); ++i) {
            const CheckRecord &a = written.checks[i], &b = p.Records.checks[i];
            EXPECT_TRUE(a.section == b.section && a.sectionIndex == b.sectionIndex && a.where == b.where &&
                        a.what == b.what && a.demand == b.demand && a.capacity == b.capacity && a.unit == b.unit &&
                        a.utilization == b.utilization && a.ok == b.ok && a.line == b.line)
                << a.line << " " << a.what << " / " << b.line << " " << b.what;
        }
        ASSERT_EQ(p.Records.stability.size(), written.stability.size());
        for (std::size_t i = 0; i < written.stability.size(); ++i)
            EXPECT_EQ(p.Records.stability[i].resultant, written.stability[i].resultant);
        ASSERT_EQ(p.Records.footingPressures.size(), written.footingPressures.size());
        for (std::size_t i = 0; i < written.footingPressures.size(); ++i)
            EXPECT_EQ(p.Records.footingPressures[i].heel, written.footingPressures[i].heel);
        ASSERT_EQ(p.Records.pileRowLoads.size(), written.pileRowLoads.size());
        for (std::size_t i = 0; i < written.pileRowLoads.size(); ++i)
            EXPECT_EQ(p.Records.pileRowLoads[i].axial, written.pileRowLoads[i].axial);
    }
    EXPECT_GT(tooHigh, 0);
    EXPECT_GT(failing, tooHigh);
    std::filesystem::remove_all(dir);
}
