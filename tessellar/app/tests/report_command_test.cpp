// tessellar --report read as a reader's browser reads it: every page well
// formed, every picture and link inside the report's directory and landing
// on something, every picture with a text alternative, and texts from the
// program and the override file shown as characters, never as markup.

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "html_reading.h"
#include "tessellar/app/report_command.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"

namespace {

constexpr const char* kScript = "<script>alert(1)</script>";

// A program whose own texts are markup.
constexpr const char* kHostileProgram =
    "variable CODE size 8 type A\n"
    "screen EVIL {\n  title \"<b>bold</b> & co\"\n  frame 2 1 12 60\n  body {\n"
    "    display 3 2 \"<script>alert(1)</script>\"\n"
    "    display 5 2 \"Code:\"\n"
    "    accept 5 10 CODE picture \"x(8)\" title \"Code\"\n  }\n}\n"
    "screen PLAIN {\n  frame 2 1 10 40\n  body {\n    display 3 2 \"Plain\"\n  }\n}\n";

// An override file that writes markup, and a section for no entry.
constexpr const char* kHostileOverrides =
    "screen EVIL\n\t{\n\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n"
    "\t\ttext = \"<script>alert(1)</script>\"\n\t\tcoordinate = 6,2\n\t\t}\n"
    "\taccept\n\t\t{\n\t\tname = NO-SUCH\n\t\thelpline = \"\\\"&<>'\"\n\t\t}\n\t}\n"
    "screen MISSING\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"x\"\n\t\t}\n\t}\n";

std::string WriteFile(const QTemporaryDir& directory, const char* name, const std::string& text) {
    const std::string path = directory.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string WriteProgram(const QTemporaryDir& directory, const char* name, const std::string& description) {
    std::string error;
    const auto program = opimage::ParseDescription(description, error);
    const std::string path = directory.filePath(name).toStdString();
    if (!program || !opimage::WriteFile(*program, path)) qFatal("cannot write the program: %s", error.c_str());
    return path;
}

std::string ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

struct Run {
    int status = 0;
    std::string out;
    std::string errors;
};

Run Report(app::ReportRequest request) {
    std::ostringstream out;
    std::ostringstream errors;
    Run run;
    run.status = app::RunReport(request, app::RenderSettings{}, std::nullopt, out, errors);
    run.out = out.str();
    run.errors = errors.str();
    return run;
}

app::ReportRequest OneProgram(const QTemporaryDir& out, const std::string& program,
                              std::optional<std::string> overrides) {
    app::ReportRequest request;
    request.outDirectory = out.path().toStdString();
    request.program = program;
    request.overrideFile = std::move(overrides);
    return request;
}

// What the pages of a report hold, read as a browser would.
struct ReadReport {
    std::map<QString, html_reading::Page> pages;  // by path relative to the report
    QString text;                                   // every page's text, decoded
    int pictures = 0;
};

// Reads every page of the report and checks what a reader relies on.
ReadReport ReadAndCheck(const QString& root) {
    ReadReport report;
    const QDir directory(root);
    QDirIterator it(root, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const html_reading::Page page = html_reading::ReadPage(ReadAll(path));
        if (!page.problem.empty()) qFatal("%s: %s", qPrintable(path), page.problem.c_str());
        report.pages[directory.relativeFilePath(path)] = page;
        report.text += QString::fromStdString(page.text);
    }
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath() + "/";
    for (const auto& [name, page] : report.pages) {
        bool tableHeader = true;
        for (const html_reading::Element& element : page.elements) {
            if (element.name == "script") qFatal("%s: a script element", qPrintable(name));
            if (element.name == "table") tableHeader = false;
            if (element.name == "th") tableHeader = true;
            for (const auto& [attribute, value] : element.attributes) {
                if (attribute.starts_with("on")) qFatal("%s: an event attribute %s", qPrintable(name), attribute.c_str());
            }
            const char* link = element.name == "img" ? "src" : element.name == "a" ? "href" : nullptr;
            if (link == nullptr || !element.attributes.contains(link)) continue;
            const QString target = QString::fromStdString(element.attributes.at(link));
            const qsizetype hash = target.indexOf('#');
            const QString file = hash < 0 ? target : target.left(hash);
            const QString fragment = hash < 0 ? QString() : target.mid(hash + 1);
            if (target.contains(':')) qFatal("%s: %s leaves the report", qPrintable(name), qPrintable(target));
            const QString resolved = file.isEmpty() ? directory.filePath(name)
                                                    : QFileInfo(directory.filePath(name)).dir().filePath(file);
            if (!QFileInfo(resolved).canonicalFilePath().startsWith(canonicalRoot)) {
                qFatal("%s: %s does not resolve inside the report", qPrintable(name), qPrintable(target));
            }
            if (!fragment.isEmpty()) {
                const auto& ids = report.pages[directory.relativeFilePath(resolved)].ids;
                if (std::find(ids.begin(), ids.end(), fragment.toStdString()) == ids.end()) {
                    qFatal("%s: %s names no element", qPrintable(name), qPrintable(target));
                }
            }
            if (element.name == "img") {
                if (element.attributes.count("alt") == 0 || element.attributes.at("alt").empty()) {
                    qFatal("%s: %s has no text alternative", qPrintable(name), qPrintable(target));
                }
                if (QImage(resolved).isNull()) qFatal("%s: %s is no picture", qPrintable(name), qPrintable(target));
                ++report.pictures;
            }
        }
        if (!tableHeader) qFatal("%s: a table without headers", qPrintable(name));
    }
    return report;
}

int CountFiles(const QString& root) {
    int count = 0;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

// The demo override file with one value of one section changed.
std::string ChangedDemoOverrides() {
    std::string text = ReadAll(TESSELLAR_DEMO_OVERRIDES);
    const std::string from = "title = \"Customer Accounts\"";
    const std::size_t at = text.find(from);
    if (at == std::string::npos) qFatal("the demo override file has no customer title");
    return text.replace(at, from.size(), "title = \"Client Accounts\"");
}

}  // namespace

class ReportCommandTest : public QObject {
    Q_OBJECT

private slots:
    void badUsage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("no program") << QStringList{"out"};
        QTest::newRow("program and tree") << QStringList{"out", "p.op6", "-R", "tree"};
        QTest::newRow("since with a tree") << QStringList{"out", "-R", "tree", "--since", "old.scf"};
        QTest::newRow("value missing") << QStringList{"out", "p.op6", "--scf"};
        QTest::newRow("unknown option") << QStringList{"out", "p.op6", "--colour"};
        QTest::newRow("two programs") << QStringList{"out", "a.op6", "b.op6"};
    }
    void badUsage() {
        QFETCH(QStringList, arguments);
        std::vector<std::string> list;
        for (const QString& argument : arguments) list.push_back(argument.toStdString());
        std::string problem;
        QVERIFY(!app::ParseReportArguments(list, problem));
        QVERIFY(!problem.empty());
    }

    // Markup in the program's texts and in the override file's shows as
    // those characters, on a page that is still well formed.
    void markupShowsAsText() {
        QTemporaryDir directory;
        QTemporaryDir out;
        const std::string program = WriteProgram(directory, "evil.op6", kHostileProgram);
        const Run run = Report(OneProgram(out, program, WriteFile(directory, "evil.scf", kHostileOverrides)));
        QCOMPARE(run.status, 0);
        const ReadReport report = ReadAndCheck(out.path());
        QCOMPARE(report.pages.size(), std::size_t{2});
        QVERIFY(report.pages.contains("1-evil.html"));
        QVERIFY(report.text.contains(kScript));
        QVERIFY(report.text.contains("\"&<>'"));
        // Only the customised entry, drawn twice; the section for no entry is a finding on its own.
        QCOMPARE(report.pictures, 2);
        QVERIFY(report.text.contains("screen MISSING"));
        QVERIFY(report.text.contains("the screen has no such entry field"));
    }

    // The demo: every section of an entry reported with its two pictures,
    // alternatives naming the screen and its state.
    void demoReport() {
        QTemporaryDir out;
        const Run run = Report(OneProgram(out, TESSELLAR_DEMO_PROGRAM, std::string(TESSELLAR_DEMO_OVERRIDES)));
        QVERIFY2(run.status == 0, run.errors.c_str());
        QVERIFY2(run.out.find("5 entries customised in 1 programs") != std::string::npos, run.out.c_str());
        const ReadReport report = ReadAndCheck(out.path());
        QCOMPARE(report.pictures, 10);
        bool named = false;
        for (const html_reading::Element& element : report.pages.at("1-demo.html").elements) {
            if (element.name == "img" && element.attributes.at("alt") == "screen CUSTOMER, original, as the program is compiled") {
                named = true;
            }
        }
        QVERIFY(named);
        QVERIFY(report.text.contains("title = \"Customer Accounts\""));
        QVERIFY(report.text.contains("@media print") == false);  // the style sheet is not text
        QVERIFY(ReadAll(out.filePath("1-demo.html")).find("@media print") != std::string::npos);
    }

    // With an old file only the changed entry is shown: before, after and
    // the original, and the diff of its statements.
    void sinceShowsOnlyTheChange() {
        QTemporaryDir directory;
        QTemporaryDir out;
        app::ReportRequest request =
            OneProgram(out, TESSELLAR_DEMO_PROGRAM, WriteFile(directory, "new.scf", ChangedDemoOverrides()));
        request.since = TESSELLAR_DEMO_OVERRIDES;
        const Run run = Report(request);
        QVERIFY2(run.status == 0, run.errors.c_str());
        const ReadReport report = ReadAndCheck(out.path());
        QCOMPARE(report.pictures, 3);
        QVERIFY(report.text.contains("-\ttitle = \"Customer Accounts\""));
        QVERIFY(report.text.contains("+\ttitle = \"Client Accounts\""));
        QVERIFY(report.text.contains("1 entry changed"));
    }

    void sinceAnUnchangedFileWritesOnlyTheIndex() {
        QTemporaryDir out;
        app::ReportRequest request = OneProgram(out, TESSELLAR_DEMO_PROGRAM, std::string(TESSELLAR_DEMO_OVERRIDES));
        request.since = TESSELLAR_DEMO_OVERRIDES;
        QCOMPARE(Report(request).status, 0);
        QCOMPARE(CountFiles(out.path()), 1);
        QVERIFY(ReadAndCheck(out.path()).text.contains("0 entries changed"));
    }

    // A tree: each program with the override file beside it; one that
    // cannot be read is named in the index and the others are reported.
    void treeReport() {
        QTemporaryDir tree;
        QTemporaryDir out;
        QVERIFY(QDir(tree.path()).mkpath("sub"));
        WriteProgram(tree, "sub/evil.op6", kHostileProgram);
        WriteFile(tree, "sub/evil.scf", kHostileOverrides);
        WriteProgram(tree, "plain.op6", kHostileProgram);
        WriteFile(tree, "broken.op6", "not a program");
        app::ReportRequest request;
        request.outDirectory = out.path().toStdString();
        request.tree = tree.path().toStdString();
        const Run run = Report(request);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.find("broken.op6") != std::string::npos, run.errors.c_str());
        const ReadReport report = ReadAndCheck(out.path());
        QCOMPARE(report.pages.size(), std::size_t{2});  // the index and evil's page
        QVERIFY(report.pages.contains("3-evil.html"));
        QVERIFY(report.text.contains("3 programs"));
    }

    // An override file that is a FIFO would never end: it is refused, not read.
    void overrideFileThatIsNoFileIsRefused() {
        QTemporaryDir out;
        const Run run = Report(OneProgram(out, TESSELLAR_DEMO_PROGRAM, out.path().toStdString()));
        QCOMPARE(run.status, 1);
        QVERIFY(run.errors.find("cannot be read") != std::string::npos);
        QVERIFY(ReadAndCheck(out.path()).text.contains("cannot be read"));
    }
};

QTEST_MAIN(ReportCommandTest)
#include "report_command_test.moc"
