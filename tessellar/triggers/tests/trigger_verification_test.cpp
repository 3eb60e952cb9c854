// Verify in the trigger dialogs: what opening the chosen program found, with
// a stored mapping applied to a server path first.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/memory_registry.h"
#include "tessellar/settings/registry_keys.h"
#include "tessellar/triggers/trigger_verification.h"
#include "testsupport/scratch_directory.h"

namespace triggers {
namespace {

TEST(TriggerVerificationTest, ReportsWhatOpeningFound) {
    testsupport::ScratchDirectory scratch;
    const std::string program = scratch.Write("t.sh", {'#', '!'});
    settings::MemoryRegistry registry;
    registry.WriteString(settings::RegistryRoot::LocalMachine, settings::keys::kMapping, "/srv/bin", scratch.Path().string());
    mapping::PathMapper mapper(registry, {});
    platform::RecordingMessageSink messages;

    EXPECT_EQ(VerifyTriggerProgram("/srv/bin/t.sh", mapper, messages), VerifyOutcome::Verified);
    EXPECT_EQ(VerifyTriggerProgram("/srv/bin/none.sh", mapper, messages), VerifyOutcome::Missing);
    EXPECT_EQ(VerifyTriggerProgram(scratch.Path().string(), mapper, messages), VerifyOutcome::Refused);
    EXPECT_EQ(messages.Messages(),
              (std::vector<std::string>{
                  "Program Verified.", "/srv/bin/none.sh does not exist",
                  "File\x92s sharing mode does not allow specified operations, or given path is directory"}));
}

// Verify once sent every "/" path through the mapping, asking about a plain
// local file no mapping covers.
TEST(TriggerVerificationTest, ALocalFileIsNotTakenForTheServers) {
    testsupport::ScratchDirectory scratch;
    const std::string program = scratch.Write("local.sh", {'#', '!'});
    settings::MemoryRegistry registry;
    int asked = 0;
    mapping::PathMapper mapper(registry, [&](const mapping::MappingRequest&, mapping::DirectoryMappings&) {
        ++asked;
        return std::optional<std::string>();
    });
    platform::RecordingMessageSink messages;
    EXPECT_EQ(VerifyTriggerProgram(program, mapper, messages), VerifyOutcome::Verified);
    EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace triggers
