// The suppressed field list in the real main window on the demo program:
// a release placed elsewhere (with the overlap warning) writes both blocks
// as one undo step, "Unsuppress" without a line issues nothing, and a data
// entry field follows the mouse until the next click drops it.

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>
#include <sstream>

#include "platform/message_sink.h"
#include "tessellar/canvas/render/screen_canvas.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/start_up.h"
#include "tessellar/settings/qt/registry.h"
#include "testsupport/modal_dialogs.h"
#include "testsupport/file_text.h"
#include "testsupport/window_scratch.h"

using shell::ActionId;
using testsupport::OnNextModal;

namespace {

using testsupport::ReadFile;

QStringList Lines(QDialog* dialog) {
    QStringList lines;
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("suppressedList"));
    for (int row = 0; list != nullptr && row < list->count(); ++row) lines << list->item(row)->text();
    return lines;
}

void Press(QDialog* dialog, const char* button) {
    dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

}  // namespace

class SuppressedFieldWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowScratch> scratch_;
    platform::RecordingMessageSink sink_;
    std::unique_ptr<shell::CMainFrame> window_;

    canvas::CScreenCanvas* Canvas() const { return window_->View()->Canvas(); }
    model::CScreenModel& Screen() const { return Canvas()->Model(); }
    std::string WorkFile() const {
        const std::string& path = Screen().OverridePath();
        return QFile::exists(QString::fromStdString(path)) ? ReadFile(path) : std::string();
    }
    int UndoSteps() const { return static_cast<int>(window_->Document().Core().UndoLabels(Screen()).size()); }
    QPoint At(int row, int column) const {
        const model::CellPosition cell = overrides::RelativePosition(Screen(), row, column);
        const canvas::CellMetrics metrics = Canvas()->Cell();
        return QPoint(cell.column * metrics.width + metrics.width / 2, cell.row * metrics.height + metrics.height / 2);
    }
    void Open(const char* entry) {
        const QString overrides = scratch_->Path(QStringLiteral("demo.scf"));
        window_ = scratch_->Start({TESSELLAR_DEMO_PROGRAM, "-m", overrides, "-s", entry}, sink_);
        QVERIFY(window_ != nullptr);
        QVERIFY(Canvas() != nullptr);
        QCOMPARE(QString::fromStdString(Screen().Name()), QString::fromLatin1(entry));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    QAction* Action(ActionId id) const { return window_->Action(id); }

private slots:
    void init() {
        scratch_ = std::make_unique<testsupport::WindowScratch>();
        sink_.Clear();
    }
    void cleanup() {
        window_.reset();
        scratch_.reset();
    }

    void releasingPlacesTheFieldWithOneUndoStepAndAnEmptyChoiceIssuesNothing() {
        Open("CUSTOMER");
        QTRY_VERIFY(!Action(ActionId::UnsuppressField)->isEnabled());  // nothing is suppressed yet
        QTest::mouseClick(Canvas(), Qt::LeftButton, {}, At(7, 5));  // "Phone:"
        QTest::keyClick(Canvas(), Qt::Key_Delete);
        QCOMPARE(UndoSteps(), 1);
        const std::string suppressed = WorkFile();
        QTRY_VERIFY(Action(ActionId::UnsuppressField)->isEnabled());

        // "Unsuppress" without a chosen line.
        QStringList shown;
        OnNextModal(window_.get(), QStringLiteral("suppressedFieldDialog"), [&](QDialog* dialog) {
            shown = Lines(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("List of Suppressed Fields"));
            Press(dialog, "unsuppressButton");
        });
        Action(ActionId::UnsuppressField)->trigger();
        QCOMPARE(shown, QStringList{QStringLiteral("\"Phone:\"(display)")});
        QCOMPARE(UndoSteps(), 1);
        QCOMPARE(WorkFile(), suppressed);

        // Placed over CUST-NAME, which the placement dialog warns about.
        const model::CellPosition over = overrides::RelativePosition(Screen(), 5, 22);
        QString warning;
        QString overlay;
        OnNextModal(window_.get(), QStringLiteral("suppressedFieldDialog"), [&](QDialog* dialog) {
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("suppressedList"));
            list->setCurrentRow(0);
            OnNextModal(window_.get(), QStringLiteral("unsuppressFieldDialog"), [&](QDialog* place) {
                place->findChild<QSpinBox*>(QStringLiteral("Row:"))->setValue(over.row);
                place->findChild<QSpinBox*>(QStringLiteral("Col:"))->setValue(over.column);
                warning = place->findChild<QLabel*>(QStringLiteral("warning"))->text();
                overlay = place->findChild<QLabel*>(QStringLiteral("overlay"))->text();
                place->accept();
            });
            Press(dialog, "unsuppressButton");
        });
        Action(ActionId::UnsuppressField)->trigger();
        QCOMPARE(warning, QStringLiteral("WARNING:"));
        QCOMPARE(overlay, QString::asprintf("FIELD OVERLAY AT ROW %d, COL %d.", over.row, over.column));
        QCOMPARE(WorkFile(), std::string("display\n\t{\n\torig_text = \"Phone:\"\n\tsuppress = false\n"
                                         "\tcoordinate = 5,22\n\t}\n"));
        QCOMPARE(UndoSteps(), 2);
        Action(ActionId::Undo)->trigger();
        QCOMPARE(WorkFile(), suppressed);
        QTRY_VERIFY(Action(ActionId::UnsuppressField)->isEnabled());
    }

    void aDataEntryFieldFollowsTheMouseUntilAClickDropsIt() {
        Open("NIGHTLY-UPDATE");
        QTRY_VERIFY(Action(ActionId::AddDataEntryField)->isEnabled());
        QVERIFY(!Action(ActionId::UnsuppressField)->isEnabled());  // the program's own hidden field only
        QStringList shown;
        OnNextModal(window_.get(), QStringLiteral("suppressedFieldDialog"), [&](QDialog* dialog) {
            shown = Lines(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Data Entry Fields"));
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("suppressedList"));
            OnNextModal(window_.get(), QStringLiteral("unsuppressFieldDialog"),
                        [](QDialog* place) { place->accept(); });
            // A double click on a line unsuppresses it.
            const QRect line = list->visualItemRect(list->item(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        });
        Action(ActionId::AddDataEntryField)->trigger();
        QCOMPARE(shown, QStringList{QStringLiteral("RUN-COUNT(accept)")});
        QCOMPARE(WorkFile(), std::string("accept\n\t{\n\tname = RUN-COUNT\n\tsuppress = false\n\t}\n"));
        QVERIFY(Canvas()->CurrentInteraction().Attached());

        QTest::mouseMove(Canvas(), At(6, 12));
        QTest::mouseMove(Canvas(), At(8, 30));
        QVERIFY(Canvas()->CurrentInteraction().RubberBand().has_value());
        QCOMPARE(window_->SelectionPane()->text(), QStringLiteral("Row 8, Column 30"));
        QTest::mouseClick(Canvas(), Qt::LeftButton, {}, At(8, 30));
        QCOMPARE(WorkFile(), std::string("accept\n\t{\n\tname = RUN-COUNT\n\tsuppress = false\n"
                                         "\tcoordinate = 8,30\n\t}\n"));
        QVERIFY(!Canvas()->CurrentInteraction().Attached());
        QCOMPARE(UndoSteps(), 2);
        QVERIFY(!Action(ActionId::AddDataEntryField)->isEnabled());
    }
};

QTEST_MAIN(SuppressedFieldWindowTest)
#include "suppressed_field_window_test.moc"
