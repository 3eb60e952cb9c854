#include <gtest/gtest.h>

#include <sstream>

#include "platform/message_sink.h"
#include "tools/opdump/directory_listing.h"
#include "tools/opimage/image.h"

namespace opdump {
namespace {

TEST(DirectoryListing, ShowsEveryPageWithRowsOrItsEmptyMessage) {
    opimage::Program program;
    program.entries = {{.kind = opimage::EntryKind::Screen, .name = "CUSTOMER"},
                       {.kind = opimage::EntryKind::Menu, .name = "MAIN"},
                       {.kind = opimage::EntryKind::Screen, .name = "ORDERS", .reviewWord = opimage::kReviewScreen}};
    const program::ProgramImage image(opimage::Write(program).bytes);
    platform::RecordingMessageSink sink;
    std::ostringstream out;
    WriteDirectoryListing(image, out, sink);

    EXPECT_EQ(out.str(),
              "Page 1: Screens\n"
              "  Seq   Type            Name\n"
              "  0     Screen          CUSTOMER\n"
              "  1     Screen(Review)  ORDERS\n"
              "\n"
              "Page 2: Data Grids\n"
              "  Sorry, there is no datagrid in this program.\n"
              "\n"
              "Page 3: Procedures\n"
              "  Sorry, there is no procedure in this program.\n"
              "\n"
              "Page 4: Menus\n"
              "  Seq   Type            Name\n"
              "  0     Menu            MAIN\n"
              "\n"
              "Page 5: All\n"
              "  Seq   Type            Name\n"
              "  0     Screen          CUSTOMER\n"
              "  1     Menu            MAIN\n"
              "  2     Screen(Review)  ORDERS\n");
    EXPECT_TRUE(sink.Messages().empty());
}

}  // namespace
}  // namespace opdump
