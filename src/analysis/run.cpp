// The calculation run and the report frame: the order of the sections, the
// banners, the version line, and how a fault or an unwritable report file
// ends the run.
#include "analysis/run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "analysis/sections.h"
#include "model/defaults.h"
#include "model/numtext.h"
#include "report/report_file.h"

namespace qelvorn {

namespace {

constexpr const char* kRunTitle = "PERFORM CALCULATIONS";

// The seven-line banner around the program name; only the middle line
// differs between the input data echo and the output data.
void Banner(Report& r, const char* middle) {
    static const char* const stars = "* * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * *";
    static const char* const empty = "*                                                               *";
    static const char* const program = "*                 P R O G R A M   Q E L V O R N                 *";
    for (const char* line : {stars, empty, program, empty, middle, empty, stars}) r.spc(5).text(line).endl();
}

std::string ReportNotWritableDetail(const Project& p) {
    return "The report file could not be written: " + (p.OutFile.empty() ? std::string("(no name)") : p.OutFile);
}

}  // namespace

std::string VersionText() {
    const std::string joined =
        std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + std::to_string(kVersionRevision);
    return SignedNumberText(std::strtof(joined.c_str(), nullptr));
}

std::string RunDateText(const std::tm& t) {
    const int hour12 = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d/%02d/%02d, %d:%02d %s", t.tm_mon + 1, t.tm_mday, t.tm_year % 100, hour12,
                  t.tm_min, t.tm_hour < 12 ? "am" : "pm");
    return buf;
}

std::string IncompleteReportLine(const std::string& section, const std::string& cause) {
    std::string line = "*** Calculation error: report incomplete (";
    line += section.empty() ? "the report header" : section;
    if (!cause.empty()) line += ": " + cause;
    return line + ") ***";
}

std::string FaultDetail(const CalculationFault& fault) {
    const std::string where =
        fault.section().empty() ? std::string("the report header") : "section " + fault.section();
    if (!fault.cause().empty()) return "Arithmetic fault in " + where + ": " + fault.cause();
    return "Arithmetic fault in " + where + "; check its input for zero or missing values";
}

std::vector<std::string> MessageLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        // Items separated by carriage returns: a heading ending in ":" is
        // followed by the items joined with ", ".
        std::vector<std::string> items;
        std::size_t s = start;
        while (s < end) {
            std::size_t e = text.find('\r', s);
            if (e == std::string::npos || e > end) e = end;
            if (e > s) items.push_back(text.substr(s, e - s));
            s = e + 1;
        }
        if (!items.empty()) {
            std::string line = items[0];
            for (std::size_t i = 1; i < items.size(); ++i) {
                if (i == 1)
                    line += line.back() == ':' ? " " : ", ";
                else
                    line += ", ";
                line += items[i];
            }
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

void RunReport(Project& p, Report& r, RunHost& host) {
    r.setSection("");
    if (!p.Title.empty()) {
        r.spc(5).text(p.Title).endl();
        r.blank();
    }

    if (p.chko1) {
        Banner(r, "*                        INPUT DATA ECHO                        *");
        r.blank();
        const std::time_t now = host.Now();
        std::tm local{};
        localtime_r(&now, &local);
        r.spc(5).text("(Version " + VersionText() + ")").tab(52).text(RunDateText(local)).endl();
        r.blank();
        r.spc(5).text("Input file  = " + p.InTitle).endl();
        r.spc(5).text("Output file = " + p.OutTitle).endl();
        InputEcho(p, r);
    }

    if (p.chko2 || p.chko3) {
        r.setSection("");
        r.blank();
        Banner(r, "*                          OUTPUT DATA                          *");

        if (p.chko2) {
            if (p.Hb != 0 && p.Tb != 0) BackWallSection(p, r);
            StemWallSection(p, r);
            Stability(p, r);  // ends with the vertical resultant
            // Each footing section designs the toe and heel; the pile
            // footing then checks the pile-cap longitudinal bars.
            if (p.FootingType == "spread")
                SpreadFootingSection(p, r);
            else
                PileFootingSection(p, r);
        }
        if (p.Ls != 0 && p.chko3) DesignSideWalls(p, r);
        if (p.chko4) WriteQuantities(p, r);
    }
    // A fault in computations after the last item written still ends the
    // run: no silent inf or nan stays in the results.
    r.checkFault();
}

namespace {

void ClearRecords(RunRecords& records) {
    // Cleared in place: repeated evaluations reuse the room.
    records.status = RunStatus::NotRun;
    records.incompleteItems.clear();
    records.faultSection.clear();
    records.faultCause.clear();
    records.checks.clear();
    records.stability.clear();
    records.footingPressures.clear();
    records.pileRowLoads.clear();
}

// Runs the report body into r, keeping the records in the project; on a
// fault the records say where and why. Returns the fault message for the
// "Calculation error" box, empty when the run went through.
std::string RunKeepingRecords(Project& p, Report& r, RunHost& host) {
    r.keepRecords(&p.Records);
    const bool anyOutput = p.chko1 || p.chko2 || p.chko3 || p.chko4;
    std::string detail;
    try {
        ClearArithmeticFaults();
        if (anyOutput) RunReport(p, r, host);
    } catch (const CalculationFault& fault) {
        detail = FaultDetail(fault);
        p.Records.faultSection = fault.section();
        p.Records.faultCause = fault.cause();
    } catch (const std::exception& e) {
        detail = "Internal error in " + (r.section().empty() ? std::string("the report header")
                                                             : "section " + r.section()) + ": " + e.what();
        p.Records.faultSection = r.section();
        p.Records.faultCause = e.what();
    }
    ClearArithmeticFaults();
    p.Records.status = detail.empty() ? RunStatus::Ok : RunStatus::CalculationError;
    return detail;
}

class SilentHost : public RunHost {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// The items of the completeness check's message: the heading, two carriage
// returns, then one item per carriage return.
std::vector<std::string> IncompleteItems(const std::string& checkMessage) {
    // The heading, two carriage returns, then one item per carriage return.
    std::vector<std::string> items;
    const std::size_t start = checkMessage.find("\r\r");
    if (start == std::string::npos) return items;
    std::size_t s = start + 2;
    while (s < checkMessage.size()) {
        std::size_t e = checkMessage.find('\r', s);
        if (e == std::string::npos) e = checkMessage.size();
        if (e > s) items.push_back(checkMessage.substr(s, e - s));
        s = e + 1;
    }
    return items;
}

}  // namespace

RunResult PerformCalculations(Project& p, RunHost& host) {
    host.HideOutputWindow();
    ClearRecords(p.Records);

    if (p.OutFile.empty()) {
        host.Beep();
        host.ShowMessage("Please save output filename", kRunTitle, MessageIcon::Information);
        return RunResult::NoOutputFile;
    }

    const std::string checkMessage = CheckInput(p);
    if (!p.InputComplete) {
        p.Records.status = RunStatus::Incomplete;
        p.Records.incompleteItems = IncompleteItems(checkMessage);
        host.ShowMessage(checkMessage, "CHECK INPUT DATA", MessageIcon::Information);
        return RunResult::InputIncomplete;
    }

    host.SetStatus("Calculations in progress", "Please wait");
    host.SetBusy(true);
    auto finish = [&]() {
        host.SetBusy(false);
        host.SetStatus("Input file = " + p.InTitle, "Output file = " + p.OutTitle);
    };

    // The report goes to a temporary file beside the target and replaces it
    // when the run ends, after a calculation error too; a target that must
    // not be written is refused before anything is.
    ReportFile file;
    if (!file.open(p.OutFile, p.InFile)) {
        p.Records.status = RunStatus::ReportNotWritable;
        finish();
        host.ShowMessage("Calculation error\n" + file.error(), kRunTitle, MessageIcon::Critical);
        return RunResult::ReportNotWritable;
    }

    // The text is handed to the file in blocks as it is written.
    Report r(file);
    r.onMessage = [&host](const std::string& text, const std::string& title) {
        host.ShowMessage(text, title, MessageIcon::Information);
    };
    const std::string detail = RunKeepingRecords(p, r, host);
    if (!detail.empty()) {
        // What was written stays, and a last line says the report is incomplete.
        if (!r.pendingLine().empty()) r.endl();
        r.text(IncompleteReportLine(p.Records.faultSection, p.Records.faultCause)).endl();
    }
    r.flushAll();

    const bool written = file.commit();
    finish();
    if (!detail.empty()) {
        host.ShowMessage("Calculation error\n" + detail, kRunTitle, MessageIcon::Critical);
        return RunResult::CalculationError;
    }
    if (!written) {
        p.Records.status = RunStatus::ReportNotWritable;
        host.ShowMessage("Calculation error\n" + ReportNotWritableDetail(p), kRunTitle, MessageIcon::Critical);
        return RunResult::ReportNotWritable;
    }
    return RunResult::Written;
}

RunStatus EvaluateCalculations(Project& p) {
    ClearRecords(p.Records);
    const std::string checkMessage = CheckInput(p);
    if (!p.InputComplete) {
        p.Records.status = RunStatus::Incomplete;
        p.Records.incompleteItems = IncompleteItems(checkMessage);
        return p.Records.status;
    }
    SilentHost host;
    Report r{Report::EvaluationOnly{}};
    RunKeepingRecords(p, r, host);
    return p.Records.status;
}

}  // namespace qelvorn
