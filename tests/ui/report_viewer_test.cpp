// The report viewer: the check summary beside the report, navigation to a
// failed line, and printing into PDF (the summary page, page breaks, footer,
// page count and the text of the first two pages read back with pdftotext).
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeWidget>

#include "analysis/run.h"
#include "io/input_file.h"
#include "model/defaults.h"
#include "report/summary.h"
#include "scripted_dialogs.h"
#include "ui/report_print.h"
#include "ui/text_viewer.h"

using namespace qelvorn;
using namespace qelvorn::ui;

namespace {

QStringList FileLines(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(f.readAll()).split("\r\n");
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

class ReportViewerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    ScriptedDialogs d;
    QString report;      // an example with failed checks in two sections
    RunRecords records;  // of the run that wrote it
    Project project;     // as that run left it

    QString Tmp(const char* name) { return dir.filePath(name); }

private slots:
    void initTestCase() {
        report = Tmp("arema.out");
        Project p;
        ResetProject(p);
        p.InFile = QELVORN_SOURCE_DIR "/examples/spread-arema-english-sld.in";
        QVERIFY(ReadInputFile(p));
        p.OutFile = report.toStdString();
        struct : RunHost {
            void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
        } host;
        QCOMPARE(PerformCalculations(p, host), RunResult::Written);
        records = p.Records;
        project = p;
    }

    void summaryBesideTheReport() {
        TextViewer* v = TextViewer::Open(report, &d, &records);
        QVERIFY(v);
        QVERIFY(v->summaryPanel()->isVisible());
        // A row per section with checks, each failing check with its section.
        const CheckSummary s = SummarizeChecks(records.checks);
        QTreeWidget* t = v->sectionTable();
        QCOMPARE(t->topLevelItemCount(), static_cast<int>(s.sections.size()));
        QVERIFY(t->topLevelItemCount() >= 3);
        for (int i = 0; i < t->topLevelItemCount(); ++i) {
            const SectionChecks& sec = s.sections[static_cast<std::size_t>(i)];
            QCOMPARE(t->topLevelItem(i)->text(0), QString::fromStdString(sec.title));
            QCOMPARE(t->topLevelItem(i)->text(1).toInt(), sec.okay);
            QCOMPARE(t->topLevelItem(i)->text(2).toInt(), sec.noGood);
        }
        // The stem wall's steel stress and the spread footing's bearing pressure fail.
        QListWidget* f = v->failureList();
        QCOMPARE(f->count(), s.noGood());
        QVERIFY(f->count() >= 2);
        QVERIFY2(f->item(0)->text().contains("STEM WALL: "), qPrintable(f->item(0)->text()));
        QVERIFY(f->item(f->count() - 1)->text().contains("SPREAD FOOTING: "));
        v->close();

        // The report without the records of its run, and the input file: no panel.
        for (const QString& name : {report, QString(QELVORN_SOURCE_DIR "/examples/spread-arema-english-sld.in")}) {
            v = TextViewer::Open(name, &d);
            QVERIFY(v);
            QVERIFY(!v->summaryPanel()->isVisible());
            QCOMPARE(v->failureList()->count(), 0);
            v->close();
        }
    }

    void choosingAFailedLineShowsIt() {
        TextViewer* v = TextViewer::Open(report, &d, &records);
        QVERIFY(v);
        v->resize(900, 400);
        QTest::qWait(0);
        const QStringList lines = FileLines(report);
        QListWidget* f = v->failureList();
        f->setCurrentRow(f->count() - 1);
        const int line = v->highlightedLine();
        QVERIFY(line > 100);
        QVERIFY(lines[line - 1].endsWith("NO GOOD ***"));
        QVERIFY(f->currentItem()->text().startsWith(QString("%1  ").arg(line, 5)));
        QCOMPARE(v->editor()->textCursor().block().text(), lines[line - 1]);
        QCOMPARE(v->editor()->extraSelections().size(), 1);
        QCOMPARE(v->editor()->extraSelections()[0].cursor.block().text(), lines[line - 1]);
        // Scrolled into view, with a little context above.
        QVERIFY(v->firstVisibleLine() <= line && line < v->firstVisibleLine() + 10);

        // A section row leads to its governing check.
        v->sectionTable()->setCurrentItem(v->sectionTable()->topLevelItem(1));
        const int governing = records.checks[SummarizeChecks(records.checks).sections[1].governing].line;
        QCOMPARE(v->highlightedLine(), governing);
        QVERIFY(v->firstVisibleLine() <= governing);
        v->close();
    }

    void oneViewerPerFileAndFind() {
        const QString copy = Tmp("find.out");
        QVERIFY(QFile::copy(report, copy));
        QPointer<TextViewer> v = TextViewer::Open(copy, &d);
        QCOMPARE(TextViewer::Open(copy, &d), v.data());  // a second View: the same window
        v->findField()->setText("no good ***");            // any case
        QVERIFY(v->findNext());
        const int first = v->editor()->textCursor().blockNumber();
        QVERIFY(v->findNext());
        QVERIFY(v->editor()->textCursor().blockNumber() > first);
        QVERIFY(v->findNext(true));
        QCOMPARE(v->editor()->textCursor().blockNumber(), first);
        v->findField()->setText("in no report");
        QVERIFY(!v->findNext());
        // The file written again (a new run): its new text, in place of the old window.
        QFile f(copy);
        QVERIFY(f.open(QIODevice::Append));
        f.write("END\r\n");
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        f.close();
        TextViewer* again = TextViewer::Open(copy, &d);
        QVERIFY(again && again->text().endsWith("END\n"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!v);
        again->close();
    }

    void pageBreaksKeepTableHeadsWithTheirFirstRow() {
        QStringList lines;
        for (int i = 0; i < 8; ++i) lines << QString("     line %1").arg(i + 1);
        lines << "     LATERAL STABILITY:"                         // 9th line, index 8
              << ""
              << "         " + QString(61, '-')
              << "         COMB      LIMIT     FORCE"
              << "         " + QString(61, '-')
              << ""
              << "          1        SLS       0.0   OKAY"       // index 14
              << "                   ULS   1   0.0   OKAY";
        // Ten lines a page would break after the head; the break moves up
        // to the caption of the table.
        QCOMPARE(PageStarts(lines, 10), (std::vector<int>{0, 8}));
        // Fifteen lines hold the table's first row: no change.
        QCOMPARE(PageStarts(lines, 15), (std::vector<int>{0, 15}));
        // A head longer than a page is split where it must be.
        QCOMPARE(PageStarts(lines.mid(8), 4), (std::vector<int>{0, 4}));
        // The closing rule of a table is no head with the next table's.
        lines << "         " + QString(61, '-') << "" << "     NEXT:" << "" << "         " + QString(61, '-')
              << "         HEAD" << "         " + QString(61, '-') << "     row";
        const auto runs = KeepTogether(lines);
        QCOMPARE(runs.size(), std::size_t{2});
        QCOMPARE(runs[0], std::make_pair(8, 14));
        QCOMPARE(runs[1], std::make_pair(18, 23));
    }

    void pdfOfAnExample() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            // tools/install-deps.sh installs it: on the build server it must be there.
            if (qEnvironmentVariableIsSet("CI")) QFAIL("pdftotext (poppler-utils) not installed");
            QSKIP("pdftotext (poppler-utils) not installed");
        }
        const QStringList lines = FileLines(report);
        const QString pdf = Tmp("arema.pdf");
        const SummaryPage first{QString::fromStdString(project.Title), &project, {"CHECK SUMMARY"}};
        const PrintOutcome out = ExportReportPdf(pdf, lines, "arema.out", &first);
        QVERIFY(out.ok);
        // One report line per printed line: at least 50 lines on a page,
        // and the pages the layout asked for.
        QVERIFY2(out.linesPerPage >= 50 && out.linesPerPage <= 90, qPrintable(QString::number(out.linesPerPage)));
        const std::vector<int> starts = PageStarts(lines, out.linesPerPage);
        QCOMPARE(out.pages, static_cast<int>(starts.size()) + 1);  // the summary page first

        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(60000));
        QCOMPARE(text.exitCode(), 0);
        QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split('\f');
        if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
        QCOMPARE(pages.size(), out.pages);

        // The summary page: title, drawing with its dimension values, summary.
        QVERIFY(pages[0].contains("Main line MP 112.4") && pages[0].contains("Wf = "));
        QVERIFY(pages[0].contains("CHECK SUMMARY") && pages[0].contains("SLS comb "));
        // The report's first page: its lines up to the first break, in
        // order, then the footer.
        QStringList printed;
        for (const QString& l : pages[1].split('\n'))
            if (!l.trimmed().isEmpty()) printed << l.simplified();
        QStringList expected;
        for (int i = 0; i < starts[1]; ++i)
            if (!lines[i].trimmed().isEmpty()) expected << lines[i].simplified();
        expected << QString("arema.out Page 2 of %1").arg(out.pages);
        QCOMPARE(printed, expected);
        QVERIFY(pages.back().contains(QString("Page %1 of %1").arg(out.pages)));

        // No page starts inside a table head or a title block that the
        // page before could have taken whole.
        for (const auto& [first, last] : KeepTogether(lines))
            for (std::size_t pg = 1; pg < starts.size(); ++pg)
                QVERIFY2(!(first < starts[pg] && starts[pg] <= last && first > starts[pg - 1]),
                         qPrintable(QString("break at line %1").arg(starts[pg] + 1)));
    }

    void exportThroughTheMenuCommand() {
        TextViewer* v = TextViewer::Open(report, &d);
        QVERIFY(v);
        d.files = {Tmp("named")};  // no suffix: ".pdf" is added
        v->ExportPdf();
        QVERIFY(d.messages.empty());
        QFile head(Tmp("named.pdf"));
        QVERIFY(head.open(QIODevice::ReadOnly));
        QCOMPARE(head.read(5), QByteArray("%PDF-"));

        d.files = {"/nonexistent-qelvorn-folder/r.pdf"};
        v->ExportPdf();
        QCOMPARE(d.messages.size(), std::size_t{1});
        QCOMPARE(d.messages[0].title, QString("EXPORT PDF"));
        d.files = {};
        v->ExportPdf();  // cancelled
        QCOMPARE(d.messages.size(), std::size_t{1});
        v->close();
    }
};

QTEST_MAIN(ReportViewerTest)
#include "report_viewer_test.moc"
