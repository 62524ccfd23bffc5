#include "report/report.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

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
}

Report::Chain Report::spc(int n) {
    checkItem();
    if (n > 0) appendBlanks(static_cast<std::size_t>(n));
    return Chain(*this);
}

void Report::padTo(int column) {
    if (column < 1) column = 1;
    if (this->column() > column) endl();
    const int pad = column - this->column();
    if (pad > 0) appendBlanks(static_cast<std::size_t>(pad));
}

Report::Chain Report::tab(int column) {
    checkItem();
    padTo(column);
    return Chain(*this);
}

Report::Chain Report::text(std::string_view s) {
    checkItem();
    append(s.data(), s.size());
    return Chain(*this);
}

Report::Chain Report::num(float value, std::string_view pattern) {
    checkFinite(value);
    size_ = static_cast<std::size_t>(WriteNumber(room(NumberRoom(pattern)), value, pattern) - buf_.get());
    return Chain(*this);
}

Report::Chain Report::bare(float value) {
    checkFinite(value);
    size_ = static_cast<std::size_t>(WriteBareNumber(room(kBareNumberRoom), value) - buf_.get());
    return Chain(*this);
}

Report::Chain Report::endl() {
    checkItem();
    endLine();
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
    setSection(std::string(title));
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

}  // namespace qelvorn
