// The text viewer: a read-only window showing a text file in a fixed-width
// font without line wrapping, so the report's columns line up. The program
// opens its files here instead of starting an outside editor.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

namespace qelvorn::ui {

class TextViewer : public QWidget {
    Q_OBJECT
public:
    // Opens a viewer window on the file and shows it; nullptr when the file
    // cannot be read. The window deletes itself when closed.
    static TextViewer* Open(const QString& fileName);

    QString fileName() const { return fileName_; }
    QString text() const { return edit_->toPlainText(); }
    QPlainTextEdit* editor() const { return edit_; }

private:
    TextViewer(const QString& fileName, const QString& text);
    QString fileName_;
    QPlainTextEdit* edit_;
};

}  // namespace qelvorn::ui
