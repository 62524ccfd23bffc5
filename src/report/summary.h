// Summary of a run's checks, built from its check records: per report
// section that has checks, the OKAY and NO GOOD *** counts and the governing
// check (largest utilization), then every failing check. Sections are told
// apart by their index, so the input echo's "SIDE WALLS" and the design's
// are never merged. The batch runner's --summary, the report viewer's panel
// and the printed report all use it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/check_record.h"

namespace qelvorn {

struct SectionChecks {
    std::string title;
    int sectionIndex = 0;
    int okay = 0;
    int noGood = 0;
    std::size_t governing = 0;  // index into the checks: largest utilization, the first of equals
};

struct CheckSummary {
    std::vector<SectionChecks> sections;  // in order of first appearance
    std::vector<std::size_t> failures;    // indices into the checks, in report order
    int okay() const;
    int noGood() const;
};

CheckSummary SummarizeChecks(const std::vector<CheckRecord>& checks);

// One check on one line: "crack_factor at ULS / Top of footing: demand
// 40950.3, capacity 30000 lb/in, utilization 1.365".
std::string CheckText(const CheckRecord& c);

// The summary as plain lines (LF ends each): a table of the sections with
// their counts and governing check, a total, then the failing checks.
std::string SummaryText(const std::vector<CheckRecord>& checks);

}  // namespace qelvorn
