#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <memory>

#include "tessellar/help/qt/help_viewer.h"
#include "testsupport/modal_dialogs.h"

namespace help {

namespace {

// Takes the URLs the desktop would open, so no browser starts.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

// Reads the next message box once it is up and active, and closes it.
void OnNextMessageBox(QObject* owner, std::function<void(QMessageBox*)> action) {
    testsupport::OnNextModal<QMessageBox>(owner, [action](QMessageBox* box) {
        action(box);
        box->accept();
    });
}

void WritePage(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html></html>\n");
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened_, "Open"); }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        opened_.urls.clear();
    }

    void opensThePageOfAContext_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("page");
        QTest::newRow("colour page") << 66 << "page-colour.html";
        QTest::newRow("help menu command") << 0 << "index.html";
        QTest::newRow("page missing from the help") << 14 << "index.html";
    }
    void opensThePageOfAContext() {
        QFETCH(int, context);
        QFETCH(QString, page);
        QTemporaryDir help;
        WritePage(help.filePath("index.html"));
        WritePage(help.filePath("page-colour.html"));

        ShowHelpPageFrom(nullptr, context, {help.path().toStdString()});

        QCOMPARE(opened_.urls, QList<QUrl>{QUrl::fromLocalFile(help.filePath(page))});
    }

    // Without help the user is told where it was looked for, instead of
    // F1 doing nothing.
    void saysSoWhenNoHelpIsFound() {
        QTemporaryDir empty;
        QWidget window;
        QString title, text, accessibleName;
        OnNextMessageBox(&window, [&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            accessibleName = box->accessibleName();
        });

        ShowHelpPageFrom(&window, 66, {empty.filePath("help").toStdString()});

        QVERIFY(opened_.urls.isEmpty());
        QCOMPARE(title, QStringLiteral("Screen Customiser Help"));
        QCOMPARE(accessibleName, title);
        QVERIFY2(text.contains(empty.filePath("help")), qPrintable(text));
    }

private:
    OpenedUrls opened_;
};

}  // namespace help

QTEST_MAIN(help::HelpViewerTest)
#include "help_viewer_test.moc"
