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
#include <optional>

#include "tessellar/help/qt/help_viewer.h"
#include "tessellar/triggers/qt/runtime_launcher.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {
namespace {

constexpr int kHelpContext = 33;

// Parameters and test values are code page 1252 texts, as the run line is.
QString Latin(const std::string& text) { return platform::QStringFromCp1252(text); }
std::string Bytes(const QString& text) { return platform::Cp1252FromQString(text); }

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
                                                 RuntimeAutomation& automation, platform::MessageSink& sink)
    : QDialog(parent), registry_(registry), program_(std::move(program)), parameterKey_(std::move(parameterKey)),
      programTypeIndex_(programTypeIndex), automation_(automation), sink_(sink) {
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
    auto* launch = Button(this, texts::kLaunchTrigger, "LaunchTrigger");
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
    buttons->addWidget(launch);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addWidget(list_, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::itemClicked, this, [this] { SelectRow(); });
    connect(setValue_, &QPushButton::clicked, this, [this] { SetValue(); });
    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(launch, &QPushButton::clicked, this, [this] { LaunchTrigger(); });
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

void TriggerValidationDialog::LaunchTrigger() {
    LaunchRequest request;
    request.dataDirectory = platform::PathFromQString(dataDirectory_->text());
    request.typeLetter = ProgramTypeLetter(programTypeIndex_);
    request.program = program_;
    request.values = LaunchValues(rows_);
    LaunchOutcome outcome = automation_.Launch(request);
    std::string text = LaunchFailureText(outcome);
    if (text.empty()) text = outcome.report;
    if (!text.empty()) sink_.ShowMessage(text);
}

void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink, RuntimeAutomation& automation) {
    auto launcher = registry.ReadString(settings::RegistryRoot::CurrentUser, kTriggerKey, kRuntimeLauncherValue);
    std::optional<RuntimeLauncher> chosen;
    if (launcher && !launcher->empty()) chosen.emplace(Latin(*launcher));
    RuntimeAutomation& used = chosen ? static_cast<RuntimeAutomation&>(*chosen) : automation;
    TriggerValidationDialog dialog(parent, registry, parametersLine, program, parameterKey, programTypeIndex, used,
                                   sink);
    dialog.exec();
}

void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink) {
    UnavailableRuntime runtime;
    RunTriggerValidation(parent, registry, parametersLine, program, parameterKey, programTypeIndex, sink, runtime);
}

}  // namespace triggers
