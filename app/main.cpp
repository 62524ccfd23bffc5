// QELVORN, the window program. "qelvorn FILE.in" opens that project at
// start. With "--screenshot PNG" (and "--tab N") it fills the main window,
// with the named project or a new one, saves a picture of it and ends (used
// with the offscreen platform to make the documentation pictures); its
// messages then go to the error output instead of boxes. "--help" and
// "--version" print and end before the window system starts, so they work
// without a display.
#include <QApplication>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>
#include <cstring>

#include "analysis/run.h"
#include "model/defaults.h"
#include "model/project.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/program_windows.h"

namespace {

// Dialogs without windows: messages are printed, questions answered No.
class ConsoleDialogs : public qelvorn::ui::Dialogs {
public:
    void Beep() override {}
    void Message(QWidget*, const QString& text, const QString& title, qelvorn::MessageIcon) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(QString(text).replace('\r', '\n')));
    }
    bool AskYesNo(QWidget*, const QString&, const QString&) override { return false; }
    qelvorn::ui::SaveChoice AskSaveChanges(QWidget*, const QString&, const QString&) override {
        return qelvorn::ui::SaveChoice::Discard;
    }
    QString OpenFileName(QWidget*, const QStringList&, int) override { return {}; }
    QString SaveFileName(QWidget*, const QStringList&, int) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: qelvorn [FILE.in] [--screenshot PNG [--tab N]]\n"
                        "  The abutment design program's windows, with the project FILE.in open. Without\n"
                        "  a display, use qelvorn-run INPUT.in OUTPUT.out to calculate a project file.\n"
                        "  --screenshot PNG   save a picture of the main window and end\n"
                        "  --help, --version  print this text or the version and end\n");
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("qelvorn %d.%d.%d\n", qelvorn::kVersionMajor, qelvorn::kVersionMinor,
                        qelvorn::kVersionRevision);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("QELVORN");

    QString shot, file;
    int tab = 0;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--screenshot" && i + 1 < args.size()) shot = args[++i];
        else if (args[i] == "--tab" && i + 1 < args.size()) tab = args[++i].toInt();
        else if (!args[i].startsWith("--")) file = args[i];
    }

    static qelvorn::Project project;
    qelvorn::ui::QtDialogs windowDialogs;
    ConsoleDialogs consoleDialogs;
    qelvorn::ui::Dialogs& dialogs = shot.isEmpty() ? static_cast<qelvorn::ui::Dialogs&>(windowDialogs)
                                                   : consoleDialogs;
    qelvorn::ui::MainWindow window(project, dialogs);
    new qelvorn::ui::ProgramWindows(window, project, dialogs, QApplication::applicationDirPath());
    qelvorn::ui::CentreOnScreen(&window);
    qelvorn::ResetProject(project);
    window.FillMainWindow();
    window.history().Restart();
    const bool loaded = file.isEmpty() || window.LoadInputFile(file);

    if (!shot.isEmpty()) {
        if (!loaded) return 1;
        window.tabs()->setCurrentIndex(tab);
        window.show();
        QApplication::processEvents();
        return window.grab().save(shot) ? 0 : 1;
    }
    window.show();
    return QApplication::exec();
}
