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
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    qelvorn::ui::SaveChoice AskSaveChanges(QWidget*, const QString& text, const QString&) override {
        saveQuestions.push_back(text);
        if (saveChoices.empty()) return qelvorn::ui::SaveChoice::Discard;
        const auto c = saveChoices.front();
        saveChoices.pop_front();
        return c;
    }
    QString OpenFileName(QWidget*, const QStringList& filters, int selected) override { return Next(filters, selected); }
    QString SaveFileName(QWidget*, const QStringList& filters, int selected) override { return Next(filters, selected); }

private:
    QString Next(const QStringList& filters, int selected) {
        lastFilters = filters;
        lastSelectedFilter = selected;
        if (files.empty()) return {};
        QString f = files.front();
        files.pop_front();
        return f;
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
