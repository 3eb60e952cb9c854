// The Trigger Validation dialog through its widgets, and the launch through
// a "RuntimeLauncher" program.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "tessellar/settings/memory_registry.h"
#include "tessellar/triggers/qt/trigger_validation_dialog.h"
#include "testsupport/modal_dialogs.h"

using namespace triggers;

namespace {

class RecordingRuntime : public RuntimeAutomation {
public:
    LaunchOutcome Launch(const LaunchRequest& request) override {
        requests.push_back(request);
        return outcome;
    }
    std::vector<LaunchRequest> requests;
    LaunchOutcome outcome;
};

void ClickRow(QTreeWidget* list, int row) {
    QRect rect = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class TriggerValidationTest : public QObject {
    Q_OBJECT
private slots:
    void LiteralRowTakesNoValueAndValuesAreSavedAndPassed() {
        settings::MemoryRegistry registry;
        registry.WriteString(settings::RegistryRoot::CurrentUser, TestValuesKey("K"), "A", "1");
        platform::RecordingMessageSink sink;
        RecordingRuntime runtime;
        runtime.outcome.failure = LaunchFailure::Automation;
        runtime.outcome.code = 0x80040205;
        TriggerValidationDialog dialog(nullptr, registry, "\"x y\" A B C", "prog", "K", 1, runtime, sink);
        dialog.show();
        auto* list = dialog.findChild<QTreeWidget*>("ParameterList");
        auto* value = dialog.findChild<QLineEdit*>("Value");
        auto* setValue = dialog.findChild<QPushButton*>("SetValue");
        auto* save = dialog.findChild<QPushButton*>("Save");
        QCOMPARE(list->topLevelItemCount(), 4);
        QVERIFY(!value->isEnabled() && !save->isEnabled());

        ClickRow(list, 0);
        QCOMPARE(dialog.findChild<QLineEdit*>("Parameter")->text(), QString("\"x y\""));
        QVERIFY(!value->isEnabled() && !setValue->isEnabled());

        ClickRow(list, 3);
        QVERIFY(setValue->isEnabled());
        QTest::mouseClick(setValue, Qt::LeftButton);  // empty text changes nothing
        QVERIFY(!save->isEnabled());
        QTest::keyClicks(value, "3");
        QTest::mouseClick(setValue, Qt::LeftButton);
        QCOMPARE(list->topLevelItem(3)->text(1), QString("3"));
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!save->isEnabled());
        QCOMPARE(registry.ReadString(settings::RegistryRoot::CurrentUser, TestValuesKey("K"), "C"),
                 std::optional<std::string>("3"));

        QTest::keyClicks(dialog.findChild<QLineEdit*>("DataDirectory"), "/data");
        QTest::mouseClick(dialog.findChild<QPushButton*>("LaunchTrigger"), Qt::LeftButton);
        QCOMPARE(runtime.requests.size(), std::size_t{1});
        const LaunchRequest& request = runtime.requests[0];
        QCOMPARE(request.dataDirectory, std::string("/data"));
        QCOMPARE(request.runtimeProgram, std::string("sys/m8trigger"));
        QCOMPARE(request.typeLetter, std::string("C"));
        QCOMPARE(request.program, std::string("prog"));
        QCOMPARE(request.values, std::string("x y|1||3"));
        QCOMPARE(sink.Messages(), std::vector<std::string>{"IDispatch error #5"});
        QVERIFY(dialog.isVisible());
        if (qEnvironmentVariableIsSet("TESSELLAR_SHOTS"))
            dialog.grab().save(qEnvironmentVariable("TESSELLAR_SHOTS") + "/trigger-validation.png");
    }

    void RuntimeLauncherGetsTheFiveArguments() {
        QTemporaryDir dir;
        QString script = dir.filePath("launch.sh");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done\nexit 3\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        settings::MemoryRegistry registry;
        registry.WriteString(settings::RegistryRoot::CurrentUser, kTriggerKey, kRuntimeLauncherValue,
                             script.toStdString());
        registry.WriteString(settings::RegistryRoot::CurrentUser, TestValuesKey("K"), "A", "v 1");
        platform::RecordingMessageSink sink;
        RecordingRuntime unused;
        testsupport::OnNextModal<QDialog>(nullptr, [](QDialog* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("DataDirectory"), "dd");
            QTest::mouseClick(dialog->findChild<QPushButton*>("LaunchTrigger"), Qt::LeftButton);
            dialog->reject();
        });
        RunTriggerValidation(nullptr, registry, "A \"lit\"", "my prog", "K", 4, sink, unused);
        QVERIFY(unused.requests.empty());
        QCOMPARE(sink.Messages().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(sink.Messages()[0]),
                 script + " ended with exit status 3.\n\n[dd]\n[sys/m8trigger]\n[P]\n[my prog]\n[v 1|lit]");
    }
};

QTEST_MAIN(TriggerValidationTest)
#include "trigger_validation_test.moc"
