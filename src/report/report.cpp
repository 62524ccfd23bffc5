#include "report/report.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>

#include "model/numtext.h"

namespace qelvorn {

void ClearArithmeticFaults() { std::feclearexcept(FE_ALL_EXCEPT); }

bool ArithmeticFaultPending() { return detail::FaultFlagsRaised(); }

void Report::throwFault() const { throw CalculationFault(section_, cause_); }

void Report::reserve(std::size_t n) {
    if (n <= capacity_) return;
    const std::size_t cap = std::max(n, capacity_ * 2);
    auto grown = std::make_unique_for_overwrite<char[]>(cap);
    std::copy(buf_.get(), buf_.get() + size_, grown.get());
    buf_ = std::move(grown);
    capacity_ = cap;
}

void Report::swap(Report& other) noexcept {
    std::swap(buf_, other.buf_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
    std::swap(lineStart_, other.lineStart_);
    std::swap(section_, other.section_);
    std::swap(cause_, other.cause_);
    std::swap(onMessage, other.onMessage);
    std::swap(sink_, other.sink_);
    std::swap(keepText_, other.keepText_);
    std::swap(flushAt_, other.flushAt_);
    std::swap(lines_, other.lines_);
    std::swap(records_, other.records_);
    std::swap(recordSection_, other.recordSection_);
    std::swap(sectionIndex_, other.sectionIndex_);
    std::swap(where_, other.where_);
    std::swap(pending_, other.pending_);
    std::swap(pendingBare_, other.pendingBare_);
    std::swap(pendingValue_, other.pendingValue_);
    std::swap(pendingPattern_, other.pendingPattern_);
    std::swap(bareWidths_, other.bareWidths_);
}

void Report::flushLines() {
    if (sink_ && lineStart_ > 0) sink_->write({buf_.get(), lineStart_});
    const std::size_t pending = size_ - lineStart_;
    if (pending > 0) std::memmove(buf_.get(), buf_.get() + lineStart_, pending);
    size_ = pending;
    lineStart_ = 0;
}

void Report::flushAll() {
    if (!sink_) return;
    if (size_ > 0) sink_->write({buf_.get(), size_});
    size_ = lineStart_ = 0;
}

std::size_t Report::pendingWidth() const {
    if (!pendingBare_) return NumberWidth(pendingValue_, pendingPattern_);
    std::uint32_t bits = 0;
    std::memcpy(&bits, &pendingValue_, sizeof bits);
    BareWidth& known = bareWidths_[(bits ^ (bits >> 11) ^ (bits >> 23)) & 63u];
    if (known.width == 0 || known.bits != bits) known = {bits, static_cast<std::uint32_t>(BareNumberWidth(pendingValue_))};
    return known.width;
}

void Report::padToSlow(int column) {
    if (column < 1) column = 1;
    settlePending();
    if (this->column() > column) endl();
    const int pad = column - this->column();
    if (pad > 0) appendBlanks(static_cast<std::size_t>(pad));
}

// Evaluating, a number only takes its width on the line, measured when
// needed: the characters are never read.
Report::Chain Report::numText(float value, std::string_view pattern) {
    checkFinite(value);
    size_ = static_cast<std::size_t>(WriteNumber(room(NumberRoom(pattern)), value, pattern) - buf_.get());
    return Chain(*this);
}

Report::Chain Report::bareText(float value) {
    checkFinite(value);
    size_ = static_cast<std::size_t>(WriteBareNumber(room(kBareNumberRoom), value) - buf_.get());
    return Chain(*this);
}

std::string Report::Spaced(std::string_view title) {
    std::string s;
    bool firstWord = true;
    std::size_t i = 0;
    while (i < title.size()) {
        while (i < title.size() && title[i] == ' ') ++i;
        if (i >= title.size()) break;
        if (!firstWord) s.append("   ");
        firstWord = false;
        bool firstChar = true;
        while (i < title.size() && title[i] != ' ') {
            if (!firstChar) s.push_back(' ');
            s.push_back(title[i]);
            firstChar = false;
            ++i;
        }
    }
    return s;
}

void Report::titleBlock(std::string_view title) {
    static const std::string kDoubleRule(65, '=');
    beginSection(std::string(title));
    blank();
    spc(5).text(Spaced(title)).endl();
    spc(5).text(kDoubleRule).endl();
    blank();
}

void Report::heading(std::string_view text, int indent) {
    spc(indent).text(text).endl();
    blank();
}

void Report::rule10() {
    static const std::string kRule(61, '-');
    tab(10).text(kRule).endl();
}

void Report::rule6() {
    static const std::string kRule(65, '-');
    tab(6).text(kRule).endl();
}

void Report::valueLine(std::string_view label, float value, std::string_view pattern, std::string_view unit) {
    checkFinite(value);
    spc(10).text(label).num(value, pattern).text(unit).endl();
}

void Report::message(const std::string& text, const std::string& title) {
    if (onMessage) onMessage(text, title);
}

// ---------------------------------------------------------------------------
// Check records

void Report::beginSection(std::string name) {
    recordSection_ = name;
    ++sectionIndex_;
    for (std::string& part : where_) part.clear();
    setSection(std::move(name));
}

void Report::setWhere(int level, std::string_view part) {
    if (level < 0 || level >= kWhereLevels) return;
    where_[level].assign(part);
    for (int i = level + 1; i < kWhereLevels; ++i) where_[i].clear();
}

std::string Report::where() const {
    std::string path;
    for (const std::string& part : where_) {
        if (part.empty()) continue;
        if (!path.empty()) path += " / ";
        path += part;
    }
    return path;
}

// Worked in double from finite singles: no division by zero, overflow or
// invalid operation can arise here to be mistaken for a fault of the
// calculations (the flags are read before the next item).
float Report::Utilization(bool ok, float demand, float capacity, CheckLimit limit) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    const double over = static_cast<double>(limit == CheckLimit::Upper ? demand : capacity);
    const double under = static_cast<double>(limit == CheckLimit::Upper ? capacity : demand);
    double u = kLargest;
    if (std::isfinite(over) && std::isfinite(under)) {
        if (under > 0.0)
            u = std::min(over / under, kLargest);
        else if (ok)
            u = 0.0;
    }
    if (u < -kLargest) u = -kLargest;
    float f = static_cast<float>(u);
    if (ok && f > 1.0f) f = 1.0f;  // a tie the report calls OKAY
    if (!ok && !(f > 1.0f)) f = f == 1.0f ? std::nextafter(1.0f, 2.0f) : static_cast<float>(kLargest);
    return f;
}

void Report::record(bool ok, std::string_view what, float demand, float capacity, std::string_view unit,
                    CheckLimit limit) {
    if (!records_) return;
    if (detail::ItemFaultFlagsRaised()) throwFault();  // no record of a line a fault cut short
    CheckRecord& c = records_->checks.emplace_back();
    c.section = recordSection_;
    c.sectionIndex = sectionIndex_ < 0 ? 0 : sectionIndex_;
    c.where = where();
    c.what.assign(what);
    c.demand = demand;
    c.capacity = capacity;
    c.unit.assign(unit);
    c.utilization = Utilization(ok, demand, capacity, limit);
    c.ok = ok;
    c.line = lineNumber();
    if (records_->observer) records_->observer(c);
}

Report::Chain Report::verdict(bool ok, std::string_view what, float demand, float capacity, std::string_view unit,
                              CheckLimit limit) {
    // The word first: a fault pending before it ends the run without a
    // record for a verdict that was never written.
    text(checkWord(ok));
    record(ok, what, demand, capacity, unit, limit);
    return Chain(*this);
}

}  // namespace qelvorn
