// Benchmarks of a full calculation run with every output option on: each
// example project, and a large project (20 pile rows, 30 load combinations,
// side walls, quantities) built from the pile example with side walls; and
// of the evaluation (records without the report text) of the large project.
//
//   bench_run [benchmark options]        runs the benchmarks
//   bench_run --write-large FILE.in      writes the large project, for
//                                        timing the batch runner on it
//   bench_run --write-huge FILE.in       writes a project of 5,000 pile rows
//                                        and 5,000 load combinations, for
//                                        measuring the batch runner's peak
//                                        memory on a report of 1.6 GB
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "analysis/run.h"
#include "io/input_file.h"
#include "model/defaults.h"

using namespace qelvorn;

namespace {

const char* const kExamples[] = {
    "pile-aashto-both-sidewalls-english", "pile-aashto-english",           "pile-s6-metric-sidewalls",
    "spread-arema-english-sld",           "spread-lrfd-english-seismic",   "spread-lrfd-metric",
};

class QuietHost : public RunHost {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    std::time_t Now() override { return 0; }
};

bool LoadExample(const std::string& name, Project& p) {
    ResetProject(p);
    p.InFile = std::string(QELVORN_SOURCE_DIR) + "/examples/" + name + ".in";
    p.InTitle = name + ".in";
    p.OutTitle = name + ".out";
    return ReadInputFile(p);
}

// The pile example with side walls, grown to kRows pile rows spread evenly
// over the cap and kCombinations load combinations (its own six, repeated).
bool LargeProject(Project& p, std::int32_t kRows = 20, std::int32_t kCombinations = 30) {
    if (!LoadExample("pile-aashto-both-sidewalls-english", p)) return false;
    const Project base = p;
    p.ResizePileRows(kRows);
    const float first = 12.0f, last = p.Wf - 12.0f;
    for (std::int32_t i = 1; i <= kRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        p.PILEN[k] = base.PILEN[1];
        p.PILEX[k] = first + (last - first) * static_cast<float>(i - 1) / static_cast<float>(kRows - 1);
        p.PILENB[k] = i == 1 ? base.PILENB[1] : 0;
        p.PILEB[k] = i == 1 ? base.PILEB[1] : 0.0f;
        p.PILES[k] = base.PILES[1];
    }
    p.ResizeLoadCombinations(kCombinations);
    for (std::int32_t i = 1; i <= kCombinations; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto from = static_cast<std::size_t>((i - 1) % base.NLC + 1);
        p.LoadTitle[k] = base.LoadTitle[from] + " (" + std::to_string(i) + ")";
        for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
            for (ColumnPtr c : *set) (p.*c)[k] = (base.*c)[from];
        p.Fsls[k] = base.Fsls[from];
    }
    p.InTitle = "large.in";
    p.OutTitle = "large.out";
    return true;
}

// One run as the batch runner makes it, into a report in memory.
void FullRun(benchmark::State& state, Project p) {
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = kTrue;
    CheckInput(p);
    if (!p.InputComplete) {
        state.SkipWithError("input incomplete");
        return;
    }
    QuietHost host;
    std::size_t bytes = 0;
    for (auto _ : state) {
        Report r;
        ClearArithmeticFaults();
        try {
            RunReport(p, r, host);
        } catch (const CalculationFault&) {
            state.SkipWithError("calculation error");
            return;
        }
        bytes = r.contents().size();
        benchmark::DoNotOptimize(r.contents().data());
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
}

// The same calculation keeping the records only, as the live panel and the
// design assistant run it.
void Evaluation(benchmark::State& state, Project p) {
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = kTrue;
    std::size_t checks = 0;
    for (auto _ : state) {
        if (EvaluateCalculations(p) != RunStatus::Ok) {
            state.SkipWithError("evaluation did not go through");
            return;
        }
        checks = p.Records.checks.size();
        benchmark::DoNotOptimize(p.Records.checks.data());
    }
    state.counters["checks"] = static_cast<double>(checks);
}

void RegisterAll() {
    for (const char* name : kExamples) {
        Project p;
        if (!LoadExample(name, p)) {
            std::fprintf(stderr, "cannot read example %s\n", name);
            continue;
        }
        benchmark::RegisterBenchmark((std::string("FullRun/") + name).c_str(), FullRun, p);
    }
    Project large;
    if (LargeProject(large)) {
        benchmark::RegisterBenchmark("FullRun/large-20-rows-30-combinations", FullRun, large);
        benchmark::RegisterBenchmark("Evaluation/large-20-rows-30-combinations", Evaluation, large);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && (std::strcmp(argv[1], "--write-large") == 0 || std::strcmp(argv[1], "--write-huge") == 0)) {
        Project p;
        const bool huge = std::strcmp(argv[1], "--write-huge") == 0;
        if (!(huge ? LargeProject(p, 5000, 5000) : LargeProject(p))) return 1;
        p.InFile = argv[2];
        return WriteInputFile(p) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
