// The main window: the whole project edited on six tabs, the file, define,
// reset, view and help menus, and the two-panel status bar. Every field
// stores its value into the one Project record as the user types; option
// buttons store their keywords and may offer to re-apply defaults.
#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

#include "analysis/sizing.h"
#include "model/project.h"
#include "ui/dialogs.h"
#include "ui/drawings.h"
#include "ui/fields.h"
#include "ui/history.h"
#include "ui/unit_labels.h"
#include "ui/small_windows.h"
#include "ui/text_viewer.h"

class QTabWidget;

namespace qelvorn::ui {

class ResultsPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Project& p, Dialogs& dialogs, QWidget* parent = nullptr);

    // Writes the whole record into the windows (options, groups, fields,
    // output options, title) with FormReady false meanwhile.
    void FillMainWindow();
    // Hints of every input field in the words of the current unit system.
    void SetFieldHints();

    // Controls by name, for the program's own wiring and for tests: fields
    // by record field name ("Hw", "NROWS", "nlc"), options by keyword
    // ("english", "lrfd", "nohaunch", "spread", "both", "pin"), frames by
    // caption, labels by their text.
    QLineEdit* field(const std::string& name) const;
    QRadioButton* option(const std::string& keyword) const;
    QGroupBox* frame(const std::string& caption) const;
    QLabel* label(const std::string& text) const;
    QLabel* statusPanel(int i) const { return i == 1 ? panel1_ : panel2_; }
    // The status bar's note beside the two panels: what the last save or
    // run did ("Report written: ...").
    QLabel* statusNote() const { return note_; }
    // True when the project differs from what was last loaded, saved or
    // started with (as its input file would hold it).
    bool projectChanged() const;
    QPushButton* pileMomentButton() const { return pmButton_; }
    AbutmentDrawing* drawing(bool haunch) const { return haunch ? haunchDrawing_ : noHaunchDrawing_; }
    SideWallDrawing* sideWallDrawing() const { return sideDrawing_; }
    OutputWindow* outputWindow() const { return output_; }
    TitleWindow* titleWindow() const { return title_; }
    TextViewer* lastViewer() const { return viewer_; }
    QTabWidget* tabs() const { return tabs_; }
    QMenu* recentMenu() const { return recent_; }
    // Undo and redo of the project's edits (Edit menu).
    History& history() { return *history_; }
    // The dock showing the results of the project as it stands.
    ResultsPanel* resultsPanel() const { return results_; }
    // The unit label beside a field (null for a field without a unit).
    QLabel* unitLabel(const std::string& field) const { return units_->label(field); }

public slots:
    void LoadInput();
    // Loads the named input file as File > Load input does after its dialog
    // (File > Recent input files, a file named at start); false when it
    // could not be read.
    bool LoadInputFile(const QString& name);
    // Saves to the project's input file, asking for a name when it has none;
    // false when nothing was saved.
    bool SaveInput();
    bool SaveInputAs();
    void SaveOutputAs();
    void ViewInputFile();
    void ViewOutputFile();
    void ShowOutputWindow();
    void ShowTitleWindow();
    void PerformCalculations();
    // Toolbar Run (F5): without an output file, says so and asks for one,
    // then performs the calculations.
    void Run();
    void ResetAll();
    void ExitProgram();
    // Design menu: searches, shows the proposal for review and applies it
    // as one step of the history.
    void SizeDesign(qelvorn::SizingMode mode);
    // The results the drawings' overlay shows: those of the project as it
    // now stands (View > Results on drawings turns the overlay on and off).
    void ShowResults(const qelvorn::RunRecords& results);

signals:
    // Windows of the load combinations, pile layout and pile lateral
    // load - moment data, and the help and about commands.
    void loadCombinationsRequested();
    void loadTableRequested();
    void pileLayoutRequested();
    void pileMomentRequested();
    void helpRequested();
    void aboutRequested();
    // The windows were filled from the record: the other windows refill.
    void filled();
    // A new count of pile rows or load combinations was stored.
    void tableResized();
    // The project as it stands was evaluated again after an edit (a copy
    // of it, with the design sections on): its status and check records.
    void resultsUpdated(const qelvorn::RunRecords& records);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* BuildOptionsTab();
    QWidget* BuildPropertiesTab();
    QWidget* BuildConfigurationTab();
    QWidget* BuildLoadsTab();
    QWidget* BuildReinforcingTab();
    QWidget* BuildSideWallsTab();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();

    QLineEdit* MakeField(const char* name, QWidget* parent);
    QLabel* MakeLabel(const char* text, QWidget* parent);
    void AddFieldRow(QWidget* frame, QGridLayout* grid, int row, const char* text,
                     std::initializer_list<const char*> names, Qt::Alignment labelAlignment = {});
    QGroupBox* MakeFrame(const char* caption, QWidget* parent);
    QRadioButton* MakeOption(const char* text, const char* keyword, const char* hint, QWidget* parent);

    void FieldEdited(const FieldSpec& f, const QString& text);
    void PileRowsEdited(const QString& text);
    void LoadCombinationsEdited(const QString& text);
    void OptionClicked(const std::string& keyword);
    void ApplyOptionGroups();
    void ShowFileNames();
    void RedrawPictures();
    void RefreshRecentMenu();
    void InputFileUsed(const QString& name);
    bool WriteInput(const QString& name);
    // The project as it is now is the saved one.
    void ProjectSaved();
    // When the project changed, asks whether to save it first; false when
    // the user cancelled (or saving failed) and the command must not go on.
    bool SaveChangesFirst();
    // After a run that wrote the report: shows it (again) and its counts.
    void ReportWritten();
    void ViewFile(const std::string& file, const char* notNamed, const char* notViewed, const char* caption,
                  const RunRecords* records = nullptr);
    QRect CloseReportViews();
    // Beeps and shows an information message.
    void Complain(const QString& text, const QString& caption);

    Project& p_;
    Dialogs& dialogs_;
    QTabWidget* tabs_ = nullptr;
    std::map<std::string, QLineEdit*> fields_;
    std::map<std::string, QRadioButton*> options_;
    std::map<std::string, QGroupBox*> frames_;
    std::map<std::string, QLabel*> labels_;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QPushButton* pmButton_ = nullptr;
    AbutmentDrawing* haunchDrawing_ = nullptr;
    AbutmentDrawing* noHaunchDrawing_ = nullptr;
    SideWallDrawing* sideDrawing_ = nullptr;
    OutputWindow* output_ = nullptr;
    TitleWindow* title_ = nullptr;
    QPointer<TextViewer> viewer_;
    QPointer<TextViewer> reportViewer_;  // the last viewer opened on the output file
    QLabel* note_ = nullptr;
    // The project's input file text when it was last loaded, saved or first
    // shown; unset until the window is first filled.
    std::optional<std::string> savedText_;
    std::string lastReport_;  // the report file of the last run, which p_.Records describe
    QMenu* recent_ = nullptr;
    History* history_ = nullptr;
    UnitLabels* units_ = nullptr;
    ResultsPanel* results_ = nullptr;
    bool exiting_ = false;
    bool nlcEdited_ = false;  // the count was typed since it was last committed
};

}  // namespace qelvorn::ui
