// The results of a run as data: one record for every verdict the report
// prints ("OKAY" / "NO GOOD ***"), made at the place that prints it from the
// values it prints, plus the stability results per load combination. The
// summary, the JSON results and the windows read these, never the text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qelvorn {

struct CheckRecord {
    std::string section;   // title block it stands in, unspaced: "STEM WALL", "SIDE WALLS"
    int sectionIndex = 0;  // 0-based count of title blocks before it (tells two equal titles apart)
    std::string where;     // sub-heading path a reader would quote, parts joined by " / "
    std::string what;      // stable identifier of the kind of comparison (docs/results.md)
    float demand = 0;      // as printed, in display units
    float capacity = 0;    // as printed, in display units
    std::string unit;      // display unit label of demand and capacity; empty for ratios
    float utilization = 0; // oriented so that <= 1 passes, whatever the direction of the comparison
    bool ok = true;        // the verdict as printed
    int line = 0;          // 1-based report line of the verdict; 0 for a record with no line of its own
};

// Stability results of one load combination and limit state, as the
// stability table prints them (display units).
struct StabilityRecord {
    std::int32_t combination = 0;
    std::string limitState;  // "SLS", "ULS MAX", "ULS MIN", "ULS MIN*"
    float vertical = 0;      // total vertical load
    float resisting = 0;     // resisting (righting) moment about the toe
    float overturning = 0;   // overturning moment about the toe
    float horizontal = 0;    // total horizontal load
    float resultant = 0;     // location of the vertical resultant from the toe
};

// The soil pressure under a spread footing in the combination and case
// that govern the bearing check of one limit state, as the pressure table
// prints it (display units).
struct FootingPressureRecord {
    std::string limitState;          // "SLS", "SLS EQ", "ULS", "ULS EQ", as the bearing check names it
    std::int32_t combination = 0;
    std::int32_t pressureCase = 0;   // 1-5 triangular, 11-13 uniform, as the pressure table numbers them
    float contactLength = 0;         // from the loaded edge
    float toe = 0, heel = 0;         // pressure at the toe and the heel edge
    float allowable = 0;             // the capacity the bearing check compares with
    float resultant = 0;             // vertical resultant from the toe
    float resultantLimit = 0;        // largest |Wf - 2x| / Wf the stability checks allow here; 0: not checked
};

// The axial load per pile of one pile row in the combination and case that
// govern one limit state's pile load checks (display units).
struct PileRowLoadRecord {
    std::string limitState;          // "SLS", "SLS EQ", "ULS", "ULS EQ"
    std::int32_t combination = 0;
    std::int32_t row = 0;            // 1-based pile row
    float axial = 0;                 // along the pile; compression positive, tension negative
    float capacityCompression = 0, capacityTension = 0;
};

// How the last run ended, for the results as data.
enum class RunStatus { NotRun, Ok, Incomplete, CalculationError, ReportNotWritable };

// What a run leaves besides the report text; kept in the Project as
// `Records` and cleared at the start of every run.
struct RunRecords {
    RunStatus status = RunStatus::NotRun;
    std::vector<std::string> incompleteItems;  // completeness items, when Incomplete
    std::string faultSection, faultCause;      // when CalculationError (cause may be empty)
    std::vector<CheckRecord> checks;           // in report order
    std::vector<StabilityRecord> stability;    // in report order
    std::vector<FootingPressureRecord> footingPressures;  // one per bearing check line
    std::vector<PileRowLoadRecord> pileRowLoads;         // per limit state checked, one per pile row
    // Optional, kept across runs: handed every check record as it is made.
    // A search that only needs to know whether some checks pass ends the
    // evaluation early by throwing a type of its own (not derived from
    // std::exception, so the run lets it through to the caller).
    std::function<void(const CheckRecord&)> observer;
};

}  // namespace qelvorn
