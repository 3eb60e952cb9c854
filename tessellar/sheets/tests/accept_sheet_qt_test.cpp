// The entry field sheet and the field list dialog on the demo program,
// driven through their widgets; what OK did is read from the entry's work
// file.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/sheets/accept_texts.h"
#include "tessellar/sheets/qt/accept_sheet.h"
#include "tessellar/sheets/qt/allow_page.h"
#include "tessellar/sheets/qt/default_page.h"
#include "tessellar/sheets/qt/field_list_dialog.h"
#include "tessellar/sheets/qt/filter_page.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "testsupport/demo_document.h"
#include "testsupport/modal_dialogs.h"

namespace sheets {

namespace {

using testsupport::OnNextModal;

template <typename Widget>
Widget* Child(QWidget* parent, const char* name) {
    return parent->findChild<Widget*>(QString::fromLatin1(name));
}

QStringList Captions(CMyPropertySheet* sheet) {
    QStringList captions;
    for (int index = 0; index < sheet->PageCount(); ++index) captions << sheet->Page(index)->Caption();
    return captions;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

class AcceptSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void OkIssuesInOrderAndRefusesWhatTheListsForbid();
    void SuppressWithoutDefaultIsRefusedOnThePage();
    void ResetThenOkIssuesOnlyTheReset();
    void AllowPageBuildsTheUserListAndTheDefaultMustRespectIt();
    void DefaultIsCheckedAgainstTheListOkStoresInOneUndoStep();
    void BrowseAndFunctionFillTheDefault();
    void ReviewAreaFieldsGetColumnOrderAndFilter();
    void FieldListTitlesAndMarking();
    void HidingAFieldAsksForItsDefault();

private:
    model::CScreenModel& Entry(const std::string& name);
    model::CAcceptFld& Field(model::CScreenModel& screen, const std::string& name);
    // Opens the sheet of the named field and lets `act` work its pages.
    bool OpenSheet(model::CScreenModel& screen, const std::string& field, std::function<void(CMyPropertySheet*)> act);
    std::string WorkFile(const model::CScreenModel& screen) const { return ReadFile(screen.OverridePath()); }

    std::unique_ptr<testsupport::DemoDocument> demo_;
    document::Document* document_ = nullptr;
    platform::RecordingMessageSink sink_;
};

void AcceptSheetTest::init() {
    demo_ = std::make_unique<testsupport::DemoDocument>(sink_);
    QVERIFY(demo_->Open());
    document_ = &demo_->Document();
    sink_.Clear();
}

void AcceptSheetTest::cleanup() {
    qDeleteAll(findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
    document_ = nullptr;
    demo_.reset();
}

model::CScreenModel& AcceptSheetTest::Entry(const std::string& name) {
    model::CScreenModel* screen = demo_->Entry(name);
    if (screen == nullptr) qFatal("no entry %s", name.c_str());
    return *screen;
}

model::CAcceptFld& AcceptSheetTest::Field(model::CScreenModel& screen, const std::string& name) {
    for (model::CAcceptFld& field : screen.Accepts()) {
        if (field.name == name) return field;
    }
    qFatal("no field %s", name.c_str());
}

bool AcceptSheetTest::OpenSheet(model::CScreenModel& screen, const std::string& field,
                                std::function<void(CMyPropertySheet*)> act) {
    OnNextModal(this, QStringLiteral("CMyPropertySheet"), [act](QDialog* dialog) {
        act(static_cast<CMyPropertySheet*>(dialog));
    });
    return OpenAcceptSheet(SheetContext{*document_, screen, sink_, nullptr}, Field(screen, field), 8);
}

void AcceptSheetTest::OkIssuesInOrderAndRefusesWhatTheListsForbid() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    const bool issued = OpenSheet(customer, "CUST-STATUS", [](CMyPropertySheet* sheet) {
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Entry Field Properties--CUST-STATUS"));
        QCOMPARE(Captions(sheet), QStringList({"Default Value", "Tool Tip", "Format", "Attributes", "Allow/Disallow",
                                               "Field Title"}));
        // The program's allowed values are offered; "Q" is typed over them.
        auto* values = Child<QComboBox>(sheet, "DefaultValueList");
        QVERIFY(values != nullptr);
        QCOMPARE(values->count(), 3);
        Child<QLineEdit>(sheet, "DefaultValue")->setText("Q");
        sheet->Page(1)->findChild<QLineEdit*>()->setText("Status code");
        sheet->Page(5)->findChild<QLineEdit*>()->setText("State");
        sheet->PageFor(PageRole::Attributes)->findChildren<QCheckBox*>().at(1)->click();  // Read Only
        sheet->OkButton()->click();
    });
    QVERIFY(issued);
    const std::vector<std::string> expected{"Allowed - A, H, S", commands::texts::kCouldNotBlock};
    QCOMPARE(sink_.Messages(), expected);
    QCOMPARE(WorkFile(customer),
             std::string("accept\n\t{\n\ttag = 2\n\thelpline = \"Status code\"\n\ttitle = \"State\"\n\t}\n"));
}

void AcceptSheetTest::SuppressWithoutDefaultIsRefusedOnThePage() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    const bool issued = OpenSheet(customer, "CUST-NAME", [](CMyPropertySheet* sheet) {
        sheet->SetActivePage(sheet->PageIndex(PageRole::Attributes));
        QCheckBox* suppress = sheet->PageFor(PageRole::Attributes)->findChildren<QCheckBox*>().at(0);
        suppress->click();
        QVERIFY(!suppress->isChecked());
        QCOMPARE(sheet->ActivePageIndex(), sheet->PageIndex(PageRole::DefaultValue));
        sheet->OkButton()->click();
    });
    QVERIFY(!issued);
    QCOMPARE(sink_.Messages(), std::vector<std::string>{commands::texts::kCouldNotHide});
    QCOMPARE(WorkFile(customer), std::string());
}

void AcceptSheetTest::ResetThenOkIssuesOnlyTheReset() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    auto made = commands::MakeCommand(customer, commands::texts::kModifyAcceptHelp,
                                      commands::KeyOf(Field(customer, "CUST-NAME")), {{"Who", true}});
    QVERIFY(made.command && document_->Run(customer, *made.command, sink_));
    const bool issued = OpenSheet(customer, "CUST-NAME", [](CMyPropertySheet* sheet) {
        auto* help = sheet->PageFor(PageRole::ToolTip)->findChild<QLineEdit*>();
        QCOMPARE(help->text(), QStringLiteral("Who"));
        Child<QLineEdit>(sheet, "DefaultValue")->setText("Acme");
        sheet->ResetButton()->click();
        QCOMPARE(help->text(), QStringLiteral("The customer's trading name"));
        QCOMPARE(Child<QLineEdit>(sheet, "DefaultValue")->text(), QString());
        help->setText("edited after the reset");
        sheet->OkButton()->click();
    });
    QVERIFY(issued);
    QCOMPARE(WorkFile(customer), std::string());
    QCOMPARE(document_->UndoLabels(customer).size(), std::size_t{2});
    QVERIFY(sink_.Messages().empty());
}

void AcceptSheetTest::AllowPageBuildsTheUserListAndTheDefaultMustRespectIt() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    const bool issued = OpenSheet(customer, "CUST-STATUS", [this](CMyPropertySheet* sheet) {
        auto* page = static_cast<CAllowPageDlg*>(sheet->PageFor(PageRole::AllowDisallow));
        QCOMPARE(page->ProgramList()->count(), 3);
        // Nothing selected and nothing in the user list: only Select All works.
        QVERIFY(!page->CopyButton()->isEnabled());
        QVERIFY(!page->RemoveButton()->isEnabled());
        QVERIFY(!page->ClearAllButton()->isEnabled());
        QVERIFY(page->SelectAllButton()->isEnabled());

        page->SelectAllButton()->click();
        QVERIFY(page->CopyButton()->isEnabled());
        page->CopyButton()->click();
        QCOMPARE(page->UserList()->count(), 3);
        page->ClearAllButton()->click();
        QCOMPARE(page->UserList()->count(), 0);

        QTest::keyClicks(page->Entry(), "H");
        QTest::keyClick(page->Entry(), Qt::Key_Return);
        QVERIFY(sheet->isVisible());  // Enter adds; it does not close the sheet
        page->Entry()->setText("A to C");
        page->AddButton()->click();
        page->Entry()->setText("H");  // already there
        page->AddButton()->click();
        page->Entry()->setText("HH");  // longer than the one-letter field
        page->AddButton()->click();
        QCOMPARE(sink_.Messages(), std::vector<std::string>{texts::kValueExceedsLength});
        QCOMPARE(page->UserList()->count(), 2);
        QCOMPARE(page->UserList()->item(1)->text(), QStringLiteral("A to C"));
        page->DisallowedButton()->click();

        // "A" is one of the program's values but inside the disallowed range.
        Child<QLineEdit>(sheet, "DefaultValue")->setText("A");
        sheet->OkButton()->click();
    });
    QVERIFY(issued);
    QCOMPARE(sink_.Messages().back(), std::string("Extra Cust Disallowed - H,A->C"));
    QCOMPARE(WorkFile(customer), std::string("accept\n\t{\n\ttag = 2\n\tdisallowed = H,A#C\n\t}\n"));
}

void AcceptSheetTest::DefaultIsCheckedAgainstTheListOkStoresInOneUndoStep() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    auto made = commands::MakeCommand(customer, commands::texts::kModifyAcceptAllowAndDisallow,
                                      commands::KeyOf(Field(customer, "CUST-STATUS")),
                                      {{"allowed", false}, {"A", false}});
    QVERIFY(made.command && document_->Run(customer, *made.command, sink_));
    const bool issued = OpenSheet(customer, "CUST-STATUS", [](CMyPropertySheet* sheet) {
        auto* page = static_cast<CAllowPageDlg*>(sheet->PageFor(PageRole::AllowDisallow));
        QCOMPARE(page->UserList()->count(), 1);
        page->ClearAllButton()->click();
        page->Entry()->setText("H");
        page->AddButton()->click();
        // Outside the list the field had, inside the one OK stores.
        Child<QLineEdit>(sheet, "DefaultValue")->setText("H");
        sheet->OkButton()->click();
    });
    QVERIFY(issued);
    QVERIFY(sink_.Messages().empty());
    QCOMPARE(WorkFile(customer), std::string("accept\n\t{\n\ttag = 2\n\tallowed = H\n\tdefault = \"H\"\n\t}\n"));
    QCOMPARE(document_->UndoLabels(customer).size(), std::size_t{2});
}

void AcceptSheetTest::BrowseAndFunctionFillTheDefault() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    std::string browsed;
    const bool issued = OpenSheet(customer, "CUST-NAME", [this, &browsed](CMyPropertySheet* sheet) {
        auto* page = static_cast<CDefaultPageDlg*>(sheet->PageFor(PageRole::DefaultValue));
        QVERIFY(!page->BrowseButton()->isEnabled());
        QVERIFY(!page->Functions()->isEnabled());

        page->SourceButton(DefaultSource::Function)->click();
        QCOMPARE(page->Functions()->itemText(0), QStringLiteral("login-id"));
        QCOMPARE(page->Functions()->itemText(1), QStringLiteral("today"));
        page->Functions()->setCurrentIndex(1);
        emit page->Functions()->activated(1);
        QCOMPARE(page->ValueEdit()->text(), QStringLiteral("today"));

        page->SourceButton(DefaultSource::Field)->click();
        QVERIFY(page->BrowseButton()->isEnabled());
        OnNextModal(this, QStringLiteral("FieldListDialog"), [&browsed](QDialog* list) {
            QCOMPARE(list->windowTitle(), QStringLiteral("List of Global fields"));
            auto* rows = Child<QListWidget>(list, "FieldList");
            QVERIFY(rows->count() > 1);
            rows->setCurrentRow(1);
            browsed = rows->currentItem()->text().toStdString();
            list->accept();
        });
        page->BrowseButton()->click();
        QCOMPARE(page->ValueEdit()->text().toStdString(), browsed);
        sheet->OkButton()->click();
    });
    QVERIFY(issued);
    QVERIFY(!browsed.empty());
    QCOMPARE(WorkFile(customer), "accept\n\t{\n\tname = CUST-NAME\n\tdefault = " + browsed + "\n\t}\n");
}

void AcceptSheetTest::ReviewAreaFieldsGetColumnOrderAndFilter() {
    model::CScreenModel& lines = Entry("ORDER-LINES");
    const bool issued = OpenSheet(lines, "ITEM-CODE", [](CMyPropertySheet* sheet) {
        QCOMPARE(Captions(sheet), QStringList({"Default Value", "Tool Tip", "Format", "Column Order", "Attributes",
                                               "Allow/Disallow", "Field Title", "Filter"}));
        auto* filter = static_cast<CFilterDlgPage*>(sheet->PageFor(PageRole::Filter));
        QCOMPARE(filter->Comparison()->count(), 14);
        filter->Comparison()->setCurrentIndex(1);  // NOT EQUAL TO
        filter->Values()->setText("X1");
        sheet->OkButton()->click();
    });
    QVERIFY(issued);
    QCOMPARE(WorkFile(lines), std::string("accept\n\t{\n\ttag = 20\n\tfilter = !=,X1\n\t}\n"));

    // Remove Filter takes it away again.
    QVERIFY(OpenSheet(lines, "ITEM-CODE", [](CMyPropertySheet* sheet) {
        auto* filter = static_cast<CFilterDlgPage*>(sheet->PageFor(PageRole::Filter));
        QCOMPARE(filter->Comparison()->currentText(), QStringLiteral("NOT EQUAL TO"));
        filter->RemoveButton()->click();
        QCOMPARE(filter->Comparison()->currentIndex(), -1);
        sheet->OkButton()->click();
    }));
    QCOMPARE(WorkFile(lines), std::string());
}

void AcceptSheetTest::FieldListTitlesAndMarking() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    struct Case {
        FieldListMode mode;
        model::FieldList list;
        const char* title;
    };
    bool anyMarked = false;
    for (const Case& c : {Case{FieldListMode::Database, model::FieldList::RecordSource, texts::kDatabaseFieldsTitle},
                          Case{FieldListMode::Local, model::FieldList::ScreenLocal, texts::kLocalFieldsTitle},
                          Case{FieldListMode::Global, model::FieldList::Program, texts::kGlobalFieldsTitle}}) {
        QStringList expected;
        std::string marked;
        for (const model::CFieldEntry& field : customer.Fields(c.list)) {
            if (!field.listed) continue;
            expected << QString::fromStdString((field.shownByDisplay ? "*" : "") + field.name);
            if (field.shownByDisplay && marked.empty()) marked = field.name;
        }
        OnNextModal(this, QStringLiteral("FieldListDialog"), [&](QDialog* list) {
            QCOMPARE(list->windowTitle(), QString::fromLatin1(c.title));
            auto* rows = Child<QListWidget>(list, "FieldList");
            QStringList shown;
            for (int row = 0; row < rows->count(); ++row) shown << rows->item(row)->text();
            QCOMPARE(shown, expected);
            QCOMPARE(list->findChild<QLabel*>()->text(), QStringLiteral("Select:"));
            if (!marked.empty()) {
                rows->setCurrentRow(static_cast<int>(expected.indexOf(QString::fromStdString("*" + marked))));
            }
            list->accept();
        });
        const std::optional<std::string> chosen = ChooseField(nullptr, customer, c.mode, {}, true);
        if (!marked.empty()) QCOMPARE(chosen.value_or("?"), marked);
        anyMarked = anyMarked || !marked.empty();
        qDeleteAll(findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
    }
    QVERIFY(anyMarked);
}

void AcceptSheetTest::HidingAFieldAsksForItsDefault() {
    model::CScreenModel& customer = Entry("CUSTOMER");
    struct Case {
        const char* value;  // null: Cancel
        const char* message;
        const char* workFile;
    };
    const Case cases[] = {
        {nullptr, commands::texts::kCouldNotHide, ""},
        {"", commands::texts::kCouldNotHide, ""},
        {"Q", "Allowed - A, H, S", ""},
        {"H", nullptr, "accept\n\t{\n\ttag = 2\n\tsuppress = true\n\tdefault = \"H\"\n\t}\n"},
    };
    for (const Case& c : cases) {
        sink_.Clear();
        OnNextModal(this, QStringLiteral("CMyPropertySheet"), [&c](QDialog* dialog) {
            auto* sheet = static_cast<CMyPropertySheet*>(dialog);
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Accept Field Default Value--CUST-STATUS"));
            QCOMPARE(sheet->PageCount(), 1);
            if (c.value == nullptr) return sheet->reject();
            Child<QLineEdit>(sheet, "DefaultValue")->setText(c.value);
            sheet->OkButton()->click();
        });
        const bool hidden = SuppressAcceptWithDefault(SheetContext{*document_, customer, sink_, nullptr},
                                                      Field(customer, "CUST-STATUS"));
        QCOMPARE(hidden, c.message == nullptr);
        QCOMPARE(sink_.Messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        QCOMPARE(WorkFile(customer), std::string(c.workFile));
        qDeleteAll(findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
    }
}

}  // namespace sheets

QTEST_MAIN(sheets::AcceptSheetTest)
#include "accept_sheet_qt_test.moc"
