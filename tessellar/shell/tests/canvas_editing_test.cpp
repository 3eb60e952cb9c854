// Editing the demo program's CUSTOMER screen with the mouse and the keys in
// the real main window: every gesture at pixel positions computed from the
// cell metrics, the work file's blocks it writes, the context menu and its
// refusals, and one long sequence saved and compared byte for byte with the
// command-line customiser running the same commands.

#include <QAction>
#include <QPushButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "platform/message_sink.h"
#include "tessellar/canvas/render/screen_canvas.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/shell/canvas_actions.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/program_browser.h"
#include "tessellar/shell/start_up.h"
#include "tessellar/settings/qt/registry.h"
#include "testsupport/modal_dialogs.h"
#include "testsupport/file_text.h"
#include "testsupport/window_scratch.h"
#include "tessellar/shell/tests/step_drop_downs.h"
#include "testsupport/accessible_tree.h"

using canvas::interaction::CanvasCommand;
using shell::ActionId;

namespace {

using testsupport::ReadFile;

using testsupport::OnNextModal;

// Picks the entry of the context menu once it is shown.
void ChooseInMenu(const QString& entry) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        timer->stop();
        timer->deleteLater();
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || action->text() != entry) continue;
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
        menu->close();
    });
    timer->start();
}

}  // namespace

class CanvasEditingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowScratch> scratch_;
    platform::RecordingMessageSink sink_;
    std::unique_ptr<shell::CMainFrame> window_;

    QString Scratch(const QString& name) const { return scratch_->Path(name); }
    std::string OverridePath() const {
        return QFile::encodeName(Scratch(QStringLiteral("customer.scf"))).toStdString();
    }

    canvas::CScreenCanvas* Canvas() const { return window_->View()->Canvas(); }
    model::CScreenModel& Screen() const { return Canvas()->Model(); }
    std::string WorkFile() const { return ReadFile(Screen().OverridePath()); }

    // The pixel of a statement cell, at a fraction of the cell.
    QPoint At(int row, int column, double x = 0.5, double y = 0.5) const {
        const model::CellPosition cell = overrides::RelativePosition(Screen(), row, column);
        const canvas::CellMetrics metrics = Canvas()->Cell();
        return QPoint(static_cast<int>((cell.column + x) * metrics.width),
                      static_cast<int>((cell.row + y) * metrics.height));
    }
    // The middle of a cell relative to the screen origin, as the model holds it.
    QPoint Pixel(int row, int column) const {
        const canvas::CellMetrics metrics = Canvas()->Cell();
        return QPoint(column * metrics.width + metrics.width / 2, row * metrics.height + metrics.height / 2);
    }
    void OpenOrderLines() {
        QTableWidget* all = window_->Browser()->List(program::BrowserPage::All);
        QTest::mouseClick(all->viewport(), Qt::LeftButton, {}, all->visualItemRect(all->item(4, 2)).center());
        QTRY_COMPARE(QString::fromStdString(Screen().Name()), QStringLiteral("ORDER-LINES"));
        QTRY_VERIFY(Canvas()->DataGrid() != nullptr);
    }
    QPoint Cells(int rows, int columns) const {
        return QPoint(columns * Canvas()->Cell().width, rows * Canvas()->Cell().height);
    }

    void Drag(QPoint from, QPoint to) {
        QTest::mouseMove(Canvas(), from);
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        const QPoint middle = (from + to) / 2;
        QTest::mouseMove(Canvas(), middle);
        QTest::mouseMove(Canvas(), to);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    }
    void Click(QPoint at) { QTest::mouseClick(Canvas(), Qt::LeftButton, {}, at); }
    void RightClickChoosing(QPoint at, const char* entry) {
        ChooseInMenu(QString::fromLatin1(entry));
        QTest::mouseClick(Canvas(), Qt::RightButton, {}, at);
    }
    // Types into the in-place editor and gives the canvas the focus back.
    void TypeInPlace(const QString& text) {
        // A closed context menu does not always hand the activation back.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QPointer<QLineEdit> editor = Canvas()->RenameEditor();
        QTRY_VERIFY(editor->isVisible());
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!editor || !editor->isVisible());
    }
    // Saves the window's file and compares it byte for byte with what scfedit
    // saves running the script on the same program.
    void SavesWhatScfeditSaves(const char* scriptText) {
        QVERIFY(window_->Document().Core().Save(sink_));
        const std::string windowFile = ReadFile(OverridePath());
        const QString script = Scratch(QStringLiteral("script.txt"));
        std::ofstream(QFile::encodeName(script).toStdString(), std::ios::binary) << scriptText;
        const QString other = Scratch(QStringLiteral("scfedit.scf"));
        QProcess scfedit;
        scfedit.start(QStringLiteral(SCFEDIT_PROGRAM), {TESSELLAR_DEMO_PROGRAM, "-m", other, script});
        QVERIFY(scfedit.waitForFinished(60000));
        QCOMPARE(scfedit.exitCode(), 0);
        QCOMPARE(scfedit.readAllStandardOutput(), QByteArray());
        QCOMPARE(windowFile, ReadFile(QFile::encodeName(other).toStdString()));
    }
    // A key pressed where the keys go: the focused widget, else the window.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : window_.get(), key, modifiers);
    }
    void KeysStayWithTheCanvas(const char* after) {
        QTRY_VERIFY(Canvas() != nullptr);
        QTRY_VERIFY2(QApplication::focusWidget() == Canvas(), after);
        QVERIFY2(Canvas()->CurrentInteraction().ShowsHandles(), after);
    }
    int UndoSteps() { return static_cast<int>(window_->Document().Core().UndoLabels(Screen()).size()); }

    // The gestures of the long sequence, as the command-line customiser spells them.
    static constexpr const char* kSequenceScript =
        "select CUSTOMER\n"
        "run \"Move accept\" name CUST-NAME 5,24\n"
        "run \"Resize display\" orig_text \"Name:\" 8 5,4\n"
        "run \"Add box\" new 15,40 16,60 \"\"\n"
        "run \"Add prompt\" new \"Notes:\" 18,50\n"
        "run \"Change display text\" orig_text \"Phone:\" \"Telephone:\"\n"
        "run \"Suppress display\" orig_text \"Status:\"\n"
        "run \"Move display\" orig_text \"Balance:\" 11,5\n"
        "run \"Resize display\" orig_text \"Balance:\" 9 11,5\n"
        "run \"Moving or resizing box\" box 3,2 17,77 4,2 18,77\n"
        "save\n";

    void RunSequenceInWindow() {
        Drag(At(5, 22), At(5, 22) + Cells(0, 2));
        Click(At(5, 5));  // select "Name:", then its right handle
        const QPoint handle = At(5, 9, 0.0, 0.5);
        Drag(handle, handle + Cells(0, 3));
        QTRY_VERIFY(window_->Action(ActionId::AddBox)->isEnabled());
        window_->Action(ActionId::AddBox)->trigger();
        Drag(At(16, 60), At(15, 40));  // drawn from its bottom right
        RightClickChoosing(At(18, 50), "Add Pr&ompt");
        TypeInPlace(QStringLiteral("Notes:"));
        RightClickChoosing(At(7, 5), "&Rename");
        TypeInPlace(QStringLiteral("Telephone:"));
        Click(At(9, 5));
        QTest::keyClick(Canvas(), Qt::Key_Delete);
        Click(At(11, 5));
        QTest::keyClick(Canvas(), Qt::Key_Right);
        QTest::keyClick(Canvas(), Qt::Key_Right, Qt::ShiftModifier);
        Drag(At(3, 40), At(4, 40));  // the program's own box, by its top line, with what is inside
    }

private slots:
    void init() {
        scratch_ = std::make_unique<testsupport::WindowScratch>();
        sink_.Clear();
        window_ = scratch_->Start({TESSELLAR_DEMO_PROGRAM, "-m", Scratch(QStringLiteral("customer.scf")), "-s", "CUSTOMER"},
                                  sink_);
        QVERIFY(window_ != nullptr);
        QVERIFY(Canvas() != nullptr);
        QVERIFY(window_->isActiveWindow());
        QCOMPARE(QString::fromStdString(Screen().Name()), QStringLiteral("CUSTOMER"));
    }
    void cleanup() {
        window_.reset();
        scratch_.reset();
    }

    void pressSelectsAndEmptyCanvasClears() {
        Click(At(5, 23));
        QCOMPARE(shell::CanvasPaneText(*window_->View()), QStringLiteral("(accept):CUST-NAME"));
        QVERIFY(window_->View()->CommandEnabled(CanvasCommand::Suppress));
        // A screen reader reads the status bar's selection pane, kept current.
        const auto readSelection = [this] {
            return testsupport::NameDescribedAs(window_->statusBar(), QStringLiteral("Selection"));
        };
        QTRY_COMPARE(readSelection(), QStringLiteral("(accept):CUST-NAME"));
        CtrlClick(At(5, 5));
        QTRY_COMPARE(readSelection(), shell::CanvasPaneText(*window_->View()));
        QVERIFY(readSelection().contains(QLatin1String("2 selected")));
        Click(At(19, 70));
        QVERIFY(!Canvas()->CurrentInteraction().ShowsHandles());
        QVERIFY(!window_->View()->CommandEnabled(CanvasCommand::Suppress));
        QTRY_COMPARE(readSelection(), QStringLiteral(" "));
    }

    void movingAnEntryFieldWritesItsBlockAndShowsTheCellWhileDragging() {
        const QPoint from = At(5, 22);
        QTest::mouseMove(Canvas(), from);
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Canvas(), from + Cells(0, 1));
        QTest::mouseMove(Canvas(), from + Cells(0, 2));
        QCOMPARE(window_->SelectionPane()->text(), QStringLiteral("Row 5, Column 24"));
        QCOMPARE(Canvas()->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, from + Cells(0, 2));
        QCOMPARE(WorkFile(), std::string("accept\n\t{\n\tname = CUST-NAME\n\tcoordinate = 5,24\n\t}\n"));
        QVERIFY(window_->Document().Core().Modified());
        QVERIFY(window_->isWindowModified());  // the title's unsaved-changes mark
        // The field stays selected at its new place: the arrow keys go on moving it.
        QVERIFY(Canvas()->CurrentInteraction().ShowsHandles());
        QTest::keyClick(Canvas(), Qt::Key_Right);
        QTest::keyClick(Canvas(), Qt::Key_Right);
        QCOMPARE(WorkFile(), std::string("accept\n\t{\n\tname = CUST-NAME\n\tcoordinate = 5,26\n\t}\n"));

        // Undone from the window, the field is still selected on the new canvas.
        QVERIFY(window_->Action(ActionId::Undo)->isEnabled());
        window_->Action(ActionId::Undo)->trigger();
        QCOMPARE(UndoSteps(), 2);
        QVERIFY(Canvas()->CurrentInteraction().ShowsHandles());
        QTest::keyClick(Canvas(), Qt::Key_Down);
        QCOMPARE(WorkFile(), std::string("accept\n\t{\n\tname = CUST-NAME\n\tcoordinate = 6,25\n\t}\n"));
    }

    void escapeCancelsADrag() {
        const QPoint from = At(5, 22);
        QTest::mouseMove(Canvas(), from);
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Canvas(), from + Cells(2, 2));
        QTest::keyClick(Canvas(), Qt::Key_Escape);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, from + Cells(2, 2));
        QCOMPARE(UndoSteps(), 0);
    }

    void resizingWithTheRightHandle() {
        Click(At(5, 5));
        const QPoint handle = At(5, 9, 0.0, 0.5);
        QTest::mouseMove(Canvas(), handle);
        QCOMPARE(Canvas()->cursor().shape(), Qt::SizeHorCursor);
        Drag(handle, handle + Cells(0, 3));
        QCOMPARE(WorkFile(),
                 std::string("display\n\t{\n\torig_text = \"Name:\"\n\tpicture = x(8)\n\tcoordinate = 5,4\n\t}\n"));
    }

    void boxToolBothWaysAndWithinOneRow_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("adds");
        QTest::newRow("left to right, top to bottom") << QPoint(15, 40) << QPoint(16, 60) << true;
        QTest::newRow("right to left, bottom to top") << QPoint(16, 60) << QPoint(15, 40) << true;
        QTest::newRow("within one row") << QPoint(15, 40) << QPoint(15, 60) << false;
    }
    void boxToolBothWaysAndWithinOneRow() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, adds);
        QTRY_VERIFY(window_->Action(ActionId::AddBox)->isEnabled());  // on the window's idle refresh
        window_->Action(ActionId::AddBox)->trigger();
        QCOMPARE(Canvas()->cursor().shape(), Qt::CrossCursor);
        Drag(At(from.x(), from.y()), At(to.x(), to.y()));
        QCOMPARE(Canvas()->cursor().shape(), Qt::ArrowCursor);
        const std::string box = "box\n\t{\n\torig_coordinate = 15,40\n\tcoordinate = 16,60\n\tadd = true\n\t}\n";
        QCOMPARE(QFile::exists(QString::fromStdString(Screen().OverridePath())) ? WorkFile() : std::string(),
                 adds ? box : std::string());
    }

    void contextMenuAddsAPromptAndRefusesOneOnAPrompt() {
        QStringList entries;
        auto* timer = new QTimer;
        timer->setInterval(10);
        connect(timer, &QTimer::timeout, [timer, &entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            timer->stop();
            timer->deleteLater();
            QCOMPARE(menu->objectName(), QStringLiteral("Right Click Menu"));
            QCOMPARE(menu->accessibleName(), QStringLiteral("Right Click Menu"));
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                entries.append(action->text() + (action->isEnabled() ? "" : " (off)"));
                if (action->menu() != nullptr) {
                    for (QAction* inner : action->menu()->actions()) {
                        entries.append("  " + inner->text() + (inner->isEnabled() ? "" : " (off)"));
                    }
                }
            }
            menu->close();
        });
        timer->start();
        QTest::mouseClick(Canvas(), Qt::RightButton, {}, At(18, 50));
        QCOMPARE(entries, (QStringList{"&Add Field", "  &Database Fields for Screen", "  &Global Fields for Program",
                                      "  &Local Fields for Screen", "  Data Entry &Field (off)", "Add Pr&ompt",
                                      "Add &Box", "Add Mod&e", "Add/Modify &Field Trigger (off)",
                                      "Add/Modify Display Trigger (off)", "Add/Modify Option Trigger (off)",
                                      "Add/Modify Mode Trigger (off)", "Add/Modify Mo&de Trigger From List",
                                      "Add/Modify Screen &Trigger", "Modify &Confirm", "&Modify Mode From List",
                                      "Add/Modify Screen Tit&le", "&Suppress (off)", "&Unsuppress (off)",
                                      "&Rename (off)", "&Properties (off)"}));
        // The insertion mark sits at the empty point that was clicked.
        QVERIFY(Canvas()->CurrentInteraction().InsertionMark().has_value());

        RightClickChoosing(At(18, 50), "Add Pr&ompt");
        TypeInPlace(QStringLiteral("Notes:"));
        QCOMPARE(WorkFile(), std::string("display\n\t{\n\ttext = \"Notes:\"\n\tcoordinate = 18,50\n"
                                         "\tadd = true\n\tattributes = background, prompt\n\t}\n"));
        RightClickChoosing(At(5, 5), "Add Pr&ompt");
        QCOMPARE(sink_.Messages().back(), std::string(commands::texts::kCouldNotAddPrompt));
        QCOMPARE(UndoSteps(), 1);
    }

    void renameInPlaceWidensTheEditorToTheText() {
        RightClickChoosing(At(7, 5), "&Rename");
        QLineEdit* editor = Canvas()->RenameEditor();
        QTRY_VERIFY(editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("Phone:"));
        QCOMPARE(editor->maxLength(), 79);
        QCOMPARE(editor->geometry().left(), At(7, 4, 0.0).x());
        TypeInPlace(QStringLiteral("Telephone number:"));
        QCOMPARE(WorkFile(),
                 std::string("display\n\t{\n\torig_text = \"Phone:\"\n\ttext = \"Telephone number:\"\n\t}\n"));
        // An unchanged text issues nothing.
        RightClickChoosing(At(9, 5), "&Rename");
        QTRY_VERIFY(editor->isVisible());
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(UndoSteps(), 1);
    }

    void deleteSuppressesTheSelection_data() {
        QTest::addColumn<QPoint>("item");
        QTest::addColumn<QString>("outcome");  // the work file, or the message shown
        QTest::newRow("display") << QPoint(7, 5)
                                 << "display\n\t{\n\torig_text = \"Phone:\"\n\tsuppress = true\n\t}\n";
        QTest::newRow("entry field, given its default on the sheet")
            << QPoint(7, 23) << "accept\n\t{\n\tname = CUST-PHONE\n\tsuppress = true\n\tdefault = \"none\"\n\t}\n";
    }
    void deleteSuppressesTheSelection() {
        QFETCH(QPoint, item);
        QFETCH(QString, outcome);
        // A field hidden without a default of its own asks for one first.
        OnNextModal(window_.get(), QStringLiteral("CMyPropertySheet"), [](QDialog* sheet) {
            sheet->findChild<QLineEdit*>(QStringLiteral("DefaultValue"))->setText("none");
            static_cast<sheets::CMyPropertySheet*>(sheet)->OkButton()->click();
        });
        Click(At(item.x(), item.y()));
        QTest::keyClick(Canvas(), Qt::Key_Delete);
        if (UndoSteps() == 0) {
            QCOMPARE(QString::fromStdString(sink_.Messages().back()), outcome);
        } else {
            QCOMPARE(QString::fromStdString(WorkFile()), outcome);
        }
    }

    void unsuppressTakesTheHiddenItemUnderTheRightClick() {
        Click(At(7, 5));
        QTest::keyClick(Canvas(), Qt::Key_Delete);
        RightClickChoosing(At(7, 5), "&Unsuppress");
        QCOMPARE(WorkFile(), std::string("display\n\t{\n\torig_text = \"Phone:\"\n\tsuppress = false\n\t}\n"));
        QCOMPARE(UndoSteps(), 2);
    }

    void doubleClickOpensTheSheetOfTheItem() {
        QStringList opened;
        canvas::EditRequests& requests = window_->View()->Requests();
        requests.openDisplaySheet = [&](model::CDispText& item) {
            opened.append("display " + QString::fromStdString(item.text.Current()));
            return false;
        };
        requests.openAcceptSheet = [&](model::CAcceptFld& item, int cellWidth) {
            opened.append("accept " + QString::fromStdString(item.name) + " " + QString::number(cellWidth));
            return false;
        };
        requests.openModeSheet = [&](model::CModeItem& item) {
            opened.append("mode " + QString::fromStdString(item.label.Current()));
            return false;
        };
        requests.openScreenTitleSheet = [&] {
            opened.append("title");
            return true;  // as a sheet that issued a command
        };
        QSignalSpy changed(window_->View(), &canvas::CTesselView::Changed);
        QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, At(5, 5));
        QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, At(5, 23));
        QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, At(21, 4));   // the mode line's first button
        QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, At(19, 70));  // nothing there
        auto* caption = window_->View()->findChild<QLabel*>(QStringLiteral("screenTitle"));
        QVERIFY(caption != nullptr);
        QTest::mouseDClick(caption, Qt::LeftButton, {}, caption->rect().center());
        QCOMPARE(opened, (QStringList{"display Name:", "accept CUST-NAME " + QString::number(Canvas()->Cell().width),
                                      "mode Add", "title"}));
        QCOMPARE(changed.count(), 1);
    }

    // The window's own hooks open the real sheets and lists.
    void theWindowOpensTheRealSheetsAndLists() {
        OnNextModal(window_.get(), QStringLiteral("CMyPropertySheet"), [](QDialog* sheet) {
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Entry Field Properties--CUST-NAME"));
            sheet->findChild<QWidget*>(QStringLiteral("CHelpPageDlg"))->findChild<QLineEdit*>()->setText("Who");
            static_cast<sheets::CMyPropertySheet*>(sheet)->OkButton()->click();
        });
        QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, At(5, 23));
        QCOMPARE(WorkFile(), std::string("accept\n\t{\n\tname = CUST-NAME\n\thelpline = \"Who\"\n\t}\n"));
        QCOMPARE(UndoSteps(), 1);

        QString offered;
        OnNextModal(window_.get(), QStringLiteral("FieldListDialog"), [&offered](QDialog* list) {
            offered = list->windowTitle();
            list->reject();
        });
        ChooseInMenu(QString());  // the menu is only closed
        QTest::mouseClick(Canvas(), Qt::RightButton, {}, At(18, 50));
        QTRY_VERIFY(window_->Action(ActionId::AddDatabaseField)->isEnabled());
        window_->Action(ActionId::AddDatabaseField)->trigger();
        QCOMPARE(offered, QStringLiteral("List of Database fields"));
        QCOMPARE(UndoSteps(), 1);
    }

    // The trigger entries follow the selection and open the trigger dialog.
    void theFieldTriggerEntryOpensTheTriggerDialog() {
        QTest::mouseClick(Canvas(), Qt::LeftButton, {}, At(5, 23));  // CUST-NAME
        QTRY_VERIFY(window_->Action(ActionId::FieldTrigger)->isEnabled());
        QVERIFY(!window_->Action(ActionId::DisplayTrigger)->isEnabled());
        QVERIFY(window_->Action(ActionId::ScreenTrigger)->isEnabled());
        QString title;
        OnNextModal(window_.get(), QStringLiteral("TriggerDefinitionDialog"), [&title](QDialog* dialog) {
            title = dialog->windowTitle();
            dialog->findChild<QComboBox*>()->setCurrentIndex(1);  // "After Accepted"
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->accessibleName() == QStringLiteral("Program to run:")) edit->setText("check.exe");
            }
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("OK")) button->click();
            }
        });
        window_->Action(ActionId::FieldTrigger)->trigger();
        QCOMPARE(title, QStringLiteral("Add/Modify Field Trigger"));
        QVERIFY2(WorkFile().find("after_accept") != std::string::npos, WorkFile().c_str());
        QCOMPARE(UndoSteps(), 1);
    }

    void addingAFieldAtTheRightClickPoint() {
        std::vector<model::FieldList> asked;
        window_->View()->Requests().chooseField = [&](model::FieldList list) -> std::optional<std::string> {
            asked.push_back(list);
            return std::string("COMPANY-NAME");
        };
        ChooseInMenu(QString());  // the menu is only closed
        QTest::mouseClick(Canvas(), Qt::RightButton, {}, At(18, 50));
        QAction* global = window_->Action(ActionId::AddGlobalField);
        QTRY_VERIFY(global->isEnabled());
        global->trigger();
        QCOMPARE(asked, std::vector<model::FieldList>{model::FieldList::Program});
        QCOMPARE(WorkFile(), std::string("display\n\t{\n\tname = COMPANY-NAME\n\tadd = true\n\tcoordinate = 18,50\n"
                                         "\ttitle = COMPANY-NAME\n\t}\n"));
        // The command used the right-click point up.
        QTRY_VERIFY(!global->isEnabled());
    }

    // "Modify Confirm" with a mode selected opens that mode's confirm sheet;
    // the window had no way to it.
    void modifyConfirmOnAModeOpensTheModesConfirmSheet() {
        QStringList titles;
        for (bool onMode : {true, false}) {
            if (onMode) Click(At(21, 4));
            else Click(At(20, 70));  // empty: nothing selected
            QCOMPARE(Canvas()->CurrentInteraction().SelectedKind() == canvas::interaction::SelectionKind::Mode, onMode);
            OnNextModal(window_.get(), QStringLiteral("CMyPropertySheet"), [&titles](QDialog* sheet) {
                titles << sheet->windowTitle();
                sheet->reject();
            });
            Canvas()->Execute(CanvasCommand::ModifyConfirm);
        }
        QCOMPARE(titles.size(), 2);
        QVERIFY2(titles[0].startsWith(QStringLiteral("Mode Confirm Properties")), qPrintable(titles[0]));
        QCOMPARE(titles[1], QStringLiteral("Confirm Properties"));
    }

    void aBoxIsNotMovedOntoTheDataGrid() {
        OpenOrderLines();
        Canvas()->Execute(CanvasCommand::AddBox);
        Drag(At(3, 30), At(4, 50));
        QCOMPARE(UndoSteps(), 1);
        Drag(At(3, 40), At(5, 40));  // its bottom line reaches the grid
        QCOMPARE(sink_.Messages().back(), std::string("A box can not be moved onto the data grid area."));
        QCOMPARE(UndoSteps(), 1);
    }

    void aScrolledGridHitsMovesAndAddsInUnscrolledColumns() {
        OpenOrderLines();
        QScrollBar* bar = Canvas()->DataGrid()->ScrollBar();
        QTRY_VERIFY(bar->isVisible());
        constexpr int kShift = 5;
        QVERIFY(bar->maximum() >= kShift * Canvas()->Cell().width);
        bar->setValue(kShift * Canvas()->Cell().width);
        QCOMPARE(Screen().ReviewArea()->scrollColumn, kShift);

        // A press where the scrolled grid draws the quantity selects it.
        const model::CellPosition quantity = Screen().FindAcceptByName("ITEM-QTY")->position.Current();
        const QPoint drawn = Pixel(quantity.row, quantity.column - kShift);
        Click(drawn);
        QCOMPARE(shell::CanvasPaneText(*window_->View()), QStringLiteral("(accept):ITEM-QTY"));
        // Dragged three columns on, it goes to the column under the mouse in unscrolled terms.
        const model::CellPosition target =
            overrides::AbsolutePosition(Screen(), {quantity.row, quantity.column + 3});
        Drag(drawn, drawn + Cells(0, 3));
        const std::string moved = "coordinate = " + std::to_string(target.row) + "," + std::to_string(target.column);
        QVERIFY2(WorkFile().find(moved) != std::string::npos, WorkFile().c_str());
        QVERIFY(window_->Document().Core().UndoLabels(Screen()).front().find("Move datagrid accept") != std::string::npos);

        // A field added at a right click on a lower row of the grid lands
        // on its first data row, in the column under the point unscrolled:
        // there another field's column is, so the grid refuses it.
        window_->View()->Requests().chooseField = [](model::FieldList) -> std::optional<std::string> {
            return std::string("COMPANY-NAME");
        };
        ChooseInMenu(QString());
        QTest::mouseClick(Canvas(), Qt::RightButton, {}, Pixel(quantity.row + 4, 20));
        QAction* global = window_->Action(ActionId::AddGlobalField);
        QTRY_VERIFY(global->isEnabled());
        global->trigger();
        QVERIFY(!sink_.Messages().empty());
        QCOMPARE(sink_.Messages().back(), std::string(commands::texts::kNoColumnForAdd));
        QVERIFY(WorkFile().find("COMPANY-NAME") == std::string::npos);
    }

    void aGridFieldIsHitOnlyWhereTheGridShowsIt() {
        OpenOrderLines();
        const QRect window = Canvas()->DataGrid()->Geometry().rect;
        const model::CDispText& amount = *Screen().FindDisplayByName("LINE-AMOUNT");
        const model::CellPosition at = amount.position.Current();
        const canvas::CellMetrics cell = Canvas()->Cell();
        // Past the grid's right edge, where the field would reach unclipped.
        const QPoint beyond(window.right() + 3, Pixel(at.row, at.column).y());
        QVERIFY((at.column + amount.width.Current()) * cell.width > beyond.x());
        Click(beyond);
        QVERIFY(!Canvas()->CurrentInteraction().ShowsHandles());
        Click(Pixel(at.row, at.column));
        QCOMPARE(shell::CanvasPaneText(*window_->View()), QStringLiteral("(display):LINE-AMOUNT"));
    }

    void arrowKeysMoveAndResizeByOneCellEach() {
        Click(At(7, 5));
        QTest::keyClick(Canvas(), Qt::Key_Down);
        QTest::keyClick(Canvas(), Qt::Key_Right);
        QTest::keyClick(Canvas(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(UndoSteps(), 3);
        QCOMPARE(WorkFile(),
                 std::string("display\n\t{\n\torig_text = \"Phone:\"\n\tcoordinate = 8,5\n\tpicture = x(7)\n\t}\n"));
        QCOMPARE(shell::CanvasPaneText(*window_->View()), QStringLiteral("(display):Phone:"));
    }

    // The title bar selects the window; its corner handle resizes it by
    // whole cells. Then a field added after the grid's last column, where
    // the scrolled grid shows free space. Both save what scfedit saves.
    void aWindowResizeAndAGridAddSaveWhatScfeditSaves() {
        auto* title = window_->View()->findChild<QLabel*>(QStringLiteral("screenTitle"));
        QVERIFY(title != nullptr);
        const int columns = Screen().Frame()->Columns();
        const int rows = Screen().Frame()->Rows();
        QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(title->width() / 2, title->height() / 2));
        QCOMPARE(Canvas()->CurrentInteraction().SelectedKind(), canvas::interaction::SelectionKind::Window);
        const canvas::interaction::PixelRect handles = Canvas()->CurrentInteraction().HandleCorners();
        const QPoint corner(handles.right, handles.bottom);
        // The corner as the user reaches it: scrolled into the view.
        const QPoint inView = Canvas()->mapTo(window_->View()->widget(), corner);
        window_->View()->ensureVisible(inView.x(), inView.y(), Cells(3, 6).x(), Cells(3, 6).y());
        Drag(corner, corner - Cells(2, 5));
        QCOMPARE(UndoSteps(), 1);
        QCOMPARE(Screen().Frame()->Columns(), columns - 5);  // the rebuilt screen's frame
        QCOMPARE(Screen().Frame()->Rows(), rows - 2);
        QCOMPARE(Canvas()->width(), (columns - 5) * Canvas()->Cell().width);
        QCOMPARE(title->width(), Canvas()->width());
        QCOMPARE(Canvas()->CurrentInteraction().SelectedKind(), canvas::interaction::SelectionKind::Window);

        OpenOrderLines();
        const model::CReviewArea& area = *Screen().ReviewArea();
        QScrollBar* bar = Canvas()->DataGrid()->ScrollBar();
        QTRY_VERIFY(bar->isVisible());
        bar->setValue(bar->maximum());
        const int end = area.columns.EndColumn(area.leftColumn);
        const model::CellPosition quantity = Screen().FindAcceptByName("ITEM-QTY")->position.Current();
        const QPoint free = Pixel(quantity.row, end - area.scrollColumn);  // just past the last column
        window_->View()->Requests().chooseField = [](model::FieldList) -> std::optional<std::string> {
            return std::string("COMPANY-NAME");
        };
        ChooseInMenu(QString());
        QTest::mouseClick(Canvas(), Qt::RightButton, {}, free);
        QAction* global = window_->Action(ActionId::AddGlobalField);
        QTRY_VERIFY(global->isEnabled());
        global->trigger();
        QVERIFY2(sink_.Messages().empty(), sink_.Messages().empty() ? "" : sink_.Messages().back().c_str());
        QVERIFY(WorkFile().find("COMPANY-NAME") != std::string::npos);
        QCOMPARE(UndoSteps(), 1);

        const model::CellPosition added = overrides::AbsolutePosition(Screen(), {quantity.row, end});
        const std::string script = "select CUSTOMER\n"
                                   "run \"Resize the window\" window " + std::to_string(columns - 5) + "," +
                                   std::to_string(rows - 2) + "\n"
                                   "select ORDER-LINES\n"
                                   "run \"Add datagrid field\" new COMPANY-NAME " + std::to_string(added.row) + "," +
                                   std::to_string(added.column) + "\nsave\n";
        SavesWhatScfeditSaves(script.c_str());
    }

    void aLongSequenceSavesWhatTheCommandLineCustomiserSaves() {
        RunSequenceInWindow();
        QCOMPARE(UndoSteps(), 9);
        QVERIFY(sink_.Messages().empty());
        SavesWhatScfeditSaves(kSequenceScript);
        QVERIFY(ReadFile(OverridePath()).find("screen CUSTOMER") != std::string::npos);
    }

    // Undo and Redo (keys and drop-downs) give the screen a new canvas, and
    // a sheet takes the keys while it is up: afterwards the keys go on
    // moving the field. Every key goes where the focus is, as a user's would.
    void theKeysStayWithTheCanvasThroughUndoRedoAndSheets() {
        Click(At(5, 23));  // CUST-NAME, at 5,22
        QTRY_COMPARE(QApplication::focusWidget(), Canvas());
        Press(Qt::Key_Right);
        Press(Qt::Key_Z, Qt::ControlModifier);
        KeysStayWithTheCanvas("Ctrl+Z");
        Press(Qt::Key_Right);
        Press(Qt::Key_Right);
        Press(Qt::Key_Z, Qt::ControlModifier);
        Press(Qt::Key_Y, Qt::ControlModifier);
        KeysStayWithTheCanvas("Ctrl+Y");
        Press(Qt::Key_Right);
        testsupport::ChooseSteps(*window_, window_->UndoButton(), 2);
        KeysStayWithTheCanvas("the Undo drop-down");
        testsupport::ChooseSteps(*window_, window_->RedoButton(), 1);
        KeysStayWithTheCanvas("the Redo drop-down");
        Press(Qt::Key_Right);
        OnNextModal(window_.get(), QStringLiteral("CMyPropertySheet"), [](QDialog* sheet) {
            sheet->findChild<QWidget*>(QStringLiteral("CHelpPageDlg"))->findChild<QLineEdit*>()->setText("Who");
            static_cast<sheets::CMyPropertySheet*>(sheet)->OkButton()->click();
        });
        QTRY_VERIFY(window_->Action(ActionId::Properties)->isEnabled());
        window_->Action(ActionId::Properties)->trigger();
        KeysStayWithTheCanvas("the property sheet");
        Press(Qt::Key_Down);
        Press(Qt::Key_Escape);
        Press(Qt::Key_Right);  // nothing is selected any more: nothing moves
        QVERIFY(sink_.Messages().empty());
        SavesWhatScfeditSaves(
            "select CUSTOMER\n"
            "run \"Move accept\" name CUST-NAME 5,23\n"
            "undo\n"
            "run \"Move accept\" name CUST-NAME 5,23\n"
            "run \"Move accept\" name CUST-NAME 5,24\n"
            "undo\n"
            "redo\n"
            "run \"Move accept\" name CUST-NAME 5,25\n"
            "undo 2\n"
            "redo\n"
            "run \"Move accept\" name CUST-NAME 5,25\n"
            "run \"Modify accept help\" name CUST-NAME \"Who\"\n"
            "run \"Move accept\" name CUST-NAME 6,25\n"
            "save\n");
    }

    // --- Several items at once -------------------------------------------

private:
    void CtrlClick(QPoint at) { QTest::mouseClick(Canvas(), Qt::LeftButton, Qt::ControlModifier, at); }
    int Selected() { return Canvas()->CurrentInteraction().SelectedCount(); }

    // The gestures of the group sequence, as one batch each.
    static constexpr const char* kGroupScript =
        "select CUSTOMER\n"
        "batch\n"
        "run \"Move display\" orig_text \"Name:\" 5,6\n"
        "run \"Move display\" orig_text \"Phone:\" 7,6\n"
        "end\n"
        "batch\n"
        "run \"Move display\" orig_text \"Name:\" 5,7\n"
        "run \"Move display\" orig_text \"Phone:\" 7,6\n"
        "end\n"
        "save\n";

private slots:

    void aRubberBandFromInsideTheBoxSelectAllAndEscape() {
        Drag(At(8, 3), At(12, 76));  // inside the box: rows 9 to 11 lie wholly inside the band
        QCOMPARE(Selected(), 6);
        QCOMPARE(shell::CanvasPaneText(*window_->View()), QStringLiteral("(display):Status: (key item; 6 selected)"));
        QCOMPARE(UndoSteps(), 0);
        QTest::keyClick(Canvas(), Qt::Key_Escape);
        QCOMPARE(Selected(), 0);
        QTRY_VERIFY(window_->Action(ActionId::SelectAll)->isEnabled());  // on the window's idle refresh
        QTest::keyClick(Canvas(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(Selected() > 20);
        Click(At(5, 5));
        QCOMPARE(Selected(), 1);
        QCOMPARE(shell::CanvasPaneText(*window_->View()), QStringLiteral("(display):Name:"));
    }

    void groupDragArrowsAndDeleteAreOneUndoStepEach() {
        Click(At(5, 5));
        CtrlClick(At(7, 5));
        CtrlClick(At(21, 4));  // a mode button: left out of moves
        QCOMPARE(Selected(), 3);
        Drag(At(7, 5), At(8, 5));  // by "Phone:", not the key item
        QCOMPARE(UndoSteps(), 1);
        QCOMPARE(window_->Document().Core().UndoLabels(Screen()).size(), std::size_t(1));
        QCOMPARE(WorkFile(), std::string("display\n\t{\n\torig_text = \"Phone:\"\n\tcoordinate = 8,4\n\t}\n"
                                         "display\n\t{\n\torig_text = \"Name:\"\n\tcoordinate = 6,4\n\t}\n"));
        QVERIFY(window_->statusBar()->currentMessage().contains(QStringLiteral("left out")));
        QCOMPARE(Selected(), 3);  // the group stays selected where it went
        QTest::keyClick(Canvas(), Qt::Key_Right);
        QCOMPARE(UndoSteps(), 2);
        QVERIFY(WorkFile().find("coordinate = 8,5") != std::string::npos);
        QVERIFY(WorkFile().find("coordinate = 6,5") != std::string::npos);
        window_->Action(ActionId::Undo)->trigger();
        window_->Action(ActionId::Undo)->trigger();
        QCOMPARE(WorkFile(), std::string());
        Click(At(5, 5));
        CtrlClick(At(7, 5));
        QTest::keyClick(Canvas(), Qt::Key_Delete);
        QCOMPARE(UndoSteps(), 1);
        QCOMPARE(Selected(), 0);  // both hidden
        window_->Action(ActionId::Undo)->trigger();
        QCOMPARE(WorkFile(), std::string());
    }

    void aRefusedItemWritesNothing() {
        // "Credit limit:" and the numeric CUST-LIMIT: the field's width cannot change.
        Click(At(5, 23));
        CtrlClick(At(10, 23));
        QTRY_VERIFY(window_->Action(ActionId::MakeSameWidth)->isEnabled());
        window_->Action(ActionId::MakeSameWidth)->trigger();
        QCOMPARE(UndoSteps(), 0);
        QVERIFY(!sink_.Messages().empty());
        QVERIFY(sink_.Messages().back().find("not alphanumeric") != std::string::npos);
    }

    void alignActionsAreEnabledOnlyWhenTheyChangeSomething() {
        Click(At(5, 5));
        CtrlClick(At(7, 5));
        QTRY_VERIFY(window_->Action(ActionId::AlignTop)->isEnabled());
        QVERIFY(!window_->Action(ActionId::AlignLeft)->isEnabled());  // already lined up
        QCOMPARE(window_->Action(ActionId::AlignLeft)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Left")));
        QMenu* align = window_->menuBar()->findChild<QMenu*>(QStringLiteral("editAlignMenu"));
        QVERIFY(align != nullptr);
        QCOMPARE(align->actions().size(), 6);
    }

    void aGroupDragAndAnAlignmentSaveWhatABatchSaves() {
        Click(At(5, 5));
        CtrlClick(At(7, 5));
        Drag(At(5, 5), At(5, 7));
        Click(At(6, 5));  // "Address:", the key item
        CtrlClick(At(5, 7));
        CtrlClick(At(7, 7));
        QTRY_VERIFY(window_->Action(ActionId::AlignRight)->isEnabled());
        QTest::keyClick(Canvas(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);  // Align Right
        QCOMPARE(UndoSteps(), 2);
        QVERIFY(sink_.Messages().empty());
        SavesWhatScfeditSaves(kGroupScript);
    }
};

QTEST_MAIN(CanvasEditingTest)
#include "canvas_editing_test.moc"
