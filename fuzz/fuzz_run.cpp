// Fuzz target: the whole path a project file takes in the batch runner:
// read the file, check the input, run every section with every output
// option on. An arithmetic fault (CalculationFault) is a normal end of a
// run; any other exception, a crash, a sanitizer finding, a non-finite value
// handed to a number text (number_guard.cpp) or "inf"/"nan" in the report
// text is a fault the fuzzer keeps.
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

    qelvorn::Report r;
    r.onMessage = [](const std::string&, const std::string&) {};
    QuietHost host;
    qelvorn::ClearArithmeticFaults();
    try {
        qelvorn::RunReport(p, r, host);
    } catch (const qelvorn::CalculationFault&) {
        // A normal end: the report keeps what was written before the fault.
    }
    qelvorn::ClearArithmeticFaults();

    // Texts the engineer typed appear in the report as they stand; only a
    // file free of these words can prove the report free of them.
    if (HasNonFiniteWord(Lower(r.allText())) && !HasNonFiniteWord(Lower(text))) {
        std::fprintf(stderr, "\"inf\" or \"nan\" in the report\n");
        std::abort();
    }
    return 0;
}
