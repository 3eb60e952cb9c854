// "List Screen &Messages" in the main window on the demo program: the
// toolbar button opens the list on the current screen, OK's changes are one
// undo step of the window, and Undo takes them all back.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <iterator>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/shell/customisable_toolbar.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/start_up.h"
#include "tessellar/settings/qt/registry.h"
#include "testsupport/modal_dialogs.h"
#include "testsupport/window_scratch.h"
#include "testsupport/file_text.h"

using shell::ActionId;

namespace {


using testsupport::ReadFile;

void EditOverride(QTableWidget* table, int row, const QString& text) {
    const QPoint centre = table->visualItemRect(table->item(row, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    // The in-place editor, found as the table's child: the focus follows window activation.
    QPointer<QLineEdit> editor;
    QTRY_VERIFY((editor = table->viewport()->findChild<QLineEdit*>()) != nullptr && editor->isVisible());
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!editor || !editor->isVisible());
}

}  // namespace

class MessageListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theToolbarButtonChangesMessagesAsOneUndoStep() {
        testsupport::WindowScratch scratch;
        const QString demoScf = scratch.Path(QStringLiteral("demo.scf"));
        QVERIFY(QFile::copy(QStringLiteral(TESSELLAR_DEMO_OVERRIDES), demoScf));
        QFile::setPermissions(demoScf, QFile::ReadOwner | QFile::WriteOwner);
        platform::RecordingMessageSink sink;
        auto window = scratch.Start({TESSELLAR_DEMO_PROGRAM, "-m", demoScf, "-s", "CUSTOMER"}, sink);
        QVERIFY(window != nullptr);

        QAction* list = window->Action(ActionId::ListMessages);
        QCOMPARE(list->toolTip(), QStringLiteral("List Messages"));
        QVERIFY(list->isEnabled());
        QVERIFY(window->menuBar()->findChild<QMenu*>(QStringLiteral("editMenu"))->actions().contains(list));
        auto* button = qobject_cast<QToolButton*>(window->CustomiserBar()->widgetForAction(list));
        QVERIFY(button != nullptr);

        model::CScreenModel& customer = *window->Document().CurrentScreen();
        const std::string before = ReadFile(customer.OverridePath());
        QVERIFY(!window->Action(ActionId::Undo)->isEnabled());
        testsupport::OnNextModal(window.get(), QStringLiteral("MessageListDialog"), [&](QDialog* dialog) {
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("messageList"));
            // The demo file's override is the text shown, and is changed in place.
            QCOMPARE(table->item(2, 0)->text(), QStringLiteral("No customer has code CUST-NO"));
            EditOverride(table, 2, QStringLiteral("No such customer"));
            EditOverride(table, 4, QStringLiteral("Customer left as it was"));  // "Customer kept"
            dialog->accept();
        });
        QTest::mouseClick(button, Qt::LeftButton);

        const std::string after = ReadFile(customer.OverridePath());
        QVERIFY(after.find("orig_text = \"Customer CUST-NO not found\"\n\ttext = \"No such customer\"") !=
                std::string::npos);
        QVERIFY(after.find("orig_text = \"Customer kept\"\n\ttext = \"Customer left as it was\"") != std::string::npos);
        QVERIFY(window->Action(ActionId::Undo)->isEnabled());
        QVERIFY(window->isWindowModified());
        window->Action(ActionId::Undo)->trigger();
        QCOMPARE(ReadFile(window->Document().CurrentScreen()->OverridePath()), before);
        QVERIFY(!window->Action(ActionId::Undo)->isEnabled());
        QVERIFY(sink.Messages().empty());
    }
};

QTEST_MAIN(MessageListWindowTest)
#include "message_list_window_test.moc"
