// The review commands in the real window: File › Export Review Report...
// writes the open program's report from the override text with its unsaved
// change, says so on the page and offers the browser; View › Show Original
// flicks the canvas to the entry without its statements, with editing off.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <fstream>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/app/report_pictures.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/report/document_report.h"
#include "tessellar/report/html_text.h"
#include "tessellar/shell/main_frame.h"
#include "testsupport/modal_dialogs.h"
#include "testsupport/window_scratch.h"

using shell::ActionId;

namespace {

std::string ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Moves the customer screen's address field: a change not saved yet.
void MoveAddress(shell::CMainFrame& window) {
    model::CScreenModel& screen = *window.Document().CurrentScreen();
    commands::ItemKey key;
    key.identifier.identificationKind = 1;
    key.identifier.text = "CUST-ADDRESS";
    commands::MadeCommand made = commands::MakeCommand(screen, "Move accept", key, {{"9,22", false}});
    QVERIFY2(made.command != nullptr, made.error.c_str());
    QVERIFY(window.Document().Core().Run(screen, *made.command, window.Messages()));
    window.AfterChange();
}

}  // namespace

class ReviewWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowScratch> scratch_;
    platform::RecordingMessageSink sink_;

    std::unique_ptr<shell::CMainFrame> Start() {
        const QString overrides = scratch_->Path(QStringLiteral("demo.scf"));
        QFile::copy(QStringLiteral(TESSELLAR_DEMO_OVERRIDES), overrides);
        QFile::setPermissions(overrides, QFile::ReadOwner | QFile::WriteOwner);
        auto window = scratch_->Start({TESSELLAR_DEMO_PROGRAM, "-m", overrides, "-s", "CUSTOMER"}, sink_);
        window->SetReportPictures([] { return app::MakeReportPictures(app::RenderSettings{}); });
        return window;
    }

private slots:
    void init() {
        scratch_ = std::make_unique<testsupport::WindowScratch>();
        sink_.Clear();
    }
    void cleanup() { scratch_.reset(); }

    void exportWritesTheWorkingCopyAndOffersTheBrowser() {
        auto window = Start();
        MoveAddress(*window);
        QVERIFY(window->Document().Core().Modified());
        QVERIFY(window->Action(ActionId::ExportReviewReport)->isEnabled());

        const QString out = scratch_->Path(QStringLiteral("report"));
        QVERIFY(QDir().mkpath(out));  // as the dialog's "Create New Folder" makes it
        QString offered;
        testsupport::OnNextModal<QFileDialog>(window.get(), [&out, &offered, &window](QFileDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("reviewReportDialog"));
            testsupport::OnNextModal<QMessageBox>(window.get(), [&offered](QMessageBox* question) {
                offered = question->accessibleName();
                question->button(QMessageBox::Close)->click();
            });
            testsupport::ChooseFile(dialog, out);
        });
        window->Action(ActionId::ExportReviewReport)->trigger();
        QVERIFY2(sink_.Messages().empty(), sink_.Messages().empty() ? "" : sink_.Messages().front().c_str());
        QVERIFY2(offered.contains(QStringLiteral("Open it in the browser?")), qPrintable(offered));

        const std::string page = ReadAll(QDir(out).filePath(QStringLiteral("1-demo.html")));
        QVERIFY(page.find(report::HtmlText(report::kUnsavedNote)) != std::string::npos);
        QVERIFY(page.find("coordinate = 9,22") != std::string::npos);
        QVERIFY(QFile::exists(QDir(out).filePath(QStringLiteral("index.html"))));
        // Nothing was saved on the way.
        QVERIFY(window->Document().Core().Modified());
        QVERIFY(ReadAll(scratch_->Path(QStringLiteral("demo.scf"))).find("9,22") == std::string::npos);
    }

    void exportIsOffWithoutPictures() {
        auto window = Start();
        window->SetReportPictures({});
        QVERIFY(!window->Action(ActionId::ExportReviewReport)->isEnabled());
    }

    void showOriginalFlicksBetweenTheTwo() {
        auto window = Start();
        MoveAddress(*window);
        QVERIFY(window->Action(ActionId::Undo)->isEnabled());
        const model::CScreenModel* customised = window->Document().CurrentScreen();

        window->Action(ActionId::ShowOriginal)->trigger();
        QVERIFY(window->OriginalShown() != nullptr);
        QCOMPARE(&window->View()->Canvas()->Model(), window->OriginalShown());
        QVERIFY(!window->View()->Canvas()->isEnabled());
        QVERIFY(window->OriginalPane()->isVisible());
        QVERIFY(window->OriginalPane()->accessibleName().contains(QStringLiteral("editing is off")));
        QCOMPARE(window->View()->Canvas()->accessibleName(), QStringLiteral("CUSTOMER (original)"));
        QVERIFY(!window->Action(ActionId::Undo)->isEnabled());
        QTRY_VERIFY(!window->Action(ActionId::Properties)->isEnabled());
        // The original is the compiled title; the customised one keeps its own.
        QVERIFY(window->OriginalShown()->Title().Current() != customised->Title().Current());

        window->Action(ActionId::ShowOriginal)->trigger();
        QVERIFY(window->OriginalShown() == nullptr);
        QCOMPARE(&window->View()->Canvas()->Model(), customised);
        QVERIFY(window->View()->Canvas()->isEnabled());
        QVERIFY(!window->OriginalPane()->isVisible());
        QVERIFY(window->Action(ActionId::Undo)->isEnabled());
    }
};

QTEST_MAIN(ReviewWindowTest)
#include "review_window_test.moc"
