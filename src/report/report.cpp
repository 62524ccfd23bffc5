#include "report/report.h"

#include <cfenv>
#include <cmath>

#include "model/numtext.h"

namespace qelvorn {

namespace {
constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
}

void ClearArithmeticFaults() { std::feclearexcept(FE_ALL_EXCEPT); }

bool ArithmeticFaultPending() { return std::fetestexcept(kFaultFlags) != 0; }

void Report::checkFault() const {
    if (ArithmeticFaultPending()) throw CalculationFault(section_, cause_);
}

Report& Report::spc(int n) {
    checkFault();
    if (n > 0) line_.append(static_cast<std::size_t>(n), ' ');
    return *this;
}

Report& Report::tab(int column) {
    checkFault();
    if (column < 1) column = 1;
    if (this->column() > column) endl();
    const int pad = column - this->column();
    if (pad > 0) line_.append(static_cast<std::size_t>(pad), ' ');
    return *this;
}

Report& Report::text(std::string_view s) {
    checkFault();
    line_.append(s);
    return *this;
}

Report& Report::num(float value, std::string_view pattern) {
    checkFault();
    if (!std::isfinite(value)) throw CalculationFault(section_, cause_);
    line_.append(FormatNumber(value, pattern));
    return *this;
}

Report& Report::bare(float value) {
    checkFault();
    if (!std::isfinite(value)) throw CalculationFault(section_, cause_);
    line_.append(BareNumber(value));
    return *this;
}

Report& Report::endl() {
    checkFault();
    out_.append(line_);
    out_.append("\r\n");
    line_.clear();
    return *this;
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
    setSection(std::string(title));
    blank();
    spc(5).text(Spaced(title)).endl();
    spc(5).text(std::string(65, '=')).endl();
    blank();
}

void Report::heading(std::string_view text, int indent) {
    spc(indent).text(text).endl();
    blank();
}

void Report::rule10() { tab(10).text(std::string(61, '-')).endl(); }

void Report::rule6() { tab(6).text(std::string(65, '-')).endl(); }

void Report::valueLine(std::string_view label, float value, std::string_view pattern, std::string_view unit) {
    checkFault();
    if (!std::isfinite(value)) throw CalculationFault(section_, cause_);
    std::string s(label);
    s += FormatNumber(value, pattern);
    s += unit;
    spc(10).text(s).endl();
}

void Report::message(const std::string& text, const std::string& title) {
    if (onMessage) onMessage(text, title);
}

}  // namespace qelvorn
