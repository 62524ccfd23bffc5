#include "ui/report_print.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace qelvorn::ui {

namespace {

// A table rule: a run of at least ten "-" (the report's rules are 61 and 65).
bool IsRule(const QString& line) {
    const QString t = line.trimmed();
    return t.size() >= 10 && t.count(QLatin1Char('-')) == t.size();
}

bool IsTitleRule(const QString& line) {
    return line.trimmed().size() == 65 && line.startsWith(QString(5, QLatin1Char(' ')) + QString(65, QLatin1Char('=')));
}

bool IsBlank(const QString& line) { return line.trimmed().isEmpty(); }

bool IsCaption(const QString& line) { return !IsBlank(line) && line.trimmed().endsWith(QLatin1Char(':')); }

// First non-blank line in (from, from + reach]; `from` itself when none.
int NextContent(const QStringList& lines, int from, int reach) {
    for (int j = from + 1; j <= from + reach && j < lines.size(); ++j)
        if (!IsBlank(lines[j])) return j;
    return from;
}

// Widest line, at least a terminal's 80 columns so that short reports do
// not print in a large type.
int PrintColumns(const QStringList& lines) {
    int widest = 80;
    for (const QString& line : lines) widest = std::max(widest, static_cast<int>(line.size()));
    return widest;
}

}  // namespace

std::vector<std::pair<int, int>> KeepTogether(const QStringList& lines) {
    std::vector<std::pair<int, int>> runs;
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i) {
        if (i + 1 < n && IsTitleRule(lines[i + 1]) && !IsBlank(lines[i])) {
            // Title block: the empty line above, the title, its rule and the
            // first line of the section.
            const int first = i > 0 && IsBlank(lines[i - 1]) ? i - 1 : i;
            runs.emplace_back(first, NextContent(lines, i + 1, 3));
            continue;
        }
        if (!IsRule(lines[i])) continue;
        // Table head: a rule, one to four heading lines, a rule.
        int k = i + 1;
        while (k < n && k <= i + 5 && !IsBlank(lines[k]) && !IsRule(lines[k])) ++k;
        if (k == i + 1 || k >= n || k > i + 5 || !IsRule(lines[k])) continue;
        int first = i;
        if (i >= 1 && IsCaption(lines[i - 1]))
            first = i - 1;
        else if (i >= 2 && IsBlank(lines[i - 1]) && IsCaption(lines[i - 2]))
            first = i - 2;
        runs.emplace_back(first, NextContent(lines, k, 3));
        i = k;  // the closing rule of the head is not the opening of another
    }
    std::sort(runs.begin(), runs.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& r : runs) {
        if (!merged.empty() && r.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, r.second);
        else
            merged.push_back(r);
    }
    return merged;
}

std::vector<int> PageStarts(const QStringList& lines, int linesPerPage) {
    std::vector<int> starts{0};
    if (linesPerPage < 1) linesPerPage = 1;
    const int n = static_cast<int>(lines.size());
    const std::vector<std::pair<int, int>> runs = KeepTogether(lines);
    int start = 0;
    while (start + linesPerPage < n) {
        int next = start + linesPerPage;
        for (const auto& [first, last] : runs) {
            if (first >= next) break;
            // The break falls inside the run: move it up to the run's start,
            // unless that would leave the page empty of its own lines.
            if (last >= next && first > start) next = first;
        }
        starts.push_back(next);
        start = next;
    }
    return starts;
}

PrintOutcome PrintReport(QPrinter& printer, const QStringList& report, const QString& title,
                         const QStringList& appendix) {
    PrintOutcome outcome;
    const QStringList lines = report + appendix;
    QPainter painter;
    if (!painter.begin(&printer)) return outcome;

    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Largest type up to 10 points in which the widest line fits the width.
    font.setPointSizeF(10.0);
    const qreal advance10 = QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char('0'));
    const qreal fit = 10.0 * page.width() / (advance10 * PrintColumns(report));
    font.setPointSizeF(std::clamp(fit, 4.0, 10.0));
    const QFontMetricsF metrics(font, &printer);
    const qreal lineHeight = metrics.lineSpacing();
    const qreal footerHeight = 2.0 * lineHeight;
    outcome.linesPerPage = std::max(1, static_cast<int>((page.height() - footerHeight) / lineHeight));

    std::vector<int> starts = PageStarts(report, outcome.linesPerPage);
    if (report.isEmpty()) starts.clear();
    if (!appendix.isEmpty())
        for (int start : PageStarts(appendix, outcome.linesPerPage))
            starts.push_back(static_cast<int>(report.size()) + start);
    const int pages = static_cast<int>(starts.size());
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int pg = 0; pg < pages; ++pg) {
        if (pg > 0 && !printer.newPage()) {
            painter.end();
            return outcome;
        }
        const int end = pg + 1 < pages ? starts[pg + 1] : static_cast<int>(lines.size());
        qreal y = metrics.ascent();
        for (int i = starts[pg]; i < end; ++i, y += lineHeight) painter.drawText(QPointF(0, y), lines[i]);
        const qreal footer = page.height() - metrics.descent();
        painter.drawText(QPointF(0, footer), title);
        const QString number = QString("Page %1 of %2").arg(pg + 1).arg(pages);
        painter.drawText(QPointF(page.width() - metrics.horizontalAdvance(number), footer), number);
    }
    outcome.ok = painter.end();
    outcome.pages = pages;
    return outcome;
}

PrintOutcome ExportReportPdf(const QString& pdfFile, const QStringList& lines, const QString& title,
                             const QStringList& appendix) {
    // A file left from an earlier export must not pass for this one.
    if (QFileInfo::exists(pdfFile) && !QFile::remove(pdfFile)) return {};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    printer.setDocName(title);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    PrintOutcome outcome = PrintReport(printer, lines, title, appendix);
    // QPrinter reports no write failure of its own: look at the file.
    outcome.ok = outcome.ok && QFileInfo(pdfFile).isFile() && QFileInfo(pdfFile).size() > 0;
    return outcome;
}

}  // namespace qelvorn::ui
