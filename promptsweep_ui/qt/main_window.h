#pragma once
// frmSCFGenMain, the batch tool's window: the start directory, the list of
// find/replace pairs, where the override files go and the run's switches;
// OK saves the choices and the list, starts the tool and follows it, View
// Log opens the run log; after a run that wrote override files "Check the
// override files" runs the checker over them and lists what it found;
// Preview runs the tool in report-only mode with
// --diff and shows what OK would change, writing no SCF file and keeping
// the list. Controls carry their form names as object names;
// the members of a control array add their index ("optLocate_1",
// "cmdBrowse_0").

#include <QMainWindow>
#include <QWidget>

#include <memory>

#include "promptsweep_ui/form_options.h"
#include "promptsweep_ui/form_validation.h"
#include "promptsweep_ui/qt/front_end_setup.h"
#include "promptsweep_ui/replacement_rows.h"
#include "promptsweep_ui/tip_switches.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProcess;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace sweepui {

class ToolFollower;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const FrontEndSetup& setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    FormOptions Options() const;
    std::vector<ReplacementRow> Rows() const;
    // Runs the checks; with messages the failures are shown in one box.
    ValidationOutcome ValidateForm(bool withMessages);
    bool Running() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void LoadSettings();
    void LoadList();
    void AddRow(const QString& find, const QString& replace);
    bool SaveList();
    void SelectLocation(OutputLocation location);
    void ValidateQuietly() { ValidateForm(false); }
    // Leaving a text box runs its own check alone.
    void LeaveBox(QLineEdit* box, std::string (*problemOf)(const FormOptions&));
    void Browse(QLineEdit* box);
    void AddPairs();
    void EditPair();
    void DeletePair();
    void Go();
    void Preview();
    void PreviewDone();
    void ShowResults(bool shown);
    void Finish(bool cancelled, bool finishedWalk);
    void ViewLog();
    void CheckFiles();
    void CheckDone();

    FrontEndSetup setup_;
    TipSwitches tips_;
    std::unique_ptr<ToolFollower> follower_;
    std::unique_ptr<QProcess> preview_;
    std::unique_ptr<QProcess> checker_;
    FormOptions writtenBy_;  // the choices of the last run that wrote override files
    FormOptions runOptions_;  // the choices of the run under way
    QSize idleSize_;
    bool tipShown_ = false;
    bool leaving_ = false;

    QLineEdit* txtPath_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* cmdEdit_ = nullptr;
    QPushButton* cmdDelRec_ = nullptr;
    QButtonGroup* optLocate_ = nullptr;
    QLineEdit* txtDirOut_ = nullptr;
    QPushButton* browseOutput_ = nullptr;
    QCheckBox* chkReportOnly_ = nullptr;
    QCheckBox* chkExcludeSubDirs_ = nullptr;
    QCheckBox* chkOverride_ = nullptr;
    QPushButton* cmdGo_ = nullptr;
    QPushButton* cmdPreview_ = nullptr;
    QPushButton* cmdViewLog_ = nullptr;
    QPushButton* cmdCheck_ = nullptr;
    QWidget* resultsArea_ = nullptr;
    QPlainTextEdit* results_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QProgressBar* busy_ = nullptr;
};

}  // namespace sweepui
