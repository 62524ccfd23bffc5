// The windows the main window opens besides its own output and title
// windows: load combinations, pile layout, pile lateral load - moment data,
// about, and the help command. Created with the main window (as its
// children), wired to its buttons and menus, and refilled whenever the main
// window is filled or a table count changes.
#pragma once

#include <QObject>
#include <QString>

#include "model/project.h"
#include "ui/about_window.h"
#include "ui/dialogs.h"
#include "ui/help.h"
#include "ui/load_table_window.h"
#include "ui/load_window.h"
#include "ui/main_window.h"
#include "ui/pile_windows.h"

namespace qelvorn::ui {

class ProgramWindows : public QObject {
    Q_OBJECT
public:
    // programDir: the folder the help file is looked for in.
    ProgramWindows(MainWindow& main, Project& p, Dialogs& dialogs, const QString& programDir,
                   Help::PlatformOpen helpOpen = {});

    LoadCombinationsWindow* loadWindow() const { return load_; }
    LoadTableWindow* loadTableWindow() const { return loadTable_; }
    PileLayoutWindow* pileLayoutWindow() const { return pileLayout_; }
    PileMomentWindow* pileMomentWindow() const { return pileMoment_; }
    AboutWindow* aboutWindow() const { return about_; }
    Help& help() { return help_; }

private:
    // After the main window was filled: hints, the lateral load - moment
    // points, and the rows shown again (the tables may be new).
    void Refill();

    MainWindow& main_;
    LoadCombinationsWindow* load_;
    LoadTableWindow* loadTable_;
    PileLayoutWindow* pileLayout_;
    PileMomentWindow* pileMoment_;
    AboutWindow* about_;
    Help help_;
};

}  // namespace qelvorn::ui
