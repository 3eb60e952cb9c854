// The front end's windows on the offscreen platform, with the real batch
// tool on trees of programs written by the image writer. Message boxes and
// forms are answered through their own widgets.

#include <QAccessible>
#include <QAbstractButton>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

#include "promptsweep_ui/qt/check_results.h"
#include "promptsweep_ui/qt/edit_request_dialog.h"
#include "promptsweep_ui/qt/main_window.h"
#include "tessellar/settings/qt/registry.h"
#include "tools/opimage/image.h"
#include "testsupport/modal_dialogs.h"

namespace sweepui {

namespace {

constexpr auto kUser = settings::RegistryRoot::CurrentUser;
constexpr const char* kTipsKey = "SOFTWARE\\ORVALE\\PROMPTSWEEP\\Settings";

// A program whose screen title holds "Customer".
opimage::Program CustomerProgram() {
    opimage::Program program;
    opimage::Entry screen{.kind = opimage::EntryKind::Screen, .name = "custmaint"};
    screen.title = opimage::Text("Customer Maintenance");
    program.entries = {screen};
    return program;
}

void WriteFile(const QString& path, const QByteArray& text, bool executable = false) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Acts on the next modal window once it is up and active (a message box or a form).
// `after`: a modal window that is up now and is not the one meant.
void WhenModal(std::function<void(QWidget*)> act, QWidget* after = nullptr) {
    testsupport::OnNextModal<QWidget>(nullptr, std::move(act), {{}, after});
}

// Records the next message box's text and presses one of its buttons.
void AnswerMessage(QString* text, QMessageBox::StandardButton answer = QMessageBox::Ok) {
    WhenModal([text, answer](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return;
        if (text != nullptr) *text = box->text();
        QAbstractButton* button = box->button(answer);
        if (button == nullptr) button = box->buttons().value(0);
        button->click();
    });
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

public slots:
    void OpenedUrl(const QUrl& url) { openedUrls_ << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void ControlsCarryTheirNamesAndCaptions();
    void SettingsAndListAreReadAtStartAndWrittenByOk();
    void ValidationTextsAndEnabling();
    void AddEditAndDeletePairs();
    void AReplacementEqualToItsFindStringCannotBeConfirmed();
    void TipsShowUntilSwitchedOff();
    void FullRunShowsItsLinesClearsTheListAndOpensTheLogOnce();
    void ReportOnlyRunKeepsTheListAndFindsTheLogInTheOutputDirectory();
    void AWritingRunOffersTheCheckOfItsOverrideFiles_data();
    void AWritingRunOffersTheCheckOfItsOverrideFiles();
    void AConsoleCopyThatNeverComesEndsInFailedToStart();
    void ExitWhileTheToolRunsAsksAndStopsIt();
    void HelpPagesOrTheirAbsence();

private:
    QString Path(const QString& name) const { return root_->filePath(name); }
    MainWindow& Window();
    template <typename T>
    T* Control(const char* name) {
        T* control = Window().findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) qFatal("no control %s", name);
        return control;
    }
    // A stand-in tool beside the front end that runs for a while and writes
    // no console copy.
    void UseSilentTool() {
        QFile::remove(Path("bin/promptsweep"));
        WriteFile(Path("bin/promptsweep"), "#!/bin/sh\nexec sleep 30\n", true);
        setup_.round = std::chrono::milliseconds(20);  // its start-up rounds all run out
    }
    void FillForm(const QString& start, const QString& find, const QString& replace);
    QString Results() { return Control<QPlainTextEdit>("txtShowConResults")->toPlainText(); }

    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<settings::Registry> registry_;
    FrontEndSetup setup_;
    std::unique_ptr<MainWindow> window_;
    QList<QUrl> openedUrls_;
};

void WindowTest::initTestCase() {
    // Nothing a test does may start the desktop's own viewers.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenedUrl");
}

void WindowTest::init() {
    root_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(root_->path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(root_->path()).mkpath(QStringLiteral("progs")));
    QVERIFY(QFile::link(QStringLiteral(PROMPTSWEEP_BINARY), Path("bin/promptsweep")));
    QVERIFY(QFile::link(QStringLiteral(SCFCHECK_BINARY), Path("bin/scfcheck")));
    QVERIFY(opimage::WriteFile(CustomerProgram(), Path("progs/cust.op6").toStdString()));
    registry_ = std::make_unique<settings::Registry>(settings::RegistryLocations::InDirectory(Path("registry")));
    registry_->WriteString(kUser, kTipsKey, "Tip1", "0");
    registry_->WriteString(kUser, kTipsKey, "Tip2", "0");
    // The log viewer: a script that notes every file it is asked to show.
    WriteFile(Path("viewer"), ("#!/bin/sh\necho \"$1\" >> '" + Path("viewed.txt") + "'\n").toUtf8(), true);
    registry_->WriteString(settings::RegistryRoot::LocalMachine, "Software\\ORVALE\\Environment", "EDIT",
                           Path("viewer").toStdString());
    setup_ = FrontEndSetup{};
    setup_.programDirectory = Path("bin");
    setup_.listFile = Path("bin/replacelist.txt");
    setup_.settingsFile = Path("promptsweep.ini");
    setup_.registry = registry_.get();
    // Ten start-up rounds must outlast the tool's start under sanitizers on
    // a loaded machine, or the run is called failed to start.
    setup_.round = std::chrono::milliseconds(250);
    openedUrls_.clear();
}

void WindowTest::cleanup() {
    window_.reset();
    registry_.reset();
    root_.reset();
}

MainWindow& WindowTest::Window() {
    if (!window_) {
        window_ = std::make_unique<MainWindow>(setup_);
        window_->show();
        // A tip may be up at once and keep the window from becoming active.
        (void)QTest::qWaitForWindowActive(window_.get());
    }
    return *window_;
}

void WindowTest::FillForm(const QString& start, const QString& find, const QString& replace) {
    WriteFile(setup_.listFile, ("\"" + find + "\",\"" + replace + "\"\n").toUtf8());
    Window();
    Control<QLineEdit>("txtPath")->setText(start);
}

void WindowTest::ControlsCarryTheirNamesAndCaptions() {
    QCOMPARE(Window().windowTitle(), QStringLiteral("Prompt Sweep - Ver. 0.1.0"));
    // Screen readers announced the plain top-level widget as a filler.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&Window());
    QVERIFY(window != nullptr);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), Window().windowTitle());
    const std::pair<const char*, const char*> named[] = {
        {"txtPath", "Path to Process:"},
        {"cmdBrowse_0", "..."},
        {"cmdEntry", "Add"},
        {"cmdEdit", "Edit"},
        {"cmdDelRec", "Delete"},
        {"optLocate_0", "Directory Where Programs Found"},
        {"optLocate_1", "Directory Structure under Nominated Directory :"},
        {"optLocate_2", "All in the Nominated Directory"},
        {"Label10", "Place SCF Files in :"},
        {"txtDirOut", "Place SCF Files in :"},
        {"cmdBrowse_1", "..."},
        {"chkReportOnly", "Report Only Mode"},
        {"chkExcludeSubDirs", "Exclude Sub Directories"},
        {"chkOverride", "Override Previous Replacement (Same String)"},
        {"cmdGo", "OK"},
        {"cmdExit", "Cancel"},
        {"cmdHelp", "Help"},
        {"cmdViewLog", "View Log"},
    };
    for (const auto& [name, caption] : named) {
        QCOMPARE(Control<QWidget>(name)->accessibleName(), QString::fromLatin1(caption));
    }
    auto* list = Control<QTreeWidget>("ListView1");
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Find"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Replace With"));
    QVERIFY(Control<QRadioButton>("optLocate_0")->isChecked());
    QVERIFY(!Control<QLineEdit>("txtDirOut")->isEnabled());
    QVERIFY(!Control<QPushButton>("cmdBrowse_1")->isEnabled());
    QTest::mouseClick(Control<QRadioButton>("optLocate_2"), Qt::LeftButton);
    QVERIFY(Control<QLineEdit>("txtDirOut")->isEnabled());
    QVERIFY(Control<QPushButton>("cmdBrowse_1")->isEnabled());
    QVERIFY(!Control<QWidget>("txtShowConResults")->isVisible());
}

void WindowTest::SettingsAndListAreReadAtStartAndWrittenByOk() {
    WriteFile(setup_.settingsFile, (Path("progs") + "\n" + Path("out") + "\n1\n1\n0\n1\n").toUtf8());
    WriteFile(setup_.listFile, "\"Customer\" , \"Client\"\n\"Qty\",\"Quantity\"\n");
    QCOMPARE(Control<QLineEdit>("txtPath")->text(), Path("progs"));
    QCOMPARE(Control<QLineEdit>("txtDirOut")->text(), Path("out"));
    QVERIFY(Control<QRadioButton>("optLocate_1")->isChecked());
    QVERIFY(Control<QLineEdit>("txtDirOut")->isEnabled());
    QVERIFY(Control<QCheckBox>("chkExcludeSubDirs")->isChecked());
    QVERIFY(!Control<QCheckBox>("chkOverride")->isChecked());
    QVERIFY(Control<QCheckBox>("chkReportOnly")->isChecked());
    auto* list = Control<QTreeWidget>("ListView1");
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Client"));
    QVERIFY(Control<QPushButton>("cmdGo")->isEnabled());

    // OK writes both files back before it starts the tool.
    Control<QCheckBox>("chkOverride")->setChecked(true);
    Control<QCheckBox>("chkExcludeSubDirs")->setChecked(false);
    QTest::mouseClick(Control<QPushButton>("cmdGo"), Qt::LeftButton);
    QCOMPARE(ReadFile(setup_.settingsFile), (Path("progs") + "\n" + Path("out") + "\n1\n0\n1\n1\n").toUtf8());
    QCOMPARE(ReadFile(setup_.listFile), QByteArray("\"Customer\",\"Client\"\n\"Qty\",\"Quantity\"\n"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Path("viewed.txt")), 20000);
}

void WindowTest::ValidationTextsAndEnabling() {
    auto* go = Control<QPushButton>("cmdGo");
    QVERIFY(!go->isEnabled());
    QVERIFY(!Control<QPushButton>("cmdEdit")->isEnabled());
    QVERIFY(!Control<QPushButton>("cmdDelRec")->isEnabled());
    QVERIFY(!Control<QPushButton>("cmdViewLog")->isEnabled());
    QString text;
    AnswerMessage(&text);
    const ValidationOutcome outcome = Window().ValidateForm(true);
    QCOMPARE(text, QStringLiteral("- You must specify a valid PATH to PROCESS first\n"
                                  "- You must specify Strings to Find and Replace\n"));
    QVERIFY(!outcome.goEnabled);

    // Leaving the start directory checks it alone.
    auto* path = Control<QLineEdit>("txtPath");
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    path->setFocus();
    QTest::keyClicks(path, Path("missing"));
    AnswerMessage(&text);
    Control<QCheckBox>("chkOverride")->setFocus(Qt::TabFocusReason);
    QCOMPARE(text, QStringLiteral("- INVALID DIRECTORY - You must specify a VALID PATH to PROCESS first"));

    // A nominated location wants its directory; the focus goes there.
    FillForm(Path("progs"), QStringLiteral("Customer"), QStringLiteral("Client"));
    QTest::mouseClick(Control<QRadioButton>("optLocate_1"), Qt::LeftButton);
    QVERIFY(!go->isEnabled());
    AnswerMessage(&text);
    Window().ValidateForm(true);
    QCOMPARE(text, QStringLiteral("- You must specify Strings to Find and Replace\n"
                                  "- Please ensure you specify an OUTPUT DIRECTORY\n"));
    QCOMPARE(Window().focusWidget(), Control<QWidget>("txtDirOut"));
    QVERIFY(!QFile::exists(setup_.settingsFile));
    QCOMPARE(go->toolTip(), QStringLiteral("- You must specify Strings to Find and Replace\n"
                                           "- Please ensure you specify an OUTPUT DIRECTORY"));

    // A pair a list file brought in with a carriage return stops the run here.
    QTest::mouseClick(Control<QRadioButton>("optLocate_0"), Qt::LeftButton);
    auto* list = Control<QTreeWidget>("ListView1");
    list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("Acc\rount"), QStringLiteral("Ledger")}));
    Window().ValidateForm(false);
    QVERIFY(!go->isEnabled());
    QCOMPARE(go->toolTip(),
             QStringLiteral("- The Find and REPLACEMENT texts cannot hold a line end or a carriage return"));
    delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    Window().ValidateForm(false);
    QCOMPARE(go->toolTip(), QStringLiteral("- You must specify Strings to Find and Replace"));
}

void WindowTest::AddEditAndDeletePairs() {
    FillForm(Path("progs"), QStringLiteral("Qty"), QStringLiteral("Quantity"));
    auto* list = Control<QTreeWidget>("ListView1");
    QCOMPARE(list->topLevelItemCount(), 1);

    // Add asks again and again: one pair with blanks around it, one with an
    // empty replacement (not added), then Cancel.
    auto fill = [](QWidget* form, const QString& find, const QString& replace, const char* button) {
        form->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(find);
        form->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(replace);
        form->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    };
    WhenModal([&](QWidget* first) {
        QCOMPARE(first->windowTitle(), QStringLiteral("Prompt Sweep Request"));
        WhenModal([&](QWidget* second) {
            WhenModal([&](QWidget* third) { fill(third, {}, {}, "cmdExit"); }, second);
            fill(second, QStringLiteral("Name"), QString(), "cmdOk");
        }, first);
        fill(first, QStringLiteral("  Customer "), QStringLiteral(" Client"), "cmdOk");
    });
    QTest::mouseClick(Control<QPushButton>("cmdEntry"), Qt::LeftButton);
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Customer"));
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("Client"));

    list->setCurrentItem(list->topLevelItem(0));
    WhenModal([&](QWidget* form) {
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("Qty"));
        fill(form, QStringLiteral("Qty"), QStringLiteral("Amount"), "cmdOk");
    });
    QTest::mouseClick(Control<QPushButton>("cmdEdit"), Qt::LeftButton);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Amount"));

    QString question;
    AnswerMessage(&question, QMessageBox::Cancel);
    QTest::mouseClick(Control<QPushButton>("cmdDelRec"), Qt::LeftButton);
    QCOMPARE(question, QStringLiteral("Ok to remove 'Qty'"));
    QCOMPARE(list->topLevelItemCount(), 2);
    AnswerMessage(nullptr, QMessageBox::Ok);
    QTest::mouseClick(Control<QPushButton>("cmdDelRec"), Qt::LeftButton);
    QCOMPARE(list->topLevelItemCount(), 1);
    list->setCurrentItem(list->topLevelItem(0));
    AnswerMessage(nullptr, QMessageBox::Ok);
    QTest::mouseClick(Control<QPushButton>("cmdDelRec"), Qt::LeftButton);
    QCOMPARE(list->topLevelItemCount(), 0);
    QVERIFY(!Control<QPushButton>("cmdEdit")->isEnabled());
    QVERIFY(!Control<QPushButton>("cmdGo")->isEnabled());
}

void WindowTest::AReplacementEqualToItsFindStringCannotBeConfirmed() {
    TipSwitches tips(*registry_);
    EditRequestDialog form(nullptr, tips, QStringLiteral("Customer"), QStringLiteral(" Customer "));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QString text;
    AnswerMessage(&text);
    form.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    QCOMPARE(text, QStringLiteral("The REPLACEMENT text needs to be different to the Find text"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(form.focusWidget(), form.findChild<QLineEdit*>(QStringLiteral("Text2")));

    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("Client"));
    form.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void WindowTest::TipsShowUntilSwitchedOff() {
    registry_->WriteString(kUser, kTipsKey, "Tip1", "1");
    registry_->WriteString(kUser, kTipsKey, "Tip2", "1");
    QString startTip;
    WhenModal([&](QWidget* tips) {
        QCOMPARE(tips->windowTitle(), QStringLiteral("Please Note ..."));
        startTip = tips->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        tips->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    });
    Window();
    QTRY_COMPARE(startTip, QStringLiteral("Before you begin you should familiarise yourself with the Overview and "
                                          "Global Replacement Rules..."));
    QCOMPARE(registry_->ReadString(kUser, kTipsKey, "Tip2"), std::optional<std::string>("1"));

    // Leaving a replacement longer than its find string warns, until the
    // box is ticked.
    TipSwitches tips(*registry_);
    EditRequestDialog form(nullptr, tips, QStringLiteral("Cust"), QStringLiteral("Customer"));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QString longerTip;
    WhenModal([&](QWidget* tip) {
        longerTip = tip->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        tip->findChild<QCheckBox*>(QStringLiteral("chkDontShowTipAgain"))->setChecked(true);
        tip->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    });
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setFocus();
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(longerTip, QStringLiteral("Please Note: The NEW Text is LONGER than the OLD.\n"
                                       "This may result in text that overlays other Screen objects."));
    QCOMPARE(registry_->ReadString(kUser, kTipsKey, "Tip1"), std::optional<std::string>("0"));
    QVERIFY(!tips.IsOn(Tip::LongerTip));
}

void WindowTest::FullRunShowsItsLinesClearsTheListAndOpensTheLogOnce() {
    FillForm(Path("progs"), QStringLiteral("Customer"), QStringLiteral("Client"));
    auto* go = Control<QPushButton>("cmdGo");
    QVERIFY(!Control<QPushButton>("cmdViewLog")->isEnabled());
    QTest::mouseClick(go, Qt::LeftButton);
    QVERIFY(!go->isEnabled());
    QVERIFY(Control<QWidget>("txtShowConResults")->isVisible());
    QVERIFY(Control<QProgressBar>("barBusy")->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Path("viewed.txt")), 20000);
    const QString program = Path("progs/cust.op6");
    // One dot a round until the console copy is there and more than three
    // rounds have passed: how many depends on how fast the tool starts.
    const QRegularExpression run(QStringLiteral("^ Starting Process \\n\\.{4,10}\\n <Process Started>\\n\\n") +
                                 QRegularExpression::escape(program) +
                                 QStringLiteral(" -> cust\\.scf\\n\\n\\nProcess Finished\\n Process Finished\\n"
                                                " Please Wait - Opening Log File \\.\\.\\.$"));
    QVERIFY2(run.match(Results()).hasMatch(), qPrintable(Results()));
    QCOMPARE(Control<QLabel>("lblProgress")->text(), QStringLiteral("Programs processed: 1"));
    QVERIFY(QFile::exists(Path("progs/cust.scf")));
    QVERIFY(ReadFile(Path("progs/promptsweeplog.txt")).contains("# Summary - Checked 1 OP6 programs"));
    // The pairs have been applied: the list is empty, in the file too.
    QCOMPARE(Control<QTreeWidget>("ListView1")->topLevelItemCount(), 0);
    QCOMPARE(ReadFile(setup_.listFile), QByteArray());
    QVERIFY(!Control<QWidget>("txtShowConResults")->isVisible());
    QVERIFY(Control<QPushButton>("cmdViewLog")->isEnabled());
    QVERIFY(!go->isEnabled());  // no pairs left

    // The finishing steps ran once: the viewer was started once.
    QTest::qWait(300);
    QCOMPARE(ReadFile(Path("viewed.txt")), (Path("progs/promptsweeplog.txt") + "\n").toUtf8());
}

// Each place the run puts its files is where the check looks: a section for
// a screen the program lacks, added to the sub-directory's file after the
// run, is the one finding, named by that file.
void WindowTest::AWritingRunOffersTheCheckOfItsOverrideFiles_data() {
    QTest::addColumn<int>("location");
    QTest::addColumn<QString>("spoilt");
    QTest::newRow("beside the programs") << 0 << QStringLiteral("progs/sub/order.scf");
    QTest::newRow("a mirror of the tree") << 1 << QStringLiteral("out/sub/order.scf");
    QTest::newRow("all in one directory") << 2 << QStringLiteral("out/order.scf");
}

void WindowTest::AWritingRunOffersTheCheckOfItsOverrideFiles() {
    QFETCH(int, location);
    QFETCH(QString, spoilt);
    opimage::Program order = CustomerProgram();
    order.entries.front().name = "ordmaint";
    order.entries.front().title = opimage::Text("Customer Orders");
    QVERIFY(QDir(root_->path()).mkpath(QStringLiteral("progs/sub")));
    QVERIFY(opimage::WriteFile(order, Path("progs/sub/order.op6").toStdString()));
    FillForm(Path("progs"), QStringLiteral("Customer"), QStringLiteral("Client"));
    Control<QRadioButton>(QStringLiteral("optLocate_%1").arg(location).toLatin1().constData())->click();
    Control<QLineEdit>("txtDirOut")->setText(Path("out"));
    auto* check = Control<QPushButton>("cmdCheck");
    QVERIFY(check->isHidden());
    QTest::mouseClick(Control<QPushButton>("cmdGo"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(check->isVisible(), 20000);
    QCOMPARE(check->text(), QStringLiteral("Check the override files"));
    QVERIFY(QFile::exists(Path(spoilt)));

    QFile file(Path(spoilt));
    QVERIFY(file.open(QIODevice::Append));
    file.write("screen NOSUCH\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Nothing\"\n\t\t}\n\t}\n");
    file.close();
    QString heading;
    QStringList rows;
    WhenModal([&heading, &rows](QWidget* modal) {
        auto* results = qobject_cast<CheckResults*>(modal);
        if (results == nullptr) return;
        heading = results->Heading();
        for (int row = 0; row < results->Findings()->count(); ++row) rows << results->Findings()->item(row)->text();
        results->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    });
    QTest::mouseClick(check, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!heading.isEmpty(), 20000);
    QCOMPARE(heading, QStringLiteral("1 problem found in the override files:"));
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows.front().startsWith(Path(spoilt) + ":") && rows.front().contains("screen NOSUCH: error:"),
             qPrintable(rows.front()));
}

void WindowTest::ReportOnlyRunKeepsTheListAndFindsTheLogInTheOutputDirectory() {
    FillForm(Path("progs"), QStringLiteral("Customer"), QStringLiteral("Client"));
    Control<QCheckBox>("chkReportOnly")->setChecked(true);
    Control<QLineEdit>("txtDirOut")->setText(Path("out"));  // kept although beside the programs is chosen
    QTest::mouseClick(Control<QPushButton>("cmdGo"), Qt::LeftButton);
    // The viewer's shell makes the file before it writes the line: wait for the line.
    QTRY_COMPARE_WITH_TIMEOUT(ReadFile(Path("viewed.txt")), (Path("out/promptsweeplog.txt") + "\n").toUtf8(), 20000);
    QVERIFY(ReadFile(Path("out/promptsweeplog.txt")).contains("Report Only"));
    QVERIFY(!QFile::exists(Path("progs/cust.scf")));
    QCOMPARE(Control<QTreeWidget>("ListView1")->topLevelItemCount(), 1);
    QCOMPARE(ReadFile(setup_.listFile), QByteArray("\"Customer\",\"Client\"\n"));
    QVERIFY(Control<QPushButton>("cmdViewLog")->isEnabled());
    QVERIFY(Control<QPushButton>("cmdGo")->isEnabled());
}

void WindowTest::AConsoleCopyThatNeverComesEndsInFailedToStart() {
    UseSilentTool();
    FillForm(Path("progs"), QStringLiteral("Customer"), QStringLiteral("Client"));
    QString text;
    AnswerMessage(&text);
    QTest::mouseClick(Control<QPushButton>("cmdGo"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(text, QStringLiteral("ERROR: Process failed to start"), 5000);
    QCOMPARE(Results(), QStringLiteral(" Starting Process \n..........."));
    QTRY_VERIFY(Control<QPushButton>("cmdGo")->isEnabled());
    // Nothing was finished: no log, and the pairs stay.
    QTest::qWait(200);
    QVERIFY(!QFile::exists(Path("viewed.txt")));
    QCOMPARE(Control<QTreeWidget>("ListView1")->topLevelItemCount(), 1);
}

void WindowTest::ExitWhileTheToolRunsAsksAndStopsIt() {
    UseSilentTool();
    setup_.round = std::chrono::milliseconds(1000);
    FillForm(Path("progs"), QStringLiteral("Customer"), QStringLiteral("Client"));
    QTest::mouseClick(Control<QPushButton>("cmdGo"), Qt::LeftButton);
    QVERIFY(Window().Running());

    QString question;
    AnswerMessage(&question, QMessageBox::No);
    QVERIFY(!Window().close());
    QCOMPARE(question, QStringLiteral("Your replacement process is currently running.\n"
                                      "Cancelling at this point has the potential to corrupt SCF files.\n"
                                      "Additionally some SCF files will not have been updated.\n\n"
                                      "Are you sure you want to Exit now ?"));
    QVERIFY(Window().isVisible());
    QVERIFY(Window().Running());

    AnswerMessage(nullptr, QMessageBox::Yes);
    QVERIFY(Window().close());
    QTRY_VERIFY(!Window().Running());
    QVERIFY(!QFile::exists(Path("viewed.txt")));
}

void WindowTest::HelpPagesOrTheirAbsence() {
    QString text;
    AnswerMessage(&text);
    QTest::mouseClick(Control<QPushButton>("cmdHelp"), Qt::LeftButton);
    QCOMPARE(text, QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."));

    QVERIFY(QDir(Path("bin")).mkpath(QStringLiteral("help")));
    WriteFile(Path("bin/help/index.html"), "<html></html>");
    QTest::mouseClick(Control<QPushButton>("cmdHelp"), Qt::LeftButton);
    QCOMPARE(openedUrls_, QList<QUrl>{QUrl::fromLocalFile(Path("bin/help/index.html"))});
}

}  // namespace sweepui

QTEST_MAIN(sweepui::WindowTest)
#include "window_test.moc"
