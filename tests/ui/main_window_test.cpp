// Main window: typing into fields, option buttons and their questions, the
// filling of a new project, showing and enabling by option, hints in both
// unit systems, pile rows kept on a new count, and the drawings.
#include "scripted_dialogs.h"

using namespace qelvorn;
using namespace qelvorn::ui;

class MainWindowTest : public QObject, NewProject {
    Q_OBJECT

    void Type(const char* name, const QString& text) { ::Type(w->field(name), text); }

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
        QCOMPARE(w->field("Hw")->text(), QString("0.000"));
        QCOMPARE(w->field("fc")->text(), QString("4000.0"));
        QCOMPARE(w->field("rhoc")->text(), QString("150.00"));
        QCOMPARE(w->field("nlc")->text(), QString("6"));
        QVERIFY(w->field("NROWS")->text().startsWith(' '));
        for (const char* o : {"english", "aashto", "haunch", "pile", "usd"}) QVERIFY2(w->option(o)->isChecked(), o);
    }

    void metricAnsweredNoChangesOnlyUnits() {
        Type("Hw", "20");
        const Project before = p;
        const QString hwText = w->field("Hw")->text();
        w->option("metric")->click();
        QCOMPARE(d.questionTitles, std::vector<QString>{"Program Units"});
        QCOMPARE(d.questions[0], QString("Would you like to change default parameters\rrelated to the program "
                                         "units?  This will\roverwrite any parameters you have specified."));
        QCOMPARE(p.Units, std::string("metric"));
        QCOMPARE(p.LengthFactor, 1000.0f);
        QCOMPARE(p.LblLength, std::string("m"));
        QCOMPARE(p.Hw, before.Hw);  // 240 now read as mm
        QCOMPARE(p.Fdamax, before.Fdamax);
        QCOMPARE(w->field("Hw")->text(), hwText);  // not refilled
    }

    void hintsInBothUnitSystems() {
        QCOMPARE(w->field("Tw")->toolTip(), QString("Wall thickness (feet) "));
        QCOMPARE(w->field("ExpFactor")->toolTip(), QString("Exposure factor for crack control (lbs/in)"));
        d.answers = {true};
        w->option("metric")->click();
        QCOMPARE(w->field("rhos")->toolTip(), QString("Unit weight (kN/m^3) of soil"));
        QCOMPARE(w->field("ExpFactor")->toolTip(), QString("Exposure factor for crack control (N/mm)"));
    }

    void lrfdAndS6ForceUsdWhateverTheAnswer() {
        w->option("both")->click();
        w->option("lrfd")->click();  // answered No
        QCOMPARE(d.questionTitles.back(), QString("Design Criteria"));
        QCOMPARE(p.Criteria, std::string("lrfd"));
        QCOMPARE(p.ConcreteDesign, std::string("usd"));
        QCOMPARE(p.NLC, 6);  // defaults kept
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
        QVERIFY(w->field("Hh")->isHidden());
        QVERIFY(w->label("Hh =")->isHidden());
        QVERIFY(w->drawing(true)->isHidden());
        QVERIFY(!w->drawing(false)->isHidden());
    }

    void newPileCountKeepsTheRowsThatRemain() {
        Type("NROWS", "3");
        for (int i = 1; i <= 3; ++i) p.PILEX[i] = 12.0f * static_cast<float>(i);
        Type("NROWS", "5");
        QCOMPARE(p.PILEX.size(), std::size_t{6});
        QCOMPARE(p.PILEX[3], 36.0f);
        QCOMPARE(p.PILEX[4], 0.0f);
        Type("NROWS", "2.5");  // halves to even
        QCOMPARE(p.NROWS, 2);
        QCOMPARE(p.PILEX.size(), std::size_t{3});
        QCOMPARE(p.PILEX[2], 24.0f);
        Type("NROWS", "0");
        QCOMPARE(p.NROWS, 0);
        QCOMPARE(p.PILEX.size(), std::size_t{3});  // rows as they were
        QVERIFY(d.questions.empty());
    }

    void loadCombinationCountAsks() {
        Type("nlc", "3");  // answered No
        QCOMPARE(d.questionTitles.back(), QString("Load Combinations"));
        QCOMPARE(d.questions.back(), QString("Would you like to delete the default load combinations?"));
        QCOMPARE(p.NLC, 6);
        QCOMPARE(w->field("nlc")->text(), QString(" 6"));
        d.answers = {true};
        Type("nlc", "3");
        QCOMPARE(p.NLC, 3);
        QCOMPARE(p.LoadTitle.size(), std::size_t{4});
        QCOMPARE(p.LoadTitle[1], std::string());
    }

    void drawingsToScaleOnlyWhenConsistent() {
        QVERIFY(!w->drawing(true)->toScale());  // a new project has no dimensions
        // A haunch wall 20 ft high: back wall 6 x 1.5 ft, seat 3 ft, stem 4 ft,
        // haunch 2 ft; the seat and back wall overhang the stem by 0.5 ft.
        const char* dims[][2] = {{"Hw", "20"}, {"Tw", "4"}, {"Hb", "6"},  {"Tb", "1.5"}, {"Hh", "2"},
                                 {"Ts", "3"},  {"Db", "1.5"}, {"Dt", "4"}, {"Wf", "14"}, {"Tf", "3"},
                                 {"Ht", "2"},  {"Ls", "10"}, {"Hs", "5"}, {"Tst", "1"}, {"Tsb", "1.5"}};
        for (const auto& dim : dims) Type(dim[0], dim[1]);
        QVERIFY(w->drawing(true)->toScale());
        QVERIFY(!w->drawing(false)->toScale());  // 4 < 3 + 1.5: no room on the stem without a haunch
        Type("Tw", "5");                         // stem now wider than seat and back wall
        QVERIFY(!w->drawing(true)->toScale());
        QVERIFY(w->drawing(false)->toScale());
        w->option("nohaunch")->click();
        QVERIFY(w->sideWallDrawing()->toScale());
        w->tabs()->setCurrentIndex(5);
        QVERIFY(!w->sideWallDrawing()->grab().isNull());  // paints
    }

    void closedOnlyByExit() {
        w->show();
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
