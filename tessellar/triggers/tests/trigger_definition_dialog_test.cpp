// The trigger definition dialog on the demo program, driven through its
// widgets; what OK did is read from the entry's work file.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/triggers/qt/trigger_definition_dialog.h"
#include "testsupport/demo_document.h"
#include "testsupport/modal_dialogs.h"

namespace triggers {

namespace {

template <typename Widget>
Widget* Named(QWidget* parent, const char* accessibleName) {
    for (Widget* widget : parent->findChildren<Widget*>()) {
        if (widget->accessibleName() == QString::fromUtf8(accessibleName)) return widget;
    }
    return nullptr;
}

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int index = 0; index < box->count(); ++index) items << box->itemText(index);
    return items;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

class TriggerDefinitionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void OkWritesOnlyTheSelectedPointAndKeepsTheOthersWhileSwitching();
    void EmptyProgramRemovesAStoredTriggerAndIssuesNothingWithoutOne();
    void ExportDataGridOnlyForConfirmOfAGridMode_data();
    void ExportDataGridOnlyForConfirmOfAGridMode();
    void ServerProgramsAreStoredWithForwardSlashes();
    void RunLinesAreCodePage1252BothWays();

private:
    model::CScreenModel& Entry(const std::string& name);
    model::CAcceptFld& Field(model::CScreenModel& screen, const std::string& name);
    bool OpenFieldTrigger(model::CScreenModel& screen, const std::string& field,
                          std::function<void(QDialog*)> act);

    std::unique_ptr<testsupport::DemoDocument> demo_;
    document::Document* document_ = nullptr;
    platform::RecordingMessageSink sink_;
};

void TriggerDefinitionDialogTest::init() {
    demo_ = std::make_unique<testsupport::DemoDocument>(sink_);
    QVERIFY(demo_->Open());
    document_ = &demo_->Document();
    sink_.Clear();
}

void TriggerDefinitionDialogTest::cleanup() {
    qDeleteAll(findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
    document_ = nullptr;
    demo_.reset();
}

model::CScreenModel& TriggerDefinitionDialogTest::Entry(const std::string& name) {
    model::CScreenModel* screen = demo_->Entry(name);
    if (screen == nullptr) qFatal("no entry %s", name.c_str());
    return *screen;
}

model::CAcceptFld& TriggerDefinitionDialogTest::Field(model::CScreenModel& screen, const std::string& name) {
    for (model::CAcceptFld& field : screen.Accepts()) {
        if (field.name == name) return field;
    }
    qFatal("no field %s", name.c_str());
}

bool TriggerDefinitionDialogTest::OpenFieldTrigger(model::CScreenModel& screen, const std::string& field,
                                                   std::function<void(QDialog*)> act) {
    testsupport::OnNextModal(this, QStringLiteral("TriggerDefinitionDialog"), std::move(act));
    const TriggerContext context{{*document_, screen, sink_, nullptr}, nullptr, nullptr, TESSELLAR_DEMO_PROGRAM, {}};
    return OpenAcceptTrigger(context, Field(screen, field));
}

void TriggerDefinitionDialogTest::OkWritesOnlyTheSelectedPointAndKeepsTheOthersWhileSwitching() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    const bool issued = OpenFieldTrigger(customer, "CUST-NAME", [](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Add/Modify Field Trigger"));
        auto* points = Named<QComboBox>(dialog, "Trigger Type:");
        auto* program = Named<QLineEdit>(dialog, "Program to run:");
        auto* parameters = Named<QLineEdit>(dialog, "Parameters Line:");
        auto* ok = Named<QPushButton>(dialog, "OK");
        QVERIFY(points && program && parameters && ok);
        QCOMPARE(Items(points), QStringList({"Before Accepted (Entry Mode Only)", "After Accepted", "Lookup Help"}));
        // Nothing selected: nothing to edit.
        QVERIFY(!program->isEnabled());
        QVERIFY(!Named<QPushButton>(dialog, "Remove")->isEnabled());
        QCOMPARE(program->maxLength(), 79);
        QCOMPARE(parameters->maxLength(), 419);

        points->setCurrentIndex(0);
        program->setText("before.exe");
        points->setCurrentIndex(1);
        QCOMPARE(program->text(), QString());
        program->setText("check.exe");
        parameters->setText("CUST-NAME");
        Named<QComboBox>(dialog, "Program Type:")->setCurrentIndex(1);  // "Command (client)"
        points->setCurrentIndex(0);
        QCOMPARE(program->text(), QStringLiteral("before.exe"));
        points->setCurrentIndex(1);
        QCOMPARE(program->text(), QStringLiteral("check.exe"));
        QCOMPARE(parameters->text(), QStringLiteral("CUST-NAME"));
        ok->click();
    });
    QVERIFY(issued);
    const std::string file = ReadFile(customer.OverridePath());
    QVERIFY2(file.find("after_accept") != std::string::npos, file.c_str());
    QVERIFY2(file.find("check.exe") != std::string::npos, file.c_str());
    QVERIFY2(file.find("windows") != std::string::npos, file.c_str());
    QVERIFY2(file.find("before") == std::string::npos, file.c_str());
    const model::TriggerSlot* slot = Field(customer, "CUST-NAME").triggers.Slot(model::TriggerPoint::AfterAccept);
    QVERIFY(slot && slot->hasTrigger);
    QCOMPARE(slot->runLine, std::string("\"check.exe\" CUST-NAME"));
    QCOMPARE(slot->typeCode, 2);
}

void TriggerDefinitionDialogTest::EmptyProgramRemovesAStoredTriggerAndIssuesNothingWithoutOne() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    QVERIFY(OpenFieldTrigger(customer, "CUST-NAME", [](QDialog* dialog) {
        Named<QComboBox>(dialog, "Trigger Type:")->setCurrentIndex(2);
        Named<QLineEdit>(dialog, "Program to run:")->setText("help.exe");
        Named<QPushButton>(dialog, "OK")->click();
    }));
    const std::string written = ReadFile(customer.OverridePath());
    QVERIFY2(written.find("on_help") != std::string::npos, written.c_str());

    // The stored trigger comes back; Remove then OK takes it out.
    QVERIFY(OpenFieldTrigger(customer, "CUST-NAME", [](QDialog* dialog) {
        Named<QComboBox>(dialog, "Trigger Type:")->setCurrentIndex(2);
        auto* remove = Named<QPushButton>(dialog, "Remove");
        QCOMPARE(Named<QLineEdit>(dialog, "Program to run:")->text(), QStringLiteral("help.exe"));
        QVERIFY(remove->isEnabled());
        remove->click();
        QVERIFY(!remove->isEnabled());
        QVERIFY(!Named<QPushButton>(dialog, "Verify")->isEnabled());
        Named<QPushButton>(dialog, "OK")->click();
    }));
    const std::string removed = ReadFile(customer.OverridePath());
    QVERIFY2(removed.find("on_help") == std::string::npos, removed.c_str());
    QVERIFY(!Field(customer, "CUST-NAME").triggers.Slot(model::TriggerPoint::OnHelp)->hasTrigger);

    // An empty program on a point without a trigger has nothing to confirm.
    QVERIFY(!OpenFieldTrigger(customer, "CUST-NAME", [](QDialog* dialog) {
        Named<QComboBox>(dialog, "Trigger Type:")->setCurrentIndex(0);
        QVERIFY(!Named<QPushButton>(dialog, "OK")->isEnabled());
        QVERIFY(!Named<QPushButton>(dialog, "Remove")->isEnabled());
        Named<QPushButton>(dialog, "Cancel")->click();
    }));
    QCOMPARE(ReadFile(customer.OverridePath()), removed);
}

void TriggerDefinitionDialogTest::ExportDataGridOnlyForConfirmOfAGridMode_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("dataGrid");
    QTest::addColumn<int>("point");
    QTest::addColumn<int>("types");
    QTest::newRow("confirm of a grid mode") << 4 << true << 0 << 6;
    QTest::newRow("before confirm of a grid mode") << 4 << true << 1 << 5;
    QTest::newRow("confirm of an ordinary mode") << 4 << false << 0 << 5;
    QTest::newRow("screen load of a grid screen") << 16 << true << 0 << 5;
}

void TriggerDefinitionDialogTest::ExportDataGridOnlyForConfirmOfAGridMode() {
    QFETCH(int, kind);
    QFETCH(bool, dataGrid);
    QFETCH(int, point);
    QFETCH(int, types);
    const auto itemKind = static_cast<TriggerItemKind>(kind);
    std::vector<DefinitionSlot> pointSlots;
    for (const TriggerPointEntry& entry : TriggerPointsOf(itemKind)) pointSlots.push_back({entry.point, 0, "", false, ""});
    // An export trigger stored on Confirm; switching away drops the type
    // from the list, switching back offers it again.
    pointSlots[0].typeCode = dataGrid && kind == 4 ? 6 : 0;
    TriggerDefinitionDialog dialog(nullptr, itemKind, pointSlots, dataGrid, {});
    auto* pointList = Named<QComboBox>(&dialog, "Trigger Type:");
    auto* typeList = Named<QComboBox>(&dialog, "Program Type:");
    pointList->setCurrentIndex(1 - point);
    pointList->setCurrentIndex(point);
    QCOMPARE(typeList->count(), types);
    QCOMPARE(Items(typeList).contains("Export Data Grid"), types == 6);
    if (types == 6) QCOMPARE(typeList->currentText(), QStringLiteral("Export Data Grid"));
}

void TriggerDefinitionDialogTest::ServerProgramsAreStoredWithForwardSlashes() {
    std::vector<DefinitionSlot> pointSlots;
    for (const TriggerPointEntry& entry : TriggerPointsOf(TriggerItemKind::Screen)) {
        pointSlots.push_back({entry.point, 0, "", false, ""});
    }
    for (const auto& [typeIndex, expected] : {std::pair{0, "\"/usr/app/run\" A"}, std::pair{1, "\"/usr\\app\\run\" A"}}) {
        TriggerDefinitionDialog dialog(nullptr, TriggerItemKind::Screen, pointSlots, false, {});
        Named<QComboBox>(&dialog, "Trigger Type:")->setCurrentIndex(1);
        Named<QComboBox>(&dialog, "Program Type:")->setCurrentIndex(typeIndex);
        Named<QLineEdit>(&dialog, "Program to run:")->setText("/usr\\app\\run");
        Named<QLineEdit>(&dialog, "Parameters Line:")->setText("A");
        Named<QPushButton>(&dialog, "OK")->click();
        QCOMPARE(dialog.SelectedIndex(), 1);
        QCOMPARE(dialog.RunLine(), std::string(expected));
    }
}


// A run line holds code page 1252 bytes, as every other text does. Before,
// the dialog read them as UTF-8 (showing garbage) and wrote UTF-8 back.
void TriggerDefinitionDialogTest::RunLinesAreCodePage1252BothWays() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    const std::string stored = "\"caf\xE9.sh\" \"\x80 5\"";  // "café.sh" "€ 5"
    commands::MadeCommand made = commands::MakeCommand(
        customer, "Modify accept trigger", commands::KeyOf(Field(customer, "CUST-NAME")),
        {{"after_accept", false}, {stored, false}, {"command", false}});
    QVERIFY(made.command);
    QVERIFY(document_->Run(customer, *made.command, sink_));
    QVERIFY(OpenFieldTrigger(customer, "CUST-NAME", [](QDialog* dialog) {
        Named<QComboBox>(dialog, "Trigger Type:")->setCurrentIndex(1);
        auto* program = Named<QLineEdit>(dialog, "Program to run:");
        auto* parameters = Named<QLineEdit>(dialog, "Parameters Line:");
        QCOMPARE(program->text(), QStringLiteral("caf\u00E9.sh"));
        QCOMPARE(parameters->text(), QStringLiteral("\"\u20AC 5\""));
        parameters->setText(QStringLiteral("\"\u20AC 6\""));
        Named<QPushButton>(dialog, "OK")->click();
    }));
    const model::TriggerSlot* slot = Field(customer, "CUST-NAME").triggers.Slot(model::TriggerPoint::AfterAccept);
    QVERIFY(slot && slot->hasTrigger);
    QCOMPARE(slot->runLine, std::string("\"caf\xE9.sh\" \"\x80 6\""));
}

}  // namespace triggers

QTEST_MAIN(triggers::TriggerDefinitionDialogTest)
#include "trigger_definition_dialog_test.moc"
