// tessellar --render: its options, the names of its pictures, and every
// entry of the demo program drawn with the demo override file.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

#include "tessellar/app/picture_writer.h"
#include "tessellar/app/render_command.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"

namespace {

// Writes a program from its description into the directory.
std::string WriteProgram(const QTemporaryDir& directory, const std::string& description) {
    std::string error;
    const auto program = opimage::ParseDescription(description, error);
    const std::string path = directory.filePath("test.op6").toStdString();
    if (!program || !opimage::WriteFile(*program, path)) qFatal("cannot write the program: %s", error.c_str());
    return path;
}

int CountPixels(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    }
    return count;
}

// A request to draw the demo's customer screen into a picture in the directory.
app::RenderRequest CustomerScreenRequest(const QTemporaryDir& directory, const char* picture) {
    app::RenderRequest request;
    request.program = TESSELLAR_DEMO_PROGRAM;
    request.screen = "CUSTOMER";
    request.output = directory.filePath(picture).toStdString();
    return request;
}

}  // namespace

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

    // The fast writer must give back every pixel as drawn (a swapped colour
    // channel or a lost row would still make a picture that opens).
    void fastPngKeepsEveryPixel() {
        QTemporaryDir directory;
        app::RenderRequest request = CustomerScreenRequest(directory, "qt.png");
        request.highlight = true;
        std::ostringstream out;
        std::ostringstream errors;
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 0);
        const QImage drawn = QImage(directory.filePath("qt.png")).convertToFormat(QImage::Format_RGB32);
        QImage coloured = drawn;
        coloured.setPixelColor(1, 2, QColor(10, 20, 30));
        coloured.setPixelColor(coloured.width() - 1, coloured.height() - 1, QColor(250, 128, 1));
        const std::string path = directory.filePath("fast.png").toStdString();
        QVERIFY(app::WritePngPicture(coloured, path));
        QCOMPARE(QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32), coloured);
    }

    // Pictures written on worker threads: each result lands at its own
    // number, so a failure is told for the right entry.
    void writerTellsEachPicturesResult() {
        QTemporaryDir directory;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor(0, 0, 128));
        app::PictureWriter writer(2);
        for (int i = 0; i < 20; ++i) {
            const QString name = i % 7 == 3 ? "missing/dir/p%1.png" : "p%1.png";
            QCOMPARE(writer.Write(picture, directory.filePath(name.arg(i)).toStdString()), std::size_t(i));
        }
        const std::vector<bool> written = writer.Finish();
        QCOMPARE(written.size(), std::size_t(20));
        for (int i = 0; i < 20; ++i) QCOMPARE(bool(written[i]), i % 7 != 3);
        QCOMPARE(QImage(directory.filePath("p0.png")).convertToFormat(QImage::Format_RGB32), picture);
    }

    void oneEntryAndItsFailures() {
        QTemporaryDir directory;
        app::RenderRequest request = CustomerScreenRequest(directory, "customer.png");
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

    // "datastatic" colours value displays with the border attribute; a
    // value display without it keeps the "normal" pair.
    void borderedValueDisplaysTakeTheDataStaticColours() {
        QTemporaryDir directory;
        app::RenderRequest request;
        request.program = WriteProgram(directory,
                                       "variable AMOUNT size 10 type A\n"
                                       "screen EDGED {\n  frame 2 1 10 40\n  body {\n"
                                       "    display 4 4 var:AMOUNT attr 0x2000\n  }\n}\n"
                                       "screen PLAIN {\n  frame 2 1 10 40\n  body {\n"
                                       "    display 4 4 var:AMOUNT\n  }\n}\n");
        app::RenderSettings settings;
        QVERIFY(settings.scheme.ApplyValue("datastatic", "black/yellow"));
        std::ostringstream out;
        std::ostringstream errors;
        const QColor yellow(255, 255, 0);
        for (const char* name : {"EDGED", "PLAIN"}) {
            request.screen = name;
            request.output = directory.filePath(QString(name) + ".png").toStdString();
            QCOMPARE(app::RunRender(request, settings, out, errors), 0);
        }
        QVERIFY(CountPixels(QImage(directory.filePath("EDGED.png")), yellow) > 100);
        QCOMPARE(CountPixels(QImage(directory.filePath("PLAIN.png")), yellow), 0);
    }

    // A window size beyond any screen leaves the compiled frame; a compiled
    // frame beyond what a picture can hold is refused, quickly and clearly.
    void windowSizesAreBounded() {
        QTemporaryDir directory;
        const QString scf = directory.filePath("huge.scf");
        QFile file(scf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("screen CUSTOMER\n\t{\n\twindow\n\t\t{\n\t\twindow_size = 3000,2000\n\t\t}\n\t}\n");
        file.close();
        app::RenderRequest request = CustomerScreenRequest(directory, "compiled.png");
        std::ostringstream out;
        std::ostringstream errors;
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 0);
        request.overrideFile = scf.toStdString();
        request.output = directory.filePath("customer.png").toStdString();
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 0);
        QCOMPARE(QImage(directory.filePath("customer.png")).size(), QImage(directory.filePath("compiled.png")).size());

        request.overrideFile.reset();
        request.program = WriteProgram(directory, "screen HUGE {\n  frame 2 1 3000 2000\n}\n");
        request.screen = "HUGE";
        request.output = directory.filePath("huge.png").toStdString();
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 1);
        QVERIFY2(errors.str().find("HUGE: a picture of ") != std::string::npos, errors.str().c_str());
        QVERIFY(!QFile::exists(directory.filePath("huge.png")));
    }

    // An override path that opens but cannot be read (a directory) is
    // reported, and the picture shows the compiled screen.
    void unreadableOverrideFileDrawsTheCompiledScreen() {
        QTemporaryDir directory;
        app::RenderRequest request = CustomerScreenRequest(directory, "compiled.png");
        std::ostringstream out;
        std::ostringstream errors;
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 0);
        const QImage compiled(directory.filePath("compiled.png"));

        request.output = directory.filePath("customer.png").toStdString();
        request.overrideFile = directory.path().toStdString();
        QCOMPARE(app::RunRender(request, app::RenderSettings{}, out, errors), 1);
        QVERIFY(errors.str().find(*request.overrideFile + ": cannot be read") != std::string::npos);
        QCOMPARE(QImage(directory.filePath("customer.png")), compiled);
    }
};

QTEST_MAIN(RenderCommandTest)
#include "render_command_test.moc"
