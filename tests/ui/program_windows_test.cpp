// The load combinations, pile layout, lateral load - moment, title, output,
// about and help windows, driven through the main window as the user does:
// stepping, typing, adding and deleting rows, resizing the tables from the
// main window while the other windows are open.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QTableView>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include "scripted_dialogs.h"
#include "ui/program_windows.h"

using namespace qelvorn;
using namespace qelvorn::ui;

class ProgramWindowsTest : public QObject, NewProject {
    Q_OBJECT

    QTemporaryDir dir;  // the program's folder, without a help file unless a test puts one there
    std::vector<QUrl> platformOpened;
    ProgramWindows* pw = nullptr;

    // Clicks the main window's button or triggers its menu command.
    void Do(const char* name) {
        if (auto* b = w->findChild<QPushButton*>(name)) return b->click();
        auto* a = w->findChild<QAction*>(name);
        QVERIFY2(a, name);
        a->trigger();
    }
    LoadCombinationsWindow* lw() const { return pw->loadWindow(); }
    History& h() const { return w->history(); }
    PileLayoutWindow* plw() const { return pw->pileLayoutWindow(); }

private slots:
    void init() {
        Open();
        platformOpened.clear();
        pw = new ProgramWindows(*w, p, d, dir.path(), [this](const QUrl& u) {
            platformOpened.push_back(u);
            return true;
        });
        w->FillMainWindow();
    }
    void cleanup() { delete w; }

    // ------------------------------------------------- load combinations

    void loadWindowStepsThroughTheCombinations() {
        Do("viewLoadCombinations");
        QCOMPARE(lw()->frame()->title(), QString("LOAD COMBINATION NO  1"));
        QCOMPARE(lw()->field("LoadTitle")->text(), QString("Construction 1 - place superstructure before backfill"));
        QCOMPARE(lw()->field("Fsls")->text(), QString("1.500"));
        lw()->Next();
        lw()->Next();
        QCOMPARE(lw()->field("Fdamin")->text(), QString("0.975"));
        Do("viewLoadCombinations");  // shown again: back at combination 1
        lw()->Previous();
        QCOMPARE(lw()->row(), 1);
        for (int i = 0; i < 8; ++i) lw()->nextButton()->click();
        QCOMPARE(lw()->frame()->title(), QString("LOAD COMBINATION NO  6"));  // next at the last row leaves it
    }

    // Adding after row 2 shows the new row 3; deleting the last row shows
    // the new last one; the last combination is never deleted.
    void addAndDeleteAskAndShowTheirRow() {
        Do("viewLoadCombinations");
        lw()->Next();
        Type(lw()->field("Feqmax"), "1.3x");
        QCOMPARE(p.Feqmax[2], 1.3f);
        const std::string third = p.LoadTitle[3];
        lw()->addButton()->click();  // answered No
        QCOMPARE(d.questions.back(), QString("Are you sure you want to add a load combination?"));
        QCOMPARE(p.NLC, 6);
        d.answers = {true};
        lw()->addButton()->click();
        QCOMPARE(lw()->frame()->title(), QString("LOAD COMBINATION NO  3"));
        QCOMPARE(lw()->field("Fsls")->text(), QString("1.000"));
        QCOMPARE(p.LoadTitle[4], third);
        QCOMPARE(w->field("nlc")->text(), QString("7"));  // the main window was filled again

        for (int i = 0; i < 4; ++i) lw()->Next();
        d.answers = {true};
        lw()->deleteButton()->click();
        QCOMPARE(d.questions.back(), QString("Are you sure you want to delete a load combination?"));
        QCOMPARE(lw()->row(), 6);
        QCOMPARE(lw()->field("LoadTitle")->text(), QString("Group V - no live load with bearing friction"));

        d.answers = {true, true, true, true, true};
        for (int i = 0; i < 5; ++i) lw()->deleteButton()->click();
        QCOMPARE(p.NLC, 1);
        const std::size_t asked = d.questions.size();
        lw()->deleteButton()->click();
        QCOMPARE(d.questions.size(), asked);  // no question, a message instead
        QCOMPARE(d.messages.size(), std::size_t{1});
        QCOMPARE(d.messages[0].text, QString("Cannot delete all load combinations"));
        QCOMPARE(p.NLC, 1);
    }

    // ------------------------------------------- undo, redo, the table

    void undoAndRedoEveryKindOfEdit() {
        Type(w->field("Hw"), "150");  // three keys, one step
        Type(w->field("Tw"), "2");
        w->option("nohaunch")->click();
        w->option("metric")->click();  // answered No: the values converted
        Do("viewLoadCombinations");
        lw()->Next();
        const float feqmax = p.Feqmax[2];
        Type(lw()->field("Feqmax"), "1.3");
        d.answers = {true};
        lw()->addButton()->click();
        QCOMPARE(h().stack().count(), 6);
        p.OutFile = "keep.out";  // file names are not edits
        for (int i = 0; i < 3; ++i) h().undoAction()->trigger();
        QCOMPARE(p.NLC, 6);
        QCOMPARE(p.Feqmax[2], feqmax);
        QCOMPARE(lw()->field("Feqmax")->text(), QString::fromStdString(FactorText(feqmax)));
        QCOMPARE(p.LengthFactor, 12.0f);
        QVERIFY(w->option("english")->isChecked());
        for (int i = 0; i < 3; ++i) h().undoAction()->trigger();
        QCOMPARE(p.Hw, 0.0f);
        QCOMPARE(w->field("Hw")->text(), QString("0.000"));
        QVERIFY(!w->field("Hh")->isHidden() && !h().Modified());
        QCOMPARE(p.OutFile, std::string("keep.out"));
        for (int i = 0; i < 6; ++i) h().redoAction()->trigger();
        QCOMPARE(p.Hw, 45720.0f);  // 150 ft, converted to mm by the change of units
        QCOMPARE(p.NLC, 7);
        QCOMPARE(p.Units, std::string("metric"));

        // A change made as a whole is one step; the windows show it.
        Project b = p;
        b.Tw = 3000.0f;
        b.Asw = 600.0f;
        h().Push(p, b, "Apply");
        QCOMPARE(w->field("Tw")->text(), QString("3.000"));
        h().undoAction()->trigger();
        QCOMPARE(p.Asw, 0.0f);

        // Ctrl+Z in a field undoes the project's step, not the field's text.
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        Type(w->field("Lw"), "40");
        QTest::keyClick(w->field("Lw"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.Lw, 0.0f);
        QCOMPARE(w->field("Lw")->text(), QString("0.000"));
    }

    void combinationTableEditsCopiesAndPastes() {
        Do("viewLoadTable");
        LoadTableModel* m = pw->loadTableWindow()->model();
        QCOMPARE(m->rowCount(), 6);
        QCOMPARE(m->columnCount(), 38);  // title, 36 factors, Fsls
        QCOMPARE(m->data(m->index(2, 13), Qt::DisplayRole).toString(), QString("0.975"));  // Fdamin of row 3
        Do("viewLoadCombinations");
        lw()->Next();
        lw()->Next();
        QVERIFY(m->setData(m->index(2, 13), "1.1x", Qt::EditRole));
        QCOMPARE(p.Fdamin[3], 1.1f);
        QCOMPARE(lw()->field("Fdamin")->text(), QString("1.100"));
        Type(lw()->field("Fsls"), "2");
        QCOMPARE(m->data(m->index(2, 37), Qt::DisplayRole).toString(), QString("2.000"));

        // Two rows copied and pasted under the last: two new combinations, one step.
        pw->loadTableWindow()->view()->selectionModel()->select(
            QItemSelection(m->index(0, 0), m->index(1, 37)), QItemSelectionModel::Select);
        pw->loadTableWindow()->Copy();
        const QString rows = QApplication::clipboard()->text();
        QCOMPARE(rows.count('\t'), 2 * 37);
        QVERIFY(m->Paste(6, 0, rows));
        QCOMPARE(p.NLC, 8);
        QCOMPARE(p.LoadTitle[7], p.LoadTitle[1]);
        QCOMPARE(p.Fsls[8], p.Fsls[2]);
        QCOMPARE(w->field("nlc")->text(), QString("8"));
        h().undoAction()->trigger();
        QCOMPARE(p.NLC, 6);
        QCOMPARE(m->rowCount(), 6);
        // A spreadsheet's lines end in CR LF; cells past the last column are
        // dropped; a cell without a number stores 0.
        QVERIFY(m->Paste(0, 36, "1.25\t2\t3\r\nabc\r\n"));
        QCOMPARE(p.Feqsls[1], 1.25f);
        QCOMPARE(p.Fsls[1], 2.0f);
        QCOMPARE(p.Feqsls[2], 0.0f);
        QCOMPARE(p.NLC, 6);
    }

    // ------------------------------------------------------- pile layout

    void pileRowsStoreWithTheirFactors() {
        Type(w->field("NROWS"), "3");
        Do("viewPileLayout");
        QCOMPARE(plw()->frame()->title(), QString("PILE ROW NO  1"));
        Type(plw()->field("PILEX"), "4.5");
        QCOMPARE(p.PILEX[1], 54.0f);  // feet to inches
        Type(plw()->field("PILEN"), "2.5");
        QCOMPARE(p.PILEN[1], 2);  // halves to even
        Type(plw()->field("PILENB"), "3.5");
        QCOMPARE(p.PILENB[1], 4);
        for (int i = 0; i < 4; ++i) plw()->nextButton()->click();
        QCOMPARE(plw()->frame()->title(), QString("PILE ROW NO  3"));
        for (int i = 0; i < 4; ++i) plw()->previousButton()->click();
        QCOMPARE(plw()->field("PILEX")->text(), QString(" 4.5"));

        d.answers = {true};
        w->option("metric")->click();
        QCOMPARE(plw()->field("PILES")->toolTip(), QString("Maximum pile spacing (meters)"));
        Type(plw()->field("PILEX"), "1.2");
        QCOMPARE(p.PILEX[1], 1200.0f);  // meters to millimeters
    }

    // The drawing beside the pile layout follows the rows as they are typed and counted.
    void drawingFollowsThePileRows() {
        QVERIFY(w->LoadInputFile(QELVORN_SOURCE_DIR "/examples/pile-arema-english-fixed-battered.in"));
        w->tabs()->setCurrentIndex(2);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect r(w->drawing(true)->mapTo(w, QPoint()), w->drawing(true)->size());
        auto shown = [&] {
            QCoreApplication::processEvents();
            return w->screen()->grabWindow(w->winId(), r.x(), r.y(), r.width(), r.height()).toImage();
        };
        Do("viewPileLayout");
        const QImage threeRows = shown();
        Type(plw()->field("PILEX"), "6");
        const QImage moved = shown();
        QVERIFY(moved != threeRows);
        Type(w->field("NROWS"), "1");
        QVERIFY(shown() != moved);
    }

    void pileMomentWindow() {
        w->option("fix")->click();
        w->pileMomentButton()->click();
        PileMomentWindow* pm = pw->pileMomentWindow();
        Type(pm->field("pile1v"), "10");
        QCOMPARE(p.pile1v, 10000.0f);  // kips to lb
        Type(pm->field("pile1m"), "5");
        QCOMPARE(p.pile1m, 60000.0f);  // k-ft to lb-in
        w->FillMainWindow();
        QCOMPARE(pm->field("pile1m")->text(), QString("5.00"));
    }

    // -------------------------------------- each window keeps its own row

    void stepResizeTypeNeverLeavesATable() {
        Type(w->field("NROWS"), "3");
        Do("viewPileLayout");
        Do("viewLoadCombinations");
        for (int i = 0; i < 5; ++i) lw()->Next();  // combination 6
        Type(plw()->field("PILEX"), "2");           // the pile window is still at row 1
        QCOMPARE(p.PILEX[1], 24.0f);

        plw()->Next();
        plw()->Next();  // pile row 3
        d.answers = {true};
        Type(w->field("nlc"), "2");  // two empty combinations
        QTest::keyClick(w->field("nlc"), Qt::Key_Return);
        QCOMPARE(lw()->row(), 2);
        QCOMPARE(lw()->frame()->title(), QString("LOAD COMBINATION NO  2"));
        Type(lw()->field("Fdamax"), "1.25");
        QCOMPARE(p.Fdamax[2], 1.25f);
        QCOMPARE(p.Fdamax.size(), std::size_t{3});
        QCOMPARE(plw()->row(), 3);  // the other window's row is its own

        Type(w->field("NROWS"), "1");
        QCOMPARE(plw()->frame()->title(), QString("PILE ROW NO  1"));
        Type(plw()->field("PILEN"), "7");
        QCOMPARE(p.PILEN[1], 7);
        QCOMPARE(p.PILEN.size(), std::size_t{2});

        // A count of 0 keeps the old rows in memory but leaves nothing to
        // edit: the windows go away and do not open again.
        Type(w->field("NROWS"), "0");
        QVERIFY(!plw()->isVisible());
        d.answers = {true};
        Type(w->field("nlc"), "0");
        QTest::keyClick(w->field("nlc"), Qt::Key_Return);
        QVERIFY(!lw()->isVisible());
        QCOMPARE(p.LoadTitle.size(), std::size_t{3});
        Do("viewLoadCombinations");
        Do("viewPileLayout");
        QVERIFY(!lw()->isVisible() && !plw()->isVisible());
    }

    void rowCheckedEvenWhenTheTableChangesUnseen() {
        Do("viewLoadCombinations");
        for (int i = 0; i < 5; ++i) lw()->Next();
        p.ResizeLoadCombinations(2);  // behind the window's back
        Type(lw()->field("Fsls"), "9");
        QCOMPARE(p.Fsls.size(), std::size_t{3});
        QCOMPARE(lw()->row(), 2);
        p.ResizeLoadCombinations(1);
        lw()->addButton()->click();  // shows the row that is left, asks nothing
        QVERIFY(d.questions.empty());
        QCOMPARE(lw()->row(), 1);
        QCOMPARE(p.NLC, 1);
    }

    void loadingOrResetShowsTheNewTable() {
        Do("viewLoadCombinations");
        for (int i = 0; i < 5; ++i) lw()->Next();
        d.answers = {true};
        w->option("lrfd")->click();  // four default combinations replace six
        QCOMPARE(lw()->row(), 4);
        QCOMPARE(lw()->field("LoadTitle")->text(),
                 QString("Strength I and Service I - live load with bearing friction"));
        Do("actResetAll");
        QCOMPARE(lw()->field("LoadTitle")->text(), QString("Group I - live load on bridge"));
    }

    // ------------------------------------------ title, output, about, help

    void outputWindowTicksAndTitle() {
        Do("actOutput");
        OutputWindow* out = w->outputWindow();
        for (int i = 1; i <= 4; ++i) QCOMPARE(out->box(i)->isChecked(), i <= 2);  // a new project's ticks
        out->box(4)->click();
        QCOMPARE(p.chko4, kTrue);

        // A title typed, the window closed, the title kept; Reset > All empties it.
        auto* defineTitle = out->findChild<QAction*>("outputTitle");
        QVERIFY(defineTitle);
        defineTitle->trigger();
        TitleWindow* tw = w->titleWindow();
        Type(tw->field(), "Abutment A, Route 9");
        QCOMPARE(p.Title, std::string("Abutment A, Route 9"));
        tw->findChild<QPushButton*>("titleClose")->click();
        QVERIFY(!tw->isVisible());
        defineTitle->trigger();
        QCOMPARE(tw->field()->text(), QString("Abutment A, Route 9"));
        Do("actResetAll");
        QCOMPARE(p.Title, std::string());
        QCOMPARE(tw->field()->text(), QString());
    }

    void helpFileBesideTheProgram() {
        Do("actHelp");  // missing: nothing at all
        QVERIFY(d.messages.empty() && platformOpened.empty() && !pw->help().window());

        // Compiled help goes to the platform's viewer.
        const QString chm = dir.filePath("qelvorn.chm");
        QFile f(chm);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ITSF\x03\x00\x00\x00", 8);
        f.close();
        Do("actHelp");
        QCOMPARE(platformOpened, std::vector<QUrl>{QUrl::fromLocalFile(chm)});
        QVERIFY(!pw->help().window());

        // The shipped help opens in the program's own window at the topic.
        QVERIFY(QFile::remove(chm));
        QVERIFY(QFile::copy(QELVORN_SOURCE_DIR "/docs/qelvorn-help.html", chm));
        Do("actHelp");
        HelpWindow* hw = pw->help().window();
        QVERIFY(hw);
        QCOMPARE(hw->topic(), QString("Introduction.htm"));
        QVERIFY(hw->browser()->toPlainText().contains("seat-type bridge abutment"));
        // Its figures are found beside it.
        QVERIFY(QFile::copy(QELVORN_SOURCE_DIR "/docs/help-abutment.png", dir.filePath("help-abutment.png")));
        QVERIFY(!hw->browser()->loadResource(QTextDocument::ImageResource, QUrl("help-abutment.png")).isNull());
        QCOMPARE(platformOpened.size(), std::size_t{1});
        QVERIFY(QFile::remove(chm));

        // An installed program (PREFIX/bin) finds it in PREFIX/share/qelvorn.
        QTemporaryDir prefix;
        const QString installed = prefix.filePath("share/qelvorn/qelvorn.chm");
        QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/qelvorn"));
        QVERIFY(QFile::copy(QELVORN_SOURCE_DIR "/docs/qelvorn-help.html", installed));
        Help help(prefix.filePath("bin"));
        QVERIFY(help.ShowContents() && help.window()->fileName() == installed);
    }

    void windowsModelessCentredWithoutCloseButton() {
        Type(w->field("NROWS"), "2");
        w->option("fix")->click();
        Do("viewLoadCombinations");
        Do("viewPileLayout");
        w->pileMomentButton()->click();
        Do("actAbout");
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        for (QWidget* win : QList<QWidget*>{lw(), plw(), pw->pileMomentWindow(), pw->aboutWindow()}) {
            QVERIFY(win->isVisible() && win->windowModality() == Qt::NonModal);
            QVERIFY(!(win->windowFlags() & Qt::WindowCloseButtonHint) && !win->close());
            QVERIFY(!win->isVisible());  // hidden, still there
            QVERIFY2((win->frameGeometry().center() - centre).manhattanLength() <= 4, qPrintable(win->objectName()));
        }
    }
};

QTEST_MAIN(ProgramWindowsTest)
#include "program_windows_test.moc"
