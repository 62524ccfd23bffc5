// The Design menu's commands: the ranges of the footing search, the search
// itself off the window's thread (with a progress bar and Cancel when it
// takes longer than half a second), and the review of the proposal before
// it is applied.
#pragma once

#include <QDialog>
#include <optional>

#include "analysis/sizing.h"
#include "model/project.h"
#include "ui/dialogs.h"

class QCheckBox;
class QLineEdit;

namespace qelvorn::ui {

// Minimum, maximum and step of Wf, Dt and Tf in display units (ft or m),
// and whether pile rows keep their distances from the toe. OK is refused,
// with a message, for ranges that give too many candidates.
class SizingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    SizingOptionsDialog(const Project& p, Dialogs& dialogs, QWidget* parent = nullptr);
    // The options as entered; a field that is not a number keeps its default.
    SizingOptions options() const;
    void accept() override;

private:
    const Project& p_;
    Dialogs& dialogs_;
    SizingOptions defaults_;
    QLineEdit* fields_[3][3] = {};  // Wf, Dt, Tf x min, max, step
    QCheckBox* keepToe_ = nullptr;
};

// The proposal: one row per changed value (current -> proposed), the
// governing utilization of each section before -> after, concrete volume
// and steel weight before -> after, and what the search found. Apply is
// offered when something changed.
class SizingReviewDialog : public QDialog {
    Q_OBJECT
public:
    SizingReviewDialog(const SizingResult& r, QWidget* parent = nullptr);
};

// Runs the search on a copy of p in a worker thread; nullopt when the
// engineer cancelled it.
std::optional<SizingResult> RunSizing(QWidget* parent, const Project& p, SizingMode mode, const SizingOptions& o);

// The whole command: the options (not for the bars alone), the search, the
// review. Returns the proposed project when the engineer applies it.
std::optional<Project> SizeWithReview(QWidget* parent, Dialogs& dialogs, const Project& p, SizingMode mode);

}  // namespace qelvorn::ui
