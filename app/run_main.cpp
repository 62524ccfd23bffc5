// qelvorn-run: the calculation run without windows.
//
//   qelvorn-run [--sections LIST] [--summary] [--json RESULTS.json] INPUT.in OUTPUT.out
//   qelvorn-run --size footing|bars|all [--range NAME=MIN:MAX:STEP]... [--keep-toe-distances] INPUT.in SIZED.in
//
// LIST is a comma list of echo, abutment, sidewalls, quantities (the four
// output options). Without --sections the options are those of a new
// project after loading the file: echo and abutment, and side walls when
// the file has side walls. Messages go to standard error, one line each.
// With --summary, once the report is written, the OKAY and NO GOOD *** counts
// and the governing check of each report section and every failing check are
// printed to standard output. With --json the results as data (see
// docs/results.schema.json) go to RESULTS.json ("-": standard output) after
// every run that read its input, also an incomplete or faulted one, whose
// status the document gives. Neither option changes the report.
//
// Exit status: 0 report written; 1 input incomplete; 2 calculation error
// (the report holds what was written before the fault and a last line
// saying so); 3 input file unreadable, report or results not writable (also
// a report path that is the input file or not a regular file); 64 usage.
//
// With --size the project is sized instead of reported (the design
// assistant): the sized project is written to SIZED.in (never over the
// input file) and the review table printed to standard output. Exit status
// 0 sized and every check passes; 4 sized project written but some checks
// still fail (no design in the ranges passes them); 1, 2, 3 and 64 as above.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/run.h"
#include "analysis/sizing.h"
#include "io/input_file.h"
#include "json/results_json.h"
#include "model/defaults.h"
#include "report/summary.h"

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitIncomplete = 1;
constexpr int kExitCalculation = 2;
constexpr int kExitFile = 3;
constexpr int kExitChecksFail = 4;
constexpr int kExitUsage = 64;

class ConsoleHost : public qelvorn::RunHost {
public:
    void ShowMessage(const std::string& text, const std::string&, qelvorn::MessageIcon) override {
        for (const std::string& line : qelvorn::MessageLines(text)) std::cerr << line << '\n';
        std::cerr.flush();
    }
};

std::string FileTitle(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Whether two names lead to one file (which need not exist yet).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ea, eb;
    const auto ca = std::filesystem::weakly_canonical(a, ea), cb = std::filesystem::weakly_canonical(b, eb);
    return ea || eb ? a == b : ca == cb;
}

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << "qelvorn-run: " << problem << '\n';
    std::cerr << "usage: qelvorn-run [--sections LIST] [--summary] [--json RESULTS.json] INPUT.in OUTPUT.out\n"
                 "  LIST: comma list of echo, abutment, sidewalls, quantities\n"
                 "  --summary: print the checks of each report section to standard output\n"
                 "  --json: write the results as JSON to RESULTS.json (- for standard output)\n"
                 "       qelvorn-run --size footing|bars|all [--range NAME=MIN:MAX:STEP]... [--keep-toe-distances]\n"
                 "                   INPUT.in SIZED.in\n"
                 "  --size: write the lightest design that passes every check to SIZED.in\n"
                 "  --range: values searched for Wf, Dt or Tf, in display units (ft or m)\n"
                 "  --keep-toe-distances: pile rows keep their distances from the toe, not the heel\n";
    return kExitUsage;
}

// Sets the four output options from the list; false on an unknown name.
bool SetSections(qelvorn::Project& p, const std::string& list, std::string& bad) {
    p.chko1 = p.chko2 = p.chko3 = p.chko4 = qelvorn::kFalse;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        const std::string name = list.substr(start, end - start);
        if (name == "echo")
            p.chko1 = qelvorn::kTrue;
        else if (name == "abutment")
            p.chko2 = qelvorn::kTrue;
        else if (name == "sidewalls")
            p.chko3 = qelvorn::kTrue;
        else if (name == "quantities")
            p.chko4 = qelvorn::kTrue;
        else if (!name.empty()) {
            bad = name;
            return false;
        }
        start = end + 1;
    }
    return true;
}

// "Wf=6:14:0.25" (display units) into the options; false when malformed.
bool SetRange(qelvorn::SizingOptions& o, const std::string& text, float lengthFactor) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) return false;
    const std::string name = text.substr(0, eq);
    qelvorn::SizingRange* r = name == "Wf" ? &o.Wf : name == "Dt" ? &o.Dt : name == "Tf" ? &o.Tf : nullptr;
    float v[3];
    char tail;
    if (!r || std::sscanf(text.c_str() + eq + 1, "%f:%f:%f%c", &v[0], &v[1], &v[2], &tail) != 3) return false;
    if (!(v[0] >= 0 && v[1] >= v[0] && v[2] > 0)) return false;
    *r = {v[0] * lengthFactor, v[1] * lengthFactor, v[2] * lengthFactor};
    return std::isfinite(r->max) && std::isfinite(r->step);
}

int Size(const std::string& mode, const std::vector<std::string>& ranges, bool keepToe, const std::string& in,
         const std::string& out) {
    // The sized project is a new file: never the input under any name.
    if (SameFile(in, out)) {
        std::cerr << "The sized project would overwrite the input file: " << out << '\n';
        return kExitFile;
    }
    qelvorn::Project p;
    qelvorn::ResetProject(p);
    p.InFile = in;
    p.InTitle = FileTitle(in);
    if (!qelvorn::ReadInputFile(p)) {
        std::cerr << "Error reading input file\n";
        return kExitFile;
    }
    qelvorn::SizingOptions o = qelvorn::DefaultSizingOptions(p);
    o.pilesKeepToeDistances = keepToe;
    for (const std::string& r : ranges)
        if (!SetRange(o, r, p.LengthFactor)) return Usage("bad range " + r + " (NAME=MIN:MAX:STEP, NAME Wf, Dt or Tf)");
    // Ranges that give more footing candidates than the search holds are
    // refused before anything runs.
    if (const std::string many = qelvorn::FootingRangesProblem(o); !ranges.empty() && mode != "bars" && !many.empty())
        return Usage(many);
    const qelvorn::SizingResult result = qelvorn::SizeProject(
        p, mode == "footing" ? qelvorn::SizingMode::Footing
                             : mode == "bars" ? qelvorn::SizingMode::Bars : qelvorn::SizingMode::All,
        o);
    if (result.inputStatus != qelvorn::RunStatus::Ok) {
        for (const std::string& n : result.notes) std::cerr << n << '\n';
        return result.inputStatus == qelvorn::RunStatus::Incomplete ? kExitIncomplete : kExitCalculation;
    }
    qelvorn::Project sized = result.proposed;
    sized.InFile = out;
    if (!qelvorn::WriteInputFile(sized)) {
        std::cerr << "The sized project could not be written: " << out << '\n';
        return kExitFile;
    }
    std::cout << qelvorn::SizingReviewText(result) << "Sized project written: " << out << '\n' << std::flush;
    return result.allPass ? kExitWritten : kExitChecksFail;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::string sections;
    bool haveSections = false;
    bool summary = false;
    std::string json;  // results file; empty when not asked for
    std::string size;  // sizing mode; empty when not asked for
    std::vector<std::string> ranges;
    bool keepToe = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sections") {
            if (i + 1 >= argc) return Usage("--sections needs a list");
            sections = argv[++i];
            haveSections = true;
        } else if (arg.rfind("--sections=", 0) == 0) {
            sections = arg.substr(11);
            haveSections = true;
        } else if (arg == "--json") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') return Usage("--json needs a file name");
            json = argv[++i];
        } else if (arg.rfind("--json=", 0) == 0) {
            json = arg.substr(7);
            if (json.empty()) return Usage("--json needs a file name");
        } else if (arg == "--size") {
            if (i + 1 >= argc) return Usage("--size needs footing, bars or all");
            size = argv[++i];
            if (size != "footing" && size != "bars" && size != "all") return Usage("--size needs footing, bars or all");
        } else if (arg == "--range") {
            if (i + 1 >= argc) return Usage("--range needs NAME=MIN:MAX:STEP");
            ranges.push_back(argv[++i]);
        } else if (arg == "--keep-toe-distances") {
            keepToe = true;
        } else if (arg == "--summary") {
            summary = true;
        } else if (arg == "-h" || arg == "--help") {
            Usage("");
            return kExitUsage;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) return Usage("an input file and an output file are needed");
    if (files[0].empty() || files[1].empty()) return Usage("empty file name");
    if (!size.empty()) {
        if (summary || !json.empty() || haveSections) return Usage("--size does not go with a report option");
        return Size(size, ranges, keepToe, files[0], files[1]);
    }
    if (!ranges.empty() || keepToe) return Usage("--range and --keep-toe-distances go with --size");
    if (summary && json == "-") return Usage("--summary and --json - would both write to standard output");
    // The results must never overwrite the project or its report.
    if (!json.empty() && json != "-" && (SameFile(json, files[0]) || SameFile(json, files[1])))
        return Usage("--json names the input or the report file");

    // The section list is checked before anything is read.
    qelvorn::Project chosen;
    std::string bad;
    if (haveSections && !SetSections(chosen, sections, bad)) return Usage("unknown section " + bad);

    qelvorn::Project p;
    qelvorn::ResetProject(p);
    p.InFile = files[0];
    p.InTitle = FileTitle(files[0]);
    if (!qelvorn::ReadInputFile(p)) {
        std::cerr << "Error reading input file\n";
        return kExitFile;
    }
    if (haveSections) {
        p.chko1 = chosen.chko1;
        p.chko2 = chosen.chko2;
        p.chko3 = chosen.chko3;
        p.chko4 = chosen.chko4;
    }
    p.OutFile = files[1];
    p.OutTitle = FileTitle(files[1]);

    ConsoleHost host;
    const qelvorn::RunResult result = qelvorn::PerformCalculations(p, host);
    if (!json.empty() && result != qelvorn::RunResult::NoOutputFile) {
        const std::string doc = qelvorn::ResultsJson(p, p.Records);
        if (json == "-") {
            std::cout << doc << std::flush;
        } else {
            std::ofstream out(json, std::ios::binary | std::ios::trunc);
            out << doc;
            out.close();
            if (!out) {
                std::cerr << "The results file could not be written: " << json << '\n';
                if (result == qelvorn::RunResult::Written) return kExitFile;
            }
        }
    }
    switch (result) {
        case qelvorn::RunResult::Written:
            if (summary) std::cout << qelvorn::SummaryText(p.Records.checks) << std::flush;
            return kExitWritten;
        case qelvorn::RunResult::InputIncomplete: return kExitIncomplete;
        case qelvorn::RunResult::CalculationError: return kExitCalculation;
        case qelvorn::RunResult::ReportNotWritable: return kExitFile;
        case qelvorn::RunResult::NoOutputFile: return kExitUsage;
    }
    return kExitCalculation;
}
