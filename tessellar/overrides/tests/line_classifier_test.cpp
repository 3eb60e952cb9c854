// The line classifier against the statement parser: both must call the same
// lines keyword lines (with the same kind) and closing braces, or the
// in-place update would split blocks where applying does not.

#include <gtest/gtest.h>

#include <string>

#include "tessellar/overrides/line_classifier.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/statement_keys.h"
#include "tessellar/overrides/statement_parser.h"

namespace overrides {
namespace {

void ExpectAgreesWithParser(const std::string& line) {
    OverrideStatement statement;
    const std::optional<StatementKind> parsed = ParseStatementLine(line, statement);
    const ClassifiedLine classified = ClassifyLine(line);
    EXPECT_EQ(classified.what == LineClass::Keyword, parsed.has_value()) << '"' << line << '"';
    if (parsed) {
        EXPECT_EQ(classified.kind, *parsed) << '"' << line << '"';
    }
    EXPECT_EQ(classified.what == LineClass::ClosingBrace, SplitLine(line).key == "}") << '"' << line << '"';
}

TEST(OverrideLineClassifier, AgreesWithTheParserOnEveryShapeOfLine) {
    const char* const lines[] = {
        "display\n", "accept\n", "option\n", "mode\n", "confirm\n", "message\n", "trigger\n", "window\n", "box\n",
        "DISPLAY\n",              // keys are read lower-cased
        "\t  Accept \t\r\n",      // and trimmed of blanks, tabs and line ends
        "display = x\n",          // a keyword with a value is still a keyword
        "display=",               // no line end at the end of a file
        "displays\n", "displa\n", "dis play\n",
        "}\n", "\t}\n", " } \r\n", "}}\n", "} x\n", "}=\n",
        "{\n", "\n", "", "=\n", "= display\n",
        "name = display\n",       // a keyword as a value is no keyword
        "trigger_point = after_accept\n", "text = \"}\"\n",
        "\x01" "box\x1f\n",       // control characters trim like blanks
        "b\xc3\xb6x\n",           // bytes above 127 never lower-case to a key
        "new_prompt_coord = 1,2\n", "new_prompt_coordinate\n",
    };
    for (const char* line : lines) ExpectAgreesWithParser(line);
    // A key beyond the compared length is cut before it is looked up.
    ExpectAgreesWithParser(std::string(100, 'x') + "\n");
    ExpectAgreesWithParser("display" + std::string(90, ' ') + "x\n");
}

TEST(OverrideStatementKeys, EveryWordIsFoundAsItselfAndUpperCased) {
    for (auto entry = StatementKeysBegin(); entry != StatementKeysEnd(); ++entry) {
        EXPECT_EQ(FindStatementKey(entry->word), entry) << entry->word;
        std::string upper(entry->word);
        for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        EXPECT_EQ(FindStatementKey(upper), entry) << upper;
        EXPECT_EQ(FindStatementKey(std::string(entry->word) + "x"), nullptr) << entry->word;
        EXPECT_EQ(FindStatementKey(entry->word.substr(1)), nullptr) << entry->word;
    }
    EXPECT_EQ(FindStatementKey(""), nullptr);
}

}  // namespace
}  // namespace overrides
