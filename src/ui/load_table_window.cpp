#include "ui/load_table_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "model/load_table.h"
#include "model/numtext.h"
#include "ui/fields.h"
#include "ui/load_window.h"
#include "ui/small_windows.h"

namespace qelvorn::ui {

namespace {

// Column 0 is the title, 1..36 the factors (12 max, 12 min, 12 service),
// 37 the SLS stress increase factor.
constexpr int kColumns = 2 + 3 * kLoadTypes;
constexpr int kFsls = kColumns - 1;
// A paste never grows the table beyond this many combinations (a mistaken
// paste of a long text must not make thousands of rows).
constexpr int kMaxPastedRows = 999;

const char* const kSetNames[3] = {"max", "min", "sls"};

ColumnPtr FactorColumn(int column) {
    if (column == kFsls) return &Project::Fsls;
    const auto t = static_cast<std::size_t>((column - 1) % kLoadTypes);
    switch ((column - 1) / kLoadTypes) {
        case 0: return kMaxFactors[t];
        case 1: return kMinFactors[t];
        default: return kSlsFactors[t];
    }
}

}  // namespace

LoadTableModel::LoadTableModel(Project& p, QObject* parent) : QAbstractTableModel(parent), p_(p) {
    rows_ = LoadCombinationRows(p_);
}

int LoadTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int LoadTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant LoadTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= LoadCombinationRows(p_)) return {};
    const auto i = static_cast<std::size_t>(index.row()) + 1;
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (index.column() == 0) return QString::fromStdString(p_.LoadTitle[i]);
    return QString::fromStdString(FactorText((p_.*FactorColumn(index.column()))[i]));
}

QVariant LoadTableModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section == 0) return role == Qt::DisplayRole ? QVariant("Title") : QVariant();
    if (section == kFsls) {
        if (role == Qt::DisplayRole) return "Fsls";
        if (role == Qt::ToolTipRole) return "SLS stress increase factor";
        return {};
    }
    const int set = (section - 1) / kLoadTypes, t = (section - 1) % kLoadTypes;
    if (role == Qt::DisplayRole)
        return QString("%1\n%2").arg(kLoadCodes[static_cast<std::size_t>(t)], kSetNames[set]);
    if (role == Qt::ToolTipRole) return FactorHint(set, t);
    return {};
}

Qt::ItemFlags LoadTableModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void LoadTableModel::Store(int row, int column, const QString& text) {
    const auto i = static_cast<std::size_t>(row) + 1;
    if (column == 0)
        p_.LoadTitle[i] = text.toStdString();
    else
        (p_.*FactorColumn(column))[i] = static_cast<float>(LeadingNumber(text.toStdString()));
}

bool LoadTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= LoadCombinationRows(p_)) return false;
    Store(index.row(), index.column(), value.toString());
    emit dataChanged(index, index);
    emit edited();
    return true;
}

QString LoadTableModel::Text(int top, int left, int bottom, int right) const {
    QStringList lines;
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = left; c <= right; ++c) cells << data(index(r, c), Qt::DisplayRole).toString();
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

bool LoadTableModel::Paste(int row, int column, const QString& text) {
    QStringList lines = QString(text).remove('\r').split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();  // the last line end
    if (lines.isEmpty() || row < 0 || column < 0 || column >= kColumns) return false;
    const int last = std::min<int>(row + static_cast<int>(lines.size()), kMaxPastedRows);
    if (row >= last) return false;
    while (LoadCombinationRows(p_) < last) InsertLoadCombination(p_, LoadCombinationRows(p_));
    for (int r = row; r < last; ++r) {
        const QStringList cells = lines[r - row].split('\t');
        for (int k = 0; k < cells.size() && column + k < kColumns; ++k) Store(r, column + k, cells[k]);
    }
    Reload();
    emit edited();
    return true;
}

void LoadTableModel::Reload() {
    const int rows = LoadCombinationRows(p_);
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, kColumns - 1));
    }
}

// ------------------------------------------------------------------ window

namespace {

// Copy and paste keys on the table itself, ahead of its own handling of
// them (which copies only the current cell).
class ClipboardKeys : public QObject {
public:
    ClipboardKeys(LoadTableWindow* w) : QObject(w), w_(w) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->matches(QKeySequence::Copy)) return w_->Copy(), true;
            if (k->matches(QKeySequence::Paste)) return w_->Paste(), true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    LoadTableWindow* w_;
};

}  // namespace

LoadTableWindow::LoadTableWindow(Project& p, QWidget* parent)
    : QWidget(parent, NoCloseWindowFlags() | Qt::WindowMaximizeButtonHint),
      model_(new LoadTableModel(p, this)),
      view_(new QTableView(this)) {
    setWindowTitle("LOAD COMBINATION TABLE");
    setObjectName("LoadTableWindow");
    view_->setObjectName("loadTable");
    view_->setModel(model_);
    view_->horizontalHeader()->setDefaultSectionSize(64);
    view_->setColumnWidth(0, 260);
    view_->setToolTip("Load combinations: edit a cell in place; Ctrl+C and Ctrl+V copy and paste "
                      "tab-separated cells to and from a spreadsheet");
    view_->installEventFilter(new ClipboardKeys(this));
    connect(model_, &LoadTableModel::edited, this, &LoadTableWindow::edited);

    auto* copy = new QPushButton("Copy", this);
    copy->setObjectName("tableCopy");
    copy->setToolTip("Copy the selected cells as tab-separated text");
    auto* paste = new QPushButton("Paste", this);
    paste->setObjectName("tablePaste");
    paste->setToolTip("Paste tab-separated text from the selected cell on");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("tableClose");
    close->setToolTip("Close form");
    connect(copy, &QPushButton::clicked, this, &LoadTableWindow::Copy);
    connect(paste, &QPushButton::clicked, this, &LoadTableWindow::Paste);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(paste);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(1000, 360);
}

void LoadTableWindow::Open() {
    model_->Reload();
    ShowOnTop(this, centred_);
}

void LoadTableWindow::Copy() {
    const QModelIndexList cells = view_->selectionModel()->selectedIndexes();
    if (cells.isEmpty()) return;
    int top = cells[0].row(), bottom = top, left = cells[0].column(), right = left;
    for (const QModelIndex& i : cells) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    QApplication::clipboard()->setText(model_->Text(top, left, bottom, right));
}

void LoadTableWindow::Paste() {
    const QModelIndex at = view_->currentIndex();
    model_->Paste(at.isValid() ? at.row() : 0, at.isValid() ? at.column() : 0, QApplication::clipboard()->text());
}

void LoadTableWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace qelvorn::ui
