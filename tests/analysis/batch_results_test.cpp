// The batch runner's --json and --summary: the results as data, valid
// against docs/results.schema.json and equal to the run's records to the
// last bit; the summary is that of the records; the report is that of a run
// without either; incomplete and faulted runs say so. The rest of the batch
// runner's contract: arguments, default sections, messages on standard
// error and exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "analysis/batch_run.h"
#include "analysis/sample_projects.h"
#include "io/input_file.h"
#include "report/summary.h"

namespace fs = std::filesystem;
using namespace qelvorn;
using namespace qelvorn::testing;

namespace {

using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, float>;

// Validates v against the keywords the schema uses: $ref within the
// document, type, enum, minimum, required, properties,
// additionalProperties, items. Empty when valid, else where and why not.
std::string SchemaError(const Json& root, const Json& schema, const Json& v, const std::string& at = "") {
    if (schema.contains("$ref"))
        if (std::string e = SchemaError(root, root.at(Json::json_pointer(schema["$ref"].get<std::string>().substr(1))),
                                        v, at);
            !e.empty())
            return e;
    if (schema.contains("type")) {
        const auto is = [&](const Json& t) {
            return t == "object" ? v.is_object() : t == "array" ? v.is_array() : t == "string" ? v.is_string()
                   : t == "boolean" ? v.is_boolean() : t == "integer" ? v.is_number_integer()
                   : t == "number"  ? v.is_number() : t == "null" && v.is_null();
        };
        const Json& t = schema["type"];
        if (t.is_string() ? !is(t) : std::none_of(t.begin(), t.end(), is)) return at + ": not " + t.dump();
    }
    if (schema.contains("enum") && std::find(schema["enum"].begin(), schema["enum"].end(), v) == schema["enum"].end())
        return at + ": " + v.dump() + " not listed";
    if (schema.contains("minimum") && v.is_number() && v.get<float>() < schema["minimum"].get<float>())
        return at + ": below the minimum";
    if (v.is_object()) {
        for (const Json& key : schema.value("required", Json::array()))
            if (!v.contains(key)) return at + ": " + key.get<std::string>() + " missing";
        for (const auto& [key, value] : v.items()) {
            if (schema.contains("properties") && schema["properties"].contains(key)) {
                if (std::string e = SchemaError(root, schema["properties"][key], value, at + "/" + key); !e.empty())
                    return e;
            } else if (!schema.value("additionalProperties", true)) {
                return at + ": " + key + " not expected";
            }
        }
    }
    if (v.is_array() && schema.contains("items"))
        for (std::size_t i = 0; i < v.size(); ++i)
            if (std::string e = SchemaError(root, schema["items"], v[i], at + "/" + std::to_string(i)); !e.empty())
                return e;
    return "";
}

const Json& Schema() {
    static const Json schema = Json::parse(ReadFile(fs::path(QELVORN_SOURCE_DIR) / "docs/results.schema.json"));
    return schema;
}

// The number as written: the same float, or null for one that is not finite.
bool Same(const Json& v, float f) { return v.is_null() ? !std::isfinite(f) : v.get<float>() == f; }

std::string WithoutVersionLine(const std::string& report) {
    std::string out;
    for (const std::string& line : ReportLines(report))
        if (line.rfind("     (Version ", 0) != 0) out += line + "\n";
    return out;
}

// The path of a new file in the test folder (gone, if an earlier run left it).
std::string Out(const char* name) {
    fs::remove(BatchDir() / name);
    return (BatchDir() / name).string();
}

}  // namespace

TEST(BatchResults, EveryExampleAsDataAndSummary) {
    fs::create_directories(BatchDir() / "batch");
    fs::create_directories(BatchDir() / "here");
    for (const std::string& name : ExampleNames()) {
        SCOPED_TRACE(name);
        const fs::path json = BatchDir() / "r.json", out = BatchDir() / "batch" / "r.out";
        const BatchOutcome o = RunBatch("--summary --json " + Quote(json.string()) + " " +
                                        Example((name + ".in").c_str()) + " " + Quote(out.string()));
        ASSERT_EQ(o.status, 0) << o.err;
        const Json doc = Json::parse(ReadFile(json));
        EXPECT_EQ(SchemaError(Schema(), Schema(), doc), "");
        EXPECT_EQ(doc["status"], "ok");

        // The same run in this process.
        Project p = LoadExample(name);
        p.InTitle = name + ".in";
        p.OutFile = (BatchDir() / "here" / "r.out").string();
        p.OutTitle = "r.out";
        QuietHost host;
        ASSERT_EQ(PerformCalculations(p, host), RunResult::Written);
        EXPECT_EQ(WithoutVersionLine(ReadFile(out)), WithoutVersionLine(ReadFile(p.OutFile)));
        EXPECT_EQ(o.out, SummaryText(p.Records.checks));
        // Every number of the records as written, to the last bit.
        const auto expectSame = [&doc](const char* list, const auto& records, const auto&... fields) {
            ASSERT_EQ(doc[list].size(), records.size());
            ASSERT_GT(records.size(), 0u);
            for (std::size_t i = 0; i < records.size(); ++i)
                for (const auto& [key, member] : {fields...})
                    EXPECT_TRUE(Same(doc[list][i][key], records[i].*member)) << list << i << key;
        };
        using C = CheckRecord;
        using S = StabilityRecord;
        expectSame("checks", p.Records.checks, std::pair{"demand", &C::demand}, std::pair{"capacity", &C::capacity},
                   std::pair{"utilization", &C::utilization});
        expectSame("stability", p.Records.stability, std::pair{"vertical", &S::vertical},
                   std::pair{"resisting", &S::resisting}, std::pair{"overturning", &S::overturning},
                   std::pair{"horizontal", &S::horizontal}, std::pair{"resultant", &S::resultant});
    }
}

TEST(BatchResults, IncompleteAndFaultedRunsSaySo) {
    struct Case {
        void (*change)(Project&);
        int exit;
        const char* status;
        const char* where;   // in the document
        const char* detail;  // as written there
        const char* err;     // standard error (a faulted run's first lines)
    };
    const Case cases[] = {
        {[](Project& p) { p.Asw = 0; }, 1, "incomplete", "/incomplete_items", R"(["Abutment reinforcing"])",
         "The following information is not complete: Abutment reinforcing\n"},
        // A keyword the program does not know is null in the document.
        {[](Project& p) { p.Units = "English"; }, 1, "incomplete", "/units", "null",
         "The following information is not complete: Options (Units \"English\")\n"},
        // A bearing capacity near the single range overflows when shown in psf.
        {[](Project& p) { p.FootingType = "spread", p.Q = 3.0e38f, p.Xr = 0.333f; }, 2, "calculation_error",
         "/calculation_error/section", R"("PROPERTIES")", "Calculation error\nArithmetic fault in section PROPERTIES"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        const std::string out = Out("r.out");
        Project p = SamplePileProject();
        p.Title = "Br\xfc" "cke";  // a Latin-1 title: not UTF-8
        c.change(p);
        p.InFile = (BatchDir() / "project.in").string();
        ASSERT_TRUE(WriteInputFile(p));
        const BatchOutcome o = RunBatch("--json - " + Quote(p.InFile) + " " + Quote(out));
        EXPECT_EQ(o.status, c.exit);
        EXPECT_EQ(o.err.substr(0, c.exit == 1 ? std::string::npos : std::strlen(c.err)), c.err);
        const Json doc = Json::parse(o.out);
        EXPECT_EQ(SchemaError(Schema(), Schema(), doc), "");
        EXPECT_EQ(doc["status"], c.status);
        EXPECT_EQ(doc["title"], "Br\xef\xbf\xbd" "cke");
        EXPECT_EQ(doc.at(Json::json_pointer(c.where)).dump(), c.detail);
        // An incomplete project writes no report; a faulted run keeps its report up to the table head
        // where it stopped, then a last line saying it is incomplete.
        EXPECT_EQ(fs::exists(out), c.exit == 2);
        if (c.exit == 2) {
            const std::string report = ReadFile(out), rule = std::string(9, ' ') + std::string(61, '-') + "\r\n";
            const std::size_t at = report.rfind(rule + "*** Calculation error: report incomplete (PROPERTIES");
            EXPECT_NE(report.find("     FOOTING RESISTANCE:\r\n"), std::string::npos);
            ASSERT_NE(at, std::string::npos);
            EXPECT_TRUE(report.ends_with(") ***\r\n"));
            EXPECT_EQ(report.find("\r\n", at + rule.size()), report.size() - 2);
        }
        // The results never overwrite the project or the report.
        EXPECT_EQ(RunBatch("--json " + Quote(p.InFile) + " " + Quote(p.InFile) + " " + Quote(out)).status, 64);
    }
}

TEST(BatchRunner, DefaultSectionsAndTheSectionsList) {
    const std::string out = Out("pile.out");
    BatchOutcome o = RunBatch(Example("pile-aashto-english.in") + " " + Quote(out));
    EXPECT_EQ(o.status, 0) << o.err;
    std::string report = ReadFile(out);
    EXPECT_NE(report.find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_NE(report.find("OUTPUT DATA"), std::string::npos);

    o = RunBatch("--sections echo " + Example("pile-aashto-english.in") + " " + Quote(out));
    EXPECT_EQ(o.status, 0) << o.err;
    report = ReadFile(out);
    EXPECT_NE(report.find("INPUT DATA ECHO"), std::string::npos);
    EXPECT_EQ(report.find("OUTPUT DATA"), std::string::npos);
}

TEST(BatchRunner, UsageErrorsUnreadableOrIncompleteInputWriteNothing) {
    const std::string out = Out("none.out");
    Project english = SamplePileProject();
    english.Units = "English";  // option keywords are compared exactly
    english.InFile = (BatchDir() / "english.in").string();
    ASSERT_TRUE(WriteInputFile(english));
    const struct { std::string args; int status; const char* says; } cases[] = {
        {"", 64, "are needed"}, {"only-one.in", 64, "are needed"}, {"--sections", 64, "needs a list"},
        {"--sections echo,stability a.in " + Quote(out), 64, "unknown section stability"},
        {"--size all --range Wf=1:1000:0.01 " + Example("spread-lrfd-metric.in") + " " + Quote(out), 64,
         "give 61,938,620 candidates, more than 2,000,000"},  // refused before the search holds them
        {Quote((BatchDir() / "missing.in").string()) + " " + Quote(out), 3, "Error reading input file\n"},
        {Quote(english.InFile) + " " + Quote(out), 1, "information is not complete: Options (Units \"English\")\n"}};
    for (const auto& c : cases) {
        const BatchOutcome o = RunBatch(c.args);
        EXPECT_EQ(o.status, c.status);
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
        EXPECT_FALSE(fs::exists(out));
    }
}
