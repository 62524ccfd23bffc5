// Printing a report (on a printer or into a PDF file): a summary page
// first (the project's title, its cross-section with the dimension values
// and the results, the check summary), then the report in a fixed-width
// font sized so the widest line fits the page, one report line per printed
// line, page breaks moved up so that a section title or a table's head never
// stands at the foot of a page apart from the lines it belongs to, and
// "Page n of m" in the footer.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "model/project.h"

class QPrinter;

namespace qelvorn::ui {

// Runs of lines [first, last] that should not be split by a page break: a
// table's head (its caption, the rule above, the column headings, the rule
// below) with its first row, and a section title block with the first line
// after it. Overlapping runs are merged.
std::vector<std::pair<int, int>> KeepTogether(const QStringList& lines);

// First line (0-based) of every page. A page holds at most linesPerPage
// lines; a break that would split a keep-together run moves up to the start
// of the run, unless the run starts the page (a run longer than a page is
// split where it must be).
std::vector<int> PageStarts(const QStringList& lines, int linesPerPage);

struct PrintOutcome {
    bool ok = false;
    int pages = 0;
    int linesPerPage = 0;
};

// The page the report starts with.
struct SummaryPage {
    QString title;                     // the project's title
    const Project* project = nullptr;  // its cross-section is drawn with the results of its Records; null: none
    QStringList lines;                 // the check summary, at most 80 characters wide
};

// Prints the lines on the printer as set up (page size, margins, output
// file); title goes into the footer beside the page number. With a summary
// page, the report follows it; summary lines that do not fit under the
// drawing continue on pages of their own before the report.
PrintOutcome PrintReport(QPrinter& printer, const QStringList& lines, const QString& title,
                         const SummaryPage* summary = nullptr);

// Writes the lines as a PDF file: page size of the locale, 15 mm margins.
PrintOutcome ExportReportPdf(const QString& pdfFile, const QStringList& lines, const QString& title,
                             const SummaryPage* summary = nullptr);

}  // namespace qelvorn::ui
