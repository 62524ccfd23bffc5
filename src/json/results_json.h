// The results of a run as a JSON document (docs/results.schema.json): the
// project's identity and options, how the run ended, every check record, the
// governing check of each report section and the stability results. Kept out
// of the core, which stays standard-library only.
#pragma once

#include <string>

#include "model/project.h"
#include "report/check_record.h"

namespace qelvorn {

// The document, indented by two, ending in a line feed. Numbers are the
// shortest decimals that read back as the same single-precision values;
// infinite and undefined values are written as null. Text that is not
// valid UTF-8 (a title typed in another code page) has the offending bytes
// replaced by U+FFFD.
std::string ResultsJson(const Project& p, const RunRecords& records);

// "ok", "incomplete", "calculation_error", "report_not_writable", "not_run".
const char* StatusName(RunStatus status);

}  // namespace qelvorn
