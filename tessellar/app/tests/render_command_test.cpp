// tessellar --render: its options, the names of its pictures, and every
// entry of the demo program drawn with the demo override file.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

#include "tessellar/app/render_command.h"

class RenderCommandTest : public QObject {
    Q_OBJECT

private slots:
    void badUsage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no program") << QStringList{"-s", "A", "-o", "a.png"};
        QTest::newRow("no entry") << QStringList{"p.op6"};
        QTest::newRow("-s without -o") << QStringList{"p.op6", "-s", "A"};
        QTest::newRow("-s with --all") << QStringList{"p.op6", "-s", "A", "--all", "d", "-o", "a.png"};
        QTest::newRow("value missing") << QStringList{"p.op6", "--all"};
        QTest::newRow("unknown option") << QStringList{"p.op6", "--all", "d", "--colour"};
    }
    void badUsage() {
        QFETCH(QStringList, arguments);
        std::vector<std::string> list;
        for (const QString& argument : arguments) list.push_back(argument.toStdString());
        std::string problem;
        QVERIFY(!app::ParseRenderArguments(list, problem));
        QVERIFY(!problem.empty());
    }

    void pictureNamesStayInTheirDirectory() {
        std::vector<std::string> used;
        QCOMPARE(app::PictureFileName("ORDER-LINES", used), std::string("ORDER-LINES.png"));
        QCOMPARE(app::PictureFileName("../../etc/x", used), std::string("______etc_x.png"));
        QCOMPARE(app::PictureFileName("ORDER-LINES", used), std::string("ORDER-LINES-2.png"));
        QCOMPARE(app::PictureFileName("", used), std::string("_.png"));
    }

    void everyDemoEntryRenders() {
        QTemporaryDir directory;
        app::RenderRequest request;
        request.program = TESSELLAR_DEMO_PROGRAM;
        request.allDirectory = directory.path().toStdString();
        request.overrideFile = TESSELLAR_DEMO_OVERRIDES;
        request.highlight = true;
        std::ostringstream out;
        std::ostringstream errors;
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 0);
        const QStringList pictures = QDir(directory.path()).entryList({"*.png"});
        QCOMPARE(pictures.size(), 8);
        for (const QString& name : pictures) {
            const QImage image(directory.filePath(name));
            QVERIFY2(!image.isNull() && image.width() > 100 && image.height() > 100, qPrintable(name));
        }
    }

    void oneEntryAndItsFailures() {
        QTemporaryDir directory;
        app::RenderRequest request;
        request.program = TESSELLAR_DEMO_PROGRAM;
        request.screen = "CUSTOMER";
        request.output = directory.filePath("customer.png").toStdString();
        std::ostringstream out;
        std::ostringstream errors;
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 0);
        QVERIFY(!QImage(directory.filePath("customer.png")).isNull());

        request.screen = "NO-SUCH-SCREEN";
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 1);
        QVERIFY(errors.str().find("NO-SUCH-SCREEN") != std::string::npos);

        request.screen = "CUSTOMER";
        request.overrideFile = directory.filePath("missing.scf").toStdString();
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 1);

        request.overrideFile.reset();
        request.output = directory.filePath("no/such/dir/customer.png").toStdString();
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 1);
    }
};

QTEST_MAIN(RenderCommandTest)
#include "render_command_test.moc"
