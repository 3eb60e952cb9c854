#include "tessellar/shell/main_frame.h"

#include <QActionGroup>
#include <QApplication>
#include <QByteArray>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "platform/qt/cp1252_text.h"
#include "platform/qt/file_filters.h"
#include "platform/qt/path_text.h"
#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/canvas/render/legend_window.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/document/override_location.h"
#include "tessellar/lists/qt/message_list_dialog.h"
#include "tessellar/shell/canvas_actions.h"
#include "tessellar/shell/sheet_requests.h"
#include "tessellar/shell/customisable_toolbar.h"
#include "tessellar/shell/file_path_dialog.h"
#include "tessellar/shell/find_dialog.h"
#include "tessellar/shell/frame_texts.h"
#include "tessellar/shell/preferences_dialog.h"
#include "tessellar/shell/problem_fix_bar.h"
#include "tessellar/shell/problems_panel.h"
#include "tessellar/canvas/interaction/keyed_item.h"
#include "tessellar/settings/settings_loader.h"
#include "tessellar/shell/changed_file_question.h"
#include "tessellar/shell/save_changes_question.h"
#include "tessellar/shell/undo_buttons.h"
#include "tessellar/shell/program_browser.h"
#include "tessellar/shell/selection_pane.h"
#include "tessellar/shell/skins.h"
#include "tessellar/shell/toolbar_customize_dialog.h"
#include "platform/message_format.h"
#include "tessellar/help/qt/help_viewer.h"
#include "tessellar/mapping/path_rule.h"
#include "tessellar/mapping/qt/map_network_drive.h"
#include "platform/qt/message_box_sink.h"
#include "tessellar/mapping/qt/network_mapping_dialog.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace shell {
namespace {

using enum ActionId;

// Workspace values of the window.
constexpr const char* kGeometryValue = "WindowGeometry";
constexpr const char* kStateValue = "WindowState";
constexpr const char* kStandardButtonsValue = "StandardToolbarButtons";
constexpr const char* kCustomiserButtonsValue = "TessellarToolbarButtons";
constexpr const char* kProblemsClosedValue = "ProblemsPanelClosed";
constexpr int kBrowserWidth = 250;
constexpr int kBrowserShareOfWindow = 40;  // per cent: the most the browser widens to for long names
constexpr int kSelectionPaneInterval = 200;  // ms between idle refreshes of the pane
constexpr int kMainHelpContext = 0;

const QStringList kStandardButtons = {"OpenProgram", "Save", "OpenOverrideFile", "-", "Cut", "Copy", "Paste", "-",
                                      "Undo", "Redo", "-", "Find", "MapNetworkDrive", "-", "About", "Help"};
const QStringList kCustomiserButtons = {"HighlightChanges", "Legend", "-", "Properties", "AddDataEntryField",
                                        "UnsuppressField", "EditScreenScf", "ListMessages", "-", "AlignLeft",
                                        "AlignRight", "AlignTop", "AlignBottom", "MakeSameWidth", "SpaceEvenlyDown"};

QStringList ButtonsValue(const std::string& stored, const QStringList& defaults) {
    if (stored.empty()) return defaults;
    return QString::fromLatin1(stored.c_str()).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

}  // namespace

CMainFrame::CMainFrame(settings::RegistryAccess& registry, const FrameSettings& settings, platform::MessageSink* messages,
                       QWidget* parent)
    : QMainWindow(parent),
      registry_(registry),
      settings_(settings),
      launcher_(settings.besideDirectory),
      editor_(registry) {
    setObjectName(QStringLiteral("CMainFrame"));
    if (messages == nullptr) {
        ownedMessages_ = std::make_unique<platform::MessageBoxSink>(this);
        messages = ownedMessages_.get();
    }
    heldMessages_ = std::make_unique<platform::HeldMessageSink>(*messages);
    messages_ = heldMessages_.get();
    mapper_ = std::make_unique<mapping::PathMapper>(registry_, mapping::MakeNetworkMappingPrompt(this, registry_, *messages_));
    document_ = settings.temporaryRoot.isEmpty()
                    ? std::make_unique<document::CTesselDoc>(registry_, *messages_)
                    : std::make_unique<document::CTesselDoc>(registry_, *messages_, platform::PathFromQString(settings.temporaryRoot));
    document::EntryInputs inputs;
    inputs.colours = document::SchemeColourTable(settings.scheme);
    inputs.font = settings.font;
    document_->SetEntryInputs(inputs);
    ApplyProblemsPreference();

    recentFiles_.Load(registry_);
    skin_ = settings::ReadSelectedSkin(registry_);

    EnsureIconTheme();
    CreateActions();
    CreateMenus();
    CreateToolbars();
    CreateStatusBar();

    view_ = new canvas::CTesselView(inputs.font, this);
    view_->setObjectName(QStringLiteral("tesselView"));
    view_->setAccessibleName(QString::fromLatin1(texts::kCanvasName));
    const model::ColourPair& button = settings.scheme[settings::SchemeEntry::Button];
    view_->SetButtonColours(model::ColourPair{button.foreground, button.background});
    setCentralWidget(view_);
    CreateBrowser();
    CreateProblemsPanel();
    ConnectDocument();
    ConnectCanvasActions(*this, [this] { AfterChange(); });
    ConnectSheetRequests(*this);
    AfterChange();
    RestoreWorkspace();
    // The desktop session ending is the framework's own save: the changes
    // are asked about when the session lets the window ask.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &CMainFrame::CommitSession);
}

void CMainFrame::CommitSession(QSessionManager& manager) {
    if (!document_->HasProgram() || !document_->Core().Modified() || !manager.allowsInteraction()) return;
    const bool released = !editingScreenFile_ && ConfirmRelease();
    manager.release();
    if (!released) manager.cancel();
}

CMainFrame::~CMainFrame() {
    // Bars report their hiding while the window's children are destroyed.
    disconnect(dock_, nullptr, this, nullptr);
    disconnect(problemsDock_, nullptr, this, nullptr);
    if (findDialog_) delete findDialog_;
    // The lists and the canvas go before the document's models.
    document_->SetViews({});
    view_->ShowScreen(nullptr);
}

QAction* CMainFrame::ActionNamed(const QString& objectName) const {
    for (const ActionSpec& spec : FrameActions()) {
        if (objectName == QLatin1String(spec.objectName)) return Action(spec.id);
    }
    return nullptr;
}

QAction* CMainFrame::Action(ActionId id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::CreateActions() {
    for (const ActionSpec& spec : FrameActions()) actions_[spec.id] = CreateAction(spec, this);
    Action(Legend)->setIconText(QString::fromLatin1(texts::kLegendLabel));
    customizeButton_ = new QAction(QString::fromLatin1(texts::kCustomizeButton), this);
    customizeButton_->setObjectName(QStringLiteral("CustomizeButton"));
    customizeButton_->setStatusTip(Action(Customize)->statusTip());

    auto* skins = new QActionGroup(this);
    for (ActionId id : {SkinDefault, SkinOfficeXp, SkinOffice2003}) skins->addAction(Action(id));
    auto* split = new QActionGroup(this);
    split->addAction(Action(SplitCurrentForm));
    split->addAction(Action(SplitFormAndProcedures));
    Action(SplitFormAndProcedures)->setChecked(true);

    connect(Action(OpenProgram), &QAction::triggered, this, &CMainFrame::OpenProgramCommand);
    connect(Action(OpenOverrideFile), &QAction::triggered, this, &CMainFrame::OpenOverrideFileCommand);
    connect(Action(Save), &QAction::triggered, this, &CMainFrame::SaveCommand);
    connect(Action(SaveAs), &QAction::triggered, this, &CMainFrame::SaveAsCommand);
    connect(Action(Undo), &QAction::triggered, this, &CMainFrame::UndoCommand);
    connect(Action(Redo), &QAction::triggered, this, &CMainFrame::RedoCommand);
    connect(Action(EditScreenScf), &QAction::triggered, this, &CMainFrame::EditScreenFileCommand);
    connect(Action(ListMessages), &QAction::triggered, this, &CMainFrame::ListMessagesCommand);
    connect(Action(ExportReviewReport), &QAction::triggered, this, &CMainFrame::ExportReviewReportCommand);
    connect(Action(ShowOriginal), &QAction::triggered, this, [this] {
        ShowOnCanvas(document_->CurrentScreen());
        AfterChange();
    });
    connect(Action(MapNetworkDrive), &QAction::triggered, this, [] { mapping::OpenMapNetworkDrive(); });
    connect(Action(Preferences), &QAction::triggered, this, &CMainFrame::ShowPreferences);
    connect(Action(Exit), &QAction::triggered, this, &QWidget::close);
    connect(Action(Find), &QAction::triggered, this, &CMainFrame::ShowFind);
    connect(Action(SkinDefault), &QAction::triggered, this, [this] { SetSkin(0); });
    connect(Action(SkinOfficeXp), &QAction::triggered, this, [this] { SetSkin(1); });
    connect(Action(SkinOffice2003), &QAction::triggered, this, [this] { SetSkin(2); });
    connect(Action(SplitCurrentForm), &QAction::triggered, this, [this] { dock_->hide(); });
    connect(Action(SplitFormAndProcedures), &QAction::triggered, this, [this] { dock_->show(); });
    connect(Action(Legend), &QAction::triggered, this, [this] { canvas::LegendWindow::Open(this); });
    connect(Action(HighlightChanges), &QAction::triggered, this,
            [this] { Action(HighlightChanges)->setChecked(view_->ToggleHighlightChanges()); });
    connect(Action(Customize), &QAction::triggered, this, &CMainFrame::ShowCustomize);
    connect(customizeButton_, &QAction::triggered, this, &CMainFrame::ShowCustomize);
    connect(Action(PromptSweep), &QAction::triggered, this, &CMainFrame::LaunchPromptSweep);
    connect(Action(About), &QAction::triggered, this, &CMainFrame::ShowAbout);
    connect(Action(Help), &QAction::triggered, this, &CMainFrame::ShowHelp);
    for (const auto& [id, action] : actions_) addAction(action);  // keys work with the menu bar hidden

    // The toolbar's Undo and Redo carry the drop-down lists of the current entry's labels.
    const auto current = [this] { return document_->CurrentScreen(); };
    undoButton_ = new CUndoButton(
        Action(Undo),
        [this, current] { return current() ? document_->Core().UndoLabels(*current()) : std::vector<std::string>{}; },
        [this, current](int steps) {
            if (current()) document_->Core().ChooseUndoCount(*current(), steps);
        },
        this);
    redoButton_ = new CRedoButton(
        Action(Redo),
        [this, current] { return current() ? document_->Core().RedoLabels(*current()) : std::vector<std::string>{}; },
        [this, current](int steps) {
            if (current()) document_->Core().ChooseRedoCount(*current(), steps);
        },
        this);
}

QAction* CMainFrame::ToolbarAction(const QString& objectName) const {
    if (objectName == undoButton_->objectName()) return undoButton_;
    if (objectName == redoButton_->objectName()) return redoButton_;
    return ActionNamed(objectName);
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    const auto menu = [bar](const char* title, const char* objectName) {
        QMenu* created = bar->addMenu(QString::fromLatin1(title));
        created->setObjectName(QString::fromLatin1(objectName));
        created->setAccessibleName(created->title().remove(QLatin1Char('&')));
        created->setToolTipsVisible(false);
        return created;
    };
    fileMenu_ = menu(texts::kFileMenu, "fileMenu");
    for (ActionId id : {Save, SaveAs, OpenProgram, OpenOverrideFile, MapNetworkDrive}) fileMenu_->addAction(Action(id));
    fileMenu_->addSeparator();
    fileMenu_->addAction(Action(ExportReviewReport));
    fileMenu_->addSeparator();
    recentPlaceholder_ = fileMenu_->addAction(QStringLiteral("Recent File"));
    recentPlaceholder_->setEnabled(false);
    for (int index = 0; index < settings::kRecentFileCount; ++index) {
        QAction* recent = fileMenu_->addAction(QString());
        recent->setObjectName(QStringLiteral("RecentFile%1").arg(index + 1));
        connect(recent, &QAction::triggered, this, [this, recent] { OpenRecentFile(recent->data().toString()); });
        recentActions_.append(recent);
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(Action(Preferences));
    fileMenu_->addSeparator();
    fileMenu_->addAction(Action(Exit));
    UpdateRecentFileMenu();

    QMenu* edit = menu(texts::kEditMenu, "editMenu");
    edit->addAction(Action(Undo));
    edit->addAction(Action(Redo));
    edit->addSeparator();
    for (ActionId id : {Cut, Copy, Paste}) edit->addAction(Action(id));
    edit->addSeparator();
    edit->addAction(Action(Find));
    edit->addAction(Action(EditScreenScf));
    edit->addAction(Action(ListMessages));

    QMenu* view = menu(texts::kViewMenu, "viewMenu");
    for (ActionId id : {StandardToolbar, CustomiserToolbar, StatusBar, OutlookBar, ProblemsView}) view->addAction(Action(id));
    view->addSeparator();
    QMenu* skins = view->addMenu(QString::fromLatin1(texts::kSelectSkinMenu));
    skins->setObjectName(QStringLiteral("selectSkinMenu"));
    skins->setAccessibleName(skins->title());
    for (ActionId id : {SkinDefault, SkinOfficeXp, SkinOffice2003}) skins->addAction(Action(id));
    QMenu* split = view->addMenu(QString::fromLatin1(texts::kSplitScreenMenu));
    split->setObjectName(QStringLiteral("splitScreenMenu"));
    split->setAccessibleName(split->title().remove(QLatin1Char('&')));
    split->addAction(Action(SplitCurrentForm));
    split->addAction(Action(SplitFormAndProcedures));
    view->addSeparator();
    view->addAction(Action(ShowOriginal));
    view->addAction(Action(Legend));
    view->addAction(Action(Customize));

    menu(texts::kToolsMenu, "toolsMenu")->addAction(Action(PromptSweep));
    QMenu* help = menu(texts::kHelpMenu, "helpMenu");
    help->addAction(Action(About));
    help->addAction(Action(Help));
}

void CMainFrame::CreateToolbars() {
    const auto lookup = [this](const QString& name) { return ToolbarAction(name); };
    customiserToolbar_ = new CustomisableToolbar(QString::fromLatin1(texts::kCustomiserToolbar), kCustomiserButtons,
                                                 lookup, customizeButton_, this);
    customiserToolbar_->setObjectName(QStringLiteral("TessellarToolbar"));
    standardToolbar_ = new CustomisableToolbar(QString::fromLatin1(texts::kStandardToolbar), kStandardButtons, lookup,
                                               customizeButton_, this);
    standardToolbar_->setObjectName(QStringLiteral("StandardToolbar"));
    // The customiser toolbar sits to the left of "Standard" in the top row.
    for (CustomisableToolbar* toolbar : {customiserToolbar_, standardToolbar_}) {
        const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize);
        toolbar->setIconSize(QSize(icon, icon));
        addToolBar(Qt::TopToolBarArea, toolbar);
    }
    customiserToolbar_->SetButtons(ButtonsValue(settings::ReadWorkspaceValue(registry_, kCustomiserButtonsValue), kCustomiserButtons));
    standardToolbar_->SetButtons(ButtonsValue(settings::ReadWorkspaceValue(registry_, kStandardButtonsValue), kStandardButtons));

    const auto follow = [](QAction* action, QWidget* bar) {
        action->setChecked(true);
        QObject::connect(action, &QAction::triggered, bar, [bar](bool on) { bar->setVisible(on); });
    };
    follow(Action(StandardToolbar), standardToolbar_);
    follow(Action(CustomiserToolbar), customiserToolbar_);
    connect(standardToolbar_, &QToolBar::visibilityChanged, Action(StandardToolbar), &QAction::setChecked);
    connect(customiserToolbar_, &QToolBar::visibilityChanged, Action(CustomiserToolbar), &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setAccessibleName(QStringLiteral("Status bar"));
    bar->showMessage(QString::fromLatin1(texts::kReady));
    const auto pane = [bar](const char* text, const char* objectName, const char* accessible, int minimumChars) {
        auto* label = new QLabel(QString::fromLatin1(text), bar);
        label->setObjectName(QString::fromLatin1(objectName));
        label->setAccessibleName(QString::fromLatin1(accessible));
        label->setAlignment(Qt::AlignCenter);
        // Never narrower than its own text: "SCRL" was cut at twice the scale.
        label->setMinimumWidth(std::max(label->fontMetrics().averageCharWidth() * minimumChars, label->sizeHint().width()));
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bar->addPermanentWidget(label);
        return label;
    };
    selectionPane_ = pane(texts::kSelectionPaneInitial, "selectionPane", "Selection", 24);
    selectionPane_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    problemsPane_ = pane("", "problemsPane", texts::kProblemsPaneName, 18);
    // A screen reader reads what these two say: their text is their name (a
    // label without one of its own names itself by its text, kept current);
    // what they are stays as the description.
    for (QLabel* status : {selectionPane_, problemsPane_}) {
        status->setAccessibleDescription(status->accessibleName());
        status->setAccessibleName(QString());
    }
    // Qt does not tell lock key states, so these panes stay greyed.
    for (QLabel* lock : {pane(texts::kCapsPane, "capsPane", "Caps Lock", 5), pane(texts::kNumPane, "numPane", "Num Lock", 5),
                         pane(texts::kScrollPane, "scrollPane", "Scroll Lock", 5)}) {
        lock->setEnabled(false);
    }
    Action(StatusBar)->setChecked(true);
    connect(Action(StatusBar), &QAction::triggered, bar, &QWidget::setVisible);

    auto* idle = new QTimer(this);
    idle->setInterval(kSelectionPaneInterval);
    connect(idle, &QTimer::timeout, this, &CMainFrame::UpdateSelectionPane);
    idle->start();
}

void CMainFrame::CreateBrowser() {
    dock_ = new QDockWidget(QString::fromLatin1(texts::kBrowserTitle), this);
    dock_->setObjectName(QStringLiteral("programBrowserDock"));
    dock_->setAccessibleName(dock_->windowTitle());
    dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    browser_ = new ProgramBrowser(*document_, *messages_, dock_);
    browser_->setCurrentIndex(static_cast<int>(program::BrowserPage::All) - 1);
    dock_->setWidget(browser_);
    addDockWidget(Qt::LeftDockWidgetArea, dock_);
    resizeDocks({dock_}, {kBrowserWidth}, Qt::Horizontal);
    Action(OutlookBar)->setChecked(true);
    connect(Action(OutlookBar), &QAction::triggered, dock_, &QWidget::setVisible);
    connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool) { Action(OutlookBar)->setChecked(!dock_->isHidden()); });
}

void CMainFrame::CreateProblemsPanel() {
    problemsDock_ = new QDockWidget(QString::fromLatin1(texts::kProblemsTitle), this);
    problemsDock_->setObjectName(QStringLiteral("problemsDock"));
    problemsDock_->setAccessibleName(problemsDock_->windowTitle());
    problemsDock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    problemsPanel_ = new ProblemsPanel(problemsDock_);
    problemsPanel_->OnActivated([this](const checks::Finding& finding) { ShowProblem(finding); });
    problemsDock_->setWidget(ProblemsWithFixes());
    addDockWidget(Qt::BottomDockWidgetArea, problemsDock_);
    // Hidden until there is something to show, unless the user closed it.
    problemsDock_->hide();
    problemsClosed_ = settings::ReadWorkspaceValue(registry_, kProblemsClosedValue) == "1";
    problemsDock_->installEventFilter(this);
    connect(Action(ProblemsView), &QAction::triggered, problemsDock_, [this](bool on) {
        problemsClosed_ = !on;
        problemsDock_->setVisible(on);
    });
    connect(problemsDock_, &QDockWidget::visibilityChanged, this,
            [this](bool) { Action(ProblemsView)->setChecked(!problemsDock_->isHidden()); });
}

void CMainFrame::RefreshProblems() {
    const bool hadProblems = !problems_.Findings().empty();
    if (!problems_.Refresh(document_->Core())) return;
    const std::vector<checks::Finding>& findings = problems_.Findings();
    problemsPanel_->ShowFindings(document::GroupBySection(findings));
    fixBar_->Refresh();
    problemsPane_->setText(document_->HasProgram() ? QString::fromStdString(document::ProblemCountText(findings))
                                                   : QString());
    // Problems where there were none bring the panel up, unless the user closed it.
    if (!hadProblems && !findings.empty() && !problemsClosed_) problemsDock_->show();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The panel's own close button is the user closing it, as View › Problems is.
    if (watched == problemsDock_ && event->type() == QEvent::Close) problemsClosed_ = true;
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ApplyProblemsPreference() {
    document_->Core().SetApplyingMessagesShown(!settings::ReadProblemsInPanel(registry_));
}

model::CScreenModel* CMainFrame::SelectEntryOf(const checks::Finding& finding) {
    return SelectEntry(document::EntryOf(finding));
}

model::CScreenModel* CMainFrame::SelectEntry(const std::optional<document::ProblemEntry>& entry) {
    if (editingScreenFile_ || !document_->HasProgram()) return nullptr;
    if (!entry) return nullptr;
    const program::BrowserPage page = program::BrowserPage::All;
    browser_->ActivatePage(page);
    document_->PreparePage(page);
    const program::DirectoryPage& listed = document_->Page(page);
    std::optional<std::size_t> row;
    for (std::size_t at = 0; at < listed.Rows().size() && !row; ++at) {
        const model::CScreenModel& model = *listed.Models()[at];
        if (model.Name() == entry->name && static_cast<overrides::SectionKind>(model.Kind()) == entry->kind) row = at;
    }
    // A section for an entry the program does not have: nothing to show.
    if (!row || !document_->SelectRow(page, *row)) return nullptr;
    browser_->MarkSelectedRow(page);
    return document_->CurrentScreen();
}

void CMainFrame::ShowProblem(const checks::Finding& finding) {
    model::CScreenModel* screen = SelectEntryOf(finding);
    if (screen == nullptr) return;
    canvas::CScreenCanvas* canvas = view_->Canvas();
    if (screen != nullptr && canvas != nullptr) {
        const canvas::interaction::ItemHit hit =
            canvas::interaction::ItemWithKey(*screen, finding.itemKey, canvas->Interaction().GridShift());
        if (hit) {
            canvas->Interaction().SelectItem(hit);
            canvas->setFocus();
            canvas->update();
            return;
        }
    }
    EditScreenFileCommand();
}

void CMainFrame::ReleaseMessagesWhenShown() {
    const auto exposed = [this] { return windowHandle() != nullptr && windowHandle()->isExposed(); };
    if (!isVisible() || exposed()) {
        heldMessages_->Release();
        return;
    }
    // Shown is asked for; on the screen is when the window system exposes it.
    auto* wait = new QTimer(this);
    wait->setInterval(20);
    connect(wait, &QTimer::timeout, this, [this, wait, exposed, rounds = 0]() mutable {
        if (!exposed() && ++rounds < 100) return;
        wait->stop();
        wait->deleteLater();
        heldMessages_->Release();
    });
    wait->start();
}

void CMainFrame::ConnectDocument() {
    document::DocumentPrompts prompts;
    prompts.location.chooseDirectory = [this](const std::vector<std::string>& directories) {
        return FilePathDialog::Ask(directories, this);
    };
    prompts.location.chooseFile = [this] { return ChooseOverrideFile(); };
    prompts.mapOverridePath = [this](std::string& path) {
        switch (mapping::ResolvePath(path, mapping::MappingDirection::ServerToClient, mapping::kUseOverrideFile,
                                     *mapper_)) {
            case mapping::PathResolution::Local: return true;
            case mapping::PathResolution::Mapped: serverMode_ = true; return true;
            case mapping::PathResolution::Kept: return false;
        }
        return false;
    };
    prompts.openAnyway = [this](const std::string& question) { return AskToOpenAnyway(this, question); };
    document_->SetPrompts(std::move(prompts));
    document_->Core().SetRecovery([this](const std::string& found) { return AskToRecover(this, found); });

    document::DocumentViews views;
    views.clearing = [this] {
        view_->ShowScreen(nullptr);
        browser_->ClearLists();
    };
    views.loaded = [this] {
        browser_->ActivatePage(program::BrowserPage::All);
        if (isVisible()) FitBrowserToNames();
        AfterChange();
    };
    views.currentScreenChanged = [this](model::CScreenModel* screen) {
        ShowOnCanvas(screen);
        AfterChange();
    };
    views.programOpened = [this](const std::string& path) {
        recentFiles_.Add(platform::PathFromQString(QFileInfo(platform::QStringFromPath(path)).absoluteFilePath()));
        UpdateRecentFileMenu();
    };
    document_->SetViews(std::move(views));
}

std::optional<std::string> CMainFrame::ChooseOverrideFile() {
    QFileDialog dialog(this, QString::fromLatin1(texts::kOpenOverrideTitle));
    dialog.setObjectName(QStringLiteral("openOverrideFileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromLatin1(texts::kOverrideExtension));
    QStringList filters;
    for (const char* filter : texts::kOverrideFilters) filters.append(QString::fromLatin1(filter));
    platform::SetFileFilters(dialog, filters);
    const std::string& program = document_->Core().ProgramPath();
    if (!program.empty()) dialog.setDirectory(QFileInfo(platform::QStringFromPath(program)).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return platform::PathFromQString(dialog.selectedFiles().first());
}

bool CMainFrame::OpenProgramPath(const QString& path) {
    // The entry under hand edit and the changes stay until the user lets them go.
    if (editingScreenFile_ || !ConfirmRelease()) return false;
    const bool opened = document_->OpenProgram(platform::PathFromQString(path));
    AfterChange();
    return opened;
}

void CMainFrame::OpenOverrideFileCommand() {
    if (editingScreenFile_) return;
    // The other file replaces the work files: the changes are saved first.
    if (document_->HasProgram() && document_->Core().Modified() && !SaveCommand()) return;
    document_->OpenOverrideFile();
    AfterChange();
}

QString CMainFrame::OverrideFileName() const {
    const std::string& overridePath = document_->OverridePath();
    if (!overridePath.empty()) return QFileInfo(platform::QStringFromPath(overridePath)).fileName();
    return platform::QStringFromPath(document::OverrideFileName(document_->Core().ProgramPath()));
}

bool CMainFrame::ConfirmRelease() {
    if (!document_->HasProgram() || !document_->Core().Modified() || changesDiscarded_) return true;
    switch (AskToSaveChanges(this, OverrideFileName())) {
        case SaveChangesAnswer::Save:
            return SaveCommand();
        case SaveChangesAnswer::Discard:
            // The session's end closes the window after asking: once is enough.
            changesDiscarded_ = true;
            return true;
        case SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

bool CMainFrame::SaveCommand() {
    if (!document_->HasProgram()) return false;
    if (document_->Core().NeedsSaveAs()) return SaveAsCommand();
    // Another program's changes since opening are written over only when the user says so.
    bool overwrite = false;
    if (document_->Core().ChangedByAnotherProgram()) {
        switch (AskAboutChangedFile(this, OverrideFileName())) {
            case ChangedFileAnswer::SaveAs: return SaveAsCommand();
            case ChangedFileAnswer::Overwrite: overwrite = true; break;
            case ChangedFileAnswer::Cancel: return false;
        }
    }
    document_->Core().SetOverwriteChangesOnDisk(overwrite);
    const bool saved = document_->Core().Save(*messages_);
    document_->Core().SetOverwriteChangesOnDisk(false);
    AfterChange();
    return saved;
}

bool CMainFrame::SaveAsCommand() {
    if (!document_->HasProgram()) return false;
    QFileDialog dialog(this, QString::fromLatin1(texts::kSaveAsTitle));
    dialog.setObjectName(QStringLiteral("saveAsDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromLatin1(texts::kOverrideExtension));
    QStringList filters;
    for (const char* filter : texts::kSaveAsFilters) filters.append(QString::fromLatin1(filter));
    platform::SetFileFilters(dialog, filters);
    // Beside the current override file, or beside the program without one.
    const std::string& overridePath = document_->OverridePath();
    const std::string& besides = overridePath.empty() ? document_->Core().ProgramPath() : overridePath;
    dialog.setDirectory(QFileInfo(platform::QStringFromPath(besides)).absolutePath());
    dialog.selectFile(OverrideFileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const bool saved = document_->Core().SaveAs(platform::PathFromQString(dialog.selectedFiles().first()), *messages_);
    AfterChange();
    return saved;
}

void CMainFrame::UndoCommand() {
    model::CScreenModel* screen = document_->CurrentScreen();
    if (screen != nullptr && document_->Core().Undo(*screen, *messages_)) ShowOnCanvas(screen);
    AfterChange();
}

void CMainFrame::RedoCommand() {
    model::CScreenModel* screen = document_->CurrentScreen();
    if (screen != nullptr && document_->Core().Redo(*screen, *messages_)) ShowOnCanvas(screen);
    AfterChange();
}

void CMainFrame::EditScreenFileCommand() {
    model::CScreenModel* screen = document_->CurrentScreen();
    if (screen == nullptr || editingScreenFile_) return;
    const document::EditResult result = document_->Core().EditScreenFile(
        *screen,
        [this](const std::string& copy) {
            editingScreenFile_ = true;
            AfterChange();
            editor_.EditAndWait(platform::QStringFromPath(copy), this, *messages_);
            editingScreenFile_ = false;
        },
        *messages_);
    // Opening, closing and switching entries were refused meanwhile, so the
    // screen is still the current one.
    if (result == document::EditResult::Applied && screen == document_->CurrentScreen()) ShowOnCanvas(screen);
    AfterChange();
    if (quitAfterEdit_) {
        quitAfterEdit_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void CMainFrame::ListMessagesCommand() {
    model::CScreenModel* screen = document_->CurrentScreen();
    if (screen == nullptr || editingScreenFile_) return;
    // OK rebuilt the screen's items: a new canvas, as after an undo.
    if (lists::ListScreenMessages({document_->Core(), *screen, *messages_, this})) ShowOnCanvas(screen);
    AfterChange();
}

void CMainFrame::AfterChange() {
    changesDiscarded_ = false;
    const document::Document& core = document_->Core();
    const model::CScreenModel* screen = document_->CurrentScreen();
    for (const ActionSpec& spec : FrameActions()) {
        QAction* action = Action(spec.id);
        switch (spec.rule) {
            case EnableRule::Modified:
                action->setEnabled(core.HasProgram() && core.Modified());
                break;
            case EnableRule::ProgramOpen:
                action->setEnabled(core.HasProgram());
                break;
            case EnableRule::UndoSteps:
                action->setEnabled(screen != nullptr && core.CanUndo(*screen));
                break;
            case EnableRule::RedoSteps:
                action->setEnabled(screen != nullptr && core.CanRedo(*screen));
                break;
            case EnableRule::CurrentEntry:
                action->setEnabled(screen != nullptr && !editingScreenFile_);
                break;
            default:  // the other rules keep the state their owners give
                break;
        }
    }
    // While a hand edit runs, nothing may take its entry away.
    for (ActionId id : {OpenProgram, OpenOverrideFile}) Action(id)->setEnabled(!editingScreenFile_);
    for (QAction* recent : recentActions_) recent->setEnabled(!editingScreenFile_);
    RestrictCommandsForReview();
    UpdateTitle();
    RefreshProblems();
    if (view_->Canvas() != nullptr) view_->Canvas()->update();
}

void CMainFrame::OpenProgramCommand() {
    QFileDialog dialog(this, QString::fromLatin1(texts::kOpenProgramTitle));
    dialog.setObjectName(QStringLiteral("openProgramDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromLatin1(texts::kProgramFilter));
    const std::string& program = document_->Core().ProgramPath();
    if (!program.empty()) dialog.setDirectory(QFileInfo(platform::QStringFromPath(program)).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    openProgramUsed_ = true;
    document_->ClearCommandLineValues();
    OpenProgramPath(dialog.selectedFiles().first());
}

void CMainFrame::OpenRecentFile(const QString& path) {
    if (openProgramUsed_) document_->ClearCommandLineValues();
    if (!OpenProgramPath(path) && !QFileInfo::exists(path)) {
        recentFiles_.Remove(platform::PathFromQString(path));
        UpdateRecentFileMenu();
    }
}

void CMainFrame::UpdateRecentFileMenu() {
    const std::vector<std::string>& files = recentFiles_.Files();
    for (int index = 0; index < recentActions_.size(); ++index) {
        QAction* action = recentActions_[index];
        const bool used = static_cast<std::size_t>(index) < files.size();
        action->setVisible(used);
        if (!used) continue;
        const QString path = platform::QStringFromPath(files[static_cast<std::size_t>(index)]);
        action->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(path));
        action->setData(path);
        action->setStatusTip(QStringLiteral("Open this program"));
    }
    recentPlaceholder_->setVisible(files.empty());
}

void CMainFrame::UpdateTitle() {
    const QString title = QString::fromLatin1(texts::kApplicationTitle);
    const std::string& program = document_->Core().ProgramPath();
    // The placeholder shows the mark while the document has unsaved changes.
    setWindowTitle(program.empty() ? title
                                   : QFileInfo(platform::QStringFromPath(program)).fileName() + QStringLiteral(" - ") + title +
                                         QString::fromLatin1(texts::kUnsavedMark));
    setWindowModified(!program.empty() && document_->Core().Modified());
}

void CMainFrame::UpdateSelectionPane() { selectionPane_->setText(CanvasPaneText(*view_)); }

void CMainFrame::ShowFind() {
    if (!findDialog_) {
        findDialog_ = new FindDialog(this);
        findDialog_->setAttribute(Qt::WA_DeleteOnClose);
        connect(findDialog_, &FindDialog::findNext, this, &CMainFrame::FindNextRequested);
    }
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void CMainFrame::FindNextRequested(const document::FindRequest& request) {
    const program::BrowserPage page = browser_->ActivePage();
    document_->FindNext(page, request);
    browser_->MarkSelectedRow(page);
}

void CMainFrame::ShowPreferences() {
    PreferencesDialog dialog(registry_, *messages_, this);
    dialog.exec();
    ApplyProblemsPreference();
}

void CMainFrame::ShowAbout() {
    QMessageBox about(this);
    about.setObjectName(QStringLiteral("aboutBox"));
    about.setWindowTitle(QString::fromLatin1(texts::kAboutTitle));
    about.setAccessibleName(about.windowTitle());
    about.setIconPixmap(windowIcon().pixmap(48, 48));
    about.setText(QStringLiteral("<b>%1</b>").arg(QString::fromLatin1(texts::kApplicationTitle)));
    about.setInformativeText(QString::fromStdString(platform::FormatText(texts::kVersionLine, TESSELLAR_VERSION)));
    about.setStandardButtons(QMessageBox::Ok);
    about.exec();
}

void CMainFrame::ShowHelp() { help::ShowHelpPage(this, kMainHelpContext); }

void CMainFrame::ShowCustomize() {
    QStringList available;
    for (const ActionSpec& spec : FrameActions()) {
        if (*spec.icon != '\0' || spec.id == Legend) available.append(QString::fromLatin1(spec.objectName));
    }
    const auto lookup = [this](const QString& name) { return ToolbarAction(name); };
    ToolbarCustomizeDialog dialog({standardToolbar_, customiserToolbar_}, available, lookup, this);
    dialog.exec();
}

void CMainFrame::LaunchPromptSweep() {
    // A second start waits until the first front end has ended.
    QAction* command = Action(PromptSweep);
    command->setEnabled(false);
    const bool started = launcher_.Run([this] { return quitDuringWait_; },
                                       [this] {
                                           messages_->ShowMessage(texts::kQuitWhileWaiting);
                                           // Quitting skips the window's close, so the changes are asked about here.
                                           quitDuringWait_ = false;
                                           if (!ConfirmRelease()) return;
                                           SaveWorkspace();
                                           QCoreApplication::quit();
                                       });
    command->setEnabled(true);
    if (!started) messages_->ShowMessage(texts::kCreateProcessFailed);
}

void CMainFrame::SetSkin(int skin) {
    skin_ = skin < 0 || skin >= kSkinCount ? settings::kDefaultSkin : skin;
    for (ActionId id : {SkinDefault, SkinOfficeXp, SkinOffice2003}) {
        Action(id)->setChecked(static_cast<int>(id) - static_cast<int>(SkinDefault) == skin_);
    }
    ApplySkin(skin_);
}

void CMainFrame::RestoreWorkspace() {
    const std::string geometry = settings::ReadWorkspaceValue(registry_, kGeometryValue);
    const std::string state = settings::ReadWorkspaceValue(registry_, kStateValue);
    geometryStored_ = !geometry.empty();
    if (geometryStored_) restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(geometry)));
    if (!state.empty()) workspaceRestored_ = restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
    // Bars hidden by the restored layout say so in the View menu.
    Action(StandardToolbar)->setChecked(!standardToolbar_->isHidden());
    Action(CustomiserToolbar)->setChecked(!customiserToolbar_->isHidden());
    Action(OutlookBar)->setChecked(!dock_->isHidden());
    Action(ProblemsView)->setChecked(!problemsDock_->isHidden());
}

void CMainFrame::ShowAsLeft() {
    if (!geometryStored_) {
        // Without a window manager nothing maximises; the screen's size does.
        if (QScreen* shown = screen()) setGeometry(shown->availableGeometry());
        showMaximized();
    } else {
        show();
    }
    if (!workspaceRestored_) resizeDocks({dock_}, {kBrowserWidth}, Qt::Horizontal);
    FitBrowserToNames();
}

void CMainFrame::FitBrowserToNames() {
    if (!document_->HasProgram() || dock_->isHidden() || dock_->isFloating()) return;
    // The pane widens, never narrows, and never takes more than its share of the window.
    const int wanted = dock_->width() - browser_->width() + browser_->WidthForWholeRows(browser_->ActivePage());
    const int widest = width() * kBrowserShareOfWindow / 100;
    if (dock_->width() < wanted) resizeDocks({dock_}, {std::min(wanted, std::max(widest, dock_->width()))}, Qt::Horizontal);
}

void CMainFrame::SaveWorkspace() {
    settings::WriteSelectedSkin(registry_, skin_);
    settings::WriteWorkspaceValue(registry_, kGeometryValue, saveGeometry().toBase64().toStdString());
    settings::WriteWorkspaceValue(registry_, kStateValue, saveState().toBase64().toStdString());
    settings::WriteWorkspaceValue(registry_, kStandardButtonsValue, standardToolbar_->Buttons().join(QLatin1Char(',')).toStdString());
    settings::WriteWorkspaceValue(registry_, kCustomiserButtonsValue,
                               customiserToolbar_->Buttons().join(QLatin1Char(',')).toStdString());
    settings::WriteWorkspaceValue(registry_, kProblemsClosedValue, problemsClosed_ ? "1" : "0");
    recentFiles_.Save(registry_);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) OfferChangeOnDisk();
}

void CMainFrame::OfferChangeOnDisk() {
    if (offeringReload_ || editingScreenFile_ || !document_->HasProgram()) return;
    if (!document_->Core().NewChangeOnDisk()) return;
    offeringReload_ = true;
    if (AskToReload(this, OverrideFileName(), document_->Core().Modified())) {
        document_->ReloadOverrideFile();
    } else {
        document_->Core().KeepOwnVersion();
    }
    offeringReload_ = false;
    AfterChange();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (launcher_.Running()) {
        // The wait for the front end sees this and runs the exit sequence.
        quitDuringWait_ = true;
        event->ignore();
        return;
    }
    if (editingScreenFile_) {
        // The wait for the editor closes the window once the editor has ended.
        messages_->ShowMessage(texts::kQuitWhileWaiting);
        quitAfterEdit_ = true;
        event->ignore();
        return;
    }
    if (!ConfirmRelease()) {
        event->ignore();
        return;
    }
    SaveWorkspace();
    if (findDialog_) findDialog_->close();
    if (canvas::LegendWindow* legend = canvas::LegendWindow::Instance()) legend->close();
    event->accept();
}

}  // namespace shell
