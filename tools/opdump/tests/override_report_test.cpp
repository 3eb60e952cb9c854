// The demo override file as opdump reports it: each changed value with its
// original, and what every statement of the entry's section changed.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_loader.h"
#include "tools/opdump/override_report.h"
#include "testsupport/scratch_directory.h"

namespace opdump {
namespace {

TEST(OverrideDemoReport, OpdumpListsWhatTheOverrideFileChanged) {
    platform::RecordingMessageSink sink;
    auto image = program::LoadProgram(TESSELLAR_DEMO_PROGRAM, sink);
    ASSERT_TRUE(image.has_value());
    std::ostringstream out;
    const OverrideReport report =
        WriteEntriesWithOverrides(*image, "ORDER", TESSELLAR_DEMO_OVERRIDES, out, sink);
    EXPECT_EQ(report.entries, 1);
    EXPECT_TRUE(report.overrideFileRead);
    const std::string text = out.str();
    EXPECT_NE(text.find("text         \"Total (inc. VAT):\" (original: \"Order total:\")"), std::string::npos);
    EXPECT_NE(text.find("overrides: " TESSELLAR_DEMO_OVERRIDES ", 8 statements\n"), std::string::npos);
    EXPECT_NE(text.find("  mode 4: added, trigger confirmed, trigger before_confirm, trigger not_confirmed\n"),
              std::string::npos);

    std::ostringstream unread;
    EXPECT_FALSE(WriteEntriesWithOverrides(*image, "ORDER", "/nonexistent.scf", unread, sink).overrideFileRead);
    EXPECT_NE(unread.str().find("nothing applied"), std::string::npos);

    // A directory opens like a file and fails on the first read.
    std::ostringstream directory;
    testsupport::ScratchDirectory scratch;
    const OverrideReport fromDirectory = WriteEntriesWithOverrides(*image, "ORDER", scratch.Path().string(), directory, sink);
    EXPECT_FALSE(fromDirectory.overrideFileRead);
    EXPECT_EQ(fromDirectory.entries, 1);
    EXPECT_NE(directory.str().find("(cannot be read; nothing applied)"), std::string::npos);
    EXPECT_NE(directory.str().find("text         \"Order total:\""), std::string::npos);
}

}  // namespace
}  // namespace opdump
