// The message list's rows: sort keys, the filter, edits and resets, and
// the commands OK issues (checked through the demo entry's work file).

#include <gtest/gtest.h>

#include <ostream>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/lists/message_list.h"
#include "testsupport/demo_document.h"
#include "testsupport/file_text.h"

namespace {

using lists::MessageColumn;
using lists::MessageFilter;
using lists::MessageList;
using lists::SortKey;
using model::MessageKind;

struct Message {
    MessageKind kind;
    const char* original;
    const char* override = nullptr;  // the text in force, when overridden
};

// Ids 0 to 5.
const std::vector<Message> kMessages = {
    {MessageKind::Message, "beta"},
    {MessageKind::Abort, "Alpha", "gamma"},
    {MessageKind::Acknowledge, "alpha"},
    {MessageKind::Message, "\xe9t\xe9"},
    {MessageKind::PrintOrPrompt, "print total"},
    {MessageKind::PrintOrPrompt, " prompt Press Return", "Alpha"},
};

void Fill(model::CScreenModel& screen, const std::vector<Message>& messages) {
    for (const Message& message : messages) {
        model::CMessageItem& item = screen.AddMessage(message.kind);
        item.SetText(message.original);
        if (message.override != nullptr) {
            item.text.SetCurrent(message.override);
            item.editedText = message.override;
        }
    }
}

struct SortCase {
    const char* name;
    std::vector<SortKey> keys;
    std::vector<int> ids;
};

// ctest lists a row with its value: print its name, not its bytes.
[[maybe_unused]] void PrintTo(const SortCase& row, std::ostream* out) { *out << row.name; }

class MessageListSort : public testing::TestWithParam<SortCase> {};

TEST_P(MessageListSort, OrdersTheRowsByItsKeys) {
    model::CScreenModel screen("CUSTOMER", 1, nullptr, 0, 0, model::ModelKind::Screen);
    Fill(screen, kMessages);
    MessageList list(screen);
    list.SetSortKeys(GetParam().keys);
    EXPECT_EQ(list.Rows(), GetParam().ids);
}

// Override shows the working texts: beta, gamma, alpha, \xe9t\xe9, print total, Alpha.
INSTANTIATE_TEST_SUITE_P(
    Keys, MessageListSort,
    testing::Values(
        SortCase{"ListOrderWithoutKeys", {}, {0, 1, 2, 3, 4, 5}},
        // A-Z folded: "Alpha" and "alpha" tie and keep list order; 0xE9 after ASCII.
        SortCase{"OverrideFoldsCase", {{MessageColumn::Override, true}}, {2, 5, 0, 1, 4, 3}},
        // Byte by byte: upper case before lower case.
        SortCase{"OriginalByBytes", {{MessageColumn::Original, true}}, {5, 1, 2, 0, 4, 3}},
        SortCase{"OriginalDescending", {{MessageColumn::Original, false}}, {3, 4, 0, 2, 1, 5}},
        // By the word: abort, acknowledge, message, message, print, prompt.
        SortCase{"TypeByWordThenId", {{MessageColumn::Type, true}}, {1, 2, 0, 3, 4, 5}},
        SortCase{"SecondKeyBreaksTies",
                 {{MessageColumn::Type, true}, {MessageColumn::Id, false}},
                 {1, 2, 3, 0, 4, 5}},
        SortCase{"OverrideTieBrokenByOriginal",
                 {{MessageColumn::Override, true}, {MessageColumn::Original, false}},
                 {2, 5, 0, 1, 4, 3}}),
    [](const testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

TEST(MessageList, IdsSortAsNumbersAndTypesHaveTheirWords) {
    model::CScreenModel screen("CUSTOMER", 1, nullptr, 0, 0, model::ModelKind::Screen);
    std::vector<Message> eleven(11, Message{MessageKind::Message, "same"});
    Fill(screen, eleven);
    MessageList list(screen);
    list.SetSortKeys({{MessageColumn::Id, false}});
    EXPECT_EQ(list.Rows().front(), 10);  // not 9, as texts would sort

    model::CScreenModel kinds("CUSTOMER", 1, nullptr, 0, 0, model::ModelKind::Screen);
    Fill(kinds, kMessages);
    const MessageList kindList(kinds);
    std::vector<std::string> words;
    for (const lists::MessageRow& row : kindList.Messages()) words.emplace_back(MessageList::TypeWord(row));
    EXPECT_EQ(words, (std::vector<std::string>{"message", "abort", "acknowledge", "message", "print", "prompt"}));
}

TEST(MessageList, AHeaderClickPutsItsColumnFirstAndASecondFlipsIt) {
    model::CScreenModel screen("CUSTOMER", 1, nullptr, 0, 0, model::ModelKind::Screen);
    MessageList list(screen);
    list.SortByColumn(MessageColumn::Type);
    list.SortByColumn(MessageColumn::Original);
    EXPECT_EQ(list.SortKeys(), (std::vector<SortKey>{{MessageColumn::Original, true}, {MessageColumn::Type, true}}));
    list.SortByColumn(MessageColumn::Original);
    list.SortByColumn(MessageColumn::Type);
    EXPECT_EQ(list.SortKeys(), (std::vector<SortKey>{{MessageColumn::Type, true}, {MessageColumn::Original, false}}));
}

TEST(MessageList, OverriddenListsSavedOverridesAndUncommittedEdits) {
    model::CScreenModel screen("CUSTOMER", 1, nullptr, 0, 0, model::ModelKind::Screen);
    Fill(screen, kMessages);
    MessageList list(screen);
    list.SetFilter(MessageFilter::Overridden);
    EXPECT_EQ(list.Rows(), (std::vector<int>{1, 5}));
    EXPECT_TRUE(list.Edit(3, "edited"));
    EXPECT_EQ(list.Rows(), (std::vector<int>{1, 3, 5}));
    // An override edited back to the original stays listed until committed.
    EXPECT_TRUE(list.Edit(1, "Alpha"));
    EXPECT_EQ(list.Rows(), (std::vector<int>{1, 3, 5}));
    list.Reset({3});
    EXPECT_EQ(list.Rows(), (std::vector<int>{1, 5}));
}

TEST(MessageList, EditsIgnoreAnEmptyTextAndResetAllGoesBackToTheSavedTexts) {
    model::CScreenModel screen("CUSTOMER", 1, nullptr, 0, 0, model::ModelKind::Screen);
    Fill(screen, kMessages);
    MessageList list(screen);
    EXPECT_FALSE(list.Edit(0, ""));
    EXPECT_FALSE(list.Edit(6, "x"));
    EXPECT_EQ(list.Messages()[0].working, "beta");
    EXPECT_TRUE(list.Edit(0, std::string(600, 'x')));
    EXPECT_EQ(list.Messages()[0].working.size(), lists::kWorkingTextLength);
    EXPECT_TRUE(list.Edit(1, "changed"));
    list.ResetAll();
    EXPECT_EQ(list.Messages()[0].working, "beta");
    EXPECT_EQ(list.Messages()[1].working, "gamma");  // the saved override, not the original
}

using testsupport::ReadFile;

TEST(MessageListCommit, IssuesTheChangedMessagesInListOrderAsOneUndoStep) {
    platform::RecordingMessageSink sink;
    testsupport::DemoDocument demo(sink);
    ASSERT_TRUE(demo.Open());
    model::CScreenModel& customer = *demo.Entry("CUSTOMER");
    MessageList list(customer);
    // Unchanged, and changed then set back: neither issues anything.
    EXPECT_FALSE(list.Commit(demo.Document(), customer, sink));
    ASSERT_TRUE(list.Edit(1, "Set back"));
    ASSERT_TRUE(list.Edit(1, list.Messages()[1].saved));
    EXPECT_FALSE(list.Commit(demo.Document(), customer, sink));
    EXPECT_FALSE(demo.Document().CanUndo(customer));
    EXPECT_EQ(ReadFile(customer.OverridePath()), "");

    // Sorted rows do not change the order the commands come in.
    list.SetSortKeys({{MessageColumn::Id, false}});
    ASSERT_TRUE(list.Edit(4, "Customer gone"));
    ASSERT_TRUE(list.Edit(0, "Status \"new\""));
    ASSERT_TRUE(list.Commit(demo.Document(), customer, sink));
    EXPECT_TRUE(sink.Messages().empty());
    EXPECT_EQ(ReadFile(customer.OverridePath()),
              "message\n\t{\n\torig_text = \"Status changed for CUST-NO\"\n\ttext = \"Status \"new\"\"\n\t}\n"
              "message\n\t{\n\torig_text = \"Customer kept\"\n\ttext = \"Customer gone\"\n\t}\n");
    EXPECT_EQ(demo.Document().UndoLabels(customer).size(), 1u);
    EXPECT_EQ(customer.Messages()[4].text.Current(), "Customer gone");
    ASSERT_TRUE(demo.Document().Undo(customer, sink));
    EXPECT_EQ(ReadFile(customer.OverridePath()), "");
    EXPECT_EQ(customer.Messages()[0].text.Current(), "Status changed for CUST-NO");
}

}  // namespace
