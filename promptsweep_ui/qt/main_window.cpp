#include "promptsweep_ui/qt/main_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/qt/path_text.h"
#include "promptsweep_ui/check_plan.h"
#include "promptsweep_ui/qt/check_results.h"
#include "promptsweep_ui/qt/diff_viewer.h"
#include "promptsweep_ui/qt/edit_request_dialog.h"
#include "promptsweep_ui/qt/focus_leave.h"
#include "promptsweep_ui/qt/log_viewer.h"
#include "promptsweep_ui/qt/tips_dialog.h"
#include "promptsweep_ui/qt/tool_follower.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/run_plan.h"
#include "promptsweep_ui/text_file.h"
#include "promptsweep_ui/ui_texts.h"

#ifndef PROMPTSWEEP_UI_VERSION
#define PROMPTSWEEP_UI_VERSION "0.0.0"
#endif

namespace sweepui {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(Latin(caption), parent);
    button->setObjectName(Latin(name));
    button->setAccessibleName(button->text());
    return button;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(Latin(caption), parent);
    box->setObjectName(Latin(name));
    box->setAccessibleName(box->text());
    return box;
}

// A text box named after the label beside it.
QLineEdit* LabelledBox(QWidget* parent, QLabel* label, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(Latin(name));
    box->setAccessibleName(label->text().trimmed());
    label->setBuddy(box);
    return box;
}

QLabel* Label(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(Latin(caption), parent);
    label->setObjectName(Latin(name));
    label->setAccessibleName(label->text().trimmed());
    return label;
}

}  // namespace

MainWindow::MainWindow(const FrontEndSetup& setup, QWidget* parent)
    : QMainWindow(parent), setup_(setup), tips_(*setup.registry),
      follower_(std::make_unique<ToolFollower>(setup.round)) {
    setObjectName(QStringLiteral("frmSCFGenMain"));
    setWindowTitle(Latin(texts::kProductName) + Latin(texts::kVersionPrefix) + Latin(PROMPTSWEEP_UI_VERSION));
    setAccessibleName(windowTitle());
    BuildControls();
    LoadSettings();
    LoadList();
    ValidateQuietly();

    connect(follower_.get(), &ToolFollower::Output, this, [this](const QString& text) {
        results_->moveCursor(QTextCursor::End);
        results_->insertPlainText(WithPlainLineEnds(text));
        results_->verticalScrollBar()->setValue(results_->verticalScrollBar()->maximum());
    });
    connect(follower_.get(), &ToolFollower::ProgressChanged, this, [this](int programs) {
        progressLabel_->setText(QString::asprintf(texts::kProgramsProcessed, programs));
    });
    connect(follower_.get(), &ToolFollower::FailedToStart, this,
            [this] { ShowMessage(this, Latin(texts::kFailedToStart)); });
    connect(follower_.get(), &ToolFollower::Finished, this, &MainWindow::Finish);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    auto* pathLabel = Label(this, "Label2", texts::kPathLabel);
    txtPath_ = LabelledBox(this, pathLabel, "txtPath");
    txtPath_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    auto* browseStart = Button(this, "cmdBrowse_0", texts::kBrowse);
    browseStart->setAccessibleDescription(Latin(texts::kChooseStartDirectory));
    browseStart->setToolTip(Latin(texts::kChooseStartDirectory));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(txtPath_, 1);
    pathRow->addWidget(browseStart);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setAccessibleName(Latin(texts::kFindColumn) + QStringLiteral(" / ") + Latin(texts::kReplaceColumn));
    list_->setColumnCount(2);
    list_->setHeaderLabels({Latin(texts::kFindColumn), Latin(texts::kReplaceColumn)});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setSectionResizeMode(QHeaderView::Stretch);
    list_->setMinimumHeight(fontMetrics().height() * 8);
    auto* cmdEntry = Button(this, "cmdEntry", texts::kAdd);
    cmdEdit_ = Button(this, "cmdEdit", texts::kEdit);
    cmdDelRec_ = Button(this, "cmdDelRec", texts::kDelete);
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(cmdEntry);
    listButtons->addWidget(cmdEdit_);
    listButtons->addWidget(cmdDelRec_);
    listButtons->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(listButtons);

    auto* placeLabel = Label(this, "Label10", texts::kPlaceFilesIn);
    optLocate_ = new QButtonGroup(this);
    auto* options = new QVBoxLayout;
    options->addWidget(placeLabel);
    const char* captions[] = {texts::kLocateProgramDirectory, texts::kLocateStructure, texts::kLocateAllInOne};
    for (int index = 0; index < 3; ++index) {
        auto* option = new QRadioButton(Latin(captions[index]), this);
        option->setObjectName(QStringLiteral("optLocate_%1").arg(index));
        option->setAccessibleName(option->text());
        optLocate_->addButton(option, index);
        options->addWidget(option);
    }
    txtDirOut_ = LabelledBox(this, placeLabel, "txtDirOut");
    browseOutput_ = Button(this, "cmdBrowse_1", texts::kBrowse);
    browseOutput_->setAccessibleDescription(Latin(texts::kChooseOutputDirectory));
    browseOutput_->setToolTip(Latin(texts::kChooseOutputDirectory));
    auto* outputRow = new QHBoxLayout;
    outputRow->addSpacing(fontMetrics().averageCharWidth() * 3);
    outputRow->addWidget(txtDirOut_, 1);
    outputRow->addWidget(browseOutput_);
    options->addLayout(outputRow);

    chkReportOnly_ = CheckBox(this, "chkReportOnly", texts::kReportOnly);
    chkExcludeSubDirs_ = CheckBox(this, "chkExcludeSubDirs", texts::kExcludeSubDirectories);
    chkOverride_ = CheckBox(this, "chkOverride", texts::kOverride);
    auto* switches = new QVBoxLayout;
    switches->addWidget(chkReportOnly_);
    switches->addWidget(chkExcludeSubDirs_);
    switches->addWidget(chkOverride_);
    switches->addStretch();
    auto* choices = new QHBoxLayout;
    auto* placeBox = new QGroupBox(this);
    placeBox->setLayout(options);
    auto* switchBox = new QGroupBox(this);
    switchBox->setLayout(switches);
    choices->addWidget(placeBox, 3);
    choices->addWidget(switchBox, 2);

    cmdGo_ = Button(this, "cmdGo", texts::kGo);
    cmdGo_->setDefault(true);
    cmdPreview_ = Button(this, "cmdPreview", texts::kPreview);
    auto* cmdExit = Button(this, "cmdExit", texts::kExit);
    auto* cmdHelp = Button(this, "cmdHelp", texts::kHelp);
    cmdViewLog_ = Button(this, "cmdViewLog", texts::kViewLog);
    // Offered once a run has written override files.
    cmdCheck_ = Button(this, "cmdCheck", texts::kCheckFiles);
    cmdCheck_->hide();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(cmdHelp);
    buttonRow->addWidget(cmdViewLog_);
    buttonRow->addWidget(cmdCheck_);
    buttonRow->addStretch();
    buttonRow->addWidget(cmdPreview_);
    buttonRow->addWidget(cmdGo_);
    buttonRow->addWidget(cmdExit);

    // Shown while the tool runs: its console lines, how far it has come and
    // that it is still busy.
    resultsArea_ = new QWidget(this);
    results_ = new QPlainTextEdit(resultsArea_);
    results_->setObjectName(QStringLiteral("txtShowConResults"));
    results_->setAccessibleName(Latin(texts::kResultsName));
    results_->setReadOnly(true);
    results_->setLineWrapMode(QPlainTextEdit::NoWrap);
    results_->setMinimumHeight(fontMetrics().height() * 12);
    progressLabel_ = new QLabel(resultsArea_);
    progressLabel_->setObjectName(QStringLiteral("lblProgress"));
    progressLabel_->setAccessibleName(Latin(texts::kProgressName));
    busy_ = new QProgressBar(resultsArea_);
    busy_->setObjectName(QStringLiteral("barBusy"));
    busy_->setAccessibleName(Latin(texts::kBusyName));
    busy_->setRange(0, 0);
    busy_->setTextVisible(false);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progressLabel_, 1);
    progressRow->addWidget(busy_, 1);
    auto* resultsLayout = new QVBoxLayout(resultsArea_);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    resultsLayout->addWidget(results_, 1);
    resultsLayout->addLayout(progressRow);
    resultsArea_->hide();

    // A main window, not a plain widget: screen readers announce it as the
    // program's window, by its caption.
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("form"));
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(pathRow);
    layout->addLayout(listRow, 1);
    layout->addLayout(choices);
    layout->addLayout(buttonRow);
    layout->addWidget(resultsArea_, 2);

    connect(txtPath_, &QLineEdit::textChanged, this, &MainWindow::ValidateQuietly);
    connect(txtDirOut_, &QLineEdit::textChanged, this, &MainWindow::ValidateQuietly);
    OnFocusLeave(txtPath_, [this] { LeaveBox(txtPath_, StartDirectoryProblem); });
    OnFocusLeave(txtDirOut_, [this] { LeaveBox(txtDirOut_, OutputDirectoryProblem); });
    connect(browseStart, &QPushButton::clicked, this, [this] { Browse(txtPath_); });
    connect(browseOutput_, &QPushButton::clicked, this, [this] { Browse(txtDirOut_); });
    connect(optLocate_, &QButtonGroup::idClicked, this, [this](int id) {
        SelectLocation(static_cast<OutputLocation>(id));
        ValidateQuietly();
    });
    for (QCheckBox* box : {chkReportOnly_, chkExcludeSubDirs_, chkOverride_}) {
        connect(box, &QCheckBox::toggled, this, &MainWindow::ValidateQuietly);
    }
    connect(cmdEntry, &QPushButton::clicked, this, &MainWindow::AddPairs);
    connect(cmdEdit_, &QPushButton::clicked, this, &MainWindow::EditPair);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &MainWindow::EditPair);
    connect(cmdDelRec_, &QPushButton::clicked, this, &MainWindow::DeletePair);
    connect(cmdGo_, &QPushButton::clicked, this, &MainWindow::Go);
    connect(cmdPreview_, &QPushButton::clicked, this, &MainWindow::Preview);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { OpenHelp(this, setup_.programDirectory); });
    connect(cmdViewLog_, &QPushButton::clicked, this, &MainWindow::ViewLog);
    connect(cmdCheck_, &QPushButton::clicked, this, &MainWindow::CheckFiles);
}

void MainWindow::LoadSettings() {
    const FormOptions options = ReadSettingsFile(platform::PathFromQString(setup_.settingsFile));
    txtPath_->setText(platform::QStringFromPath(options.startDirectory));
    txtDirOut_->setText(platform::QStringFromPath(options.outputDirectory));
    optLocate_->button(static_cast<int>(options.location))->setChecked(true);
    SelectLocation(options.location);
    chkExcludeSubDirs_->setChecked(options.excludeSubDirectories);
    chkOverride_->setChecked(options.overridePrevious);
    chkReportOnly_->setChecked(options.reportOnly);
}

void MainWindow::LoadList() {
    for (const ReplacementRow& row : ReadListFile(platform::PathFromQString(setup_.listFile))) {
        AddRow(FromPairBytes(row.find), FromPairBytes(row.replace));
    }
}

void MainWindow::AddRow(const QString& find, const QString& replace) {
    auto* item = new QTreeWidgetItem(list_, {find, replace});
    list_->setCurrentItem(item);
}

FormOptions MainWindow::Options() const {
    FormOptions options;
    options.startDirectory = platform::PathFromQString(txtPath_->text());
    options.outputDirectory = platform::PathFromQString(txtDirOut_->text());
    options.location = static_cast<OutputLocation>(std::max(0, optLocate_->checkedId()));
    options.excludeSubDirectories = chkExcludeSubDirs_->isChecked();
    options.overridePrevious = chkOverride_->isChecked();
    options.reportOnly = chkReportOnly_->isChecked();
    return options;
}

std::vector<ReplacementRow> MainWindow::Rows() const {
    std::vector<ReplacementRow> rows;
    for (int index = 0; index < list_->topLevelItemCount(); ++index) {
        const QTreeWidgetItem* item = list_->topLevelItem(index);
        rows.push_back({ToPairBytes(item->text(0)), ToPairBytes(item->text(1))});
    }
    return rows;
}

bool MainWindow::SaveList() {
    if (WriteListFile(platform::PathFromQString(setup_.listFile), Rows())) return true;
    ShowMessage(this, Latin(texts::kCannotSaveList));
    return false;
}

bool MainWindow::Running() const { return follower_->Following() || follower_->ToolRunning(); }

ValidationOutcome MainWindow::ValidateForm(bool withMessages) {
    const ValidationOutcome outcome = Validate(Options(), Rows());
    // A run under way keeps OK disabled until it has finished.
    cmdGo_->setEnabled(outcome.goEnabled && !follower_->Following());
    cmdPreview_->setEnabled(outcome.goEnabled && !follower_->Following() && !preview_);
    cmdEdit_->setEnabled(outcome.editEnabled);
    cmdDelRec_->setEnabled(outcome.editEnabled);
    cmdViewLog_->setEnabled(outcome.viewLogEnabled);
    // A disabled OK cannot be clicked to hear why: its tool tip says it.
    const QString why = outcome.goEnabled ? QString()
                                          : platform::QStringFromPath(outcome.messages).trimmed().replace(
                                                QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QPushButton* button : {cmdGo_, cmdPreview_}) {
        button->setToolTip(why);
        button->setAccessibleDescription(why);
    }
    if (withMessages && !outcome.messages.empty()) {
        if (outcome.focusOutputDirectory && txtDirOut_->isEnabled()) txtDirOut_->setFocus();
        ShowMessage(this, platform::QStringFromPath(outcome.messages));
    }
    return outcome;
}

void MainWindow::SelectLocation(OutputLocation location) {
    const bool nominated = location != OutputLocation::ProgramDirectory;
    txtDirOut_->setEnabled(nominated);
    txtDirOut_->setReadOnly(!nominated);
    browseOutput_->setEnabled(nominated);
}

// Leaving a box the user has not typed in says nothing: OK still checks it.
void MainWindow::LeaveBox(QLineEdit* box, std::string (*problemOf)(const FormOptions&)) {
    if (leaving_ || !box->isModified()) return;
    box->setModified(false);
    leaving_ = true;
    if (const std::string problem = problemOf(Options()); !problem.empty()) ShowMessage(this, platform::QStringFromPath(problem));
    leaving_ = false;
}

void MainWindow::Browse(QLineEdit* box) {
    const QString chosen = QFileDialog::getExistingDirectory(this, box->accessibleName(), box->text());
    if (!chosen.isEmpty()) box->setText(QDir::toNativeSeparators(chosen));
}

void MainWindow::AddPairs() {
    for (;;) {
        EditRequestDialog dialog(this, tips_);
        if (dialog.exec() != QDialog::Accepted) break;
        if (!dialog.Find().isEmpty() && !dialog.Replace().isEmpty()) AddRow(dialog.Find(), dialog.Replace());
    }
    ValidateQuietly();
}

void MainWindow::EditPair() {
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr) return;
    EditRequestDialog dialog(this, tips_, item->text(0), item->text(1));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!dialog.Find().isEmpty() && !dialog.Replace().isEmpty()) {
        item->setText(0, dialog.Find());
        item->setText(1, dialog.Replace());
    }
}

void MainWindow::DeletePair() {
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr) return;
    if (AskOkCancel(this, Latin(texts::kConfirmDeletePrefix) + item->text(0) + Latin(texts::kConfirmDeleteSuffix))) {
        delete item;
    }
    ValidateQuietly();
}

void MainWindow::Go() {
    if (!ValidateForm(true).goEnabled) return;
    const FormOptions options = Options();
    if (!WriteSettingsFile(platform::PathFromQString(setup_.settingsFile), options)) {
        ShowMessage(this, Latin(texts::kCannotSaveSettings));
    }
    // The tool must never run on an older list than the one shown.
    if (!SaveList()) return;
    const RunPlan plan = PlanRun(options, platform::PathFromQString(setup_.listFile), platform::PathFromQString(LocateTool(setup_.programDirectory)));
    if (!plan.refusal.empty()) {
        ShowMessage(this, platform::QStringFromPath(plan.refusal));
        return;
    }
    if (setup_.debug && !AskYesNo(this, Latin(texts::kProductName),
                                  platform::QStringFromPath(plan.toolPath + " " + plan.commandLine))) {
        return;
    }
    cmdGo_->setEnabled(false);
    QFile::remove(platform::QStringFromPath(plan.consoleCopyPath));

    ToolStart start;
    start.toolPath = platform::QStringFromPath(plan.toolPath);
    for (const std::string& argument : plan.arguments) start.arguments << platform::QStringFromPath(argument);
    start.consoleCopyPath = platform::QStringFromPath(plan.consoleCopyPath);
    start.startDirectory = platform::QStringFromPath(plan.arguments.front());
    start.visible = setup_.debug;
    runOptions_ = options;
    results_->clear();
    progressLabel_->setText(QString::asprintf(texts::kProgramsProcessed, 0));
    ShowResults(true);
    if (!follower_->Start(start)) {
        ShowResults(false);
        ShowMessage(this, Latin(texts::kProgramNotFound) + start.toolPath + Latin(texts::kLineEnd) +
                              Latin(texts::kShortPathOpen) + platform::QStringFromPath(ShortPath(plan.toolPath)) +
                              Latin(texts::kShortPathClose));
        ValidateQuietly();
    }
}

// The tool in report-only mode with --diff, its output read whole when it
// ends; the list file is saved for it, nothing else.
void MainWindow::Preview() {
    if (preview_ || !ValidateForm(true).goEnabled) return;
    if (!SaveList()) return;
    const RunPlan plan =
        PlanPreview(Options(), platform::PathFromQString(setup_.listFile), platform::PathFromQString(LocateTool(setup_.programDirectory)));
    if (!plan.refusal.empty()) {
        ShowMessage(this, platform::QStringFromPath(plan.refusal));
        return;
    }
    const QString tool = platform::QStringFromPath(plan.toolPath);
    if (!QFileInfo::exists(tool)) {
        ShowMessage(this, Latin(texts::kProgramNotFound) + tool);
        return;
    }
    preview_ = std::make_unique<QProcess>();
    QStringList arguments;
    for (const std::string& argument : plan.arguments) arguments << platform::QStringFromPath(argument);
    connect(preview_.get(), &QProcess::finished, this, &MainWindow::PreviewDone);
    connect(preview_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) PreviewDone();
    });
    cmdPreview_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    preview_->start(tool, arguments);
}

void MainWindow::PreviewDone() {
    if (!preview_) return;
    // Called from the process's own signal: it goes once control is back.
    QProcess* process = preview_.release();
    process->disconnect(this);
    process->deleteLater();
    QApplication::restoreOverrideCursor();
    ValidateQuietly();
    const QByteArray diff = process->readAllStandardOutput();
    const QByteArray notes = process->readAllStandardError();
    if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) {
        ShowMessage(this, Latin(texts::kPreviewFailed) +
                              (notes.isEmpty() ? process->errorString() : FromConsoleBytes(notes).trimmed()));
        return;
    }
    DiffViewer viewer(diff, notes, this);
    viewer.exec();
}

void MainWindow::ShowResults(bool shown) {
    if (shown == resultsArea_->isVisible()) return;
    if (shown) {
        idleSize_ = size();
        resultsArea_->show();
        resize(width(), height() + resultsArea_->sizeHint().height());
    } else {
        resultsArea_->hide();
        // Let the layout give up the results' room before shrinking back.
        QTimer::singleShot(0, this, [this] { resize(idleSize_); });
    }
    busy_->setVisible(shown);
}

void MainWindow::Finish(bool cancelled, bool finishedWalk) {
    ShowResults(false);
    ValidateQuietly();
    if (cancelled) return;
    // A run that stopped short of the end of its walk keeps the pairs, so
    // the user can put right what stopped it and run them again.
    if (!runOptions_.reportOnly && finishedWalk) {
        list_->clear();
        SaveList();
        ValidateQuietly();
        writtenBy_ = runOptions_;
        cmdCheck_->show();
    }
    OpenRunLog(this, platform::QStringFromPath(RunLogPath(runOptions_)), *setup_.registry);
}

void MainWindow::ViewLog() {
    OpenRunLog(this, platform::QStringFromPath(ValidateForm(false).runLogPath), *setup_.registry);
}

// The checker over the override files the last writing run put where its
// choices said; its findings are read whole when it ends.
void MainWindow::CheckFiles() {
    if (checker_) return;
    const QString checker = LocateProgram(setup_.programDirectory, texts::kCheckerName);
    if (!QFileInfo(checker).isExecutable()) {
        ShowMessage(this, Latin(texts::kProgramNotFound) + checker);
        return;
    }
    QStringList arguments;
    for (const std::string& argument : CheckArguments(writtenBy_)) arguments << platform::QStringFromPath(argument);
    checker_ = std::make_unique<QProcess>();
    connect(checker_.get(), &QProcess::finished, this, &MainWindow::CheckDone);
    connect(checker_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) CheckDone();
    });
    cmdCheck_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    checker_->start(checker, arguments);
}

void MainWindow::CheckDone() {
    if (!checker_) return;
    // Called from the process's own signal: it goes once control is back.
    QProcess* process = checker_.release();
    process->disconnect(this);
    process->deleteLater();
    QApplication::restoreOverrideCursor();
    cmdCheck_->setEnabled(true);
    if (process->exitStatus() != QProcess::NormalExit || process->error() == QProcess::FailedToStart) {
        ShowMessage(this, Latin(texts::kCheckFailed) + process->errorString());
        return;
    }
    CheckResults results(process->exitCode(), process->readAllStandardOutput(), process->readAllStandardError(), this);
    results.exec();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (tipShown_) return;
    tipShown_ = true;
    QTimer::singleShot(0, this, [this] { ShowTip(this, tips_, Tip::StartTip, texts::kStartTip); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (Running() && !AskYesNo(this, Latin(texts::kConfirmExitTitle), Latin(texts::kConfirmExit))) {
        event->ignore();
        return;
    }
    if (list_->topLevelItemCount() == 0) WriteListFile(platform::PathFromQString(setup_.listFile), {});
    follower_->Cancel();
    if (checker_) {
        checker_->disconnect(this);
        checker_->kill();
        checker_->waitForFinished(1000);
        checker_.reset();
        QApplication::restoreOverrideCursor();
    }
    if (preview_) {
        preview_->disconnect(this);
        preview_->kill();
        preview_->waitForFinished(1000);
        preview_.reset();
        QApplication::restoreOverrideCursor();
    }
    event->accept();
}

}  // namespace sweepui
