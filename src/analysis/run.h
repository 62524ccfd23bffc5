// The calculation run: checks the input, opens the report, writes the
// header, the input data echo and the analysis sections chosen by the output
// options, and closes the report. What the windows do around it (beep,
// message boxes, status panels, busy pointer) goes through RunHost, which the
// window program and the batch runner each implement.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

enum class MessageIcon { Information, Exclamation, Critical, Question };

// Message texts: a line feed '\n' separates lines of a box (the run's fault
// message is "Calculation error" and a line naming the section and the
// likely cause); the completeness check separates its items by carriage
// returns, as it builds them.
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

// The program version printed on the report's version line.
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 31;
constexpr int kVersionRevision = 0;

// The perform-calculations command.
RunResult PerformCalculations(Project& p, RunHost& host);

// The same calculation without the report text, for repeated runs (the
// live panel, the design assistant): fills p.Records (status, check
// records with their report line numbers, stability results) exactly as a
// run does, writes no file and shows no message.
RunStatus EvaluateCalculations(Project& p);

// Writes the report body (title, echo, output banner, sections) into r.
// Throws CalculationFault on an arithmetic fault.
void RunReport(Project& p, Report& r, RunHost& host);

// " 1.31" for version 1.31.0: major, ".", minor and revision run together
// ("1.310") and read back as a number, shown in its shortest form with a
// leading blank.
std::string VersionText();
// "m/dd/yy, h:mm am/pm" ("3/05/24, 12:05 am", "11/30/99, 1:07 pm").
std::string RunDateText(const std::tm& t);

// The second line of the "Calculation error" box: the section being written
// and the cause the section named for the step that faulted (a section
// names one only when the input that makes the step degenerate is
// degenerate in the project), else the section alone.
std::string FaultDetail(const CalculationFault& fault);
// The last line of a report that a fault ended:
// "*** Calculation error: report incomplete (SECTION: CAUSE) ***".
std::string IncompleteReportLine(const std::string& section, const std::string& cause);

// The lines of a message as a console shows them: one per line feed; within
// a line the carriage-return separated items of the completeness message
// are joined ("The following information is not complete: Properties,
// Loads"). Empty lines are dropped.
std::vector<std::string> MessageLines(const std::string& text);

}  // namespace qelvorn
