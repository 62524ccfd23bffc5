// The text viewer: a read-only window showing a text file in a fixed-width
// font without line wrapping, so the report's columns line up. The program
// opens its files here instead of starting an outside editor, and the
// report of the results panel, written in memory, too.
//
// Beside a report written by a run of this session it shows the summary of
// the run's checks (report/summary.h): per section the OKAY and NO GOOD ***
// counts and the governing check, and every failing check. Choosing an entry
// scrolls the text to its line and highlights it. File > Print and File >
// Export to PDF print the text page by page (see report_print.h) after a
// summary page: the project's title, its cross-section with the results
// and the check summary. A file without the records of its
// run (an input file, a report from an earlier session) is shown alone.
#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

#include "report/summary.h"
#include "ui/report_print.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

namespace qelvorn::ui {

class Dialogs;

class TextViewer : public QWidget {
    Q_OBJECT
public:
    // Opens a viewer window on the file and shows it; nullptr when the file
    // cannot be read. The window deletes itself when closed. dialogs answers
    // the viewer's file dialog and messages (the Qt ones when null). A file
    // already shown is not opened twice: its viewer comes to the front (in
    // its place, showing the file anew when it changed since).
    // records: those of the run that wrote the file, or null; project: the
    // project of that run (its title and cross-section go on the printed
    // summary page, drawn with its Records), or null.
    static TextViewer* Open(const QString& fileName, Dialogs* dialogs = nullptr,
                            const RunRecords* records = nullptr, const Project* project = nullptr);
    // Opens a viewer on a text held in memory (a report written by a run
    // without a file) under a file name that names its window, print and
    // PDF ("NAME.out - not saved"); line ends may be CR LF. Such a viewer
    // is never taken for a file's.
    static TextViewer* OpenText(const QString& name, const QString& text, Dialogs* dialogs = nullptr,
                                const RunRecords* records = nullptr, const Project* project = nullptr);

    QString fileName() const { return fileName_; }  // empty for a text held in memory
    QString text() const { return edit_->toPlainText(); }
    QPlainTextEdit* editor() const { return edit_; }

    const CheckSummary& summary() const { return summary_; }
    // The summary panel: hidden when there are no check records.
    QWidget* summaryPanel() const { return panel_; }
    QTreeWidget* sectionTable() const { return sections_; }  // title, OKAY, NO GOOD, governing check
    QListWidget* failureList() const { return failures_; }   // one entry per failing check

    // Scrolls to the 1-based line, puts the cursor on it and highlights it.
    void goToLine(int line);
    int highlightedLine() const { return highlighted_; }  // 0 when none
    // First line shown at the top of the text area (1-based).
    int firstVisibleLine() const;

    // Find: the bar under the text (Ctrl+F shows it), searching without
    // regard to case; F3 and Shift+F3 find the next and the previous
    // occurrence. False when the text does not occur.
    QLineEdit* findField() const { return find_; }
    bool findNext(bool backward = false);

public slots:
    void Print();
    // Asks for a file name and writes the report as PDF.
    void ExportPdf();
    // Writes the PDF without asking; false when it could not be written.
    bool ExportPdfTo(const QString& pdfFile);

private:
    TextViewer(const QString& fileName, const QString& name, const QString& title, const QString& text, Dialogs* dialogs,
               const RunRecords* records, const Project* project);
    void BuildSummaryPanel();
    void BuildFindBar();
    QStringList Lines() const;
    QStringList SummaryLines() const;  // printed on the summary page; empty without checks
    // The page printed before the report; none without the records of a run.
    std::optional<SummaryPage> FirstPage() const;
    // The file the text is, or stands for when held in memory (a name in
    // the current folder), for naming a print or a PDF.
    QFileInfo DocumentFile() const;

    QString fileName_;
    QString name_;  // the file name shown in the title
    QDateTime loaded_;  // the file's time when it was read
    Dialogs* dialogs_;
    QWidget* findBar_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* notFound_ = nullptr;
    QPlainTextEdit* edit_;
    std::vector<CheckRecord> checks_;
    std::shared_ptr<const Project> project_;  // as the run left it
    CheckSummary summary_;
    QWidget* panel_ = nullptr;
    QTreeWidget* sections_ = nullptr;
    QListWidget* failures_ = nullptr;
    int highlighted_ = 0;
};

}  // namespace qelvorn::ui
