// The main window's side of editing, against the demo program: the undo
// and redo drop-downs, Save and Save As, what closing and opening do with
// unsaved changes, and editing a screen's section by hand.

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QStyle>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/shell/customisable_toolbar.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/program_browser.h"
#include "tessellar/shell/screen_file_editor.h"
#include "tessellar/shell/start_up.h"
#include "tessellar/shell/skins.h"
#include "tessellar/shell/step_list_bar.h"
#include "tessellar/shell/text_editor_window.h"
#include "tessellar/shell/undo_buttons.h"
#include "tessellar/settings/qt/registry.h"
#include "tessellar/settings/registry_keys.h"
#include "testsupport/file_text.h"
#include "testsupport/window_scratch.h"
#include "testsupport/modal_dialogs.h"
#include "tessellar/shell/tests/step_drop_downs.h"
#include "testsupport/accessible_tree.h"

using shell::ActionId;
using program::BrowserPage;

namespace {

using testsupport::DropDownButton;
using testsupport::Hover;
using testsupport::ReleaseOn;
using testsupport::When;
using testsupport::WithDropDown;

std::string Bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

using testsupport::ReadFile;

// Answers the next modal dialog of the given type once it is up and active.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> answer) {
    testsupport::OnNextModal<Dialog>(nullptr, std::move(answer));
}

void Answer(QMessageBox::StandardButton button, QString* asked = nullptr) {
    WhenShown<QMessageBox>([button, asked](QMessageBox* box) {
        if (asked != nullptr) *asked = box->text();
        box->button(button)->click();
    });
}

const std::vector<std::string> kNoMessages;
constexpr const char* kAddedBox = "box\n\t{\n\torig_coordinate = 3,5\n\tcoordinate = 10,20\n\tadd = true\n\t}\n";

}  // namespace

class FrameEditingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowScratch> scratch_;
    platform::RecordingMessageSink sink_;
    QString demoScf_;
    std::string originalScf_;

    QString Scratch(const QString& name) const { return scratch_->Path(name); }

    std::unique_ptr<shell::CMainFrame> Start(QStringList words) {
        return scratch_->Start(words, sink_);
    }
    std::unique_ptr<shell::CMainFrame> StartOnCustomer() {
        return Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_, "-s", "CUSTOMER"});
    }

    // Changes the current entry as a sheet would: a catalogue command, then the frame told.
    static void Retitle(shell::CMainFrame& window, const std::string& title) {
        model::CScreenModel& screen = *window.Document().CurrentScreen();
        commands::ItemKey key;
        key.identifier.identificationKind = 1;
        key.identifier.text = "CUST-NAME";
        commands::MadeCommand made = commands::MakeCommand(screen, "Modify accept title", key, {{title, true}});
        QVERIFY2(made.command != nullptr, made.error.c_str());
        QVERIFY(window.Document().Core().Run(screen, *made.command, window.Messages()));
        window.AfterChange();
    }
    static std::string WorkFile(shell::CMainFrame& window) {
        return ReadFile(window.Document().CurrentScreen()->OverridePath());
    }
    static void ClickRow(shell::CMainFrame& window, const QString& name, BrowserPage page = BrowserPage::All) {
        QTableWidget* list = window.Browser()->List(page);
        for (int row = 0; row < list->rowCount(); ++row) {
            if (list->item(row, 2)->text() != name) continue;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, 2)).center());
            return;
        }
        QFAIL("no such row");
    }
    static bool Enabled(shell::CMainFrame& window, ActionId id) { return window.Action(id)->isEnabled(); }

    static int SelectedCount(shell::StepListBar* bar) {
        int selected = 0;
        for (int row = 0; row < bar->List()->count(); ++row) selected += bar->List()->item(row)->isSelected() ? 1 : 0;
        return selected;
    }

    void WriteScript(const QString& name, const QString& body) {
        QFile script(Scratch(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write((QStringLiteral("#!/bin/sh\n") + body).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void UseEditor(const QString& path, const char* key = settings::keys::kEnvironment) {
        scratch_->Registry().WriteString(settings::RegistryRoot::LocalMachine, key, settings::keys::kEditor, Bytes(path));
    }

private slots:
    void init() {
        scratch_ = std::make_unique<testsupport::WindowScratch>();
        demoScf_ = Scratch(QStringLiteral("demo.scf"));
        QVERIFY(QFile::copy(QStringLiteral(TESSELLAR_DEMO_OVERRIDES), demoScf_));
        QFile::setPermissions(demoScf_, QFile::ReadOwner | QFile::WriteOwner);
        originalScf_ = ReadFile(Bytes(demoScf_));
        qunsetenv("VISUAL");
        sink_.Clear();
    }
    void cleanup() {
        scratch_.reset();
    }

    // The drop-down kept the size of its first opening (one row high), and
    // its labels ran two statement lines together.
    void dropDownFitsItsEntriesEachTime() {
        QCOMPARE(shell::StepLabelText("No. 1: Move display(\ttext = \"Posted on:\"\n\tcoordinate = 18,40\n)"),
                 QStringLiteral("No. 1: Move display(text = \"Posted on:\"; coordinate = 18,40)"));
        auto window = StartOnCustomer();
        Retitle(*window, "One");
        const auto fits = [](shell::StepListBar* bar) {
            const QListWidget* list = bar->List();
            const QRect last = list->visualItemRect(list->item(list->count() - 1));
            QVERIFY(list->viewport()->rect().contains(last));
            QVERIFY(bar->parentWidget()->height() >= bar->height());
        };
        WithDropDown(*window, window->UndoButton(), fits);
        QTRY_VERIFY(!DropDownButton(*window, window->UndoButton())->menu()->isVisible());
        for (const char* title : {"Two", "Three", "Four", "Five", "Six"}) Retitle(*window, title);
        WithDropDown(*window, window->UndoButton(), [&](shell::StepListBar* bar) {
            QCOMPARE(bar->List()->count(), 6);
            fits(bar);
        });
        QTRY_VERIFY(!DropDownButton(*window, window->UndoButton())->menu()->isVisible());
    }
    // Open under the mouse, the drop-down part of the button was one black
    // block in the gradient look: in every look its arrow stays visible.
    void anOpenDropDownKeepsItsArrowInEveryLook() {
        auto window = StartOnCustomer();
        Retitle(*window, "One");
        QToolButton* button = DropDownButton(*window, window->UndoButton());
        for (int skin = 0; skin < shell::kSkinCount; ++skin) {
            shell::ApplySkin(skin);
            QImage drawn;
            button->setAttribute(Qt::WA_UnderMouse, true);
            WithDropDown(*window, window->UndoButton(), [&](shell::StepListBar*) {
                button->setAttribute(Qt::WA_UnderMouse, true);
                drawn = button->grab().toImage();
            });
            QTRY_VERIFY(!button->menu()->isVisible());
            QVERIFY(!drawn.isNull());
            // The strip the arrow is drawn in, right of the button's face.
            const int strip = button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, button);
            int dark = 0;
            int all = 0;
            for (int x = drawn.width() - strip + 2; x < drawn.width() - 2; ++x) {
                for (int y = 2; y < drawn.height() - 2; ++y, ++all) dark += qGray(drawn.pixel(x, y)) < 64 ? 1 : 0;
            }
            QVERIFY2(dark * 3 < all, qPrintable(QStringLiteral("look %1: %2 of %3 dark").arg(skin).arg(dark).arg(all)));
        }
        shell::ApplySkin(0);
    }
    // The gradient look drew the drop-down strip of a disabled Undo or Redo
    // raised, as if it could be pressed: in every look it lies flat, as the
    // disabled button's face does, with only its greyed arrow on it.
    void aDisabledDropDownStripLiesFlatInEveryLook() {
        auto window = StartOnCustomer();
        QToolButton* button = DropDownButton(*window, window->RedoButton());
        QVERIFY(!button->isEnabled());
        for (int skin = 0; skin < shell::kSkinCount; ++skin) {
            shell::ApplySkin(skin);
            const QImage drawn = button->grab().toImage();
            const int strip = button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, button);
            int raised = 0;
            for (int y = 1; y < drawn.height() - 1; ++y) {
                const int face = qGray(drawn.pixel(1, y));
                for (int x = drawn.width() - strip; x < drawn.width() - 1; ++x) {
                    raised += qGray(drawn.pixel(x, y)) > face + 8 ? 1 : 0;
                }
            }
            QVERIFY2(raised == 0, qPrintable(QStringLiteral("look %1: %2 pixels raised").arg(skin).arg(raised)));
        }
        shell::ApplySkin(0);
    }
    // Every look greys what is disabled.
    void disabledControlsAreGreyedInEveryLook() {
        for (int skin = 0; skin < shell::kSkinCount; ++skin) {
            shell::ApplySkin(skin);
            const QPalette palette = QApplication::palette();
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
                QVERIFY(palette.color(QPalette::Disabled, role) != palette.color(QPalette::Active, role));
            }
        }
        shell::ApplySkin(0);
    }

    void dropDownsChooseHowManySteps() {
        auto window = StartOnCustomer();
        const std::string before = WorkFile(*window);
        for (ActionId id : {ActionId::Undo, ActionId::Redo, ActionId::Save}) QVERIFY(!Enabled(*window, id));
        QVERIFY(!window->isWindowModified());
        for (const char* title : {"One", "Two", "Three", "Four"}) Retitle(*window, title);
        QVERIFY(Enabled(*window, ActionId::Undo) && Enabled(*window, ActionId::Save));
        QVERIFY(!Enabled(*window, ActionId::Redo));
        QVERIFY(window->isWindowModified());
        QVERIFY(window->windowTitle().contains(QStringLiteral("[*]")));

        // A plain Undo is one step; the drop-down then lists the other three, newest first.
        window->Action(ActionId::Undo)->trigger();
        QMenu* undoMenu = DropDownButton(*window, window->UndoButton())->menu();
        WithDropDown(*window, window->UndoButton(), [undoMenu](shell::StepListBar* bar) {
            QCOMPARE(bar->List()->count(), 3);
            QCOMPARE(bar->List()->item(0)->text(), QStringLiteral("No. 3: Modify accept title(name = CUST-NAME)"));
            // A screen reader finds the rows and the status line below the drop-down.
            QAccessibleInterface* dropDown = QAccessible::queryAccessibleInterface(undoMenu);
            QCOMPARE(dropDown->text(QAccessible::Name), QStringLiteral("Undo list"));
            QCOMPARE(testsupport::AccessibleNames(dropDown, QAccessible::ListItem),
                     (QStringList{"No. 3: Modify accept title(name = CUST-NAME)",
                                  "No. 2: Modify accept title(name = CUST-NAME)",
                                  "No. 1: Modify accept title(name = CUST-NAME)"}));
            QCOMPARE(testsupport::AccessibleNames(dropDown, QAccessible::StaticText), QStringList{"Undo 1 Actions"});
            Hover(bar, 2);
            QCOMPARE(SelectedCount(bar), 3);
            QCOMPARE(bar->Status()->text(), QStringLiteral("Undo 3 Actions"));
            QCOMPARE(testsupport::AccessibleNames(dropDown, QAccessible::StaticText), QStringList{"Undo 3 Actions"});
            Hover(bar, 1);
            QCOMPARE(SelectedCount(bar), 2);
            // A release beside the items chooses nothing.
            QTest::mouseClick(bar->Status(), Qt::LeftButton);
            QCOMPARE(bar->Steps(), 2);
        });
        QCOMPARE(window->Document().Core().UndoLabels(*window->Document().CurrentScreen()).size(), 3u);
        WithDropDown(*window, window->UndoButton(), [](shell::StepListBar* bar) {
            Hover(bar, 2);
            ReleaseOn(bar, 2);
        });
        QCOMPARE(WorkFile(*window), before);
        QVERIFY(!Enabled(*window, ActionId::Undo));
        QVERIFY(Enabled(*window, ActionId::Redo));
        QVERIFY(!DropDownButton(*window, window->UndoButton())->isEnabled());
        QVERIFY(window->View()->Canvas() != nullptr);

        // Redo two from the list, then a plain click does one more.
        WithDropDown(*window, window->RedoButton(), [](shell::StepListBar* bar) {
            QCOMPARE(bar->List()->count(), 4);
            Hover(bar, 1);
            QCOMPARE(bar->Status()->text(), QStringLiteral("Redo 2 Actions"));
            ReleaseOn(bar, 1);
        });
        QVERIFY(WorkFile(*window).find("title = \"Two\"") != std::string::npos);
        DropDownButton(*window, window->RedoButton())->click();
        QVERIFY(WorkFile(*window).find("title = \"Three\"") != std::string::npos);
        QCOMPARE(window->Document().Core().RedoLabels(*window->Document().CurrentScreen()).size(), 1u);

        // Another entry has its own history; coming back has lost the redo list.
        ClickRow(*window, QStringLiteral("ORDER"));
        QVERIFY(!Enabled(*window, ActionId::Undo) && !Enabled(*window, ActionId::Redo));
        ClickRow(*window, QStringLiteral("CUSTOMER"));
        QVERIFY(Enabled(*window, ActionId::Undo));
        QVERIFY(!Enabled(*window, ActionId::Redo));
        QCOMPARE(sink_.Messages(), kNoMessages);
    }

    void saveWritesWhatTheCoreWrites() {
        // The same command through a bare document gives the bytes to expect.
        const QString expected = Scratch(QStringLiteral("expected.scf"));
        QVERIFY(QFile::copy(demoScf_, expected));
        {
            auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", expected, "-s", "CUSTOMER"});
            Retitle(*window, "Client");
            QVERIFY(window->Document().Core().Save(sink_));
        }
        auto window = StartOnCustomer();
        Retitle(*window, "Client");
        window->Action(ActionId::Save)->trigger();
        QCOMPARE(ReadFile(Bytes(demoScf_)), ReadFile(Bytes(expected)));
        QVERIFY(ReadFile(Bytes(demoScf_)).find("\t\tname = CUST-NAME\n\t\ttitle = \"Client\"\n") != std::string::npos);
        QVERIFY(!Enabled(*window, ActionId::Save));
        QVERIFY(!window->isWindowModified());

        // Save As starts beside the override file with its name, and moves the document there.
        const QString other = Scratch(QStringLiteral("other.op6"));
        Retitle(*window, "Buyer");
        WhenShown<QFileDialog>([this, other](QFileDialog* dialog) {
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("scf"));
            // The captions as the user reads them ("All Files" matches names without a dot too).
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types != nullptr);
            QStringList captions;
            for (int i = 0; i < types->count(); ++i) captions.append(types->itemText(i));
            QCOMPARE(captions, (QStringList{"Tessellar File(*.scf)", "All Files(*.*)"}));
            QCOMPARE(dialog->directory().absolutePath(), QFileInfo(demoScf_).absolutePath());
            QCOMPARE(dialog->selectedFiles().value(0), demoScf_);
            testsupport::ChooseFile(dialog, other);
        });
        window->Action(ActionId::SaveAs)->trigger();
        const QString saved = Scratch(QStringLiteral("other.scf"));  // a program's name becomes its override file's
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), saved);
        QVERIFY(ReadFile(Bytes(saved)).find("title = \"Buyer\"") != std::string::npos);
        QVERIFY(!QFile::exists(other));
        QCOMPARE(sink_.Messages(), kNoMessages);
    }

    void openingAnotherOverrideFileSavesFirst() {
        auto window = StartOnCustomer();
        Retitle(*window, "Client");
        const QString other = Scratch(QStringLiteral("other.scf"));
        QVERIFY(QFile::copy(demoScf_, other));
        WhenShown<QFileDialog>([other](QFileDialog* dialog) {
            testsupport::ChooseFile(dialog, other);
        });
        window->Action(ActionId::OpenOverrideFile)->trigger();
        QVERIFY(ReadFile(Bytes(demoScf_)).find("title = \"Client\"") != std::string::npos);
        QCOMPARE(QString::fromStdString(window->Document().OverridePath()), other);
        QVERIFY(!window->isWindowModified());
    }

    void unsavedChangesAreAskedAbout_data() {
        QTest::addColumn<bool>("openAnother");  // else: close the window
        QTest::addColumn<bool>("withOverrideFile");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAsName");  // empty: Save As is cancelled
        QTest::addColumn<bool>("released");
        QTest::addColumn<bool>("written");
        QTest::newRow("close, Save") << false << true << int(QMessageBox::Save) << "" << true << true;
        QTest::newRow("close, Discard") << false << true << int(QMessageBox::Discard) << "" << true << false;
        QTest::newRow("close, Cancel") << false << true << int(QMessageBox::Cancel) << "" << false << false;
        QTest::newRow("close, Save, no override file, Save As cancelled")
            << false << false << int(QMessageBox::Save) << "" << false << false;
        QTest::newRow("close, Save, no override file, Save As")
            << false << false << int(QMessageBox::Save) << "new.scf" << true << true;
        QTest::newRow("open another, Cancel") << true << true << int(QMessageBox::Cancel) << "" << false << false;
        QTest::newRow("open another, Discard") << true << true << int(QMessageBox::Discard) << "" << true << false;
    }
    void unsavedChangesAreAskedAbout() {
        QFETCH(bool, openAnother);
        QFETCH(bool, withOverrideFile);
        QFETCH(int, answer);
        QFETCH(QString, saveAsName);
        QFETCH(bool, released);
        QFETCH(bool, written);
        if (!withOverrideFile) WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        auto window = withOverrideFile ? StartOnCustomer() : Start({TESSELLAR_DEMO_PROGRAM, "-s", "CUSTOMER"});
        Retitle(*window, "Client");
        const std::string workFile = window->Document().CurrentScreen()->OverridePath();

        QString asked;
        Answer(static_cast<QMessageBox::StandardButton>(answer), &asked);
        const QString target = saveAsName.isEmpty() ? QString() : Scratch(saveAsName);
        if (!withOverrideFile && answer == QMessageBox::Save) {
            WhenShown<QFileDialog>([target](QFileDialog* dialog) {
                if (target.isEmpty()) return dialog->reject();
                testsupport::ChooseFile(dialog, target);
            });
        }
        // "-m" belongs to the first open only: the program opened again asks
        // for its own override file (no "-l" or SCFPATH here), which is declined.
        if (openAnother && released) WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        const bool done =
            openAnother ? window->OpenProgramPath(QStringLiteral(TESSELLAR_DEMO_PROGRAM)) : window->close();
        // Without an override file the name is the one Save As offers.
        QCOMPARE(asked, QStringLiteral("Save the changes to demo.scf?"));
        QCOMPARE(done, released);
        const std::string file = ReadFile(Bytes(target.isEmpty() ? demoScf_ : target));
        QCOMPARE(file.find("title = \"Client\"") != std::string::npos, written);
        if (!released) {
            // The program stays open with its changes, ready for a later save.
            QVERIFY(window->Document().Core().Modified());
            QVERIFY(ReadFile(workFile).find("title = \"Client\"") != std::string::npos);
        }
        if (withOverrideFile && !written) QCOMPARE(ReadFile(Bytes(demoScf_)), originalScf_);
        if (openAnother && released) QVERIFY(!window->Document().Core().Modified());
    }

    void theEditorIsChosenInOrder_data() {
        // The registry value; empty: not set; "@…": set under the front end's spelling of the key.
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("visual");
        QTest::addColumn<QStringList>("command");
        QTest::newRow("EDIT before VISUAL") << "/usr/bin/ed -s" << "vi" << QStringList{"/usr/bin/ed", "-s"};
        QTest::newRow("VISUAL without EDIT") << "" << "emacs -nw" << QStringList{"emacs", "-nw"};
        QTest::newRow("neither: the built-in window") << "" << "" << QStringList{};
        QTest::newRow("a program path with blanks is one word") << "%1/my editor" << "" << QStringList{"%1/my editor"};
        QTest::newRow("EDIT as the batch front end's key spells it") << "@kate" << "vi" << QStringList{"kate"};
    }
    void theEditorIsChosenInOrder() {
        QFETCH(QString, edit);
        QFETCH(QString, visual);
        QFETCH(QStringList, command);
        WriteScript(QStringLiteral("my editor"), QString());
        if (edit.startsWith(QLatin1Char('@'))) {
            UseEditor(edit.mid(1), settings::keys::kEnvironmentAsFrontEndSpellsIt);
        } else if (!edit.isEmpty()) {
            UseEditor(edit.arg(scratch_->Root()));
        }
        if (!visual.isEmpty()) qputenv("VISUAL", visual.toLocal8Bit());
        shell::ScreenFileEditor editor(scratch_->Registry());
        for (QString& word : command) word = word.arg(scratch_->Root());
        QCOMPARE(editor.EditorCommand(), command);
    }

    void quittingDuringThePromptSweepWaitAsksAboutChanges() {
        WriteScript(QStringLiteral("promptsweep_ui"), QStringLiteral("sleep 2\n"));
        auto window = StartOnCustomer();
        Retitle(*window, "Client");
        QTimer::singleShot(200, window.get(), &QWidget::close);
        QString asked;
        Answer(QMessageBox::Cancel, &asked);
        window->Action(ActionId::PromptSweep)->trigger();
        QCOMPARE(asked, QStringLiteral("Save the changes to demo.scf?"));
        QVERIFY(window->Document().Core().Modified());
        QVERIFY(WorkFile(*window).find("title = \"Client\"") != std::string::npos);
    }

    void editingWithTheConfiguredEditor() {
        // The stand-in editor takes its time, then adds a block to the copy.
        WriteScript(QStringLiteral("editor"),
                    QStringLiteral("sleep 0.6\nprintf 'display\\n\\t{\\n\\torig_text = \"Name:\"\\n\\ttext = "
                                   "\"Edited:\"\\n\\t}\\n' >> \"$1\"\n"));
        UseEditor(Scratch(QStringLiteral("editor")));
        auto window = StartOnCustomer();
        const std::string before = WorkFile(*window);

        bool checked = false;
        QTimer::singleShot(250, [&] {
            // The window answers meanwhile, refuses another entry and the quit.
            QVERIFY(!Enabled(*window, ActionId::EditScreenScf));
            QVERIFY(!Enabled(*window, ActionId::OpenProgram));
            ClickRow(*window, QStringLiteral("ORDER"));
            window->Browser()->setCurrentIndex(int(BrowserPage::Screens) - 1);
            ClickRow(*window, QStringLiteral("ORDER"), BrowserPage::Screens);
            QVERIFY(!window->close());
            checked = true;
        });
        window->Action(ActionId::EditScreenScf)->trigger();
        QVERIFY(checked);
        const std::string refused =
            "You have a edit SCF file window opened, please close that before you select another screen.";
        QCOMPARE(sink_.Messages(), (std::vector<std::string>{refused, refused,
                                                             "The SCF file is currently open for edit. Please close "
                                                             "the edit window before you close this message box."}));
        QCOMPARE(QString::fromStdString(window->Document().CurrentScreen()->Name()), QStringLiteral("CUSTOMER"));
        QCOMPARE(WorkFile(*window), before + "display\n\t{\n\torig_text = \"Name:\"\n\ttext = \"Edited:\"\n\t}\n");
        QCOMPARE(window->Document().Core().UndoLabels(*window->Document().CurrentScreen()),
                 std::vector<std::string>{"No. 1: Edit screen file"});
        QVERIFY(window->isWindowModified());

        // The quit asked for during the edit comes now, with its question.
        Answer(QMessageBox::Discard);
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(ReadFile(Bytes(demoScf_)), originalScf_);
    }

    void editingWithTheBuiltInEditor() {
        auto window = Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf_, "-s", "REPORTS-MENU"});
        window->Action(ActionId::EditScreenScf)->trigger();
        QCOMPARE(sink_.Messages(),
                 std::vector<std::string>{"There is no existing scf file and no changes on current screen."});

        // An editor that cannot be started says so and leaves the entry as it was.
        sink_.Clear();
        ClickRow(*window, QStringLiteral("CUSTOMER"));
        UseEditor(Scratch(QStringLiteral("no-such-editor")));
        window->Action(ActionId::EditScreenScf)->trigger();
        QCOMPARE(sink_.Messages(), std::vector<std::string>{"Could not start the editor " +
                                                            Bytes(Scratch(QStringLiteral("no-such-editor"))) + "."});
        QVERIFY(!Enabled(*window, ActionId::Undo));

        UseEditor(QString());
        sink_.Clear();
        const std::string before = WorkFile(*window);
        QVERIFY(!before.empty());
        const auto editor = [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* found = qobject_cast<shell::TextEditorWindow*>(widget);
                if (found != nullptr && found->isVisible()) return found;
            }
            return static_cast<shell::TextEditorWindow*>(nullptr);
        };
        When([editor] { return editor() != nullptr; }, [editor] {
            shell::TextEditorWindow* shown = editor();
            shown->Text()->moveCursor(QTextCursor::End);
            shown->Text()->insertPlainText(QString::fromLatin1(kAddedBox));
            shown->findChild<QPushButton*>(QStringLiteral("editorSave"))->click();
            shown->findChild<QPushButton*>(QStringLiteral("editorClose"))->click();
        });
        window->Action(ActionId::EditScreenScf)->trigger();
        QCOMPARE(WorkFile(*window), before + kAddedBox);
        QVERIFY(Enabled(*window, ActionId::Undo));
        window->Action(ActionId::Undo)->trigger();
        QCOMPARE(WorkFile(*window), before);
        QCOMPARE(sink_.Messages(), kNoMessages);
    }
};

QTEST_MAIN(FrameEditingTest)
#include "frame_editing_test.moc"
