// "List Screen Messages" on the demo program, driven through its widgets:
// what OK writes to the entry's work file and how one Undo takes it back,
// the filter with an edit not yet committed, sorting by the header, the
// reset buttons and Cancel.

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/lists/qt/message_list_dialog.h"
#include "testsupport/demo_document.h"
#include "testsupport/modal_dialogs.h"
#include "testsupport/file_text.h"

namespace {

using testsupport::ReadFile;

QTableWidget* TableOf(QDialog* dialog) { return dialog->findChild<QTableWidget*>(QStringLiteral("messageList")); }

// The table row of a message id.
int RowOf(QTableWidget* table, int id) {
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 3)->text() == QString::number(id)) return row;
    }
    return -1;
}

// Double-clicks the message's Override cell where it is shown, types the text and ends with Enter.
void EditOverride(QTableWidget* table, int id, const QString& text) {
    QTableWidgetItem* cell = table->item(RowOf(table, id), 0);
    const QPoint centre = table->visualItemRect(cell).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    QPointer<QLineEdit> editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->maxLength(), 510);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits and closes its editor from the event loop.
    QTRY_VERIFY(!editor || !editor->isVisible());
}

void Click(QDialog* dialog, const char* objectName) {
    auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(objectName));
    QVERIFY(button != nullptr);
    button->click();
}

void Ok(QDialog* dialog) { dialog->accept(); }

}  // namespace

class MessageListDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::DemoDocument> demo_;
    platform::RecordingMessageSink sink_;

    model::CScreenModel& Entry(const char* name) {
        model::CScreenModel* screen = demo_->Entry(name);
        if (screen == nullptr) qFatal("no entry %s", name);
        return *screen;
    }
    // Opens the list on the screen; `drive` works the dialog and closes it.
    bool Open(model::CScreenModel& screen, std::function<void(QDialog*)> drive) {
        testsupport::OnNextModal(this, QStringLiteral("MessageListDialog"), std::move(drive));
        return lists::ListScreenMessages({demo_->Document(), screen, sink_, nullptr});
    }

private slots:
    void init() {
        sink_.Clear();
        demo_ = std::make_unique<testsupport::DemoDocument>(sink_);
        QVERIFY(demo_->Open());
    }

    void aScreenWithoutMessagesListsNothingAndOkIssuesNothing() {
        model::CScreenModel& menu = Entry("MAIN-MENU");
        int rows = -1;
        QVERIFY(!Open(menu, [&](QDialog* dialog) {
            rows = TableOf(dialog)->rowCount();
            Ok(dialog);
        }));
        QCOMPARE(rows, 0);
        QVERIFY(!demo_->Document().CanUndo(menu));
        QVERIFY(sink_.Messages().empty());
    }

    void twoEditsAreOneUndoStepInListOrder() {
        model::CScreenModel& customer = Entry("CUSTOMER");
        QStringList visualOrder;
        QVERIFY(Open(customer, [&](QDialog* dialog) {
            QTableWidget* table = TableOf(dialog);
            for (int visual = 0; visual < table->columnCount(); ++visual) {
                const int logical = table->horizontalHeader()->logicalIndex(visual);
                visualOrder << table->horizontalHeaderItem(logical)->text();
            }
            // Sorted by Id descending, the later message is edited first.
            table->horizontalHeader()->sectionClicked(3);
            table->horizontalHeader()->sectionClicked(3);
            EditOverride(table, 3, QStringLiteral("Customer removed"));
            EditOverride(table, 0, QStringLiteral("Status now new"));
            Ok(dialog);
        }));
        QCOMPARE(visualOrder, (QStringList{"Original", "Override", "Type", "Id"}));
        QCOMPARE(ReadFile(customer.OverridePath()),
                 std::string("message\n\t{\n\torig_text = \"Status changed for CUST-NO\"\n\ttext = \"Status now new\"\n\t}\n"
                             "message\n\t{\n\torig_text = \"Customer deleted\"\n\ttext = \"Customer removed\"\n\t}\n"));
        QCOMPARE(demo_->Document().UndoLabels(customer).size(), std::size_t{1});
        QVERIFY(demo_->Document().Undo(customer, sink_));
        QCOMPARE(ReadFile(customer.OverridePath()), std::string());
    }

    void theListShowsAndSortsAsTheUserAsks() {
        model::CScreenModel& customer = Entry("CUSTOMER");
        QVERIFY(!Open(customer, [&](QDialog* dialog) {
            QTableWidget* table = TableOf(dialog);
            QHeaderView* header = table->horizontalHeader();
            QCOMPARE(table->rowCount(), 6);
            // Nothing is cut: the widest type word fits its column.
            QVERIFY(header->sectionSize(2) > table->fontMetrics().horizontalAdvance(QStringLiteral("acknowledge")));

            header->sectionClicked(1);  // Original, ascending
            QCOMPARE(header->sortIndicatorSection(), 1);
            QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
            QCOMPARE(table->item(0, 1)->text(), QStringLiteral(" prompt Press Return"));
            QCOMPARE(table->item(1, 1)->text(), QStringLiteral("Customer CUST-NO not found"));
            header->sectionClicked(1);
            QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
            QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Status changed for CUST-NO"));

            // An uncommitted edit is listed under "Overridden Messages".
            auto* resetItem = dialog->findChild<QPushButton*>(QStringLiteral("resetItem"));
            QVERIFY(!resetItem->isEnabled());
            EditOverride(table, 4, QStringLiteral("Kept"));
            QVERIFY(resetItem->isEnabled());
            Click(dialog, "overriddenMessages");
            QCOMPARE(table->rowCount(), 1);
            QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Kept"));
            Click(dialog, "allMessages");
            QCOMPARE(table->rowCount(), 6);

            // An emptied cell keeps its text; Reset Item puts the saved text back.
            EditOverride(table, 1, QString());
            QCOMPARE(table->item(RowOf(table, 1), 0)->text(), QStringLiteral("Customer CUST-NO saved"));
            table->selectRow(RowOf(table, 4));
            Click(dialog, "resetItem");
            QCOMPARE(table->item(RowOf(table, 4), 0)->text(), QStringLiteral("Customer kept"));
            EditOverride(table, 0, QStringLiteral("Changed"));
            Click(dialog, "resetAll");
            QCOMPARE(table->item(RowOf(table, 0), 0)->text(), QStringLiteral("Status changed for CUST-NO"));
            Ok(dialog);  // everything set back: nothing to issue
        }));
        QVERIFY(!demo_->Document().CanUndo(customer));
    }

    void cancelWritesNothingAndRestoresTheWorkingTexts() {
        model::CScreenModel& customer = Entry("CUSTOMER");
        QVERIFY(!Open(customer, [&](QDialog* dialog) {
            EditOverride(TableOf(dialog), 0, QStringLiteral("Never kept"));
            dialog->reject();
        }));
        QCOMPARE(ReadFile(customer.OverridePath()), std::string());
        QVERIFY(!demo_->Document().CanUndo(customer));
        for (const model::CMessageItem& message : customer.Messages()) {
            QCOMPARE(message.editedText, message.text.Current());
        }
    }
};

QTEST_MAIN(MessageListDialogTest)
#include "message_list_dialog_test.moc"
