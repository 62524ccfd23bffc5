// Summary of the checks in a report text: for every section (title block)
// the number of "OKAY" and of "NO GOOD ***" lines, and every "NO GOOD ***"
// line with its section and line number. It reads the text as written, so
// it can summarise any report file and never disagrees with it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qelvorn {

struct SectionSummary {
    std::string title;  // "SIDE WALLS"; empty for lines before the first title block
    int line = 0;       // line of the spaced title (1-based); 1 for the part before any title
    int okay = 0;
    int noGood = 0;
};

struct FailedCheck {
    std::size_t section = 0;  // index into ReportSummary::sections
    int line = 0;             // 1-based line number in the report
    std::string text;         // the line without its line end and trailing blanks
};

struct ReportSummary {
    std::vector<SectionSummary> sections;  // in report order; a title may repeat
    std::vector<FailedCheck> failures;     // in report order
    int okay() const;
    int noGood() const;
};

// Outcome of one report line: a check that passed, one that failed, or none.
enum class CheckOutcome { None, Okay, NoGood };
CheckOutcome LineCheck(std::string_view line);

// "S I D E   W A L L S" -> "SIDE WALLS". A text that is not in spaced
// capitals comes back trimmed, as it stands.
std::string UnspacedTitle(std::string_view spaced);

// Splits at LF, CR LF or CR; a final line end does not start another line.
std::vector<std::string> ReportLines(std::string_view text);

// Title line of a title block: the line holds five blanks and a title, and
// the next is five blanks and 65 "=".
bool IsTitleLine(const std::vector<std::string>& lines, std::size_t i);

ReportSummary SummarizeReport(std::string_view text);
ReportSummary SummarizeLines(const std::vector<std::string>& lines);

// The summary as plain lines (LF ends each): a table of the sections with
// their counts and a total, then the failed lines.
std::string SummaryText(const ReportSummary& s);

}  // namespace qelvorn
