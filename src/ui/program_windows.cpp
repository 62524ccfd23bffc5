#include "ui/program_windows.h"

#include <utility>

namespace qelvorn::ui {

ProgramWindows::ProgramWindows(MainWindow& main, Project& p, Dialogs& dialogs, const QString& programDir,
                               Help::PlatformOpen helpOpen)
    : QObject(&main),
      main_(main),
      load_(new LoadCombinationsWindow(p, dialogs, &main)),
      pileLayout_(new PileLayoutWindow(p, &main)),
      pileMoment_(new PileMomentWindow(p, &main)),
      about_(new AboutWindow(&main)),
      help_(programDir, std::move(helpOpen)) {
    connect(&main, &MainWindow::loadCombinationsRequested, load_, &LoadCombinationsWindow::Open);
    connect(&main, &MainWindow::pileLayoutRequested, pileLayout_, &PileLayoutWindow::Open);
    connect(&main, &MainWindow::pileMomentRequested, pileMoment_, &PileMomentWindow::Open);
    connect(&main, &MainWindow::aboutRequested, about_, &AboutWindow::Open);
    connect(&main, &MainWindow::helpRequested, this, [this] { help_.ShowContents(); });
    connect(load_, &LoadCombinationsWindow::tableChanged, &main, &MainWindow::FillMainWindow);
    connect(&main, &MainWindow::filled, this, &ProgramWindows::Refill);
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
}

}  // namespace qelvorn::ui
