// Dialogs for the window tests: questions are answered from a script,
// messages and beeps are recorded, file dialogs return scripted names.
#pragma once

#include <QLineEdit>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <vector>

#include "model/defaults.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

struct ShownMessage {
    QString text, title;
    qelvorn::MessageIcon icon;
};

// The front of a script, or `none` when it has run out.
template <class T>
T Next(std::deque<T>& script, T none) {
    if (script.empty()) return none;
    T front = script.front();
    script.pop_front();
    return front;
}

class ScriptedDialogs : public qelvorn::ui::Dialogs {
public:
    std::deque<bool> answers;     // next Yes/No answers; No when empty
    std::deque<QString> files;    // next file dialog results; "" = cancelled
    std::deque<qelvorn::ui::SaveChoice> saveChoices;  // next "Save changes?" answers; Discard when empty
    std::vector<QString> saveQuestions;
    std::vector<QString> questions, questionTitles;
    std::vector<ShownMessage> messages;
    QStringList lastFilters;
    int lastSelectedFilter = -1;
    int beeps = 0;

    void Beep() override { ++beeps; }
    void Message(QWidget*, const QString& text, const QString& title, qelvorn::MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    bool AskYesNo(QWidget*, const QString& text, const QString& title) override {
        questions.push_back(text);
        questionTitles.push_back(title);
        return Next(answers, false);
    }
    qelvorn::ui::SaveChoice AskSaveChanges(QWidget*, const QString& text, const QString&) override {
        saveQuestions.push_back(text);
        return Next(saveChoices, qelvorn::ui::SaveChoice::Discard);
    }
    QString OpenFileName(QWidget*, const QStringList& filters, int selected) override {
        return SaveFileName(nullptr, filters, selected);
    }
    QString SaveFileName(QWidget*, const QStringList& filters, int selected) override {
        lastFilters = filters;
        lastSelectedFilter = selected;
        return Next(files, QString());
    }
};

// A new project in the main window, as the program starts, with settings
// (the recently used files) of the test's own, never the user's.
struct NewProject {
    qelvorn::Project p;
    ScriptedDialogs d;
    qelvorn::ui::MainWindow* w = nullptr;

    void Open() {
        static const QTemporaryDir settings;
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        QSettings().clear();
        p = qelvorn::Project();
        d = ScriptedDialogs();
        w = new qelvorn::ui::MainWindow(p, d);
        qelvorn::ResetProject(p);
        w->FillMainWindow();
        w->history().Restart();
    }
};

// Replaces the text of a field key by key, as the user types it.
inline void Type(QLineEdit* e, const QString& text) {
    QVERIFY(e);
    e->selectAll();
    QTest::keyClicks(e, text);
}
