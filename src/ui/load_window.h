// The load combinations window: one combination at a time with its title,
// the max, min and service factors of the twelve load types and its SLS
// stress increase factor; stepping through the table, adding a combination
// after the one shown and deleting the one shown.
//
// The window keeps its own current row. Whatever happens to the table from
// elsewhere (a new count typed in the main window, a file loaded, a reset),
// the row is checked against the table before it is used, so the window
// never addresses a combination outside the table.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <map>
#include <string>

#include "model/project.h"
#include "ui/dialogs.h"

namespace qelvorn::ui {

class LoadCombinationsWindow : public QWidget {
    Q_OBJECT
public:
    LoadCombinationsWindow(Project& p, Dialogs& dialogs, QWidget* parent = nullptr);

    // The main window's "&View load combinations": only when there are
    // combinations, shows the window at combination 1.
    void Open();
    // Brings the row back into the table after the table changed from
    // elsewhere and shows it again; hides the window when the table has no
    // rows left.
    void Sync();

    std::int32_t row() const { return row_; }
    // Fields by record name ("LoadTitle", "Fdamax", ..., "Fsls").
    QLineEdit* field(const std::string& name) const;
    QGroupBox* frame() const { return frame_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* closeButton() const { return close_; }

public slots:
    void Next();
    void Previous();
    void Add();
    void Delete();

signals:
    // A combination was added or deleted: the main window refills.
    void tableChanged();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void ShowRow();
    // True when the current row is a row of the table; otherwise brings it
    // back into the table first and returns false.
    bool RowInTable();
    void TitleEdited(const QString& text);
    void FactorEdited(Column Project::*column, const QString& text);

    Project& p_;
    Dialogs& dialogs_;
    std::int32_t row_ = 0;
    bool centred_ = false;
    QGroupBox* frame_ = nullptr;
    std::map<std::string, QLineEdit*> fields_;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace qelvorn::ui
