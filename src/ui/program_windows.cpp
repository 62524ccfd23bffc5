#include "ui/program_windows.h"

#include <utility>

namespace qelvorn::ui {

ProgramWindows::ProgramWindows(MainWindow& main, Project& p, Dialogs& dialogs, const QString& programDir,
                               Help::PlatformOpen helpOpen)
    : QObject(&main),
      main_(main),
      load_(new LoadCombinationsWindow(p, dialogs, &main)),
      loadTable_(new LoadTableWindow(p, &main)),
      pileLayout_(new PileLayoutWindow(p, &main)),
      pileMoment_(new PileMomentWindow(p, &main)),
      about_(new AboutWindow(&main)),
      help_(programDir, std::move(helpOpen)) {
    connect(&main, &MainWindow::loadCombinationsRequested, load_, &LoadCombinationsWindow::Open);
    connect(&main, &MainWindow::loadTableRequested, loadTable_, &LoadTableWindow::Open);
    // An edit in the table is one step; the other windows show it.
    connect(loadTable_, &LoadTableWindow::edited, this, [this] {
        main_.history().Commit("load combination table");
        main_.FillMainWindow();
    });
    // Edits elsewhere (the one-at-a-time window, undo) show in the table.
    connect(&main.history(), &History::committed, loadTable_->model(), &LoadTableModel::Reload);
    connect(&main, &MainWindow::pileLayoutRequested, pileLayout_, &PileLayoutWindow::Open);
    connect(&main, &MainWindow::pileMomentRequested, pileMoment_, &PileMomentWindow::Open);
    connect(&main, &MainWindow::aboutRequested, about_, &AboutWindow::Open);
    connect(&main, &MainWindow::helpRequested, this, [this] { help_.ShowContents(); });
    connect(load_, &LoadCombinationsWindow::tableChanged, &main, &MainWindow::FillMainWindow);
    connect(&main, &MainWindow::filled, this, &ProgramWindows::Refill);
    for (QWidget* w : {static_cast<QWidget*>(load_), static_cast<QWidget*>(pileLayout_),
                       static_cast<QWidget*>(pileMoment_)})
        main.history().Watch(w);
    loadTable_->addActions({main.history().undoAction(), main.history().redoAction()});
    connect(&main, &MainWindow::tableResized, this, [this] {
        load_->Sync();
        pileLayout_->Sync();
    });
    Refill();
}

void ProgramWindows::Refill() {
    pileMoment_->Fill();
    pileLayout_->SetHints();
    load_->Sync();
    pileLayout_->Sync();
    loadTable_->model()->Reload();
}

}  // namespace qelvorn::ui
