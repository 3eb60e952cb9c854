// "&Find" over a browser page of the demo program: the walk in both
// directions, the two end messages, and the match options.

#include <gtest/gtest.h>

#include "platform/message_sink.h"
#include "tessellar/document/browser_find.h"
#include "tessellar/document/document.h"
#include "testsupport/scratch_directory.h"

namespace document {
namespace {

TEST(TextMatching, WholeWordAndCase) {
    const SearchOptions plain;
    const SearchOptions whole{true, false};
    const SearchOptions exact{false, true};
    EXPECT_TRUE(TextMatches("Customers", "customer", plain));
    EXPECT_FALSE(TextMatches("Customers", "customer", whole));
    EXPECT_TRUE(TextMatches("Customer: code", "customer", whole));
    EXPECT_FALSE(TextMatches("Customer_code", "Customer", whole));
    EXPECT_FALSE(TextMatches("Customer", "customer", exact));
    EXPECT_FALSE(TextMatches("anything", "", plain));
    // A later whole-word occurrence is still found after a failed first one.
    EXPECT_TRUE(TextMatches("Customers Customer", "Customer", whole));
}

class BrowserFind : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(document_.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink_));
        program::FillDirectoryPage(page_, *document_.Image(), "", sink_);
        ASSERT_GT(page_.Rows().size(), 3u);
    }
    std::optional<std::size_t> Find(const std::string& text, bool down, SearchOptions options = {}) {
        return FindNext(page_, {text, down, options},
                        [this](model::CScreenModel& screen) { PrepareEntry(screen, document_.Inputs(), sink_); },
                        sink_);
    }
    std::string NameOf(std::optional<std::size_t> row) { return row ? page_.Rows()[*row].name : "(none)"; }

    testsupport::ScratchDirectory scratch_;
    Document document_{scratch_.Path().string()};
    platform::RecordingMessageSink sink_;
    program::DirectoryPage page_{program::BrowserPage::All};
};

TEST_F(BrowserFind, WalksDownFromTheSelectedRowAndStopsAtTheEnd) {
    const auto first = Find("Customer", true, {true, true});
    EXPECT_EQ(NameOf(first), "CUSTOMER");
    EXPECT_EQ(page_.SelectedRow(), first);
    const auto second = Find("Customer", true, {true, true});
    EXPECT_EQ(NameOf(second), "ORDER");
    while (Find("Customer", true, {true, true})) {
    }
    ASSERT_EQ(sink_.Messages().size(), 1u);
    EXPECT_EQ(sink_.Messages()[0], "At end of list. \"Customer\" not found.");
}

TEST_F(BrowserFind, UpFromTheFirstRowIsAtTheTopAtOnce) {
    ASSERT_EQ(page_.SelectedRow(), 0u);
    EXPECT_EQ(Find(page_.Rows()[0].name, false), std::nullopt);
    ASSERT_EQ(sink_.Messages().size(), 1u);
    EXPECT_EQ(sink_.Messages()[0], "At top of list. \"" + page_.Rows()[0].name + "\" not found.");
    EXPECT_EQ(page_.SelectedRow(), 0u);
}

TEST_F(BrowserFind, UpFindsTheNearestScreenAbove) {
    const std::size_t last = page_.Rows().size() - 1;
    ASSERT_TRUE(program::SelectRow(page_, last, sink_));
    const auto hit = Find("Customer", false, {true, true});
    ASSERT_TRUE(hit);
    EXPECT_LT(*hit, last);
    EXPECT_FALSE(Find("NOTHING-LIKE-THIS", false));
    EXPECT_EQ(page_.SelectedRow(), hit);
}

}  // namespace
}  // namespace document
