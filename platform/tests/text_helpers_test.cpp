#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/line_trim.h"
#include "platform/message_tone.h"
#include "platform/text_case.h"

namespace {

struct TrimRow {
    const char* name;
    std::string_view text;
    std::string_view blanksTrimmed;  // TrimBlanks
    std::string_view spacesTrimmed;  // TrimSpaces
};

// Each trim keeps what its readers keep: a tab survives TrimSpaces (the
// command line splits on spaces only), a line end survives both.
const TrimRow kTrimRows[] = {
    {"empty", "", "", ""},
    {"only blanks and tabs", " \t \t", "", "\t \t"},
    {"spaces around", "  a b  ", "a b", "a b"},
    {"tabs around", "\ta b\t", "a b", "\ta b\t"},
    {"mixed around", " \t a \t ", "a", "\t a \t"},
    {"line end kept", " a\r\n", "a\r\n", "a\r\n"},
    {"inner blanks kept", "a \t b", "a \t b", "a \t b"},
};

TEST(LineTrim, BlanksAndSpacesAreTrimmedAsEachReaderNeeds) {
    for (const TrimRow& row : kTrimRows) {
        EXPECT_EQ(platform::TrimBlanks(row.text), row.blanksTrimmed) << row.name;
        EXPECT_EQ(platform::TrimSpaces(row.text), row.spacesTrimmed) << row.name;
    }
}

TEST(LineTrim, BlankCharactersAndBlankTexts) {
    struct Row {
        char c;
        bool blank;
        bool whiteSpace;
    };
    const Row rows[] = {{' ', true, true},   {'\t', true, true},  {'\n', false, true}, {'\r', false, true},
                        {'\v', false, true}, {'\f', false, true}, {'\0', false, false}, {'a', false, false},
                        {'\xa0', false, false}};  // a code page 1252 no-break space is text
    for (const Row& row : rows) {
        EXPECT_EQ(platform::IsBlank(row.c), row.blank) << int(row.c);
        EXPECT_EQ(platform::IsWhiteSpace(row.c), row.whiteSpace) << int(row.c);
    }
    EXPECT_TRUE(platform::IsBlank(std::string_view()));
    EXPECT_TRUE(platform::IsBlank(" \t "));
    EXPECT_FALSE(platform::IsBlank(" \t x"));
    EXPECT_FALSE(platform::IsBlank("\n"));
}

TEST(TextCase, OnlyAsciiCapitalsAreLowerCased) {
    struct Row {
        std::string_view text;
        std::string_view lowered;
    };
    const Row rows[] = {
        {"", ""},
        {"Screen_Load", "screen_load"},
        {"AZ@[`{az", "az@[`{az"},               // the neighbours of A-Z stay
        {"\xc4\xd6\xdc-X", "\xc4\xd6\xdc-x"},   // code page 1252 capitals stay
        {std::string_view("A\0B", 3), std::string_view("a\0b", 3)},
    };
    for (const Row& row : rows) EXPECT_EQ(platform::LowerCased(row.text), row.lowered) << row.text;
    EXPECT_EQ(platform::LowerCasedAscii('Q'), 'q');
    EXPECT_EQ(platform::LowerCasedAscii('\xc9'), '\xc9');
}

// Error boxes carried the information icon whatever they said.
TEST(MessageTone, RefusalsAndFailuresReadAsWarnings) {
    struct Row {
        const char* text;
        bool warning;
    };
    const Row rows[] = {
        {"Sorry, could not hide a field without default values", true},
        {"Can't perform this moving. There is no column number available at the position selected.", true},
        {"/srv/bin/none.sh does not exist", true},
        {"Invalid scale fact, scale range is from 50 to 1000", true},
        {"could not open screen customiser file --x.scf", true},
        {"Program Verified.", false},
        {"At end of list.", false},
        {"PROCESS finished", false},
    };
    for (const Row& row : rows) EXPECT_EQ(platform::ReadsAsWarning(row.text), row.warning) << row.text;
}

}  // namespace
