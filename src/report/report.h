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
#include <functional>
#include <memory>
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

class Report {
public:
    Report() { reserve(kInitialRoom); }
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
    // "STABILITY" -> "S T A B I L I T Y"; words separated by three blanks.
    static std::string Spaced(std::string_view title);

    // --- state ------------------------------------------------------------
    // Completed lines.
    std::string_view contents() const { return {buf_.get(), lineStart_}; }
    std::string_view pendingLine() const { return {buf_.get() + lineStart_, size_ - lineStart_}; }
    // Completed lines plus the line in progress (what a faulted run keeps).
    std::string allText() const { return std::string(buf_.get(), size_); }
    int column() const { return static_cast<int>(size_ - lineStart_) + 1; }  // next column to be written

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

private:
    // The report text is one character buffer: completed lines, then the
    // line in progress from lineStart_. Numbers are formatted straight into
    // it, so writing a report builds no temporary strings.
    static constexpr std::size_t kInitialRoom = std::size_t{1} << 18;
    char* room(std::size_t n) {  // at least n free characters at the end
        if (capacity_ - size_ < n) reserve(size_ + n);
        return buf_.get() + size_;
    }
    void reserve(std::size_t n);
    void append(const char* s, std::size_t n) {
        char* p = room(n);
        for (std::size_t i = 0; i < n; ++i) p[i] = s[i];
        size_ += n;
    }
    void appendBlanks(std::size_t n) {
        char* p = room(n);
        for (std::size_t i = 0; i < n; ++i) p[i] = ' ';
        size_ += n;
    }
    // Blanks up to a column (from 1); past it, a new line first.
    void padTo(int column);
    void endLine() {
        append("\r\n", 2);
        lineStart_ = size_;
    }
    [[noreturn]] void throwFault() const;
    // Before an item within a line: no fault pending in the calculations.
    void checkItem() const {
        if (detail::ItemFaultFlagsRaised()) throwFault();
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
    Chain endl() {
        r_.endLine();
        return *this;
    }
    operator Report&() const { return r_; }

private:
    Report& r_;
};

inline Report::Chain Report::blank() { return endl(); }

}  // namespace qelvorn
