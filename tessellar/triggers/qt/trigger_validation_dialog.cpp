#include "tessellar/triggers/qt/trigger_validation_dialog.h"

#include "platform/qt/cp1252_text.h"
#include "platform/qt/path_text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "tessellar/help/qt/help_viewer.h"
#include "tessellar/triggers/qt/trigger_run_panel.h"
#include "tessellar/triggers/trigger_run.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {
namespace {

constexpr int kHelpContext = 33;

// Parameters and test values are code page 1252 texts, as the run line is.
QString Latin(const std::string& text) { return platform::QStringFromCp1252(text); }
std::string Bytes(const QString& text) { return platform::Cp1252FromQString(text); }
// A program started here receives the texts in the local encoding.
std::string Local(const std::string& text) { return platform::PathFromQString(Latin(text)); }

LaunchRequest LocalRequest(LaunchRequest request) {
    request.runtimeProgram = Local(request.runtimeProgram);
    request.typeLetter = Local(request.typeLetter);
    request.program = Local(request.program);
    request.values = Local(request.values);
    return request;
}

std::vector<TestRow> LocalRows(std::vector<TestRow> rows) {
    for (TestRow& row : rows) {
        row.token = Local(row.token);
        row.value = Local(row.value);
    }
    return rows;
}

QLineEdit* Edit(QWidget* parent, const char* caption, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(QString::fromLatin1(caption));
    edit->setMaxLength(static_cast<int>(kTestTextLength));
    return edit;
}

QPushButton* Button(QWidget* parent, const char* caption, const char* name) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(QString::fromLatin1(caption)).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TriggerValidationDialog::TriggerValidationDialog(QWidget* parent, settings::RegistryAccess& registry,
                                                 const std::string& parametersLine, std::string program,
                                                 std::string parameterKey, int programTypeIndex,
                                                 RuntimeAutomation& automation, platform::MessageSink& sink,
                                                 mapping::PathMapper* mapper, std::string launcher)
    : QDialog(parent), registry_(registry), program_(std::move(program)), parameterKey_(std::move(parameterKey)),
      programTypeIndex_(programTypeIndex), automation_(automation), sink_(sink), mapper_(mapper),
      launcher_(std::move(launcher)) {
    setObjectName(QStringLiteral("TriggerValidationDialog"));
    setWindowTitle(QString::fromLatin1(texts::kValidationTitle));
    setAccessibleName(windowTitle());

    auto* instruction = new QLabel(QString::fromLatin1(texts::kInstruction), this);
    instruction->setObjectName(QStringLiteral("Instruction"));
    instruction->setAccessibleName(instruction->text());
    instruction->setWordWrap(true);
    instruction->setAutoFillBackground(true);
    QPalette white = instruction->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    instruction->setPalette(white);
    instruction->setMargin(fontMetrics().height() / 2);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ParameterList"));
    list_->setAccessibleName(QString::fromLatin1(texts::kParamColumn));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QString::fromLatin1(texts::kParamColumn), QString::fromLatin1(texts::kValueColumn)});
    // The column widths are dialog units of the average character width.
    const int unit = fontMetrics().averageCharWidth();
    list_->setColumnWidth(0, 150 * unit / 6);
    list_->header()->resizeSection(1, 191 * unit / 6);
    list_->setMinimumWidth((150 + 191) * unit / 6 + 2 * list_->frameWidth() + unit);
    // A wrapped label's lines count in the dialog's minimum only when said:
    // at the narrowest the dialog can be, nothing below it is squeezed.
    instruction->setMinimumHeight(instruction->heightForWidth(list_->minimumWidth()));
    rows_ = TestRows(registry_, parametersLine, parameterKey_);
    for (const TestRow& row : rows_) list_->addTopLevelItem(new QTreeWidgetItem({Latin(row.token), Latin(row.value)}));

    parameter_ = Edit(this, texts::kParameterCaption, "Parameter");
    parameter_->setReadOnly(true);
    parameter_->setEnabled(false);
    value_ = Edit(this, texts::kValueCaption, "Value");
    value_->setEnabled(false);
    setValue_ = Button(this, texts::kSetValue, "SetValue");
    setValue_->setEnabled(false);
    dataDirectory_ = Edit(this, texts::kDataDirectoryCaption, "DataDirectory");
    launch_ = Button(this, texts::kLaunchTrigger, "LaunchTrigger");
    save_ = Button(this, texts::kSave, "Save");
    save_->setEnabled(false);
    auto* cancel = Button(this, texts::kCancel, "Cancel");

    auto* form = new QFormLayout;
    form->addRow(QString::fromLatin1(texts::kParameterCaption), parameter_);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(value_, 1);
    valueRow->addWidget(setValue_);
    form->addRow(QString::fromLatin1(texts::kValueCaption), valueRow);
    form->addRow(QString::fromLatin1(texts::kDataDirectoryCaption), dataDirectory_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(launch_);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addWidget(list_, 1);
    layout->addLayout(form);
    // Shown from the first program started here on.
    run_ = new TriggerRunPanel(this);
    run_->hide();
    layout->addWidget(run_, 1);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::itemClicked, this, [this] { SelectRow(); });
    connect(setValue_, &QPushButton::clicked, this, [this] { SetValue(); });
    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(launch_, &QPushButton::clicked, this, [this] { LaunchTrigger(); });
    // One run at a time; the rest of the dialog stays live meanwhile.
    connect(run_, &TriggerRunPanel::runningChanged, launch_, [this](bool running) {
        launch_->setEnabled(!running);
        if (running) GrowToShowTheRun();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TriggerValidationDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        help::ShowHelpPage(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TriggerValidationDialog::SelectRow() {
    int index = list_->indexOfTopLevelItem(list_->currentItem());
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    const TestRow& row = rows_[static_cast<std::size_t>(index)];
    parameter_->setText(Latin(row.token));
    value_->setText(Latin(row.value));
    value_->setEnabled(!row.literal);
    setValue_->setEnabled(!row.literal);
}

void TriggerValidationDialog::SetValue() {
    int index = list_->indexOfTopLevelItem(list_->currentItem());
    if (index < 0 || index >= static_cast<int>(rows_.size()) || value_->text().isEmpty()) return;
    TestRow& row = rows_[static_cast<std::size_t>(index)];
    if (row.literal) return;
    row.value = Bytes(value_->text());
    list_->topLevelItem(index)->setText(1, value_->text());
    save_->setEnabled(true);
}

void TriggerValidationDialog::Save() {
    std::string error;
    if (!SaveTestValues(registry_, parameterKey_, rows_, &error)) sink_.ShowMessage(error);
    save_->setEnabled(false);
}

void TriggerValidationDialog::reject() {
    if (run_->Running()) run_->Stop();
    QDialog::reject();
}

void TriggerValidationDialog::LaunchTrigger() {
    if (run_->Running()) return;
    LaunchRequest request;
    request.dataDirectory = platform::PathFromQString(dataDirectory_->text());
    request.typeLetter = ProgramTypeLetter(programTypeIndex_);
    request.program = program_;
    request.values = LaunchValues(rows_);
    // A configured launcher wins; then the runtime; without it, the trigger
    // itself.
    if (!launcher_.empty()) {
        run_->Start(LauncherInvocation(launcher_, LocalRequest(request)));
        return;
    }
    LaunchOutcome outcome = automation_.Launch(request);
    if (outcome.failure == LaunchFailure::NotCreated) {
        RunHere(request);
        return;
    }
    std::string text = LaunchFailureText(outcome);
    if (text.empty()) text = outcome.report;
    if (!text.empty()) sink_.ShowMessage(text);
}

void TriggerValidationDialog::GrowToShowTheRun() {
    // The run appears below the parameters: the dialog grows to show it whole
    // rather than squeezing it.
    layout()->activate();
    const QSize wanted = size().expandedTo(sizeHint());
    if (wanted != size()) resize(wanted);
}

void TriggerValidationDialog::RunHere(const LaunchRequest& request) {
    const DirectRun run = PlanDirectRun(LocalRequest(request), LocalRows(rows_), programTypeIndex_, mapper_);
    if (!run.invocation) {
        sink_.ShowMessage(run.refusal);
        return;
    }
    run_->Start(*run.invocation);
}

void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink, mapping::PathMapper* mapper, RuntimeAutomation& automation) {
    auto launcher = registry.ReadString(settings::RegistryRoot::CurrentUser, kTriggerKey, kRuntimeLauncherValue);
    TriggerValidationDialog dialog(parent, registry, parametersLine, program, parameterKey, programTypeIndex,
                                   automation, sink, mapper, launcher ? Local(*launcher) : std::string());
    dialog.exec();
}

void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink, mapping::PathMapper* mapper) {
    UnavailableRuntime runtime;
    RunTriggerValidation(parent, registry, parametersLine, program, parameterKey, programTypeIndex, sink, mapper,
                         runtime);
}

}  // namespace triggers
