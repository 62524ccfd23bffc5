// The calculation run: checks the input, opens the report, writes the
// header, the input data echo and the analysis sections chosen by the output
// options, and closes the report. What the windows do around it (beep,
// message boxes, status panels, busy pointer) goes through RunHost, which the
// window program and the batch runner each implement.
#pragma once

#include <ctime>
#include <string>

#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

enum class MessageIcon { Information, Exclamation, Critical, Question };

class RunHost {
public:
    virtual ~RunHost() = default;
    virtual void Beep() {}
    virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    virtual void SetStatus(const std::string& /*panel1*/, const std::string& /*panel2*/) {}
    virtual void SetBusy(bool /*busy*/) {}
    virtual void HideOutputWindow() {}
    // The date and time printed on the version line.
    virtual std::time_t Now() { return std::time(nullptr); }
};

enum class RunResult {
    Written,           // report written (also an empty report with every option off)
    NoOutputFile,      // no output file named
    InputIncomplete,   // completeness check failed; no report written
    CalculationError,  // arithmetic fault: report kept as far as written
    ReportNotWritable  // the report file could not be created or written
};

// The perform-calculations command.
RunResult PerformCalculations(Project& p, RunHost& host);

// Writes the report body (title, echo, output banner, sections) into r.
// Throws CalculationFault on an arithmetic fault.
void RunReport(Project& p, Report& r, RunHost& host);

}  // namespace qelvorn
