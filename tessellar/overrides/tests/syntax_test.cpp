// Reading override text: lines, values and statements.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/statement_parser.h"
#include "tessellar/overrides/trigger_words.h"
#include "tessellar/overrides/value_readers.h"

namespace overrides {
namespace {

std::vector<std::string> ReadLines(const std::string& text) {
    std::istringstream in(text);
    LineReader reader(in);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line)) lines.push_back(line);
    return lines;
}

// Parses a statement body (without its keyword line) into a display statement.
OverrideStatement Parse(const std::string& body) {
    OverrideStatement statement;
    statement.Reset(StatementKind::Display);
    std::istringstream in(body);
    LineReader reader(in);
    std::string line;
    while (reader.Next(line)) ParseStatementLine(line, statement);
    return statement;
}

TEST(OverrideLineReader, LongLineArrivesAsTwoLinesAndItsTailIsIgnored) {
    const std::string tail = "suppress = true\n";
    const std::string longLine = "\ttitle = \"" + std::string(500, 'x') + tail;
    const auto lines = ReadLines(longLine + "\ttext = \"ok\"\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), kMaxLineRead);
    EXPECT_EQ(lines[0] + lines[1], longLine);

    // The cut-off tail is parsed as a line of its own.
    const OverrideStatement statement = Parse(longLine + "\ttext = \"ok\"\n");
    EXPECT_EQ(statement.overrides.suppressed, 1);
    EXPECT_EQ(statement.overrides.title.size(), kTextLength);
    EXPECT_EQ(statement.overrides.text, "ok");
}

TEST(OverrideLineReader, CrLfEndsAreNewlinesAndNulEndsTheLinesText) {
    EXPECT_EQ(ReadLines("a\r\nb\rc\n"), (std::vector<std::string>{"a\n", "b\rc\n"}));
    // A NUL ends the line's text, not the line: its newline stays, so the
    // next line is never joined onto it by a reader that collects lines.
    EXPECT_EQ(ReadLines(std::string("ti\0tle\nx", 8)), (std::vector<std::string>{"ti\n", "x"}));
    EXPECT_TRUE(ReadLines("").empty());

    const OverrideStatement statement = Parse("\ttype = command\r\n\ttext = \"Hi\"  \r\n");
    EXPECT_EQ(statement.trigger.type, 1);
    EXPECT_EQ(statement.overrides.text, "Hi");
}

// The reader of held text must give the stream reader's lines byte for
// byte: the in-place update copies them into the work file.
TEST(OverrideLineReader, HeldTextReadsAsItsStreamDoes) {
    auto viewLines = [](const std::string& text) {
        LineReader reader{std::string_view(text)};
        std::vector<std::string> lines;
        std::string line;
        while (reader.Next(line)) lines.push_back(line);
        return lines;
    };
    const std::string inputs[] = {
        "", "\n", "a", "a\n", "a\nb", "\n\n\n", "a\r\nb\r\n", "a\rb\n", "a\r", "\r\r\n", "\r\n\r",
        std::string("ti\0tle\nx", 8), std::string("\0", 1), std::string("a\0\r\nb", 6),
        std::string(509, 'x') + "\n", std::string(510, 'x') + "\n", std::string(511, 'x'),
        std::string(509, 'x') + "\r\nnext\n",  // "\r\n" across the end of a read
        std::string(508, 'x') + "\r\r\n", std::string(1200, 'y') + "\nz",
        std::string(300, 'x') + std::string("\0", 1) + std::string(400, 'x') + "\n",
    };
    for (const std::string& input : inputs) {
        EXPECT_EQ(viewLines(input), ReadLines(input)) << '"' << input.substr(0, 40) << "\" (" << input.size() << ')';
    }
}

TEST(OverrideSplitLine, KeysAreTrimmedLowerCasedAndCut) {
    const SplitLineResult split = SplitLine("\t Suppress\t=  TRUE \r\n");
    EXPECT_EQ(split.key, "suppress");
    EXPECT_EQ(split.value, "TRUE");
    EXPECT_EQ(SplitLine("\t{\n").key, "{");
    EXPECT_EQ(SplitLine("a = b = c\n").value, "b = c");
    EXPECT_EQ(SplitLine(std::string(100, 'K') + "=v").key.size(), kMatchLength);
}

TEST(OverrideValueForms, UnquotingCutsAtTheLastQuoteWithoutEscapes) {
    EXPECT_EQ(Unquote("\"Name\"   "), "Name");
    EXPECT_EQ(Unquote("Name"), "Name");
    EXPECT_EQ(Unquote("\"say \"hi\"\""), "say \"hi\"");
    EXPECT_EQ(Unquote("\"open"), "open");
    EXPECT_EQ(Unquote("\"a\" trailing words"), "a");
    EXPECT_EQ(RawValue("\ttitle =\t  \"x\"  \n"), "\"x\"  ");
    EXPECT_EQ(RawValue("no equals\n"), "");

    EXPECT_EQ(Parse("\ttext = \"Total due\"   \n").overrides.text, "Total due");
    EXPECT_EQ(Parse("\ttext = Total due\n").overrides.text, "Total due");
}

TEST(OverrideValueForms, HelplineKeepsNinetyEightCharactersQuotedOrNot) {
    const std::string long120(120, 'h');
    EXPECT_EQ(Parse("\thelpline = \"" + long120 + "\"\n").overrides.helpline, std::string(98, 'h'));
    EXPECT_EQ(Parse("\thelpline = " + long120 + "\n").overrides.helpline, std::string(98, 'h'));
    EXPECT_EQ(Parse("\thelpline = \"short\"\n").overrides.helpline, "short");
}

TEST(OverrideValueForms, IntegersPairsAndBooleans) {
    EXPECT_EQ(ReadInteger("  -12abc"), -12);
    EXPECT_EQ(ReadInteger("x"), 0);
    EXPECT_EQ(ReadInteger("99999999999999"), 2147483647);
    EXPECT_EQ(ReadInteger("-99999999999999"), -2147483647 - 1);
    ASSERT_TRUE(ReadPair("5,7").has_value());
    EXPECT_EQ(ReadPair("5, 7,9")->first, 5);
    EXPECT_EQ(ReadPair("5, 7,9")->second, 9);
    EXPECT_FALSE(ReadPair("57").has_value());

    EXPECT_EQ(Parse("\tsuppress = true\n").overrides.suppressed, 1);
    EXPECT_EQ(Parse("\tsuppress = TRUE\n").overrides.suppressed, 0);
    EXPECT_EQ(Parse("\tsuppress = yes\n").overrides.suppressed, 0);
    EXPECT_EQ(Parse("\tSuppress = true\n").overrides.suppressed, 1);
}

TEST(OverrideValueForms, ColourPairs) {
    OverrideStatement named = Parse("\tcolor = Red/black\n");
    ASSERT_TRUE(named.overrides.colourGiven);
    EXPECT_EQ(named.overrides.colours, (model::ColourPair{0x0000FF, 0x000000}));

    OverrideStatement numbered = Parse("\tcolor = 255/pink\n");
    ASSERT_TRUE(numbered.overrides.colourGiven);
    EXPECT_EQ(numbered.overrides.colours, (model::ColourPair{0x0000F8, 0xC0C0C0}));

    EXPECT_FALSE(Parse("\tcolor = pink/black\n").overrides.colourGiven);
    EXPECT_FALSE(Parse("\tcolor = fuchsia/black\n").overrides.colourGiven);
    EXPECT_TRUE(Parse("\tcolor = fushia/gray\n").overrides.colourGiven);
}

TEST(OverrideValueForms, AttributeListsStopAtCommentsAndDoNotTrimItems) {
    EXPECT_EQ(Parse("\tattributes = bold,underline // was inverse\n").overrides.attributes, 0x80 | 0x40);
    EXPECT_EQ(Parse("\tattributes = background, prompt\n").overrides.attributes, 0x10);
    EXPECT_EQ(Parse("\tattributes = bold, italic\n").overrides.attributes, 0x80);
    EXPECT_EQ(Parse("\tattributes = \"border,sunken\"\n").overrides.attributes, 0x1 | 0x2);
    EXPECT_EQ(Parse("\tattributes = Bold\n").overrides.attributes, 0);
    EXPECT_EQ(Parse("\ttext = \"x\"\n").overrides.attributes, -1);
}

// The runtime reads "prompt" as the background bit; the customiser once read
// it as nothing and drew such items in other colours than the runtime.
TEST(OverrideValueForms, ThePromptWordSetsTheBackgroundBit) {
    const ItemOverrides alone = Parse("\tattributes = prompt\n").overrides;
    EXPECT_EQ(alone.attributes, 0x10);
    EXPECT_TRUE(alone.prompt);
    EXPECT_EQ(Parse("\tattributes = bold,prompt\n").overrides.attributes, 0x80 | 0x10);
    // " prompt" is no word: it sets nothing and names no prompt.
    const ItemOverrides blank = Parse("\tattributes = bold, prompt\n").overrides;
    EXPECT_EQ(blank.attributes, 0x80);
    EXPECT_FALSE(blank.prompt);
}

TEST(OverrideValueForms, DefaultKinds) {
    const ItemOverrides today = Parse("\tdefault = today\n").overrides;
    EXPECT_EQ(today.defaultKind, kDefaultSystemValue);
    EXPECT_EQ(today.defaultText, "today");
    const ItemOverrides quoted = Parse("\tdefault = \"today\"\n").overrides;
    EXPECT_EQ(quoted.defaultKind, kDefaultLiteral);
    EXPECT_EQ(quoted.defaultText, "today");
    EXPECT_EQ(Parse("\tdefault = login-id\n").overrides.defaultKind, kDefaultSystemValue);
    const ItemOverrides field = Parse("\tdefault = CUST-NO\n").overrides;
    EXPECT_EQ(field.defaultKind, kDefaultFieldOrNumber);
    EXPECT_EQ(field.defaultText, "CUST-NO");
    EXPECT_TRUE(field.defaultGiven);
}

TEST(OverrideValueForms, TriggerPointsFoldCaseTypesDoNot) {
    EXPECT_EQ(Parse("\ttrigger_point = Screen_Load\n").trigger.point, 7);
    EXPECT_EQ(Parse("\ttrigger_point = on_help\n").trigger.point, 26);
    EXPECT_EQ(Parse("\ttrigger_point = later\n").trigger.point, -1);
    EXPECT_EQ(Parse("\ttype = Command\n").trigger.type, 0);
    EXPECT_EQ(Parse("\ttype = export_data_grid\n").trigger.type, 6);
    EXPECT_EQ(Parse("\ttype = command \n").trigger.type, 0);  // trailing blanks are part of the raw value
    EXPECT_EQ(Parse("\trun = \"prog.exe\" -x  \n").trigger.run, "\"prog.exe\" -x  ");
}

// The dialog, the commands, the checker and opdump all take their
// words from these tables: a word that does not read back to its own code
// (a typo, two entries with one code) would write triggers the reader drops.
TEST(OverrideValueForms, EveryTriggerWordReadsBackToItsCode) {
    std::set<int> pointCodes;
    for (const TriggerPointName& entry : kTriggerPoints) {
        const int code = static_cast<int>(entry.point);
        EXPECT_TRUE(pointCodes.insert(code).second) << entry.word;
        EXPECT_EQ(TriggerPointCode(entry.word), code) << entry.word;
        EXPECT_EQ(TriggerPointWord(code), entry.word);
    }
    std::set<int> typeCodes;
    for (const TriggerTypeName& entry : kTriggerTypes) {
        EXPECT_TRUE(typeCodes.insert(entry.code).second) << entry.word;
        EXPECT_EQ(TriggerTypeCode(entry.word), entry.code) << entry.word;
        EXPECT_EQ(TriggerTypeWord(entry.code), entry.word);
    }
    EXPECT_EQ(TriggerPointWord(0), "");
    EXPECT_EQ(TriggerTypeWord(7), "");
}

TEST(OverrideStatementParsing, KeywordsStartStatementsAndLaterKeysWin) {
    OverrideStatement statement;
    EXPECT_EQ(ParseStatementLine("\taccept\n", statement), StatementKind::Accept);
    EXPECT_EQ(ParseStatementLine("TRIGGER\n", statement), StatementKind::Trigger);
    EXPECT_FALSE(ParseStatementLine("\t{\n", statement).has_value());

    const OverrideStatement parsed = Parse(
        "\tname = CUST-NO\n"
        "\torig_text = \"Code:\"\n"
        "\ttitle = \"First\"\n"
        "\ttitle = \"Second\"\n"
        "\torig_coordinates = 4,22\n"
        "\tcolour = red/black\n");
    EXPECT_EQ(parsed.identifier.identificationKind, 2);
    EXPECT_EQ(parsed.identifier.text, "Code:");
    EXPECT_TRUE(parsed.overrides.hasExplicitIdentifier);
    EXPECT_EQ(parsed.overrides.title, "Second");
    EXPECT_EQ(parsed.identifier.row, -1);  // the plural key is no key here
    EXPECT_FALSE(parsed.overrides.colourGiven);

    const OverrideStatement added = Parse("\ttext = \"New\"\n\tcoordinate = 3,4\n\tadd = true\n");
    EXPECT_FALSE(added.overrides.hasExplicitIdentifier);
    EXPECT_EQ(added.identifier.identificationKind, kNoIdentification);
    EXPECT_EQ(added.overrides.row, 3);
    EXPECT_EQ(added.overrides.column, 4);
}

TEST(OverrideStatementParsing, ValuesAreCutToTheirFields) {
    const std::string long450(450, 'v');
    const ItemOverrides cut = Parse("\tfilter = " + long450 + "\n\tname = " + long450 + "\n").overrides;
    EXPECT_EQ(cut.filter.size(), kListLength);
    EXPECT_EQ(Parse("\tname = " + long450 + "\n").identifier.text.size(), kTextLength);
    EXPECT_EQ(Parse("\tpicture = " + long450 + "\n").overrides.picture.size(), kTextLength);
}

TEST(OverrideStatementParsing, OnePropertyTellsWhichLineHoldsTheSelectedKey) {
    OverrideStatement statement;
    EXPECT_FALSE(ParseStatementLineForProperty("accept\n", statement, PropertySelector::Title));
    EXPECT_EQ(statement.identifier.statementKind, StatementKind::Accept);
    EXPECT_FALSE(ParseStatementLineForProperty("\tname = X\n", statement, PropertySelector::Title));
    EXPECT_TRUE(ParseStatementLineForProperty("\tTitle = \"T\"\n", statement, PropertySelector::RemoveTitle));
    EXPECT_TRUE(ParseStatementLineForProperty("\tsuppress = false\n", statement, PropertySelector::Unsuppress));
    EXPECT_TRUE(ParseStatementLineForProperty("\tcolor = nothing\n", statement, PropertySelector::Color));
    EXPECT_TRUE(ParseStatementLineForProperty("\tcoordinate = 3,4\n", statement, PropertySelector::Coordinate));
    EXPECT_FALSE(ParseStatementLineForProperty("\t}\n", statement, PropertySelector::WholeBlock));
    // Only what names the item and places it is filled in.
    EXPECT_EQ(statement.identifier.text, "X");
    EXPECT_TRUE(statement.overrides.coordinateGiven);
    EXPECT_EQ(statement.overrides.title, "");
    EXPECT_EQ(SelectedKey(PropertySelector::RemoveDefaultMode), "default");
    EXPECT_EQ(SelectedKey(static_cast<PropertySelector>(13)), "");
}

TEST(OverrideWriting, LinesInTheirExactForms) {
    EXPECT_EQ(format::FileHeaderLine(), "#ORVALE Screen Customiser File (Override statements only).\n");
    EXPECT_EQ(format::SectionHeaderLine(SectionKind::Menu, "MAIN-MENU"), "menu MAIN-MENU\n");
    EXPECT_EQ(format::SectionHeaderLine(SectionKind::Procedure, "P"), "procedure P\n");
    EXPECT_EQ(format::SectionOpenLine() + format::SectionCloseLine(), "\t{\n\t}\n");
    EXPECT_EQ(format::KeywordLine(StatementKind::Message), "message\n");
    EXPECT_EQ(format::BlockOpenLine() + format::BlockCloseLine(), "\t{\n\t}\n");
    EXPECT_EQ(format::KeyLine("suppress", "true"), "\tsuppress = true\n");
    EXPECT_EQ(format::PairLine("coordinate", 5, 22), "\tcoordinate = 5,22\n");
    EXPECT_EQ(format::QuotedKeyLine("text", "Code"), "\ttext = \"Code\"\n");
    EXPECT_EQ(format::SectionBodyLine("\tname = X\n"), "\t\tname = X\n");

    // What is written reads back as it was meant.
    OverrideStatement statement;
    for (const std::string& line : {format::PairLine("orig_coordinate", 4, 22), format::QuotedKeyLine("title", "A b"),
                                    format::KeyLine("default", "today")}) {
        ParseStatementLine(line, statement);
    }
    EXPECT_EQ(statement.identifier.row, 4);
    EXPECT_EQ(statement.overrides.title, "A b");
    EXPECT_EQ(statement.overrides.defaultKind, kDefaultSystemValue);
}

}  // namespace
}  // namespace overrides
