// The Trigger Validation dialog through its widgets, the launch through a
// "RuntimeLauncher" program, and the trigger's own program run here when
// neither a launcher nor the runtime is there.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
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

// A shell script in `dir` that may run.
QString Script(const QTemporaryDir& dir, const char* name, const char* text) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(text);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QString RunStatus(QWidget* dialog) { return dialog->findChild<QLabel*>("RunStatus")->text(); }
QString RunOutput(QWidget* dialog) { return dialog->findChild<QPlainTextEdit*>("RunOutput")->toPlainText(); }

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

    // The launcher once blocked input for up to a minute and showed only the
    // first lines of its output in a message.
    void RuntimeLauncherGetsTheFiveArguments() {
        QTemporaryDir dir;
        const QString script = Script(dir, "launch.sh", "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done\nexit 3\n");
        QVERIFY(!script.isEmpty());

        settings::MemoryRegistry registry;
        registry.WriteString(settings::RegistryRoot::CurrentUser, kTriggerKey, kRuntimeLauncherValue,
                             script.toStdString());
        registry.WriteString(settings::RegistryRoot::CurrentUser, TestValuesKey("K"), "A", "v 1");
        platform::RecordingMessageSink sink;
        RecordingRuntime unused;
        QString status;
        QString output;
        testsupport::OnNextModal<QDialog>(nullptr, [&](QDialog* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("DataDirectory"), "dd");
            QTest::mouseClick(dialog->findChild<QPushButton*>("LaunchTrigger"), Qt::LeftButton);
            QTRY_VERIFY(RunStatus(dialog).startsWith("Ended"));
            status = RunStatus(dialog);
            output = RunOutput(dialog);
            dialog->reject();
        });
        RunTriggerValidation(nullptr, registry, "A \"lit\"", "my prog", "K", 4, sink, nullptr, unused);
        QVERIFY(unused.requests.empty());
        QVERIFY(sink.Messages().empty());
        QCOMPARE(status, QString("Ended with exit status 3."));
        QCOMPARE(output, QString("[dd]\n[sys/m8trigger]\n[P]\n[my prog]\n[v 1|lit]\n"));
    }

    // Without a launcher and without the runtime, Launch Trigger once only said
    // that the automation server is not available.
    void WithoutRuntimeTheTriggerItselfRunsAndShowsItsOutput() {
        QTemporaryDir dir;
        const QString script = Script(dir, "trigger.sh",
                                      "#!/bin/sh\necho \"out:$1:$2:$3\"\n"
                                      "echo \"err:$TESSELLAR_TRIGGER_TEST:$(pwd)\" >&2\nexit 4\n");
        QVERIFY(!script.isEmpty());
        settings::MemoryRegistry registry;
        registry.WriteString(settings::RegistryRoot::CurrentUser, TestValuesKey("K"), "CUST", "v 1");
        platform::RecordingMessageSink sink;
        UnavailableRuntime runtime;
        TriggerValidationDialog dialog(nullptr, registry, "\"lit x\" CUST NAME", script.toStdString(), "K", 0,
                                       runtime, sink);
        dialog.show();
        auto* launch = dialog.findChild<QPushButton*>("LaunchTrigger");
        QVERIFY(!dialog.findChild<QWidget*>("TriggerRun")->isVisible());
        QTest::keyClicks(dialog.findChild<QLineEdit*>("DataDirectory"), dir.path());
        QTest::mouseClick(launch, Qt::LeftButton);

        QTRY_COMPARE(RunStatus(&dialog), QString("Ended with exit status 4."));
        QCOMPARE(RunOutput(&dialog), "out:lit x:v 1:\nerr:1:" + dir.path() + "\n");
        QVERIFY(dialog.findChild<QWidget*>("TriggerRun")->isVisible());
        QVERIFY(dialog.findChild<QLineEdit*>("RunCommand")->text().endsWith("trigger.sh 'lit x' 'v 1' ''"));
        QVERIFY(launch->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton*>("Stop")->isEnabled());
        QVERIFY(sink.Messages().empty());
        if (qEnvironmentVariableIsSet("TESSELLAR_SHOTS"))
            dialog.grab().save(qEnvironmentVariable("TESSELLAR_SHOTS") + "/trigger-run.png");
    }

    void StopEndsARunningTrigger() {
        QTemporaryDir dir;
        const QString script = Script(dir, "slow.sh", "#!/bin/sh\necho started\nsleep 30\necho never\n");
        QVERIFY(!script.isEmpty());
        settings::MemoryRegistry registry;
        platform::RecordingMessageSink sink;
        UnavailableRuntime runtime;
        TriggerValidationDialog dialog(nullptr, registry, "", script.toStdString(), "K", 2, runtime, sink);
        dialog.show();
        auto* launch = dialog.findChild<QPushButton*>("LaunchTrigger");
        auto* stop = dialog.findChild<QPushButton*>("Stop");
        QTest::mouseClick(launch, Qt::LeftButton);
        QTRY_VERIFY(RunOutput(&dialog).contains("started"));
        QVERIFY(stop->isEnabled());
        QVERIFY(!launch->isEnabled());
        QCOMPARE(RunStatus(&dialog), QString("Running..."));

        QTest::mouseClick(stop, Qt::LeftButton);
        QTRY_COMPARE(RunStatus(&dialog), QString("Stopped."));
        QVERIFY(!stop->isEnabled());
        QVERIFY(launch->isEnabled());
        QVERIFY(!RunOutput(&dialog).contains("never"));
    }

    void ATypeThatIsNoProgramSaysSo() {
        settings::MemoryRegistry registry;
        platform::RecordingMessageSink sink;
        UnavailableRuntime runtime;
        TriggerValidationDialog dialog(nullptr, registry, "", "sys/m8menu", "K", 4, runtime, sink);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("LaunchTrigger"), Qt::LeftButton);
        QCOMPARE(sink.Messages().size(), std::size_t{1});
        QVERIFY(QString::fromStdString(sink.Messages()[0]).contains("runs only inside the 4GL runtime"));
        QVERIFY(!dialog.findChild<QWidget*>("TriggerRun")->isVisible());
    }
};

QTEST_MAIN(TriggerValidationTest)
#include "trigger_validation_test.moc"
