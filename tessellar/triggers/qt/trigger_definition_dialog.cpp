// The trigger definition dialog and the open functions that run it for an
// item and issue the command its OK asks for.

#include "tessellar/triggers/qt/trigger_definition_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "platform/qt/cp1252_text.h"
#include "platform/qt/file_filters.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/qt/field_list_dialog.h"
#include "tessellar/triggers/program_path.h"
#include "tessellar/triggers/trigger_verification.h"
#include "tessellar/help/qt/help_viewer.h"
#include "tessellar/triggers/qt/trigger_validation_dialog.h"
#include "tessellar/triggers/run_line.h"
#include "tessellar/triggers/trigger_decision.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {

namespace {

constexpr int kOrvaleCode = 5;

QPushButton* Button(const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setAccessibleName(button->text());
    button->setAutoDefault(false);
    return button;
}

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

// Run lines are code page 1252 bytes, as every text of the override file.
QString Q(const std::string& text) { return platform::QStringFromCp1252(text); }
std::string S(const QString& text) { return platform::Cp1252FromQString(text); }

}  // namespace

void TriggerDefinitionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        help::ShowHelpPage(this, TriggerDialogHelpContext(kind_));
        return;
    }
    QDialog::keyPressEvent(event);
}

TriggerDefinitionDialog::TriggerDefinitionDialog(QWidget* parent, TriggerItemKind kind,
                                                 std::vector<DefinitionSlot> pointSlots, bool dataGridScreen,
                                                 DefinitionServices services)
    : QDialog(parent), kind_(kind), slots_(std::move(pointSlots)), removed_(slots_.size(), false),
      dataGrid_(dataGridScreen), services_(services) {
    setObjectName(QStringLiteral("TriggerDefinitionDialog"));
    if (services_.sink == nullptr) services_.sink = &spareSink_;
    setWindowTitle(QString::fromUtf8(TriggerDialogTitle(kind)));

    points_ = new QComboBox(this);
    for (const DefinitionSlot& slot : slots_) {
        const char* text = "";
        for (const TriggerPointEntry& entry : TriggerPointsOf(kind)) {
            if (entry.point == slot.point) text = entry.listText;
        }
        points_->addItem(QString::fromUtf8(text));
    }
    points_->setCurrentIndex(-1);
    types_ = new QComboBox(this);
    program_ = new QLineEdit(this);
    program_->setMaxLength(texts::kProgramLength);
    parameters_ = new QLineEdit(this);
    parameters_->setMaxLength(static_cast<int>(kParametersLineLength));
    browse_ = Button(texts::kBrowse, this);
    verify_ = Button(texts::kVerify, this);
    addField_ = Button(texts::kAddFieldParameter, this);
    wizard_ = Button(texts::kBuildCommandWizard, this);
    ok_ = Button(texts::kOk, this);
    ok_->setDefault(true);
    auto* cancel = Button(texts::kCancelButton, this);
    remove_ = Button(texts::kRemove, this);
    validation_ = Button(texts::kValidation, this);

    auto* grid = new QGridLayout;
    grid->addWidget(Caption(texts::kTriggerType, points_, this), 0, 0);
    grid->addWidget(points_, 0, 1);
    grid->addWidget(Caption(texts::kProgramType, types_, this), 1, 0);
    grid->addWidget(types_, 1, 1);
    grid->addWidget(Caption(texts::kProgramToRun, program_, this), 2, 0);
    grid->addWidget(program_, 2, 1);
    auto* programButtons = new QHBoxLayout;
    programButtons->addWidget(browse_);
    programButtons->addWidget(verify_);
    grid->addLayout(programButtons, 2, 2);
    grid->addWidget(Caption(texts::kParametersLine, parameters_, this), 3, 0);
    grid->addWidget(parameters_, 3, 1);
    grid->addWidget(addField_, 3, 2);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 48);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(wizard_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(remove_);
    buttons->addWidget(validation_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(points_, &QComboBox::currentIndexChanged, this, [this](int index) {
        KeepEdits();
        SelectPoint(index);
    });
    connect(types_, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    connect(program_, &QLineEdit::textChanged, this, [this] { UpdateEnabling(); });
    connect(browse_, &QPushButton::clicked, this, [this] { Browse(); });
    connect(verify_, &QPushButton::clicked, this, [this] { Verify(); });
    connect(addField_, &QPushButton::clicked, this, [this] { AddFieldParameter(); });
    connect(wizard_, &QPushButton::clicked, this, [this] { BuildCommand(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(remove_, &QPushButton::clicked, this, [this] { Remove(); });
    connect(validation_, &QPushButton::clicked, this, [this] { Validate(); });

    // The display has one point, selected from the start.
    if (kind_ == TriggerItemKind::Display && !slots_.empty()) {
        points_->setCurrentIndex(0);
    } else {
        UpdateEnabling();
    }
}

void TriggerDefinitionDialog::KeepEdits() {
    if (selected_ < 0 || selected_ >= static_cast<int>(slots_.size())) return;
    DefinitionSlot& slot = slots_[static_cast<std::size_t>(selected_)];
    slot.typeCode = ChosenType();
    slot.runLine = ComposeRunLine(S(program_->text()), S(parameters_->text()));
}

void TriggerDefinitionDialog::SelectPoint(int index) {
    selected_ = index;
    FillTypes();
    if (index >= 0 && index < static_cast<int>(slots_.size())) {
        const DefinitionSlot& slot = slots_[static_cast<std::size_t>(index)];
        const triggers::RunLine line = SplitRunLine(slot.runLine);
        types_->setCurrentIndex(types_->findData(slot.typeCode));
        program_->setText(Q(line.program));
        parameters_->setText(Q(line.parameters));
    }
    UpdateEnabling();
}

void TriggerDefinitionDialog::FillTypes() {
    const QSignalBlocker block(types_);
    types_->clear();
    if (selected_ < 0 || selected_ >= static_cast<int>(slots_.size())) return;
    const model::TriggerPoint point = slots_[static_cast<std::size_t>(selected_)].point;
    for (const ProgramTypeEntry& entry : OfferedProgramTypes(kind_, point, dataGrid_)) {
        types_->addItem(QString::fromUtf8(entry.caption), entry.code);
    }
    types_->setCurrentIndex(-1);
}

int TriggerDefinitionDialog::ChosenType() const {
    return types_->currentIndex() < 0 ? 0 : types_->currentData().toInt();
}

void TriggerDefinitionDialog::UpdateEnabling() {
    const bool selected = selected_ >= 0 && selected_ < static_cast<int>(slots_.size());
    DefinitionState state;
    state.pointSelected = selected;
    state.hasTrigger = selected && slots_[static_cast<std::size_t>(selected_)].hasTrigger &&
                       !removed_[static_cast<std::size_t>(selected_)];
    state.programEmpty = program_->text().isEmpty();
    state.typeChosen = ChosenType() != 0;
    const DefinitionEnabling enabling = EnablingFor(state);
    for (QWidget* widget : {static_cast<QWidget*>(program_), static_cast<QWidget*>(parameters_),
                            static_cast<QWidget*>(types_), static_cast<QWidget*>(browse_)}) {
        widget->setEnabled(enabling.editing);
    }
    addField_->setEnabled(enabling.editing && services_.screen != nullptr);
    wizard_->setEnabled(enabling.editing && static_cast<bool>(buildCommandWizard));
    verify_->setEnabled(enabling.verify && services_.mapper != nullptr);
    // After Remove, OK stays available so that the removal can be confirmed.
    ok_->setEnabled(enabling.ok || (selected && removed_[static_cast<std::size_t>(selected_)]));
    validation_->setEnabled(enabling.validation && services_.registry != nullptr);
    remove_->setEnabled(enabling.remove);
}

std::string TriggerDefinitionDialog::ServerForm(const std::string& program, int typeCode) const {
    std::string path = Unquoted(program);
    if (path.empty() || !IsServerProgramType(typeCode)) return path;
    if (path.front() == '/') {
        // Already a server path: the server only understands forward slashes.
        for (char& c : path) {
            if (c == '\\') c = '/';
        }
        return path;
    }
    if (services_.mapper != nullptr) services_.mapper->MapToServer(path, mapping::kUseTriggerProgram);
    return path;
}

void TriggerDefinitionDialog::Browse() {
    const bool orvale = ChosenType() == kOrvaleCode;
    QFileDialog dialog(this, QString::fromUtf8(texts::kSelectFiles));
    dialog.setFileMode(QFileDialog::ExistingFile);
    platform::SetFileFilters(dialog, platform::FileFilterList(QString::fromLatin1(orvale ? texts::kOrvaleFilter
                                                                                        : texts::kAllFilesFilter)));
    if (orvale) dialog.setDefaultSuffix(QStringLiteral("op*"));
    dialog.selectFile(QString::fromUtf8(orvale ? texts::kOrvaleInitialName : texts::kAllInitialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString chosen = dialog.selectedFiles().front();
    if (!QFileInfo::exists(chosen)) return;
    // The wizard's rule: a file a stored mapping covers becomes its server form,
    // one none covers asks once and a Cancel keeps it as chosen.
    const std::string file = S(QDir::toNativeSeparators(chosen));
    program_->setText(Q(services_.mapper != nullptr ? ServerFormOfProgram(file, ChosenType(), *services_.mapper) : file));
}

void TriggerDefinitionDialog::Verify() {
    if (services_.mapper == nullptr) return;
    triggers::VerifyTriggerProgram(S(program_->text()), *services_.mapper, *services_.sink);
}

void TriggerDefinitionDialog::AddFieldParameter() {
    if (services_.screen == nullptr) return;
    const std::optional<std::string> field = sheets::ChooseField(
        this, *services_.screen, sheets::FieldListMode::Global, QString::fromUtf8(texts::kGlobalFields));
    if (!field || field->empty()) return;
    QString line = parameters_->text();
    if (!line.isEmpty()) line += QLatin1Char(' ');
    parameters_->setText(line + Q(*field));
}

void TriggerDefinitionDialog::BuildCommand() {
    if (!buildCommandWizard) return;
    int typeCode = ChosenType();
    std::string runLine = ComposeRunLine(S(program_->text()), S(parameters_->text()));
    if (!buildCommandWizard(typeCode, runLine)) return;
    const triggers::RunLine line = SplitRunLine(runLine);
    types_->setCurrentIndex(types_->findData(typeCode));
    program_->setText(Q(line.program));
    parameters_->setText(Q(line.parameters));
}

void TriggerDefinitionDialog::Remove() {
    if (selected_ < 0 || selected_ >= static_cast<int>(slots_.size())) return;
    removed_[static_cast<std::size_t>(selected_)] = true;
    program_->clear();
    parameters_->clear();
    types_->setCurrentIndex(-1);
    UpdateEnabling();
}

void TriggerDefinitionDialog::Validate() {
    if (services_.registry == nullptr || selected_ < 0 || selected_ >= static_cast<int>(slots_.size())) return;
    const DefinitionSlot& slot = slots_[static_cast<std::size_t>(selected_)];
    const int typeIndex = ChosenType() - 1;
    RunTriggerValidation(this, *services_.registry, S(parameters_->text()), Unquoted(S(program_->text())),
                         slot.parameterKey, typeIndex, *services_.sink, services_.mapper);
}

void TriggerDefinitionDialog::accept() {
    resultType_ = ChosenType();
    resultLine_ = ComposeRunLine(ServerForm(S(program_->text()), resultType_), S(parameters_->text()));
    QDialog::accept();
}

// ---- Opening the dialog for an item ----

namespace {

ItemIdentification IdentificationOf(const commands::ItemKey& key) {
    const overrides::ItemIdentifier& id = key.identifier;
    return {id.identificationKind, id.text, id.tag, id.row, id.column};
}

bool OpenFor(const TriggerContext& context, TriggerItemKind kind, model::TriggerSlots& triggers,
             const commands::ItemKey& key) {
    // Everything is read before the command runs: Run rebuilds the items.
    const ItemIdentification identification = IdentificationOf(key);
    std::vector<DefinitionSlot> pointSlots;
    for (const TriggerPointEntry& entry : TriggerPointsOf(kind)) {
        const model::TriggerSlot* stored = triggers.Slot(entry.point);
        DefinitionSlot slot;
        slot.point = entry.point;
        if (stored != nullptr) {
            slot.typeCode = stored->typeCode;
            slot.runLine = stored->runLine;
            slot.hasTrigger = stored->hasTrigger;
        }
        slot.parameterKey = ParameterKey(context.programPath, context.sheet.screen.Name(), kind,
                                         identification, entry.keySuffix);
        pointSlots.push_back(std::move(slot));
    }
    const std::vector<DefinitionSlot> before = pointSlots;
    TriggerDefinitionDialog dialog(context.sheet.parent, kind, std::move(pointSlots), context.sheet.screen.IsDataGrid(),
                                   {&context.sheet.screen, context.mapper, context.registry, &context.sheet.sink});
    dialog.buildCommandWizard = context.buildCommandWizard;
    if (dialog.exec() != QDialog::Accepted) return false;
    const int index = dialog.SelectedIndex();
    if (index < 0 || index >= static_cast<int>(before.size())) return false;
    const DefinitionSlot& chosen = before[static_cast<std::size_t>(index)];
    const std::optional<TriggerCommandRequest> request =
        DecideAfterOk(kind, chosen.point, chosen.hasTrigger, chosen.runLine, dialog.RunLine(), dialog.TypeCode());
    if (!request) return false;
    std::vector<commands::CommandValue> values;
    for (const std::string& value : request->values) values.push_back({value, false});
    commands::MadeCommand made = commands::MakeCommand(context.sheet.screen, request->name, key, values);
    if (!made.command) {
        context.sheet.sink.ShowMessage(made.error);
        return false;
    }
    return context.sheet.document.Run(context.sheet.screen, *made.command, context.sheet.sink);
}

}  // namespace

bool OpenDisplayTrigger(const TriggerContext& context, model::CDispText& item) {
    return OpenFor(context, TriggerItemKind::Display, item.triggers, commands::KeyOf(item));
}

bool OpenAcceptTrigger(const TriggerContext& context, model::CAcceptFld& item) {
    return OpenFor(context, TriggerItemKind::Accept, item.triggers, commands::KeyOf(item));
}

bool OpenOptionTrigger(const TriggerContext& context, model::COptionItem& item) {
    return OpenFor(context, TriggerItemKind::Option, item.triggers, commands::KeyOf(item));
}

bool OpenModeTrigger(const TriggerContext& context, model::CModeItem& item) {
    return OpenFor(context, TriggerItemKind::Mode, item.triggers, commands::KeyOf(item));
}

bool OpenScreenTrigger(const TriggerContext& context) {
    return OpenFor(context, TriggerItemKind::Screen, context.sheet.screen.ScreenTriggers(), commands::WindowKey());
}

}  // namespace triggers
