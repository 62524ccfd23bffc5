#include "ui/text_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QVBoxLayout>

namespace qelvorn::ui {

TextViewer* TextViewer::Open(const QString& fileName) {
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) return nullptr;
    // Report lines end in CR LF; show them as plain lines.
    QString text = QString::fromLocal8Bit(file.readAll());
    text.replace("\r\n", "\n");
    auto* viewer = new TextViewer(fileName, text);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

TextViewer::TextViewer(const QString& fileName, const QString& text)
    : QWidget(nullptr, Qt::Window), fileName_(fileName), edit_(new QPlainTextEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(fileName).fileName() + " - " + QFileInfo(fileName).absolutePath());
    edit_->setReadOnly(true);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setPlainText(text);
    auto* menu = new QMenuBar(this);
    QMenu* fileMenu = menu->addMenu("&File");
    fileMenu->addAction("&Close", this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu);
    layout->addWidget(edit_);
    const int charWidth = edit_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    resize(charWidth * 84, 600);
}

}  // namespace qelvorn::ui
