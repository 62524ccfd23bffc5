// The load combinations window: one combination at a time with its title,
// the max, min and service factors of the twelve load types and its SLS
// stress increase factor; stepping through the table, adding a combination
// after the one shown and deleting the one shown. Like every row window it
// checks its own current row against the table before every use.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "model/project.h"
#include "ui/dialogs.h"
#include "ui/row_window.h"

namespace qelvorn::ui {

// Hint of a factor field: set 0 max, 1 min, 2 service; t the load type.
QString FactorHint(int set, int t);

class LoadCombinationsWindow : public RowWindow {
    Q_OBJECT
public:
    LoadCombinationsWindow(Project& p, Dialogs& dialogs, QWidget* parent = nullptr);

    // Open() is the main window's "&View load combinations".
    // Fields by record name ("LoadTitle", "Fdamax", ..., "Fsls").
    QLineEdit* field(const std::string& name) const;
    QGroupBox* frame() const { return frame_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }

public slots:
    void Add();
    void Delete();

signals:
    // A combination was added or deleted: the main window refills.
    void tableChanged();

protected:
    std::int32_t RowCount() const override;
    void FillRow(std::size_t i) override;

private:
    void TitleEdited(const QString& text);
    void FactorEdited(Column Project::*column, const QString& text);

    Project& p_;
    Dialogs& dialogs_;
    QGroupBox* frame_ = nullptr;
    std::map<std::string, QLineEdit*> fields_;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace qelvorn::ui
