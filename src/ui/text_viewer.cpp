#include "ui/text_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/dialogs.h"
#include "ui/report_print.h"

namespace qelvorn::ui {

namespace {

// The report line a summary entry leads to.
constexpr int kLineRole = Qt::UserRole;

Dialogs& DefaultDialogs() {
    static QtDialogs dialogs;
    return dialogs;
}

// The viewers open now, for finding the one that shows a file.
QList<QPointer<TextViewer>>& OpenViewers() {
    static QList<QPointer<TextViewer>> viewers;
    viewers.removeAll(nullptr);
    return viewers;
}

}  // namespace

TextViewer* TextViewer::Open(const QString& fileName, Dialogs* dialogs, const RunRecords* records,
                             const Project* project) {
    const QFileInfo info(fileName);
    QRect place;
    for (const QPointer<TextViewer>& v : OpenViewers()) {
        // A closed viewer is on its way out.
        if (!v || !v->isVisible() || v->fileName_.isEmpty() ||
            QFileInfo(v->fileName_).absoluteFilePath() != info.absoluteFilePath())
            continue;
        if (info.isFile() && info.lastModified() == v->loaded_) {
            v->showNormal();
            v->raise();
            v->activateWindow();
            return v;
        }
        // The file changed (a new run): the new text takes the old window's place.
        place = v->geometry();
        v->close();
    }
    QFile file(fileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return nullptr;
    // Report lines end in CR LF; show them as plain lines.
    QString text = QString::fromLocal8Bit(file.readAll());
    text.replace("\r\n", "\n");
    auto* viewer = new TextViewer(fileName, info.fileName(), info.fileName() + " - " + info.absolutePath(), text, dialogs, records, project);
    viewer->loaded_ = info.lastModified();
    OpenViewers().append(viewer);
    if (place.isValid()) viewer->setGeometry(place);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

TextViewer* TextViewer::OpenText(const QString& name, const QString& text, Dialogs* dialogs,
                                 const RunRecords* records, const Project* project) {
    auto* viewer = new TextViewer(QString(), name, name + " - not saved", QString(text).replace("\r\n", "\n"), dialogs, records, project);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

TextViewer::TextViewer(const QString& fileName, const QString& name, const QString& title, const QString& text,
                       Dialogs* dialogs, const RunRecords* records, const Project* project)
    : QWidget(nullptr, Qt::Window),
      fileName_(fileName),
      name_(name),
      dialogs_(dialogs ? dialogs : &DefaultDialogs()),
      edit_(new QPlainTextEdit(this)),
      checks_(records ? records->checks : std::vector<CheckRecord>{}),
      project_(records && project ? std::make_shared<const Project>(*project) : nullptr),
      summary_(SummarizeChecks(checks_)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    edit_->setReadOnly(true);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setPlainText(text);
    auto* menu = new QMenuBar(this);
    QMenu* fileMenu = menu->addMenu("&File");
    QAction* print = fileMenu->addAction("&Print...", this, &TextViewer::Print);
    print->setObjectName("actPrint");
    print->setShortcut(QKeySequence::Print);
    fileMenu->addAction("&Export to PDF...", this, &TextViewer::ExportPdf)->setObjectName("actExportPdf");
    fileMenu->addSeparator();
    fileMenu->addAction("&Close", this, &QWidget::close);
    QMenu* editMenu = menu->addMenu("&Edit");
    QAction* find = editMenu->addAction("&Find...", this, [this] {
        findBar_->show();
        find_->setFocus();
        find_->selectAll();
    });
    find->setObjectName("actFind");
    find->setShortcut(QKeySequence::Find);
    QAction* next = editMenu->addAction("Find &next", this, [this] { findNext(false); });
    next->setShortcut(QKeySequence::FindNext);
    QAction* previous = editMenu->addAction("Find &previous", this, [this] { findNext(true); });
    previous->setShortcut(QKeySequence::FindPrevious);
    BuildFindBar();

    BuildSummaryPanel();
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(edit_);
    split->addWidget(panel_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    panel_->setVisible(!summary_.sections.empty());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu);
    layout->addWidget(split);
    layout->addWidget(findBar_);
    const int charWidth = edit_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    resize(charWidth * (summary_.sections.empty() ? 84 : 140), 600);
}

void TextViewer::BuildSummaryPanel() {
    panel_ = new QWidget(this);
    panel_->setObjectName("summaryPanel");
    auto* v = new QVBoxLayout(panel_);
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(new QLabel(QString("Checks: %1 OKAY, %2 NO GOOD ***").arg(summary_.okay()).arg(summary_.noGood()),
                            panel_));

    // A section's row leads to its governing check.
    sections_ = new QTreeWidget(panel_);
    sections_->setObjectName("sectionTable");
    sections_->setRootIsDecorated(false);
    sections_->setColumnCount(4);
    sections_->setHeaderLabels({"Section", "OKAY", "NO GOOD", "Governing check"});
    for (const SectionChecks& s : summary_.sections) {
        const CheckRecord& g = checks_[s.governing];
        auto* item = new QTreeWidgetItem(
            sections_, {QString::fromStdString(s.title), QString::number(s.okay), QString::number(s.noGood),
                        QString("%1 %2").arg(static_cast<double>(g.utilization), 0, 'f', 3)
                            .arg(QString::fromStdString(g.where.empty() ? g.what : g.what + " at " + g.where))});
        item->setData(0, kLineRole, g.line);
        for (int c = 1; c < 3; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (s.noGood > 0) item->setForeground(2, Qt::red);
    }
    for (int c = 0; c < 3; ++c) sections_->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    v->addWidget(sections_, 1);

    v->addWidget(new QLabel("NO GOOD *** checks:", panel_));
    failures_ = new QListWidget(panel_);
    failures_->setObjectName("failureList");
    failures_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Whole lines: long ones wrap (and show in full as the hint).
    failures_->setWordWrap(true);
    failures_->setResizeMode(QListView::Adjust);
    for (std::size_t i : summary_.failures) {
        const CheckRecord& c = checks_[i];
        const QString text = QString("%1  %2: %3")
                                 .arg(c.line, 5)
                                 .arg(QString::fromStdString(c.section))
                                 .arg(QString::fromStdString(CheckText(c)));
        auto* item = new QListWidgetItem(text, failures_);
        item->setData(kLineRole, c.line);
        item->setToolTip(text);
    }
    v->addWidget(failures_, 1);

    // Choosing an entry, by mouse or keyboard, shows its line.
    connect(sections_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) goToLine(item->data(0, kLineRole).toInt());
    });
    connect(failures_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) goToLine(item->data(kLineRole).toInt());
    });
    // A second click on the current entry shows it again after scrolling away.
    connect(sections_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { goToLine(item->data(0, kLineRole).toInt()); });
    connect(failures_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { goToLine(item->data(kLineRole).toInt()); });
}

void TextViewer::goToLine(int line) {
    const QTextBlock block = edit_->document()->findBlockByNumber(line - 1);
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    edit_->setTextCursor(cursor);
    // Scroll so the line stands near the top with a few lines of context
    // above it: the section title or table head it belongs to.
    QScrollBar* bar = edit_->verticalScrollBar();
    bar->setValue(std::max(0, std::min(line - 1 - 3, bar->maximum())));
    QTextEdit::ExtraSelection mark;
    mark.cursor = cursor;
    mark.format.setBackground(QColor(255, 230, 120));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    edit_->setExtraSelections({mark});
    highlighted_ = line;
}

void TextViewer::BuildFindBar() {
    findBar_ = new QWidget(this);
    findBar_->setObjectName("findBar");
    auto* h = new QHBoxLayout(findBar_);
    h->setContentsMargins(4, 2, 4, 2);
    h->addWidget(new QLabel("Find:", findBar_));
    find_ = new QLineEdit(findBar_);
    find_->setObjectName("findText");
    find_->setClearButtonEnabled(true);
    h->addWidget(find_, 1);
    auto* previous = new QPushButton("Previous", findBar_);
    auto* next = new QPushButton("Next", findBar_);
    previous->setToolTip("Find the previous occurrence (Shift+F3)");
    next->setToolTip("Find the next occurrence (F3 or Enter)");
    notFound_ = new QLabel(findBar_);
    h->addWidget(previous);
    h->addWidget(next);
    h->addWidget(notFound_);
    connect(find_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(next, &QPushButton::clicked, this, [this] { findNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    findBar_->hide();
}

bool TextViewer::findNext(bool backward) {
    const QString what = find_->text();
    if (what.isEmpty()) {
        findBar_->show();
        find_->setFocus();
        return false;
    }
    QTextDocument::FindFlags flags;
    if (backward) flags |= QTextDocument::FindBackward;
    QTextCursor found = edit_->document()->find(what, edit_->textCursor(), flags);
    if (found.isNull()) {  // wrap around once
        QTextCursor from(edit_->document());
        if (backward) from.movePosition(QTextCursor::End);
        found = edit_->document()->find(what, from, flags);
    }
    notFound_->setText(found.isNull() ? "Not found" : QString());
    if (found.isNull()) return false;
    edit_->setTextCursor(found);
    edit_->ensureCursorVisible();
    return true;
}

int TextViewer::firstVisibleLine() const { return edit_->verticalScrollBar()->value() + 1; }

QStringList TextViewer::Lines() const {
    QStringList lines = text().split(QLatin1Char('\n'));
    // The file's last line end does not start a line of its own.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

void TextViewer::Print() {
    QPrinter printer(QPrinter::HighResolution);
    // A print to file is offered as the report's name beside the report.
    const QFileInfo report = DocumentFile();
    printer.setDocName(report.completeBaseName());
    const QString current = QDir::currentPath();
    QDir::setCurrent(report.absolutePath());
    QPrintDialog dialog(&printer, this);
    const int answer = dialog.exec();
    QDir::setCurrent(current);
    if (answer != QDialog::Accepted) return;
    const std::optional<SummaryPage> first = FirstPage();
    if (!PrintReport(printer, Lines(), report.fileName(), first ? &*first : nullptr).ok)
        dialogs_->Message(this, "Unable to print the report", "PRINT", MessageIcon::Information);
}

void TextViewer::ExportPdf() {
    const QFileInfo report = DocumentFile();
    QString name = dialogs_->SaveFileNameLike(this, {"PDF Files (*.pdf)", "All Files (*)"}, 0,
                                              report.absolutePath() + '/' + report.completeBaseName() + ".pdf");
    if (name.isEmpty()) return;
    if (QFileInfo(name).suffix().isEmpty()) name += ".pdf";
    if (!ExportPdfTo(name))
        dialogs_->Message(this, "Unable to write PDF file " + name, "EXPORT PDF", MessageIcon::Information);
}

bool TextViewer::ExportPdfTo(const QString& pdfFile) {
    const std::optional<SummaryPage> first = FirstPage();
    return ExportReportPdf(pdfFile, Lines(), DocumentFile().fileName(), first ? &*first : nullptr).ok;
}

QFileInfo TextViewer::DocumentFile() const {
    return QFileInfo(fileName_.isEmpty() ? QDir::current().filePath(name_) : fileName_);
}

std::optional<SummaryPage> TextViewer::FirstPage() const {
    if (summary_.sections.empty() && !project_) return std::nullopt;
    SummaryPage page;
    page.title = project_ ? QString::fromStdString(project_->Title).trimmed() : QString();
    if (page.title.isEmpty()) page.title = DocumentFile().fileName();
    page.project = project_.get();
    page.lines = SummaryLines();
    return page;
}

QStringList TextViewer::SummaryLines() const {
    if (summary_.sections.empty()) return {};
    QStringList lines;
    // Printed in the report's type, which fits at least 80 columns: longer
    // lines continue on the next, indented, broken at a blank.
    constexpr int kWidth = 80, kIndent = 8;
    for (QString line : QString::fromStdString("CHECK SUMMARY\n\n" + SummaryText(checks_)).split('\n')) {
        while (line.size() > kWidth) {
            int cut = line.lastIndexOf(QLatin1Char(' '), kWidth);
            if (cut <= kIndent) cut = kWidth;
            lines << line.left(cut);
            line = QString(kIndent, QLatin1Char(' ')) + line.mid(cut).trimmed();
        }
        lines << line;
    }
    lines.removeLast();  // after the last line end
    return lines;
}

}  // namespace qelvorn::ui
