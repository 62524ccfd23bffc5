// The report line model: every report section writes through this class and
// only says what goes where (Spc, Tab, texts, formatted and bare numbers,
// line ends). Lines end in CR LF.
//
// Arithmetic faults: the run clears the floating-point exception flags when
// it starts; every item that may follow a computation first tests them (the
// first item of each statement, numbers, computed texts). A division by zero,
// an overflow or an invalid operation anywhere in the computations before
// the item ends the run by throwing CalculationFault, so nothing computed
// after the fault reaches the report, and the lines written before it stay.
// A non-finite value handed to a number item faults the same way.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "report/check_record.h"

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

namespace detail {
constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

// The division-by-zero, overflow and invalid-operation flags of every
// floating-point unit (what fetestexcept reads).
inline bool FaultFlagsRaised() { return std::fetestexcept(kFaultFlags) != 0; }

// The same flags as they stand for the arithmetic of the calculations,
// tested before every report item. On x86-64 all float and double
// arithmetic runs in the SSE unit (the x87 unit serves only long double,
// which the calculations never use), so the SSE control register alone is
// read, without a call: reading the status of both units costs more than
// formatting a number on some machines. The end of a run tests both units.
// The memory clobber keeps computations stored before the test from being
// moved after it.
inline bool ItemFaultFlagsRaised() {
#if defined(__GNUC__) && defined(__x86_64__)
    unsigned int sse = 0;
    __asm__ volatile("stmxcsr %0" : "=m"(sse) : : "memory");
    return (sse & kFaultFlags) != 0;  // the FE_ values are the register's flag bits
#else
    return FaultFlagsRaised();
#endif
}
}  // namespace detail

// Clears the floating-point exception flags (start of a run).
void ClearArithmeticFaults();
// True when a division by zero, an overflow or an invalid operation has
// happened since the flags were last cleared.
bool ArithmeticFaultPending();

// Where the completed lines of a report go when they are not kept in
// memory. write() is handed blocks of whole lines, then at the end what is
// left (a faulted run's unfinished line too).
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void write(std::string_view block) = 0;
};

// How a check compares: the demand may not exceed the capacity (Upper:
// required area against provided area) or must reach it (Lower: tensile
// strain against its minimum, provided T&S area against the required one).
enum class CheckLimit { Upper, Lower };

class Report {
public:
    // Three kinds of report: the text kept in memory (the default); the text
    // handed to a sink in blocks of completed lines, so memory stays bounded
    // whatever the report's size; and an evaluation that keeps the line
    // count and the records but no characters (numbers are not formatted,
    // only measured), for repeated runs that need the results alone.
    Report() { reserve(kInitialRoom); }
    explicit Report(ReportSink& sink) : sink_(&sink), flushAt_(kFlushBlock) { reserve(kFlushBlock + kLineRoom); }
    struct EvaluationOnly {};
    explicit Report(EvaluationOnly) : keepText_(false), flushAt_(0) { reserve(kLineRoom); }
    // A report is written in place, never copied; it may be handed on.
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;
    Report(Report&& other) noexcept { swap(other); }
    Report& operator=(Report&& other) noexcept {
        swap(other);
        return *this;
    }
    void swap(Report& other) noexcept;

    // --- line items -----------------------------------------------------
    // Each item returns a Chain for the next item of the same statement:
    // r.tab(10).text("Moment").tab(30).num(M, "0.00").endl().
    class Chain;
    Chain spc(int n);                                  // n blanks
    Chain tab(int column);                             // blanks up to column (from 1); past it: new line
    Chain text(std::string_view s);                    // characters as they stand
    Chain num(float value, std::string_view pattern);  // formatted number (value already in display units)
    Chain bare(float value);                           // bare number: " 1.5 " / "-2 "
    Chain endl();                                      // CR LF ends the line
    // A print with no items: CR LF. On an empty line it writes an empty
    // line; it never adds blanks.
    Chain blank();

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

    // --- check records ------------------------------------------------------
    // The verdict item: writes the check word and records the check on the
    // current line (what: its identifier; demand and capacity as printed, in
    // display units, with their unit label).
    Chain verdict(bool ok, std::string_view what, float demand, float capacity, std::string_view unit,
                  CheckLimit limit = CheckLimit::Upper);
    // Records a check on the current line without writing anything (a
    // verdict printed inside a longer text, or a failure with no verdict
    // word of its own).
    void record(bool ok, std::string_view what, float demand, float capacity, std::string_view unit,
                CheckLimit limit = CheckLimit::Upper);
    // Where records and stability results go; none: they are not kept.
    void keepRecords(RunRecords* records) { records_ = records; }
    RunRecords* records() const { return records_; }
    // A title block begins: names the section for fault messages and for
    // the records (counted, so two blocks of the same title stay apart) and
    // clears the sub-heading path.
    void beginSection(std::string name);
    // The sub-heading path of the records: level 0 the part of the section
    // (footing toe, wall bottom, maximum pile loads), 1 the limit state or
    // block (ULS, SLS, TEMPERATURE AND SHRINKAGE), 2 the face (TENSION AT
    // BOTTOM), 3 the check block with its combination (SHEAR (Comb 3)).
    // Setting a level clears the deeper ones; empty levels are left out of
    // the path.
    void setWhere(int level, std::string_view part);
    std::string where() const;
    static constexpr int kWhereLevels = 4;
    // Utilization of a check, oriented so that <= 1 passes and reconciled
    // with the verdict as printed (a tie the report calls NO GOOD is just
    // above 1). A failure that no ratio measures (a zero or negative
    // capacity, a demand of the wrong sign) is the largest float.
    static float Utilization(bool ok, float demand, float capacity, CheckLimit limit);
    // "STABILITY" -> "S T A B I L I T Y"; words separated by three blanks.
    static std::string Spaced(std::string_view title);

    // --- state ------------------------------------------------------------
    // Completed lines (with a sink: those not yet handed to it; evaluating:
    // nothing meaningful).
    std::string_view contents() const { return {buf_.get(), lineStart_}; }
    std::string_view pendingLine() const { return {buf_.get() + lineStart_, size_ - lineStart_}; }
    // Completed lines plus the line in progress (what a faulted run keeps).
    std::string allText() const { return std::string(buf_.get(), size_); }
    int column() const {  // next column to be written
        return static_cast<int>(size_ - lineStart_ + (pending_ ? pendingWidth() : 0)) + 1;
    }
    int lineNumber() const { return lines_ + 1; }  // 1-based number of the line in progress
    // Hands everything still held, the line in progress included, to the
    // sink (end of a streamed run).
    void flushAll();

    // Evaluating (no text kept) at the start of a line, a table whose lines
    // are known to come out one line each may be counted instead of laid
    // out item by item: the line numbers of the records after it are the
    // same.
    bool canCountLines() const { return !keepText_ && size_ == 0 && !pending_; }
    // True when a number is finite and at most width columns wide (a
    // conservative bound: false may still fit). A number in a column
    // that wide never pushes the next tab onto a new line.
    static bool Fits(float value, std::string_view pattern, int width) {
        const std::size_t bound = WidthBound(value, pattern, false);
        return std::isfinite(value) && bound != 0 && bound <= static_cast<std::size_t>(width);
    }
    static bool FitsBare(float value, int width) {
        const std::size_t bound = WidthBound(value, {}, true);
        return bound != 0 && bound <= static_cast<std::size_t>(width);
    }
    // When canCountLines(): n whole lines written without their items. A fault in the computations of their values ends the
    // run as the first of those lines would.
    void countLines(int n) {
        if (detail::ItemFaultFlagsRaised()) throwFault();
        lines_ += n;
    }

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
    void checkFault() const {
        if (detail::FaultFlagsRaised()) throwFault();
    }
    // The same at the end of a step of the calculations, reading only the
    // flags the calculations' arithmetic raises (as every item does).
    void checkStep() const {
        if (detail::ItemFaultFlagsRaised()) throwFault();
    }

private:
    // The report text is one character buffer: completed lines, then the
    // line in progress from lineStart_. Numbers are formatted straight into
    // it, so writing a report builds no temporary strings.
    static constexpr std::size_t kInitialRoom = std::size_t{1} << 18;
    static constexpr std::size_t kFlushBlock = std::size_t{1} << 16;  // streamed: hand on at this size
    static constexpr std::size_t kLineRoom = std::size_t{1} << 12;
    char* room(std::size_t n) {  // at least n free characters at the end
        if (capacity_ - size_ < n) reserve(size_ + n);
        return buf_.get() + size_;
    }
    void reserve(std::size_t n);
    // Evaluating, characters only take their room on the line: the buffer
    // is never touched, size_ counts the columns of the line in progress.
    void append(const char* s, std::size_t n) {
        if (keepText_) {
            char* p = room(n);
            for (std::size_t i = 0; i < n; ++i) p[i] = s[i];
        }
        size_ += n;
    }
    void appendBlanks(std::size_t n) {
        if (keepText_) {
            char* p = room(n);
            for (std::size_t i = 0; i < n; ++i) p[i] = ' ';
        }
        size_ += n;
    }
    // Blanks up to a column (from 1); past it, a new line first. Evaluating,
    // a tab still ahead of the line so far (of a pending number's bound)
    // only moves the column, here, inline; the rest is padToSlow.
    void padTo(int column) {
        if (!keepText_ && column >= 1) {
            const std::size_t target = static_cast<std::size_t>(column) - 1;  // columns before the tab
            std::size_t bound = 0;
            if (pending_) {
                bound = pendingBound();
                if (bound == 0) return padToSlow(column);
            }
            if (size_ + bound <= target) {
                pending_ = false;
                size_ = target;
                return;
            }
        }
        padToSlow(column);
    }
    void padToSlow(int column);
    void endLine() {
        // Evaluating, faults are looked for once a line (and before every
        // record) rather than before every item: reading the flags costs
        // more than an item that is not written. The records, their lines
        // and the section a fault names come out the same.
        if (!keepText_) {
            if (detail::ItemFaultFlagsRaised()) throwFault();
            pending_ = false;  // the width of a number ending the line is never needed
            size_ = lineStart_ = 0;
            ++lines_;
            return;
        }
        append("\r\n", 2);
        lineStart_ = size_;
        ++lines_;
        if (lineStart_ >= flushAt_) flushLines();
    }
    // Evaluating, a number's width is measured only when something on its
    // line depends on it: a tab that a cheap upper bound of the width does
    // not show to be still ahead, or a question about the column. Until
    // then the number is pending (its value and pattern kept); a number
    // that ends its line is never measured. The line breaks, and so the
    // line numbers of the records, come out as when the text is written.
    std::size_t pendingWidth() const;
    // At least the pending number's width, found with a comparison or two;
    // 0 when no cheap bound holds. A fixed pattern writes a sign, the
    // digits before the point and at most pattern.size() - 1 more
    // characters (point, places, trailing blanks); an exponent pattern a
    // sign, one digit and pattern.size() - 1 more (two exponent digits for
    // any single). Rounding to the places cannot add a digit below 999.
    std::size_t pendingBound() const { return WidthBound(pendingValue_, pendingPattern_, pendingBare_); }
    static std::size_t WidthBound(float value, std::string_view pattern, bool bare) {
        const float a = std::fabs(value);
        // A bare whole number below 1000 takes at most 5 columns; any other
        // finite one at most 14 (sign or blank, seven digits and a point,
        // an exponent of four characters, blank).
        if (bare) return a < 1000.0f && value == static_cast<float>(static_cast<int>(value)) ? 5 : std::isfinite(value) ? 14 : 0;
        if (a < 999.0f) return 1 + 3 + pattern.size();
        if (a < 999999.0f) return 1 + 6 + pattern.size();
        return 0;
    }
    // Evaluating, a number item: faults as a written one, then pending.
    void pendNumber(float value, std::string_view pattern, bool bare) {
        if (!std::isfinite(value)) throwFault();
        settlePending();
        pending_ = true;
        pendingBare_ = bare;
        pendingValue_ = value;
        pendingPattern_ = pattern;
    }
    Chain numText(float value, std::string_view pattern);
    Chain bareText(float value);
    void settlePending() {
        if (pending_) {
            size_ += pendingWidth();
            pending_ = false;
        }
    }
    void flushLines();  // completed lines to the sink (or dropped), the line in progress kept
    [[noreturn]] void throwFault() const;
    // Before an item within a line: no fault pending in the calculations.
    void checkItem() const {
        if (keepText_ && detail::ItemFaultFlagsRaised()) throwFault();
    }
    // A number item: no pending fault and a finite value.
    void checkFinite(float value) const {
        checkItem();
        if (!std::isfinite(value)) throwFault();
    }

    std::unique_ptr<char[]> buf_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t lineStart_ = 0;
    std::string section_;
    std::string cause_;
    ReportSink* sink_ = nullptr;
    bool keepText_ = true;
    std::size_t flushAt_ = static_cast<std::size_t>(-1);
    int lines_ = 0;
    RunRecords* records_ = nullptr;
    std::string recordSection_;
    int sectionIndex_ = -1;
    std::string where_[kWhereLevels];
    bool pending_ = false;      // evaluating: a number not yet measured ends the line so far
    bool pendingBare_ = false;  // it is a bare number (no pattern)
    float pendingValue_ = 0;
    std::string_view pendingPattern_;  // patterns are literals: they outlive the line
    // Evaluating, the widths of the bare numbers measured so far (load
    // factors repeat down the tables), by the value's bits.
    struct BareWidth {
        std::uint32_t bits = 0;
        std::uint32_t width = 0;  // 0: empty
    };
    mutable BareWidth bareWidths_[64];
};

// The items after the first one of a statement. A fault can only arise
// between two items where something is computed: before the first item of a
// statement, or in the arguments of a later one. Numbers and computed texts
// (a text may be chosen by a comparison) test the flags as the first item
// does; blanks, tabs (whole-number constants), texts given as character
// arrays and line ends (no arguments) follow the item before them with
// nothing computed in between and skip the test.
class Report::Chain {
public:
    explicit Chain(Report& r) : r_(r) {}
    Chain spc(int n) {
        if (n > 0) r_.appendBlanks(static_cast<std::size_t>(n));
        return *this;
    }
    Chain tab(int column) {
        r_.padTo(column);
        return *this;
    }
    template <std::size_t N>
    Chain text(const char (&s)[N]) {
        const std::string_view t(s);
        r_.append(t.data(), t.size());
        return *this;
    }
    Chain text(std::string_view s) { return r_.text(s); }
    Chain num(float value, std::string_view pattern) { return r_.num(value, pattern); }
    Chain bare(float value) { return r_.bare(value); }
    Chain verdict(bool ok, std::string_view what, float demand, float capacity, std::string_view unit,
                  CheckLimit limit = CheckLimit::Upper) {
        return r_.verdict(ok, what, demand, capacity, unit, limit);
    }
    Chain endl() {
        r_.endLine();
        return *this;
    }
    operator Report&() const { return r_; }

private:
    Report& r_;
};

inline Report::Chain Report::spc(int n) {
    checkItem();
    if (n > 0) appendBlanks(static_cast<std::size_t>(n));
    return Chain(*this);
}

inline Report::Chain Report::tab(int column) {
    checkItem();
    padTo(column);
    return Chain(*this);
}

inline Report::Chain Report::text(std::string_view s) {
    checkItem();
    append(s.data(), s.size());
    return Chain(*this);
}

inline Report::Chain Report::num(float value, std::string_view pattern) {
    if (keepText_) return numText(value, pattern);
    pendNumber(value, pattern, false);
    return Chain(*this);
}

inline Report::Chain Report::bare(float value) {
    if (keepText_) return bareText(value);
    pendNumber(value, {}, true);
    return Chain(*this);
}

inline Report::Chain Report::endl() {
    checkItem();
    endLine();
    return Chain(*this);
}

inline Report::Chain Report::blank() { return endl(); }

}  // namespace qelvorn
