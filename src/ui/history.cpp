#include "ui/history.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSet>
#include <QUndoCommand>
#include <QWidget>
#include <utility>

#include "ui/fields.h"

namespace qelvorn::ui {

// One step: the project before and after it. The first redo, made by the
// stack when a committed edit is pushed, finds the project already in its
// "after" state and leaves the windows alone (the user is still typing).
class SnapshotCommand : public QUndoCommand {
public:
    SnapshotCommand(History& h, std::shared_ptr<const Project> before, std::shared_ptr<const Project> after,
                    const QString& text, QString mergeKey, bool applied)
        : QUndoCommand(text),
          h_(h),
          before_(std::move(before)),
          after_(std::move(after)),
          key_(std::move(mergeKey)),
          applied_(applied) {}

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* o = static_cast<const SnapshotCommand*>(other);
        if (key_.isEmpty() || o->key_ != key_) return false;
        after_ = o->after_;
        // Typed back to where it started: the step is dropped.
        setObsolete(History::SameInput(*before_, *after_));
        return true;
    }
    void undo() override { h_.Apply(before_); }
    void redo() override {
        if (applied_) {
            applied_ = false;
            return;
        }
        h_.Apply(after_);
    }

private:
    History& h_;
    std::shared_ptr<const Project> before_, after_;
    QString key_;
    bool applied_;
};

History::History(Project& p, QObject* parent)
    : QObject(parent), p_(p), baseline_(std::make_shared<const Project>(p)) {
    stack_.setUndoLimit(500);
    undo_ = stack_.createUndoAction(this, "&Undo");
    undo_->setShortcut(QKeySequence::Undo);
    undo_->setObjectName("actUndo");
    redo_ = stack_.createRedoAction(this, "&Redo");
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(QKeySequence::Redo)});
    redo_->setObjectName("actRedo");
    // A new field, or another window, starts a new step.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++typing_; });
}

void History::Commit(const QString& text, const QString& key) {
    if (SameInput(*baseline_, p_)) {
        if (key.isEmpty()) ++typing_;
        return;
    }
    auto now = std::make_shared<const Project>(p_);
    const QString mergeKey = key.isEmpty() ? QString() : key + '#' + QString::number(typing_);
    stack_.push(new SnapshotCommand(*this, baseline_, now, text, mergeKey, true));
    baseline_ = std::move(now);
    if (key.isEmpty()) ++typing_;
    emit committed();
}

void History::Push(const Project& from, const Project& to, const QString& text) {
    ++typing_;
    stack_.push(new SnapshotCommand(*this, std::make_shared<const Project>(from), std::make_shared<const Project>(to),
                                    text, QString(), false));
}

void History::Restart() {
    stack_.clear();
    baseline_ = std::make_shared<const Project>(p_);
    ++typing_;
}

void History::MarkSaved() { stack_.setClean(); }

void History::Apply(const std::shared_ptr<const Project>& s) {
    Restore(p_, *s);
    baseline_ = std::make_shared<const Project>(p_);
    ++typing_;
    emit restored();
    emit committed();
}

void History::Watch(QWidget* window) {
    const QString prefix = window->objectName() + '/';
    QSet<QWidget*> windows{window};
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        windows.insert(e->window());
        const QString key = prefix + e->objectName();
        connect(e, &QLineEdit::textEdited, this, [this, e, key] { Commit(e->objectName(), key); });
        // A field that acts when its entry is finished.
        connect(e, &QLineEdit::editingFinished, this, [this, e] { Commit(e->objectName()); });
        e->installEventFilter(this);
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        windows.insert(b->window());
        connect(b, &QAbstractButton::clicked, this, [this, b] { Commit(QString(b->text()).remove('&')); });
    }
    // The shortcuts work in each window the controls are in.
    for (QWidget* w : windows) w->addActions({undo_, redo_});
}

bool History::eventFilter(QObject* watched, QEvent* e) {
    // The project's undo and redo win over a field's undo of its own text.
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const QKeySequence typed(k->keyCombination());
        for (const QAction* a : {undo_, redo_})
            for (const QKeySequence& s : a->shortcuts())
                if (s == typed) {
                    e->ignore();
                    return true;
                }
    }
    return QObject::eventFilter(watched, e);
}

void History::Restore(Project& p, const Project& s) {
    Project keep = std::move(p);
    p = s;
    p.InFile = std::move(keep.InFile);
    p.InTitle = std::move(keep.InTitle);
    p.OutFile = std::move(keep.OutFile);
    p.OutTitle = std::move(keep.OutTitle);
    p.FormReady = keep.FormReady;
    p.CurrentRow = keep.CurrentRow;
    p.InputComplete = keep.InputComplete;
}

bool History::SameInput(const Project& a, const Project& b) {
    for (const auto* list : {&MainWindowFields(), &PileMomentFields()})
        for (const FieldSpec& f : *list)
            if (a.*f.value != b.*f.value) return false;
    for (std::string Project::*s : {&Project::Units, &Project::WallType, &Project::FootingType, &Project::Criteria,
                                    &Project::ConcreteDesign, &Project::PileHead, &Project::Title})
        if (a.*s != b.*s) return false;
    for (Flag Project::*f : {&Project::chko1, &Project::chko2, &Project::chko3, &Project::chko4})
        if (a.*f != b.*f) return false;
    if (a.NLC != b.NLC || a.NROWS != b.NROWS || a.LoadTitle != b.LoadTitle || a.Fsls != b.Fsls) return false;
    for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr c : *set)
            if (a.*c != b.*c) return false;
    return a.PILEX == b.PILEX && a.PILEB == b.PILEB && a.PILES == b.PILES && a.PILEN == b.PILEN &&
           a.PILENB == b.PILENB;
}

}  // namespace qelvorn::ui
