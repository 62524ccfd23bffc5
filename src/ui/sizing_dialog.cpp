#include "ui/sizing_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <cmath>
#include <thread>

namespace qelvorn::ui {

namespace {

// Up to three decimals, trailing zeros dropped.
QString Num(float v) {
    if (!std::isfinite(v)) return "-";
    QString s = QString::number(static_cast<double>(v), 'f', 3);
    while (s.contains('.') && (s.endsWith('0') || s.endsWith('.'))) s.chop(1);
    return s;
}

QTableWidget* Table(QWidget* parent, const QStringList& headers, const char* name) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

void AddRow(QTableWidget* t, const QStringList& cells) {
    const int row = t->rowCount();
    t->insertRow(row);
    for (int c = 0; c < cells.size(); ++c) t->setItem(row, c, new QTableWidgetItem(cells[c]));
}

}  // namespace

SizingOptionsDialog::SizingOptionsDialog(const Project& p, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), p_(p), dialogs_(dialogs), defaults_(DefaultSizingOptions(p)) {
    setWindowTitle("Size footing");
    auto* grid = new QGridLayout;
    const QString unit = QString::fromStdString(p.LblLength);
    const char* heads[] = {"Minimum", "Maximum", "Step"};
    for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(QString(heads[c]) + " (" + unit + ")"), 0, c + 1);
    const char* names[] = {"Footing width Wf", "Toe length Dt", "Footing thickness Tf"};
    const char* keys[] = {"Wf", "Dt", "Tf"};
    const SizingRange* ranges[] = {&defaults_.Wf, &defaults_.Dt, &defaults_.Tf};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(names[r]), r + 1, 0);
        const float values[] = {ranges[r]->min, ranges[r]->max, ranges[r]->step};
        for (int c = 0; c < 3; ++c) {
            auto* f = new QLineEdit(Num(values[c] / p.LengthFactor));
            f->setObjectName(QString(keys[r]) + heads[c]);
            grid->addWidget(f, r + 1, c + 1);
            fields_[r][c] = f;
        }
    }
    keepToe_ = new QCheckBox("Pile rows keep their distances from the toe (else from the heel end)");
    keepToe_->setObjectName("keepToe");
    keepToe_->setEnabled(p.FootingType == "pile");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("The footing of least concrete that passes every check is searched over:"));
    layout->addLayout(grid);
    layout->addWidget(keepToe_);
    layout->addWidget(buttons);
}

SizingOptions SizingOptionsDialog::options() const {
    SizingOptions o = defaults_;
    SizingRange* ranges[] = {&o.Wf, &o.Dt, &o.Tf};
    for (int r = 0; r < 3; ++r) {
        float* values[] = {&ranges[r]->min, &ranges[r]->max, &ranges[r]->step};
        for (int c = 0; c < 3; ++c) {
            bool ok = false;
            const float v = fields_[r][c]->text().trimmed().toFloat(&ok);
            if (ok && std::isfinite(v) && v >= 0.0f) *values[c] = v * p_.LengthFactor;
        }
    }
    o.pilesKeepToeDistances = keepToe_->isChecked();
    return o;
}

void SizingOptionsDialog::accept() {
    const std::string problem = FootingRangesProblem(options());
    if (problem.empty()) return QDialog::accept();
    dialogs_.Message(this, QString::fromStdString(problem), windowTitle(), MessageIcon::Exclamation);
}

SizingReviewDialog::SizingReviewDialog(const SizingResult& r, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Review the proposed design");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Changed values:"));
    auto* changes = Table(this, {"Value", "Current", "Proposed", "Unit", "Bar"}, "changes");
    for (const SizingChange& c : r.changes)
        AddRow(changes, {QString::fromStdString(c.name), Num(c.from), Num(c.to), QString::fromStdString(c.unit),
                         QString::fromStdString(c.note)});
    layout->addWidget(changes);
    layout->addWidget(new QLabel("Governing utilization per section:"));
    auto* sections = Table(this, {"Section", "Before", "After"}, "sections");
    auto u = [](float v, bool fails) { return v < 0.0f ? QString("-") : Num(v) + (fails ? " NO GOOD" : ""); };
    for (const SectionGoverning& s : r.sections)
        AddRow(sections, {QString::fromStdString(s.section), u(s.before, s.failsBefore), u(s.after, s.failsAfter)});
    layout->addWidget(sections);
    auto bare = [](const std::string& s) {
        const QString q = QString::fromStdString(s);
        return q.startsWith('(') && q.endsWith(')') ? q.mid(1, q.size() - 2) : q;
    };
    auto* quantities = new QLabel("Concrete volume: " + Num(r.volumeBefore) + " -> " + Num(r.volumeAfter) + " " +
                                  bare(r.volumeUnit) + "\nSteel weight: " + Num(r.steelBefore) + " -> " +
                                  Num(r.steelAfter) + " " + bare(r.steelUnit) +
                                  "\nCandidates evaluated: " + QString::number(r.evaluations));
    quantities->setObjectName("quantities");
    layout->addWidget(quantities);
    QStringList notes;
    for (const std::string& n : r.notes) notes << QString::fromStdString(n);
    notes << (r.allPass ? "Every check of the proposed project passes."
                        : "Some checks of the proposed project still fail.");
    auto* found = new QLabel(notes.join("\n"));
    found->setObjectName("notes");
    found->setWordWrap(true);
    layout->addWidget(found);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* apply = buttons->addButton("Apply", QDialogButtonBox::AcceptRole);
    apply->setObjectName("apply");
    apply->setEnabled(!r.changes.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 560);
}

namespace {

// While a search runs, the engineer's input goes to the progress dialog
// alone, also before it shows: an edit made meanwhile in the main window
// would be lost when the proposal, made from the project as it was, is
// applied.
class InputOnlyTo : public QObject {
public:
    explicit InputOnlyTo(QWidget* allowed) : allowed_(allowed) { QCoreApplication::instance()->installEventFilter(this); }
    ~InputOnlyTo() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::Drop:
            case QEvent::InputMethod: {
                auto* w = qobject_cast<QWidget*>(watched);
                return !(w && (w == allowed_ || allowed_->isAncestorOf(w)));
            }
            default:
                return false;
        }
    }

private:
    QWidget* allowed_;
};

}  // namespace

std::optional<SizingResult> RunSizing(QWidget* parent, const Project& p, SizingMode mode, const SizingOptions& o) {
    std::atomic<double> fraction{0.0};
    std::atomic<bool> cancel{false}, done{false};
    SizingResult result;
    const Project copy = p;
    std::thread worker([&] {
        result = SizeProject(copy, mode, o, [&](double f) {
            fraction = f;
            return !cancel;
        });
        done = true;
    });
    // Shown only when the search takes longer than half a second.
    QProgressDialog progress("Searching for the lightest design that passes every check...", "Cancel", 0, 1000, parent);
    progress.setObjectName("sizingProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    const InputOnlyTo guard(&progress);
    while (!done) {
        QEventLoop wait;
        QTimer::singleShot(20, &wait, &QEventLoop::quit);
        wait.exec();
        if (progress.wasCanceled()) cancel = true;
        // From 1: the dialog restarts its clock at each value of 0, and
        // would not show while the footing candidates are being built.
        if (!done) progress.setValue(1 + static_cast<int>(fraction * 998.0));
    }
    worker.join();
    progress.reset();
    if (result.cancelled) return std::nullopt;
    return result;
}

std::optional<Project> SizeWithReview(QWidget* parent, Dialogs& dialogs, const Project& p, SizingMode mode) {
    SizingOptions o = DefaultSizingOptions(p);
    if (mode != SizingMode::Bars) {
        SizingOptionsDialog options(p, dialogs, parent);
        if (mode == SizingMode::All) options.setWindowTitle("Size all");
        if (options.exec() != QDialog::Accepted) return std::nullopt;
        o = options.options();
    }
    const std::optional<SizingResult> r = RunSizing(parent, p, mode, o);
    if (!r) return std::nullopt;
    SizingReviewDialog review(*r, parent);
    if (review.exec() != QDialog::Accepted || r->changes.empty()) return std::nullopt;
    return r->proposed;
}

}  // namespace qelvorn::ui
