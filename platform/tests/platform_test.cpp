#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "platform/diagnostic_sink.h"
#include "platform/held_message_sink.h"
#include "platform/line_trim.h"
#include "platform/local_time.h"
#include "platform/message_format.h"
#include "platform/message_sink.h"
#include "platform/native_path.h"
#include "platform/temp_directory.h"
#include "platform/text_capacity.h"

namespace {

// Sets or clears an environment variable for one test and restores it after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        if (value) setenv(name, value, 1); else unsetenv(name);
    }
    ~ScopedEnv() {
        if (had_) setenv(name_, old_.c_str(), 1); else unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(TempDirectory, PrefersTempThenTmpdirThenFixedFallback) {
    {
        ScopedEnv temp("TEMP", "/work/t1");
        ScopedEnv tmpdir("TMPDIR", "/work/t2");
        EXPECT_EQ(platform::TempDirectory(), "/work/t1");
    }
    {
        ScopedEnv temp("TEMP", "");  // an empty TEMP names no directory
        ScopedEnv tmpdir("TMPDIR", "/work/t2");
        EXPECT_EQ(platform::TempDirectory(), "/work/t2");
    }
    {
        ScopedEnv temp("TEMP", nullptr);
        ScopedEnv tmpdir("TMPDIR", nullptr);
        EXPECT_EQ(platform::TempDirectory(), "/tmp");
    }
}

TEST(JoinPath, PutsExactlyOneSeparatorBetweenParts) {
    EXPECT_EQ(platform::JoinPath("/a/b", "c.op6"), "/a/b/c.op6");
    EXPECT_EQ(platform::JoinPath("/a/b/", "c.op6"), "/a/b/c.op6");
    EXPECT_EQ(platform::JoinPath("/a/b", "/c.op6"), "/a/b/c.op6");
    EXPECT_EQ(platform::JoinPath("/", "c"), "/c");
    EXPECT_EQ(platform::JoinPath("", "c"), "c");
}

TEST(AscTime, MatchesTheClassicFormatIncludingTheLineEnd) {
    const std::time_t when = 1796738650;  // a fixed moment; the local zone does not matter
    std::tm parts{};
    localtime_r(&when, &parts);
    EXPECT_EQ(platform::AscTime(when), std::asctime(&parts));
    EXPECT_EQ(platform::LocalAscTimeNow().back(), '\n');
}

TEST(MessageSinks, RecordAndStreamTextsInOrder) {
    platform::RecordingMessageSink recorder;
    recorder.ShowMessage("first");
    recorder.WriteOutput("line 1\n");
    recorder.ShowMessage("second");
    EXPECT_EQ(recorder.Messages(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(recorder.Output(), "line 1\n");

    std::ostringstream boxes, output;
    platform::StreamMessageSink stream(boxes, output);
    stream.ShowMessage("box");
    stream.WriteOutput("out\n");
    EXPECT_EQ(boxes.str(), "box\n");
    EXPECT_EQ(output.str(), "out\n");
}

// A fixed buffer would cut a long path out of the message.
TEST(TextHelpers, FormatCutAndTrim) {
    const std::string longPath(3000, 'p');
    EXPECT_EQ(platform::FormatText("Can't open %s (%d)", longPath.c_str(), 2), "Can't open " + longPath + " (2)");
    EXPECT_EQ(platform::FormatText("none"), "none");

    EXPECT_EQ(platform::CutText("abcdef", 4), "abcd");
    EXPECT_EQ(platform::CutText("ab", 4), "ab");
    EXPECT_EQ(platform::FieldTextLength(80), 79u);
    EXPECT_EQ(platform::FieldTextLength(0), 0u);

    EXPECT_EQ(platform::TrimControls("\t\x01 key = v \r\n"), "key = v");
    EXPECT_EQ(platform::TrimControls("!x!"), "!x!");  // "!" is the first character kept
    EXPECT_EQ(platform::TrimControls(" \n "), "");
}

TEST(MessageSinks, DiagnosticsNameTheToolAndTheFile) {
    std::ostringstream stream;
    platform::DiagnosticSink sink(stream, "opdump", "/p/demo.op6");
    sink.ShowMessage("Not the correct operation table format");
    sink.WriteOutput("as it is\n");
    EXPECT_EQ(stream.str(), "opdump: /p/demo.op6: Not the correct operation table format\nas it is\n");
}

}  // namespace

// Held message boxes come out once, in order, after the output that passed
// while they waited; a release with nothing held shows nothing.
TEST(HeldMessageSink, HoldsMessageBoxesUntilReleasedAndPassesOutput) {
    platform::RecordingMessageSink target;
    platform::HeldMessageSink held(target);
    held.ShowMessage("before");
    held.Hold();
    held.ShowMessage("first");
    held.WriteOutput("line\n");
    held.ShowMessage("second");
    EXPECT_EQ(target.Messages(), std::vector<std::string>({"before"}));
    EXPECT_EQ(target.Output(), "line\n");
    held.Release();
    EXPECT_EQ(target.Messages(), std::vector<std::string>({"before", "first", "second"}));
    held.Release();
    held.ShowMessage("after");
    EXPECT_EQ(target.Messages().size(), 4u);
    EXPECT_FALSE(held.Holding());
}
