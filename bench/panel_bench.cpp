// Benchmark of the results panel on the large project (20 pile rows, 30
// load combinations, side walls): from a keystroke in a field of the main
// window to the panel showing the new results. The time covers the field
// storing its value, the undo step, the evaluation of a copy of the project
// and the panel's rows; the window is shown on the offscreen platform.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_panel
#include <QLineEdit>
#include <QtTest>

#include "large_project.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/results_panel.h"

using namespace qelvorn;

class PanelBench : public QObject {
    Q_OBJECT
private slots:
    void keystrokeToPanel() {
        Project p;
        QVERIFY(bench::LargeProject(p));
        ui::QtDialogs dialogs;
        ui::MainWindow w(p, dialogs);
        w.FillMainWindow();
        w.history().Restart();
        w.show();
        QCoreApplication::processEvents();
        ui::ResultsPanel* panel = w.resultsPanel();
        QCOMPARE(panel->records().status, RunStatus::Ok);
        // The stem's bar area: a digit typed after it, then taken back.
        QLineEdit* field = w.field("Asw");
        field->setFocus();
        field->end(false);
        bool append = true;
        QBENCHMARK {
            const int before = panel->evaluations();
            QTest::keyClick(field, append ? Qt::Key_1 : Qt::Key_Backspace);
            append = !append;
            while (panel->evaluations() == before) QCoreApplication::processEvents();
        }
        QCOMPARE(panel->records().status, RunStatus::Ok);
        QVERIFY(panel->records().checks.size() > 40);
    }
};

QTEST_MAIN(PanelBench)
#include "panel_bench.moc"
