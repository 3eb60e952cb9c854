#include <gtest/gtest.h>

#include <QString>

#include <string>

#include "platform/qt/path_text.h"

namespace {

// A path goes to a widget and back unchanged, whatever characters it holds;
// paths are UTF-8 bytes here, not code page 1252.
TEST(PathText, PathsSurviveTheWidgetBoundary) {
    struct Row {
        const char* name;
        std::string path;
        QString text;
    };
    const Row rows[] = {
        {"empty", "", QString()},
        {"plain", "/srv/progs/demo.op6", QStringLiteral("/srv/progs/demo.op6")},
        {"blanks", "/srv/my progs/a b.scf", QStringLiteral("/srv/my progs/a b.scf")},
        {"accented", "/srv/\xc3\xa9t\xc3\xa9/x.op6", QString::fromUtf8("/srv/\xc3\xa9t\xc3\xa9/x.op6")},
        {"backslashes", "C:\\progs\\x.op6", QStringLiteral("C:\\progs\\x.op6")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(platform::QStringFromPath(row.path), row.text) << row.name;
        EXPECT_EQ(platform::PathFromQString(row.text), row.path) << row.name;
    }
}

}  // namespace
