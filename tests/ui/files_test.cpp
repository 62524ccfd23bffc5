// File commands, the viewer and the calculation run through the windows:
// load, save and run an example end to end and compare the report with the
// batch runner's on the same file. File > Recent input files: the last five
// input files loaded or saved, most recent first, kept in the settings and
// loaded like File > Load input.
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

#include "io/input_file.h"
#include "scripted_dialogs.h"
#include "ui/recent_files.h"
#include "ui/text_viewer.h"

using namespace qelvorn;
using namespace qelvorn::ui;

namespace {

// The report's lines, the date and time of the run masked.
QStringList ReportLines(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression kDate(R"(\d{1,2}/\d\d/\d\d, \d{1,2}:\d\d [ap]m)");
    return QString::fromLatin1(f.readAll()).replace(kDate, "<date>").split("\r\n");
}

}  // namespace

class FilesTest : public QObject, NewProject {
    Q_OBJECT

    QTemporaryDir dir;
    const QString example = QELVORN_SOURCE_DIR "/examples/pile-aashto-both-sidewalls-english.in";

    QString Tmp(const QString& name) { return dir.filePath(name); }
    QString LastMessage() const { return d.messages.empty() ? QString() : d.messages.back().text; }
    void LoadExample() {
        d.files = {example};
        w->LoadInput();
    }
    QStringList MenuTexts() {
        QStringList texts;
        for (QAction* a : w->recentMenu()->actions()) texts << a->text();
        return texts;
    }
    // Loads a copy of an example under a name of its own.
    void Load(const QString& name) {
        QFile::remove(Tmp(name));
        QFile::copy(QELVORN_SOURCE_DIR "/examples/spread-lrfd-metric.in", Tmp(name));
        d.files = {Tmp(name)};
        w->LoadInput();
    }

private slots:
    void init() { Open(); }
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
        QCOMPARE(d.messages.size(), std::size_t{1});
        QCOMPARE(d.messages[0].title, QString("READ INPUT"));
        QCOMPARE(d.messages[0].text, "Error reading input file\n" + QDir::toNativeSeparators(Tmp("bad.in")) +
                                         ", line 2, field 1: the file ends before the last field");
        QCOMPARE(p.Hw, 240.0f);
        QVERIFY(p.InFile.empty());
    }

    void viewOrRunWithoutFilesAsksForThem() {
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
        QCOMPARE(LastMessage(), QString("Unable to view output file"));

        p.OutFile.clear();
        w->ShowOutputWindow();
        w->outputWindow()->performButton()->click();
        QVERIFY(!w->outputWindow()->isVisible());
        QCOMPARE(LastMessage(), QString("Please save output filename"));
        QVERIFY(w->isEnabled());
    }

    void loadSaveRunEndToEnd() {
        LoadExample();
        QVERIFY2(d.messages.empty(), qPrintable(LastMessage()));
        QCOMPARE(w->statusPanel(1)->text(), QString("Input file = pile-aashto-both-sidewalls-english.in"));
        QVERIFY(d.questions.empty());  // filling asks nothing
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
        out->performButton()->click();
        QVERIFY2(d.messages.empty(), qPrintable(LastMessage()));
        QVERIFY(w->isEnabled());

        // The batch runner on the file the window saved, with the same options.
        QProcess run;
        run.start(QELVORN_RUN_EXE, {"--sections", "echo,abutment,sidewalls,quantities", Tmp("saved.in"),
                                    Tmp("batch.out")});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        // The header names the output file: the only difference.
        QStringList windows = ReportLines(Tmp("report.out"));
        const QStringList batch = ReportLines(Tmp("batch.out"));
        QVERIFY(windows.join("\n").contains("S T A B I L I T Y"));
        windows.replaceInStrings("report.out", "batch.out");
        QCOMPARE(windows, batch);  // names the first line that differs

        // The viewer shows the report with its columns in a fixed-width font.
        w->ViewOutputFile();
        QVERIFY(w->lastViewer());
        QFile report(Tmp("report.out"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(w->lastViewer()->text(), QString::fromLatin1(report.readAll()).replace("\r\n", "\n"));
        QVERIFY(w->lastViewer()->editor()->isReadOnly());
        QVERIFY(QFontInfo(w->lastViewer()->editor()->font()).fixedPitch());
        QVERIFY(w->lastViewer()->summaryPanel()->isVisible());  // the checks of the run that wrote it
        w->lastViewer()->close();
        w->ViewInputFile();
        QCOMPARE(w->lastViewer()->fileName(), Tmp("saved.in"));
        QVERIFY(!w->lastViewer()->summaryPanel()->isVisible());
        w->lastViewer()->close();
    }

    void unsavedChangesAreOfferedForSaving() {
        d.files = {example, Tmp("copy")};  // saved under a name typed without extension
        w->LoadInput();
        QCOMPARE(w->statusPanel(2)->text(), QString("Output file = pile-aashto-both-sidewalls-english.out"));
        QCOMPARE(QFileInfo(QString::fromStdString(p.OutFile)).dir(), QFileInfo(example).dir());
        w->SaveInputAs();
        QCOMPARE(w->statusPanel(1)->text(), QString("Input file = copy.in"));
        Type(w->field("Hw"), "15");
        d.saveChoices = {SaveChoice::Cancel};
        w->ExitProgram();
        w->ResetAll();  // Discard
        QCOMPARE(d.saveQuestions, std::vector<QString>(2, "Save changes to copy.in?"));
        QCOMPARE(p.Hw, 0.0f);
        QCOMPARE(w->statusPanel(1)->text(), QString("No input file specified"));
        QCOMPARE(w->statusPanel(2)->text(), QString("No output file specified"));
        Project saved;
        saved.InFile = Tmp("copy.in").toStdString();
        QVERIFY(ReadInputFile(saved) && saved.Hw == 168.0f);  // the discarded 15 ft never reached the file

        Type(w->field("Hw"), "15");
        d.saveChoices = {SaveChoice::Save};
        d.files = {Tmp("new")};
        w->LoadInput();  // saved first, then the dialog for the file to load: cancelled
        QVERIFY(QFile::exists(Tmp("new.in")) && !w->projectChanged());
        QVERIFY(w->statusNote()->text().startsWith("Saved new.in - The following information is not complete: "));
        QVERIFY(d.messages.empty());  // incomplete, but saved: no box
        w->ResetAll();
        QCOMPARE(d.saveQuestions.size(), std::size_t{3});  // nothing changed since the save
    }

    void runFromTheToolBarShowsTheReport() {
        LoadExample();
        p.OutFile.clear();
        d.files = {Tmp("run")};
        QAction* run = w->findChild<QAction*>("tbRun");
        QCOMPARE(run->shortcut(), QKeySequence(Qt::Key_F5));
        run->trigger();
        QCOMPARE(d.messages.size(), std::size_t{1});
        QCOMPARE(d.messages[0].text, QString("Please save output filename"));
        QCOMPARE(w->statusPanel(2)->text(), QString("Output file = run.out"));
        TextViewer* viewer = w->lastViewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->fileName(), Tmp("run.out"));
        // The run's count of its checks is the viewer's, from the same records.
        const CheckSummary& checks = viewer->summary();
        QVERIFY(checks.okay() > 0);
        QCOMPARE(w->statusNote()->text(), QString("Report written: run.out (%1 checks, %2 fail)")
                                              .arg(checks.okay() + checks.noGood())
                                              .arg(checks.noGood()));
        // Again, ending in a calculation error: the partial report is shown
        // in the same place, once.
        p.Title = "Second run";
        p.Fsls[1] = 0;
        run->trigger();
        QVERIFY(!viewer->isVisible() && w->lastViewer()->text().startsWith("     Second run\n"));
        int views = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            views += qobject_cast<TextViewer*>(top) && top->isVisible() && top->windowTitle().startsWith("run.out");
        QCOMPARE(views, 1);
        w->lastViewer()->close();
    }

    void outputFileThatIsTheInputFileIsRefused() {
        d.files = {example, Tmp("p.in")};
        w->LoadInput();
        w->SaveInputAs();
        QVERIFY(QFile::link(Tmp("p.in"), Tmp("link.in")));
        const std::string before = p.OutFile;
        for (const QString& same : {Tmp("p.in"), dir.path() + "/./p.in", Tmp("link.in")}) {
            d.files = {same};
            w->SaveOutputAs();
            QCOMPARE(d.messages.back().title, QString("SAVE OUTPUT"));
            QCOMPARE(p.OutFile, before);
        }
    }

    void puttingRightAnUnknownUnitsKeywordDerivesTheConcreteAgain() {
        Project bad = p;
        bad.Units = "furlongs";
        bad.fc = 5000;
        bad.InFile = Tmp("bad-units.in").toStdString();
        QVERIFY(WriteInputFile(bad));
        d.files = {Tmp("bad-units.in")};
        w->LoadInput();
        w->option("english")->click();  // keeping the values (answered No)
        QCOMPARE(p.Ec, 4030509.0f);
        QCOMPARE(p.ModRatio, 7);
    }

    void calculationErrorReenablesTheWindow() {
        LoadExample();
        // A report in a folder that does not exist cannot be written.
        p.OutFile = Tmp("no-such-folder/fault.out").toStdString();
        p.OutTitle = "fault.out";
        w->PerformCalculations();
        QVERIFY2(!d.messages.empty() && d.messages.back().title == "PERFORM CALCULATIONS", qPrintable(LastMessage()));
        QVERIFY(LastMessage().startsWith("Calculation error"));
        QCOMPARE(d.messages.back().icon, MessageIcon::Critical);
        QVERIFY(w->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(w->statusPanel(2)->text(), QString("Output file = fault.out"));
    }

    void loadingAndSavingFillTheMenu() {
        QVERIFY(!w->recentMenu()->isEnabled());  // nothing used yet
        Load("a.in");
        d.files = {Tmp("saved.in")};
        w->SaveInputAs();
        QCOMPARE(MenuTexts(), QStringList({"&1 saved.in", "&2 a.in"}));
        QCOMPARE(w->recentMenu()->actions()[1]->toolTip(), Tmp("a.in"));
        // A file used again moves to the front, once; another spelling of
        // its path is the same file.
        d.files = {dir.path() + "/./a.in"};
        w->LoadInput();
        QCOMPARE(MenuTexts(), QStringList({"&1 a.in", "&2 saved.in"}));

        for (const char* name : {"b.in", "c.in", "d.in", "e.in", "f.in", "g.in"}) Load(name);
        const QStringList five({"&1 g.in", "&2 f.in", "&3 e.in", "&4 d.in", "&5 c.in"});
        QCOMPARE(MenuTexts(), five);
        // Kept in the settings: a new session lists them too.
        delete w;
        w = new MainWindow(p, d);
        QCOMPARE(MenuTexts(), five);
    }

    void choosingAnEntryLoadsIt() {
        Load("a.in");
        Load("b.in");
        p.Hw = 1;  // edited since
        w->recentMenu()->actions()[1]->trigger();  // "&2 a.in"
        QCOMPARE(p.InFile, Tmp("a.in").toStdString());
        QVERIFY(p.Hw > 1);
        QCOMPARE(w->statusPanel(1)->text(), QString("Input file = a.in"));
        QVERIFY(d.messages.empty());
        QCOMPARE(MenuTexts(), QStringList({"&1 a.in", "&2 b.in"}));  // used last: first

        // A file gone since: the load fails as File > Load input does and
        // the entry leaves the list; the project stays as it was.
        QVERIFY(QFile::remove(Tmp("b.in")));
        const float hw = p.Hw;
        w->recentMenu()->actions()[1]->trigger();
        QCOMPARE(d.messages.size(), std::size_t{1});
        QVERIFY(d.messages[0].text.startsWith("Error reading input file\n"));
        QCOMPARE(p.InFile, Tmp("a.in").toStdString());
        QCOMPARE(p.Hw, hw);
        QCOMPARE(MenuTexts(), QStringList({"&1 a.in"}));
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
