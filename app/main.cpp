// QELVORN, the window program. With "--screenshot FILE" it fills the main
// window of a new project, saves a picture of it and ends (used with the
// offscreen platform to make the documentation picture).
#include <QApplication>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include "model/defaults.h"
#include "model/project.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/program_windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QELVORN");

    static qelvorn::Project project;
    qelvorn::ui::QtDialogs dialogs;
    qelvorn::ui::MainWindow window(project, dialogs);
    new qelvorn::ui::ProgramWindows(window, project, dialogs, QApplication::applicationDirPath());
    qelvorn::ui::CentreOnScreen(&window);
    qelvorn::ResetProject(project);
    window.FillMainWindow();

    const QStringList args = QApplication::arguments();
    const qsizetype shot = args.indexOf("--screenshot");
    if (shot >= 0 && shot + 1 < args.size()) {
        const int tab = args.indexOf("--tab") >= 0 ? args.value(args.indexOf("--tab") + 1).toInt() : 0;
        window.tabs()->setCurrentIndex(tab);
        window.show();
        QApplication::processEvents();
        return window.grab().save(args[shot + 1]) ? 0 : 1;
    }
    window.show();
    return QApplication::exec();
}
