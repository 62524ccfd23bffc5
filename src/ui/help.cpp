#include "ui/help.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>
#include <utility>

#include "ui/small_windows.h"

namespace qelvorn::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle("QELVORN Help");
    setObjectName("HelpWindow");
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 520);
}

void HelpWindow::ShowTopic(const QString& fileName, const QString& html, const QString& topic) {
    const bool first = fileName_.isEmpty();
    if (fileName != fileName_ || browser_->toHtml().isEmpty()) {
        // The help file's figures lie beside it.
        browser_->setSearchPaths({QFileInfo(fileName).absolutePath()});
        browser_->setHtml(html);
        fileName_ = fileName;
    }
    topic_ = topic;
    show();
    if (first) CentreOnScreen(this);
    browser_->scrollToAnchor(topic);
    raise();
    activateWindow();
}

Help::Help(QString programDir, PlatformOpen open) : dir_(std::move(programDir)), open_(std::move(open)) {
    if (!open_) open_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

Help::~Help() { delete window_; }

// The help file beside the program (the build folder, a copied program
// folder); an installed program (PREFIX/bin) finds it in the data folder
// (PREFIX/share/qelvorn), given relative to the program's folder.
#ifndef QELVORN_INSTALLED_HELP_DIR
#define QELVORN_INSTALLED_HELP_DIR "../share/qelvorn"
#endif

QString Help::FileName() const {
    const QDir dir(dir_);
    const QString beside = dir.filePath(kHelpFile);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral(QELVORN_INSTALLED_HELP_DIR "/") + kHelpFile));
    return QFileInfo::exists(installed) ? installed : beside;
}

bool Help::ShowTopic(const QString& topic) {
    QFile file(FileName());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray content = file.readAll();
    // A compiled HTML Help file starts with its "ITSF" signature.
    if (content.startsWith("ITSF")) {
        open_(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
        return true;
    }
    if (!window_) window_ = new HelpWindow;
    window_->ShowTopic(FileName(), QString::fromUtf8(content), topic);
    return true;
}

}  // namespace qelvorn::ui
