// Fuzz target: the whole path a project file takes in the batch runner:
// read the file, check the input, run every section with every output
// option on. An arithmetic fault (CalculationFault) is a normal end of a
// run; any other exception, a crash, a sanitizer finding, a non-finite value
// handed to a number text (number_guard.cpp), "inf"/"nan" in the report
// text, or an evaluation (records without the text) that ends otherwise or
// keeps other records than the written run is a fault the fuzzer keeps.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "analysis/run.h"
#include "io/input_file.h"
#include "model/defaults.h"

namespace {

class QuietHost : public qelvorn::RunHost {
public:
    void ShowMessage(const std::string&, const std::string&, qelvorn::MessageIcon) override {}
    std::time_t Now() override { return 1700000000; }
};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// "inf" or "nan" standing as a word of its own (not "reinf").
bool HasNonFiniteWord(const std::string& lower) {
    for (const char* word : {"inf", "nan"}) {
        for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            const bool letterBefore = at > 0 && std::isalpha(static_cast<unsigned char>(lower[at - 1]));
            const std::size_t end = at + 3;
            const bool letterAfter = end < lower.size() && std::isalpha(static_cast<unsigned char>(lower[end]));
            if (!letterBefore && !letterAfter) return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    qelvorn::Project p;
    qelvorn::ResetProject(p);
    p.InFile = "fuzz.in";
    p.InTitle = "fuzz.in";
    p.OutFile = "fuzz.out";
    p.OutTitle = "fuzz.out";
    if (!qelvorn::ReadInputText(p, text)) return 0;
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = qelvorn::kTrue;
    // The run starts only on complete input, as in the programs.
    qelvorn::CheckInput(p);
    if (!p.InputComplete) return 0;

    qelvorn::Project evaluated = p;
    qelvorn::Report r;
    r.onMessage = [](const std::string&, const std::string&) {};
    r.keepRecords(&p.Records);
    QuietHost host;
    qelvorn::ClearArithmeticFaults();
    std::string faultSection = "-", faultCause = "-";
    try {
        qelvorn::RunReport(p, r, host);
    } catch (const qelvorn::CalculationFault& fault) {
        // A normal end: the report keeps what was written before the fault.
        faultSection = fault.section();
        faultCause = fault.cause();
    }
    qelvorn::ClearArithmeticFaults();

    // The evaluation without the text ends the same way with the same
    // records on the same lines.
    const qelvorn::RunStatus status = qelvorn::EvaluateCalculations(evaluated);
    const qelvorn::RunRecords& a = p.Records;
    const qelvorn::RunRecords& b = evaluated.Records;
    bool same = (status == qelvorn::RunStatus::CalculationError) == (faultSection != "-") &&
                a.checks.size() == b.checks.size() && a.stability.size() == b.stability.size();
    if (same && faultSection != "-") same = b.faultSection == faultSection && b.faultCause == faultCause;
    for (std::size_t i = 0; same && i < a.checks.size(); ++i) {
        const qelvorn::CheckRecord &x = a.checks[i], &y = b.checks[i];
        same = x.line == y.line && x.ok == y.ok && x.what == y.what && x.where == y.where &&
               x.sectionIndex == y.sectionIndex && (x.utilization == y.utilization || x.utilization != x.utilization);
    }
    if (!same) {
        std::fprintf(stderr, "the evaluation's records differ from the written run's (%zu / %zu records, fault %s: %s / %s: %s)\n",
                     a.checks.size(), b.checks.size(), faultSection.c_str(), faultCause.c_str(),
                     b.faultSection.c_str(), b.faultCause.c_str());
        std::abort();
    }

    // Texts the engineer typed appear in the report as they stand; only a
    // file free of these words can prove the report free of them.
    if (HasNonFiniteWord(Lower(r.allText())) && !HasNonFiniteWord(Lower(text))) {
        std::fprintf(stderr, "\"inf\" or \"nan\" in the report\n");
        std::abort();
    }
    return 0;
}
