// All load combinations at once, as a table: one row per combination, the
// title, the twelve max, twelve min and twelve service factors and the SLS
// stress increase factor in the order of the input file. Cells are edited in
// place; a block of cells is copied to, and pasted from, a spreadsheet as
// tab-separated text.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include "model/project.h"

class QTableView;

namespace qelvorn::ui {

class LoadTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LoadTableModel(Project& p, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Tab-separated text of the cells from (top, left) to (bottom, right),
    // one line per row.
    QString Text(int top, int left, int bottom, int right) const;
    // Writes tab-separated text into the table from cell (row, column) on:
    // a number cell stores the leading number of its text (titles their
    // text); rows past the last combination add new combinations; cells
    // right of the last column are dropped. Returns false when the text has
    // no cell to write.
    bool Paste(int row, int column, const QString& text);
    // The project changed from elsewhere: shows it again.
    void Reload();

signals:
    // The table was edited (a cell or a paste).
    void edited();

private:
    void Store(int row, int column, const QString& text);
    Project& p_;
    int rows_ = 0;
};

class LoadTableWindow : public QWidget {
    Q_OBJECT
public:
    LoadTableWindow(Project& p, QWidget* parent = nullptr);

    void Open();
    LoadTableModel* model() const { return model_; }
    QTableView* view() const { return view_; }

public slots:
    void Copy();
    void Paste();

signals:
    void edited();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    LoadTableModel* model_;
    QTableView* view_;
    bool centred_ = false;
};

}  // namespace qelvorn::ui
