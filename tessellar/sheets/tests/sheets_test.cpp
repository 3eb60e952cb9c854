// The property sheets against the demo program: what OK writes to the
// entry's work file, in which order, with which refusals; Reset then OK;
// Cancel; the pages' own checks; and the sheet's buttons.

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/sheets/qt/box_sheet.h"
#include "tessellar/sheets/qt/colour_button.h"
#include "tessellar/sheets/qt/confirm_sheet.h"
#include "tessellar/sheets/qt/default_value_source.h"
#include "tessellar/sheets/qt/display_sheet.h"
#include "tessellar/sheets/qt/menu_sheet.h"
#include "tessellar/sheets/qt/mode_list_dialog.h"
#include "tessellar/sheets/qt/mode_sheet.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/picture_page_dlg.h"
#include "tessellar/sheets/qt/screen_title_sheet.h"
#include "tessellar/sheets/qt/suppress_page_dlg.h"
#include "tessellar/sheets/qt/text_page_dlg.h"
#include "testsupport/demo_document.h"
#include "testsupport/modal_dialogs.h"

using sheets::CMyPropertySheet;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Answers the next modal dialog of the given type once it is up and active.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> answer) {
    testsupport::OnNextModal<Dialog>(nullptr, std::move(answer));
}

// The control of a type with the accessible name on the sheet's page of a tab caption.
template <typename Widget>
Widget* On(CMyPropertySheet* sheet, const char* tab, const char* name) {
    for (int index = 0; index < sheet->PageCount(); ++index) {
        if (sheet->Page(index)->Caption() != QLatin1String(tab)) continue;
        for (Widget* widget : sheet->Page(index)->findChildren<Widget*>()) {
            if (widget->accessibleName() == QLatin1String(name)) return widget;
        }
    }
    return nullptr;
}

void Type(CMyPropertySheet* sheet, const char* tab, const char* edit, const QString& text) {
    QLineEdit* line = On<QLineEdit>(sheet, tab, edit);
    QVERIFY2(line != nullptr, edit);
    line->selectAll();
    QTest::keyClicks(line, text);
}

void Click(CMyPropertySheet* sheet, const char* tab, const char* box) {
    QAbstractButton* button = On<QAbstractButton>(sheet, tab, box);
    QVERIFY2(button != nullptr, box);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

void Ok(CMyPropertySheet* sheet) { QTest::mouseClick(sheet->OkButton(), Qt::LeftButton); }

// A Default Value page as the entry field sheet has one: its text is the default.
class FakeDefaultPage : public sheets::PropertyPage, public sheets::DefaultValueSource {
public:
    FakeDefaultPage() : PropertyPage(QStringLiteral("Default Value"), 63) {}
    std::string CurrentDefaultText() const override { return text; }
    void RestoreOriginal() override {}
    std::string text;
};

}  // namespace

class SheetsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::DemoDocument> demo_;
    document::Document* document_ = nullptr;
    platform::RecordingMessageSink sink_;

    model::CScreenModel& Entry(const std::string& name) {
        model::CScreenModel* screen = demo_->Entry(name);
        if (screen == nullptr) qFatal("no entry %s", name.c_str());
        return *screen;
    }
    sheets::SheetContext Context(model::CScreenModel& screen) { return {*document_, screen, sink_, nullptr}; }
    std::string WorkFile(const model::CScreenModel& screen) const { return ReadFile(screen.OverridePath()); }
    int UndoSteps(const model::CScreenModel& screen) { return static_cast<int>(document_->UndoLabels(screen).size()); }
    bool Run(model::CScreenModel& screen, const char* name, commands::ItemKey key,
             std::vector<commands::CommandValue> values) {
        commands::MadeCommand made = commands::MakeCommand(screen, name, std::move(key), values);
        return made.command && document_->Run(screen, *made.command, sink_);
    }

private slots:
    void init() {
        sink_.Clear();
        demo_ = std::make_unique<testsupport::DemoDocument>(sink_);
        QVERIFY(demo_->Open());
        document_ = &demo_->Document();
    }
    void cleanup() {
        document_ = nullptr;
        demo_.reset();
    }

    void displayOkIssuesItsCommandsInOrderAsOneStep() {
        model::CScreenModel& screen = Entry("CUSTOMER");
        model::CDispText* name = screen.FindDisplayByOriginalText("Name:");
        QVERIFY(name != nullptr);
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Display Text Properties--Name:"));
            // SHEET_SHOT=PREFIX saves pictures of three pages, for looking at the sheet.
            if (qEnvironmentVariableIsSet("SHEET_SHOT")) {
                QTest::qWait(200);
                sheet->grab().save(qEnvironmentVariable("SHEET_SHOT") + "-text.png");
                sheet->SetActivePage(2);
                QTest::qWait(100);
                sheet->grab().save(qEnvironmentVariable("SHEET_SHOT") + "-colour.png");
                sheet->SetActivePage(4);
                QTest::qWait(100);
                sheet->grab().save(qEnvironmentVariable("SHEET_SHOT") + "-styles.png");
                sheet->SetActivePage(0);
            }
            Type(sheet, "Text", "New Text:", QStringLiteral("Trading name:"));
            Type(sheet, "Scale", "Scale factor:", QStringLiteral("1001"));
            Click(sheet, "Styles", "Bold");
            Click(sheet, "Attributes", "Suppress");
            Ok(sheet);
        });
        QVERIFY(sheets::OpenDisplaySheet(Context(screen), *name));
        QCOMPARE(sink_.Messages(), std::vector<std::string>{"Invalid scale fact, scale range is from 50 to 1000"});
        QCOMPARE(WorkFile(screen), std::string("display\n\t{\n\torig_text = \"Name:\"\n"
                                               "\ttext = \"Trading name:\"\n"
                                               "\tpicture = x(5)\n"
                                               "\tattributes = bold,background,right,prompt\n"
                                               "\tsuppress = true\n\t}\n"));
        // One OK, one undo step, labelled by its first command.
        QCOMPARE(UndoSteps(screen), 1);
        QVERIFY(document_->UndoLabels(screen).front().find("Change display text") != std::string::npos);
    }

    void gridDisplayGetsColumnOrderAndOpensOnItsTitle() {
        model::CScreenModel& screen = Entry("ORDER-LINES");
        model::CDispText* price = screen.FindDisplayByName("ITEM-PRICE");
        QVERIFY(price != nullptr && price->inReviewArea);
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->PageIndex(sheets::PageRole::Text), -1);
            QVERIFY(sheet->PageIndex(sheets::PageRole::ColumnOrder) >= 0);
            QCOMPARE(sheet->ActivePageIndex(), sheet->PageIndex(sheets::PageRole::FieldTitle));
            Type(sheet, "Column Order", "Column Order Number:", QStringLiteral("2"));
            Type(sheet, "Field Title", "New Text:", QStringLiteral("Unit price"));
            Ok(sheet);
        });
        QVERIFY(sheets::OpenDisplaySheet(Context(screen), *price));
        const std::string work = WorkFile(screen);
        QVERIFY2(work.find("\ttitle = \"Unit price\"\n\tcolumn_number = 2\n") != std::string::npos, work.c_str());

        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->PageIndex(sheets::PageRole::ColumnOrder), -1);
            sheet->reject();
        });
        QVERIFY(!sheets::OpenDisplaySheet(Context(Entry("CUSTOMER")),
                                          *Entry("CUSTOMER").FindDisplayByOriginalText("Name:")));
    }

    // An added prompt is found by its text: every change of one OK lands in
    // its one block, the new text last.
    void addedPromptKeepsOneBlock() {
        model::CScreenModel& screen = Entry("CUSTOMER");
        QVERIFY(Run(screen, "Add prompt", {}, {{"Notes:", true}, {"19,50", false}}));
        model::CDispText* notes = screen.FindDisplayByOriginalText("Notes:");
        if (notes == nullptr) {
            for (model::CDispText& display : screen.Displays()) {
                if (display.identification == model::IdentificationKind::AddedPrompt) notes = &display;
            }
        }
        QVERIFY(notes != nullptr);
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QVERIFY(On<QCheckBox>(sheet, "Styles", "Prompt")->isChecked());
            Type(sheet, "Text", "New Text:", QStringLiteral("Remarks"));
            Click(sheet, "Styles", "Bold");
            Ok(sheet);
        });
        QVERIFY(sheets::OpenDisplaySheet(Context(screen), *notes));
        QCOMPARE(WorkFile(screen), std::string("display\n\t{\n\ttext = \"Remarks\"\n\tcoordinate = 19,50\n"
                                               "\tadd = true\n\tattributes = bold,background,prompt\n\t}\n"));
    }

    void resetThenOkIssuesOnlyTheReset() {
        model::CScreenModel& screen = Entry("CUSTOMER");
        QVERIFY(Run(screen, "Change display text", commands::KeyOf(*screen.FindDisplayByOriginalText("Phone:")),
                    {{"Telephone:", false}}));
        model::CDispText* phone = screen.FindDisplayByOriginalText("Phone:");
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            Type(sheet, "Format", "Format:", QStringLiteral("x(20)"));
            QTest::mouseClick(sheet->ResetButton(), Qt::LeftButton);
            QCOMPARE(On<QLineEdit>(sheet, "Text", "New Text:")->text(), QStringLiteral("Phone:"));
            QVERIFY(On<QLineEdit>(sheet, "Format", "Format:")->text() != QStringLiteral("x(20)"));
            Ok(sheet);
        });
        QVERIFY(sheets::OpenDisplaySheet(Context(screen), *phone));
        QCOMPARE(WorkFile(screen), std::string());
        QCOMPARE(screen.FindDisplayByOriginalText("Phone:")->text.Current(), std::string("Phone:"));
    }

    void cancelIssuesNothing() {
        model::CScreenModel& screen = Entry("MAIN-MENU");
        model::COptionItem& option = *screen.Options().begin();
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            Type(sheet, "Text", "New Text:", QStringLiteral("Accounts"));
            QTest::mouseClick(sheet->CancelButton(), Qt::LeftButton);
        });
        QVERIFY(!sheets::OpenMenuSheet(Context(screen), option));
        QCOMPARE(UndoSteps(screen), 0);
        QVERIFY(sink_.Messages().empty());
    }

    void menuOkWritesTextHelpAndSuppression() {
        model::CScreenModel& screen = Entry("MAIN-MENU");
        model::COptionItem& option = *screen.Options().begin();
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Menu Properties--Customers"));
            Type(sheet, "Text", "New Text:", QStringLiteral("Accounts"));
            Type(sheet, "Tool Tip", "Tool Tip:", QStringLiteral("Customer accounts"));
            QVERIFY(!On<QCheckBox>(sheet, "Attributes", "Read Only")->isEnabled());
            Click(sheet, "Attributes", "Suppress");
            Ok(sheet);
        });
        QVERIFY(sheets::OpenMenuSheet(Context(screen), option));
        QCOMPARE(WorkFile(screen), std::string("option\n\t{\n\torig_text = \"Customers\"\n"
                                               "\ttext = \"Accounts\"\n"
                                               "\thelpline = \"Customer accounts\"\n"
                                               "\tsuppress = true\n\t}\n"));
    }

    void modeSheetFromTheCanvasMakesTheScreenDefault() {
        model::CScreenModel& screen = Entry("CUSTOMER");
        model::CModeItem* find = screen.FindModeByIdentifier("FIND");
        QVERIFY(find != nullptr);
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Mode Properties--FIND"));
            QCOMPARE(sheet->Page(2)->objectName(), QStringLiteral("CModeAttrPage"));
            Type(sheet, "Text", "New Text:", QStringLiteral("Search"));
            Click(sheet, "Attributes", "Screen Default Mode");
            Ok(sheet);
        });
        QVERIFY(sheets::OpenModeSheet(Context(screen), *find, false));
        QCOMPARE(WorkFile(screen), std::string("mode\n\t{\n\tname = FIND\n\ttext = \"Search\"\n\t}\n"
                                               "window\n\t{\n\tdefault = FIND\n\t}\n"));
        QVERIFY(screen.FindModeByIdentifier("FIND")->isDefault);
    }

    void modeFromTheListOpensTheChosenMode() {
        model::CScreenModel& screen = Entry("CUSTOMER");
        WhenShown<sheets::ModeListDialog>([](sheets::ModeListDialog* list) {
            QCOMPARE(list->windowTitle(), QStringLiteral("List of Defined Modes"));
            QCOMPARE(list->List()->currentRow(), 0);
            QCOMPARE(list->List()->item(2)->text(), QStringLiteral("DELETE"));
            list->List()->setCurrentRow(2);
            WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
                QCOMPARE(sheet->Page(2)->objectName(), QStringLiteral("CSuppressPageDlg"));
                Click(sheet, "Attributes", "Suppress");
                Ok(sheet);
            });
            list->accept();
        });
        QVERIFY(sheets::OpenModeFromList(Context(screen)));
        QCOMPARE(WorkFile(screen), std::string("mode\n\t{\n\tname = DELETE\n\tsuppress = true\n\t}\n"));
    }

    void confirmAndBoxSheets() {
        model::CScreenModel& screen = Entry("MAIN-MENU");
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Confirm Properties"));
            QVERIFY(On<QRadioButton>(sheet, "Select Confirm Default", "No")->isChecked());
            Type(sheet, "Text", "New Text:", QStringLiteral("Quit?"));
            Click(sheet, "Select Confirm Default", "Yes");
            Ok(sheet);
        });
        QVERIFY(sheets::OpenConfirmSheet(Context(screen), false));
        const std::string confirm = WorkFile(screen);
        QVERIFY2(confirm.find("\ttext = \"Quit?\"\n\tdefault = yes\n") != std::string::npos, confirm.c_str());

        // An emptied box title issues nothing; Suppress still does.
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Box Properties--Choose an area"));
            On<QLineEdit>(sheet, "Text", "New Text:")->clear();
            Click(sheet, "Attributes", "Suppress");
            Ok(sheet);
        });
        QVERIFY(sheets::OpenBoxSheet(Context(screen), *screen.Boxes().begin()));
        const std::string box = WorkFile(screen).substr(confirm.size());
        QCOMPARE(box, std::string("box\n\t{\n\torig_coordinate = 4,8\n\tcoordinate = 14,40\n"
                                  "\tsuppress = true\n\t}\n"));
        QCOMPARE(UndoSteps(screen), 2);
    }

    void screenTitleSheetAndItsReset() {
        model::CScreenModel& screen = Entry("ORDER");
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QCOMPARE(sheet->windowTitle(), QStringLiteral("Screen Title Properties"));
            QCOMPARE(sheet->Page(0)->Caption(), QStringLiteral("Screen Title"));
            Type(sheet, "Screen Title", "New Text:", QStringLiteral("Orders"));
            Ok(sheet);
        });
        QVERIFY(sheets::OpenScreenTitleSheet(Context(screen)));
        QCOMPARE(WorkFile(screen), std::string("window\n\t{\n\ttitle = \"Orders\"\n\t}\n"));
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            QTest::mouseClick(sheet->ResetButton(), Qt::LeftButton);
            Ok(sheet);
        });
        QVERIFY(sheets::OpenScreenTitleSheet(Context(screen)));
        QCOMPARE(screen.Title().Current(), std::string("Order Entry"));
    }

    void attributesPageWantsADefaultBeforeHiding() {
        CMyPropertySheet sheet(sheets::SheetKind::Accept, QStringLiteral("Entry Field Properties--X"), sink_);
        auto* defaults = new FakeDefaultPage;
        const int defaultIndex = sheet.AddPage(defaults, sheets::PageRole::DefaultValue);
        auto* attributes = new sheets::CSuppressPageDlg;
        const int attributesIndex = sheet.AddPage(attributes, sheets::PageRole::Attributes);
        attributes->SetDefaultChecks(&sheet, defaultIndex);
        sheet.show();
        sheet.SetActivePage(attributesIndex);
        const struct {
            const char* box;
            const char* refusal;
        } boxes[] = {{"Suppress", "Sorry, could not hide a field without default values"},
                     {"Read Only", "Sorry, could not make a field readonly without default values"}};
        for (const auto& row : boxes) {
            sink_.Clear();
            sheet.SetActivePage(attributesIndex);
            Click(&sheet, "Attributes", row.box);
            QCOMPARE(sink_.Messages(), std::vector<std::string>{row.refusal});
            QCOMPARE(sheet.ActivePageIndex(), defaultIndex);
            QVERIFY(!On<QCheckBox>(&sheet, "Attributes", row.box)->isChecked());
        }
        defaults->text = "A";
        sink_.Clear();
        sheet.SetActivePage(attributesIndex);
        Click(&sheet, "Attributes", "Suppress");
        QVERIFY(sink_.Messages().empty());
        QVERIFY(attributes->NewSuppressed());
    }

    void helpButtonSitsBesideOkAndOpensThePagesHelp() {
        CMyPropertySheet sheet(sheets::SheetKind::Display, QStringLiteral("Display Text Properties"), sink_);
        sheet.AddPage(new sheets::CTextPageDlg, sheets::PageRole::Text);
        auto* format = new sheets::CPicturePageDlg(&sheet);
        sheet.AddPage(format, sheets::PageRole::Format);
        std::vector<int> opened;
        sheet.SetHelpOpener([&opened](QWidget*, int context) { opened.push_back(context); });
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QCOMPARE(sheet.HelpButton()->x(), 9);
        QCOMPARE(sheet.HelpButton()->y(), sheet.OkButton()->y());
        QCOMPARE(sheet.HelpButton()->size(), sheet.OkButton()->size());
        QVERIFY(sheet.HelpButton()->geometry().right() < sheet.OkButton()->x());
        QTest::mouseClick(sheet.HelpButton(), Qt::LeftButton);
        sheet.SetActivePage(1);
        QTest::mouseClick(format->FormatHelpButton(), Qt::LeftButton);
        QCOMPARE(opened, (std::vector<int>{62, 65}));
    }

    void colourButtonsChooseThroughTheColourChooser() {
        model::CScreenModel& screen = Entry("CUSTOMER");
        model::CDispText* name = screen.FindDisplayByOriginalText("Name:");
        WhenShown<CMyPropertySheet>([](CMyPropertySheet* sheet) {
            auto* foreground = On<sheets::ColourButton>(sheet, "Color", "Foreground Color:");
            QVERIFY(foreground != nullptr);
            WhenShown<QColorDialog>([foreground](QColorDialog* chooser) {
                QCOMPARE(sheets::FromQColor(chooser->currentColor()), foreground->Colour());
                chooser->setCurrentColor(QColor(255, 0, 0));
                chooser->accept();
            });
            foreground->click();
            QCOMPARE(sheet->findChild<QLabel*>(QStringLiteral("foregroundName"))->text(), QStringLiteral("red"));
            Ok(sheet);
        });
        QVERIFY(sheets::OpenDisplaySheet(Context(screen), *name));
        const std::string work = WorkFile(screen);
        QVERIFY2(work.find("\tcolor = red/") != std::string::npos, work.c_str());
    }
};

QTEST_MAIN(SheetsTest)
#include "sheets_test.moc"
