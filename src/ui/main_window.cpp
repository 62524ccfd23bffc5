#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "analysis/run.h"
#include "io/input_file.h"
#include "model/defaults.h"
#include "model/numtext.h"
#include "model/unit_conversion.h"
#include "report/summary.h"
#include "ui/recent_files.h"
#include "ui/results_panel.h"
#include "ui/sizing_dialog.h"

namespace qelvorn::ui {

namespace {

const QStringList kInputFilters = {"All Files (*)", "Input Files (*.in)", "Text Files (*.txt)"};
const QStringList kOutputFilters = {"All Files (*)", "Output Files (*.out)", "Text Files (*.txt)"};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The question asked after a change of units or criteria.
std::string DefaultsQuestion(const char* about) {
    return std::string("Would you like to change default parameters\rrelated to the ") + about +
           "?  This will\roverwrite any parameters you have specified.";
}

// The project's input file name, kept while another file is read or
// written in its place so that a failure can put it back.
struct InputName {
    std::string file, title;
};

// Makes name the project's input file; returns the one it replaces.
InputName TakeInputName(Project& p, const QString& name) {
    InputName old{p.InFile, p.InTitle};
    p.InFile = name.toStdString();
    p.InTitle = QFileInfo(name).fileName().toStdString();
    return old;
}

void PutBackInputName(Project& p, const InputName& old) {
    p.InFile = old.file;
    p.InTitle = old.title;
}

// A name chosen in a save dialog without an extension gets the default one.
QString WithSuffix(const QString& name, const char* suffix) {
    return QFileInfo(name).suffix().isEmpty() ? name + "." + suffix : name;
}

// True when the two names are one file: the same file on disk (a link, a
// hard link or another spelling of the path) or the same path once resolved.
bool SameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    const fs::path ra = fs::weakly_canonical(a, ec);
    if (ec) return false;
    const fs::path rb = fs::weakly_canonical(b, ec);
    return !ec && ra == rb;
}

// Shows a modeless window and brings it to the front, centred on its
// screen when it was hidden.
void ShowCentredWhenHidden(QWidget* w) {
    const bool hidden = !w->isVisible();
    w->show();
    if (hidden) CentreOnScreen(w);
    w->raise();
    w->activateWindow();
}

// Runs a calculation with the window program's side: message boxes, the
// status panels, and the main window disabled under a busy pointer.
class WindowRunHost : public RunHost {
public:
    WindowRunHost(QMainWindow& w, Dialogs& d, QLabel* p1, QLabel* p2, OutputWindow* out)
        : w_(w), d_(d), p1_(p1), p2_(p2), out_(out) {}
    ~WindowRunHost() override { SetBusy(false); }

    void Beep() override { d_.Beep(); }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        // A message during the run must be answerable: lift the busy state
        // for it and put it back after.
        const bool wasBusy = busy_;
        if (wasBusy) SetBusy(false);
        d_.Message(&w_, Q(text), Q(title), icon);
        if (wasBusy) SetBusy(true);
    }
    void SetStatus(const std::string& a, const std::string& b) override {
        p1_->setText(Q(a));
        p2_->setText(Q(b));
    }
    void SetBusy(bool busy) override {
        if (busy == busy_) return;
        busy_ = busy;
        w_.setEnabled(!busy);
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void HideOutputWindow() override { out_->hide(); }

private:
    QMainWindow& w_;
    Dialogs& d_;
    QLabel* p1_;
    QLabel* p2_;
    OutputWindow* out_;
    bool busy_ = false;
};

}  // namespace

MainWindow::MainWindow(Project& p, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, NoCloseWindowFlags() | Qt::WindowMaximizeButtonHint), p_(p), dialogs_(dialogs) {
    setWindowTitle("BRIDGE ABUTMENT ANALYSIS AND DESIGN");
    setObjectName("MainWindow");
    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildOptionsTab(), "OPTIONS");
    tabs_->addTab(BuildPropertiesTab(), "PROPERTIES");
    tabs_->addTab(BuildConfigurationTab(), "CONFIGURATION");
    tabs_->addTab(BuildLoadsTab(), "LOADS");
    tabs_->addTab(BuildReinforcingTab(), "REINFORCING");
    tabs_->addTab(BuildSideWallsTab(), "SIDE WALLS");
    setCentralWidget(tabs_);
    units_ = new UnitLabels(this);
    for (const auto& [name, edit] : fields_) units_->Attach(edit);
    output_ = new OutputWindow(p_, this);
    title_ = new TitleWindow(p_, this);
    connect(output_, &OutputWindow::performRequested, this, &MainWindow::PerformCalculations);
    connect(output_, &OutputWindow::titleRequested, this, &MainWindow::ShowTitleWindow);
    connect(this, &MainWindow::tableResized, this, &MainWindow::RedrawPictures);  // pile rows are drawn
    history_ = new History(p_, this);
    connect(history_, &History::restored, this, &MainWindow::FillMainWindow);
    // The results follow every change of the project: an edit, undo or
    // redo, a file loaded, a reset.
    results_ = new ResultsPanel(*this, p_, dialogs_);
    addDockWidget(Qt::RightDockWidgetArea, results_);
    connect(results_, &ResultsPanel::evaluated, this, &MainWindow::resultsUpdated);
    connect(this, &MainWindow::resultsUpdated, this, &MainWindow::ShowResults);  // the drawings' overlay
    connect(history_, &History::committed, results_, &ResultsPanel::Schedule);
    connect(this, &MainWindow::filled, results_, &ResultsPanel::Schedule);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    history_->Watch(this);
    resize(sizeHint().expandedTo(QSize(860, 600)));
}

// ---------------------------------------------------------------- building

QLineEdit* MainWindow::MakeField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(110);
    WatchNumberText(edit);
    fields_[name] = edit;
    const std::string n = name;
    if (n == "NROWS") {
        connect(edit, &QLineEdit::textEdited, this, &MainWindow::PileRowsEdited);
    } else if (n == "nlc") {
        // The count is committed by Enter or by leaving the field; only then
        // is the question asked, and only when the text was edited.
        connect(edit, &QLineEdit::textEdited, this, [this] { nlcEdited_ = true; });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (!nlcEdited_) return;
            nlcEdited_ = false;
            LoadCombinationsEdited(edit->text());
        });
    } else {
        const FieldSpec* spec = FindField(n);
        connect(edit, &QLineEdit::textEdited, this, [this, spec](const QString& t) { FieldEdited(*spec, t); });
    }
    return edit;
}

// A row of a frame's grid: the label in column 0, then the named fields in
// the columns after it (a null name leaves its column empty).
void MainWindow::AddFieldRow(QWidget* frame, QGridLayout* grid, int row, const char* text,
                             std::initializer_list<const char*> names, Qt::Alignment labelAlignment) {
    grid->addWidget(MakeLabel(text, frame), row, 0, labelAlignment);
    int column = 1;
    for (const char* name : names) {
        if (name) grid->addWidget(MakeField(name, frame), row, column);
        ++column;
    }
}

QLabel* MainWindow::MakeLabel(const char* text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    labels_[text] = l;
    return l;
}

QGroupBox* MainWindow::MakeFrame(const char* caption, QWidget* parent) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(caption);
    frames_[caption] = g;
    return g;
}

QRadioButton* MainWindow::MakeOption(const char* text, const char* keyword, const char* hint, QWidget* parent) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(QString("opt_") + keyword);
    b->setToolTip(hint);
    options_[keyword] = b;
    const std::string kw = keyword;
    connect(b, &QRadioButton::clicked, this, [this, kw] { OptionClicked(kw); });
    return b;
}

QWidget* MainWindow::BuildOptionsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    struct Opt { const char *text, *keyword, *hint; };
    auto group = [&](const char* caption, std::initializer_list<Opt> opts, int row, int col) {
        QGroupBox* g = MakeFrame(caption, page);
        auto* l = new QVBoxLayout(g);
        for (const Opt& o : opts) l->addWidget(MakeOption(o.text, o.keyword, o.hint, g));
        l->addStretch();
        grid->addWidget(g, row, col);
    };
    // Access keys are unique in the window and differ from the menus' (F, E,
    // D, R, V, H), so that Alt and a menu's letter always opens the menu.
    group("UNITS", {{"En&glish", "english", "English units"}, {"&Metric", "metric", "Metric units"}}, 0, 0);
    group("CRITERIA",
          {{"AASHTO", "aashto", "AASHTO Bridge Design Specifications (2002)"},
           {"AASHTO LRFD", "lrfd", "AASHTO LRFD Bridge Design Specifications (2004)"},
           {"AREMA", "arema", "AREMA Manual for Railway Engineering (2004)"},
           {"CAN/CSA-S6", "s6", "CAN/CSA-S6 Canadian Highway Bridge Design Code (2000)"}},
          0, 1);
    group("WALL TYPE", {{"H&aunch", "haunch", "Haunch in wall"}, {"&No Haunch", "nohaunch", "No haunch in wall"}},
          0, 2);
    group("FOOTING TYPE", {{"&Pile", "pile", "Pile footing"}, {"&Spread", "spread", "Spread footing"}}, 1, 0);
    group("CONCRETE DESIGN",
          {{"Service &Load", "sld", "Service load design"},
           {"&Ultimate Strength", "usd", "Ultimate strength design"},
           {"&Both", "both", "Both ultimate strength and service load design"}},
          1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* MainWindow::BuildPropertiesTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    QGroupBox* rc = MakeFrame("REINFORCED CONCRETE", page);
    auto* rcl = new QGridLayout(rc);
    const std::pair<const char*, const char*> rcRows[] = {{"Conc comp strength:", "fc"},
                                                          {"Reinf yield strength:", "fs"},
                                                          {"Exposure factor:", "ExpFactor"},
                                                          {"Concrete unit weight:", "rhoc"}};
    int r = 0;
    for (const auto& [text, name] : rcRows) AddFieldRow(rc, rcl, r++, text, {name});
    grid->addWidget(rc, 0, 0);

    auto threeColumns = [&](QGroupBox* g, QGridLayout* l) {
        QLabel* sls = new QLabel("SLS", g);
        sls->setToolTip("Serviceability limit state");
        QLabel* uls = new QLabel("ULS", g);
        uls->setToolTip("Ultimate limit state");
        l->addWidget(sls, 0, 1, Qt::AlignCenter);
        l->addWidget(uls, 0, 2, Qt::AlignCenter);
        l->addWidget(new QLabel("Earthquake", g), 0, 3, Qt::AlignCenter);
    };

    QGroupBox* pr = MakeFrame("PILE RESISTANCE", page);
    auto* prl = new QGridLayout(pr);
    threeColumns(pr, prl);
    AddFieldRow(pr, prl, 1, "Compression:", {"PileP", "PilePu", "PilePeq"});
    AddFieldRow(pr, prl, 2, "Tension:", {"PileT", "PileTu", "PileTeq"});
    AddFieldRow(pr, prl, 3, "Shear:", {"PileV", "PileVu", "PileVeq"});
    grid->addWidget(pr, 0, 1);

    QGroupBox* fr = MakeFrame("FOOTING RESISTANCE", page);
    auto* frl = new QGridLayout(fr);
    threeColumns(fr, frl);
    AddFieldRow(fr, frl, 1, "Gross soil bearing pressure:", {"Q", "Qu", "Qeq"});
    AddFieldRow(fr, frl, 2, "Base soil friction coefficient:", {"Fr", "Fru", "Freq"});
    AddFieldRow(fr, frl, 3, "Passive pressure coefficient:", {"Kp", "Kpu", "Kpeq"});
    AddFieldRow(fr, frl, 4, "Location of vertical resultant:", {"Xr", "Xru", "Xreq"});
    grid->addWidget(fr, 1, 0, 1, 2);

    QGroupBox* fix = MakeFrame("PILE FIXITY", page);
    auto* fixl = new QVBoxLayout(fix);
    fixl->addWidget(MakeOption("Fi&xed", "fix", "Fixed head piles", fix));
    fixl->addWidget(MakeOption("P&inned", "pin", "Pinned head piles", fix));
    pmButton_ = new QPushButton("P-M Data", fix);
    pmButton_->setObjectName("pmData");
    pmButton_->setToolTip("Enter lateral load - moment data");
    connect(pmButton_, &QPushButton::clicked, this, &MainWindow::pileMomentRequested);
    fixl->addWidget(pmButton_);
    grid->addWidget(fix, 0, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* MainWindow::BuildConfigurationTab() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;

    QGroupBox* ab = MakeFrame("ABUTMENT", page);
    auto* abl = new QGridLayout(ab);
    const char* const dims[][2] = {{"Hw =", "Hw"}, {"Lw =", "Lw"}, {"Tw =", "Tw"}, {"Bat =", "Bat"},
                                   {"Hb =", "Hb"}, {"Tb =", "Tb"}, {"Hh =", "Hh"}, {"Ts =", "Ts"},
                                   {"Db =", "Db"}, {"Dt =", "Dt"}, {"Wf =", "Wf"}, {"Lf =", "Lf"},
                                   {"Tf =", "Tf"}, {"Ht =", "Ht"}};
    int i = 0;
    for (const auto& d : dims) {
        const int r = i % 7, c = (i / 7) * 2;
        abl->addWidget(MakeLabel(d[0], ab), r, c, Qt::AlignRight);
        abl->addWidget(MakeField(d[1], ab), r, c + 1);
        ++i;
    }
    left->addWidget(ab);

    QGroupBox* piles = MakeFrame("PILES", page);
    auto* pl = new QGridLayout(piles);
    AddFieldRow(piles, pl, 0, "No. of rows of piles:", {"NROWS"});
    AddFieldRow(piles, pl, 1, "Pile width:", {"PILED"});
    auto* layoutButton = new QPushButton("View Pile Lay&out", piles);
    layoutButton->setObjectName("viewPileLayout");
    layoutButton->setToolTip("View pile layout");
    connect(layoutButton, &QPushButton::clicked, this, &MainWindow::pileLayoutRequested);
    pl->addWidget(layoutButton, 2, 0, 1, 2);
    left->addWidget(piles);
    left->addStretch();
    row->addLayout(left);

    haunchDrawing_ = new AbutmentDrawing(p_, true, page);
    noHaunchDrawing_ = new AbutmentDrawing(p_, false, page);
    haunchDrawing_->setObjectName("haunchDrawing");
    noHaunchDrawing_->setObjectName("noHaunchDrawing");
    row->addWidget(haunchDrawing_, 1);
    row->addWidget(noHaunchDrawing_, 1);
    return page;
}

QWidget* MainWindow::BuildLoadsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    QGroupBox* bl = MakeFrame("BRIDGE LOADS", page);
    auto* bll = new QGridLayout(bl);
    bll->addWidget(MakeLabel("LOAD:", bl), 0, 1, Qt::AlignCenter);
    bll->addWidget(MakeLabel("Y DIST:", bl), 0, 2, Qt::AlignCenter);
    const char* const rows[][3] = {{"P dead constant:", "Pdc", nullptr}, {"P dead varying:", "Pdv", nullptr},
                                   {"P live standard:", "Pl1", nullptr}, {"P live special:", "Pl2", nullptr},
                                   {"V live:", "Vlf", "yVlf"},           {"V friction:", "Vfr", "yVfr"}};
    int r = 1;
    for (const auto& row : rows) AddFieldRow(bl, bll, r++, row[0], {row[1], row[2]});
    grid->addWidget(bl, 0, 0, 2, 1);

    QGroupBox* lc = MakeFrame("LOAD COMBINATIONS", page);
    auto* lcl = new QGridLayout(lc);
    AddFieldRow(lc, lcl, 0, "No. of combinations:", {"nlc"});
    auto* view = new QPushButton("View load &combinations", lc);
    view->setObjectName("viewLoadCombinations");
    view->setToolTip("View load combinations");
    connect(view, &QPushButton::clicked, this, &MainWindow::loadCombinationsRequested);
    lcl->addWidget(view, 1, 0, 1, 2);
    auto* table = new QPushButton("Table of all combinations", lc);
    table->setObjectName("viewLoadTable");
    table->setToolTip("Edit all load combinations in one table; copy and paste with a spreadsheet");
    connect(table, &QPushButton::clicked, this, &MainWindow::loadTableRequested);
    lcl->addWidget(table, 2, 0, 1, 2);
    grid->addWidget(lc, 0, 1);

    QGroupBox* el = MakeFrame("EARTH LOADS", page);
    auto* ell = new QGridLayout(el);
    const char* const earth[][3] = {{"Earth press coeff:", "Kep", "Yep"}, {"EQ press coeff:", "Keq", "Yeq"},
                                    {"Soil unit weight:", "rhos", nullptr}, {"Surch press, Qsc:", "Qsc", nullptr},
                                    {"WIDTH/SP:", "Wsc", "Ssc"},           {"No of surcharges:", "Nsc", nullptr},
                                    {"Comp press, Qcp:", "Qcp", nullptr},   {"HEIGHT:", "Hcp", nullptr}};
    // Headings of the two columns of the coefficient rows: the coefficient
    // and the height ratio to the resultant.
    ell->addWidget(new QLabel("COEFF:", el), 0, 1, Qt::AlignCenter);
    ell->addWidget(new QLabel("HEIGHT RATIO:", el), 0, 2, Qt::AlignCenter);
    r = 1;
    for (const auto& row : earth) AddFieldRow(el, ell, r++, row[0], {row[1], row[2]});
    label("WIDTH/SP:")->setToolTip("Width and spacing of the live load surcharge pressures");
    label("HEIGHT:")->setToolTip("Height of the compaction pressure");
    grid->addWidget(el, 1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* MainWindow::BuildReinforcingTab() {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    QGroupBox* g = MakeFrame("REINFORCING", page);
    auto* l = new QGridLayout(g);
    l->addWidget(MakeLabel("AREA", g), 0, 1, Qt::AlignCenter);
    l->addWidget(MakeLabel("SPACING", g), 0, 2, Qt::AlignCenter);
    l->addWidget(MakeLabel("COVER", g), 0, 3, Qt::AlignCenter);
    const char* const rows[][4] = {
        {"Asw =", "Asw", "SAsw", "CAsw"},          {"Asb =", "Asb", "SAsb", nullptr},
        {"Asft =", "Asft", "SAsft", "CAsft"},      {"Asfbt =", "Asfbt", "SAsfbt", "CAsfb"},
        {"Asfbh =", "Asfbh", "SAsfbh", nullptr},   {"AsLf =", "AsLf", "SAsLf", nullptr},
        {"AsTSw =", "AsTSw", "SAsTSw", nullptr},   {"AsTSb =", "AsTSb", "SAsTSb", nullptr},
        {"AsTSf =", "AsTSf", "SAsTSf", nullptr}};
    int r = 1;
    for (const auto& row : rows) AddFieldRow(g, l, r++, row[0], {row[1], row[2], row[3]}, Qt::AlignRight);
    outer->addWidget(g, 0, Qt::AlignLeft);
    outer->addStretch();
    return page;
}

QWidget* MainWindow::BuildSideWallsTab() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    QGroupBox* cfg = MakeFrame("CONFIGURATION", page);
    auto* cl = new QGridLayout(cfg);
    const char* const dims[][2] = {
        {"Ls =", "Ls"}, {"Hs =", "Hs"}, {"Tst =", "Tst"}, {"Tsb =", "Tsb"}, {"Barrier weight =", "Wbarrier"}};
    int r = 0;
    for (const auto& d : dims) AddFieldRow(cfg, cl, r++, d[0], {d[1]}, Qt::AlignRight);
    left->addWidget(cfg);

    // Second frame of the same caption on this tab: keep it under its own key.
    auto* reinf = new QGroupBox("REINFORCING", page);
    reinf->setObjectName("SIDE WALL REINFORCING");
    frames_["SIDE WALL REINFORCING"] = reinf;
    auto* rl = new QGridLayout(reinf);
    rl->addWidget(new QLabel("AREA", reinf), 0, 1, Qt::AlignCenter);
    rl->addWidget(new QLabel("SPACING", reinf), 0, 2, Qt::AlignCenter);
    const char* const rows[][3] = {{"Asws (average) =", "Asws", "SAsws"},
                                   {"Asws (bottom) =", "Aswsb", "SAswsb"},
                                   {"T+S =", "AsTSws", "SAsTSws"}};
    r = 1;
    for (const auto& rr : rows) AddFieldRow(reinf, rl, r++, rr[0], {rr[1], rr[2]}, Qt::AlignRight);
    left->addWidget(reinf);
    left->addStretch();
    row->addLayout(left);
    sideDrawing_ = new SideWallDrawing(p_, page);
    sideDrawing_->setObjectName("sideWallDrawing");
    row->addWidget(sideDrawing_, 1);
    return page;
}

void MainWindow::SizeDesign(SizingMode mode) {
    static const char* const steps[] = {"Size footing", "Size reinforcement", "Size all"};
    if (const std::optional<Project> sized = SizeWithReview(this, dialogs_, p_, mode))
        history_->Push(p_, *sized, steps[static_cast<int>(mode)]);
}

void MainWindow::BuildMenus() {
    auto action = [this](QMenu* m, const char* text, const char* name, auto slot) {
        QAction* a = m->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu("&File");
    action(file, "&Load input", "actLoadInput", &MainWindow::LoadInput);
    recent_ = file->addMenu("&Recent input files");
    recent_->setObjectName("menuRecent");
    RefreshRecentMenu();
    QMenu* save = file->addMenu("&Save");
    action(save, "&Input as", "actSaveInput", &MainWindow::SaveInputAs);
    action(save, "&Output as", "actSaveOutput", &MainWindow::SaveOutputAs);
    file->addSeparator();
    action(file, "&Exit", "actExit", &MainWindow::ExitProgram);
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->addAction(history_->undoAction());
    edit->addAction(history_->redoAction());
    QMenu* define = menuBar()->addMenu("&Define");
    action(define, "&Output calculations", "actOutput", &MainWindow::ShowOutputWindow);
    QMenu* design = menuBar()->addMenu("Design");
    for (const auto& [text, name, mode] : {std::tuple{"Size &footing...", "actSizeFooting", SizingMode::Footing},
                                           std::tuple{"Size &reinforcement...", "actSizeBars", SizingMode::Bars},
                                           std::tuple{"Size &all...", "actSizeAll", SizingMode::All}}) {
        QAction* a = design->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, m = mode] { SizeDesign(m); });
    }
    QMenu* reset = menuBar()->addMenu("&Reset");
    action(reset, "&All", "actResetAll", &MainWindow::ResetAll);
    QMenu* view = menuBar()->addMenu("&View");
    action(view, "&Input file", "actViewInput", &MainWindow::ViewInputFile);
    action(view, "&Output file", "actViewOutput", &MainWindow::ViewOutputFile);
    view->addSeparator();
    QAction* panel = results_->toggleViewAction();
    panel->setText("&Results panel");
    panel->setObjectName("actResultsPanel");
    view->addAction(panel);
    // The results overlay on the drawings, on from the start.
    QAction* results = view->addAction("Results on &drawings");
    results->setObjectName("actResults");
    results->setCheckable(true);
    results->setChecked(true);
    connect(results, &QAction::toggled, this, [this](bool on) {
        haunchDrawing_->setShowResults(on);
        noHaunchDrawing_->setShowResults(on);
        sideDrawing_->setShowResults(on);
    });
    QMenu* help = menuBar()->addMenu("&Help");
    action(help, "&Contents", "actHelp", &MainWindow::helpRequested);
    action(help, "&About Program QELVORN", "actAbout", &MainWindow::aboutRequested);
}

// The commands of a usual session, with Run on F5.
void MainWindow::BuildToolBar() {
    QToolBar* bar = addToolBar("Commands");
    bar->setObjectName("toolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto tool = [this, bar](QStyle::StandardPixmap icon, const char* text, const char* name, const char* hint,
                            auto slot) {
        QAction* a = bar->addAction(style()->standardIcon(icon), text);
        a->setObjectName(name);
        a->setToolTip(hint);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    tool(QStyle::SP_DialogOpenButton, "Load", "tbLoad", "Load an input file", &MainWindow::LoadInput);
    tool(QStyle::SP_DialogSaveButton, "Save", "tbSave", "Save the input file", &MainWindow::SaveInput);
    tool(QStyle::SP_MediaPlay, "Run", "tbRun", "Perform calculations (F5)", &MainWindow::Run)
        ->setShortcut(Qt::Key_F5);
    tool(QStyle::SP_FileDialogDetailedView, "View report", "tbViewReport", "View the output file",
         &MainWindow::ViewOutputFile);
}

void MainWindow::BuildStatusBar() {
    panel1_ = new QLabel("No input file specified", this);
    panel1_->setObjectName("panel1");
    panel1_->setToolTip("Select: File > Save > Input as");
    panel2_ = new QLabel("No output file specified", this);
    panel2_->setObjectName("panel2");
    panel2_->setToolTip("Select: File > Save > Output as");
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel2_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    note_ = new QLabel(this);
    note_->setObjectName("statusNote");
    statusBar()->addWidget(panel1_, 1);
    statusBar()->addWidget(panel2_, 1);
    statusBar()->addWidget(note_, 2);
    statusBar()->setSizeGripEnabled(false);
}

// ------------------------------------------------------------------ access

QLineEdit* MainWindow::field(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : it->second;
}
QRadioButton* MainWindow::option(const std::string& keyword) const {
    auto it = options_.find(keyword);
    return it == options_.end() ? nullptr : it->second;
}
QGroupBox* MainWindow::frame(const std::string& caption) const {
    auto it = frames_.find(caption);
    return it == frames_.end() ? nullptr : it->second;
}
QLabel* MainWindow::label(const std::string& text) const {
    auto it = labels_.find(text);
    return it == labels_.end() ? nullptr : it->second;
}

// ----------------------------------------------------------------- filling

void MainWindow::SetFieldHints() {
    for (const FieldSpec& f : MainWindowFields())
        if (QLineEdit* e = field(f.name)) e->setToolTip(Q(HintText(f.hint, p_.Units)));
    field("NROWS")->setToolTip(kHintNROWS);
    field("nlc")->setToolTip(kHintNlc);
    units_->Update(p_);
}

void MainWindow::ApplyOptionGroups() {
    const bool haunch = p_.WallType == "haunch";
    haunchDrawing_->setVisible(haunch);
    noHaunchDrawing_->setVisible(!haunch);
    label("Hh =")->setVisible(haunch);
    field("Hh")->setVisible(haunch);

    const bool pile = p_.FootingType == "pile";
    for (const char* l : {"Gross soil bearing pressure:", "Base soil friction coefficient:",
                          "Location of vertical resultant:"})
        label(l)->setEnabled(!pile);
    for (const char* f : {"Q", "Qu", "Qeq", "Fr", "Fru", "Freq", "Xr", "Xru", "Xreq"}) field(f)->setEnabled(!pile);
    for (const char* fr : {"PILE RESISTANCE", "PILES", "PILE FIXITY"}) frame(fr)->setEnabled(pile);

    const bool arema = p_.Criteria == "arema";
    for (const char* l : {"WIDTH/SP:", "No of surcharges:"}) label(l)->setVisible(arema);
    for (const char* f : {"Wsc", "Ssc", "Nsc"}) field(f)->setVisible(arema);

    frame("CONCRETE DESIGN")->setVisible(p_.Criteria == "aashto" || arema);
    pmButton_->setEnabled(p_.PileHead != "pin");
}

void MainWindow::FillMainWindow() {
    p_.FormReady = kFalse;
    SetFieldHints();
    title_->Fill();
    if (p_.Units == "english") option("english")->setChecked(true);
    if (p_.Units == "metric") option("metric")->setChecked(true);
    option(p_.WallType == "haunch" ? "haunch" : "nohaunch")->setChecked(true);
    if (p_.FootingType == "pile") option("pile")->setChecked(true);
    if (p_.FootingType == "spread") option("spread")->setChecked(true);
    for (const char* c : {"aashto", "lrfd", "arema", "s6"})
        if (p_.Criteria == c) option(c)->setChecked(true);
    if (p_.Criteria == "aashto" || p_.Criteria == "arema") {
        const char* d = p_.ConcreteDesign == "usd" ? "usd" : p_.ConcreteDesign == "sld" ? "sld" : "both";
        option(d)->setChecked(true);
    }
    ApplyOptionGroups();
    for (const FieldSpec& f : MainWindowFields()) field(f.name)->setText(Q(FieldText(p_, f)));
    field("nlc")->setText(Q(FormatNumber(static_cast<float>(p_.NLC), "0")));
    field("NROWS")->setText(Q(SignedNumberText(static_cast<float>(p_.NROWS))));
    option(p_.PileHead == "pin" ? "pin" : "fix")->setChecked(true);
    output_->Fill();
    RedrawPictures();
    p_.FormReady = kTrue;
    // The project the window first shows is the unchanged one.
    if (!savedText_) ProjectSaved();
    emit filled();
}

// ---------------------------------------------------------------- editing

void MainWindow::FieldEdited(const FieldSpec& f, const QString& text) {
    const double typed = LeadingNumber(text.toStdString());
    p_.*f.value = static_cast<float>(typed * static_cast<double>(FactorValue(p_, f.factor)));
    if (f.value == &Project::fc) DeriveConcreteProperties(p_);
    if (f.value == &Project::Ls && p_.Ls != 0) {
        p_.chko3 = kTrue;
        output_->box(3)->setChecked(true);
    }
    RedrawPictures();
}

// A new number of pile rows keeps the rows that remain; new rows are empty.
void MainWindow::PileRowsEdited(const QString& text) {
    const std::int32_t n = RoundHalfEven(LeadingNumber(text.toStdString()));
    if (n <= 0) {
        p_.ResizePileRows(n);  // stores the count, leaves the rows as they are
        emit tableResized();
        return;
    }
    const Column x = p_.PILEX, b = p_.PILEB, s = p_.PILES;
    const CountColumn c = p_.PILEN, cb = p_.PILENB;
    p_.ResizePileRows(n);
    const std::size_t keep = std::min({x.size(), b.size(), s.size(), c.size(), cb.size(), p_.PILEX.size()});
    for (std::size_t i = 1; i < keep; ++i) {
        p_.PILEX[i] = x[i];
        p_.PILEB[i] = b[i];
        p_.PILES[i] = s[i];
        p_.PILEN[i] = c[i];
        p_.PILENB[i] = cb[i];
    }
    emit tableResized();
}

void MainWindow::LoadCombinationsEdited(const QString& text) {
    if (!p_.FormReady) return;
    if (!dialogs_.AskYesNo(this, "Would you like to delete the default load combinations?", "Load Combinations")) {
        field("nlc")->setText(Q(SignedNumberText(static_cast<float>(p_.NLC))));
        return;
    }
    p_.ResizeLoadCombinations(RoundHalfEven(LeadingNumber(text.toStdString())));
    emit tableResized();
}

void MainWindow::OptionClicked(const std::string& kw) {
    // The concrete properties of a project whose units or criteria keyword
    // was not a known one (a damaged file) were derived by no system's
    // formulas: they are derived again when the keyword is put right.
    const bool knownUnits = p_.Units == "english" || p_.Units == "metric";
    const bool knownCriteria =
        p_.Criteria == "aashto" || p_.Criteria == "arema" || p_.Criteria == "lrfd" || p_.Criteria == "s6";
    if (kw == "english" || kw == "metric") {
        if (p_.Units == kw) return;
        // The values keep what they measure in the new units (a 20 ft wall
        // becomes a 6.096 m wall, not a 20 mm one); Yes then replaces the
        // defaults by the new system's.
        ChangeUnits(p_, kw);
        if (!knownUnits) DeriveConcreteProperties(p_);
        if (p_.FormReady && dialogs_.AskYesNo(this, Q(DefaultsQuestion("program units")), "Program Units")) {
            SetDefaultLoads(p_);
            SetCriteriaDefaults(p_);
            SetReinforcingDefaults(p_);
        }
        if (p_.FormReady) FillMainWindow();
        return;
    }
    if (kw == "aashto" || kw == "arema" || kw == "lrfd" || kw == "s6") {
        if (p_.Criteria == kw) return;
        p_.Criteria = kw;
        if (kw == "lrfd" || kw == "s6") p_.ConcreteDesign = "usd";
        if (!knownCriteria) DeriveConcreteProperties(p_);
        if (p_.FormReady && dialogs_.AskYesNo(this, Q(DefaultsQuestion("design criteria")), "Design Criteria")) {
            SetDefaultLoads(p_);
            SetCriteriaDefaults(p_);
            FillMainWindow();
            return;
        }
        // The frames that depend on the criteria follow the option even when
        // the defaults are kept; the field texts stay as they are.
        ApplyOptionGroups();
        return;
    }
    if (kw == "haunch" || kw == "nohaunch") p_.WallType = kw;
    else if (kw == "pile" || kw == "spread") p_.FootingType = kw;
    else if (kw == "sld" || kw == "usd" || kw == "both") p_.ConcreteDesign = kw;
    else if (kw == "fix" || kw == "pin") p_.PileHead = kw;
    if (p_.FormReady) FillMainWindow();
}

void MainWindow::RedrawPictures() {
    haunchDrawing_->update();
    noHaunchDrawing_->update();
    sideDrawing_->update();
}

void MainWindow::ShowFileNames() {
    panel1_->setText(p_.InFile.empty() ? "No input file specified" : "Input file = " + Q(p_.InTitle));
    panel2_->setText(p_.OutFile.empty() ? "No output file specified" : "Output file = " + Q(p_.OutTitle));
}

// ------------------------------------------------------------------- menus

// ------------------------------------------------------- unsaved changes

bool MainWindow::projectChanged() const { return savedText_ && InputFileText(p_) != *savedText_; }

void MainWindow::ProjectSaved() { savedText_ = InputFileText(p_); }

bool MainWindow::SaveChangesFirst() {
    if (!projectChanged()) return true;
    const QString name = p_.InTitle.empty() ? QString("the new project") : Q(p_.InTitle);
    switch (dialogs_.AskSaveChanges(this, "Save changes to " + name + "?", "SAVE INPUT")) {
        case SaveChoice::Save: return SaveInput();
        case SaveChoice::Discard: return true;
        case SaveChoice::Cancel: break;
    }
    return false;
}

void MainWindow::LoadInput() {
    if (!SaveChangesFirst()) return;
    const QString name = dialogs_.OpenFileName(this, kInputFilters, 1);
    if (name.isEmpty()) return;  // cancelled: nothing changes
    LoadInputFile(name);
}

bool MainWindow::LoadInputFile(const QString& name) {
    const InputName old = TakeInputName(p_, name);
    try {
        std::string problem;
        if (!ReadInputFile(p_, &problem)) {
            // The project is as it was: so is the file it came from.
            PutBackInputName(p_, old);
            const QString where = QDir::toNativeSeparators(name) + (problem.starts_with("line ") ? ", " : ": ");
            dialogs_.Message(this, "Error reading input file\n" + where + Q(problem), "READ INPUT",
                             MessageIcon::Information);
            FillMainWindow();
            // A file gone since it was used leaves the recent list.
            if (!QFileInfo::exists(name)) {
                RemoveRecentInputFile(name);
                RefreshRecentMenu();
            }
            return false;
        }
        // The report goes beside the input under its name (NAME.out), not
        // to the previous project's report.
        const QFileInfo in(name);
        const QFileInfo out(in.dir().filePath(in.completeBaseName() + ".out"));
        p_.OutFile = out == in ? std::string() : out.filePath().toStdString();
        p_.OutTitle = out == in ? std::string() : out.fileName().toStdString();
        FillMainWindow();
        ProjectSaved();
        history_->Restart();
        InputFileUsed(name);
        ShowFileNames();
        note_->clear();
        return true;
    } catch (...) {
        PutBackInputName(p_, old);
        Complain("Error loading input file", "LOAD INPUT");
        return false;
    }
}

// A file read or written as the input file is shown as such and heads the
// recent list.
void MainWindow::InputFileUsed(const QString& name) {
    panel1_->setText("Input file = " + Q(p_.InTitle));
    history_->MarkSaved();
    AddRecentInputFile(name);
    RefreshRecentMenu();
}

void MainWindow::Complain(const QString& text, const QString& caption) {
    dialogs_.Beep();
    dialogs_.Message(this, text, caption, MessageIcon::Information);
}

// File > Recent input files: "&1 name" for each, the full name as its hint.
void MainWindow::RefreshRecentMenu() {
    // Deleted later: the entry being chosen may be the one that refreshes.
    for (QAction* a : recent_->actions()) {
        recent_->removeAction(a);
        a->deleteLater();
    }
    recent_->setToolTipsVisible(true);
    const QStringList files = RecentInputFiles();
    int n = 0;
    for (const QString& file : files) {
        QAction* a = recent_->addAction(QString("&%1 %2").arg(++n).arg(QFileInfo(file).fileName()));
        a->setToolTip(file);
        a->setStatusTip(file);
        a->setData(file);
        connect(a, &QAction::triggered, this, [this, file] {
            if (SaveChangesFirst()) LoadInputFile(file);
        });
    }
    recent_->setEnabled(!files.isEmpty());
}

bool MainWindow::SaveInput() { return p_.InFile.empty() ? SaveInputAs() : WriteInput(Q(p_.InFile)); }

bool MainWindow::SaveInputAs() {
    const QString name = dialogs_.SaveFileName(this, kInputFilters, 1);
    if (name.isEmpty()) return false;
    return WriteInput(WithSuffix(name, "in"));
}

bool MainWindow::WriteInput(const QString& name) {
    const InputName old = TakeInputName(p_, name);
    try {
        std::string check;
        if (!WriteInputFile(p_, &check)) {
            PutBackInputName(p_, old);
            dialogs_.Message(this, "Error writing input file", "WRITE INPUT", MessageIcon::Information);
            return false;
        }
        ProjectSaved();
        InputFileUsed(name);
        // An incomplete project is saved all the same: a note, not a box.
        QString saved = "Saved " + Q(p_.InTitle);
        if (!check.empty())
            for (const std::string& line : MessageLines(check)) saved += " - " + Q(line);
        note_->setText(saved);
        return true;
    } catch (...) {
        PutBackInputName(p_, old);
        Complain("Error saving input file", "SAVE INPUT");
        return false;
    }
}

void MainWindow::SaveOutputAs() {
    try {
        QString name = dialogs_.SaveFileName(this, kOutputFilters, 1);
        if (name.isEmpty()) return;
        name = WithSuffix(name, "out");
        // A run would overwrite the project with its report.
        if (SameFile(name.toStdString(), p_.InFile)) {
            Complain("The output file cannot be the input file " + Q(p_.InTitle), "SAVE OUTPUT");
            return;
        }
        p_.OutFile = name.toStdString();
        p_.OutTitle = QFileInfo(name).fileName().toStdString();
        panel2_->setText("Output file = " + Q(p_.OutTitle));
    } catch (...) {
        Complain("Error saving output file", "SAVE OUTPUT");
    }
}

void MainWindow::ViewInputFile() {
    ViewFile(p_.InFile, "Please save input file", "Unable to view input file", "VIEW INPUT");
}

void MainWindow::ViewOutputFile() {
    // The checks summary beside the report, when the last run wrote it.
    const bool ran = p_.Records.status != RunStatus::NotRun && p_.OutFile == lastReport_;
    ViewFile(p_.OutFile, "Please save output file", "Unable to view output file", "VIEW OUTPUT",
             ran ? &p_.Records : nullptr);
}

// Opens the file in the text viewer; a file not yet named asks to be saved.
void MainWindow::ViewFile(const std::string& file, const char* notNamed, const char* notViewed,
                          const char* caption, const RunRecords* records) {
    if (file.empty()) {
        Complain(notNamed, caption);
        return;
    }
    viewer_ = TextViewer::Open(Q(file), &dialogs_, records, records ? &p_ : nullptr);
    if (!viewer_) dialogs_.Message(this, notViewed, caption, MessageIcon::Information);
    if (viewer_ && file == p_.OutFile) reportViewer_ = viewer_;
}

void MainWindow::ShowResults(const RunRecords& results) {
    haunchDrawing_->setResults(results);
    noHaunchDrawing_->setResults(results);
    sideDrawing_->setResults(results);
}

void MainWindow::ShowOutputWindow() { ShowCentredWhenHidden(output_); }

void MainWindow::ShowTitleWindow() { ShowCentredWhenHidden(title_); }

void MainWindow::PerformCalculations() {
    RunResult result = RunResult::CalculationError;
    {
        WindowRunHost host(*this, dialogs_, panel1_, panel2_, output_);
        try {
            result = qelvorn::PerformCalculations(p_, host);
        } catch (...) {
            host.SetBusy(false);
            ShowFileNames();
            dialogs_.Message(this, "Calculation error", "PERFORM CALCULATIONS", MessageIcon::Critical);
        }
        // The host's destructor re-enables the window whatever happened.
    }
    lastReport_ = p_.OutFile;
    if (result == RunResult::Written) {
        ReportWritten();
        return;
    }
    // A view of the report still showing what an earlier run wrote shows
    // the file as it now stands (or closes when the run left none).
    const QRect where = CloseReportViews();
    if (!where.isValid()) return;
    // A faulted run's checks are those of the part it wrote; an incomplete
    // project has none.
    reportViewer_ = viewer_ = TextViewer::Open(Q(p_.OutFile), &dialogs_, &p_.Records, &p_);
    if (reportViewer_) reportViewer_->setGeometry(where);
}

void MainWindow::Run() {
    if (p_.OutFile.empty()) {
        Complain("Please save output filename", "PERFORM CALCULATIONS");
        SaveOutputAs();
        if (p_.OutFile.empty()) return;
    }
    PerformCalculations();
}

void MainWindow::ReportWritten() {
    const QString out = Q(p_.OutFile);
    const CheckSummary s = SummarizeChecks(p_.Records.checks);
    note_->setText(QString("Report written: %1 (%2 checks, %3 fail)")
                       .arg(Q(p_.OutTitle))
                       .arg(s.okay() + s.noGood())
                       .arg(s.noGood()));
    // Viewers already showing this report give way to one of the new report
    // in their place.
    const QRect where = CloseReportViews();
    reportViewer_ = viewer_ = TextViewer::Open(out, &dialogs_, &p_.Records, &p_);
    if (reportViewer_ && where.isValid()) reportViewer_->setGeometry(where);
}

// Closes every open view of the report file (whatever name it was opened
// by); returns the place of the last one, or an invalid rectangle.
QRect MainWindow::CloseReportViews() {
    QRect where;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* view = qobject_cast<TextViewer*>(top);
        if (!view || !view->isVisible() || !SameFile(view->fileName().toStdString(), p_.OutFile)) continue;
        where = view->geometry();
        view->close();
    }
    return where;
}

void MainWindow::ResetAll() {
    if (!SaveChangesFirst()) return;
    ResetProject(p_);
    // A new project has no files yet: its first save or run asks for them.
    p_.InFile.clear();
    p_.InTitle.clear();
    p_.OutFile.clear();
    p_.OutTitle.clear();
    FillMainWindow();
    ProjectSaved();
    history_->Restart();
    ShowFileNames();
    note_->clear();
}

void MainWindow::ExitProgram() {
    if (!SaveChangesFirst()) return;
    exiting_ = true;
    QApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Only File > Exit ends the program.
    if (exiting_) e->accept();
    else e->ignore();
}

}  // namespace qelvorn::ui
