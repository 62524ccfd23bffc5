// Main window: typing into fields, option buttons and their questions, the
// filling of a new project, showing and enabling by option, hints in both
// unit systems, pile rows kept on a new count, and the drawings.
#include <QMenuBar>
#include <QProgressDialog>
#include <QSet>
#include <QTableWidget>
#include <cmath>

#include "analysis/run.h"
#include "io/input_file.h"
#include "scripted_dialogs.h"

using namespace qelvorn;
using namespace qelvorn::ui;

class MainWindowTest : public QObject, NewProject {
    Q_OBJECT

    void Type(const char* name, const QString& text) { ::Type(w->field(name), text); }
    // The project's results shown on the window; the run returned.
    Project ShowResults() { Project run = p; EvaluateCalculations(run); w->ShowResults(run.Records); return run; }

private slots:
    void init() { Open(); }
    void cleanup() { delete w; }

    void typingStoresLeadingNumberTimesFactor() {
        QLineEdit* hw = w->field("Hw");
        hw->clear();
        std::vector<float> stored;
        for (QChar c : QString("150")) {
            QTest::keyClick(hw, c.toLatin1());
            stored.push_back(p.Hw);
        }
        QCOMPARE(stored, (std::vector<float>{12.0f, 180.0f, 1800.0f}));  // 1, 15, 150 ft in inches
        Type("Tw", "abc");
        QCOMPARE(p.Tw, 0.0f);
        QCOMPARE(NumberTextNote(w->field("Tw")), QString("Not a number: stored as 0"));  // marked until corrected
        Type("Tw", "2.5 ");
        QVERIFY(NumberTextNote(w->field("Tw")).isEmpty());
        Type("Qsc", "240");  // psf -> psi
        QCOMPARE(p.Qsc, 240.0f / 144.0f);
        Type("Xru", "0.667");  // a ratio: no factor
        QCOMPARE(p.Xru, 0.667f);
        QVERIFY(d.questions.empty());

        const float ec = p.Ec;
        Type("fc", "5000");
        QVERIFY(p.Ec > ec);  // derived again from the new strength
        QCOMPARE(p.chko3, kFalse);
        Type("Ls", "10");
        QCOMPARE(p.Ls, 120.0f);
        QCOMPARE(p.chko3, kTrue);
        QVERIFY(w->outputWindow()->box(3)->isChecked());
    }

    void newProjectTexts() {
        for (const auto& [field, text] : {std::pair{"fc", "4000.0"}, {"rhoc", "150.00"}, {"nlc", "6"}})
            QCOMPARE(w->field(field)->text(), QString(text));
        QVERIFY(w->field("NROWS")->text().startsWith(' '));
        p.ExpFactor = 0.75f;  // more digits than the pattern shows, not 0.8
        p.Asw = 0.125f;
        w->FillMainWindow();
        QCOMPARE(w->field("ExpFactor")->text(), QString("0.75"));
        QCOMPARE(w->field("Asw")->text(), QString("0.125"));
        for (const char* o : {"english", "aashto", "haunch", "pile", "usd"}) QVERIFY2(w->option(o)->isChecked(), o);
    }

    // A change of units keeps every value as the physical quantity that its
    // hint names: the Metric value is the English one converted by hand.
    void unitChangeKeepsEveryQuantity() {
        std::vector<const FieldSpec*> all;
        for (const auto* list : {&MainWindowFields(), &PileMomentFields()})
            for (const FieldSpec& f : *list) all.push_back(&f);
        for (std::size_t i = 0; i < all.size(); ++i)
            p.*all[i]->value = static_cast<float>(i + 1) * FactorValue(p, all[i]->factor);  // shows i + 1
        w->FillMainWindow();
        w->option("metric")->click();  // answered No
        QCOMPARE(d.questionTitles, std::vector<QString>{"Program Units"});
        const std::pair<const char*, double> perUnit[] = {
            {"(feet)", 0.3048},     {"(kips)", 4.4482216},  {"(k-ft)", 1.3558179},  {"(psf)", 0.04788026},
            {"(psi)", 0.006894757}, {"(pcf)", 0.15708746},  {"(lbs/in)", 0.17512684}, {"(k/ft)", 14.593903},
            {"(in^2)", 645.16},     {"(in)", 25.4}};
        for (std::size_t i = 0; i < all.size(); ++i) {
            double k = 1;
            for (const auto& [unit, factor] : perUnit)
                if (std::string(all[i]->hint).find(unit) != std::string::npos) k = factor;
            const double shown = p.*all[i]->value / FactorValue(p, all[i]->factor);
            QVERIFY2(std::fabs(shown - (i + 1) * k) <= 1e-5 * (i + 1) * k, all[i]->name);
        }
        QCOMPARE(w->field("Hw")->text(), QString::fromStdString(FieldText(p, *FindField("Hw"))));  // refilled
        QCOMPARE(w->field("Hw")->toolTip(), QString("Wall height (meters) above footing heel"));

        d.answers = {true};  // Yes: the English defaults, the dimensions converted back
        w->option("english")->click();
        QCOMPARE(p.fc, 4000.0f);
        QCOMPARE(w->field("Hw")->text(), QString("26.000"));
    }

    void lrfdAndS6ForceUsdWhateverTheAnswer() {
        w->option("both")->click();
        w->option("lrfd")->click();  // answered No
        QCOMPARE(d.questionTitles.back(), QString("Design Criteria"));
        QVERIFY(p.Criteria == "lrfd" && p.ConcreteDesign == "usd" && p.NLC == 6);  // defaults kept
        QVERIFY(w->frame("CONCRETE DESIGN")->isHidden());

        w->option("aashto")->click();
        QVERIFY(!w->frame("CONCRETE DESIGN")->isHidden());
        w->option("both")->click();
        d.answers = {true};
        w->option("s6")->click();
        QCOMPARE(p.ConcreteDesign, std::string("usd"));
        QVERIFY(w->frame("CONCRETE DESIGN")->isHidden());

        d.answers = {true};
        w->option("lrfd")->click();
        QCOMPARE(p.NLC, 4);  // the LRFD default combinations
        QCOMPARE(w->field("Qsc")->text(), QString("360.00"));
    }

    void optionsShowAndEnableTheirFields() {
        QVERIFY(w->field("Wsc")->isHidden());
        d.answers = {true};
        w->option("arema")->click();
        for (const char* f : {"Wsc", "Ssc", "Nsc"}) QVERIFY(!w->field(f)->isHidden());
        QVERIFY(!w->label("No of surcharges:")->isHidden());

        QVERIFY(!w->field("Q")->isEnabled());
        QVERIFY(w->frame("PILE RESISTANCE")->isEnabled());
        w->option("spread")->click();
        for (const char* f : {"Q", "Fru", "Xreq", "Kp"}) QVERIFY(w->field(f)->isEnabled());
        for (const char* f : {"PILE RESISTANCE", "PILES", "PILE FIXITY"}) QVERIFY(!w->frame(f)->isEnabled());

        w->option("nohaunch")->click();
        QCOMPARE(p.WallType, std::string("nohaunch"));
        QVERIFY(w->field("Hh")->isHidden() && w->label("Hh =")->isHidden());
        QVERIFY(w->drawing(true)->isHidden() && !w->drawing(false)->isHidden());
    }

    void newPileCountKeepsTheRowsThatRemain() {
        Type("NROWS", "3");
        for (int i = 1; i <= 3; ++i) p.PILEX[i] = 12.0f * static_cast<float>(i);
        Type("NROWS", "5");
        QCOMPARE(p.PILEX, (Column{0, 12, 24, 36, 0, 0}));
        Type("NROWS", "2.5");  // halves to even
        QCOMPARE(p.NROWS, 2);
        QCOMPARE(p.PILEX, (Column{0, 12, 24}));
        Type("NROWS", "0");
        QCOMPARE(p.NROWS, 0);
        QCOMPARE(p.PILEX, (Column{0, 12, 24}));  // rows as they were
        QVERIFY(d.questions.empty());
    }

    void loadCombinationCountAsksOnceCommitted() {
        Type("nlc", "13");
        QVERIFY(d.questions.empty());  // not while typing
        QTest::keyClick(w->field("nlc"), Qt::Key_Return);  // answered No
        QCOMPARE(d.questions.size(), std::size_t{1});
        QCOMPARE(d.questionTitles.back(), QString("Load Combinations"));
        QCOMPARE(p.NLC, 6);
        QCOMPARE(w->field("nlc")->text(), QString(" 6"));
        d.answers = {true};
        Type("nlc", "3");
        QTest::keyClick(w->field("nlc"), Qt::Key_Enter);
        QCOMPARE(p.NLC, 3);
        QCOMPARE(p.LoadTitle.size(), std::size_t{4});
        QCOMPARE(p.LoadTitle[1], std::string());
    }

    void drawingsToScaleOnlyWhenConsistent() {
        QVERIFY(w->drawing(true)->caption().contains("Hw, Tw, Hb, Tb, Hh, Ts, Wf, Tf not entered"));
        // A haunch wall 20 ft high: back wall 6 x 1.5 ft, seat 3 ft, stem 4 ft,
        // haunch 2 ft; the seat and back wall overhang the stem by 0.5 ft.
        const char* dims[][2] = {{"Hw", "20"}, {"Tw", "4"}, {"Hb", "6"},  {"Tb", "1.5"}, {"Hh", "2"},
                                 {"Ts", "3"},  {"Db", "1.5"}, {"Dt", "4"}, {"Wf", "14"}, {"Tf", "3"},
                                 {"Ht", "2"},  {"Ls", "10"}, {"Hs", "5"}, {"Tst", "1"}, {"Tsb", "1.5"}};
        for (const auto& dim : dims) Type(dim[0], dim[1]);
        QVERIFY(w->drawing(true)->toScale());
        QVERIFY(w->drawing(false)->toScale());  // without a haunch the back wall is Tw - Ts, Tb unused
        // Each disagreement turns the drawing schematic and is named in its caption.
        const struct { const char *field, *text; bool haunch; const char* named; } faults[] = {
            {"Tw", "5", true, "Tw > Ts + Tb"},      {"Tw", "3", false, "Ts ≥ Tw"},
            {"Db", "4", false, "Db > Ts"},          {"Wf", "6", true, "Dt + Ts + Tb > Wf"},
            {"Hw", "7", true, "Hb + Hh + (Ts + Tb − Tw) ≥ Hw"},
            {"Hs", "25", true, "Hs > Hw"}};
        for (const auto& f : faults) {
            const QString kept = w->field(f.field)->text();
            Type(f.field, f.text);
            const QString caption = f.field == QString("Hs") ? w->sideWallDrawing()->caption()
                                                             : w->drawing(f.haunch)->caption();
            QVERIFY2(caption.startsWith("Schematic") && caption.contains(f.named), qPrintable(caption));
            Type(f.field, kept);
        }
        w->option("nohaunch")->click();
        QVERIFY(w->sideWallDrawing()->toScale());
        w->tabs()->setCurrentIndex(5);
        QVERIFY(!w->sideWallDrawing()->grab().isNull());  // paints
    }

    void examplesDrawnToScaleWithTheirPiles() {
        // A stem without haunch whose Tb is wider than the back wall the seat leaves.
        QVERIFY(w->LoadInputFile(QELVORN_SOURCE_DIR "/examples/spread-lrfd-english-seismic.in"));
        QVERIFY(w->drawing(false)->toScale());
        QVERIFY(w->drawing(false)->pileRows().empty());
        // The overlay: each limit state's bearing pressure as the records give it (SLS full width, ULS
        // uniform over its contact length with the resultant's zone the middle half, Xru = 0.5).
        const Project run = ShowResults();
        std::vector<PressureDiagram> q = w->drawing(false)->pressureDiagrams();
        QCOMPARE(q.size(), std::size_t{3});
        const FootingPressureRecord& uls = run.Records.footingPressures[1];
        const auto near = [](double a, double b) { return std::abs(a - b) < 1e-3; };
        QVERIFY(q[0].x0 == 0 && near(q[0].x1, p.Wf) && q[0].q0 > q[0].q1 && q[0].q1 > 0 && q[0].zone0 == q[0].zone1);
        QVERIFY(near(q[1].x1, uls.contactLength * 12.0) && q[1].q0 == uls.toe && q[1].q1 == uls.toe);
        QVERIFY(near(q[1].zone0, p.Wf / 4) && near(q[1].zone1, 3 * p.Wf / 4) && q[1].allowable == uls.allowable);
        QCOMPARE(w->drawing(false)->shading().size(), std::size_t{5});  // walls, toe, heel, rest of the footing
        w->findChild<QAction*>("actResults")->trigger();
        QVERIFY(w->drawing(false)->pressureDiagrams().empty() && w->drawing(false)->shading().empty());
        w->findChild<QAction*>("actResults")->trigger();
        // Rows of ten piles 18, 78 and 138 in from the toe, the first battered 14 degrees.
        QVERIFY(w->LoadInputFile(QELVORN_SOURCE_DIR "/examples/pile-arema-english-fixed-battered.in"));
        w->tabs()->setCurrentIndex(2);
        QVERIFY(w->drawing(true)->toScale() && !w->drawing(true)->grab().isNull());
        const std::vector<PileRowPicture> rows = w->drawing(true)->pileRows();
        QCOMPARE(rows.size(), std::size_t{3});
        QCOMPARE(rows[2].headX, 138.0);
        QVERIFY(rows[0].battered && !rows[0].vertical && rows[2].vertical && !rows[2].battered);
        const double lean = rows[0].depth * std::tan(14 * 3.1416 / 180);  // out towards the toe
        QVERIFY(rows[0].depth > 0 && std::abs(18 - lean - rows[0].batterTipX) < 1e-3);
        QCOMPARE(rows[0].label, QString("10 piles\n10 at 14°"));
        // One bar per row, at its head, in the combination of the most used axial check (SLS compression).
        ShowResults();
        const PileLoadPicture loads = w->drawing(true)->pileLoads();
        QVERIFY(loads.limitState == "SLS" && loads.combination == 4 && loads.rows.size() == 3);
        QVERIFY(loads.rows[2].x == 138 && loads.rows[0].axial > loads.rows[2].axial && loads.rows[0].capacity == 140);
        QVERIFY(!w->drawing(true)->grab().isNull());
        p.PILEX[3] = 160;  // beyond the 156 in footing
        QVERIFY(w->drawing(true)->caption().contains("PILEX of row 3 outside 0 to Wf"));
    }

    // Alt and a menu's letter must open the menu, never reach a control.
    void accessKeysDifferFromTheMenus() {
        auto key = [](const QString& text) {
            const qsizetype at = text.indexOf(QRegularExpression("&[^&]"));
            return at < 0 ? QChar() : text[at + 1].toUpper();
        };
        QSet<QChar> menus, controls;
        for (QAction* a : w->menuBar()->actions()) menus.insert(key(a->text()));
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            const QChar k = key(b->text());
            if (k.isNull() || b->window() != w) continue;
            QVERIFY2(!menus.contains(k) && !controls.contains(k), qPrintable(b->text()));
            controls.insert(k);
        }
        QCOMPARE(controls.size(), 13);
    }

    // Design > Size footing cancelled during its search changes nothing; Size all applied after its review
    // (the changes, each section's governing utilization, the candidates evaluated) is one step of the history.
    void sizingCancelledOrAppliedAsOneUndoableStep() {
        bool cancel = true, progressShown = false;
        int reviews = 0;
        QStringList sectionRows;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* apply = box ? box->findChild<QPushButton*>("apply") : nullptr;
            if (auto* progress = qobject_cast<QProgressDialog*>(box)) {
                progressShown = progress->objectName() == "sizingProgress";
                if (cancel) progress->findChild<QPushButton*>()->click();
            } else if (apply) {
                ++reviews;
                const int changes = box->findChild<QTableWidget*>("changes")->rowCount();
                const auto* sections = box->findChild<QTableWidget*>("sections");
                for (int r = 0; r < sections->rowCount(); ++r) sectionRows << sections->item(r, 0)->text();
                const QString quantities = box->findChild<QLabel*>("quantities")->text();
                cancel ? box->reject() : apply->click();
                QVERIFY(changes > 0 && quantities.contains(QRegularExpression("Candidates evaluated: [1-9]")));
            } else if (!box && cancel) {  // searching: the main window takes no edit
                Type("Hw", "99");
            } else if (box) {  // the options: OK refused for too many candidates, then 742,264 (seconds)
                for (const char* f : {"WfStep", "TfStep"})
                    if (cancel) box->findChild<QLineEdit*>(f)->setText(d.messages.empty() ? "0.0001" : "0.025");
                d.messages.size() > 1 ? box->reject() : box->accept();
            }
        });
        answer.start(20);
        for (const char* example : {"pile-s6-metric-sidewalls", "spread-lrfd-metric"}) {
            p.InFile = QELVORN_SOURCE_DIR "/examples/" + std::string(example) + ".in";
            QVERIFY(ReadInputFile(p));
            w->FillMainWindow();
            w->history().Restart();
            const Project before = p;
            w->findChild<QAction*>(cancel ? "actSizeFooting" : "actSizeAll")->trigger();
            QCOMPARE(History::SameInput(p, before), cancel);
            QCOMPARE(w->history().stack().count(), cancel ? 0 : 1);
            w->history().stack().undo();
            QVERIFY(History::SameInput(p, before));
            cancel = false;
        }
        QVERIFY(progressShown && reviews == 1);  // no review after the cancelled search
        QVERIFY(d.messages.size() == 1 && d.messages[0].text.contains("candidates, more than 2,000,000"));
        QCOMPARE(sectionRows, QStringList({"BACK WALL", "STEM WALL", "STABILITY", "SPREAD FOOTING"}));
    }

    void closedOnlyByExit() {
        w->show();
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
