// Undo and redo of the edits made in the windows. Each committed edit is kept
// as two snapshots of the project, the state before and the state after;
// undo puts the "before" state back and refills the windows. Keystrokes in
// one field, typed one after another, make one step; moving to another field,
// clicking a button or undoing starts a new step.
//
// What a step restores is the whole project except the file names and the
// run-time state (FormReady, the current row, the completeness flag). What
// makes a step is a change of the input the windows edit: options, every
// field, the two tables, the output options and the report title.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstdint>
#include <memory>

#include "model/project.h"

class QAction;
class QWidget;

namespace qelvorn::ui {

class History : public QObject {
    Q_OBJECT
public:
    History(Project& p, QObject* parent = nullptr);

    // Records an edit: when the input differs from the state after the last
    // step, pushes the step from that state to the project as it is now.
    // Commits with the same non-empty key and no other step, undo, redo or
    // change of focus in between are merged into one step.
    void Commit(const QString& text, const QString& key = {});
    // Pushes one step from `from` to `to` and makes the project `to` (the
    // windows are refilled): a change made by a command as a whole.
    void Push(const Project& from, const Project& to, const QString& text);
    // Starts a new history at the project as it is (a new project, a file
    // loaded): nothing to undo, and the project counts as unchanged.
    void Restart();
    // The project as saved: unchanged until the next edit (or an undo
    // away from this state).
    void MarkSaved();
    bool Modified() const { return !stack_.isClean(); }

    // Connects every input field, option, check box and button of the
    // window (and its children) so that a user edit commits a step after
    // the control's own handler has stored it, and gives the window the
    // undo and redo shortcuts (which then take precedence over a field's
    // own undo of its text).
    void Watch(QWidget* window);

    QUndoStack& stack() { return stack_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

    // Puts the input of `s` into p, keeping p's file names and run-time
    // state.
    static void Restore(Project& p, const Project& s);
    // True when a and b hold the same input.
    static bool SameInput(const Project& a, const Project& b);

signals:
    // An undo or redo changed the project: the windows refill.
    void restored();
    // The project's input changed: a step was pushed, merged, undone or
    // redone.
    void committed();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class SnapshotCommand;
    void Apply(const std::shared_ptr<const Project>& s);

    Project& p_;
    QUndoStack stack_;
    std::shared_ptr<const Project> baseline_;  // the state after the last step
    std::uint64_t typing_ = 0;                 // bumped whenever merging must stop
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace qelvorn::ui
