// The report line model: every report section writes through this class and
// only says what goes where (Spc, Tab, texts, formatted and bare numbers,
// line ends). Lines end in CR LF.
//
// Arithmetic faults: the run clears the floating-point exception flags when
// it starts; every item written here first tests them. A division by zero,
// an overflow or an invalid operation anywhere in the computations before
// the item ends the run by throwing CalculationFault, so nothing computed
// after the fault reaches the report, and the lines written before it stay.
// A non-finite value handed to a number item faults the same way.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qelvorn {

// Raised when an arithmetic fault ends a calculation run.
class CalculationFault : public std::runtime_error {
public:
    CalculationFault(std::string section, std::string cause)
        : std::runtime_error("Calculation error"), section_(std::move(section)), cause_(std::move(cause)) {}
    const std::string& section() const { return section_; }  // report section being written
    const std::string& cause() const { return cause_; }      // likely cause, may be empty
private:
    std::string section_;
    std::string cause_;
};

// Clears the floating-point exception flags (start of a run).
void ClearArithmeticFaults();
// True when a division by zero, an overflow or an invalid operation has
// happened since the flags were last cleared.
bool ArithmeticFaultPending();

class Report {
public:
    // Room for a typical report and line up front, so that writing one does
    // not copy the text over and over as it grows.
    Report() {
        out_.reserve(1u << 16);
        line_.reserve(256);
    }

    // --- line items -----------------------------------------------------
    Report& spc(int n);                                  // n blanks
    Report& tab(int column);                             // blanks up to column (from 1); past it: new line
    Report& text(std::string_view s);                    // characters as they stand
    Report& num(float value, std::string_view pattern);  // formatted number (value already in display units)
    Report& bare(float value);                           // bare number: " 1.5 " / "-2 "
    Report& endl();                                      // CR LF ends the line
    // A print with no items: CR LF. On an empty line it writes an empty
    // line; it never adds blanks.
    Report& blank() { return endl(); }

    // --- shared vocabulary ------------------------------------------------
    // Empty line; Spc(5) title in spaced capitals; Spc(5) 65 "="; empty line.
    // Also names the section for fault messages.
    void titleBlock(std::string_view title);
    // Spc(indent) heading; empty line.
    void heading(std::string_view text, int indent = 5);
    void rule10();  // Tab(10) and 61 "-"
    void rule6();   // Tab(6) and 65 "-"
    // Spc(10) label + formatted value + unit, as one text.
    void valueLine(std::string_view label, float value, std::string_view pattern, std::string_view unit = {});
    static const char* checkWord(bool ok) { return ok ? "OKAY" : "NO GOOD ***"; }
    // "STABILITY" -> "S T A B I L I T Y"; words separated by three blanks.
    static std::string Spaced(std::string_view title);

    // --- state ------------------------------------------------------------
    const std::string& contents() const { return out_; }  // completed lines
    const std::string& pendingLine() const { return line_; }
    // Completed lines plus the line in progress (what a faulted run keeps).
    std::string allText() const { return out_ + line_; }
    int column() const { return static_cast<int>(line_.size()) + 1; }  // next column to be written

    // Section and likely cause named in a fault message. titleBlock sets the
    // section; a section may name a more precise part or a cause before a
    // step whose input may be degenerate.
    void setSection(std::string name) { section_ = std::move(name); cause_.clear(); }
    void setCause(std::string cause) { cause_ = std::move(cause); }
    const std::string& section() const { return section_; }

    // Messages a section shows the engineer during the run (a message box in
    // the window program, standard error in the batch runner).
    std::function<void(const std::string& text, const std::string& title)> onMessage;
    void message(const std::string& text, const std::string& title = "PERFORM CALCULATIONS");

    // Throws CalculationFault when an arithmetic fault is pending.
    void checkFault() const;

private:
    std::string out_;
    std::string line_;
    std::string section_;
    std::string cause_;
};

}  // namespace qelvorn
