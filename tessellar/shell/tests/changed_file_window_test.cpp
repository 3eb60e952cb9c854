// The main window when another program changed the override file since it
// was opened: Save asks "NAME was changed by another program since you
// opened it." with Save As…, Overwrite and Cancel, and the window made
// active again offers the change as Reload or Keep.

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <fstream>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/shell/main_frame.h"
#include "testsupport/file_text.h"
#include "testsupport/modal_dialogs.h"
#include "testsupport/window_scratch.h"

using shell::ActionId;

namespace {

std::string Bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

// Clicks the named button of the next message box, keeping its text.
void ClickInNextBox(const QString& button, QString* asked) {
    testsupport::OnNextModal<QMessageBox>(nullptr, [button, asked](QMessageBox* box) {
        *asked = box->text();
        box->findChild<QPushButton*>(button)->click();
    });
}

constexpr const char* kOtherProgramsFile =
    "#ORVALE Screen Customiser File (Override statements only).\n"
    "screen ORDER\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Saved by the batch tool\"\n\t\t}\n\t}\n";

}  // namespace

class ChangedFileWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowScratch> scratch_;
    platform::RecordingMessageSink sink_;
    QString demoScf_;

    std::unique_ptr<shell::CMainFrame> StartOnCustomer() {
        return scratch_->Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_, "-s", "CUSTOMER"}, sink_);
    }
    static void Retitle(shell::CMainFrame& window, const std::string& title) {
        model::CScreenModel& screen = *window.Document().CurrentScreen();
        commands::MadeCommand made = commands::MakeCommand(screen, "Modify screen title", {}, {{title, true}});
        QVERIFY2(made.command != nullptr, made.error.c_str());
        QVERIFY(window.Document().Core().Run(screen, *made.command, window.Messages()));
        window.AfterChange();
    }
    void ChangeOnDisk() { std::ofstream(Bytes(demoScf_), std::ios::binary | std::ios::trunc) << kOtherProgramsFile; }
    std::string OnDisk() const { return testsupport::ReadFile(Bytes(demoScf_)); }

private slots:
    void init() {
        scratch_ = std::make_unique<testsupport::WindowScratch>();
        demoScf_ = scratch_->Path(QStringLiteral("demo.scf"));
        QVERIFY(QFile::copy(QStringLiteral(TESSELLAR_DEMO_OVERRIDES), demoScf_));
        QFile::setPermissions(demoScf_, QFile::ReadOwner | QFile::WriteOwner);
        sink_.Clear();
    }
    void cleanup() { scratch_.reset(); }

    void saveAsksBeforeWritingOverAnotherProgramsChange() {
        auto window = StartOnCustomer();
        Retitle(*window, "Mine");
        ChangeOnDisk();

        QString asked;
        testsupport::OnNextModal<QMessageBox>(nullptr, [&asked](QMessageBox* box) {
            asked = box->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!window->SaveCommand());
        QCOMPARE(asked, QStringLiteral("demo.scf was changed by another program since you opened it."));
        QCOMPARE(OnDisk(), std::string(kOtherProgramsFile));
        QVERIFY(window->Document().Core().Modified());

        ClickInNextBox(QStringLiteral("overwriteButton"), &asked);
        QVERIFY(window->SaveCommand());
        QVERIFY(OnDisk().find("title = \"Mine\"") != std::string::npos);
        QVERIFY(!window->Document().Core().Modified());
        QVERIFY(sink_.Messages().empty());
    }

    void activatedAgainOffersReloadOrKeep() {
        auto window = StartOnCustomer();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        ChangeOnDisk();

        QString asked;
        ClickInNextBox(QStringLiteral("keepButton"), &asked);
        QEvent activation(QEvent::ActivationChange);
        QCoreApplication::sendEvent(window.get(), &activation);
        QVERIFY(asked.startsWith(QStringLiteral("demo.scf was changed by another program since you opened it.")));
        // Kept: not offered again until the file changes once more.
        QVERIFY(!window->Document().Core().NewChangeOnDisk());

        std::ofstream(Bytes(demoScf_), std::ios::binary | std::ios::app) << "# and again\n";
        ClickInNextBox(QStringLiteral("reloadButton"), &asked);
        // Made active again after the question, as a user coming back to it would.
        if (window->isActiveWindow()) {
            QCoreApplication::sendEvent(window.get(), &activation);
        } else {
            window->activateWindow();
        }
        QTRY_COMPARE(window->Document().Core().Workspace().Sections().Entries().size(), std::size_t{1});
        QVERIFY(window->Document().Core().HasProgram());
        QVERIFY(!window->Document().Core().Modified());
    }
};

QTEST_MAIN(ChangedFileWindowTest)
#include "changed_file_window_test.moc"
