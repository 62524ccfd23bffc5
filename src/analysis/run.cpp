// Placeholder: the calculation run is being written.
#include "analysis/run.h"

namespace qelvorn {
RunResult PerformCalculations(Project&, RunHost&) { return RunResult::NoOutputFile; }
void RunReport(Project&, Report&, RunHost&) {}
}  // namespace qelvorn
