// The design assistant: searches the footing dimensions and the provided
// bars for the lightest design that passes every check. Each candidate is a
// copy of the project with some input fields changed, run through the same
// calculation as the report (EvaluateCalculations) and judged by its check
// records; nothing is estimated by a separate model. The search is
// deterministic: the same project and options give the same proposal.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/project.h"

namespace qelvorn {

// The values searched for one dimension: min, min + step, ... up to max
// (internal units). A step of 0 or less searches min alone.
struct SizingRange {
    float min = 0, max = 0, step = 0;
};

struct SizingOptions {
    SizingRange Wf, Dt, Tf;  // footing width, toe length, footing thickness
    // Pile rows keep their distances from the heel end (they move with the
    // footing's back edge as the width changes), or from the toe.
    bool pilesKeepToeDistances = false;
};

// Half to twice the current values, on multiples of 3 in (English) or
// 75 mm (Metric).
SizingOptions DefaultSizingOptions(const Project& p);

// The footing search holds every candidate in memory before it evaluates
// them: at most this many (the product of the three ranges' value counts).
constexpr double kMaxFootingCandidates = 2000000;

// Empty when the footing ranges give at most kMaxFootingCandidates
// candidates; else a message saying how many they give.
std::string FootingRangesProblem(const SizingOptions& o);

enum class SizingMode { Footing, Bars, All };

// One changed input value, in display units.
struct SizingChange {
    std::string name;  // "Wf", "PILEX 3", "Asw", "SAsw"
    std::string unit;  // display unit label
    float from = 0, to = 0;
    std::string note;  // the bar and spacing for a bar field ("#6 @ 12 in")
};

// The governing (largest) utilization of a report section's checks before
// and after; -1 when the section has no checks in that project.
struct SectionGoverning {
    std::string section;
    float before = -1, after = -1;
    bool failsBefore = false, failsAfter = false;
};

struct SizingResult {
    Project proposed;                       // the sized project (the input where nothing better was found)
    std::vector<SizingChange> changes;      // in the order of the input fields
    std::vector<SectionGoverning> sections; // report order
    std::vector<std::string> notes;         // what each search found, in plain words
    long evaluations = 0;                   // candidate evaluations made
    RunStatus inputStatus = RunStatus::NotRun;  // how the input project runs (Ok: it was sized)
    bool allPass = false;                   // every check of the proposed project passes
    bool cancelled = false;                 // stopped by the progress callback: proposed = input
    float volumeBefore = 0, volumeAfter = 0, steelBefore = 0, steelAfter = 0;  // display units
    std::string volumeUnit, steelUnit;
};

// Told the fraction done now and then; returning false cancels the search.
using SizingProgress = std::function<bool(double fraction)>;

SizingResult SizeProject(const Project& p, SizingMode mode, const SizingOptions& options,
                         const SizingProgress& progress = {});

// The review table as text: changed values, governing utilization per
// section, concrete volume and steel weight, candidates evaluated, notes.
std::string SizingReviewText(const SizingResult& r);

// "#6" or "20M" for a standard bar area of the project's unit system; empty
// for any other area.
std::string StandardBarName(const Project& p, float area);

}  // namespace qelvorn
