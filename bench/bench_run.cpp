// Benchmarks of a full calculation run with every output option on: each
// example project, and a large project (20 pile rows, 30 load combinations,
// side walls, quantities) built from the pile example with side walls; and
// of the evaluation (records without the report text) of the large project;
// and of the design assistant's searches on the large project.
//
//   bench_run [benchmark options]        runs the benchmarks
//   bench_run --write-large FILE.in      writes the large project, for
//                                        timing the batch runner on it
//   bench_run --write-huge FILE.in       writes a project of 5,000 pile rows
//                                        and 5,000 load combinations, for
//                                        measuring the batch runner's peak
//                                        memory on a report of 5.9 GB
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "analysis/run.h"
#include "analysis/sizing.h"
#include "io/input_file.h"
#include "large_project.h"
#include "model/defaults.h"

using namespace qelvorn;
using namespace qelvorn::bench;

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

// One search of the design assistant with its default ranges: time per
// search, candidate evaluations per search and per second of CPU time.
void Sizing(benchmark::State& state, Project p, SizingMode mode) {
    long evaluations = 0;
    for (auto _ : state) {
        const SizingResult r = SizeProject(p, mode, DefaultSizingOptions(p));
        evaluations = r.evaluations;
        benchmark::DoNotOptimize(r.proposed.Wf);
    }
    state.counters["evaluations"] = static_cast<double>(evaluations);
    state.counters["evaluations_per_s"] =
        benchmark::Counter(static_cast<double>(evaluations) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
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
        benchmark::RegisterBenchmark("SizeFooting/large", Sizing, large, SizingMode::Footing)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("SizeBars/large", Sizing, large, SizingMode::Bars)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("SizeAll/large", Sizing, large, SizingMode::All)->Unit(benchmark::kMillisecond);
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
