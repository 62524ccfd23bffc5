// Dialogs for the window tests: questions are answered from a script,
// messages and beeps are recorded, file dialogs return scripted names.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <string>
#include <vector>

#include "ui/dialogs.h"

struct ShownMessage {
    QString text, title;
    qelvorn::MessageIcon icon;
};

class ScriptedDialogs : public qelvorn::ui::Dialogs {
public:
    std::deque<bool> answers;     // next Yes/No answers; No when empty
    std::deque<QString> files;    // next file dialog results; "" = cancelled
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
