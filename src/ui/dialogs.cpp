#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace qelvorn::ui {

void QtDialogs::Beep() { QApplication::beep(); }

void QtDialogs::Message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    switch (icon) {
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::AskYesNo(QWidget* parent, const QString& text, const QString& title) {
    // Lines of a question are joined by carriage returns.
    QMessageBox box(QMessageBox::Question, title, QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

SaveChoice QtDialogs::AskSaveChanges(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::Discard;
        default: return SaveChoice::Cancel;
    }
}

static QString RunFileDialog(QWidget* parent, const QStringList& filters, int selected, bool save,
                             const QString& suggested = {}) {
    QFileDialog dialog(parent);
    if (!suggested.isEmpty()) dialog.selectFile(suggested);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (selected >= 0 && selected < filters.size()) {
        dialog.selectNameFilter(filters[selected]);
        // A name typed without extension gets the selected filter's, so the
        // question about replacing a file asks about the right one.
        const QRegularExpressionMatch m = QRegularExpression(R"(\*\.(\w+))").match(filters[selected]);
        if (save && m.hasMatch()) dialog.setDefaultSuffix(m.captured(1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString QtDialogs::OpenFileName(QWidget* parent, const QStringList& filters, int selected) {
    return RunFileDialog(parent, filters, selected, false);
}

QString QtDialogs::SaveFileName(QWidget* parent, const QStringList& filters, int selected) {
    return RunFileDialog(parent, filters, selected, true);
}

QString QtDialogs::SaveFileNameLike(QWidget* parent, const QStringList& filters, int selected,
                                    const QString& suggested) {
    return RunFileDialog(parent, filters, selected, true, suggested);
}

}  // namespace qelvorn::ui
