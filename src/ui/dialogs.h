// The blocking platform dialogs the windows use: message boxes, yes/no
// questions, the beep and the file dialogs. The window program uses the Qt
// implementation; the window tests script the answers.
#pragma once

#include <QString>
#include <QStringList>

#include "analysis/run.h"

class QWidget;

namespace qelvorn::ui {

// The answer to "Save changes to ...?".
enum class SaveChoice { Save, Discard, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void Beep() = 0;
    // Message box with an OK button.
    virtual void Message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) = 0;
    // Yes/No question with a question icon; No is the default button.
    virtual bool AskYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // Save / Discard / Cancel question, Save the default, Escape cancels.
    virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& text, const QString& title) = 0;
    // File dialogs. filters: "Label (*.ext)" entries; selected: index of the
    // filter shown first. An empty result means the dialog was cancelled.
    virtual QString OpenFileName(QWidget* parent, const QStringList& filters, int selected) = 0;
    virtual QString SaveFileName(QWidget* parent, const QStringList& filters, int selected) = 0;
    // A save dialog opened in the folder of `suggested` with its name filled
    // in.
    virtual QString SaveFileNameLike(QWidget* parent, const QStringList& filters, int selected,
                                     const QString& /*suggested*/) {
        return SaveFileName(parent, filters, selected);
    }
};

// QMessageBox / QFileDialog / QApplication::beep.
class QtDialogs : public Dialogs {
public:
    void Beep() override;
    void Message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) override;
    bool AskYesNo(QWidget* parent, const QString& text, const QString& title) override;
    SaveChoice AskSaveChanges(QWidget* parent, const QString& text, const QString& title) override;
    QString OpenFileName(QWidget* parent, const QStringList& filters, int selected) override;
    QString SaveFileName(QWidget* parent, const QStringList& filters, int selected) override;
    QString SaveFileNameLike(QWidget* parent, const QStringList& filters, int selected,
                             const QString& suggested) override;
};

}  // namespace qelvorn::ui
