// The results panel: a dock beside the main window's tabs that shows what
// the calculation makes of the project as it stands, after every edit. A
// copy of the project is evaluated (records without the report text, no
// file needed) once the events of the current pass are handled, so a burst
// of edits makes one evaluation; from a keystroke to the panel shown anew
// takes about 2 ms on the large project, well within a frame. A project
// whose evaluation takes longer is evaluated after a pause in the edits.
//
// It shows the overall verdict, one row per report section with checks,
// the footing's toe, heel and longitudinal bars in rows of their own (each
// with its governing check: what, where, utilization as a number and a bar,
// green up to 0.90, amber up to 1.00, red when the check fails), and below
// them the completeness items of an incomplete project (whose fields are
// then highlighted in the main window) or the calculation error and its
// cause. Choosing a row opens the report of the same project, written in
// memory, at that check's line.
#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QTimer>
#include <set>
#include <string>
#include <utility>

#include "model/project.h"
#include "report/check_record.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

namespace qelvorn::ui {

class Dialogs;
class MainWindow;
class TextViewer;

class ResultsPanel : public QDockWidget {
    Q_OBJECT
public:
    ResultsPanel(MainWindow& main, const Project& p, Dialogs& dialogs);

    // Evaluates once the events now waiting are handled (edits made in
    // the same pass share one evaluation).
    void Schedule();
    // Evaluates a copy of the project now and shows the results.
    void Evaluate();
    // An evaluation is waiting to be made.
    bool pending() const { return timer_.isActive(); }

    // The records of the last evaluation, and how many evaluations were made.
    const RunRecords& records() const { return work_.Records; }
    int evaluations() const { return evaluations_; }

    QLabel* verdict() const { return verdict_; }
    QTreeWidget* sectionTable() const { return sections_; }  // section, governing check, utilization
    QListWidget* notes() const { return notes_; }            // completeness items or the calculation error
    // The main window's fields now highlighted as to be filled in.
    const std::set<std::string>& fieldsToFill() const { return highlighted_; }

    // Opens the report viewer on a report of the evaluated project written
    // in memory, at the governing check of the row; null when the row has
    // none.
    TextViewer* OpenReportAt(int row);
    TextViewer* viewer() const { return viewer_; }

    // Colours of the utilization bar.
    static QColor UtilizationColor(float utilization, bool ok);

signals:
    // After every evaluation: the records of the project as it stands.
    void evaluated(const qelvorn::RunRecords& records);

private:
    void Show();
    void HighlightFields(const std::set<std::string>& names);

    MainWindow& main_;
    const Project& p_;
    Dialogs& dialogs_;
    Project work_;  // the copy evaluated, kept so its room is reused
    QTimer timer_;
    int evaluations_ = 0;
    QLabel* verdict_ = nullptr;
    QTreeWidget* sections_ = nullptr;
    QListWidget* notes_ = nullptr;
    std::set<std::string> highlighted_;
    QPointer<TextViewer> viewer_;
    std::pair<int, int> viewerAt_;  // the evaluation and line it was opened for
};

}  // namespace qelvorn::ui
