#include "promptsweep/replacement_list.h"

#include <gtest/gtest.h>

namespace promptsweep {
namespace {

TEST(SweepReplacementList, BlanksAndOtherCharactersOutsideTheQuotesAreIgnored) {
    const ReplacementList list = ParseReplacementList("  \"Cust omer\" , \"Client\" trailing\r\nx\"a\"y,z\"b\"\n");
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.output, "");
    ASSERT_EQ(list.pairs.size(), 2u);
    EXPECT_EQ(list.pairs[0].find, "Cust omer");
    EXPECT_EQ(list.pairs[0].replace, "Client");
    EXPECT_EQ(list.pairs[1].find, "a");
    EXPECT_EQ(list.pairs[1].replace, "b");
}

TEST(SweepReplacementList, ACommaInsideAStringIsPartOfIt) {
    const ReplacementList list = ParseReplacementList("\"a,b\",\"c,d\"");
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.pairs[0].find, "a,b");
    EXPECT_EQ(list.pairs[0].replace, "c,d");
}

TEST(SweepReplacementList, ALineOfExactly299CharactersLeavesItsLineEndAsAnEmptyLine) {
    const std::string line = "\"" + std::string(293, 'a') + "\",\"b\"";  // 299 characters
    ASSERT_EQ(line.size(), 299u);
    const ReplacementList list = ParseReplacementList(line + "\n");
    EXPECT_FALSE(list.ok);
    EXPECT_EQ(list.output.substr(0, 27), "Incorrect Specification: \n\n");
}

TEST(SweepReplacementList, ANulEndsWhatIsJudgedOfAPiece) {
    const ReplacementList list = ParseReplacementList(std::string("\"a\",\"b\"\0junk\n", 13));
    EXPECT_TRUE(list.ok);
}

}  // namespace
}  // namespace promptsweep
