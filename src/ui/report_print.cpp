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

#include "ui/drawings.h"

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

namespace {

// The logical size the cross-section is drawn in on the summary page, as in
// a window of that many pixels; the page scales it to fit.
constexpr int kDrawingWidth = 640, kDrawingHeight = 560;

// The head of the summary page (title and drawing); returns its height.
qreal PaintSummaryHead(QPainter& g, const QRectF& page, const SummaryPage& summary, const QFont& reportFont,
                       bool paint) {
    QFont titleFont = reportFont;
    titleFont.setBold(true);
    titleFont.setPointSizeF(14);
    const QFontMetricsF tm(titleFont, g.device());
    const QRectF titleBox(0, 0, page.width(), page.height() / 4);
    const QRectF used = tm.boundingRect(titleBox, Qt::AlignHCenter | Qt::TextWordWrap, summary.title);
    qreal y = used.height() + tm.lineSpacing() / 2;
    if (paint) {
        g.save();
        g.setFont(titleFont);
        g.drawText(titleBox, Qt::AlignHCenter | Qt::TextWordWrap, summary.title);
        g.restore();
    }
    if (!summary.project) return y;
    const qreal scale = std::min(page.width() / kDrawingWidth, 0.5 * page.height() / kDrawingHeight);
    if (paint) {
        g.save();
        g.translate((page.width() - kDrawingWidth * scale) / 2, y);
        g.scale(scale, scale);
        // Type in the drawing's own units, so that it scales with it.
        QFont font = reportFont;
        font.setFamily(QFont().family());
        font.setStyleHint(QFont::SansSerif);
        font.setFixedPitch(false);
        font.setPixelSize(12);
        g.setFont(font);
        const Project& p = *summary.project;
        PaintAbutment(g, QRect(0, 0, kDrawingWidth, kDrawingHeight), p, p.WallType == "haunch", &p.Records);
        g.restore();
    }
    return y + kDrawingHeight * scale + tm.lineSpacing() / 2;
}

}  // namespace

PrintOutcome PrintReport(QPrinter& printer, const QStringList& report, const QString& title,
                         const SummaryPage* summary) {
    PrintOutcome outcome;
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

    // Every page: its lines [first, end) of the summary or of the report.
    struct Page {
        bool summary;
        int first, end;
    };
    std::vector<Page> pages;
    qreal head = 0;
    if (summary) {
        head = PaintSummaryHead(painter, page, *summary, font, false);
        const int n = static_cast<int>(summary->lines.size());
        int end = std::min<int>(n, std::max(0, static_cast<int>((page.height() - footerHeight - head) / lineHeight)));
        pages.push_back({true, 0, end});
        for (int start = end; start < n; start = end) {
            end = std::min(n, start + outcome.linesPerPage);
            pages.push_back({true, start, end});
        }
    }
    if (!report.isEmpty()) {
        const std::vector<int> starts = PageStarts(report, outcome.linesPerPage);
        for (std::size_t i = 0; i < starts.size(); ++i)
            pages.push_back({false, starts[i], i + 1 < starts.size() ? starts[i + 1] : static_cast<int>(report.size())});
    }
    const int count = static_cast<int>(pages.size());
    painter.setPen(Qt::black);
    for (int pg = 0; pg < count; ++pg) {
        if (pg > 0 && !printer.newPage()) {
            painter.end();
            return outcome;
        }
        qreal y = metrics.ascent();
        if (pg == 0 && summary) y += PaintSummaryHead(painter, page, *summary, font, true);
        painter.setFont(font);
        const QStringList& lines = pages[pg].summary ? summary->lines : report;
        for (int i = pages[pg].first; i < pages[pg].end; ++i, y += lineHeight) painter.drawText(QPointF(0, y), lines[i]);
        const qreal footer = page.height() - metrics.descent();
        painter.drawText(QPointF(0, footer), title);
        const QString number = QString("Page %1 of %2").arg(pg + 1).arg(count);
        painter.drawText(QPointF(page.width() - metrics.horizontalAdvance(number), footer), number);
    }
    outcome.ok = painter.end();
    outcome.pages = count;
    return outcome;
}

PrintOutcome ExportReportPdf(const QString& pdfFile, const QStringList& lines, const QString& title,
                             const SummaryPage* summary) {
    // A file left from an earlier export must not pass for this one.
    if (QFileInfo::exists(pdfFile) && !QFile::remove(pdfFile)) return {};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    printer.setDocName(title);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    PrintOutcome outcome = PrintReport(printer, lines, title, summary);
    // QPrinter reports no write failure of its own: look at the file.
    outcome.ok = outcome.ok && QFileInfo(pdfFile).isFile() && QFileInfo(pdfFile).size() > 0;
    return outcome;
}

}  // namespace qelvorn::ui
