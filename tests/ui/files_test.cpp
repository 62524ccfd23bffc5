// File commands, the viewer and the calculation run through the windows:
// load, save and run an example end to end and compare the report with the
// batch runner's on the same file.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "model/defaults.h"
#include "scripted_dialogs.h"
#include "ui/main_window.h"

using namespace qelvorn;
using namespace qelvorn::ui;

namespace {

QString ReadAll(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll());
}

// The version line carries the date and time of the run.
QString MaskDate(QString report) {
    static const QRegularExpression kDate(R"(\d{1,2}/\d\d/\d\d, \d{1,2}:\d\d [ap]m)");
    return report.replace(kDate, "<date>");
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

    Project p;
    ScriptedDialogs d;
    MainWindow* w = nullptr;
    QTemporaryDir dir;
    const QString example = QELVORN_SOURCE_DIR "/examples/pile-aashto-both-sidewalls-english.in";

    QString Tmp(const char* name) { return dir.filePath(name); }

private slots:
    void init() {
        p = Project();
        d = ScriptedDialogs();
        w = new MainWindow(p, d);
        ResetProject(p);
        w->FillMainWindow();
    }
    void cleanup() { delete w; }

    void cancelledDialogsChangeNothing() {
        w->LoadInput();
        w->SaveInputAs();
        w->SaveOutputAs();
        QVERIFY(p.InFile.empty() && p.OutFile.empty());
        QCOMPARE(w->statusPanel(1)->text(), QString("No input file specified"));
        QCOMPARE(w->statusPanel(2)->text(), QString("No output file specified"));
        QVERIFY(d.messages.empty());
        QCOMPARE(d.lastFilters, QStringList({"All Files (*)", "Output Files (*.out)", "Text Files (*.txt)"}));
        QCOMPARE(d.lastSelectedFilter, 1);
    }

    void unreadableFileKeepsTheProject() {
        QFile bad(Tmp("bad.in"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not an input file\r\n");
        bad.close();
        p.Hw = 240;
        d.files = {Tmp("bad.in")};
        w->LoadInput();
        QCOMPARE(d.lastFilters, QStringList({"All Files (*)", "Input Files (*.in)", "Text Files (*.txt)"}));
        QCOMPARE(d.lastSelectedFilter, 1);
        QCOMPARE(d.messages.size(), std::size_t{1});
        QCOMPARE(d.messages[0].title, QString("READ INPUT"));
        QCOMPARE(d.messages[0].text, QString("Error reading input file"));
        QCOMPARE(p.Hw, 240.0f);
        QVERIFY(p.InFile.empty());
        QCOMPARE(w->statusPanel(1)->text(), QString("No input file specified"));
    }

    void viewWithoutFilesAsksForThem() {
        w->ViewInputFile();
        w->ViewOutputFile();
        QCOMPARE(d.beeps, 2);
        QCOMPARE(d.messages.size(), std::size_t{2});
        QCOMPARE(d.messages[0].text, QString("Please save input file"));
        QCOMPARE(d.messages[0].title, QString("VIEW INPUT"));
        QCOMPARE(d.messages[1].text, QString("Please save output file"));
        QCOMPARE(d.messages[1].title, QString("VIEW OUTPUT"));
        p.OutFile = Tmp("missing.out").toStdString();
        w->ViewOutputFile();
        QCOMPARE(d.messages.back().text, QString("Unable to view output file"));
    }

    void runWithoutOutputFile() {
        w->ShowOutputWindow();
        w->outputWindow()->performButton()->click();
        QVERIFY(!w->outputWindow()->isVisible());
        QCOMPARE(d.messages.size(), std::size_t{1});
        QCOMPARE(d.messages[0].text, QString("Please save output filename"));
        QCOMPARE(d.messages[0].title, QString("PERFORM CALCULATIONS"));
        QVERIFY(w->isEnabled());
    }

    void loadSaveRunEndToEnd() {
        QVERIFY(QFile::exists(example));
        d.files = {example};
        w->LoadInput();
        QVERIFY2(d.messages.empty(), qPrintable(d.messages.empty() ? "" : d.messages[0].text));
        QCOMPARE(w->statusPanel(1)->text(), QString("Input file = pile-aashto-both-sidewalls-english.in"));
        QVERIFY(d.questions.empty());  // filling asks nothing
        QVERIFY(p.Ls > 0);
        QVERIFY(w->outputWindow()->box(3)->isChecked());  // side walls in the file

        d.files = {Tmp("saved.in"), Tmp("report.out")};
        w->SaveInputAs();
        QCOMPARE(w->statusPanel(1)->text(), QString("Input file = saved.in"));
        w->SaveOutputAs();
        QCOMPARE(w->statusPanel(2)->text(), QString("Output file = report.out"));
        QVERIFY(!QFile::exists(Tmp("report.out")));  // naming writes nothing

        w->ShowOutputWindow();
        OutputWindow* out = w->outputWindow();
        if (!out->box(4)->isChecked()) out->box(4)->click();
        QCOMPARE(p.chko4, kTrue);
        out->performButton()->click();
        QVERIFY2(d.messages.empty(), qPrintable(d.messages.empty() ? "" : d.messages[0].text));
        QVERIFY(w->isEnabled());
        QCOMPARE(w->statusPanel(1)->text(), QString("Input file = saved.in"));
        QCOMPARE(w->statusPanel(2)->text(), QString("Output file = report.out"));

        // The batch runner on the file the window saved, with the same options.
        QProcess run;
        run.start(QELVORN_RUN_EXE, {"--sections", "echo,abutment,sidewalls,quantities", Tmp("saved.in"),
                                    Tmp("batch.out")});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        const QString windows = ReadAll(Tmp("report.out")), batch = ReadAll(Tmp("batch.out"));
        QVERIFY(windows.contains("S T A B I L I T Y"));
        // The header names the files by their titles: the same in both runs
        // apart from the output name.
        const QStringList a = MaskDate(windows).replace("report.out", "batch.out").split("\r\n");
        const QStringList b = MaskDate(batch).split("\r\n");
        for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
            QVERIFY2(a[i] == b[i], qPrintable(QString("line %1:\n  windows: %2\n  batch:   %3").arg(i + 1).arg(a[i], b[i])));
        QCOMPARE(a.size(), b.size());

        // The viewer shows the report with its columns in a fixed-width font.
        w->ViewOutputFile();
        QVERIFY(w->lastViewer());
        QCOMPARE(w->lastViewer()->text(), QString(windows).replace("\r\n", "\n"));
        QVERIFY(w->lastViewer()->editor()->isReadOnly());
        QVERIFY(QFontInfo(w->lastViewer()->editor()->font()).fixedPitch());
        w->lastViewer()->close();
        w->ViewInputFile();
        QVERIFY(w->lastViewer());
        QCOMPARE(w->lastViewer()->fileName(), Tmp("saved.in"));
        w->lastViewer()->close();
    }

    void calculationErrorReenablesTheWindow() {
        d.files = {example};
        w->LoadInput();
        // A report in a folder that does not exist cannot be written.
        p.OutFile = Tmp("no-such-folder/fault.out").toStdString();
        p.OutTitle = "fault.out";
        w->PerformCalculations();
        QVERIFY2(!d.messages.empty() && d.messages.back().title == "PERFORM CALCULATIONS",
                 qPrintable(d.messages.empty() ? QString("no message") : d.messages.back().text));
        QVERIFY(w->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(w->statusPanel(2)->text(), QString("Output file = fault.out"));
        QVERIFY(d.messages.back().text.startsWith("Calculation error"));
        QCOMPARE(d.messages.back().icon, MessageIcon::Critical);
    }

    void resetEmptiesTheTitle() {
        w->ShowTitleWindow();
        QTest::keyClicks(w->titleWindow()->field(), "Abutment A");
        QCOMPARE(p.Title, std::string("Abutment A"));
        w->titleWindow()->hide();
        QCOMPARE(p.Title, std::string("Abutment A"));
        w->ResetAll();
        QCOMPARE(p.Title, std::string());
        QCOMPARE(w->titleWindow()->field()->text(), QString());
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
