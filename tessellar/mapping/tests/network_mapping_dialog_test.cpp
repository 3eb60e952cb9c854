#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "platform/message_sink.h"
#include "tessellar/mapping/qt/map_network_drive.h"
#include "platform/qt/message_box_sink.h"
#include "tessellar/mapping/qt/network_drive_mapping_dialog.h"
#include "tessellar/mapping/qt/network_mapping_dialog.h"
#include "tessellar/settings/qt/registry.h"
#include "tessellar/settings/memory_registry.h"
#include "tessellar/settings/registry_keys.h"
#include "testsupport/modal_dialogs.h"

namespace mapping {

namespace {

// Acts on the next modal dialog of the given kind once it is up and active.
template <typename Dialog, typename Action>
void OnNextModal(QObject* owner, Action action) {
    testsupport::OnNextModal<Dialog>(owner, std::function<void(Dialog*)>(std::move(action)));
}

template <typename Widget>
Widget* Child(QWidget* parent, const char* name) {
    return parent->findChild<Widget*>(QString::fromLatin1(name));
}

QStringList Rows(QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) rows << list->item(row)->text();
    return rows;
}

}  // namespace

class NetworkMappingDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    // A dialog that never came must not be acted on by a later test.
    void cleanup() { qDeleteAll(findChildren<QTimer*>(Qt::FindDirectChildrenOnly)); }

    void ForwardDialogShowsTextsListsAndFirstRow();
    void EitherListSelectsTheRowThatOkReturns();
    void EmptyListDisablesMappingAndOk();
    void ReverseDialogListsByClientPath();
    void DoubleClickMapsTheRowAndStoresIt();
    void MappingToAMissingFolderWarns();
    void BrowsePutsTheFolderIntoTheEdit();
    void HelpAsksForItsTopic();
    void PromptTranslatesAServerPath();
    void MessageBoxShowsCodePageText();
    void MapNetworkDriveCommandTexts();

private:
    MappingRequest Forward(const std::string& file, unsigned use = kUseProgramPath) {
        return {MappingDirection::ServerToClient, file, use};
    }

    std::unique_ptr<QTemporaryDir> folder_;
    DirectoryMappings mappings_;
    settings::MemoryRegistry registry_;
    platform::RecordingMessageSink messages_;
};

void NetworkMappingDialogTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    mappings_.Clear();
    registry_ = settings::MemoryRegistry();
    messages_.Clear();
    mappings_.FindOrCreateByServer("/usr/progs", kUseProgramPath).clientPath = "P:\\progs";
    mappings_.FindOrCreateByServer("/usr", kUseProgramPath | kUseOverrideFile);
    mappings_.FindOrCreateByServer("/opt/tools", kUseTriggerProgram).clientPath = "A:\\tools";
}

void NetworkMappingDialogTest::ForwardDialogShowsTextsListsAndFirstRow() {
    NetworkMappingDialog dialog(Forward("/usr/progs/a.op6"), mappings_, registry_, messages_);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Network Mapping"));
    QCOMPARE(Child<QLabel>(&dialog, "message")->text(),
             QStringLiteral("The Client path to the following Server file is unknown. Please map one of the listed "
                            "Server directories to its equivalent network directory path accessible from Client. "
                            "\nServer file: </usr/progs/a.op6>"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("Server directory :")));
    QVERIFY(labels.contains(QStringLiteral("Client network path :")));
    QCOMPARE(Child<QPushButton>(&dialog, "help")->text(), QStringLiteral("Help"));
    QCOMPARE(Child<QPushButton>(&dialog, "mapNetworkDrive")->text(), QStringLiteral("Map  Network Drive"));
    QCOMPARE(Child<QPushButton>(&dialog, "ok")->text(), QStringLiteral("OK"));
    QCOMPARE(Child<QPushButton>(&dialog, "cancel")->text(), QStringLiteral("Cancel"));

    auto* servers = Child<QListWidget>(&dialog, "serverList");
    auto* clients = Child<QListWidget>(&dialog, "clientList");
    QCOMPARE(Rows(servers), QStringList({"/usr", "/usr/progs"}));  // the trigger program's entry is not for this use
    QCOMPARE(Rows(clients), QStringList({"", "P:\\progs"}));
    QCOMPARE(servers->currentRow(), 0);
    QCOMPARE(clients->currentRow(), 0);
    QVERIFY(Child<QPushButton>(&dialog, "mapNetworkDrive")->isEnabled());
    QVERIFY(Child<QPushButton>(&dialog, "ok")->isEnabled());
}

void NetworkMappingDialogTest::EitherListSelectsTheRowThatOkReturns() {
    NetworkMappingDialog dialog(Forward("/usr/progs/a.op6"), mappings_, registry_, messages_);
    Child<QListWidget>(&dialog, "clientList")->setCurrentRow(1);
    QCOMPARE(Child<QListWidget>(&dialog, "serverList")->currentRow(), 1);
    QTest::mouseClick(Child<QPushButton>(&dialog, "ok"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Chosen(), std::optional<std::string>("/usr/progs"));

    NetworkMappingDialog cancelled(Forward("/usr/progs/a.op6"), mappings_, registry_, messages_);
    QTest::mouseClick(Child<QPushButton>(&cancelled, "cancel"), Qt::LeftButton);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    QVERIFY(!cancelled.Chosen().has_value());
}

void NetworkMappingDialogTest::EmptyListDisablesMappingAndOk() {
    DirectoryMappings none;
    NetworkMappingDialog forward(Forward(""), none, registry_, messages_);
    QCOMPARE(Child<QLabel>(&forward, "message")->text(),
             QStringLiteral("Please map one of the listed Server directories to its equivalent network directory "
                            "path accessible from Client."));
    QVERIFY(!Child<QPushButton>(&forward, "mapNetworkDrive")->isEnabled());
    QVERIFY(!Child<QPushButton>(&forward, "ok")->isEnabled());
    QVERIFY(Child<QPushButton>(&forward, "cancel")->isEnabled());

    NetworkMappingDialog reverse({MappingDirection::ClientToServer, "", kUseTriggerProgram}, none, registry_,
                                 messages_);
    QCOMPARE(Child<QLabel>(&reverse, "message")->text(),
             QStringLiteral("Please reverse map one of the listed Client network directories to its equivalent "
                            "Server path accessible from server."));
}

void NetworkMappingDialogTest::ReverseDialogListsByClientPath() {
    mappings_.FindOrCreateByClient("B:\\bin", kUseTriggerProgram);
    NetworkMappingDialog dialog({MappingDirection::ClientToServer, "B:\\bin\\t.exe", kUseTriggerProgram}, mappings_,
                                registry_, messages_);
    QCOMPARE(Child<QLabel>(&dialog, "message")->text(),
             QStringLiteral("The Server path to the following Client file is unknown. Please reverse map one of the "
                            "listed Client directories to its equivalent server path accessible from Server. "
                            "\nClient file: <B:\\bin\\t.exe>"));
    QCOMPARE(Rows(Child<QListWidget>(&dialog, "clientList")), QStringList({"A:\\tools", "B:\\bin"}));
    QCOMPARE(Rows(Child<QListWidget>(&dialog, "serverList")), QStringList({"/opt/tools", ""}));
    QTest::mouseClick(Child<QPushButton>(&dialog, "ok"), Qt::LeftButton);
    QCOMPARE(dialog.Chosen(), std::optional<std::string>("A:\\tools"));
}

void NetworkMappingDialogTest::DoubleClickMapsTheRowAndStoresIt() {
    NetworkMappingDialog dialog(Forward("/usr/progs/a.op6"), mappings_, registry_, messages_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* servers = Child<QListWidget>(&dialog, "serverList");
    servers->setCurrentRow(1);

    const QString target = QDir::toNativeSeparators(folder_->path());
    QString shownTitle, shownText;
    OnNextModal<NetworkDriveMappingDialog>(this, [&](NetworkDriveMappingDialog* edit) {
        shownTitle = edit->windowTitle();
        auto* text = Child<QLineEdit>(edit, "newText");
        shownText = text->text();
        text->setText(target);
        QTest::mouseClick(Child<QPushButton>(edit, "ok"), Qt::LeftButton);
    });
    const QPoint row = servers->visualItemRect(servers->item(1)).center();
    QTest::mouseClick(servers->viewport(), Qt::LeftButton, {}, row);  // a double click follows a press on the row
    QTest::mouseDClick(servers->viewport(), Qt::LeftButton, {}, row);

    QCOMPARE(shownTitle, QStringLiteral("Network Drive Mapping"));
    QCOMPARE(shownText, QStringLiteral("P:\\progs"));
    QCOMPARE(Child<QListWidget>(&dialog, "clientList")->item(1)->text(), target);
    QCOMPARE(registry_.ReadString(settings::RegistryRoot::LocalMachine, settings::keys::kMapping, "/usr/progs"),
             std::optional<std::string>(target.toStdString()));
    QVERIFY(messages_.Messages().empty());
}

void NetworkMappingDialogTest::MappingToAMissingFolderWarns() {
    NetworkMappingDialog dialog(Forward("/usr/progs/a.op6"), mappings_, registry_, messages_);
    OnNextModal<NetworkDriveMappingDialog>(this, [](NetworkDriveMappingDialog* edit) {
        Child<QLineEdit>(edit, "newText")->setText(QStringLiteral("   "));
        edit->accept();
    });
    dialog.MapSelectedEntry();
    QCOMPARE(Child<QListWidget>(&dialog, "clientList")->item(0)->text(), QString());
    QVERIFY(messages_.Messages().empty());

    OnNextModal<NetworkDriveMappingDialog>(this, [](NetworkDriveMappingDialog* edit) {
        Child<QLineEdit>(edit, "newText")->setText(QStringLiteral("Z:\\nowhere"));
        edit->accept();
    });
    dialog.MapSelectedEntry();
    QCOMPARE(Child<QListWidget>(&dialog, "clientList")->item(0)->text(), QStringLiteral("Z:\\nowhere"));
    QCOMPARE(messages_.Messages(),
             std::vector<std::string>{"The path <Z:\\nowhere> is not exist. Please check your mapping."});
}

void NetworkMappingDialogTest::BrowsePutsTheFolderIntoTheEdit() {
    NetworkDriveMappingDialog edit(QStringLiteral("P:\\progs"));
    const QString target = folder_->path();
    OnNextModal<QFileDialog>(this, [&](QFileDialog* browser) {
        testsupport::ChooseFile(browser, target);
    });
    QTest::mouseClick(Child<QPushButton>(&edit, "browse"), Qt::LeftButton);
    QCOMPARE(edit.Text(), QDir::toNativeSeparators(target));
}

void NetworkMappingDialogTest::HelpAsksForItsTopic() {
    NetworkMappingDialog dialog(Forward("/usr/progs/a.op6"), mappings_, registry_, messages_);
    QSignalSpy help(&dialog, &NetworkMappingDialog::HelpRequested);
    QTest::mouseClick(Child<QPushButton>(&dialog, "help"), Qt::LeftButton);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("tessel.chm"));
    QCOMPARE(help.at(0).at(1).toInt(), 14);
}

void NetworkMappingDialogTest::PromptTranslatesAServerPath() {
    QTemporaryDir settings;
    settings::Registry registry(settings::RegistryLocations::InDirectory(settings.path()));
    PathMapper mapper(registry, MakeNetworkMappingPrompt(nullptr, registry, messages_));
    const QString client = folder_->path();

    OnNextModal<NetworkMappingDialog>(this, [&](NetworkMappingDialog* dialog) {
        auto* servers = Child<QListWidget>(dialog, "serverList");
        QCOMPARE(Rows(servers), QStringList({"/srv", "/srv/progs", "/srv/progs/sub"}));
        servers->setCurrentRow(1);
        OnNextModal<NetworkDriveMappingDialog>(dialog, [&](NetworkDriveMappingDialog* edit) {
            Child<QLineEdit>(edit, "newText")->setText(client);
            edit->accept();
        });
        dialog->MapSelectedEntry();
        QTest::mouseClick(Child<QPushButton>(dialog, "ok"), Qt::LeftButton);
    });
    std::string path = "/srv/progs/sub/a.op6";
    QVERIFY(mapper.MapToClient(path, kUseProgramPath));
    QCOMPARE(QString::fromStdString(path), client + QStringLiteral("/sub/a.op6"));

    // Stored for later runs.
    settings::Registry later(settings::RegistryLocations::InDirectory(settings.path()));
    PathMapper nextRun(later, {});
    path = "/srv/progs/b.op6";
    QVERIFY(nextRun.MapToClient(path, kUseProgramPath));
    QCOMPARE(QString::fromStdString(path), client + QStringLiteral("/b.op6"));
}

void NetworkMappingDialogTest::MessageBoxShowsCodePageText() {
    platform::MessageBoxSink sink;
    QString shown;
    OnNextModal<QMessageBox>(this, [&](QMessageBox* box) {
        shown = box->text();
        box->accept();
    });
    sink.ShowMessage("File\x92s sharing mode");
    QCOMPARE(shown, QString::fromUtf8("File\u2019s sharing mode"));
}

void NetworkMappingDialogTest::MapNetworkDriveCommandTexts() {
    QObject owner;
    QAction* action = CreateMapNetworkDriveAction(&owner);
    QCOMPARE(action->text(), QStringLiteral("&Map Network Drive..."));
    QCOMPARE(action->statusTip(), QStringLiteral("Map Network Drive"));
    QCOMPARE(action->toolTip(), QStringLiteral("Map Network Drive"));
}

}  // namespace mapping

QTEST_MAIN(mapping::NetworkMappingDialogTest)
#include "network_mapping_dialog_test.moc"
