#pragma once
// The customiser's main window (`CMainFrame`): the menu bar, the "Standard"
// and "Tessellar" toolbars, the status bar with its five panes, the program
// browser docked on the left and the scroll view of the current screen.
// Every command asks the document or the shell's core for its decision.

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>
#include <optional>

#include "platform/held_message_sink.h"
#include "platform/message_sink.h"
#include "tessellar/canvas/render/tessel_view.h"
#include "tessellar/document/document_problems.h"
#include "tessellar/document/tessel_doc.h"
#include "tessellar/shell/find_dialog.h"
#include "tessellar/shell/frame_actions.h"
#include "tessellar/shell/prompt_sweep_launch.h"
#include "tessellar/shell/review_report_export.h"
#include "tessellar/shell/screen_file_editor.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/colour_scheme.h"
#include "tessellar/settings/registry_access.h"
#include "tessellar/settings/screen_font.h"
#include "tessellar/settings/frame_settings.h"

class QDockWidget;
class QLabel;
class QMenu;
class QSessionManager;

namespace shell {

class CustomisableToolbar;
class CUndoButton;
class CRedoButton;

class ProgramBrowser;
class ProblemsPanel;
class ProblemFixBar;

struct FrameSettings {
    std::optional<model::FontDescription> font;  // the user's screen font, when set
    settings::ColourScheme scheme;
    QString besideDirectory;  // where the customiser's own programs are
    QString temporaryRoot;    // empty: the usual temporary directory
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // messages: where the core's messages go (message boxes when null).
    CMainFrame(settings::RegistryAccess& registry, const FrameSettings& settings,
               platform::MessageSink* messages = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Action(ActionId id) const;
    // The action a toolbar button list names, or null.
    QAction* ActionNamed(const QString& objectName) const;
    document::CTesselDoc& Document() { return *document_; }
    ProgramBrowser* Browser() const { return browser_; }
    canvas::CTesselView* View() const { return view_; }
    QDockWidget* BrowserDock() const { return dock_; }
    // The Problems panel below the screen, and the status pane with its count.
    QDockWidget* ProblemsDock() const { return problemsDock_; }
    ProblemsPanel* Problems() const { return problemsPanel_; }
    QLabel* ProblemsPane() const { return problemsPane_; }
    const std::vector<checks::Finding>& Findings() const { return problems_.Findings(); }
    // A finding's entry selected, and its item on the canvas; without such
    // an item the entry's statements open for editing by hand.
    void ShowProblem(const checks::Finding& finding);
    // The Problems panel's fixes: one as one undo step of its entry; all
    // certain ones, one undo step per entry.
    void ApplyFix(const checks::Finding& finding);
    void ApplyAllCertainFixes();
    ProblemFixBar* FixBar() const { return fixBar_; }
    CustomisableToolbar* StandardBar() const { return standardToolbar_; }
    CustomisableToolbar* CustomiserBar() const { return customiserToolbar_; }
    FindDialog* FindWindow() const { return findDialog_; }
    QLabel* SelectionPane() const { return selectionPane_; }
    mapping::PathMapper& Mapper() { return *mapper_; }
    settings::RegistryAccess& Registry() { return registry_; }
    platform::MessageSink& Messages() { return *messages_; }
    const settings::RecentFileList& RecentFiles() const { return recentFiles_; }
    int Skin() const { return skin_; }
    bool ServerMode() const { return serverMode_; }
    void SetServerMode(bool on) { serverMode_ = on; }

    // The open sequence for a program path (the command line, "&Open
    // Program" and the recent-file list come here).
    bool OpenProgramPath(const QString& path);
    void SetSkin(int skin);
    // Shows the window as it was left (maximised the first time).
    void ShowAsLeft();
    // Writes "SelectedSkin", the layout and the recent files.
    void SaveWorkspace();
    // While the window starts, message boxes wait; they come once the
    // window is on the screen (at once when it is not to be shown).
    void HoldMessages() { heldMessages_->Hold(); }
    void ReleaseMessagesWhenShown();
    bool MessagesHeld() const { return heldMessages_->Holding(); }

    // After every change to the current entry (a command, an undo, a hand
    // edit, a save) and when another entry becomes current: refreshes the
    // enabling of Undo, Redo, Save and the other document commands, the
    // title's unsaved-changes mark, and repaints the canvas. It never
    // replaces the canvas, so the canvas itself may call it.
    void AfterChange();

    // "&Save" (Save As without an override path) and "Save &As...": true
    // when the override file was written.
    bool SaveCommand();
    bool SaveAsCommand();
    // Before the document's changes would go: asks whether to save them.
    // False when the user cancelled or the save did not succeed.
    bool ConfirmRelease();
    // What File › Export Review Report... draws its pictures with; without
    // it the command is disabled.
    void SetReportPictures(ReportPictureFactory pictures);
    // While View › Show Original is on: the entry the canvas shows, decoded
    // without its section and not editable; null otherwise.
    const model::CScreenModel* OriginalShown() const { return original_.get(); }
    // The status pane that says the original is shown.
    QLabel* OriginalPane() const { return originalPane_; }
    CUndoButton* UndoButton() const { return undoButton_; }
    CRedoButton* RedoButton() const { return redoButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Made active again: a change another program made to the override file is offered.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void CreateStatusBar();
    void CreateBrowser();
    void CreateProblemsPanel();
    // The panel with its fix buttons beneath it.
    QWidget* ProblemsWithFixes();
    // Selects the entry a finding names in the browser; null when the
    // program has no such entry.
    model::CScreenModel* SelectEntryOf(const checks::Finding& finding);
    model::CScreenModel* SelectEntry(const std::optional<document::ProblemEntry>& entry);
    // After every change: the current text checked again when it changed.
    void RefreshProblems();
    // The Preferences switch: applying's messages to the panel alone.
    void ApplyProblemsPreference();
    void ConnectDocument();
    void RestoreWorkspace();
    void UpdateRecentFileMenu();
    void UpdateTitle();
    void UpdateSelectionPane();
    // A program opened: the browser widens (within limits) so its names show whole.
    void FitBrowserToNames();

    void OpenProgramCommand();
    void OpenRecentFile(const QString& path);
    void ShowFind();
    void FindNextRequested(const document::FindRequest& request);
    void ShowPreferences();
    void ShowAbout();
    void ShowHelp();
    void ShowCustomize();
    void LaunchPromptSweep();
    void UndoCommand();
    void RedoCommand();
    void EditScreenFileCommand();
    // "List Screen &Messages" on the current screen.
    void ListMessagesCommand();
    void OpenOverrideFileCommand();
    // The override file changed on disk: Reload or Keep.
    void OfferChangeOnDisk();
    // A new canvas for the screen (another entry, or its items were rebuilt);
    // with Show Original on, the screen without its section.
    void ShowOnCanvas(model::CScreenModel* screen);
    void ExportReviewReportCommand();
    // What Show Original and a missing picture maker turn off, after the enable rules.
    void RestrictCommandsForReview();
    QAction* ToolbarAction(const QString& objectName) const;
    void CommitSession(QSessionManager& manager);
    // The override file's name, or the one Save As would offer without one.
    QString OverrideFileName() const;

    std::optional<std::string> ChooseOverrideFile();

    settings::RegistryAccess& registry_;
    FrameSettings settings_;
    std::unique_ptr<platform::MessageSink> ownedMessages_;
    std::unique_ptr<platform::HeldMessageSink> heldMessages_;
    platform::MessageSink* messages_;
    std::unique_ptr<mapping::PathMapper> mapper_;
    std::unique_ptr<document::CTesselDoc> document_;
    std::map<ActionId, QAction*> actions_;
    QAction* customizeButton_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QList<QAction*> recentActions_;
    QAction* recentPlaceholder_ = nullptr;
    CustomisableToolbar* standardToolbar_ = nullptr;
    CustomisableToolbar* customiserToolbar_ = nullptr;
    QLabel* selectionPane_ = nullptr;
    QDockWidget* dock_ = nullptr;
    ProgramBrowser* browser_ = nullptr;
    QDockWidget* problemsDock_ = nullptr;
    ProblemsPanel* problemsPanel_ = nullptr;
    ProblemFixBar* fixBar_ = nullptr;
    QLabel* problemsPane_ = nullptr;
    document::DocumentProblems problems_;
    bool problemsClosed_ = false;  // the user closed the Problems panel: problems do not bring it up
    canvas::CTesselView* view_ = nullptr;
    QPointer<FindDialog> findDialog_;
    settings::RecentFileList recentFiles_;
    PromptSweepLauncher launcher_;
    ScreenFileEditor editor_;
    CUndoButton* undoButton_ = nullptr;
    CRedoButton* redoButton_ = nullptr;
    bool editingScreenFile_ = false;
    bool quitAfterEdit_ = false;  // quitting was asked for while the editor ran
    bool offeringReload_ = false;  // the Reload question itself changes which window is active
    bool changesDiscarded_ = false;  // the user let the changes go; cleared by the next change
    bool quitDuringWait_ = false;
    bool openProgramUsed_ = false;
    bool serverMode_ = false;
    bool geometryStored_ = false;  // a stored geometry was restored; the window is not maximised
    bool workspaceRestored_ = false;
    int skin_ = settings::kDefaultSkin;
    ReportPictureFactory reportPictures_;
    std::unique_ptr<model::CScreenModel> original_;  // drawn by the canvas while Show Original is on
    QLabel* originalPane_ = nullptr;
};

}  // namespace shell
