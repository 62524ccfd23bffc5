#include "ui/results_panel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>
#include <exception>
#include <vector>

#include "analysis/run.h"
#include "model/defaults.h"
#include "report/summary.h"
#include "ui/main_window.h"
#include "ui/text_viewer.h"

namespace qelvorn::ui {

namespace {

constexpr int kLineRole = Qt::UserRole;             // report line of the row's governing check
constexpr int kUtilizationRole = Qt::UserRole + 1;  // its utilization
constexpr int kOkRole = Qt::UserRole + 2;           // its verdict
constexpr int kUtilizationColumn = 2;
// The bar's full width stands for this utilization; a mark shows 1.00.
constexpr float kBarFull = 1.25f;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString UtilizationText(float u) { return u >= 1000.0f ? QStringLiteral("> 999") : QString::number(u, 'f', 3); }

// The utilization column: a bar in the colour of the check's standing with
// the value over it.
class UtilizationBar : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QVariant u = index.data(kUtilizationRole);
        if (!u.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        const QWidget* w = o.widget;
        (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &o, painter, w);
        const float value = u.toFloat();
        const QRect bar = o.rect.adjusted(3, 3, -3, -3);
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(225, 225, 225));
        painter->drawRect(bar);
        painter->setBrush(ResultsPanel::UtilizationColor(value, index.data(kOkRole).toBool()));
        const double fraction = std::clamp(static_cast<double>(value / kBarFull), 0.0, 1.0);
        painter->drawRect(QRect(bar.topLeft(), QSize(static_cast<int>(bar.width() * fraction), bar.height())));
        const int one = bar.left() + static_cast<int>(bar.width() / static_cast<double>(kBarFull));
        painter->setPen(Qt::black);
        painter->drawLine(one, bar.top(), one, bar.bottom());
        painter->drawText(bar, Qt::AlignCenter, text);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        return {std::max(s.width(), 110), s.height() + 4};
    }
};

// A row of the panel: a report section with checks, or a footing part
// designed as a member of its own (toe, heel, the pile cap's longitudinal
// bars), with its counts and governing check (the largest utilization, the
// first of equals; one that is not a number governs).
struct Row {
    std::string title;
    int sectionIndex = 0, part = 0;
    int okay = 0, noGood = 0;
    std::size_t governing = 0;
};

std::vector<Row> Rows(const std::vector<CheckRecord>& checks) {
    static const std::string_view kParts[] = {"FOOTING TOE", "FOOTING HEEL", "LONGITUDINAL REINFORCEMENT"};
    static const char* const kTitles[] = {"FOOTING TOE", "FOOTING HEEL", "LONGITUDINAL BARS"};
    auto rank = [](float u) { return std::isnan(u) ? INFINITY : u; };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const CheckRecord& c = checks[i];
        const std::string_view first = std::string_view(c.where).substr(0, c.where.find(" / "));
        const auto at = std::find(std::begin(kParts), std::end(kParts), first);
        const int part = at == std::end(kParts) ? 0 : static_cast<int>(at - std::begin(kParts)) + 1;
        auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const Row& r) { return r.sectionIndex == c.sectionIndex && r.part == part; });
        if (row == rows.end()) {
            rows.push_back({part ? kTitles[part - 1] : c.section, c.sectionIndex, part, 0, 0, i});
            row = rows.end() - 1;
        } else if (rank(c.utilization) > rank(checks[row->governing].utilization)) {
            row->governing = i;
        }
        ++(c.ok ? row->okay : row->noGood);
    }
    return rows;
}

// The report a run of the project writes, held in memory, with the run's
// records in p.Records; a calculation error ends it with the line saying
// it is incomplete, as in the file.
QString ReportInMemory(Project& p) {
    struct : RunHost {
        void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    } host;
    p.Records = RunRecords{};
    Report r;
    r.keepRecords(&p.Records);
    p.Records.status = RunStatus::Ok;
    auto incomplete = [&](const std::string& section, const std::string& cause) {
        ClearArithmeticFaults();
        p.Records.status = RunStatus::CalculationError;
        if (!r.pendingLine().empty()) r.endl();
        r.text(IncompleteReportLine(section, cause)).endl();
    };
    ClearArithmeticFaults();
    try {
        RunReport(p, r, host);
    } catch (const CalculationFault& fault) {
        incomplete(fault.section(), fault.cause());
    } catch (const std::exception& e) {
        incomplete(r.section(), e.what());
    }
    ClearArithmeticFaults();
    return QString::fromLocal8Bit(r.allText());
}

// The name the in-memory report goes by: the output file's, else the input
// file's with the report's extension.
QString ReportName(const Project& p) {
    if (!p.OutTitle.empty()) return Q(p.OutTitle);
    if (!p.InTitle.empty()) return QFileInfo(Q(p.InTitle)).completeBaseName() + ".out";
    return QStringLiteral("new project.out");
}

}  // namespace

ResultsPanel::ResultsPanel(MainWindow& main, const Project& p, Dialogs& dialogs)
    : QDockWidget("Results", &main), main_(main), p_(p), dialogs_(dialogs) {
    setObjectName("resultsPanel");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ResultsPanel::Evaluate);

    auto* body = new QWidget(this);
    body->setMinimumWidth(440);
    auto* v = new QVBoxLayout(body);
    v->setContentsMargins(4, 4, 4, 4);
    verdict_ = new QLabel(body);
    verdict_->setObjectName("resultsVerdict");
    QFont big = verdict_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    verdict_->setFont(big);
    v->addWidget(verdict_);

    sections_ = new QTreeWidget(body);
    sections_->setObjectName("resultsSections");
    sections_->setRootIsDecorated(false);
    sections_->setColumnCount(3);
    sections_->setHeaderLabels({"Section", "Governing check", "Utilization"});
    sections_->setItemDelegateForColumn(kUtilizationColumn, new UtilizationBar(sections_));
    sections_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    sections_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    sections_->header()->setSectionResizeMode(2, QHeaderView::Fixed);
    sections_->header()->setStretchLastSection(false);
    sections_->header()->resizeSection(2, 110);
    sections_->setToolTip("Click a section to see its governing check in the report");
    v->addWidget(sections_, 3);
    connect(sections_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OpenReportAt(sections_->indexOfTopLevelItem(item)); });
    connect(sections_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { OpenReportAt(sections_->indexOfTopLevelItem(item)); });

    notes_ = new QListWidget(body);
    notes_->setObjectName("resultsNotes");
    notes_->setWordWrap(true);
    v->addWidget(notes_, 1);
    setWidget(body);
}

QColor ResultsPanel::UtilizationColor(float utilization, bool ok) {
    if (!ok || utilization > 1.0f) return {215, 45, 40};
    if (utilization > 0.90f) return {240, 170, 0};
    return {70, 170, 80};
}

void ResultsPanel::Schedule() {
    // Without a delay the edits of one pass share the evaluation; with one,
    // each edit puts it off again.
    if (timer_.interval() > 0 || !timer_.isActive()) timer_.start();
}

void ResultsPanel::Evaluate() {
    timer_.stop();
    QElapsedTimer took;
    took.start();
    // A copy: the window's project, its file names and output options stay
    // as they are. The design sections are evaluated whatever the output
    // options say; the evaluation needs no output file.
    try {
        work_ = p_;
        work_.chko2 = kTrue;
        EvaluateCalculations(work_);
    } catch (const std::exception& e) {
        // Out of memory for the copy of a huge project, say.
        work_.Records = RunRecords{};
        work_.Records.status = RunStatus::CalculationError;
        work_.Records.faultCause = e.what();
    }
    std::set<std::string> fill;
    if (work_.Records.status == RunStatus::Incomplete) {
        std::vector<std::string> names;
        CheckInput(work_, &names);
        fill.insert(names.begin(), names.end());
    }
    HighlightFields(fill);
    Show();
    // A project so large that its evaluation takes longer than a frame
    // (hundreds of pile rows and combinations) is evaluated once the edits
    // pause (at least 0.3 s, longer the slower it is), not after every key.
    const qint64 ms = took.elapsed();
    timer_.setInterval(ms < 16 ? 0 : static_cast<int>(std::clamp<qint64>(2 * ms, 300, 1000)));
    ++evaluations_;
    emit evaluated(work_.Records);
}

void ResultsPanel::Show() {
    const RunRecords& r = work_.Records;
    const std::vector<Row> rows = Rows(r.checks);
    int noGood = 0, okay = 0;
    for (const Row& row : rows) {
        noGood += row.noGood;
        okay += row.okay;
    }
    QString verdict;
    QColor colour = UtilizationColor(0, true);
    switch (r.status) {
        case RunStatus::Incomplete:
            verdict = "Input incomplete";
            colour = UtilizationColor(0.95f, true);
            break;
        case RunStatus::CalculationError:
            verdict = "Calculation error";
            colour = UtilizationColor(0, false);
            break;
        default:
            if (noGood > 0) {
                verdict = noGood == 1 ? QString("1 check fails") : QString("%1 checks fail").arg(noGood);
                colour = UtilizationColor(0, false);
            } else {
                verdict = okay > 0 ? QString("All checks pass") : QString("No checks");
            }
    }
    // Only what changed is set again: an edit mostly moves a few numbers.
    if (verdict_->text() != verdict) verdict_->setText(verdict);
    QPalette pal = verdict_->palette();
    if (pal.color(QPalette::WindowText) != colour.darker(130)) {
        pal.setColor(QPalette::WindowText, colour.darker(130));
        verdict_->setPalette(pal);
    }

    const int count = static_cast<int>(rows.size());
    while (sections_->topLevelItemCount() > count) delete sections_->takeTopLevelItem(count);
    for (int i = 0; i < count; ++i) {
        const Row& sec = rows[static_cast<std::size_t>(i)];
        const CheckRecord& g = r.checks[sec.governing];
        QTreeWidgetItem* item = i < sections_->topLevelItemCount() ? sections_->topLevelItem(i)
                                                                   : new QTreeWidgetItem(sections_);
        const QString tip = QString("%1: %2 OKAY, %3 NO GOOD ***\nGoverning: %4")
                                .arg(Q(sec.title)).arg(sec.okay).arg(sec.noGood).arg(Q(CheckText(g)));
        // The kind of check, and under it where it stands in the report.
        // A footing part's row names the part already.
        std::string where = g.where;
        if (sec.part) where = where.find(" / ") == std::string::npos ? "" : where.substr(where.find(" / ") + 3);
        const QString texts[] = {Q(sec.title), Q(where.empty() ? g.what : g.what + "\n" + where),
                                 UtilizationText(g.utilization)};
        for (int c = 0; c < 3; ++c) {
            item->setText(c, texts[c]);  // an unchanged value is not set again
            item->setToolTip(c, tip);
        }
        item->setData(0, kLineRole, g.line);
        item->setData(kUtilizationColumn, kUtilizationRole, g.utilization);
        item->setData(kUtilizationColumn, kOkRole, g.ok);
    }

    QStringList notes;
    if (r.status == RunStatus::Incomplete) {
        notes << "The following information is not complete:";
        for (const std::string& item : r.incompleteItems) notes << "   " + Q(item);
        if (!highlighted_.empty()) notes << "Fill in the highlighted fields.";
    } else if (r.status == RunStatus::CalculationError) {
        notes << Q(FaultDetail(CalculationFault(r.faultSection, r.faultCause)));
    }
    QStringList shown;
    for (int i = 0; i < notes_->count(); ++i) shown << notes_->item(i)->text();
    if (shown != notes) {
        notes_->clear();
        notes_->addItems(notes);
    }
    notes_->setVisible(!notes.isEmpty());
}

void ResultsPanel::HighlightFields(const std::set<std::string>& names) {
    if (names == highlighted_) return;
    auto mark = [this](const std::string& name, bool on) {
        QLineEdit* e = main_.field(name);
        if (!e) return;  // a field of another window
        e->setProperty("toFill", on);
        QPalette pal;  // an empty palette puts the inherited one back
        if (on) {
            pal = e->palette();
            pal.setColor(QPalette::Base, QColor(255, 240, 150));
        }
        e->setPalette(pal);
    };
    for (const std::string& n : highlighted_)
        if (!names.count(n)) mark(n, false);
    for (const std::string& n : names)
        if (!highlighted_.count(n)) mark(n, true);
    highlighted_ = names;
}

TextViewer* ResultsPanel::OpenReportAt(int row) {
    QTreeWidgetItem* item = sections_->topLevelItem(row);
    if (!item) return nullptr;
    const int line = item->data(0, kLineRole).toInt();
    // A second choice of the same row (a double click) shows the same view.
    if (viewer_ && viewer_->isVisible() && viewerAt_ == std::pair(evaluations_, line)) {
        viewer_->raise();
        viewer_->activateWindow();
        viewer_->goToLine(line);
        return viewer_;
    }
    // The report of the project as evaluated (the copy), so its lines are
    // those of the records; it replaces the viewer this panel opened last.
    Project run = work_;
    const QString text = ReportInMemory(run);
    QRect where;
    if (viewer_) {
        where = viewer_->geometry();
        viewer_->close();
    }
    viewer_ = TextViewer::OpenText(ReportName(run), text, &dialogs_, &run.Records, &run);
    if (where.isValid()) viewer_->setGeometry(where);
    if (line > 0) viewer_->goToLine(line);
    viewerAt_ = {evaluations_, line};
    return viewer_;
}

}  // namespace qelvorn::ui
