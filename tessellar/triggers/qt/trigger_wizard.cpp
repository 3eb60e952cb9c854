// The Build Trigger Wizard's three steps in one dialog.

#include "tessellar/triggers/qt/trigger_wizard.h"

#include <QButtonGroup>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "platform/qt/cp1252_text.h"
#include "platform/qt/file_filters.h"
#include "tessellar/sheets/qt/field_list_dialog.h"
#include "tessellar/triggers/trigger_verification.h"
#include "tessellar/help/qt/help_viewer.h"
#include "tessellar/triggers/parameter_list.h"
#include "tessellar/triggers/program_path.h"
#include "tessellar/triggers/run_line.h"
#include "tessellar/triggers/trigger_points.h"
#include "tessellar/triggers/trigger_texts.h"
#include "tessellar/triggers/wizard_steps.h"

namespace triggers {

namespace {

QPushButton* Button(QWidget* parent, const char* caption, QLayout* layout) {
    auto* button = new QPushButton(caption, parent);
    button->setAccessibleName(QString(caption).remove('&'));
    button->setObjectName(QString(caption).remove('&'));
    layout->addWidget(button);
    return button;
}

// F1 anywhere in the wizard opens its help topic.
class WizardDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_F1) {
            help::ShowHelpTopic(this, texts::kWizardHelpTopic);
            return;
        }
        QDialog::keyPressEvent(event);
    }
};

}  // namespace

bool RunTriggerWizard(QWidget* parent, const model::CScreenModel& screen, mapping::PathMapper& mapper,
                      bool dataGridScreen, int& programType, std::string& runLine, platform::MessageSink& sink) {
    WizardDialog dialog(parent);
    dialog.setWindowTitle(texts::kWizardTitle);
    dialog.setAccessibleName(texts::kWizardTitle);
    auto* layout = new QVBoxLayout(&dialog);
    auto* caption = new QLabel(&dialog);
    caption->setObjectName("stepCaption");
    auto* stepOf = new QLabel(&dialog);
    stepOf->setObjectName("stepOf");
    layout->addWidget(caption);
    layout->addWidget(stepOf);
    auto* pages = new QStackedWidget(&dialog);
    layout->addWidget(pages);

    // Step 1: the type buttons.
    auto* typePage = new QWidget(pages);
    auto* typeLayout = new QVBoxLayout(typePage);
    auto* types = new QButtonGroup(typePage);
    for (const ProgramTypeEntry& entry : ProgramTypes()) {
        const int type = entry.code;
        auto* radio = new QRadioButton(entry.caption, typePage);
        radio->setAccessibleName(entry.caption);
        radio->setObjectName(entry.caption);
        radio->setEnabled(type != kExportDataGridCode || dataGridScreen);
        radio->setChecked(type == programType && radio->isEnabled());
        types->addButton(radio, type);
        typeLayout->addWidget(radio);
    }
    pages->addWidget(typePage);

    // Step 2: the program.
    auto* programPage = new QWidget(pages);
    auto* programLayout = new QHBoxLayout(programPage);
    programLayout->addWidget(new QLabel(texts::kProgramLabel, programPage));
    auto* program = new QLineEdit(programPage);
    program->setObjectName("program");
    program->setAccessibleName(texts::kProgramLabel);
    program->setMaxLength(79);
    program->setMinimumWidth(program->fontMetrics().averageCharWidth() * 40);
    programLayout->addWidget(program);
    QPushButton* browse = Button(programPage, texts::kBrowse, programLayout);
    QPushButton* verify = Button(programPage, texts::kVerify, programLayout);
    pages->addWidget(programPage);

    // Step 3: the parameters.
    auto* parameterPage = new QWidget(pages);
    auto* parameterLayout = new QHBoxLayout(parameterPage);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(texts::kParametersLabel, parameterPage));
    auto* list = new QListWidget(parameterPage);
    list->setObjectName("parameters");
    list->setAccessibleName(texts::kParametersLabel);
    listColumn->addWidget(list);
    parameterLayout->addLayout(listColumn);
    auto* parameterButtons = new QVBoxLayout;
    QPushButton* addLiteral = Button(parameterPage, texts::kAddLiteral, parameterButtons);
    QPushButton* addField = Button(parameterPage, texts::kAddField, parameterButtons);
    QPushButton* remove = Button(parameterPage, texts::kRemove, parameterButtons);
    QPushButton* up = Button(parameterPage, "", parameterButtons);
    QPushButton* down = Button(parameterPage, "", parameterButtons);
    up->setText(QString::fromUtf8("\u25B2"));
    down->setText(QString::fromUtf8("\u25BC"));
    up->setObjectName("moveUp");
    down->setObjectName("moveDown");
    up->setAccessibleName(texts::kMoveItem);
    down->setAccessibleName(texts::kMoveItem);
    parameterButtons->addStretch();
    parameterLayout->addLayout(parameterButtons);
    pages->addWidget(parameterPage);

    auto* navigation = new QHBoxLayout;
    navigation->addStretch();
    QPushButton* back = Button(&dialog, texts::kBack, navigation);
    QPushButton* next = Button(&dialog, texts::kNext, navigation);
    QPushButton* finish = Button(&dialog, texts::kFinish, navigation);
    QPushButton* cancel = Button(&dialog, texts::kCancel, navigation);
    layout->addLayout(navigation);

    RunLine line = SplitRunLine(runLine);
    ParameterList parameters(line.parameters);

    auto showList = [&] {
        const QSignalBlocker quiet(list);  // refilling must not clear the model's selection
        list->clear();
        for (const std::string& entry : parameters.Entries()) list->addItem(platform::QStringFromCp1252(entry));
        list->setCurrentRow(parameters.Selected());
        const ParameterButtons state = parameters.Buttons();
        remove->setEnabled(state.remove);
        up->setEnabled(state.up);
        down->setEnabled(state.down);
    };
    auto showStep = [&](int step) {
        static const char* const captions[] = {texts::kStepProgramType, texts::kStepProgram, texts::kStepParameters};
        pages->setCurrentIndex(step);
        caption->setText(captions[step]);
        stepOf->setText(QString(texts::kStepOf).arg(step + 1));
        back->setEnabled(step > 0);
        next->setEnabled(step < 2 && (step > 0 || types->checkedId() > 0));
        finish->setEnabled(step > 0);
        if (step == 1) program->setText(platform::QStringFromCp1252(line.program));
        if (step == 2) showList();
    };
    // Leaving step 3 writes the parameters back; leaving step 2 the program.
    auto takeBack = [&] {
        if (pages->currentIndex() == 2) line.parameters = JoinParameters(parameters.Entries(), line.parameters, sink);
        if (pages->currentIndex() == 1) line.program = platform::Cp1252FromQString(program->text());
    };

    QObject::connect(types, &QButtonGroup::idClicked, &dialog, [&] { next->setEnabled(true); });
    QObject::connect(next, &QPushButton::clicked, &dialog, [&] {
        if (pages->currentIndex() == 0) {
            if (auto refusal = ProgramTypeRefusal(types->checkedId())) return sink.ShowMessage(*refusal);
            showStep(1);
        } else if (pages->currentIndex() == 1) {
            if (auto refusal = ProgramRefusal(platform::Cp1252FromQString(program->text()))) return sink.ShowMessage(*refusal);
            takeBack();
            parameters = ParameterList(line.parameters);
            showStep(2);
        }
    });
    QObject::connect(back, &QPushButton::clicked, &dialog, [&] {
        takeBack();
        showStep(pages->currentIndex() - 1);
    });
    QObject::connect(finish, &QPushButton::clicked, &dialog, [&] {
        if (pages->currentIndex() == 2) takeBack();
        else line.program = platform::Cp1252FromQString(program->text());
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        const int type = types->checkedId();
        QFileDialog files(&dialog, QString::fromLatin1(texts::kSelectFiles));
        files.setObjectName(QStringLiteral("selectFilesDialog"));
        files.setFileMode(QFileDialog::ExistingFile);
        platform::SetFileFilters(files, platform::FileFilterList(QString::fromLatin1(
                                            type == 5 ? texts::kCompiledFilter : texts::kAllFilter)));
        if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) return;
        const QString file = files.selectedFiles().front();
        program->setText(platform::QStringFromCp1252(ServerFormOfProgram(platform::Cp1252FromQString(file), type, mapper)));
    });
    QObject::connect(verify, &QPushButton::clicked, &dialog, [&] {
        triggers::VerifyTriggerProgram(Unquoted(platform::Cp1252FromQString(program->text())), mapper, sink);
    });

    QObject::connect(list, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        parameters.Select(row);
        const ParameterButtons state = parameters.Buttons();
        remove->setEnabled(state.remove);
        up->setEnabled(state.up);
        down->setEnabled(state.down);
    });
    QObject::connect(addLiteral, &QPushButton::clicked, &dialog, [&] {
        QInputDialog input(&dialog);
        input.setWindowTitle(texts::kAddLiteral);
        input.setAccessibleName(texts::kAddLiteral);
        input.setLabelText(texts::kParameterLabel);
        if (input.exec() == QDialog::Accepted && parameters.AddLiteral(platform::Cp1252FromQString(input.textValue()))) showList();
    });
    QObject::connect(addField, &QPushButton::clicked, &dialog, [&] {
        if (auto name = sheets::ChooseField(&dialog, screen, sheets::FieldListMode::Global, texts::kGlobalFields,
                                            false)) {
            parameters.AddField(*name);
            showList();
        }
    });
    QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
        parameters.RemoveAt(list->currentRow());
        showList();
    });
    QObject::connect(up, &QPushButton::clicked, &dialog, [&] {
        parameters.MoveUp();
        showList();
    });
    QObject::connect(down, &QPushButton::clicked, &dialog, [&] {
        parameters.MoveDown();
        showList();
    });

    showStep(0);
    if (dialog.exec() != QDialog::Accepted) return false;
    programType = types->checkedId();
    runLine = ComposeRunLine(line.program, line.parameters);
    return true;
}

}  // namespace triggers
