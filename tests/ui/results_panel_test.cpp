// The results panel: it follows typing and undo on a copy of the project,
// lists what an incomplete project lacks with its fields highlighted, shows
// a calculation error's cause, and opens the report at a row's check.
#include <QListWidget>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTreeWidget>

#include "report/summary.h"
#include "scripted_dialogs.h"
#include "ui/results_panel.h"

using namespace qelvorn;
using namespace qelvorn::ui;

class ResultsPanelTest : public QObject, NewProject {
    Q_OBJECT

    ResultsPanel* panel() const { return w->resultsPanel(); }
    // The verdict once the edits are evaluated.
    QString Verdict() {
        QCoreApplication::processEvents();
        return QTest::qWaitFor([this] { return !panel()->pending(); }) ? panel()->verdict()->text() : QString();
    }
    QString Notes() const {
        QStringList lines;
        for (int i = 0; i < panel()->notes()->count(); ++i) lines << panel()->notes()->item(i)->text();
        return lines.join('\n');
    }
    bool ToFill(const char* field) const { return w->field(field)->property("toFill").toBool(); }
    void Load(const char* example) {
        QVERIFY(w->LoadInputFile(QString(QELVORN_SOURCE_DIR "/examples/%1.in").arg(example)));
    }

private slots:
    void init() { Open(); }
    void cleanup() { delete w; }

    void followsEditsAndUndo() {
        QSignalSpy updated(w, &MainWindow::resultsUpdated);
        QCOMPARE(Verdict(), QString("Input incomplete"));  // a new project
        QVERIFY(Notes().contains("Abutment configuration"));
        QVERIFY(ToFill("Hw") && ToFill("Wf") && !ToFill("Hb") && !ToFill("fc"));
        Load("pile-aashto-english");
        p.OutFile.clear();  // evaluated without an output file
        QCOMPARE(Verdict(), QString("All checks pass"));
        QVERIFY(!ToFill("Hw") && panel()->fieldsToFill().empty() && panel()->notes()->isHidden());
        QCOMPARE(panel()->sectionTable()->topLevelItem(1)->text(0), QString("STEM WALL"));
        const int before = panel()->evaluations();
        Type(w->field("Asw"), "0.1");
        const QString fails = Verdict();
        QCOMPARE(panel()->evaluations(), before + 1);  // three keystrokes in one pass, one evaluation
        QCOMPARE(fails, QString("%1 checks fail").arg(SummarizeChecks(panel()->records().checks).noGood()));
        QVERIFY(panel()->sectionTable()->topLevelItem(1)->text(2).toFloat() > 1);
        w->history().undoAction()->trigger();
        QCOMPARE(Verdict(), QString("All checks pass"));
        QCOMPARE(updated.count(), panel()->evaluations());
        // The window's project is not the one evaluated.
        QCOMPARE(p.Records.status, RunStatus::NotRun);
        QVERIFY(p.OutFile.empty());
    }

    void calculationErrorShowsItsCause() {
        Load("pile-aashto-english");
        Type(w->field("SAsb"), "0");
        QCOMPARE(Verdict(), QString("Calculation error"));
        QCOMPARE(Notes(), QString("Arithmetic fault in section BACK WALL: zero back wall reinforcing area or spacing"));
    }

    void rowOpensTheReportAtItsGoverningCheck() {
        Load("spread-arema-english-sld");
        Verdict();
        w->show();
        QVERIFY(panel()->isVisible() && w->findChild<QAction*>("actResultsPanel")->isChecked());  // by default
        QTreeWidget* t = panel()->sectionTable();
        QStringList titles;
        for (int i = 0; i < t->topLevelItemCount(); ++i) titles << t->topLevelItem(i)->text(0);
        QCOMPARE(titles, QStringList({"BACK WALL", "STEM WALL", "STABILITY", "SPREAD FOOTING", "FOOTING TOE",
                                      "FOOTING HEEL"}));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->topLevelItem(3)).center());
        TextViewer* v = panel()->viewer();
        QVERIFY(v && v->fileName().isEmpty());
        const auto& checks = panel()->records().checks;
        const auto g = std::find_if(checks.begin(), checks.end(),
                                    [&](const CheckRecord& c) { return c.line == v->highlightedLine(); });
        QVERIFY(g != checks.end() && g->what == "bearing_pressure" && !g->ok);
        QCOMPARE(t->topLevelItem(3)->text(2), QString::number(g->utilization, 'f', 3));
        QVERIFY(v->editor()->document()->findBlockByNumber(g->line - 1).text().endsWith("NO GOOD ***"));
        v->close();
    }
};

QTEST_MAIN(ResultsPanelTest)
#include "results_panel_test.moc"
