// The trigger wizard driven through its widgets.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>

#include "platform/message_sink.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/memory_registry.h"
#include "tessellar/triggers/qt/trigger_wizard.h"
#include "testsupport/modal_dialogs.h"

namespace {

// Runs `step` on the modal dialog once it is up and active.
void WhenModal(std::function<void(QWidget*)> step) { testsupport::OnNextModal<QWidget>(nullptr, std::move(step)); }

QPushButton* ButtonOf(QWidget* dialog, const char* name) { return dialog->findChild<QPushButton*>(name); }

std::unique_ptr<model::CScreenModel> NewScreen() {
    auto screen = std::make_unique<model::CScreenModel>("TEST", 1, nullptr, 0, 0, model::ModelKind::Screen);
    screen->CreateFrame().Place(1, 2, 80, 24);
    screen->SetNeedsDecoding(false);
    return screen;
}

}  // namespace

class WizardDialogsTest : public QObject {
    Q_OBJECT

    settings::MemoryRegistry registry;
    mapping::PathMapper mapper{registry, [](const mapping::MappingRequest&, mapping::DirectoryMappings&) {
                                 return std::optional<std::string>();
                             }};

private slots:
    void RefusalsKeepTheWizardOpenAndCancelChangesNothing() {
        auto screen = NewScreen();
        platform::RecordingMessageSink sink;
        int type = 0;
        std::string line = "old";
        WhenModal([&](QWidget* wizard) {
            QVERIFY(!wizard->findChild<QRadioButton*>("Export Data Grid")->isEnabled());
            QVERIFY(!ButtonOf(wizard, "Next >")->isEnabled());
            wizard->findChild<QRadioButton*>("Command (client)")->click();
            ButtonOf(wizard, "Next >")->click();
            wizard->findChild<QLineEdit*>("program")->clear();
            ButtonOf(wizard, "Next >")->click();
            QCOMPARE(wizard->findChild<QLabel*>("stepOf")->text(), QString("Step 2 of 3"));
            wizard->findChild<QLineEdit*>("program")->setText(QString::fromStdString(
                std::filesystem::temp_directory_path().string()));
            ButtonOf(wizard, "Verify")->click();
            ButtonOf(wizard, "Cancel")->click();
        });
        QVERIFY(!triggers::RunTriggerWizard(nullptr, *screen, mapper, false, type, line, sink));
        QCOMPARE(type, 0);
        QCOMPARE(line, std::string("old"));
        QCOMPARE(sink.Messages().size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(sink.Messages()[0]).left(30), QString("Please select program name bef"));
        QCOMPARE(QString::fromStdString(sink.Messages()[1]).right(17), QString("path is directory"));
    }

    void ParametersAreEditedAndTheProgramQuoted() {
        auto screen = NewScreen();
        platform::RecordingMessageSink sink;
        int type = 2;
        std::string line = "\"C:\\my progs\\run.exe\" ONE";
        WhenModal([&](QWidget* wizard) {
            ButtonOf(wizard, "Next >")->click();
            QCOMPARE(wizard->findChild<QLineEdit*>("program")->text(), QString("C:\\my progs\\run.exe"));
            ButtonOf(wizard, "Next >")->click();
            auto* list = wizard->findChild<QListWidget*>("parameters");
            QCOMPARE(list->count(), 1);
            QVERIFY(!ButtonOf(wizard, "moveUp")->isEnabled());
            QVERIFY(!ButtonOf(wizard, "moveDown")->isEnabled());
            QVERIFY(ButtonOf(wizard, "Remove")->isEnabled());
            testsupport::OnNextModal<QInputDialog>(nullptr, [](QInputDialog* literal) {
                QCOMPARE(literal->windowTitle(), QString("Add Literal Parameter"));
                literal->setTextValue("\"two words\"");
                literal->accept();
            });
            ButtonOf(wizard, "Add Literal Parameter")->click();
            QCOMPARE(list->count(), 2);
            list->setCurrentRow(1);
            QVERIFY(ButtonOf(wizard, "moveUp")->isEnabled());
            QVERIFY(!ButtonOf(wizard, "moveDown")->isEnabled());
            ButtonOf(wizard, "moveUp")->click();
            QCOMPARE(list->currentRow(), 0);
            wizard->grab().save("trigger_wizard_step3.png");
            ButtonOf(wizard, "Finish")->click();
        });
        QVERIFY(triggers::RunTriggerWizard(nullptr, *screen, mapper, true, type, line, sink));
        QCOMPARE(type, 2);
        QCOMPARE(line, std::string("\"C:\\my progs\\run.exe\" \"two words\" ONE"));
    }
};

QTEST_MAIN(WizardDialogsTest)
#include "wizard_dialogs_test.moc"
