#include "promptsweep/term_match.h"

#include <gtest/gtest.h>

namespace promptsweep {
namespace {

TEST(SweepTermMatch, ATermStandsAloneBetweenSeparatorsOrAtTheEnds) {
    struct Row {
        const char* text;
        bool matches;
    };
    for (const Row& row : {Row{"Customer Code", true}, Row{"Customers", false}, Row{"<Customer>", true},
                           Row{"Customer:", true}, Row{"(Customer)", false}, Row{"Customer", true},
                           Row{"Old Customer", true}, Row{"a-Customer#", true}, Row{"x\tCustomer\t", true},
                           Row{"Customer>", true}, Row{"Customer<", false}, Row{">Customer", false},
                           Row{"Cust.Customer;", true}, Row{"", false}}) {
        EXPECT_EQ(HasTermMatch(row.text, "Customer"), row.matches) << row.text;
    }
}

TEST(SweepTermMatch, OnlyTheFirstOccurrenceIsJudged) {
    EXPECT_FALSE(HasTermMatch("Customer Cust", "Cust"));
    const Occurrence later = JudgeFirstOccurrence("Customer Cust", "Cust", 1);
    EXPECT_EQ(later.position, 9u);
    EXPECT_TRUE(later.matches);
}

TEST(SweepTermMatch, TheRestOfTheTextEqualToTheFindStringMatchesWhateverPrecedesIt) {
    EXPECT_TRUE(JudgeFirstOccurrence("xAA", "A", 2).matches);
    EXPECT_FALSE(JudgeFirstOccurrence("xA", "A", 0).matches);
}

TEST(SweepTermMatch, AnEmptyFindStringMatchesNothing) {
    EXPECT_FALSE(HasTermMatch("anything", ""));
    EXPECT_EQ(ReplaceTerms("anything", {{"", "x"}}), "anything");
}

TEST(SweepReplace, EveryMatchingTermIsReplacedAndThePairsChain) {
    EXPECT_EQ(ReplaceTerms("Customer Code", {{"Customer", "Client"}}), "Client Code");
    EXPECT_EQ(ReplaceTerms("A-A;A", {{"A", "Bee"}}), "Bee-Bee;Bee");
    EXPECT_EQ(ReplaceTerms("A", {{"A", "B"}, {"B", "C"}}), "C");
    EXPECT_EQ(ReplaceTerms("Customer Cust", {{"Cust", "Cu"}}), "Customer Cu");
    EXPECT_EQ(ReplaceTerms("Customers and Customer", {{"Customer", "Client"}}), "Customers and Client");
    EXPECT_EQ(ReplaceTerms("", {{"A", "B"}}), "");
    // The replaced text is not searched again.
    EXPECT_EQ(ReplaceTerms("A B", {{"A", "A A"}}), "A A B");
}

TEST(SweepReplace, TheResultIsCutToATextSlot) {
    const std::string text(150, 'a');
    const std::string result = ReplaceTerms("A " + text, {{"A", std::string(200, 'B')}});
    EXPECT_EQ(result.size(), kTextCapacity);
    EXPECT_EQ(result, (std::string(200, 'B') + " " + text).substr(0, kTextCapacity));
}

}  // namespace
}  // namespace promptsweep
