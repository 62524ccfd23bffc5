// The text viewer: a read-only window showing a text file in a fixed-width
// font without line wrapping, so the report's columns line up. The program
// opens its files here instead of starting an outside editor.
//
// Beside a report (a text with section title blocks) it shows the summary of
// the checks, read from the text itself: per section the OKAY and NO GOOD ***
// counts, and every NO GOOD *** line. Choosing an entry scrolls the text to
// its line and highlights it. File > Print and File > Export to PDF print
// the text page by page (see report_print.h).
#pragma once

#include <QDateTime>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "report/summary.h"

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
    static TextViewer* Open(const QString& fileName, Dialogs* dialogs = nullptr);

    QString fileName() const { return fileName_; }
    QString text() const { return edit_->toPlainText(); }
    QPlainTextEdit* editor() const { return edit_; }

    const ReportSummary& summary() const { return summary_; }
    // The summary panel: hidden for a text without title blocks.
    QWidget* summaryPanel() const { return panel_; }
    QTreeWidget* sectionTable() const { return sections_; }  // title, line, OKAY, NO GOOD
    QListWidget* failureList() const { return failures_; }   // one entry per NO GOOD *** line

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
    TextViewer(const QString& fileName, const QString& text, Dialogs* dialogs);
    void BuildSummaryPanel();
    void BuildFindBar();
    QStringList Lines() const;

    QString fileName_;
    QDateTime loaded_;  // the file's time when it was read
    Dialogs* dialogs_;
    QWidget* findBar_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* notFound_ = nullptr;
    QPlainTextEdit* edit_;
    ReportSummary summary_;
    QWidget* panel_ = nullptr;
    QTreeWidget* sections_ = nullptr;
    QListWidget* failures_ = nullptr;
    int highlighted_ = 0;
};

}  // namespace qelvorn::ui
