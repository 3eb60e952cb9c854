// The customiser's main window against the demo program: start-up with
// command lines, the browser pages, find, where the override file is
// looked for, the commands of the frame and what survives a restart.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/shell/customisable_toolbar.h"
#include "tessellar/shell/find_dialog.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/program_browser.h"
#include "tessellar/shell/start_up.h"
#include "tessellar/settings/qt/registry.h"
#include "tessellar/settings/frame_settings.h"
#include "tessellar/settings/registry_keys.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"
#include "testsupport/window_scratch.h"
#include "testsupport/modal_dialogs.h"

using shell::ActionId;
using program::BrowserPage;

namespace {

std::string Bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

// Answers the next modal dialog of the given type once it is up and active.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> answer) {
    testsupport::OnNextModal<Dialog>(nullptr, std::move(answer));
}

using testsupport::ChooseFile;

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowScratch> scratch_;
    platform::RecordingMessageSink sink_;
    QString demoScf_;
    QString startDirectory_ = QDir::currentPath();

    QString Scratch(const QString& name) const { return scratch_->Path(name); }

    std::unique_ptr<shell::CMainFrame> Start(const QStringList& words) {
        return scratch_->Start(words, sink_);
    }

    static QStringList Names(QTableWidget* list) {
        QStringList names;
        for (int row = 0; row < list->rowCount(); ++row) names.append(list->item(row, 2)->text());
        return names;
    }
    static QString SelectedName(QTableWidget* list) {
        const QList<QTableWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? QString() : list->item(selected.first()->row(), 2)->text();
    }
    static QString ShownScreen(shell::CMainFrame& window) {
        canvas::CScreenCanvas* canvas = window.View()->Canvas();
        return canvas ? QString::fromStdString(canvas->Model().Name()) : QString();
    }
    void ClickRow(QTableWidget* list, int row) {
        const QRect cell = list->visualItemRect(list->item(row, 2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

private slots:
    void init() {
        scratch_ = std::make_unique<testsupport::WindowScratch>();
        demoScf_ = Scratch(QStringLiteral("demo.scf"));
        QVERIFY(QFile::copy(QStringLiteral(TESSELLAR_DEMO_OVERRIDES), demoScf_));
        sink_.Clear();
    }
    void cleanup() {
        QDir::setCurrent(startDirectory_);
        scratch_.reset();
    }

    void startUpWithCommandLines_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("overrideFile");  // relative to the scratch directory
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("message");
        const QString demo = QStringLiteral(TESSELLAR_DEMO_PROGRAM);
        QTest::newRow("-m names the override file; the first row is selected")
            << QStringList{demo, "-m", "demo.scf"} << "demo.scf" << "MAIN-MENU" << "";
        QTest::newRow("-s selects its screen")
            << QStringList{demo, "-s", "ORDER-LINES", "-m", "demo.scf"} << "demo.scf" << "ORDER-LINES" << "";
        QTest::newRow("-l gives the directory") << QStringList{demo, "-l", "lists"} << "lists/demo.scf" << "MAIN-MENU"
                                                << "";
        QTest::newRow("-c and -n are taken without a word for the others")
            << QStringList{demo, "-c", "ADD,FIND", "-n", "srv", "progs=/usr/progs", "-m", "demo.scf", "-s"}
            << "demo.scf" << "MAIN-MENU" << "";
        QTest::newRow("a missing program is shown with \\ separators")
            << QStringList{"no/such/program.op6", "-m", "demo.scf"} << "" << ""
            << "Could not open file:<no\\such\\program.op6>. ";
    }
    void startUpWithCommandLines() {
        QFETCH(QStringList, words);
        QFETCH(QString, overrideFile);
        QFETCH(QString, selected);
        QFETCH(QString, message);
        QDir::setCurrent(scratch_->Root());
        QVERIFY(QDir().mkpath(Scratch(QStringLiteral("lists"))));
        auto window = Start(words);
        QCOMPARE(QString::fromStdString(sink_.Messages().empty() ? std::string() : sink_.Messages().front()), message);
        QCOMPARE(window->Browser()->ActivePage(), BrowserPage::All);
        QVERIFY(window->isVisible());
        QTableWidget* all = window->Browser()->List(BrowserPage::All);
        if (selected.isEmpty()) {
            QVERIFY(!window->Document().HasProgram());
            QCOMPARE(all->rowCount(), 0);
            QVERIFY(window->View()->Canvas() == nullptr);
            return;
        }
        QCOMPARE(all->rowCount(), 8);
        QCOMPARE(SelectedName(all), selected);
        QCOMPARE(ShownScreen(*window), selected);
        QCOMPARE(QFileInfo(QFile::decodeName(window->Document().OverridePath().c_str())).absoluteFilePath(),
                 Scratch(overrideFile));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("demo.op6 - ORVALE-Kx Screen Customiser")));
        if (words.contains(QStringLiteral("-c"))) {
            QCOMPARE(window->Document().CommandLineValues().modes, std::string("ADD,FIND"));
            QCOMPARE(window->Mapper().Shares().Mappings().size(), std::size_t{1});
        }
    }

    void browserPagesListTheirEntries() {
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_});
        shell::ProgramBrowser* browser = window->Browser();
        QCOMPARE(browser->count(), 5);
        const QStringList captions = {"Screens", "Data Grids", "Procedures", "Menus", "All"};
        const QList<int> counts = {3, 1, 2, 2, 8};
        for (int page = 0; page < 5; ++page) {
            QCOMPARE(browser->itemText(page), captions[page]);
            browser->setCurrentIndex(page);
            QTableWidget* list = browser->List(static_cast<BrowserPage>(page + 1));
            QCOMPARE(list->rowCount(), counts[page]);
            QCOMPARE(list->accessibleName(), captions[page] + QStringLiteral(" list"));
        }
        QTableWidget* grids = browser->List(BrowserPage::DataGrids);
        QCOMPARE(grids->item(0, 1)->text(), QStringLiteral("Data Grid"));
        QCOMPARE(grids->horizontalHeaderItem(1)->text(), QStringLiteral("Type    "));
        QCOMPARE(grids->horizontalHeaderItem(2)->text(), QStringLiteral("Name      "));
        QVERIFY(grids->showGrid());
        QVERIFY(grids->horizontalHeader()->sectionsMovable());
        QCOMPARE(grids->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(sink_.Messages().empty());
    }

    // The demo's own names were cut at the default width. Opening a program
    // widens the browser until every name shows whole; the tool tip holds
    // the name; the width the user gives it is kept for the next run.
    void browserNamesShowWholeAndItsWidthIsKept() {
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_});
        QTableWidget* all = window->Browser()->List(BrowserPage::All);
        const QAbstractItemView* view = all;
        QTRY_VERIFY(all->columnWidth(2) >= view->sizeHintForColumn(2));
        QVERIFY(window->BrowserDock()->width() > 250);
        QVERIFY(window->BrowserDock()->width() <= window->width() * 2 / 5);
        for (int row = 0; row < all->rowCount(); ++row) {
            QCOMPARE(all->item(row, 2)->toolTip(), all->item(row, 2)->text());
        }
        const int wider = window->BrowserDock()->width() + 40;
        window->resizeDocks({window->BrowserDock()}, {wider}, Qt::Horizontal);
        QTRY_COMPARE(window->BrowserDock()->width(), wider);
        window->close();

        window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_});
        QTRY_COMPARE(window->BrowserDock()->width(), wider);
    }

    void emptyPagesSaySorry() {
        std::string error;
        const auto program = opimage::ParseDescription(
            "screen ONLY {\n  title \"Only\"\n  frame 2 1 10 40\n  body {\n    display 3 3 \"Alone\"\n  }\n}\n", error);
        QVERIFY2(program.has_value(), error.c_str());
        const QString path = Scratch(QStringLiteral("only.op6"));
        QVERIFY(opimage::WriteFile(*program, Bytes(path)));
        auto window = Start({path, "-m", demoScf_});
        QVERIFY(sink_.Messages().empty());
        shell::ProgramBrowser* browser = window->Browser();
        for (int page = 1; page <= 3; ++page) browser->setCurrentIndex(page);
        const std::vector<std::string> expected = {"Sorry, there is no datagrid in this program.",
                                                   "Sorry, there is no procedure in this program.",
                                                   "Sorry, there is no menu in this program."};
        QCOMPARE(sink_.Messages(), expected);
        browser->setCurrentIndex(0);
        QCOMPARE(browser->List(BrowserPage::Screens)->rowCount(), 1);
        QCOMPARE(sink_.Messages().size(), expected.size());
    }

    void clickingRowsSelectsScreens() {
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_});
        QTableWidget* all = window->Browser()->List(BrowserPage::All);
        ClickRow(all, 1);
        QCOMPARE(ShownScreen(*window), QStringLiteral("CUSTOMER"));
        canvas::CScreenCanvas* canvas = window->View()->Canvas();
        ClickRow(all, 1);  // the current row again: nothing happens
        QCOMPARE(window->View()->Canvas(), canvas);
        QCOMPARE(canvas->accessibleName(), QStringLiteral("CUSTOMER"));

        // Sorting by name keeps each row pointing at its own entry.
        QTest::mouseClick(all->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(all->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
        QCOMPARE(all->horizontalHeader()->sortIndicatorSection(), 2);
        QStringList sorted = Names(all);
        QStringList expected = sorted;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(sorted, expected);
        ClickRow(all, 0);
        QCOMPARE(ShownScreen(*window), sorted.first());
        QCOMPARE(SelectedName(all), sorted.first());
    }

    void findWalksThePageBothWays() {
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_});
        window->Action(ActionId::Find)->trigger();
        shell::FindDialog* find = window->FindWindow();
        QVERIFY(find != nullptr && find->isVisible());
        window->Action(ActionId::Find)->trigger();  // one dialog, activated again
        QCOMPARE(window->findChildren<shell::FindDialog*>().size(), 1);
        auto* text = find->findChild<QLineEdit*>(QStringLiteral("findText"));
        auto* next = find->findChild<QPushButton*>(QStringLiteral("findNext"));
        QTest::keyClicks(text, QStringLiteral("Customer"));
        find->findChild<QCheckBox*>(QStringLiteral("wholeWord"))->setChecked(true);
        find->findChild<QCheckBox*>(QStringLiteral("matchCase"))->setChecked(true);
        QTableWidget* all = window->Browser()->List(BrowserPage::All);

        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(SelectedName(all), QStringLiteral("CUSTOMER"));
        QCOMPARE(ShownScreen(*window), QStringLiteral("CUSTOMER"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(SelectedName(all), QStringLiteral("ORDER"));
        for (int i = 0; i < 8 && sink_.Messages().empty(); ++i) QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(sink_.Messages(), std::vector<std::string>{"At end of list. \"Customer\" not found."});

        sink_.Clear();
        find->findChild<QRadioButton*>(QStringLiteral("up"))->setChecked(true);
        ClickRow(all, 0);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(sink_.Messages(), std::vector<std::string>{"At top of list. \"Customer\" not found."});
        QCOMPARE(SelectedName(all), QStringLiteral("MAIN-MENU"));
    }

    void registryListOffersItsDirectories() {
        QVERIFY(QDir().mkpath(Scratch(QStringLiteral("d2"))));
        const std::string list = Bytes(Scratch(QStringLiteral("d1"))) + ";" + Bytes(Scratch(QStringLiteral("d2")));
        scratch_->Registry().WriteString(settings::RegistryRoot::LocalMachine, settings::keys::kEnvironment, settings::keys::kScfPath, list);
        QStringList offered;
        WhenShown<QDialog>([&offered](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Tessellar File Path"));
            auto* directories = dialog->findChild<QListWidget*>(QStringLiteral("directoryList"));
            for (int row = 0; row < directories->count(); ++row) offered.append(directories->item(row)->text());
            QCOMPARE(directories->currentRow(), 0);
            directories->setCurrentRow(1);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        auto window = Start({TESSELLAR_DEMO_PROGRAM});
        QCOMPARE(offered, (QStringList{Scratch(QStringLiteral("d1")), Scratch(QStringLiteral("d2"))}));
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), Scratch(QStringLiteral("d2/demo.scf")));
    }

    void cancellingBothDialogsLeavesNoOverrideFile() {
        scratch_->Registry().WriteString(settings::RegistryRoot::LocalMachine, settings::keys::kEnvironment, settings::keys::kScfPath, "a,b");
        WhenShown<QDialog>([](QDialog* dialog) {
            dialog->reject();  // "Tessellar File Path"
            WhenShown<QFileDialog>([](QFileDialog* files) {
                QCOMPARE(files->windowTitle(), QStringLiteral("Open a Tessellar File"));
                QCOMPARE(files->defaultSuffix(), QStringLiteral("scf"));
                files->reject();
            });
        });
        auto window = Start({TESSELLAR_DEMO_PROGRAM});
        QVERIFY(window->Document().HasProgram());
        QVERIFY(window->Document().OverridePath().empty());
        QCOMPARE(window->Browser()->List(BrowserPage::All)->rowCount(), 8);
    }

    // "-m" naming a program or a README: before, the first save replaced it
    // with a header line. The program is shown, the file is left alone.
    void aFileThatIsNotAnOverrideFileIsRefused() {
        const QString readme = Scratch(QStringLiteral("README"));
        {
            QFile file(readme);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("# Shop programs\nAsk Dana before changing anything.\n");
        }
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", readme, "-s", "CUSTOMER"});
        QCOMPARE(sink_.Messages(), std::vector<std::string>{Bytes(readme) + " is not a screen customiser file. It is "
                                                            "left as it is and nothing is written over it."});
        QVERIFY(window->Document().HasProgram());
        QVERIFY(window->Document().OverridePath().empty());
        QCOMPARE(ShownScreen(*window), QStringLiteral("CUSTOMER"));
        // Save asks where; the name chosen gets its ".scf".
        WhenShown<QFileDialog>([readme](QFileDialog* dialog) { ChooseFile(dialog, readme); });
        QVERIFY(window->SaveCommand());
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), readme + QStringLiteral(".scf"));
        QFile file(readme);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("# Shop programs\nAsk Dana before changing anything.\n"));
    }

    // A site's file on a share the user may not change (a directory stands
    // where its working copy would go): before, the window stayed empty
    // without a word. Now it shows the customised screens read-only, and
    // Save offers Save As.
    void aFileWithoutWorkingCopyOpensReadOnly() {
        QVERIFY(QDir().mkpath(Scratch(QStringLiteral("demo.bck"))));
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_});
        QCOMPARE(sink_.Messages().size(), std::size_t{1});
        QVERIFY(sink_.Messages()[0].find(Bytes(Scratch(QStringLiteral("demo.bck"))) + " (Is a directory)") !=
                std::string::npos);
        QVERIFY(window->Document().Core().ReadOnly());
        QCOMPARE(ShownScreen(*window), QStringLiteral("MAIN-MENU"));
        QCOMPARE(QString::fromStdString(window->Document().CurrentScreen()->Title().Current()),
                 QStringLiteral("Tessellar Trading"));
        const QString mine = Scratch(QStringLiteral("mine.scf"));
        WhenShown<QFileDialog>([mine](QFileDialog* dialog) { ChooseFile(dialog, mine); });
        QVERIFY(window->SaveCommand());
        QVERIFY(!window->Document().Core().ReadOnly());
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), mine);
        QVERIFY(QFile::exists(mine));
    }

    void openOverrideFileCommand() {
        auto empty = Start({});
        empty->Action(ActionId::OpenOverrideFile)->trigger();
        QCOMPARE(sink_.Messages(), std::vector<std::string>{"Please open a ORVALE program (.op5 or .op6 file) before "
                                                            "trying to open a tessellar file."});
        empty.reset();

        sink_.Clear();
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_, "-s", "CUSTOMER"});
        const QString other = Scratch(QStringLiteral("other.scf"));
        QVERIFY(QFile::copy(demoScf_, other));
        WhenShown<QFileDialog>([other](QFileDialog* dialog) { ChooseFile(dialog, other); });
        window->Action(ActionId::OpenOverrideFile)->trigger();
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), other);
        // The program was read again: the browser lists it and the screen shows.
        QCOMPARE(window->Browser()->List(BrowserPage::All)->rowCount(), 8);
        QCOMPARE(ShownScreen(*window), QStringLiteral("CUSTOMER"));
        QVERIFY(sink_.Messages().empty());
    }

    // Before, the row went back to the first one (or the "-s" screen) when
    // the program was read again for another override file.
    void anotherOverrideFileKeepsTheSelectedRow() {
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_});
        QTableWidget* all = window->Browser()->List(BrowserPage::All);
        const int orderRow = static_cast<int>(Names(all).indexOf(QStringLiteral("ORDER")));
        QVERIFY(orderRow > 0);
        ClickRow(all, orderRow);
        QCOMPARE(ShownScreen(*window), QStringLiteral("ORDER"));
        const QString other = Scratch(QStringLiteral("other.scf"));
        QVERIFY(QFile::copy(demoScf_, other));
        WhenShown<QFileDialog>([other](QFileDialog* dialog) { ChooseFile(dialog, other); });
        window->Action(ActionId::OpenOverrideFile)->trigger();
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), other);
        QCOMPARE(SelectedName(window->Browser()->List(BrowserPage::All)), QStringLiteral("ORDER"));
        QCOMPARE(ShownScreen(*window), QStringLiteral("ORDER"));
    }

    // Before "Open Program" had been used, a recent program was paired with
    // the command line's "-m" file, and Save merged its sections into it.
    void aRecentProgramFindsItsOwnOverrideFile() {
        const QString second = Scratch(QStringLiteral("second.op6"));
        QVERIFY(QFile::copy(QStringLiteral(TESSELLAR_DEMO_PROGRAM), second));
        scratch_->Registry().WriteString(settings::RegistryRoot::CurrentUser, settings::kRecentFileListKey, "File1",
                                         Bytes(second));
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_, "-s", "CUSTOMER"});
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), demoScf_);
        QAction* recent = window->findChild<QAction*>(QStringLiteral("RecentFile2"));
        QVERIFY(recent != nullptr);
        QCOMPARE(recent->data().toString(), second);
        // With no "-m", "-l" or SCFPATH the user is asked for its file.
        bool asked = false;
        WhenShown<QFileDialog>([&asked](QFileDialog* files) {
            asked = true;
            files->reject();
        });
        recent->trigger();
        QVERIFY(asked);
        QCOMPARE(QString::fromStdString(window->Document().Core().ProgramPath()), second);
        QVERIFY(window->Document().OverridePath().empty());
        QCOMPARE(SelectedName(window->Browser()->List(BrowserPage::All)), QStringLiteral("MAIN-MENU"));
    }

    void openProgramClearsTheCommandLineValues() {
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_, "-s", "ORDER"});
        WhenShown<QFileDialog>([](QFileDialog* dialog) {
            QCOMPARE(dialog->nameFilters(), QStringList{"ORVALE Program (*.op6)"});
            WhenShown<QFileDialog>([](QFileDialog* overrides) { overrides->reject(); });
            ChooseFile(dialog, QStringLiteral(TESSELLAR_DEMO_PROGRAM));
        });
        window->Action(ActionId::OpenProgram)->trigger();
        QVERIFY(window->Document().CommandLineValues().overridePath.empty());
        QVERIFY(window->Document().OverridePath().empty());
        QCOMPARE(SelectedName(window->Browser()->List(BrowserPage::All)), QStringLiteral("MAIN-MENU"));
        QCOMPARE(window->RecentFiles().Files().front(), Bytes(QFileInfo(TESSELLAR_DEMO_PROGRAM).absoluteFilePath()));
    }

    void menusHoldEveryItem() {
        auto window = Start({});
        QStringList menus;
        for (QAction* menu : window->menuBar()->actions()) menus.append(menu->text());
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));
        // Later commands are present and disabled, with their prompts.
        for (ActionId id : {ActionId::Save, ActionId::Undo, ActionId::EditScreenScf}) {
            QVERIFY(!window->Action(id)->isEnabled());
            QVERIFY(!window->Action(id)->statusTip().isEmpty());
        }
        QCOMPARE(window->Action(ActionId::Save)->statusTip(), QStringLiteral("Save the active SCF file"));
        QCOMPARE(window->Action(ActionId::Save)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(window->Action(ActionId::Redo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(window->Action(ActionId::Help)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(window->Action(ActionId::OpenProgram)->toolTip(), QStringLiteral("Open Program"));
        QVERIFY(window->Action(ActionId::SplitFormAndProcedures)->isChecked());
        window->Action(ActionId::SplitCurrentForm)->trigger();
        QVERIFY(window->BrowserDock()->isHidden());
        QVERIFY(!window->Action(ActionId::OutlookBar)->isChecked());
        window->Action(ActionId::SplitFormAndProcedures)->trigger();
        QVERIFY(!window->BrowserDock()->isHidden());

        QStatusBar* status = window->statusBar();
        QCOMPARE(status->findChild<QLabel*>(QStringLiteral("selectionPane"))->accessibleDescription(), QStringLiteral("Selection"));
        for (const char* pane : {"capsPane", "numPane", "scrollPane"}) QVERIFY(status->findChild<QLabel*>(pane) != nullptr);
        QCOMPARE(window->View()->accessibleName(), QStringLiteral("Screen canvas"));
        QCOMPARE(window->CustomiserBar()->findChild<QWidget*>(QStringLiteral("LegendButton"))->accessibleName(),
                 QStringLiteral("Legend"));
    }

    void skinsDifferAndAreStored() {
        auto window = Start({});
        QCOMPARE(window->Skin(), 2);
        QVERIFY(window->Action(ActionId::SkinOffice2003)->isChecked());
        const QColor office2003 = QApplication::palette().color(QPalette::Window);
        window->Action(ActionId::SkinDefault)->trigger();
        const QColor classic = QApplication::palette().color(QPalette::Window);
        window->Action(ActionId::SkinOfficeXp)->trigger();
        const QColor officeXp = QApplication::palette().color(QPalette::Window);
        QVERIFY(office2003 != classic && classic != officeXp && officeXp != office2003);
        QVERIFY(window->Action(ActionId::SkinOfficeXp)->isChecked());
        window->close();
        QCOMPARE(scratch_->Registry().ReadString(settings::RegistryRoot::CurrentUser, settings::kWorkspaceKey, settings::kSelectedSkin),
                 std::optional<std::string>("1"));
        window = Start({});
        QCOMPARE(window->Skin(), 1);
    }

    void preferencesWriteTheLaunchWarning() {
        auto window = Start({});
        WhenShown<QDialog>([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Preferences"));
            auto* warning = dialog->findChild<QCheckBox*>(QStringLiteral("launchWarning"));
            QVERIFY(warning->isChecked());
            warning->setChecked(false);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        window->Action(ActionId::Preferences)->trigger();
        const auto stored = [this] {
            return scratch_->Registry().ReadString(settings::RegistryRoot::CurrentUser, settings::keys::kApplication,
                                         settings::keys::kLaunchMessage);
        };
        QCOMPARE(stored(), std::optional<std::string>("NO"));
        // Cancel writes the state the dialog started with.
        WhenShown<QDialog>([](QDialog* dialog) {
            dialog->findChild<QCheckBox*>(QStringLiteral("launchWarning"))->setChecked(true);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        window->Action(ActionId::Preferences)->trigger();
        QCOMPARE(stored(), std::optional<std::string>("NO"));
    }

    void toolbarButtonsSurviveARestart() {
        auto window = Start({});
        shell::CustomisableToolbar* standard = window->StandardBar();
        const QStringList defaults = standard->Buttons();
        QCOMPARE(defaults.first(), QStringLiteral("OpenProgram"));
        WhenShown<QDialog>([](QDialog* dialog) {
            auto* buttons = dialog->findChild<QListWidget*>(QStringLiteral("toolbarButtons"));
            buttons->setCurrentRow(0);
            dialog->findChild<QPushButton*>(QStringLiteral("remove"))->click();
            buttons->setCurrentRow(0);
            dialog->findChild<QPushButton*>(QStringLiteral("moveDown"))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("close"))->click();
        });
        window->Action(ActionId::Customize)->trigger();
        QStringList changed = defaults.mid(1);
        changed.swapItemsAt(0, 1);
        QCOMPARE(standard->Buttons(), changed);
        QCOMPARE(standard->actions().last()->text(), QStringLiteral("Customize..."));
        window->CustomiserBar()->hide();
        window->close();

        window = Start({});
        QCOMPARE(window->StandardBar()->Buttons(), changed);
        QVERIFY(window->CustomiserBar()->isHidden());
        QVERIFY(!window->Action(ActionId::CustomiserToolbar)->isChecked());
        window->StandardBar()->Reset();
        QCOMPARE(window->StandardBar()->Buttons(), defaults);
    }

    void promptSweepRunsTheFrontEnd() {
        auto window = Start({});
        window->Action(ActionId::PromptSweep)->trigger();
        QCOMPARE(sink_.Messages(), std::vector<std::string>{"CreateProcess failed,could not open promptsweep_ui.exe."});

        // A stand-in beside the customiser that leaves a mark and ends.
        sink_.Clear();
        WriteStandIn(QStringLiteral("sleep 0.3\ntouch '%1'\n").arg(Scratch(QStringLiteral("ran"))));
        bool pumped = false;
        QTimer::singleShot(100, [&] {
            pumped = true;  // the window stays alive during the wait, but starts no second front end
            QVERIFY(!window->Action(ActionId::PromptSweep)->isEnabled());
        });
        window->Action(ActionId::PromptSweep)->trigger();
        QVERIFY(QFile::exists(Scratch(QStringLiteral("ran"))));
        QVERIFY(pumped);
        QVERIFY(sink_.Messages().empty());
        QVERIFY(window->Action(ActionId::PromptSweep)->isEnabled());
    }

    void quittingDuringTheWaitEndsTheCustomiser() {
        auto window = Start({});
        const QString ended = Scratch(QStringLiteral("ended"));
        WriteStandIn(QStringLiteral("sleep 4\ntouch '%1'\n").arg(ended));
        window->Action(ActionId::SkinOfficeXp)->trigger();
        QTimer::singleShot(200, window.get(), &QWidget::close);
        window->Action(ActionId::PromptSweep)->trigger();
        QVERIFY(!QFile::exists(ended));  // the wait ended without the front end
        QCOMPARE(sink_.Messages(), std::vector<std::string>{"The SCF file is currently open for edit. Please close the "
                                                            "edit window before you close this message box."});
        // The exit sequence ran: the look is stored.
        QCOMPARE(scratch_->Registry().ReadString(settings::RegistryRoot::CurrentUser, settings::kWorkspaceKey, settings::kSelectedSkin),
                 std::optional<std::string>("1"));
    }

private:
    void WriteStandIn(const QString& body) {
        QFile script(Scratch(QStringLiteral("promptsweep_ui")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write((QStringLiteral("#!/bin/sh\n") + body).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
