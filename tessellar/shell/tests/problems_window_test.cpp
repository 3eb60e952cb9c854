// The Problems panel in the real window, on the demo program with an
// override file spoilt on purpose: the same findings as scfcheck, the
// count in the status bar, refreshing after a command, an undo and a save,
// what a double click shows, the panel kept open or closed between runs,
// and applying's messages: after the window is up, or in the panel alone.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <fstream>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/preferences_dialog.h"
#include "tessellar/shell/problem_fix_bar.h"
#include "tessellar/shell/problems_panel.h"
#include "tessellar/shell/text_editor_window.h"
#include "tessellar/settings/registry_keys.h"
#include "testsupport/accessible_tree.h"
#include "testsupport/modal_dialogs.h"
#include "testsupport/spoilt_demo.h"
#include "testsupport/window_scratch.h"

using shell::ActionId;

namespace {

std::string Bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

// Records each message box with whether a main window was on the screen when it came.
class WindowWatchingSink : public platform::MessageSink {
public:
    void ShowMessage(std::string_view text) override {
        bool shown = false;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<shell::CMainFrame*>(widget) != nullptr && widget->isVisible() &&
                widget->windowHandle() != nullptr && widget->windowHandle()->isExposed()) {
                shown = true;
            }
        }
        messages.emplace_back(text);
        windowShown.push_back(shown);
    }
    void WriteOutput(std::string_view) override {}

    std::vector<std::string> messages;
    std::vector<bool> windowShown;
};

// The panel's rows as scfcheck prints its lines.
QStringList PanelLines(shell::CMainFrame& window) {
    QStringList lines;
    QTreeWidget* panel = window.Problems();
    const QString file = QString::fromStdString(window.Document().OverridePath());
    for (int branch = 0; branch < panel->topLevelItemCount(); ++branch) {
        QTreeWidgetItem* entry = panel->topLevelItem(branch);
        const QString section = entry->text(0).left(entry->text(0).lastIndexOf(QStringLiteral(" (")));
        for (int row = 0; row < entry->childCount(); ++row) {
            const QTreeWidgetItem* finding = entry->child(row);
            lines << file + ":" + finding->text(shell::ProblemsPanel::kLineColumn) + ": " + section + ": " +
                         finding->text(shell::ProblemsPanel::kMessageColumn);
        }
    }
    return lines;
}

QTreeWidgetItem* RowHolding(shell::CMainFrame& window, const QString& text) {
    QTreeWidget* panel = window.Problems();
    for (int branch = 0; branch < panel->topLevelItemCount(); ++branch) {
        for (int row = 0; row < panel->topLevelItem(branch)->childCount(); ++row) {
            QTreeWidgetItem* item = panel->topLevelItem(branch)->child(row);
            if (item->text(shell::ProblemsPanel::kMessageColumn).contains(text)) return item;
        }
    }
    return nullptr;
}

void DoubleClick(QTreeWidget* panel, QTreeWidgetItem* item) {
    panel->scrollToItem(item);
    const QPoint at = panel->visualItemRect(item).center();
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(panel->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class ProblemsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowScratch> scratch_;
    WindowWatchingSink sink_;
    QString spoilt_;

    std::unique_ptr<shell::CMainFrame> Start(QStringList more = {}) {
        return scratch_->Start(QStringList{TESSELLAR_DEMO_PROGRAM, "-m", spoilt_} + more, sink_);
    }
    std::size_t Count(const shell::CMainFrame& window) const { return window.Findings().size(); }

private slots:
    void init() {
        scratch_ = std::make_unique<testsupport::WindowScratch>();
        spoilt_ = scratch_->Path(QStringLiteral("demo.scf"));
        const std::string text = testsupport::SpoiltDemoOverrides();
        QVERIFY(!text.empty());
        std::ofstream(Bytes(spoilt_), std::ios::binary) << text;
        qunsetenv("VISUAL");
        sink_ = {};
    }
    void cleanup() { scratch_.reset(); }

    void panelShowsWhatTheCheckerSays() {
        auto window = Start();
        QVERIFY(window->ProblemsDock()->isVisible());
        QVERIFY(window->Action(ActionId::ProblemsView)->isChecked());
        QCOMPARE(window->ProblemsDock()->accessibleName(), QStringLiteral("Problems"));

        QProcess checker;
        checker.start(QStringLiteral(SCFCHECK_PROGRAM), {TESSELLAR_DEMO_PROGRAM, "-m", spoilt_});
        QVERIFY(checker.waitForFinished(30000));
        QCOMPARE(checker.exitCode(), 1);
        const QStringList expected =
            QString::fromUtf8(checker.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(expected.size(), 4);
        QCOMPARE(PanelLines(*window), expected);
        QCOMPARE(window->ProblemsPane()->text(), QStringLiteral("4 errors"));
        QCOMPARE(window->Problems()->topLevelItem(0)->text(0), QStringLiteral("screen CUSTOMER (3)"));
    }

    void commandUndoAndSaveRefreshThePanel() {
        auto window = Start({"-s", "CUSTOMER"});
        const std::size_t before = Count(*window);
        model::CScreenModel& screen = *window->Document().CurrentScreen();
        commands::ItemKey key;
        key.identifier.identificationKind = 1;
        key.identifier.text = "CUST-ADDRESS";
        commands::MadeCommand made = commands::MakeCommand(screen, "Move accept", key, {{"5,22", false}});
        QVERIFY2(made.command != nullptr, made.error.c_str());
        QVERIFY(window->Document().Core().Run(screen, *made.command, window->Messages()));
        window->AfterChange();
        QCOMPARE(Count(*window), before + 1);  // moved onto the name field
        QVERIFY(RowHolding(*window, QStringLiteral("overlaps")) != nullptr);
        QCOMPARE(window->ProblemsPane()->text(), QStringLiteral("4 errors, 1 warning"));
        // A screen reader reads the count from the status bar, kept current.
        const auto readCount = [&window] {
            return testsupport::NameDescribedAs(window->statusBar(), QStringLiteral("Problem count"));
        };
        QCOMPARE(readCount(), QStringLiteral("4 errors, 1 warning"));

        window->Action(ActionId::Undo)->trigger();
        QCOMPARE(Count(*window), before);
        QCOMPARE(readCount(), QStringLiteral("4 errors"));
        window->Action(ActionId::Redo)->trigger();
        QCOMPARE(Count(*window), before + 1);
        QVERIFY(window->SaveCommand());
        // The saved file's lines are the panel's.
        QProcess checker;
        checker.start(QStringLiteral(SCFCHECK_PROGRAM), {TESSELLAR_DEMO_PROGRAM, "-m", spoilt_});
        QVERIFY(checker.waitForFinished(30000));
        QCOMPARE(PanelLines(*window),
                 QString::fromUtf8(checker.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }

    void doubleClickShowsTheItemOrTheScreenFile() {
        auto window = Start({"-s", "ORDER"});
        QTreeWidget* panel = window->Problems();
        QTreeWidgetItem* colour = RowHolding(*window, QStringLiteral("pink"));
        QVERIFY(colour != nullptr);
        DoubleClick(panel, colour);
        QCOMPARE(window->Document().CurrentScreenName(), std::string("CUSTOMER"));
        canvas::CScreenCanvas* canvas = window->View()->Canvas();
        QVERIFY(canvas != nullptr);
        const auto& selection = canvas->Interaction().Selection();
        QVERIFY(selection.display != nullptr);
        QCOMPARE(selection.display->text.Current(), std::string("Phone:"));

        // No such entry field: the screen's statements open in the editor.
        QString edited;
        auto* watch = new QTimer(window.get());
        connect(watch, &QTimer::timeout, [watch, &edited] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* editor = qobject_cast<shell::TextEditorWindow*>(widget);
                if (editor == nullptr || !editor->isVisible()) continue;
                watch->stop();
                edited = editor->Text()->toPlainText();
                editor->findChild<QPushButton*>(QStringLiteral("editorClose"))->click();
            }
        });
        watch->start(10);
        DoubleClick(panel, RowHolding(*window, QStringLiteral("CUST-NUMBER")));
        QTRY_VERIFY(edited.contains(QStringLiteral("name = CUST-NUMBER")));
        QCOMPARE(window->Document().CurrentScreenName(), std::string("CUSTOMER"));
    }

    // Apply Fix on the row of a renamed field: one undo step on its screen,
    // and the saved file is what scfcheck --fix makes of the same file.
    void applyFixReattachesAsOneUndoStepAndSavesWhatScfcheckFixes() {
        const QString twin = scratch_->Path(QStringLiteral("twin.scf"));
        QVERIFY(QFile::copy(spoilt_, twin));
        QProcess fixer;
        fixer.start(QStringLiteral(SCFCHECK_PROGRAM), {TESSELLAR_DEMO_PROGRAM, "-m", twin, "--fix", "--likely"});
        QVERIFY(fixer.waitForFinished(30000));

        auto window = Start({"-s", "ORDER"});
        QTreeWidget* panel = window->Problems();
        shell::ProblemFixBar* bar = window->FixBar();
        QVERIFY(!bar->ApplyAllButton()->isEnabled());  // the spoilt file's fixes are only likely
        QTreeWidgetItem* renamed = RowHolding(*window, QStringLiteral("CUST-NUMBER"));
        QVERIFY(renamed != nullptr);
        QVERIFY(renamed->text(shell::ProblemsPanel::kMessageColumn).contains(QStringLiteral("[likely fix: name = CUST-NAME]")));
        panel->scrollToItem(renamed);
        QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, panel->visualItemRect(renamed).center());
        QVERIFY(bar->ApplyFixButton()->isEnabled());
        QCOMPARE(bar->ApplyFixButton()->toolTip(), QStringLiteral("Re-attach to name = CUST-NAME (likely)"));
        QTest::mouseClick(bar->ApplyFixButton(), Qt::LeftButton);

        QCOMPARE(window->Document().CurrentScreenName(), std::string("CUSTOMER"));
        model::CScreenModel& screen = *window->Document().CurrentScreen();
        QCOMPARE(window->Document().Core().UndoLabels(screen).size(), std::size_t{1});
        QVERIFY(QString::fromStdString(window->Document().Core().UndoLabels(screen).front())
                    .contains(QStringLiteral("Apply fix(name = CUST-NAME)")));
        QVERIFY(RowHolding(*window, QStringLiteral("CUST-NUMBER")) == nullptr);
        // The other likely fixes, one by one, as a user goes down the list.
        for (QTreeWidgetItem* row = nullptr; (row = RowHolding(*window, QStringLiteral("likely fix"))) != nullptr;) {
            panel->setCurrentItem(row);
            QVERIFY(bar->ApplyFixButton()->isEnabled());
            bar->ApplyFixButton()->click();
        }
        QVERIFY(window->SaveCommand());
        QFile saved(spoilt_), fixed(twin);
        QVERIFY(saved.open(QIODevice::ReadOnly) && fixed.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), fixed.readAll());
    }

    // Apply All Certain Fixes on a section left under a renamed entry's old
    // name: the entry gets it as one undo step, saved as scfcheck --fix saves it.
    void applyAllCertainRenamesASectionLeftUnderAnOldName() {
        std::ofstream(Bytes(spoilt_), std::ios::binary | std::ios::trunc)
            << "#ORVALE Screen Customiser File (Override statements only).\nscreen CLIENT\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Clients\"\n\t\t}\n"
               "\tdisplay\n\t\t{\n\t\torig_text = \"Name:\"\n\t\ttext = \"Nome:\"\n\t\t}\n\t}\n";
        const QString twin = scratch_->Path(QStringLiteral("twin.scf"));
        QVERIFY(QFile::copy(spoilt_, twin));
        QProcess fixer;
        fixer.start(QStringLiteral(SCFCHECK_PROGRAM), {TESSELLAR_DEMO_PROGRAM, "-m", twin, "--fix"});
        QVERIFY(fixer.waitForFinished(30000));

        auto window = Start({"-s", "ORDER"});
        shell::ProblemFixBar* bar = window->FixBar();
        QVERIFY(RowHolding(*window, QStringLiteral("certain fix: screen CUSTOMER")) != nullptr);
        QVERIFY(bar->ApplyAllButton()->isEnabled());
        QTest::mouseClick(bar->ApplyAllButton(), Qt::LeftButton);

        QCOMPARE(window->Document().CurrentScreenName(), std::string("CUSTOMER"));
        model::CScreenModel& screen = *window->Document().CurrentScreen();
        QCOMPARE(screen.Title().Current(), std::string("Clients"));
        QCOMPARE(window->Document().Core().UndoLabels(screen),
                 std::vector<std::string>{"No. 1: Apply fix(screen CUSTOMER)"});
        QCOMPARE(Count(*window), std::size_t{0});
        QVERIFY(window->SaveCommand());
        QFile saved(spoilt_), fixed(twin);
        QVERIFY(saved.open(QIODevice::ReadOnly) && fixed.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), fixed.readAll());
    }

    void panelClosedOrOpenIsKeptBetweenRuns() {
        {
            auto window = Start();
            QVERIFY(window->ProblemsDock()->isVisible());
            window->Action(ActionId::ProblemsView)->trigger();
            QVERIFY(!window->ProblemsDock()->isVisible());
            QVERIFY(window->close());
        }
        {
            auto window = Start();
            QVERIFY2(!window->ProblemsDock()->isVisible(), "problems do not reopen a panel the user closed");
            QVERIFY(!window->Action(ActionId::ProblemsView)->isChecked());
            window->Action(ActionId::ProblemsView)->trigger();
            QVERIFY(window->ProblemsDock()->isVisible());
            QVERIFY(window->close());
        }
        auto window = scratch_->Start({}, sink_);
        QVERIFY(window->ProblemsDock()->isVisible());
        QCOMPARE(window->ProblemsPane()->text(), QString());
    }

    void applyingMessagesComeAfterTheWindowOrGoToThePanel_data() {
        QTest::addColumn<bool>("inPanel");
        QTest::newRow("message boxes, once the window is up") << false;
        QTest::newRow("the panel alone") << true;
    }
    void applyingMessagesComeAfterTheWindowOrGoToThePanel() {
        QFETCH(bool, inPanel);
        scratch_->Registry().WriteString(settings::RegistryRoot::CurrentUser, settings::keys::kApplication,
                                         settings::keys::kProblemsInPanel, inPanel ? "YES" : "NO");
        auto window = Start({"-s", "CUSTOMER"});
        const std::vector<std::string> expected =
            inPanel ? std::vector<std::string>{}
                    : std::vector<std::string>{"Could not override this message \"No such customer \""};
        QTRY_COMPARE(sink_.messages, expected);
        for (bool shown : sink_.windowShown) QVERIFY2(shown, "a message came before the window");
        QVERIFY(RowHolding(*window, QStringLiteral("Customer gone")) != nullptr);
    }

    void preferencesSwitchIsStoredAndTakesEffect() {
        auto window = Start();
        QVERIFY(window->Document().Core().ApplyingMessagesShown());
        testsupport::OnNextModal<shell::PreferencesDialog>(nullptr, [](shell::PreferencesDialog* dialog) {
            auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("problemsInPanel"));
            QCOMPARE(box->text(), QStringLiteral("Show override problems in the Problems panel instead of message boxes"));
            QVERIFY(!box->isChecked());
            box->click();
            dialog->accept();
        });
        window->Action(ActionId::Preferences)->trigger();
        QCOMPARE(scratch_->Registry().ReadString(settings::RegistryRoot::CurrentUser, settings::keys::kApplication,
                                                 settings::keys::kProblemsInPanel),
                 std::string("YES"));
        QVERIFY(!window->Document().Core().ApplyingMessagesShown());
    }
};

QTEST_MAIN(ProblemsWindowTest)
#include "problems_window_test.moc"
