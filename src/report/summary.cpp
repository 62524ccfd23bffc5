#include "report/summary.h"

#include <algorithm>
#include <cstdio>

namespace qelvorn {

namespace {

constexpr std::string_view kOkay = "OKAY";
constexpr std::string_view kNoGood = "NO GOOD ***";
constexpr std::string_view kIndent = "     ";

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\n' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimRight(s);
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

bool EndsWithWord(std::string_view line, std::string_view word) {
    if (line.size() < word.size() || line.substr(line.size() - word.size()) != word) return false;
    return line.size() == word.size() || line[line.size() - word.size() - 1] == ' ';
}

bool IsTitleRule(std::string_view line) {
    return TrimRight(line) == std::string(kIndent) + std::string(65, '=');
}

std::string SectionName(const SectionSummary& s) {
    return s.title.empty() ? "(before the first section)" : s.title;
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

}  // namespace

int ReportSummary::okay() const {
    int n = 0;
    for (const SectionSummary& s : sections) n += s.okay;
    return n;
}

int ReportSummary::noGood() const {
    int n = 0;
    for (const SectionSummary& s : sections) n += s.noGood;
    return n;
}

CheckOutcome LineCheck(std::string_view line) {
    line = TrimRight(line);
    if (EndsWithWord(line, kNoGood)) return CheckOutcome::NoGood;
    if (EndsWithWord(line, kOkay)) return CheckOutcome::Okay;
    return CheckOutcome::None;
}

std::string UnspacedTitle(std::string_view spaced) {
    const std::string_view t = Trim(spaced);
    // Spaced capitals: a character at every even place, blanks at the odd
    // places; three blanks between words leave a blank at an even place.
    bool spacedForm = t.size() >= 3;
    for (std::size_t i = 1; i < t.size() && spacedForm; i += 2) spacedForm = t[i] == ' ';
    if (!spacedForm) return std::string(t);
    std::string out;
    for (std::size_t i = 0; i < t.size(); i += 2) out += t[i];
    return out;
}

std::vector<std::string> ReportLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

bool IsTitleLine(const std::vector<std::string>& lines, std::size_t i) {
    if (i + 1 >= lines.size() || !IsTitleRule(lines[i + 1])) return false;
    const std::string_view line = lines[i];
    return line.size() > kIndent.size() && line.substr(0, kIndent.size()) == kIndent &&
           line[kIndent.size()] != ' ' && !TrimRight(line).empty();
}

ReportSummary SummarizeLines(const std::vector<std::string>& lines) {
    ReportSummary s;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        if (IsTitleLine(lines, i)) {
            s.sections.push_back({UnspacedTitle(lines[i]), lineNo, 0, 0});
            continue;
        }
        const CheckOutcome c = LineCheck(lines[i]);
        if (c == CheckOutcome::None) continue;
        // A check ahead of any title block (a report cut short, or a
        // fragment) still counts, under an untitled part.
        if (s.sections.empty()) s.sections.push_back({"", 1, 0, 0});
        SectionSummary& sec = s.sections.back();
        if (c == CheckOutcome::Okay) {
            ++sec.okay;
        } else {
            ++sec.noGood;
            s.failures.push_back({s.sections.size() - 1, lineNo, std::string(TrimRight(lines[i]))});
        }
    }
    return s;
}

ReportSummary SummarizeReport(std::string_view text) { return SummarizeLines(ReportLines(text)); }

std::string SummaryText(const ReportSummary& s) {
    std::size_t width = std::string_view("Section").size();
    for (const SectionSummary& sec : s.sections) width = std::max(width, SectionName(sec).size());
    width += 2;
    std::string out;
    out += Padded("Section", width) + "  Line      OKAY   NO GOOD\n";
    for (const SectionSummary& sec : s.sections)
        out += Padded(SectionName(sec), width) + RightAligned(sec.line, 6) + RightAligned(sec.okay, 10) +
               RightAligned(sec.noGood, 10) + "\n";
    out += Padded("Total", width) + std::string(6, ' ') + RightAligned(s.okay(), 10) + RightAligned(s.noGood(), 10) +
           "\n";
    out += "\n";
    if (s.failures.empty()) {
        out += "No NO GOOD *** lines\n";
        return out;
    }
    out += "NO GOOD *** lines:\n";
    for (const FailedCheck& f : s.failures)
        out += RightAligned(f.line, 6) + "  " + SectionName(s.sections[f.section]) + ": " +
               std::string(Trim(f.text)) + "\n";
    return out;
}

}  // namespace qelvorn
