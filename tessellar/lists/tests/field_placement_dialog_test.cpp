// The placement dialog of a released field driven through its widgets.

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

#include "tessellar/lists/qt/field_placement_dialog.h"
#include "tessellar/model/screen_model.h"
#include "testsupport/modal_dialogs.h"

class FieldPlacementDialogTest : public QObject {
    Q_OBJECT

private slots:
    void PlacementWarnsOnOverlapAndAcceptsAnyway() {
        auto screen = std::make_unique<model::CScreenModel>("TEST", 1, nullptr, 0, 0, model::ModelKind::Screen);
        screen->CreateFrame().Place(1, 2, 80, 24);
        screen->SetNeedsDecoding(false);
        model::CAcceptFld& field = screen->AddAccept();
        field.position.SetBoth({5, 10});
        field.width.SetBoth(6);
        testsupport::OnNextModal<QDialog>(nullptr, [](QDialog* dialog) {
            auto* row = dialog->findChild<QSpinBox*>("Row:");
            auto* column = dialog->findChild<QSpinBox*>("Col:");
            auto* warning = dialog->findChild<QLabel*>("warning");
            auto* overlay = dialog->findChild<QLabel*>("overlay");
            QCOMPARE(row->maximum(), 23);
            QCOMPARE(column->maximum(), 79);
            // Names are the program's code page 1252 text.
            QCOMPARE(dialog->findChild<QLabel*>("fieldName")->text(), QString::fromUtf8("CUSTN\u00c9"));
            row->setValue(5);
            QCOMPARE(warning->text(), QString("Warning:"));
            QCOMPARE(overlay->text(), QString("FIELD OVERLAY AT ROW 5, COL 12."));
            column->setValue(20);
            QVERIFY(warning->text().isEmpty());
            column->setValue(15);
            QCOMPARE(warning->text(), QString("WARNING:"));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        auto placed = lists::PlaceUnsuppressedField(nullptr, *screen, "CUSTN\xC9", {1, 12}, 23, 79);
        QVERIFY(placed.has_value());
        QCOMPARE(placed->row, 5);
        QCOMPARE(placed->column, 15);
    }
};

QTEST_MAIN(FieldPlacementDialogTest)
#include "field_placement_dialog_test.moc"
