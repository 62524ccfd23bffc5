#include "report/summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace qelvorn {

namespace {

// A NaN utilization (a check of undefined values) ranks above every number,
// so it is never hidden behind a passing check.
float Rank(float utilization) { return std::isnan(utilization) ? INFINITY : utilization; }

// Shortest fixed-point text that reads back as the same float.
std::string Number(float v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::to_string(v);
}

std::string Utilization(float u) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(u));
    return buf;
}

std::string Padded(std::string s, std::size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

std::string RightAligned(long value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*ld", width, value);
    return buf;
}

std::string WhatWhere(const CheckRecord& c) { return c.where.empty() ? c.what : c.what + " at " + c.where; }

std::string LineRef(const CheckRecord& c) { return c.line > 0 ? " (line " + std::to_string(c.line) + ")" : ""; }

}  // namespace

int CheckSummary::okay() const {
    int n = 0;
    for (const SectionChecks& s : sections) n += s.okay;
    return n;
}

int CheckSummary::noGood() const {
    int n = 0;
    for (const SectionChecks& s : sections) n += s.noGood;
    return n;
}

CheckSummary SummarizeChecks(const std::vector<CheckRecord>& checks) {
    CheckSummary s;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const CheckRecord& c = checks[i];
        auto sec = std::find_if(s.sections.begin(), s.sections.end(),
                                [&](const SectionChecks& x) { return x.sectionIndex == c.sectionIndex; });
        if (sec == s.sections.end()) {
            s.sections.push_back({c.section, c.sectionIndex, 0, 0, i});
            sec = s.sections.end() - 1;
        } else if (Rank(c.utilization) > Rank(checks[sec->governing].utilization)) {
            sec->governing = i;
        }
        if (c.ok) {
            ++sec->okay;
        } else {
            ++sec->noGood;
            s.failures.push_back(i);
        }
    }
    return s;
}

std::string CheckText(const CheckRecord& c) {
    return WhatWhere(c) + ": demand " + Number(c.demand) + ", capacity " + Number(c.capacity) +
           (c.unit.empty() ? "" : " " + c.unit) + ", utilization " + Utilization(c.utilization);
}

std::string SummaryText(const std::vector<CheckRecord>& checks) {
    const CheckSummary s = SummarizeChecks(checks);
    if (s.sections.empty()) return "No checks\n";
    std::size_t width = std::string("Section").size();
    for (const SectionChecks& sec : s.sections) width = std::max(width, sec.title.size());
    width += 2;
    std::string out = Padded("Section", width) + "    OKAY NO GOOD  Governing check\n";
    for (const SectionChecks& sec : s.sections) {
        const CheckRecord& g = checks[sec.governing];
        out += Padded(sec.title, width) + RightAligned(sec.okay, 8) + RightAligned(sec.noGood, 8) + "  " +
               Utilization(g.utilization) + " " + WhatWhere(g) + LineRef(g) + "\n";
    }
    out += Padded("Total", width) + RightAligned(s.okay(), 8) + RightAligned(s.noGood(), 8) + "\n\n";
    if (s.failures.empty()) return out + "No NO GOOD *** checks\n";
    out += "NO GOOD *** checks:\n";
    for (std::size_t i : s.failures) {
        const CheckRecord& c = checks[i];
        out += (c.line > 0 ? RightAligned(c.line, 6) : std::string(6, ' ')) + "  " + c.section + ": " +
               CheckText(c) + "\n";
    }
    return out;
}

}  // namespace qelvorn
